// Separating spouses and deleting people and families with every link to them.
#include <optional>
#include <string>

#include "core/family_ops.h"
#include "core/family_ops_support.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/search_lists.h"

namespace kinloom::core {

using family_ops::EditScope;
using family_ops::FamilyLines;
using family_ops::PersonLines;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// Takes `removed` out of the family as a spouse: the family's first marriage and divorce
// events go, then the spouse's line, then the spouse's "1 FAMS".
void RemoveSpouse(store::RecordStore& store, int family, int removed) {
  LineNode* first = FamilyLines(store, family);
  family_ops::RemoveFirstOfEach(store, first,
                                {"1 MARR", "1 MARC", "1 MARL", "1 DIV", "1 DIVF", "1 ANUL"});
  if (!family_ops::RemoveLinkLine(store, first, "1 HUSB", removed)) {
    family_ops::RemoveLinkLine(store, first, "1 WIFE", removed);
  }
  family_ops::RemoveLinkLine(store, PersonLines(store, removed), "1 FAMS", family);
}

bool UnmarryWithoutChildren(store::RecordStore& store, int family, int spouse) {
  if (spouse != 0) {
    const std::string text =
        "Unmarry and separate these two individuals\n\r\n\rHusband: " +
        PersonLabel(store, FamilyMember(store, family, "1 HUSB")) +
        "\n\rWife:      " + PersonLabel(store, FamilyMember(store, family, "1 WIFE"));
    if (store.ui().Ask("Remove Spouse From Family", text, Icon::kQuestion, Buttons::kYesNo) !=
        Answer::kYes) {
      return false;
    }
  }
  DeleteFamily(store, family);
  return true;
}

}  // namespace

bool Unmarry(store::RecordStore& store, int family, int person, int spouse) {
  LineNode* first = FamilyLines(store, family);
  if (first == nullptr) return false;
  EditScope scope(store);
  if (store::FindTagLine(first, "1 CHIL") == nullptr) {
    return UnmarryWithoutChildren(store, family, spouse);
  }
  const std::optional<int> keeper =
      store.ui().ChooseRemainingParent(PersonLabel(store, person), PersonLabel(store, spouse));
  if (!keeper.has_value()) return false;
  const int removed = *keeper == 0 ? spouse : person;
  if (!family_ops::HasLinkTo(first, "1 HUSB", removed) &&
      !family_ops::HasLinkTo(first, "1 WIFE", removed)) {
    return false;
  }
  scope.TouchFamily(family);
  RemoveSpouse(store, family, removed);
  // Children left without any parent have no family to stay in.
  DeleteFamilyIfEmpty(store, family);
  return true;
}

namespace {

// The record is about to go: every line in its families that points at it goes first.
void UnlinkFromParentFamilies(store::RecordStore& store, EditScope& scope, int individual) {
  for (int family : family_ops::LinkedNumbers(PersonLines(store, individual), "1 FAMC")) {
    LineNode* first = FamilyLines(store, family);
    if (first == nullptr) continue;
    scope.TouchFamily(family);
    family_ops::RemoveAllLinkLines(store, first, "1 CHIL", individual);
    DeleteFamilyIfEmpty(store, family);
  }
}

void UnlinkFromOwnFamilies(store::RecordStore& store, EditScope& scope, int individual) {
  for (int family : family_ops::LinkedNumbers(PersonLines(store, individual), "1 FAMS")) {
    LineNode* first = FamilyLines(store, family);
    if (first == nullptr) continue;
    scope.TouchFamily(family);
    int removed = family_ops::RemoveAllLinkLines(store, first, "1 HUSB", individual);
    removed += family_ops::RemoveAllLinkLines(store, first, "1 WIFE", individual);
    if (removed == 0) continue;
    family_ops::RemoveFirstOfEach(
        store, first,
        {"1 MARR", "1 ENGA", "1 MARL", "1 MARC", "1 ANUL", "1 DIV", "1 DIVF", "1 SLGS"});
    DeleteFamilyIfEmpty(store, family);
  }
}

int LowerHighestIndividual(store::RecordStore& store) {
  int highest = store.highest_individual();
  while (highest > 0 && PersonLines(store, highest) == nullptr) --highest;
  store.set_highest_individual(highest);
  return highest;
}

// The nearest record after `gone`, else the nearest before it.
int NeighbourOf(const store::RecordStore& store, int gone) {
  for (int n = gone + 1; n <= store.highest_individual(); ++n) {
    if (PersonLines(store, n) != nullptr) return n;
  }
  for (int n = gone - 1; n > 0; --n) {
    if (PersonLines(store, n) != nullptr) return n;
  }
  return 0;
}

}  // namespace

bool DeleteIndividual(store::RecordStore& store, int individual) {
  if (store.highest_individual() < 2 || individual <= 0) return false;
  if (PersonLines(store, individual) == nullptr) return false;
  store::BusyScope busy(store);
  const std::string text =
      "This will delete the record for this individual\n\rand all notes and references to this "
      "individual.\n\r\n\rDelete: " +
      PersonLabel(store, individual);
  if (store.ui().Ask("Delete Individual", text, Icon::kQuestion, Buttons::kYesNo) != Answer::kYes) {
    return false;
  }
  DeleteIndividualQuietly(store, individual);
  return true;
}

void DeleteIndividualQuietly(store::RecordStore& store, int individual) {
  if (individual <= 0 || PersonLines(store, individual) == nullptr) return;
  EditScope scope(store);
  UnlinkFromParentFamilies(store, scope, individual);
  UnlinkFromOwnFamilies(store, scope, individual);
  store.individual_search_list().Remove(individual);
  store.DeleteIndividual(individual);
  store.set_tree_modified(true);
  LowerHighestIndividual(store);
  if (store.current_individual() == individual) {
    store.set_current_individual(NeighbourOf(store, individual));
  }
}

namespace {

// Each member loses its line pointing at the family, once per line of the family naming it.
void UnlinkMembers(store::RecordStore& store, EditScope& scope, int family) {
  LineNode* first = FamilyLines(store, family);
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    std::string_view text = line->text();
    const bool child = store::HasTag(text, "1 CHIL");
    if (!child && !store::HasTag(text, "1 HUSB") && !store::HasTag(text, "1 WIFE")) continue;
    const int member = store::XrefNumber(text);
    scope.TouchPerson(member);
    family_ops::RemoveLinkLine(store, PersonLines(store, member), child ? "1 FAMC" : "1 FAMS",
                               family);
  }
}

}  // namespace

void DeleteFamily(store::RecordStore& store, int family) {
  if (family <= 0 || FamilyLines(store, family) == nullptr) return;
  EditScope scope(store);
  scope.TouchFamily(family);
  UnlinkMembers(store, scope, family);
  store.family_search_list().Remove(family);
  store.DeleteFamily(family);
  store.set_tree_modified(true);
  if (!family_ops::AnyFamilyLeft(store)) {
    store.AddPlaceholderFamily();
    store::BuildFamilySearchList(store, 1);
  }
}

bool DeleteFamilyIfEmpty(store::RecordStore& store, int family) {
  LineNode* first = FamilyLines(store, family);
  if (first == nullptr || store.IsMarkerFamily(family)) return false;
  const int spouses = family_ops::SpouseCount(store, family);
  if (spouses >= 2 || (spouses == 1 && store::FindTagLine(first, "1 CHIL") != nullptr)) {
    return false;
  }
  DeleteFamily(store, family);
  return true;
}

namespace {

// Whether a family carries anything of its own beyond its member links and change stamp: a
// marriage, a divorce, a note, a source.
bool HasDetails(LineNode* first) {
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    std::string_view text = line->text();
    if (text[0] != '1') continue;
    if (!store::HasTag(text, "1 HUSB") && !store::HasTag(text, "1 WIFE") &&
        !store::HasTag(text, "1 CHIL") && !store::HasTag(text, "1 CHAN")) {
      return true;
    }
  }
  return false;
}

}  // namespace

void DropFamiliesWithTooFewMembers(store::RecordStore& store) {
  store::BusyScope busy(store);
  for (int family = 1; family <= store.highest_family(); ++family) {
    // A family that records a marriage with one partner unknown keeps what it records.
    LineNode* first = FamilyLines(store, family);
    if (first != nullptr && !HasDetails(first)) DeleteFamilyIfEmpty(store, family);
  }
}

}  // namespace kinloom::core
