#include "reports/report_text.h"

#include <array>

namespace kinloom::reports {
namespace {

// Code points of 0x80..0x9F in Windows-1252; the five undefined bytes stand for themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendCodePoint(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

std::string JoinLines(const TextReport& report, std::string_view line_end) {
  std::string out;
  for (size_t i = 0; i < report.lines.size(); ++i) {
    out += AnsiToUtf8(report.lines[i]);
    if (i + 1 < report.lines.size() || report.end_last_line) out += line_end;
  }
  return out;
}

}  // namespace

std::string AnsiToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xA0) {
      AppendCodePoint(out, kHighControls[byte - 0x80]);
    } else {
      AppendCodePoint(out, byte);
    }
  }
  return out;
}

std::string ReportFileBytes(const TextReport& report) {
  return JoinLines(report, "\r\n");
}

std::string ReportTerminalText(const TextReport& report) {
  std::string text = JoinLines(report, "\n");
  if (!report.end_last_line && !report.lines.empty()) text += '\n';
  return text;
}

}  // namespace kinloom::reports
