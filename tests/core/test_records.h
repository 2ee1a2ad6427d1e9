#pragma once

// Records as lines for the core tests, loaded as one of the program's own trees, and the trees
// the generator makes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/tree_reading.h"
#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::core::test_records {

using Lines = std::vector<std::string>;
using Records = std::vector<Lines>;

inline const Lines kOldStamp = {"1 CHAN", "2 DATE 1 Jan 2020"};
inline const Lines kNewStamp = {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"};

template <typename T>
std::vector<T> Join(std::vector<T> head, const std::vector<T>& tail) {
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
// A record of Person or Family after an edit: the old stamp replaced by today's.
inline Lines Restamped(Lines lines) {
  lines.resize(lines.size() - kOldStamp.size());
  return Stamped(lines);
}

inline const auto Fams = [](int n) { return "1 FAMS " + store::MakeXref('F', n); };
inline const auto Famc = [](int n) { return "1 FAMC " + store::MakeXref('F', n); };
inline const auto Husb = [](int n) { return "1 HUSB " + store::MakeXref('I', n); };
inline const auto Wife = [](int n) { return "1 WIFE " + store::MakeXref('I', n); };
inline const auto Chil = [](int n) { return "1 CHIL " + store::MakeXref('I', n); };

inline Lines AllLines(const Records& records) {
  Lines all;
  for (const Lines& record : records) all = Join(all, record);
  return all;
}
inline void Load(testing::TestTree& tree, const Records& records) {
  testing::LoadOwnTree(tree, AllLines(records));
}

inline Lines Indi(testing::TestTree& tree, int n) {
  const store::IndividualRecord* record = tree.store.individual(n);
  return record == nullptr ? Lines{} : testing::RecordLines(record->lines);
}
inline Lines Fam(testing::TestTree& tree, int n) {
  const store::FamilyRecord* record = tree.store.family(n);
  return record == nullptr ? Lines{} : testing::RecordLines(record->lines);
}

// Every record's lines by cross-reference, record zero too.
inline std::map<std::string, Lines> Snapshot(const store::RecordStore& store) {
  std::map<std::string, Lines> all;
  for (int n = 0; n <= store.highest_individual(); ++n) {
    if (store.individual(n) != nullptr) {
      all[store::MakeXref('I', n)] = testing::RecordLines(store.individual(n)->lines);
    }
  }
  for (int n = 0; n <= store.highest_family(); ++n) {
    if (store.family(n) != nullptr) {
      all[store::MakeXref('F', n)] = testing::RecordLines(store.family(n)->lines);
    }
  }
  return all;
}
inline std::map<std::string, Lines> Snapshot(testing::TestTree& tree) {
  return Snapshot(tree.store);
}

#ifdef KINLOOM_GENTREE
// Reads a tree the generator makes in the program's own format.
inline void LoadGenerated(testing::TestTree& tree, const testing::TempDir& dir, int individuals,
                          int seed) {
  const std::string path = dir.File("generated.ged");
  const std::string command = std::string(KINLOOM_GENTREE) + " --individuals " +
                              std::to_string(individuals) + " --seed " + std::to_string(seed) +
                              " --format own --out " + path;
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  ASSERT_EQ(core::ReadTree(tree.store, path, false).outcome, store::ReadOutcome::kRead);
}
#endif

}  // namespace kinloom::core::test_records
