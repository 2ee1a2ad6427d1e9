#pragma once

// Records for the merge tests: people and families as lines, loaded as one of the program's
// own trees.
#include <map>
#include <string>
#include <vector>

#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::core::merge_test {

using Lines = std::vector<std::string>;
using Records = std::vector<Lines>;

inline const Lines kOldStamp = {"1 CHAN", "2 DATE 1 Jan 2020"};
inline const Lines kNewStamp = {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"};

inline Lines Join(Lines head, const Lines& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

// An individual: its name, "1 SEX" and `body`, then the old stamp.
inline Lines Person(int n, const std::string& name, char sex, const Lines& body = {}) {
  return Join(Join({"0 " + store::MakeXref('I', n) + " INDI", "1 NAME " + name,
                    std::string("1 SEX ") + sex},
                   body),
              kOldStamp);
}
inline Lines Family(int n, const Lines& body) {
  return Join(Join({"0 " + store::MakeXref('F', n) + " FAM"}, body), kOldStamp);
}
// The record as an edit leaves it: `lines` and today's stamp.
inline Lines Stamped(const Lines& lines) {
  return Join(lines, kNewStamp);
}

inline std::string Fams(int n) {
  return "1 FAMS " + store::MakeXref('F', n);
}
inline std::string Famc(int n) {
  return "1 FAMC " + store::MakeXref('F', n);
}
inline std::string Husb(int n) {
  return "1 HUSB " + store::MakeXref('I', n);
}
inline std::string Wife(int n) {
  return "1 WIFE " + store::MakeXref('I', n);
}
inline std::string Chil(int n) {
  return "1 CHIL " + store::MakeXref('I', n);
}

inline void Load(testing::TestTree& tree, const Records& records) {
  Lines all;
  for (const Lines& record : records) all = Join(all, record);
  testing::LoadOwnTree(tree, all);
}

inline Lines Indi(testing::TestTree& tree, int n) {
  const store::IndividualRecord* record = tree.store.individual(n);
  return record == nullptr ? Lines{} : testing::RecordLines(record->lines);
}
inline Lines Fam(testing::TestTree& tree, int n) {
  const store::FamilyRecord* record = tree.store.family(n);
  return record == nullptr ? Lines{} : testing::RecordLines(record->lines);
}

// Every record's lines by cross-reference.
inline std::map<std::string, Lines> Snapshot(const store::RecordStore& store) {
  std::map<std::string, Lines> all;
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (store.individual(n) != nullptr) {
      all[store::MakeXref('I', n)] = testing::RecordLines(store.individual(n)->lines);
    }
  }
  for (int n = 1; n <= store.highest_family(); ++n) {
    if (store.family(n) != nullptr) {
      all[store::MakeXref('F', n)] = testing::RecordLines(store.family(n)->lines);
    }
  }
  return all;
}
inline std::map<std::string, Lines> Snapshot(testing::TestTree& tree) {
  return Snapshot(tree.store);
}

}  // namespace kinloom::core::merge_test
