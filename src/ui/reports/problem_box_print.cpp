// The printout of the potential problems list: the print dialog, the PDF file and the page
// layout.
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <array>

#include "charts/report_printing.h"
#include "files/data_folders.h"
#include "reports/problems_file.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/problem_box.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr reports::FontStyle kPrintFont{10};
// The lines above the rows of every page: the family, the date and page, an empty line, the
// headings and the dash line.
constexpr int kPageHeadLines = 5;
// The printed block keeps at most this much room on its left.
constexpr int kMostLeftMargin = 200;
// Where the columns of a row start, in characters of the file layout
// ("%4i %6i %c %c %-16s %s").
constexpr std::array<size_t, 6> kColumnStarts = {0, 5, 12, 14, 16, 33};

// The columns are laid out on a grid of the widest digit, so rows line up whatever the face;
// the spaces that right-align a number move it by whole cells, and a run of dashes under a
// heading is ruled across its column.
void DrawColumns(reports::ReportOutput& out, int left, int y, int cell, int line_height,
                 std::string_view line) {
  for (size_t c = 0; c < kColumnStarts.size() && kColumnStarts[c] < line.size(); ++c) {
    const size_t end = c + 1 < kColumnStarts.size() ? kColumnStarts[c + 1] : line.size();
    std::string_view field = line.substr(kColumnStarts[c], end - kColumnStarts[c]);
    const size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) continue;
    field = field.substr(first);
    field = field.substr(0, field.find_last_not_of(' ') + 1);
    const int x = left + static_cast<int>(kColumnStarts[c] + first) * cell;
    if (field.find_first_not_of('-') == std::string_view::npos) {
      const int width = static_cast<int>(field.size()) * cell - cell / 2;
      out.DrawLine(x, y + line_height / 2, x + width, y + line_height / 2);
    } else {
      out.DrawText(x, y, field);
    }
  }
}

}  // namespace

int ProduceProblemsPrint(reports::ReportOutput& out, const reports::ProblemList& list,
                         const std::string& tree) {
  out.SetFont(kPrintFont);
  const int line_height = std::max(1, out.TextHeight("Xg"));
  const int usable = out.PageHeight() - 4 * line_height;
  const int rows_per_page = std::max(1, usable / line_height - kPageHeadLines - 1);
  const auto pages = reports::ProblemsPrintPages(list, tree, out.report_date(), rows_per_page);
  if (out.text_mode()) {
    for (const auto& page : pages) {
      for (const std::string& line : page) out.WriteLine(line);
    }
    return static_cast<int>(pages.size());
  }
  int cell = 1;
  for (char digit : std::string_view("0123456789-x")) {
    cell = std::max(cell, out.TextWidth(std::string_view(&digit, 1)));
  }
  // The widest row: the columns up to the description, and the longest description.
  size_t longest = 0;
  for (const auto& page : pages) {
    for (const std::string& line : page) longest = std::max(longest, line.size());
  }
  const int block = static_cast<int>(longest) * cell;
  const int left = std::clamp((out.PageWidth() - block) / 2, 0, kMostLeftMargin);
  for (size_t p = 0; p < pages.size(); ++p) {
    out.StartPage(static_cast<int>(p + 1));
    int y = 0;
    for (size_t i = 0; i < pages[p].size(); ++i, y += line_height) {
      const std::string& line = pages[p][i];
      // The family and the date head the page as they stand.
      if (i < 2) {
        out.DrawText(left, y, line);
      } else {
        DrawColumns(out, left, y, cell, line_height, line);
      }
    }
  }
  return static_cast<int>(pages.size());
}

reports::ReportJob TProblemBox::PrintJob() const {
  return {"Potential Problems", false, [this, tree = TreeName()](reports::ReportOutput& out) {
            return ProduceProblemsPrint(out, list_, tree);
          }};
}

void TProblemBox::btnPrintClick() {
  const reports::ReportJob job = PrintJob();
  const std::string date = ReportDate();
  QPrinter printer;
  charts::PreparePrinter(printer, job);
  const int pages = charts::CountPages(printer, job, date);
  QPrintDialog dialog(&printer, this);
  dialog.setMinMax(1, std::max(1, pages));
  dialog.setFromTo(1, std::max(1, pages));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!charts::CheckPrinter(printer, tree_.ui())) return;
  reports::PageRange range;
  if (printer.printRange() == QPrinter::PageRange) range = {printer.fromPage(), printer.toPage()};
  if (const Status printed = charts::PrintReport(printer, job, range, date); !printed.ok()) {
    tree_.ui().Message(files::kReportNotSavedCaption,
                       "The list could not be printed:\n" + std::string(printed.message()),
                       platform::Icon::kExclamation);
  }
}

void TProblemBox::btnPdfClick() {
  const std::string folder = tree_.work().folders().my_files;
  const QString suggested = QString::fromStdString(
      files::JoinPath(folder, "Problems_" + tree_.work().session().tree_name + ".pdf"));
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as PDF"), suggested,
                                                    QStringLiteral("PDF files (*.pdf)"));
  if (path.isEmpty()) return;
  const Status written =
      charts::WritePdf(tree_.work().file_system(), path.toStdString(), PrintJob(), ReportDate());
  if (!written.ok()) {
    tree_.ui().Message(files::kReportNotSavedCaption,
                       "The PDF file could not be written:\n" + std::string(written.message()),
                       platform::Icon::kExclamation);
  }
}

}  // namespace kinloom::ui
