// The statistics pages on small trees: who counts on each page and in which order, the subtree
// restraints, the calendar slots and the cell formats.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "reports/statistics_dates.h"
#include "reports/statistics_names.h"
#include "reports/statistics_pages.h"
#include "reports/test_tree_builder.h"
#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::reports {
namespace {

using testing::TestTree;
using Lines = std::vector<std::string>;

std::string Xref(char letter, int n) {
  return store::MakeXref(letter, n);
}

// "0 @I..@ INDI", the name, the sex and the further lines.
Lines Person(int n, const std::string& name, char sex, const Lines& more = {}) {
  Lines lines = {"0 " + Xref('I', n) + " INDI", "1 NAME " + name, std::string("1 SEX ") + sex};
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

Lines Event(const std::string& tag, const std::string& date, const std::string& place = "") {
  Lines lines = {"1 " + tag};
  if (!date.empty()) lines.push_back("2 DATE " + date);
  if (!place.empty()) lines.push_back("2 PLAC " + place);
  return lines;
}

Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct Tree {
  explicit Tree(const Lines& records) { testing::LoadOwnTree(t, records); }
  StatsPageResult Page(StatsPage page, StatsRestraints* restraints = nullptr) {
    StatsRestraints everyone;
    return UpdateStatistics(t.store, restraints ? *restraints : everyone, page, 2);
  }
  TestTree t;
};

// The filled rows of a page's first grid, as "cell|cell|...", without the headings.
std::vector<std::string> FilledRows(const StatsPageResult& result, size_t columns_kept) {
  std::vector<std::string> rows;
  for (size_t r = 1; r < result.grids[0].rows.size(); ++r) {
    const auto& row = result.grids[0].rows[r];
    if (row[1].empty()) break;
    std::string text;
    for (size_t c = 1; c < columns_kept; ++c) text += (c > 1 ? "|" : "") + row[c];
    rows.push_back(text);
  }
  return rows;
}

TEST(Statistics, OldestListsTakeTheFirstEventsAndKeepRecordOrderOnTies) {
  Tree tree(Join({
      // The first death-type event has no date: left out although the burial has one.
      Person(1, "Adam /Old/", 'M',
             Join({Event("BIRT", "1 JAN 1800"), Event("DEAT", ""), Event("BURI", "1 JAN 1900")})),
      // Equal ages: 3 stands below 2, its record number being higher.
      Person(2, "Bert /Even/", 'M',
             Join({Event("BIRT", "10 MAR 1850"), Event("DEAT", "20 MAR 1900")})),
      Person(3, "Carl /Even/", 'M',
             Join({Event("BIRT", "10 MAR 1851"), Event("DEAT", "20 MAR 1901")})),
      // The death day comes before the birth day: a year is borrowed.
      Person(4, "Dan /Borrow/", 'M',
             Join({Event("BAPM", "1 DEC 1800"), Event("CREM", "1 FEB 1880")})),
      // Beyond 120 years, and a woman: neither on the men's page.
      Person(5, "Eli /Long/", 'M', Join({Event("BIRT", "1700"), Event("DEAT", "1830")})),
      Person(6, "Fay /Wife/", 'F', Join({Event("BIRT", "1800"), Event("DEAT", "1890")})),
  }));
  const StatsPageResult men = tree.Page(StatsPage::kOldestMen);
  EXPECT_EQ(men.records_checked, 3);
  EXPECT_EQ(FilledRows(men, 4),
            (std::vector<std::string>{"    79|    62|Dan Borrow (4)", "    50|    10|Bert Even (2)",
                                      "    50|    10|Carl Even (3)"}));
  EXPECT_EQ(men.row_individuals[1], 4);
  EXPECT_EQ(men.row_individuals[4], 0);
  EXPECT_EQ(men.grids[0].rows[100][0], "    100");
  EXPECT_EQ(tree.Page(StatsPage::kOldestWomen).records_checked, 1);
}

TEST(Statistics, NamePagesSplitFoldAndCountEachMarriageOnce) {
  Tree tree(Join({
      Person(1, "Mary-Ann Jo /Smith/", 'F', {"1 FAMS " + Xref('F', 1)}),
      Person(2, "Jos\xE9 /Sm\xEFth/", 'M',
             Join({Event("BIRT", "", "Leeds"), {"1 FAMS " + Xref('F', 1)}})),
      Person(3, "Jose Luis /Smith/", 'M', Event("BIRT", "", "Leeds")),
      Person(4, " Ann /Lee/", 'F'),  // starts with a separator: not counted at all
      Person(5, "//", 'F'),          // no given names
      {"0 " + Xref('F', 1) + " FAM", "1 HUSB " + Xref('I', 2), "1 WIFE " + Xref('I', 1)},
      Event("MARR", "", "York"),
  }));
  const StatsPageResult women = tree.Page(StatsPage::kNamesWomen);
  EXPECT_EQ(women.records_checked, 1);
  EXPECT_EQ(FilledRows(women, 4),
            (std::vector<std::string>{"     1|100.0|Mary", "     1|100.0|Ann"}));
  const StatsPageResult men = tree.Page(StatsPage::kNamesMen);
  EXPECT_EQ(FilledRows(men, 4),
            (std::vector<std::string>{"     2|100.0|Jose", "     1| 50.00|Luis"}));
  EXPECT_EQ(FilledRows(tree.Page(StatsPage::kLastNames), 4),
            (std::vector<std::string>{"     3| 75.00|Smith", "     1| 25.00|Lee"}));
  EXPECT_EQ(FilledRows(tree.Page(StatsPage::kBirthPlaces), 4),
            (std::vector<std::string>{"     2|100.0|Leeds"}));
  const StatsPageResult marriages = tree.Page(StatsPage::kMarriagePlaces);
  EXPECT_EQ(marriages.records_checked, 1);
  EXPECT_EQ(FilledRows(marriages, 4), (std::vector<std::string>{"     1|100.0|York"}));
  EXPECT_EQ(FilledRows(tree.Page(StatsPage::kDeathPlaces), 4), std::vector<std::string>{});
  EXPECT_EQ(RecordsCheckedText(tree.Page(StatsPage::kDeathPlaces).records_checked),
            "Records Checked: 0");
}

// The order a literal binary search tree gives, walked node, left, right from the root "N".
std::vector<std::string> LiteralTreeOrder(const std::vector<std::string>& texts) {
  struct Node {
    std::string text;
    int count = 1;
    int left = -1, right = -1;
  };
  std::vector<Node> nodes = {{"N"}};
  for (const std::string& text : texts) {
    int at = 0;
    while (true) {
      Node& node = nodes[static_cast<size_t>(at)];
      if (text == node.text) {
        ++node.count;
        break;
      }
      int& next = text < node.text ? node.left : node.right;
      if (next < 0) {
        next = static_cast<int>(nodes.size());
        nodes.push_back({text});
        break;
      }
      at = next;
    }
  }
  std::vector<const Node*> walk;
  std::function<void(int)> visit = [&](int at) {
    if (at < 0) return;
    if (at > 0) walk.push_back(&nodes[static_cast<size_t>(at)]);
    visit(nodes[static_cast<size_t>(at)].left);
    visit(nodes[static_cast<size_t>(at)].right);
  };
  visit(0);
  std::stable_sort(walk.begin(), walk.end(),
                   [](const Node* a, const Node* b) { return a->count > b->count; });
  std::vector<std::string> order;
  for (const Node* node : walk) order.push_back(node->text + ":" + std::to_string(node->count));
  return order;
}

TEST(Statistics, RankedNamesComeInTheOrderOfTheNameTree) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    std::vector<std::string> texts;
    for (int i = 0; i < 300; ++i) {
      // Few letters give many equal counts, upper and lower case and a byte above 0x7F (\xE6 folds
      // to itself).
      std::string text = "Aa";
      for (int k = 0; k < 2; ++k) text += "aMNz\xE6"[random() % 5];
      if (round % 2 == 0) text[0] = "NOa"[random() % 3];
      texts.push_back(text);
    }
    if (round == 19) std::sort(texts.begin(), texts.end());  // a run of sorted texts
    NameCounter counter;
    for (const std::string& text : texts) counter.Count(text);
    std::vector<std::string> ranked;
    for (const NameCount& name : counter.Ranked(1000)) {
      ranked.push_back(name.text + ":" + std::to_string(name.count));
    }
    ASSERT_EQ(ranked, LiteralTreeOrder(texts)) << "round " << round;
  }
}

TEST(Statistics, SubtreeRestraintsChooseWhoIsTabulated) {
  // 1 and 2 are the parents of 3; 3 married 4 and they have 5; 5 married 6 and they have 7.
  testing::TestTreeBuilder b;
  int number = 0;  // the men have odd numbers
  for (const char* name : {"A /P/", "B /P/", "C /P/", "D /Q/", "E /P/", "F /R/", "G /P/"}) {
    b.Person(name, ++number % 2 == 1 ? 'M' : 'F');
  }
  b.Family(1, 2, {{3}}), b.Family(3, 4, {{5}}), b.Family(5, 6, {{7}});
  Tree tree(b.Lines());
  struct Case {
    const char* name;
    std::function<void(StatsRestraints&)> set;
    std::vector<int> people;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"everyone", [](auto&) {}, {1, 2, 3, 4, 5, 6, 7}},
      {"one generation down",
       [](auto& r) { r.SetDescendants(true), r.SetDescendantGenerations(1); }, {3}},
      {"one generation down with spouses",
       [](auto& r) { r.SetSpouses(true), r.SetDescendantGenerations(1); }, {3, 4}},
      {"two generations down",
       [](auto& r) { r.SetDescendants(true), r.SetDescendantGenerations(2); }, {3, 5}},
      {"one generation up",
       [](auto& r) { r.SetAncestors(true), r.SetAncestorGenerations(1); }, {1, 2, 3}},
      {"both ways",
       [](auto& r) { r.SetAncestors(true), r.SetAncestorGenerations(1), r.SetDescendants(true); },
       {1, 2, 3, 5, 7}},
  };
  // clang-format on
  tree.t.store.set_tree_modified(false);
  for (const Case& c : cases) {
    StatsRestraints restraints;
    ASSERT_TRUE(restraints.SetStart(tree.t.store, 3));
    c.set(restraints);
    EXPECT_EQ(restraints.TabulatedPeople(tree.t.store), c.people) << c.name;
    EXPECT_FALSE(tree.t.store.tree_modified()) << c.name;
  }
  // The walks leave the split selection and its copy alone.
  for (int n = 1; n <= 7; ++n) {
    const uint8_t marks = tree.t.store.individual(n)->markFlags;
    EXPECT_EQ(marks & (store::kMarkSelected | store::kMarkSelectedCopy), 0) << n;
  }
  // The counts page of one generation: only the start person.
  StatsRestraints one;
  ASSERT_TRUE(one.SetStart(tree.t.store, 3));
  one.SetDescendants(true);
  one.SetDescendantGenerations(1);
  const StatsPageResult counts = tree.Page(StatsPage::kCounts, &one);
  EXPECT_EQ(counts.grids[1].rows[1][0], "     1");
  EXPECT_EQ(counts.grids[1].rows[1][4], "     0");
  // A number that names no one leaves the start person as it was.
  EXPECT_FALSE(one.SetStart(tree.t.store, 99));
  EXPECT_EQ(one.start(), 3);
}

TEST(Statistics, RestraintBoxesExcludeOneAnother) {
  struct Case {
    const char* name;
    std::function<void(StatsRestraints&)> act;
    std::string boxes;  // all, ancestors, siblings, descendants, spouses as 0/1
    bool can_update;
  };
  const std::vector<Case> cases = {
      {"start", [](auto&) {}, "10000", true},
      {"siblings check the ancestors", [](auto& r) { r.SetSiblings(true); }, "01100", true},
      {"spouses check the descendants", [](auto& r) { r.SetSpouses(true); }, "00011", true},
      {"everyone clears the subtrees",
       [](auto& r) { r.SetSiblings(true), r.SetSpouses(true), r.SetAll(true); }, "10000", true},
      {"clearing ancestors clears siblings",
       [](auto& r) { r.SetSiblings(true), r.SetAncestors(false); }, "00000", false},
      {"clearing descendants clears spouses",
       [](auto& r) { r.SetSpouses(true), r.SetDescendants(false); }, "00000", false},
  };
  for (const Case& c : cases) {
    StatsRestraints r;
    c.act(r);
    const std::string boxes = {char('0' + r.all()), char('0' + r.ancestors()),
                               char('0' + r.siblings()), char('0' + r.descendants()),
                               char('0' + r.spouses())};
    EXPECT_EQ(boxes, c.boxes) << c.name;
    EXPECT_EQ(r.CanUpdate(), c.can_update) << c.name;
  }
  StatsRestraints r;
  r.SetAncestorGenerations(0);
  r.SetDescendantGenerations(900);
  EXPECT_EQ(r.ancestor_generations(), 1);
  EXPECT_EQ(r.descendant_generations(), 500);
}

TEST(Statistics, CalendarSlotsFollowTheLeapYearShift) {
  // Without a day there is nothing to count.
  // clang-format off
  const std::pair<const char*, int> slots[] = {
      {"1 JAN 1900", 1}, {"28 FEB 1900", 59}, {"1 MAR 1900", 61}, {"29 FEB 1904", 60},
      {"1 MAR 1904", 61}, {"31 DEC 1900", 366}, {"31 DEC 1904", 366}, {"ABT 12 mar 1850", 72},
      {"BET 1850 AND 5 JAN 1860", 5}, {"MAR 1900", 0}, {"1900", 0}, {"CAL 12 MAR 1850", 0},
      {"", 0}};
  // clang-format on
  for (const auto& [date, slot] : slots) EXPECT_EQ(CalendarSlot(date), slot) << date;
  EXPECT_EQ(SlotText(60), " 29 Feb");
  EXPECT_EQ(SlotText(61), " 01 Mar");
  EXPECT_EQ(SlotText(366), " 31 Dec");
}

TEST(Statistics, DatesAndCountsPages) {
  Tree tree(Join({
      Person(1, "A /P/", 'M', Join({Event("BIRT", "5 MAR 1900"), {"1 FAMS " + Xref('F', 1)}})),
      Person(2, "B /P/", 'F',
             Join({Event("CHR", "5 MAR 1901"), Event("BURI", ""), {"1 FAMS " + Xref('F', 1)}})),
      Person(3, "C /P/", 'U', Event("BIRT", "7 JAN 1950")),
      {"0 " + Xref('F', 1) + " FAM", "1 HUSB " + Xref('I', 1), "1 WIFE " + Xref('I', 2)},
      Event("MARR", "5 MAR 1925"),
  }));
  const StatsPageResult dates = tree.Page(StatsPage::kDates);
  const auto& grid = dates.grids[0].rows;
  EXPECT_EQ(grid[0][12], "Marriage");
  EXPECT_EQ(grid[1],
            (std::vector<std::string>{"      1", "", "     2", " 66.67", " 05 Mar", "", "     0",
                                      "", " 01 Jan", "", "     1", "100.0", " 05 Mar"}));
  EXPECT_EQ(grid[2][4], " 07 Jan");
  EXPECT_EQ(grid[2][2], "     1");
  EXPECT_EQ(grid.size(), 367u);
  EXPECT_EQ(dates.per_month[kBirthDates][2], 2);
  EXPECT_EQ(dates.per_month[kMarriageDates][2], 1);

  // No dated deaths: the average ages are 0 and 0.
  const StatsPageResult counts = tree.Page(StatsPage::kCounts);
  const auto& people = counts.grids[1].rows;
  EXPECT_EQ(people[1], (std::vector<std::string>{"     1", " 50.00", "Individuals", "", "     1",
                                                 " 50.00", "Individuals"}));
  EXPECT_EQ(people[2][0], "     1");  // the man has no death-type event: living
  EXPECT_EQ(people[2][4], "     0");  // the woman's burial has no date, but she is not living
  EXPECT_EQ(people[2][5], "  0.00");
  EXPECT_EQ(people[3][1], "100.0");
  EXPECT_EQ(people[4], (std::vector<std::string>{"   0 yr", " 0 d", "Average Age", "", "   0 yr",
                                                 " 0 d", "Average Age"}));
  const auto& ages = counts.grids[2].rows;
  EXPECT_EQ(ages[1][1], "");  // no valid age: no percentage
  EXPECT_EQ(ages[9][2], "100 Years of Age");
  const auto& records = counts.grids[0].rows;
  EXPECT_EQ(records[1], (std::vector<std::string>{"     3", "  0.00", "Individuals", "", "999996",
                                                  "100.00", "Individuals"}));
  EXPECT_EQ(records[4][0], "     2");
  EXPECT_EQ(records[4][1], "  1.92");
}

TEST(Statistics, AverageAgeAndAgesReached) {
  Tree tree(Join({
      Person(1, "A /P/", 'M', Join({Event("BIRT", "1 JAN 1800"), Event("DEAT", "1 JAN 1850")})),
      Person(2, "B /P/", 'M', Join({Event("BIRT", "1 JAN 1800"), Event("DEAT", "1 JUL 1830")})),
      Person(3, "C /P/", 'M', Join({Event("BIRT", "1800"), Event("DEAT", "1800")})),  // 0 years
      // No birth date: no age, although a missing year taken as -1 would give 51 years.
      Person(4, "D /P/", 'M', Event("DEAT", "50")),
  }));
  const StatsPageResult counts = tree.Page(StatsPage::kCounts);
  // (50 + 30 + 181 / 365.25) / 2 years.
  EXPECT_EQ(counts.grids[1].rows[4][0], "   40 yr");
  EXPECT_EQ(counts.grids[1].rows[4][1], " 90 d");
  EXPECT_EQ(counts.ages_reached[0][3], 1);  // over 34
  EXPECT_EQ(counts.ages_reached[0][2], 2);  // over 19
  EXPECT_EQ(counts.grids[2].rows[4][1], " 50.00");
  // The marker family of a tree without families is not a family.
  EXPECT_EQ(counts.grids[0].rows[2][0], "     0");
}

}  // namespace
}  // namespace kinloom::reports
