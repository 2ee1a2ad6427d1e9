#pragma once

#include <QAbstractScrollArea>
#include <QRect>
#include <vector>

#include "core/generation_walks.h"

namespace kinloom::ui {

class TFamTree;

// One person with their spouses and the children of those marriages, in three columns of
// boxes joined by lines. A click on a box shows that person.
class ChartFamilyView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  ChartFamilyView(TFamTree& tree, QWidget* parent);

  void Rebuild();

  struct PlacedBox {
    core::FamilyViewBox box;
    QRect rect;  // content pixels
    int column = 0;
  };
  const std::vector<PlacedBox>& boxes() const { return boxes_; }
  // The middle of a box, in viewport pixels.
  QPoint BoxPoint(size_t index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Place(const core::FamilyView& view);
  int PlaceColumn(std::vector<core::FamilyViewBox> boxes, int column, int left);
  QSize BoxSize(const core::FamilyViewBox& box) const;
  void PaintHeading(QPainter& painter, int column, const QString& text) const;
  void PaintLinks(QPainter& painter) const;
  void PaintBox(QPainter& painter, const PlacedBox& placed) const;
  void UpdateScrollBars();
  QPoint ContentOffset() const;

  TFamTree& tree_;
  std::vector<PlacedBox> boxes_;
  QSize content_;
};

}  // namespace kinloom::ui
