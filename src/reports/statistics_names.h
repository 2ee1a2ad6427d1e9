#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/record_store.h"

namespace kinloom::reports {

struct NameCount {
  std::string text;
  int count = 0;
};

// Counts texts for the statistics window's name and place pages and ranks them: most counted
// first, equal counts in the order a walk gives over a binary search tree of the texts (byte
// order, smaller to the left) that starts from a root "N" and takes each text where it is first
// counted: the node, then its left subtree, then its right. That tree is never built: inserting
// in order of first sight gives the tree whose every subtree is rooted at the earliest text of
// its range, which a stack builds in one pass over the sorted texts, so a run of sorted texts
// does not degenerate into a list.
class NameCounter {
 public:
  void Count(std::string_view text);
  size_t distinct() const { return entries_.size(); }
  // The first `limit` texts in rank order.
  std::vector<NameCount> Ranked(size_t limit) const;

 private:
  struct Entry {
    int count = 0;
    int first_seen = 0;
  };
  std::unordered_map<std::string, Entry> entries_;
  std::string key_;  // reused for each lookup
};

// The texts of the name and place pages.
enum class NameSource {
  kMenGivenNames,
  kWomenGivenNames,
  kLastNames,
  kBirthPlaces,
  kDeathPlaces,
  kMarriagePlaces,
};

struct NameTally {
  std::vector<NameCount> ranked;  // at most 100
  int records_checked = 0;
};

// Goes through `people` in order. Texts are counted with their accents removed (case kept) when
// at least three characters long. Given names count each piece between blanks and hyphens, for
// people of that sex whose given names are not empty and do not start with a blank or hyphen;
// each such person is one record checked. Last names count the surname with its title, places
// the place of the first birth-type or death-type event, and marriage places the place of the
// first marriage-type event of each person's first spouse family, each family once; a text that
// is not empty is one record checked.
NameTally TallyNames(store::RecordStore& store, const std::vector<int>& people, NameSource source);

}  // namespace kinloom::reports
