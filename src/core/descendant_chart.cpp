#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/generation_walks.h"
#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

constexpr int kPresentWidth = 5;
constexpr int kMinColumnWidth = 120;
constexpr int kColumnGap = 40;
constexpr int kPictureWidth = 54;
constexpr std::string_view kUnknownSpouseText = "Spouse Unknown";

// Layout facts kept beside each node. An I node's children (and their S nodes) occupy one
// contiguous range of the next level, because the walk is depth first.
struct NodeSpan {
  int first_child = 0;
  int end_child = 0;
  int children_rows = 0;
  int height = 0;
  int start = 0;
  int offset = 0;  // the node's row within its span
};

// One person whose families are being walked. `family` is the family whose children are being
// walked, 0 between families.
struct Frame {
  int node = 0;
  int generation = 0;
  LineNode* fams = nullptr;  // the last "1 FAMS" line taken (first: the level-0 line)
  int spouse_number = 0;
  int family = 0;
  LineNode* chil = nullptr;  // the last "1 CHIL" line taken (first: the level-0 line)
  int child_number = 0;
};

class ChartBuilder {
 public:
  ChartBuilder(RecordStore& store, const DescendantChartOptions& options, DescendantChart& chart)
      : store_(store), options_(options), chart_(chart), walk_(store.NewWalkNumber()) {}

  void Walk(int top);
  void Layout();

 private:
  void PushPerson(int individual, int generation, int child_number);
  bool NextChild(Frame& frame, int* child);
  bool NextSpouseFamily(Frame& frame);
  void AddSpouseNode(Frame& frame, int family);
  void FinishPerson(const Frame& frame);

  int BoxRows(int individual) const;
  int SpouseRows(const ChartNode& node) const;
  void CountRows();
  void CountHeights();
  int OffsetInSpan(size_t level, size_t node) const;
  void PlaceRows();
  void PlaceSpouseRows(int level, int node);
  void MeasureColumns();
  int NodeWidth(const ChartNode& node);
  int PrefixWidth(const ChartNode& node);
  int FirstRow(int individual, char kind) const;
  char& OnPath(int family);
  void FindRememberedRows();

  RecordStore& store_;
  const DescendantChartOptions& options_;
  DescendantChart& chart_;
  uint16_t walk_;
  std::vector<char> on_path_;  // families whose children are being walked right now
  std::vector<std::vector<NodeSpan>> spans_;
  std::vector<Frame> stack_;
};

// ---- Walk ----

void ChartBuilder::Walk(int top) {
  PushPerson(top, 0, 0);
  while (!stack_.empty()) {
    Frame& frame = stack_.back();
    if (frame.family != 0) {
      int child = 0;
      if (NextChild(frame, &child)) {
        PushPerson(child, frame.generation + 1, frame.child_number);
        continue;
      }
      OnPath(frame.family) = 0;
      frame.family = 0;
    }
    if (NextSpouseFamily(frame)) continue;
    FinishPerson(frame);
    stack_.pop_back();
  }
}

void ChartBuilder::PushPerson(int individual, int generation, int child_number) {
  const size_t level = static_cast<size_t>(generation);
  if (chart_.levels.size() <= level + 1) {
    chart_.levels.resize(level + 2);
    spans_.resize(level + 2);
  }
  ChartNode node;
  node.kind = 'I';
  node.individual = individual;
  node.child_number = child_number;
  node.generation = generation;
  chart_.levels[level].push_back(node);
  NodeSpan span;
  span.first_child = static_cast<int>(chart_.levels[level + 1].size());
  spans_[level].push_back(span);

  Frame frame;
  frame.node = static_cast<int>(chart_.levels[level].size()) - 1;
  frame.generation = generation;
  frame.fams = store_.individual(individual)->lines;
  stack_.push_back(frame);
}

char& ChartBuilder::OnPath(int family) {
  const size_t index = static_cast<size_t>(family);
  if (index >= on_path_.size()) on_path_.resize(index + 1, 0);
  return on_path_[index];
}

// Every "1 CHIL" counts for the running number; links to missing records draw nothing.
bool ChartBuilder::NextChild(Frame& frame, int* child) {
  while ((frame.chil = store::FindTagLine(frame.chil->next, "1 CHIL")) != nullptr) {
    ++frame.child_number;
    const int number = store::XrefNumber(frame.chil->text());
    if (number != 0 && store_.individual(number) != nullptr) {
      *child = number;
      return true;
    }
  }
  return false;
}

bool ChartBuilder::NextSpouseFamily(Frame& frame) {
  if (frame.fams == nullptr) return false;
  while ((frame.fams = store::FindTagLine(frame.fams->next, "1 FAMS")) != nullptr) {
    const int family = store::XrefNumber(frame.fams->text());
    if (store_.family(family) != nullptr) {
      AddSpouseNode(frame, family);
      return true;
    }
  }
  return false;
}

// A family met earlier in this walk is folded, unless the user asked to show it; a family met
// for the first time is shown, unless the user asked to fold it. A family whose children are
// being walked further up this very line is an ancestry loop: it stays folded whatever the user
// asked, or the walk would never end.
void ChartBuilder::AddSpouseNode(Frame& frame, int family) {
  store::FamilyRecord* record = store_.family(family);
  const size_t level = static_cast<size_t>(frame.generation);
  const int spouse = OtherSpouse(store_, family, chart_.levels[level][frame.node].individual);
  const bool met = record->walkStamp == walk_;
  const bool has_children = store::FindTagLine(record->lines, "1 CHIL") != nullptr;
  const bool toggled = options_.toggled_families.contains(family);
  // On the last generation of a limited chart no children are shown, so meeting a family there
  // does not make it drawn: met again higher up, it shows its children.
  const bool last_generation =
      options_.max_generations > 0 && frame.generation + 1 >= options_.max_generations;
  if (!last_generation) record->walkStamp = walk_;

  ChartNode node;
  node.kind = 'S';
  node.individual = store_.individual(spouse) != nullptr ? spouse : 0;
  node.family = family;
  node.spouse_number = ++frame.spouse_number;
  node.generation = frame.generation;
  node.collapsed = (met && has_children) != toggled;
  if (!node.collapsed && has_children && !last_generation) {
    if (OnPath(family) != 0) {
      node.collapsed = true;
    } else {
      node.children_drawn = true;
      chart_.levels[level][frame.node].children_drawn = true;
      OnPath(family) = 1;
      frame.family = family;
      frame.chil = record->lines;
      frame.child_number = 0;
    }
  }
  chart_.levels[level].push_back(node);
  spans_[level].push_back(NodeSpan{});
}

void ChartBuilder::FinishPerson(const Frame& frame) {
  const size_t level = static_cast<size_t>(frame.generation);
  spans_[level][frame.node].end_child = static_cast<int>(chart_.levels[level + 1].size());
}

// ---- Rows ----

int ChartBuilder::BoxRows(int individual) const {
  const store::IndividualRecord* person = store_.individual(individual);
  if (individual == 0 || person == nullptr) return 1;  // "Spouse Unknown"
  return std::max<int>(1, person->boxLines);
}

int ChartBuilder::SpouseRows(const ChartNode& node) const {
  const store::FamilyRecord* family = store_.family(node.family);
  const int marriage = family != nullptr && family->marriageWidth > kPresentWidth ? 1 : 0;
  return marriage + (node.collapsed ? 1 : 0) + BoxRows(node.individual);
}

void ChartBuilder::CountRows() {
  for (auto& level : chart_.levels) {
    ChartNode* person = nullptr;
    for (ChartNode& node : level) {
      if (node.kind == 'I') {
        person = &node;
        node.rows = BoxRows(node.individual);
      } else {
        node.rows = SpouseRows(node);
        if (person != nullptr) person->rows += node.rows;
      }
    }
  }
}

// A person's height is its own block plus a spacing row, or the rows its descendants need.
void ChartBuilder::CountHeights() {
  for (size_t level = chart_.levels.size(); level-- > 0;) {
    for (size_t i = 0; i < chart_.levels[level].size(); ++i) {
      if (chart_.levels[level][i].kind != 'I') continue;
      NodeSpan& span = spans_[level][i];
      span.children_rows = 0;
      for (int c = span.first_child; c < span.end_child; ++c) {
        if (chart_.levels[level + 1][c].kind == 'I') {
          span.children_rows += spans_[level + 1][c].height;
        }
      }
      span.height = std::max(chart_.levels[level][i].rows + 1, span.children_rows);
      span.offset = OffsetInSpan(level, i);
    }
  }
}

// A parent whose descendants need more rows than its own block sits at their middle. Where no
// child's block lies beside the parent's there (children with many descendants of their own
// sit far from it), the parent moves level with the nearest child, so a person is never shown
// beside an empty column of children.
int ChartBuilder::OffsetInSpan(size_t level, size_t node) const {
  const ChartNode& parent = chart_.levels[level][node];
  const NodeSpan& span = spans_[level][node];
  const int own = parent.rows + 1;
  const int middle = span.children_rows > own ? (span.children_rows - own - 1) / 2 : 0;
  int start = 0;
  int nearest = -1;
  for (int c = span.first_child; c < span.end_child; ++c) {
    const ChartNode& child = chart_.levels[level + 1][c];
    if (child.kind != 'I') continue;
    const int row = start + spans_[level + 1][c].offset;
    start += spans_[level + 1][c].height;
    if (row < middle + parent.rows && row + child.rows > middle) return middle;
    if (nearest < 0 || std::abs(row - middle) < std::abs(nearest - middle)) nearest = row;
  }
  return nearest < 0 ? middle : std::min(nearest, span.height - own);
}

void ChartBuilder::PlaceRows() {
  for (size_t level = 0; level < chart_.levels.size(); ++level) {
    for (size_t i = 0; i < chart_.levels[level].size(); ++i) {
      ChartNode& node = chart_.levels[level][i];
      if (node.kind != 'I') continue;
      const NodeSpan& span = spans_[level][i];
      node.row = span.start + span.offset;
      int start = span.start;
      for (int c = span.first_child; c < span.end_child; ++c) {
        if (chart_.levels[level + 1][c].kind != 'I') continue;
        spans_[level + 1][c].start = start;
        start += spans_[level + 1][c].height;
      }
      PlaceSpouseRows(static_cast<int>(level), static_cast<int>(i));
    }
  }
}

// Spouse boxes follow the person's own box, each starting with its marriage row.
void ChartBuilder::PlaceSpouseRows(int level, int node) {
  auto& nodes = chart_.levels[static_cast<size_t>(level)];
  int row = nodes[node].row + BoxRows(nodes[node].individual);
  for (size_t s = static_cast<size_t>(node) + 1; s < nodes.size() && nodes[s].kind == 'S'; ++s) {
    nodes[s].row = row;
    row += nodes[s].rows;
  }
}

// ---- Columns ----

int ChartBuilder::PrefixWidth(const ChartNode& node) {
  if (node.kind != 'S' && node.child_number == 0) return 0;
  char prefix[16];
  if (node.kind == 'S') {
    std::snprintf(prefix, sizeof prefix, "+%d ", node.spouse_number);
  } else {
    std::snprintf(prefix, sizeof prefix, "%d ", node.child_number);
  }
  return store_.ui().TextWidth(prefix);
}

int ChartBuilder::NodeWidth(const ChartNode& node) {
  int width = 0;
  const store::IndividualRecord* person = store_.individual(node.individual);
  if (node.kind == 'S' && node.individual == 0) {
    width = store_.ui().TextWidth(kUnknownSpouseText);
  } else if (person != nullptr) {
    width = std::max({int{person->labelWidth}, int{person->birthWidth}, int{person->deathWidth}});
    if (store_.show_chart_pictures() && !person->thumbPath.view().empty()) {
      width += kPictureWidth;
    }
  }
  if (node.kind == 'S') {
    const store::FamilyRecord* family = store_.family(node.family);
    if (family != nullptr) width = std::max(width, int{family->marriageWidth});
    if (node.collapsed) width = std::max(width, store_.ui().TextWidth(kCollapsedFamilyText));
  }
  return width + PrefixWidth(node);
}

void ChartBuilder::MeasureColumns() {
  int left = 0;
  for (const auto& level : chart_.levels) {
    int width = kMinColumnWidth;
    for (const ChartNode& node : level) width = std::max(width, NodeWidth(node));
    chart_.column_widths.push_back(width);
    chart_.column_left.push_back(left);
    left += width + kColumnGap;
  }
}

int ChartBuilder::FirstRow(int individual, char kind) const {
  for (const auto& level : chart_.levels) {
    for (const ChartNode& node : level) {
      if (node.kind == kind && node.individual == individual) return node.row;
    }
  }
  return -1;
}

// The shown person may have married into the line: then their spouse box is scrolled to.
void ChartBuilder::FindRememberedRows() {
  chart_.top_row = chart_.levels[0][0].row;
  const int shown = options_.shown_individual;
  chart_.shown_row = FirstRow(shown, 'I');
  if (chart_.shown_row < 0 && shown != 0) chart_.shown_row = FirstRow(shown, 'S');
}

void ChartBuilder::Layout() {
  // The walk leaves one empty level after the deepest one.
  while (!chart_.levels.empty() && chart_.levels.back().empty()) {
    chart_.levels.pop_back();
    spans_.pop_back();
  }
  if (chart_.levels.empty()) return;
  CountRows();
  CountHeights();
  PlaceRows();
  MeasureColumns();
  chart_.total_rows = spans_[0][0].height;
  FindRememberedRows();
}

}  // namespace

DescendantChart BuildDescendantChart(RecordStore& store, int top,
                                     const DescendantChartOptions& options) {
  DescendantChart chart;
  if (store.individual(top) == nullptr) return chart;
  ChartBuilder builder(store, options, chart);
  builder.Walk(top);
  builder.Layout();
  return chart;
}

}  // namespace kinloom::core
