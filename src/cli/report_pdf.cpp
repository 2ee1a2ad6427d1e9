// PDF files of the reports and forms, drawn on the offscreen platform: no display is needed.
#include "cli/report_pdf.h"

#include <QGuiApplication>
#include <memory>

#include "charts/forms.h"
#include "charts/report_printing.h"
#include "cli/commands.h"

namespace kinloom::cli {
namespace {

reports::ReportJob FormJob(Context& c, const PdfRequest& request) {
  if (request.form == "family") return charts::FamilyGroupSheetJob(c.tree, request.record);
  if (request.form == "pedigree") return charts::PedigreeChartJob(c.tree, request.record);
  if (request.form == "person") return charts::PersonDetailsJob(c.tree, request.record);
  if (request.form == "sources") return charts::SourceListJob(c.tree);
  return charts::BlankFamilyGroupSheetJob();
}

}  // namespace

int WriteReportPdf(Context& c, const PdfRequest& request, const std::string& report_date) {
  // Fonts and painting need an application; it goes with the file written.
  const std::unique_ptr<QGuiApplication> application = charts::MakeOffscreenApplication();
  const reports::ReportJob job = request.form.empty() ? request.job : FormJob(c, request);
  platform::LocalFileSystem file_system;
  const Status written = charts::WritePdf(file_system, request.path, job, report_date);
  if (!written.ok()) {
    c.ui.Message("*** Critical Error ***", "The file could not be saved:\n" + written.message(),
                 platform::Icon::kStop);
    return kExitCannotWrite;
  }
  return kExitOk;
}

}  // namespace kinloom::cli
