// Who a site publishes: the record filter modes, the living rule and the index order.
#include "web/publish_rule.h"

#include <gtest/gtest.h>

#include "store/line_search.h"
#include "web_test_support.h"

namespace kinloom::web {
namespace {

using store::WriteMode;

TEST(PublishRule, FilterModeFromTheTwoBoxes) {
  files::WebSiteSettings settings;
  const struct {
    bool hide, split;
    WriteMode mode;
  } cases[] = {{true, true, WriteMode::kBoth},
               {true, false, WriteMode::kHide},
               {false, true, WriteMode::kSplit},
               {false, false, WriteMode::kNormal}};
  for (const auto& c : cases) {
    settings.use_hide_info = c.hide;
    settings.use_split_tree = c.split;
    EXPECT_EQ(RecordFilterMode(settings), c.mode);
  }
}

TEST(PublishRule, ExclusionRuleInEveryMode) {
  testing::TestTree tree;
  kinloom::testing::LoadOwnTree(tree, testing::FamilyLines());
  store::RecordStore& s = tree.store;
  s.individual(testing::kZed)->hideFlags = store::kHideEverything;
  s.individual(testing::kMary)->markFlags = store::kMarkSelected;
  s.individual(testing::kJohn)->hideFlags = store::kHideLiving;  // marked living by the user
  const int lines_before =
      static_cast<int>(kinloom::testing::RecordLines(s.individual(testing::kLena)->lines).size());

  const struct {
    WriteMode mode;
    bool hide_living;
    std::vector<int> published;
  } cases[] = {
      {WriteMode::kNormal, false, {1, 2, 3, 4, 5}},
      {WriteMode::kNormal, true, {2, 4, 5}},  // John by his mark, Lena by her dates
      {WriteMode::kHide, false, {1, 2, 3, 5}},
      {WriteMode::kSplit, false, {2}},
      {WriteMode::kBoth, true, {2}},
  };
  for (const auto& c : cases) {
    PublishRule rule(s, {c.mode, c.hide_living, false});
    std::vector<int> published;
    for (int n = -1; n <= s.highest_individual() + 1; ++n) {
      if (rule.IsPublished(n)) published.push_back(n);
    }
    EXPECT_EQ(published, c.published) << static_cast<char>(c.mode) << c.hide_living;
  }
  // Asking the living rule leaves the tree as it was.
  EXPECT_EQ(kinloom::testing::RecordLines(s.individual(testing::kLena)->lines).size(),
            static_cast<size_t>(lines_before));
  EXPECT_FALSE(s.tree_modified());
}

TEST(PublishRule, LivingMarkClearedByTheUserCountsAsDeceased) {
  testing::TestTree tree;
  // Born recently, but the user cleared the living mark, which wrote a bare death line.
  kinloom::testing::LoadOwnTree(
      tree, {"0 @I000001@ INDI", "1 NAME Al /Young/", "1 BIRT", "2 DATE 2000", "1 DEAT"});
  EXPECT_FALSE(CountsAsLiving(tree.store, 1));
  tree.store.individual(1)->hideFlags = store::kHideLiving;
  EXPECT_TRUE(CountsAsLiving(tree.store, 1));
}

TEST(PublishRule, SequenceNumbersFollowTheIndexAndSkipTheExcluded) {
  testing::TestTree tree;
  kinloom::testing::LoadOwnTree(tree, testing::FamilyLines());
  tree.store.individual(testing::kZed)->hideFlags = store::kHideEverything;
  PublishRule rule(tree.store, {WriteMode::kHide, true, false});
  SequenceIndex index = NumberPublished(tree.store, rule, tree.ui);
  // Index order: "Jones, Mary", "script>, <script>...", "Smith, John"; Lena is living.
  EXPECT_EQ(index.people, (std::vector<int>{testing::kMary, testing::kHostile, testing::kJohn}));
  EXPECT_EQ(index.SequenceOf(testing::kJohn), 2);
  EXPECT_EQ(index.SequenceOf(testing::kZed), -1);
  EXPECT_EQ(index.SequenceOf(0), -1);
  EXPECT_EQ(tree.ui.progress_texts().back(), "Creating Sequence Index..: 000000");
}

}  // namespace
}  // namespace kinloom::web
