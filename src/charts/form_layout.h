#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/page_header.h"
#include "reports/report_output.h"

namespace kinloom::charts {

inline constexpr reports::FontStyle kFormText{.points = 9};
inline constexpr reports::FontStyle kFormBold{.points = 9, .bold = true};
inline constexpr reports::FontStyle kFormCaption{.points = 7, .grey = 96};
inline constexpr reports::FontStyle kFormSection{.points = 10, .bold = true};
inline constexpr int kFormRulePen = 2;
inline constexpr int kFormBoxPen = 5;
inline constexpr int kSectionGrey = 222;

// The lines of `text` broken at blanks (and inside words too long for a line) so that each fits
// `width` in the output's current font; a "\n" in the text starts a new line.
std::vector<std::string> WrapText(reports::ReportOutput& out, std::string_view text, int width);

// One field of a form row: where it starts, how wide it is, and its text.
struct FormField {
  int x = 0;
  int width = 0;
  std::string text;
  reports::FontStyle font = kFormText;
};

// Lays a printed form out down its pages: the shared heading on every page, a running y,
// grey section bars, ruled rows of fields whose texts wrap, and paragraphs.
class FormWriter {
 public:
  FormWriter(reports::ReportOutput& out, std::string title);

  reports::ReportOutput& out() { return out_; }
  int width() const { return out_.PageWidth(); }
  int y() const { return page_.y; }
  int page() const { return page_.page; }
  int line_height() const { return line_; }

  // The first page and its heading.
  void Begin();
  // Moves down; a new page when `height` no longer fits below the current line.
  void Need(int height);
  void Skip(int height) { page_.y += height; }

  // A grey bar across the page with a bold caption and, after it, a text.
  void SectionBar(std::string_view caption, std::string_view text = {});
  // Small grey captions over the fields' columns ("Date", "Place").
  void Captions(const std::vector<FormField>& fields);
  // A row: a grey label in the first column and the fields after it, ruled below. Its height
  // is that of the field with most lines (at least one line, or `least_lines`).
  void Row(std::string_view label, const std::vector<FormField>& fields, int least_lines = 1);
  // The height a row of these fields will take.
  int RowHeight(const std::vector<FormField>& fields, int least_lines = 1);
  // Extra room above the text of every row, for forms filled in by hand.
  void set_row_room(int room) { room_ = room; }
  // A wrapped paragraph from `indent` to the right edge.
  void Paragraph(std::string_view text, int indent, const reports::FontStyle& font = kFormText);

 private:
  void Heading();

  reports::ReportOutput& out_;
  std::string title_;
  reports::PageState page_;
  int line_ = 0;      // the height of a line of form text
  int pad_ = 0;       // the room above and below the text of a row
  int body_top_ = 0;  // where the form begins below the heading
  int room_ = 0;
};

}  // namespace kinloom::charts
