#include "core/family_ops_support.h"

#include <algorithm>

#include "core/chart_cache.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/search_lists.h"
#include "store/stamp.h"

namespace kinloom::core::family_ops {
namespace {

void AddOnce(std::vector<int>& numbers, int n) {
  if (n > 0 && std::find(numbers.begin(), numbers.end(), n) == numbers.end()) {
    numbers.push_back(n);
  }
}

// The last level-1 line with either tag, past its sub-lines; nullptr when there is none.
LineNode* EndOfLastGroup(LineNode* first, std::string_view tag1, std::string_view tag2) {
  LineNode* found = nullptr;
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    if (store::HasTag(line->text(), tag1) || store::HasTag(line->text(), tag2)) found = line;
  }
  return found == nullptr ? nullptr : store::LastOfSubLines(found);
}

// The line before the first level-1 line with the tag that points at `number`.
LineNode* BeforeLinkLine(LineNode* first, std::string_view tag, int number) {
  for (LineNode* line = first; line->next != nullptr; line = line->next) {
    std::string_view text = line->next->text();
    if (store::HasTag(text, tag) && store::XrefNumber(text) == number) return line;
  }
  return nullptr;
}

}  // namespace

EditScope::~EditScope() {
  for (int family : families_) {
    store_.family_search_list().Remove(family);
    if (FamilyLines(store_, family) == nullptr) continue;
    store_.family_search_list().Insert(store::FamilyKey(store_, family), family);
    RefreshMarriageText(store_, family);
    AddSpousesOf(family);
  }
  for (int person : people_) {
    if (PersonLines(store_, person) != nullptr) RefreshPersonTexts(store_, person);
  }
  // Block rows depend on the spouses' box rows, so they follow every box.
  for (int person : people_) {
    if (PersonLines(store_, person) != nullptr) RefreshBlockLines(store_, person);
  }
}

void EditScope::TouchFamily(int family) {
  AddOnce(families_, family);
  AddSpousesOf(family);
}

void EditScope::TouchPerson(int individual) {
  AddOnce(people_, individual);
}

void EditScope::AddSpousesOf(int family) {
  LineNode* first = FamilyLines(store_, family);
  if (first == nullptr) return;
  for (int n : LinkedNumbers(first, "1 HUSB")) AddOnce(people_, n);
  for (int n : LinkedNumbers(first, "1 WIFE")) AddOnce(people_, n);
}

LineNode* PersonLines(const RecordStore& store, int individual) {
  store::IndividualRecord* record = store.individual(individual);
  return record == nullptr ? nullptr : record->lines;
}

LineNode* FamilyLines(const RecordStore& store, int family) {
  store::FamilyRecord* record = store.family(family);
  return record == nullptr ? nullptr : record->lines;
}

std::string LinkLine(std::string_view tag, char letter, int number) {
  return std::string(tag) + " " + store::MakeXref(letter, number);
}

std::vector<int> LinkedNumbers(LineNode* first, std::string_view tag) {
  std::vector<int> numbers;
  if (first == nullptr) return numbers;
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    if (store::HasTag(line->text(), tag)) numbers.push_back(store::XrefNumber(line->text()));
  }
  return numbers;
}

bool HasLinkTo(LineNode* first, std::string_view tag, int number) {
  return first != nullptr && BeforeLinkLine(first, tag, number) != nullptr;
}

LineNode* BeforeChan(LineNode* first) {
  LineNode* line = first;
  while (line->next != nullptr && !store::HasTag(line->next->text(), "1 CHAN")) line = line->next;
  return line;
}

void AddFamsLine(RecordStore& store, int individual, int family) {
  LineNode* first = PersonLines(store, individual);
  if (first == nullptr) return;
  LineNode* after = EndOfLastGroup(first, "1 FAMC", "1 FAMS");
  if (after == nullptr) after = BeforeChan(first);
  store::InsertLineAfter(store, after, LinkLine("1 FAMS", 'F', family));
  store::StampChanged(store, first);
}

void AddChilLine(RecordStore& store, int family, int child) {
  LineNode* first = FamilyLines(store, family);
  if (first == nullptr) return;
  LineNode* after = EndOfLastGroup(first, "1 CHIL", "1 CHIL");
  if (after == nullptr) after = BeforeChan(first);
  store::InsertLineAfter(store, after, LinkLine("1 CHIL", 'I', child));
  store::StampChanged(store, first);
}

void AddFamcLine(RecordStore& store, int child, int family, int kind) {
  LineNode* first = PersonLines(store, child);
  if (first == nullptr) return;
  LineNode* famc = store::InsertLineAfter(store, store::FindInsertPoint(first, "1 FAMC"),
                                          LinkLine("1 FAMC", 'F', family));
  if (kind != kBirth) {
    store::InsertLineAfter(store, famc, "2 PEDI " + std::string(ParentKindValue(kind)));
  }
  store::StampChanged(store, first);
}

void AddSpouseLine(RecordStore& store, int family, std::string_view tag, int individual) {
  LineNode* first = FamilyLines(store, family);
  if (first == nullptr) return;
  LineNode* after = first;
  if (tag == "1 WIFE" && first->next != nullptr && store::HasTag(first->next->text(), "1 HUSB")) {
    after = store::LastOfSubLines(first->next);
  }
  store::InsertLineAfter(store, after, LinkLine(tag, 'I', individual));
  store::StampChanged(store, first);
}

void AddBareMarriage(RecordStore& store, int family) {
  LineNode* first = FamilyLines(store, family);
  if (first == nullptr || store::FindTagLine(first, "1 MARR") != nullptr) return;
  LineNode* after = first;
  while (after->next != nullptr && (store::HasTag(after->next->text(), "1 HUSB") ||
                                    store::HasTag(after->next->text(), "1 WIFE"))) {
    after = store::LastOfSubLines(after->next);
  }
  store::InsertLineAfter(store, after, "1 MARR");
  store::StampChanged(store, first);
}

bool RemoveLinkLine(RecordStore& store, LineNode* first, std::string_view tag, int number) {
  if (first == nullptr) return false;
  LineNode* before = BeforeLinkLine(first, tag, number);
  if (before == nullptr) return false;
  store::RemoveLineAndSubs(store, first, before);
  return true;
}

int RemoveAllLinkLines(RecordStore& store, LineNode* first, std::string_view tag, int number) {
  int removed = 0;
  while (RemoveLinkLine(store, first, tag, number)) ++removed;
  return removed;
}

void RemoveFirstOfEach(RecordStore& store, LineNode* first,
                       std::initializer_list<std::string_view> tags) {
  if (first == nullptr) return;
  for (std::string_view tag : tags) store::RemoveTagLine(store, first, tag, 1);
}

int SpouseCount(const RecordStore& store, int family) {
  LineNode* first = FamilyLines(store, family);
  if (first == nullptr) return 0;
  return (store::FindTagLine(first, "1 HUSB") != nullptr ? 1 : 0) +
         (store::FindTagLine(first, "1 WIFE") != nullptr ? 1 : 0);
}

std::string_view RoleIn(const RecordStore& store, int family, int individual) {
  if (FamilyLines(store, family) == nullptr || individual <= 0) return {};
  if (FamilyMember(store, family, "1 HUSB") == individual) return "1 HUSB";
  if (FamilyMember(store, family, "1 WIFE") == individual) return "1 WIFE";
  return {};
}

bool AnyFamilyLeft(const RecordStore& store) {
  for (int n = 1; n <= store.highest_family(); ++n) {
    if (FamilyLines(store, n) != nullptr) return true;
  }
  return false;
}

void FileIndividual(RecordStore& store, int individual) {
  store.individual_search_list().Remove(individual);
  if (PersonLines(store, individual) == nullptr) return;
  store.individual_search_list().Insert(store::IndividualKey(store, individual), individual);
}

}  // namespace kinloom::core::family_ops
