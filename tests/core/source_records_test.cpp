#include "core/source_records.h"

#include <gtest/gtest.h>

#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::core {
namespace {

using testing::RecordLines;
using testing::TestTree;
using Lines = std::vector<std::string>;

const std::string kStamp[] = {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"};

struct SourceTree {
  TestTree tree;
  explicit SourceTree(const Lines& records) { testing::LoadOwnTree(tree, records); }
  Lines Source(int n) const { return RecordLines(tree.store.source(n)); }
};

const Lines kTwoSources = {"0 @I000001@ INDI",       "1 NAME Ann /Lee/", "0 @S000001@ SOUR",
                           "1 TITL Parish register", "1 NOTE kept",      "0 @S000003@ SOUR",
                           "1 AUTH Someone"};

TEST(SourceRecords, NewSourceTakesTheLowestFreeNumberAndIsStamped) {
  SourceTree t(kTwoSources);
  EXPECT_EQ(NewSourceRecord(t.tree.store), 2);
  EXPECT_EQ(t.Source(2), (Lines{"0 @S000002@ SOUR", kStamp[0], kStamp[1], kStamp[2]}));
  EXPECT_EQ(NewSourceRecord(t.tree.store), 4);
  EXPECT_EQ(t.tree.store.highest_source(), 4);
  EXPECT_TRUE(t.tree.store.tree_modified());
}

TEST(SourceRecords, FieldsAreWrittenInOrderAndReadBack) {
  SourceTree t(kTwoSources);
  SourceFields fields = ReadSourceFields(t.tree.store.source(1));
  EXPECT_EQ(fields.title, "Parish register");
  fields.author = "Rev. Hall";
  fields.publication = "Leeds, 1850";
  fields.medium = "Microfilm";
  fields.text = "Baptisms\nand burials";
  ASSERT_TRUE(WriteSourceFields(t.tree.store, 1, fields));
  EXPECT_EQ(t.Source(1),
            (Lines{"0 @S000001@ SOUR", "1 TITL Parish register", "1 AUTH Rev. Hall",
                   "1 PUBL Leeds, 1850", "1 REPO", "2 CALN", "3 MEDI Microfilm", "1 TEXT Baptisms",
                   "2 CONT and burials", "1 NOTE kept", kStamp[0], kStamp[1], kStamp[2]}));
  EXPECT_EQ(ReadSourceFields(t.tree.store.source(1)), fields);
  EXPECT_FALSE(WriteSourceFields(t.tree.store, 1, fields));  // nothing changed
}

TEST(SourceRecords, EmptiedFieldsLoseTheirLinesButKeepForeignSubLines) {
  SourceTree t({"0 @I000001@ INDI", "0 @S000001@ SOUR", "1 TITL Census", "1 REPO @R000001@",
                "2 CALN", "3 MEDI Film", "1 TEXT old", "2 CONC  text", "2 NOTE about the text"});
  SourceFields fields = ReadSourceFields(t.tree.store.source(1));
  EXPECT_EQ(fields.text, "old text");
  EXPECT_EQ(fields.medium, "Film");
  fields.medium.clear();
  fields.text.clear();
  fields.title.clear();
  ASSERT_TRUE(WriteSourceFields(t.tree.store, 1, fields));
  EXPECT_EQ(t.Source(1), (Lines{"0 @S000001@ SOUR", "1 REPO @R000001@", "1 TEXT",
                                "2 NOTE about the text", kStamp[0], kStamp[1], kStamp[2]}));
  EXPECT_EQ(SourceLabel(t.tree.store, 1), "Untitled Source (1)");
}

TEST(SourceRecords, LongTextIsContinuedWithoutCuttingAtBlanks) {
  const std::string word = "abcdefghi ";  // 10 characters
  std::string long_line;
  for (int i = 0; i < 45; ++i) long_line += word;
  long_line.pop_back();  // 449 characters
  const std::vector<FieldLine> lines = FieldLines(long_line + "\n\nend");
  ASSERT_EQ(lines.size(), size_t{5});
  std::string joined;
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_LE(lines[i].value.size(), size_t{200});
    EXPECT_NE(lines[i].value.back(), ' ');
    EXPECT_NE(lines[i].value.front(), ' ');
    EXPECT_EQ(lines[i].tag, i == 0 ? "" : "2 CONC");
    joined += lines[i].value;
  }
  EXPECT_EQ(joined, long_line);
  EXPECT_EQ(lines[3].tag, "2 CONT");
  EXPECT_EQ(lines[3].value, "");
  EXPECT_EQ(lines[4].value, "end");

  SourceTree t(kTwoSources);
  SourceFields fields;
  fields.text = long_line + "\n\nend";
  ASSERT_TRUE(WriteSourceFields(t.tree.store, 3, fields));
  EXPECT_EQ(ReadSourceFields(t.tree.store.source(3)).text, fields.text);
}

TEST(SourceRecords, StampedAndQuickSourcesAreKeptUncited) {
  SourceTree t({"0 @I000001@ INDI", "0 @S000001@ SOUR", "1 TITL a", "0 @S000002@ SOUR", "1 TITL b",
                "0 @S000003@ SOUR", "1 TITL c", "1 CHAN", "2 DATE 1 Jan 2000"});
  const int quick[] = {2, 0, 9, 2, -1};
  EXPECT_EQ(SourcesKeptUncited(t.tree.store, quick), (std::vector<int>{2, 3}));
  EXPECT_EQ(SourceLabel(t.tree.store, 3), "c (3)");
}

TEST(SourceRecords, NoFreeNumberGivesTheErrorBox) {
  TestTree tree;
  testing::LoadOwnTree(tree, {"0 @I000001@ INDI", "1 NAME Ann /Lee/"});
  for (int n = 1; n <= store::kMaxSource; ++n) {
    tree.store.SetSource(n, tree.store.NewLine("0 " + store::MakeXref('S', n) + " SOUR"));
  }
  tree.store.set_highest_source(store::kMaxSource);
  EXPECT_EQ(NewSourceRecord(tree.store), 0);
  ASSERT_FALSE(tree.ui.records().empty());
  EXPECT_EQ(tree.ui.records().back().caption, "Error");
  EXPECT_EQ(tree.ui.records().back().text, "No Unused Source Record Available");
}

}  // namespace
}  // namespace kinloom::core
