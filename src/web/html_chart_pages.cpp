#include <cstdio>

#include "core/queries.h"
#include "store/line_search.h"
#include "web/html_pages.h"
#include "web/html_text.h"

namespace kinloom::web {
namespace {

constexpr int kAncestorGenerations = 4;    // the person, parents, grandparents, great-grandparents
constexpr int kDescendantGenerations = 3;  // the person, children, grandchildren
constexpr int kDescendantBoxLimit = 150;   // a page stays readable for the largest families

std::string Number6(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", n);
  return text;
}

// A person's box: the name leads to the same chart of that person, the years below it.
void AppendBox(std::string& out, const HtmlContext& context, const std::string& chart,
               int individual) {
  const PersonLink link = context.views->Link(individual);
  if (!link.published) {
    out += "<span class=\"box private\">Private</span>";
    return;
  }
  out += "<span class=\"box\"><a href=\"" + context.addresses->Person(chart, individual) + "\">";
  AppendEscaped(out, link.name);
  out += "</a><span class=\"years\">";
  AppendEscaped(out, link.dates.empty() ? std::string("\xA0") : link.dates);
  out += " &middot; <a href=\"" + context.addresses->Person("ind", individual) +
         "\">details</a></span></span>";
}

void AppendNavigate(std::string& out, const HtmlContext& context, int individual) {
  out += "<div class=\"navigate\"><a href=\"" + context.addresses->Person("ind", individual) +
         "\">Individual</a><a href=\"" + context.addresses->Person("anc", individual) +
         "\">Ancestors</a><a href=\"" + context.addresses->Person("des", individual) +
         "\">Descendants</a></div>\n";
}

// The parents shown for a box: the preferred parent family, when it is shown.
std::pair<int, int> ParentsOf(const HtmlContext& context, int individual) {
  if (individual <= 0 || !context.rule().IsPublished(individual)) return {0, 0};
  const core::ParentFamily family = core::FindParentFamily(context.store(), individual);
  if (!context.rule().IsFamilyShown(family.family)) return {0, 0};
  return {core::FamilyMember(context.store(), family.family, "1 HUSB"),
          core::FamilyMember(context.store(), family.family, "1 WIFE")};
}

// A pedigree: each box with its parents' pedigrees beside it, joined by a bracket, up to the
// great-grandparents. The walk stops at anyone not published.
void AppendPedigreeNode(std::string& out, const HtmlContext& context, int individual,
                        int generation) {
  out += "<div class=\"pnode\">";
  AppendBox(out, context, "anc", individual);
  auto [father, mother] = ParentsOf(context, individual);
  if (generation + 1 < kAncestorGenerations && (father > 0 || mother > 0)) {
    out += "\n<div class=\"parents\">\n";
    for (int parent : {father, mother}) {
      if (parent > 0) AppendPedigreeNode(out, context, parent, generation + 1);
    }
    out += "</div>";
  }
  out += "</div>\n";
}

void AppendPedigree(std::string& out, const HtmlContext& context, int individual) {
  out += "<div class=\"chart\">\n";
  AppendPedigreeNode(out, context, individual, 0);
  out += "</div>\n";
}

class DescendantTree {
 public:
  DescendantTree(const HtmlContext& context, std::string& out) : context_(context), out_(out) {}

  void Append(int individual, int generation) {
    out_ += "<li><div class=\"couple\">";
    AppendBox(out_, context_, "des", individual);
    ++boxes_;
    const store::IndividualRecord* record = context_.store().individual(individual);
    std::vector<int> children;
    for (const store::LineNode* line = record->lines; line != nullptr; line = line->next) {
      if (!store::HasTag(line->text(), "1 FAMS")) continue;
      const int family = store::XrefNumber(line->text());
      if (!context_.rule().IsFamilyShown(family)) continue;
      const int spouse = core::OtherSpouse(context_.store(), family, individual);
      if (spouse > 0 && spouse != individual) {
        out_ += "<span class=\"and\">&amp;</span>";
        AppendBox(out_, context_, "des", spouse);
        ++boxes_;
      }
      for (const store::LineNode* child = context_.store().family(family)->lines; child != nullptr;
           child = child->next) {
        if (store::HasTag(child->text(), "1 CHIL"))
          children.push_back(store::XrefNumber(child->text()));
      }
    }
    out_ += "</div>";
    if (!children.empty() && generation + 1 < kDescendantGenerations) {
      out_ += "\n<ul>\n";
      for (int child : children) {
        if (boxes_ >= kDescendantBoxLimit) break;
        if (context_.store().individual(child) == nullptr) continue;
        if (!context_.rule().IsPublished(child)) {
          out_ += "<li><span class=\"box private\">Private</span></li>\n";
          continue;
        }
        Append(child, generation + 1);
      }
      out_ += "</ul>\n";
    }
    out_ += "</li>\n";
  }

 private:
  const HtmlContext& context_;
  std::string& out_;
  int boxes_ = 0;
};

std::string ChartPage(const HtmlContext& context, const std::vector<int>& people, bool ancestors) {
  const int first = people.front();
  const bool one = people.size() == 1;
  const std::string name = context.views->Name(first);
  const char* kind = ancestors ? "Ancestors of" : "Descendants of";
  std::string out = PageStart(
      context.look, "../", kind, one ? name : "Individuals",
      one ? name : (ancestors ? "Ancestors" : "Descendants"),
      HtmlMenu(context, "../", first, ancestors ? MenuEntry::kAncestors : MenuEntry::kDescendants),
      {kChartStyleFile});
  for (int individual : people) {
    out += "<div class=\"person\" id=\"" + Number6(individual) + "\">\n<h2 class=\"personname\">";
    out += kind;
    out += ' ';
    AppendEscaped(out, context.views->Name(individual));
    out += "</h2>\n";
    AppendNavigate(out, context, individual);
    if (ancestors) {
      AppendPedigree(out, context, individual);
    } else {
      out += "<div class=\"chart\"><ul class=\"descendants\">\n";
      DescendantTree(context, out).Append(individual, 0);
      out += "</ul></div>\n";
    }
    out += "</div>\n";
  }
  out += PageEnd(context.look);
  return out;
}

}  // namespace

std::string AncestorPageFile(const HtmlContext& context, const std::vector<int>& people) {
  return ChartPage(context, people, true);
}

std::string DescendantPageFile(const HtmlContext& context, const std::vector<int>& people) {
  return ChartPage(context, people, false);
}

}  // namespace kinloom::web
