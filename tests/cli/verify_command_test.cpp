// kinloom-cli verify: the settings it starts from and the changes asked for, the lines it
// prints and the problems file it saves.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "files/data_folders.h"
#include "support/test_support.h"

namespace kinloom::cli {
namespace {

using testing::CrLfJoin;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

// Individual 1, named in capitals, died at 110; his daughter 3 married 2 when she was 11.
// clang-format off
const std::string kTree = CrLfJoin({
    "0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI",
    "0 @I000001@ INDI", "1 NAME OTTO /Vogt/", "1 SEX M", "1 BIRT", "2 DATE 1840", "1 DEAT",
        "2 DATE 1950", "1 FAMS @F000002@",
    "0 @I000002@ INDI", "1 NAME Hans /Berg/", "1 SEX M", "1 BIRT", "2 DATE 1880",
        "1 FAMS @F000001@",
    "0 @I000003@ INDI", "1 NAME Greta /Vogt/", "1 SEX F", "1 BIRT", "2 DATE 1890",
        "1 FAMC @F000002@", "1 FAMS @F000001@",
    "0 @F000001@ FAM", "1 HUSB @I000002@", "1 WIFE @I000003@", "1 MARR", "2 DATE 1901",
    "0 @F000002@ FAM", "1 HUSB @I000001@", "1 CHIL @I000003@",
    "0 TRLR"});
// clang-format on

class VerifyCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteFileBytes(home_.File(tree_ + ".ged"), kTree); }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"verify", home_.File(tree_ + ".ged")});
    const CliRun run = Cli(std::move(args), home_.path());
    out_ = run.out;
    err_ = run.err;
    return run.status;
  }
  std::vector<std::string> ProblemLines() const {
    std::vector<std::string> lines;
    std::istringstream in(out_);
    for (std::string line; std::getline(in, line);) {
      if (line.ends_with("]")) lines.push_back(line);
    }
    return lines;
  }
  void WriteSources(const std::string& text) {
    ASSERT_TRUE(files::MakeDataFolders(files::DataFoldersAt(home_.path(), "")).ok());
    WriteFileBytes(home_.path() + "/config/sources.web", text);
  }

  testing::TempDir home_;
  std::string tree_ = "B\xC3\xA4r";  // "Bär", as the file system names it
  std::string out_, err_;
};

TEST_F(VerifyCommandTest, WithoutSettingsTheKeptValuesApplyWithEveryCheckOn) {
  ASSERT_EQ(Run({}), kExitOk);
  EXPECT_TRUE(out_.starts_with("         *** 3 Potential Problems Found ***\n"));
  EXPECT_TRUE(Has(out_, "001 - Marriage when under age of 12\n"));
  EXPECT_EQ(ProblemLines(), (std::vector<std::string>{
                                "   1      1   Given Name       Given name is in all capitals "
                                "format [E01]",
                                "   2      1   Death            Death after age of 105 [E07]",
                                "   3      3   Marriage         Marriage when under age of 12 "
                                "[E09]"}));
}

TEST_F(VerifyCommandTest, OffAndSetChangeTheStoredSettingsForThisRun) {
  WriteSources(CrLfJoin({"9 4", "", "a 0", "d 110", "f 13", "k 2147483647"}));
  ASSERT_EQ(Run({"--off", "1,9", "--set", "7=95"}), kExitOk);
  EXPECT_EQ(
      ProblemLines(),
      (std::vector<std::string>{"   1      1   Death            Death after age of 95 [E07]"}));
  ASSERT_EQ(Run({"--set", "9=20,1=2", "--complete", "--ignore-before-1600"}), kExitOk);
  EXPECT_EQ(ProblemLines(), (std::vector<std::string>{
                                "   1      3   Marriage         Marriage when under age of 20 "
                                "[E09]"}));
}

TEST_F(VerifyCommandTest, BadSettingsAreRefused) {
  EXPECT_EQ(Run({"--set", "8=5"}), kExitUsage);
  EXPECT_TRUE(Has(err_, "--set 8 takes 10 to 1000"));
  EXPECT_EQ(Run({"--set", "14=3"}), kExitUsage);
  EXPECT_EQ(Run({"--off", "38"}), kExitUsage);
  EXPECT_EQ(Run({"--off"}), kExitUsage);
  EXPECT_TRUE(out_.empty());
}

TEST_F(VerifyCommandTest, SaveWritesTheListIntoMyFilesAndCountsOn) {
  WriteSources(CrLfJoin({"9 4", "", "k 2147483647"}));
  ASSERT_EQ(Run({"--save", "--off", "1,7"}), kExitOk);
  EXPECT_TRUE(out_.ends_with("Problems_" + tree_ + "_4.txt\n"));
  const std::string saved = ReadFileBytes(home_.path() + "/my_files/Problems_" + tree_ + "_4.txt");
  // The title centres the name in 47 characters; the date is today's.
  EXPECT_TRUE(
      saved.starts_with("Potential Problems" + std::string(22, ' ') + tree_ + std::string(22, ' ')))
      << saved.substr(0, 90);
  EXPECT_TRUE(Has(saved, "\r\n---- ------ - - ---------------- ------"));
  EXPECT_TRUE(Has(saved, "   1      3     Marriage         Marriage when under age of 12\r\n"));
  EXPECT_TRUE(saved.ends_with("D = Done - Problem Resolved\r\n"));
  // The count goes on; the settings of the run are not kept.
  const std::string sources = ReadFileBytes(home_.path() + "/config/sources.web");
  EXPECT_TRUE(Has(sources, "9 5\r\n"));
  EXPECT_TRUE(Has(sources, "k 2147483647"));
}

}  // namespace
}  // namespace kinloom::cli
