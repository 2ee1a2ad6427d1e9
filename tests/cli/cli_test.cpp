#include "cli/commands.h"

#include <gtest/gtest.h>

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
