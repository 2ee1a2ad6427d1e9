// The data files of the script-driven site, byte for byte where their layout is fixed.
#include <gtest/gtest.h>

#include <cstring>

#include "web/detail_groups.h"
#include "web/php_data.h"
#include "web_test_support.h"

namespace kinloom::web {
namespace {

using kinloom::testing::ReadFileBytes;
using testing::SiteFixture;

std::string Slot(const std::string& file, size_t size, size_t n) {
  return file.substr(n * size, size);
}

// The text of a slot up to its padding.
std::string SlotText(const std::string& file, size_t size, size_t n) {
  const std::string slot = Slot(file, size, n);
  return slot.substr(0, slot.find('\0'));
}

// A person's entry in "inddata", by "indindex".
std::string PersonEntry(const std::string& php, int individual) {
  const std::string index = ReadFileBytes(php + "/indindex");
  const std::string data = ReadFileBytes(php + "/inddata");
  const size_t offset = std::stoul(SlotText(index, kOffsetSlot, static_cast<size_t>(individual)));
  if (offset == 0) return {};
  return data.substr(offset, data.find("\n*\n", offset) + 3 - offset);
}

bool HasLineStarting(const std::string& entry, std::string_view start) {
  return entry.find("\n" + std::string(start)) != std::string::npos;
}

TEST(PhpData, GroupLettersFollowTheTagList) {
  const struct {
    std::string_view line;
    char letter;
  } cases[] = {{"1 ALIA Bo", 'E'}, {"1 RESI", 'W'},   {"1 SSN 1", 'k'}, {"1 PHON 2", 'l'},
               {"1 MAIL a", 'm'},  {"1 NOTE x", 'q'}, {"1 CHR", 'I'}};
  for (const auto& c : cases) EXPECT_EQ(GroupLetter(DetailGroupOf(c.line)), c.letter) << c.line;
  EXPECT_EQ(DetailGroupOf("1 CHAN"), -1);
  EXPECT_EQ(DetailGroupOf("2 DATE 1900"), -1);
}

TEST(PhpData, SequenceAndOffsetIndexesByteForByte) {
  SiteFixture f;
  f.LoadFamily();
  const WebPagesResult made = f.Make(files::WebSiteType::kPhp);
  ASSERT_TRUE(made.completed) << made.status.message();
  const std::string php = made.folder;

  const std::string seq = ReadFileBytes(php + "/seqindex");
  ASSERT_EQ(seq.size(), 4 * kSequenceSlot);  // the count and three people
  EXPECT_EQ(Slot(seq, kSequenceSlot, 0), std::string("000003\n") + std::string(25, '\0'));
  EXPECT_EQ(SlotText(seq, kSequenceSlot, 1), "2\njones, mary (2)\n");
  EXPECT_EQ(SlotText(seq, kSequenceSlot, 3), "1\nsmith, john (1)\n");
  // The first 22 characters of the folded index name (the slash of "</script>" opens a surname).
  EXPECT_EQ(SlotText(seq, kSequenceSlot, 2), "5\nscript>, <script>alert\n");

  const std::string index = ReadFileBytes(php + "/indindex");
  EXPECT_EQ(index.size(), 6 * kOffsetSlot);  // numbers 0 to 5
  EXPECT_EQ(Slot(index, kOffsetSlot, testing::kZed), std::string("0\n") + std::string(14, '\0'));
  EXPECT_EQ(SlotText(index, kOffsetSlot, testing::kLena), "0\n");
  EXPECT_TRUE(
      PersonEntry(php, testing::kJohn).starts_with("#000001\n0John Smith\n1Smith, John\n2M\n"));

  // Families and sources: the family of the five, and only the cited source.
  const std::string famdata = ReadFileBytes(php + "/famdata");
  const size_t family = std::stoul(SlotText(ReadFileBytes(php + "/famindex"), kOffsetSlot, 1));
  EXPECT_EQ(famdata.substr(family, 8), "#000001\n");
  const std::string srcdata = ReadFileBytes(php + "/srcdata");
  EXPECT_NE(srcdata.find("#000001\nTParish <Register>\nAVicar & Sons\n*\n"), std::string::npos);
  EXPECT_EQ(srcdata.find("Uncited"), std::string::npos);
  EXPECT_EQ(SlotText(ReadFileBytes(php + "/srcindex"), kOffsetSlot, 2), "0\n");
}

TEST(PhpData, HiddenGroupsAreLeftOutInTheModesThatHide) {
  SiteFixture f;
  f.LoadFamily();
  f.tree.store.individual(testing::kJohn)->hideFlags = store::kHideSsn | store::kHideContact;
  for (const bool hide_info : {false, true}) {
    f.settings.use_hide_info = hide_info;
    ASSERT_TRUE(f.Make(files::WebSiteType::kPhp).completed);
    const std::string entry = PersonEntry(f.Site("php"), testing::kJohn);
    for (std::string_view group : {"k\tSocial Security No.\t123-45-6789", "W\tResidence",
                                   "l\tPhone\t555-0100", "m\tE-Mail\tjohn@example.org"}) {
      EXPECT_EQ(HasLineStarting(entry, group), !hide_info) << group;
    }
    for (std::string_view kept :
         {"U\tOccupation\tFarmer", "q\tFarmed all his life.\x1FSecond line.", "n\t1\t1\tp. 5",
          "p\t000001\t000002\tMary Jones\t1855 - 1930", "-\tP\tPrivate\t\t"}) {
      EXPECT_TRUE(HasLineStarting(entry, kept)) << kept;
    }
  }
}

}  // namespace
}  // namespace kinloom::web
