#include "ui/chart/chart_style.h"

#include <QFontMetrics>

#include "ui/chart/chart_font.h"

namespace kinloom::ui::chart_style {

int RowHeight() {
  static const int height = QFontMetrics(ChartFont()).height() + 2;
  return height;
}

QFont BoldChartFont() {
  QFont font = ChartFont();
  font.setBold(true);
  return font;
}

QColor ConnectorColour() {
  return QColor(0x7d, 0x87, 0x93);
}
QColor PersonFill() {
  return QColor(0xe9, 0xf1, 0xfb);
}
QColor SpouseFill() {
  return QColor(0xf7, 0xf0, 0xe6);
}
QColor BoxBorder() {
  return QColor(0x9a, 0xae, 0xc4);
}
QColor ShownFill() {
  return QColor(0xff, 0xf1, 0xa8);
}
QColor ShownBorder() {
  return QColor(0xc8, 0x8a, 0x00);
}
QColor ShownText() {
  return QColor(0x00, 0x2f, 0xc0);
}
QColor PlainText() {
  return QColor(0x1a, 0x1a, 0x1a);
}
QColor DimText() {
  return QColor(0x55, 0x5d, 0x66);
}
QColor CollapsedText() {
  return QColor(0x9c, 0x3d, 0x00);
}

QColor MarkColour(char mark) {
  switch (mark) {
    case 'M':
      return QColor(0x0f, 0x5e, 0x6e);  // father side: dark teal
    case 'F':
      return QColor(0x8a, 0x25, 0x6a);  // mother side: plum
    case 'S':
      return QColor(0x6b, 0x55, 0x30);  // spouse: brown
    default:
      return PlainText();  // descendant or the start person
  }
}

QColor VisitColour() {
  return QColor(0x00, 0x64, 0x00);
}
QColor EdgeColour() {
  return QColor(0xd0, 0x00, 0x00);
}

}  // namespace kinloom::ui::chart_style
