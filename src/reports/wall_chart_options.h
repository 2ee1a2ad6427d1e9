#pragma once

#include <string>
#include <string_view>

#include "store/record_store.h"

namespace kinloom::reports {

// What the "Wall Chart" page of the reports window sets for a wall chart.
inline constexpr int kWallChartGenerationsMin = 2;
inline constexpr int kWallChartGenerationsMax = 12;
inline constexpr int kWallChartGenerationsDefault = 6;

// The faces the options name. The chart draws them with the sans-serif and serif faces that
// are installed.
inline constexpr std::string_view kGothicFace = "Arial";
inline constexpr std::string_view kRomanFace = "Times New Roman";

// The title's face as the font dialog gives it: the size is worked out from the chart's width.
struct WallChartTitleFont {
  std::string face = std::string(kGothicFace);
  bool bold = true;
  bool italic = false;
};

struct WallChartOptions {
  int generations = kWallChartGenerationsDefault;  // 2 to 12
  std::string title;                               // Windows-1252
  WallChartTitleFont title_font;
  bool ancestors = false;        // "Wall Chart of Ancestors", else of descendants
  bool show_places = true;       // "Show Names of Places"
  bool show_id_numbers = false;  // "Show ID No on Wall Chart"
  bool bold_members = false;     // "Show Family Members Bold"
  bool bold_spouses = false;     // "Show Spouses in Bold Text" (descendant charts)
  bool show_pictures = false;    // a small picture of each person who has one
  bool roman = false;            // body font "Roman", else "Gothic"
};

// "Arial" for Gothic, "Times New Roman" for Roman.
std::string_view BodyFace(const WallChartOptions& options);
// Chooses the body font; a title in the other one of the two faces follows it.
void ChooseBodyFont(WallChartOptions& options, bool roman);
// Spouses are bold only in descendant charts (an ancestor chart names no spouses).
inline bool SpousesBold(const WallChartOptions& options) {
  return options.bold_spouses && !options.ancestors;
}

// "WallChart_" + the root's surname and title (at most 20 characters) + "_" + the root's
// number, without the extension, as a file name (UTF-8; a character a file name cannot hold
// becomes "_").
std::string WallChartFileStem(const store::RecordStore& store, int root);
// The title the page offers for a root: "Descendants of Given Surname" or "Ancestors of ...".
std::string DefaultWallChartTitle(const store::RecordStore& store, int root, bool ancestors);

// Messages of the chart's creation.
inline constexpr std::string_view kWallChartProgressCaption = " Wall Chart";
inline constexpr std::string_view kWallChartProgressText = "Wall Chart Creation in Progress";
inline constexpr std::string_view kWallChartTooSmallCaption = "Wall Chart Too Small";
inline constexpr std::string_view kWallChartTooSmallText =
    "The wall chart must include between\ntwo and twelve generations.";
inline constexpr std::string_view kWallChartTooLargeCaption = "Out of Memory";
inline constexpr std::string_view kWallChartTooLargeText =
    "The wall chart is too large.\nTry a smaller family tree.";

}  // namespace kinloom::reports
