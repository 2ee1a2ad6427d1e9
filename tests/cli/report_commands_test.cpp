// kinloom-cli report and relationship: the text on standard output and in files, the PDF files
// written without a display, and the exit statuses.
#include <gtest/gtest.h>

#include <cstdlib>

#include "charts/pdf_facts.h"
#include "cli/cli_run.h"
#include "support/test_support.h"

namespace kinloom::cli {
namespace {

using testing::CrLfJoin;
using testing::ReadFileBytes;
using testing::TempDir;

// Grandparents 1 and 2 (family 1), their son 3 married to 4 (family 2), their granddaughter
// 5; 6 is a stranger.
// clang-format off
const std::string kTree = CrLfJoin({
    "0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI",
    "0 @I000001@ INDI", "1 NAME Adam /Lee/", "1 SEX M", "1 BIRT", "2 DATE 1840", "1 FAMS @F000001@",
    "0 @I000002@ INDI", "1 NAME Eve /R\xe9my/", "1 SEX F", "1 FAMS @F000001@",
    "0 @I000003@ INDI", "1 NAME Cain /Lee/", "1 SEX M", "1 FAMC @F000001@", "1 FAMS @F000002@",
    "0 @I000004@ INDI", "1 NAME Ada /Oak/", "1 SEX F", "1 FAMS @F000002@",
    "0 @I000005@ INDI", "1 NAME Enid /Lee/", "1 SEX F", "1 FAMC @F000002@",
    "0 @I000006@ INDI", "1 NAME Sam /Hay/", "1 SEX M",
    "0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@",
    "0 @F000002@ FAM", "1 HUSB @I000003@", "1 WIFE @I000004@", "1 CHIL @I000005@",
    "0 TRLR"});
// clang-format on

class ReportCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::WriteFileBytes(tree_, kTree); }

  // Runs a command against an empty data home, so no settings of the machine are read.
  CliRun Run(std::vector<std::string> args) { return Cli(std::move(args), home_.path()); }

  TempDir dir_;
  TempDir home_;
  std::string tree_ = dir_.File("tree.ged");
};

TEST_F(ReportCommandsTest, Relationship) {
  CliRun run = Run({"relationship", tree_, "5", "1"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "relation1: Grand Daughter\nrelation2: Grand Father\nmemo: Adam Lee (1)\n"
            "line: Cain Lee (3)|\nline: Enid Lee (5)|\n");
  run = Run({"relationship", tree_, "2", "5"});
  EXPECT_EQ(run.out,
            "relation1: Grand Mother\nrelation2: Grand Daughter\nmemo: Eve R\xc3\xa9my (2)\n"
            "line: Cain Lee (3)|\nline: Enid Lee (5)|\n")
      << "names are written in UTF-8";
  EXPECT_EQ(Run({"relationship", tree_, "5", "6"}).out,
            "relation1: No Blood Relationship\nrelation2: No Blood Relationship\nmemo: \n");
  EXPECT_EQ(Run({"relationship", tree_, "5", "99"}).status, kExitBadInput);
  EXPECT_EQ(Run({"relationship", tree_, "x", "1"}).status, kExitBadInput);
  EXPECT_EQ(Run({"relationship", tree_, "1"}).status, kExitUsage);
}

TEST_F(ReportCommandsTest, ListsAsTextOnStandardOutputAndInFiles) {
  CliRun run = Run({"report", "descendants", tree_, "1", "--generations", "2"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  // A heading of 80 characters, underlined.
  EXPECT_TRUE(run.out.starts_with("Adam Lee (1)   "));
  EXPECT_EQ(run.out.substr(80), "\n" + std::string(80, '-') +
                                    "\n1 Adam Lee (1) b. 1840\n  + Eve R\xc3\xa9my (2)\n"
                                    "    2 Cain Lee (3)\n      + Ada Oak (4)\n");

  const std::string text = dir_.File("anc.txt");
  run = Run({"report", "ancestors", tree_, "5", "--text", text});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(run.out.empty());
  const std::string bytes = ReadFileBytes(text);
  EXPECT_TRUE(bytes.ends_with("\r\n Enid Lee (5)   \r\n    \\Ada Oak (4)   \r\n")) << bytes;
  EXPECT_TRUE(Has(bytes, "\r\n    /Cain Lee (3)   \r\n"));
  EXPECT_TRUE(Has(bytes, "\\Eve R\xc3\xa9my (2)   \r\n"));
}

TEST_F(ReportCommandsTest, BadArgumentsAndMissingRecords) {
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"report"}, kExitUsage},
      {{"report", "cousins", tree_, "1"}, kExitUsage},
      {{"report", "ancestors", tree_, "1", "--generations", "1"}, kExitUsage},
      {{"report", "ancestors", tree_, "1", "--generations", "31"}, kExitUsage},
      {{"report", "ancestors", tree_, "1", "--colour"}, kExitUsage},
      {{"report", "ancestors", tree_}, kExitUsage},
      {{"report", "family", tree_, "1"}, kExitUsage},
      {{"report", "pedigree", tree_, "1", "--text", dir_.File("x.txt")}, kExitUsage},
      {{"report", "sources", "--pdf", dir_.File("x.pdf")}, kExitUsage},
      {{"report", "ancestors", tree_, "99"}, kExitBadInput},
      {{"report", "family", tree_, "5", "--pdf", dir_.File("f.pdf")}, kExitBadInput},
      {{"report", "person", dir_.File("none.ged"), "1", "--pdf", dir_.File("p.pdf")},
       kExitBadInput},
      {{"report", "ancestors", tree_, "5", "--pdf", dir_.File("no/such/dir.pdf")},
       kExitCannotWrite},
  };
  for (const auto& c : cases) EXPECT_EQ(Run(c.args).status, c.status) << c.args.back();
}

TEST_F(ReportCommandsTest, PdfFilesWithoutADisplay) {
#ifdef KINLOOM_NO_PDF
  GTEST_SKIP() << "built without Qt";
#endif
  ::unsetenv("DISPLAY");
  ::unsetenv("WAYLAND_DISPLAY");
  const struct {
    std::vector<std::string> args;
    bool landscape;
  } cases[] = {
      {{"ancestors", tree_, "5"}, false},
      {{"descendants", tree_, "1", "--generations", "19"}, true},
      {{"family", tree_, "2"}, false},
      {{"pedigree", tree_, "5"}, true},
      {{"person", tree_, "3"}, false},
      {{"sources", tree_}, false},
      {{"blank-family"}, false},
  };
  for (const auto& c : cases) {
    const std::string pdf = dir_.File(c.args[0] + ".pdf");
    std::vector<std::string> args = {"report"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"--pdf", pdf});
    const CliRun run = Run(args);
    ASSERT_EQ(run.status, kExitOk) << c.args[0] << ": " << run.err;
    const std::string bytes = ReadFileBytes(pdf);
    EXPECT_TRUE(bytes.starts_with("%PDF-")) << c.args[0];
    EXPECT_GE(testing::PdfPageCount(bytes), 1) << c.args[0];
    EXPECT_EQ(testing::PdfLandscape(bytes), c.landscape) << c.args[0];
  }
}

}  // namespace
}  // namespace kinloom::cli
