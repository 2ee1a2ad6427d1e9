#include "ui/chart/chart_tree_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cstdlib>
#include <limits>

#include "ui/chart/chart_style.h"
#include "ui/chart/chart_tree_painter.h"
#include "ui/main/fam_tree.h"

namespace kinloom::ui {
namespace {

using chart_style::kMargin;
// Room after the last column, where its boxes reach past the column's width.
constexpr int kRightRoom = 40;

std::vector<int> PeopleOf(const core::DescendantChart& chart) {
  std::vector<int> people;
  for (const auto& level : chart.levels) {
    for (const core::ChartNode& node : level) people.push_back(node.individual);
  }
  return people;
}

}  // namespace

ChartTreeView::ChartTreeView(TFamTree& tree, QWidget* parent)
    : QAbstractScrollArea(parent), tree_(tree) {
  setObjectName(QStringLiteral("chartTree"));
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  horizontalScrollBar()->setSingleStep(chart_style::RowHeight() * 2);
  verticalScrollBar()->setSingleStep(chart_style::RowHeight() * 2);
}

void ChartTreeView::Rebuild() {
  store::RecordStore& store = tree_.store();
  const int shown = tree_.shown().individual;
  if (store.individual(shown) == nullptr || shown == 0) {
    layout_ = core::ChartTreeLayout();
    top_ = 0;
    UpdateScrollBars();
    viewport()->update();
    return;
  }
  const int top = core::FindTopAncestor(store, shown);
  const bool new_top = top != top_;
  top_ = top;
  options_.shown_individual = shown;
  Lay();
  BringIntoView(new_top);
  // A page shown for the first time gets its final size only afterwards.
  scroll_pending_ = true;
}

void ChartTreeView::ToggleFamily(int family) {
  if (!options_.toggled_families.erase(family)) options_.toggled_families.insert(family);
  Lay();
}

// The picture boxes are taller: when a person's picture appeared or went since the last
// layout, the chart is laid out once more.
void ChartTreeView::Lay() {
  store::RecordStore& store = tree_.store();
  core::DescendantChart chart = core::BuildDescendantChart(store, top_, options_);
  if (store.show_chart_pictures() && SyncChartPictures(tree_.work(), PeopleOf(chart))) {
    chart = core::BuildDescendantChart(store, top_, options_);
  }
  layout_.Build(store, std::move(chart));
  UpdateScrollBars();
  viewport()->update();
}

void ChartTreeView::UpdateScrollBars() {
  const int row_height = chart_style::RowHeight();
  const QSize area = viewport()->size();
  const int width = layout_.width() + 2 * kMargin + kRightRoom;
  const int height = layout_.rows() * row_height + 2 * kMargin;
  horizontalScrollBar()->setRange(0, std::max(0, width - area.width()));
  horizontalScrollBar()->setPageStep(area.width());
  verticalScrollBar()->setRange(0, std::max(0, height - area.height()));
  verticalScrollBar()->setPageStep(area.height());
}

// The child of the shown person's box whose box is nearest to it; invalid when the chart
// draws none of their children.
core::ChartNodeRef ChartTreeView::NearestChild(core::ChartNodeRef ref) const {
  const core::ChartNode& node = layout_.node(ref);
  if (ref.level + 1 >= layout_.levels()) return {};
  // A descendant's families follow their box; a spouse box has its own family only.
  const int first = node.row;
  const int end = node.row + (node.kind == 'I' ? node.rows : layout_.NodeRows(node));
  const int middle = node.row + layout_.LeadRows(node);
  const auto& children = layout_.chart().levels[static_cast<size_t>(ref.level) + 1];
  core::ChartNodeRef nearest;
  int best = std::numeric_limits<int>::max();
  const auto [first_link, end_link] = layout_.LinksInRows(ref.level, first, end - 1);
  for (int i = first_link; i < end_link; ++i) {
    const core::ChartLink& link = layout_.links(ref.level)[static_cast<size_t>(i)];
    if (link.parent_row < first || link.parent_row >= end) continue;
    const auto [first_node, end_node] =
        layout_.NodesInRows(ref.level + 1, link.first_row, link.last_row);
    for (int j = first_node; j < end_node; ++j) {
      const core::ChartNode& child = children[static_cast<size_t>(j)];
      if (child.kind != 'I' || child.row < link.first_row || child.row > link.last_row) continue;
      if (std::abs(child.row - middle) < best) {
        best = std::abs(child.row - middle);
        nearest = {ref.level + 1, j};
      }
    }
  }
  return nearest;
}

// A new top ancestor starts from the chart's corner. The shown person is brought into view with
// the nearest of their children (the chart places a parent in the middle of their descendants,
// which may be far from any child), and with the top ancestor too when all fit on the screen.
void ChartTreeView::BringIntoView(bool reset) {
  if (reset) {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
  }
  const core::ChartNodeRef ref = layout_.FindPerson(tree_.shown().individual);
  if (!ref.valid()) return;
  const core::ChartNodeRef child = NearestChild(ref);
  const int row_height = chart_style::RowHeight();
  const auto& chart = layout_.chart();
  const core::ChartNode& node = layout_.node(ref);
  const QSize area = viewport()->size();

  const auto level = static_cast<size_t>(ref.level);
  const int left = chart.column_left[level] + kMargin;
  int right = left + chart.column_widths[level] + kMargin;
  if (child.valid()) {
    const int child_right =
        chart.column_left[level + 1] + chart.column_widths[level + 1] + 2 * kMargin;
    if (child_right - left <= area.width()) right = child_right;
  }
  QScrollBar* horizontal = horizontalScrollBar();
  if (left < horizontal->value() || right > horizontal->value() + area.width()) {
    horizontal->setValue(right <= area.width() ? 0 : left - kMargin * 2);
  }

  int top = node.row * row_height + kMargin;
  int bottom = top + layout_.NodeRows(node) * row_height;
  QScrollBar* vertical = verticalScrollBar();
  if (child.valid()) {
    const core::ChartNode& kid = layout_.node(child);
    const int kid_top = kid.row * row_height + kMargin;
    const int kid_bottom = kid_top + layout_.NodeRows(kid) * row_height;
    const int low = std::min(top, kid_top);
    const int high = std::max(bottom, kid_bottom);
    if (high - low + 2 * kMargin <= area.height()) {
      top = low;
      bottom = high;
    } else if (top < vertical->value() || bottom > vertical->value() + area.height()) {
      // Too far apart: the person goes to the edge the child lies beyond.
      vertical->setValue(kid_top > top ? top - kMargin : bottom + kMargin - area.height());
      return;
    }
  }
  if (top >= vertical->value() && bottom <= vertical->value() + area.height()) return;
  const int ancestor = chart.top_row * row_height + kMargin;
  if (bottom - ancestor + 2 * kMargin <= area.height() && ancestor <= top) {
    vertical->setValue((ancestor + bottom - area.height()) / 2);
  } else if (child.valid()) {
    vertical->setValue((top + bottom - area.height()) / 2);
  } else {
    vertical->setValue(top - area.height() / 3);
  }
}

QPoint ChartTreeView::ContentOffset() const {
  return {horizontalScrollBar()->value() - kMargin, verticalScrollBar()->value() - kMargin};
}

QPoint ChartTreeView::NodePoint(core::ChartNodeRef ref) const {
  const core::ChartNode& node = layout_.node(ref);
  const int row_height = chart_style::RowHeight();
  const int x = layout_.chart().column_left[static_cast<size_t>(ref.level)] + 10;
  const int row = node.row + layout_.LeadRows(node);
  return QPoint(x, row * row_height + row_height / 2) - ContentOffset();
}

void ChartTreeView::paintEvent(QPaintEvent* event) {
  scroll_pending_ = false;
  QPainter painter(viewport());
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QPoint offset = ContentOffset();
  painter.translate(-offset);
  ChartTreePainter chart_painter(painter, tree_.store(), layout_, pictures_,
                                 tree_.shown().individual);
  chart_painter.Paint(event->rect().translated(offset));
}

// Left: the person of the box. Right: the family of a spouse box shows or hides its children.
void ChartTreeView::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint() + ContentOffset();
  const int row = point.y() < 0 ? -1 : point.y() / chart_style::RowHeight();
  const core::ChartNodeRef ref = layout_.NodeAt(point.x(), row);
  if (!ref.valid()) return;
  const core::ChartNode& node = layout_.node(ref);
  if (event->button() == Qt::RightButton && node.kind == 'S') {
    ToggleFamily(node.family);
  } else if (event->button() == Qt::LeftButton && node.individual != 0 &&
             row >= node.row + layout_.LeadRows(node)) {
    tree_.ShowIndividual(node.individual);
  }
}

void ChartTreeView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
  if (scroll_pending_) BringIntoView(true);
}

}  // namespace kinloom::ui
