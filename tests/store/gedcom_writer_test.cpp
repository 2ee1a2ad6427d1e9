#include "store/gedcom_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "store/gedcom_reader.h"
#include "store/line_search.h"
#include "store/search_lists.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::CrLfJoin;
using testing::FaultyFileSystem;
using testing::OwnHeader;
using testing::ReadFileBytes;
using testing::Split;
using testing::TempDir;
using testing::TestTree;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

// The first line of a record and the lines below it, chained.
LineNode* Chain(RecordStore& store, const std::string& first, const Lines& lines) {
  LineNode* last = nullptr;
  LineNode* head = store.AppendLine(&last, first);
  for (const auto& line : lines) store.AppendLine(&last, line);
  return head;
}

IndividualRecord* AddIndividual(RecordStore& store, int n, const Lines& lines) {
  IndividualRecord* record = store.CreateIndividual(n);
  record->lines = Chain(store, "0 " + MakeXref('I', n) + " INDI", lines);
  store.set_highest_individual(std::max(n, store.highest_individual()));
  return record;
}

FamilyRecord* AddFamily(RecordStore& store, int n, const Lines& lines) {
  FamilyRecord* record = store.CreateFamily(n);
  record->lines = Chain(store, "0 " + MakeXref('F', n) + " FAM", lines);
  store.set_highest_family(std::max(n, store.highest_family()));
  return record;
}

void AddSource(RecordStore& store, int n, const std::string& title) {
  store.SetSource(n, Chain(store, "0 " + MakeXref('S', n) + " SOUR", {"1 TITL " + title}));
  store.set_highest_source(std::max(n, store.highest_source()));
}

// A tree held in memory and the file it is saved to.
struct SavedTree {
  SavedTree() { t.store.NewEmptyTree(false); }

  std::string Write(WriteMode mode) {
    Status status = WriteTree(t.store, path, mode, fs);
    EXPECT_TRUE(status.ok()) << status.message();
    return ReadFileBytes(path);
  }

  TestTree t;
  TempDir dir;
  std::string path = dir.File("tree.ged");
  platform::LocalFileSystem fs;
};

// The whole file the writer makes for these records.
std::string OwnFile(const Lines& records) {
  Lines lines = OwnHeader("tree.ged");
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back("0 TRLR");
  return CrLfJoin(lines);
}

// The lines of the record that starts with `first_line`, as the file holds them.
Lines RecordIn(const std::string& file, const std::string& first_line) {
  Lines found;
  bool inside = false;
  for (const std::string& line : testing::SplitLines(file)) {
    if (line.starts_with("0 ")) inside = line == first_line;
    if (inside) found.push_back(line);
  }
  return found;
}

bool Holds(const std::string& file, const std::string& line) {
  return ("\r\n" + file + "\r\n").find("\r\n" + line + "\r\n") != std::string::npos;
}

// The numbers of the records of a kind ('I' or 'S', 1 to 5) that the file holds, as "135".
std::string Written(const std::string& file, char kind) {
  std::string numbers;
  for (int n = 1; n <= 5; ++n) {
    if (Holds(file, "0 " + MakeXref(kind, n) + (kind == 'I' ? " INDI" : " SOUR"))) {
      numbers += std::to_string(n);
    }
  }
  return numbers;
}

TEST(GedcomWriter, NormalSaveWritesEveryByteOfTheOwnLayout) {
  SavedTree s;
  RecordStore& store = s.t.store;
  IndividualRecord* john = AddIndividual(
      store, 1, {"1 NAME John /Smith/", "1 SEX M", "1 FAMS @F000001@", "1 SOUR @S000002@"});
  john->skipFlags = 5;
  john->skipFlagsExt = 33;
  john->hideFlags = 0x44;
  john->markFlags = 0x21;
  std::memcpy(john->listBits, "\x01\x02\xFF", 3);
  john->todoText.Set("Find the will  ");
  john->listPos = 7;  // stale: the search list decides
  AddIndividual(store, 3, {"1 NAME Ann /Adams/", "1 SEX F", "1 FAMS @F000001@"});
  AddFamily(store, 1, {"1 HUSB @I000001@", "1 WIFE @I000003@", "1 MARR", "2 DATE 1900"});
  AddSource(store, 1, "Never cited");
  AddSource(store, 2, "Parish book");
  // Repositories, submitters and imported notes are kept for display only.
  store.AppendLine(store.other_records_tail(), "0 @R1@ REPO");
  store.note_records().push_back(store.NewLine("0 @N1@ NOTE imported"));
  BuildIndividualSearchList(store, 1);
  BuildFamilySearchList(store, 1);

  EXPECT_EQ(s.Write(WriteMode::kNormal),
            OwnFile(Split("0 @I000001@ INDI|1 _VER   5 33|1 _SEQ   68   33    1    2  255      1|"
                          "1 _TXT Find the will  |1 NAME John /Smith/|1 SEX M|1 FAMS @F000001@|"
                          "1 SOUR @S000002@|"
                          "0 @I000003@ INDI|1 _VER   0 0|1 _SEQ    0    0    0    0    0      0|"
                          "1 NAME Ann /Adams/|1 SEX F|1 FAMS @F000001@|"
                          "0 @F000001@ FAM|1 _SEQ    0      0|1 HUSB @I000001@|1 WIFE @I000003@|"
                          "1 MARR|2 DATE 1900|"
                          "0 @S000002@ SOUR|1 TITL Parish book")));
  EXPECT_EQ(john->listPos, 1);
  EXPECT_EQ(store.individual(3)->listPos, 0);
}

TEST(GedcomWriter, StarterTreeKeepsTheMarkerFamilyAndOverlongLinesAndReducedCopiesDropVersions) {
  SavedTree s;
  s.t.store.NewEmptyTree(true);
  const std::string note = "1 NOTE " + std::string(600, 'n');
  LineNode* last = s.t.store.LastLine(s.t.store.individual(1)->lines);
  s.t.store.AppendLine(&last, note);
  const Lines expected = Split(
      "0 @I000001@ INDI|1 _VER   0 0|1 _SEQ    0    0    0    0    0      0|"
      "1 NAME First Name /Last Name/|1 SEX M|1 CHAN|2 DATE 31 Dec 2002|" +
      note + "|0 @F000001@ FAM|1 _SEQ    0      0|1 SEX Z|1 CHAN|2 DATE 31 Dec 2002");
  EXPECT_EQ(s.Write(WriteMode::kNormal), OwnFile(expected));

  // Reduced copies write no version line and no list position, and keep the changed mark.
  IndividualRecord* person = s.t.store.individual(1);
  person->markFlags = kMarkSelected;
  person->skipFlags = 3;
  person->listBits[2] = 9;
  for (WriteMode mode : {WriteMode::kSplit, WriteMode::kHide, WriteMode::kBoth}) {
    SCOPED_TRACE(static_cast<char>(mode));
    s.t.store.set_tree_modified(true);
    std::string file = s.Write(mode);
    EXPECT_EQ(RecordIn(file, "0 @I000001@ INDI"),
              Split("0 @I000001@ INDI|1 _SEQ    0    1    0    0    9 -1|"
                    "1 NAME First Name /Last Name/|1 SEX M|1 CHAN|2 DATE 31 Dec 2002|" +
                    note));
    EXPECT_TRUE(Holds(file, "1 _SEQ    0 -1"));
    EXPECT_EQ(file.find("_VER"), std::string::npos);
    EXPECT_TRUE(s.t.store.tree_modified());
  }
  s.Write(WriteMode::kNormal);  // only a successful normal save clears the mark
  EXPECT_FALSE(s.t.store.tree_modified());
}

TEST(GedcomWriter, EachModeWritesItsOwnSetOfPeople) {
  SavedTree s;
  RecordStore& store = s.t.store;
  AddIndividual(store, 1, {"1 NAME Selected /Shown/"})->markFlags = kMarkSelected;
  IndividualRecord* two = AddIndividual(store, 2, {"1 NAME Selected /Hidden/"});
  two->markFlags = kMarkSelected;
  two->hideFlags = kHideEverything;
  AddIndividual(store, 3, {"1 NAME Other /Shown/"});
  AddIndividual(store, 4, {"1 NAME Other /Hidden/"})->hideFlags = kHideEverything;
  AddFamily(store, 1,
            {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@", "1 CHIL @I000004@",
             "1 CHIL @I000099@"});

  // The people written, and the family's member lines: a link to nobody is not a link to an
  // excluded person, so it stays.
  const struct {
    WriteMode mode;
    const char *people, *members;
  } cases[] = {
      {WriteMode::kNormal, "1234",
       "1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000003@|1 CHIL @I000004@|1 CHIL @I000099@"},
      {WriteMode::kSplit, "12", "1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000099@"},
      {WriteMode::kHide, "13", "1 HUSB @I000001@|1 CHIL @I000003@|1 CHIL @I000099@"},
      {WriteMode::kBoth, "1", "1 HUSB @I000001@|1 CHIL @I000099@"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<char>(c.mode));
    const std::string file = s.Write(c.mode);
    EXPECT_EQ(Written(file, 'I'), c.people);
    const Lines family = RecordIn(file, "0 @F000001@ FAM");
    ASSERT_GE(family.size(), 2u);
    EXPECT_EQ(Lines(family.begin() + 2, family.end()), Split(c.members));
  }
}

TEST(GedcomWriter, SplitCopyWithoutSelectionKeepsFamiliesWithoutTheirMembers) {
  SavedTree s;
  RecordStore& store = s.t.store;
  AddIndividual(store, 1, {"1 NAME John /Smith/", "1 FAMS @F000001@"})->hideFlags = kHideSurname;
  AddIndividual(store, 2, {"1 NAME Ann /Adams/", "1 FAMS @F000001@"});
  AddFamily(store, 1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 MARR", "2 PLAC Leeds"});
  AddFamily(store, 2, {"1 HUSB @I000001@"})->hideFlags = kHideEverything;
  AddFamily(store, 3, {"1 CHIL @I000002@"})->listPos = 4;

  EXPECT_EQ(s.Write(WriteMode::kSplit),
            OwnFile({"0 @F000001@ FAM", "1 _SEQ    0 -1", "1 MARR", "2 PLAC Leeds",
                     "0 @F000003@ FAM", "1 _SEQ    0 -1"}));
}

TEST(GedcomWriter, SplitCopyIgnoresTheHideSettingsOfSelectedPeople) {
  SavedTree s;
  IndividualRecord* person =
      AddIndividual(s.t.store, 1, {"1 NAME John /Smith/", "1 SSN 123", "1 NOTE private"});
  person->markFlags = kMarkSelected;
  person->hideFlags = kHideSurname | kHideSsn | kHideNotes;
  EXPECT_EQ(RecordIn(s.Write(WriteMode::kSplit), "0 @I000001@ INDI"),
            Split("0 @I000001@ INDI|1 _SEQ  100    1    0    0    0 -1|1 NAME John /Smith/|"
                  "1 SSN 123|1 NOTE private"));
  EXPECT_TRUE(Holds(s.Write(WriteMode::kBoth), "1 NAME John /S./"));
}

TEST(GedcomWriter, SurnameIsCutToItsInitialOnlyWhereThereIsOne) {
  const std::vector<std::pair<std::string, std::string>> names = {
      {"1 NAME John /Smith/", "1 NAME John /S./"},
      {"1 NAME /Smith/ Jr", "1 NAME /S./"},
      {"1 NAME John //", "1 NAME John //"},
      {"1 NAME John", "1 NAME John"},
      {"1 NAME John /", "1 NAME John /"}};
  for (const auto& [name, written] : names) {
    SavedTree s;
    AddIndividual(s.t.store, 1, {name, "1 SEX M"})->hideFlags = kHideSurname;
    AddIndividual(s.t.store, 2, {name, "1 SEX M"})->hideFlags = kHideLiving;
    std::string file = s.Write(WriteMode::kHide);
    EXPECT_EQ(RecordIn(file, "0 @I000001@ INDI").at(2), written) << name;
    EXPECT_EQ(RecordIn(file, "0 @I000002@ INDI").at(2), name) << name;
  }
}

TEST(GedcomWriter, HideBitsLeaveOutTheirLinesWithEverythingBelowThem) {
  const Lines person = Split(
      "1 NAME John /Smith/|1 RESI|2 PLAC Leeds|2 DATE 1950|1 PHON 555|1 MAIL j@example.org|"
      "1 SSN 123-45|1 NOTE secret|2 CONT more secret|1 BIRT|2 DATE 1900|2 PLAC York|3 MAP|"
      "4 LATI N53.9|2 NOTE at home|3 CONT really|1 OCCU Baker");
  const Lines family = Split(
      "1 MARR|2 DATE 1900|2 PLAC Leeds|3 MAP|4 LATI N53.8|2 NOTE rain|3 CONT heavy|"
      "1 NOTE family secret|2 CONT more|1 CHAN");
  auto without = [](Lines lines, const std::string& gone) {
    const Lines gone_lines = Split(gone);
    std::erase_if(lines,
                  [&](const std::string& line) { return std::ranges::count(gone_lines, line); });
    return lines;
  };
  // The bits, then the person's and the family's lines that go.
  const struct {
    uint8_t flags;
    const char *person_gone, *family_gone;
  } cases[] = {
      {kHideLiving, "", ""},
      {kHidePlaces, "1 RESI|2 PLAC Leeds|2 DATE 1950|2 PLAC York|3 MAP|4 LATI N53.9",
       "2 PLAC Leeds|3 MAP|4 LATI N53.8"},
      {kHideContact, "1 RESI|2 PLAC Leeds|2 DATE 1950|1 PHON 555|1 MAIL j@example.org", ""},
      {kHideSsn, "1 SSN 123-45", ""},
      {kHideNotes, "1 NOTE secret|2 CONT more secret|2 NOTE at home|3 CONT really",
       "2 NOTE rain|3 CONT heavy|1 NOTE family secret|2 CONT more"}};
  for (const auto& c : cases) {
    SavedTree s;
    AddIndividual(s.t.store, 1, person)->hideFlags = c.flags;
    AddFamily(s.t.store, 1, family)->hideFlags = c.flags;
    const std::string file = s.Write(WriteMode::kHide);
    SCOPED_TRACE("flags " + std::to_string(c.flags));
    for (const auto& [first, lines, gone] :
         {std::tuple{"0 @I000001@ INDI", person, c.person_gone},
          std::tuple{"0 @F000001@ FAM", family, c.family_gone}}) {
      const Lines written = RecordIn(file, first);
      ASSERT_GE(written.size(), 2u);
      EXPECT_EQ(Lines(written.begin() + 2, written.end()), without(lines, gone));
    }
  }
}

TEST(GedcomWriter, HiddenFamilyIsLeftOutWithTheLinksThatPointAtIt) {
  SavedTree s;
  RecordStore& store = s.t.store;
  AddIndividual(store, 1,
                {"1 NAME Kid /Smith/", "1 FAMC @F000002@", "2 PEDI adopted", "1 FAMS @F000001@",
                 "2 NOTE kept", "1 OCCU Baker"});
  AddFamily(store, 1, {"1 HUSB @I000001@"});
  AddFamily(store, 2, {"1 CHIL @I000001@"})->hideFlags = kHideEverything;
  std::string normal = s.Write(WriteMode::kNormal);
  EXPECT_TRUE(Holds(normal, "0 @F000002@ FAM"));
  EXPECT_TRUE(Holds(normal, "1 FAMC @F000002@"));

  for (WriteMode mode : {WriteMode::kSplit, WriteMode::kHide, WriteMode::kBoth}) {
    store.individual(1)->markFlags = kMarkSelected;
    std::string file = s.Write(mode);
    EXPECT_FALSE(Holds(file, "0 @F000002@ FAM")) << static_cast<char>(mode);
    EXPECT_EQ(RecordIn(file, "0 @I000001@ INDI"),
              (Lines{"0 @I000001@ INDI", "1 _SEQ    0    1    0    0    0 -1", "1 NAME Kid /Smith/",
                     "1 FAMS @F000001@", "2 NOTE kept", "1 OCCU Baker"}))
        << static_cast<char>(mode);
  }
}

TEST(GedcomWriter, WritesOnlySourcesThatAWrittenLineCites) {
  SavedTree s;
  RecordStore& store = s.t.store;
  AddIndividual(store, 1,
                {"1 NAME A /B/", "1 SOUR @S000001@", "1 SOUR @S000002@", "1 SOUR @S000077@"});
  // A deeper citation still needs its source, or the next reload would lose it.
  AddIndividual(store, 2,
                {"1 NAME C /D/", "1 BIRT", "2 NOTE seen", "3 SOUR @S000005@", "1 SOUR @S000001@"})
      ->markFlags = kMarkSelected;
  AddFamily(store, 1, {"1 MARR", "2 SOUR @S000003@"});
  for (int n = 1; n <= 5; ++n) AddSource(store, n, "Source " + std::to_string(n));
  EXPECT_EQ(Written(s.Write(WriteMode::kNormal), 'S'), "1235");
  // The split copy leaves out source 2, cited only by someone it excludes; the marks of the
  // last save do not survive it.
  EXPECT_EQ(Written(s.Write(WriteMode::kSplit), 'S'), "135");
  store.individual(1)->lines->next->next = nullptr;
  EXPECT_EQ(Written(s.Write(WriteMode::kNormal), 'S'), "135");
}

TEST(GedcomWriter, FailedWriteKeepsTheOldFileAndTheChangedMark) {
  const std::string old_file = "0 HEAD\r\n0 TRLR";
  struct Failure {
    const char* what;
    size_t fail_after;
    bool fail_commit;
  };
  for (const Failure& failure : {Failure{"disk full in the header", 50, false},
                                 Failure{"disk full in the records", 300, false},
                                 Failure{"commit fails", size_t{1} << 30, true}}) {
    SavedTree s;
    s.t.store.NewEmptyTree(true);
    s.t.store.set_tree_modified(true);
    WriteFileBytes(s.path, old_file);
    FaultyFileSystem faulty(failure.fail_after, failure.fail_commit);
    Status status = WriteTree(s.t.store, s.path, WriteMode::kNormal, faulty);
    EXPECT_FALSE(status.ok()) << failure.what;
    EXPECT_EQ(ReadFileBytes(s.path), old_file) << failure.what;
    EXPECT_TRUE(s.t.store.tree_modified()) << failure.what;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(s.dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << failure.what;  // no temporary file is left behind
  }
}

}  // namespace
}  // namespace kinloom::store
