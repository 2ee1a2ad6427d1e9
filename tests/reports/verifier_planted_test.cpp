// A tree with a fault planted for every error: each is found on its record, and nothing else is.
#include <gtest/gtest.h>

#include <set>

#include "reports/verifier.h"
#include "support/verifier_trees.h"

namespace kinloom::reports {
namespace {

using testing::Expected;

std::set<Expected> Found(const ProblemList& list) {
  std::set<Expected> found;
  for (const ProblemRow& row : list.rows()) found.insert({row.error, row.record});
  return found;
}

TEST(VerifierPlantedTest, FindsEachPlantedFaultOnItsRecordAndNothingElse) {
  testing::TestTree tree;
  const testing::PlantedTree planted = testing::MakePlantedTree();
  planted.builder.Load(tree);
  ProblemList list;
  const VerifyOutcome outcome = RunVerifier(tree.store, VerifyOptions(), &list);
  EXPECT_FALSE(outcome.cancelled);

  std::set<Expected> expected = planted.expected;
  for (int head : planted.group_heads) expected.insert({kErrorUnlinkedTree, head});
  EXPECT_EQ(Found(list), expected);
  std::set<int> errors;
  for (const auto& [error, record] : expected) errors.insert(error);
  for (int error = 1; error <= kVerifierErrors; ++error) {
    if (error % 2 == 0 && error < 7) continue;  // the other capitalization choice, below
    EXPECT_TRUE(errors.count(error)) << "no fault planted for error " << error;
  }
}

TEST(VerifierPlantedTest, TheLowerCaseChoicesFindTheirFaults) {
  testing::TestTree tree;
  const testing::PlantedTree planted = testing::MakePlantedTree();
  planted.builder.Load(tree);
  VerifyOptions options;
  options.settings.given_name_capitals = CapitalsCheck::kSomeLowerCase;
  options.settings.surname_capitals = CapitalsCheck::kSomeLowerCase;
  options.settings.date_capitals = CapitalsCheck::kSomeLowerCase;
  ProblemList list;
  RunVerifier(tree.store, options, &list);
  const std::set<Expected> found = Found(list);
  for (const Expected& e : planted.lower_case) {
    EXPECT_TRUE(found.count(e)) << "error " << e.first << " not found on " << e.second;
  }
  for (int error : {1, 3, 5}) EXPECT_EQ(list.count(error), 0);
}

}  // namespace
}  // namespace kinloom::reports
