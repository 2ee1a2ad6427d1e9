#include "reports/report_job.h"

namespace kinloom::reports {

int CountPages(const ReportJob& job, PageSurface& surface, const std::string& report_date) {
  ReportOutput out = ReportOutput::Count(surface, report_date);
  return job.produce(out);
}

int PrintPages(const ReportJob& job, PageSurface& surface, PageRange range,
               const std::string& report_date) {
  ReportOutput out = ReportOutput::Print(surface, range, report_date);
  job.produce(out);
  out.Finish();
  return out.sheets();
}

std::vector<std::string> ReportTextLines(const ReportJob& job, const std::string& report_date) {
  TextLines lines;
  ReportOutput out = ReportOutput::Text(lines, report_date);
  job.produce(out);
  return std::move(lines.lines());
}

}  // namespace kinloom::reports
