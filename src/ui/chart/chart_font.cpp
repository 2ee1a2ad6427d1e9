#include "ui/chart/chart_font.h"

namespace kinloom::ui {

QFont ChartFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(9);
  return font;
}

}  // namespace kinloom::ui
