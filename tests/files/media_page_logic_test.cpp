#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "files/media_albums.h"
#include "files/media_item_view.h"
#include "files/media_profile.h"
#include "support/test_support.h"

namespace kinloom::files {
namespace {

using testing::RecordLines;
using testing::TempDir;
using testing::TestTree;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

// Ann without a picture line, Bob with a picture as the value, Cy with a "2 FILE" line in a
// subfolder, Di with only a link to a shared object record.
const Lines kTree = {
    "0 @I000001@ INDI",       "1 NAME Ann /Ash/", "1 SEX F",           "1 NOTE Likes boats",
    "0 @I000002@ INDI",       "1 NAME Bob /Ash/", "1 OBJE old.png",    "0 @I000003@ INDI",
    "1 NAME Cy /Ash/",        "1 OBJE",           "2 FILE sub/cy.bmp", "2 TITL Cy",
    "0 @I000004@ INDI",       "1 NAME Di /Ash/",  "1 OBJE @O1@",       "0 @S000001@ SOUR",
    "1 TITL Parish register", "0 @S000002@ SOUR", "1 AUTH Nobody"};

class MediaPageLogicTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::LoadOwnTree(tree_, kTree); }
  Lines Person(int n) { return RecordLines(tree_.store.individual(n)->lines); }
  // The person's lines before the change stamp.
  Lines Body(int n) {
    Lines lines = Person(n);
    const auto chan = std::find(lines.begin(), lines.end(), "1 CHAN");
    lines.erase(chan, lines.end());
    return lines;
  }

  TestTree tree_;
};

TEST_F(MediaPageLogicTest, PreviewFollowsTheFileType) {
  EXPECT_EQ(PreviewOf("letter.TXT"), MediaPreview::kText);
  EXPECT_EQ(PreviewOf("letter.rtf"), MediaPreview::kText);
  EXPECT_EQ(PreviewOf("a.b/photo.Jpg"), MediaPreview::kPicture);
  EXPECT_EQ(PreviewOf("scan.gif"), MediaPreview::kPicture);
  EXPECT_EQ(PreviewOf("scan.png"), MediaPreview::kPicture);
  EXPECT_EQ(PreviewOf("will.pdf"), MediaPreview::kNone);
  EXPECT_EQ(PreviewOf("folder.jpg/readme"), MediaPreview::kNone);
  EXPECT_EQ(FileTypeName("will.pdf"), "PDF");
  EXPECT_EQ(FileTypeName("readme"), "File");
}

TEST_F(MediaPageLogicTest, SourceTitleIsTheTitleLine) {
  EXPECT_EQ(SourceTitle(tree_.store, 1), "Parish register");
  for (int none : {2, 3, -1}) EXPECT_EQ(SourceTitle(tree_.store, none), "") << none;
}

TEST_F(MediaPageLogicTest, ProfilePictureTakesThePictureLine) {
  ASSERT_TRUE(SetProfilePicture(tree_.store, 1, "ann.png"));
  EXPECT_EQ(ProfilePictureFile(tree_.store.individual(1)->lines), "ann.png");
  EXPECT_EQ(Body(1), (Lines{"0 @I000001@ INDI", "1 NAME Ann /Ash/", "1 SEX F", "1 NOTE Likes boats",
                            "1 OBJE ann.png"}));
  EXPECT_TRUE(tree_.store.tree_modified());

  ASSERT_TRUE(SetProfilePicture(tree_.store, 2, "bob.jpg"));
  EXPECT_EQ(Body(2), (Lines{"0 @I000002@ INDI", "1 NAME Bob /Ash/", "1 OBJE bob.jpg"}));

  ASSERT_TRUE(SetProfilePicture(tree_.store, 3, "sub/cy.png"));
  EXPECT_EQ(Body(3), (Lines{"0 @I000003@ INDI", "1 NAME Cy /Ash/", "1 OBJE", "2 FILE sub/cy.png",
                            "2 TITL Cy"}));

  // The link to the shared object stays behind the picture.
  ASSERT_TRUE(SetProfilePicture(tree_.store, 4, "di.gif"));
  EXPECT_EQ(Body(4),
            (Lines{"0 @I000004@ INDI", "1 NAME Di /Ash/", "1 OBJE di.gif", "1 OBJE @O1@"}));

  EXPECT_FALSE(SetProfilePicture(tree_.store, 4, "di.gif"));  // already so
  EXPECT_FALSE(SetProfilePicture(tree_.store, 9, "x.png"));   // no such person
  EXPECT_FALSE(SetProfilePicture(tree_.store, 1, ""));
}

TEST_F(MediaPageLogicTest, ChartPictureNeedsTheJpegBesideThePicture) {
  TempDir media;
  WriteFileBytes(media.File("old.jpg"), "J");
  std::filesystem::create_directory(media.File("sub"));
  WriteFileBytes(media.File("sub/cy.jpg"), "J");
  tree_.store.set_show_chart_pictures(true);
  FillChartPictures(tree_.store, media.path());
  EXPECT_EQ(tree_.store.individual(2)->thumbPath.view(), media.File("old.jpg"));
  EXPECT_EQ(tree_.store.individual(2)->boxLines, 6);
  EXPECT_EQ(tree_.store.individual(3)->thumbPath.view(), media.File("sub/cy.jpg"));
  EXPECT_EQ(tree_.store.individual(1)->thumbPath.view(), "");

  // Another picture without its JPEG: the chart shows none.
  SetProfilePicture(tree_.store, 2, "new.png");
  EXPECT_TRUE(RefreshChartPicture(tree_.store, 2, media.path()));
  EXPECT_EQ(tree_.store.individual(2)->thumbPath.view(), "");
  EXPECT_LT(tree_.store.individual(2)->boxLines, 6);
  EXPECT_FALSE(RefreshChartPicture(tree_.store, 2, media.path()));
}

}  // namespace
}  // namespace kinloom::files
