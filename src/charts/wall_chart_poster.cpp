#include "charts/wall_chart_poster.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <memory>

#include "reports/wall_chart_size.h"

namespace kinloom::charts {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr int kLargestPageInches = 200;

}  // namespace

int DefaultPosterPixelsPerInch() {
  return reports::PixelsPerInch(reports::kWallChartFirstScale);
}

Status WriteWallChartPoster(platform::FileSystem& file_system, const std::string& path,
                            const WallChartDrawing& drawing, int pixels_per_inch) {
  const reports::WallChartGeometry& g = drawing.geometry;
  const int longest = std::max(g.width, g.height);
  const int per_inch =
      std::max({1, pixels_per_inch, (longest + kLargestPageInches - 1) / kLargestPageInches});
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(per_inch);
    const QSizeF points(g.width * kPointsPerInch / per_inch, g.height * kPointsPerInch / per_inch);
    writer.setPageLayout(
        QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(drawing.fonts.title());
    writer.setCreator(QStringLiteral("Kinloom"));
    QPainter painter;
    if (!painter.begin(&writer)) return Status::IoError(path + ": the PDF could not be drawn");
    // The page is the chart's size at the writer's resolution, whatever rounding the page size
    // took.
    painter.scale(writer.width() / static_cast<double>(g.width),
                  writer.height() / static_cast<double>(g.height));
    PaintWallChart(painter, drawing);
    painter.end();
  }
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (!status.ok()) return status;
  const QByteArray& bytes = buffer.data();
  status = file->Append(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (!status.ok()) return status;
  return file->Commit();
}

WallChartResult SaveWallChartPoster(store::RecordStore& store, const WallChartRequest& request,
                                    const std::string& path, platform::FileSystem& file_system,
                                    int pixels_per_inch) {
  WallChartResult result;
  if (request.root < 1 || store.individual(request.root) == nullptr) return result;
  platform::Interaction& ui = store.ui();
  PreparedWallChart chart(store, request);
  if (chart.too_small()) {
    ui.Message(reports::kWallChartTooSmallCaption, reports::kWallChartTooSmallText,
               platform::Icon::kInformation);
    result.outcome = WallChartOutcome::kTooSmall;
    return result;
  }
  if (!chart.Fit()) {
    ui.Message(reports::kWallChartTooLargeCaption, reports::kWallChartTooLargeText,
               platform::Icon::kExclamation);
    result.outcome = WallChartOutcome::kTooLarge;
    return result;
  }
  result.width = chart.geometry().width;
  result.height = chart.geometry().height;
  result.font_size = chart.geometry().font_size;
  result.path = path;
  const Status written = WriteWallChartPoster(file_system, path, chart.drawing(), pixels_per_inch);
  if (!written.ok()) {
    ui.Message(kWallChartNotSavedCaption, "The poster could not be saved:\n" + written.message(),
               platform::Icon::kExclamation);
    result.outcome = WallChartOutcome::kNotSaved;
    return result;
  }
  result.outcome = WallChartOutcome::kSaved;
  return result;
}

}  // namespace kinloom::charts
