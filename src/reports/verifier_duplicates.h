#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/record_store.h"

namespace kinloom::reports {

// The search for people entered twice. Every person of the name index gets a summary of the
// dates that tell people apart (their own, their parents', their marriages' and children's);
// summaries are ordered by the sound key of the index text, and two people of the same key are
// compared when something they share suggests it: an equal birth or christening, an equal death
// or burial, the same name, or an equal marriage date in different families. Brothers and
// sisters (the same parent family) are never compared. A pair is a possible duplicate when no
// two of their dates are too far apart to belong to one person, their parents' dates agree,
// their given names sound alike and their surnames overlap.
class DuplicateSearch {
 public:
  // The pair found: the person earlier in key order, then the later one.
  struct Match {
    int earlier = 0;
    int later = 0;
    bool operator==(const Match&) const = default;
  };
  // Called with the record (gathering) or the summary position (comparing) now and then;
  // returns false to stop the search.
  using Tick = std::function<bool(int)>;

  explicit DuplicateSearch(const store::RecordStore& store) : store_(store) {}

  // Builds the summaries of the index entries that do not start with a blank and that
  // `include` accepts. False when stopped.
  bool Gather(const std::function<bool(int)>& include, const Tick& tick);
  // Finds the pairs through indexes of the dates and names that start a comparison, without
  // comparing every two people of a large key group. False when stopped.
  bool FindIndexed(const Tick& tick);
  // Finds the pairs by comparing every two people of each key group; the indexed search must
  // give the same. For checks on small trees.
  void FindPairwise();

  // The pairs in the order of comparison (earlier person, then later person in key order).
  const std::vector<Match>& matches() const { return matches_; }
  size_t summaries() const { return people_.size(); }
  // The number of people of the largest sound-key group.
  size_t LargestKeyGroup() const;
  // The record number of the summary at a position of the key order.
  int NumberAt(int position) const {
    return position >= 0 && static_cast<size_t>(position) < people_.size()
               ? people_[position].number
               : 0;
  }

 private:
  // Day numbers a summary compares by (0 unknown).
  enum Date {
    kBirth,
    kChristening,
    kDeath,
    kBurial,
    kEarliestChild,
    kLatestChild,
    kMarriage1,
    kMarriage2,
    kDates
  };
  // A person's own vital dates, also read for parents: birth, christening, death, burial, and
  // the first birth, baptism or christening that is dated.
  struct Vitals {
    int32_t birth = 0, christening = 0, death = 0, burial = 0, born = 0;
    int32_t parent_family = 0;  // the first "1 FAMC"
  };
  // A family's spouses and the day of its first dated MARR or MARC.
  struct FamilyFacts {
    int32_t husband = 0, wife = 0, marriage = 0;
  };
  struct Person {
    int32_t number = 0;
    int32_t key = 0;
    int32_t parent_family = 0;
    int32_t given_key = 0;
    std::array<int32_t, kDates> dates{};
    std::array<int32_t, 2> marriage_family{};
    std::array<Vitals, 2> parents{};     // father, mother
    std::array<int32_t, 5> forebears{};  // father, his father and grandfather, mother, hers
    uint32_t text = 0, text_size = 0, name_size = 0;  // the folded index text in texts_
    uint32_t surname = 0, surname_size = 0;           // the folded surname in texts_
  };
  struct DayEntry {
    int32_t key;
    int32_t day;
    uint32_t position;
  };

  Vitals VitalsOf(int individual) const;
  FamilyFacts FactsOf(int family) const;
  const Vitals& VitalsAt(int individual) const;
  const FamilyFacts& FamilyAt(int family) const;
  Person Summarize(int number, std::string_view entry);
  std::string_view Text(uint32_t at, uint32_t size) const { return {texts_.data() + at, size}; }

  // The four reasons to compare B (later) with A (earlier); the decision after them.
  static int SharedBirth(const Person& a, const Person& b);
  static int SharedDeath(const Person& a, const Person& b);
  bool SameName(const Person& a, const Person& b) const;
  static int SharedMarriage(const Person& a, const Person& b);
  bool Decide(const Person& x, const Person& y) const;
  bool Related(const Person& a, const Person& b) const;
  // Whether the comparison of A and B finds them the same person.
  bool Compare(const Person& a, const Person& b) const;

  std::vector<DayEntry> DayIndex(int first_date, int second_date) const;
  bool PairsOfEqualDays(const std::vector<DayEntry>& index, int reason, const Tick& tick);
  bool PairsOfNames(const Tick& tick);
  void Consider(uint32_t a, uint32_t b, int reason, int day);

  const store::RecordStore& store_;
  // By record number, filled while gathering.
  std::vector<Vitals> vitals_;
  std::vector<FamilyFacts> families_;
  std::vector<Person> people_;  // in key order, equal keys in index order
  std::string texts_;
  std::vector<std::pair<uint32_t, uint32_t>> found_;
  std::vector<Match> matches_;
};

}  // namespace kinloom::reports
