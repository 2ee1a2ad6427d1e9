// Walks over generations: the top ancestor with its loop check, the descendant chart, the
// outlines and the family view. Every walk must end on a tree in which someone is their own
// ancestor.
#include "core/generation_walks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/chart_cache.h"
#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::core {
namespace {

using store::MakeXref;
using testing::LoadOwnTree;
using testing::TestTree;

struct Child {
  Child(int n) : number(n) {}  // NOLINT: children are mostly plain numbers
  Child(int n, std::string kind) : number(n), pedi(std::move(kind)) {}
  int number;
  std::string pedi;
};

// Writes both sides of every link, so a tree can be described family by family.
class TreeBuilder {
 public:
  TreeBuilder& Person(int n, const std::string& name, char sex = 'M',
                      std::vector<std::string> events = {}) {
    auto& lines = people_[n];
    lines.insert(lines.begin(), {"0 " + MakeXref('I', n) + " INDI", "1 NAME " + name,
                                 std::string("1 SEX ") + sex});
    lines.insert(lines.begin() + 3, events.begin(), events.end());
    return *this;
  }
  TreeBuilder& Family(int n, int husband, int wife, std::vector<Child> children,
                      std::vector<std::string> events = {}) {
    auto& lines = families_[n];
    lines.push_back("0 " + MakeXref('F', n) + " FAM");
    if (husband != 0) Link(&lines, "1 HUSB", husband, "1 FAMS", n);
    if (wife != 0) Link(&lines, "1 WIFE", wife, "1 FAMS", n);
    for (const Child& child : children) {
      Link(&lines, "1 CHIL", child.number, "1 FAMC", n);
      if (!child.pedi.empty()) people_[child.number].push_back("2 PEDI " + child.pedi);
    }
    lines.insert(lines.end(), events.begin(), events.end());
    return *this;
  }
  void Load(TestTree& tree) const {
    std::vector<std::string> lines;
    for (const auto& [n, person] : people_) lines.insert(lines.end(), person.begin(), person.end());
    for (const auto& [n, family] : families_) {
      lines.insert(lines.end(), family.begin(), family.end());
    }
    LoadOwnTree(tree, lines);
    InitializeChart(tree.store);
  }

 private:
  void Link(std::vector<std::string>* lines, const std::string& tag, int person,
            const std::string& back_tag, int family) {
    lines->push_back(tag + " " + MakeXref('I', person));
    people_[person].push_back(back_tag + " " + MakeXref('F', family));
  }

  std::map<int, std::vector<std::string>> people_;
  std::map<int, std::vector<std::string>> families_;
};

// Ann (1) has a son Cid (3), whose son Bob (2) is Ann's father.
TreeBuilder LoopTree() {
  TreeBuilder tree;
  tree.Person(1, "Ann /Lee/", 'F').Person(2, "Bob /Lee/").Person(3, "Cid /Lee/");
  tree.Family(1, 2, 0, {1}).Family(2, 0, 1, {3}).Family(3, 3, 0, {2});
  return tree;
}

// Every person n below `top` is the only child of n + 1.
TreeBuilder FatherLine(int top) {
  TreeBuilder tree;
  for (int n = 1; n <= top; ++n) tree.Person(n, "N /L/");
  for (int n = 1; n < top; ++n) tree.Family(n, n + 1, 0, {n});
  return tree;
}

// A full pedigree: person k has father 2k and mother 2k + 1, through family k.
TreeBuilder Pedigree(int people) {
  TreeBuilder tree;
  for (int k = 1; k <= people; ++k) tree.Person(k, "A" + std::to_string(k) + " /Ped/", "MF"[k % 2]);
  for (int k = 1; 2 * k + 1 <= people; ++k) tree.Family(k, 2 * k, 2 * k + 1, {k});
  return tree;
}

// Two people per generation, both children of the couple of the generation above: ancestors
// and descendants double with every generation while the tree stays tiny.
TreeBuilder Ladder(int generations) {
  TreeBuilder tree;
  for (int g = 0; g <= generations; ++g) {
    tree.Person(2 * g + 1, "H" + std::to_string(g) + " /Lad/", 'M');
    tree.Person(2 * g + 2, "W" + std::to_string(g) + " /Lad/", 'F');
  }
  for (int g = 0; g < generations; ++g)
    tree.Family(g + 1, 2 * g + 3, 2 * g + 4, {2 * g + 1, 2 * g + 2});
  return tree;
}

std::vector<int> People(const Outline& outline) {
  std::vector<int> people;
  for (const OutlineEntry& entry : outline.entries) people.push_back(entry.individual);
  return people;
}

TEST(TopAncestorWalk, ClimbsTheFirstListedParentForAtMost999StepsAndWarnsOfALoop) {
  TestTree t;
  TreeBuilder tree;
  tree.Person(1, "Kid /A/").Person(2, "Dad /A/").Person(3, "Mum /B/", 'F');
  tree.Person(4, "Gran /B/", 'F').Family(1, 2, 3, {1}).Family(2, 0, 4, {3});
  tree.Load(t);
  EXPECT_EQ(FindTopAncestor(t.store, 1), 2);
  EXPECT_EQ(FindTopAncestor(t.store, 3), 4);
  TestTree line;
  FatherLine(1001).Load(line);
  EXPECT_EQ(FindTopAncestor(line.store, 1), 1000);
  EXPECT_TRUE(t.ui.records().empty());
  EXPECT_TRUE(line.ui.records().empty());

  TestTree loop;
  LoopTree().Load(loop);
  EXPECT_EQ(FindTopAncestor(loop.store, 1), 1);
  ASSERT_EQ(loop.ui.records().size(), 1u);
  EXPECT_EQ(loop.ui.records()[0].caption, "*** Critical Error ***");
  EXPECT_EQ(loop.ui.records()[0].text,
            "Individual  000002  is part of a loop in which an\n"
            "ancestor is also a descendant of the same person.");
  EXPECT_EQ(loop.ui.records()[0].icon, platform::Icon::kExclamation);
}

TEST(DescendantChartWalk, LaysOutRowsAndColumns) {
  TestTree t;
  TreeBuilder tree;
  tree.Person(1, "Bartholomew /Fitzgerald-Longname/", 'M', {"1 BIRT", "2 DATE 1900"});
  tree.Person(2, "Eve /Ray/", 'F').Person(3, "Al /Bo/").Person(4, "Cy /Bo/");
  tree.Family(1, 1, 2, {3, 4}, {"1 MARR", "2 DATE 1920"});
  tree.Load(t);
  const DescendantChart chart = BuildDescendantChart(t.store, 1, {4, {}});
  ASSERT_EQ(chart.levels.size(), 2u);
  ASSERT_EQ(chart.levels[0].size(), 2u);
  ASSERT_EQ(chart.levels[1].size(), 2u);
  EXPECT_EQ(chart.levels[0][1].kind, 'S');
  // Own box 2 rows, marriage row, Eve's box: 4 rows and a spacing row; children need 4.
  EXPECT_EQ(
      (std::vector<int>{chart.levels[0][0].rows, chart.levels[0][1].row, chart.levels[1][0].row,
                        chart.levels[1][1].row, chart.levels[1][1].child_number, chart.total_rows,
                        chart.top_row, chart.shown_row}),
      (std::vector<int>{4, 2, 0, 2, 2, 5, 0, 2}));
  // "Bartholomew Fitzgerald-Longname (1)" is 35 characters; the children's column is narrow.
  EXPECT_EQ(chart.column_widths, (std::vector<int>{35 * 7, 120}));
  EXPECT_EQ(chart.column_left, (std::vector<int>{0, 35 * 7 + 40}));
}

TEST(DescendantChartWalk, ParentSitsInTheMiddleOfItsDescendants) {
  TestTree t;
  TreeBuilder tree;
  tree.Person(1, "Top /A/");
  tree.Family(1, 1, 0, {2, 3, 4, 5, 6});
  for (int child = 2; child <= 6; ++child) {
    tree.Person(child, "C" + std::to_string(child) + " /A/").Person(child + 5, "W /B/", 'F');
    tree.Family(child, child, child + 5, {});
  }
  tree.Load(t);
  const DescendantChart chart = BuildDescendantChart(t.store, 1, {});
  // Each child: own row + wife's row + spacing = 3; the parent needs own row + "m. " +
  // "Spouse Unknown" + spacing = 4.
  EXPECT_EQ(chart.total_rows, 15);
  EXPECT_EQ(chart.levels[0][0].row, (15 - 4 - 1) / 2);
  EXPECT_EQ(chart.levels[0][1].row, 5 + 1);
  EXPECT_EQ(chart.levels[1][8].row, 12);
}

// Hugh (1) and Wendy (2) have Sam (3) and Tess (4); Sam's son Ivo (7) marries Tess's daughter
// Jo (8), and they have Kim (9).
TreeBuilder CousinMarriage() {
  TreeBuilder tree;
  tree.Person(1, "Hugh /A/").Person(2, "Wendy /A/", 'F').Person(3, "Sam /A/");
  tree.Person(4, "Tess /A/", 'F').Person(5, "Una /B/", 'F').Person(6, "Vic /C/");
  tree.Person(7, "Ivo /A/").Person(8, "Jo /C/", 'F').Person(9, "Kim /A/");
  tree.Family(1, 1, 2, {3, 4}).Family(2, 3, 5, {7}).Family(3, 6, 4, {8}).Family(4, 7, 8, {9});
  return tree;
}

std::vector<const ChartNode*> NodesOfFamily(const DescendantChart& chart, int family) {
  std::vector<const ChartNode*> nodes;
  for (const auto& level : chart.levels) {
    for (const ChartNode& node : level) {
      if (node.kind == 'S' && node.family == family) nodes.push_back(&node);
    }
  }
  return nodes;
}

TEST(DescendantChartWalk, FamilyReachedTwiceIsCollapsedTheSecondTimeUnlessToggled) {
  TestTree t;
  CousinMarriage().Load(t);
  for (bool toggled : {false, true}) {
    const DescendantChart chart = BuildDescendantChart(
        t.store, 1, {0, toggled ? std::unordered_set<int>{4} : std::unordered_set<int>{}});
    const auto nodes = NodesOfFamily(chart, 4);
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_EQ((std::vector<bool>{nodes[0]->collapsed, nodes[0]->children_drawn, nodes[1]->collapsed,
                                 nodes[1]->children_drawn}),
              (std::vector<bool>{toggled, !toggled, !toggled, toggled}));
    ASSERT_EQ(chart.levels.size(), 4u);
    EXPECT_EQ(chart.levels[3].size(), 1u);
  }
  // Jo's block: her box, her marriage row ("m. ") and Ivo's box, and the folded row.
  const DescendantChart chart = BuildDescendantChart(t.store, 1, {});
  EXPECT_EQ(chart.levels[2][2].individual, 8);
  EXPECT_EQ(chart.levels[2][2].rows, 1 + 1 + 1 + 1);
}

TEST(DescendantChartWalk, EndsOnAncestryLoopEvenWhenItsFamiliesAreToggled) {
  TestTree t;
  TreeBuilder tree = LoopTree();
  // Ann and her brother Tom are children of Zed; Ann's family with Cid's father is listed
  // under Tom as well, so that it is met a second and a third time.
  tree.Person(10, "Zed /Lee/").Person(11, "Tom /Lee/").Family(10, 10, 0, {1, 11});
  tree.Load(t);
  store::LineNode* last = t.store.LastLine(t.store.individual(11)->lines);
  t.store.AppendLine(&last, "1 FAMS @F000002@");
  const DescendantChart plain = BuildDescendantChart(t.store, 10, {});
  EXPECT_EQ(plain.levels.size(), 5u);
  // Folded at Ann, shown at Tom, and folded again where the loop reaches Ann a second time.
  const DescendantChart toggled = BuildDescendantChart(t.store, 10, {0, {2}});
  const auto nodes = NodesOfFamily(toggled, 2);
  ASSERT_EQ(nodes.size(), 3u);
  EXPECT_EQ((std::vector<bool>{nodes[0]->collapsed, nodes[1]->children_drawn, nodes[2]->collapsed}),
            (std::vector<bool>{true, true, true}));
}

TEST(DescendantChartWalk, ThousandsOfGenerationsNeedNoDeepRecursion) {
  TestTree t;
  FatherLine(5000).Load(t);
  const DescendantChart chart = BuildDescendantChart(t.store, 5000, {1, {}});
  ASSERT_EQ(chart.levels.size(), 5000u);
  EXPECT_EQ(chart.levels.back()[0].individual, 1);
  EXPECT_EQ(chart.shown_row, 0);
  EXPECT_EQ(chart.column_left.back(), 4999 * (120 + 40));
}

TEST(AncestorOutline, FathersAboveMothersBelowWithConnectorMasksForFiveGenerations) {
  TestTree t;
  Pedigree(127).Load(t);
  const Outline full = BuildAncestorOutline(t.store, 1, kAncestorGenerationsDefault);
  EXPECT_EQ(full.entries.size(), 63u);
  EXPECT_EQ(full.generations, 5);
  EXPECT_FALSE(full.reached_maximum);
  EXPECT_EQ(full.hint, " Viewing up to: 6 Generations -- Click to Increase or Decrease");

  const Outline outline = BuildAncestorOutline(t.store, 1, 3);
  EXPECT_EQ(People(outline), (std::vector<int>{4, 2, 5, 1, 6, 3, 7}));
  std::string marks;
  std::vector<uint64_t> masks;
  for (const OutlineEntry& entry : outline.entries) {
    marks += entry.mark;
    masks.push_back(entry.mask);
    EXPECT_EQ(entry.line, static_cast<int>(masks.size()) - 1);
  }
  EXPECT_EQ(marks, "MMFIMFF");
  // The father's line down to the start person passes his wife's branch, and the mother's
  // line up to it passes her father's branch.
  EXPECT_EQ(masks, (std::vector<uint64_t>{0, 0, 2, 0, 2, 0, 0}));
}

TEST(AncestorOutline, AdoptiveFatherFamilyGivesBothParents) {
  TestTree t;
  TreeBuilder tree;
  tree.Person(1, "Kid /A/").Person(2, "Step /A/").Person(3, "Mum /B/", 'F');
  tree.Family(1, 2, 3, {{1, "Adopt Fth"}});
  tree.Load(t);
  const Outline outline = BuildAncestorOutline(t.store, 1, 3);
  EXPECT_EQ(People(outline), (std::vector<int>{2, 1, 3}));
  ASSERT_EQ(outline.entries.size(), 3u);
  EXPECT_EQ(std::string({outline.entries[0].mark, outline.entries[2].mark}), "MF");
}

TEST(DescendantOutline, StepChildrenAreListedUnderTheMotherOnly) {
  TestTree t;
  TreeBuilder tree;
  tree.Person(1, "Mum /A/", 'F').Person(2, "Step /B/").Person(3, "Kid /A/").Person(4, "Baby /B/");
  tree.Family(1, 2, 1, {{3, "Step Fth"}, 4});
  tree.Load(t);
  const Outline mother = BuildDescendantOutline(t.store, 1, kDescendantGenerationsDefault);
  EXPECT_EQ(People(mother), (std::vector<int>{1, 2, 3, 4}));
  const Outline step_father = BuildDescendantOutline(t.store, 2, kDescendantGenerationsDefault);
  EXPECT_EQ(People(step_father), (std::vector<int>{2, 1, 4}));
}

TEST(DescendantOutline, TextsShowNumberingAliasAndDates) {
  TestTree t;
  TreeBuilder tree;
  tree.Person(1, "Ann /Lee/", 'F',
              {"1 ALIA Nan", "1 BIRT", "2 DATE 1900", "1 DEAT", "2 DATE 1980"});
  tree.Person(2, "Bob /Ray/").Person(3, "Cid /Ray/", 'M', {"1 ALIA"});
  tree.Family(1, 2, 1, {3});
  tree.Load(t);
  const Outline outline = BuildDescendantOutline(t.store, 1, kDescendantGenerationsMin);
  std::vector<std::string> texts;
  for (const OutlineEntry& entry : outline.entries)
    texts.push_back(OutlineText(t.store, entry, true));
  EXPECT_EQ(texts, (std::vector<std::string>{"1 Ann Lee (1)  (Nan)   b. 1900   d. 1980",
                                             "+  Bob Ray (2)", "2 Cid Ray (3)"}));
  EXPECT_EQ(OutlineText(t.store, outline.entries[0], false),
            "Ann Lee (1)  (Nan)   b. 1900   d. 1980");
  EXPECT_EQ(outline.hint, " Viewing up to: 2 Generations -- Click to Increase or Decrease");
}

TEST(OutlineWalks, DepthIsCutBelowTheEntryLimitAndAtTheSettingInALoop) {
  TestTree t;
  Ladder(kGenerationsMax).Load(t);
  const Outline ancestors = BuildAncestorOutline(t.store, 1, kGenerationsMax);
  // 2^16 - 1 entries fit below 100,000; a 17th generation would make 2^17 - 1.
  EXPECT_EQ(ancestors.generations, 15);
  EXPECT_EQ(ancestors.entries.size(), 65535u);
  EXPECT_TRUE(ancestors.reached_maximum);
  EXPECT_EQ(ancestors.hint, " Reached Maximum Number of Generations");
  const Outline descendants = BuildDescendantOutline(t.store, 2 * kGenerationsMax + 1, 20);
  // Two entries (person and spouse) for each of 2^g people of generation g.
  EXPECT_EQ(descendants.generations, 14);
  EXPECT_EQ(descendants.entries.size(), 2u * ((1u << 15) - 1));
  EXPECT_EQ(descendants.hint, " Reached Maximum Number of Generations");

  TestTree loop;
  LoopTree().Load(loop);
  const Outline loop_ancestors = BuildAncestorOutline(loop.store, 1, kGenerationsMax);
  EXPECT_EQ(loop_ancestors.entries.size(), 34u);
  EXPECT_EQ(loop_ancestors.hint, " Reached Maximum Number of Generations");
  EXPECT_EQ(BuildDescendantOutline(loop.store, 1, 10).entries.size(), 10u);
}

TEST(FamilyView, ListsSpousesChildrenVitalsAndParents) {
  TestTree t;
  TreeBuilder tree;
  tree.Person(
      1, "Ann /Lee/", 'F',
      {"1 BIRT", "2 DATE 1900", "2 PLAC York", "1 BAPM", "2 DATE 1901", "1 BURI", "2 PLAC Leeds"});
  tree.Person(2, "Bob /Ray/").Person(3, "Cid /Ray/").Person(4, "Dee /Ray/", 'F');
  tree.Person(5, "Pa /Lee/").Person(6, "Ma /Lee/", 'F');
  tree.Person(7, "Eve /Lee/", 'F');
  tree.Family(1, 2, 1, {3, 4}, {"1 MARR", "2 DATE 1920"}).Family(2, 0, 1, {7});
  tree.Family(3, 5, 6, {1}, {"1 MARR", "2 DATE 1890"});
  tree.Load(t);
  const FamilyView view = BuildFamilyView(t.store, 1);
  EXPECT_EQ(view.person.lines,
            (std::vector<std::string>{"Ann Lee (1)", "Birth: 1900  York", "Baptized: 1901",
                                      "Burial:  Leeds", "Father: Pa Lee (5)", "Mother: Ma Lee (6)",
                                      "Married: 1890"}));
  ASSERT_EQ(view.spouses.size(), 2u);
  EXPECT_EQ(view.spouses[0].lines, (std::vector<std::string>{"Bob Ray (2)", "Married: 1920"}));
  EXPECT_EQ(view.spouses[1].individual, 0);
  EXPECT_EQ(view.spouses[1].family, 2);
  EXPECT_EQ(view.spouses[1].lines, (std::vector<std::string>{"Spouse Unknown"}));
  std::vector<std::string> children;
  for (const auto& child : view.children) {
    children.push_back(child.lines[0] + " of " + std::to_string(child.family));
  }
  EXPECT_EQ(children,
            (std::vector<std::string>{"  1  M  Cid Ray (3) of 1", "  2  F  Dee Ray (4) of 1",
                                      "  1  F  Eve Lee (7) of 2"}));
}

}  // namespace
}  // namespace kinloom::core
