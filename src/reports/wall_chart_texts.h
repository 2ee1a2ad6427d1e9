#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "reports/wall_chart_options.h"
#include "store/record_store.h"

namespace kinloom::reports {

// The width in pixels of a chart text (Windows-1252) in the chart's body font at its largest
// size, 20.
using WallChartTextWidth = std::function<int(std::string_view text)>;

// The name a box shows: "Given Surname", and " (12)" after it when ID numbers are shown.
std::string WallChartName(const store::RecordStore& store, int individual, bool id_numbers);

// A line of the chart for the first of up to three events (record order): the prefix and the
// date, then with places ",  " and the place (the place alone after the prefix when there is
// no date). Empty when the event has neither.
std::string WallChartEventText(store::LineNode* first, std::string_view prefix,
                               std::string_view tag1, std::string_view tag2, std::string_view tag3,
                               bool places);

// Rewrites the cached chart texts of every person and family in the wall chart's form: the
// name, "b. " from BIRT, BAPM or CHR, "d. " from DEAT, BURI or CREM, "m. " from MARR, MARC or
// MARL; without places birth and death share the first line, three spaces apart. Widths come
// from `width`, and a text of 5 pixels or less takes no row. Box and block rows follow, with
// six-row boxes for people with a chart picture when the store shows pictures.
void BuildWallChartTexts(store::RecordStore& store, const WallChartOptions& options,
                         const WallChartTextWidth& width);

// Holds the cached texts in the wall chart's form for its lifetime, with pictures shown as the
// options say; at its end the tree view's picture setting comes back and every text is rebuilt
// for the main window.
class WallChartTextScope {
 public:
  WallChartTextScope(store::RecordStore& store, const WallChartOptions& options,
                     const WallChartTextWidth& width);
  ~WallChartTextScope();
  WallChartTextScope(const WallChartTextScope&) = delete;
  WallChartTextScope& operator=(const WallChartTextScope&) = delete;

 private:
  store::RecordStore& store_;
  bool tree_view_pictures_;
};

}  // namespace kinloom::reports
