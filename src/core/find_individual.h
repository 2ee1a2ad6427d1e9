#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/record_store.h"

namespace kinloom::core {

// Finding an individual by part of the name or the number, narrowed by years and the names of
// the parents and a spouse, stepping through the sorted individual search list.

// The years a tolerance choice stands for, in the order the choices are offered ("Exact" first).
inline constexpr std::array<int, 8> kYearTolerances = {0, 1, 2, 5, 10, 20, 50, 100};

// Lists above this size get a "Searching" notice while a slow search runs.
inline constexpr int kSearchingNoticeEntries = 100000;

// Removes the accents of the Windows-1252 letters but keeps their case ("É" to "E", "é" to
// "e"); the name lists that count names rather than sort them fold with it.
const std::array<uint8_t, 256>& FoldAccentsKeepCase();

// True when `text`, folded for searching (case and accents), contains `folded_part`, which
// must be folded already. An empty part is contained in every text.
bool FoldedContains(std::string_view text, std::string_view folded_part);
// The text folded for searching, byte by byte.
std::string FoldedForSearch(std::string_view text);

// The year a year field stands for: 0 when empty or unreadable, else the year of the date.
int YearFromSearchText(std::string_view text);

struct YearCriterion {
  int year = 0;       // 0: not set
  int tolerance = 0;  // years either side
  bool set() const { return year != 0; }
  bool Accepts(int found) const { return found >= year - tolerance && found <= year + tolerance; }
};

// What the user asks for. Texts are in the tree's character set, as typed.
struct FindCriteria {
  std::string name;  // part of the key: name or record number
  YearCriterion birth;
  YearCriterion death;
  YearCriterion marriage;
  std::string father;
  std::string mother;
  std::string spouse;

  // Something besides the name narrows the search.
  bool HasOtherCriteria() const;
  // There is anything to search for at all (the "Search" button is enabled).
  bool CanSearch() const;
};

// The criteria with their texts folded once, as every entry is tested against them.
struct FoldedCriteria {
  explicit FoldedCriteria(const FindCriteria& criteria);
  FindCriteria folded;
  bool other_criteria;
};

// The test of everything besides the name for one individual.
bool MatchesOtherCriteria(const store::RecordStore& store, int individual,
                          const FoldedCriteria& criteria);
// The whole test of one search list entry.
bool EntryMatches(const store::RecordStore& store, const store::SearchEntry& entry,
                  const FoldedCriteria& criteria);

// The walk over the individual search list. The position is the entry the next search starts
// at; it survives between uses of the find dialog.
class IndividualFinder {
 public:
  int position() const { return position_; }
  void set_position(int position) { position_ = position < 0 ? 0 : position; }
  void Reset() { position_ = 0; }

  // The index of the next matching entry from the position on, the position moving behind
  // it; -1 when the end of the list is reached, the position going back to the top.
  int Search(const store::RecordStore& store, const FindCriteria& criteria);

 private:
  int position_ = 0;
};

// Whether a search over a list of this size is slow enough to show a notice: some criterion
// besides the name, no name text to rule entries out cheaply, and a big list.
bool SearchIsSlow(const FindCriteria& criteria, int list_size);

}  // namespace kinloom::core
