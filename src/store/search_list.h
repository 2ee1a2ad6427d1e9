#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "store/line_node.h"

namespace kinloom::store {

// Orders two search keys: -1 when a sorts before b, 1 after, 0 equal. Bytes are folded (case
// and accents), blanks after the first character are ignored, and the comparison ends with 0 at
// the end of either key or after 999 characters.
int CompareKeys(std::string_view a, std::string_view b);

// A strict weak order that agrees with CompareKeys wherever CompareKeys is not 0, and puts a
// key that is a folded prefix of another first. Used where a sort needs a consistent order.
bool KeyLess(std::string_view a, std::string_view b);

struct SearchEntry {
  const char* key;
  int32_t number;
  uint32_t length;
  std::string_view view() const { return std::string_view(key, length); }
};

// A list of {key, record number} kept sorted by CompareKeys. Keys are owned copies.
class SearchList {
 public:
  SearchList() = default;
  SearchList(const SearchList&) = delete;
  SearchList& operator=(const SearchList&) = delete;

  int last() const { return static_cast<int>(entries_.size()) - 1; }
  int size() const { return static_cast<int>(entries_.size()); }
  const SearchEntry& at(int position) const { return entries_[static_cast<size_t>(position)]; }
  const std::vector<SearchEntry>& entries() const { return entries_; }

  void Clear();
  void Swap(SearchList& other) noexcept {
    entries_.swap(other.entries_);
    keys_.Swap(other.keys_);
  }
  // Inserts behind every entry whose key compares equal; returns the position.
  int Insert(std::string_view key, int32_t number);
  // Removes the entry of `number`; returns its position or -1.
  int Remove(int32_t number);
  int PositionOf(int32_t number) const;

  // Bulk building: entries are appended as given; Sort() then orders them stably.
  void Reserve(size_t n) { entries_.reserve(n); }
  void Append(std::string_view key, int32_t number);
  void SortStable();
  // Sorts the entries from `first_new` on and merges them in behind the older entries, each new
  // key going after the equal old ones.
  void MergeTail(size_t first_new);
  // Places entries at fixed positions (the restore from saved positions). Returns false when a
  // position is out of range or taken twice; Finish* checks the result is complete and sorted.
  void ResetSlots(size_t count);
  bool PlaceAt(size_t position, std::string_view key, int32_t number);
  bool SlotsCompleteAndSorted() const;

 private:
  SearchEntry MakeEntry(std::string_view key, int32_t number);

  std::vector<SearchEntry> entries_;
  LineArena keys_;
};

}  // namespace kinloom::store
