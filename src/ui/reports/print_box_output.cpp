#include "ui/reports/print_box_output.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "charts/report_printing.h"
#include "files/data_folders.h"
#include "files/tree_workspace.h"
#include "platform/interaction.h"
#include "reports/page_header.h"

namespace kinloom::ui {

namespace {

constexpr std::string_view kCriticalCaption = "*** Critical Error ***";

bool ShowPrintDialog(QWidget* parent, QPrinter& printer, int pages) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog.setMinMax(1, std::max(1, pages));
  dialog.setFromTo(1, std::max(1, pages));
  return dialog.exec() == QDialog::Accepted;
}

QString AskPdfFile(QWidget* parent, const QString& suggested) {
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Save as PDF"), suggested,
                                      QStringLiteral("PDF files (*.pdf)"));
}

}  // namespace

ReportPrompts DefaultReportPrompts() {
  return {ShowPrintDialog, AskPdfFile};
}

std::string TodaysReportDate(files::TreeWorkspace& work, platform::Interaction& ui) {
  return reports::ReportDate(ui.clock().Now(), work.program_settings().date_display());
}

ReportOutlet::ReportOutlet(QWidget& parent, files::TreeWorkspace& work, platform::Interaction& ui)
    : parent_(parent), work_(work), ui_(ui), prompts_(DefaultReportPrompts()) {}

bool ReportOutlet::Print(const reports::ReportJob& job) {
  const std::string date = TodaysReportDate(work_, ui_);
  QPrinter printer(QPrinter::HighResolution);
  charts::PreparePrinter(printer, job);
  const int pages = charts::CountPages(printer, job, date);
  if (!prompts_.print(&parent_, printer, pages)) return false;
  if (!charts::CheckPrinter(printer, ui_)) return false;
  reports::PageRange range;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    range = {printer.fromPage(), std::max(printer.fromPage(), printer.toPage())};
  }
  const Status printed = charts::PrintReport(printer, job, range, date);
  if (!printed.ok()) {
    ui_.Message(kCriticalCaption, printed.message(), platform::Icon::kStop);
    return false;
  }
  return true;
}

QString ReportOutlet::SaveAsPdf(const reports::ReportJob& job, const QString& file_name) {
  const QString folder = QString::fromStdString(work_.folders().my_files);
  QString path =
      prompts_.pdf_file(&parent_, folder.isEmpty() ? file_name : folder + u'/' + file_name);
  if (path.isEmpty()) return {};
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  const Status written =
      charts::WritePdf(work_.file_system(), path.toStdString(), job, TodaysReportDate(work_, ui_));
  if (!written.ok()) {
    ui_.Message(kCriticalCaption, "The PDF file could not be saved:\n" + written.message(),
                platform::Icon::kStop);
    return {};
  }
  return path;
}

}  // namespace kinloom::ui
