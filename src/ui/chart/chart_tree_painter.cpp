#include "ui/chart/chart_tree_painter.h"

#include "ui/chart/chart_font.h"
#include "ui/chart/chart_style.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

using namespace chart_style;

constexpr int kPresentWidth = 5;
constexpr int kBusOffset = 20;  // the bus runs in the middle of the 40-pixel gap
constexpr int kTextInset = 4;
constexpr int kPictureWidth = 54;
// Boxes reach a little into the gap after their column, room for the texts' inset.
constexpr int kBoxExtra = 8;

}  // namespace

ChartTreePainter::ChartTreePainter(QPainter& painter, const store::RecordStore& store,
                                   const core::ChartTreeLayout& layout, ChartPictureCache& pictures,
                                   int shown)
    : painter_(painter),
      store_(store),
      layout_(layout),
      pictures_(pictures),
      shown_(shown),
      row_height_(RowHeight()) {}

void ChartTreePainter::Paint(const QRect& visible) {
  const auto& chart = layout_.chart();
  const int first_row = std::max(0, visible.top() / row_height_ - 1);
  const int last_row = visible.bottom() / row_height_ + 1;
  painter_.setFont(ChartFont());
  for (int level = 0; level < layout_.levels(); ++level) {
    const int left = chart.column_left[static_cast<size_t>(level)];
    const int right = left + chart.column_widths[static_cast<size_t>(level)];
    // A level's links reach into the gap after its column.
    if (right + 2 * kBusOffset < visible.left() || left - kBusOffset > visible.right()) continue;
    PaintLinks(level, first_row, last_row);
    const auto [first, end] = layout_.NodesInRows(level, first_row, last_row);
    const auto& nodes = chart.levels[static_cast<size_t>(level)];
    for (int i = first; i < end; ++i) PaintNode(level, nodes[static_cast<size_t>(i)]);
  }
}

// From the family's first row to the bus, the bus itself; each child draws its own stub.
void ChartTreePainter::PaintLinks(int level, int first_row, int last_row) {
  if (level + 1 >= layout_.levels()) return;
  const auto& chart = layout_.chart();
  const int right = chart.column_left[static_cast<size_t>(level)] +
                    chart.column_widths[static_cast<size_t>(level)] + kBoxExtra;
  const int bus = chart.column_left[static_cast<size_t>(level) + 1] - kBusOffset;
  painter_.setPen(QPen(ConnectorColour(), kPenWidth));
  const auto [first, end] = layout_.LinksInRows(level, first_row, last_row);
  const auto& links = layout_.links(level);
  const int middle = row_height_ / 2;
  for (int i = first; i < end; ++i) {
    const core::ChartLink& link = links[static_cast<size_t>(i)];
    const int parent_y = link.parent_row * row_height_ + middle;
    painter_.drawLine(right, parent_y, bus, parent_y);
    painter_.drawLine(bus, link.top() * row_height_ + middle, bus,
                      link.bottom() * row_height_ + middle);
  }
}

void ChartTreePainter::PaintNode(int level, const core::ChartNode& node) {
  const auto& chart = layout_.chart();
  const int left = chart.column_left[static_cast<size_t>(level)];
  const int width = chart.column_widths[static_cast<size_t>(level)] + kBoxExtra;
  if (node.kind == 'I' && level > 0) {
    const int y = node.row * row_height_ + row_height_ / 2;
    painter_.setPen(QPen(ConnectorColour(), kPenWidth));
    painter_.drawLine(left - kBusOffset, y, left, y);
  }
  if (node.kind == 'S') PaintMarriageRows(node, left, width);
  PaintBox(node, node.row + layout_.LeadRows(node), left, width);
}

// The marriage row, and below it the hint of a collapsed family.
void ChartTreePainter::PaintMarriageRows(const core::ChartNode& node, int left, int width) {
  int row = node.row;
  const store::FamilyRecord* family = store_.family(node.family);
  if (family != nullptr && family->marriageWidth > kPresentWidth) {
    PaintText(QRect(left, row * row_height_, width, row_height_),
              FromAnsi(family->marriageText.view()), DimText());
    ++row;
  }
  if (node.collapsed) {
    PaintText(QRect(left, row * row_height_, width, row_height_),
              FromAnsi(core::kCollapsedFamilyText), CollapsedText());
  }
}

QString ChartTreePainter::FirstLine(const core::ChartNode& node) const {
  QString prefix;
  if (node.kind == 'S') {
    prefix = QStringLiteral("+%1 ").arg(node.spouse_number);
  } else if (node.child_number > 0) {
    prefix = QStringLiteral("%1 ").arg(node.child_number);
  }
  const store::IndividualRecord* person = store_.individual(node.individual);
  if (node.individual == 0 || person == nullptr) return prefix + QStringLiteral("Spouse Unknown");
  return prefix + FromAnsi(person->labelText.view());
}

void ChartTreePainter::PaintBox(const core::ChartNode& node, int first_row, int left, int width) {
  const int rows = layout_.BoxRows(node.individual);
  const QRect box(left, first_row * row_height_, width, rows * row_height_);
  const bool shown = node.individual != 0 && node.individual == shown_;
  painter_.setPen(QPen(shown ? ShownBorder() : BoxBorder(), 1));
  painter_.setBrush(shown ? ShownFill() : node.kind == 'I' ? PersonFill() : SpouseFill());
  painter_.drawRoundedRect(box.adjusted(0, 1, -1, -1), 3, 3);
  painter_.setBrush(Qt::NoBrush);

  const store::IndividualRecord* person = store_.individual(node.individual);
  int text_left = left;
  if (person != nullptr && node.individual != 0) text_left += PaintPicture(*person, box);
  QRect row_rect(text_left, box.top(), left + width - text_left, row_height_);
  const QString name = FirstLine(node);
  // The column is measured in the plain font: the shown person is bold only where it fits.
  const QFont bold_font = BoldChartFont();
  const bool bold =
      shown && QFontMetrics(bold_font).horizontalAdvance(name) <= row_rect.width() - kTextInset - 2;
  if (bold) painter_.setFont(bold_font);
  PaintText(row_rect, name, shown ? ShownText() : PlainText());
  if (bold) painter_.setFont(ChartFont());
  if (person == nullptr || node.individual == 0) return;
  if (person->birthWidth > kPresentWidth) {
    row_rect.translate(0, row_height_);
    PaintText(row_rect, FromAnsi(person->birthText.view()), DimText());
  }
  if (person->deathWidth > kPresentWidth) {
    row_rect.translate(0, row_height_);
    PaintText(row_rect, FromAnsi(person->deathText.view()), DimText());
  }
}

// The picture sits at the box's left; the texts move right by its width.
int ChartTreePainter::PaintPicture(const store::IndividualRecord& person, const QRect& box) {
  if (!store_.show_chart_pictures() || person.thumbPath.view().empty()) return 0;
  const QSize size(kPictureWidth - 6, box.height() - 6);
  const QPixmap picture = pictures_.Picture(person.thumbPath.view(), size);
  if (!picture.isNull()) {
    painter_.drawPixmap(box.left() + 3 + (size.width() - picture.width()) / 2,
                        box.top() + 3 + (size.height() - picture.height()) / 2, picture);
  }
  return kPictureWidth;
}

void ChartTreePainter::PaintText(const QRect& row_rect, const QString& text, const QColor& colour) {
  painter_.setPen(colour);
  const QRect inner = row_rect.adjusted(kTextInset, 0, -2, 0);
  const QString shown = painter_.fontMetrics().elidedText(text, Qt::ElideRight, inner.width());
  painter_.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

}  // namespace kinloom::ui
