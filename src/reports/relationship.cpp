// The relationship calculator: the two ancestries, the common ancestry, the naming and the
// lines of descent.
#include "reports/relationship.h"

#include <cstdint>
#include <limits>
#include <unordered_map>

#include "core/queries.h"

namespace kinloom::reports {
namespace {

// An ancestry list holds at most this many entries; generations stop at 255.
constexpr size_t kMostEntries = 50000;
constexpr int kLastGeneration = 255;

struct Entry {
  int individual = 0;
  uint8_t generation = 0;
};

// Entries come in pairs, father slot then mother slot: pair 0 is the person, each later pair
// the husband and wife of one family.
using Ancestry = std::vector<Entry>;

bool Followed(int kind) {
  return kind != core::kFoster && kind != core::kSealing;
}

Ancestry BuildAncestry(store::RecordStore& store, int person) {
  Ancestry list;
  const bool female = core::SexOf(store, person) == 2;
  list.push_back({female ? 0 : person, 0});
  list.push_back({female ? person : 0, 0});
  const uint16_t pass = store.NewWalkNumber();
  for (size_t read = 0; read < list.size() && list.size() < kMostEntries; ++read) {
    const Entry entry = list[read];
    if (entry.individual == 0) continue;
    const core::ParentFamily parents = core::FindParentFamily(store, entry.individual);
    store::FamilyRecord* family = store.family(parents.family);
    if (parents.family == 0 || family == nullptr || family->walkStamp == pass ||
        !Followed(parents.kind)) {
      continue;
    }
    family->walkStamp = pass;
    int husband = core::FamilyMember(store, parents.family, "1 HUSB");
    int wife = core::FamilyMember(store, parents.family, "1 WIFE");
    if (parents.kind == core::kStepFather) husband = 0;
    if (parents.kind == core::kStepMother) wife = 0;
    const auto generation = static_cast<uint8_t>(entry.generation + 1);
    list.push_back({husband, generation});
    list.push_back({wife, generation});
    if (generation == kLastGeneration) break;
  }
  return list;
}

// The index of the first entry of `person`, or -1.
long Find(const Ancestry& list, int person) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].individual == person) return static_cast<long>(i);
  }
  return -1;
}

// The display names from the child of `target` (the entry at `from` or, for a pair, its
// husband or else its wife) down to the list's person.
std::vector<std::string> LineOfDescent(const store::RecordStore& store, const Ancestry& list,
                                       size_t from, int target) {
  std::vector<std::string> names;
  for (size_t i = from; i-- > 0;) {
    const int person = list[i].individual;
    if (person == 0) continue;
    const core::ParentFamily parents = core::FindParentFamily(store, person);
    if (parents.family == 0 || !Followed(parents.kind)) continue;
    if (core::FamilyMember(store, parents.family, "1 HUSB") != target &&
        core::FamilyMember(store, parents.family, "1 WIFE") != target) {
      continue;
    }
    names.push_back(core::PersonLabel(store, person));
    target = person;
  }
  return names;
}

void FillColumn(std::vector<RelateRow>& rows, const std::vector<std::string>& names, int column) {
  if (rows.size() < names.size()) rows.resize(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    (column == 0 ? rows[i].column0 : rows[i].column1) = names[i];
  }
}

std::string Word(bool female, std::string_view male_word, std::string_view female_word) {
  return std::string(female ? female_word : male_word);
}

std::string CousinDegree(int nearer) {
  static constexpr std::string_view kWords[] = {"First ", "Second ", "Third ",   "Fourth ",
                                                "Fifth ", "Sixth ",  "Seventh ", "Eighth ",
                                                "Ninth ", "Tenth "};
  if (nearer >= 2 && nearer <= 11) return std::string(kWords[nearer - 2]);
  return Ordinal(nearer - 1) + " ";
}

std::string Removal(int removed) {
  static constexpr std::string_view kWords[] = {"",
                                                "Once Removed",
                                                "Twice Removed",
                                                "Three Times Removed",
                                                "Four Times Removed",
                                                "Five Times Removed",
                                                "Six Times Removed",
                                                "Seven Times Removed",
                                                "Eight Times Removed",
                                                "Nine Times Removed",
                                                "Ten Times Removed",
                                                "Eleven Times Removed",
                                                "Twelve Times Removed"};
  if (removed <= 12) return std::string(kWords[removed]);
  return std::to_string(removed) + " Times Removed";
}

// Names the relationship through a common ancestry found at generation a of person 1's list
// and b of person 2's.
void NameThroughAncestry(Relationship& r, bool female1, bool female2, int a, int b,
                         const std::string& half) {
  if (a == 1 && b == 1) {
    r.relation1 = half + Word(female1, "Brother", "Sister");
    r.relation2 = half + Word(female2, "Brother", "Sister");
  } else if (a >= 2 && b >= 2) {
    const int removed = a > b ? a - b : b - a;
    r.relation1 = half + CousinDegree(std::min(a, b)) + "Cousin " + Removal(removed);
    r.relation2 = r.relation1;
  } else {
    const std::string prefix = half + GenerationPrefix(a - b);
    if (b >= a) {
      r.relation1 = prefix + Word(female1, "Uncle", "Aunt");
      r.relation2 = prefix + Word(female2, "Nephew", "Niece");
    } else {
      r.relation1 = prefix + Word(female1, "Nephew", "Niece");
      r.relation2 = prefix + Word(female2, "Uncle", "Aunt");
    }
  }
}

// The direct line: `ancestor` stands at `index` of the descendant's list.
void NameDirectLine(store::RecordStore& store, Relationship& r, const Ancestry& list, long index,
                    bool ancestor_is_person2) {
  const int g = list[static_cast<size_t>(index)].generation;
  const int descendant = ancestor_is_person2 ? r.person1 : r.person2;
  const int ancestor = ancestor_is_person2 ? r.person2 : r.person1;
  const std::string child_word =
      GenerationPrefix(g) + Word(core::SexOf(store, descendant) == 2, "Son", "Daughter");
  const std::string parent_word =
      GenerationPrefix(g) + Word(core::SexOf(store, ancestor) == 2, "Father", "Mother");
  r.relation1 = ancestor_is_person2 ? child_word : parent_word;
  r.relation2 = ancestor_is_person2 ? parent_word : child_word;
  r.memo = core::PersonLabel(store, ancestor);
  FillColumn(r.rows, LineOfDescent(store, list, static_cast<size_t>(index), ancestor), 0);
  r.shown = true;
}

// The first pair of person 1's list (from pair 1) that shares a husband or a wife with a pair
// of person 2's list, and the first such pair of person 2's list: the couple nearest to
// person 1 wins, then the one nearest to person 2, the father's side first.
bool FindCommonPairs(const Ancestry& list1, const Ancestry& list2, size_t* pair1, size_t* pair2) {
  std::unordered_map<int, size_t> first_husband, first_wife;
  for (size_t p = 1; 2 * p + 1 < list2.size(); ++p) {
    if (list2[2 * p].individual != 0) first_husband.try_emplace(list2[2 * p].individual, p);
    if (list2[2 * p + 1].individual != 0) first_wife.try_emplace(list2[2 * p + 1].individual, p);
  }
  for (size_t p = 1; 2 * p + 1 < list1.size(); ++p) {
    size_t best = std::numeric_limits<size_t>::max();
    if (auto h = first_husband.find(list1[2 * p].individual); h != first_husband.end()) {
      best = h->second;
    }
    if (auto w = first_wife.find(list1[2 * p + 1].individual); w != first_wife.end()) {
      best = std::min(best, w->second);
    }
    if (best != std::numeric_limits<size_t>::max()) {
      *pair1 = p;
      *pair2 = best;
      return true;
    }
  }
  return false;
}

void NameCommonAncestry(store::RecordStore& store, Relationship& r, const Ancestry& list1,
                        const Ancestry& list2) {
  size_t p1 = 0, p2 = 0;
  if (!FindCommonPairs(list1, list2, &p1, &p2)) return;
  const Entry& h1 = list1[2 * p1];
  const Entry& w1 = list1[2 * p1 + 1];
  const Entry& h2 = list2[2 * p2];
  const Entry& w2 = list2[2 * p2 + 1];
  const std::string half =
      h1.individual != h2.individual || w1.individual != w2.individual ? "Half " : "";
  // A missing spouse on both sides is no common ancestor to name.
  const bool husband = h1.individual == h2.individual && h1.individual != 0;
  const bool wife = w1.individual == w2.individual && w1.individual != 0;
  if (husband) r.memo = core::PersonLabel(store, h1.individual);
  if (husband && wife) r.memo += " and ";
  if (wife) r.memo += core::PersonLabel(store, w1.individual);
  NameThroughAncestry(r, core::SexOf(store, r.person1) == 2, core::SexOf(store, r.person2) == 2,
                      h1.generation, h2.generation, half);
  const int target1 = h1.individual != 0 ? h1.individual : w1.individual;
  const int target2 = h2.individual != 0 ? h2.individual : w2.individual;
  FillColumn(r.rows, LineOfDescent(store, list1, 2 * p1, target1), 0);
  FillColumn(r.rows, LineOfDescent(store, list2, 2 * p2, target2), 1);
  r.shown = true;
}

bool Exists(const store::RecordStore& store, int individual) {
  return individual > 0 && store.individual(individual) != nullptr;
}

}  // namespace

std::string Ordinal(int number) {
  const int last_two = number % 100;
  const char* suffix = "th";
  if (last_two < 11 || last_two > 13) {
    switch (number % 10) {
      case 1:
        suffix = "st";
        break;
      case 2:
        suffix = "nd";
        break;
      case 3:
        suffix = "rd";
        break;
      default:
        break;
    }
  }
  return std::to_string(number) + suffix;
}

std::string GenerationPrefix(int distance) {
  const int n = distance < 0 ? -distance : distance;
  std::string prefix;
  if (n >= 4) prefix = Ordinal(n - 2) + " ";
  if (n >= 3) prefix += "Great ";
  if (n >= 2) prefix += "Grand ";
  return prefix;
}

Relationship FindRelationship(store::RecordStore& store, int person1, int person2) {
  Relationship r;
  r.person1 = person1;
  r.person2 = person2;
  r.name1 = core::FullName(store, person1);
  r.name2 = core::FullName(store, person2);
  r.label1 = core::PersonLabel(store, person1);
  r.label2 = core::PersonLabel(store, person2);
  if (!Exists(store, person1) || !Exists(store, person2)) {
    r.relation1 = r.relation2 = std::string(kNoBloodRelationship);
    return r;
  }
  if (person1 == person2) {
    r.relation1 = r.relation2 = std::string(kSamePerson);
    return r;
  }
  r.relation1 = r.relation2 = std::string(kNoBloodRelationship);
  const Ancestry list1 = BuildAncestry(store, person1);
  const Ancestry list2 = BuildAncestry(store, person2);
  if (long at = Find(list1, person2); at >= 0) {
    NameDirectLine(store, r, list1, at, true);
  } else if (long at2 = Find(list2, person1); at2 >= 0) {
    NameDirectLine(store, r, list2, at2, false);
  } else {
    NameCommonAncestry(store, r, list1, list2);
  }
  // A single line of descent always stands in column 0.
  if (!r.rows.empty() && r.rows[0].column0.empty()) {
    for (RelateRow& row : r.rows) {
      row.column0 = std::move(row.column1);
      row.column1.clear();
    }
  }
  return r;
}

}  // namespace kinloom::reports
