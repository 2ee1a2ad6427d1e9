#include "reports/wall_chart_nodes.h"

#include <algorithm>
#include <cstdint>

#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::reports {
namespace {

using core::ChartNode;

constexpr int kPresentWidth = 5;

// The next level's nodes that an I node's parents (with their own S nodes) occupy: the walk is
// depth first, so they lie together.
struct Span {
  int first_child = 0;
  int end_child = 0;
  int children_rows = 0;
  int height = 0;
  int start = 0;
};

WallChartNodes DescendantNodes(store::RecordStore& store, int root, int generations,
                               const std::unordered_set<int>& toggled) {
  core::DescendantChartOptions options;
  options.shown_individual = root;
  options.toggled_families = toggled;
  options.max_generations = generations;
  core::ChartTreeLayout layout;
  layout.Build(store, core::BuildDescendantChart(store, root, options));
  WallChartNodes nodes;
  nodes.chart = layout.chart();
  for (int level = 0; level < layout.levels(); ++level) nodes.links.push_back(layout.links(level));
  return nodes;
}

// The family whose marriage an ancestor's S node shows: the birth family, else the first
// parent family with a record.
int ParentFamilyOf(store::RecordStore& store, int person) {
  const core::BirthFamc birth = core::FindBirthFamc(store, person, false);
  if (birth.family != 0 && store.family(birth.family) != nullptr) return birth.family;
  const store::IndividualRecord* record = store.individual(person);
  for (const store::LineNode* line = store::FindTagLine(record->lines, "1 FAMC"); line != nullptr;
       line = store::FindTagLine(line->next, "1 FAMC")) {
    const int family = store::XrefNumber(line->text());
    if (store.family(family) != nullptr) return family;
  }
  return 0;
}

class AncestorChartBuilder {
 public:
  AncestorChartBuilder(store::RecordStore& store, int generations,
                       const std::unordered_set<int>& toggled, WallChartNodes& nodes)
      : store_(store),
        deepest_(generations - 1),
        toggled_(toggled),
        nodes_(nodes),
        walk_(store.NewWalkNumber()) {
    nodes_.ancestors = true;
  }

  void Walk(int person, int level, int ordinal);
  void Layout();

 private:
  void AddParentFamily(int person, int level, int node);
  void CountHeights();
  void PlaceRows();
  void MakeLinks();

  std::vector<ChartNode>& Level(int level) {
    return nodes_.chart.levels[static_cast<size_t>(level)];
  }

  store::RecordStore& store_;
  int deepest_;
  const std::unordered_set<int>& toggled_;
  WallChartNodes& nodes_;
  uint16_t walk_;
  std::vector<std::vector<Span>> spans_;
};

void AncestorChartBuilder::Walk(int person, int level, int ordinal) {
  const store::IndividualRecord* record = store_.individual(person);
  if (person == 0 || record == nullptr || record->lines == nullptr || level > deepest_) return;
  auto& levels = nodes_.chart.levels;
  if (levels.size() < static_cast<size_t>(level) + 2) {
    levels.resize(static_cast<size_t>(level) + 2);
    spans_.resize(static_cast<size_t>(level) + 2);
  }
  ChartNode node;
  node.kind = 'I';
  node.individual = person;
  node.child_number = ordinal;
  node.generation = level;
  Level(level).push_back(node);
  const int index = static_cast<int>(Level(level).size()) - 1;
  Span span;
  span.first_child = static_cast<int>(Level(level + 1).size());
  spans_[static_cast<size_t>(level)].push_back(span);
  // Parents beyond the last generation are not drawn, and neither is their marriage.
  if (level < deepest_) AddParentFamily(person, level, index);
  spans_[static_cast<size_t>(level)][static_cast<size_t>(index)].end_child =
      static_cast<int>(Level(level + 1).size());
}

// A family reached a second time (cousins who married) is drawn once: the second time its S
// node says "(Family Above)" and the parents are not walked again.
void AncestorChartBuilder::AddParentFamily(int person, int level, int node) {
  const core::Parents parents = core::FindParents(store_, person);
  if (parents.father == 0 && parents.mother == 0) return;
  const int family = ParentFamilyOf(store_, person);
  if (family == 0) return;
  store::FamilyRecord* record = store_.family(family);
  const bool met = record->walkStamp == walk_;
  record->walkStamp = walk_;
  ChartNode spouse_node;
  spouse_node.kind = 'S';
  spouse_node.family = family;
  spouse_node.generation = level;
  spouse_node.collapsed = met != toggled_.contains(family);
  spouse_node.children_drawn = !spouse_node.collapsed;
  Level(level).push_back(spouse_node);
  spans_[static_cast<size_t>(level)].push_back(Span{});
  if (spouse_node.collapsed) return;
  Level(level)[static_cast<size_t>(node)].children_drawn = true;
  if (parents.father != 0) Walk(parents.father, level + 1, 1);
  if (parents.mother != 0) Walk(parents.mother, level + 1, 2);
}

// A person's height is its own block plus a spacing row, or the rows its parents need.
void AncestorChartBuilder::CountHeights() {
  for (int level = nodes_.levels(); level-- > 0;) {
    auto& nodes = Level(level);
    for (size_t i = 0; i < nodes.size(); ++i) {
      ChartNode& node = nodes[i];
      if (node.kind != 'I') continue;
      node.rows = WallChartBoxRows(store_, node.individual);
      if (i + 1 < nodes.size() && nodes[i + 1].kind == 'S') {
        node.rows += WallChartNodeRows(store_, nodes_, nodes[i + 1]);
      }
      Span& span = spans_[static_cast<size_t>(level)][i];
      span.children_rows = 0;
      for (int c = span.first_child; c < span.end_child; ++c) {
        if (Level(level + 1)[static_cast<size_t>(c)].kind == 'I') {
          span.children_rows +=
              spans_[static_cast<size_t>(level) + 1][static_cast<size_t>(c)].height;
        }
      }
      span.height = std::max(node.rows + 1, span.children_rows);
    }
  }
}

// A person whose parents need more rows than their own block sits at the parents' middle.
void AncestorChartBuilder::PlaceRows() {
  for (int level = 0; level < nodes_.levels(); ++level) {
    auto& nodes = Level(level);
    for (size_t i = 0; i < nodes.size(); ++i) {
      ChartNode& node = nodes[i];
      if (node.kind != 'I') continue;
      const Span& span = spans_[static_cast<size_t>(level)][i];
      const int own = node.rows + 1;
      node.row = span.start + (span.children_rows > own ? (span.children_rows - own - 1) / 2 : 0);
      if (i + 1 < nodes.size() && nodes[i + 1].kind == 'S') {
        nodes[i + 1].row = node.row + WallChartBoxRows(store_, node.individual);
      }
      int start = span.start;
      for (int c = span.first_child; c < span.end_child; ++c) {
        if (Level(level + 1)[static_cast<size_t>(c)].kind != 'I') continue;
        spans_[static_cast<size_t>(level) + 1][static_cast<size_t>(c)].start = start;
        start += spans_[static_cast<size_t>(level) + 1][static_cast<size_t>(c)].height;
      }
    }
  }
}

void AncestorChartBuilder::MakeLinks() {
  nodes_.links.assign(nodes_.chart.levels.size(), {});
  for (int level = 0; level + 1 < nodes_.levels(); ++level) {
    const auto& nodes = Level(level);
    for (size_t i = 0; i + 1 < nodes.size(); ++i) {
      if (nodes[i].kind != 'I' || !nodes[i + 1].children_drawn) continue;
      const Span& span = spans_[static_cast<size_t>(level)][i];
      core::ChartLink link;
      link.parent_row = nodes[i + 1].row;
      bool first = true;
      for (int c = span.first_child; c < span.end_child; ++c) {
        const ChartNode& parent = Level(level + 1)[static_cast<size_t>(c)];
        if (parent.kind != 'I') continue;
        if (first) link.first_row = parent.row;
        link.last_row = parent.row;
        first = false;
      }
      if (!first) nodes_.links[static_cast<size_t>(level)].push_back(link);
    }
  }
}

void AncestorChartBuilder::Layout() {
  // The walk leaves one empty level after the deepest one.
  auto& levels = nodes_.chart.levels;
  while (!levels.empty() && levels.back().empty()) {
    levels.pop_back();
    spans_.pop_back();
  }
  if (levels.empty()) return;
  CountHeights();
  PlaceRows();
  MakeLinks();
  nodes_.chart.total_rows = spans_[0][0].height;
  nodes_.chart.top_row = levels[0][0].row;
  nodes_.chart.shown_row = levels[0][0].row;
}

}  // namespace

WallChartNodes BuildWallChartNodes(store::RecordStore& store, int root,
                                   const WallChartOptions& options,
                                   const std::unordered_set<int>& toggled_families) {
  const int generations =
      std::clamp(options.generations, kWallChartGenerationsMin, kWallChartGenerationsMax);
  if (store.individual(root) == nullptr || root == 0) return {};
  if (!options.ancestors) return DescendantNodes(store, root, generations, toggled_families);
  WallChartNodes nodes;
  AncestorChartBuilder builder(store, generations, toggled_families, nodes);
  builder.Walk(root, 0, 1);
  builder.Layout();
  return nodes;
}

int WallChartBoxRows(const store::RecordStore& store, int individual) {
  const store::IndividualRecord* person = store.individual(individual);
  if (individual == 0 || person == nullptr) return 1;
  return std::max<int>(1, person->boxLines);
}

int WallChartLeadRows(const store::RecordStore& store, const core::ChartNode& node) {
  if (node.kind != 'S') return 0;
  const store::FamilyRecord* family = store.family(node.family);
  const int marriage = family != nullptr && family->marriageWidth > kPresentWidth ? 1 : 0;
  return marriage + (node.collapsed ? 1 : 0);
}

int WallChartNodeRows(const store::RecordStore& store, const WallChartNodes& nodes,
                      const core::ChartNode& node) {
  if (node.kind == 'I') return WallChartBoxRows(store, node.individual);
  const int box = HasSpouseBox(nodes, node) ? WallChartBoxRows(store, node.individual) : 0;
  return WallChartLeadRows(store, node) + box;
}

}  // namespace kinloom::reports
