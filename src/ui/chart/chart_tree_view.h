#pragma once

#include <QAbstractScrollArea>

#include "core/chart_tree_layout.h"
#include "core/generation_walks.h"
#include "ui/chart/chart_pictures.h"

namespace kinloom::ui {

class TFamTree;

// The graphical descendant chart of the shown person's top ancestor. Only the boxes and lines
// in the viewport are drawn, so a chart of any size scrolls at the same speed. A left click on
// a box shows that person; a right click on a family shows or hides its children.
class ChartTreeView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  ChartTreeView(TFamTree& tree, QWidget* parent);

  // Walks the tree again from the shown person's top ancestor (with the loop check) and brings
  // the shown person into view.
  void Rebuild();
  // Flips the family's show/hide toggle and lays the chart out again, keeping the view still.
  void ToggleFamily(int family);

  const core::ChartTreeLayout& layout() const { return layout_; }
  int top_ancestor() const { return top_; }
  // Where a node's first row is drawn, in viewport pixels (the middle of that row).
  QPoint NodePoint(core::ChartNodeRef ref) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Lay();
  void UpdateScrollBars();
  void BringIntoView(bool reset);
  core::ChartNodeRef NearestChild(core::ChartNodeRef ref) const;
  QPoint ContentOffset() const;

  TFamTree& tree_;
  core::ChartTreeLayout layout_;
  core::DescendantChartOptions options_;
  ChartPictureCache pictures_;
  int top_ = 0;
  bool scroll_pending_ = false;  // until the first paint, a resize scrolls to the person again
};

}  // namespace kinloom::ui
