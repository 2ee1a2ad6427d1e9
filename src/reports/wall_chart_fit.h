#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "reports/wall_chart_nodes.h"
#include "reports/wall_chart_options.h"
#include "store/record_store.h"

namespace kinloom::reports {

inline constexpr int kWallChartMargin = 40;
inline constexpr int kWallChartColumnGap = 40;
inline constexpr int kWallChartMinColumnWidth = 120;
inline constexpr int kWallChartLargestFont = 20;
inline constexpr int kWallChartSmallestFont = 6;
// A JPEG holds at most 65,535 pixels a side.
inline constexpr int kWallChartMaxSide = 65535;
// The image is drawn with 4 bytes a pixel; beyond this it is too large to be had (a chart of
// 16,384 x 16,384 pixels, about 136 inches a side as printed at first).
inline constexpr int64_t kWallChartBytesPerPixel = 4;
inline constexpr int64_t kWallChartMaxImageBytes = int64_t{1} << 30;

enum class WallChartTextStyle { kPlain, kBold, kItalic };

// Measures of the chart's fonts at a size in points: the body font (plain, bold or italic)
// and the title in its own face. The chart draws with the same measures.
class WallChartMeasure {
 public:
  virtual ~WallChartMeasure() = default;
  virtual int TextWidth(std::string_view text, WallChartTextStyle style, int size) = 0;
  virtual int LineHeight(int size) = 0;
  virtual int TitleWidth(int size) = 0;
  virtual int TitleHeight(int size) = 0;
};

// Where everything of the chart goes in the image, in pixels.
struct WallChartGeometry {
  int font_size = 0;      // the body font's size in points
  int line_height = 0;    // h: one row
  int picture_box = 0;    // 7h/2: the room at a box's left that a picture takes
  int picture_width = 0;  // three quarters of it
  int text_inset = 0;     // from a box's edge to its text
  std::vector<int> column_x;
  std::vector<int> column_width;
  int top = 0;  // y of row 0: the margin and the room the title needs
  int title_size = 0;
  int title_height = 0;
  int title_x = 0;
  int title_y = 0;
  int width = 0;
  int height = 0;

  int RowY(int row) const { return top + row * line_height; }
};

// Whether an image of that size can be had: at most 65,535 pixels a side and within the
// memory limit.
bool WallChartImageFits(int64_t width, int64_t height);

// Fits the chart: for font sizes from `largest` down to 6, lays out the columns (the widest
// text with its numbering, a picture's room, the insets; at least 120 pixels, 40 between
// columns), the title's size and room and the image size, and returns the first that fits.
// Nothing when even size 6 does not.
std::optional<WallChartGeometry> FitWallChart(const store::RecordStore& store,
                                              const WallChartNodes& nodes,
                                              const WallChartOptions& options,
                                              WallChartMeasure& measure,
                                              int largest = kWallChartLargestFont);

// The texts a node draws with their style, and whether they stand beside a picture.
struct WallChartNodeText {
  std::string_view text;
  WallChartTextStyle style = WallChartTextStyle::kPlain;
  bool beside_picture = false;
};
std::vector<WallChartNodeText> NodeTexts(const store::RecordStore& store,
                                         const WallChartNodes& nodes,
                                         const WallChartOptions& options,
                                         const core::ChartNode& node);
// Whether the person's box shows a picture: pictures chosen and a six-row box with a picture.
bool ShowsPicture(const store::RecordStore& store, const WallChartOptions& options, int individual);

}  // namespace kinloom::reports
