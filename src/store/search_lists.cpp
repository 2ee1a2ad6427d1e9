#include "store/search_lists.h"

#include <cstdio>
#include <functional>
#include <vector>

#include "platform/progress.h"
#include "store/names.h"

namespace kinloom::store {
namespace {

// What the two builds differ in: which table, which key, which progress text.
struct ListKind {
  int (RecordStore::*highest)() const;
  int32_t* (*position)(const RecordStore&, int);  // the record's listPos, or null when empty
  SearchList& (RecordStore::*list)();
  const char* progress_format;
  std::function<std::string(int)> key;
};

int32_t* IndividualPosition(const RecordStore& store, int n) {
  IndividualRecord* record = store.individual(n);
  return record == nullptr || record->lines == nullptr ? nullptr : &record->listPos;
}

int32_t* FamilyPosition(const RecordStore& store, int n) {
  FamilyRecord* record = store.family(n);
  return record == nullptr || record->lines == nullptr ? nullptr : &record->listPos;
}

// Spouses' names for the family keys, taken from the individual search list (kept current by
// every edit), so that a whole build does not work out every spouse's name again.
class SpouseNames {
 public:
  explicit SpouseNames(const RecordStore& store)
      : people_(store.individual_search_list()),
        position_(static_cast<size_t>(store.highest_individual()) + 1, 0) {
    for (int p = 0; p < people_.size(); ++p) {
      const int n = people_.at(p).number;
      if (n > 0 && static_cast<size_t>(n) < position_.size()) {
        position_[static_cast<size_t>(n)] = static_cast<uint32_t>(p) + 1;
      }
    }
  }
  std::string operator()(const RecordStore& store, int individual) const {
    if (individual > 0 && static_cast<size_t>(individual) < position_.size() &&
        position_[static_cast<size_t>(individual)] != 0) {
      return std::string(people_.at(position_[static_cast<size_t>(individual)] - 1).view());
    }
    return IndexName(store, individual);
  }

 private:
  const SearchList& people_;
  std::vector<uint32_t> position_;  // list position + 1 of each individual; 0 for none
};

void TickText(platform::ProgressTicker& ticker, const ListKind& kind, int n) {
  ticker.SetPosition(n);
  if (!ticker.TextDue()) return;
  char text[96];
  std::snprintf(text, sizeof text, kind.progress_format, n);
  ticker.SetText(text);
}

// Restores the list from the saved positions; false when they are incomplete, claimed twice,
// out of range or out of order.
bool RestoreFromPositions(RecordStore& store, const ListKind& kind,
                          platform::ProgressTicker& ticker) {
  const int highest = (store.*kind.highest)();
  size_t count = 0;
  for (int n = 1; n <= highest; ++n) {
    int32_t* position = kind.position(store, n);
    if (position == nullptr) continue;
    if (*position < 0) return false;
    ++count;
  }
  SearchList& list = (store.*kind.list)();
  list.ResetSlots(count);
  for (int n = 1; n <= highest; ++n) {
    int32_t* position = kind.position(store, n);
    if (position == nullptr) continue;
    TickText(ticker, kind, n);
    if (!list.PlaceAt(static_cast<size_t>(*position), kind.key(n), n)) return false;
  }
  return list.SlotsCompleteAndSorted();
}

void AppendRecords(RecordStore& store, const ListKind& kind, int first,
                   platform::ProgressTicker& ticker) {
  SearchList& list = (store.*kind.list)();
  const int highest = (store.*kind.highest)();
  for (int n = first; n <= highest; ++n) {
    if (kind.position(store, n) == nullptr) continue;
    TickText(ticker, kind, n);
    list.Append(kind.key(n), n);
  }
}

void Build(RecordStore& store, const ListKind& kind, int first) {
  platform::ProgressTicker ticker(store.ui(), (store.*kind.highest)());
  SearchList& list = (store.*kind.list)();
  if (first >= 2) {
    size_t old_size = static_cast<size_t>(list.size());
    AppendRecords(store, kind, first, ticker);
    list.MergeTail(old_size);
    return;
  }
  if (RestoreFromPositions(store, kind, ticker)) return;
  list.Clear();
  AppendRecords(store, kind, 1, ticker);
  list.SortStable();
}

}  // namespace

std::string IndividualKey(const RecordStore& store, int individual) {
  return IndexName(store, individual);
}

std::string FamilyKey(const RecordStore& store, int family) {
  return ParentsLabel(store, family, &IndexName);
}

void BuildIndividualSearchList(RecordStore& store, int first) {
  const ListKind people{&RecordStore::highest_individual, &IndividualPosition,
                        &RecordStore::individual_search_list,
                        "Initializing Search List      Individual: %d",
                        [&store](int n) { return IndividualKey(store, n); }};
  Build(store, people, first);
}

void BuildFamilySearchList(RecordStore& store, int first) {
  const SpouseNames names(store);
  const NameOperation spouse_name = [&names](const RecordStore& tree, int n) {
    return names(tree, n);
  };
  const ListKind families{
      &RecordStore::highest_family, &FamilyPosition, &RecordStore::family_search_list,
      "Initializing Search List      Family: %d",
      [&store, &spouse_name](int n) { return ParentsLabel(store, n, spouse_name); }};
  Build(store, families, first);
}

}  // namespace kinloom::store
