// The "Family Forms" page of the reports window.
#include "ui/reports/print_box_forms.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "charts/forms.h"
#include "core/queries.h"
#include "core/shown_state.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/print_box.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

// "Marriage 2: with Jane Smith (14)" or "... with Spouse Unknown".
QString MarriageText(const store::RecordStore& store, int family, int individual, int index) {
  const int spouse = core::OtherSpouse(store, family, individual);
  const QString with = spouse > 0 && store.individual(spouse) != nullptr
                           ? FromAnsi(core::PersonLabel(store, spouse))
                           : QStringLiteral("Spouse Unknown");
  return QStringLiteral("Marriage %1: with %2").arg(index + 1).arg(with);
}

}  // namespace

PrintBoxForms::PrintBoxForms(TPrintBox& box) : QWidget(&box), box_(box) {
  setObjectName(QStringLiteral("FamilyFormsPage"));
  auto* grid = new QGridLayout;
  family_choice_ = new QComboBox(this);
  family_choice_->setObjectName(QStringLiteral("FamilyChoice"));
  family_choice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  family_choice_->setMinimumContentsLength(30);
  AddFormRow(grid, 0, Form::kFamilySheet, "FamilySheet", QStringLiteral("Family Group Sheet"),
             QStringLiteral("The couple of the marriage chosen below, their events, notes and "
                            "sources, and their children"));
  auto* marriage = new QHBoxLayout;
  auto* marriage_label = new QLabel(QStringLiteral("&Marriage:"), this);
  marriage_label->setBuddy(family_choice_);
  marriage->addWidget(marriage_label);
  marriage->addWidget(family_choice_, 1);
  grid->addLayout(marriage, 1, 0, 1, 3);
  AddFormRow(grid, 2, Form::kBlankSheet, "BlankSheet", QStringLiteral("Blank Family Group Sheet"),
             QStringLiteral("The family group sheet with empty fields, to fill in by hand"));
  AddFormRow(grid, 3, Form::kPedigree, "Pedigree", QStringLiteral("Pedigree Chart"),
             QStringLiteral("Four generations of the highlighted person on one page"));
  AddFormRow(grid, 4, Form::kPersonDetails, "PersonDetails", QStringLiteral("Person Details"),
             QStringLiteral("Every event, note and citation of the highlighted person"));
  AddFormRow(grid, 5, Form::kSourceList, "SourceList", QStringLiteral("Source List"),
             QStringLiteral("Every source of the tree with what cites it"));
  grid->setColumnStretch(0, 1);
  grid->setVerticalSpacing(10);

  saved_ = new QLabel(this);
  saved_->setObjectName(QStringLiteral("FormSavedFile"));
  saved_->setWordWrap(true);
  saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch(1);
  layout->addWidget(saved_);
  connect(&box_, &TPrintBox::personChanged, this, &PrintBoxForms::PersonChanged);
}

void PrintBoxForms::AddFormRow(QGridLayout* grid, int row, Form form, const char* name,
                               const QString& title, const QString& hint) {
  auto* label = new QLabel(title, this);
  label->setToolTip(hint);
  auto* print = new QPushButton(QStringLiteral("Print..."), this);
  print->setObjectName(QStringLiteral("btnPrint%1").arg(QLatin1String(name)));
  print->setToolTip(hint);
  print->setAutoDefault(false);
  auto* pdf = new QPushButton(QStringLiteral("Save as PDF..."), this);
  pdf->setObjectName(QStringLiteral("btnPdf%1").arg(QLatin1String(name)));
  pdf->setToolTip(hint);
  pdf->setAutoDefault(false);
  if (form == Form::kFamilySheet) family_buttons_ = {print, pdf};
  connect(print, &QPushButton::clicked, this, [this, form] { PrintForm(form); });
  connect(pdf, &QPushButton::clicked, this, [this, form] { SaveFormAsPdf(form); });
  grid->addWidget(label, row, 0);
  grid->addWidget(print, row, 1);
  grid->addWidget(pdf, row, 2);
}

void PrintBoxForms::PersonChanged(int individual) {
  family_choice_->clear();
  for (QPushButton* button : family_buttons_) button->setEnabled(false);
  if (individual == 0) return;
  const store::RecordStore& store = box_.tree().store();
  const core::ShownState& shown = box_.tree().shown();
  const std::vector<int> families = shown.individual == individual
                                        ? shown.families
                                        : core::ComputeShownState(store, individual, 0).families;
  for (size_t i = 0; i < families.size(); ++i) {
    family_choice_->addItem(MarriageText(store, families[i], individual, static_cast<int>(i)),
                            families[i]);
  }
  if (shown.individual == individual && shown.spouse_index < family_choice_->count()) {
    family_choice_->setCurrentIndex(shown.spouse_index);
  }
  for (QPushButton* button : family_buttons_) button->setEnabled(family_choice_->count() > 0);
}

int PrintBoxForms::ChosenFamily() const {
  const int family = family_choice_->currentData().toInt();
  return family > 0 && box_.tree().store().family(family) != nullptr ? family : 0;
}

bool PrintBoxForms::MakeJob(Form form, reports::ReportJob* job) const {
  const store::RecordStore& store = box_.tree().store();
  const int person = box_.HighlightedPerson();
  switch (form) {
    case Form::kFamilySheet:
      if (ChosenFamily() == 0) return false;
      *job = charts::FamilyGroupSheetJob(store, ChosenFamily());
      return true;
    case Form::kBlankSheet:
      *job = charts::BlankFamilyGroupSheetJob();
      return true;
    case Form::kPedigree:
      if (person == 0) return false;
      *job = charts::PedigreeChartJob(store, person);
      return true;
    case Form::kPersonDetails:
      if (person == 0) return false;
      *job = charts::PersonDetailsJob(store, person);
      return true;
    case Form::kSourceList:
      *job = charts::SourceListJob(store);
      return true;
  }
  return false;
}

QString PrintBoxForms::PdfName(Form form) const {
  switch (form) {
    case Form::kFamilySheet:
      return QString::asprintf("Family_Group_Sheet_%06d.pdf", ChosenFamily());
    case Form::kBlankSheet:
      return QStringLiteral("Blank_Family_Group_Sheet.pdf");
    case Form::kPedigree:
      return QString::asprintf("Pedigree_%06d.pdf", box_.HighlightedPerson());
    case Form::kPersonDetails:
      return QString::asprintf("Person_Details_%06d.pdf", box_.HighlightedPerson());
    case Form::kSourceList:
      return QStringLiteral("Source_List.pdf");
  }
  return QStringLiteral("Report.pdf");
}

void PrintBoxForms::PrintForm(Form form) {
  reports::ReportJob job;
  if (MakeJob(form, &job)) box_.outlet().Print(job);
}

QString PrintBoxForms::SaveFormAsPdf(Form form) {
  reports::ReportJob job;
  if (!MakeJob(form, &job)) return {};
  const QString path = box_.outlet().SaveAsPdf(job, PdfName(form));
  saved_->setText(path.isEmpty() ? QString() : QStringLiteral("Saved: %1").arg(path));
  return path;
}

}  // namespace kinloom::ui
