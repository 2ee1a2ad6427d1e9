#include "ui/widgets/colour_value.h"

namespace kinloom::ui {

QString ColourText(uint32_t rgb) {
  return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

std::optional<uint32_t> ParseColourText(const QString& text) {
  QString digits = text.trimmed();
  if (digits.startsWith(QLatin1Char('#'))) digits.remove(0, 1);
  if (digits.size() != 6) return std::nullopt;
  bool ok = false;
  const uint32_t rgb = digits.toUInt(&ok, 16);
  if (!ok) return std::nullopt;
  return rgb;
}

QColor ToQColor(uint32_t rgb) {
  return QColor(QRgb(0xFF000000u | (rgb & 0xFFFFFF)));
}

uint32_t FromQColor(const QColor& colour) {
  return colour.rgb() & 0xFFFFFF;
}

}  // namespace kinloom::ui
