#include "charts/wall_chart_painter.h"

#include <QImageReader>
#include <QPen>
#include <algorithm>
#include <vector>

#include "charts/painter_surface.h"

namespace kinloom::charts {
namespace {

using reports::WallChartTextStyle;

constexpr int kPresentWidth = 5;

const QColor kInk(20, 20, 20);
const QColor kDates(70, 70, 70);
const QColor kFolded(110, 110, 110);
const QColor kLines(60, 60, 60);
const QColor kBorder(96, 112, 136);
const QColor kMemberFill(236, 242, 250);
const QColor kSpouseFill(250, 246, 236);
const QColor kUnknownFill(255, 255, 255);

class ChartPainter {
 public:
  ChartPainter(QPainter& painter, const WallChartDrawing& d)
      : painter_(painter),
        d_(d),
        g_(d.geometry),
        h_(g_.line_height),
        pen_width_(std::max(1.0, h_ / 14.0)),
        bus_offset_(reports::kWallChartColumnGap / 2) {
    for (WallChartTextStyle style :
         {WallChartTextStyle::kPlain, WallChartTextStyle::kBold, WallChartTextStyle::kItalic}) {
      fonts_.push_back(d.fonts.Body(g_.font_size, style));
      metrics_.emplace_back(fonts_.back());
    }
  }

  void Paint();

 private:
  void PaintTitle();
  void PaintBuses(int level);
  void PaintNode(int level, const core::ChartNode& node);
  void PaintFamilyRows(int level, const core::ChartNode& node);
  void PaintBox(const core::ChartNode& node, int first_row, int level);
  int PaintPicture(const store::IndividualRecord& person, const QRectF& box);
  double PaintText(double x, int row, std::string_view text, WallChartTextStyle style,
                   const QColor& colour);
  void Line(double x1, double y1, double x2, double y2);

  double Middle(int row) const { return g_.RowY(row) + h_ / 2.0; }
  double BusX(int level) const { return g_.column_x[static_cast<size_t>(level) + 1] - bus_offset_; }

  QPainter& painter_;
  const WallChartDrawing& d_;
  const reports::WallChartGeometry& g_;
  int h_;
  double pen_width_;
  int bus_offset_;
  std::vector<QFont> fonts_;  // by style
  std::vector<QFontMetricsF> metrics_;
};

void ChartPainter::Paint() {
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform);
  painter_.fillRect(QRectF(0, 0, g_.width, g_.height), Qt::white);
  PaintTitle();
  const auto& levels = d_.nodes.chart.levels;
  for (int level = 0; level < d_.nodes.levels(); ++level) {
    PaintBuses(level);
    for (const core::ChartNode& node : levels[static_cast<size_t>(level)]) PaintNode(level, node);
  }
}

void ChartPainter::PaintTitle() {
  if (d_.fonts.title().isEmpty() || g_.title_size == 0) return;
  const QFont font = d_.fonts.Title(g_.title_size);
  painter_.setFont(font);
  painter_.setPen(kInk);
  painter_.drawText(QPointF(g_.title_x, g_.title_y + QFontMetricsF(font).ascent()),
                    d_.fonts.title());
}

void ChartPainter::Line(double x1, double y1, double x2, double y2) {
  QPen pen(kLines);
  pen.setWidthF(pen_width_);
  pen.setCapStyle(Qt::SquareCap);
  painter_.setPen(pen);
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

// The bus in the gap after a column, from a family's row to its children's rows; each family
// draws its own line to the bus and each child its stub from it.
void ChartPainter::PaintBuses(int level) {
  if (level + 1 >= d_.nodes.levels()) return;
  const double x = BusX(level);
  for (const core::ChartLink& link : d_.nodes.links[static_cast<size_t>(level)]) {
    Line(x, Middle(link.top()), x, Middle(link.bottom()));
  }
}

void ChartPainter::PaintNode(int level, const core::ChartNode& node) {
  if (node.kind == 'I') {
    if (level > 0) Line(BusX(level - 1), Middle(node.row), g_.column_x[level], Middle(node.row));
    PaintBox(node, node.row, level);
    return;
  }
  PaintFamilyRows(level, node);
  if (reports::HasSpouseBox(d_.nodes, node)) {
    PaintBox(node, node.row + reports::WallChartLeadRows(d_.store, node), level);
  }
}

// The marriage row, the line from it to the children, and "(Family Above)" below it.
void ChartPainter::PaintFamilyRows(int level, const core::ChartNode& node) {
  const double left = g_.column_x[static_cast<size_t>(level)] + g_.text_inset;
  double line_start =
      g_.column_x[static_cast<size_t>(level)] + g_.column_width[static_cast<size_t>(level)];
  int row = node.row;
  const store::FamilyRecord* family = d_.store.family(node.family);
  if (family != nullptr && family->marriageWidth > kPresentWidth) {
    const double end =
        PaintText(left, row, family->marriageText.view(), WallChartTextStyle::kPlain, kDates);
    line_start = end + g_.text_inset / 2.0;
    ++row;
  }
  if (node.children_drawn && level + 1 < d_.nodes.levels()) {
    Line(line_start, Middle(node.row), BusX(level), Middle(node.row));
  }
  if (node.collapsed) {
    PaintText(left, row, reports::kWallChartCollapsedText, WallChartTextStyle::kItalic, kFolded);
  }
}

void ChartPainter::PaintBox(const core::ChartNode& node, int first_row, int level) {
  const int rows = reports::WallChartBoxRows(d_.store, node.individual);
  const double pad = std::max(1.0, h_ / 24.0);
  const QRectF box(g_.column_x[static_cast<size_t>(level)], g_.RowY(first_row) + pad,
                   g_.column_width[static_cast<size_t>(level)], rows * h_ - 2 * pad);
  const store::IndividualRecord* person = d_.store.individual(node.individual);
  const bool unknown = node.individual == 0 || person == nullptr;
  QPen border(kBorder);
  border.setWidthF(pen_width_);
  painter_.setPen(border);
  painter_.setBrush(unknown ? kUnknownFill : node.kind == 'I' ? kMemberFill : kSpouseFill);
  painter_.drawRoundedRect(box, h_ / 4.0, h_ / 4.0);
  painter_.setBrush(Qt::NoBrush);
  double left = box.left() + g_.text_inset;
  if (unknown) {
    PaintText(left, first_row, reports::kWallChartUnknownSpouse, WallChartTextStyle::kItalic,
              kFolded);
    return;
  }
  if (reports::ShowsPicture(d_.store, d_.options, node.individual)) {
    left = box.left() + PaintPicture(*person, box) + g_.text_inset;
  }
  const bool bold = node.kind == 'I' ? d_.options.bold_members : reports::SpousesBold(d_.options);
  int row = first_row;
  PaintText(left, row++, person->labelText.view(),
            bold ? WallChartTextStyle::kBold : WallChartTextStyle::kPlain, kInk);
  if (person->birthWidth > kPresentWidth) {
    PaintText(left, row++, person->birthText.view(), WallChartTextStyle::kPlain, kDates);
  }
  if (person->deathWidth > kPresentWidth) {
    PaintText(left, row, person->deathText.view(), WallChartTextStyle::kPlain, kDates);
  }
}

// The picture keeps its proportions inside the picture's room at the box's left; returns the
// room's width.
int ChartPainter::PaintPicture(const store::IndividualRecord& person, const QRectF& box) {
  const std::string_view path = person.thumbPath.view();
  QImageReader reader(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
  reader.setAutoTransform(true);
  const QSizeF room(g_.picture_width, box.height() - g_.text_inset);
  QSize size = reader.size();
  if (size.isValid() && !size.isEmpty()) {
    size = size.scaled(room.toSize(), Qt::KeepAspectRatio);
    reader.setScaledSize(size);
  }
  const QImage picture = reader.read();
  if (!picture.isNull()) {
    const double x = box.left() + (g_.picture_box - picture.width()) / 2.0;
    const double y = box.top() + (box.height() - picture.height()) / 2.0;
    painter_.drawImage(QPointF(x, y), picture);
  }
  return g_.picture_box;
}

// Draws a text in a row; returns the x where it ends.
double ChartPainter::PaintText(double x, int row, std::string_view text, WallChartTextStyle style,
                               const QColor& colour) {
  const QFontMetricsF& metrics = metrics_[static_cast<size_t>(style)];
  const QString shown = FromReportText(text);
  painter_.setFont(fonts_[static_cast<size_t>(style)]);
  painter_.setPen(colour);
  const double baseline = g_.RowY(row) + (h_ - metrics.height()) / 2.0 + metrics.ascent();
  painter_.drawText(QPointF(x, baseline), shown);
  return x + metrics.horizontalAdvance(shown);
}

}  // namespace

void PaintWallChart(QPainter& painter, const WallChartDrawing& drawing) {
  ChartPainter(painter, drawing).Paint();
}

}  // namespace kinloom::charts
