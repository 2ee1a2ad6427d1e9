#include "store/search_list.h"

#include <algorithm>

#include "store/folding.h"

namespace kinloom::store {
namespace {

constexpr size_t kCompareLimit = 999;

// Walks a key as CompareKeys sees it: folded bytes, blanks skipped after the first character.
class FoldedCursor {
 public:
  explicit FoldedCursor(std::string_view key) : key_(key) {}
  bool AtEnd() {
    if (index_ > 0) {
      while (index_ < key_.size() && key_[index_] == ' ') ++index_;
    }
    return index_ >= key_.size();
  }
  uint8_t Take() { return Fold(key_[index_++]); }

 private:
  std::string_view key_;
  size_t index_ = 0;
};

// -1/0/1 as CompareKeys; *prefix_order tells, when the result is 0 because one key ended,
// which ended first (-1 a, 1 b, 0 both or the limit).
int CompareFolded(std::string_view a, std::string_view b, int* prefix_order) {
  FoldedCursor ca(a), cb(b);
  for (size_t n = 0; n < kCompareLimit; ++n) {
    bool end_a = ca.AtEnd(), end_b = cb.AtEnd();
    if (end_a || end_b) {
      *prefix_order = end_a == end_b ? 0 : (end_a ? -1 : 1);
      return 0;
    }
    uint8_t x = ca.Take(), y = cb.Take();
    if (x != y) return x < y ? -1 : 1;
  }
  *prefix_order = 0;
  return 0;
}

}  // namespace

int CompareKeys(std::string_view a, std::string_view b) {
  int prefix_order = 0;
  return CompareFolded(a, b, &prefix_order);
}

bool KeyLess(std::string_view a, std::string_view b) {
  int prefix_order = 0;
  int c = CompareFolded(a, b, &prefix_order);
  return c != 0 ? c < 0 : prefix_order < 0;
}

const char* SearchList::CopyKey(std::string_view key) {
  return keys_.CopyText(key);
}

void SearchList::Clear() {
  entries_.clear();
  entries_.shrink_to_fit();
  keys_.Clear();
}

int SearchList::Insert(std::string_view key, int32_t number) {
  // Behind every equal key: the first entry whose key sorts after the new one.
  auto at = std::upper_bound(
      entries_.begin(), entries_.end(), key,
      [](std::string_view k, const SearchEntry& e) { return KeyLess(k, e.view()); });
  at = entries_.insert(at, SearchEntry{CopyKey(key), number});
  return static_cast<int>(at - entries_.begin());
}

int SearchList::PositionOf(int32_t number) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].number == number) return static_cast<int>(i);
  }
  return -1;
}

int SearchList::Remove(int32_t number) {
  int position = PositionOf(number);
  if (position >= 0) entries_.erase(entries_.begin() + position);
  return position;
}

void SearchList::Append(std::string_view key, int32_t number) {
  entries_.push_back(SearchEntry{CopyKey(key), number});
}

void SearchList::SortStable() {
  std::stable_sort(
      entries_.begin(), entries_.end(),
      [](const SearchEntry& a, const SearchEntry& b) { return KeyLess(a.view(), b.view()); });
}

void SearchList::MergeTail(size_t first_new) {
  if (first_new >= entries_.size()) return;
  auto less = [](const SearchEntry& a, const SearchEntry& b) {
    return KeyLess(a.view(), b.view());
  };
  auto middle = entries_.begin() + static_cast<std::ptrdiff_t>(first_new);
  std::stable_sort(middle, entries_.end(), less);
  // inplace_merge is stable: on equal keys the older entry comes first.
  std::inplace_merge(entries_.begin(), middle, entries_.end(), less);
}

void SearchList::ResetSlots(size_t count) {
  Clear();
  entries_.assign(count, SearchEntry{nullptr, 0});
}

bool SearchList::PlaceAt(size_t position, std::string_view key, int32_t number) {
  if (position >= entries_.size() || entries_[position].key != nullptr) return false;
  entries_[position] = SearchEntry{CopyKey(key), number};
  return true;
}

bool SearchList::SlotsCompleteAndSorted() const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].key == nullptr) return false;
    if (i > 0 && CompareKeys(entries_[i - 1].view(), entries_[i].view()) > 0) return false;
  }
  return true;
}

}  // namespace kinloom::store
