// kinloom-cli addresses, entry, copy-person and paste-person.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
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

CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunCommand(args, out, err);
  return {status, out.str(), err.str()};
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

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
  TempDir dir;
  WriteFileBytes(dir.File("t.ged"), kTree);
  const CliRun run =
      Cli({"entry", dir.File("t.ged"), "Ann Smith b. 1880 Leeds\nTom Smith (1882-1950)",
           dir.File("out.ged"), "--child-of", "1"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(Has(run.out, "created: Ann Smith (3)")) << run.out;
  EXPECT_TRUE(Has(run.out, "created: Tom Smith (4)")) << run.out;
  const std::string written = ReadFileBytes(dir.File("out.ged"));
  EXPECT_TRUE(Has(written, "1 CHIL @I000003@\r\n1 CHIL @I000004@")) << written;
  EXPECT_TRUE(Has(written, "1 FAMC @F000001@"));
}

TEST(EntryCommand, RefusedLineMakesNothing) {
  TempDir dir;
  WriteFileBytes(dir.File("t.ged"), kTree);
  const CliRun run =
      Cli({"entry", dir.File("t.ged"), "Ann Smith b. 1880\nb. 1850 Leeds", dir.File("out.ged")});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_TRUE(Has(run.err, "Line 2: \"b. 1850 Leeds\" - no name before the dates.")) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.ged")));
}

TEST(ClipboardCommands, CopyThenPasteIntoAnotherTree) {
  TempDir dir;
  WriteFileBytes(dir.File("t.ged"), kTree);
  const CliRun copy = Cli({"copy-person", dir.File("t.ged"), "I2"});
  ASSERT_EQ(copy.status, kExitOk) << copy.err;
  EXPECT_TRUE(copy.out.starts_with("0 HEAD\n"));
  WriteFileBytes(dir.File("john.txt"), copy.out);
  const CliRun paste =
      Cli({"paste-person", dir.File("t.ged"), dir.File("john.txt"), dir.File("out.ged")});
  ASSERT_EQ(paste.status, kExitOk) << paste.err;
  EXPECT_TRUE(Has(paste.out, "pasted: John Smith (3)")) << paste.out;
  EXPECT_TRUE(Has(paste.out, "sources-reused: 1")) << paste.out;
  const std::string written = ReadFileBytes(dir.File("out.ged"));
  EXPECT_FALSE(Has(written, "@S000002@")) << written;

  WriteFileBytes(dir.File("junk.txt"), "hello");
  EXPECT_EQ(
      Cli({"paste-person", dir.File("t.ged"), dir.File("junk.txt"), dir.File("o2.ged")}).status,
      kExitBadInput);
  EXPECT_EQ(Cli({"copy-person", dir.File("t.ged"), "99"}).status, kExitBadInput);
}

TEST(AddressesCommand, AddsSearchesAndExports) {
  TempDir dir;
  WriteFileBytes(dir.File("t.ged"), kTree);
  ASSERT_EQ(Cli({"addresses", dir.File("t.ged"), "--add", "archive", "Leeds Archive", "--email",
                 "a@b.org", "--address", "Morley; Leeds"})
                .status,
            kExitOk);
  ASSERT_EQ(Cli({"addresses", dir.File("t.ged"), "--add", "relative", "Cousin Ann"}).status,
            kExitOk);
  EXPECT_TRUE(Has(ReadFileBytes(dir.File("t.adr")), "NAME Leeds Archive\r\n"));
  const CliRun search = Cli({"addresses", dir.File("t.ged"), "--search", "cousin"});
  EXPECT_EQ(search.out, "Relative | Cousin Ann |  | \n");
  const CliRun cards =
      Cli({"addresses", dir.File("t.ged"), "--export-vcard", dir.File("a.vcf"), "--vcard", "3"});
  ASSERT_EQ(cards.status, kExitOk) << cards.err;
  EXPECT_TRUE(Has(cards.out, "vcards: 2"));
  const std::string vcf = ReadFileBytes(dir.File("a.vcf"));
  EXPECT_TRUE(Has(vcf, "VERSION:3.0\r\n"));
  EXPECT_TRUE(Has(vcf, "ADR:;;Morley\\; Leeds;;;;\r\n")) << vcf;
  EXPECT_EQ(Cli({"addresses", dir.File("t.ged"), "--add", "alien", "X"}).status, kExitUsage);
}

}  // namespace
}  // namespace kinloom::cli
