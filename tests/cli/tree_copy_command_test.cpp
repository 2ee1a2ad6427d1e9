#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace kinloom::cli {
namespace {

namespace fs = std::filesystem;
using testing::CrLfJoin;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

const std::string kTree = CrLfJoin(
    {"0 HEAD", "1 CHAR ANSI", "0 @I000001@ INDI", "1 NAME Ann /Lee/", "1 OBJE ann.jpg", "0 TRLR"});

class TreeCopyCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"home/gedcom", "home/config", "home/media", "stick"}) {
      fs::create_directories(dir_.File(folder));
    }
    WriteFileBytes(dir_.File("home/gedcom/Lee.ged"), kTree);
    WriteFileBytes(dir_.File("home/config/Lee.med"), "END");
    WriteFileBytes(dir_.File("home/media/ann.jpg"), "JPEG");
  }
  CliRun Home(const std::string& home, std::vector<std::string> args) {
    return Cli(std::move(args), dir_.File(home));
  }

  TempDir dir_;
};

TEST_F(TreeCopyCommandTest, CopiesOutAndBringsBackIntoAnotherHome) {
  const CliRun out = Home("home", {"copy-tree", "Lee", dir_.File("stick")});
  ASSERT_EQ(out.status, kExitOk) << out.err;
  EXPECT_EQ(out.out, "3 files copied to " + dir_.File("stick") + "\n");
  EXPECT_EQ(ReadFileBytes(dir_.File("stick/gedcom/Lee.ged")), kTree);
  EXPECT_EQ(ReadFileBytes(dir_.File("stick/media/ann.jpg")), "JPEG");

  const CliRun in = Home("other", {"bring-tree", dir_.File("stick"), "Lee"});
  ASSERT_EQ(in.status, kExitOk) << in.err;
  EXPECT_EQ(ReadFileBytes(dir_.File("other/gedcom/Lee.ged")), kTree);
  EXPECT_EQ(ReadFileBytes(dir_.File("other/config/Lee.med")), "END");
  EXPECT_TRUE(fs::is_directory(dir_.File("other/backup"))) << "a full data home is made";
}

TEST_F(TreeCopyCommandTest, AnExistingTreeIsReplacedOnlyWithReplace) {
  fs::create_directories(dir_.File("stick/gedcom"));
  WriteFileBytes(dir_.File("stick/gedcom/Lee.ged"), "older");
  const CliRun kept = Home("home", {"copy-tree", "Lee", dir_.File("stick")});
  EXPECT_EQ(kept.status, kExitCannotWrite);
  EXPECT_TRUE(Has(kept.err, "Replace Family Tree")) << kept.err;
  EXPECT_TRUE(Has(kept.err, "--replace replaces the tree there"));
  EXPECT_EQ(ReadFileBytes(dir_.File("stick/gedcom/Lee.ged")), "older");

  const CliRun replaced = Home("home", {"copy-tree", "Lee", dir_.File("stick"), "--replace"});
  EXPECT_EQ(replaced.status, kExitOk) << replaced.err;
  EXPECT_EQ(ReadFileBytes(dir_.File("stick/gedcom/Lee.ged")), kTree);
}

TEST_F(TreeCopyCommandTest, BadArgumentsAndMissingTrees) {
  EXPECT_EQ(Home("home", {"copy-tree", "Lee"}).status, kExitUsage);
  EXPECT_EQ(Home("home", {"bring-tree", dir_.File("stick"), "Lee", "extra"}).status, kExitUsage);
  const CliRun missing = Home("home", {"copy-tree", "Nobody", dir_.File("stick")});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_TRUE(Has(missing.err, "Nobody"));
  EXPECT_EQ(Home("home", {"copy-tree", "../Lee", dir_.File("stick")}).status, kExitBadInput);
}

}  // namespace
}  // namespace kinloom::cli
