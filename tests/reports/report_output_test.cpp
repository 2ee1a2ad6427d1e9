// The output every report writes to: the page heading in its three modes, and pages counted,
// printed within a range, or not drawn at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/page_header.h"
#include "reports/recording_surface.h"
#include "reports/report_job.h"

namespace kinloom::reports {
namespace {

using Item = RecordingSurface::Item;

constexpr char kDate[] = "6 December 2026";

// A report of `pages` pages, each with its heading and one body line "body n".
ReportJob PagesJob(int pages) {
  return ReportJob{"Pages", false, [pages](ReportOutput& out) {
                     PageState state;
                     for (int n = 1; n <= pages; ++n) {
                       PrintPageHeader(out, "Title", state, 150, 100, 4400, 100, true);
                       out.DrawText(100, state.y, "body " + std::to_string(n));
                     }
                     return state.page;
                   }};
}

TEST(PrintPageHeader, TextFormIsOneEightyCharacterLineAndDashes) {
  struct Case {
    std::string title;
    std::string first_line;
  };
  const std::string long_title(70, 'T');
  for (const Case& c : {Case{"Enid Lee (5)", "Enid Lee (5)" + std::string(53, ' ') + kDate},
                        Case{long_title, long_title + " " + kDate}}) {
    TextLines lines;
    ReportOutput out = ReportOutput::Text(lines, kDate);
    PageState state;
    state.y = 7;
    PrintPageHeader(out, c.title, state, 1, 1, 1, 1, true);
    EXPECT_EQ(lines.lines(), (std::vector<std::string>{c.first_line, std::string(80, '-')}));
    EXPECT_EQ(state.page, 1);
    EXPECT_EQ(state.y, 7) << "text mode leaves y alone";
  }
}

TEST(PrintPageHeader, PrintedTitleDateAndRule) {
  RecordingSurface surface;
  ReportOutput out = ReportOutput::Print(surface, PageRange{}, kDate);
  PageState state;
  PrintPageHeader(out, "Title", state, 150, 100, 4400, 100, true);
  PrintPageHeader(out, "Title", state, 150, 100, 4400, 100, false);
  ASSERT_EQ(surface.sheets(), 2);
  const std::vector<Item>& items = surface.items();
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].text, "Title");
  EXPECT_TRUE(items[0].font.bold);
  EXPECT_EQ(items[0].font.points, 12);
  EXPECT_EQ(items[1].text, kDate);
  EXPECT_EQ(items[1].x2, 4400 - 300) << "the date ends two line skips before the right edge";
  EXPECT_EQ(items[2].kind, Item::Kind::kLine);
  EXPECT_EQ(items[2].y, 250);
  EXPECT_EQ(items[2].pen, 8);
  EXPECT_EQ(items[4].text, std::string(kDate) + "  --  2");
  EXPECT_EQ(items[4].sheet, 2);
  EXPECT_EQ(state.y, 250) << "no rule, no half skip";
}

TEST(ReportOutput, CountPrintAndPageRange) {
  const ReportJob job = PagesJob(5);
  RecordingSurface counter;
  EXPECT_EQ(CountPages(job, counter, kDate), 5);
  EXPECT_EQ(counter.sheets(), 0);
  EXPECT_TRUE(counter.items().empty()) << "counting draws nothing";

  struct Case {
    PageRange range;
    std::vector<std::string> bodies;
  };
  for (const Case& c :
       {Case{{1, 9999}, {"body 1", "body 2", "body 3", "body 4", "body 5"}},
        Case{{2, 3}, {"body 2", "body 3"}}, Case{{5, 5}, {"body 5"}}, Case{{6, 9}, {}}}) {
    RecordingSurface surface;
    const int sheets = PrintPages(job, surface, c.range, kDate);
    std::vector<std::string> bodies;
    for (const Item& item : surface.items()) {
      ASSERT_GT(item.sheet, 0) << "nothing is drawn outside a sheet";
      if (item.text.rfind("body", 0) == 0) bodies.push_back(item.text);
    }
    EXPECT_EQ(bodies, c.bodies);
    EXPECT_EQ(sheets, static_cast<int>(c.bodies.size()));
    EXPECT_EQ(surface.sheets(), sheets);
    EXPECT_EQ(surface.finished(), sheets > 0 ? 1 : 0);
  }
}

}  // namespace
}  // namespace kinloom::reports
