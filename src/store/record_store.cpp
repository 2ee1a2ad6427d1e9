#include "store/record_store.h"

#include <cstdio>
#include <utility>

#include "platform/progress.h"
#include "store/line_search.h"
#include "store/search_lists.h"
#include "store/stamp.h"

namespace kinloom::store {
namespace {

template <typename T>
T* SlotOrNull(const std::vector<std::unique_ptr<T>>& table, int n) {
  if (n < 0 || static_cast<size_t>(n) >= table.size()) return nullptr;
  return table[static_cast<size_t>(n)].get();
}

template <typename T>
T* MakeSlot(std::vector<std::unique_ptr<T>>& table, int n) {
  size_t index = static_cast<size_t>(n);
  if (index >= table.size()) table.resize(index + 1);
  table[index] = std::make_unique<T>();
  return table[index].get();
}

std::string Xref0(char letter, int number, const char* tag) {
  return "0 " + MakeXref(letter, number) + " " + tag;
}

}  // namespace

RecordStore::RecordStore(platform::Interaction& ui) : ui_(ui) {
  ClearHistory();
}

IndividualRecord* RecordStore::individual(int n) const {
  return SlotOrNull(individuals_, n);
}

FamilyRecord* RecordStore::family(int n) const {
  return SlotOrNull(families_, n);
}

LineNode* RecordStore::source(int n) const {
  if (n < 0 || static_cast<size_t>(n) >= sources_.size()) return nullptr;
  return sources_[static_cast<size_t>(n)];
}

IndividualRecord* RecordStore::CreateIndividual(int n) {
  return MakeSlot(individuals_, n);
}

FamilyRecord* RecordStore::CreateFamily(int n) {
  return MakeSlot(families_, n);
}

void RecordStore::SetSource(int n, LineNode* first) {
  size_t index = static_cast<size_t>(n);
  if (index >= sources_.size()) sources_.resize(index + 1, nullptr);
  sources_[index] = first;
}

void RecordStore::DeleteIndividual(int n) {
  IndividualRecord* record = individual(n);
  if (record == nullptr) return;
  arena_.FreeList(record->lines);
  individuals_[static_cast<size_t>(n)].reset();
}

void RecordStore::DeleteFamily(int n) {
  FamilyRecord* record = family(n);
  if (record == nullptr) return;
  arena_.FreeList(record->lines);
  families_[static_cast<size_t>(n)].reset();
}

void RecordStore::DeleteSource(int n) {
  LineNode* first = source(n);
  if (first == nullptr) return;
  arena_.FreeList(first);
  sources_[static_cast<size_t>(n)] = nullptr;
}

LineNode* RecordStore::AppendLine(LineNode** last, std::string_view text) {
  LineNode* line = arena_.NewNode(text, nullptr);
  if (*last != nullptr) (*last)->next = line;
  *last = line;
  return line;
}

LineNode* RecordStore::LastLine(LineNode* first) const {
  if (first == nullptr) return nullptr;
  while (first->next != nullptr) first = first->next;
  return first;
}

uint16_t RecordStore::NewWalkNumber() {
  if (++walk_number_ == 0) {
    for (auto& record : individuals_) {
      if (record) record->walkStamp = 0;
    }
    for (auto& record : families_) {
      if (record) record->walkStamp = 0;
    }
    walk_number_ = 1;
  }
  return walk_number_;
}

void RecordStore::ClearHistory() {
  history_.fill(0);
  history_index_ = 0;
}

void RecordStore::FreeTree() {
  const int total = highest_individual_ + highest_family_ + highest_source_;
  platform::ProgressTicker ticker(ui_, total);
  ui_.ProgressShow("Free Memory for Individual Records", "");
  for (size_t n = 0; n < individuals_.size(); ++n) ticker.SetPosition(static_cast<int>(n));
  individuals_.clear();
  individuals_.shrink_to_fit();
  ui_.ProgressShow("Free Memory for Family Records", "");
  families_.clear();
  families_.shrink_to_fit();
  ui_.ProgressShow("Free Memory for Source Records", "");
  sources_.clear();
  sources_.shrink_to_fit();
  ticker.SetPosition(total);
  other_records_ = other_records_tail_ = nullptr;
  note_records_.clear();
  individual_search_list_.Clear();
  family_search_list_.Clear();
  arena_.Clear();
  highest_individual_ = highest_family_ = highest_source_ = 0;
  ui_.ProgressHide();
}

void RecordStore::SwapTree(RecordStore& other) noexcept {
  arena_.Swap(other.arena_);
  individuals_.swap(other.individuals_);
  families_.swap(other.families_);
  sources_.swap(other.sources_);
  std::swap(highest_individual_, other.highest_individual_);
  std::swap(highest_family_, other.highest_family_);
  std::swap(highest_source_, other.highest_source_);
  std::swap(other_records_, other.other_records_);
  std::swap(other_records_tail_, other.other_records_tail_);
  note_records_.swap(other.note_records_);
  individual_search_list_.Swap(other.individual_search_list_);
  family_search_list_.Swap(other.family_search_list_);
  std::swap(current_individual_, other.current_individual_);
  std::swap(home_person_, other.home_person_);
  std::swap(tree_modified_, other.tree_modified_);
  history_.swap(other.history_);
  std::swap(history_index_, other.history_index_);
  std::swap(walk_number_, other.walk_number_);
  std::swap(stamp_lines_, other.stamp_lines_);
}

void RecordStore::NewEmptyTree(bool with_starter) {
  FreeTree();
  LineNode* last = nullptr;
  IndividualRecord* nobody = CreateIndividual(0);
  nobody->lines = AppendLine(&last, "0 @I000000@ INDI");
  for (const char* text :
       {"1 NAME Unidentified /Individual/", "1 SEX U", "1 CHAN", "2 DATE 31 Dec 2002"}) {
    AppendLine(&last, text);
  }
  nobody->labelText.Set("Unknown Individual (0) G0");

  last = nullptr;
  FamilyRecord* no_family = CreateFamily(0);
  no_family->lines = AppendLine(&last, "0 @F000000@ FAM");
  for (const char* text :
       {"1 HUSB @I000000@", "1 WIFE @I000000@", "1 CHAN", "2 DATE 31 Dec 2002"}) {
    AppendLine(&last, text);
  }

  other_records_ = other_records_tail_ = arena_.NewNode("Empty Record", nullptr);
  highest_individual_ = highest_family_ = highest_source_ = 0;
  if (!with_starter) return;

  highest_individual_ = 1;
  current_individual_ = home_person_ = 1;
  last = nullptr;
  IndividualRecord* first = CreateIndividual(1);
  first->lines = AppendLine(&last, "0 @I000001@ INDI");
  for (const char* text :
       {"1 NAME First Name /Last Name/", "1 SEX M", "1 CHAN", "2 DATE 31 Dec 2002"}) {
    AppendLine(&last, text);
  }
  AddPlaceholderFamily();
  BuildIndividualSearchList(*this, 1);
  BuildFamilySearchList(*this, 1);
  ClearHistory();
}

void RecordStore::AddPlaceholderFamily() {
  DeleteFamily(1);
  LineNode* last = nullptr;
  FamilyRecord* marker = CreateFamily(1);
  marker->lines = AppendLine(&last, "0 @F000001@ FAM");
  for (const char* text : {"1 SEX Z", "1 CHAN", "2 DATE 31 Dec 2002"}) AppendLine(&last, text);
  if (highest_family_ < 1) highest_family_ = 1;
}

bool RecordStore::IsMarkerFamily(int n) const {
  FamilyRecord* record = family(n);
  return record != nullptr && record->lines != nullptr && record->lines->next != nullptr &&
         record->lines->next->text() == "1 SEX Z";
}

int RecordStore::NewIndividual(char sex) {
  int n = 1;
  while (n <= kMaxIndividual && individual(n) != nullptr) ++n;
  if (n > kMaxIndividual) {
    ui_.Message("Error", "No Unused Individual Record Available", platform::Icon::kExclamation);
    return 0;
  }
  if (n > highest_individual_) highest_individual_ = n;
  tree_modified_ = true;
  LineNode* last = nullptr;
  IndividualRecord* record = CreateIndividual(n);
  record->lines = AppendLine(&last, Xref0('I', n, "INDI"));
  AppendLine(&last, "1 NAME //");
  AppendLine(&last, std::string("1 SEX ") + sex);
  StampChanged(*this, record->lines);
  return n;
}

int RecordStore::NewFamily(int number) {
  if (IsMarkerFamily(1)) {
    family_search_list_.Remove(1);
    DeleteFamily(1);
  }
  tree_modified_ = true;
  int n = number;
  if (n == 0) {
    n = 1;
    while (n <= kMaxFamily && family(n) != nullptr) ++n;
    if (n > kMaxFamily) {
      ui_.Message("Error", "No Unused Family Record Available", platform::Icon::kExclamation);
      return 0;
    }
    if (n > highest_family_) highest_family_ = n;
    LineNode* last = nullptr;
    FamilyRecord* record = CreateFamily(n);
    record->lines = AppendLine(&last, Xref0('F', n, "FAM"));
  }
  FamilyRecord* record = family(n);
  if (record == nullptr || record->lines == nullptr) return 0;
  StampChanged(*this, record->lines);
  return n;
}

}  // namespace kinloom::store
