#include "cli/commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/test_support.h"

namespace kinloom::cli {
namespace {

using testing::CrLfJoin;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = RunCommand(args, out, err);
  return {status, out.str(), err.str()};
}

std::string Corpus(const std::string& name) {
  return std::string(KINLOOM_CORPUS_DIR) + "/" + name;
}

const std::string kOwnTree =
    CrLfJoin({"0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI", "0 @I000001@ INDI",
              "1 NAME Ann /Lee/", "1 FAMS @F000001@", "1 SOUR @S000002@", "0 @I000003@ INDI",
              "1 NAME Bo /Lee/", "1 FAMS @F000001@", "0 @F000001@ FAM", "1 HUSB @I000003@",
              "1 WIFE @I000001@", "0 @S000002@ SOUR", "1 TITL Register", "0 TRLR"});

TEST(CliUsage, HelpAndUsageErrors) {
  CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_NE(help.out.find("convert IN.ged OUT.ged"), std::string::npos);
  EXPECT_EQ(Cli({}).status, kExitUsage);
  EXPECT_EQ(Cli({"frobnicate"}).status, kExitUsage);
  EXPECT_EQ(Cli({"info"}).status, kExitUsage);
  EXPECT_EQ(Cli({"convert", "a.ged"}).status, kExitUsage);
  EXPECT_EQ(Cli({"convert", "a.ged", "b.ged", "--mode", "X"}).status, kExitUsage);
  EXPECT_EQ(Cli({"convert", "a.ged", "b.ged", "--mode"}).status, kExitUsage);
}

TEST(CliInfo, SummarisesAnOwnTree) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), kOwnTree);
  CliRun run = Cli({"info", dir.File("tree.ged")});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out,
            "individuals: 2\nfamilies: 1\nsources: 1\nhighest-individual: 3\n"
            "highest-family: 1\nhighest-source: 2\ncharset: ANSI\nown-file: yes\nnotes: 0\n"
            "links-repaired: 0\n");
}

TEST(CliInfo, MissingOrForeignInputIsStatusTwoWithTheMessage) {
  TempDir dir;
  CliRun missing = Cli({"info", dir.File("nothing.ged")});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_NE(missing.err.find("nothing.ged"), std::string::npos);

  WriteFileBytes(dir.File("letter.ged"), "Dear cousin,\r\nhere is the tree.\r\n");
  CliRun wrong = Cli({"info", dir.File("letter.ged")});
  EXPECT_EQ(wrong.status, kExitBadInput);
  EXPECT_EQ(wrong.err,
            "** Incorrect File Format **: This file is not a gedcom\nfamily tree file.\n\n\r"
            "= File Reading Aborted =\n");
}

TEST(CliInfo, ReadsTheCharsetOfFilesFromOtherPrograms) {
  struct Case {
    const char* file;
    const char* expected;
  } cases[] = {
      {"ansel-myroots-lincoln.ged", "individuals: 20\nfamilies: 11\n"},
      {"ansi-paf-tudor.ged", "individuals: 268\nfamilies: 175\n"},
      {"utf8-paf-bible.ged", "individuals: 583\nfamilies: 297\n"},
  };
  for (const Case& c : cases) {
    CliRun run = Cli({"info", Corpus(c.file)});
    ASSERT_EQ(run.status, kExitOk) << c.file;
    EXPECT_EQ(run.out.substr(0, std::string(c.expected).size()), c.expected) << c.file;
    EXPECT_NE(run.out.find("own-file: no"), std::string::npos);
  }
  EXPECT_NE(Cli({"info", Corpus("ansel-myroots-lincoln.ged")}).out.find("charset: ANSEL"),
            std::string::npos);
  EXPECT_NE(Cli({"info", Corpus("utf8-paf-bach.ged")}).out.find("charset: UTF-8"),
            std::string::npos);
  EXPECT_NE(Cli({"info", Corpus("ansi-ftm-potter.ged")}).out.find("charset: ANSI"),
            std::string::npos);
  EXPECT_NE(Cli({"info", Corpus("nochar-input.ged")}).out.find("charset: none"), std::string::npos);
}

TEST(CliConvert, WritesTheOwnFormatAndReadsItBack) {
  TempDir dir;
  WriteFileBytes(dir.File("in.ged"), kOwnTree);
  CliRun run = Cli({"convert", dir.File("in.ged"), dir.File("out.ged")});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  std::string out = ReadFileBytes(dir.File("out.ged"));
  EXPECT_NE(out.find("1 FILE GED: out.ged\r\n"), std::string::npos);
  EXPECT_NE(out.find("0 @S000002@ SOUR\r\n1 TITL Register\r\n0 TRLR"), std::string::npos);
  EXPECT_TRUE(out.ends_with("\r\n0 TRLR"));
  CliRun info = Cli({"info", dir.File("out.ged")});
  EXPECT_NE(info.out.find("individuals: 2\n"), std::string::npos);
}

TEST(CliConvert, UnwritableOutputIsStatusThreeAndNamesTheFile) {
  TempDir dir;
  WriteFileBytes(dir.File("in.ged"), kOwnTree);
  CliRun run = Cli({"convert", dir.File("in.ged"), dir.File("no-folder/out.ged")});
  EXPECT_EQ(run.status, kExitCannotWrite);
  EXPECT_NE(run.err.find("out.ged"), std::string::npos);
  EXPECT_EQ(Cli({"convert", dir.File("missing.ged"), dir.File("out.ged")}).status, kExitBadInput);
}

}  // namespace
}  // namespace kinloom::cli

namespace kinloom::cli {
namespace {

// Grandparents 1 and 2 (family 1), their son 3 who married 4 (family 2), and their daughter 5.
const std::string kThreeGenerations = CrLfJoin({"0 HEAD",
                                                "1 SOUR Kinloom Zoraz",
                                                "1 CHAR ANSI",
                                                "0 @I000001@ INDI",
                                                "1 NAME Adam /Lee/",
                                                "1 SEX M",
                                                "1 BIRT",
                                                "2 DATE 1840",
                                                "1 DEAT",
                                                "2 DATE 1901",
                                                "1 FAMS @F000001@",
                                                "0 @I000002@ INDI",
                                                "1 NAME Eve /Ray/",
                                                "1 SEX F",
                                                "1 FAMS @F000001@",
                                                "0 @I000003@ INDI",
                                                "1 NAME Cain /Lee/",
                                                "1 SEX M",
                                                "1 BIRT",
                                                "2 DATE 1870",
                                                "2 PLAC Leeds",
                                                "1 FAMC @F000001@",
                                                "1 FAMS @F000002@",
                                                "0 @I000004@ INDI",
                                                "1 NAME Ada /Oak/",
                                                "1 SEX F",
                                                "1 FAMS @F000002@",
                                                "0 @I000005@ INDI",
                                                "1 NAME Enid /Lee/",
                                                "1 SEX F",
                                                "1 BIRT",
                                                "2 DATE 1990",
                                                "1 FAMC @F000002@",
                                                "0 @F000001@ FAM",
                                                "1 HUSB @I000001@",
                                                "1 WIFE @I000002@",
                                                "1 CHIL @I000003@",
                                                "0 @F000002@ FAM",
                                                "1 HUSB @I000003@",
                                                "1 WIFE @I000004@",
                                                "1 CHIL @I000005@",
                                                "0 TRLR"});

TEST(CliViews, AncestorOutlineListsFathersAboveAndMothersBelow) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), kThreeGenerations);
  CliRun run = Cli({"outline", dir.File("tree.ged"), "5", "--ancestors"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "2 M Adam Lee (1)   b. 1840   d. 1901\n"
            "1 M Cain Lee (3)   b. 1870\n"
            "2 F Eve Ray (2)\n"
            "0 I Enid Lee (5)   b. 1990\n"
            "1 F Ada Oak (4)\n");
}

TEST(CliViews, DescendantOutlineNumbersGenerationsAndMarksSpouses) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), kThreeGenerations);
  CliRun run = Cli({"outline", dir.File("tree.ged"), "1", "--descendants", "--generations", "3"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "0 I 1 Adam Lee (1)   b. 1840   d. 1901\n"
            "0 S +  Eve Ray (2)\n"
            "1 I 2 Cain Lee (3)   b. 1870\n"
            "1 S +  Ada Oak (4)\n"
            "2 I 3 Enid Lee (5)   b. 1990\n");
}

TEST(CliViews, PersonShowsSummaryDirectLineAndLivingState) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), kThreeGenerations);
  // The home person is the lowest individual, Adam; his son is a direct descendant, not an
  // ancestor, so no indicator; born 1870, he is counted as deceased.
  CliRun run = Cli({"person", dir.File("tree.ged"), "3"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "Cain Lee (3)\nBirth: 1870    Leeds\nFather: Adam Lee (1)\nMother: Eve Ray (2)\n"
            "direct-line: 4\ndeceased: yes\n");
  CliRun enid = Cli({"person", dir.File("tree.ged"), "5"});
  EXPECT_NE(enid.out.find("deceased: no\n"), std::string::npos);
}

TEST(CliViews, BadIndividualOrOptionsAreRefused) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), kThreeGenerations);
  EXPECT_EQ(Cli({"outline", dir.File("tree.ged"), "77", "--ancestors"}).status, kExitBadInput);
  EXPECT_EQ(Cli({"outline", dir.File("tree.ged"), "1"}).status, kExitUsage);
  EXPECT_EQ(Cli({"outline", dir.File("tree.ged"), "1", "--sideways"}).status, kExitUsage);
  EXPECT_EQ(Cli({"person", dir.File("tree.ged"), "x"}).status, kExitBadInput);
}

TEST(CliMerge, MergesAnotherProgramsFileBehindTheTree) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), kThreeGenerations);
  CliRun run = Cli(
      {"merge", dir.File("tree.ged"), Corpus("utf8-webtreeprint-bronte.ged"), dir.File("out.ged")});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  CliRun info = Cli({"info", dir.File("out.ged")});
  EXPECT_NE(info.out.find("individuals: 19\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("own-file: yes\n"), std::string::npos);
  std::string merged = ReadFileBytes(dir.File("out.ged"));
  EXPECT_NE(merged.find("1 NAME Patrick /Bront\xEB/"), std::string::npos);
  EXPECT_EQ(Cli({"merge", dir.File("tree.ged"), dir.File("none.ged"), dir.File("o.ged")}).status,
            kExitBadInput);
}

TEST(CliInfo, CountsNotesAndRepairedLinks) {
  CliRun run = Cli({"info", Corpus("ansel-paf-japanese-imperial.ged")});
  ASSERT_EQ(run.status, kExitOk);
  EXPECT_NE(run.out.find("links-repaired: 4\n"), std::string::npos) << run.out;
  CliRun notes = Cli({"info", Corpus("ansi-paf-tudor.ged")});
  EXPECT_NE(notes.out.find("notes: 4\n"), std::string::npos) << notes.out;
}

}  // namespace
}  // namespace kinloom::cli

namespace kinloom::cli {
namespace {

std::string Sample() {
  return std::string(KINLOOM_SOURCE_DIR) + "/samples/sample.ged";
}

TEST(CliHome, ImportListsAndReadsTreesByName) {
  TempDir home;
  CliRun imported = Cli({"--home", home.path(), "import", Sample(), "--name", "Family"});
  ASSERT_EQ(imported.status, kExitOk) << imported.err;
  EXPECT_EQ(imported.out, "Family\n");
  ASSERT_EQ(Cli({"--home", home.path(), "import", Corpus("utf8-paf-bach.ged")}).status, kExitOk);
  EXPECT_EQ(Cli({"--home", home.path(), "trees"}).out, "Family\nutf8-paf-bach\n");
  CliRun info = Cli({"--home", home.path(), "info", "Family"});
  EXPECT_NE(info.out.find("individuals: 120\n"), std::string::npos) << info.err;
  EXPECT_NE(ReadFileBytes(home.File("config/Family.cfg")).size(), 0u);
  EXPECT_NE(ReadFileBytes(home.File("config/sources.web")).size(), 0u);
}

TEST(CliHome, UnsafeTreeNamesAreRefused) {
  TempDir home;
  EXPECT_NE(Cli({"--home", home.path(), "import", Sample(), "--name", "../escape"}).status,
            kExitOk);
  EXPECT_FALSE(std::filesystem::exists(home.path() + "/../escape.ged"));
}

TEST(CliHome, SplitCopyOfDescendantsHoldsExactlyThem) {
  TempDir home;
  ASSERT_EQ(Cli({"--home", home.path(), "import", Sample(), "--name", "Family"}).status, kExitOk);
  CliRun copy = Cli(
      {"--home", home.path(), "save-copy", "Family", "--split", "--select", "1", "--descendants"});
  ASSERT_EQ(copy.status, kExitOk) << copy.err;
  const std::string name = copy.out.substr(0, copy.out.find('\n'));
  EXPECT_EQ(name.rfind("Family_Split", 0), 0u) << name;
  // Every person of the copy descends from person 1 (or is person 1), and the copy reads.
  CliRun info = Cli({"--home", home.path(), "info", name});
  ASSERT_EQ(info.status, kExitOk) << info.err;
  CliRun outline = Cli({"outline", Sample(), "1", "--descendants", "--generations", "34"});
  int descendants = 0;
  for (char ch : outline.out) descendants += ch == '\n' ? 1 : 0;
  EXPECT_NE(info.out.find("individuals: "), std::string::npos);
  int people = std::stoi(info.out.substr(info.out.find("individuals: ") + 13));
  EXPECT_GT(people, 1);
  EXPECT_LE(people, descendants);
  EXPECT_EQ(Cli({"--home", home.path(), "save-copy", "Family", "--select", "1"}).status,
            kExitUsage);
}

TEST(CliHome, SettingsPrintsWebAndProgramSettings) {
  TempDir home;
  ASSERT_EQ(Cli({"--home", home.path(), "import", Sample(), "--name", "Family"}).status, kExitOk);
  CliRun run = Cli({"--home", home.path(), "settings", "Family"});
  ASSERT_EQ(run.status, kExitOk);
  EXPECT_NE(run.out.find("colour-0: #"), std::string::npos);
  EXPECT_NE(run.out.find("backup-days: "), std::string::npos);
}

}  // namespace
}  // namespace kinloom::cli
