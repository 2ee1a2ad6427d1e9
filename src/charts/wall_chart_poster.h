#pragma once

#include <string>

#include "charts/wall_chart_maker.h"
#include "platform/file_io.h"
#include "platform/status.h"

namespace kinloom::charts {

// "Save as PDF Poster": the chart as one vector page the size of the printed chart, at
// `pixels_per_inch` image pixels to the inch (text stays sharp at any size and the file small,
// for print shops and plotters). A page never exceeds 200 inches a side, the most PDF readers
// open; a larger chart is printed smaller to fit. Written through a temporary file.
[[nodiscard]] Status WriteWallChartPoster(platform::FileSystem& file_system,
                                          const std::string& path, const WallChartDrawing& drawing,
                                          int pixels_per_inch);

// The poster of a chart made afresh from its request (the viewer's "Save as PDF Poster"):
// the chart is built and fitted as "Create New Wall Chart" does, without an image, and the
// messages of too few generations, a chart too large and a file not written are shown.
WallChartResult SaveWallChartPoster(store::RecordStore& store, const WallChartRequest& request,
                                    const std::string& path, platform::FileSystem& file_system,
                                    int pixels_per_inch);

// Image pixels to the printed inch as the viewer first prints a chart (scale 1200: 125).
int DefaultPosterPixelsPerInch();

}  // namespace kinloom::charts
