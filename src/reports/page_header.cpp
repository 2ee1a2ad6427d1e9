#include "reports/page_header.h"

namespace kinloom::reports {
namespace {

constexpr int kRulePenWidth = 8;
constexpr FontStyle kTitleFont{.points = 12, .bold = true};
constexpr FontStyle kBodyFont{.points = 10};

}  // namespace

std::string ReportDate(const platform::DateTime& today, core::DateDisplay display) {
  return core::FormatLongDate(today, display);
}

void PrintPageHeader(ReportOutput& out, std::string_view title, PageState& page, int line_skip,
                     int left_x, int right_x, int top_y, bool draw_rule) {
  ++page.page;
  const std::string& date = out.report_date();
  if (out.text_mode()) {
    const size_t used = title.size() + date.size();
    std::string line(title);
    // A title too long for the line still keeps one blank before the date.
    line.append(used < kTextHeadingWidth ? kTextHeadingWidth - used : 1, ' ');
    line += date;
    out.WriteLine(line);
    out.WriteLine(std::string(kTextHeadingWidth, '-'));
    return;
  }
  out.StartPage(page.page);
  page.y = top_y;
  out.SetFont(kTitleFont);
  out.DrawText(left_x, top_y, title);
  const std::string shown = page.page == 1 ? date : date + "  --  " + std::to_string(page.page);
  out.DrawText(right_x - 2 * line_skip - out.TextWidth(shown), top_y, shown);
  out.SetFont(kBodyFont);
  page.y += line_skip;
  if (draw_rule) {
    out.SetPenWidth(kRulePenWidth);
    out.DrawLine(left_x, page.y, right_x - 2 * line_skip, page.y);
    page.y += line_skip / 2;
  }
}

}  // namespace kinloom::reports
