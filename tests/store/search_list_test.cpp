#include "store/search_list.h"

#include <gtest/gtest.h>

#include "store/folding.h"
#include "store/line_search.h"
#include "store/search_lists.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::TestTree;

TEST(CompareKeys, FoldsCaseAndAccentsAndIgnoresInnerBlanks) {
  EXPECT_EQ(CompareKeys("Muller, Hans", "M\xFCller, hans"), 0);  // ü
  EXPECT_EQ(CompareKeys("ABC", "abc"), 0);
  EXPECT_EQ(CompareKeys("Van Dyke", "Vandyke"), 0);
  EXPECT_EQ(CompareKeys("Smith", "Smyth"), -1);
  EXPECT_EQ(CompareKeys("Smyth", "Smith"), 1);
  // A leading blank counts: keys of people without a surname start with two blanks.
  EXPECT_EQ(CompareKeys("  John (5)", "John (5)"), -1);
  // The end of either key ends the comparison.
  EXPECT_EQ(CompareKeys("Smith", "Smithson"), 0);
  // Only the first 999 characters count.
  EXPECT_EQ(CompareKeys(std::string(999, 'a') + "b", std::string(999, 'a') + "c"), 0);
}

TEST(CompareKeys, FoldingTableKeepsLigaturesAndMapsTheOddOnes) {
  EXPECT_EQ(Fold('\xC6'), 0xC6);  // Æ stays
  EXPECT_EQ(Fold('\xE6'), 0xE6);  // æ stays
  EXPECT_EQ(Fold('\xDF'), 's');   // ß
  EXPECT_EQ(Fold('\xF0'), 'o');   // ð
  EXPECT_EQ(Fold('\xD0'), 'd');   // Ð
  EXPECT_EQ(Fold('\xD8'), 'o');   // Ø
  EXPECT_EQ(Fold('\xFF'), 'y');   // ÿ
  EXPECT_EQ(Fold('\x8C'), 0x95);
  EXPECT_NE(CompareKeys("\xC6", "a"), 0);
  EXPECT_NE(CompareKeys("\xC6", "e"), 0);
}

TEST(SearchList, EqualKeysGoBehindTheOnesAlreadyThere) {
  SearchList list;
  list.Insert("Smith, John (3)", 3);
  list.Insert("Adams, Ann (9)", 9);
  list.Insert("Smith, John (3)", 4);
  list.Insert("SMITH, john (3)", 5);
  ASSERT_EQ(list.size(), 4);
  EXPECT_EQ(list.at(0).number, 9);
  EXPECT_EQ(list.at(1).number, 3);
  EXPECT_EQ(list.at(2).number, 4);
  EXPECT_EQ(list.at(3).number, 5);
  EXPECT_EQ(list.Remove(4), 2);
  EXPECT_EQ(list.Remove(4), -1);
  EXPECT_EQ(list.last(), 2);
}

// Builds individuals with the given names; positions < -1 mean "no saved position".
void AddPeople(TestTree& t, const std::vector<std::pair<std::string, int>>& people) {
  t.store.NewEmptyTree(false);
  int n = 0;
  for (const auto& [name, position] : people) {
    ++n;
    LineNode* last = nullptr;
    IndividualRecord* r = t.store.CreateIndividual(n);
    r->lines = t.store.AppendLine(&last, "0 " + MakeXref('I', n) + " INDI");
    t.store.AppendLine(&last, "1 NAME " + name);
    r->listPos = position;
  }
  t.store.set_highest_individual(n);
}

std::vector<int> Order(const SearchList& list) {
  std::vector<int> numbers;
  for (const auto& e : list.entries()) numbers.push_back(e.number);
  return numbers;
}

TEST(BuildSearchList, SameNamesAreOrderedByTheirNumbersAsText) {
  TestTree t;
  std::vector<std::pair<std::string, int>> people(12, {"John /Smith/", -1});
  AddPeople(t, people);
  BuildIndividualSearchList(t.store, 1);
  // ")" sorts before the digits, so "(1)" leads "(10)" and "(12)" leads "(2)".
  EXPECT_EQ(Order(t.store.individual_search_list()),
            (std::vector<int>{1, 10, 11, 12, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(BuildSearchList, RestoresSavedPositionsWithoutSorting) {
  TestTree t;
  // Saved positions that keep the list in order are used as they are, even where a sort would
  // order equal keys differently.
  AddPeople(t, {{"Ann /Lee/", 1}, {"Bob /Adams/", 0}, {"Cy /Lee/", 2}});
  BuildIndividualSearchList(t.store, 1);
  EXPECT_EQ(Order(t.store.individual_search_list()), (std::vector<int>{2, 1, 3}));
}

TEST(BuildSearchList, StalePositionsFallBackToASortedList) {
  const std::vector<std::vector<int>> stale = {
      {0, 0, 1},      // a position claimed twice
      {0, 1, 2},      // complete but out of order
      {1, 2, 3},      // position 0 left empty, 3 out of range
      {0, -1, 1},     // one record without a position
      {0, 2, 999999}  // far beyond the list
  };
  for (const auto& positions : stale) {
    TestTree t;
    AddPeople(
        t,
        {{"Cy /Lee/", positions[0]}, {"Bob /Adams/", positions[1]}, {"Ann /Lee/", positions[2]}});
    BuildIndividualSearchList(t.store, 1);
    EXPECT_EQ(Order(t.store.individual_search_list()), (std::vector<int>{2, 3, 1}));
  }
}

TEST(BuildSearchList, LaterRecordsAreMergedBehindEqualKeys) {
  TestTree t;
  AddPeople(t, {{"Ann /Lee/", -1}, {"Bob /Adams/", -1}});
  BuildIndividualSearchList(t.store, 1);
  // Records 3 and 4 arrive by a merge; 3 has the same name as 1 but a different number.
  LineNode* last = nullptr;
  for (int n : {3, 4}) {
    last = nullptr;
    IndividualRecord* r = t.store.CreateIndividual(n);
    r->lines = t.store.AppendLine(&last, "0 " + MakeXref('I', n) + " INDI");
    t.store.AppendLine(&last, n == 3 ? "1 NAME Zed /Adams/" : "1 NAME Al /Adams/");
  }
  t.store.set_highest_individual(4);
  BuildIndividualSearchList(t.store, 3);
  EXPECT_EQ(Order(t.store.individual_search_list()), (std::vector<int>{4, 2, 3, 1}));
}

TEST(BuildSearchList, ShowsProgressText) {
  TestTree t;
  AddPeople(t, {{"Ann /Lee/", -1}});
  BuildIndividualSearchList(t.store, 1);
  ASSERT_FALSE(t.ui.progress_texts().empty());
  EXPECT_EQ(t.ui.progress_texts().back(), "Initializing Search List      Individual: 1");
}

}  // namespace
}  // namespace kinloom::store
