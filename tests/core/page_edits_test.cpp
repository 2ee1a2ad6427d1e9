// The record edits and views behind the person, details and organizer pages, without a window:
// event details, the shared slots, notes, the organizer's family links, what is shown around a
// person, the living mark and the navigation history.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/event_slots.h"
#include "core/living_status.h"
#include "core/organizer_links.h"
#include "core/shown_state.h"
#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::core {
namespace {

using platform::Answer;
using Lines = std::vector<std::string>;
using testing::RecordLines;
using testing::TestTree;

const Lines kStamp = {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"};

// John (1) and Mary (2) married in family 1 with children Tom (3) and Ann (4); John has a
// second marriage (family 2) with nobody else in it but a child, Bob (5).
void LoadFamily(TestTree& t) {
  testing::LoadOwnTree(t, testing::Records({
                              "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 FAMS @F000001@|"
                              "1 FAMS @F000002@",
                              "0 @I000002@ INDI|1 NAME Mary /Jones/|1 SEX F|1 FAMS @F000001@",
                              "0 @I000003@ INDI|1 NAME Tom /Smith/|1 SEX M|1 FAMC @F000001@",
                              "0 @I000004@ INDI|1 NAME Ann /Smith/|1 SEX F|1 FAMC @F000001@",
                              "0 @I000005@ INDI|1 NAME Bob /Smith/|1 SEX M|1 FAMC @F000002@",
                              "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|"
                              "1 CHIL @I000003@|1 CHIL @I000004@",
                              "0 @F000002@ FAM|1 HUSB @I000001@|1 CHIL @I000005@",
                          }));
}

store::LineNode* Lines1(TestTree& t, int n) {
  return t.store.individual(n)->lines;
}

TEST(EventDetails, AreMadeChangedAndRemovedWithTheEventKept) {
  TestTree t;
  LoadFamily(t);
  store::LineNode* tom = Lines1(t, 3);
  EXPECT_TRUE(WriteEventDetail(t.store, tom, "1 BIRT", "2 DATE", "1 MAY 1900"));
  EXPECT_TRUE(WriteEventDetail(t.store, tom, "1 BIRT", "2 PLAC", "Leeds"));
  EXPECT_FALSE(WriteEventDetail(t.store, tom, "1 BIRT", "2 PLAC", "Leeds"));  // no change
  EXPECT_TRUE(WriteEventDetail(t.store, tom, "1 BIRT", "2 DATE", "2 MAY 1900"));
  EXPECT_FALSE(WriteEventDetail(t.store, tom, "1 DEAT", "2 DATE", ""));  // nothing to remove
  EXPECT_EQ(
      RecordLines(tom),
      testing::Split("0 @I000003@ INDI|1 NAME Tom /Smith/|1 SEX M|1 BIRT|2 DATE 2 MAY 1900|"
                     "2 PLAC Leeds|1 FAMC @F000001@|1 CHAN|2 DATE  6 Dec 2026|3 TIME 09:05:07"));
  EXPECT_TRUE(WriteEventDetail(t.store, tom, "1 BIRT", "2 DATE", ""));
  EXPECT_EQ(RecordLines(tom)[4], "2 PLAC Leeds");
}

TEST(EventDetails, EnteredTextIsTrimmedCutAndUpperCasedOnRequest) {
  EXPECT_EQ(EnteredText("  Leeds \r\n", false), "Leeds");
  EXPECT_EQ(EnteredText(" \t ", false), "");
  EXPECT_EQ(EnteredText(std::string(300, 'x'), false).size(), 248u);
  EXPECT_EQ(EnteredText("m\xFCller \xE9t\xE9", true), "M\xDCLLER \xC9T\xC9");
  EXPECT_EQ(AnsiUpper("\x9A\x9C\x9E\xFF\xF7"), "\x8A\x8C\x8E\x9F\xF7");
}

TEST(SharedSlots, StateFollowsTheRecordAndTheExchangeRenamesTheEventOnYes) {
  TestTree t;
  LoadFamily(t);
  store::LineNode* tom = Lines1(t, 3);
  EXPECT_EQ(SlotState(tom, SlotKind::kBaptism), 0);
  ASSERT_TRUE(WriteEventDetail(t.store, tom, "1 BAPM", "2 DATE", "3 MAY 1900"));
  const int state = SlotState(tom, SlotKind::kBaptism);
  EXPECT_NE(state, 0);
  t.ui.QueueAnswer(Answer::kNo);
  EXPECT_FALSE(OfferBaptismExchange(t.store, tom, state));
  t.ui.QueueAnswer(Answer::kYes);
  EXPECT_TRUE(OfferBaptismExchange(t.store, tom, state));
  EXPECT_NE(SlotState(tom, SlotKind::kBaptism), state);
  EXPECT_EQ(RecordLines(tom)[3], "1 CHR");
  EXPECT_EQ(RecordLines(tom)[4], "2 DATE 3 MAY 1900");
}

TEST(Notes, RoundTripThroughContinuationLinesAndAnEmptyTextRemovesThem) {
  TestTree t;
  LoadFamily(t);
  store::LineNode* ann = Lines1(t, 4);
  const std::string text = "First line\nSecond line " + std::string(300, 'z');
  EXPECT_TRUE(WriteNoteText(t.store, ann, text));
  EXPECT_EQ(NoteText(ann), text);
  EXPECT_FALSE(WriteNoteText(t.store, ann, text));
  for (const std::string& line : RecordLines(ann)) EXPECT_LE(line.size(), 255u) << line;
  EXPECT_TRUE(WriteNoteText(t.store, ann, ""));
  EXPECT_EQ(NoteText(ann), "");
}

TEST(OrganizerLinks, ListParentFamiliesThenOwnAndFindSharedMarriages) {
  TestTree t;
  LoadFamily(t);
  EXPECT_EQ(FamiliesOf(t.store, 3), (std::vector<FamilyLink>{{1, true}}));
  EXPECT_EQ(FamiliesOf(t.store, 1), (std::vector<FamilyLink>{{1, false}, {2, false}}));
  EXPECT_EQ(SharedMarriages(t.store, 1, 2), std::vector<int>{1});
  EXPECT_EQ(SharedMarriages(t.store, 1, 5), std::vector<int>{});
  EXPECT_TRUE(IsLinkedIn(t.store, 1, 4));
  EXPECT_TRUE(IsChildIn(t.store, 2, 5));
  EXPECT_FALSE(IsChildIn(t.store, 1, 1));
  EXPECT_FALSE(IsLinkedIn(t.store, 2, 2));
  EXPECT_EQ(FamilyLinkLabel(t.store, {1, true}).rfind("Child of:  ", 0), 0u);
}

TEST(ShownState, ParentsMarriageAndChildrenAroundAPersonWithTheSpouseIndexKeptInRange) {
  TestTree t;
  LoadFamily(t);
  const ShownState child = ComputeShownState(t.store, 4, 0);
  EXPECT_EQ((std::vector<int>{child.parent_family, child.father, child.mother, child.family}),
            (std::vector<int>{1, 1, 2, 0}));

  const ShownState second = ComputeShownState(t.store, 1, 1);
  EXPECT_EQ(second.families, (std::vector<int>{1, 2}));
  EXPECT_EQ(second.family, 2);
  EXPECT_EQ(second.spouse, 0);
  EXPECT_EQ(second.children, std::vector<int>{5});
  const ShownState clamped = ComputeShownState(t.store, 1, 9);
  EXPECT_EQ(clamped.spouse_index, 1);
  const ShownState first = ComputeShownState(t.store, 1, 0);
  EXPECT_EQ(first.spouse, 2);
  EXPECT_EQ(first.children, (std::vector<int>{3, 4}));
}

TEST(LivingStatus, FollowsTheBoxAndRefusesAPersonWhoseDatesSayTheyDied) {
  TestTree t;
  testing::LoadOwnTree(t, {"0 @I000001@ INDI", "1 NAME Old /Lee/", "1 BIRT", "2 DATE 1700",
                           "0 @I000002@ INDI", "1 NAME New /Lee/", "1 DEAT", "1 DEAT"});
  const auto living = [&t](int n) {
    return (t.store.individual(n)->hideFlags & store::kHideLiving) != 0;
  };
  EXPECT_EQ(SetLivingStatus(t.store, 2, true), LivingChange::kDone);
  EXPECT_EQ(RecordLines(Lines1(t, 2)).size(), 2u + kStamp.size());  // both bare deaths gone
  EXPECT_TRUE(living(2));
  EXPECT_TRUE(t.store.tree_modified());
  EXPECT_EQ(SetLivingStatus(t.store, 2, false), LivingChange::kDone);
  EXPECT_FALSE(living(2));
  EXPECT_NE(store::FindTagLine(Lines1(t, 2), "1 DEAT"), nullptr);
  EXPECT_EQ(SetLivingStatus(t.store, 1, true), LivingChange::kMustStayDeceased);
  EXPECT_FALSE(living(1));
  EXPECT_EQ(SetLivingStatus(t.store, 9, true), LivingChange::kNoPerson);
}

TEST(NavigationHistory, GoesBackAndForwardAndAVisitDropsTheForwardEntries) {
  TestTree t;
  LoadFamily(t);
  NavigationHistory history(t.store);
  for (int n : {1, 2, 2, 3}) history.Visit(n);
  EXPECT_EQ(history.size(), 3);
  EXPECT_FALSE(history.CanGoForward());
  EXPECT_EQ(history.Back(), 2);
  EXPECT_EQ(history.Back(), 1);
  EXPECT_EQ(history.Back(), -1);
  EXPECT_EQ(history.Forward(), 2);
  history.Visit(5);
  EXPECT_FALSE(history.CanGoForward());
  EXPECT_EQ(history.Back(), 2);
}

}  // namespace
}  // namespace kinloom::core
