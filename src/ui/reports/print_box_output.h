#pragma once

#include <QString>
#include <functional>
#include <string>

#include "reports/report_job.h"

class QPrinter;
class QWidget;

namespace kinloom::files {
class TreeWorkspace;
}
namespace kinloom::platform {
class Interaction;
}

namespace kinloom::ui {

// The dialogs a report goes through on its way out; tests answer them.
struct ReportPrompts {
  // The print dialog on the prepared printer, offering pages 1 to `pages` (its file output
  // writes a PDF). False when cancelled.
  std::function<bool(QWidget* parent, QPrinter& printer, int pages)> print;
  // The PDF file to write, starting from `suggested`; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& suggested)> pdf_file;
};

// The print dialog and the file dialog.
ReportPrompts DefaultReportPrompts();

// Today in the user's report date format.
std::string TodaysReportDate(files::TreeWorkspace& work, platform::Interaction& ui);

// Where a report window sends its reports: the prompts, the workspace and the interaction layer.
class ReportOutlet {
 public:
  ReportOutlet(QWidget& parent, files::TreeWorkspace& work, platform::Interaction& ui);

  ReportPrompts& prompts() { return prompts_; }

  // Counts the pages, shows the print dialog with its page range and prints the pages chosen
  // (or writes them as PDF, the dialog's file output). The no-printer message comes only when a
  // printer that is not there was picked. False when nothing was printed.
  bool Print(const reports::ReportJob& job);
  // Asks for a file (in "My Files", named `file_name`) and writes the whole report as PDF;
  // the path written, or empty when cancelled or failed (the failure is reported).
  QString SaveAsPdf(const reports::ReportJob& job, const QString& file_name);

 private:
  QWidget& parent_;
  files::TreeWorkspace& work_;
  platform::Interaction& ui_;
  ReportPrompts prompts_;
};

}  // namespace kinloom::ui
