// The person page's relatives: parents, spouses and children, and the boxes of the person.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "core/family_ops.h"
#include "core/family_ops_support.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/search_lists.h"
#include "ui/dialogs/search_box.h"
#include "ui/main/fam_tree.h"
#include "ui/person/person_page.h"
#include "ui/person/person_page_edit.h"

namespace kinloom::ui {

void PersonPage::ShowRelative(int individual) {
  if (individual > 0) tree_.ShowIndividual(individual);
}

void PersonPage::ChildChosen(QListWidgetItem* item) {
  if (item == nullptr || updating_ > 0) return;
  // The list is rebuilt when the child is shown, so the move waits until the click is over.
  const int child = item->data(Qt::UserRole).toInt();
  QTimer::singleShot(0, this, [this, child] { ShowRelative(child); });
}

void PersonPage::AddParentClick(char sex) {
  if (updating_ > 0) return;
  const core::ShownState shown = tree_.shown();
  const int existing = sex == 'M' ? shown.father : shown.mother;
  if (existing != 0) return ShowRelative(existing);
  int added = 0;
  {
    PageEdit edit(tree_, updating_);
    added = core::AddParent(edit.store(), shown.individual, shown.father, shown.mother, 0, sex);
    edit.Changed(added != 0);
  }
  if (added == 0) return;
  // The new parent's given names are typed next.
  QLineEdit* given = sex == 'M' ? father_given_ : mother_given_;
  if (sex == 'F') mother_surname_->clear();
  given->clear();
  given->setFocus();
}

void PersonPage::FamFamTypeChange(int kind) {
  if (updating_ > 0) return;
  const core::ShownState& shown = tree_.shown();
  if (shown.parent_family == 0) return;
  PageEdit edit(tree_, updating_);
  core::ChangeParentType(edit.store(), shown.individual, shown.parent_family, kind);
  edit.Changed();  // also puts a refused change back
}

void PersonPage::FamSexChange(int sex_index) {
  if (updating_ > 0) return;
  PageEdit edit(tree_, updating_);
  core::SetSex(edit.store(), tree_.shown().individual, sex_index);
  edit.Changed();
}

int PersonPage::ChooseRelative() {
  if (updating_ > 0) return 0;
  const int chosen = tree_.search_box().Run();
  const core::ShownState& shown = tree_.shown();
  if (chosen <= 0 || PersonFirst(tree_.store(), shown.individual) == nullptr) return 0;
  if (core::IsAlreadyFamilyMember(tree_.store(), chosen, shown.individual, shown.father,
                                  shown.mother)) {
    return 0;
  }
  return chosen;
}

void PersonPage::AddSpouseClick(int spouse) {
  if (updating_ > 0) return;
  const core::ShownState shown = tree_.shown();
  if (PersonFirst(tree_.store(), shown.individual) == nullptr) return;
  int family = 0;
  {
    PageEdit edit(tree_, updating_);
    family = core::AddSpouse(edit.store(), shown.individual, shown.family, spouse);
    edit.Changed(family != 0);
  }
  if (family == 0) return;
  const std::vector<int>& families = tree_.shown().families;
  for (size_t i = 0; i < families.size(); ++i) {
    if (families[i] == family) tree_.ShowSpouse(static_cast<int>(i));
  }
  if (spouse == 0) spouse_given_->setFocus();
}

void PersonPage::StepSpouse(int step) {
  if (updating_ > 0) return;
  const core::ShownState& shown = tree_.shown();
  const int index = shown.spouse_index + step;
  if (index < 0 || index >= static_cast<int>(shown.families.size())) return;
  tree_.ShowSpouse(index);
}

namespace {

// A new child takes the surname of its line.
void NameNewChild(PageEdit& edit, int child) {
  store::RecordStore& store = edit.store();
  const std::string name = "/" + core::InheritedSurname(store, child) + "/";
  if (name == "//") return;
  store::SetLineValue(store, PersonFirst(store, child), "1 NAME", 1, name);
  store.individual_search_list().Remove(child);
  store.individual_search_list().Insert(store::IndividualKey(store, child), child);
  edit.TouchPerson(child);
}

}  // namespace

void PersonPage::AddChildClick(int existing) {
  if (updating_ > 0) return;
  const core::ShownState shown = tree_.shown();
  store::RecordStore& store = tree_.store();
  if (PersonFirst(store, shown.individual) == nullptr) return;
  int father = 0;
  int mother = 0;
  if (shown.family != 0) {
    father = store::FamilyMember(store, shown.family, "1 HUSB");
    mother = store::FamilyMember(store, shown.family, "1 WIFE");
  } else if (core::SexOf(store, shown.individual) == 1) {
    father = shown.individual;
  } else {
    mother = shown.individual;
  }
  PageEdit edit(tree_, updating_);
  const int child = existing != 0 ? existing : core::NewIndividual(store, 'U');
  if (child == 0) return;
  edit.Changed();
  if (core::AddChildToFamily(store, shown.family, child, father, mother) == 0) {
    // A new child that was refused leaves no stray record.
    if (existing == 0) core::DeleteIndividualQuietly(store, child);
    return;
  }
  if (existing == 0) NameNewChild(edit, child);
}

void PersonPage::NameLeft(int individual, QLineEdit* given, QLineEdit* surname) {
  if (individual == 0) return;
  WriteName(tree_, updating_, individual, given->text(), surname->text());
}

std::string_view PersonPage::EventTagOf(std::string_view tag) const {
  if (tag != "bapm" && tag != "buri") return tag;
  const int individual = tree_.shown().individual;
  store::LineNode* first = PersonFirst(tree_.store(), individual);
  const core::SlotKind kind = tag == "bapm" ? core::SlotKind::kBaptism : core::SlotKind::kBurial;
  return core::SlotEventOf(first, kind, core::SlotState(first, kind),
                           core::SexOf(tree_.store(), individual))
      .tag;
}

void PersonPage::PersonDateLeft(std::string_view tag, const QString& text) {
  if (updating_ > 0) return;
  const int individual = tree_.shown().individual;
  EventDetailLeft(tree_, updating_, EventOwner{false, individual}, EventTagOf(tag), "2 DATE", text);
  CheckAgeForDeath(tree_, updating_, individual);
}

void PersonPage::PersonPlaceLeft(std::string_view tag, const QString& text) {
  EventDetailLeft(tree_, updating_, EventOwner{false, tree_.shown().individual}, EventTagOf(tag),
                  "2 PLAC", text);
}

}  // namespace kinloom::ui
