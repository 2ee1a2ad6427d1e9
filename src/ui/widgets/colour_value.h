#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace kinloom::ui {

// A web colour (0xRRGGBB) as the settings file writes it: "#" and six upper-case hex digits.
QString ColourText(uint32_t rgb);
// Reads "#RRGGBB" (the "#" may be left out, any case); nothing for anything else.
std::optional<uint32_t> ParseColourText(const QString& text);

QColor ToQColor(uint32_t rgb);
uint32_t FromQColor(const QColor& colour);

}  // namespace kinloom::ui
