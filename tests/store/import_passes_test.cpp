#include "store/import_passes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::RecordLines;
using testing::TestTree;
using Lines = std::vector<std::string>;

const Lines kFreshStamp = {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"};

Lines Stamped(Lines lines) {
  lines.insert(lines.end(), kFreshStamp.begin(), kFreshStamp.end());
  return lines;
}

// A tree holding only the two placeholders, as the reader starts a foreign file.
struct ImportTree {
  ImportTree() { t.store.NewEmptyTree(false); }

  LineNode* Chain(const Lines& lines) {
    LineNode* first = nullptr;
    LineNode* last = nullptr;
    for (const auto& text : lines) {
      LineNode* line = t.store.AppendLine(&last, text);
      if (first == nullptr) first = line;
    }
    return first;
  }
  LineNode* Person(int n, const Lines& lines) {
    t.store.CreateIndividual(n)->lines = Chain(lines);
    if (n > t.store.highest_individual()) t.store.set_highest_individual(n);
    return t.store.individual(n)->lines;
  }
  LineNode* Family(int n, const Lines& lines) {
    t.store.CreateFamily(n)->lines = Chain(lines);
    if (n > t.store.highest_family()) t.store.set_highest_family(n);
    return t.store.family(n)->lines;
  }
  LineNode* Source(int n, const Lines& lines) {
    t.store.SetSource(n, Chain(lines));
    if (n > t.store.highest_source()) t.store.set_highest_source(n);
    return t.store.source(n);
  }
  void Note(const Lines& lines) { t.store.note_records().push_back(Chain(lines)); }

  Lines PersonLines(int n) const { return RecordLines(t.store.individual(n)->lines); }
  Lines FamilyLines(int n) const { return RecordLines(t.store.family(n)->lines); }
  Lines SourceLines(int n) const { return RecordLines(t.store.source(n)); }

  TestTree t;
};

// One foreign individual cleaned by RemoveUnusedTags; returns its lines.
Lines CleanPerson(const Lines& lines) {
  ImportTree tree;
  Lines all = {"0 @I1@ INDI"};
  all.insert(all.end(), lines.begin(), lines.end());
  tree.Person(1, all);
  RemoveUnusedTags(tree.t.store);
  Lines result = tree.PersonLines(1);
  result.erase(result.begin());
  return result;
}

TEST(RemoveUnusedTagsIndividual, UnknownLevel1TagGoesWithItsSubLinesAndStampsTheRecord) {
  EXPECT_EQ(CleanPerson({"1 NAME A /B/", "1 EVEN", "2 DATE 1900", "2 TYPE Fair", "1 SEX M"}),
            Stamped({"1 NAME A /B/", "1 SEX M"}));
}

TEST(RemoveUnusedTagsIndividual, RecordThatLosesNothingGetsNoStamp) {
  const Lines kept = {"1 NAME A /B/", "1 SEX F", "1 BIRT", "2 DATE 1 JAN 1900", "3 TIME 10:00"};
  EXPECT_EQ(CleanPerson(kept), kept);
}

TEST(RemoveUnusedTagsIndividual, Level2And3ListsAndDeeperLinesKept) {
  EXPECT_EQ(
      CleanPerson({"1 NAME A /B/", "2 GIVN A", "2 SURN B", "1 BIRT", "2 SOUR @S1@", "3 PAGE 5",
                   "3 DATA", "4 TEXT gone", "3 NOTE n", "4 CONT kept"}),
      Stamped({"1 NAME A /B/", "1 BIRT", "2 SOUR @S1@", "3 PAGE 5", "3 NOTE n", "4 CONT kept"}));
}

TEST(RemoveUnusedTagsIndividual, SecondNameWithoutAliasBecomesTheAlias) {
  EXPECT_EQ(CleanPerson({"1 NAME A /B/", "1 NAME C /D/", "1 SEX M"}),
            (Lines{"1 NAME A /B/", "1 ALIA C /D/", "1 SEX M"}));
}

TEST(RemoveUnusedTagsIndividual, SecondNameWithAliasKeepsTheLongerNameOnly) {
  EXPECT_EQ(CleanPerson({"1 NAME Al /B/", "1 NAME Alfred /B/", "1 ALIA Fred"}),
            Stamped({"1 NAME Alfred /B/", "1 ALIA Fred"}));
  EXPECT_EQ(CleanPerson({"1 ALIA Fred", "1 NAME Alfred /B/", "1 NAME Al /B/"}),
            Stamped({"1 ALIA Fred", "1 NAME Alfred /B/"}));
}

TEST(RemoveUnusedTagsIndividual, EmptyNameAndDeathWithYesAreNormalised) {
  EXPECT_EQ(CleanPerson({"1 NAME", "1 DEAT Y", "2 DATE 1950"}),
            (Lines{"1 NAME //", "1 DEAT", "2 DATE 1950"}));
}

TEST(RemoveUnusedTagsIndividual, ValuedResidenceBecomesAPlaceWithItsDateJoined) {
  EXPECT_EQ(CleanPerson({"1 RESI Main St", "2 DATE 1900", "1 SEX M"}),
            Stamped({"1 RESI", "2 PLAC Main St, 1900", "1 SEX M"}));
}

TEST(RemoveUnusedTagsIndividual, ValuedAddressJoinsAllDatesBeforeAllPlaces) {
  EXPECT_EQ(
      CleanPerson({"1 ADDR 5 Elm", "2 PLAC Leeds", "2 DATE 1900", "2 SOUR @S1@", "2 DATE 1901"}),
      Stamped({"1 RESI", "2 PLAC 5 Elm, 1900, 1901, Leeds", "2 SOUR @S1@"}));
}

TEST(RemoveUnusedTagsIndividual, EmptyResidenceIsLeftAlone) {
  EXPECT_EQ(CleanPerson({"1 RESI", "2 DATE 1900", "2 PLAC York"}),
            (Lines{"1 RESI", "2 DATE 1900", "2 PLAC York"}));
}

TEST(RemoveUnusedTagsIndividual, OccupationWithoutValueTakesItsDateAndPlace) {
  EXPECT_EQ(CleanPerson({"1 OCCU", "2 PLAC Leeds", "2 DATE 1900", "1 EDUC Oxford", "2 DATE 1890"}),
            Stamped({"1 OCCU 1900, Leeds", "1 EDUC Oxford", "2 DATE 1890"}));
}

TEST(RemoveUnusedTagsIndividual, UnknownOrEmptyDatesAndPlacesGo) {
  EXPECT_EQ(CleanPerson({"1 BIRT", "2 DATE UNKNOWN", "3 TIME 10:00", "2 PLAC Unknown place",
                         "2 PLAC", "2 SOUR @S1@", "1 BURI", "2 PLAC unknown"}),
            Stamped({"1 BIRT", "2 SOUR @S1@", "1 BURI"}));
}

TEST(RemoveUnusedTagsIndividual, SuffixWithoutAliasBecomesTheAliasAndTheNameLosesTheRest) {
  EXPECT_EQ(CleanPerson({"1 NAME A /B/", "2 NSFX Jr", "2 SOUR @S1@", "3 PAGE 2", "1 SEX M"}),
            Stamped({"1 NAME A /B/", "1 ALIA Jr", "1 SEX M"}));
}

TEST(RemoveUnusedTagsIndividual, NicknameJoinsTheAliasAndTheNameLosesTheRest) {
  EXPECT_EQ(CleanPerson({"1 ALIA Alan", "1 NAME Al /B/", "2 NICK Bud", "2 SOUR @S1@", "3 PAGE 2",
                         "1 SEX M"}),
            Stamped({"1 ALIA Alan, Bud", "1 NAME Al /B/", "1 SEX M"}));
}

TEST(RemoveUnusedTagsIndividual, SuffixJoiningTheAliasSparesTheSubLinesOfTheNextEvent) {
  EXPECT_EQ(CleanPerson({"1 NAME Al /B/", "2 NSFX Jr", "1 BIRT", "2 DATE 1900", "2 PLAC York",
                         "1 ALIA Alan"}),
            Stamped({"1 NAME Al /B/", "1 BIRT", "2 DATE 1900", "2 PLAC York", "1 ALIA Alan, Jr"}));
}

TEST(RemoveUnusedTagsFamily, OnlyValuedKnownListedLinesStay) {
  ImportTree tree;
  tree.Family(1, {"0 @F1@ FAM", "1 HUSB @I1@", "1 _STAT x", "2 DATE 1900", "1 MARR", "2 DATE 1900",
                  "3 TIME 10:00", "2 PLAC Unknown", "2 date unknown 1900", "2 TYPE civil", "2 NOTE",
                  "3 CONT lost", "1 DIV", "1 CHAN", "2 DATE 1 JAN 2000"});
  RemoveUnusedTags(tree.t.store);
  EXPECT_EQ(tree.FamilyLines(1),
            (Lines{"0 @F1@ FAM", "1 HUSB @I1@", "1 MARR", "2 DATE 1900", "3 TIME 10:00", "1 DIV",
                   "1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"}));
}

TEST(RemoveUnusedTagsFamily, MarkerFamilyKeepsItsMark) {
  ImportTree tree;
  tree.t.store.AddPlaceholderFamily();
  RemoveUnusedTags(tree.t.store);
  EXPECT_TRUE(tree.t.store.IsMarkerFamily(1));
}

TEST(RemoveUnusedTagsSource, SubLinesStayUnlessTheirTagBeginsWithAnUnderscore) {
  ImportTree tree;
  tree.Source(1, {"0 @S1@ SOUR", "1 TITL Census", "1 REPO @R1@", "2 CALN 5", "1 TEXT t",
                  "2 CONT more", "2 _LINK x", "3 PAGE gone", "3 _X", "1 _UID 1"});
  RemoveUnusedTags(tree.t.store);
  EXPECT_EQ(tree.SourceLines(1),
            Stamped({"0 @S1@ SOUR", "1 TITL Census", "1 TEXT t", "2 CONT more"}));
}

TEST(RemoveUnusedTagsAll, RecordsPresentBeforeAMergeAreCleanedToo) {
  ImportTree tree;
  tree.Person(1, {"0 @I000001@ INDI", "1 NAME Old /One/", "1 _UID 7"});
  tree.Person(2, {"0 @I5@ INDI", "1 NAME New /One/", "1 RIN 3"});
  RemoveUnusedTags(tree.t.store);
  EXPECT_EQ(tree.PersonLines(1), Stamped({"0 @I000001@ INDI", "1 NAME Old /One/"}));
  EXPECT_EQ(tree.PersonLines(2), Stamped({"0 @I5@ INDI", "1 NAME New /One/"}));
}

TEST(RenumberNewRecords, NumericSearchWhenFirstLinesAreNotInTextOrder) {
  ImportTree tree;
  tree.Person(1, {"0 @I1@ INDI", "1 FAMC @F1@"});
  tree.Person(2, {"0 @I2@ INDI", "1 FAMS @F1@ trailing"});
  tree.Person(3, {"0 @I10@ INDI", "1 FAMS @F1@", "1 FAMS @F9@"});
  // "@X10@" only has the number of @I10@ in common with it: the numeric search matches it.
  tree.Family(1, {"0 @F1@ FAM", "1 HUSB @I10@", "1 WIFE @I2@", "1 CHIL @I1@", "1 CHIL @X10@"});
  tree.Family(2, {"0 @F2@ FAM", "1 HUSB @I7@"});
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  EXPECT_EQ(tree.PersonLines(1), (Lines{"0 @I000001@ INDI", "1 FAMC @F000001@"}));
  EXPECT_EQ(tree.PersonLines(2), (Lines{"0 @I000002@ INDI", "1 FAMS @F000001@"}));
  EXPECT_EQ(tree.PersonLines(3),
            (Lines{"0 @I000003@ INDI", "1 FAMS @F000001@", "1 FAMS @F000000@"}));
  EXPECT_EQ(tree.FamilyLines(1), (Lines{"0 @F000001@ FAM", "1 HUSB @I000003@", "1 WIFE @I000002@",
                                        "1 CHIL @I000001@", "1 CHIL @I000003@"}));
  EXPECT_EQ(tree.FamilyLines(2), (Lines{"0 @F000002@ FAM", "1 HUSB @I000000@"}));
}

TEST(RenumberNewRecords, TextSearchWhenFirstLinesAscendMatchesWholeReferences) {
  ImportTree tree;
  tree.Person(1, {"0 @P01@ INDI"});
  tree.Person(2, {"0 @P02@ INDI"});
  tree.Person(3, {"0 @P10@ INDI"});
  tree.Family(1, {"0 @F1@ FAM", "1 HUSB @P10@", "1 WIFE @P02@", "1 CHIL @X10@", "1 CHIL @P1@"});
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  EXPECT_EQ(tree.FamilyLines(1), (Lines{"0 @F000001@ FAM", "1 HUSB @I000003@", "1 WIFE @I000002@",
                                        "1 CHIL @I000000@", "1 CHIL @I000000@"}));
}

TEST(RenumberNewRecords, RecordsInNoOrderAreFoundByTheFallBack) {
  ImportTree tree;
  tree.Person(1, {"0 @Bob@ INDI", "1 FAMS @Home@"});
  tree.Person(2, {"0 @Ann@ INDI", "1 FAMS @Home@"});
  tree.Person(3, {"0 @I9@ INDI", "1 FAMC @Home@"});
  tree.Person(4, {"0 @I4@ INDI"});
  tree.Family(1, {"0 @Home@ FAM", "1 HUSB @Bob@", "1 WIFE @Ann@", "1 CHIL @I9@", "1 CHIL @I4@",
                  "1 CHIL @Nobody@"});
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  EXPECT_EQ(tree.FamilyLines(1),
            (Lines{"0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@",
                   "1 CHIL @I000004@", "1 CHIL @I000000@"}));
  EXPECT_EQ(tree.PersonLines(2), (Lines{"0 @I000002@ INDI", "1 FAMS @F000001@"}));
}

TEST(RenumberNewRecords, SourceCitationsOfPeopleAndFamiliesAndSourceFirstLines) {
  ImportTree tree;
  tree.Source(1, {"0 @S10@ SOUR", "1 TITL Ten"});
  tree.Source(2, {"0 @S20@ SOUR"});
  tree.Person(1, {"0 @I1@ INDI", "1 SOUR @S20@ extra", "1 BIRT", "2 SOUR @S10@", "3 PAGE 4"});
  tree.Family(1, {"0 @F1@ FAM", "1 SOUR @S10@", "1 MARR", "2 SOUR @S30@"});
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  EXPECT_EQ(tree.PersonLines(1), (Lines{"0 @I000001@ INDI", "1 SOUR @S000002@", "1 BIRT",
                                        "2 SOUR @S000001@", "3 PAGE 4"}));
  EXPECT_EQ(tree.FamilyLines(1),
            (Lines{"0 @F000001@ FAM", "1 SOUR @S000001@", "1 MARR", "2 SOUR @S000000@"}));
  EXPECT_EQ(tree.SourceLines(1), (Lines{"0 @S000001@ SOUR", "1 TITL Ten"}));
  EXPECT_EQ(tree.SourceLines(2), (Lines{"0 @S000002@ SOUR"}));
}

TEST(RenumberNewRecords, MergeLeavesPresentRecordsAloneAndNeverLinksNewOnesToThem) {
  ImportTree tree;
  const Lines old_person = {"0 @I000001@ INDI", "1 FAMS @F000001@"};
  const Lines old_family = {"0 @F000001@ FAM", "1 HUSB @I000001@"};
  tree.Person(1, old_person);
  tree.Family(1, old_family);
  tree.Person(2, {"0 @I000001@ INDI", "1 FAMS @F000001@"});
  tree.Person(3, {"0 @I000002@ INDI", "1 FAMC @F000009@"});
  tree.Family(2, {"0 @F000001@ FAM", "1 HUSB @I000001@", "1 CHIL @I000005@"});
  RenumberNewRecords(tree.t.store, 2, 2, 1);
  EXPECT_EQ(tree.PersonLines(1), old_person);
  EXPECT_EQ(tree.FamilyLines(1), old_family);
  EXPECT_EQ(tree.PersonLines(2), (Lines{"0 @I000002@ INDI", "1 FAMS @F000002@"}));
  EXPECT_EQ(tree.PersonLines(3), (Lines{"0 @I000003@ INDI", "1 FAMC @F000000@"}));
  EXPECT_EQ(tree.FamilyLines(2),
            (Lines{"0 @F000002@ FAM", "1 HUSB @I000002@", "1 CHIL @I000000@"}));
}

// A foreign tree of `count` people in couples with one child family each, numbered from
// the top down when `descending` (so no binary search can succeed).
void RenumberGeneratedTree(int count, bool descending) {
  ImportTree tree;
  char text[64];
  auto xref = [&](int i) { return descending ? count + 1 - i : i; };
  for (int n = 1; n <= count; ++n) {
    std::snprintf(text, sizeof text, "0 @I%d@ INDI", xref(n));
    LineNode* last = tree.Person(n, {text});
    std::snprintf(text, sizeof text, "1 FAMS @F%d@", (n + 1) / 2);
    tree.t.store.AppendLine(&last, text);
  }
  for (int f = 1; f <= count / 2; ++f) {
    std::snprintf(text, sizeof text, "0 @F%d@ FAM", f);
    LineNode* last = tree.Family(f, {text});
    std::snprintf(text, sizeof text, "1 HUSB @I%d@", xref(2 * f - 1));
    tree.t.store.AppendLine(&last, text);
    std::snprintf(text, sizeof text, "1 WIFE @I%d@", xref(2 * f));
    tree.t.store.AppendLine(&last, text);
  }
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  for (int f : {1, count / 4, count / 2}) {
    std::snprintf(text, sizeof text, "1 HUSB @I%06d@", 2 * f - 1);
    EXPECT_EQ(tree.FamilyLines(f)[1], text);
    std::snprintf(text, sizeof text, "1 FAMS @F%06d@", f);
    EXPECT_EQ(tree.PersonLines(2 * f)[1], text);
  }
}

TEST(RenumberNewRecordsScale, TwoHundredThousandPeopleByBinarySearch) {
  RenumberGeneratedTree(200000, false);
}

TEST(RenumberNewRecordsScale, TwoHundredThousandPeopleInReverseOrderByTheFallBack) {
  RenumberGeneratedTree(200000, true);
}

TEST(ResequenceTags, GroupsFollowTheTagOrderAndKeepTheirOwnOrder) {
  ImportTree tree;
  tree.Person(1, {"0 @I000001@ INDI", "1 SEX M", "1 NOTE n", "2 CONT m", "1 BIRT", "2 DATE 1900",
                  "1 NAME B /C/", "1 FAMS @F000002@", "1 NAME A /C/", "1 FAMS @F000001@"});
  ResequenceTags(tree.t.store);
  EXPECT_EQ(tree.PersonLines(1),
            (Lines{"0 @I000001@ INDI", "1 NAME B /C/", "1 NAME A /C/", "1 BIRT", "2 DATE 1900",
                   "1 FAMS @F000002@", "1 FAMS @F000001@", "1 SEX M", "1 NOTE n", "2 CONT m"}));
}

TEST(ResequenceTags, GroupsWithoutAPlaceGoAndTheStampEndsTheRecord) {
  ImportTree tree;
  tree.Person(1, {"0 @I000001@ INDI", "2 DATE orphan", "1 CHAN", "2 DATE 1 JAN 2000",
                  "1 NAME A /B/", "1 _UID x", "2 _X y", "1 CENS", "1 NAMES z"});
  ResequenceTags(tree.t.store);
  EXPECT_EQ(tree.PersonLines(1), Stamped({"0 @I000001@ INDI", "1 NAME A /B/", "1 CENS"}));
}

TEST(InlineNotes, NoteRecordLinesFollowTheCitingLineOneLevelDown) {
  ImportTree tree;
  tree.Note({"0 @N1@ NOTE", "1 CONT first", "1 CONT second"});
  tree.Person(1, {"0 @I000001@ INDI", "1 NAME A /B/", "1 NOTE @N1@", "1 SEX F"});
  InlineNotes(tree.t.store);
  EXPECT_EQ(tree.PersonLines(1), (Lines{"0 @I000001@ INDI", "1 NAME A /B/", "1 NOTE",
                                        "2 CONT first", "2 CONT second", "1 SEX F"}));
  EXPECT_TRUE(tree.t.store.note_records().empty());
}

TEST(InlineNotes, FirstLineTextBecomesTheCitingLinesValue) {
  ImportTree tree;
  tree.Note({"0 @N1@ NOTE Born at sea", "1 CONC , they say"});
  tree.Person(1, {"0 @I000001@ INDI", "1 Note @N1@"});
  InlineNotes(tree.t.store);
  EXPECT_EQ(tree.PersonLines(1),
            (Lines{"0 @I000001@ INDI", "1 NOTE Born at sea", "2 CONC , they say"}));
}

TEST(InlineNotes, DeeperCitationsInFamiliesAndSourcesMoveTheNoteFurtherDown) {
  ImportTree tree;
  tree.Note({"0 @N1@ NOTE", "1 CONT one", "1 SOUR @S000001@", "2 PAGE 3"});
  tree.Note({"0 @N2@ NOTE two"});
  tree.Family(1, {"0 @F000001@ FAM", "1 MARR", "2 NOTE @N1@", "1 CHAN"});
  tree.Source(1, {"0 @S000001@ SOUR", "1 TEXT t", "2 NOTE @N2@"});
  InlineNotes(tree.t.store);
  EXPECT_EQ(tree.FamilyLines(1), (Lines{"0 @F000001@ FAM", "1 MARR", "2 NOTE", "3 CONT one",
                                        "3 SOUR @S000001@", "4 PAGE 3", "1 CHAN"}));
  EXPECT_EQ(tree.SourceLines(1), (Lines{"0 @S000001@ SOUR", "1 TEXT t", "2 NOTE two"}));
}

TEST(InlineNotes, EachNoteIsUsedOnceAndMissingNotesLeaveTheBareTag) {
  ImportTree tree;
  tree.Note({"0 @N1@ NOTE", "1 CONT once"});
  tree.Note({"0 @N2@ NOTE", "1 CONT nobody cites me"});
  tree.Person(1, {"0 @I000001@ INDI", "1 NOTE @N1@"});
  tree.Person(2, {"0 @I000002@ INDI", "1 NOTE @N1@", "1 NOTE @N7@ junk"});
  InlineNotes(tree.t.store);
  EXPECT_EQ(tree.PersonLines(1), (Lines{"0 @I000001@ INDI", "1 NOTE", "2 CONT once"}));
  EXPECT_EQ(tree.PersonLines(2), (Lines{"0 @I000002@ INDI", "1 NOTE", "1 NOTE"}));
  ASSERT_EQ(tree.t.store.note_records().size(), 1u);
  EXPECT_EQ(tree.t.store.note_records()[0]->text(), "0 @N2@ NOTE");
}

TEST(InlineNotes, NotesSharingAReferenceAreTakenInTheirOrder) {
  ImportTree tree;
  tree.Note({"0 @N1@ NOTE first"});
  tree.Note({"0 @N1@ NOTE second"});
  tree.Person(1, {"0 @I000001@ INDI", "1 NOTE @N1@", "1 NOTE @N1@"});
  InlineNotes(tree.t.store);
  EXPECT_EQ(tree.PersonLines(1), (Lines{"0 @I000001@ INDI", "1 NOTE first", "1 NOTE second"}));
  EXPECT_TRUE(tree.t.store.note_records().empty());
}

TEST(ImportPassesProgress, EachPassShowsItsCaptions) {
  ImportTree tree;
  tree.Person(1, {"0 @I1@ INDI"});
  RemoveUnusedTags(tree.t.store);
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  ResequenceTags(tree.t.store);
  InlineNotes(tree.t.store);
  const auto& captions = tree.t.ui.progress_captions();
  EXPECT_EQ(Lines(captions.end() - 6, captions.end()),
            (Lines{"Removing Unused Tags", "Renumbering Individual Records",
                   "Renumbering Family Records", "Renumbering Source Records", "ReSequencing Tags",
                   "Converting Notes to Inline Format"}));
}

}  // namespace
}  // namespace kinloom::store
