// Linking children to families, their parent types, and unlinking them.
#include <optional>
#include <string>

#include "core/family_ops.h"
#include "core/family_ops_support.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::core {

using family_ops::EditScope;
using family_ops::FamilyLines;
using family_ops::PersonLines;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

std::string AddChildText(store::RecordStore& store, int father, int mother, int child,
                         const BirthFamc* moved_from) {
  std::string text = "Add the child to this family?\n\r\n\rFather:  " + PersonLabel(store, father);
  text += "\n\rMother:  " + PersonLabel(store, mother);
  text += "\n\r\n\rChild:   " + PersonLabel(store, child);
  if (moved_from != nullptr) {
    text += "\n\r\n\rAlso remove the child from this family.\n\r";
    text += "\n\rFather:  " + PersonLabel(store, moved_from->husband);
    text += "\n\rMother:  " + PersonLabel(store, moved_from->wife);
  }
  return text;
}

// Points the child's birth "1 FAMC" line (its sub-lines stay) at the new family and takes the
// child out of the old one.
void MoveBirthLink(store::RecordStore& store, EditScope& scope, int child, const BirthFamc& birth,
                   int family) {
  store::ReplaceLineText(store, birth.line, "1 FAMC", store::MakeXref('F', family));
  store::StampChanged(store, PersonLines(store, child));
  family_ops::RemoveLinkLine(store, FamilyLines(store, birth.family), "1 CHIL", child);
  scope.TouchFamily(birth.family);
}

}  // namespace

int AddChildToFamily(store::RecordStore& store, int family, int child, int father, int mother) {
  EditScope scope(store);
  const std::optional<int> kind = store.ui().ChooseParentType(
      PersonLabel(store, father), PersonLabel(store, mother), PersonLabel(store, child), kBirth);
  if (!kind.has_value() || *kind < kBirth || *kind >= kParentKinds) return 0;
  if (PersonLines(store, child) == nullptr) return 0;
  const BirthFamc birth = FindBirthFamc(store, child, false);
  if (birth.line != nullptr && FamilyLines(store, birth.family) == nullptr) return 0;
  // Already linked to the chosen family, as birth child or otherwise: a second link would
  // list the child twice.
  if (family != 0 && store::FindXrefLine(PersonLines(store, child), "1 FAMC", family) != nullptr) {
    return 0;
  }
  if (family != 0 && FamilyLines(store, family) == nullptr) return 0;
  const bool move = *kind == kBirth && birth.line != nullptr;
  if (store.ui().Ask("Add Child To Family",
                     AddChildText(store, father, mother, child, move ? &birth : nullptr),
                     Icon::kQuestion, Buttons::kYesNo) != Answer::kYes) {
    return 0;
  }
  if (family == 0) family = NewFamily(store, 0, father, mother, true);
  if (family == 0) return 0;
  if (move) {
    MoveBirthLink(store, scope, child, birth, family);
  } else {
    family_ops::AddFamcLine(store, child, family, *kind);
  }
  family_ops::AddChilLine(store, family, child);
  scope.TouchPerson(child);
  scope.TouchFamily(family);
  return family;
}

int ChangeParentType(store::RecordStore& store, int individual, int family, int new_kind) {
  EditScope scope(store);
  LineNode* famc = FindFamcLine(store, individual, family);
  if (famc == nullptr) return new_kind;
  const int old_kind = PediKindOf(famc);
  if (new_kind == old_kind || new_kind < kBirth || new_kind >= kParentKinds) return old_kind;
  if (new_kind == kBirth) {
    const BirthFamc birth = FindBirthFamc(store, individual, false);
    if (birth.line != nullptr && birth.line != famc) {
      FindBirthFamc(store, individual, true);
      return old_kind;
    }
  }
  LineNode* first = PersonLines(store, individual);
  if (famc->next != nullptr && famc->next->text().starts_with("2 PEDI")) {
    store::RemoveLineAndSubs(store, first, famc);
  }
  if (new_kind != kBirth) {
    store::InsertLineAfter(store, famc, "2 PEDI " + std::string(ParentKindValue(new_kind)));
  }
  store::StampChanged(store, first);
  scope.TouchPerson(individual);
  return new_kind;
}

bool RemoveChildFromFamily(store::RecordStore& store, int family, int child) {
  LineNode* family_first = FamilyLines(store, family);
  LineNode* child_first = PersonLines(store, child);
  if (family_first == nullptr || child_first == nullptr) return false;
  if (!family_ops::HasLinkTo(family_first, "1 CHIL", child) &&
      store::FindXrefLine(child_first, "1 FAMC", family) == nullptr) {
    return false;
  }
  EditScope scope(store);
  const std::string text =
      "Remove the child from this family?\n\r\n\rFather:  " +
      PersonLabel(store, FamilyMember(store, family, "1 HUSB")) +
      "\n\rMother:  " + PersonLabel(store, FamilyMember(store, family, "1 WIFE")) +
      "\n\r\n\rRemove: " + PersonLabel(store, child);
  if (store.ui().Ask("Remove Child From Family", text, Icon::kQuestion, Buttons::kYesNo) !=
      Answer::kYes) {
    return false;
  }
  scope.TouchFamily(family);
  scope.TouchPerson(child);
  family_ops::RemoveLinkLine(store, family_first, "1 CHIL", child);
  family_ops::RemoveLinkLine(store, child_first, "1 FAMC", family);
  DeleteFamilyIfEmpty(store, family);
  return true;
}

}  // namespace kinloom::core
