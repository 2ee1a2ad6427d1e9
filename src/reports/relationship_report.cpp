// The relationship printed and saved as text.
#include <algorithm>
#include <string>

#include "reports/relationship.h"

namespace kinloom::reports {
namespace {

constexpr int kPenWidth = 8;
constexpr FontStyle kNameFont{.points = 12};
constexpr FontStyle kTitleFont{.points = 12, .bold = true, .underline = true};
constexpr FontStyle kRowFont{.points = 10};
constexpr size_t kFileWidth = 100;
constexpr size_t kFileColumn = 50;
// Rows shown at least: on paper, and in the file.
constexpr size_t kPrintedRows = 2;
constexpr size_t kFileRows = 5;

// The rows up to the last with text, but at least `least`.
size_t RowsShown(const Relationship& r, size_t least) {
  size_t count = 0;
  for (size_t i = 0; i < r.rows.size(); ++i) {
    if (!r.rows[i].column0.empty() || !r.rows[i].column1.empty()) count = i + 1;
  }
  return std::max(count, least);
}

const RelateRow& RowAt(const Relationship& r, size_t i) {
  static const RelateRow kEmpty;
  return i < r.rows.size() ? r.rows[i] : kEmpty;
}

std::string PadTo(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

int PrintRelationship(ReportOutput& out, const Relationship& r) {
  int page = 1;
  out.StartPage(page);
  out.SetFont(kNameFont);
  out.SetPenWidth(kPenWidth);
  const int u = out.TextHeight("X");
  const int m = 2 * u;
  const int width = out.PageWidth();
  out.SetFont(kTitleFont);
  out.DrawText(m, m, "Relationship Between:");
  out.SetFont(kNameFont);
  out.DrawText(m, m + u, r.label1);
  out.DrawText(m, m + 2 * u, r.label2);
  // The relations stand two blanks after the wider name, as in the saved file.
  const int x =
      m + std::max(out.TextWidth(r.label1), out.TextWidth(r.label2)) + out.TextWidth("  ");
  out.DrawText(x, m + u, "(" + r.relation1 + ")");
  out.DrawText(x, m + 2 * u, "(" + r.relation2 + ")");
  int y = m + u + 2 * u + u / 2;
  out.DrawText((width - out.TextWidth(r.memo)) / 2, y, r.memo);
  y += u;
  out.DrawLine(m, y, width - m, y);
  y += u / 4;
  out.SetFont(kRowFont);
  const int v = out.TextHeight("X");
  const size_t rows = RowsShown(r, kPrintedRows);
  for (size_t i = 0; i < rows; ++i) {
    out.DrawText(m, y, RowAt(r, i).column0);
    out.DrawText(x, y, RowAt(r, i).column1);
    y += v;
    if (i + 1 < rows && y > out.PageHeight() - 2 * u) {
      out.DrawLine(m, y, width - m, y);
      out.StartPage(++page);
      out.SetFont(kTitleFont);
      out.DrawText(m, 2 * u, "Relationship Continued Between:");
      out.SetFont(kNameFont);
      out.DrawText(m, 3 * u, r.name1 + "  and  " + r.name2);
      out.DrawLine(m, 5 * u, width - m, 5 * u);
      y = 5 * u + u / 4;
      out.SetFont(kRowFont);
    }
  }
  out.DrawLine(m, y, width - m, y);
  return page;
}

}  // namespace

ReportJob RelationshipJob(const Relationship& relationship) {
  return ReportJob{"Relationship Between: " + relationship.label1 + " and " + relationship.label2,
                   false, [relationship](ReportOutput& out) {
                     if (out.text_mode()) {
                       for (const std::string& line : RelationshipText(relationship).lines) {
                         out.WriteLine(line);
                       }
                       return 1;
                     }
                     return PrintRelationship(out, relationship);
                   }};
}

TextReport RelationshipText(const Relationship& r) {
  TextReport report;
  report.end_last_line = false;
  std::vector<std::string>& lines = report.lines;
  lines.emplace_back("Relationship Between:");
  const size_t width = std::max(r.label1.size(), r.label2.size()) + 2;
  lines.push_back(PadTo(r.label1, width) + "(" + r.relation1 + ")");
  lines.push_back(PadTo(r.label2, width) + "(" + r.relation2 + ")");
  lines.emplace_back();
  // A memo wider than the page starts at its left edge.
  const size_t indent = r.memo.size() < kFileWidth ? (kFileWidth - r.memo.size()) / 2 : 0;
  lines.push_back(std::string(indent, ' ') + r.memo);
  lines.emplace_back(kFileWidth, '-');
  const size_t rows = RowsShown(r, kFileRows);
  for (size_t i = 0; i < rows; ++i) {
    const RelateRow& row = RowAt(r, i);
    // A first column that fills its width keeps one blank before the second.
    std::string line = PadTo(row.column0, kFileColumn);
    if (row.column0.size() >= kFileColumn && !row.column1.empty()) line += ' ';
    lines.push_back(line + row.column1);
  }
  lines.emplace_back(kFileWidth, '-');
  return report;
}

}  // namespace kinloom::reports
