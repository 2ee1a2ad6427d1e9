#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace kinloom::ui {

// A grouped bar chart drawn with QPainter: one group of bars per category along the bottom
// axis, one bar per series in each group, a count axis with grid lines on the left, and a
// legend naming the series. The statistics window shows the tallies of its dates and counts
// pages with it.
class BarChart : public QWidget {
  Q_OBJECT

 public:
  struct Series {
    QString name;
    QColor colour;
    std::vector<int> values;  // one per category; missing values count as 0
  };

  explicit BarChart(QWidget* parent = nullptr);

  void SetData(const QString& title, const QStringList& categories, std::vector<Series> series);
  const QString& title() const { return title_; }
  const std::vector<Series>& series() const { return series_; }

  // The highest count any bar shows.
  int MaxValue() const;
  // The rectangle a bar fills in a widget of the current size (empty for a zero count).
  QRect BarRect(int series, int category) const;

  QSize sizeHint() const override { return {420, 300}; }
  QSize minimumSizeHint() const override { return {260, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where the bars stand: inside the axes, below the title and above the category labels.
  QRect PlotArea() const;
  // The count axis runs from 0 to this round number at or above the highest count.
  int AxisTop() const;
  int TickStep() const;
  void DrawAxes(QPainter& painter, const QRect& plot) const;
  void DrawLegend(QPainter& painter, const QRect& plot) const;

  QString title_;
  QStringList categories_;
  std::vector<Series> series_;
};

}  // namespace kinloom::ui
