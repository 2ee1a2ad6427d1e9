// The ancestor list: a sideways pedigree written by one recursive producer in every output
// mode.
#include <array>
#include <string>

#include "core/queries.h"
#include "reports/list_support.h"
#include "reports/lists.h"
#include "reports/page_header.h"

namespace kinloom::reports {
namespace {

using list_support::FirstEventDate;

constexpr int kLinePenWidth = 10;
constexpr FontStyle kListFont{.points = 10};

enum class Branch { kRoot, kFather, kMother };

class AncestorChartWriter {
 public:
  AncestorChartWriter(ReportOutput& out, const store::RecordStore& store, int root, int limit)
      : out_(out), store_(store), root_(root), limit_(limit) {}

  int Chart(int depth, int person, Branch branch) {
    if (person < 1 || depth > limit_) return page_.page;
    const store::IndividualRecord* record = store_.individual(person);
    if (record == nullptr || record->lines == nullptr) return page_.page;
    if (depth == 0) Begin();
    const core::Parents parents = core::FindParents(store_, person);
    if (parents.father != 0) {
      bars_[depth] = branch == Branch::kMother;
      Chart(depth + 1, parents.father, Branch::kFather);
    }
    WriteLine(depth, person, branch);
    if (parents.mother != 0) {
      bars_[depth] = branch == Branch::kFather;
      Chart(depth + 1, parents.mother, Branch::kMother);
    }
    return page_.page;
  }

 private:
  void Begin() {
    if (!out_.text_mode()) {
      out_.SetPenWidth(kLinePenWidth);
      out_.SetFont(kListFont);
      page_.h = out_.TextHeight("X");
      page_.bottom = out_.PageHeight() - page_.h;
      page_.half = page_.h / 2;
      page_.y = 0;
      page_.page = 0;
      page_.right = out_.PageWidth() - page_.h;
      step_ = list_support::IndentStep(page_.h, out_.PageWidth(), Deepest(root_, 0));
    }
    PrintPageHeader(out_, core::PersonLabel(store_, root_), page_, page_.h + page_.half, page_.h,
                    out_.PageWidth() - page_.h, page_.h, true);
  }

  // The deepest depth the list reaches, for the indent on paper.
  int Deepest(int person, int depth) const {
    if (depth >= limit_) return depth;
    const core::Parents parents = core::FindParents(store_, person);
    int deepest = depth;
    for (int parent : {parents.father, parents.mother}) {
      if (parent > 0 && store_.individual(parent) != nullptr) {
        deepest = std::max(deepest, Deepest(parent, depth + 1));
      }
    }
    return deepest;
  }

  std::string Text(int person) const {
    std::string text = core::PersonLabel(store_, person) + "   ";
    const std::string birth = FirstEventDate(store_, person, "1 BIRT", "1 BAPM", "1 CHR");
    if (!birth.empty()) text += "b. " + birth + "  ";
    const std::string death = FirstEventDate(store_, person, "1 DEAT", "1 BURI", "1 CREM");
    if (!death.empty()) text += "d. " + death;
    return text;
  }

  void WriteLine(int depth, int person, Branch branch) {
    if (out_.text_mode()) {
      std::string line = " ";
      for (int i = 1; i < depth; ++i) {
        line += "    ";
        if (bars_[i]) line.back() = '|';
      }
      if (branch == Branch::kFather) line += "   /";
      if (branch == Branch::kMother) line += "   \\";
      out_.WriteLine(line + Text(person));
      return;
    }
    Draw(depth, branch, Text(person));
    page_.y += page_.h;
    if (page_.y > page_.bottom) {
      PrintPageHeader(out_, core::PersonLabel(store_, root_), page_, page_.h + page_.half, page_.h,
                      out_.PageWidth() - page_.h, page_.h, true);
    }
  }

  void Draw(int depth, Branch branch, const std::string& text) {
    const int y = page_.y;
    const int h = page_.h;
    out_.DrawText(step_ * depth, y, text);
    for (int i = 1; i < depth; ++i) {
      if (bars_[i]) out_.DrawLine(step_ * i - page_.half, y, step_ * i - page_.half, y + h);
    }
    const int corner = step_ * depth - page_.half;
    const int middle = y + page_.half;
    if (branch == Branch::kFather) {
      out_.DrawLine(corner, y + h, corner, middle);
      out_.DrawLine(corner, middle, step_ * depth, middle);
    } else if (branch == Branch::kMother) {
      out_.DrawLine(corner, y, corner, middle);
      out_.DrawLine(corner, middle, step_ * depth, middle);
    }
  }

  ReportOutput& out_;
  const store::RecordStore& store_;
  int root_;
  int limit_;
  PageState page_;
  int step_ = 0;
  std::array<bool, kListGenerationsMax + 2> bars_{};
};

}  // namespace

bool ListablePerson(const store::RecordStore& store, int individual) {
  if (individual < 1 || individual > store.highest_individual()) return false;
  const store::IndividualRecord* record = store.individual(individual);
  return record != nullptr && record->lines != nullptr;
}

int AncestorChart(ReportOutput& out, const store::RecordStore& store, int root, int generations) {
  const int limit =
      list_support::ClampGenerations(generations, kListGenerationsMin, kListGenerationsMax);
  AncestorChartWriter writer(out, store, root, limit);
  return writer.Chart(0, root, Branch::kRoot);
}

ReportJob AncestorListJob(const store::RecordStore& store, int root, int generations) {
  return ReportJob{core::PersonLabel(store, root), generations >= kLandscapeGenerations,
                   [&store, root, generations](ReportOutput& out) {
                     return AncestorChart(out, store, root, generations);
                   }};
}

}  // namespace kinloom::reports
