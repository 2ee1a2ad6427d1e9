#pragma once

#include <QPainter>
#include <QRect>

#include "core/chart_tree_layout.h"
#include "store/record_store.h"
#include "ui/chart/chart_pictures.h"

namespace kinloom::ui {

// Draws the part of the descendant chart that lies in `visible` (content pixels, the painter
// already translated to content coordinates): boxes of the descendants and their spouses,
// marriage rows, the collapsed families' hint and the lines from families to their children.
class ChartTreePainter {
 public:
  ChartTreePainter(QPainter& painter, const store::RecordStore& store,
                   const core::ChartTreeLayout& layout, ChartPictureCache& pictures, int shown);

  void Paint(const QRect& visible);

 private:
  void PaintLinks(int level, int first_row, int last_row);
  void PaintNode(int level, const core::ChartNode& node);
  void PaintMarriageRows(const core::ChartNode& node, int left, int width);
  void PaintBox(const core::ChartNode& node, int first_row, int left, int width);
  int PaintPicture(const store::IndividualRecord& person, const QRect& box);
  QString FirstLine(const core::ChartNode& node) const;
  void PaintText(const QRect& row_rect, const QString& text, const QColor& colour);

  QPainter& painter_;
  const store::RecordStore& store_;
  const core::ChartTreeLayout& layout_;
  ChartPictureCache& pictures_;
  int shown_;
  int row_height_;
};

}  // namespace kinloom::ui
