#include "ui/person/details_page.h"
#include "ui/widgets/reentry_guard.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/family_ops_support.h"
#include "core/queries.h"
#include "store/names.h"
#include "ui/main/fam_tree.h"
#include "ui/person/person_page_edit.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

using Event = DetailsPage::PlainEvent;

constexpr std::array<Event, DetailsPage::kPersonEvents> kPersonEventList = {{
    {"Emig", "1 EMIG", "Emigration Included", "Emigration Date", "Emigration Place", false},
    {"Immi", "1 IMMI", "Immigration Included", "Immigration Date", "Immigration Place", false},
    {"Adop", "1 ADOP", "Adoption Included", "Adoption Date", "Adoption Place", false},
    {"Grad", "1 GRAD", "Graduation Included", "Graduation Date", "Graduation Place", false},
    {"Reti", "1 RETI", "Retirement Included", "Retirement Date", "Retirement Place", false},
    {"FCom", "1 FCOM", "First Communion Included", "First Communion Date", "First Communion Place",
     false},
}};

constexpr std::array<Event, DetailsPage::kFamilyEvents> kFamilyEventList = {{
    {"Marr", "1 MARR", "Married", "Marriage Date", "Marriage Place", true},
    {"MarC", "1 MARC", "Marriage Contract Included", "Marriage Contract Date",
     "Marriage Contract Place", true},
    {"Enga", "1 ENGA", "Engagement Included", "Engagement Date", "Engagement Place", true},
    {"MarL", "1 MARL", "Marriage License Included", "Marriage License Date",
     "Marriage License Place", true},
    {"Anul", "1 ANUL", "Marriage Annulment Included", "Annulment Date", "Annulment Place", true},
    {"Div", "1 DIV", "Divorce Included", "Divorce Date", "Divorce Place", true},
    {"DivF", "1 DIVF", "Divorce Filed Included", "Divorce Filed Date", "Divorce Filed Place", true},
}};

void AddHeadings(QGridLayout* grid) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel(QStringLiteral("<b>Event</b>"), parent), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("<b>Date</b>"), parent), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("<b>Place</b>"), parent), 0, 3);
  // Both tables share their column widths, so their boxes line up.
  std::vector<std::string_view> names;
  std::vector<std::string_view> captions;
  auto add_events = [&](const auto& events) {
    for (const Event& event : events) {
      names.push_back(event.date_caption.substr(0, event.date_caption.rfind(" Date")));
      captions.push_back(event.caption);
    }
  };
  add_events(kPersonEventList);
  add_events(kFamilyEventList);
  for (core::SlotKind kind :
       {core::SlotKind::kBaptism, core::SlotKind::kBurial, core::SlotKind::kConfirmation}) {
    AddSlotTexts(kind, &names, &captions);
  }
  ReserveEventColumns(grid, names, captions);
  grid->setColumnStretch(3, 1);
}

}  // namespace

DetailsPage::DetailsPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {
  setObjectName(QStringLiteral("DetailsPage"));
  auto* layout = new QVBoxLayout(this);
  person_label_ = new QLabel(this);
  person_label_->setObjectName(QStringLiteral("DetPerson"));
  layout->addWidget(person_label_);
  for (size_t i = 0; i < indicators_.size(); ++i) {
    indicators_[i] = new QLabel(FromAnsi(core::DirectLineText(static_cast<int>(i) + 1)), this);
    indicators_[i]->setObjectName(QStringLiteral("imgDet%1").arg(i + 1));
    indicators_[i]->setWordWrap(true);
    indicators_[i]->setStyleSheet(QStringLiteral("color: #1d5f9e; font-weight: bold;"));
    layout->addWidget(indicators_[i]);
  }
  layout->addWidget(BuildPersonEvents());
  family_label_ = new QLabel(this);
  family_label_->setObjectName(QStringLiteral("DetFamily"));
  layout->addWidget(family_label_);
  layout->addWidget(BuildFamilyEvents());
  layout->addStretch(1);
  Refresh();
}

QGroupBox* DetailsPage::BuildPersonEvents() {
  auto* box = new QGroupBox(QStringLiteral("Events of the Individual"), this);
  auto* grid = new QGridLayout(box);
  AddHeadings(grid);
  int row = 1;
  BuildOtherRow(christening_, grid, row++, QStringLiteral("Chr"),
                static_cast<int>(core::SlotKind::kBaptism));
  BuildOtherRow(cremation_, grid, row++, QStringLiteral("Crem"),
                static_cast<int>(core::SlotKind::kBurial));
  for (size_t i = 0; i < kPersonEventList.size(); ++i) {
    BuildPlainRow(person_events_[i], grid, row++, kPersonEventList[i]);
  }
  BuildEventRow(
      confirmation_, grid, row++, QStringLiteral("Det"), QStringLiteral("Conf"),
      [this](bool on) {
        SlotBoxClicked(tree_, updating_, confirmation_, core::SlotKind::kConfirmation, false, on);
      },
      [this](const QString& text) { OtherLeft(-1, "2 DATE", text); },
      [this](const QString& text) { OtherLeft(-1, "2 PLAC", text); });
  mitzvah_ = new QCheckBox(box);
  mitzvah_->setObjectName(QStringLiteral("cbDetBarm"));
  connect(mitzvah_, &QCheckBox::clicked, this, [this](bool on) {
    SlotBoxClicked(tree_, updating_, confirmation_, core::SlotKind::kConfirmation, true, on);
  });
  grid->addWidget(mitzvah_, row, 1, Qt::AlignLeft);
  return box;
}

QGroupBox* DetailsPage::BuildFamilyEvents() {
  auto* box = new QGroupBox(QStringLiteral("Events of the Marriage"), this);
  auto* grid = new QGridLayout(box);
  AddHeadings(grid);
  for (size_t i = 0; i < kFamilyEventList.size(); ++i) {
    BuildPlainRow(family_events_[i], grid, static_cast<int>(i) + 1, kFamilyEventList[i]);
  }
  return box;
}

void DetailsPage::BuildPlainRow(EventRow& row, QGridLayout* grid, int grid_row,
                                const PlainEvent& event) {
  auto owner = [this, family = event.family] {
    return family ? EventOwner{true, tree_.shown().family}
                  : EventOwner{false, tree_.shown().individual};
  };
  BuildEventRow(
      row, grid, grid_row, QStringLiteral("Det"), QString::fromLatin1(event.name),
      [this, &row, owner, event](bool on) {
        EventBoxClicked(tree_, updating_, row, owner(), event.tag, event.caption, on);
      },
      [this, owner, event](const QString& text) {
        EventDetailLeft(tree_, updating_, owner(), event.tag, "2 DATE", text);
      },
      [this, owner, event](const QString& text) {
        EventDetailLeft(tree_, updating_, owner(), event.tag, "2 PLAC", text);
      });
}

void DetailsPage::BuildOtherRow(EventRow& row, QGridLayout* grid, int grid_row, const QString& name,
                                int kind_number) {
  const auto kind = static_cast<core::SlotKind>(kind_number);
  BuildEventRow(
      row, grid, grid_row, QStringLiteral("Det"), name,
      [this, &row, kind](bool on) {
        const int individual = tree_.shown().individual;
        const core::SlotEvent other =
            core::OtherEventOf(kind, core::SlotState(PersonFirst(tree_.store(), individual), kind));
        EventBoxClicked(tree_, updating_, row, EventOwner{false, individual}, other.tag,
                        other.caption, on);
      },
      [this, kind_number](const QString& text) { OtherLeft(kind_number, "2 DATE", text); },
      [this, kind_number](const QString& text) { OtherLeft(kind_number, "2 PLAC", text); });
}

// Leaving a date or place box of a slot's event: `kind` -1 for the confirmation slot itself,
// else the other event of the person page's slot of that kind.
void DetailsPage::OtherLeft(int kind_number, std::string_view sub_tag, const QString& text) {
  if (updating_ > 0) return;
  const int individual = tree_.shown().individual;
  store::LineNode* first = PersonFirst(tree_.store(), individual);
  if (first == nullptr) return;
  std::string_view tag;
  if (kind_number < 0) {
    const core::SlotKind kind = core::SlotKind::kConfirmation;
    tag = core::SlotEventOf(first, kind, core::SlotState(first, kind),
                            core::SexOf(tree_.store(), individual))
              .tag;
  } else {
    const auto kind = static_cast<core::SlotKind>(kind_number);
    tag = core::OtherEventOf(kind, core::SlotState(first, kind)).tag;
  }
  EventDetailLeft(tree_, updating_, EventOwner{false, individual}, tag, sub_tag, text);
}

void DetailsPage::CommitPendingEdit() {
  for (QLineEdit* box : findChildren<QLineEdit*>()) CommitTypedText(box);
}

void DetailsPage::Refresh() {
  ReentryGuard updating(updating_);
  const core::ShownState& shown = tree_.shown();
  store::RecordStore& store = tree_.store();
  store::LineNode* person = PersonFirst(store, shown.individual);
  store::LineNode* family = FamilyFirst(store, shown.family);
  person_label_->setText(
      person == nullptr
          ? QString()
          : QStringLiteral("<b>%1</b>")
                .arg(FromAnsi(core::PersonLabel(store, shown.individual)).toHtmlEscaped()));
  family_label_->setText(
      family == nullptr
          ? QStringLiteral("No marriage shown")
          : QStringLiteral("<b>%1</b>")
                .arg(FromAnsi(store::ParentsLabel(store, shown.family, store::FullName))
                         .toHtmlEscaped()));
  const int status = person == nullptr ? 4
                                       : core::DirectLineStatus(store, shown.individual,
                                                                shown.father, shown.mother);
  for (size_t i = 0; i < indicators_.size(); ++i) {
    indicators_[i]->setVisible(status == static_cast<int>(i) + 1);
  }
  RefreshOther(christening_, static_cast<int>(core::SlotKind::kBaptism));
  RefreshOther(cremation_, static_cast<int>(core::SlotKind::kBurial));
  for (size_t i = 0; i < kPersonEventList.size(); ++i) {
    const Event& e = kPersonEventList[i];
    person_events_[i].Show(person, e.tag, e.caption, e.date_caption, e.place_caption);
  }
  RefreshConfirmation();
  for (size_t i = 0; i < kFamilyEventList.size(); ++i) {
    const Event& e = kFamilyEventList[i];
    family_events_[i].Show(family, e.tag, e.caption, e.date_caption, e.place_caption);
  }
}

void DetailsPage::RefreshOther(EventRow& row, int kind_number) {
  const auto kind = static_cast<core::SlotKind>(kind_number);
  store::LineNode* first = PersonFirst(tree_.store(), tree_.shown().individual);
  const int state = core::SlotState(first, kind);
  const core::SlotEvent other = core::OtherEventOf(kind, state);
  row.Show(first, other.tag, other.caption, other.date_caption, other.place_caption);
  if (state == 0) row.box->setText(FromAnsi(core::IdleSecondCaption(kind, 0)));
}

void DetailsPage::RefreshConfirmation() {
  const int individual = tree_.shown().individual;
  store::LineNode* first = PersonFirst(tree_.store(), individual);
  const core::SlotKind kind = core::SlotKind::kConfirmation;
  const int state = core::SlotState(first, kind);
  const int sex = core::SexOf(tree_.store(), individual);
  const core::SlotEvent event = core::SlotEventOf(first, kind, state, sex);
  confirmation_.Show(first, event.tag, event.caption, event.date_caption, event.place_caption);
  if (state == 0) confirmation_.box->setText(FromAnsi(core::IdleCaption(kind)));
  mitzvah_->setChecked(false);
  mitzvah_->setText(FromAnsi(core::IdleSecondCaption(kind, sex)));
  mitzvah_->setVisible(state == 0);
  mitzvah_->setEnabled(first != nullptr);
}

}  // namespace kinloom::ui
