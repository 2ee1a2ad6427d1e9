#include "charts/form_layout.h"

#include <algorithm>
#include <utility>

namespace kinloom::charts {
namespace {

constexpr reports::FontStyle kHeadingBody{.points = 10};

}  // namespace

std::vector<std::string> WrapText(reports::ReportOutput& out, std::string_view text, int width) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view paragraph = text.substr(start, end - start);
    std::string line;
    size_t at = 0;
    while (at < paragraph.size()) {
      const size_t blank = std::min(paragraph.find(' ', at), paragraph.size());
      const std::string word(paragraph.substr(at, blank - at));
      const std::string joined = line.empty() ? word : line + " " + word;
      if (out.TextWidth(joined) <= width) {
        line = joined;
      } else if (!line.empty()) {
        lines.push_back(std::move(line));
        line.clear();
        continue;  // the word starts the next line
      } else {
        // A word wider than the line is cut where it must be.
        size_t fit = word.size();
        while (fit > 1 && out.TextWidth(word.substr(0, fit)) > width) --fit;
        lines.push_back(word.substr(0, fit));
        at += fit;
        continue;
      }
      at = blank + 1;
    }
    if (!line.empty() || paragraph.empty()) lines.push_back(std::move(line));
    start = end + 1;
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

FormWriter::FormWriter(reports::ReportOutput& out, std::string title)
    : out_(out), title_(std::move(title)) {}

void FormWriter::Begin() {
  out_.SetFont(kHeadingBody);
  page_.h = out_.TextHeight("X");
  page_.half = page_.h / 2;
  page_.bottom = out_.PageHeight() - page_.h;
  page_.right = out_.PageWidth();
  page_.page = 0;
  out_.SetFont(kFormText);
  line_ = out_.TextHeight("X");
  pad_ = line_ / 4;
  Heading();
}

void FormWriter::Heading() {
  const int skip = page_.h + page_.half;
  // The heading's date and rule end at the right margin.
  reports::PrintPageHeader(out_, title_, page_, skip, 0, out_.PageWidth() + 2 * skip, 0, true);
  page_.y += page_.half;
  body_top_ = page_.y;
}

void FormWriter::Need(int height) {
  if (page_.y + height <= page_.bottom) return;
  Heading();
}

void FormWriter::SectionBar(std::string_view caption, std::string_view text) {
  out_.SetFont(kFormSection);
  const int height = out_.TextHeight("X") + 2 * pad_;
  Need(height + 3 * (line_ + 2 * pad_));  // a bar never ends a page
  out_.SetFont(kFormSection);
  out_.FillRect(0, page_.y, width(), height, kSectionGrey);
  out_.DrawText(pad_, page_.y + pad_, caption);
  if (!text.empty()) {
    const int x = pad_ + out_.TextWidth(caption) + out_.TextWidth("   ");
    out_.DrawText(x, page_.y + pad_, text);
  }
  page_.y += height;
  out_.SetFont(kFormText);
}

void FormWriter::Captions(const std::vector<FormField>& fields) {
  out_.SetFont(kFormCaption);
  const int height = out_.TextHeight("X");
  Need(height + line_ + 2 * pad_);
  out_.SetFont(kFormCaption);
  for (const FormField& field : fields) out_.DrawText(field.x + pad_, page_.y, field.text);
  page_.y += height;
  out_.SetFont(kFormText);
}

int FormWriter::RowHeight(const std::vector<FormField>& fields, int least_lines) {
  size_t lines = static_cast<size_t>(std::max(1, least_lines));
  for (const FormField& field : fields) {
    out_.SetFont(field.font);
    lines = std::max(lines, WrapText(out_, field.text, field.width - 2 * pad_).size());
  }
  out_.SetFont(kFormText);
  return static_cast<int>(lines) * line_ + 2 * pad_ + room_;
}

void FormWriter::Row(std::string_view label, const std::vector<FormField>& fields,
                     int least_lines) {
  std::vector<std::vector<std::string>> texts;
  size_t lines = static_cast<size_t>(std::max(1, least_lines));
  for (const FormField& field : fields) {
    out_.SetFont(field.font);
    texts.push_back(WrapText(out_, field.text, field.width - 2 * pad_));
    lines = std::max(lines, texts.back().size());
  }
  const int height = static_cast<int>(lines) * line_ + 2 * pad_ + room_;
  // A row longer than a page goes on over the next pages, line by line.
  Need(std::min(height, page_.bottom - body_top_));
  page_.y += room_;
  out_.SetFont(kFormCaption);
  // The label stands on the baseline of the row's first line, as on a printed form.
  out_.DrawText(pad_, page_.y + pad_ + (line_ - out_.TextHeight("X")), label);
  page_.y += pad_;
  for (size_t i = 0; i < lines; ++i) {
    Need(line_ + pad_);
    for (size_t f = 0; f < fields.size(); ++f) {
      if (i >= texts[f].size()) continue;
      out_.SetFont(fields[f].font);
      out_.DrawText(fields[f].x + pad_, page_.y, texts[f][i]);
    }
    page_.y += line_;
  }
  page_.y += pad_;
  out_.SetFont(kFormText);
  out_.SetPenWidth(kFormRulePen);
  out_.DrawLine(0, page_.y, width(), page_.y);
}

void FormWriter::Paragraph(std::string_view text, int indent, const reports::FontStyle& font) {
  out_.SetFont(font);
  for (const std::string& line : WrapText(out_, text, width() - indent)) {
    Need(line_);
    out_.SetFont(font);  // a new page's heading leaves its own font
    out_.DrawText(indent, page_.y, line);
    page_.y += line_;
  }
  out_.SetFont(kFormText);
}

}  // namespace kinloom::charts
