#include "store/search_list.h"

#include <algorithm>
#include <cstdint>

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

SearchEntry SearchList::MakeEntry(std::string_view key, int32_t number) {
  return SearchEntry{keys_.CopyText(key), number, static_cast<uint32_t>(key.size())};
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
  at = entries_.insert(at, MakeEntry(key, number));
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
  entries_.push_back(MakeEntry(key, number));
}

namespace {

// The first sixteen folded characters of a key as CompareKeys sees them, packed so that
// comparing two packs orders keys as their first characters do; shorter keys pad with 0.
struct FoldedPrefix {
  uint64_t high = 0;
  uint64_t low = 0;

  explicit FoldedPrefix(std::string_view key) {
    FoldedCursor cursor(key);
    for (int taken = 0; taken < 16; ++taken) {
      uint64_t byte = cursor.AtEnd() ? 0 : cursor.Take();
      (taken < 8 ? high : low) |= byte << (8 * (7 - taken % 8));
    }
  }
  bool operator==(const FoldedPrefix&) const = default;
  bool operator<(const FoldedPrefix& other) const {
    return high != other.high ? high < other.high : low < other.low;
  }
};

// Sorts entries [first, last) stably by KeyLess. Most comparisons are settled by the packed
// prefixes, so a list of hundreds of thousands of names sorts quickly; the entries are then
// put in place along the cycles of the permutation, without a second copy of the list.
void SortRange(std::vector<SearchEntry>& entries, size_t first, size_t last) {
  struct Item {
    FoldedPrefix prefix;
    uint32_t index;
  };
  std::vector<Item> items;
  items.reserve(last - first);
  for (size_t i = first; i < last; ++i) {
    items.push_back({FoldedPrefix(entries[i].view()), static_cast<uint32_t>(i - first)});
  }
  SearchEntry* range = entries.data() + first;
  std::sort(items.begin(), items.end(), [range](const Item& a, const Item& b) {
    if (!(a.prefix == b.prefix)) return a.prefix < b.prefix;
    int prefix_order = 0;
    int c = CompareFolded(range[a.index].view(), range[b.index].view(), &prefix_order);
    if (c == 0) c = prefix_order;
    return c != 0 ? c < 0 : a.index < b.index;  // equal keys keep their order
  });
  constexpr uint32_t kPlaced = UINT32_MAX;
  for (size_t start = 0; start < items.size(); ++start) {
    if (items[start].index == kPlaced) continue;
    const SearchEntry saved = range[start];
    for (size_t to = start;;) {
      const size_t from = items[to].index;
      items[to].index = kPlaced;
      if (from == start) {
        range[to] = saved;
        break;
      }
      range[to] = range[from];
      to = from;
    }
  }
}

}  // namespace

void SearchList::SortStable() {
  SortRange(entries_, 0, entries_.size());
}

void SearchList::MergeTail(size_t first_new) {
  if (first_new >= entries_.size()) return;
  auto less = [](const SearchEntry& a, const SearchEntry& b) {
    return KeyLess(a.view(), b.view());
  };
  SortRange(entries_, first_new, entries_.size());
  // inplace_merge is stable: on equal keys the older entry comes first.
  auto middle = entries_.begin() + static_cast<std::ptrdiff_t>(first_new);
  std::inplace_merge(entries_.begin(), middle, entries_.end(), less);
}

void SearchList::ResetSlots(size_t count) {
  Clear();
  entries_.assign(count, SearchEntry{nullptr, 0, 0});
}

bool SearchList::PlaceAt(size_t position, std::string_view key, int32_t number) {
  if (position >= entries_.size() || entries_[position].key != nullptr) return false;
  entries_[position] = MakeEntry(key, number);
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
