// kinloom-cli stats and todo: the grids as tab-separated rows, the subtree options, building
// lists into a new tree file and printing the stored ones, and the refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace kinloom::cli {
namespace {

using testing::CrLfJoin;

// Adam (1) and Eve (2) have Cain (3), who married Ada (4) and has Enid (5). Adam's name is
// accented in the file's own character set.
// clang-format off
const std::string kTree = CrLfJoin({
    "0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI",
    "0 @I000001@ INDI", "1 NAME Ad\xE1m /Lee/", "1 SEX M", "1 BIRT", "2 DATE 1 JAN 1840",
        "1 DEAT", "2 DATE 1 JAN 1901", "1 FAMS @F000001@",
    "0 @I000002@ INDI", "1 NAME Eve /Ray/", "1 SEX F", "1 FAMS @F000001@",
    "0 @I000003@ INDI", "1 NAME Cain /Lee/", "1 SEX M", "1 BIRT", "2 DATE 5 MAY 1870",
        "1 DEAT", "2 DATE 4 MAY 1930", "1 FAMC @F000001@", "1 FAMS @F000002@",
    "0 @I000004@ INDI", "1 NAME Ada /Oak/", "1 SEX F", "1 FAMS @F000002@",
    "0 @I000005@ INDI", "1 NAME Enid /Lee/", "1 SEX F", "1 FAMC @F000002@",
    "0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@",
    "0 @F000002@ FAM", "1 HUSB @I000003@", "1 WIFE @I000004@", "1 CHIL @I000005@",
    "0 TRLR"});
// clang-format on

TEST(CliStats, PrintsTheRecordsCheckedAndTheGridRows) {
  TreeDir f(kTree);
  const CliRun oldest = Cli({"stats", f.tree, "oldest-men"});
  ASSERT_EQ(oldest.status, kExitOk) << oldest.err;
  EXPECT_EQ(oldest.out.substr(0, oldest.out.find("      3")),
            "Records Checked: 2\n"
            " Rank\t Years\t Days\t   Name of Person\n"
            "      1\t    61\t     0\tAd\xC3\xA1m Lee (1)\n"
            "      2\t    59\t   364\tCain Lee (3)\n");
  EXPECT_TRUE(oldest.out.ends_with("    100\t\t\t\n"));

  // One generation down from Cain, with his wife: only they are tabulated.
  const CliRun counts =
      Cli({"stats", f.tree, "counts", "--descendants", "3", "--generations", "1", "--spouses"});
  ASSERT_EQ(counts.status, kExitOk) << counts.err;
  EXPECT_TRUE(Has(counts.out, "\n     1\t 50.00\tIndividuals\t\t     1\t 50.00\tIndividuals\n"))
      << counts.out;
  EXPECT_TRUE(Has(counts.out, "\n     5\t  0.00\tIndividuals\t\t999994\t100.00\tIndividuals\n"));
  const CliRun up = Cli({"stats", f.tree, "last-names", "--ancestors", "5", "--generations", "1"});
  EXPECT_EQ(up.out.substr(0, up.out.find("      3")),
            "Records Checked: 3\n"
            " Rank\t Count\t Pct%\t   Most Common Last Names\n"
            "      1\t     2\t 66.67\tLee\n"
            "      2\t     1\t 33.33\tOak\n");
}

TEST(CliToDo, BuildsListsIntoANewFileAndPrintsTheStoredOnes) {
  TreeDir f(kTree);
  const CliRun built = Cli({"todo", f.tree, "surname", "--text", "LE", f.out});
  ASSERT_EQ(built.status, kExitOk) << built.err;
  EXPECT_EQ(built.out, "Lee, Ad\xC3\xA1m (1)\nLee, Cain (3)\nLee, Enid (5)\n");
  EXPECT_TRUE(Has(built.err, "Confirm - Create New List"));
  EXPECT_EQ(Cli({"todo", f.out, "surname"}).out, built.out);
  EXPECT_EQ(Cli({"todo", f.tree, "surname"}).out, "");  // the tree read is not written

  const std::string second = f.dir.File("second.ged");
  const CliRun updated = Cli({"todo", f.out, "no-parents", "--update", "--one-parent", second});
  ASSERT_EQ(updated.status, kExitOk) << updated.err;
  EXPECT_EQ(updated.out, "Lee, Ad\xC3\xA1m (1)\nOak, Ada (4)\nRay, Eve (2)\n");
  EXPECT_EQ(Cli({"todo", second, "surname"}).out, built.out);  // the other list is kept

  const CliRun born =
      Cli({"todo", f.tree, "birth-date", "--from", "1 JAN 1840", "--to", "5 MAY 1870", f.out});
  EXPECT_EQ(born.out, "Lee, Ad\xC3\xA1m (1)\nLee, Cain (3)\n");
  const CliRun missing =
      Cli({"todo", f.tree, "missing-info", "--missing", "birth,death-place", f.out});
  EXPECT_EQ(missing.out,
            "Lee, Ad\xC3\xA1m (1)\nLee, Cain (3)\nLee, Enid (5)\nOak, Ada (4)\n"
            "Ray, Eve (2)\n");
  EXPECT_EQ(Cli({"todo", f.tree, "descendants", "--person", "3", f.out}).out,
            "Lee, Cain (3)\nLee, Enid (5)\n");
  EXPECT_EQ(Cli({"todo", f.tree, "my-todo"}).status, kExitOk);
}

TEST(CliStatsToDo, RefuseWhatMakesNoSense) {
  TreeDir f(kTree);
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"stats", f.tree, "oldest"}, kExitUsage},
      {{"stats", f.tree}, kExitUsage},
      {{"stats", f.tree, "dates", "--generations", "2"}, kExitUsage},
      {{"stats", f.tree, "dates", "--ancestors", "1", "--generations", "501"}, kExitUsage},
      {{"stats", f.tree, "dates", "--ancestors", "1", "--descendants", "2"}, kExitUsage},
      {{"stats", f.tree, "dates", "--spouses"}, kExitUsage},
      {{"stats", f.tree, "dates", "--descendants", "9"}, kExitBadInput},
      {{"stats", f.dir.File("none.ged"), "dates"}, kExitBadInput},
      {{"todo", f.tree, "everyone"}, kExitUsage},
      {{"todo", f.tree, "surname", "--text", "x"}, kExitUsage},  // no output file
      {{"todo", f.tree, "my-todo", f.out}, kExitUsage},
      {{"todo", f.tree, "surname", "--person", "1", f.out}, kExitUsage},
      {{"todo", f.tree, "ancestors", f.out}, kExitUsage},
      {{"todo", f.tree, "birth-date", "--from", "1900", f.out}, kExitUsage},
      {{"todo", f.tree, "birth-date", "--from", "someday", "--to", "1900", f.out}, kExitUsage},
      {{"todo", f.tree, "missing-info", "--missing", "eyes", f.out}, kExitUsage},
      {{"todo", f.tree, "ancestors", "--person", "77", f.out}, kExitBadInput},
      {{"todo", f.tree, "source", "--source", "3", f.out}, kExitBadInput},
      {{"todo", f.tree, "birth-date", "--from", "1900", "--to", "1800", f.out}, kExitBadInput},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[0] << " " << c.args.back() << " " << run.err;
  }
  EXPECT_TRUE(Has(Cli(std::rbegin(cases)->args).err, " *** Invalid Dates ***"));
  EXPECT_FALSE(std::filesystem::exists(f.out));
}

}  // namespace
}  // namespace kinloom::cli
