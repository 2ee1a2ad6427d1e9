// The texts, widths and row counts the charts are laid out from. The headless layer measures
// 7 pixels per character.
#include "core/chart_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "support/test_support.h"

namespace kinloom::core {
namespace {

using testing::LoadOwnTree;
using testing::Records;
using testing::TestTree;

constexpr int kCharWidth = 7;

// Ann (1) married Bob (2) in 1920 and had Cid (3); Ann also married Dan (4), childless and
// without a date.
const std::vector<std::string> kTwoMarriages = Records({
    "0 @I000001@ INDI|1 NAME Ann /Lee/|1 SEX F|1 BIRT|2 DATE 1 Jan 1900|1 DEAT|2 DATE 2 Feb 1980|"
    "1 FAMS @F000001@|1 FAMS @F000002@",
    "0 @I000002@ INDI|1 NAME Bob /Ray/|1 SEX M|1 CHR|2 DATE 3 Mar 1898|1 FAMS @F000001@",
    "0 @I000003@ INDI|1 NAME Cid /Ray/|1 SEX M|1 FAMC @F000001@",
    "0 @I000004@ INDI|1 NAME Dan /Orr/|1 SEX M|1 FAMS @F000002@",
    "0 @F000001@ FAM|1 HUSB @I000002@|1 WIFE @I000001@|1 CHIL @I000003@|1 MARR|2 DATE 5 May 1920",
    "0 @F000002@ FAM|1 HUSB @I000004@|1 WIFE @I000001@",
});

class ChartCacheTest : public ::testing::Test {
 protected:
  void Load(const std::vector<std::string>& lines) {
    LoadOwnTree(tree_, lines);
    InitializeChart(tree_.store);
  }
  store::IndividualRecord& Person(int n) { return *tree_.store.individual(n); }
  store::FamilyRecord& Family(int n) { return *tree_.store.family(n); }
  // Appends an event with a date to the end of a record.
  void AddEvent(store::LineNode* first, const std::string& tag, const std::string& date) {
    store::LineNode* last = tree_.store.LastLine(first);
    tree_.store.AppendLine(&last, tag);
    tree_.store.AppendLine(&last, "2 DATE " + date);
  }

  TestTree tree_;
};

TEST_F(ChartCacheTest, PersonTextsWidthsAndBoxRows) {
  Load(kTwoMarriages);
  const store::IndividualRecord& ann = Person(1);
  EXPECT_EQ(ann.labelText.view(), "Ann Lee (1)");
  EXPECT_EQ(ann.birthText.view(), "b. 1 Jan 1900");
  EXPECT_EQ(ann.deathText.view(), "d. 2 Feb 1980");
  EXPECT_EQ((std::vector<int>{ann.labelWidth, ann.birthWidth, ann.deathWidth}),
            (std::vector<int>{11 * kCharWidth, 13 * kCharWidth, 13 * kCharWidth}));
  // A christening stands in for the birth, marked "c."; a missing date leaves no text.
  EXPECT_EQ(Person(2).birthText.view(), "c. 3 Mar 1898");
  EXPECT_FALSE(Person(2).deathText.has_value());
  EXPECT_EQ(Person(2).deathWidth, 0);
  // Box rows: the name and each present date.
  EXPECT_EQ((std::vector<int>{Person(1).boxLines, Person(2).boxLines, Person(3).boxLines}),
            (std::vector<int>{3, 2, 1}));
  // Record zero is covered too, under the progress caption.
  EXPECT_EQ(Person(0).labelText.view(), "Unknown Individual (0) G0");
  EXPECT_EQ(Person(0).boxLines, 1);
  const auto& captions = tree_.ui.progress_captions();
  EXPECT_NE(std::find(captions.begin(), captions.end(), "Initializing Chart"), captions.end());
  EXPECT_FALSE(tree_.ui.progress_visible());
}

TEST_F(ChartCacheTest, MarriageTextNeedsDateOrChildren) {
  Load(Records({
      "0 @I000001@ INDI|1 NAME Ann /Lee/|1 FAMS @F000001@|1 FAMS @F000002@|1 FAMS @F000003@",
      "0 @I000002@ INDI|1 NAME Cid /Lee/|1 FAMC @F000002@",
      "0 @I000003@ INDI|1 NAME Bob /Ray/|1 FAMS @F000001@",
      "0 @I000004@ INDI|1 NAME Dan /Orr/|1 FAMS @F000003@",
      "0 @F000001@ FAM|1 HUSB @I000003@|1 WIFE @I000001@|1 MARR|2 DATE 5 May 1920",
      "0 @F000002@ FAM|1 WIFE @I000001@|1 CHIL @I000002@",
      "0 @F000003@ FAM|1 HUSB @I000004@|1 WIFE @I000001@",
  }));
  EXPECT_EQ(Family(1).marriageText.view(), "m. 5 May 1920");
  EXPECT_EQ(Family(1).marriageWidth, 13 * kCharWidth);
  EXPECT_EQ(Family(2).marriageText.view(), "m. ");
  EXPECT_GT(Family(2).marriageWidth, 5);
  EXPECT_FALSE(Family(3).marriageText.has_value());
  EXPECT_EQ(Family(3).marriageWidth, 0);
}

TEST_F(ChartCacheTest, PictureMakesSixRowsOnlyWhenPicturesAreShown) {
  Load(kTwoMarriages);
  Person(3).thumbPath.Set("/pictures/cid.jpg");
  RefreshPersonTexts(tree_.store, 3);
  EXPECT_EQ(Person(3).boxLines, 1);
  tree_.store.set_show_chart_pictures(true);
  RefreshPersonTexts(tree_.store, 3);
  EXPECT_EQ(Person(3).boxLines, 6);
  RefreshPersonTexts(tree_.store, 4);
  EXPECT_EQ(Person(4).boxLines, 1);
}

TEST_F(ChartCacheTest, BlockRowsAddMarriageRowsAndSpouseBoxesAndFollowChanges) {
  Load(kTwoMarriages);
  // Own 3; Bob's family: marriage row + 2; Dan's family: no marriage row + 1.
  EXPECT_EQ(Person(1).blockLines, 3 + (1 + 2) + (0 + 1));
  EXPECT_EQ(Person(2).blockLines, 2 + (1 + 3));
  EXPECT_EQ(Person(3).blockLines, 1);
  // Changed box rows and a new marriage date move the spouses' blocks.
  AddEvent(Person(4).lines, "1 BIRT", "7 Jul 1899");
  AddEvent(Person(4).lines, "1 DEAT", "8 Aug 1950");
  RefreshPersonTexts(tree_.store, 4);
  EXPECT_EQ(Person(4).boxLines, 3);
  EXPECT_EQ(Person(4).blockLines, 3 + 3);
  EXPECT_EQ(Person(1).blockLines, 3 + (1 + 2) + (0 + 3));
  EXPECT_EQ(Person(2).blockLines, 2 + (1 + 3));
  // A date on Dan's marriage adds its row to both spouses' blocks.
  AddEvent(Family(2).lines, "1 MARR", "9 Sep 1930");
  RefreshMarriageText(tree_.store, 2);
  EXPECT_EQ(Family(2).marriageText.view(), "m. 9 Sep 1930");
  EXPECT_EQ(Person(1).blockLines, 3 + (1 + 2) + (1 + 3));
  EXPECT_EQ(Person(4).blockLines, 3 + (1 + 3));
}

}  // namespace
}  // namespace kinloom::core
