// kinloom-cli web builds a tree's site in its web folder or another one.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"
#include "web_test_support.h"

namespace kinloom::web {
namespace {

using cli::Cli;
using cli::CliRun;
using kinloom::testing::CrLfJoin;
using kinloom::testing::WriteFileBytes;

TEST(WebCommand, BuildsTheSiteOfATreeAndSaysWhere) {
  testing::TempDir home;
  std::vector<std::string> lines = testing::FamilyLines();
  lines.insert(lines.begin(), {"0 HEAD", "1 CHAR ANSI"});
  lines.push_back("0 TRLR");
  WriteFileBytes(home.File("family.ged"), CrLfJoin(lines));
  CliRun run = Cli({"import", home.File("family.ged"), "--name", "Fam"}, home.path());
  ASSERT_EQ(run.status, cli::kExitOk) << run.err;

  // The settings' kind (PHP) in the tree's web folder; living people hidden by default.
  run = Cli({"web", "Fam"}, home.path());
  ASSERT_EQ(run.status, cli::kExitOk) << run.err;
  EXPECT_EQ(run.out, "folder: " + home.path() + "/web/Fam/php\npeople: 4\n");
  EXPECT_TRUE(std::filesystem::exists(home.path() + "/web/Fam/php/kln_indpage.php"));

  const std::string elsewhere = home.File("site");
  run = Cli({"web", "Fam", "--html", "--mode", "N", "--out", elsewhere}, home.path());
  ASSERT_EQ(run.status, cli::kExitOk) << run.err;
  EXPECT_EQ(run.out, "folder: " + elsewhere + "/htm\npeople: 4\n");
  EXPECT_TRUE(std::filesystem::exists(elsewhere + "/htm/ind/kln_ind000004.html"));

  run = Cli({"web", "Fam", "--html", "--mode", "S", "--hide-living", "--out", elsewhere},
            home.path());
  ASSERT_EQ(run.status, cli::kExitOk);
  EXPECT_EQ(run.out, "folder: " + elsewhere + "/htm\npeople: 0\n");
}

TEST(WebCommand, UsageErrors) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"web"}, {"web", "T", "--mode", "X"}, {"web", "T", "--out"}, {"web", "T", "--pdf"}}) {
    EXPECT_EQ(Cli(args).status, cli::kExitUsage) << args.back();
  }
  testing::TempDir home;
  EXPECT_EQ(Cli({"web", "Missing"}, home.path()).status, cli::kExitBadInput);
}

}  // namespace
}  // namespace kinloom::web
