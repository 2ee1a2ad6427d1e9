#pragma once

#include <string>
#include <string_view>

#include "core/dates.h"
#include "platform/clock.h"
#include "reports/report_output.h"

namespace kinloom::reports {

// Width of a heading in a report's text form: title and date line, and the dash line below.
inline constexpr size_t kTextHeadingWidth = 80;

// Where a printed report stands: the line unit h (the height of "X" at 10 points) and its half,
// the y of the next line, the bottom and right limits, and the page number reached (0 before
// the first heading).
struct PageState {
  int h = 0;
  int half = 0;
  int y = 0;
  int bottom = 0;
  int right = 0;
  int page = 0;
};

// Today in the report date format the user chose: "24 May 1927" or "May 24, 1927".
std::string ReportDate(const platform::DateTime& today, core::DateDisplay display);

// The heading at the start of every page of a printed report, and once at the top of its text
// form. The page number goes up by one. Text mode writes the title, blanks and the date on one
// line of 80 characters, and 80 dashes below it. Count and print mode start the page, write the
// title in 12-point bold at (left_x, top_y) and the date right-aligned to end at
// right_x - 2 * line_skip ("date  --  n" from page 2 on), return to 10 points, set y to
// top_y + line_skip and, with `draw_rule`, draw a rule there and go half a line skip lower.
void PrintPageHeader(ReportOutput& out, std::string_view title, PageState& page, int line_skip,
                     int left_x, int right_x, int top_y, bool draw_rule);

}  // namespace kinloom::reports
