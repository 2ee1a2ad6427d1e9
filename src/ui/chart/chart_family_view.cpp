#include "ui/chart/chart_family_view.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/chart/chart_font.h"
#include "ui/chart/chart_style.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

using namespace chart_style;

constexpr int kColumnGap = 60;
constexpr int kBoxGap = 10;
constexpr int kPadding = 6;
constexpr int kHeadingRows = 2;
constexpr int kPersonColumn = 0;
constexpr int kSpouseColumn = 1;
constexpr int kChildColumn = 2;

}  // namespace

ChartFamilyView::ChartFamilyView(TFamTree& tree, QWidget* parent)
    : QAbstractScrollArea(parent), tree_(tree) {
  setObjectName(QStringLiteral("chartFamily"));
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(RowHeight() * 2);
}

void ChartFamilyView::Rebuild() {
  boxes_.clear();
  const int shown = tree_.shown().individual;
  if (shown != 0 && tree_.store().individual(shown) != nullptr) {
    Place(core::BuildFamilyView(tree_.store(), shown));
  }
  UpdateScrollBars();
  verticalScrollBar()->setValue(0);
  viewport()->update();
}

QSize ChartFamilyView::BoxSize(const core::FamilyViewBox& box) const {
  const QFontMetrics metrics(BoldChartFont());
  int width = 160;
  for (const std::string& line : box.lines) {
    width = std::max(width, metrics.horizontalAdvance(FromAnsi(line)) + 2 * kPadding);
  }
  const int rows = std::max<int>(1, static_cast<int>(box.lines.size()));
  return {width, rows * RowHeight() + kPadding};
}

// Boxes of a column stacked under its heading; the column's right edge is returned.
int ChartFamilyView::PlaceColumn(std::vector<core::FamilyViewBox> boxes, int column, int left) {
  int top = kHeadingRows * RowHeight();
  int right = left;
  for (core::FamilyViewBox& box : boxes) {
    const QSize size = BoxSize(box);
    boxes_.push_back(PlacedBox{std::move(box), QRect(QPoint(left, top), size), column});
    top += size.height() + kBoxGap;
    right = std::max(right, left + size.width());
  }
  content_.setHeight(std::max(content_.height(), top));
  return right;
}

void ChartFamilyView::Place(const core::FamilyView& view) {
  content_ = QSize();
  int right = PlaceColumn({view.person}, kPersonColumn, 0);
  right = PlaceColumn(view.spouses, kSpouseColumn, right + kColumnGap);
  right = PlaceColumn(view.children, kChildColumn, right + kColumnGap);
  content_.setWidth(right);
}

QPoint ChartFamilyView::ContentOffset() const {
  return {horizontalScrollBar()->value() - kMargin, verticalScrollBar()->value() - kMargin};
}

QPoint ChartFamilyView::BoxPoint(size_t index) const {
  return boxes_.at(index).rect.center() - ContentOffset();
}

void ChartFamilyView::UpdateScrollBars() {
  const QSize area = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, content_.width() + 2 * kMargin - area.width()));
  horizontalScrollBar()->setPageStep(area.width());
  verticalScrollBar()->setRange(0, std::max(0, content_.height() + 2 * kMargin - area.height()));
  verticalScrollBar()->setPageStep(area.height());
}

void ChartFamilyView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QPoint offset = ContentOffset();
  painter.translate(-offset);
  const QRect visible = event->rect().translated(offset);
  if (boxes_.empty()) return;
  painter.setFont(BoldChartFont());
  painter.setPen(DimText());
  PaintHeading(painter, kSpouseColumn, QStringLiteral("Spouses"));
  PaintHeading(painter, kChildColumn, QStringLiteral("Children"));
  PaintLinks(painter);
  for (const PlacedBox& placed : boxes_) {
    if (placed.rect.intersects(visible)) PaintBox(painter, placed);
  }
}

void ChartFamilyView::PaintHeading(QPainter& painter, int column, const QString& text) const {
  const auto first = std::find_if(boxes_.begin(), boxes_.end(),
                                  [column](const PlacedBox& p) { return p.column == column; });
  if (first != boxes_.end()) painter.drawText(first->rect.left(), RowHeight(), text);
}

// The person to each spouse, each spouse to the children of that marriage.
void ChartFamilyView::PaintLinks(QPainter& painter) const {
  painter.setPen(QPen(ConnectorColour(), kPenWidth));
  const QRect& person = boxes_.front().rect;
  for (const PlacedBox& spouse : boxes_) {
    if (spouse.column != kSpouseColumn) continue;
    const QPoint from(person.right(), person.top() + RowHeight() / 2 + kPadding / 2);
    const QPoint to(spouse.rect.left(), spouse.rect.top() + RowHeight() / 2 + kPadding / 2);
    painter.drawLine(from, QPoint(from.x() + kColumnGap / 2, from.y()));
    painter.drawLine(QPoint(from.x() + kColumnGap / 2, from.y()),
                     QPoint(from.x() + kColumnGap / 2, to.y()));
    painter.drawLine(QPoint(from.x() + kColumnGap / 2, to.y()), to);
    for (const PlacedBox& child : boxes_) {
      if (child.column != kChildColumn || child.box.family != spouse.box.family) continue;
      const QPoint start(spouse.rect.right(), to.y());
      const QPoint end(child.rect.left(), child.rect.top() + RowHeight() / 2 + kPadding / 2);
      const int bus = child.rect.left() - kColumnGap / 2;
      painter.drawLine(start, QPoint(bus, start.y()));
      painter.drawLine(QPoint(bus, start.y()), QPoint(bus, end.y()));
      painter.drawLine(QPoint(bus, end.y()), end);
    }
  }
}

void ChartFamilyView::PaintBox(QPainter& painter, const PlacedBox& placed) const {
  const bool person = placed.column == kPersonColumn;
  painter.setPen(QPen(person ? ShownBorder() : BoxBorder(), 1));
  painter.setBrush(person                           ? ShownFill()
                   : placed.column == kSpouseColumn ? SpouseFill()
                                                    : PersonFill());
  painter.drawRoundedRect(placed.rect, 4, 4);
  painter.setBrush(Qt::NoBrush);
  QRect row(placed.rect.left() + kPadding, placed.rect.top() + kPadding / 2,
            placed.rect.width() - 2 * kPadding, RowHeight());
  bool first = true;
  for (const std::string& line : placed.box.lines) {
    painter.setFont(first ? BoldChartFont() : ChartFont());
    painter.setPen(first && person ? ShownText() : PlainText());
    painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, FromAnsi(line));
    row.translate(0, RowHeight());
    first = false;
  }
}

void ChartFamilyView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint() + ContentOffset();
  for (const PlacedBox& placed : boxes_) {
    if (!placed.rect.contains(point)) continue;
    const int individual = placed.box.individual;
    if (individual != 0 && individual != tree_.shown().individual) {
      tree_.ShowIndividual(individual);
    }
    return;
  }
}

void ChartFamilyView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

}  // namespace kinloom::ui
