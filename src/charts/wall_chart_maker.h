#pragma once

#include <optional>
#include <string>
#include <unordered_set>

#include "charts/wall_chart_fonts.h"
#include "charts/wall_chart_image_file.h"
#include "charts/wall_chart_painter.h"
#include "platform/file_io.h"
#include "reports/wall_chart_fit.h"
#include "reports/wall_chart_nodes.h"
#include "reports/wall_chart_options.h"
#include "reports/wall_chart_texts.h"
#include "store/record_store.h"

namespace kinloom::charts {

// A wall chart to make: the root (the highlighted person of the reports window), the page's
// options, and the families whose show/hide toggle is set in the tree view.
struct WallChartRequest {
  int root = 0;
  reports::WallChartOptions options;
  std::unordered_set<int> toggled_families;
};

// A chart ready to draw: its fonts, the cached chart texts in its form (rebuilt for the main
// window when it ends), the node lists and, once fitted, where everything goes.
class PreparedWallChart {
 public:
  PreparedWallChart(store::RecordStore& store, const WallChartRequest& request);
  PreparedWallChart(const PreparedWallChart&) = delete;
  PreparedWallChart& operator=(const PreparedWallChart&) = delete;

  // Fewer than two generations with boxes: "Wall Chart Too Small".
  bool too_small() const { return nodes_.levels() < 2; }
  // Fits the chart at the largest size from `largest` down that can be had; false when even
  // the smallest cannot.
  bool Fit(int largest = reports::kWallChartLargestFont);
  const reports::WallChartGeometry& geometry() const { return *geometry_; }
  const reports::WallChartNodes& nodes() const { return nodes_; }
  WallChartDrawing drawing() { return {store_, nodes_, *geometry_, request_.options, fonts_}; }

 private:
  store::RecordStore& store_;
  WallChartRequest request_;
  WallChartFonts fonts_;
  reports::WallChartTextScope texts_;
  reports::WallChartNodes nodes_;
  std::optional<reports::WallChartGeometry> geometry_;
};

enum class WallChartOutcome { kSaved, kNoPerson, kTooSmall, kTooLarge, kNotSaved };

struct WallChartResult {
  WallChartOutcome outcome = WallChartOutcome::kNoPerson;
  std::string path;  // the saved chart: the current wall chart
  int width = 0;     // pixels
  int height = 0;
  int font_size = 0;  // the body font's size the chart fitted at
};

// Where a chart goes: the "My Files" folder and the file writing; a poster path asks for the
// PDF poster too, at `poster_pixels_per_inch`.
struct WallChartSaving {
  std::string my_files;
  platform::FileSystem& file_system;
  std::string poster_path;
  int poster_pixels_per_inch = 0;  // 0: as the viewer first prints the chart
  WallChartEncoder encoder = {};   // tests replace the image writer
};

inline constexpr std::string_view kWallChartNotSavedCaption = "*** Warning ***";

// "Create New Wall Chart": builds the chart of the root under the progress window, fits and
// draws it (a size whose image cannot be had tries the next smaller font) and saves it in
// "My Files" as "WallChart_<surname>_<number>.jpg" (or ".bmp"). Too few generations, too large
// even at the smallest font, and a file that cannot be written are shown to the user; the
// cached chart texts are rebuilt for the main window in every case. A root that is no
// existing person does nothing.
WallChartResult CreateWallChart(store::RecordStore& store, const WallChartRequest& request,
                                const WallChartSaving& saving);

}  // namespace kinloom::charts
