#include "ui/reports/bar_chart.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace kinloom::ui {
namespace {

constexpr int kMargin = 8;
constexpr int kTickLength = 4;
constexpr int kSwatch = 10;
constexpr int kWantedTicks = 5;

// A step of 1, 2 or 5 times a power of ten that divides 0..max into about five parts.
int NiceStep(int max) {
  int step = 1;
  while (true) {
    for (int factor : {1, 2, 5}) {
      if (max <= step * factor * kWantedTicks) return step * factor;
    }
    step *= 10;
  }
}

}  // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BarChart::SetData(const QString& title, const QStringList& categories,
                       std::vector<Series> series) {
  title_ = title;
  categories_ = categories;
  series_ = std::move(series);
  for (Series& s : series_) s.values.resize(static_cast<size_t>(categories_.size()), 0);
  update();
}

int BarChart::MaxValue() const {
  int max = 0;
  for (const Series& s : series_) {
    for (int value : s.values) max = std::max(max, value);
  }
  return max;
}

int BarChart::TickStep() const {
  return NiceStep(std::max(MaxValue(), 1));
}

int BarChart::AxisTop() const {
  const int step = TickStep();
  return std::max(step, (MaxValue() + step - 1) / step * step);
}

QRect BarChart::PlotArea() const {
  const QFontMetrics metrics(font());
  const int line = metrics.height();
  const int label_width = metrics.horizontalAdvance(QString::number(AxisTop()));
  const int left = kMargin + line + kMargin / 2 + label_width + kTickLength;
  const int top = kMargin + 2 * line + kMargin;  // the title, then the legend
  const int bottom = height() - kMargin - line - kTickLength;
  const int right = width() - kMargin;
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect BarChart::BarRect(int series, int category) const {
  const int count = static_cast<int>(categories_.size());
  const int bars = static_cast<int>(series_.size());
  if (series < 0 || series >= bars || category < 0 || category >= count) return {};
  const int value = series_[static_cast<size_t>(series)].values[static_cast<size_t>(category)];
  if (value <= 0) return {};
  const QRect plot = PlotArea();
  const double group = static_cast<double>(plot.width()) / count;
  // The bars of a group fill four fifths of it, side by side.
  const double bar = group * 0.8 / bars;
  const double x = plot.left() + group * category + group * 0.1 + bar * series;
  const int h = static_cast<int>(static_cast<double>(plot.height()) * value / AxisTop() + 0.5);
  const int left = static_cast<int>(x + 0.5);
  const int right = std::max(left + 1, static_cast<int>(x + bar + 0.5));
  return QRect(QPoint(left, plot.bottom() - std::max(h, 1) + 1), QPoint(right - 1, plot.bottom()));
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QRect plot = PlotArea();
  if (plot.width() < 10 || plot.height() < 10) return;
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(Qt::black);
  painter.drawText(QRect(0, kMargin, width(), QFontMetrics(bold).height()), Qt::AlignCenter,
                   title_);
  painter.setFont(font());
  DrawAxes(painter, plot);
  for (int s = 0; s < static_cast<int>(series_.size()); ++s) {
    const QColor colour = series_[static_cast<size_t>(s)].colour;
    for (int c = 0; c < static_cast<int>(categories_.size()); ++c) {
      const QRect bar = BarRect(s, c);
      if (bar.isEmpty()) continue;
      painter.fillRect(bar, colour);
      painter.setPen(colour.darker(140));
      painter.drawRect(bar.adjusted(0, 0, -1, -1));
    }
  }
  DrawLegend(painter, plot);
}

void BarChart::DrawAxes(QPainter& painter, const QRect& plot) const {
  const QFontMetrics metrics(font());
  const int top = AxisTop();
  const int step = TickStep();
  for (int value = 0; value <= top; value += step) {
    const int y =
        plot.bottom() - static_cast<int>(static_cast<double>(plot.height()) * value / top);
    painter.setPen(QColor(225, 225, 225));
    if (value > 0) painter.drawLine(plot.left() + 1, y, plot.right(), y);
    painter.setPen(Qt::black);
    painter.drawLine(plot.left() - kTickLength, y, plot.left(), y);
    const QString label = QString::number(value);
    painter.drawText(plot.left() - kTickLength - 2 - metrics.horizontalAdvance(label),
                     y + metrics.ascent() / 2 - 1, label);
  }
  painter.setPen(Qt::black);
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  // The count axis is named along its length.
  painter.save();
  painter.translate(kMargin + metrics.ascent(), plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRect(-plot.height() / 2, -metrics.ascent(), plot.height(), metrics.height()),
                   Qt::AlignCenter, QStringLiteral("People"));
  painter.restore();
  const int count = static_cast<int>(categories_.size());
  const double group = static_cast<double>(plot.width()) / std::max(count, 1);
  // Labels that would run into each other are cut to their first letter ("J F M A ...").
  int widest = 0;
  for (const QString& label : categories_) {
    widest = std::max(widest, metrics.horizontalAdvance(label));
  }
  const bool initials = widest + 4 > static_cast<int>(group);
  for (int c = 0; c < count; ++c) {
    const int x = plot.left() + static_cast<int>(group * c);
    const QString& label = categories_[c];
    painter.drawText(
        QRect(x, plot.bottom() + kTickLength, static_cast<int>(group), metrics.height()),
        Qt::AlignHCenter | Qt::AlignTop, initials ? label.left(1) : label);
  }
}

void BarChart::DrawLegend(QPainter& painter, const QRect& plot) const {
  const QFontMetrics metrics(font());
  int width = 0;
  for (const Series& s : series_) width += kSwatch + 4 + metrics.horizontalAdvance(s.name) + 12;
  int x = plot.left() + std::max(0, (plot.width() - width) / 2);
  const int y = plot.top() - kMargin - metrics.height();
  for (const Series& s : series_) {
    const QRect swatch(x, y + (metrics.height() - kSwatch) / 2, kSwatch, kSwatch);
    painter.fillRect(swatch, s.colour);
    painter.setPen(s.colour.darker(140));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.drawText(x + kSwatch + 4, y + metrics.ascent(), s.name);
    x += kSwatch + 4 + metrics.horizontalAdvance(s.name) + 12;
  }
}

}  // namespace kinloom::ui
