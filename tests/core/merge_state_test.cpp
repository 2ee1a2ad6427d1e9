// The merge box's state: the candidate pair, what each side shows, the pairing of marriages and
// the rules of the check boxes.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/merge_boxes.h"
#include "core/merge_candidate.h"
#include "core/merge_state.h"
#include "core/test_records.h"
#include "core/tree_reading.h"

namespace kinloom::core {
namespace {

using namespace test_records;

TEST(MergeCandidate, SameNameLineWithoutRegardToCaseThenTheNearestRecord) {
  testing::TestTree tree;
  Load(tree, {Person(1, "John /Smith/", 'M'), Person(2, "JOHN /SMITH/", 'M'),
              Person(3, "John  /Smith/", 'M'), Person(5, "Jos\xE9 /Lee/", 'M'),
              Person(7, "JOS\xC9 /LEE/", 'M'), Person(8, "Ann /Lee/", 'F')});
  const struct {
    int first, previous, second;
  } cases[] = {
      {1, 0, 2},             // case differs only: found; one blank more (3) is another name
      {5, 0, 7},             // accented capitals too
      {7, 0, 5}, {3, 6, 5},  // no hit: the previous choice, moved down to a record that exists
      {8, 9, 8},             // past the highest: the highest
      {8, 0, 1},             // nothing below: upwards
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindMergeCandidate(tree.store, c.first, c.previous), c.second)
        << c.first << " " << c.previous;
  }
  EXPECT_FALSE(CanMerge(1, 1));
  EXPECT_FALSE(CanMerge(1, 0));
  EXPECT_TRUE(CanMerge(1, 2));
}

// The candidate is looked up in the sorted list by surname; a scan of every record by number
// must find the same one.
TEST(MergeCandidate, FoundThroughTheSearchListAsByAScanOfEveryRecord) {
  testing::TempDir dir;
  testing::TestTree tree;
  LoadGenerated(tree, dir, 2000, 4);
  const auto folded = [&](int n) {
    const store::LineNode* name = store::FindTagLine(tree.store.individual(n)->lines, "1 NAME");
    std::string text(name == nullptr ? "" : name->text());
    for (char& c : text) {
      const auto u = static_cast<unsigned char>(c);
      if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) c = char(u + 32);
    }
    return text;
  };
  std::map<std::string, std::set<int>> by_name;
  for (int n = 1; n <= tree.store.highest_individual(); ++n) by_name[folded(n)].insert(n);
  int pairs = 0;
  for (int first = 1; first <= tree.store.highest_individual(); ++first) {
    std::set<int> others = by_name[folded(first)];
    others.erase(first);
    others.erase(1);  // the scan stops above the first record
    const int expected = others.empty() ? 1 : *others.rbegin();
    pairs += others.empty() ? 0 : 1;
    ASSERT_EQ(FindMergeCandidate(tree.store, first, 0), expected) << first;
  }
  EXPECT_GT(pairs, 100);
}

// John (1) has parents and two marriages; his double (2) has none and two of his own.
Records TwoJohns() {
  return {Person(1, "John /Smith/", 'M',
                 {"1 BIRT", "2 DATE 1 JAN 1900", "2 PLAC Leeds", Famc(9), Fams(1), Fams(2)}),
          Person(2, "John /Smith/", 'M', {"1 PHON 555", Fams(3), Fams(4), Fams(5)}),
          Person(3, "Mary /Jones/", 'F', {Fams(1), Fams(3)}),
          Person(4, "Adam /Smith/", 'M', {"1 DEAT", "2 DATE 1950", Fams(9)}),
          Person(6, "Ann /Lee/", 'F', {Fams(4)}),
          Family(1, {Husb(1), Wife(3), "1 MARR", "2 DATE 1925"}),
          Family(2, {Husb(1), "1 MARR"}),
          Family(3, {Husb(2), Wife(3), "1 MARR", "2 PLAC York"}),
          Family(4, {Husb(2), Wife(6)}),
          Family(5, {Husb(2), "1 DIV"}),
          Family(9, {Husb(4), Chil(1)})};
}

TEST(MergeBoxState, SidesShowThePeopleTheirCaptionsAndPages) {
  testing::TestTree tree;
  Load(tree, TwoJohns());
  const MergeBoxState state = BuildMergeBoxState(tree.store, 1, 2);
  EXPECT_EQ(state.keep_captions[0], kKeepWithParentsCaption);
  EXPECT_EQ(state.keep_captions[1], kKeepNumberCaption);
  EXPECT_TRUE(state.keep[0].checked);
  EXPECT_FALSE(state.keep[1].checked);
  const MergeSummary& john = state.summaries[0];
  EXPECT_EQ((Lines{john.name, john.number, john.sex, john.birth.date, john.birth.place,
                   john.father.label, john.father.death.date, state.summaries[1].number}),
            (Lines{"John Smith", "000001", "M", "1 JAN 1900", "Leeds", "Adam Smith (4)", "1950",
                   "000002"}));
  EXPECT_EQ(john.mother.individual, 0);
  EXPECT_TRUE(state.show_additional);  // the double's telephone
  EXPECT_FALSE(state.show_religion);
  const MergeRowState& birth = state.Row(6);
  EXPECT_EQ(birth.tag, "1 BIRT");
  EXPECT_EQ(birth.sides[0].value, "1 JAN 1900");
  EXPECT_FALSE(birth.sides[1].present);
}

TEST(MergeBoxState, MarriagesPairBySpouseAndSpouseZeroNeverPairs) {
  testing::TestTree tree;
  Load(tree, TwoJohns());
  MergeBoxState state = BuildMergeBoxState(tree.store, 1, 2);
  struct Row {
    int spouse, family1, family2;
    bool operator==(const Row&) const = default;
  };
  std::vector<Row> table;
  for (const MergeMarriage& m : state.marriages)
    table.push_back({m.spouse, m.family[0], m.family[1]});
  // Mary's two families pair and come first; the two families without a partner stay apart.
  const std::vector<Row> expected = {{3, 1, 3}, {0, 2, 0}, {6, 0, 4}, {0, 0, 5}};
  EXPECT_EQ(table, expected);
  EXPECT_EQ(state.paired_marriages, 1);
  ASSERT_TRUE(state.show_marriage());
  EXPECT_EQ(state.Row(39).sides[0].value, "1925");
  EXPECT_EQ(state.Row(39).sides[1].place, "York");

  // Without a paired marriage the page goes, and its rows are blank.
  state = BuildMergeBoxState(tree.store, 1, 6);
  EXPECT_FALSE(state.show_marriage());
  EXPECT_EQ(state.Row(39).tag, "1 MARR");
  EXPECT_FALSE(state.Row(39).sides[0].present);
}

TEST(MergeBoxState, ASecondFamilyWithTheSameSpouseGetsARowOfItsOwn) {
  testing::TestTree tree;
  Load(tree,
       {Person(1, "John /Smith/", 'M', {Fams(1), Fams(2)}),
        Person(2, "John /Smith/", 'M', {Fams(3)}),
        Person(3, "Mary /Jones/", 'F', {Fams(1), Fams(2), Fams(3)}), Family(1, {Husb(1), Wife(3)}),
        Family(2, {Husb(1), Wife(3)}), Family(3, {Husb(2), Wife(3)})});
  const MergeBoxState state = BuildMergeBoxState(tree.store, 1, 2);
  ASSERT_EQ(state.marriages.size(), 2u);
  EXPECT_EQ(state.marriages[0].family, (std::array<int, 2>{1, 3}));
  EXPECT_EQ(state.marriages[1].family, (std::array<int, 2>{2, 0}));
}

TEST(MergeBoxState, ComingOfAgeRowFollowsTheKeptPersonsSex) {
  testing::TestTree tree;
  Load(tree, {Person(1, "Ruth /Cohen/", 'F', {"1 BASM", "2 DATE 1960"}),
              Person(2, "Ruth /Cohen/", 'M', {"1 BARM", "2 DATE 1961"})});
  MergeBoxState state = BuildMergeBoxState(tree.store, 1, 2);
  EXPECT_EQ(state.Row(kComingOfAgeRow).tag, "1 BASM");
  EXPECT_EQ(state.Row(kComingOfAgeRow).sides[0].value, "1960");
  EXPECT_TRUE(state.show_religion);
  KeepClick(state, 1, true);
  RetargetComingOfAge(state, tree.store);
  EXPECT_EQ(state.Row(kComingOfAgeRow).tag, "1 BARM");
  EXPECT_EQ(state.Row(kComingOfAgeRow).sides[1].value, "1961");
  EXPECT_TRUE(state.Row(kComingOfAgeRow).sides[1].value_box.checked);
}

MergeSide Side(bool present, const std::string& value, const std::string& place = "",
               const std::string& note = "") {
  MergeSide side;
  side.present = present;
  side.value = value;
  side.place = place;
  side.note = note;
  side.value_box.enabled = present;
  side.place_box.enabled = !place.empty();
  side.note_box.enabled = !note.empty();
  return side;
}

TEST(MergeBoxes, StartingBoxesPreferTheKeptSideWhereItHasTheDetail) {
  const struct {
    const char* what;
    MergeSide kept, other;
    bool kept_value, other_value, kept_place, other_place;
  } cases[] = {
      {"both dated", Side(true, "1900", "Leeds"), Side(true, "1901", "York"), true, false, true,
       false},
      {"kept undated", Side(true, "", "Leeds"), Side(true, "1901"), false, true, true, false},
      {"kept without the event", Side(false, ""), Side(true, "", "York"), false, true, false, true},
      {"both bare", Side(true, ""), Side(true, ""), true, false, false, false},
      {"neither", Side(false, ""), Side(false, ""), false, false, false, false},
  };
  for (int kept_side : {0, 1}) {
    for (const auto& c : cases) {
      MergeRowState row;
      row.sides[static_cast<size_t>(kept_side)] = c.kept;
      row.sides[static_cast<size_t>(1 - kept_side)] = c.other;
      row.sides[0].note_box.enabled = true;
      SetStartingBoxes(row, kept_side);
      const MergeSide& kept = row.sides[static_cast<size_t>(kept_side)];
      const MergeSide& other = row.sides[static_cast<size_t>(1 - kept_side)];
      EXPECT_EQ((std::vector<bool>{kept.value_box.checked, other.value_box.checked,
                                   kept.place_box.checked, other.place_box.checked}),
                (std::vector<bool>{c.kept_value, c.other_value, c.kept_place, c.other_place}))
          << c.what << kept_side;
      EXPECT_TRUE(row.sides[0].note_box.checked) << c.what;
    }
  }
}

TEST(MergeBoxes, ValueAndPlaceBoxesOfARowExcludeEachOther) {
  MergeBoxState state;
  MergeRowState& row = state.person_rows[6];
  row.sides = {Side(true, "1900", "Leeds"), Side(true, "1901")};
  SetStartingBoxes(row, 0);
  // The value boxes of both sides, then their place boxes.
  const auto boxes = [&] {
    return std::vector<bool>{row.sides[0].value_box.checked, row.sides[1].value_box.checked,
                             row.sides[0].place_box.checked, row.sides[1].place_box.checked};
  };
  Box1_3_Click(state, 6, 1, true);  // the second date checked: the first goes
  EXPECT_EQ(boxes(), (std::vector<bool>{false, true, true, false}));
  Box1_3_Click(state, 6, 1, false);  // and cleared: the first comes back
  EXPECT_EQ(boxes(), (std::vector<bool>{true, false, true, false}));
  Box2_4_Click(state, 6, 0, false);  // the second place is not enabled: nothing comes back
  EXPECT_EQ(boxes(), (std::vector<bool>{true, false, false, false}));
  Box2_4_Click(state, 6, 1, true);  // a box that is not enabled does not change
  EXPECT_EQ(boxes(), (std::vector<bool>{true, false, false, false}));
  Box2_4_Click(state, 2, 0, true);  // single-value rows have no place box
  EXPECT_FALSE(state.person_rows[2].sides[0].place_box.checked);

  KeepClick(state, 1, true);
  EXPECT_EQ(state.kept_side(), 1);
  KeepClick(state, 1, false);
  EXPECT_EQ(state.kept_side(), 0);
}

TEST(MergeBoxes, EachPairedMarriageKeepsItsOwnBoxes) {
  testing::TestTree tree;
  Load(tree, {Person(1, "John /Smith/", 'M', {Fams(1), Fams(2)}),
              Person(2, "John /Smith/", 'M', {Fams(3), Fams(4)}),
              Person(3, "Mary /Jones/", 'F', {Fams(1), Fams(3)}),
              Person(4, "Ann /Lee/", 'F', {Fams(2), Fams(4)}),
              Family(1, {Husb(1), Wife(3), "1 MARR", "2 DATE 1920"}),
              Family(2, {Husb(1), Wife(4), "1 MARR", "2 DATE 1930"}),
              Family(3, {Husb(2), Wife(3), "1 MARR", "2 DATE 1921"}),
              Family(4, {Husb(2), Wife(4), "1 MARR", "2 DATE 1931"})});
  MergeBoxState state = BuildMergeBoxState(tree.store, 1, 2);
  ASSERT_EQ(state.paired_marriages, 2);
  Box1_3_Click(state, 39, 1, true);
  ShowMarriage(state, 1);
  EXPECT_EQ(state.Row(39).sides[0].value, "1930");
  EXPECT_TRUE(state.Row(39).sides[0].value_box.checked);
  ShowMarriage(state, 5);  // kept within the paired marriages
  EXPECT_EQ(state.shown_marriage, 1);
  ShowMarriage(state, 0);
  EXPECT_TRUE(state.Row(39).sides[1].value_box.checked);
}

}  // namespace
}  // namespace kinloom::core
