// The "Ancestors and Descendants" page of the reports window.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "reports/lists.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/print_box.h"

namespace kinloom::ui {

QSpinBox* TPrintBox::GenerationBox(QWidget* parent, const char* name) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(reports::kListGenerationsMin, reports::kListGenerationsMax);
  box->setValue(reports::kListGenerationsDefault);
  box->setToolTip(QStringLiteral("From %1 generations on the list prints in landscape")
                      .arg(reports::kLandscapeGenerations));
  return box;
}

QWidget* TPrintBox::BuildListGroup(const QString& title, QSpinBox* generations,
                                   std::initializer_list<QPushButton*> buttons) {
  auto* group = new QGroupBox(title);
  auto* layout = new QVBoxLayout(group);
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(QStringLiteral("&Generations:"), group);
  label->setBuddy(generations);
  generations->setParent(group);
  row->addWidget(label);
  row->addWidget(generations);
  row->addStretch(1);
  layout->addLayout(row);
  for (QPushButton* button : buttons) {
    button->setParent(group);
    layout->addWidget(button);
  }
  return group;
}

QWidget* TPrintBox::BuildListsPage() {
  auto* page = new QWidget(this);
  anc_gen_no_ = GenerationBox(page, "AncGenNo");
  desc_gen_no_ = GenerationBox(page, "DescGenNo");
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(
      BuildListGroup(QStringLiteral("Ancestors List"), anc_gen_no_,
                     {AddButton(page, "btnPrintAncList", QStringLiteral("Print Ancestor List"),
                                &TPrintBox::btnPrintAncListClick),
                      AddButton(page, "btnSaveAncList", QStringLiteral("Save List to File"),
                                &TPrintBox::btnSaveAncListClick),
                      AddButton(page, "btnPdfAncList", QStringLiteral("Save as PDF..."),
                                &TPrintBox::btnPdfAncListClick)}));
  layout->addWidget(
      BuildListGroup(QStringLiteral("Descendants List"), desc_gen_no_,
                     {AddButton(page, "btnPrintDescList", QStringLiteral("Make Descendants List"),
                                &TPrintBox::btnPrintDescListClick),
                      AddButton(page, "btnSaveDescList", QStringLiteral("Save List to File"),
                                &TPrintBox::btnSaveDescListClick),
                      AddButton(page, "btnPdfDescList", QStringLiteral("Save as PDF..."),
                                &TPrintBox::btnPdfDescListClick)}));
  auto* hint = new QLabel(
      QStringLiteral("The lists are made for the person highlighted in the list. Printing "
                     "offers a PDF file as well as the printers."),
      page);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  layout->addStretch(1);
  saved_ = new QLabel(page);
  saved_->setObjectName(QStringLiteral("SavedFile"));
  saved_->setWordWrap(true);
  saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(saved_);
  return page;
}

files::ReportSaveContext TPrintBox::SaveContext() {
  files::TreeWorkspace& work = tree_.work();
  return {tree_.ui(), work.file_system(), work.folders().my_files, work.program_settings()};
}

void TPrintBox::ShowSaved(const QString& path) {
  saved_->setText(path.isEmpty() ? QString() : QStringLiteral("Saved: %1").arg(path));
}

void TPrintBox::NoteSave(const files::SavedReport& saved) {
  if (saved.outcome == files::SaveOutcome::kSaved) ShowSaved(QString::fromStdString(saved.path));
}

void TPrintBox::btnPrintAncListClick() {
  if (const int person = HighlightedPerson()) {
    outlet_.Print(reports::AncestorListJob(tree_.store(), person, anc_gen_no_->value()));
  }
}

void TPrintBox::btnSaveAncListClick() {
  const int person = HighlightedPerson();
  if (person == 0) return;
  files::ReportSaveContext context = SaveContext();
  NoteSave(files::SaveAncestorList(context, tree_.store(), person, anc_gen_no_->value(),
                                   TodaysReportDate(tree_.work(), tree_.ui())));
}

void TPrintBox::btnPrintDescListClick() {
  if (const int person = HighlightedPerson()) {
    outlet_.Print(reports::DescendantListJob(tree_.store(), person, desc_gen_no_->value()));
  }
}

void TPrintBox::btnSaveDescListClick() {
  const int person = HighlightedPerson();
  if (person == 0) return;
  files::ReportSaveContext context = SaveContext();
  NoteSave(files::SaveDescendantList(context, tree_.store(), person, desc_gen_no_->value(),
                                     TodaysReportDate(tree_.work(), tree_.ui())));
}

void TPrintBox::btnPdfAncListClick() {
  if (const int person = HighlightedPerson()) {
    ShowSaved(
        outlet_.SaveAsPdf(reports::AncestorListJob(tree_.store(), person, anc_gen_no_->value()),
                          QString::asprintf("Ancestors_%06d.pdf", person)));
  }
}

void TPrintBox::btnPdfDescListClick() {
  if (const int person = HighlightedPerson()) {
    ShowSaved(
        outlet_.SaveAsPdf(reports::DescendantListJob(tree_.store(), person, desc_gen_no_->value()),
                          QString::asprintf("Descendants_%06d.pdf", person)));
  }
}

}  // namespace kinloom::ui
