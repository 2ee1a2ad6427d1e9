#include "reports/wall_chart_fit.h"

#include <algorithm>

namespace kinloom::reports {
namespace {

constexpr int kPresentWidth = 5;
// Texts measured at every size for a column: the widest few at the largest size, of the texts
// beside pictures and of the others. Widths scale with the size, so these stay the widest.
constexpr size_t kColumnCandidates = 4;

struct Candidate {
  WallChartNodeText text;
  int reference = 0;  // width at the largest size
};

struct ColumnCandidates {
  std::vector<Candidate> plain;
  std::vector<Candidate> beside_picture;
};

void Keep(std::vector<Candidate>& kept, const Candidate& candidate) {
  if (kept.size() == kColumnCandidates && kept.back().reference >= candidate.reference) return;
  auto at = std::upper_bound(
      kept.begin(), kept.end(), candidate,
      [](const Candidate& a, const Candidate& b) { return a.reference > b.reference; });
  kept.insert(at, candidate);
  if (kept.size() > kColumnCandidates) kept.pop_back();
}

std::vector<ColumnCandidates> CollectCandidates(const store::RecordStore& store,
                                                const WallChartNodes& nodes,
                                                const WallChartOptions& options,
                                                WallChartMeasure& measure) {
  std::vector<ColumnCandidates> columns(nodes.chart.levels.size());
  for (size_t level = 0; level < nodes.chart.levels.size(); ++level) {
    for (const core::ChartNode& node : nodes.chart.levels[level]) {
      for (const WallChartNodeText& text : NodeTexts(store, nodes, options, node)) {
        const Candidate candidate{text,
                                  measure.TextWidth(text.text, text.style, kWallChartLargestFont)};
        Keep(text.beside_picture ? columns[level].beside_picture : columns[level].plain, candidate);
      }
    }
  }
  return columns;
}

int WidestAt(const std::vector<Candidate>& candidates, WallChartMeasure& measure, int size) {
  int widest = 0;
  for (const Candidate& c : candidates) {
    widest = std::max(widest, measure.TextWidth(c.text.text, c.text.style, size));
  }
  return widest;
}

void LayOutColumns(const std::vector<ColumnCandidates>& columns, WallChartMeasure& measure,
                   WallChartGeometry& g) {
  g.column_x.clear();
  g.column_width.clear();
  int x = kWallChartMargin;
  for (const ColumnCandidates& column : columns) {
    int width = WidestAt(column.plain, measure, g.font_size);
    if (!column.beside_picture.empty()) {
      width =
          std::max(width, WidestAt(column.beside_picture, measure, g.font_size) + g.picture_box);
    }
    width = std::max(width + 2 * g.text_inset, kWallChartMinColumnWidth);
    g.column_x.push_back(x);
    g.column_width.push_back(width);
    x += width + kWallChartColumnGap;
  }
  // x is where a further column would start; the image ends a margin after the last column.
  g.width = x - kWallChartColumnGap + kWallChartMargin;
}

// Where column `index` starts, or a further column would.
int ColumnStart(const WallChartGeometry& g, size_t index) {
  if (index < g.column_x.size()) return g.column_x[index];
  return g.column_x.back() + g.column_width.back() + kWallChartColumnGap;
}

// The title starts at (width / 100) + 12 points and shrinks, not below 18, until it takes at
// most half the image and stays clear of the third column.
void FitTitle(WallChartMeasure& measure, WallChartGeometry& g) {
  const int limit = std::min(g.width / 2, ColumnStart(g, 2));
  int size = g.width / 100 + 12;
  while (size >= 19 && measure.TitleWidth(size) + 2 * (kWallChartMargin + size) > limit) --size;
  g.title_size = size;
  g.title_height = measure.TitleHeight(size);
  g.title_x = kWallChartMargin;
  g.title_y = kWallChartMargin;
}

// The boxes move down when the first box of a column the title reaches into would lie under
// the title (with half a row to spare).
int TitleRoom(const WallChartNodes& nodes, WallChartMeasure& measure, const WallChartGeometry& g) {
  const int title_reach = measure.TitleWidth(g.title_size) + 2 * (kWallChartMargin + g.title_size);
  const int needed = g.title_height + g.line_height / 2;
  int room = 0;
  for (size_t level = 0; level < 2 && level < nodes.chart.levels.size(); ++level) {
    if (level == 1 && title_reach <= ColumnStart(g, 1)) break;
    if (nodes.chart.levels[level].empty()) continue;
    const int first_box = nodes.chart.levels[level].front().row * g.line_height;
    room = std::max(room, needed - first_box);
  }
  return room;
}

}  // namespace

bool WallChartImageFits(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kWallChartMaxSide && height <= kWallChartMaxSide &&
         width * height * kWallChartBytesPerPixel <= kWallChartMaxImageBytes;
}

bool ShowsPicture(const store::RecordStore& store, const WallChartOptions& options,
                  int individual) {
  const store::IndividualRecord* person = store.individual(individual);
  return options.show_pictures && individual != 0 && person != nullptr &&
         !person->thumbPath.view().empty();
}

std::vector<WallChartNodeText> NodeTexts(const store::RecordStore& store,
                                         const WallChartNodes& nodes,
                                         const WallChartOptions& options,
                                         const core::ChartNode& node) {
  using Style = WallChartTextStyle;
  std::vector<WallChartNodeText> texts;
  if (node.kind == 'S') {
    const store::FamilyRecord* family = store.family(node.family);
    if (family != nullptr && family->marriageWidth > kPresentWidth) {
      texts.push_back({family->marriageText.view(), Style::kPlain, false});
    }
    if (node.collapsed) texts.push_back({kWallChartCollapsedText, Style::kItalic, false});
    if (!HasSpouseBox(nodes, node)) return texts;
  }
  const store::IndividualRecord* person = store.individual(node.individual);
  if (node.individual == 0 || person == nullptr) {
    texts.push_back({kWallChartUnknownSpouse, Style::kItalic, false});
    return texts;
  }
  const bool bold = node.kind == 'I' ? options.bold_members : SpousesBold(options);
  const bool picture = ShowsPicture(store, options, node.individual);
  texts.push_back({person->labelText.view(), bold ? Style::kBold : Style::kPlain, picture});
  if (person->birthWidth > kPresentWidth) {
    texts.push_back({person->birthText.view(), Style::kPlain, picture});
  }
  if (person->deathWidth > kPresentWidth) {
    texts.push_back({person->deathText.view(), Style::kPlain, picture});
  }
  return texts;
}

std::optional<WallChartGeometry> FitWallChart(const store::RecordStore& store,
                                              const WallChartNodes& nodes,
                                              const WallChartOptions& options,
                                              WallChartMeasure& measure, int largest) {
  if (nodes.chart.levels.empty()) return std::nullopt;
  const int64_t rows = nodes.chart.total_rows;
  std::vector<ColumnCandidates> columns;
  bool measured = false;
  for (int size = std::min(largest, kWallChartLargestFont); size >= kWallChartSmallestFont;
       --size) {
    WallChartGeometry g;
    g.font_size = size;
    g.line_height = std::max(1, measure.LineHeight(size));
    // A chart too tall at this size needs no measuring of its columns.
    if (!WallChartImageFits(1, rows * g.line_height + 2 * kWallChartMargin)) continue;
    if (!measured) {
      columns = CollectCandidates(store, nodes, options, measure);
      measured = true;
    }
    g.picture_box = 7 * g.line_height / 2;
    g.picture_width = 3 * g.picture_box / 4;
    g.text_inset = std::max(2, g.line_height / 4);
    LayOutColumns(columns, measure, g);
    g.top = kWallChartMargin;
    if (!options.title.empty()) {
      FitTitle(measure, g);
      g.top += TitleRoom(nodes, measure, g);
    }
    g.height = static_cast<int>(
        std::min<int64_t>(rows * g.line_height + kWallChartMargin + g.top, int64_t{1} << 30));
    if (WallChartImageFits(g.width, g.height)) return g;
  }
  return std::nullopt;
}

}  // namespace kinloom::reports
