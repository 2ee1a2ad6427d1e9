// Making the people of an automatic entry: exact records, links on both sides, search lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/auto_entry_create.h"
#include "core/queries.h"
#include "store/line_search.h"
#include "support/test_support.h"
#include "support/tree_checks.h"

namespace kinloom::core {
namespace {

using testing::CheckTree;
using testing::LinksOf;
using testing::LoadOwnTree;
using testing::RecordLines;
using testing::TestTree;
using Lines = std::vector<std::string>;

void LoadFather(TestTree& tree) {
  LoadOwnTree(tree, {"0 @I000001@ INDI", "1 NAME George /Smith/", "1 SEX M"});
}

std::vector<EntryPerson> Parsed(const std::string& text) {
  EntryParse parse = ParseEntryText(text);
  EXPECT_TRUE(parse.refused.empty());
  return parse.people;
}

TEST(AutoEntryCreate, PersonWithEventsInRecordOrder) {
  TestTree tree;
  LoadFather(tree);
  const EntryCreated made = CreateEntryPeople(
      tree.store, Parsed("Mr John Smith b. 12 Mar 1850 Leeds d. 3 Jan 1920 Bradford, Yorks"),
      EntryLink::kNone, 1);
  ASSERT_EQ(made.people.size(), 1u);
  const Lines expected = testing::Split(
      "0 @I000002@ INDI|1 NAME John /Smith/|1 SEX M|1 BIRT|2 DATE 12 MAR 1850|2 PLAC Leeds|1 DEAT|"
      "2 DATE 3 JAN 1920|2 PLAC Bradford, Yorks|1 CHAN|2 DATE  6 Dec 2026|3 TIME 09:05:07");
  EXPECT_EQ(RecordLines(tree.store.individual(made.people[0])->lines), expected);
  EXPECT_TRUE(tree.store.tree_modified());
  EXPECT_EQ(CheckTree(tree.store, true), "");
}

TEST(AutoEntryCreate, ChildrenJoinTheShownPersonsFamilyOnBothSides) {
  TestTree tree;
  LoadFather(tree);
  const EntryCreated made = CreateEntryPeople(
      tree.store, Parsed("Ann Smith (1880-1950)\nTom Smith, son of George, b. 1882"),
      EntryLink::kChildren, 1);
  ASSERT_EQ(made.people.size(), 2u);
  ASSERT_GT(made.family, 0);
  EXPECT_EQ(LinksOf(tree.store.individual(1)->lines, "1 FAMS"), std::vector<int>{made.family});
  EXPECT_EQ(LinksOf(tree.store.family(made.family)->lines, "1 CHIL"), made.people);
  for (int child : made.people) {
    EXPECT_EQ(LinksOf(tree.store.individual(child)->lines, "1 FAMC"),
              std::vector<int>{made.family});
  }
  EXPECT_EQ(SexOf(tree.store, made.people[1]), 1);
  EXPECT_EQ(CheckTree(tree.store, true), "");

  // A second entry goes into the same family.
  const EntryCreated more =
      CreateEntryPeople(tree.store, Parsed("Jane Smith b. 1885"), EntryLink::kChildren, 1);
  EXPECT_EQ(more.family, made.family);
  EXPECT_EQ(LinksOf(tree.store.family(made.family)->lines, "1 CHIL").size(), 3u);
  EXPECT_EQ(CheckTree(tree.store, true), "");
}

TEST(AutoEntryCreate, SpouseGetsAFamilyWithTheMarriage) {
  TestTree tree;
  LoadFather(tree);
  const EntryCreated made = CreateEntryPeople(
      tree.store, Parsed("Mrs Mary Jones m. 4 Jun 1875 Leeds"), EntryLink::kSpouses, 1);
  ASSERT_EQ(made.people.size(), 1u);
  const std::vector<int> families = LinksOf(tree.store.individual(1)->lines, "1 FAMS");
  ASSERT_EQ(families.size(), 1u);
  const Lines family = RecordLines(tree.store.family(families[0])->lines);
  EXPECT_EQ(LinksOf(tree.store.family(families[0])->lines, "1 HUSB"), std::vector<int>{1});
  EXPECT_EQ(LinksOf(tree.store.family(families[0])->lines, "1 WIFE"), made.people);
  const Lines marriage(family.begin() + 3, family.begin() + 6);
  EXPECT_EQ(marriage, (Lines{"1 MARR", "2 DATE 4 JUN 1875", "2 PLAC Leeds"}));
  EXPECT_EQ(CheckTree(tree.store, true), "");
}

TEST(AutoEntryCreate, MarriageWithoutPartnerIsKeptInAFamilyOfItsOwn) {
  TestTree tree;
  LoadFather(tree);
  const EntryCreated made = CreateEntryPeople(
      tree.store, Parsed("Ann Lee m. 1875 Hull\nBob Lee m. 1880 to Jane Roe"), EntryLink::kNone, 1);
  ASSERT_EQ(made.people.size(), 2u);
  const std::vector<int> families = LinksOf(tree.store.individual(made.people[0])->lines, "1 FAMS");
  ASSERT_EQ(families.size(), 1u);
  EXPECT_NE(store::FindTagLine(tree.store.family(families[0])->lines, "1 MARR"), nullptr);
  const Lines bob = RecordLines(tree.store.individual(made.people[1])->lines);
  EXPECT_NE(std::find(bob.begin(), bob.end(), "1 NOTE Married to Jane Roe"), bob.end());
  EXPECT_EQ(CheckTree(tree.store, true), "");
}

TEST(AutoEntryCreate, TextIsStoredInTheTreesCharacterSet) {
  TestTree tree;
  LoadFather(tree);
  const EntryCreated made =
      CreateEntryPeople(tree.store, Parsed("Åsa Bråthen b. 1900 Tromsø"), EntryLink::kNone, 1);
  ASSERT_EQ(made.people.size(), 1u);
  const Lines lines = RecordLines(tree.store.individual(made.people[0])->lines);
  EXPECT_EQ(lines[1], "1 NAME \xC5sa /Br\xE5then/");
  EXPECT_EQ(lines[5], "2 PLAC Troms\xF8");
}

TEST(AutoEntryCreate, LinksNothingForAMissingShownPerson) {
  TestTree tree;
  LoadFather(tree);
  const EntryCreated made =
      CreateEntryPeople(tree.store, Parsed("Ann Lee"), EntryLink::kChildren, 77);
  ASSERT_EQ(made.people.size(), 1u);
  EXPECT_EQ(made.family, 0);
  EXPECT_EQ(CheckTree(tree.store, true), "");
}

}  // namespace
}  // namespace kinloom::core
