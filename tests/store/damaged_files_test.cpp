// Damaged own files: whatever the bytes, the reader must neither crash nor touch memory outside
// the tables, and the tree it leaves must be consistent.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "store/gedcom_reader.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::CrLfJoin;
using testing::TempDir;
using testing::TestTree;
using testing::WriteFileBytes;

std::string SmallOwnFile() {
  return "0 HEAD\r\n1 SOUR Kinloom Zoraz\r\n1 CHAR ANSI\r\n"
         "0 @I000001@ INDI\r\n1 _VER   0 0\r\n1 _SEQ    0    0    0    0    0      1\r\n"
         "1 _TXT call the archive\r\n1 NAME John /Smith/\r\n1 SEX M\r\n1 FAMS @F000001@\r\n"
         "0 @I000002@ INDI\r\n1 _VER   0 0\r\n1 _SEQ    0    0    0    0    0      0\r\n"
         "1 NAME Mary /Jones/\r\n1 SEX F\r\n1 FAMS @F000001@\r\n1 SOUR @S000001@\r\n"
         "0 @F000001@ FAM\r\n1 _SEQ    0      0\r\n1 HUSB @I000001@\r\n1 WIFE @I000002@\r\n"
         "0 @S000001@ SOUR\r\n1 TITL Parish register\r\n0 TRLR";
}

// Every existing record is in its search list once, and nothing else is.
void ExpectConsistent(const RecordStore& store) {
  int people = 0, families = 0;
  for (int n = 1; n <= store.highest_individual(); ++n) people += store.individual(n) ? 1 : 0;
  for (int n = 1; n <= store.highest_family(); ++n) families += store.family(n) ? 1 : 0;
  EXPECT_EQ(store.individual_search_list().size(), people);
  EXPECT_EQ(store.family_search_list().size(), families);
  EXPECT_GE(people, 1);
  EXPECT_NE(store.individual(store.current_individual()), nullptr);
}

ReadResult ReadBytes(TestTree& t, const std::string& bytes) {
  TempDir dir;
  WriteFileBytes(dir.File("tree.ged"), bytes);
  return ReadTree(t.store, dir.File("tree.ged"), false);
}

TEST(DamagedFiles, TruncatedOrRandomlyDamagedFilesReadWithoutCrashing) {
  const std::string whole = SmallOwnFile();
  for (size_t length = 0; length <= whole.size(); length += 3) {
    TestTree t;
    (void)ReadBytes(t, whole.substr(0, length));
    ExpectConsistent(t.store);
  }
  std::mt19937 random(20261206);
  for (int round = 0; round < 300; ++round) {
    std::string damaged = whole;
    for (int i = 1 + static_cast<int>(random() % 12); i > 0; --i) {
      damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
    }
    TestTree t;
    (void)ReadBytes(t, damaged);
    ExpectConsistent(t.store);
  }
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>(random() % 256);
  TestTree t;
  EXPECT_EQ(ReadBytes(t, garbage).outcome, ReadOutcome::kNotGedcom);
  ExpectConsistent(t.store);
}

TEST(DamagedFiles, HugeAndMalformedPrivateLines) {
  TestTree t;
  ReadResult result = ReadBytes(
      t, CrLfJoin({"0 HEAD", "1 SOUR Kinloom", "0 @I000001@ INDI",
                   "1 _VER 99999999999999999999999 -99999999999999999999999",
                   "1 _SEQ 9999 9999 9999 9999 9999 99999999999999999999", "1 _TXT", "1 NAME A /B/",
                   "0 @F000001@ FAM", "1 _SEQ", "1 HUSB @I000001@", "0 TRLR"}));
  EXPECT_EQ(result.outcome, ReadOutcome::kRead);
  EXPECT_EQ(t.store.family(1)->lines->next->text(), "1 HUSB @I000001@");
  ExpectConsistent(t.store);
}

TEST(DamagedFiles, LinesWithNulBytesAndNoLineEnds) {
  TestTree t;
  std::string bytes = "0 HEAD\n1 SOUR Kinloom\n0 @I000001@ INDI\n1 NAME A\0B /C/\n1 SEX M";
  bytes.append(std::string("\0\0\0", 3));
  EXPECT_EQ(ReadBytes(t, bytes).outcome, ReadOutcome::kRead);
  ASSERT_NE(t.store.individual(1), nullptr);
  EXPECT_EQ(t.store.individual(1)->lines->next->text(), "1 NAME A");
  ExpectConsistent(t.store);
}

}  // namespace
}  // namespace kinloom::store
