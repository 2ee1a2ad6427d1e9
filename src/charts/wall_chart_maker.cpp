#include "charts/wall_chart_maker.h"

#include <QPainter>

#include "charts/wall_chart_poster.h"
#include "platform/interaction.h"

namespace kinloom::charts {
namespace {

// Shows the progress window for its lifetime.
class ProgressScope {
 public:
  explicit ProgressScope(platform::Interaction& ui) : ui_(ui) {
    ui_.ProgressShow(reports::kWallChartProgressCaption, reports::kWallChartProgressText);
  }
  ~ProgressScope() { ui_.ProgressHide(); }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

 private:
  platform::Interaction& ui_;
};

// The image at the fitted size; when the system cannot give one that large, the chart is
// fitted again at the next smaller font. A null image when none can be had.
QImage AllocateImage(PreparedWallChart& chart) {
  while (true) {
    const reports::WallChartGeometry& g = chart.geometry();
    QImage image(g.width, g.height, QImage::Format_RGB32);
    if (!image.isNull()) return image;
    if (g.font_size <= reports::kWallChartSmallestFont || !chart.Fit(g.font_size - 1)) return {};
  }
}

void ShowNotSaved(platform::Interaction& ui, std::string_view what, const Status& status) {
  ui.Message(kWallChartNotSavedCaption,
             "The " + std::string(what) + " could not be saved:\n" + status.message(),
             platform::Icon::kExclamation);
}

}  // namespace

PreparedWallChart::PreparedWallChart(store::RecordStore& store, const WallChartRequest& request)
    : store_(store),
      request_(request),
      fonts_(request.options),
      texts_(store, request_.options,
             [this](std::string_view text) { return fonts_.ReferenceWidth(text); }),
      nodes_(reports::BuildWallChartNodes(store, request.root, request_.options,
                                          request.toggled_families)) {}

bool PreparedWallChart::Fit(int largest) {
  geometry_ = reports::FitWallChart(store_, nodes_, request_.options, fonts_, largest);
  return geometry_.has_value();
}

WallChartResult CreateWallChart(store::RecordStore& store, const WallChartRequest& request,
                                const WallChartSaving& saving) {
  WallChartResult result;
  if (request.root < 1 || store.individual(request.root) == nullptr) return result;
  platform::Interaction& ui = store.ui();
  std::optional<ProgressScope> progress(std::in_place, ui);
  PreparedWallChart chart(store, request);
  if (chart.too_small()) {
    progress.reset();
    ui.Message(reports::kWallChartTooSmallCaption, reports::kWallChartTooSmallText,
               platform::Icon::kInformation);
    result.outcome = WallChartOutcome::kTooSmall;
    return result;
  }
  QImage image;
  if (chart.Fit()) image = AllocateImage(chart);
  if (image.isNull()) {
    progress.reset();
    ui.Message(reports::kWallChartTooLargeCaption, reports::kWallChartTooLargeText,
               platform::Icon::kExclamation);
    result.outcome = WallChartOutcome::kTooLarge;
    return result;
  }
  {
    QPainter painter(&image);
    PaintWallChart(painter, chart.drawing());
  }
  const reports::WallChartGeometry& g = chart.geometry();
  result.width = g.width;
  result.height = g.height;
  result.font_size = g.font_size;
  const SavedWallChartFile saved =
      SaveWallChartImage(image, saving.my_files, reports::WallChartFileStem(store, request.root),
                         saving.file_system, saving.encoder);
  image = QImage();
  result.path = saved.path;
  if (!saved.status.ok()) {
    progress.reset();
    ShowNotSaved(ui, "wall chart", saved.status);
    result.outcome = WallChartOutcome::kNotSaved;
    return result;
  }
  result.outcome = WallChartOutcome::kSaved;
  if (!saving.poster_path.empty()) {
    const int per_inch = saving.poster_pixels_per_inch > 0 ? saving.poster_pixels_per_inch
                                                           : DefaultPosterPixelsPerInch();
    const Status poster =
        WriteWallChartPoster(saving.file_system, saving.poster_path, chart.drawing(), per_inch);
    if (!poster.ok()) {
      progress.reset();
      ShowNotSaved(ui, "poster", poster);
      result.outcome = WallChartOutcome::kNotSaved;
    }
  }
  return result;
}

}  // namespace kinloom::charts
