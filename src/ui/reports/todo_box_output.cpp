// What the to-do window writes beside its lists: the memo, the saved file and the printout.
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include "charts/report_printing.h"
#include "files/report_files.h"
#include "reports/page_header.h"
#include "reports/report_output.h"
#include "reports/todo_lists.h"
#include "reports/todo_output.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/todo_box.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr reports::FontStyle kHeadingFont{.points = 12, .bold = true};
constexpr reports::FontStyle kLineFont{.points = 10};
constexpr reports::FontStyle kFooterFont{.points = 8};

// The list's lines on pages: the heading "To Do: <tab>" with a rule below it at the top of
// each, and "<date> -- Page: n" at the foot. The lines after the title line are the saved
// file's.
int PrintLines(reports::ReportOutput& out, const std::string& heading,
               const std::vector<std::string>& lines) {
  out.SetFont(kLineFont);
  const int h = out.TextHeight("X");
  const int line_skip = h * 3 / 2;
  const int margin = 2 * h;
  const int foot = out.PageHeight() - margin;
  int page = 0;
  int y = 0;
  const auto start_page = [&] {
    out.StartPage(++page);
    out.SetFont(kHeadingFont);
    out.DrawText(margin, margin, heading);
    y = margin + 2 * line_skip;
    out.SetPenWidth(4);
    out.DrawLine(margin, y - line_skip / 2, out.PageWidth() - margin, y - line_skip / 2);
    out.SetFont(kFooterFont);
    const std::string footer = out.report_date() + " -- Page: " + std::to_string(page);
    out.DrawText(out.PageWidth() - margin - out.TextWidth(footer), foot, footer);
    out.SetFont(kLineFont);
  };
  start_page();
  for (size_t i = 1; i < lines.size(); ++i) {
    if (y + line_skip > foot - line_skip) start_page();
    out.DrawText(margin, y, lines[i]);
    y += line_skip;
  }
  return page;
}

}  // namespace

std::string TToDoBox::ReportDate() const {
  return reports::ReportDate(tree_.ui().clock().Now(),
                             tree_.work().program_settings().date_display());
}

reports::ReportJob TToDoBox::PrintJob() const {
  const int shown = list();
  std::vector<std::string> lines = reports::ToDoListLines(tree_.store(), shown);
  const std::string heading = reports::ToDoPrintHeading(shown);
  return reports::ReportJob{heading, false, [lines, heading](reports::ReportOutput& out) {
                              if (out.text_mode()) {
                                for (const std::string& line : lines) out.WriteLine(line);
                                return 1;
                              }
                              return PrintLines(out, heading, lines);
                            }};
}

void TToDoBox::btnMemoClick() {
  std::string path;
  const Status made =
      reports::EnsureToDoMemo(tree_.work().file_system(), tree_.work().folders().gedcom, &path);
  if (!made.ok()) {
    tree_.ui().Message("*** Warning ***", made.message(), platform::Icon::kExclamation);
    return;
  }
  if (!open_url(QUrl::fromLocalFile(QString::fromStdString(path)))) {
    tree_.ui().Message("*** Warning ***", "No program is set up to open the memo file:\n" + path,
                       platform::Icon::kExclamation);
  }
}

void TToDoBox::btnSaveClick() {
  CommitDescription();
  const int shown = list();
  files::ReportSaveContext context{tree_.ui(), tree_.work().file_system(),
                                   tree_.work().folders().my_files,
                                   tree_.work().program_settings()};
  const std::string my_files = context.my_files;
  const files::ReportSaveQuestion question{
      std::string(reports::kToDoSaveCaption),
      [shown](int counter) { return reports::ToDoFileName(shown, counter); },
      [shown, my_files](std::string_view file_name) {
        return reports::ToDoSaveQuestionStart(shown, file_name) +
               files::MyFilesQuestionTail(my_files);
      }};
  const files::SavedReport saved = files::SaveTextReport(context, question, [this, shown] {
    return reports::TextReport{reports::ToDoListLines(tree_.store(), shown), true};
  });
  if (saved.outcome == files::SaveOutcome::kSaved) tree_.UpdateCaption();
}

void TToDoBox::btnPrintClick() {
  CommitDescription();
  const reports::ReportJob job = PrintJob();
  const std::string date = ReportDate();
  QPrinter printer;
  charts::PreparePrinter(printer, job);
  const int pages = charts::CountPages(printer, job, date);
  QPrintDialog dialog(&printer, this);
  dialog.setMinMax(1, std::max(pages, 1));
  dialog.setFromTo(1, std::max(pages, 1));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!charts::CheckPrinter(printer, tree_.ui())) return;
  reports::PageRange range;
  if (printer.printRange() == QPrinter::PageRange) {
    range = {printer.fromPage(), printer.toPage()};
  }
  const Status printed = charts::PrintReport(printer, job, range, date);
  if (!printed.ok()) {
    tree_.ui().Message("*** Warning ***", printed.message(), platform::Icon::kExclamation);
  }
}

void TToDoBox::btnPdfClick() {
  CommitDescription();
  const int shown = list();
  const QString suggested =
      QString::fromStdString(tree_.work().folders().my_files) + QStringLiteral("/ToDo_") +
      FromAnsi(std::string(reports::ToDoTabName(shown))) + QStringLiteral(".pdf");
  const QString path = pdf_path(this, suggested);
  if (path.isEmpty()) return;
  const Status written =
      charts::WritePdf(tree_.work().file_system(), path.toStdString(), PrintJob(), ReportDate());
  if (!written.ok()) {
    tree_.ui().Message("*** Warning ***", "The file could not be saved:\n" + written.message(),
                       platform::Icon::kExclamation);
  }
}

}  // namespace kinloom::ui
