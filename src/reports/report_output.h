#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/page_surface.h"

namespace kinloom::reports {

// How a report producer runs: laying pages out only to count them, printing them, or writing
// the report as lines of text.
enum class OutputMode : char { kCount = 'C', kPrint = 'P', kText = 'T' };

// The pages wanted from a print, counted from 1; both ends included.
struct PageRange {
  int first = 1;
  int last = 9999;

  bool Contains(int page) const { return page >= first && page <= last; }
};

// Where the lines of a report in text mode go. Lines are Windows-1252, without line ends.
class TextSink {
 public:
  virtual ~TextSink() = default;
  virtual void Line(std::string_view line) = 0;
};

// Keeps the lines in memory.
class TextLines final : public TextSink {
 public:
  void Line(std::string_view line) override { lines_.emplace_back(line); }
  const std::vector<std::string>& lines() const { return lines_; }
  std::vector<std::string>& lines() { return lines_; }

 private:
  std::vector<std::string> lines_;
};

// What every report producer writes to: one producer per report serves all three modes. In
// count and print mode the producer lays out pages with the measures of the surface and draws;
// the drawing reaches the surface only when printing, and only on the pages of the range, so
// pages before and after the range are laid out but never sent. In text mode the producer
// writes lines and the drawing calls do nothing.
class ReportOutput {
 public:
  static ReportOutput Count(PageSurface& surface, std::string report_date);
  static ReportOutput Print(PageSurface& surface, PageRange range, std::string report_date);
  static ReportOutput Text(TextSink& sink, std::string report_date);

  OutputMode mode() const { return mode_; }
  bool text_mode() const { return mode_ == OutputMode::kText; }
  // Today in the user's report date format, for the headings.
  const std::string& report_date() const { return report_date_; }
  PageRange range() const { return range_; }

  // Text mode: one line of the report.
  void WriteLine(std::string_view line);

  // Count and print mode. Without a surface (text mode) the measures are those of a text
  // file: a line is 1 high and a character 1 wide.
  int PageWidth() const;
  int PageHeight() const;
  void SetFont(const FontStyle& font);
  int TextHeight(std::string_view text);
  int TextWidth(std::string_view text);
  void SetPenWidth(int width);
  void DrawText(int x, int y, std::string_view text);
  void DrawLine(int x1, int y1, int x2, int y2);
  void FillRect(int x, int y, int width, int height, int grey);

  // Page `page` (from 1) begins: in print mode a page of the range starts a sheet, and the
  // drawing until the next page goes to it; a page outside the range is laid out unseen.
  void StartPage(int page);
  // Whether drawing reaches a sheet now.
  bool drawing() const { return drawing_; }
  // The sheets sent to the surface.
  int sheets() const { return sheets_; }
  // Ends the document when any sheet was started.
  void Finish();

 private:
  ReportOutput(OutputMode mode, PageSurface* surface, TextSink* text, PageRange range,
               std::string report_date);

  OutputMode mode_;
  PageSurface* surface_;
  TextSink* text_;
  PageRange range_;
  std::string report_date_;
  bool drawing_ = false;
  int sheets_ = 0;
};

}  // namespace kinloom::reports
