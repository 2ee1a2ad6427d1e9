#include "reports/wall_chart_options.h"

#include "reports/report_text.h"
#include "store/names.h"

namespace kinloom::reports {
namespace {

constexpr size_t kSurnameCharacters = 20;

}  // namespace

std::string_view BodyFace(const WallChartOptions& options) {
  return options.roman ? kRomanFace : kGothicFace;
}

void ChooseBodyFont(WallChartOptions& options, bool roman) {
  const std::string_view other = roman ? kGothicFace : kRomanFace;
  if (options.title_font.face == other) options.title_font.face = roman ? kRomanFace : kGothicFace;
  options.roman = roman;
}

std::string WallChartFileStem(const store::RecordStore& store, int root) {
  std::string surname = store::SurnameAndTitle(store, root).substr(0, kSurnameCharacters);
  // A title such as "1/2" must not make a folder of the name.
  for (char& c : surname) {
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
  }
  return "WallChart_" + AnsiToUtf8(surname) + "_" + std::to_string(root);
}

std::string DefaultWallChartTitle(const store::RecordStore& store, int root, bool ancestors) {
  std::string name = store::FullName(store, root);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return (ancestors ? "Ancestors of " : "Descendants of ") + name;
}

}  // namespace kinloom::reports
