#include "ui/widgets/colour_swatch.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/widgets/colour_value.h"

namespace kinloom::ui {

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColourSwatch::SetColour(uint32_t rgb) {
  rgb_ = rgb;
  setToolTip(ColourText(rgb));
  update();
}

QSize ColourSwatch::sizeHint() const {
  const int height = fontMetrics().height() + 4;
  return {height * 2, height};
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(rgb_));
  // A two-tone frame keeps white and black samples visible on any background.
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(Qt::white);
  painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace kinloom::ui
