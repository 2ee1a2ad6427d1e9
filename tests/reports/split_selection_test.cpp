// The split selection: the marks and their saved copy, and which people each bulk walk marks,
// on a three-generation family, an ancestry loop and a very long line.
#include "reports/split_selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "reports/test_tree_builder.h"

namespace kinloom::reports {
namespace {

using testing::TestTree;
using People = std::set<int>;

class SplitSelectionTest : public ::testing::Test {
 protected:
  // Individuals 1..people, and families of {husband, wife (0: none), children...}.
  void Make(int people, const std::vector<std::vector<int>>& families) {
    testing::TestTreeBuilder b;
    for (int n = 1; n <= people; ++n) b.Person("Person /" + std::to_string(n) + "/");
    for (const std::vector<int>& f : families) {
      std::vector<testing::TestTreeBuilder::Child> children;
      for (size_t i = 2; i < f.size(); ++i) children.push_back({f[i]});
      b.Family(f[0], f[1], children);
    }
    b.LoadInto(tree_);
  }

  // Grandparents 1 and 2 have the father 3 and the aunt 4; the aunt and 5 have the cousin 6, who
  // with 7 has 8. The father 3 and the mother 9 have the start 10 and the sibling 11; the
  // mother had 13 with 12 before, and is the child of 21 (no husband known) with 22. The start
  // and 14 have 15, who with 16 has 17; 14 also has 19 with 18. 20 stands alone.
  void BuildFamily() {
    Make(22, {{1, 2, 3, 4},
              {5, 4, 6},
              {6, 7, 8},
              {3, 9, 10, 11},
              {12, 9, 13},
              {10, 14, 15},
              {15, 16, 17},
              {18, 14, 19},
              {0, 21, 9, 22}});
  }

  People Marked() const {
    People marked;
    for (int n = 1; n <= tree_.store.highest_individual(); ++n) {
      if (IsSelected(tree_.store, n)) marked.insert(n);
    }
    return marked;
  }

  TestTree tree_;
};

// The walks that follow every generation: up from `child` or down from `parent`.
void AllWalks(SplitSelection& selection, int walk, int child, int parent) {
  if (walk == 0) selection.AddAllAncestors(child, true);
  if (walk == 1) selection.AddAllDescendants(parent, true);
  if (walk == 2) selection.AddAncestorTree(child);
  if (walk == 3) selection.AddDescendantTree(parent);
}

TEST_F(SplitSelectionTest, RestoreReturnsTheMarksTheWindowOpenedWith) {
  BuildFamily();
  SetSelected(tree_.store, 2, true);
  SetSelected(tree_.store, 20, true);
  // A copy left over from an earlier window must not come back.
  tree_.store.individual(5)->markFlags |= store::kMarkSelectedCopy;
  SplitSelection selection(tree_.store);
  EXPECT_EQ(selection.CheckedCount(), 2);

  selection.Toggle(20);
  selection.Toggle(7);
  selection.AddAllDescendants(1, true);
  selection.UnCheckAll();
  EXPECT_EQ(selection.CheckedCount(), 0);
  selection.AddAncestorTree(10);
  selection.Restore();
  EXPECT_EQ(Marked(), (People{2, 20}));
  EXPECT_EQ(selection.CheckedCount(), 2);
}

// The marks are saved with the tree: every action that changes one changes the tree, and only
// those.
TEST_F(SplitSelectionTest, AChangedMarkIsAChangeOfTheTree) {
  BuildFamily();
  SetSelected(tree_.store, 2, true);
  struct Step {
    const char* action;
    std::function<void(SplitSelection&)> run;
    bool changes;
  };
  const Step steps[] = {
      {"toggle", [](SplitSelection& s) { s.Toggle(20); }, true},
      {"toggle a number without a record", [](SplitSelection& s) { s.Toggle(23); }, false},
      {"descendants", [](SplitSelection& s) { s.AddAllDescendants(10, true); }, true},
      {"descendants again", [](SplitSelection& s) { s.AddAllDescendants(10, true); }, false},
      {"ancestors", [](SplitSelection& s) { s.AddAllAncestors(10, true); }, true},
      {"ancestor tree", [](SplitSelection& s) { s.AddAncestorTree(10); }, true},
      {"descendant tree", [](SplitSelection& s) { s.AddDescendantTree(10); }, true},
      {"uncheck", [](SplitSelection& s) { s.UnCheckAll(); }, true},
      {"uncheck again", [](SplitSelection& s) { s.UnCheckAll(); }, false},
      {"restore", [](SplitSelection& s) { s.Restore(); }, true},
      {"restore again", [](SplitSelection& s) { s.Restore(); }, false},
  };
  tree_.store.set_tree_modified(false);
  SplitSelection selection(tree_.store);
  EXPECT_FALSE(tree_.store.tree_modified()) << "opening";
  for (const Step& step : steps) {
    tree_.store.set_tree_modified(false);
    step.run(selection);
    EXPECT_EQ(tree_.store.tree_modified(), step.changes) << step.action;
  }
}

TEST_F(SplitSelectionTest, MarksIgnoreNumbersWithoutARecord) {
  BuildFamily();
  SplitSelection selection(tree_.store);
  selection.Toggle(0);
  selection.Toggle(23);
  selection.Toggle(-4);
  selection.AddAllAncestors(999, true);
  selection.AddDescendantTree(0);
  EXPECT_EQ(selection.CheckedCount(), 0);
}

TEST_F(SplitSelectionTest, EachWalkMarksItsOwnPeopleOfTheFamily) {
  BuildFamily();
  SplitSelection s(tree_.store);
  // Each walk starts from no marks.
  auto expect = [&](const People& people, const char* walk) {
    EXPECT_EQ(Marked(), people) << walk;
    s.UnCheckAll();
  };
  s.AddAllDescendants(10, false);
  expect({10, 15, 17}, "descendants");
  s.AddAllDescendants(10, true);  // the spouse 14, but not 19, her child by 18
  expect({10, 14, 15, 16, 17}, "descendants with spouses");
  s.MarkDescendants(1, 2, false);
  expect({1, 3, 4}, "two generations down");
  s.MarkAncestors(10, 1, false);
  expect({3, 9, 10}, "one generation up");
  s.MarkDescendants(10, 1, true);
  expect({10, 14}, "one generation down with spouses");
  s.AddAllAncestors(10, false);
  expect({1, 2, 3, 9, 10, 21}, "ancestors through both parents");
  // The aunt 4 with her husband, child and the child's wife, but not the grandchild 8; the
  // mother's children by 12 and, though her parents' family has no husband, her sibling 22.
  // The start's own spouse and children are not ancestors' families.
  s.AddAllAncestors(10, true);
  expect({1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 21, 22}, "ancestors with siblings' families");
  s.AddAncestorTree(10);
  expect({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 21, 22}, "everyone joined to the parents");
  s.AddAncestorTree(14);
  expect({14}, "ancestor tree of someone without parents");
  s.AddDescendantTree(10);
  expect({10, 14, 15, 16, 17, 18, 19}, "everyone joined to the children");
}

TEST_F(SplitSelectionTest, EveryWalkEndsOnAnAncestryLoop) {
  Make(2, {{1, 0, 2}, {2, 0, 1}});  // 1 is the father of 2, and 2 the father of 1
  SplitSelection selection(tree_.store);
  for (int walk = 0; walk < 4; ++walk) {
    selection.UnCheckAll();
    AllWalks(selection, walk, 1, 2);
    EXPECT_EQ(Marked(), (People{1, 2})) << "walk " << walk;
  }
}

TEST_F(SplitSelectionTest, WalksHandleALineOfAHundredThousandGenerations) {
  // Each person n is the only child of n + 1.
  constexpr int kPeople = 100000;
  std::vector<std::vector<int>> families;
  for (int n = 1; n < kPeople; ++n) families.push_back({n + 1, 0, n});
  Make(kPeople, families);
  SplitSelection selection(tree_.store);
  for (int walk = 0; walk < 4; ++walk) {
    selection.UnCheckAll();
    AllWalks(selection, walk, 1, kPeople);
    EXPECT_EQ(selection.CheckedCount(), kPeople) << "walk " << walk;
  }
}

}  // namespace
}  // namespace kinloom::reports
