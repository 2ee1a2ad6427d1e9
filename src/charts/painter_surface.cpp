#include "charts/painter_surface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "reports/report_text.h"

namespace kinloom::charts {
namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

QString ReportFontFamily() {
  static const char* const kFaces[] = {"DejaVu Sans", "Liberation Sans", "Noto Sans", "FreeSans",
                                       "Nimbus Sans"};
  for (const char* face : kFaces) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(face))) return QString::fromLatin1(face);
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QString FromReportText(std::string_view text) {
  const std::string utf8 = reports::AnsiToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

PainterSurface::PainterSurface(QPagedPaintDevice& device) : device_(device) {
  const int dpi = device.logicalDpiX() > 0 ? device.logicalDpiX() : kUnitsPerInch;
  scale_ = static_cast<double>(dpi) / kUnitsPerInch;
  width_ = static_cast<int>(device.width() / scale_);
  height_ = static_cast<int>(device.height() / scale_);
  font_ = QFont(ReportFontFamily());
  font_.setHintingPreference(QFont::PreferNoHinting);
  font_.setStyleStrategy(QFont::PreferOutline);
  SetFont(reports::FontStyle{});
}

PainterSurface::~PainterSurface() {
  if (painter_.isActive()) painter_.end();
}

void PainterSurface::SetFont(const reports::FontStyle& font) {
  font_.setPixelSize(
      std::max(1, static_cast<int>(std::lround(font.points * kUnitsPerInch / kPointsPerInch))));
  font_.setBold(font.bold);
  font_.setUnderline(font.underline);
  font_.setItalic(font.italic);
  const QColor colour(font.grey, font.grey, font.grey);
  if (colour != text_colour_) {
    text_colour_ = colour;
    text_pen_ = false;
  }
  if (painter_.isActive()) painter_.setFont(font_);
}

int PainterSurface::TextHeight(std::string_view) {
  return static_cast<int>(std::ceil(QFontMetricsF(font_).height()));
}

int PainterSurface::TextWidth(std::string_view text) {
  return static_cast<int>(std::ceil(QFontMetricsF(font_).horizontalAdvance(FromReportText(text))));
}

void PainterSurface::SetPenWidth(int width) {
  pen_width_ = width;
  if (painter_.isActive()) ApplyState();
}

void PainterSurface::DrawText(int x, int y, std::string_view text) {
  if (!painter_.isActive()) return;
  const QFontMetricsF metrics(font_);
  QString shown = FromReportText(text);
  // Text never runs off the paper: what does not fit ends in an ellipsis. Only a text that
  // might not fit is measured.
  const double room = width_ - x;
  if (room > 0 && metrics.maxWidth() * shown.size() > room &&
      metrics.horizontalAdvance(shown) > room) {
    shown = metrics.elidedText(shown, Qt::ElideRight, room);
  }
  if (!text_pen_) {
    painter_.setPen(QPen(text_colour_));
    text_pen_ = true;
  }
  painter_.drawText(QPointF(x, y + metrics.ascent()), shown);
}

void PainterSurface::DrawLine(int x1, int y1, int x2, int y2) {
  if (!painter_.isActive()) return;
  if (text_pen_) ApplyState();
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterSurface::FillRect(int x, int y, int width, int height, int grey) {
  if (!painter_.isActive()) return;
  painter_.fillRect(QRectF(x, y, width, height), QColor(grey, grey, grey));
}

void PainterSurface::StartPage() {
  if (!painter_.isActive()) {
    ok_ = painter_.begin(&device_);
    if (!ok_) return;
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.scale(scale_, scale_);
    painter_.setFont(font_);
    ApplyState();
    return;
  }
  if (!device_.newPage()) ok_ = false;
}

void PainterSurface::Finish() {
  if (painter_.isActive()) painter_.end();
}

void PainterSurface::ApplyState() {
  text_pen_ = false;
  QPen pen(Qt::black);
  pen.setWidthF(pen_width_);
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
}

}  // namespace kinloom::charts
