// The wall chart's printed size and sheets, against numbers worked out by hand.
#include "reports/wall_chart_size.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kinloom::reports {
namespace {

// Landscape pages of 10 x 7.5 inches at 600 units to the inch.
constexpr int kPageWidth = 6000;
constexpr int kPageHeight = 4500;

TEST(WallChartSizeTest, SizeTextLargerAndSmaller) {
  // 3000 x 2000 pixels at s = 1200: 125 pixels an inch; 24 + 0.9 gives 24 inches across,
  // 16 + 0.4 inches down: 16 and a quarter.
  const PrintedSize opening = OpeningSize(3000);
  EXPECT_EQ(opening.scale, 1200.0);
  EXPECT_DOUBLE_EQ(opening.width_inches, 23.6);
  EXPECT_EQ(WallChartSizeText(2000, opening, 9), "24\" x 16\xC2\xBC\" inches (9 sheets)");
  // Larger: 23.6 + 1 inch, s = 3000 * 9.6 / 24.6; 121 pixels an inch: 2000 / 121 + 0.4 is
  // 16.93, three quarters.
  const PrintedSize larger = StepSize(3000, 1200, +1);
  EXPECT_NEAR(larger.scale, 1170.7317, 1e-3);
  EXPECT_EQ(WallChartSizeText(2000, larger, 12), "25\" x 16\xC2\xBE\" inches (12 sheets)");
  // Smaller: 22.6 inches, s = 1274.3; 132 pixels an inch: 15.55 inches down.
  const PrintedSize smaller = StepSize(3000, 1200, -1);
  EXPECT_NEAR(smaller.scale, 1274.3363, 1e-3);
  EXPECT_EQ(WallChartSizeText(2000, smaller, 4), "23\" x 15\xC2\xBD\" inches (4 sheets)");
  // 1000 x 600: 8 inches across, 5.2 down: a whole number of inches, one sheet.
  EXPECT_EQ(WallChartSizeText(600, OpeningSize(1000), 1), "8\" x 5\" inches (1 sheet)");
}

TEST(WallChartSizeTest, LargerUntilDisabled) {
  double scale = kWallChartFirstScale;
  int presses = 0;
  while (LargerEnabled(scale) && presses < 100) {
    const double next = StepSize(3000, scale, +1).scale;
    EXPECT_LT(next, scale);
    scale = next;
    ++presses;
  }
  EXPECT_LE(scale, 800.0);
  EXPECT_GT(presses, 3);
  EXPECT_LT(presses, 100);
  EXPECT_TRUE(SmallerEnabled(3000, scale));
  EXPECT_FALSE(LargerEnabled(800.0));
  EXPECT_FALSE(SmallerEnabled(3000, 6000.0));
}

// The narrowest chart (two columns of 120 pixels): at s = 5760 a step of one inch would leave
// no width at all, so Smaller stops there although s is below 6000.
TEST(WallChartSizeTest, SmallerStopsBeforeTheWidthVanishes) {
  const PrintedSize first = StepSize(360, 1200, -1);
  EXPECT_DOUBLE_EQ(first.scale, 2160.0);
  const PrintedSize second = StepSize(360, first.scale, -1);
  EXPECT_NEAR(second.scale, 5760.0, 1e-9);
  EXPECT_FALSE(SmallerEnabled(360, second.scale));
  EXPECT_EQ(StepSize(360, second.scale, -1).scale, second.scale);
}

TEST(WallChartSizeTest, SheetGrid) {
  struct Case {
    int width, height;
    double scale;
    // columns, rows, tile width and height, overlap across and down, page width and height
    std::vector<int> grid;
    int sample;
  };
  const Case cases[] = {
      // Overlap 125; tiles 1200 x 900. Across: 3 tiles, (3600 + 125 - 3000) / 3 = 241 moves
      // from the tile to the overlap. Down: 3 tiles, 275 moves.
      {3000, 2000, 1200, {3, 3, 959, 625, 366, 400, kPageWidth, kPageHeight}, 4},
      // Two by two: 262 and 212 move.
      {2000, 1500, 1200, {2, 2, 938, 688, 387, 337, kPageWidth, kPageHeight}, 1},
      // One sheet: the chart keeps its scale on part of the page, 6000 * 1000 / 1325 units
      // across and 4500 * 600 / 1025 down.
      {1000, 600, 1200, {1, 1, 1000, 600, 0, 0, 4528, 2634}, 1},
      // An image narrower than the overlap still makes one sheet.
      {360, 300, 5760, {1, 1, 360, 300, 0, 0, 339, 274}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const SheetGrid g = MakeSheetGrid(c.width, c.height, c.scale, kPageWidth, kPageHeight);
    EXPECT_EQ((std::vector<int>{g.columns, g.rows, g.tile_width, g.tile_height, g.overlap_x,
                                g.overlap_y, g.page_width, g.page_height}),
              c.grid);
    EXPECT_EQ(SamplePage(g), c.sample);
    // The tiles cover the image.
    const SheetTile last = TileOfPage(g, g.sheets());
    EXPECT_GE(last.x + last.width, c.width);
    EXPECT_GE(last.y + last.height, c.height);
  }
  const SheetTile middle = TileOfPage(MakeSheetGrid(3000, 2000, 1200, kPageWidth, kPageHeight), 5);
  EXPECT_EQ((std::vector<int>{middle.x, middle.y, middle.width, middle.height}),
            (std::vector<int>{959, 625, 959 + 366, 625 + 400}));
}

}  // namespace
}  // namespace kinloom::reports
