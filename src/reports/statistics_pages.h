#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/statistics_restraints.h"
#include "store/record_store.h"

namespace kinloom::reports {

// The ten pages of the statistics window, in tab order.
enum class StatsPage : int {
  kOldestMen = 0,
  kOldestWomen,
  kNamesMen,
  kNamesWomen,
  kLastNames,
  kBirthPlaces,
  kDeathPlaces,
  kMarriagePlaces,
  kDates,
  kCounts,
};
inline constexpr int kStatsPageCount = 10;

// The page's name on the command line: "oldest-men", "oldest-women", "names-men",
// "names-women", "last-names", "birth-places", "death-places", "marriage-places", "dates",
// "counts".
std::string_view StatsPageName(StatsPage page);
std::optional<StatsPage> StatsPageFromName(std::string_view name);

// The record capacities the counts page measures the tree against.
inline constexpr int kAlbumCapacity = 104;

// One grid as the window shows it: row 0 holds the headings, every row has the grid's columns
// (cells without a value are empty).
struct StatsGrid {
  std::string name;  // "omGrid", "mnGrid", ..., "rcGrid", "icGrid", "acGrid"
  std::vector<std::vector<std::string>> rows;
};

struct StatsPageResult {
  StatsPage page = StatsPage::kOldestMen;
  std::vector<StatsGrid> grids;  // three on the counts page, one on the others
  // The figure of the page's "Records Checked: %i" memo. The dates and counts pages have no
  // memo; for them it is the number of people the update went through.
  int records_checked = 0;
  // Oldest pages: the individual of each row (index 0, the headings, and rows without a person
  // hold 0), for the double click and the person menu.
  std::vector<int> row_individuals;
  // Dates page: births, deaths and marriages per month, for its bar chart.
  std::array<std::array<int, 12>, 3> per_month{};
  // Counts page: the nine "ages reached" counters of men (0) and women (1), for its bar chart.
  std::array<std::array<int, 9>, 2> ages_reached{};
};

// Whether the page shows a "Records Checked: %i" memo (the first eight pages).
bool HasRecordsCheckedMemo(StatsPage page);
// "Records Checked: %i".
std::string RecordsCheckedText(int records_checked);

// "Update Chart" for the page showing: tabulates the people the restraints choose (marking the
// subtree again when they changed) and fills the page's grids. `album_count` is the number of
// albums of the tree, for the counts page. With no restraint box checked nothing is tabulated
// and the grids show their headings and ranks alone.
StatsPageResult UpdateStatistics(store::RecordStore& store, StatsRestraints& restraints,
                                 StatsPage page, int album_count);

}  // namespace kinloom::reports
