#include "core/find_individual.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::core {
namespace {

using testing::LoadOwnTree;
using testing::TestTree;
using Lines = std::vector<std::string>;

// Smiths and their in-laws: John and Mary with Anne, Eve and Peter; Anne married Carl in 1900
// and Dan in 1920; Mary had Tom in a family without a husband. Amy is number 142 and Zoe 42.
Lines Sample() {
  return testing::Records({
      "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 BIRT|2 DATE 1850|1 FAMS @F000001@",
      "0 @I000002@ INDI|1 NAME Mary /Brown/|1 SEX F|1 BIRT|2 DATE 1855|1 FAMS @F000001@|"
      "1 FAMS @F000004@",
      "0 @I000003@ INDI|1 NAME Anne /Smith/|1 SEX F|1 BIRT|2 DATE 12 MAR 1880|1 DEAT|2 DATE 1950|"
      "1 FAMC @F000001@|1 FAMS @F000002@|1 FAMS @F000003@",
      "0 @I000004@ INDI|1 NAME Peter /Smith/|1 SEX M|1 BIRT|2 DATE 1885|1 DEAT|2 DATE 1945|"
      "1 FAMC @F000001@",
      "0 @I000005@ INDI|1 NAME Carl /Young/|1 SEX M|1 BIRT|2 DATE 1886|1 FAMS @F000002@",
      "0 @I000006@ INDI|1 NAME Dan /Old/|1 SEX M|1 BIRT|2 PLAC Leeds|1 FAMS @F000003@",
      "0 @I000007@ INDI|1 NAME C\xE9line /Dupr\xE9/|1 SEX F|1 BIRT|2 DATE 1874",
      "0 @I000008@ INDI|1 NAME Eve /Smith/|1 SEX F|1 CHR|2 DATE 1881|1 FAMC @F000001@",
      "0 @I000009@ INDI|1 NAME Tom /Brown/|1 SEX M|1 FAMC @F000004@",
      "0 @I000042@ INDI|1 NAME Zoe /Number/|1 SEX F",
      "0 @I000142@ INDI|1 NAME Amy /Adams/|1 SEX F",
      "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000003@|1 CHIL @I000008@|"
      "1 CHIL @I000004@",
      "0 @F000002@ FAM|1 HUSB @I000005@|1 WIFE @I000003@|1 MARR|2 DATE 1900",
      "0 @F000003@ FAM|1 HUSB @I000006@|1 WIFE @I000003@|1 MARR|2 DATE 1920",
      "0 @F000004@ FAM|1 WIFE @I000002@|1 CHIL @I000009@",
  });
}

class FindIndividualTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadOwnTree(tree_, Sample()); }

  // The record numbers of every match, in list order, by repeated searches from the top.
  std::vector<int> AllMatches(const FindCriteria& criteria) {
    IndividualFinder finder;
    std::vector<int> numbers;
    const store::SearchList& list = tree_.store.individual_search_list();
    for (int found = finder.Search(tree_.store, criteria); found >= 0;
         found = finder.Search(tree_.store, criteria)) {
      numbers.push_back(list.at(found).number);
      if (numbers.size() > static_cast<size_t>(list.size())) break;
    }
    EXPECT_EQ(finder.position(), 0);
    return numbers;
  }

  static FindCriteria Name(const std::string& name) {
    FindCriteria c;
    c.name = name;
    return c;
  }

  TestTree tree_;
};

TEST_F(FindIndividualTest, YearsMatchWithinTheToleranceAndItsEdgeOnly) {
  const auto birth = [](int year, int tolerance) {
    FindCriteria c;
    c.birth = {year, tolerance};
    return c;
  };
  FindCriteria death;
  death.death = {1948, 2};
  FindCriteria smith_1850 = Name("smith");
  smith_1850.birth = {1850, 0};
  FindCriteria brown_1850 = smith_1850;
  brown_1850.name = "brown";
  const struct {
    const char* what;
    FindCriteria criteria;
    std::vector<int> found;
  } cases[] = {
      // Anne 1880, Eve christened 1881, Peter 1885; Carl (1886) and Céline (1874) are six off.
      {"five years", birth(1880, 5), {3, 8, 4}},
      {"exact year", birth(1880, 0), {3}},
      {"six years", birth(1880, 6), {7, 3, 8, 4, 5}},
      // Dan's birth has a place only; Tom, Zoe and Amy have none.
      {"no birth date never matches", birth(1880, 100), {2, 7, 3, 8, 1, 4, 5}},
      {"death like birth", death, {3}},
      {"name and year both hold", smith_1850, {1}},
      {"name and year, one fails", brown_1850, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(AllMatches(c.criteria), c.found) << c.what;
  death.death = {1948, 5};
  EXPECT_EQ(AllMatches(death), (std::vector<int>{3, 4}));
}

TEST_F(FindIndividualTest, StepsThroughTheMatchesThenReportsTheEndAndStartsAgain) {
  IndividualFinder finder;
  const FindCriteria c = Name("SMITH");
  const store::SearchList& list = tree_.store.individual_search_list();
  std::vector<int> numbers;
  for (int i = 0; i < 4; ++i) {
    const int found = finder.Search(tree_.store, c);
    ASSERT_GE(found, 0);
    numbers.push_back(list.at(found).number);
    EXPECT_EQ(finder.position(), found + 1);
  }
  EXPECT_EQ(numbers, (std::vector<int>{3, 8, 1, 4}));
  EXPECT_EQ(finder.Search(tree_.store, c), -1);
  EXPECT_EQ(finder.position(), 0);
  EXPECT_EQ(list.at(finder.Search(tree_.store, c)).number, 3);
}

TEST_F(FindIndividualTest, SearchStartsAtThePositionGiven) {
  IndividualFinder finder;
  const store::SearchList& list = tree_.store.individual_search_list();
  finder.set_position(list.PositionOf(1));
  EXPECT_EQ(list.at(finder.Search(tree_.store, Name("smith"))).number, 1);
  finder.set_position(list.size() + 5);  // the list shrank since: nothing more to find
  EXPECT_EQ(finder.Search(tree_.store, Name("smith")), -1);
  EXPECT_EQ(finder.position(), 0);
}

// A number finds every key holding its digits; accents and case are ignored on both sides.
TEST_F(FindIndividualTest, NameTextMatchesNumbersAndIgnoresAccentsAndCase) {
  const struct {
    const char* name;
    std::vector<int> found;
  } cases[] = {{"42", {142, 42}}, {"(42)", {42}},    {"celine", {7}},
               {"DUPRE, C", {7}}, {"Dupr\xC9", {7}}, {"dupree", {}}};
  for (const auto& c : cases) EXPECT_EQ(AllMatches(Name(c.name)), c.found) << c.name;
}

TEST_F(FindIndividualTest, FatherAndMotherComeFromTheParentFamily) {
  FindCriteria c;
  c.father = "JOHN SMITH";
  EXPECT_EQ(AllMatches(c), (std::vector<int>{3, 8, 4}));
  c.mother = "mary";
  EXPECT_EQ(AllMatches(c), (std::vector<int>{3, 8, 4}));
  c.father.clear();  // Tom's family has a mother and no father
  EXPECT_EQ(AllMatches(c), (std::vector<int>{9, 3, 8, 4}));
  c.father = "young";
  EXPECT_EQ(AllMatches(c), (std::vector<int>{}));
  c = Name("peter");
  c.mother = "(2)";  // parents by number too
  EXPECT_EQ(AllMatches(c), (std::vector<int>{4}));
}

TEST_F(FindIndividualTest, SpouseAndMarriageYearMaySitInDifferentFamilies) {
  FindCriteria c;
  c.spouse = "carl";
  EXPECT_EQ(AllMatches(c), (std::vector<int>{3}));
  c.marriage = {1920, 0};  // married Dan in 1920, Carl in 1900
  EXPECT_EQ(AllMatches(c), (std::vector<int>{3}));
  c.spouse = "nobody";
  EXPECT_EQ(AllMatches(c), (std::vector<int>{}));
  c.spouse.clear();
  c.marriage = {1901, 1};
  EXPECT_EQ(AllMatches(c), (std::vector<int>{3, 5}));
  c.marriage = {1950, 10};
  EXPECT_EQ(AllMatches(c), (std::vector<int>{}));
}

TEST(FindCriteria, SearchIsPossibleWithAnyTextOrYear) {
  FindCriteria c;
  EXPECT_FALSE(c.CanSearch());
  c.birth.tolerance = 5;  // a tolerance alone is no criterion
  EXPECT_FALSE(c.CanSearch());
  c.marriage.year = 1900;
  EXPECT_TRUE(c.CanSearch());
  EXPECT_TRUE(c.HasOtherCriteria());
  FindCriteria name_only;
  name_only.name = "x";
  EXPECT_TRUE(name_only.CanSearch());
  EXPECT_FALSE(name_only.HasOtherCriteria());
  FindCriteria spouse_only;
  spouse_only.spouse = "x";
  EXPECT_TRUE(spouse_only.HasOtherCriteria());
}

TEST(FindCriteria, SearchingNoticeOnlyForSlowSearchesOfBigListsAndYearsReadFromDates) {
  FindCriteria c;
  c.birth.year = 1900;
  EXPECT_TRUE(SearchIsSlow(c, 100001));
  EXPECT_FALSE(SearchIsSlow(c, 100000));
  c.name = "a";
  EXPECT_FALSE(SearchIsSlow(c, 500000));
  EXPECT_FALSE(SearchIsSlow(FindCriteria{}, 500000));
  for (const char* text : {"1850", "12 MAR 1850", "ABT 1850"}) {
    EXPECT_EQ(YearFromSearchText(text), 1850) << text;
  }
  EXPECT_EQ(YearFromSearchText(""), 0);
  EXPECT_EQ(YearFromSearchText("soon"), 0);
}

TEST(FindFolding, KeepCaseTableDropsOnlyTheAccents) {
  const auto& t = FoldAccentsKeepCase();
  const int folded[][2] = {{0xC9, 'E'}, {0xE9, 'e'}, {0xD8, 'O'}, {0xFF, 'y'},
                           {0xDF, 's'}, {0x8C, 'O'}, {'A', 'A'},  {'a', 'a'}};
  for (const auto& [from, to] : folded) EXPECT_EQ(t[from], to) << from;
  for (int c : {0xC6, 0xD7, 0xDE, 0xE6, 0xF7, 0xFE}) EXPECT_EQ(t[c], c);
}

TEST(FindFolding, ContainsFoldsTheTextOnly) {
  EXPECT_TRUE(FoldedContains("Dupr\xE9, C\xE9line (7)", "line (7)"));
  EXPECT_TRUE(FoldedContains("anything", ""));
  EXPECT_FALSE(FoldedContains("ab", "abc"));
  EXPECT_EQ(FoldedForSearch("\xC0Z\xDF"), "azs");
}

// A generated tree: every person born in one of forty years; a year search with a tolerance
// visits exactly the people born within it, each once.
TEST(FindGeneratedTree, YearSearchVisitsEveryoneInRangeOnce) {
  TestTree tree;
  Lines lines;
  const int people = 2000;
  for (int n = 1; n <= people; ++n) {
    lines.insert(lines.end(),
                 {"0 " + store::MakeXref('I', n) + " INDI",
                  "1 NAME Given" + std::to_string(n % 37) + " /Sur" + std::to_string(n % 11) + "/",
                  "1 SEX M", "1 BIRT", "2 DATE " + std::to_string(1800 + n % 40)});
  }
  LoadOwnTree(tree, lines);
  FindCriteria c;
  c.birth = {1820, 2};
  IndividualFinder finder;
  std::vector<bool> seen(people + 1, false);
  int count = 0;
  int previous = -1;
  for (int found = finder.Search(tree.store, c); found >= 0; found = finder.Search(tree.store, c)) {
    ASSERT_GT(found, previous);
    previous = found;
    const int n = tree.store.individual_search_list().at(found).number;
    ASSERT_FALSE(seen[n]);
    seen[n] = true;
    ++count;
    EXPECT_LE(std::abs(1800 + n % 40 - 1820), 2);
  }
  EXPECT_EQ(count, people / 40 * 5);
}

}  // namespace
}  // namespace kinloom::core
