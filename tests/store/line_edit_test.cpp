#include "store/line_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::RecordLines;
using testing::Split;
using testing::TestTree;
using Lines = std::vector<std::string>;

const Lines kFreshStamp = {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"};

// Individual 1 with the given lines after its level-0 line; the tree starts unmodified.
LineNode* Person(TestTree& t, const Lines& lines) {
  t.store.NewEmptyTree(false);
  IndividualRecord* r = t.store.CreateIndividual(1);
  LineNode* last = nullptr;
  r->lines = t.store.AppendLine(&last, "0 @I000001@ INDI");
  for (const auto& text : lines) t.store.AppendLine(&last, text);
  t.store.set_highest_individual(1);
  t.store.set_tree_modified(false);
  return r->lines;
}

LineNode* At(LineNode* first, int i) {
  while (i-- > 0) first = first->next;
  return first;
}

// The record's lines: the level-0 line, then `lines`, then a fresh stamp when `stamped`.
Lines Record(Lines lines, bool stamped = true) {
  lines.insert(lines.begin(), "0 @I000001@ INDI");
  if (stamped) lines.insert(lines.end(), kFreshStamp.begin(), kFreshStamp.end());
  return lines;
}

TEST(NewLine, CopiesTheTextAndLinksInFrontOfNextWithoutStamping) {
  TestTree t;
  LineNode* first = Person(t, {"1 NAME A /B/", "1 BIRT"});
  std::string text = "1 SEX F";
  LineNode* made = NewLine(t.store, text, At(first, 2));
  text = "overwritten";
  EXPECT_EQ(made->next, At(first, 2));
  At(first, 1)->next = made;
  LineNode* note = InsertLineAfter(t.store, At(first, 3), "1 NOTE n");
  EXPECT_EQ(note, At(first, 4));
  EXPECT_EQ(RecordLines(first), Record({"1 NAME A /B/", "1 SEX F", "1 BIRT", "1 NOTE n"}, false));
  EXPECT_FALSE(t.store.tree_modified());
}

TEST(UnlinkNext, RemovesOnlyTheNextLineAndStampsTheRecordButNothingAfterTheLast) {
  TestTree t;
  LineNode* first = Person(t, {"1 NAME A /B/", "1 BIRT", "2 DATE 1900", "1 SEX M"});
  UnlinkNext(t.store, first, At(first, 1));
  EXPECT_EQ(RecordLines(first), Record({"1 NAME A /B/", "2 DATE 1900", "1 SEX M"}));
  EXPECT_TRUE(t.store.tree_modified());

  first = Person(t, {"1 NAME A /B/"});
  UnlinkNext(t.store, first, At(first, 1));
  EXPECT_EQ(RecordLines(first), Record({"1 NAME A /B/"}, false));
}

TEST(RemoveLineAndSubs, RemovesTheLineWithAllItsSubLinesAndRenewsAnOldStamp) {
  TestTree t;
  LineNode* first =
      Person(t, {"1 NAME A /B/", "1 BIRT", "2 DATE 1900", "2 SOUR @S000001@", "3 PAGE 4", "1 DEAT",
                 "1 CHAN", "2 DATE 1 JAN 2001", "3 TIME 01:02:03"});
  RemoveLineAndSubs(t.store, first, At(first, 1));
  EXPECT_EQ(RecordLines(first), Record({"1 NAME A /B/", "1 DEAT"}));
  EXPECT_TRUE(t.store.tree_modified());
}

TEST(RemoveTagLine, RemovesTheNthWholeTagLineOfTheRecordOnly) {
  TestTree t;
  LineNode* first =
      Person(t, {"1 NOTE one", "2 CONT more", "1 NOTES x", "1 NOTE two", "2 CONT more", "1 SEX F"});
  EXPECT_TRUE(RemoveTagLine(t.store, first, "1 NOTE", 2));
  EXPECT_EQ(RecordLines(first), Record({"1 NOTE one", "2 CONT more", "1 NOTES x", "1 SEX F"}));

  // No such line: false and unchanged, and the next record's lines are not this record's.
  first = Person(t, {"1 NOTE one", "1 SEX F"});
  At(first, 2)->next = t.store.NewLine("0 @I000002@ INDI", t.store.NewLine("1 NOTE other"));
  EXPECT_FALSE(RemoveTagLine(t.store, first, "1 NOTE", 2));
  EXPECT_FALSE(RemoveTagLine(t.store, first, "1 DEAT"));
  EXPECT_EQ(RecordLines(first),
            Record({"1 NOTE one", "1 SEX F", "0 @I000002@ INDI", "1 NOTE other"}, false));
  EXPECT_FALSE(t.store.tree_modified());
}

TEST(ReplaceLineText, TagAndValueOrTheTagAloneAndNoStamp) {
  TestTree t;
  LineNode* first = Person(t, {"1 NAME A /B/", "1 DEAT Y"});
  ReplaceLineText(t.store, At(first, 1), "1 NAME", "Alexandra Maria Theodora /Bartholomew-Smythe/");
  ReplaceLineText(t.store, At(first, 2), "1 DEAT", "");
  EXPECT_EQ(RecordLines(first),
            Record({"1 NAME Alexandra Maria Theodora /Bartholomew-Smythe/", "1 DEAT"}, false));
  EXPECT_TRUE(t.store.tree_modified());
}

TEST(SetLineValue, ReplacesCreatesAndRemovesAsTheValueAndLinesRequire) {
  // The record's lines before and after (a fresh stamp aside), the tag, value and n.
  const struct {
    const char *what, *record, *tag, *value;
    int n;
    const char* expected;
  } cases[] = {
      {"replaces the value of the n-th line", "1 NOTE one|1 NOTE two", "1 NOTE", "2nd", 2,
       "1 NOTE one|1 NOTE 2nd"},
      {"an empty value removes a line without sub-lines", "1 NAME A /B/|1 OCCU Miller|1 SEX M",
       "1 OCCU", "", 1, "1 NAME A /B/|1 SEX M"},
      {"an empty value keeps a line with sub-lines and clears its value",
       "1 DEAT Y|2 DATE 1950|1 SEX M", "1 DEAT", "", 1, "1 DEAT|2 DATE 1950|1 SEX M"},
      {"a missing line is created at its insertion point", "1 NAME A /B/|2 NOTE n|1 BIRT", "1 SEX",
       "F", 1, "1 NAME A /B/|2 NOTE n|1 SEX F|1 BIRT"},
      {"a missing n-th line is created behind the group", "1 OCCU Miller|1 RESI", "1 OCCU", "Baker",
       2, "1 OCCU Miller|1 OCCU Baker|1 RESI"},
      // An empty value for a missing line changes nothing, not even the stamp.
      {"nothing to remove", "1 NAME A /B/", "1 OCCU", "", 1, nullptr},
  };
  for (const auto& c : cases) {
    TestTree t;
    LineNode* first = Person(t, Split(c.record));
    SetLineValue(t.store, first, c.tag, c.n, c.value);
    const bool changed = c.expected != nullptr;
    EXPECT_EQ(RecordLines(first), Record(Split(changed ? c.expected : c.record), changed))
        << c.what;
    EXPECT_EQ(t.store.tree_modified(), changed) << c.what;
  }
}

}  // namespace
}  // namespace kinloom::store
