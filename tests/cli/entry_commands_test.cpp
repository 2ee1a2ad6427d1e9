// kinloom-cli addresses, entry, copy-person and paste-person.
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
using testing::WriteFileBytes;

// clang-format off
const std::string kTree = CrLfJoin({
    "0 HEAD", "1 SOUR Kinloom", "1 CHAR ANSI",
    "0 @I000001@ INDI", "1 NAME George /Smith/", "1 SEX M",
    "0 @I000002@ INDI", "1 NAME John /Smith/", "1 SEX M", "1 BIRT", "2 DATE 1850",
        "2 SOUR @S000001@",
    "0 @S000001@ SOUR", "1 TITL Register",
    "0 TRLR"});
// clang-format on

TEST(EntryCommand, MakesChildrenOfAPerson) {
  TreeDir f(kTree);
  const CliRun run = Cli({"entry", f.tree, "Ann Smith b. 1880 Leeds\nTom Smith (1882-1950)", f.out,
                          "--child-of", "1"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out, "created: Ann Smith (3)\ncreated: Tom Smith (4)\nfamily: 1\n");
  const std::string written = ReadFileBytes(f.out);
  EXPECT_TRUE(Has(written, "1 CHIL @I000003@\r\n1 CHIL @I000004@")) << written;
  EXPECT_TRUE(Has(written, "1 FAMC @F000001@"));
}

TEST(EntryCommand, RefusedLineMakesNothing) {
  TreeDir f(kTree);
  const CliRun run = Cli({"entry", f.tree, "Ann Smith b. 1880\nb. 1850 Leeds", f.out});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_TRUE(Has(run.err, "Line 2: \"b. 1850 Leeds\" - no name before the dates.")) << run.err;
  EXPECT_FALSE(std::filesystem::exists(f.out));
}

TEST(ClipboardCommands, CopyThenPasteIntoAnotherTree) {
  TreeDir f(kTree);
  const CliRun copy = Cli({"copy-person", f.tree, "I2"});
  ASSERT_EQ(copy.status, kExitOk) << copy.err;
  EXPECT_TRUE(copy.out.starts_with("0 HEAD\n"));
  WriteFileBytes(f.dir.File("john.txt"), copy.out);
  const CliRun paste = Cli({"paste-person", f.tree, f.dir.File("john.txt"), f.out});
  ASSERT_EQ(paste.status, kExitOk) << paste.err;
  EXPECT_EQ(paste.out, "pasted: John Smith (3)\nsources-added: 0\nsources-reused: 1\n");
  const std::string written = ReadFileBytes(f.out);
  EXPECT_FALSE(Has(written, "@S000002@")) << written;

  WriteFileBytes(f.dir.File("junk.txt"), "hello");
  EXPECT_EQ(Cli({"paste-person", f.tree, f.dir.File("junk.txt"), f.dir.File("o2.ged")}).status,
            kExitBadInput);
  EXPECT_EQ(Cli({"copy-person", f.tree, "99"}).status, kExitBadInput);
}

TEST(AddressesCommand, AddsSearchesAndExports) {
  TreeDir f(kTree);
  ASSERT_EQ(Cli({"addresses", f.tree, "--add", "archive", "Leeds Archive", "--email", "a@b.org",
                 "--address", "Morley; Leeds"})
                .status,
            kExitOk);
  ASSERT_EQ(Cli({"addresses", f.tree, "--add", "relative", "Cousin Ann"}).status, kExitOk);
  EXPECT_TRUE(Has(ReadFileBytes(f.dir.File("tree.adr")), "NAME Leeds Archive\r\n"));
  const CliRun search = Cli({"addresses", f.tree, "--search", "cousin"});
  EXPECT_EQ(search.out, "Relative | Cousin Ann |  | \n");
  const CliRun cards =
      Cli({"addresses", f.tree, "--export-vcard", f.dir.File("a.vcf"), "--vcard", "3"});
  ASSERT_EQ(cards.status, kExitOk) << cards.err;
  EXPECT_TRUE(Has(cards.out, "vcards: 2"));
  const std::string vcf = ReadFileBytes(f.dir.File("a.vcf"));
  EXPECT_TRUE(Has(vcf, "VERSION:3.0\r\n"));
  EXPECT_TRUE(Has(vcf, "ADR:;;Morley\\; Leeds;;;;\r\n")) << vcf;
  EXPECT_EQ(Cli({"addresses", f.tree, "--add", "alien", "X"}).status, kExitUsage);
}

}  // namespace
}  // namespace kinloom::cli
