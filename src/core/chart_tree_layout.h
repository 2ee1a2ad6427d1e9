#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "core/generation_walks.h"
#include "store/record_store.h"

namespace kinloom::core {

// The line from a family to its children: from the family's first row in the parents' column
// to a bus that spans the children's name rows.
struct ChartLink {
  int parent_row = 0;
  int first_row = 0;
  int last_row = 0;
  int top() const { return std::min(parent_row, first_row); }
  int bottom() const { return std::max(parent_row, last_row); }
};

struct ChartNodeRef {
  int level = -1;
  int index = -1;
  bool valid() const { return level >= 0; }
};

// The built descendant chart with what drawing and clicking need: which nodes and links lie in
// a range of rows (found by bisection, since each level's nodes come in row order), and which
// node lies under a point.
class ChartTreeLayout {
 public:
  void Build(const store::RecordStore& store, core::DescendantChart chart);

  const core::DescendantChart& chart() const { return chart_; }
  const core::ChartNode& node(ChartNodeRef ref) const;
  int levels() const { return static_cast<int>(chart_.levels.size()); }
  int width() const;
  int rows() const { return chart_.total_rows; }

  // The rows of a person's own box ("Spouse Unknown" takes one).
  int BoxRows(int individual) const;
  // The rows a node covers itself: an I node its own box, an S node its marriage rows and box.
  int NodeRows(const core::ChartNode& node) const;
  // Rows of an S node before the spouse's box: the marriage row and the collapsed row.
  int LeadRows(const core::ChartNode& node) const;

  // The node index range [first, end) of a level that meets rows first_row..last_row.
  std::pair<int, int> NodesInRows(int level, int first_row, int last_row) const;
  // The link index range of a parent level whose lines meet rows first_row..last_row.
  std::pair<int, int> LinksInRows(int level, int first_row, int last_row) const;
  const std::vector<ChartLink>& links(int level) const { return links_[level]; }

  // The node at horizontal position x (content pixels from the chart's left) and `row`.
  ChartNodeRef NodeAt(int x, int row) const;
  // The shown person's node: their descendant box, else a spouse box.
  ChartNodeRef FindPerson(int individual) const;

 private:
  void BuildLinks();
  int DrawnChildren(int family) const;

  const store::RecordStore* store_ = nullptr;
  core::DescendantChart chart_;
  std::vector<std::vector<ChartLink>> links_;
};

}  // namespace kinloom::core
