#pragma once

#include <QImage>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QRect>
#include <string>

#include "charts/report_printing.h"
#include "platform/file_io.h"
#include "platform/status.h"
#include "reports/report_job.h"
#include "reports/wall_chart_size.h"

namespace kinloom::charts {

// The print job of a chart's sheets: landscape, named after the chart's file. It only carries
// the name and orientation for PreparePrinter; the sheets are images, drawn below.
reports::ReportJob WallChartSheetsJob(const std::string& file_name);

// The sheet grid of an image at scale s on a prepared printer's pages (the area inside the
// margins, in the printer's units). Print Chart offers pages 1 to grid.sheets(); Print
// Sample the single page SamplePage(grid).
reports::SheetGrid PrinterSheetGrid(QPrinter& printer, const QImage& image, double scale);
// The same for the PDF of the sheets on paper of that size.
reports::SheetGrid PdfSheetGrid(const QPageSize& paper, const QImage& image, double scale);

// Prints the sheets of the range on a printer readied with PreparePrinter(WallChartSheetsJob):
// each page gets its tile of the image stretched over the page (a tile reaching past the
// image's edge shows white there). *sheets is the number sent.
[[nodiscard]] Status PrintWallChartSheets(QPrinter& printer, const QImage& image, double scale,
                                          reports::PageRange range, int* sheets = nullptr);

// Writes the sheets of the range as a PDF file (one page a sheet, landscape, the reports'
// margins) through a temporary file. Needs no printer.
[[nodiscard]] Status WriteWallChartSheetsPdf(platform::FileSystem& file_system,
                                             const std::string& path, const QImage& image,
                                             double scale, const PdfOptions& options = {},
                                             int* pages = nullptr);

}  // namespace kinloom::charts
