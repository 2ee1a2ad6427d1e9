#include "ui/widgets/text_codec.h"

#include <array>

namespace kinloom::ui {
namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five bytes the set leaves undefined (kept as the
// control character of the same value, as Latin-1 does).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char AnsiByteOf(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

QString FromAnsi(std::string_view text) {
  QString result;
  result.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xA0) {
      result.append(QChar(kHighControls[byte - 0x80]));
    } else {
      result.append(QChar(static_cast<char16_t>(byte)));
    }
  }
  return result;
}

std::string ToAnsi(const QString& text) {
  std::string result;
  result.reserve(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text.at(i).unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size()) {
      ++i;  // a character beyond the basic plane: one "?" for the pair
      result.push_back('?');
      continue;
    }
    result.push_back(AnsiByteOf(unit));
  }
  return result;
}

QString MessageText(std::string_view text) {
  QString shown = FromAnsi(text);
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.remove(QChar('\r'));
  return shown;
}

}  // namespace kinloom::ui
