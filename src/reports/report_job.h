#pragma once

#include <functional>
#include <string>
#include <vector>

#include "reports/report_output.h"

namespace kinloom::reports {

// A printable report: the name of the printed document, whether its pages lie in landscape,
// and the producer that lays it out on an output (returning the page number it reached). The
// same job is counted, printed, written as a PDF file and, when it has a text form, saved.
struct ReportJob {
  std::string document_name;
  bool landscape = false;
  std::function<int(ReportOutput&)> produce;
};

// The number of pages the job fills on a surface: the producer run in count mode.
int CountPages(const ReportJob& job, PageSurface& surface, const std::string& report_date);

// Prints the pages of the range onto the surface and ends its document; returns the number of
// sheets sent (0 when the range holds no page of the report).
int PrintPages(const ReportJob& job, PageSurface& surface, PageRange range,
               const std::string& report_date);

// The job's text form, line by line (Windows-1252, without line ends).
std::vector<std::string> ReportTextLines(const ReportJob& job, const std::string& report_date);

}  // namespace kinloom::reports
