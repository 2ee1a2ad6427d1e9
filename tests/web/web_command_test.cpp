// kinloom-cli web builds a tree's site in its web folder or another one.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/commands.h"
#include "web_test_support.h"

namespace kinloom::web {
namespace {

using kinloom::testing::CrLfJoin;
using kinloom::testing::WriteFileBytes;

int Cli(const std::vector<std::string>& args, std::string* out, std::string* err) {
  std::ostringstream o, e;
  const int status = cli::RunCommand(args, o, e);
  *out = o.str();
  *err = e.str();
  return status;
}

TEST(WebCommand, BuildsTheSiteOfATreeAndSaysWhere) {
  testing::TempDir home;
  std::vector<std::string> lines = {"0 HEAD", "1 CHAR ANSI"};
  for (const std::string& line : testing::FamilyLines()) lines.push_back(line);
  lines.push_back("0 TRLR");
  WriteFileBytes(home.File("family.ged"), CrLfJoin(lines));
  std::string out, err;
  ASSERT_EQ(
      Cli({"--home", home.path(), "import", home.File("family.ged"), "--name", "Fam"}, &out, &err),
      cli::kExitOk)
      << err;

  // The settings' kind (PHP) in the tree's web folder; living people hidden by default.
  ASSERT_EQ(Cli({"--home", home.path(), "web", "Fam"}, &out, &err), cli::kExitOk) << err;
  EXPECT_EQ(out, "folder: " + home.path() + "/web/Fam/php\npeople: 4\n");
  EXPECT_TRUE(std::filesystem::exists(home.path() + "/web/Fam/php/kln_indpage.php"));

  const std::string elsewhere = home.File("site");
  ASSERT_EQ(Cli({"--home", home.path(), "web", "Fam", "--html", "--mode", "N", "--out", elsewhere},
                &out, &err),
            cli::kExitOk)
      << err;
  EXPECT_EQ(out, "folder: " + elsewhere + "/htm\npeople: 4\n");
  EXPECT_TRUE(std::filesystem::exists(elsewhere + "/htm/ind/kln_ind000004.html"));

  ASSERT_EQ(Cli({"--home", home.path(), "web", "Fam", "--html", "--mode", "S", "--hide-living",
                 "--out", elsewhere},
                &out, &err),
            cli::kExitOk);
  EXPECT_EQ(out, "folder: " + elsewhere + "/htm\npeople: 0\n");
}

TEST(WebCommand, UsageErrors) {
  std::string out, err;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"web"}, {"web", "T", "--mode", "X"}, {"web", "T", "--out"}, {"web", "T", "--pdf"}}) {
    EXPECT_EQ(Cli(args, &out, &err), cli::kExitUsage) << args.back();
  }
  testing::TempDir home;
  EXPECT_EQ(Cli({"--home", home.path(), "web", "Missing"}, &out, &err), cli::kExitBadInput);
}

}  // namespace
}  // namespace kinloom::web
