#pragma once

#include <string>
#include <string_view>

namespace kinloom::reports {

// The printed size of a wall chart. The printing scale s is the number of image pixels across
// one sheet; a sheet's printable width counts as 9.6 inches, so floor(s / 9.6) image pixels
// make a printed inch. The viewer starts every chart at s = 1200.
inline constexpr double kWallChartFirstScale = 1200.0;
inline constexpr double kWallChartSheetInches = 9.6;

// The scale and the chart's printed width in inches that go together.
struct PrintedSize {
  double scale = kWallChartFirstScale;
  double width_inches = 0;
};

// Image pixels per printed inch: floor(s / 9.6).
int PixelsPerInch(double scale);
// The size the viewer opens a chart `width` pixels wide with.
PrintedSize OpeningSize(int width);
// One press of Larger (+1) or Smaller (-1): the width in whole inches grows or shrinks by a
// step of 1 inch per 25 (at least 1), and the scale follows. A step that would leave no width
// keeps the size.
PrintedSize StepSize(int width, double scale, int direction);
// Larger is offered while s > 800, Smaller while s < 6000 and a step can still shrink the
// chart.
bool LargerEnabled(double scale);
bool SmallerEnabled(int width, double scale);

// The sheets a chart is printed on: columns x rows of tiles. Tile (c, r) shows the image from
// (c * tile_width, r * tile_height), tile_width + overlap_x pixels wide and tile_height +
// overlap_y high, stretched over page_width x page_height printer units (less than the page
// when the whole chart fits one sheet across or down, so it keeps its scale).
struct SheetGrid {
  int columns = 1;
  int rows = 1;
  int tile_width = 0;
  int tile_height = 0;
  int overlap_x = 0;
  int overlap_y = 0;
  int page_width = 0;
  int page_height = 0;

  int sheets() const { return columns * rows; }
};
// The grid for an image of width x height pixels at scale s on landscape pages of
// page_width x page_height printer units.
SheetGrid MakeSheetGrid(int width, int height, double scale, int page_width, int page_height);

struct SheetTile {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};
// The image rectangle page `page` (from 1, row by row) shows.
SheetTile TileOfPage(const SheetGrid& grid, int page);
// "Print Sample": the first sheet of the middle row.
int SamplePage(const SheetGrid& grid);

// The size box: 24" x 16¼" inches (6 sheets), in UTF-8: the width in whole inches, the height
// in inches and quarters, the number of sheets.
std::string WallChartSizeText(int height, const PrintedSize& size, int sheets);
inline constexpr std::string_view kWallChartNoPrinterText = "No Printer Available";

}  // namespace kinloom::reports
