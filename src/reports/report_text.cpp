#include "reports/report_text.h"

#include "store/line_conversion.h"

namespace kinloom::reports {
namespace {

std::string JoinLines(const TextReport& report, std::string_view line_end) {
  std::string out;
  for (size_t i = 0; i < report.lines.size(); ++i) {
    out += report.utf8 ? report.lines[i] : AnsiToUtf8(report.lines[i]);
    if (i + 1 < report.lines.size() || report.end_last_line) out += line_end;
  }
  return out;
}

}  // namespace

std::string AnsiToUtf8(std::string_view text) {
  return store::InternalToUtf8(text);
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
