// Merging two records of one person: the records afterwards, line for line, with the starting
// boxes and with boxes changed, and the merges that are refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/merge_boxes.h"
#include "core/merge_individuals.h"
#include "core/test_records.h"
#include "store/search_lists.h"
#include "support/tree_checks.h"

namespace kinloom::core {
namespace {

using namespace test_records;

class MergeTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(testing::CheckTree(tree_.store, true), ""); }

  MergeResult Merge(int first, int second, int kept_side = 0) {
    return MergeWithStartingBoxes(tree_.store, first, second, kept_side);
  }

  testing::TestTree tree_;
};

// John (1) and his double (2), both married to Mary (3) with a child each; the double also
// had a second wife Sue (6).
Records Doubles() {
  return {Person(1, "John /Smith/", 'M',
                 {"1 BIRT", "2 DATE 1 JAN 1900", "2 SOUR @S000001@", "3 PAGE 12", Fams(1),
                  "1 OCCU Farmer", "1 SOUR @S000001@", "1 NOTE Kept note"}),
          Person(2, "john /smith/", 'M',
                 {"1 BIRT", "2 DATE 1900", "2 PLAC Leeds", "2 SOUR @S000001@", "3 PAGE 12",
                  "1 DEAT", "2 DATE 1970", Fams(2), Fams(3), "1 OCCU Miner", "1 OBJE john.jpg",
                  "1 SOUR @S000002@", "1 NOTE Other", "2 CONT note"}),
          Person(3, "Mary /Jones/", 'F', {Fams(1), Fams(2)}),
          Person(4, "Tom /Smith/", 'M', {Famc(1)}),
          Person(5, "Ann /Smith/", 'F', {Famc(2), "2 PEDI Adopted"}),
          Person(6, "Sue /Brown/", 'F', {Fams(3)}),
          Family(1, {Husb(1), Wife(3), "1 MARR", "2 DATE 1925", Chil(4)}),
          Family(2, {Husb(2), Wife(3), "1 MARR", "2 PLAC York", Chil(5), "1 NOTE Wed in York"}),
          Family(3, {Husb(2), Wife(6)})};
}

TEST_F(MergeTest, StartingBoxesKeepEverythingBothRecordsHold) {
  Load(tree_, Doubles());
  tree_.store.family(2)->hideFlags = store::kHidePlaces;
  const MergeResult result = Merge(1, 2);
  EXPECT_TRUE(result.merged);
  EXPECT_EQ(result.kept, 1);
  EXPECT_EQ(result.discarded, 2);
  EXPECT_EQ(tree_.store.individual(2), nullptr);
  EXPECT_EQ(Indi(tree_, 1),
            Stamped(testing::Split("0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 BIRT|"
                                   "2 DATE 1 JAN 1900|2 PLAC Leeds|2 SOUR @S000001@|3 PAGE 12|"
                                   "1 DEAT|2 DATE 1970|1 FAMS @F000001@|1 FAMS @F000003@|"
                                   "1 OCCU Farmer|1 SOUR @S000001@|1 SOUR @S000002@|"
                                   "1 NOTE Kept note|2 CONT|2 CONT Other|2 CONT note|"
                                   "1 OBJE john.jpg")));
  // One family with both children, each pointing at it; the other family is gone.
  EXPECT_EQ(Fam(tree_, 1), Stamped({"0 @F000001@ FAM", Husb(1), Wife(3), "1 MARR", "2 DATE 1925",
                                    "2 PLAC York", "1 NOTE Wed in York", Chil(4), Chil(5)}));
  EXPECT_EQ(tree_.store.family(2), nullptr);
  EXPECT_EQ(tree_.store.family(1)->hideFlags, store::kHidePlaces);
  EXPECT_EQ(Indi(tree_, 5), Stamped({"0 @I000005@ INDI", "1 NAME Ann /Smith/", "1 SEX F", Famc(1),
                                     "2 PEDI Adopted"}));
  EXPECT_EQ(Fam(tree_, 3), Stamped({"0 @F000003@ FAM", Husb(1), Wife(6)}));
  EXPECT_EQ(Indi(tree_, 3),
            Stamped({"0 @I000003@ INDI", "1 NAME Mary /Jones/", "1 SEX F", Fams(1)}));
  EXPECT_TRUE(tree_.store.tree_modified());
}

TEST_F(MergeTest, ChangedBoxesDecideWhichValuesAndNotesSurvive) {
  Load(tree_, Doubles());
  MergeBoxState state = BuildMergeBoxState(tree_.store, 1, 2);
  Box1_3_Click(state, 6, 1, true);    // the double's birth date
  Box1_3_Click(state, 14, 1, true);   // and occupation
  Box2_4_Click(state, 39, 1, false);  // not the place of the marriage
  Box1_3_Click(state, 10, 1, false);  // no death: the kept side has none to take its place
  ASSERT_TRUE(MergeIndividuals(tree_.store, state).merged);
  // The kept birth citation stays: the same one came along with the date taken.
  EXPECT_EQ(Indi(tree_, 1),
            Stamped({"0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M", "1 BIRT", "2 DATE 1900",
                     "2 PLAC Leeds", "2 SOUR @S000001@", "3 PAGE 12", Fams(1), Fams(3),
                     "1 OCCU Miner", "1 SOUR @S000001@", "1 SOUR @S000002@", "1 NOTE Kept note",
                     "2 CONT", "2 CONT Other", "2 CONT note", "1 OBJE john.jpg"}));
  EXPECT_EQ(Fam(tree_, 1), Stamped({"0 @F000001@ FAM", Husb(1), Wife(3), "1 MARR", "2 DATE 1925",
                                    "1 NOTE Wed in York", Chil(4), Chil(5)}));
}

// Each birth is written as the lines below its "1 BIRT", with "|" between them.
TEST_F(MergeTest, CitationsFollowTheDetailsTheySupport) {
  const char* kept_birth = "2 DATE 1900|2 SOUR @S000001@";
  const struct {
    const char* what;
    const char *kept, *gone;
    int click_row;  // a value box of the discarded side to check; 0 none
    const char* after;
  } cases[] = {
      {"a kept citation under a bare event stays when date and place come", "2 SOUR @S000001@",
       "2 DATE 1900|2 PLAC Leeds|2 SOUR @S000002@", 0,
       "2 DATE 1900|2 PLAC Leeds|2 SOUR @S000001@|2 SOUR @S000002@"},
      {"the discarded citation of the same date comes along", kept_birth,
       "2 DATE 1900|2 SOUR @S000002@", 0, "2 DATE 1900|2 SOUR @S000001@|2 SOUR @S000002@"},
      {"a citation of a date not taken stays behind", kept_birth, "2 DATE 1901|2 SOUR @S000002@", 0,
       kept_birth},
      {"a replaced date takes its citation with it", kept_birth, "2 DATE 1901|2 SOUR @S000002@", 6,
       "2 DATE 1901|2 SOUR @S000002@"},
      {"a kept note keeps the citation", "2 DATE 1900|2 SOUR @S000001@|2 NOTE seen",
       "2 DATE 1901|2 SOUR @S000002@", 6,
       "2 DATE 1901|2 SOUR @S000001@|2 SOUR @S000002@|2 NOTE seen"},
      {"the same citation is not doubled", kept_birth, kept_birth, 0, kept_birth},
      {"the same source on another page is another citation",
       "2 DATE 1900|2 SOUR @S000001@|3 PAGE 4", "2 DATE 1900|2 SOUR @S000001@|3 PAGE 5", 0,
       "2 DATE 1900|2 SOUR @S000001@|3 PAGE 4|2 SOUR @S000001@|3 PAGE 5"},
  };
  const auto birth = [](const char* lines) { return Join({"1 BIRT"}, testing::Split(lines)); };
  for (const auto& c : cases) {
    testing::TestTree tree;
    Load(tree,
         {Person(1, "Al /Ray/", 'M', birth(c.kept)), Person(2, "Al /Ray/", 'M', birth(c.gone))});
    MergeBoxState state = BuildMergeBoxState(tree.store, 1, 2);
    if (c.click_row != 0) Box1_3_Click(state, c.click_row, 1, true);
    ASSERT_TRUE(MergeIndividuals(tree.store, state).merged) << c.what;
    EXPECT_EQ(Indi(tree, 1),
              Stamped(Join({"0 @I000001@ INDI", "1 NAME Al /Ray/", "1 SEX M"}, birth(c.after))))
        << c.what;
    EXPECT_EQ(testing::CheckTree(tree.store, true), "") << c.what;
  }
  Load(tree_, {});
}

TEST_F(MergeTest, LinesNoBoxDecidesOnComeAlong) {
  Load(tree_, {Person(1, "Al /Ray/", 'M',
                      {"1 DEAT", "2 AGE 70", "1 OCCU Miller", "1 OBJE al.jpg", "1 NOTE Same",
                       "2 CONT text", "1 _FLAG x"}),
               Person(2, "Al /Ray/", 'M',
                      {"1 DEAT", "2 DATE 1900", "2 AGE 71", "2 CAUS Fever", "2 NOTE Ill",
                       "2 NOTE Long ill", "1 OCCU Baker", "1 OCCU Smith", "1 OBJE al.jpg",
                       "1 NOTE Same", "2 CONT text", "1 _FLAG y"})});
  Merge(1, 2);
  // The kept age wins; the cause and the second note have no counterpart; the first
  // occupation is the row's, the second one is another line; the same picture and the same
  // note are not doubled.
  EXPECT_EQ(Indi(tree_, 1), Stamped({"0 @I000001@ INDI", "1 NAME Al /Ray/", "1 SEX M", "1 DEAT",
                                     "2 DATE 1900", "2 NOTE Ill", "2 NOTE Long ill", "2 CAUS Fever",
                                     "2 AGE 70", "1 OCCU Miller", "1 OCCU Smith", "1 OBJE al.jpg",
                                     "1 NOTE Same", "2 CONT text", "1 _FLAG x", "1 _FLAG y"}));
}

TEST_F(MergeTest, NameIsRebuiltInTheStandardForm) {
  const struct {
    const char* kept;
    const char* gone;
    bool take_given, take_surname;
    const char* name;
  } cases[] = {
      {"John /Smith/", "Johann /Schmidt/ Jr", false, true, "John /Schmidt/ Jr"},
      {"  John  / Smith /", "Johann /Schmidt/", false, false, "John /Smith/"},
      {"John //", "Johann /Schmidt/", false, false, "John /Schmidt/"},
      {"  /Smith/", " Johann  /Schmidt/", true, false, "Johann /Smith/"},
      {"John", "Johnny", false, false, "John //"},
  };
  for (const auto& c : cases) {
    testing::TestTree tree;
    Load(tree, {Person(1, c.kept, 'M'), Person(2, c.gone, 'M')});
    MergeBoxState state = BuildMergeBoxState(tree.store, 1, 2);
    if (c.take_surname) Box2_4_Click(state, 1, 1, true);
    EXPECT_EQ(state.Row(1).sides[1].value_box.checked, c.take_given) << c.kept;
    ASSERT_TRUE(MergeIndividuals(tree.store, state).merged);
    EXPECT_EQ(Indi(tree, 1)[1], std::string("1 NAME ") + c.name) << c.kept;
    EXPECT_EQ(testing::CheckTree(tree.store, true), "") << c.kept;
  }
  Load(tree_, {});
}

TEST_F(MergeTest, AChildOfBothMarriagesIsNotDoubled) {
  Load(tree_, {Person(1, "Ed /Day/", 'M', {Fams(1)}), Person(2, "Ed /Day/", 'M', {Fams(2)}),
               Person(3, "Ann /Day/", 'F', {Fams(1), Fams(2)}),
               Person(4, "Bo /Day/", 'M', {Famc(1), Famc(2), "2 PEDI Adopted"}),
               Family(1, {Husb(1), Wife(3), Chil(4)}), Family(2, {Husb(2), Wife(3), Chil(4)})});
  Merge(1, 2);
  EXPECT_EQ(Fam(tree_, 1), Stamped({"0 @F000001@ FAM", Husb(1), Wife(3), Chil(4)}));
  EXPECT_EQ(Indi(tree_, 4), Stamped({"0 @I000004@ INDI", "1 NAME Bo /Day/", "1 SEX M", Famc(1)}));
  EXPECT_EQ(tree_.store.family(2), nullptr);
}

TEST_F(MergeTest, EveryMarriageMovesHoweverManyThereAre) {
  Records records = {Person(1, "Ed /Day/", 'M')};
  Lines marriages;
  for (int f = 1; f <= 120; ++f) {
    marriages.push_back(Fams(f));
    records.push_back(Person(100 + f, "Wife /Day/", 'F', {Fams(f)}));
    records.push_back(Family(f, {Husb(2), Wife(100 + f)}));
  }
  records.push_back(Person(2, "Ed /Day/", 'M', marriages));
  Load(tree_, records);
  ASSERT_EQ(BuildMergeBoxState(tree_.store, 1, 2).marriages.size(), 120u);
  Merge(1, 2);
  EXPECT_EQ(Indi(tree_, 1),
            Stamped(Join({"0 @I000001@ INDI", "1 NAME Ed /Day/", "1 SEX M"}, marriages)));
}

TEST_F(MergeTest, KeepingTheSecondKeepsItsNumberAndParents) {
  Load(tree_, {Person(1, "Tom /Day/", 'M', {Famc(1)}), Person(2, "Tom /Day/", 'M', {Famc(2)}),
               Person(3, "Ed /Day/", 'M', {Fams(1)}), Person(4, "Al /Day/", 'M', {Fams(2)}),
               Family(1, {Husb(3), Chil(1)}), Family(2, {Husb(4), Chil(2)})});
  const MergeResult result = Merge(1, 2, 1);
  EXPECT_EQ(result.kept, 2);
  EXPECT_EQ(Indi(tree_, 2), Stamped({"0 @I000002@ INDI", "1 NAME Tom /Day/", "1 SEX M", Famc(2)}));
  EXPECT_EQ(tree_.store.family(1), nullptr);  // left with a father and no child
}

TEST_F(MergeTest, AKeptPersonWithoutParentsTakesTheDiscardedOnesParents) {
  Load(tree_, {Person(1, "Tom /Day/", 'M'), Person(2, "Tom /Day/", 'M', {Famc(1), "2 PEDI Foster"}),
               Person(3, "Ed /Day/", 'M', {Fams(1)}), Family(1, {Husb(3), Chil(2)})});
  Merge(1, 2);
  EXPECT_EQ(Indi(tree_, 1),
            Stamped({"0 @I000001@ INDI", "1 NAME Tom /Day/", "1 SEX M", Famc(1), "2 PEDI Foster"}));
  EXPECT_EQ(Fam(tree_, 1), Stamped({"0 @F000001@ FAM", Husb(3), Chil(1)}));
}

TEST_F(MergeTest, MarriageOfTheDiscardedAloneMovesToTheKept) {
  Load(tree_, {Person(1, "Ann /Day/", 'F', {"1 OCCU Nurse"}),
               Person(2, "Ann /Day/", 'F', {Fams(1)}), Person(3, "Ed /Ray/", 'M', {Fams(1)}),
               Person(4, "Bo /Ray/", 'M', {Famc(1)}), Family(1, {Husb(3), Wife(2), Chil(4)})});
  Merge(1, 2);
  EXPECT_EQ(Indi(tree_, 1),
            Stamped({"0 @I000001@ INDI", "1 NAME Ann /Day/", "1 SEX F", Fams(1), "1 OCCU Nurse"}));
  EXPECT_EQ(Fam(tree_, 1), Stamped({"0 @F000001@ FAM", Husb(3), Wife(1), Chil(4)}));
  EXPECT_EQ(tree_.store.family_search_list().at(0).view(), "Ray, Ed (3)  and  Day, Ann (1)  (1)");
}

TEST_F(MergeTest, FlagsAndPlacesOfTheDiscardedPassToTheKept) {
  Load(tree_,
       {Person(1, "Tom /Day/", 'M'), Person(2, "Tom /Day/", 'M'), Person(3, "Al /Ray/", 'M')});
  store::IndividualRecord* kept = tree_.store.individual(1);
  store::IndividualRecord* gone = tree_.store.individual(2);
  kept->hideFlags = store::kHideSsn;
  gone->hideFlags = store::kHideNotes;
  gone->markFlags = store::kMarkVisit;
  gone->skipFlags = 0x04;
  gone->skipFlagsExt = 0x100;
  gone->listBits[0] = 0x03;
  gone->listBits[2] = 0x10;
  kept->todoText.Set("Find the will");
  gone->todoText.Set("Ask aunt May");
  tree_.store.set_home_person(2);
  tree_.store.set_current_individual(2);
  tree_.store.history()[0] = 3;
  tree_.store.history()[1] = 2;
  Merge(1, 2);
  EXPECT_EQ((std::vector<long long>{kept->hideFlags, kept->markFlags, kept->skipFlags,
                                    kept->skipFlagsExt, kept->listBits[0], kept->listBits[2]}),
            (std::vector<long long>{store::kHideSsn | store::kHideNotes, store::kMarkVisit, 0x04,
                                    0x100, 0x03, 0x10}));
  EXPECT_EQ(kept->todoText.view(), "Find the will / Ask aunt May");
  EXPECT_EQ((std::vector<int>{tree_.store.home_person(), tree_.store.current_individual(),
                              tree_.store.history()[0], tree_.store.history()[1]}),
            (std::vector<int>{1, 1, 3, 1}));
}

TEST_F(MergeTest, RefusedMergesSayWhyAndChangeNothing) {
  Load(tree_,
       {Person(1, "Ed /Day/", 'M', {Fams(1)}), Person(2, "Ann /Day/", 'F', {Fams(1)}),
        Person(3, "Tom /Day/", 'M', {Famc(1), Fams(2)}), Person(4, "Bo /Day/", 'M', {Famc(2)}),
        Family(1, {Husb(1), Wife(2), Chil(3)}), Family(2, {Husb(3), Chil(4)})});
  const auto before = Snapshot(tree_);
  const struct {
    int first, second;
    const char* why;
  } cases[] = {
      {1, 3,
       "Cannot merge:  Ed Day (1)\nwith:  Tom Day (3)\nbecause one is a parent of the other."},
      {4, 2,
       "Cannot merge:  Bo Day (4)\nwith:  Ann Day (2)\nbecause one is an ancestor of the other."},
      {2, 1,
       "Cannot merge:  Ann Day (2)\nwith:  Ed Day (1)\nbecause they are married to each other."},
      {3, 3, "Both numbers name the same individual."},
      {3, 9, "There is no individual with the number 9."},
      {0, 3, "There is no individual with the number 0."},  // the placeholder
  };
  for (const auto& c : cases) {
    tree_.ui.ClearRecords();
    EXPECT_EQ(MergeRefusal(tree_.store, c.first, c.second), c.why);
    EXPECT_FALSE(Merge(c.first, c.second).merged);
    ASSERT_EQ(tree_.ui.records().size(), 1u);
    EXPECT_EQ(tree_.ui.records()[0].caption, kMergeRefusedCaption);
    EXPECT_EQ(tree_.ui.records()[0].text, c.why);
    EXPECT_EQ(Snapshot(tree_), before);
    EXPECT_FALSE(tree_.store.tree_modified());
  }
}

TEST_F(MergeTest, RowsTakenFromTheDiscardedSideAreListed) {
  Load(tree_, Doubles());
  const MergeBoxState state = BuildMergeBoxState(tree_.store, 1, 2);
  EXPECT_EQ(RowsFromDiscarded(state),
            (std::vector<std::string>{"1 BIRT place Leeds", "1 DEAT date 1970",
                                      "@F000001@ 1 MARR place York"}));
}

}  // namespace
}  // namespace kinloom::core
