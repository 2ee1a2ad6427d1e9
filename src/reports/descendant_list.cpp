// The descendant list: an indented outline of each person, their spouses and their children,
// written by one recursive producer in every output mode.
#include <string>

#include "core/queries.h"
#include "reports/list_support.h"
#include "reports/lists.h"
#include "reports/page_header.h"
#include "store/line_search.h"

namespace kinloom::reports {
namespace {

using list_support::FirstEventDate;

constexpr FontStyle kListFont{.points = 10};

// Stepchildren are listed under their natural parent: a step-father's under the mother, a
// step-mother's under the father (or a parent of unknown sex). Foster and sealing children
// are listed under neither.
bool ChildListed(int kind, int parent_sex) {
  switch (kind) {
    case core::kBirth:
    case core::kAdopted:
    case core::kAdoptFather:
    case core::kAdoptMother:
      return true;
    case core::kStepFather:
      return parent_sex == 2;
    case core::kStepMother:
      return parent_sex != 2;
    default:
      return false;
  }
}

class DescendantIndentWriter {
 public:
  DescendantIndentWriter(ReportOutput& out, const store::RecordStore& store, int root, int limit)
      : out_(out), store_(store), root_(root), limit_(limit) {}

  int Indent(int person, int generation) {
    if (person < 1 || generation < 1 || generation > limit_) return page_.page;
    const store::IndividualRecord* record = store_.individual(person);
    if (record == nullptr || record->lines == nullptr) return page_.page;
    WriteLine(person, generation, false);
    const int sex = core::SexOf(store_, person);
    for (store::LineNode* fams = store::FindTagLine(record->lines, "1 FAMS"); fams != nullptr;
         fams = store::FindTagLine(fams->next, "1 FAMS")) {
      const int family = store::XrefNumber(fams->text());
      if (family < 1 || store_.family(family) == nullptr) continue;
      const int spouse = core::OtherSpouse(store_, family, person);
      if (spouse > 0 && store_.individual(spouse) != nullptr) {
        WriteLine(spouse, generation, true);
      }
      ForEachChild(family, [&](int child, int kind) {
        if (ChildListed(kind, sex)) Indent(child, generation + 1);
      });
    }
    return page_.page;
  }

 private:
  template <typename Visit>
  void ForEachChild(int family, Visit visit) const {
    const store::FamilyRecord* record = store_.family(family);
    for (store::LineNode* line = store::FindTagLine(record->lines, "1 CHIL"); line != nullptr;
         line = store::FindTagLine(line->next, "1 CHIL")) {
      const int child = store::XrefNumber(line->text());
      const store::LineNode* famc = core::FindFamcLine(store_, child, family);
      visit(child, famc != nullptr ? core::PediKindOf(famc) : core::kBirth);
    }
  }

  void Begin() {
    if (!out_.text_mode()) {
      out_.SetFont(kListFont);
      page_.h = out_.TextHeight("X");
      page_.bottom = out_.PageHeight() - page_.h;
      page_.y = 0;
      page_.half = page_.h / 2;
      page_.page = 0;
      page_.right = out_.PageWidth() - page_.h;
      step_ = list_support::IndentStep(page_.h, out_.PageWidth(), Deepest(root_, 1) - 1);
    } else {
      page_.h = 1;
    }
    PrintPageHeader(out_, core::PersonLabel(store_, root_), page_, page_.h + page_.half, page_.h,
                    out_.PageWidth() - page_.h, page_.h, true);
    page_.y -= page_.h;
    page_.y -= page_.half;
  }

  // The deepest generation the list reaches, for the indent on paper.
  int Deepest(int person, int generation) const {
    if (generation >= limit_) return generation;
    const store::IndividualRecord* record = store_.individual(person);
    int deepest = generation;
    const int sex = core::SexOf(store_, person);
    for (store::LineNode* fams = store::FindTagLine(record->lines, "1 FAMS"); fams != nullptr;
         fams = store::FindTagLine(fams->next, "1 FAMS")) {
      const int family = store::XrefNumber(fams->text());
      if (family < 1 || store_.family(family) == nullptr) continue;
      ForEachChild(family, [&](int child, int kind) {
        const store::IndividualRecord* c = store_.individual(child);
        if (child > 0 && c != nullptr && c->lines != nullptr && ChildListed(kind, sex)) {
          deepest = std::max(deepest, Deepest(child, generation + 1));
        }
      });
      if (deepest >= limit_) break;
    }
    return deepest;
  }

  std::string Text(int person, int generation, bool spouse) const {
    std::string text;
    if (spouse) {
      text = out_.text_mode() ? "+ " : "+  ";
    } else {
      text = std::to_string(generation) + " ";
    }
    text += core::PersonLabel(store_, person);
    const std::string birth = FirstEventDate(store_, person, "1 BIRT", "1 BAPM", "1 CHR");
    if (!birth.empty()) text += " b. " + birth;
    const std::string death = FirstEventDate(store_, person, "1 DEAT", "1 BURI");
    if (!death.empty()) text += " d. " + death;
    return text;
  }

  void WriteLine(int person, int generation, bool spouse) {
    if (generation == 1 && !spouse && !begun_) {
      begun_ = true;
      Begin();
    }
    const std::string text = Text(person, generation, spouse);
    if (out_.text_mode()) {
      const int indent = spouse ? 4 * generation - 2 : 4 * generation - 4;
      out_.WriteLine(std::string(static_cast<size_t>(indent), ' ') + text);
      return;
    }
    page_.y += page_.h;
    if (page_.y > page_.bottom) {
      PrintPageHeader(out_, core::PersonLabel(store_, root_), page_, page_.h + page_.half, page_.h,
                      out_.PageWidth() - page_.h, page_.h, true);
      page_.y -= page_.half;
    }
    const int x = step_ * (generation - 1) + page_.h;
    out_.DrawText(spouse ? x + step_ / 2 : x, page_.y, text);
  }

  ReportOutput& out_;
  const store::RecordStore& store_;
  int root_;
  int limit_;
  PageState page_;
  int step_ = 0;
  bool begun_ = false;
};

}  // namespace

int DescendantIndent(ReportOutput& out, const store::RecordStore& store, int root,
                     int generations) {
  const int limit =
      list_support::ClampGenerations(generations, kListGenerationsMin, kListGenerationsMax);
  DescendantIndentWriter writer(out, store, root, limit);
  return writer.Indent(root, 1);
}

ReportJob DescendantListJob(const store::RecordStore& store, int root, int generations) {
  return ReportJob{core::PersonLabel(store, root), generations >= kLandscapeGenerations,
                   [&store, root, generations](ReportOutput& out) {
                     return DescendantIndent(out, store, root, generations);
                   }};
}

}  // namespace kinloom::reports
