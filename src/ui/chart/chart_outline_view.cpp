#include "ui/chart/chart_outline_view.h"

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

// Room after the cached widths for the gaps, the numbering and an alias.
constexpr int kTextSlack = 160;
constexpr uint8_t kJoinsParent = 1;
constexpr uint8_t kSiblingBelow = 2;

uint64_t BitsBelow(int generation) {
  return generation <= 0 ? 0 : generation >= 64 ? ~uint64_t{0} : (uint64_t{1} << generation) - 1;
}

}  // namespace

ChartOutlineView::ChartOutlineView(TFamTree& tree, Kind kind, QWidget* parent)
    : QAbstractScrollArea(parent), tree_(tree), kind_(kind) {
  setObjectName(kind == Kind::kAncestors ? QStringLiteral("chartAncestors")
                                         : QStringLiteral("chartDescendants"));
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(RowHeight());
  horizontalScrollBar()->setSingleStep(RowHeight() * 2);
}

void ChartOutlineView::Rebuild(int generations) {
  store::RecordStore& store = tree_.store();
  shown_ = tree_.shown().individual;
  outline_ = core::Outline();
  if (shown_ != 0) {  // record 0 is the placeholder of "nobody"
    outline_ = kind_ == Kind::kAncestors ? core::BuildAncestorOutline(store, shown_, generations)
                                         : core::BuildDescendantOutline(store, shown_, generations);
  }
  content_width_ = 0;
  for (const core::OutlineEntry& entry : outline_.entries) {
    const store::IndividualRecord* person = store.individual(entry.individual);
    if (person == nullptr) continue;
    const int text = person->labelWidth + person->birthWidth + person->deathWidth;
    content_width_ = std::max(content_width_, TextLeft(entry) + text + kTextSlack);
  }
  BuildGuides();
  UpdateScrollBars();
  // The start person's line: the last of the fathers' branch in the ancestor outline.
  const auto start = std::find_if(outline_.entries.begin(), outline_.entries.end(),
                                  [](const core::OutlineEntry& e) { return e.generation == 0; });
  if (start != outline_.entries.end()) {
    const int y = start->line * RowHeight();
    verticalScrollBar()->setValue(y - viewport()->height() / 2);
  }
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

// Ancestors: two rows' width per generation. Descendants: a descendant's number stands one
// row to the left of the spouses' "+".
int ChartOutlineView::TextLeft(const core::OutlineEntry& entry) const {
  const int row = RowHeight();
  if (kind_ == Kind::kAncestors) return 2 * row * entry.generation;
  const int left = 2 * row * (entry.generation + 1);
  return entry.mark == 'S' ? left : left - row;
}

QString ChartOutlineView::LineText(int line) const {
  const core::OutlineEntry& entry = outline_.entries.at(static_cast<size_t>(line));
  return FromAnsi(core::OutlineText(tree_.store(), entry, kind_ == Kind::kDescendants));
}

QPoint ChartOutlineView::ContentOffset() const {
  return {horizontalScrollBar()->value() - kMargin, verticalScrollBar()->value() - kMargin};
}

QPoint ChartOutlineView::LinePoint(int line) const {
  const core::OutlineEntry& entry = outline_.entries.at(static_cast<size_t>(line));
  const int row = RowHeight();
  return QPoint(TextLeft(entry) + row, entry.line * row + row / 2) - ContentOffset();
}

void ChartOutlineView::UpdateScrollBars() {
  const QSize area = viewport()->size();
  const int height = static_cast<int>(outline_.entries.size()) * RowHeight() + 2 * kMargin;
  horizontalScrollBar()->setRange(0, std::max(0, content_width_ + 2 * kMargin - area.width()));
  horizontalScrollBar()->setPageStep(area.width());
  verticalScrollBar()->setRange(0, std::max(0, height - area.height()));
  verticalScrollBar()->setPageStep(area.height());
}

void ChartOutlineView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QPoint offset = ContentOffset();
  painter.translate(-offset);
  painter.setFont(ChartFont());
  const QRect visible = event->rect().translated(offset);
  const int row = RowHeight();
  const int count = static_cast<int>(outline_.entries.size());
  const int first = std::clamp(visible.top() / row - 1, 0, count);
  const int end = std::clamp(visible.bottom() / row + 2, 0, count);
  for (int i = first; i < end; ++i) PaintEntry(painter, outline_.entries[static_cast<size_t>(i)]);
}

void ChartOutlineView::PaintEntry(QPainter& painter, const core::OutlineEntry& entry) {
  const int row = RowHeight();
  const int top = entry.line * row;
  const int left = TextLeft(entry);
  if (kind_ == Kind::kAncestors) {
    PaintConnectors(painter, entry);
  } else {
    PaintGuides(painter, entry);
  }
  const QString text =
      FromAnsi(core::OutlineText(tree_.store(), entry, kind_ == Kind::kDescendants));
  const bool shown = entry.individual == shown_;
  painter.setFont(shown ? BoldChartFont() : ChartFont());
  const int width = painter.fontMetrics().horizontalAdvance(text) + 8;
  if (shown) painter.fillRect(QRect(left, top + 1, width, row - 2), ShownFill());
  painter.setPen(TextColour(entry));
  painter.drawText(QRect(left + 4, top, width, row), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// From the last line up: a descendant at generation g tells the lines above that their parent
// at g - 1 has a child below; each descendant line ends the lines of deeper generations.
void ChartOutlineView::BuildGuides() {
  const size_t count = kind_ == Kind::kDescendants ? outline_.entries.size() : 0;
  guides_.assign(count, 0);
  corners_.assign(count, 0);
  uint64_t pending = 0;
  for (size_t i = count; i-- > 0;) {
    const core::OutlineEntry& entry = outline_.entries[i];
    const int g = entry.generation;
    if (entry.mark == 'S') {
      guides_[i] = pending & BitsBelow(g + 1);
      continue;
    }
    guides_[i] = pending & BitsBelow(g - 1);
    if (g > 0) {
      corners_[i] = kJoinsParent | ((pending >> (g - 1) & 1) != 0 ? kSiblingBelow : 0);
    }
    pending &= BitsBelow(g);
    if (g > 0) pending |= uint64_t{1} << (g - 1);
  }
}

// The line from a descendant to each child runs below the descendant's number.
void ChartOutlineView::PaintGuides(QPainter& painter, const core::OutlineEntry& entry) {
  const size_t i = static_cast<size_t>(entry.line);
  if (i >= guides_.size()) return;
  const int row = RowHeight();
  const int top = entry.line * row;
  const auto x_of = [row](int g) { return row * (2 * g + 1) + row / 2; };
  painter.setPen(QPen(ConnectorColour(), 1));
  for (int g = 0; g < 64; ++g) {
    if ((guides_[i] >> g & 1) != 0) painter.drawLine(x_of(g), top, x_of(g), top + row);
  }
  if ((corners_[i] & kJoinsParent) == 0) return;
  const int x = x_of(entry.generation - 1);
  const int middle = top + row / 2;
  painter.drawLine(x, top, x, (corners_[i] & kSiblingBelow) != 0 ? top + row : middle);
  painter.drawLine(x, middle, TextLeft(entry) + 2, middle);
}

// One vertical line per continuing connector, and the corner that joins a father from below or
// a mother from above to their child's line.
void ChartOutlineView::PaintConnectors(QPainter& painter, const core::OutlineEntry& entry) {
  const int row = RowHeight();
  const int top = entry.line * row;
  const int middle = top + row / 2;
  painter.setPen(QPen(ConnectorColour(), 1));
  for (int g = 1; g <= entry.generation && g < 64; ++g) {
    if ((entry.mask >> g & 1) == 0) continue;
    const int x = 2 * row * g - row / 2;
    painter.drawLine(x, top, x, top + row);
  }
  if (entry.generation == 0 || (entry.mark != 'M' && entry.mark != 'F')) return;
  const int x = 2 * row * entry.generation - row / 2;
  painter.setPen(QPen(MarkColour(entry.mark), 1));
  painter.drawLine(x, middle, x, entry.mark == 'M' ? top + row : top);
  painter.drawLine(x, middle, TextLeft(entry) + 2, middle);
}

// Marks the user set on a person win over the side of the family.
QColor ChartOutlineView::TextColour(const core::OutlineEntry& entry) const {
  if (entry.individual == shown_) return ShownText();
  const store::IndividualRecord* person = tree_.store().individual(entry.individual);
  if (person != nullptr && (person->markFlags & store::kMarkVisit) != 0) return VisitColour();
  if (person != nullptr && (person->markFlags & store::kMarkEdge) != 0) return EdgeColour();
  return MarkColour(entry.mark);
}

void ChartOutlineView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint() + ContentOffset();
  if (point.y() < 0) return;
  const size_t line = static_cast<size_t>(point.y() / RowHeight());
  if (line >= outline_.entries.size()) return;
  const core::OutlineEntry& entry = outline_.entries[line];
  if (point.x() < TextLeft(entry)) return;
  const int individual = entry.individual;
  if (individual != shown_) tree_.ShowIndividual(individual);
}

void ChartOutlineView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

}  // namespace kinloom::ui
