// The command-line tool built without the Qt printing library.
#include "cli/commands.h"
#include "cli/report_pdf.h"

namespace kinloom::cli {

int WriteReportPdf(Context& c, const PdfRequest&, const std::string&) {
  c.err << "kinloom-cli: this build writes no PDF files (it was made without Qt)\n";
  return kExitUsage;
}

}  // namespace kinloom::cli
