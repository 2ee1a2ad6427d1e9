#pragma once

#include <unordered_set>
#include <vector>

#include "core/chart_tree_layout.h"
#include "core/generation_walks.h"
#include "reports/wall_chart_options.h"
#include "store/record_store.h"

namespace kinloom::reports {

// The boxes of a wall chart, one list of nodes per generation from the root's column to the
// right, each with its row, and the lines that join a family to its children (in an ancestor
// chart: a person's parents' family to the parents) in the next column.
struct WallChartNodes {
  bool ancestors = false;
  core::DescendantChart chart;  // levels, node rows and total_rows; the column widths are unused
  std::vector<std::vector<core::ChartLink>> links;  // per level

  int levels() const { return static_cast<int>(chart.levels.size()); }
};

// Builds the node lists of the chart of `root` over options.generations generations. A
// descendant chart is the tree view's descendant chart (with its layout) of the root, cut at
// the last generation; an ancestor chart walks the birth parents, each person's box followed by
// an S node for the parents' family. A family met a second time, or one whose show/hide toggle
// is set, is collapsed: it shows "(Family Above)" instead of its children (or parents).
WallChartNodes BuildWallChartNodes(store::RecordStore& store, int root,
                                   const WallChartOptions& options,
                                   const std::unordered_set<int>& toggled_families = {});

inline constexpr std::string_view kWallChartCollapsedText = "(Family Above)";
inline constexpr std::string_view kWallChartUnknownSpouse = "Spouse Unknown";

// Rows of the drawing, from the cached texts: a person's box (a "Spouse Unknown" box is one
// row), the rows of an S node before its spouse box (the marriage row and the collapsed row),
// and the rows a node covers.
int WallChartBoxRows(const store::RecordStore& store, int individual);
int WallChartLeadRows(const store::RecordStore& store, const core::ChartNode& node);
int WallChartNodeRows(const store::RecordStore& store, const WallChartNodes& nodes,
                      const core::ChartNode& node);
// Whether an S node has a spouse box: always in a descendant chart, never in an ancestor chart.
inline bool HasSpouseBox(const WallChartNodes& nodes, const core::ChartNode& node) {
  return node.kind == 'S' && !nodes.ancestors;
}

}  // namespace kinloom::reports
