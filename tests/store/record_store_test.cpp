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
using testing::TestTree;
using Lines = std::vector<std::string>;

TEST(NewEmptyTree, StarterTreeHasOnePersonTheMarkerFamilyAndBothPlaceholders) {
  TestTree t;
  t.store.NewEmptyTree(true);
  EXPECT_EQ(t.store.highest_individual(), 1);
  EXPECT_EQ(t.store.highest_family(), 1);
  EXPECT_EQ(t.store.current_individual(), 1);
  EXPECT_EQ(t.store.home_person(), 1);
  EXPECT_EQ(RecordLines(t.store.individual(1)->lines),
            (Lines{"0 @I000001@ INDI", "1 NAME First Name /Last Name/", "1 SEX M", "1 CHAN",
                   "2 DATE 31 Dec 2002"}));
  EXPECT_TRUE(t.store.IsMarkerFamily(1));
  EXPECT_EQ(RecordLines(t.store.individual(0)->lines),
            (Lines{"0 @I000000@ INDI", "1 NAME Unidentified /Individual/", "1 SEX U", "1 CHAN",
                   "2 DATE 31 Dec 2002"}));
  EXPECT_EQ(RecordLines(t.store.family(0)->lines),
            (Lines{"0 @F000000@ FAM", "1 HUSB @I000000@", "1 WIFE @I000000@", "1 CHAN",
                   "2 DATE 31 Dec 2002"}));
  EXPECT_EQ(RecordLines(t.store.other_records()), Lines{"Empty Record"});
  ASSERT_EQ(t.store.individual_search_list().size(), 1);
  EXPECT_EQ(t.store.individual_search_list().at(0).view(), "Last Name, First Name (1)");
  ASSERT_EQ(t.store.family_search_list().size(), 1);
  EXPECT_EQ(t.store.family_search_list().at(0).view(), "No Parents  (1)");
}

TEST(NewEmptyTree, WithoutStarterHasOnlyPlaceholders) {
  TestTree t;
  t.store.NewEmptyTree(true);
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
  t.ui.progress_captions();
  t.store.FreeTree();
  const auto& captions = t.ui.progress_captions();
  ASSERT_GE(captions.size(), 3u);
  EXPECT_EQ(captions[captions.size() - 3], "Free Memory for Individual Records");
  EXPECT_EQ(captions[captions.size() - 2], "Free Memory for Family Records");
  EXPECT_EQ(captions[captions.size() - 1], "Free Memory for Source Records");
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
            (Lines{"0 @I000005@ INDI", "1 NAME //", "1 SEX F", "1 CHAN", "2 DATE  6 Dec 2026",
                   "3 TIME 09:05:07"}));
  EXPECT_EQ(t.store.NewIndividual('U'), 11);
  EXPECT_EQ(t.store.highest_individual(), 11);
}

TEST(NewFamily, RemovesTheMarkerFamilyAndTakesNumberOne) {
  TestTree t;
  t.store.NewEmptyTree(true);
  ASSERT_EQ(t.store.family_search_list().size(), 1);
  EXPECT_EQ(t.store.NewFamily(0), 1);
  EXPECT_FALSE(t.store.IsMarkerFamily(1));
  EXPECT_EQ(t.store.family_search_list().size(), 0);
  EXPECT_EQ(RecordLines(t.store.family(1)->lines),
            (Lines{"0 @F000001@ FAM", "1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"}));
  EXPECT_EQ(t.store.NewFamily(0), 2);
  EXPECT_EQ(t.store.NewFamily(2), 2);   // an existing family is used as it is
  EXPECT_EQ(t.store.NewFamily(77), 0);  // a number that names no family
}

TEST(NewFamily, MarkerSurvivesOnlyWhileNoRealFamilyExists) {
  TestTree t;
  t.store.NewEmptyTree(false);
  t.store.AddPlaceholderFamily();
  EXPECT_EQ(t.store.highest_family(), 1);
  EXPECT_TRUE(t.store.IsMarkerFamily(1));
  EXPECT_EQ(RecordLines(t.store.family(1)->lines),
            (Lines{"0 @F000001@ FAM", "1 SEX Z", "1 CHAN", "2 DATE 31 Dec 2002"}));
}

TEST(Lookups, NumbersOutsideTheTablesAreNoRecord) {
  TestTree t;
  t.store.NewEmptyTree(true);
  EXPECT_EQ(t.store.individual(-1), nullptr);
  EXPECT_EQ(t.store.individual(2), nullptr);
  EXPECT_EQ(t.store.individual(5000000), nullptr);
  EXPECT_EQ(t.store.family(-7), nullptr);
  EXPECT_EQ(t.store.source(0), nullptr);
  EXPECT_EQ(t.store.source(30000), nullptr);
  EXPECT_EQ(GivenNames(t.store, 99), "Invalid ID Number ");
  EXPECT_EQ(IndexName(t.store, 0), "Unknown Individual (0)");
}

TEST(StampChanged, AppendsThreeLinesToARecordWithoutChan) {
  TestTree t;
  t.store.NewEmptyTree(false);
  LineNode* last = nullptr;
  IndividualRecord* r = t.store.CreateIndividual(3);
  r->lines = t.store.AppendLine(&last, "0 @I000003@ INDI");
  t.store.AppendLine(&last, "1 NAME A /B/");
  StampChanged(t.store, r->lines);
  EXPECT_EQ(RecordLines(r->lines), (Lines{"0 @I000003@ INDI", "1 NAME A /B/", "1 CHAN",
                                          "2 DATE  6 Dec 2026", "3 TIME 09:05:07"}));
  EXPECT_TRUE(t.store.tree_modified());
}

TEST(StampChanged, RenewsDateAndTimeInPlaceAndAddsWhatIsMissing) {
  TestTree t;
  t.store.NewEmptyTree(false);
  LineNode* last = nullptr;
  IndividualRecord* r = t.store.CreateIndividual(3);
  r->lines = t.store.AppendLine(&last, "0 @I000003@ INDI");
  t.store.AppendLine(&last, "1 CHAN");
  t.store.AppendLine(&last, "2 DATE 1 JAN 1999");
  t.store.AppendLine(&last, "3 TIME 01:02:03");
  t.store.AppendLine(&last, "1 NOTE after");
  StampChanged(t.store, r->lines);
  EXPECT_EQ(RecordLines(r->lines), (Lines{"0 @I000003@ INDI", "1 CHAN", "2 DATE  6 Dec 2026",
                                          "3 TIME 09:05:07", "1 NOTE after"}));

  // A bare CHAN followed by another level-1 line gets both sub-lines.
  last = nullptr;
  IndividualRecord* bare = t.store.CreateIndividual(4);
  bare->lines = t.store.AppendLine(&last, "0 @I000004@ INDI");
  t.store.AppendLine(&last, "1 CHAN");
  t.store.AppendLine(&last, "1 NOTE after");
  StampChanged(t.store, bare->lines);
  EXPECT_EQ(RecordLines(bare->lines), (Lines{"0 @I000004@ INDI", "1 CHAN", "2 DATE  6 Dec 2026",
                                             "3 TIME 09:05:07", "1 NOTE after"}));
}

TEST(Names, KeysFollowTheIndexNameRules) {
  TestTree t;
  t.store.NewEmptyTree(false);
  auto person = [&t](int n, std::vector<std::string> lines) {
    LineNode* last = nullptr;
    IndividualRecord* r = t.store.CreateIndividual(n);
    r->lines = t.store.AppendLine(&last, "0 " + MakeXref('I', n) + " INDI");
    for (const auto& line : lines) t.store.AppendLine(&last, line);
    if (n > t.store.highest_individual()) t.store.set_highest_individual(n);
  };
  person(1, {"1 NAME John Paul  /Smith /"});
  person(2, {"1 NAME /Jones/"});
  person(3, {"1 NAME Mary //", "1 TITL Lady"});
  person(4, {"1 NAME Ann /Lee/", "1 TITL "});  // an empty title is not appended
  person(5, {"1 SEX M"});
  EXPECT_EQ(IndexName(t.store, 1), "Smith, John Paul (1)");
  EXPECT_EQ(GivenNames(t.store, 2), "Unknown");
  EXPECT_EQ(GivenNames(t.store, 2, true), "");
  EXPECT_EQ(Surname(t.store, 2), "Jones");
  EXPECT_EQ(IndexName(t.store, 3), "Lady, Mary (3)");
  EXPECT_EQ(IndexName(t.store, 4), "Lee, Ann (4)");
  EXPECT_EQ(IndexName(t.store, 5), "   (5)");  // two blanks, no given names, " (5)"

  LineNode* last = nullptr;
  FamilyRecord* f = t.store.CreateFamily(7);
  f->lines = t.store.AppendLine(&last, "0 @F000007@ FAM");
  t.store.AppendLine(&last, "1 HUSB @I000001@");
  t.store.AppendLine(&last, "1 WIFE @I000002@");
  t.store.set_highest_family(7);
  EXPECT_EQ(FamilyKey(t.store, 7), "Smith, John Paul (1)  and  Jones, Unknown (2)  (7)");
  EXPECT_EQ(FamilyKey(t.store, 6), "Invalid Record  (6)");
}

}  // namespace
}  // namespace kinloom::store
