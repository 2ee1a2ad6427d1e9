#include "reports/wall_chart_size.h"

#include <algorithm>
#include <cmath>

namespace kinloom::reports {
namespace {

constexpr double kSmallestScale = 800.0;
constexpr double kLargestScale = 6000.0;

// The width in whole inches at a scale, and the step Larger and Smaller take from it.
struct WholeInches {
  double inches;
  int step;
};

WholeInches WholeInchesAt(int width, double scale) {
  const double inches = std::floor(width / static_cast<double>(PixelsPerInch(scale)) + 0.4 + 0.5);
  return {inches, static_cast<int>(0.04 * inches + 1)};
}

// One sheet dimension: how many tiles cover `image` pixels, their step and their overlap, and
// the printer units a tile fills.
struct Axis {
  int count = 1;
  int tile = 0;
  int overlap = 0;
  int page = 0;
};

Axis TileAxis(int image, int tile, int overlap, int page) {
  Axis axis{std::max(1, (image - overlap + tile - 1) / tile), tile, overlap, page};
  const int spare = (axis.count * tile + overlap - image) / axis.count;
  axis.tile -= spare;
  axis.overlap += spare;
  if (axis.count == 1) {
    // One tile shows the whole image; on a page larger than the image it takes only the part
    // of the page that keeps the scale.
    const int shown = axis.tile + axis.overlap;
    if (shown > image && page > image) {
      axis.page = static_cast<int>(static_cast<long long>(page) * image / shown);
      axis.tile = image;
      axis.overlap = 0;
    }
  }
  return axis;
}

}  // namespace

int PixelsPerInch(double scale) {
  return std::max(1, static_cast<int>(std::floor(scale / kWallChartSheetInches)));
}

PrintedSize OpeningSize(int width) {
  return {kWallChartFirstScale, WholeInchesAt(width, kWallChartFirstScale).inches - 0.4};
}

PrintedSize StepSize(int width, double scale, int direction) {
  const WholeInches whole = WholeInchesAt(width, scale);
  const double inches = whole.inches - 0.4 + direction * whole.step;
  if (inches <= 0) return {scale, whole.inches - 0.4};
  return {width * kWallChartSheetInches / inches, inches};
}

bool LargerEnabled(double scale) {
  return scale > kSmallestScale;
}

bool SmallerEnabled(int width, double scale) {
  return scale < kLargestScale && StepSize(width, scale, -1).scale != scale;
}

SheetGrid MakeSheetGrid(int width, int height, double scale, int page_width, int page_height) {
  const int overlap = static_cast<int>(scale / kWallChartSheetInches);
  const int tile_width = std::max(1, static_cast<int>(scale));
  const int tile_height =
      std::max(1, static_cast<int>(page_height * scale / std::max(1, page_width)));
  const Axis across = TileAxis(std::max(1, width), tile_width, overlap, page_width);
  const Axis down = TileAxis(std::max(1, height), tile_height, overlap, page_height);
  SheetGrid grid;
  grid.columns = across.count;
  grid.tile_width = across.tile;
  grid.overlap_x = across.overlap;
  grid.page_width = across.page;
  grid.rows = down.count;
  grid.tile_height = down.tile;
  grid.overlap_y = down.overlap;
  grid.page_height = down.page;
  return grid;
}

SheetTile TileOfPage(const SheetGrid& grid, int page) {
  const int index = std::clamp(page, 1, grid.sheets()) - 1;
  const int column = index % grid.columns;
  const int row = index / grid.columns;
  return {column * grid.tile_width, row * grid.tile_height, grid.tile_width + grid.overlap_x,
          grid.tile_height + grid.overlap_y};
}

int SamplePage(const SheetGrid& grid) {
  return ((grid.rows - 1) / 2) * grid.columns + 1;
}

std::string WallChartSizeText(int height, const PrintedSize& size, int sheets) {
  static const char* const kQuarters[] = {"\"", "\xC2\xBC\"", "\xC2\xBD\"", "\xC2\xBE\""};
  const double per_inch = PixelsPerInch(size.scale);
  const double inches_down = height / per_inch + 0.4;
  const int whole_down = static_cast<int>(std::floor(inches_down));
  const int quarters = std::clamp(static_cast<int>((inches_down - whole_down) * 4), 0, 3);
  const int whole_across = static_cast<int>(std::floor(size.width_inches + 0.4 + 0.2));
  std::string text = std::to_string(whole_across) + "\" x " + std::to_string(whole_down) +
                     kQuarters[quarters] + " inches (" + std::to_string(sheets) + " sheet";
  text += sheets == 1 ? ")" : "s)";
  return text;
}

}  // namespace kinloom::reports
