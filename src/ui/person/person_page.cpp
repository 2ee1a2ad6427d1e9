#include "ui/person/person_page.h"
#include "ui/widgets/reentry_guard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/dates.h"
#include "core/family_ops_support.h"
#include "core/queries.h"
#include "store/line_search.h"
#include "ui/main/fam_tree.h"
#include "ui/person/person_page_edit.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

std::string FirstValue(store::LineNode* first, std::string_view tag) {
  store::LineNode* line = first == nullptr ? nullptr : store::FindTagLine(first, tag);
  return line == nullptr ? std::string() : std::string(store::LineValue(line->text(), tag));
}

// A relative's name boxes: editable while the relative exists.
void ShowName(const store::RecordStore& store, int individual, QLineEdit* given,
              QLineEdit* surname) {
  const bool exists = individual > 0 && store.individual(individual) != nullptr;
  ShowText(given, exists ? FromAnsi(store::GivenNames(store, individual, true)) : QString());
  ShowText(surname, exists ? FromAnsi(store::Surname(store, individual)) : QString());
  given->setEnabled(exists);
  surname->setEnabled(exists);
}

}  // namespace

PersonPage::PersonPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {
  setObjectName(QStringLiteral("PersonPage"));
  BuildPage();
  // The page's own menu, on a right click where no box has a menu of its own.
  auto* relate = new QAction(QStringLiteral("Relationship to Home Person"), this);
  relate->setObjectName(QStringLiteral("actRelateHome"));
  connect(relate, &QAction::triggered, this, [this] {
    tree_.ShowRelationship(tree_.shown().individual, tree_.store().home_person());
  });
  addAction(relate);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  Refresh();
}

void PersonPage::Refresh() {
  ReentryGuard updating(updating_);
  RefreshParents();
  RefreshPerson();
  RefreshEvents();
  RefreshAge();
  RefreshLiving();
  RefreshIndicators();
  RefreshSpouse();
  RefreshChildren();
  RefreshNote();
  RefreshSource();
}

void PersonPage::RefreshParents() {
  const core::ShownState& shown = tree_.shown();
  const bool has_person = PersonFirst(tree_.store(), shown.individual) != nullptr;
  shown_father_ = shown.father;
  shown_mother_ = shown.mother;
  ShowName(tree_.store(), shown.father, father_given_, father_surname_);
  ShowName(tree_.store(), shown.mother, mother_given_, mother_surname_);
  add_father_->setText(shown.father != 0 ? QStringLiteral("Show Father")
                                         : QStringLiteral("Add Father"));
  add_father_->setToolTip(shown.father != 0 ? QStringLiteral(" Show the Father ")
                                            : QStringLiteral(" Add a New Father for This Person "));
  add_mother_->setText(shown.mother != 0 ? QStringLiteral("Show Mother")
                                         : QStringLiteral("Add Mother"));
  add_mother_->setToolTip(shown.mother != 0 ? QStringLiteral(" Show the Mother ")
                                            : QStringLiteral(" Add a New Mother for This Person "));
  add_father_->setEnabled(has_person);
  add_mother_->setEnabled(has_person);
  parent_type_->setCurrentIndex(shown.parent_family != 0 ? shown.parent_kind : 0);
  parent_type_->setEnabled(shown.parent_family != 0);
}

void PersonPage::RefreshPerson() {
  const int individual = tree_.shown().individual;
  store::LineNode* first = PersonFirst(tree_.store(), individual);
  ShowName(tree_.store(), individual, given_, surname_);
  sex_->setCurrentIndex(core::SexOf(tree_.store(), individual));
  ShowText(title_, FromAnsi(FirstValue(first, "1 TITL")));
  ShowText(alias_, FromAnsi(FirstValue(first, "1 ALIA")));
  for (QWidget* box :
       {static_cast<QWidget*>(sex_), static_cast<QWidget*>(title_), static_cast<QWidget*>(alias_),
        static_cast<QWidget*>(birth_date_), static_cast<QWidget*>(birth_place_)}) {
    box->setEnabled(first != nullptr);
  }
}

void PersonPage::RefreshEvents() {
  store::LineNode* first = PersonFirst(tree_.store(), tree_.shown().individual);
  const core::EventInfo birth =
      first == nullptr ? core::EventInfo{} : core::EventDetails(first, "1 BIRT");
  ShowText(birth_date_, FromAnsi(birth.date));
  ShowText(birth_place_, FromAnsi(birth.place));
  RefreshSlot(baptism_, christen_, static_cast<int>(core::SlotKind::kBaptism));
  death_.Show(first, "1 DEAT", "Death Included", "Death Date", "Death Place");
  RefreshSlot(burial_, cremation_, static_cast<int>(core::SlotKind::kBurial));
}

void PersonPage::RefreshSlot(EventRow& row, QCheckBox* second, int kind_number) {
  const auto kind = static_cast<core::SlotKind>(kind_number);
  const int individual = tree_.shown().individual;
  store::LineNode* first = PersonFirst(tree_.store(), individual);
  const int state = core::SlotState(first, kind);
  const int sex = core::SexOf(tree_.store(), individual);
  const core::SlotEvent event = core::SlotEventOf(first, kind, state, sex);
  row.Show(first, event.tag, event.caption, event.date_caption, event.place_caption);
  if (state == 0) row.box->setText(FromAnsi(core::IdleCaption(kind)));
  second->setChecked(false);
  second->setText(FromAnsi(core::IdleSecondCaption(kind, sex)));
  second->setVisible(state == 0);
  second->setEnabled(first != nullptr);
}

void PersonPage::RefreshAge() {
  const int individual = tree_.shown().individual;
  core::AgeResult age;
  if (PersonFirst(tree_.store(), individual) != nullptr) {
    const core::Vitals v = core::VitalsOf(tree_.store(), individual);
    age = core::AgeFromDates(v.birth.date, v.christening.date, v.baptism.date, v.death.date,
                             v.burial.date, v.cremation.date, tree_.ui().clock().Now());
  }
  age_->setText(age.shown ? FromAnsi(age.text) : QString());
  age_->setVisible(age.shown && !note_full_);
  age_label_->setVisible(age.shown && !note_full_);
}

void PersonPage::RefreshLiving() {
  const int individual = tree_.shown().individual;
  const bool exists = PersonFirst(tree_.store(), individual) != nullptr;
  living_->setChecked(exists &&
                      (tree_.store().individual(individual)->hideFlags & store::kHideLiving) != 0);
  living_->setEnabled(exists);
}

void PersonPage::CommitPendingEdit() {
  NoteLeft();
  for (QLineEdit* box : findChildren<QLineEdit*>()) CommitTypedText(box);
}

void PersonPage::RefreshIndicators() {
  const core::ShownState& shown = tree_.shown();
  int status = 4;
  if (PersonFirst(tree_.store(), shown.individual) != nullptr) {
    status = core::DirectLineStatus(tree_.store(), shown.individual, shown.father, shown.mother);
  }
  for (size_t i = 0; i < indicators_.size(); ++i) {
    indicators_[i]->setVisible(status == static_cast<int>(i) + 1);
  }
}

void PersonPage::RefreshSpouse() {
  const core::ShownState& shown = tree_.shown();
  shown_spouse_ = shown.spouse;
  ShowName(tree_.store(), shown.spouse, spouse_given_, spouse_surname_);
  spouse_given_->setPlaceholderText(shown.spouse != 0 ? QStringLiteral("Spouse - Given Names")
                                                      : QStringLiteral("Spouse Unknown"));
  show_spouse_->setEnabled(shown.spouse != 0);
  const int count = static_cast<int>(shown.families.size());
  marriage_count_->setText(
      count == 0 ? QStringLiteral("No Marriage")
                 : QStringLiteral("Marriage %1 of %2").arg(shown.spouse_index + 1).arg(count));
  previous_spouse_->setEnabled(shown.spouse_index > 0);
  next_spouse_->setEnabled(shown.spouse_index + 1 < count);
  add_spouse_->setEnabled(PersonFirst(tree_.store(), shown.individual) != nullptr);
  choose_spouse_->setEnabled(add_spouse_->isEnabled());
  store::LineNode* family = FamilyFirst(tree_.store(), shown.family);
  if (family == nullptr) {
    marriage_.Clear("Include Without Details");
  } else {
    marriage_.Show(family, "1 MARR", "Married", "Marriage Date", "Marriage Place");
  }
}

void PersonPage::RefreshChildren() {
  const core::ShownState& shown = tree_.shown();
  children_->clear();
  for (int child : shown.children) {
    auto* item = new QListWidgetItem(FromAnsi(core::PersonLabel(tree_.store(), child)));
    item->setData(Qt::UserRole, child);
    children_->addItem(item);
  }
  add_child_->setEnabled(PersonFirst(tree_.store(), shown.individual) != nullptr);
  choose_child_->setEnabled(add_child_->isEnabled());
}

bool PersonPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == note_ && event->type() == QEvent::FocusOut) NoteLeft();
  return QWidget::eventFilter(watched, event);
}

}  // namespace kinloom::ui
