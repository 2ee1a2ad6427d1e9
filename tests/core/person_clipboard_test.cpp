// Copying a person as GEDCOM text and pasting it into another tree.
#include "core/person_clipboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/tree_reading.h"
#include "store/line_search.h"
#include "support/test_support.h"
#include "support/tree_checks.h"

namespace kinloom::core {
namespace {

using testing::CheckTree;
using testing::LinksOf;
using testing::LoadOwnTree;
using testing::RecordLines;
using testing::TestTree;
using Lines = std::vector<std::string>;

const Lines kSourceLines = {"0 @S000001@ SOUR", "1 TITL Parish register, Leeds; 1850-1860",
                            "1 AUTH Vicar"};

// John (2) with his parents' family, his own family, a source and a note.
void LoadFirstTree(TestTree& tree) {
  Lines lines = testing::Records({
      "0 @I000001@ INDI|1 NAME George /Smith/|1 SEX M|1 FAMS @F000001@",
      "0 @I000002@ INDI|1 NAME John /Smith/|1 SEX M|1 BIRT|2 DATE 12 MAR 1850|2 PLAC Leeds|"
      "2 SOUR @S000001@|3 PAGE folio 3|1 DEAT|2 DATE 1920|1 FAMC @F000001@|1 FAMS @F000002@|"
      "1 NOTE Worked at the mill; \xE9migr\xE9 later",
      "0 @I000003@ INDI|1 NAME Ann /Roe/|1 SEX F|1 FAMS @F000002@",
      "0 @F000001@ FAM|1 HUSB @I000001@|1 CHIL @I000002@",
      "0 @F000002@ FAM|1 HUSB @I000002@|1 WIFE @I000003@",
  });
  lines.insert(lines.end(), kSourceLines.begin(), kSourceLines.end());
  LoadOwnTree(tree, lines);
}

// A tree with two people and (when `same_source`) the same source as the first tree.
void LoadSecondTree(TestTree& tree, bool same_source) {
  Lines lines = {"0 @I000001@ INDI", "1 NAME Peter /Hall/", "1 SEX M",
                 "0 @I000002@ INDI", "1 NAME Eve /Hall/",   "1 SEX F"};
  if (same_source) {
    lines.insert(lines.end(), kSourceLines.begin(), kSourceLines.end());
  } else {
    lines.insert(lines.end(), {"0 @S000001@ SOUR", "1 TITL Census 1881"});
  }
  LoadOwnTree(tree, lines);
}

Lines WithoutStamp(Lines lines) {
  const auto chan = std::find(lines.begin(), lines.end(), "1 CHAN");
  lines.erase(chan, lines.end());
  return lines;
}

TEST(PersonClipboard, CopyLeavesOutFamiliesAndCarriesSources) {
  TestTree tree;
  LoadFirstTree(tree);
  const std::string text = PersonClipboardText(tree.store, 2);
  EXPECT_TRUE(text.starts_with("0 HEAD\n"));
  for (const char* piece : {"1 CHAR UTF-8\n", "0 @I000002@ INDI\n", "\xC3\xA9migr\xC3\xA9",
                            "0 @S000001@ SOUR\n1 TITL Parish register, Leeds; 1850-1860\n"}) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece;
  }
  for (const char* piece : {"FAMC", "FAMS", "George"}) {
    EXPECT_EQ(text.find(piece), std::string::npos) << piece;
  }
  EXPECT_TRUE(text.ends_with("0 TRLR\n"));
  EXPECT_EQ(PersonClipboardText(tree.store, 99), "");
}

struct RoundTrip {
  bool same_source;
  int sources_added;
  int sources_reused;
  int cited_source;
};

class PersonClipboardRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(PersonClipboardRoundTrip, PastedPersonGetsNewNumbersAndSources) {
  TestTree first;
  LoadFirstTree(first);
  const std::string text = PersonClipboardText(first.store, 2);
  TestTree second;
  LoadSecondTree(second, GetParam().same_source);
  const int families_before = second.store.highest_family();

  const PasteResult pasted = PastePersonText(second.store, text, CoreReadSteps());
  ASSERT_TRUE(pasted.pasted) << pasted.error;
  ASSERT_EQ(pasted.people, std::vector<int>{3});
  EXPECT_EQ(pasted.sources_added, GetParam().sources_added);
  EXPECT_EQ(pasted.sources_reused, GetParam().sources_reused);
  const Lines lines = WithoutStamp(RecordLines(second.store.individual(3)->lines));
  const std::string cited = "2 SOUR " + store::MakeXref('S', GetParam().cited_source);
  // In the order the import's clean-up passes leave a foreign record.
  const Lines expected = testing::Split(
      "0 @I000003@ INDI|1 NAME John /Smith/|1 BIRT|2 DATE 12 MAR 1850|2 PLAC Leeds|" + cited +
      "|3 PAGE folio 3|1 DEAT|2 DATE 1920|1 SEX M|1 NOTE Worked at the mill; \xE9migr\xE9 later");
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(RecordLines(second.store.source(GetParam().cited_source))[1],
            "1 TITL Parish register, Leeds; 1850-1860");
  EXPECT_EQ(second.store.highest_family(), families_before);
  EXPECT_TRUE(second.store.tree_modified());
  EXPECT_EQ(second.store.individual_search_list().size(), 3u);
  EXPECT_EQ(CheckTree(second.store, true), "");

  // And back again: a second copy of the person, with the source found once more.
  const PasteResult again =
      PastePersonText(first.store, PersonClipboardText(second.store, 3), CoreReadSteps());
  ASSERT_TRUE(again.pasted) << again.error;
  EXPECT_EQ(again.sources_reused, 1);
  EXPECT_EQ(first.store.highest_source(), 1);
  EXPECT_EQ(CheckTree(first.store, true), "");
}

INSTANTIATE_TEST_SUITE_P(Sources, PersonClipboardRoundTrip,
                         ::testing::Values(RoundTrip{true, 0, 1, 1}, RoundTrip{false, 1, 0, 2}));

TEST(PersonClipboard, PastesAnotherProgramsGedcom) {
  TestTree tree;
  LoadSecondTree(tree, false);
  const std::string text =
      "0 HEAD\r\n1 CHAR ANSEL\r\n0 @P17@ INDI\r\n1 NAME Jos\xE2"
      "e /Garc\xE2\x69\x61/\r\n1 SEX M\r\n1 BIRT\r\n2 DATE ABT 1801\r\n2 SOUR @SRC9@\r\n1 FAMS "
      "@FAM3@\r\n0 @P18@ INDI\r\n1 NAME Rosa /Lopez/\r\n1 FAMS @FAM3@\r\n0 @FAM3@ FAM\r\n1 HUSB "
      "@P17@\r\n1 WIFE @P18@\r\n0 @SRC9@ SOUR\r\n1 TITL Libro de bautismos\r\n0 TRLR";
  const PasteResult pasted = PastePersonText(tree.store, text, CoreReadSteps());
  ASSERT_TRUE(pasted.pasted) << pasted.error;
  EXPECT_EQ(pasted.people, (std::vector<int>{3, 4}));
  const Lines jose = RecordLines(tree.store.individual(3)->lines);
  EXPECT_EQ(jose[1],
            "1 NAME Jos\xE9 /Garc\xED"
            "a/");
  EXPECT_TRUE(LinksOf(tree.store.individual(3)->lines, "1 FAMS").empty());
  EXPECT_EQ(LinksOf(tree.store.individual(3)->lines, "2 SOUR"), std::vector<int>{2});
  EXPECT_EQ(pasted.sources_added, 1);
  EXPECT_EQ(CheckTree(tree.store, true), "");
}

TEST(PersonClipboard, TextWithoutPeopleChangesNothing) {
  for (const std::string& text :
       {std::string("Dear John, see you on Monday."), std::string(""),
        std::string("0 HEAD\n1 CHAR UTF-8\n0 @S1@ SOUR\n1 TITL Alone\n0 TRLR\n")}) {
    TestTree tree;
    LoadSecondTree(tree, false);
    tree.store.set_tree_modified(false);
    const PasteResult pasted = PastePersonText(tree.store, text, CoreReadSteps());
    EXPECT_FALSE(pasted.pasted) << text;
    EXPECT_FALSE(pasted.error.empty()) << text;
    EXPECT_EQ(tree.store.highest_individual(), 2) << text;
    EXPECT_EQ(tree.store.highest_source(), 1) << text;
    EXPECT_EQ(CheckTree(tree.store, true), "") << text;
  }
}

TEST(PersonClipboard, UnicodeTextIsMarkedAsUtf8) {
  EXPECT_EQ(MarkedAsUtf8("0 HEAD\r\n1 CHAR ANSEL\r\n2 VERS 1\r\n0 @I1@ INDI\r\n0 TRLR"),
            "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n0 TRLR\n");
  EXPECT_EQ(MarkedAsUtf8("0 HEAD\n1 SOUR X\n0 @I1@ INDI\n"),
            "0 HEAD\n1 SOUR X\n1 CHAR UTF-8\n0 @I1@ INDI\n");
}

}  // namespace
}  // namespace kinloom::core
