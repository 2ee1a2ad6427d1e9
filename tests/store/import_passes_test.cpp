#include "store/import_passes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::RecordLines;
using testing::Split;
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
  void Person(int n, const Lines& lines) {
    t.store.CreateIndividual(n)->lines = Chain(lines);
    t.store.set_highest_individual(std::max(n, t.store.highest_individual()));
  }
  void Family(int n, const Lines& lines) {
    t.store.CreateFamily(n)->lines = Chain(lines);
    t.store.set_highest_family(std::max(n, t.store.highest_family()));
  }
  void Source(int n, const Lines& lines) {
    t.store.SetSource(n, Chain(lines));
    t.store.set_highest_source(std::max(n, t.store.highest_source()));
  }
  void Note(const Lines& lines) { t.store.note_records().push_back(Chain(lines)); }

  Lines PersonLines(int n) const { return RecordLines(t.store.individual(n)->lines); }
  Lines FamilyLines(int n) const { return RecordLines(t.store.family(n)->lines); }
  Lines SourceLines(int n) const { return RecordLines(t.store.source(n)); }

  TestTree t;
};

// Foreign individuals cleaned by RemoveUnusedTags: the lines below "0 @I1@ INDI" before and
// after, separated by "|". A record that loses a line gets a change stamp; one that only has
// lines rewritten, or nothing at all, does not.
TEST(RemoveUnusedTagsIndividual, CleansAndNormalisesLinesAndStampsWhatLosesALine) {
  const struct {
    const char *what, *in, *out;
    bool stamped;
  } cases[] = {
      {"an unknown level-1 tag goes with its sub-lines",
       "1 NAME A /B/|1 EVEN|2 DATE 1900|2 TYPE Fair|1 SEX M", "1 NAME A /B/|1 SEX M", true},
      {"nothing to remove", "1 NAME A /B/|1 SEX F|1 BIRT|2 DATE 1 JAN 1900|3 TIME 10:00",
       "1 NAME A /B/|1 SEX F|1 BIRT|2 DATE 1 JAN 1900|3 TIME 10:00", false},
      {"level 2 and 3 lists; deeper lines kept",
       "1 NAME A /B/|2 GIVN A|2 SURN B|1 BIRT|2 SOUR @S1@|3 PAGE 5|3 DATA|4 TEXT gone|3 NOTE n|"
       "4 CONT kept",
       "1 NAME A /B/|1 BIRT|2 SOUR @S1@|3 PAGE 5|3 NOTE n|4 CONT kept", true},
      {"a second name without alias becomes the alias", "1 NAME A /B/|1 NAME C /D/|1 SEX M",
       "1 NAME A /B/|1 ALIA C /D/|1 SEX M", false},
      {"with an alias only the longer name stays", "1 NAME Al /B/|1 NAME Alfred /B/|1 ALIA Fred",
       "1 NAME Alfred /B/|1 ALIA Fred", true},
      {"with the alias first, the longer name stays", "1 ALIA Fred|1 NAME Alfred /B/|1 NAME Al /B/",
       "1 ALIA Fred|1 NAME Alfred /B/", true},
      {"empty name and death with Y", "1 NAME|1 DEAT Y|2 DATE 1950", "1 NAME //|1 DEAT|2 DATE 1950",
       false},
      {"a valued residence becomes a place with its date joined",
       "1 RESI Main St|2 DATE 1900|1 SEX M", "1 RESI|2 PLAC Main St, 1900|1 SEX M", true},
      {"a valued address joins all dates before all places",
       "1 ADDR 5 Elm|2 PLAC Leeds|2 DATE 1900|2 SOUR @S1@|2 DATE 1901",
       "1 RESI|2 PLAC 5 Elm, 1900, 1901, Leeds|2 SOUR @S1@", true},
      {"an empty residence is left alone", "1 RESI|2 DATE 1900|2 PLAC York",
       "1 RESI|2 DATE 1900|2 PLAC York", false},
      {"an occupation without value takes its date and place",
       "1 OCCU|2 PLAC Leeds|2 DATE 1900|1 EDUC Oxford|2 DATE 1890",
       "1 OCCU 1900, Leeds|1 EDUC Oxford|2 DATE 1890", true},
      {"unknown or empty dates and places go",
       "1 BIRT|2 DATE UNKNOWN|3 TIME 10:00|2 PLAC Unknown place|2 PLAC|2 SOUR @S1@|1 BURI|"
       "2 PLAC unknown",
       "1 BIRT|2 SOUR @S1@|1 BURI", true},
      {"a suffix without alias becomes the alias; the name loses the rest",
       "1 NAME A /B/|2 NSFX Jr|2 SOUR @S1@|3 PAGE 2|1 SEX M", "1 NAME A /B/|1 ALIA Jr|1 SEX M",
       true},
      {"a nickname joins the alias; the name loses the rest",
       "1 ALIA Alan|1 NAME Al /B/|2 NICK Bud|2 SOUR @S1@|3 PAGE 2|1 SEX M",
       "1 ALIA Alan, Bud|1 NAME Al /B/|1 SEX M", true},
      {"an event that did not happen goes; with a date, or as an attribute, it stays",
       "1 NAME A /B/|1 DEAT N|1 BURI N|2 DATE 1900|1 OCCU N",
       "1 NAME A /B/|1 BURI N|2 DATE 1900|1 OCCU N", true},
      {"a suffix joining the alias spares the sub-lines of the next event",
       "1 NAME Al /B/|2 NSFX Jr|1 BIRT|2 DATE 1900|2 PLAC York|1 ALIA Alan",
       "1 NAME Al /B/|1 BIRT|2 DATE 1900|2 PLAC York|1 ALIA Alan, Jr", true},
  };
  for (const auto& c : cases) {
    ImportTree tree;
    tree.Person(1, Split(std::string("0 @I1@ INDI|") + c.in));
    RemoveUnusedTags(tree.t.store);
    const Lines out = Split(std::string("0 @I1@ INDI|") + c.out);
    EXPECT_EQ(tree.PersonLines(1), c.stamped ? Stamped(out) : out) << c.what;
  }
}

TEST(RemoveUnusedTags, FamiliesAndSourcesAreCleanedButNotTheRecordsBeforeTheRange) {
  ImportTree tree;
  const Lines present = {"0 @I000001@ INDI", "1 NAME Old /One/", "1 _UID 7"};
  tree.Person(1, present);
  tree.Person(2, {"0 @I5@ INDI", "1 NAME New /One/", "1 RIN 3"});
  // Families keep only valued, known, listed lines, and no event that did not happen.
  tree.Family(1, Split("0 @F1@ FAM|1 HUSB @I1@|1 _STAT x|2 DATE 1900|1 MARR|2 DATE 1900|"
                       "3 TIME 10:00|2 PLAC Unknown|2 date unknown 1900|2 TYPE civil|2 NOTE|"
                       "3 CONT lost|1 DIV|1 DIV N|1 ENGA N|2 DATE 1899|1 CHAN|2 DATE 1 JAN 2000"));
  // Source sub-lines stay unless their tag begins with an underscore.
  tree.Source(1, Split("0 @S1@ SOUR|1 TITL Census|1 REPO @R1@|2 CALN 5|1 TEXT t|2 CONT more|"
                       "2 _LINK x|3 PAGE gone|3 _X|1 _UID 1"));
  DroppedLines dropped;
  RemoveUnusedTags(tree.t.store, {2, 1, 1}, &dropped);
  EXPECT_EQ(tree.PersonLines(1), present);
  EXPECT_EQ(tree.PersonLines(2), Stamped({"0 @I5@ INDI", "1 NAME New /One/"}));
  EXPECT_EQ(tree.FamilyLines(1), Stamped({"0 @F1@ FAM", "1 HUSB @I1@", "1 MARR", "2 DATE 1900",
                                          "3 TIME 10:00", "1 DIV", "1 ENGA N", "2 DATE 1899"}));
  EXPECT_EQ(tree.SourceLines(1),
            Stamped({"0 @S1@ SOUR", "1 TITL Census", "1 TEXT t", "2 CONT more"}));
  // Every line that went is listed, with its reason and the record it came from.
  Lines listed;
  for (const DroppedLine& line : dropped.All()) {
    listed.push_back(std::string(1, line.kind) + std::to_string(line.number) + " " +
                     std::string(line.record) + (line.sub_line ? "   " : " ") +
                     std::string(line.text) + " " + std::to_string(static_cast<int>(line.reason)));
  }
  EXPECT_EQ(listed, (Lines{"I2 @I5@ 1 RIN 3 0", "F1 @F1@ 1 _STAT x 0", "F1 @F1@   2 DATE 1900 0",
                           "F1 @F1@ 2 PLAC Unknown 1", "F1 @F1@ 2 date unknown 1900 1",
                           "F1 @F1@ 2 TYPE civil 0", "F1 @F1@ 2 NOTE 0", "F1 @F1@   3 CONT lost 0",
                           "F1 @F1@ 1 DIV N 2", "S1 @S1@ 1 REPO @R1@ 0", "S1 @S1@   2 CALN 5 0",
                           "S1 @S1@ 2 _LINK x 0", "S1 @S1@   3 PAGE gone 0", "S1 @S1@   3 _X 0",
                           "S1 @S1@ 1 _UID 1 0"}));

  ImportTree marker;
  marker.t.store.AddPlaceholderFamily();
  RemoveUnusedTags(marker.t.store);
  EXPECT_TRUE(marker.t.store.IsMarkerFamily(1));
}

TEST(RenumberNewRecords, NumericSearchWhenFirstLinesAreNotInTextOrder) {
  ImportTree tree;
  tree.Person(1, {"0 @I1@ INDI", "1 FAMC @F1@"});
  tree.Person(2, {"0 @I2@ INDI", "1 FAMS @F1@ trailing"});
  tree.Person(3, {"0 @I10@ INDI", "1 FAMS @F1@", "1 FAMS @F9@"});
  // "@X10@" only has the number of @I10@ in common with it: the numeric search matches it.
  tree.Family(1, Split("0 @F1@ FAM|1 HUSB @I10@|1 WIFE @I2@|1 CHIL @I1@|1 CHIL @X10@"));
  tree.Family(2, {"0 @F2@ FAM", "1 HUSB @I7@"});
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  EXPECT_EQ(tree.PersonLines(1), (Lines{"0 @I000001@ INDI", "1 FAMC @F000001@"}));
  EXPECT_EQ(tree.PersonLines(2), (Lines{"0 @I000002@ INDI", "1 FAMS @F000001@"}));
  EXPECT_EQ(tree.PersonLines(3), Split("0 @I000003@ INDI|1 FAMS @F000001@|1 FAMS @F000000@"));
  EXPECT_EQ(tree.FamilyLines(1), Split("0 @F000001@ FAM|1 HUSB @I000003@|1 WIFE @I000002@|"
                                       "1 CHIL @I000001@|1 CHIL @I000003@"));
  EXPECT_EQ(tree.FamilyLines(2), (Lines{"0 @F000002@ FAM", "1 HUSB @I000000@"}));
}

TEST(RenumberNewRecords, TextSearchWhenFirstLinesAscendMatchesWholeReferences) {
  ImportTree tree;
  tree.Person(1, {"0 @P01@ INDI"});
  tree.Person(2, {"0 @P02@ INDI"});
  tree.Person(3, {"0 @P10@ INDI"});
  tree.Family(1, Split("0 @F1@ FAM|1 HUSB @P10@|1 WIFE @P02@|1 CHIL @X10@|1 CHIL @P1@"));
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  EXPECT_EQ(tree.FamilyLines(1), Split("0 @F000001@ FAM|1 HUSB @I000003@|1 WIFE @I000002@|"
                                       "1 CHIL @I000000@|1 CHIL @I000000@"));
}

TEST(RenumberNewRecords, RecordsInNoOrderAreFoundByTheFallBack) {
  ImportTree tree;
  tree.Person(1, {"0 @Bob@ INDI", "1 FAMS @Home@"});
  tree.Person(2, {"0 @Ann@ INDI", "1 FAMS @Home@"});
  tree.Person(3, {"0 @I9@ INDI", "1 FAMC @Home@"});
  tree.Person(4, {"0 @I4@ INDI"});
  tree.Family(1, Split("0 @Home@ FAM|1 HUSB @Bob@|1 WIFE @Ann@|1 CHIL @I9@|1 CHIL @I4@|"
                       "1 CHIL @Nobody@"));
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  EXPECT_EQ(tree.FamilyLines(1), Split("0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|"
                                       "1 CHIL @I000003@|1 CHIL @I000004@|1 CHIL @I000000@"));
  EXPECT_EQ(tree.PersonLines(2), (Lines{"0 @I000002@ INDI", "1 FAMS @F000001@"}));
}

TEST(RenumberNewRecords, SourceCitationsOfPeopleAndFamiliesAndSourceFirstLines) {
  ImportTree tree;
  tree.Source(1, {"0 @S10@ SOUR", "1 TITL Ten"});
  tree.Source(2, {"0 @S20@ SOUR"});
  tree.Person(1, Split("0 @I1@ INDI|1 SOUR @S20@ extra|1 BIRT|2 SOUR @S10@|3 PAGE 4"));
  tree.Family(1, Split("0 @F1@ FAM|1 SOUR @S10@|1 MARR|2 SOUR @S30@"));
  RenumberNewRecords(tree.t.store, 1, 1, 1);
  EXPECT_EQ(tree.PersonLines(1),
            Split("0 @I000001@ INDI|1 SOUR @S000002@|1 BIRT|2 SOUR @S000001@|3 PAGE 4"));
  EXPECT_EQ(tree.FamilyLines(1), Split("0 @F000001@ FAM|1 SOUR @S000001@|1 MARR|2 SOUR @S000000@"));
  EXPECT_EQ(tree.SourceLines(1), (Lines{"0 @S000001@ SOUR", "1 TITL Ten"}));
  EXPECT_EQ(tree.SourceLines(2), (Lines{"0 @S000002@ SOUR"}));
}

TEST(RenumberNewRecords, MergeLeavesPresentRecordsAloneAndNeverLinksNewOnesToThem) {
  ImportTree tree;
  const Lines old_person = {"0 @I000001@ INDI", "1 FAMS @F000001@"};
  const Lines old_family = {"0 @F000001@ FAM", "1 HUSB @I000001@"};
  tree.Person(1, old_person);
  tree.Family(1, old_family);
  tree.Person(2, old_person);
  tree.Person(3, {"0 @I000002@ INDI", "1 FAMC @F000009@"});
  tree.Family(2, {"0 @F000001@ FAM", "1 HUSB @I000001@", "1 CHIL @I000005@"});
  RenumberNewRecords(tree.t.store, 2, 2, 1);
  EXPECT_EQ(tree.PersonLines(1), old_person);
  EXPECT_EQ(tree.FamilyLines(1), old_family);
  EXPECT_EQ(tree.PersonLines(2), (Lines{"0 @I000002@ INDI", "1 FAMS @F000002@"}));
  EXPECT_EQ(tree.PersonLines(3), (Lines{"0 @I000003@ INDI", "1 FAMC @F000000@"}));
  EXPECT_EQ(tree.FamilyLines(2), Split("0 @F000002@ FAM|1 HUSB @I000002@|1 CHIL @I000000@"));
}

// A foreign tree of people in couples, numbered from the bottom up, then from the top down (so
// no binary search can succeed and the fall-back must find them). Its speed on a large import is
// measured by the import bench.
TEST(RenumberNewRecordsScale, ManyPeopleByBinarySearchAndInReverseOrderByTheFallBack) {
  const int count = 2000;
  for (bool descending : {false, true}) {
    SCOPED_TRACE(descending ? "descending" : "ascending");
    ImportTree tree;
    auto xref = [&](int i) { return std::to_string(descending ? count + 1 - i : i); };
    for (int n = 1; n <= count; ++n) {
      tree.Person(n,
                  {"0 @I" + xref(n) + "@ INDI", "1 FAMS @F" + std::to_string((n + 1) / 2) + "@"});
    }
    for (int f = 1; f <= count / 2; ++f) {
      tree.Family(f, {"0 @F" + std::to_string(f) + "@ FAM", "1 HUSB @I" + xref(2 * f - 1) + "@",
                      "1 WIFE @I" + xref(2 * f) + "@"});
    }
    RenumberNewRecords(tree.t.store, 1, 1, 1);
    for (int f : {1, count / 4, count / 2}) {
      EXPECT_EQ(tree.FamilyLines(f)[1], "1 HUSB " + MakeXref('I', 2 * f - 1));
      EXPECT_EQ(tree.PersonLines(2 * f)[1], "1 FAMS " + MakeXref('F', f));
    }
  }
}

TEST(ResequenceTags, GroupsFollowTheTagOrderStrayGroupsGoAndTheStampEndsTheRecord) {
  ImportTree tree;
  tree.Person(1, Split("0 @I000001@ INDI|1 SEX M|1 NOTE n|2 CONT m|1 BIRT|2 DATE 1900|"
                       "1 NAME B /C/|1 FAMS @F000002@|1 NAME A /C/|1 FAMS @F000001@"));
  tree.Person(2, Split("0 @I000002@ INDI|2 DATE orphan|1 CHAN|2 DATE 1 JAN 2000|1 NAME A /B/|"
                       "1 _UID x|2 _X y|1 CENS|1 NAMES z"));
  ResequenceTags(tree.t.store);
  // Groups of one tag keep their own order.
  EXPECT_EQ(tree.PersonLines(1),
            Split("0 @I000001@ INDI|1 NAME B /C/|1 NAME A /C/|1 BIRT|2 DATE 1900|"
                  "1 FAMS @F000002@|1 FAMS @F000001@|1 SEX M|1 NOTE n|2 CONT m"));
  EXPECT_EQ(tree.PersonLines(2), Stamped({"0 @I000002@ INDI", "1 NAME A /B/", "1 CENS"}));
}

// Deeper citations, in families and sources, move the note further down.
TEST(InlineNotes, NoteRecordLinesFollowTheCitingLineOneLevelDownWithTheFirstLineAsValue) {
  ImportTree tree;
  tree.Note({"0 @N1@ NOTE", "1 CONT first", "1 CONT second"});
  tree.Note({"0 @N2@ NOTE Born at sea", "1 CONC , they say"});
  tree.Note({"0 @N3@ NOTE", "1 CONT one", "1 SOUR @S000001@", "2 PAGE 3"});
  tree.Note({"0 @N4@ NOTE two"});
  tree.Person(1, {"0 @I000001@ INDI", "1 NAME A /B/", "1 NOTE @N1@", "1 SEX F", "1 Note @N2@"});
  tree.Family(1, {"0 @F000001@ FAM", "1 MARR", "2 NOTE @N3@", "1 CHAN"});
  tree.Source(1, {"0 @S000001@ SOUR", "1 TEXT t", "2 NOTE @N4@"});
  InlineNotes(tree.t.store);
  EXPECT_EQ(tree.PersonLines(1),
            Split("0 @I000001@ INDI|1 NAME A /B/|1 NOTE|2 CONT first|2 CONT second|1 SEX F|"
                  "1 NOTE Born at sea|2 CONC , they say"));
  EXPECT_TRUE(tree.t.store.note_records().empty());
  EXPECT_EQ(tree.FamilyLines(1), (Lines{"0 @F000001@ FAM", "1 MARR", "2 NOTE", "3 CONT one",
                                        "3 SOUR @S000001@", "4 PAGE 3", "1 CHAN"}));
  EXPECT_EQ(tree.SourceLines(1), (Lines{"0 @S000001@ SOUR", "1 TEXT t", "2 NOTE two"}));
}

TEST(InlineNotes, EachNoteIsUsedOnceInOrderAndMissingNotesLeaveTheBareTag) {
  ImportTree tree;
  tree.Note({"0 @N1@ NOTE", "1 CONT once"});
  tree.Note({"0 @N2@ NOTE", "1 CONT nobody cites me"});
  tree.Note({"0 @N3@ NOTE first"});
  tree.Note({"0 @N3@ NOTE second"});
  tree.Person(1, {"0 @I000001@ INDI", "1 NOTE @N1@"});
  tree.Person(2, {"0 @I000002@ INDI", "1 NOTE @N1@", "1 NOTE @N7@ junk"});
  tree.Person(3, {"0 @I000003@ INDI", "1 NOTE @N3@", "1 NOTE @N3@"});
  InlineNotes(tree.t.store);
  EXPECT_EQ(tree.PersonLines(1), (Lines{"0 @I000001@ INDI", "1 NOTE", "2 CONT once"}));
  EXPECT_EQ(tree.PersonLines(2), (Lines{"0 @I000002@ INDI", "1 NOTE", "1 NOTE"}));
  EXPECT_EQ(tree.PersonLines(3), (Lines{"0 @I000003@ INDI", "1 NOTE first", "1 NOTE second"}));
  ASSERT_EQ(tree.t.store.note_records().size(), 1u);
  EXPECT_EQ(tree.t.store.note_records()[0]->text(), "0 @N2@ NOTE");
}

TEST(InlineNotes, AMergeUsesOnlyTheNotesOfTheFileMergedAndListsWhatItCannotUse) {
  ImportTree tree;
  tree.Note({"0 @N1@ NOTE of the open tree"});
  tree.Note({"0 @N1@ NOTE merged"});
  tree.Note({"0 @N2@ NOTE nobody cites me"});
  tree.Person(1, {"0 @I000001@ INDI", "1 NOTE @N1@"});
  tree.Person(2, {"0 @I000002@ INDI", "1 NOTE @N1@", "1 NOTE @N9@"});
  DroppedLines dropped;
  InlineNotes(tree.t.store, {2, 1, 1}, 1, &dropped);
  EXPECT_EQ(tree.PersonLines(1), (Lines{"0 @I000001@ INDI", "1 NOTE @N1@"}));
  EXPECT_EQ(tree.PersonLines(2), (Lines{"0 @I000002@ INDI", "1 NOTE merged", "1 NOTE"}));
  ASSERT_EQ(tree.t.store.note_records().size(), 2u);
  EXPECT_EQ(tree.t.store.note_records()[0]->text(), "0 @N1@ NOTE of the open tree");
  const std::vector<DroppedLine> lines = dropped.All();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].reason, DropReason::kMissingNote);
  EXPECT_EQ(lines[0].text, "1 NOTE @N9@");
  EXPECT_EQ(lines[1].reason, DropReason::kUnusedNote);
  EXPECT_EQ(lines[1].record, "@N2@");
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
