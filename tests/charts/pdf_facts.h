#pragma once

#include <cstdlib>
#include <set>
#include <string>
#include <utility>

// What a test can read from a PDF file the program wrote, without a PDF library: the page
// count of the page tree, the first page's size and the fonts.
namespace kinloom::testing {

inline int PdfPageCount(const std::string& pdf) {
  const size_t pages = pdf.find("/Type /Pages");
  if (pages == std::string::npos) return 0;
  const size_t count = pdf.find("/Count ", pages);
  return count == std::string::npos ? 0 : std::atoi(pdf.c_str() + count + 7);
}

// The width and height of the first page's MediaBox, in points (0 x 0 without one).
inline std::pair<double, double> PdfPageSize(const std::string& pdf) {
  const size_t box = pdf.find("/MediaBox [");
  if (box == std::string::npos) return {0, 0};
  char* end = nullptr;
  std::strtod(pdf.c_str() + box + 11, &end);
  std::strtod(end, &end);
  const double width = std::strtod(end, &end);
  return {width, std::strtod(end, &end)};
}

// Whether the first page is wider than high.
inline bool PdfLandscape(const std::string& pdf) {
  const auto [width, height] = PdfPageSize(pdf);
  return width > height;
}

inline std::set<std::string> PdfFonts(const std::string& pdf) {
  std::set<std::string> fonts;
  for (size_t at = pdf.find("/BaseFont /"); at != std::string::npos;
       at = pdf.find("/BaseFont /", at + 1)) {
    const size_t start = at + 11;
    fonts.insert(pdf.substr(start, pdf.find_first_of(" \n\r/>", start) - start));
  }
  return fonts;
}

}  // namespace kinloom::testing
