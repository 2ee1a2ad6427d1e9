// kinloom-cli report and relationship: the text on standard output and in files, the PDF files
// written without a display, and the exit statuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "charts/pdf_facts.h"
#include "cli/commands.h"
#include "support/test_support.h"

namespace kinloom::cli {
namespace {

using testing::CrLfJoin;
using testing::ReadFileBytes;
using testing::TempDir;

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

// Grandparents 1 and 2 (family 1), their son 3 married to 4 (family 2), their granddaughter
// 5; 6 is a stranger.
const std::string kTree = CrLfJoin({"0 HEAD",
                                    "1 SOUR Kinloom Zoraz",
                                    "1 CHAR ANSI",
                                    "0 @I000001@ INDI",
                                    "1 NAME Adam /Lee/",
                                    "1 SEX M",
                                    "1 BIRT",
                                    "2 DATE 1840",
                                    "1 FAMS @F000001@",
                                    "0 @I000002@ INDI",
                                    "1 NAME Eve /R\xe9my/",
                                    "1 SEX F",
                                    "1 FAMS @F000001@",
                                    "0 @I000003@ INDI",
                                    "1 NAME Cain /Lee/",
                                    "1 SEX M",
                                    "1 FAMC @F000001@",
                                    "1 FAMS @F000002@",
                                    "0 @I000004@ INDI",
                                    "1 NAME Ada /Oak/",
                                    "1 SEX F",
                                    "1 FAMS @F000002@",
                                    "0 @I000005@ INDI",
                                    "1 NAME Enid /Lee/",
                                    "1 SEX F",
                                    "1 FAMC @F000002@",
                                    "0 @I000006@ INDI",
                                    "1 NAME Sam /Hay/",
                                    "1 SEX M",
                                    "0 @F000001@ FAM",
                                    "1 HUSB @I000001@",
                                    "1 WIFE @I000002@",
                                    "1 CHIL @I000003@",
                                    "0 @F000002@ FAM",
                                    "1 HUSB @I000003@",
                                    "1 WIFE @I000004@",
                                    "1 CHIL @I000005@",
                                    "0 TRLR"});

class ReportCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::WriteFileBytes(tree_, kTree); }

  // Runs a command against an empty data home, so no settings of the machine are read.
  CliResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home_.path()});
    std::ostringstream out, err;
    const int status = RunCommand(args, out, err);
    return {status, out.str(), err.str()};
  }

  TempDir dir_;
  TempDir home_;
  std::string tree_ = dir_.File("tree.ged");
};

TEST_F(ReportCommandsTest, Relationship) {
  CliResult run = Cli({"relationship", tree_, "5", "1"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "relation1: Grand Daughter\nrelation2: Grand Father\nmemo: Adam Lee (1)\n"
            "line: Cain Lee (3)|\nline: Enid Lee (5)|\n");
  run = Cli({"relationship", tree_, "2", "5"});
  EXPECT_EQ(run.out,
            "relation1: Grand Mother\nrelation2: Grand Daughter\nmemo: Eve R\xc3\xa9my (2)\n"
            "line: Cain Lee (3)|\nline: Enid Lee (5)|\n")
      << "names are written in UTF-8";
  EXPECT_EQ(Cli({"relationship", tree_, "5", "6"}).out,
            "relation1: No Blood Relationship\nrelation2: No Blood Relationship\nmemo: \n");
  EXPECT_EQ(Cli({"relationship", tree_, "5", "99"}).status, kExitBadInput);
  EXPECT_EQ(Cli({"relationship", tree_, "x", "1"}).status, kExitBadInput);
  EXPECT_EQ(Cli({"relationship", tree_, "1"}).status, kExitUsage);
}

TEST_F(ReportCommandsTest, ListsAsTextOnStandardOutputAndInFiles) {
  CliResult run = Cli({"report", "descendants", tree_, "1", "--generations", "2"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  std::istringstream lines(run.out);
  std::string heading, dashes, rest;
  std::getline(lines, heading);
  std::getline(lines, dashes);
  std::getline(lines, rest, '\0');
  EXPECT_EQ(heading.size(), 80u);
  EXPECT_TRUE(heading.starts_with("Adam Lee (1)   "));
  EXPECT_EQ(dashes, std::string(80, '-'));
  EXPECT_EQ(rest,
            "1 Adam Lee (1) b. 1840\n  + Eve R\xc3\xa9my (2)\n    2 Cain Lee (3)\n"
            "      + Ada Oak (4)\n");

  const std::string text = dir_.File("anc.txt");
  run = Cli({"report", "ancestors", tree_, "5", "--text", text});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(run.out.empty());
  const std::string bytes = ReadFileBytes(text);
  EXPECT_TRUE(bytes.ends_with("\r\n Enid Lee (5)   \r\n    \\Ada Oak (4)   \r\n")) << bytes;
  EXPECT_NE(bytes.find("\r\n    /Cain Lee (3)   \r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\\Eve R\xc3\xa9my (2)   \r\n"), std::string::npos);
}

TEST_F(ReportCommandsTest, BadArgumentsAndMissingRecords) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"report"},
           {"report", "cousins", tree_, "1"},
           {"report", "ancestors", tree_, "1", "--generations", "1"},
           {"report", "ancestors", tree_, "1", "--generations", "31"},
           {"report", "ancestors", tree_, "1", "--colour"},
           {"report", "ancestors", tree_},
           {"report", "family", tree_, "1"},
           {"report", "pedigree", tree_, "1", "--text", dir_.File("x.txt")},
           {"report", "sources", "--pdf", dir_.File("x.pdf")}}) {
    EXPECT_EQ(Cli(args).status, kExitUsage) << args.back();
  }
  EXPECT_EQ(Cli({"report", "ancestors", tree_, "99"}).status, kExitBadInput);
  EXPECT_EQ(Cli({"report", "family", tree_, "5", "--pdf", dir_.File("f.pdf")}).status,
            kExitBadInput);
  EXPECT_EQ(
      Cli({"report", "person", dir_.File("none.ged"), "1", "--pdf", dir_.File("p.pdf")}).status,
      kExitBadInput);
  EXPECT_EQ(Cli({"report", "ancestors", tree_, "5", "--pdf", dir_.File("no/such/dir.pdf")}).status,
            kExitCannotWrite);
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
    std::vector<std::string> args = {"report"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const std::string pdf = dir_.File(c.args[0] + ".pdf");
    args.insert(args.end(), {"--pdf", pdf});
    const CliResult run = Cli(args);
    ASSERT_EQ(run.status, kExitOk) << c.args[0] << ": " << run.err;
    const std::string bytes = ReadFileBytes(pdf);
    EXPECT_TRUE(bytes.starts_with("%PDF-")) << c.args[0];
    EXPECT_GE(testing::PdfPageCount(bytes), 1) << c.args[0];
    EXPECT_EQ(testing::PdfLandscape(bytes), c.landscape) << c.args[0];
  }
}

}  // namespace
}  // namespace kinloom::cli
