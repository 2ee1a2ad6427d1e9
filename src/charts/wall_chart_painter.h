#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

#include "charts/wall_chart_fonts.h"
#include "reports/wall_chart_fit.h"
#include "reports/wall_chart_nodes.h"
#include "store/record_store.h"

namespace kinloom::charts {

// What drawing a fitted chart needs. The cached chart texts must be in the wall chart's form.
struct WallChartDrawing {
  const store::RecordStore& store;
  const reports::WallChartNodes& nodes;
  const reports::WallChartGeometry& geometry;
  const reports::WallChartOptions& options;
  WallChartFonts& fonts;
};

// Draws the chart on a painter whose units are the chart's pixels (an image of the chart's
// size, or a PDF page scaled to it): the white ground, the title at the top left, then column
// by column the lines from each family to its children and the boxes with names, dates,
// marriages, "Spouse Unknown", "(Family Above)" and the pictures.
void PaintWallChart(QPainter& painter, const WallChartDrawing& drawing);

}  // namespace kinloom::charts
