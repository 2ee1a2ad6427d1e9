// kinloom-cli merge-people: two records of one person merged with the boxes' starting states.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "support/test_support.h"

namespace kinloom::cli {
namespace {

using testing::CrLfJoin;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

// John (1) and his double (2), each married to Mary (3) with a child (4 and 5).
// clang-format off
const std::string kDoubles = CrLfJoin({
    "0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI",
    "0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M", "1 BIRT", "2 DATE 1900",
        "1 FAMS @F000001@",
    "0 @I000002@ INDI", "1 NAME JOHN /smith/", "1 SEX M", "1 BIRT", "2 DATE 1901",
        "2 PLAC Leeds", "1 DEAT", "2 DATE 1970", "1 FAMS @F000002@",
    "0 @I000003@ INDI", "1 NAME Mary /Jones/", "1 SEX F", "1 FAMS @F000001@", "1 FAMS @F000002@",
    "0 @I000004@ INDI", "1 NAME Tom /Smith/", "1 SEX M", "1 FAMC @F000001@",
    "0 @I000005@ INDI", "1 NAME Ann /Smith/", "1 SEX F", "1 FAMC @F000002@",
    "0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000003@", "1 CHIL @I000004@",
    "0 @F000002@ FAM", "1 HUSB @I000002@", "1 WIFE @I000003@", "1 CHIL @I000005@",
    "0 TRLR"});
// clang-format on

TEST(CliMergePeople, MergesWithTheStartingBoxesAndSaysWhatCameFromTheOtherRecord) {
  TreeDir f(kDoubles);
  CliRun run = Cli({"merge-people", f.tree, "1", "2", f.out});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "kept: 1\nfrom-discarded: 1 BIRT place Leeds\nfrom-discarded: 1 DEAT date 1970\n");
  const std::string written = ReadFileBytes(f.out);
  EXPECT_FALSE(Has(written, "0 @I000002@ INDI"));
  EXPECT_TRUE(Has(written, "1 BIRT\r\n2 DATE 1900\r\n2 PLAC Leeds\r\n1 DEAT\r\n2 DATE 1970\r\n"));
  EXPECT_TRUE(Has(written, "1 CHIL @I000004@\r\n1 CHIL @I000005@\r\n"));
  EXPECT_TRUE(Has(written, "1 NAME Ann /Smith/\r\n1 SEX F\r\n1 FAMC @F000001@\r\n"));
  EXPECT_TRUE(Has(Cli({"info", f.out}).out, "individuals: 4\nfamilies: 1\n"));

  CliRun second = Cli({"merge-people", f.tree, "1", "2", f.out, "--keep", "2"});
  ASSERT_EQ(second.status, kExitOk) << second.err;
  EXPECT_EQ(second.out, "kept: 2\n");  // the second record holds everything the first does
}

TEST(CliMergePeople, RefusesWithTheReasonAndWritesNothing) {
  TreeDir f(kDoubles);
  const struct {
    std::string first, second;
    int status;
    std::string err;
  } cases[] = {
      {"1", "4", kExitBadInput, "because one is a parent of the other."},
      {"1", "3", kExitBadInput, "because they are married to each other."},
      {"2", "2", kExitBadInput, "Both numbers name the same individual."},
      {"1", "99", kExitBadInput, "There is no individual with the number 99."},
      {"1", "two", kExitUsage, "merge-people takes a tree, two individual numbers"},
  };
  for (const auto& c : cases) {
    CliRun run = Cli({"merge-people", f.tree, c.first, c.second, f.out});
    EXPECT_EQ(run.status, c.status) << c.second;
    EXPECT_TRUE(Has(run.err, c.err)) << run.err;
    EXPECT_TRUE(run.out.empty()) << c.second;
    EXPECT_FALSE(std::filesystem::exists(f.out)) << c.second;
  }
  EXPECT_EQ(Cli({"merge-people", f.tree, "1", "2", f.out, "--keep", "3"}).status, kExitUsage);
  EXPECT_EQ(Cli({"merge-people", f.tree, "1", "2"}).status, kExitUsage);
}

TEST(CliMergePeople, AlbumItemsOfTheDiscardedShowTheKeptPerson) {
  TempDir home;
  std::filesystem::create_directories(home.File("gedcom"));
  std::filesystem::create_directories(home.File("config"));
  WriteFileBytes(home.File("gedcom/family.ged"), kDoubles);
  WriteFileBytes(home.File("config/family.med"),
                 CrLfJoin({"HEAD Album 1 Name", "HEAD Album 2 Name", "", "ALBM 0", "KIND 1",
                           "HIDE 0", "SOUR -1", "INDI |2|3|", "FILE wedding.jpg", "TITL ", "NOTE ",
                           "\xA9\xAE", "", "END"}));
  const std::string out = home.File("merged.ged");
  CliRun run = Cli({"--home", home.path(), "merge-people", "family", "1", "2", out});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(Has(run.out, "album-items: 1\n"));
  EXPECT_TRUE(Has(ReadFileBytes(home.File("merged.med")), "INDI |3|1|\r\n"));
}

}  // namespace
}  // namespace kinloom::cli
