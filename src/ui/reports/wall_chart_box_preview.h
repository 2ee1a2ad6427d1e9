#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

#include "reports/wall_chart_size.h"

namespace kinloom::ui {

// The wall chart viewer's picture of the chart: the image scaled to the widget, with the
// sheets it prints on drawn over it. Each sheet is outlined and tinted lightly, so the strips
// where neighbouring sheets overlap show darker, and carries its page number.
class WallChartPreview : public QWidget {
  Q_OBJECT

 public:
  explicit WallChartPreview(QWidget* parent);

  // Keeps a copy of the chart small enough to draw quickly; the chart itself may be huge.
  void SetChart(const QImage& chart);
  void SetGrid(const reports::SheetGrid& grid);

  QSize sizeHint() const override { return {640, 440}; }
  QSize minimumSizeHint() const override { return {320, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where the chart lies in the widget, keeping its proportions.
  QRectF ChartArea() const;

  QImage picture_;
  QSize chart_size_;
  reports::SheetGrid grid_;
};

}  // namespace kinloom::ui
