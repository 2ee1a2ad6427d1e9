#pragma once

#include <QAbstractScrollArea>
#include <cstdint>
#include <vector>

#include "core/generation_walks.h"

namespace kinloom::ui {

class TFamTree;

// An ancestor or descendant outline: one line per entry, indented by generation, with the
// connectors of the ancestor outline and colours by side. Only the lines in the viewport are
// drawn. A click on a line shows that person.
class ChartOutlineView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  enum class Kind { kAncestors, kDescendants };
  ChartOutlineView(TFamTree& tree, Kind kind, QWidget* parent);

  // Builds the outline of the shown person with up to `generations` generations.
  void Rebuild(int generations);

  const core::Outline& outline() const { return outline_; }
  // The text of line `line`, as drawn.
  QString LineText(int line) const;
  // The middle of a line's text, in viewport pixels.
  QPoint LinePoint(int line) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int TextLeft(const core::OutlineEntry& entry) const;
  void PaintEntry(QPainter& painter, const core::OutlineEntry& entry);
  void PaintConnectors(QPainter& painter, const core::OutlineEntry& entry);
  void BuildGuides();
  void PaintGuides(QPainter& painter, const core::OutlineEntry& entry);
  QColor TextColour(const core::OutlineEntry& entry) const;
  void UpdateScrollBars();
  QPoint ContentOffset() const;

  TFamTree& tree_;
  Kind kind_;
  core::Outline outline_;
  // Descendant outline: per line, the generations whose line to a later child passes by, and
  // whether the line joins its parent's line (and whether that line goes on below).
  std::vector<uint64_t> guides_;
  std::vector<uint8_t> corners_;
  int content_width_ = 0;
  int shown_ = 0;
};

}  // namespace kinloom::ui
