// A tree written in the program's own format reads back to the same records, flags, to-do
// texts and search-list positions, and writing it again gives the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "store/gedcom_reader.h"
#include "store/gedcom_writer.h"
#include "store/private_lines.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::ReadFileBytes;
using testing::RecordLines;
using testing::TempDir;
using testing::TestTree;

std::string Generate(const TempDir& dir, int people, int seed) {
  std::string path = dir.File("generated.ged");
  std::string command = std::string(KINLOOM_GENTREE) + " --individuals " + std::to_string(people) +
                        " --seed " + std::to_string(seed) + " --format own --out " + path;
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return path;
}

// Gives records every kind of flag, so that each field has to survive the trip.
void SetFlags(RecordStore& store) {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    IndividualRecord* r = store.individual(n);
    if (r == nullptr) continue;
    r->skipFlags = static_cast<uint8_t>(n % 8);
    r->skipFlagsExt = n % 5 == 0 ? 0x80000000u | static_cast<uint32_t>(n) : 0;
    r->hideFlags = static_cast<uint8_t>(n % 128);
    r->markFlags = static_cast<uint8_t>((n * 7) % 256);
    r->listBits[0] = static_cast<uint8_t>(n % 256);
    r->listBits[2] = static_cast<uint8_t>(255 - n % 256);
    if (n % 11 == 0) r->todoText.Set("ask aunt Edith about " + std::to_string(n) + "  ");
  }
  for (int n = 1; n <= store.highest_family(); ++n) {
    if (FamilyRecord* f = store.family(n))
      f->hideFlags = static_cast<uint8_t>(n % 3 == 0 ? 0x48 : 0);
  }
}

std::vector<int> Order(const SearchList& list) {
  std::vector<int> numbers;
  for (const auto& entry : list.entries()) numbers.push_back(entry.number);
  return numbers;
}

void ExpectSameTree(const RecordStore& a, const RecordStore& b) {
  ASSERT_EQ(a.highest_individual(), b.highest_individual());
  ASSERT_EQ(a.highest_family(), b.highest_family());
  for (int n = 1; n <= a.highest_individual(); ++n) {
    const IndividualRecord* x = a.individual(n);
    const IndividualRecord* y = b.individual(n);
    ASSERT_EQ(x == nullptr, y == nullptr) << n;
    if (x == nullptr) continue;
    ASSERT_EQ(RecordLines(x->lines), RecordLines(y->lines)) << n;
    // The flags, as the lines that hold them; the list position is checked with the list.
    EXPECT_EQ(IndividualVerLine(*x) + IndividualSeqLine(*x, true),
              IndividualVerLine(*y) + IndividualSeqLine(*y, true))
        << n;
    EXPECT_EQ(x->todoText.view(), y->todoText.view()) << n;
  }
  for (int n = 1; n <= a.highest_family(); ++n) {
    ASSERT_EQ(a.family(n) == nullptr, b.family(n) == nullptr) << n;
    if (a.family(n) == nullptr) continue;
    ASSERT_EQ(RecordLines(a.family(n)->lines), RecordLines(b.family(n)->lines)) << n;
    EXPECT_EQ(a.family(n)->hideFlags, b.family(n)->hideFlags);
  }
  for (int n = 1; n <= a.highest_source(); ++n) {
    if (a.source(n) != nullptr && b.source(n) != nullptr) {
      EXPECT_EQ(RecordLines(a.source(n)), RecordLines(b.source(n)));
    }
  }
  EXPECT_EQ(Order(a.individual_search_list()), Order(b.individual_search_list()));
  EXPECT_EQ(Order(a.family_search_list()), Order(b.family_search_list()));
}

TEST(RoundTrip, GeneratedTreeReadsBackAndRewritesToTheSameBytesAndReducedCopiesRead) {
  TempDir dir, first_dir, second_dir;
  const std::string generated = Generate(dir, 3000, 5);
  platform::LocalFileSystem fs;

  TestTree original;
  ASSERT_EQ(ReadTree(original.store, generated, false).outcome, ReadOutcome::kRead);
  SetFlags(original.store);
  ASSERT_TRUE(WriteTree(original.store, first_dir.File("tree.ged"), WriteMode::kNormal, fs).ok());

  TestTree reread;
  ReadResult result = ReadTree(reread.store, first_dir.File("tree.ged"), false);
  ASSERT_EQ(result.outcome, ReadOutcome::kRead);
  EXPECT_TRUE(result.own_file);
  EXPECT_EQ(result.skipped_records, 0);
  EXPECT_FALSE(reread.store.tree_modified());
  ExpectSameTree(original.store, reread.store);
  for (int n = 1; n <= reread.store.highest_individual(); ++n) {
    if (IndividualRecord* r = reread.store.individual(n)) {
      ASSERT_EQ(reread.store.individual_search_list().at(r->listPos).number, n);
    }
  }

  ASSERT_TRUE(WriteTree(reread.store, second_dir.File("tree.ged"), WriteMode::kNormal, fs).ok());
  const std::string first = ReadFileBytes(first_dir.File("tree.ged"));
  EXPECT_GT(first.size(), 100000u);
  EXPECT_TRUE(first == ReadFileBytes(second_dir.File("tree.ged")));

  // Reduced copies read back as trees holding exactly the people their mode keeps.
  RecordStore& store = original.store;
  for (WriteMode mode : {WriteMode::kSplit, WriteMode::kHide, WriteMode::kBoth}) {
    SCOPED_TRACE(static_cast<char>(mode));
    const std::string path = dir.File(std::string("copy_") + static_cast<char>(mode) + ".ged");
    ASSERT_TRUE(WriteTree(store, path, mode, fs).ok());
    TestTree copy;
    result = ReadTree(copy.store, path, false);
    ASSERT_EQ(result.outcome, ReadOutcome::kRead);
    EXPECT_EQ(result.skipped_records, 0);
    int selected = 0;
    for (int n = 1; n <= store.highest_individual(); ++n) {
      const IndividualRecord* r = store.individual(n);
      if (r == nullptr) continue;
      const bool shown = (r->hideFlags & kHideEverything) == 0;
      const bool marked = (r->markFlags & kMarkSelected) != 0;
      const bool kept = mode == WriteMode::kHide    ? shown
                        : mode == WriteMode::kSplit ? marked
                                                    : marked && shown;
      EXPECT_EQ(copy.store.individual(n) != nullptr, kept) << n;
      selected += kept ? 1 : 0;
    }
    EXPECT_GT(selected, 0);
  }
}

}  // namespace
}  // namespace kinloom::store
