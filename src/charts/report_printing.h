#pragma once

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/interaction.h"
#include "platform/status.h"
#include "reports/report_job.h"

namespace kinloom::charts {

// The margin around every printed page, in millimetres.
inline constexpr double kPageMarginMm = 12.7;

// The paper of the user's country: Letter where inches are used, else A4.
QPageSize DefaultPaper();

// Readies a printer for a job: the job's orientation, the margins and the document name. The
// paper stays the printer's own (or the one chosen in the print dialog).
void PreparePrinter(QPrinter& printer, const reports::ReportJob& job);

// The message shown when the printer picked in the print dialog is not there. Saving as PDF
// (the dialog's file output) needs no printer and never shows it.
inline constexpr std::string_view kNoPrinterCaption = " No Printer Available";
inline constexpr std::string_view kNoPrinterText = "Printer is not connected or not installed.";

// Whether the printer can print: PDF output always can; a printer of the system only when it
// is installed. When it cannot, the message above is shown (with a warning icon) and false
// returned.
bool CheckPrinter(const QPrinter& printer, platform::Interaction& ui);

// The number of pages the job fills on the prepared printer (nothing is printed). The print
// dialog offers pages 1 to this number.
int CountPages(QPrinter& printer, const reports::ReportJob& job, const std::string& report_date);

// Prints the pages of the range on the prepared printer. A printer that cannot be painted on
// is an error; *sheets (when given) is the number of sheets sent.
[[nodiscard]] Status PrintReport(QPrinter& printer, const reports::ReportJob& job,
                                 reports::PageRange range, const std::string& report_date,
                                 int* sheets = nullptr);

// How a PDF file is made: its paper and the pages wanted.
struct PdfOptions {
  QPageSize paper = DefaultPaper();
  reports::PageRange range;
};

// Writes the job as a PDF file, in the job's orientation, through a temporary file that
// replaces `path` only when complete. Needs no printer. *pages (when given) is the number of
// pages written.
[[nodiscard]] Status WritePdf(platform::FileSystem& file_system, const std::string& path,
                              const reports::ReportJob& job, const std::string& report_date,
                              const PdfOptions& options = {}, int* pages = nullptr);

// A program without windows (the command-line tool, tests) needs a Qt Gui application for
// fonts and painting: this makes one on the offscreen platform when none exists yet, and
// returns it (null when one exists).
std::unique_ptr<QGuiApplication> MakeOffscreenApplication();

}  // namespace kinloom::charts
