#include "store/search_list.h"

#include <gtest/gtest.h>

#include "store/folding.h"
#include "store/line_search.h"
#include "store/search_lists.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::TestTree;

std::vector<int> Order(const SearchList& list) {
  std::vector<int> numbers;
  for (const auto& e : list.entries()) numbers.push_back(e.number);
  return numbers;
}

TEST(CompareKeys, FoldsCaseAndAccentsAndIgnoresInnerBlanks) {
  const struct {
    std::string a, b;
    int result;
  } cases[] = {
      {"Muller, Hans", "M\xFCller, hans", 0},  // u umlaut
      {"Van Dyke", "Vandyke", 0},
      {"Smith", "Smyth", -1},
      {"Smyth", "Smith", 1},
      {"  John (5)", "John (5)", -1},  // a leading blank counts: keys without a surname
      {"Smith", "Smithson", 0},        // the end of either key ends the comparison
      {std::string(999, 'a') + "b", std::string(999, 'a') + "c", 0},  // only 999 characters count
  };
  for (const auto& c : cases) EXPECT_EQ(CompareKeys(c.a, c.b), c.result) << c.a << " | " << c.b;
  // The folding table keeps the ligatures and maps the odd ones.
  EXPECT_NE(CompareKeys("\xC6", "a"), 0);
  const std::pair<char, int> folded[] = {{'\xC6', 0xC6}, {'\xE6', 0xE6}, {'\xDF', 's'},
                                         {'\xF0', 'o'},  {'\xD0', 'd'},  {'\xD8', 'o'},
                                         {'\xFF', 'y'},  {'\x8C', 'o'},  {'\x8E', 'z'}};
  for (const auto& [c, fold] : folded) EXPECT_EQ(Fold(c), fold) << int{c};
}

TEST(SearchList, EqualKeysGoBehindTheOnesAlreadyThere) {
  SearchList list;
  list.Insert("Smith, John (3)", 3);
  list.Insert("Adams, Ann (9)", 9);
  list.Insert("Smith, John (3)", 4);
  list.Insert("SMITH, john (3)", 5);
  EXPECT_EQ(Order(list), (std::vector<int>{9, 3, 4, 5}));
  EXPECT_EQ(list.Remove(4), 2);
  EXPECT_EQ(list.Remove(4), -1);
  EXPECT_EQ(list.last(), 2);
}

void AddPerson(TestTree& t, int n, const std::string& name, int position = -1) {
  LineNode* last = nullptr;
  IndividualRecord* r = t.store.CreateIndividual(n);
  r->lines = t.store.AppendLine(&last, "0 " + MakeXref('I', n) + " INDI");
  t.store.AppendLine(&last, "1 NAME " + name);
  r->listPos = position;
  if (n > t.store.highest_individual()) t.store.set_highest_individual(n);
}

// A new tree of individuals 1, 2, ... with the given names and saved list positions.
void AddPeople(TestTree& t, const std::vector<std::pair<std::string, int>>& people) {
  t.store.NewEmptyTree(false);
  int n = 0;
  for (const auto& [name, position] : people) AddPerson(t, ++n, name, position);
}

TEST(BuildSearchList, SameNamesAreOrderedByTheirNumbersAsText) {
  TestTree t;
  AddPeople(t, std::vector<std::pair<std::string, int>>(12, {"John /Smith/", -1}));
  BuildIndividualSearchList(t.store, 1);
  // ")" sorts before the digits, so "(1)" leads "(10)" and "(12)" leads "(2)".
  EXPECT_EQ(Order(t.store.individual_search_list()),
            (std::vector<int>{1, 10, 11, 12, 2, 3, 4, 5, 6, 7, 8, 9}));
  ASSERT_FALSE(t.ui.progress_texts().empty());
  EXPECT_EQ(t.ui.progress_texts().front(), "Initializing Search List      Individual: 1");
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
  // Records 3 and 4 arrive by a merge.
  AddPerson(t, 3, "Zed /Adams/");
  AddPerson(t, 4, "Al /Adams/");
  BuildIndividualSearchList(t.store, 3);
  EXPECT_EQ(Order(t.store.individual_search_list()), (std::vector<int>{4, 2, 3, 1}));
}

}  // namespace
}  // namespace kinloom::store
