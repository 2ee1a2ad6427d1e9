#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "store/record_store.h"

namespace kinloom::core {

// ---- Top ancestor and the loop check ----
// The topmost ancestor on the first-parent line of `individual` (at most 999 steps). A parent
// met twice means an ancestry loop: the "*** Critical Error ***" warning names it and the walk
// stops at the last person reached.
int FindTopAncestor(store::RecordStore& store, int individual);

// ---- Graphical descendant chart ----
struct ChartNode {
  char kind = 'I';        // 'I' a descendant, 'S' a spouse of the I node before it
  int individual = 0;     // 0 for "Spouse Unknown"
  int family = 0;         // for S nodes
  int spouse_number = 0;  // 1, 2, ... for S nodes
  int child_number = 0;   // running number within the parent family, for I nodes
  int generation = 0;
  bool collapsed = false;  // S nodes: the family's children are not shown
  bool children_drawn = false;
  int row = 0;   // row position assigned by the layout
  int rows = 0;  // rows of the node's own box (person with spouses for I nodes)
};

struct DescendantChart {
  std::vector<std::vector<ChartNode>> levels;  // one node list per generation
  std::vector<int> column_widths;              // per level, in pixels
  std::vector<int> column_left;                // per level, in pixels
  int total_rows = 0;
  int shown_row = -1;  // row of the shown individual, to scroll it into view
  int top_row = -1;    // row of the top ancestor
};

// Settings the chart is built with.
struct DescendantChartOptions {
  int shown_individual = 0;
  // Families whose show/hide toggle the user has flipped with a right click.
  std::unordered_set<int> toggled_families;
  // The generations walked, the top one included (the wall chart's limit); 0 walks them all.
  int max_generations = 0;
};

inline constexpr std::string_view kCollapsedFamilyText = "(Right Click Here to Show Family)";

DescendantChart BuildDescendantChart(store::RecordStore& store, int top,
                                     const DescendantChartOptions& options);

// ---- Ancestor and descendant outlines ----
struct OutlineEntry {
  int individual = 0;
  char mark = 'I';  // 'M' father side, 'F' mother side, 'I' descendant, 'S' spouse
  int generation = 0;
  int line = 0;       // running line number
  uint64_t mask = 0;  // ancestor outline: bit g set when the connector at g continues
};

struct Outline {
  std::vector<OutlineEntry> entries;
  int generations = 0;  // depth used
  bool reached_maximum = false;
  std::string hint;  // the generation setting's hint
};

inline constexpr int kAncestorGenerationsMin = 3;
inline constexpr int kAncestorGenerationsDefault = 6;
inline constexpr int kDescendantGenerationsMin = 2;
inline constexpr int kDescendantGenerationsDefault = 6;
inline constexpr int kGenerationsMax = 34;
inline constexpr int kOutlineEntryLimit = 100000;
inline constexpr int kOutlineHintLimit = 90000;

// The ancestor outline of `individual` with up to `setting` generations (udChtAnc), the depth
// cut so that it never exceeds 100,000 entries.
Outline BuildAncestorOutline(store::RecordStore& store, int individual, int setting);
// The descendant outline (udChtDes).
Outline BuildDescendantOutline(store::RecordStore& store, int individual, int setting);
// The text drawn for an entry: label, "  (alias)", "   birth", "   death"; descendant entries
// start with "%i " (generation + 1) for I lines and "+  " for S lines.
std::string OutlineText(const store::RecordStore& store, const OutlineEntry& entry,
                        bool descendant);

// ---- Family view ----
struct FamilyViewBox {
  int individual = 0;
  int family = 0;  // the family that brings the box into the view, when any
  std::vector<std::string> lines;
};

struct FamilyView {
  FamilyViewBox person;
  std::vector<FamilyViewBox> spouses;   // in "1 FAMS" order
  std::vector<FamilyViewBox> children;  // of those families, in "1 CHIL" order
};

FamilyView BuildFamilyView(store::RecordStore& store, int individual);

}  // namespace kinloom::core
