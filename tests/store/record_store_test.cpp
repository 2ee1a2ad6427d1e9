#include "store/record_store.h"

#include <gtest/gtest.h>

#include "store/line_search.h"
#include "store/names.h"
#include "store/search_lists.h"
#include "store/stamp.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::RecordLines;
using testing::Split;
using testing::TestTree;
using Lines = std::vector<std::string>;

// Files individual n with the given lines after its level-0 line; returns its first line.
LineNode* AddPerson(RecordStore& store, int n, const Lines& lines) {
  LineNode* last = nullptr;
  IndividualRecord* r = store.CreateIndividual(n);
  r->lines = store.AppendLine(&last, "0 " + MakeXref('I', n) + " INDI");
  for (const auto& line : lines) store.AppendLine(&last, line);
  if (n > store.highest_individual()) store.set_highest_individual(n);
  return r->lines;
}

TEST(NewEmptyTree, StarterTreeHasOnePersonTheMarkerFamilyAndBothPlaceholders) {
  TestTree t;
  t.store.NewEmptyTree(true);
  EXPECT_EQ(t.store.highest_individual(), 1);
  EXPECT_EQ(t.store.highest_family(), 1);
  EXPECT_EQ(t.store.current_individual(), 1);
  EXPECT_EQ(t.store.home_person(), 1);
  EXPECT_TRUE(t.store.IsMarkerFamily(1));
  Lines starter;
  for (const LineNode* first :
       {t.store.individual(1)->lines, t.store.family(1)->lines, t.store.individual(0)->lines,
        t.store.family(0)->lines, t.store.other_records()}) {
    const Lines record = RecordLines(first);
    starter.insert(starter.end(), record.begin(), record.end());
  }
  EXPECT_EQ(
      starter,
      Split("0 @I000001@ INDI|1 NAME First Name /Last Name/|1 SEX M|1 CHAN|2 DATE 31 Dec 2002|"
            "0 @F000001@ FAM|1 SEX Z|1 CHAN|2 DATE 31 Dec 2002|"
            "0 @I000000@ INDI|1 NAME Unidentified /Individual/|1 SEX U|1 CHAN|"
            "2 DATE 31 Dec 2002|0 @F000000@ FAM|1 HUSB @I000000@|1 WIFE @I000000@|1 CHAN|"
            "2 DATE 31 Dec 2002|Empty Record"));
  ASSERT_EQ(t.store.individual_search_list().size(), 1);
  EXPECT_EQ(t.store.individual_search_list().at(0).view(), "Last Name, First Name (1)");
  ASSERT_EQ(t.store.family_search_list().size(), 1);
  EXPECT_EQ(t.store.family_search_list().at(0).view(), "No Parents  (1)");

  // Lookups outside the tables find no record.
  for (int n : {-1, 2, 5000000}) EXPECT_EQ(t.store.individual(n), nullptr) << n;
  EXPECT_EQ(t.store.family(-7), nullptr);
  EXPECT_EQ(t.store.source(0), nullptr);
  EXPECT_EQ(t.store.source(30000), nullptr);
  EXPECT_EQ(GivenNames(t.store, 99), "Invalid ID Number ");
  EXPECT_EQ(IndexName(t.store, 0), "Unknown Individual (0)");

  // Without the starter only the placeholders remain.
  t.store.NewEmptyTree(false);
  EXPECT_EQ(t.store.highest_individual(), 0);
  EXPECT_EQ(t.store.highest_family(), 0);
  EXPECT_EQ(t.store.individual(1), nullptr);
  EXPECT_NE(t.store.individual(0), nullptr);
  EXPECT_NE(t.store.family(0), nullptr);
  EXPECT_EQ(t.store.individual_search_list().size(), 0);
}

TEST(FreeTree, ShowsTheThreeCaptionsAndEmptiesEverything) {
  TestTree t;
  t.store.NewEmptyTree(true);
  t.store.FreeTree();
  const auto& captions = t.ui.progress_captions();
  ASSERT_GE(captions.size(), 3u);
  EXPECT_EQ(Lines(captions.end() - 3, captions.end()),
            (Lines{"Free Memory for Individual Records", "Free Memory for Family Records",
                   "Free Memory for Source Records"}));
  EXPECT_EQ(t.store.individual(0), nullptr);
  EXPECT_EQ(t.store.highest_individual(), 0);
  EXPECT_EQ(t.store.individual_search_list().last(), -1);
}

TEST(NewIndividual, TakesTheLowestFreeNumberAndStampsTheRecord) {
  TestTree t;
  t.store.NewEmptyTree(false);
  for (int i = 1; i <= 10; ++i) ASSERT_EQ(t.store.NewIndividual('M'), i);
  t.store.DeleteIndividual(5);
  t.store.set_tree_modified(false);
  EXPECT_EQ(t.store.NewIndividual('F'), 5);
  EXPECT_TRUE(t.store.tree_modified());
  EXPECT_EQ(t.store.highest_individual(), 10);
  EXPECT_EQ(RecordLines(t.store.individual(5)->lines),
            Split("0 @I000005@ INDI|1 NAME //|1 SEX F|1 CHAN|2 DATE  6 Dec 2026|3 TIME 09:05:07"));
  EXPECT_EQ(t.store.NewIndividual('U'), 11);
  EXPECT_EQ(t.store.highest_individual(), 11);
}

TEST(NewFamily, RemovesTheMarkerFamilyAndTakesNumberOne) {
  TestTree t;
  t.store.NewEmptyTree(true);
  EXPECT_EQ(t.store.NewFamily(0), 1);
  EXPECT_FALSE(t.store.IsMarkerFamily(1));
  EXPECT_EQ(t.store.family_search_list().size(), 0);
  EXPECT_EQ(RecordLines(t.store.family(1)->lines),
            (Lines{"0 @F000001@ FAM", "1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"}));
  EXPECT_EQ(t.store.NewFamily(0), 2);
  EXPECT_EQ(t.store.NewFamily(2), 2);   // an existing family is used as it is
  EXPECT_EQ(t.store.NewFamily(77), 0);  // a number that names no family

  t.store.NewEmptyTree(false);  // the reader adds the marker when no family was read
  t.store.AddPlaceholderFamily();
  EXPECT_EQ(t.store.highest_family(), 1);
  EXPECT_TRUE(t.store.IsMarkerFamily(1));
}

TEST(StampChanged, AppendsOrRenewsTheChangeLinesInPlace) {
  const std::pair<Lines, Lines> cases[] = {
      {{"1 NAME A /B/"}, {"1 NAME A /B/", "1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"}},
      {{"1 CHAN", "2 DATE 1 JAN 1999", "3 TIME 01:02:03", "1 NOTE after"},
       {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07", "1 NOTE after"}},
      // A bare CHAN followed by another level-1 line gets both sub-lines.
      {{"1 CHAN", "1 NOTE after"},
       {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07", "1 NOTE after"}},
  };
  for (const auto& [before, after] : cases) {
    TestTree t;
    t.store.NewEmptyTree(false);
    LineNode* first = AddPerson(t.store, 3, before);
    StampChanged(t.store, first);
    Lines expected = after;
    expected.insert(expected.begin(), "0 @I000003@ INDI");
    EXPECT_EQ(RecordLines(first), expected);
    EXPECT_TRUE(t.store.tree_modified());
  }
}

TEST(Names, KeysFollowTheIndexNameRules) {
  TestTree t;
  t.store.NewEmptyTree(false);
  AddPerson(t.store, 1, {"1 NAME John Paul  /Smith /"});
  AddPerson(t.store, 2, {"1 NAME /Jones/"});
  AddPerson(t.store, 3, {"1 NAME Mary //", "1 TITL Lady"});
  AddPerson(t.store, 4, {"1 NAME Ann /Lee/", "1 TITL "});  // an empty title is not appended
  AddPerson(t.store, 5, {"1 SEX M"});
  EXPECT_EQ(IndexName(t.store, 1), "Smith, John Paul (1)");
  EXPECT_EQ(GivenNames(t.store, 2), "Unknown");
  EXPECT_EQ(GivenNames(t.store, 2, true), "");
  EXPECT_EQ(Surname(t.store, 2), "Jones");
  EXPECT_EQ(IndexName(t.store, 3), "Lady, Mary (3)");
  EXPECT_EQ(IndexName(t.store, 4), "Lee, Ann (4)");
  EXPECT_EQ(IndexName(t.store, 5), "   (5)");  // two blanks, no given names, " (5)"

  LineNode* last = nullptr;
  t.store.CreateFamily(7)->lines = t.store.AppendLine(&last, "0 @F000007@ FAM");
  t.store.AppendLine(&last, "1 HUSB @I000001@");
  t.store.AppendLine(&last, "1 WIFE @I000002@");
  t.store.set_highest_family(7);
  EXPECT_EQ(FamilyKey(t.store, 7), "Smith, John Paul (1)  and  Jones, Unknown (2)  (7)");
  EXPECT_EQ(FamilyKey(t.store, 6), "Invalid Record  (6)");
}

}  // namespace
}  // namespace kinloom::store
