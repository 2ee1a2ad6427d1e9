// The duplicate search: pairs on both records, the reasons to compare and the decision, and the
// indexed search agreeing with the comparison of every pair.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "reports/verifier.h"
#include "reports/verifier_duplicates.h"
#include "support/verifier_trees.h"

namespace kinloom::reports {
namespace {

using testing::TreeBuilder;

// The rows of error 28 as "record: description".
std::vector<std::string> DuplicateRows(const TreeBuilder& b) {
  testing::TestTree tree;
  b.Load(tree);
  VerifyOptions options;
  options.settings.checks = 0;
  options.settings.set_check(kErrorDuplicate, true);
  ProblemList list;
  RunVerifier(tree.store, options, &list);
  std::vector<std::string> rows;
  for (const ProblemRow& row : list.rows()) {
    EXPECT_EQ(list.Event(row), "Duplicate Entry?");
    rows.push_back(std::to_string(row.record) + ": " + std::string(list.Description(row)));
  }
  return rows;
}

TEST(VerifierDuplicatesTest, APairIsListedUnderBothRecords) {
  TreeBuilder b;
  b.Person(3, "John /Smith/", "M").Event(3, "BIRT", "3 Mar 1850");
  b.Person(7, "Jon /Smithe/", "M").Event(7, "BIRT", "3 Mar 1850").Event(7, "DEAT", "1920");
  b.Person(9, "John /Smith/", "M").Event(9, "BIRT", "1880");  // born too late
  EXPECT_EQ(DuplicateRows(b),
            (std::vector<std::string>{"7: ID No 000007 and 000003 could be same person",
                                      "3: ID No 000007 and 000003 could be same person"}));
}

TEST(VerifierDuplicatesTest, WhatTellsTwoPeopleApart) {
  // Individual 1 is "Anna /Berg/" born 1 Jan 1850; the case makes individual 2.
  auto second = [](TreeBuilder& b, const std::string& name, const std::string& born) {
    b.Person(2, name, "F");
    if (!born.empty()) b.Event(2, "BIRT", born);
  };
  auto fathers = [](TreeBuilder& b, const std::string& one, const std::string& two) {
    b.Person(5, "Per /Berg/", "M").Event(5, "BIRT", one).Family(2, 5, 0, {1});
    b.Person(6, "Pal /Berg/", "M").Event(6, "BIRT", two).Family(3, 6, 0, {2});
  };
  struct Case {
    const char* what;
    std::function<void(TreeBuilder&)> build;
    bool same;
  } cases[] = {
      // clang-format off
      {"the same name and birth", [&](auto& b) { second(b, "Anna /Berg/", "1 Jan 1850"); }, true},
      {"born 8 days apart", [&](auto& b) { second(b, "Anna /Berg/", "9 Jan 1850"); }, true},
      {"born 9 days apart", [&](auto& b) { second(b, "Anna /Berg/", "10 Jan 1850"); }, false},
      {"died before the other was born",
       [&](auto& b) { second(b, "Anna /Berg/", ""), b.Event(2, "DEAT", "1849"); }, false},
      {"given names that sound otherwise",
       [&](auto& b) { second(b, "Greta /Berg/", "1 Jan 1850"); }, false},
      {"surnames that share no three letters",
       [&](auto& b) { second(b, "Anna /Burg/", "1 Jan 1850"); }, false},
      {"a child born before the other was 15", [&](auto& b) {
         second(b, "Anna /Berg/", "1 Jan 1850");
         b.Person(3, "Olaf /Dahl/", "M").Person(4, "Nils /Dahl/", "M").Event(4, "BIRT", "1860");
         b.Family(1, 3, 2, {4}, "1859"); }, false},
      {"fathers born days apart",
       [&](auto& b) { second(b, "Anna /Berg/", "1 Jan 1850"), fathers(b, "1810", "5 Jan 1810"); },
       true},
      {"fathers born years apart",
       [&](auto& b) { second(b, "Anna /Berg/", "1 Jan 1850"), fathers(b, "1810", "1815"); }, false},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TreeBuilder b;
    b.Person(1, "Anna /Berg/", "F").Event(1, "BIRT", "1 Jan 1850");
    c.build(b);
    EXPECT_EQ(DuplicateRows(b).size(), c.same ? 2u : 0u);
  }
}

TEST(VerifierDuplicatesTest, SameNamesAreComparedUnlessBrothersOrOneIsTheOthersForebear) {
  for (bool related : {true, false}) {
    SCOPED_TRACE(related);
    TreeBuilder brothers;
    brothers.Person(1, "Hal /Lund/", "M").Person(2, "Eve /Moor/", "F");
    brothers.Person(3, "Carl /Lund/", "M").Event(3, "BIRT", "1 Jun 1850");
    brothers.Person(4, "Carl /Lund/", "M").Event(4, "BIRT", "1 Jun 1850");
    brothers.Family(1, 1, 2, related ? std::vector<int>{3, 4} : std::vector<int>{3});
    EXPECT_EQ(DuplicateRows(brothers).size(), related ? 0u : 2u);
    TreeBuilder father_and_son;
    father_and_son.Person(1, "Eric /Holm/", "M").Person(2, "Eric /Holm/", "M");
    father_and_son.Person(3, "Inga /Lind/", "F");
    if (related) father_and_son.Family(1, 1, 3, {2});
    EXPECT_EQ(DuplicateRows(father_and_son).size(), related ? 0u : 2u);
  }
}

// A random tree in which names, key groups and dates often coincide.
TreeBuilder RandomTree(unsigned seed, int people) {
  static const char* kGiven[] = {"John", "Jon", "Johan", "Mary", "Marie", "Karl", "Carl"};
  static const char* kSurname[] = {"Smith", "Smyth", "Schmidt", "Lund", "Lunde", "Berg"};
  std::mt19937 random(seed);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  auto date = [&]() {
    const int year = 1800 + pick(25);
    return pick(3) == 0 ? std::to_string(year)
                        : std::to_string(1 + pick(3)) + " Jan " + std::to_string(year);
  };
  TreeBuilder b;
  for (int n = 1; n <= people; ++n) {
    b.Person(n, std::string(kGiven[pick(7)]) + " /" + kSurname[pick(6)] + "/", pick(2) ? "M" : "F");
    for (const char* tag : {"BIRT", "CHR", "DEAT", "BURI"}) {
      if (pick(3) == 0) b.Event(n, tag, date());
    }
  }
  int family = 1;
  for (int n = 1; n + 3 <= people; n += 4) {
    b.Family(family++, n, n + 1, {n + 2, n + 3}, pick(2) ? date() : "");
    if (n > 4 && pick(2)) b.Family(family++, n + 2, n - 3, {}, date());
  }
  return b;
}

TEST(VerifierDuplicatesTest, TheIndexedSearchFindsWhatComparingEveryPairFinds) {
  size_t found = 0;
  for (unsigned seed = 1; seed <= 4; ++seed) {
    testing::TestTree tree;
    RandomTree(seed, 600).Load(tree);
    DuplicateSearch search(tree.store);
    auto yes = [](int) { return true; };
    ASSERT_TRUE(search.Gather(yes, yes));
    ASSERT_TRUE(search.FindIndexed(yes));
    const std::vector<DuplicateSearch::Match> indexed = search.matches();
    search.FindPairwise();
    EXPECT_EQ(indexed, search.matches()) << "seed " << seed;
    found += indexed.size();
  }
  EXPECT_GT(found, 20u);
}

}  // namespace
}  // namespace kinloom::reports
