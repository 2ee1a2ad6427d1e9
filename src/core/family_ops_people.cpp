// Making people and families, and linking parents and spouses.
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

int NewIndividual(store::RecordStore& store, char sex) {
  EditScope scope(store);
  const int n = store.NewIndividual(sex);
  if (n == 0) return 0;
  family_ops::FileIndividual(store, n);
  scope.TouchPerson(n);
  return n;
}

namespace {

// Links a spouse into the family unless the family already has one in that role.
void LinkSpouse(store::RecordStore& store, int family, std::string_view tag, int spouse) {
  if (spouse == 0 || PersonLines(store, spouse) == nullptr) return;
  if (store::FindTagLine(FamilyLines(store, family), tag) != nullptr) return;
  family_ops::AddFamsLine(store, spouse, family);
  family_ops::AddSpouseLine(store, family, tag, spouse);
}

}  // namespace

int NewFamily(store::RecordStore& store, int family, int husband, int wife, bool add_marriage) {
  EditScope scope(store);
  const int n = store.NewFamily(family);
  if (n == 0) return 0;
  scope.TouchFamily(n);
  LinkSpouse(store, n, "1 HUSB", husband);
  LinkSpouse(store, n, "1 WIFE", wife);
  if (husband != 0 && wife != 0 && add_marriage) family_ops::AddBareMarriage(store, n);
  return n;
}

namespace {

// The new parent's family: the shown person's parent family, unless that family already has a
// parent in the new one's role (a step or adoptive family); then a family of their own, which
// becomes the birth family.
int ParentFamilyFor(store::RecordStore& store, int shown, std::string_view role) {
  const ParentFamily parents = FindParentFamily(store, shown);
  if (parents.family == 0 || FamilyLines(store, parents.family) == nullptr) return 0;
  if (FamilyMember(store, parents.family, role) == 0) return parents.family;
  return FindBirthFamc(store, shown, false).line == nullptr ? 0 : -1;
}

void NameUnknownFather(store::RecordStore& store, int father, const std::string& surname) {
  LineNode* first = PersonLines(store, father);
  LineNode* name = store::FindTagLine(first, "1 NAME");
  if (name == nullptr) return;
  store::ReplaceLineText(store, name, "1 NAME", "Unknown /" + surname + "/");
  store::StampChanged(store, first);
  family_ops::FileIndividual(store, father);
}

}  // namespace

int AddParent(store::RecordStore& store, int shown, int father, int mother, int existing,
              char sex) {
  if (existing != 0) return existing;
  if (PersonLines(store, shown) == nullptr) return 0;
  EditScope scope(store);
  const std::string_view role = sex == 'M' ? "1 HUSB" : "1 WIFE";
  const int parent_family = ParentFamilyFor(store, shown, role);
  // The birth family already has this parent: show that one rather than add a rival.
  if (parent_family < 0) {
    return FamilyMember(store, FindBirthFamc(store, shown, false).family, role);
  }
  const int parent = NewIndividual(store, sex == 'M' ? 'M' : 'F');
  if (parent == 0) return 0;
  if (sex == 'M') NameUnknownFather(store, parent, InheritedSurname(store, shown));
  const int husband = sex == 'M' ? parent : father;
  const int wife = sex == 'M' ? mother : parent;
  const int family = NewFamily(store, parent_family, husband, wife, true);
  if (family == 0) return parent;
  if (parent_family == 0) {
    family_ops::AddFamcLine(store, shown, family, kBirth);
    family_ops::AddChilLine(store, family, shown);
    scope.TouchPerson(shown);
  }
  scope.TouchFamily(family);
  return parent;
}

namespace {

// Who is husband and who wife when `a` marries `b`: a family that already holds one of them
// decides by that one's place in it, else `a_is_male`.
struct Couple {
  int husband = 0;
  int wife = 0;
};

Couple CoupleFor(const store::RecordStore& store, int family, int a, bool a_is_male, int b) {
  std::string_view role_a = family_ops::RoleIn(store, family, a);
  std::string_view role_b = family_ops::RoleIn(store, family, b);
  bool a_husband = a_is_male;
  if (role_a == "1 HUSB" || role_b == "1 WIFE") a_husband = true;
  if (role_a == "1 WIFE" || role_b == "1 HUSB") a_husband = false;
  return a_husband ? Couple{a, b} : Couple{b, a};
}

constexpr std::string_view kMakeParentText =
    "Is this new spouse the parent\nof the children shown here?\n\n"
    "[YES] Add spouse to this family\n[ NO] Start a new family";

// The family the new spouse joins: the shown one when it lacks a spouse, has children and the
// user says so; 0 for a new family; -1 when the user cancels.
int FamilyForNewSpouse(store::RecordStore& store, int shown, int shown_family) {
  LineNode* first = FamilyLines(store, shown_family);
  if (first == nullptr || OtherSpouse(store, shown_family, shown) != 0) return 0;
  if (store::FindTagLine(first, "1 CHIL") == nullptr) return 0;
  switch (store.ui().Ask("Make New Spouse Parent?", kMakeParentText, Icon::kQuestion,
                         Buttons::kYesNoCancel)) {
    case Answer::kYes:
      return shown_family;
    case Answer::kNo:
      return 0;
    default:
      return -1;
  }
}

}  // namespace

int AddSpouse(store::RecordStore& store, int shown, int shown_family, int spouse) {
  if (PersonLines(store, shown) == nullptr || spouse == shown) return 0;
  if (spouse != 0 && PersonLines(store, spouse) == nullptr) return 0;
  EditScope scope(store);
  const int shown_sex = SexOf(store, shown);
  if (spouse != 0 && SexOf(store, spouse) == shown_sex &&
      store.ui().Ask("Marry Same Sex Individuals?",
                     "These two individuals are the same sex.\nDo you want to proceed with "
                     "marriage?",
                     Icon::kQuestion, Buttons::kYesNo) != Answer::kYes) {
    return 0;
  }
  const int family = FamilyForNewSpouse(store, shown, shown_family);
  if (family < 0) return 0;
  if (spouse == 0) spouse = NewIndividual(store, shown_sex == 1 ? 'F' : 'M');
  if (spouse == 0) return 0;
  const Couple couple = CoupleFor(store, family, shown, shown_sex == 1, spouse);
  return NewFamily(store, family, couple.husband, couple.wife, true);
}

namespace {

std::string MarryText(const store::RecordStore& store, const Couple& couple, int b, int family) {
  std::string text = "This will marry these two individuals.\n\r";
  text += "\n\rHusband: " + PersonLabel(store, couple.husband);
  text += "\n\rWife:        " + PersonLabel(store, couple.wife);
  if (family != 0) {
    text += "\n\r\n\rAlso, in the \"Spouse\" box change \"Spouse Unknown\" to\n\r";
    text += PersonLabel(store, b);
    text += "\n\rand make this person parent of the children in the \"Children\" box.\n\r";
  }
  return text + "\n\r\n\rUse the Family page to add marriage details.";
}

}  // namespace

int MarryIndividuals(store::RecordStore& store, int a, int sex_a, int b, int family) {
  if (PersonLines(store, a) == nullptr || PersonLines(store, b) == nullptr || a == b) return 0;
  EditScope scope(store);
  const Couple couple = CoupleFor(store, family, a, sex_a == 1, b);
  if (store.ui().Ask("Marry Individuals", MarryText(store, couple, b, family), Icon::kQuestion,
                     Buttons::kYesNo) != Answer::kYes) {
    return 0;
  }
  return NewFamily(store, family, couple.husband, couple.wife, true);
}

bool IsAlreadyFamilyMember(store::RecordStore& store, int candidate, int shown, int father,
                           int mother) {
  if (candidate <= 0) return false;
  bool member = candidate == shown || candidate == father || candidate == mother;
  for (int family : family_ops::LinkedNumbers(PersonLines(store, shown), "1 FAMS")) {
    LineNode* first = FamilyLines(store, family);
    for (std::string_view tag : {"1 HUSB", "1 WIFE", "1 CHIL"}) {
      member = member || family_ops::HasLinkTo(first, tag, candidate);
    }
  }
  if (member) {
    store.ui().Message(" *** Unable to Add Person ***",
                       "Cannot add:  " + PersonLabel(store, candidate) +
                           "\nbecause this person is already a family member.",
                       Icon::kExclamation);
  }
  return member;
}

}  // namespace kinloom::core
