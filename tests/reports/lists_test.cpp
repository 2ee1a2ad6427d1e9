// The ancestor and descendant lists: their text form to the character, the generation limits,
// the parent types, and the printed pages.
#include "reports/lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/recording_surface.h"
#include "reports/test_tree_builder.h"

namespace kinloom::reports {
namespace {

using Lines = std::vector<std::string>;
using testing::TestTreeBuilder;

constexpr char kDate[] = "6 December 2026";

std::string Heading(const std::string& title) {
  return title + std::string(80 - title.size() - 15, ' ') + kDate;
}
const std::string kDashes(80, '-');

// Adam and Eve (1, 2) have Cain (3), who married Ada (4), daughter of Tom (6); Cain and Ada
// have Enid (5), Ada's stepchild Step (7) by Cain and a foster child Fos (8). Solo (9) has
// Kid (10) in a family without a wife.
class ListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestTreeBuilder b;
    b.Person("Adam /Lee/", 'M', {"1 BIRT", "2 DATE 1840", "1 DEAT", "2 DATE 1901"});
    // A baptism stands in for the birth; a cremation for the death, in the ancestor list only.
    b.Person("Eve /Ray/", 'F', {"1 BAPM", "2 DATE 1845", "1 CREM", "2 DATE 1920"});
    // The first birth-like event has no date: no "b. " although the baptism has one.
    b.Person("Cain /Lee/", 'M', {"1 BIRT", "2 PLAC Leeds", "1 BAPM", "2 DATE 1870"});
    b.Person("Ada /Oak/", 'F');
    b.Person("Enid /Lee/", 'F', {"1 BIRT", "2 DATE 1900"});
    b.Person("Tom /Oak/", 'M');
    b.Person("Step /Kid/", 'M');
    b.Person("Fos /Kid/", 'F');
    b.Person("Solo /Ash/", ' ');
    b.Person("Kid /Ash/", 'M');
    b.Family(1, 2, {{3}});
    b.Family(3, 4, {{5}, {7, "Step Fth"}, {8, "Foster"}});
    b.Family(6, 0, {{4}});
    b.Family(9, 0, {{10}});
    b.LoadInto(tree_);
  }

  Lines Text(bool ancestors, int root, int generations) {
    const ReportJob job = ancestors ? AncestorListJob(tree_.store, root, generations)
                                    : DescendantListJob(tree_.store, root, generations);
    return ReportTextLines(job, kDate);
  }

  testing::TestTree tree_;
};

TEST_F(ListsTest, AncestorListText) {
  EXPECT_EQ(
      Text(true, 5, 6),
      (Lines{Heading("Enid Lee (5)"), kDashes, "        /Adam Lee (1)   b. 1840  d. 1901",
             "    /Cain Lee (3)   ", "    |   \\Eve Ray (2)   b. 1845  d. 1920",
             " Enid Lee (5)   b. 1900  ", "    |   /Tom Oak (6)   ", "    \\Ada Oak (4)   "}));
  // Without parents: the heading and one line.
  EXPECT_EQ(Text(true, 6, 6), (Lines{Heading("Tom Oak (6)"), kDashes, " Tom Oak (6)   "}));
}

TEST_F(ListsTest, DescendantListText) {
  EXPECT_EQ(Text(false, 1, 6),
            (Lines{Heading("Adam Lee (1)"), kDashes, "1 Adam Lee (1) b. 1840 d. 1901",
                   "  + Eve Ray (2) b. 1845", "    2 Cain Lee (3)", "      + Ada Oak (4)",
                   "        3 Enid Lee (5) b. 1900"}))
      << "the stepchild follows the mother, the foster child nobody";
  EXPECT_EQ(Text(false, 4, 6),
            (Lines{Heading("Ada Oak (4)"), kDashes, "1 Ada Oak (4)", "  + Cain Lee (3)",
                   "    2 Enid Lee (5) b. 1900", "    2 Step Kid (7)"}));
  EXPECT_EQ(Text(false, 9, 6),
            (Lines{Heading("Solo Ash (9)"), kDashes, "1 Solo Ash (9)", "    2 Kid Ash (10)"}))
      << "a family without another spouse still lists its children";
}

TEST(ListLimits, GenerationsShownAndOrientation) {
  testing::TestTree tree;
  TestTreeBuilder b;
  const int bottom = b.Person("Low /Line/");
  const int top = b.FatherLine(bottom, 40, "Line");
  b.LoadInto(tree);
  struct Case {
    bool ancestors;
    int generations;
    size_t lines;  // below the heading
  };
  for (const Case& c :
       {Case{true, 6, 7}, Case{true, 2, 3}, Case{true, 30, 31}, Case{true, 1, 3},
        Case{true, 99, 31}, Case{false, 6, 6}, Case{false, 2, 2}, Case{false, 30, 30}}) {
    const ReportJob job = c.ancestors ? AncestorListJob(tree.store, bottom, c.generations)
                                      : DescendantListJob(tree.store, top, c.generations);
    EXPECT_EQ(ReportTextLines(job, kDate).size(), c.lines + 2)
        << c.ancestors << " " << c.generations;
    EXPECT_EQ(job.landscape, c.generations >= 19);
  }
  EXPECT_FALSE(ListablePerson(tree.store, 0));
  EXPECT_FALSE(ListablePerson(tree.store, 999));
  EXPECT_TRUE(ListablePerson(tree.store, bottom));
}

TEST_F(ListsTest, PrintedAncestorListConnectors) {
  RecordingSurface surface;
  EXPECT_EQ(PrintPages(AncestorListJob(tree_.store, 5, 6), surface, {}, kDate), 1);
  const int h = 100;  // the recorder's "X" at 10 points
  std::vector<RecordingSurface::Item> texts;
  for (const auto& item : surface.items()) {
    if (item.kind == RecordingSurface::Item::Kind::kText) texts.push_back(item);
  }
  ASSERT_EQ(texts.size(), 8u);
  EXPECT_EQ(texts[0].text, "Enid Lee (5)");
  EXPECT_EQ(texts[2].text, "Adam Lee (1)   b. 1840  d. 1901");
  EXPECT_EQ(texts[2].x, 2 * 2 * h);
  EXPECT_EQ(texts[2].y, h + (h + h / 2) + (h + h / 2) / 2);
  EXPECT_EQ(texts[5].text, "Enid Lee (5)   b. 1900  ");
  EXPECT_EQ(texts[5].x, 0);
  EXPECT_EQ(texts[5].y, texts[2].y + 3 * h);
  // Eve (mother side of Cain) hangs from the bar at depth 1 and her own corner at depth 2.
  const int eve_y = texts[4].y;
  int corners = 0, bars = 0;
  for (const auto& item : surface.items()) {
    if (item.kind != RecordingSurface::Item::Kind::kLine || item.y != eve_y) continue;
    if (item.x == 2 * h - h / 2 && item.y2 == eve_y + h) ++bars;
    if (item.x == 4 * h - h / 2 && item.y2 == eve_y + h / 2) ++corners;
  }
  EXPECT_EQ(bars, 1);
  EXPECT_EQ(corners, 1);
}

TEST(ListPages, LongDescendantListPagesAndRange) {
  testing::TestTree tree;
  TestTreeBuilder b;
  const int parent = b.Person("Many /Kin/", 'F');
  std::vector<TestTreeBuilder::Child> children;
  for (int i = 0; i < 250; ++i) {
    children.push_back({b.Person("Child" + std::to_string(i) + " /Kin/", 'M',
                                 {"1 BIRT", "2 DATE 1900", "1 BURI", "2 DATE 1990"})});
  }
  b.Family(0, parent, children);
  b.LoadInto(tree);
  const ReportJob job = DescendantListJob(tree.store, parent, 6);
  RecordingSurface counter;
  const int pages = CountPages(job, counter, kDate);
  EXPECT_EQ(pages, 5);
  RecordingSurface all;
  EXPECT_EQ(PrintPages(job, all, {}, kDate), pages);
  EXPECT_LE(all.LowestMark(), all.PageHeight()) << "nothing below the paper";
  EXPECT_LE(all.RightmostText(), all.PageWidth());
  RecordingSurface part;
  EXPECT_EQ(PrintPages(job, part, {2, 3}, kDate), 2);
  EXPECT_EQ(part.Texts(1).front(), all.Texts(2).front());
  EXPECT_EQ(part.Texts(2), all.Texts(3));
  EXPECT_EQ(part.Texts(1)[1], std::string(kDate) + "  --  2");
}

}  // namespace
}  // namespace kinloom::reports
