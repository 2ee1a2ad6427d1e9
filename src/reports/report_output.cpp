#include "reports/report_output.h"

#include <utility>

namespace kinloom::reports {

ReportOutput::ReportOutput(OutputMode mode, PageSurface* surface, TextSink* text, PageRange range,
                           std::string report_date)
    : mode_(mode),
      surface_(surface),
      text_(text),
      range_(range),
      report_date_(std::move(report_date)) {}

ReportOutput ReportOutput::Count(PageSurface& surface, std::string report_date) {
  return ReportOutput(OutputMode::kCount, &surface, nullptr, PageRange{}, std::move(report_date));
}

ReportOutput ReportOutput::Print(PageSurface& surface, PageRange range, std::string report_date) {
  return ReportOutput(OutputMode::kPrint, &surface, nullptr, range, std::move(report_date));
}

ReportOutput ReportOutput::Text(TextSink& sink, std::string report_date) {
  return ReportOutput(OutputMode::kText, nullptr, &sink, PageRange{}, std::move(report_date));
}

void ReportOutput::WriteLine(std::string_view line) {
  if (text_ != nullptr) text_->Line(line);
}

int ReportOutput::PageWidth() const {
  return surface_ != nullptr ? surface_->PageWidth() : 0;
}

int ReportOutput::PageHeight() const {
  return surface_ != nullptr ? surface_->PageHeight() : 0;
}

void ReportOutput::SetFont(const FontStyle& font) {
  if (surface_ != nullptr) surface_->SetFont(font);
}

int ReportOutput::TextHeight(std::string_view text) {
  return surface_ != nullptr ? surface_->TextHeight(text) : 1;
}

int ReportOutput::TextWidth(std::string_view text) {
  return surface_ != nullptr ? surface_->TextWidth(text) : static_cast<int>(text.size());
}

void ReportOutput::SetPenWidth(int width) {
  if (surface_ != nullptr) surface_->SetPenWidth(width);
}

void ReportOutput::DrawText(int x, int y, std::string_view text) {
  if (drawing_) surface_->DrawText(x, y, text);
}

void ReportOutput::DrawLine(int x1, int y1, int x2, int y2) {
  if (drawing_) surface_->DrawLine(x1, y1, x2, y2);
}

void ReportOutput::FillRect(int x, int y, int width, int height, int grey) {
  if (drawing_) surface_->FillRect(x, y, width, height, grey);
}

void ReportOutput::StartPage(int page) {
  drawing_ = mode_ == OutputMode::kPrint && range_.Contains(page);
  if (!drawing_) return;
  surface_->StartPage();
  ++sheets_;
}

void ReportOutput::Finish() {
  drawing_ = false;
  if (sheets_ > 0) surface_->Finish();
}

}  // namespace kinloom::reports
