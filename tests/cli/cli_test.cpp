#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cli/cli_run.h"
#include "files/program_files.h"
#include "support/corpus.h"
#include "support/test_support.h"

namespace kinloom::cli {
namespace {

using testing::CorpusFile;
using testing::CrLfJoin;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

std::string Sample() {
  return std::string(KINLOOM_SOURCE_DIR) + "/samples/sample.ged";
}

const std::string kOwnTree =
    CrLfJoin({"0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI", "0 @I000001@ INDI",
              "1 NAME Ann /Lee/", "1 FAMS @F000001@", "1 SOUR @S000002@", "0 @I000003@ INDI",
              "1 NAME Bo /Lee/", "1 FAMS @F000001@", "0 @F000001@ FAM", "1 HUSB @I000003@",
              "1 WIFE @I000001@", "0 @S000002@ SOUR", "1 TITL Register", "0 TRLR"});

// Grandparents 1 and 2 (family 1), their son 3 who married 4 (family 2), and their daughter 5.
// clang-format off
const std::string kThreeGenerations = CrLfJoin({
    "0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI",
    "0 @I000001@ INDI", "1 NAME Adam /Lee/", "1 SEX M", "1 BIRT", "2 DATE 1840", "1 DEAT",
        "2 DATE 1901", "1 FAMS @F000001@",
    "0 @I000002@ INDI", "1 NAME Eve /Ray/", "1 SEX F", "1 FAMS @F000001@",
    "0 @I000003@ INDI", "1 NAME Cain /Lee/", "1 SEX M", "1 BIRT", "2 DATE 1870", "2 PLAC Leeds",
        "1 FAMC @F000001@", "1 FAMS @F000002@",
    "0 @I000004@ INDI", "1 NAME Ada /Oak/", "1 SEX F", "1 FAMS @F000002@",
    "0 @I000005@ INDI", "1 NAME Enid /Lee/", "1 SEX F", "1 BIRT", "2 DATE 1990", "1 FAMC @F000002@",
    "0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@",
    "0 @F000002@ FAM", "1 HUSB @I000003@", "1 WIFE @I000004@", "1 CHIL @I000005@",
    "0 TRLR"});
// clang-format on

// The help text the manual page is made from names --version.
TEST(CliUsage, HelpAndUsageErrors) {
  CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_TRUE(Has(help.out, "convert IN.ged OUT.ged"));
  EXPECT_TRUE(Has(help.out, "--version"));
  const std::vector<std::vector<std::string>> usage = {{},
                                                       {"frobnicate"},
                                                       {"info"},
                                                       {"convert", "a.ged"},
                                                       {"convert", "a.ged", "b.ged", "--mode", "X"},
                                                       {"convert", "a.ged", "b.ged", "--mode"}};
  for (const auto& args : usage) {
    EXPECT_EQ(Cli(args).status, kExitUsage) << (args.empty() ? "" : args.back());
  }
}

// --version names the program and the build's version first (what packagers and the manual
// page read), then the licence, and where the program found its support files.
TEST(CliUsage, VersionNamesVersionLicenceAndSupportFiles) {
  const CliRun run = Cli({"--version"});
  ASSERT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "kinloom-cli " + std::string(files::ProgramVersion()));
  EXPECT_TRUE(Has(run.out, "GPL-3.0-or-later"));
  EXPECT_TRUE(Has(run.out, "Support files: " + files::FindProgramFiles().data + "\n"));
  EXPECT_TRUE(run.err.empty());
}

TEST(CliInfo, SummarisesAnOwnTreeAndRefusesMissingForeignOrUnreadableInput) {
  TreeDir t(kOwnTree);
  CliRun run = Cli({"info", t.tree});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out,
            "individuals: 2\nfamilies: 1\nsources: 1\nhighest-individual: 3\n"
            "highest-family: 1\nhighest-source: 2\ncharset: ANSI\nown-file: yes\nnotes: 0\n"
            "links-repaired: 0\ndropped-lines: 0\n");

  CliRun missing = Cli({"info", t.dir.File("nothing.ged")});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_TRUE(Has(missing.err, "nothing.ged"));
  WriteFileBytes(t.dir.File("letter.ged"), "Dear cousin,\r\nhere is the tree.\r\n");
  CliRun wrong = Cli({"info", t.dir.File("letter.ged")});
  EXPECT_EQ(wrong.status, kExitBadInput);
  EXPECT_EQ(wrong.err,
            "** Incorrect File Format **: This file is not a gedcom\nfamily tree file.\n\n\r"
            "= File Reading Aborted =\n");
  CliRun folder = Cli({"info", t.dir.path()});
  EXPECT_EQ(folder.status, kExitBadInput);
  EXPECT_TRUE(Has(folder.err, "*** File Reading Error ***: The file\n" + t.dir.path() +
                                  "\ncould not be read: Is a directory."))
      << folder.err;
}

TEST(CliInfo, ReadsFilesFromOtherProgramsWithTheirCharsetNotesAndRepairs) {
  KINLOOM_REQUIRE_CORPUS();
  // How many people each file holds is the corpus test's, the summary's layout the test above's.
  const struct {
    const char* file;
    const char* line;
  } cases[] = {
      {"ansel-myroots-lincoln.ged", "charset: ANSEL\n"},
      {"ansi-paf-tudor.ged", "notes: 4\n"},
      {"utf8-paf-bach.ged", "charset: UTF-8\n"},
      {"ansi-ftm-potter.ged", "charset: ANSI\n"},
      {"nochar-input.ged", "charset: none\n"},
      {"ansel-paf-japanese-imperial.ged", "links-repaired: 4\n"},
  };
  for (const auto& c : cases) {
    CliRun run = Cli({"info", CorpusFile(c.file)});
    ASSERT_EQ(run.status, kExitOk) << c.file;
    EXPECT_TRUE(Has(run.out, c.line)) << c.file << "\n" << run.out;
    EXPECT_TRUE(Has(run.out, "own-file: no")) << c.file;
  }
}

TEST(CliConvert, WritesTheOwnFormatReadsItBackAndNamesFilesItCannotUse) {
  TreeDir t(kOwnTree);
  CliRun run = Cli({"convert", t.tree, t.dir.File("out.ged")});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  std::string out = ReadFileBytes(t.dir.File("out.ged"));
  EXPECT_TRUE(Has(out, "1 FILE GED: out.ged\r\n"));
  EXPECT_TRUE(Has(out, "0 @S000002@ SOUR\r\n1 TITL Register\r\n0 TRLR"));
  EXPECT_TRUE(out.ends_with("\r\n0 TRLR"));
  EXPECT_TRUE(Has(Cli({"info", t.dir.File("out.ged")}).out, "individuals: 2\n"));

  CliRun unwritable = Cli({"convert", t.tree, t.dir.File("no-folder/out.ged")});
  EXPECT_EQ(unwritable.status, kExitCannotWrite);
  EXPECT_TRUE(Has(unwritable.err, "out.ged"));
  EXPECT_EQ(Cli({"convert", t.dir.File("missing.ged"), t.dir.File("o.ged")}).status, kExitBadInput);
}

TEST(CliViews, OutlinesListAncestorsAndDescendantsInOrder) {
  TreeDir t(kThreeGenerations);
  CliRun up = Cli({"outline", t.tree, "5", "--ancestors"});
  ASSERT_EQ(up.status, kExitOk) << up.err;
  // Fathers above, mothers below.
  EXPECT_EQ(up.out,
            "2 M Adam Lee (1)   b. 1840   d. 1901\n"
            "1 M Cain Lee (3)   b. 1870\n"
            "2 F Eve Ray (2)\n"
            "0 I Enid Lee (5)   b. 1990\n"
            "1 F Ada Oak (4)\n");
  CliRun down = Cli({"outline", t.tree, "1", "--descendants", "--generations", "3"});
  ASSERT_EQ(down.status, kExitOk) << down.err;
  EXPECT_EQ(down.out,
            "0 I 1 Adam Lee (1)   b. 1840   d. 1901\n"
            "0 S +  Eve Ray (2)\n"
            "1 I 2 Cain Lee (3)   b. 1870\n"
            "1 S +  Ada Oak (4)\n"
            "2 I 3 Enid Lee (5)   b. 1990\n");
}

TEST(CliViews, PersonShowsSummaryDirectLineAndLivingState) {
  TreeDir t(kThreeGenerations);
  // The home person is the lowest individual, Adam; his son is a direct descendant, not an
  // ancestor, so no indicator; born 1870, he is counted as deceased.
  CliRun run = Cli({"person", t.tree, "3"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "Cain Lee (3)\nBirth: 1870    Leeds\nFather: Adam Lee (1)\nMother: Eve Ray (2)\n"
            "Spouse: Ada Oak (4)\nChild: Enid Lee (5)\ndirect-line: 4\ndeceased: yes\n");
  EXPECT_TRUE(Has(Cli({"person", t.tree, "5"}).out, "deceased: no\n"));
}

TEST(CliViews, PersonTakesTheNumberAsWrittenInFiles) {
  TreeDir t(kThreeGenerations);
  const std::string cain = Cli({"person", t.tree, "3"}).out;
  for (const char* id : {"I3", "i3", "I000003", "@I000003@", "003"}) {
    EXPECT_EQ(Cli({"person", t.tree, id}).out, cain) << id;
  }
  for (const char* id : {"x", "I", "@I@", "I-3", "F3", "0", "I3x", "@I000003"}) {
    EXPECT_EQ(Cli({"person", t.tree, id}).status, kExitBadInput) << id;
  }
}

TEST(CliViews, BadIndividualOrOptionsAreRefused) {
  TreeDir t(kThreeGenerations);
  EXPECT_EQ(Cli({"outline", t.tree, "77", "--ancestors"}).status, kExitBadInput);
  EXPECT_EQ(Cli({"outline", t.tree, "1"}).status, kExitUsage);
  EXPECT_EQ(Cli({"outline", t.tree, "1", "--sideways"}).status, kExitUsage);
}

TEST(CliMerge, MergesAnotherProgramsFileBehindTheTree) {
  KINLOOM_REQUIRE_CORPUS();
  TreeDir t(kThreeGenerations);
  const std::string out = t.dir.File("out.ged");
  CliRun run = Cli({"merge", t.tree, CorpusFile("utf8-webtreeprint-bronte.ged"), out});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  CliRun info = Cli({"info", out});
  EXPECT_TRUE(Has(info.out, "individuals: 19\n")) << info.out;
  EXPECT_TRUE(Has(info.out, "own-file: yes\n"));
  EXPECT_TRUE(Has(ReadFileBytes(out), "1 NAME Patrick /Bront\xEB/"));
  EXPECT_EQ(Cli({"merge", t.tree, t.dir.File("none.ged"), t.dir.File("o.ged")}).status,
            kExitBadInput);
}

// A file from another program that loses a cause of death, a custom event with its date and
// a submitter record; "Zoë" in UTF-8.
const std::string kForeignTree =
    CrLfJoin({"0 HEAD", "1 SOUR OTHERAPP", "1 CHAR UTF-8", "0 @U1@ SUBM", "1 NAME Sub Mitter",
              "0 @I1@ INDI", "1 NAME Zo\xC3\xAB /Lee/", "1 DEAT", "2 CAUS Fever", "1 EVEN",
              "2 TYPE Fair", "2 DATE 1900", "0 TRLR"});

const char kForeignSummary[] =
    "Not carried over: 1 submitter record, 1 cause of death, 1 custom event.";

TEST(CliReport, ImportConvertAndMergeListWhatTheyLeftOutAndLeaveTheFileAlone) {
  TreeDir t(kOwnTree);
  const std::string foreign = t.dir.File("foreign.ged");
  WriteFileBytes(foreign, kForeignTree);
  const std::string report = t.dir.File("left-out.txt");
  const std::vector<std::vector<std::string>> commands = {
      {"convert", foreign, t.dir.File("out.ged"), "--report", report},
      {"merge", t.tree, foreign, t.dir.File("merged.ged"), "--report", report},
      {"--home", t.dir.File("home"), "import", foreign, "--report", report}};
  for (const auto& command : commands) {
    SCOPED_TRACE(command[0]);
    std::filesystem::remove(report);
    CliRun run = Cli(command);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_TRUE(Has(run.err, kForeignSummary)) << run.err;
    const std::string text = ReadFileBytes(report);
    EXPECT_TRUE(text.starts_with(std::string(kForeignSummary) + "\n")) << text;
    EXPECT_TRUE(Has(text, "  2 CAUS Fever   (not kept: cause of death)\n")) << text;
    EXPECT_TRUE(Has(text, "    2 DATE 1900\n")) << text;
    EXPECT_EQ(ReadFileBytes(foreign), kForeignTree);
  }
  CliRun info = Cli({"info", foreign});
  EXPECT_TRUE(Has(info.out, "dropped-lines: 6\n")) << info.out;
  EXPECT_EQ(Cli({"convert", foreign, t.dir.File("o.ged"), "--report"}).status, kExitUsage);
  CliRun unwritable = Cli(
      {"convert", foreign, t.dir.File("o.ged"), "--report", t.dir.File("no-folder/report.txt")});
  EXPECT_EQ(unwritable.status, kExitCannotWrite);
  EXPECT_TRUE(Has(unwritable.err, "report.txt"));
}

// A data home with the sample imported as "Family".
class CliHome : public ::testing::Test {
 protected:
  void SetUp() override {
    CliRun imported = Home({"import", Sample(), "--name", "Family"});
    ASSERT_EQ(imported.status, kExitOk) << imported.err;
    EXPECT_EQ(imported.out, "Family\n");
  }
  CliRun Home(std::vector<std::string> args) { return Cli(std::move(args), home_.path()); }
  TempDir home_;
};

TEST_F(CliHome, ImportListsReadsAndPrintsTheSettingsOfTreesByName) {
  KINLOOM_REQUIRE_CORPUS();
  ASSERT_EQ(Home({"import", CorpusFile("utf8-paf-bach.ged")}).status, kExitOk);
  EXPECT_EQ(Home({"trees"}).out, "Family\nutf8-paf-bach\n");
  CliRun info = Home({"info", "Family"});
  EXPECT_TRUE(Has(info.out, "individuals: 120\n")) << info.err;
  EXPECT_FALSE(ReadFileBytes(home_.File("config/Family.cfg")).empty());
  EXPECT_FALSE(ReadFileBytes(home_.File("config/sources.web")).empty());
  CliRun settings = Home({"settings", "Family"});
  ASSERT_EQ(settings.status, kExitOk);
  EXPECT_TRUE(Has(settings.out, "colour-0: #"));
  EXPECT_TRUE(Has(settings.out, "backup-days: "));
}

TEST_F(CliHome, UnsafeTreeNamesAreRefused) {
  EXPECT_NE(Home({"import", Sample(), "--name", "../escape"}).status, kExitOk);
  EXPECT_FALSE(std::filesystem::exists(home_.path() + "/../escape.ged"));
}

TEST_F(CliHome, SplitCopyOfDescendantsHoldsOnlyThem) {
  CliRun copy = Home({"save-copy", "Family", "--split", "--select", "1", "--descendants"});
  ASSERT_EQ(copy.status, kExitOk) << copy.err;
  const std::string name = copy.out.substr(0, copy.out.find('\n'));
  EXPECT_TRUE(name.starts_with("Family_Split")) << name;
  // The copy reads, and holds no more people than descend from person 1 (with person 1).
  CliRun info = Home({"info", name});
  ASSERT_EQ(info.status, kExitOk) << info.err;
  ASSERT_TRUE(Has(info.out, "individuals: "));
  const int people = std::stoi(info.out.substr(info.out.find("individuals: ") + 13));
  const std::string outline =
      Cli({"outline", Sample(), "1", "--descendants", "--generations", "34"}).out;
  EXPECT_GT(people, 1);
  EXPECT_LE(people, std::count(outline.begin(), outline.end(), '\n'));
  EXPECT_EQ(Home({"save-copy", "Family", "--select", "1"}).status, kExitUsage);
}

}  // namespace
}  // namespace kinloom::cli
