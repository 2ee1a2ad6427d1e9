#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <string_view>

#include "reports/page_surface.h"

namespace kinloom::charts {

// The layout unit of every printed report: 600 to the inch, whatever the device's resolution.
inline constexpr int kUnitsPerInch = 600;

// The sans-serif face the reports are printed in: the first installed of the faces the program
// knows to read well on paper (DejaVu Sans comes with the program's dependencies), else the
// system's general face.
QString ReportFontFamily();

// A report page surface on a printer or PDF writer. The device's page layout (size,
// orientation, margins) must be set before; the surface measures with the device's font and
// starts painting at the first sheet, so a surface that only counts pages never paints.
class PainterSurface final : public reports::PageSurface {
 public:
  explicit PainterSurface(QPagedPaintDevice& device);
  ~PainterSurface() override;
  PainterSurface(const PainterSurface&) = delete;
  PainterSurface& operator=(const PainterSurface&) = delete;

  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void SetFont(const reports::FontStyle& font) override;
  int TextHeight(std::string_view text) override;
  int TextWidth(std::string_view text) override;
  void SetPenWidth(int width) override;
  void DrawText(int x, int y, std::string_view text) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void FillRect(int x, int y, int width, int height, int grey) override;
  void StartPage() override;
  void Finish() override;

  // False when the device could not be painted on (a printer that went away).
  bool ok() const { return ok_; }

 private:
  // Sets the line pen.
  void ApplyState();

  QPagedPaintDevice& device_;
  QPainter painter_;
  QFont font_;
  QColor text_colour_ = Qt::black;
  int pen_width_ = 1;
  int width_ = 0;
  int height_ = 0;
  double scale_ = 1.0;  // device pixels per layout unit
  bool ok_ = true;
  bool text_pen_ = false;  // the painter's pen is the text colour, not the line pen
};

// Text of the program's Windows-1252 set as Qt text.
QString FromReportText(std::string_view text);

}  // namespace kinloom::charts
