#include "store/gedcom_reader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::CrLfJoin;
using testing::OwnHeader;
using testing::ReadFileBytes;
using testing::RecordLines;
using testing::Split;
using testing::TempDir;
using testing::TestTree;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

// A file of the program's own, as the writer makes it: header, records, trailer.
std::string OwnFile(const Lines& records) {
  Lines lines = OwnHeader("tree.ged");
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back("0 TRLR");
  return CrLfJoin(lines) + "\r\n";
}

// A file another program wrote.
std::string ForeignFile(const Lines& records) {
  Lines lines = {"0 HEAD", "1 SOUR OTHERAPP", "2 VERS 9.1", "1 CHAR ANSI"};
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back("0 TRLR");
  return CrLfJoin(lines) + "\r\n";
}

// A tree and the file it is read from.
struct ReadTreeFile {
  ReadResult Read(const std::string& bytes, bool merge = false) {
    WriteFileBytes(path, bytes);
    return ReadTree(t.store, path, merge);
  }
  // Reads a file that must read.
  void Load(const std::string& bytes) { EXPECT_EQ(Read(bytes).outcome, ReadOutcome::kRead); }
  Lines Individual(int n) const {
    const IndividualRecord* record = t.store.individual(n);
    return record == nullptr ? Lines{} : RecordLines(record->lines);
  }
  Lines Family(int n) const { return RecordLines(t.store.family(n)->lines); }
  std::vector<int> SearchOrder() const {
    std::vector<int> numbers;
    for (const auto& entry : t.store.individual_search_list().entries()) {
      numbers.push_back(entry.number);
    }
    return numbers;
  }
  bool Shown(const std::vector<std::string>& texts, const std::string& text) const {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }

  TestTree t;
  TempDir dir;
  std::string path = dir.File("tree.ged");
};

TEST(GedcomReaderHeader, OwnFilesAreKnownByTheProgramsNamesAndTheLastCharsetLineWins) {
  // The header lines after "0 HEAD", whether that makes an own file, and the set it gives.
  const struct {
    const char* header;
    bool own;
    Charset charset;
  } cases[] = {{"1 SOUR Kinloom Zoraz|1 CHAR ANSI", true, Charset::kAnsi},
               {"1 SOUR Broadleaf|1 CHAR ANSI", true, Charset::kAnsi},
               {"1 SOUR Rootwork 3.1|1 CHAR ANSI", true, Charset::kAnsi},
               {"1 SOUR KINLOOM|1 CHAR ANSI", false, Charset::kAnsi},
               {"1 SOUR OTHERAPP|1 CHAR ANSI", false, Charset::kAnsi},
               {"2 SOUR Kinloom|1 CHAR ANSI", false, Charset::kAnsi},
               {"1 CHAR ANSEL|1 SOUR OTHERAPP|1 CHAR ANSI", false, Charset::kAnsi},
               {"1 CHAR ANSI|1 CHAR ANSEL", false, Charset::kAnsel},
               {"1 CHAR UTF-8", false, Charset::kUtf8},
               {"1 CHAR UTF 8", false, Charset::kUtf8},
               {"1 CHAR UTF8", false, Charset::kUtf8},
               {"1 CHAR ASCII", false, Charset::kAscii},
               {"1 CHAR IBMPC", false, Charset::kIbmPc},
               {"1 CHAR UNICODE", false, Charset::kUtf8},
               {"1 CHAR MACINTOSH", false, Charset::kNone},
               {"2 CHAR ANSEL", false, Charset::kNone},
               {"1 NOTE no charset", false, Charset::kNone}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.header);
    ReadTreeFile f;
    f.t.store.set_tree_modified(!c.own);
    ReadResult result = f.Read(CrLfJoin(
        Split(std::string("0 HEAD|") + c.header + "|0 @I000005@ INDI|1 NAME Ann /Lee/|0 TRLR")));
    EXPECT_EQ(result.outcome, ReadOutcome::kRead);
    EXPECT_EQ(result.own_file, c.own);
    EXPECT_EQ(result.charset, c.charset);
    // Own files keep their record numbers; other files are numbered afresh.
    EXPECT_EQ(f.t.store.highest_individual(), c.own ? 5 : 1);
    EXPECT_EQ(f.t.store.tree_modified(), !c.own);
  }
}

TEST(GedcomReaderHeader, ByteOrderMarkAndEmptyLinesBeforeTheHeaderAreAcceptedAndReadOnlyFilesKept) {
  const std::string file = OwnFile({"0 @I000002@ INDI", "1 NAME Ann /Lee/"});
  for (const std::string& before : {std::string("\xEF\xBB\xBF"), std::string("\r\n\n\r\n")}) {
    ReadTreeFile f;
    ReadResult result = f.Read(before + file);
    EXPECT_EQ(result.outcome, ReadOutcome::kRead);
    EXPECT_TRUE(result.own_file);
    EXPECT_EQ(f.Individual(2), (Lines{"0 @I000002@ INDI", "1 NAME Ann /Lee/"}));
  }
  // A read-only file is read, and left as it was.
  ReadTreeFile f;
  WriteFileBytes(f.path, file);
  ASSERT_EQ(::chmod(f.path.c_str(), 0444), 0);
  EXPECT_EQ(ReadTree(f.t.store, f.path, false).outcome, ReadOutcome::kRead);
  EXPECT_EQ(f.Individual(2), (Lines{"0 @I000002@ INDI", "1 NAME Ann /Lee/"}));
  EXPECT_EQ(ReadFileBytes(f.path), file);
}

// The starter tree (its lines are checked with the record store).
void ExpectBrandNewTree(const RecordStore& store) {
  EXPECT_EQ(store.highest_individual(), 1);
  EXPECT_EQ(store.individual(1)->lines->next->text(), "1 NAME First Name /Last Name/");
  EXPECT_TRUE(store.IsMarkerFamily(1));
  EXPECT_EQ(store.current_individual(), 1);
}

TEST(GedcomReaderHeader, FileNotGedcomMissingOrWithoutPeopleGivesABrandNewTree) {
  ReadTreeFile f;
  f.Load(OwnFile({"0 @I000004@ INDI", "1 NAME Ann /Lee/"}));
  ASSERT_EQ(f.t.store.highest_individual(), 4);
  EXPECT_EQ(f.Read("Shopping list\r\n0 HEAD\r\n0 @I000004@ INDI\r\n0 TRLR").outcome,
            ReadOutcome::kNotGedcom);
  ASSERT_EQ(f.t.ui.records().size(), 1u);
  const auto& message = f.t.ui.records()[0];
  EXPECT_EQ(message.kind, platform::HeadlessInteraction::Record::Kind::kMessage);
  EXPECT_EQ(message.caption, "** Incorrect File Format **");
  EXPECT_EQ(message.text,
            "This file is not a gedcom\nfamily tree file.\n\n\r= File Reading Aborted =");
  EXPECT_EQ(message.icon, platform::Icon::kStop);
  ExpectBrandNewTree(f.t.store);
  EXPECT_EQ(f.t.store.individual(4), nullptr);

  ReadTreeFile missing;
  missing.Load(OwnFile({"0 @I000004@ INDI", "1 NAME Ann /Lee/"}));
  EXPECT_EQ(ReadTree(missing.t.store, missing.dir.File("absent.ged"), false).outcome,
            ReadOutcome::kMissing);
  EXPECT_TRUE(missing.t.ui.records().empty());
  ExpectBrandNewTree(missing.t.store);

  ReadTreeFile no_people;
  no_people.Load(OwnFile({"0 @F000003@ FAM", "1 MARR"}));
  ExpectBrandNewTree(no_people.t.store);
}

TEST(GedcomReaderMerge, OwnFileIsMergedBehindThePresentRecordsAsAForeignOne) {
  ReadTreeFile f;
  f.Load(OwnFile({"0 @I000001@ INDI", "1 NAME Ann /Lee/", "0 @I000002@ INDI", "1 NAME Bob /Lee/"}));
  const Lines ann = f.Individual(1);
  // A missing or rejected file leaves the records alone.
  EXPECT_EQ(ReadTree(f.t.store, f.dir.File("absent.ged"), true).outcome, ReadOutcome::kMissing);
  WriteFileBytes(f.dir.File("notes.ged"), "not a tree\r\n");
  EXPECT_EQ(ReadTree(f.t.store, f.dir.File("notes.ged"), true).outcome, ReadOutcome::kNotGedcom);
  EXPECT_EQ(f.t.store.highest_individual(), 2);
  EXPECT_EQ(f.Individual(1), ann);
  EXPECT_EQ(f.t.store.highest_family(), 1);
  EXPECT_FALSE(f.t.store.tree_modified());

  WriteFileBytes(f.dir.File("other.ged"), OwnFile({"0 @I000001@ INDI", "1 NAME Cy /Ash/",
                                                   "0 @F000001@ FAM", "1 HUSB @I000001@"}));
  ReadResult result = ReadTree(f.t.store, f.dir.File("other.ged"), true);
  EXPECT_EQ(result.outcome, ReadOutcome::kRead);
  EXPECT_FALSE(result.own_file);
  EXPECT_EQ(result.first_new_individual, 3);
  EXPECT_EQ(f.t.store.highest_individual(), 3);
  EXPECT_EQ(f.Individual(1), ann);
  EXPECT_TRUE(f.t.store.tree_modified());
  EXPECT_TRUE(f.Shown(f.t.ui.progress_captions(), "Merging:  other"));
  // The merged record is renumbered into its new slot, and so is the family's link to it.
  EXPECT_EQ(f.Individual(3).at(0), "0 @I000003@ INDI");
  EXPECT_EQ(f.Family(2).at(1), "1 HUSB @I000003@");
  EXPECT_EQ(f.SearchOrder(), (std::vector<int>{3, 1, 2}));
}

TEST(GedcomReaderPrivateLines, LinesBelowTheFirstLineAreReadIntoTheFlags) {
  ReadTreeFile f;
  ReadResult result = f.Read(OwnFile(
      Split("0 @I000001@ INDI|1 _VER   5 -2147483643|1 _SEQ   68   33    1    2  255      1|"
            "1 _TXT Call the archive  |1 NAME Ann /Lee/|"
            "0 @I000002@ INDI|1 _SEQ    2    1    0    0    0 -1|1 NAME Bob /Adams/|"
            "0 @I000003@ INDI|1 _TXT|1 NAME Cy /Lee/|1 _SEQ   64    0    0    0    0      2|"
            "0 @F000001@ FAM|1 _SEQ   66      0|1 HUSB @I000001@|0 @F000002@ FAM|1 _SEQ|"
            "1 WIFE @I000001@")));
  // The fields themselves are read as the private-line tests check; here that each line is used.
  const IndividualRecord& ann = *f.t.store.individual(1);
  EXPECT_EQ(ann.skipFlagsExt, 0x80000005u);
  EXPECT_EQ(ann.markFlags, 33);
  EXPECT_EQ(ann.todoText.str(), "Call the archive  ");
  EXPECT_EQ(f.Individual(1), (Lines{"0 @I000001@ INDI", "1 NAME Ann /Lee/"}));

  EXPECT_EQ(f.t.store.individual(2)->markFlags, 1);  // from a reduced copy

  // An empty to-do line gives no text; private lines further down are ordinary lines.
  const IndividualRecord& cy = *f.t.store.individual(3);
  EXPECT_FALSE(cy.todoText.has_value());
  EXPECT_EQ(cy.hideFlags, 0);
  EXPECT_EQ(f.Individual(3), (Lines{"0 @I000003@ INDI", "1 NAME Cy /Lee/",
                                    "1 _SEQ   64    0    0    0    0      2"}));

  EXPECT_EQ(f.t.store.family(1)->hideFlags, 66);
  EXPECT_EQ(f.Family(1), (Lines{"0 @F000001@ FAM", "1 HUSB @I000001@"}));
  // A family's sequence line is taken even when it is too short to read.
  EXPECT_EQ(f.Family(2), (Lines{"0 @F000002@ FAM", "1 WIFE @I000001@"}));
  EXPECT_EQ(result.visit_count, 0);
  EXPECT_EQ(result.edge_count, 0);
}

TEST(GedcomReaderPrivateLines, IndividualWithoutPositionStillGivesASortedList) {
  ReadTreeFile f;
  f.Load(OwnFile({"0 @I000001@ INDI", "1 _VER   0 0", "1 _SEQ    0    0    0    0    0      0",
                  "1 NAME Cy /Lee/", "0 @I000002@ INDI", "1 NAME Bob /Adams/", "0 @I000003@ INDI",
                  "1 _VER   0 0", "1 _SEQ    0    0    0    0    0      1", "1 NAME Ann /Lee/"}));
  EXPECT_EQ(f.t.store.individual(2)->listPos, -1);
  EXPECT_EQ(f.SearchOrder(), (std::vector<int>{2, 3, 1}));
}

TEST(GedcomReaderPrivateLines, TraverseMarksAreCountedAndNextToVisitIsComputed) {
  Lines records;
  const std::pair<int, int> marks[] = {
      {1, kMarkVisit}, {2, 0}, {3, 0}, {4, kMarkEdge}, {5, kMarkVisit | kMarkEdge}};
  for (const auto& [n, mark] : marks) {
    char seq[64];
    std::snprintf(seq, sizeof seq, "1 _SEQ    0 %4d    0    0    0     -1", mark);
    records.insert(records.end(), {"0 " + MakeXref('I', n) + " INDI", seq, "1 NAME P /N/"});
  }
  const std::pair<Lines, int> families[] = {
      {{"1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@"}, 2},
      {{"1 HUSB @I000002@", "1 WIFE @I000003@", "1 CHIL @I000001@"}, 3},
      {{"1 HUSB @I000001@", "1 WIFE @I000004@"}, -1},
      {{"1 HUSB @I000002@", "1 WIFE @I000003@"}, 0},
      {{"1 HUSB @I000005@", "1 WIFE @I000002@"}, 0}};
  for (int f = 1; f <= 5; ++f) {
    records.push_back("0 " + MakeXref('F', f) + " FAM");
    records.insert(records.end(), families[f - 1].first.begin(), families[f - 1].first.end());
  }
  ReadTreeFile f;
  ReadResult result = f.Read(OwnFile(records));
  EXPECT_EQ(result.visit_count, 2);
  EXPECT_EQ(result.edge_count, 2);
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(f.t.store.family(n)->nextToVisit, families[n - 1].second) << "family " << n;
  }
}

TEST(GedcomReaderRecords, ShortLinesAreDroppedLineEndsAndTrailingBlanksStrippedLongLinesKept) {
  ReadTreeFile f;
  const std::string note = "1 NOTE " + std::string(300, 'a') + "end";
  const std::string huge = "2 CONT " + std::string(3 << 20, 'b') + "end";
  f.Load(OwnHeader("tree.ged")[0] + "\r\n1 SOUR Kinloom\r\n0 @I000001@ INDI\r\n" +
         "\r\n1 X\r\n1 AB\r\n1 SEX M   \r\n     \r\n2 ABC\n1 NAME Ann /Lee/\r\r\n" + note + "\r\n" +
         huge + "\r\n0 TRLR");
  EXPECT_EQ(f.Individual(1),
            (Lines{"0 @I000001@ INDI", "1 SEX M", "2 ABC", "1 NAME Ann /Lee/", note, huge}));
}

TEST(GedcomReaderRecords, UnknownRecordsAndTheTrailerCloseTheOpenRecord) {
  const std::string after_trailer = "1 NOTE after the trailer\r\n";
  for (const std::string& file :
       {ForeignFile({"0 @I1@ INDI", "1 NAME Ann /Lee/", "0 @X1@ _PLAC", "1 NOTE stray",
                     "0 _EVENT_DEFS", "1 TYPE stray", "0 @I2@ INDI", "1 SEX F"}),
        OwnFile({"0 @I000001@ INDI", "1 NAME Ann /Lee/", "0 @Z000001@ ZED", "1 NOTE stray",
                 "0 @I000002@ INDI", "1 SEX F"})}) {
    ReadTreeFile f;
    f.Load(file + after_trailer);
    EXPECT_EQ(f.Individual(1), (Lines{"0 @I000001@ INDI", "1 NAME Ann /Lee/"})) << file;
    EXPECT_EQ(f.Individual(2), (Lines{"0 @I000002@ INDI", "1 SEX F"})) << file;
  }
}

TEST(GedcomReaderRecords, TheTagTellsTheKindOfRecordWhateverTheCrossReference) {
  ReadTreeFile f;
  ReadResult result = f.Read(ForeignFile(
      {"0 @S1@ SUBM",     "1 NAME Sub Mitter",  "1 ADDR Here",      "0 @R1@ REPO",
       "1 NAME Archive",  "0 @I1@ INDI",        "1 NAME Ann /Lee/", "0 @N1@ NOTE First",
       "1 CONT more",     "0 @N2@ NOTE Second", "0 @U1@ SUBM",      "1 NAME Not a source",
       "0 @SUBN1@ SUBN",  "0 @M1@ OBJE",        "1 FILE a.jpg",     "0 @S2@ SOUR",
       "1 TITL Register", "0 @X1@ INDI",        "1 NAME Bob /Lee/", "0 @F1@ FAM",
       "1 HUSB @X1@",     "1 WIFE @I1@"}));
  EXPECT_EQ(RecordLines(f.t.store.other_records()),
            (Lines{"Empty Record", "0 @S1@ SUBM", "1 NAME Sub Mitter", "1 ADDR Here", "0 @R1@ REPO",
                   "1 NAME Archive", "0 @U1@ SUBM", "1 NAME Not a source", "0 @SUBN1@ SUBN",
                   "0 @M1@ OBJE", "1 FILE a.jpg"}));
  EXPECT_EQ(result.notes, 2);
  EXPECT_EQ(f.Individual(1), (Lines{"0 @I000001@ INDI", "1 NAME Ann /Lee/"}));
  EXPECT_EQ(f.Individual(2), (Lines{"0 @I000002@ INDI", "1 NAME Bob /Lee/"}));
  EXPECT_EQ(f.Family(1), (Lines{"0 @F000001@ FAM", "1 HUSB @I000002@", "1 WIFE @I000001@"}));
  EXPECT_EQ(f.t.store.highest_source(), 1);
  EXPECT_EQ(RecordLines(f.t.store.source(1)), (Lines{"0 @S000001@ SOUR", "1 TITL Register"}));
}

// An own file is in the internal set unless its header says otherwise; then it is converted.
TEST(GedcomReaderCharset, OwnFilesDeclaringAnotherSetAreConverted) {
  const struct {
    const char* header;  // the CHAR line, if any
    std::string name;    // "José" in the file
    std::string todo;    // "Café" in the file
    std::string read;    // "José" as read
  } cases[] = {
      {"1 CHAR UTF-8", "Jos\xC3\xA9", "Caf\xC3\xA9", "Jos\xE9"},
      {"1 CHAR ANSEL", "Jos\xE2\x65", "Caf\xE2\x65", "Jos\xE9"},  // 0x65: "e"
      {"1 CHAR ANSI", "Jos\xE9", "Caf\xE9", "Jos\xE9"},
      // Without a set the bytes stay, even when they would read as UTF-8.
      {nullptr, "Jos\xC3\xA9", "Caf\xC3\xA9", "Jos\xC3\xA9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.header ? c.header : "no CHAR line");
    Lines lines = {"0 HEAD", "1 SOUR Kinloom Zoraz"};
    if (c.header != nullptr) lines.push_back(c.header);
    lines.insert(lines.end(), {"0 @I000001@ INDI", "1 _TXT Ask the " + c.todo,
                               "1 NAME " + c.name + " /Lee/", "0 TRLR"});
    ReadTreeFile f;
    ReadResult result = f.Read(CrLfJoin(lines));
    ASSERT_EQ(result.outcome, ReadOutcome::kRead);
    EXPECT_TRUE(result.own_file);
    EXPECT_FALSE(f.t.store.tree_modified());
    EXPECT_EQ(f.Individual(1), (Lines{"0 @I000001@ INDI", "1 NAME " + c.read + " /Lee/"}));
    EXPECT_EQ(f.t.store.individual(1)->todoText.str(), "Ask the Caf" + c.read.substr(3));
  }
  // A file in UTF-16 (with a byte order mark; every character here below U+0100).
  std::string wide = "\xFF\xFE";
  for (char c : CrLfJoin({"0 HEAD", "1 SOUR Kinloom", "1 CHAR UNICODE", "0 @I000001@ INDI",
                          "1 NAME Jos\xE9 /Lee/", "0 TRLR"})) {
    wide += {c, '\0'};
  }
  ReadTreeFile f;
  EXPECT_EQ(f.Read(wide).outcome, ReadOutcome::kRead);
  EXPECT_EQ(f.Individual(1), (Lines{"0 @I000001@ INDI", "1 NAME Jos\xE9 /Lee/"}));
}

TEST(GedcomReaderRecords, LowestIndividualBecomesCurrentAndHomeAndAMissingFamilyIsMadeUp) {
  ReadTreeFile f;
  f.t.store.set_tree_modified(true);
  f.Load(OwnFile({"0 @I000009@ INDI", "1 NAME Bob /Lee/", "0 @I000004@ INDI", "1 NAME Ann /Lee/"}));
  EXPECT_EQ(f.t.store.highest_individual(), 9);
  EXPECT_EQ(f.t.store.current_individual(), 4);
  EXPECT_EQ(f.t.store.home_person(), 4);
  EXPECT_EQ(f.t.store.highest_family(), 1);
  EXPECT_TRUE(f.t.store.IsMarkerFamily(1));
  EXPECT_FALSE(f.t.store.tree_modified());
  EXPECT_EQ(f.t.store.busy_depth(), 0);
  EXPECT_TRUE(f.Shown(f.t.ui.progress_captions(), "Starting:  tree"));
  EXPECT_TRUE(f.Shown(f.t.ui.progress_labels(), "Reading Family Tree Records"));
}

TEST(GedcomReaderRecords, DamagedNumbersAreSkippedWithTheirLinesAndCounted) {
  ReadTreeFile f;
  // A missing, zero, too high or repeated number: nine records the tables cannot hold.
  ReadResult result = f.Read(OwnFile(
      Split("0 @I000001@ INDI|1 NAME Kept /One/|0 @I@ INDI|1 _SEQ    0    4    0    0    0      1|"
            "1 NAME No /Number/|0 @I000000@ INDI|1 NAME Zero /Number/|0 @I1000000@ INDI|"
            "1 NAME Too /High/|0 @I99999999999@ INDI|1 NAME Far /Too High/|0 @I000001@ INDI|"
            "1 _SEQ    0    4    0    0    0      0|1 NAME Second /One/|0 @F600000@ FAM|"
            "1 _SEQ    0      0|1 HUSB @I000001@|0 @F000000@ FAM|1 HUSB @I000001@|0 @S030000@ SOUR|"
            "1 TITL Too high|0 @S000007@ SOUR|1 TITL Kept|0 @S000007@ SOUR|1 TITL Twice")));
  EXPECT_EQ(result.outcome, ReadOutcome::kRead);
  EXPECT_EQ(result.skipped_records, 9);
  EXPECT_TRUE(f.t.ui.records().empty());
  EXPECT_EQ(result.visit_count, 0);
  EXPECT_EQ(f.t.store.highest_individual(), 1);
  EXPECT_EQ(f.Individual(1), (Lines{"0 @I000001@ INDI", "1 NAME Kept /One/"}));
  EXPECT_EQ(f.Individual(0).at(1), "1 NAME Unidentified /Individual/");
  EXPECT_EQ(f.Individual(0).size(), 5u);
  EXPECT_EQ(f.Family(0).size(), 5u);
  EXPECT_TRUE(f.t.store.IsMarkerFamily(1));
  EXPECT_EQ(f.t.store.highest_source(), 7);
  EXPECT_EQ(RecordLines(f.t.store.source(7)), (Lines{"0 @S000007@ SOUR", "1 TITL Kept"}));
}

}  // namespace
}  // namespace kinloom::store
