#include "ui/reports/wall_chart_box_preview.h"

#include <QPainter>
#include <algorithm>

namespace kinloom::ui {
namespace {

// The preview never needs more pixels than a large screen shows.
constexpr int kPreviewLongestSide = 1600;
constexpr int kPreviewMargin = 8;
// Sheet numbers are drawn only where a sheet shows at least this wide.
constexpr double kNumberedSheetWidth = 28.0;

}  // namespace

WallChartPreview::WallChartPreview(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ChartPreview"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void WallChartPreview::SetChart(const QImage& chart) {
  chart_size_ = chart.size();
  if (chart.isNull()) {
    picture_ = QImage();
  } else if (std::max(chart.width(), chart.height()) > kPreviewLongestSide) {
    picture_ = chart.scaled(kPreviewLongestSide, kPreviewLongestSide, Qt::KeepAspectRatio,
                            Qt::SmoothTransformation);
  } else {
    picture_ = chart;
  }
  update();
}

void WallChartPreview::SetGrid(const reports::SheetGrid& grid) {
  grid_ = grid;
  update();
}

QRectF WallChartPreview::ChartArea() const {
  const QRectF room =
      QRectF(rect()).adjusted(kPreviewMargin, kPreviewMargin, -kPreviewMargin, -kPreviewMargin);
  if (chart_size_.isEmpty() || room.isEmpty()) return {};
  const double factor =
      std::min(room.width() / chart_size_.width(), room.height() / chart_size_.height());
  const QSizeF shown(chart_size_.width() * factor, chart_size_.height() * factor);
  return {room.center() - QPointF(shown.width() / 2, shown.height() / 2), shown};
}

void WallChartPreview::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Mid));
  const QRectF area = ChartArea();
  if (area.isEmpty() || picture_.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(area, picture_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(area);
  const double factor = area.width() / chart_size_.width();
  QFont number = font();
  number.setBold(true);
  painter.setFont(number);
  for (int page = 1; page <= grid_.sheets(); ++page) {
    const reports::SheetTile tile = reports::TileOfPage(grid_, page);
    const QRectF sheet(area.left() + tile.x * factor, area.top() + tile.y * factor,
                       tile.width * factor, tile.height * factor);
    painter.fillRect(sheet, QColor(40, 90, 200, 28));
    painter.setPen(QPen(QColor(200, 40, 40, 200), 1.5, Qt::DashLine));
    painter.drawRect(sheet);
    if (sheet.width() >= kNumberedSheetWidth) {
      // On a white label, so the number stays readable over the chart's text.
      const QString text = QString::number(page);
      const QRectF label(sheet.topLeft() + QPointF(3, 3),
                         QSizeF(painter.fontMetrics().horizontalAdvance(text) + 6,
                                painter.fontMetrics().height()));
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(255, 255, 255, 220));
      painter.drawRoundedRect(label, 3, 3);
      painter.setBrush(Qt::NoBrush);
      painter.setPen(QColor(200, 40, 40));
      painter.drawText(label, Qt::AlignCenter, text);
    }
  }
}

}  // namespace kinloom::ui
