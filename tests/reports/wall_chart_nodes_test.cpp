// The wall chart's node lists, chart texts, file name and fitting, with measures worked out by
// hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/queries.h"
#include "reports/test_tree_builder.h"
#include "reports/wall_chart_fit.h"
#include "reports/wall_chart_nodes.h"
#include "reports/wall_chart_texts.h"

namespace kinloom::reports {
namespace {

using testing::TestTreeBuilder;

int TenPerCharacter(std::string_view text) {
  return static_cast<int>(text.size()) * 10;
}

// Plain text is one size-unit wide a character, bold 6/5 of that; a row is the size + 4.
class FakeMeasure final : public WallChartMeasure {
 public:
  explicit FakeMeasure(std::string title) : title_(std::move(title)) {}
  int TextWidth(std::string_view text, WallChartTextStyle style, int size) override {
    const int width = static_cast<int>(text.size()) * size;
    return style == WallChartTextStyle::kBold ? width * 6 / 5 : width;
  }
  int LineHeight(int size) override { return size + 4; }
  int TitleWidth(int size) override { return static_cast<int>(title_.size()) * size / 2; }
  int TitleHeight(int size) override { return size + 4; }

 private:
  std::string title_;
};

class WallChartNodesTest : public ::testing::Test {
 protected:
  WallChartNodes Build(int root, bool ancestors, int generations) {
    WallChartOptions options;
    options.ancestors = ancestors;
    options.generations = generations;
    BuildWallChartTexts(tree_.store, options, TenPerCharacter);
    return BuildWallChartNodes(tree_.store, root, options);
  }

  // The nodes of a level as "I3", "S2+" (children or parents drawn), "S2-" (collapsed).
  static std::vector<std::string> Level(const WallChartNodes& nodes, int level) {
    std::vector<std::string> out;
    for (const core::ChartNode& n : nodes.chart.levels[static_cast<size_t>(level)]) {
      if (n.kind == 'I') {
        out.push_back("I" + std::to_string(n.individual));
      } else {
        out.push_back("S" + std::to_string(n.family) +
                      (n.collapsed        ? "-"
                       : n.children_drawn ? "+"
                                          : ""));
      }
    }
    return out;
  }

  testing::TestTree tree_;
};

// Rob and Wyn (1, 2) have Ann (3) and Ben (4). Ann and Xan (5) have Cid (6); Ben and Yve (7)
// have Dot (8). The cousins Cid and Dot marry and have Eli (9). Ben's son Kit (10) by Uma
// (11) marries his cousin's daughter Eli: a family met first on the chart's last generation.
TEST_F(WallChartNodesTest, FamilyReachedTwiceIsDrawnOnce) {
  TestTreeBuilder b;
  for (const char* name : {"Rob /Roe/", "Wyn /Ash/", "Ann /Roe/", "Ben /Roe/", "Xan /Fry/",
                           "Cid /Fry/", "Yve /Elm/", "Dot /Roe/", "Eli /Fry/"}) {
    b.Person(name);
  }
  b.Family(1, 2, {{3}, {4}}), b.Family(5, 3, {{6}}), b.Family(4, 7, {{8}}), b.Family(6, 8, {{9}});
  b.LoadInto(tree_);

  const WallChartNodes down = Build(1, false, 4);
  ASSERT_EQ(down.levels(), 4);
  EXPECT_EQ(Level(down, 2), (std::vector<std::string>{"I6", "S4+", "I8", "S4-"}));
  EXPECT_EQ(Level(down, 3), (std::vector<std::string>{"I9"}));

  // Eli's ancestry meets Rob and Wyn's family through both parents: drawn above, folded below.
  const WallChartNodes up = Build(9, true, 4);
  ASSERT_EQ(up.levels(), 4);
  EXPECT_EQ(Level(up, 0), (std::vector<std::string>{"I9", "S4+"}));
  EXPECT_EQ(Level(up, 1), (std::vector<std::string>{"I6", "S2+", "I8", "S3+"}));
  EXPECT_EQ(Level(up, 2), (std::vector<std::string>{"I5", "I3", "S1+", "I4", "S1-", "I7"}));
  EXPECT_EQ(Level(up, 3), (std::vector<std::string>{"I1", "I2"}));
}

TEST_F(WallChartNodesTest, FamilyMetFirstOnTheLastGenerationShowsItsChildrenHigherUp) {
  TestTreeBuilder b;
  for (const char* name : {"Rob /Roe/", "Wyn /Ash/", "Ann /Roe/", "Uli /Roe/", "Xan /Fry/",
                           "Nia /Fry/", "Kim /Roe/"}) {
    b.Person(name);
  }
  b.Family(1, 2, {{3}, {4}}), b.Family(5, 3, {{6}});
  b.Family(4, 6, {{7}});  // the uncle marries his niece
  b.LoadInto(tree_);
  const WallChartNodes nodes = Build(1, false, 3);
  ASSERT_EQ(nodes.levels(), 3);
  EXPECT_EQ(Level(nodes, 1), (std::vector<std::string>{"I3", "S2+", "I4", "S3+"}));
  EXPECT_EQ(Level(nodes, 2), (std::vector<std::string>{"I6", "S3", "I7"}));
}

TEST_F(WallChartNodesTest, GenerationsAndLonePeople) {
  TestTreeBuilder b;
  for (const char* name : {"Old /Roe/", "Mid /Roe/", "New /Roe/", "Lone /Ash/"}) b.Person(name);
  b.Family(1, 0, {{2}}), b.Family(2, 0, {{3}});
  b.LoadInto(tree_);
  // Two generations: the root and its children; the child's family shows no children.
  const WallChartNodes two = Build(1, false, 2);
  ASSERT_EQ(two.levels(), 2);
  EXPECT_EQ(Level(two, 1), (std::vector<std::string>{"I2", "S2"}));
  const WallChartNodes up_two = Build(3, true, 2);
  ASSERT_EQ(up_two.levels(), 2);
  EXPECT_EQ(Level(up_two, 1), (std::vector<std::string>{"I2"})) << "no marriage of parents";
  // A root without children or without parents has one generation: too small.
  EXPECT_EQ(Build(3, false, 6).levels(), 1);
  EXPECT_EQ(Build(1, true, 6).levels(), 1);
  EXPECT_EQ(Build(4, false, 6).levels(), 1);
  EXPECT_EQ(Build(99, false, 6).levels(), 0);
}

// A person sits at the middle of the parents: Pat (1 row) with the parents' "m. " row below
// him, father and mother of 1 row each and a spacing row.
TEST_F(WallChartNodesTest, AncestorRowsAndLines) {
  TestTreeBuilder b;
  b.Person("Pat /Roe/");
  b.Person("Dad /Roe/");
  b.Person("Mum /Ash/", 'F');
  b.Family(2, 3, {{1}});
  b.LoadInto(tree_);
  const WallChartNodes nodes = Build(1, true, 2);
  ASSERT_EQ(nodes.levels(), 2);
  EXPECT_EQ(nodes.chart.total_rows, 4);
  const auto& levels = nodes.chart.levels;
  EXPECT_EQ(
      (std::vector<int>{levels[0][0].row, levels[0][1].row, levels[1][0].row, levels[1][1].row}),
      (std::vector<int>{0, 1, 0, 2}));
  ASSERT_EQ(nodes.links[0].size(), 1u);
  const core::ChartLink& link = nodes.links[0][0];
  EXPECT_EQ((std::vector<int>{link.parent_row, link.first_row, link.last_row}),
            (std::vector<int>{1, 0, 2}));
}

TEST_F(WallChartNodesTest, ChartTextsAndTheirRows) {
  TestTreeBuilder b;
  b.Person("Ann /Roe/", 'F',
           {"1 BIRT", "2 DATE 1 JAN 1900", "2 PLAC Boston", "1 DEAT", "2 DATE 1950"});
  b.Person("Bob /Roe/", 'M', {"1 BAPM", "2 PLAC Salem"});
  b.Person("Kid /Roe/", 'M');
  b.Person("Cy /Oak/", 'M', {"1 DEAT", "2 DATE 1990"});
  b.Family(2, 1, {{3}});
  b.Family(4, 1);
  b.LoadInto(tree_);
  store::RecordStore& s = tree_.store;
  WallChartOptions options;
  BuildWallChartTexts(s, options, TenPerCharacter);
  EXPECT_EQ(s.individual(1)->labelText.view(), "Ann Roe");
  EXPECT_EQ(s.individual(1)->birthText.view(), "b. 1 JAN 1900,  Boston");
  EXPECT_EQ(s.individual(1)->deathText.view(), "d. 1950");
  EXPECT_EQ(s.individual(1)->boxLines, 3);
  EXPECT_EQ(s.individual(2)->birthText.view(), "b. Salem");
  EXPECT_EQ(s.family(1)->marriageText.view(), "m. ") << "a family with children";
  EXPECT_EQ(s.family(2)->marriageWidth, 0) << "no marriage and no children";

  options.show_places = false;
  options.show_id_numbers = true;
  BuildWallChartTexts(s, options, TenPerCharacter);
  EXPECT_EQ(s.individual(1)->labelText.view(), "Ann Roe (1)");
  EXPECT_EQ(s.individual(1)->birthText.view(), "b. 1 JAN 1900   d. 1950");
  EXPECT_EQ(s.individual(1)->deathWidth, 0);
  EXPECT_EQ(s.individual(1)->boxLines, 2);
  EXPECT_EQ(s.individual(2)->boxLines, 1) << "a place alone is no line without places";
  EXPECT_EQ(s.individual(4)->birthText.view(), "d. 1990") << "a death alone takes the line";
  // Ann's block: her box, Bob's family ("m. " and his box) and Cy's (his box alone).
  EXPECT_EQ(s.individual(1)->blockLines, 2 + 1 + 1 + 2);

  // A text 5 pixels wide or less takes no row.
  BuildWallChartTexts(s, options, [](std::string_view text) {
    return text.starts_with("b.") ? 5 : TenPerCharacter(text);
  });
  EXPECT_EQ(s.individual(1)->boxLines, 1);
}

TEST_F(WallChartNodesTest, TextScopeGivesTheMainWindowItsTextsBack) {
  TestTreeBuilder b;
  b.Person("Ann /Roe/", 'F', {"1 BIRT", "2 DATE 1900", "2 PLAC Boston"});
  b.LoadInto(tree_);
  const std::string before(tree_.store.individual(1)->birthText.view());
  tree_.store.set_show_chart_pictures(true);
  {
    WallChartOptions options;
    WallChartTextScope scope(tree_.store, options, TenPerCharacter);
    EXPECT_FALSE(tree_.store.show_chart_pictures());
    EXPECT_EQ(tree_.store.individual(1)->birthText.view(), "b. 1900,  Boston");
  }
  EXPECT_TRUE(tree_.store.show_chart_pictures());
  EXPECT_EQ(tree_.store.individual(1)->birthText.view(), before);
  EXPECT_EQ(tree_.store.individual(1)->labelText.view(), core::PersonLabel(tree_.store, 1));
}

TEST_F(WallChartNodesTest, FileStemAndFonts) {
  TestTreeBuilder b;
  b.Person("Jo /Fitzwilliam-Montgomery-Smythe/");
  b.Person("Al /Caf\xe9/");
  b.Person("Ed /Tudor/", 'M', {"1 TITL King 1/2"});
  b.LoadInto(tree_);
  EXPECT_EQ(WallChartFileStem(tree_.store, 1), "WallChart_Fitzwilliam-Montgome_1");
  EXPECT_EQ(WallChartFileStem(tree_.store, 2), "WallChart_Caf\xc3\xa9_2");
  EXPECT_EQ(WallChartFileStem(tree_.store, 3), "WallChart_Tudor, King 1_2_3");
  EXPECT_EQ(DefaultWallChartTitle(tree_.store, 2, true), "Ancestors of Al Caf\xe9");

  WallChartOptions options;
  ChooseBodyFont(options, true);
  EXPECT_EQ(BodyFace(options), kRomanFace);
  EXPECT_EQ(options.title_font.face, kRomanFace) << "the title follows from the other face";
  options.title_font.face = "Old English";
  ChooseBodyFont(options, false);
  EXPECT_EQ(options.title_font.face, "Old English") << "a face of the user's choice stays";
}

class WallChartFitTest : public WallChartNodesTest {
 protected:
  // Abe and Eve (1, 2) with `children` children whose names are as long as theirs.
  void MakeFamily(int children) {
    tree_.store.FreeTree();
    TestTreeBuilder b;
    b.Person("Abe /Lee/");
    b.Person("Eve /Oak/", 'F');
    std::vector<TestTreeBuilder::Child> kids;
    for (int k = 0; k < children; ++k) {
      kids.push_back({b.Person("Ki" + std::to_string(k) + " /Lee/")});
    }
    b.Family(1, 2, kids);
    b.LoadInto(tree_);
  }

  std::optional<WallChartGeometry> Fit(const std::string& title,
                                       int largest = kWallChartLargestFont) {
    WallChartOptions options;
    options.generations = 2;
    options.title = title;
    const WallChartNodes nodes = Build(1, false, 2);
    FakeMeasure measure(title);
    return FitWallChart(tree_.store, nodes, options, measure, largest);
  }
};

// Size 20: rows of 24 pixels, insets of 6. Both columns hold 7-character names: 140 + 12 =
// 152 pixels. The root's block (3 rows) sits in the middle of five children of 2 rows each:
// row (10 - 4 - 1) / 2 = 2.
TEST_F(WallChartFitTest, ImageSizeAndTitleRoom) {
  MakeFamily(5);
  const auto short_title = Fit("Lee");
  ASSERT_TRUE(short_title.has_value());
  const WallChartGeometry& g = *short_title;
  EXPECT_EQ(g.font_size, 20);
  EXPECT_EQ(g.line_height, 24);
  EXPECT_EQ(g.column_x, (std::vector<int>{40, 232}));
  EXPECT_EQ(g.column_width, (std::vector<int>{152, 152}));
  EXPECT_EQ(g.width, 232 + 152 + 40);
  EXPECT_EQ(g.title_size, 424 / 100 + 12);
  EXPECT_EQ(g.picture_box, 84);
  EXPECT_EQ(g.picture_width, 63);
  // The title (16 * 3 / 2 + 2 * 56 = 136 wide with its margins) stays over the first column,
  // whose box lies 48 pixels down: more than the title's 20 and half a row.
  EXPECT_EQ(g.top, 40);
  EXPECT_EQ(g.height, 10 * 24 + 40 + 40);

  // A title reaching into the second column, whose first box is at the top: the boxes move
  // down.
  const auto long_title = Fit("The Family of Abe Lee and Eve");
  ASSERT_TRUE(long_title.has_value());
  EXPECT_EQ(long_title->top, 40 + 20 + 12);
  EXPECT_EQ(long_title->height, 10 * 24 + 40 + 72);
  EXPECT_EQ(Fit("")->top, 40) << "no title, no room";
}

TEST_F(WallChartFitTest, TitleShrinksToHalfTheImageButNotBelow18) {
  TestTreeBuilder b;
  b.Person("Bartholomew /Lancaster/");  // 21 characters: columns of 432 pixels
  b.Person("Guinevere /Whitfield/", 'F');
  b.Person("Christopher /Lancaster/");
  b.Family(1, 2, {{3}});
  b.LoadInto(tree_);
  // 984 pixels wide: the title starts at 21 and must fit 492 pixels with its margins, which
  // at 18 pixels a size it does from 20 on.
  const auto fitted = Fit("Descendants of Bartholomew Lancaster");
  ASSERT_TRUE(fitted.has_value());
  EXPECT_EQ(fitted->width, 40 + 432 + 40 + 432 + 40);
  EXPECT_EQ(fitted->title_size, 20);
  EXPECT_EQ(Fit(std::string(100, 'x'))->title_size, 18);
}

// At size s a row is s + 4 pixels; a couple with n children of one row each needs 2n rows.
TEST_F(WallChartFitTest, SmallerFontsUntilTheImageFits) {
  MakeFamily(1);
  EXPECT_EQ(Fit("")->font_size, 20);
  EXPECT_EQ(Fit("", 9)->font_size, 9) << "an image that could not be had tries smaller";
  // 4000 rows: 4000 * (s + 4) + 80 is 65,535 or less from s = 12 down.
  MakeFamily(2000);
  const auto smaller = Fit("");
  ASSERT_TRUE(smaller.has_value());
  EXPECT_EQ(smaller->font_size, 12);
  EXPECT_EQ(smaller->height, 4000 * 16 + 80);
  MakeFamily(6000);
  EXPECT_FALSE(Fit("").has_value()) << "too large even at size 6";

  EXPECT_TRUE(WallChartImageFits(16384, 16384));
  EXPECT_FALSE(WallChartImageFits(16385, 16384)) << "beyond the memory limit";
  EXPECT_TRUE(WallChartImageFits(65535, 4096));
  EXPECT_FALSE(WallChartImageFits(65536, 1)) << "wider than a JPEG holds";
}

}  // namespace
}  // namespace kinloom::reports
