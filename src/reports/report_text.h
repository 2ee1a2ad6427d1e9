#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kinloom::reports {

// The program keeps its texts in the Windows-1252 set; files and screens outside it take
// UTF-8. Bytes the set leaves undefined keep their own value as a code point.
std::string AnsiToUtf8(std::string_view text);

// A text report as a file holds it: the lines, and whether the last line ends with a line end
// (the relationship file ends in its dash line without one).
struct TextReport {
  std::vector<std::string> lines;
  bool end_last_line = true;
  bool utf8 = false;  // the lines are UTF-8 already (texts read from other programs' files)
};

// The bytes of a report file: UTF-8 with CR LF line ends.
std::string ReportFileBytes(const TextReport& report);

// The same for a terminal: UTF-8 with LF line ends, and a line end after the last line.
std::string ReportTerminalText(const TextReport& report);

}  // namespace kinloom::reports
