#include "core/merge_candidate.h"

#include <algorithm>
#include <string>

#include "core/family_ops_support.h"
#include "store/line_search.h"
#include "store/names.h"
#include "store/search_list.h"

namespace kinloom::core {
namespace {

using family_ops::PersonLines;
using store::LineNode;

unsigned char CaseFolded(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
  if (c == 0x9F) return 0xFF;
  return c;
}

// Equal without regard to the case of letters (Windows-1252 letters included).
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (CaseFolded(static_cast<unsigned char>(a[i])) !=
        CaseFolded(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

bool SameName(const store::RecordStore& store, int n, const LineNode* name) {
  const LineNode* other = store::FindTagLine(PersonLines(store, n), "1 NAME");
  return other != nullptr && EqualIgnoringCase(other->text(), name->text());
}

int HighestByNumber(const store::RecordStore& store, int first, const LineNode* name) {
  for (int n = store.highest_individual(); n >= 2; --n) {
    if (n != first && SameName(store, n, name)) return n;
  }
  return 0;
}

// A name line equal to `first`'s has the same surname, folded, so its search key (the index
// name, surname first) begins with that surname: only that stretch of the sorted list needs
// looking at, not every record of a big tree. Without a surname every record is looked at.
int HighestSameName(const store::RecordStore& store, int first, const LineNode* name) {
  const std::string surname = store::Surname(store, first);
  if (surname.empty()) return HighestByNumber(store, first, name);
  const std::vector<store::SearchEntry>& entries = store.individual_search_list().entries();
  auto entry = std::partition_point(entries.begin(), entries.end(), [&](const auto& e) {
    return store::CompareKeys(e.view(), surname) < 0;
  });
  int highest = 0;
  for (; entry != entries.end() && store::CompareKeys(entry->view(), surname) == 0; ++entry) {
    const int n = entry->number;
    if (n > highest && n >= 2 && n != first && SameName(store, n, name)) highest = n;
  }
  return highest;
}

}  // namespace

int FindMergeCandidate(const store::RecordStore& store, int first, int previous_second) {
  int second = previous_second;
  if (const LineNode* name = store::FindTagLine(PersonLines(store, first), "1 NAME")) {
    if (const int found = HighestSameName(store, first, name); found > 0) second = found;
  }
  second = std::min(second, store.highest_individual());
  for (int n = second; n >= 1; --n) {
    if (PersonLines(store, n) != nullptr) return n;
  }
  for (int n = std::max(second, 1); n <= store.highest_individual(); ++n) {
    if (PersonLines(store, n) != nullptr) return n;
  }
  return 0;
}

}  // namespace kinloom::core
