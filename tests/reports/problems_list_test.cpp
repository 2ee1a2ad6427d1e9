// The potential problems list: the modes and the Skip and Done marks, clearing every Skip, the
// saved file to the character, the printed pages and the summary.
#include "reports/problems_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/problems_file.h"
#include "reports/verifier.h"
#include "support/verifier_trees.h"

namespace kinloom::reports {
namespace {

using testing::TestTree;
using testing::TreeBuilder;
using Lines = std::vector<std::string>;

// Individual 1 has two dates in capitals (error 5 twice) and an invalid date (error 19);
// individual 2 one date in capitals; individual 3 nothing wrong.
class ProblemsListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TreeBuilder b;
    b.Person(1, "Ann /Hale/", "F")
        .Event(1, "BIRT", "1 JAN 1900")
        .Event(1, "DEAT", "2 FEB 1950")
        .Event(1, "BURI", "circa 1950");
    b.Person(2, "Bob /Hale/", "M").Event(2, "BIRT", "3 MAR 1898");
    b.Person(3, "Cy /Hale/", "M").Family(1, 2, 1, {3});
    b.Load(tree_);
  }

  TestTree tree_;
};

std::vector<std::string> Rows(const ProblemList& list) {
  std::vector<std::string> rows;
  for (size_t i = 0; i < list.size(); ++i) rows.push_back(ProblemLine(list, i));
  return rows;
}

ProblemList Verified(TestTree& t, bool complete) {
  VerifyOptions options;
  options.complete = complete;
  ProblemList list;
  RunVerifier(t.store, options, &list);
  return list;
}

TEST_F(ProblemsListTest, SkippedProblemsShowInTheCompleteModeOnly) {
  SetSkipFlag(*tree_.store.individual(1), 6, true);  // shared by errors 5 and 6
  EXPECT_EQ(Rows(Verified(tree_, false)),
            (Lines{"   1      1     Burial           Date is invalid date format",
                   "   2      2     Birth            Date is in all capitals format"}));
  EXPECT_EQ(Rows(Verified(tree_, true)),
            (Lines{"   1      1 x   Birth            Date is in all capitals format",
                   "   2      1 x   Death            Date is in all capitals format",
                   "   3      1     Burial           Date is invalid date format",
                   "   4      2     Birth            Date is in all capitals format"}));
}

TEST_F(ProblemsListTest, SkipMarksEveryRowOfThePersonAndErrorAndTheTree) {
  ProblemList list = Verified(tree_, true);
  tree_.store.set_tree_modified(false);
  EXPECT_EQ(list.ToggleSkip(tree_.store, 1), (std::vector<size_t>{0, 1}));
  EXPECT_TRUE(SkipFlag(*tree_.store.individual(1), 5));
  EXPECT_TRUE(tree_.store.tree_modified());
  EXPECT_EQ(ProblemList::MarkColumn(list.row(0).skip), " x");
  EXPECT_FALSE(list.row(2).skip);
  EXPECT_FALSE(list.row(3).skip);
  // Done is the list's own mark.
  list.ToggleDone(2);
  EXPECT_EQ(ProblemLine(list, 2), "   3      1   x Burial           Date is invalid date format");
  // A second toggle clears the mark again.
  EXPECT_EQ(list.ToggleSkip(tree_.store, 0), (std::vector<size_t>{0, 1}));
  EXPECT_FALSE(SkipFlag(*tree_.store.individual(1), 6));

  // A new run forgets Done; a record that is gone is not touched.
  list = Verified(tree_, true);
  EXPECT_FALSE(list.row(2).done);
  tree_.store.DeleteIndividual(2);
  tree_.store.set_tree_modified(false);
  EXPECT_TRUE(list.ToggleSkip(tree_.store, 3).empty());
  EXPECT_FALSE(tree_.store.tree_modified());
}

TEST_F(ProblemsListTest, UnSkipAllClearsRecordsNotListedToo) {
  SetSkipFlag(*tree_.store.individual(3), 37, true);
  SetSkipFlag(*tree_.store.individual(3), 2, true);
  ProblemList list = Verified(tree_, true);
  list.ToggleSkip(tree_.store, 0);
  tree_.store.set_tree_modified(false);
  list.UnSkipAll(tree_.store);
  for (int n : {1, 2, 3}) {
    EXPECT_EQ(tree_.store.individual(n)->skipFlags, 0);
    EXPECT_EQ(tree_.store.individual(n)->skipFlagsExt, 0u);
  }
  EXPECT_FALSE(list.row(0).skip);
  EXPECT_TRUE(tree_.store.tree_modified());
}

TEST_F(ProblemsListTest, SkipFlagsOfPairsAndSingles) {
  store::IndividualRecord r;
  SetSkipFlag(r, 3, true);
  SetSkipFlag(r, 37, true);
  SetSkipFlag(r, 7, true);
  EXPECT_EQ(r.skipFlags, 0x02);
  EXPECT_EQ(r.skipFlagsExt, 0x40000001u);
  EXPECT_TRUE(SkipFlag(r, 4));
  EXPECT_FALSE(SkipFlag(r, 5));
  EXPECT_FALSE(SkipFlag(r, 0));
  EXPECT_FALSE(SkipFlag(r, 38));
}

ProblemList SmallList(TestTree& t) {
  ProblemList list;
  list.Add(t.store, 5, 1, "BIRT");
  list.Add(t.store, kErrorDuplicate, 12, "", DuplicateDescription(12, 1));
  list.Add(t.store, 19, 2, "_MILT");
  list.ToggleDone(1);
  list.ToggleSkip(t.store, 0);
  return list;
}

TEST_F(ProblemsListTest, TheSavedFileToTheCharacter) {
  const ProblemList list = SmallList(tree_);
  EXPECT_EQ(ProblemsFileName("Hale Family", 7), "Problems_Hale Family_7.txt");
  EXPECT_EQ(ProblemsFileLines(list, "Hale", "6 December 2026"),
            (Lines{
                // The tree_'s name centred in 47 characters.
                "Potential Problems" + std::string(21, ' ') + "Hale" + std::string(22, ' ') +
                    "6 December 2026",
                "",
                "Line ID No. S D    Event            Description of Potential Problem",
                "---- ------ - - ---------------- -----------------------------------------------",
                "   1      1 x   Birth            Date is in all capitals format",
                "   2     12   x Duplicate Entry? ID No 000012 and 000001 could be same person",
                "   3      2     _MILT            Date is invalid date format",
                "---- ------ - - ---------------- -----------------------------------------------",
                "                S = Skip Record  D = Done - Problem Resolved",
            }));
  EXPECT_EQ(list.DuplicatePair(list.row(1)), (std::array<int, 2>{12, 1}));
  EXPECT_EQ(list.DuplicatePair(list.row(0)), (std::array<int, 2>{0, 0}));
  EXPECT_EQ(ProblemList::RecordColumn(list.row(1)), "  000012");
}

TEST_F(ProblemsListTest, PrintedPagesStartWithTheirHeading) {
  const ProblemList list = SmallList(tree_);
  const auto pages = ProblemsPrintPages(list, "Hale", "6 December 2026", 2);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].size(), 7u);
  EXPECT_EQ(pages[0][0], "Family: Hale");
  EXPECT_EQ(pages[1][1], "6 December 2026  --  Page: 2");
  EXPECT_EQ(pages[1][5], ProblemLine(list, 2));
  EXPECT_EQ(pages[1].back(), "                S = Skip Record  D = Done - Problem Resolved");
}

TEST_F(ProblemsListTest, SummaryLines) {
  VerifyOptions options;
  options.settings.death_age = 95;
  ProblemList list;
  RunVerifier(tree_.store, options, &list);
  const Lines lines = SummaryLines(list.counts(), list.total(), list.descriptions());
  const std::string dashes(62, '-');
  EXPECT_EQ(lines,
            (Lines{"         *** 4 Potential Problems Found ***", dashes,
                   "003 - Date is in all capitals format", "001 - Date is invalid date format",
                   dashes, "    \"Potential Problems List\" window will open next"}));
  EXPECT_EQ(list.descriptions()[7], "Death after age of 95");
  EXPECT_EQ(SummaryText({"a", "b"}), "a\n\rb\n\r");

  ProblemList none;
  EXPECT_EQ(SummaryLines(none.counts(), 0, none.descriptions()),
            (Lines{"         *** 0 Potential Problems Found ***", dashes,
                   " Verifying Completed -- No Potential Problem Found", dashes}));
}

TEST_F(ProblemsListTest, MarriageRowsAndLostNumbers) {
  for (const char* event :
       {"Marriage", "Mar. Contract", "Annulment", "Divorced", "Engagement", "Spouse Sealing"}) {
    EXPECT_TRUE(IsMarriageEvent(event)) << event;
  }
  for (const char* event : {"Birth", "Ma", "Child", "Duplicate Entry?"}) {
    EXPECT_FALSE(IsMarriageEvent(event)) << event;
  }
  EXPECT_EQ(InvalidNumberText(42),
            "Id No: 42\n\nThis number is no longer in use\nfor any Individual Record.");
}

}  // namespace
}  // namespace kinloom::reports
