// The pedigree chart: four generations in boxes on one landscape page, the person at the left
// and each generation's fathers above its mothers, joined by lines.
#include <algorithm>
#include <string>

#include "charts/form_layout.h"
#include "charts/forms.h"
#include "reports/forms.h"

namespace kinloom::charts {
namespace {

using reports::DatePlace;
using reports::PedigreeBox;

constexpr int kGenerations = 4;
constexpr int kBoxPen = 5;
constexpr int kLinePen = 5;
constexpr reports::FontStyle kNumberFont{.points = 7, .bold = true, .grey = 80};
// The boxes of the last generation are the smallest: their texts are a point smaller.
constexpr reports::FontStyle kNameFont{.points = 9, .bold = true};
constexpr reports::FontStyle kFactFont{.points = 8};
constexpr reports::FontStyle kSmallNameFont{.points = 8, .bold = true};
constexpr reports::FontStyle kSmallFactFont{.points = 7};

std::string Fact(std::string_view prefix, const DatePlace& when) {
  if (when.empty()) return std::string(prefix);
  std::string text = std::string(prefix) + when.date;
  if (!when.place.empty()) text += (when.date.empty() ? "" : ", ") + when.place;
  return text;
}

struct Geometry {
  int top = 0;
  int height = 0;  // of the area of the boxes
  int box_width = 0;
  int gap = 0;
  int name_line = 0;
  int fact_line = 0;

  // Boxes take the room their generation leaves them, up to two name lines and six fact
  // lines (their long places wrap).
  int BoxHeight(int generation) const {
    const int slot = height >> (generation - 1);
    return std::min(slot * 92 / 100, 2 * name_line + 6 * fact_line);
  }

  int Left(int generation) const { return (generation - 1) * (box_width + gap); }
  // The middle of box `index` (0 from the top) of a generation.
  int Middle(int generation, int index) const {
    const int slots = 1 << (generation - 1);
    return top + height * (2 * index + 1) / (2 * slots);
  }
};

int GenerationOf(int number) {
  int generation = 0;
  for (; number > 0; number >>= 1) ++generation;
  return generation;
}

void DrawBox(reports::ReportOutput& out, const Geometry& g, int number, const PedigreeBox& box) {
  const int generation = GenerationOf(number);
  const int index = number - (1 << (generation - 1));
  const int x = g.Left(generation);
  const int box_height = g.BoxHeight(generation);
  const int y = g.Middle(generation, index) - box_height / 2;
  const int w = g.box_width;
  const int bottom = y + box_height;
  out.SetPenWidth(kBoxPen);
  out.DrawLine(x, y, x + w, y);
  out.DrawLine(x + w, y, x + w, bottom);
  out.DrawLine(x + w, bottom, x, bottom);
  out.DrawLine(x, bottom, x, y);
  out.SetFont(kNumberFont);
  const int pad = out.TextHeight("X") / 3;
  out.DrawText(x + pad, y + pad, std::to_string(number));
  const int text_x = x + pad + out.TextWidth("00 ");
  const int room = w - (text_x - x) - pad;
  const bool small = generation == kGenerations;
  out.SetFont(small ? kSmallNameFont : kNameFont);
  int line_y = y + pad;
  const std::vector<std::string> name = WrapText(out, box.name, room);
  for (size_t i = 0; i < name.size() && i < 2; ++i) {
    out.DrawText(text_x, line_y, name[i]);
    line_y += out.TextHeight("X");
  }
  out.SetFont(small ? kSmallFactFont : kFactFont);
  const int step = out.TextHeight("X");
  const bool father = number % 2 == 0 || number == 1;
  for (const std::string& fact :
       {Fact("b. ", box.birth), father ? Fact("m. ", box.marriage) : std::string(),
        Fact("d. ", box.death)}) {
    // What does not fit in the box is left out rather than drawn over its edge.
    if (fact.empty()) continue;
    // A long fact goes on below its first line, indented past the "b. ".
    const int indent = out.TextWidth("b. ");
    const std::vector<std::string> lines = WrapText(out, fact, room - indent);
    for (size_t i = 0; i < lines.size() && line_y + step <= bottom - pad / 2; ++i) {
      out.DrawText(i == 0 ? text_x : text_x + indent, line_y, lines[i]);
      line_y += step;
    }
  }
  if (box.has_parents) {
    // The line goes on beyond this chart: a short line with an arrow head.
    const int middle = y + box_height / 2;
    const int end = x + w + g.gap / 2;
    out.SetPenWidth(kLinePen);
    out.DrawLine(x + w, middle, end, middle);
    out.DrawLine(end, middle, end - pad * 2, middle - pad * 2);
    out.DrawLine(end, middle, end - pad * 2, middle + pad * 2);
  }
}

// The line from a box's right edge to its parents' boxes.
void DrawConnector(reports::ReportOutput& out, const Geometry& g, int number) {
  const int generation = GenerationOf(number);
  const int index = number - (1 << (generation - 1));
  const int from_x = g.Left(generation) + g.box_width;
  const int fork_x = from_x + g.gap / 2;
  const int to_x = g.Left(generation + 1);
  const int father_y = g.Middle(generation + 1, 2 * index);
  const int mother_y = g.Middle(generation + 1, 2 * index + 1);
  out.SetPenWidth(kLinePen);
  out.DrawLine(from_x, g.Middle(generation, index), fork_x, g.Middle(generation, index));
  out.DrawLine(fork_x, father_y, fork_x, mother_y);
  out.DrawLine(fork_x, father_y, to_x, father_y);
  out.DrawLine(fork_x, mother_y, to_x, mother_y);
}

int DrawPedigree(reports::ReportOutput& out, const reports::PedigreeChart& chart) {
  FormWriter form(out, "Pedigree Chart");
  form.Begin();
  out.SetFont(kFormBold);
  out.DrawText(0, form.y(), "Chart of " + chart.boxes[1].name);
  out.SetFont(kFormCaption);
  const std::string same = "No. 1 on this chart is the same as No. ______ on chart No. ______";
  out.DrawText(out.PageWidth() - out.TextWidth(same), form.y(), same);
  out.SetFont(kFormText);
  form.Skip(2 * form.line_height());
  Geometry g;
  g.top = form.y();
  g.height = out.PageHeight() - g.top;
  g.gap = out.PageWidth() / 40;
  // Room on the right for the arrows of lines that go on.
  g.box_width = (out.PageWidth() - kGenerations * g.gap) / kGenerations;
  out.SetFont(kFactFont);
  g.fact_line = out.TextHeight("X");
  out.SetFont(kNameFont);
  g.name_line = out.TextHeight("X");
  for (int n = 1; n <= reports::kPedigreeBoxes; ++n) {
    DrawBox(out, g, n, chart.boxes[static_cast<size_t>(n)]);
    if (GenerationOf(n) < kGenerations) DrawConnector(out, g, n);
  }
  return form.page();
}

}  // namespace

reports::ReportJob PedigreeChartJob(const store::RecordStore& store, int individual) {
  reports::PedigreeChart chart = reports::ReadPedigreeChart(store, individual);
  std::string name = "Pedigree Chart: " + chart.boxes[1].name;
  return reports::ReportJob{
      std::move(name), true,
      [chart = std::move(chart)](reports::ReportOutput& out) { return DrawPedigree(out, chart); }};
}

}  // namespace kinloom::charts
