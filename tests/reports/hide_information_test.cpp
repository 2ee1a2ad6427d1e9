// The hide-information window's data: the cell toggles, the bulk actions with their restore,
// the living-status rule and the death lines brought in line on closing.
#include "reports/hide_information.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace kinloom::reports {
namespace {

using testing::RecordLines;
using testing::Split;
using testing::TestTree;
using Lines = std::vector<std::string>;

constexpr uint8_t kLivingHidden = store::kHideLiving | store::kHideEverything;

// Born 1990, no death; died 1950; buried 1960; born 1980 with a death line without date, place,
// source or note; born 1850.
const Lines kPeople = Split(
    "0 @I000001@ INDI|1 NAME Ann /Young/|1 SEX F|1 BIRT|2 DATE 1990|"
    "0 @I000002@ INDI|1 NAME Bob /Gone/|1 SEX M|1 BIRT|2 DATE 1900|1 DEAT|2 DATE 1950|"
    "0 @I000003@ INDI|1 NAME Cy /Buried/|1 SEX M|1 BURI|2 DATE 1960|"
    "0 @I000004@ INDI|1 NAME Di /Bare/|1 SEX F|1 BIRT|2 DATE 1980|1 DEAT|2 CAUS Unknown|"
    "0 @I000005@ INDI|1 NAME Ed /Old/|1 SEX M|1 BIRT|2 DATE 1850");

class HideInformationTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::LoadOwnTree(tree_, kPeople); }

  uint8_t& Flags(int n) { return tree_.store.individual(n)->hideFlags; }
  Lines LinesOf(int n) { return RecordLines(tree_.store.individual(n)->lines); }
  bool Refused() const {
    const auto& records = tree_.ui.records();
    return !records.empty() && records.back().caption == kCannotChangeToLivingCaption &&
           records.back().text == kCannotChangeToLivingText;
  }

  TestTree tree_;
};

TEST_F(HideInformationTest, FlagCellsFlipTheirOwnBitAndShowTheirLetter) {
  HideInformation window(tree_.store);
  EXPECT_TRUE(window.ToggleCell(1, 2));
  EXPECT_EQ(Flags(1), store::kHideSurname);
  EXPECT_EQ(HideCellText(Flags(1), 2), "S");
  EXPECT_EQ(HideCellText(Flags(1), 3), "");
  EXPECT_TRUE(tree_.store.tree_modified());
  EXPECT_TRUE(window.ToggleCell(1, 6));
  EXPECT_TRUE(window.ToggleCell(1, 2));
  EXPECT_EQ(Flags(1), store::kHideNotes);
  EXPECT_FALSE(window.ToggleCell(1, 7));
  EXPECT_FALSE(window.ToggleCell(9, 2));
}

TEST_F(HideInformationTest, SetAllColumnsLeavesLivingAndRestoreUndoesItExactly) {
  Flags(1) = store::kHideLiving;
  Flags(2) = store::kHidePlaces | store::kHideNotes;
  HideInformation window(tree_.store);
  window.Perform(HideColumnChoice::kAll, HideAction::kSetAll);
  EXPECT_EQ(Flags(1), 0xFF);
  EXPECT_EQ(Flags(3), 0xFE);
  window.Perform(HideColumnChoice::kAll, HideAction::kRestore);
  EXPECT_EQ(Flags(1), store::kHideLiving);
  EXPECT_EQ(Flags(2), store::kHidePlaces | store::kHideNotes);
  EXPECT_EQ(Flags(3), 0);
}

TEST_F(HideInformationTest, SingleColumnActionsTouchOnlyTheirBit) {
  Flags(2) = store::kHidePlaces;
  HideInformation window(tree_.store);
  window.Perform(HideColumnChoice::kAll, HideAction::kSetAll);
  window.Perform(HideColumnChoice::kPlaces, HideAction::kClearAll);
  EXPECT_EQ(Flags(2), 0xFE & ~store::kHidePlaces);
  window.Perform(HideColumnChoice::kPlaces, HideAction::kRestore);
  EXPECT_EQ(Flags(2), 0xFE);
  EXPECT_EQ(Flags(1), 0xFE & ~store::kHidePlaces);
  window.Perform(HideColumnChoice::kSsn, HideAction::kClearAll);
  EXPECT_EQ(Flags(2), 0xFE & ~store::kHideSsn);
}

TEST_F(HideInformationTest, HideAllLivingHidesEveryoneNotKnownDeceased) {
  Flags(3) = store::kHideLiving;
  HideInformation window(tree_.store);
  window.Perform(HideColumnChoice::kEverything, HideAction::kHideAllLiving);
  EXPECT_EQ(Flags(1), kLivingHidden);
  EXPECT_EQ(Flags(2), 0);              // a death date
  EXPECT_EQ(Flags(3), kLivingHidden);  // already marked living
  EXPECT_EQ(Flags(4), 0);              // a death line
  EXPECT_EQ(Flags(5), 0);              // born over 120 years ago
  EXPECT_TRUE(tree_.store.tree_modified());
}

TEST_F(HideInformationTest, LivingIsRefusedForTheDeadBuriedOrBornOverAHundredTwentyYearsAgo) {
  HideInformation window(tree_.store);
  EXPECT_FALSE(window.ToggleCell(3, 0));  // buried
  EXPECT_TRUE(Refused());
  EXPECT_FALSE(window.ToggleLiving(2));  // a death date
  EXPECT_FALSE(window.ToggleLiving(5));  // born 1850
  EXPECT_TRUE(Refused());
  EXPECT_EQ(tree_.ui.records().size(), 3u);
  EXPECT_EQ(Flags(2) | Flags(3) | Flags(5), 0);
}

TEST_F(HideInformationTest, ClosingBringsDeathLinesInLineWithTheLivingStatus) {
  Flags(1) = kLivingHidden;
  HideInformation window(tree_.store);
  EXPECT_TRUE(window.ToggleLiving(4));
  EXPECT_TRUE(window.ToggleCell(1, 0));
  EXPECT_TRUE(tree_.ui.records().empty());
  EXPECT_EQ(Flags(4), store::kHideLiving);
  EXPECT_EQ(Flags(1), store::kHideEverything);
  tree_.store.set_current_individual(4);
  EXPECT_TRUE(window.Close());  // the current person is now living
  const std::string stamp = "|1 CHAN|2 DATE  6 Dec 2026|3 TIME 09:05:07";
  // Made living: the death line goes. No longer living: a bare death line comes.
  EXPECT_EQ(LinesOf(4),
            Split("0 @I000004@ INDI|1 NAME Di /Bare/|1 SEX F|1 BIRT|2 DATE 1980" + stamp));
  EXPECT_EQ(LinesOf(1),
            Split("0 @I000001@ INDI|1 NAME Ann /Young/|1 SEX F|1 BIRT|2 DATE 1990|1 DEAT" + stamp));
}

TEST_F(HideInformationTest, ClosingLeavesAlonePeopleWhoseLivingStatusEndsAsItWas) {
  Flags(1) = store::kHideLiving;
  const Lines before = LinesOf(1);
  HideInformation window(tree_.store);
  EXPECT_TRUE(window.ToggleLiving(1));
  EXPECT_TRUE(window.ToggleLiving(1));
  window.Perform(HideColumnChoice::kAll, HideAction::kClearAll);
  tree_.store.set_current_individual(4);
  EXPECT_FALSE(window.Close());  // Di stays not living
  EXPECT_EQ(LinesOf(1), before);
  EXPECT_EQ(LinesOf(4), Split("0 @I000004@ INDI|1 NAME Di /Bare/|1 SEX F|1 BIRT|2 DATE 1980|"
                              "1 DEAT|2 CAUS Unknown"));
}

}  // namespace
}  // namespace kinloom::reports
