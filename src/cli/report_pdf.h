#pragma once

#include <string>

#include "cli/context.h"
#include "reports/report_job.h"

namespace kinloom::cli {

// A printed report as the command line asks for it: a list (its job is made by the caller) or
// one of the forms, named by its kind ("family", "pedigree", "person", "sources",
// "blank-family") and the record it is about.
struct PdfRequest {
  std::string path;
  std::string form;        // empty for a list
  int record = 0;          // the form's individual or family
  reports::ReportJob job;  // the list's job
};

// Writes the PDF file; an exit status.
int WriteReportPdf(Context& c, const PdfRequest& request, const std::string& report_date);

}  // namespace kinloom::cli
