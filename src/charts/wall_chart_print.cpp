#include "charts/wall_chart_print.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <memory>

#include "charts/painter_surface.h"

namespace kinloom::charts {
namespace {

QPageLayout SheetLayout(const QPageSize& paper) {
  return QPageLayout(paper, QPageLayout::Landscape,
                     QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                     QPageLayout::Millimeter);
}

// Draws one tile: the part of it that lies on the image, over the same part of the page.
void PaintTile(QPainter& painter, const QImage& image, const reports::SheetGrid& grid, int page) {
  const reports::SheetTile tile = reports::TileOfPage(grid, page);
  const QRect wanted(tile.x, tile.y, tile.width, tile.height);
  const QRect shown = wanted.intersected(image.rect());
  if (shown.isEmpty()) return;
  const double sx = static_cast<double>(grid.page_width) / tile.width;
  const double sy = static_cast<double>(grid.page_height) / tile.height;
  const QRectF target((shown.x() - tile.x) * sx, (shown.y() - tile.y) * sy, shown.width() * sx,
                      shown.height() * sy);
  painter.drawImage(target, image, shown);
}

// The sheets of the range on a paged device whose painting starts at the printable area.
int PaintSheets(QPagedPaintDevice& device, const QImage& image, const reports::SheetGrid& grid,
                reports::PageRange range, bool* ok) {
  QPainter painter;
  int sent = 0;
  const int last = std::min(range.last, grid.sheets());
  for (int page = std::max(1, range.first); page <= last; ++page) {
    if (sent == 0) {
      if (!painter.begin(&device)) {
        *ok = false;
        return 0;
      }
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
    } else if (!device.newPage()) {
      *ok = false;
      break;
    }
    PaintTile(painter, image, grid, page);
    ++sent;
  }
  if (painter.isActive()) painter.end();
  return sent;
}

}  // namespace

reports::ReportJob WallChartSheetsJob(const std::string& file_name) {
  return {file_name, true, {}};
}

reports::SheetGrid PrinterSheetGrid(QPrinter& printer, const QImage& image, double scale) {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  return reports::MakeSheetGrid(image.width(), image.height(), scale, area.width(), area.height());
}

reports::SheetGrid PdfSheetGrid(const QPageSize& paper, const QImage& image, double scale) {
  const QRect area = SheetLayout(paper).paintRectPixels(kUnitsPerInch);
  return reports::MakeSheetGrid(image.width(), image.height(), scale, area.width(), area.height());
}

Status PrintWallChartSheets(QPrinter& printer, const QImage& image, double scale,
                            reports::PageRange range, int* sheets) {
  const reports::SheetGrid grid = PrinterSheetGrid(printer, image, scale);
  bool ok = true;
  const int sent = PaintSheets(printer, image, grid, range, &ok);
  if (sheets != nullptr) *sheets = sent;
  if (!ok) return Status::IoError("The printer could not print the wall chart.");
  return Status::Ok();
}

Status WriteWallChartSheetsPdf(platform::FileSystem& file_system, const std::string& path,
                               const QImage& image, double scale, const PdfOptions& options,
                               int* pages) {
  if (image.isNull()) return Status::InvalidArgument("There is no wall chart to print.");
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  int sent = 0;
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kUnitsPerInch);
    writer.setPageLayout(SheetLayout(options.paper));
    writer.setCreator(QStringLiteral("Kinloom"));
    bool ok = true;
    sent =
        PaintSheets(writer, image, PdfSheetGrid(options.paper, image, scale), options.range, &ok);
    if (!ok) return Status::IoError(path + ": the PDF could not be drawn");
  }
  if (pages != nullptr) *pages = sent;
  if (sent == 0) return Status::InvalidArgument("The wall chart has no sheets in that range.");
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (!status.ok()) return status;
  const QByteArray& bytes = buffer.data();
  status = file->Append(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (!status.ok()) return status;
  return file->Commit();
}

}  // namespace kinloom::charts
