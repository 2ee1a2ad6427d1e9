#include "core/chart_tree_layout.h"

#include <algorithm>

#include "store/line_search.h"

namespace kinloom::core {
namespace {

constexpr int kPresentWidth = 5;

}  // namespace

void ChartTreeLayout::Build(const store::RecordStore& store, core::DescendantChart chart) {
  store_ = &store;
  chart_ = std::move(chart);
  BuildLinks();
}

const core::ChartNode& ChartTreeLayout::node(ChartNodeRef ref) const {
  return chart_.levels[static_cast<size_t>(ref.level)][static_cast<size_t>(ref.index)];
}

int ChartTreeLayout::width() const {
  if (chart_.column_left.empty()) return 0;
  return chart_.column_left.back() + chart_.column_widths.back();
}

int ChartTreeLayout::BoxRows(int individual) const {
  const store::IndividualRecord* person = store_->individual(individual);
  if (individual == 0 || person == nullptr) return 1;
  return std::max<int>(1, person->boxLines);
}

int ChartTreeLayout::LeadRows(const core::ChartNode& node) const {
  if (node.kind != 'S') return 0;
  const store::FamilyRecord* family = store_->family(node.family);
  const int marriage = family != nullptr && family->marriageWidth > kPresentWidth ? 1 : 0;
  return marriage + (node.collapsed ? 1 : 0);
}

int ChartTreeLayout::NodeRows(const core::ChartNode& node) const {
  return LeadRows(node) + BoxRows(node.individual);
}

// The chart walks children with a record in "1 CHIL" order, one node each.
int ChartTreeLayout::DrawnChildren(int family) const {
  const store::FamilyRecord* record = store_->family(family);
  if (record == nullptr) return 0;
  int count = 0;
  for (const store::LineNode* line = store::FindTagLine(record->lines, "1 CHIL"); line != nullptr;
       line = store::FindTagLine(line->next, "1 CHIL")) {
    const int child = store::XrefNumber(line->text());
    if (child != 0 && store_->individual(child) != nullptr) ++count;
  }
  return count;
}

// The walk is depth first, so the children of a level's families follow each other in the
// next level in the order of those families.
void ChartTreeLayout::BuildLinks() {
  links_.assign(chart_.levels.size(), {});
  for (size_t level = 0; level + 1 < chart_.levels.size(); ++level) {
    const auto& children = chart_.levels[level + 1];
    size_t cursor = 0;
    for (const core::ChartNode& parent : chart_.levels[level]) {
      if (parent.kind != 'S' || !parent.children_drawn) continue;
      ChartLink link;
      link.parent_row = parent.row;
      int remaining = DrawnChildren(parent.family);
      bool first = true;
      for (; cursor < children.size() && remaining > 0; ++cursor) {
        if (children[cursor].kind != 'I') continue;
        if (first) link.first_row = children[cursor].row;
        link.last_row = children[cursor].row;
        first = false;
        --remaining;
      }
      if (!first) links_[level].push_back(link);
    }
  }
}

std::pair<int, int> ChartTreeLayout::NodesInRows(int level, int first_row, int last_row) const {
  const auto& nodes = chart_.levels[static_cast<size_t>(level)];
  auto it = std::upper_bound(nodes.begin(), nodes.end(), first_row,
                             [](int row, const core::ChartNode& n) { return row < n.row; });
  while (it != nodes.begin() && (it - 1)->row + NodeRows(*(it - 1)) > first_row) --it;
  auto end = std::upper_bound(it, nodes.end(), last_row,
                              [](int row, const core::ChartNode& n) { return row < n.row; });
  return {static_cast<int>(it - nodes.begin()), static_cast<int>(end - nodes.begin())};
}

std::pair<int, int> ChartTreeLayout::LinksInRows(int level, int first_row, int last_row) const {
  const auto& links = links_[static_cast<size_t>(level)];
  auto it = std::partition_point(links.begin(), links.end(),
                                 [&](const ChartLink& l) { return l.bottom() < first_row; });
  auto end = it;
  while (end != links.end() && end->top() <= last_row) ++end;
  return {static_cast<int>(it - links.begin()), static_cast<int>(end - links.begin())};
}

ChartNodeRef ChartTreeLayout::NodeAt(int x, int row) const {
  for (int level = 0; level < levels(); ++level) {
    const int left = chart_.column_left[static_cast<size_t>(level)];
    if (x < left || x >= left + chart_.column_widths[static_cast<size_t>(level)]) continue;
    const auto [first, end] = NodesInRows(level, row, row);
    for (int i = first; i < end; ++i) {
      const core::ChartNode& n = chart_.levels[static_cast<size_t>(level)][static_cast<size_t>(i)];
      if (row >= n.row && row < n.row + NodeRows(n)) return {level, i};
    }
  }
  return {};
}

ChartNodeRef ChartTreeLayout::FindPerson(int individual) const {
  for (char kind : {'I', 'S'}) {
    for (int level = 0; level < levels(); ++level) {
      const auto& nodes = chart_.levels[static_cast<size_t>(level)];
      for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].kind == kind && nodes[i].individual == individual) {
          return {level, static_cast<int>(i)};
        }
      }
    }
  }
  return {};
}

}  // namespace kinloom::core
