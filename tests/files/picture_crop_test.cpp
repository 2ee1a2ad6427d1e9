#include "files/picture_crop.h"

#include <gtest/gtest.h>

#include <set>

namespace kinloom::files {
namespace {

struct CornerCase {
  const char* what;
  double ax, ay, cx, cy;
  PixelSize aspect;
  PixelRect expected;
};

class CropFromCornersTest : public ::testing::TestWithParam<CornerCase> {};

// A picture of 400 x 300 pixels.
TEST_P(CropFromCornersTest, StaysInsideThePicture) {
  const CornerCase& c = GetParam();
  EXPECT_EQ(CropFromCorners(c.ax, c.ay, c.cx, c.cy, {400, 300}, c.aspect), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CropFromCornersTest,
    ::testing::Values(
        CornerCase{"dragged down right", 10, 20, 110, 70, {}, {10, 20, 100, 50}},
        CornerCase{"dragged up left", 110, 70, 10, 20, {}, {10, 20, 100, 50}},
        CornerCase{"past the edges", -50, -40, 900, 700, {}, {0, 0, 400, 300}},
        CornerCase{"fractions round", 10.4, 10.6, 20.5, 30.4, {}, {10, 11, 10, 20}},
        CornerCase{"aspect: the wider side leads", 0, 0, 120, 30, {3, 4}, {0, 0, 120, 160}},
        CornerCase{"aspect: the taller side leads", 0, 0, 30, 200, {3, 4}, {0, 0, 150, 200}},
        CornerCase{
            "aspect: shrunk to the room below", 100, 200, 300, 250, {1, 1}, {100, 200, 100, 100}},
        CornerCase{
            "aspect: shrunk to the room on the left", 50, 100, 0, 300, {1, 1}, {0, 100, 50, 50}},
        CornerCase{"aspect: dragged up left", 200, 200, 100, 150, {1, 1}, {100, 100, 100, 100}},
        CornerCase{"a click is empty", 50, 50, 50, 50, {}, {50, 50, 0, 0}}));

TEST(PictureCropTest, AnEmptyPictureGivesAnEmptyCrop) {
  EXPECT_TRUE(CropFromCorners(0, 0, 10, 10, {0, 0}).empty());
  EXPECT_TRUE(CentredCrop({0, 5}, {1, 1}).empty());
}

TEST(PictureCropTest, FitsThePictureInTheViewAndMapsPointsBack) {
  const PictureView fit = FitPicture({800, 400}, {400, 400}, true);
  EXPECT_DOUBLE_EQ(fit.scale, 0.5);
  EXPECT_DOUBLE_EQ(fit.left, 0);
  EXPECT_DOUBLE_EQ(fit.top, 100);
  EXPECT_DOUBLE_EQ(ViewToPictureX(fit, 200), 400);
  EXPECT_DOUBLE_EQ(ViewToPictureY(fit, 100), 0);
  EXPECT_EQ(PictureToView(fit, {100, 100, 200, 100}), (PixelRect{50, 150, 100, 50}));

  // A small picture is enlarged only when zooming to fit.
  EXPECT_DOUBLE_EQ(FitPicture({100, 50}, {400, 400}, true).scale, 4);
  const PictureView own = FitPicture({100, 50}, {400, 400}, false);
  EXPECT_DOUBLE_EQ(own.scale, 1);
  EXPECT_DOUBLE_EQ(own.left, 150);
  EXPECT_DOUBLE_EQ(FitPicture({0, 50}, {400, 400}, true).scale, 1);
}

TEST(PictureCropTest, CentredCropKeepsTheAspect) {
  EXPECT_EQ(CentredCrop({400, 300}, {3, 4}), (PixelRect{87, 0, 225, 300}));
  EXPECT_EQ(CentredCrop({300, 400}, {4, 3}), (PixelRect{0, 87, 300, 225}));
  EXPECT_EQ(CentredCrop({400, 300}, {}), (PixelRect{0, 0, 400, 300}));
}

TEST(PictureCropTest, OnlyAPartOfThePictureIsWorthSaving) {
  EXPECT_TRUE(UsableCrop({0, 0, 399, 300}, {400, 300}));
  EXPECT_FALSE(UsableCrop({0, 0, 400, 300}, {400, 300}));
  EXPECT_FALSE(UsableCrop({5, 5, 1, 40}, {400, 300}));
  EXPECT_FALSE(UsableCrop({390, 0, 20, 20}, {400, 300}));
}

constexpr char kSixtyLetters[] = "abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghij.jpg";
constexpr char kCutToFitTheSuffix[] =
    "abcdefghijabcdefghijabcdefghijabcdefghijabcdefghija_crop.jpg";

struct NameCase {
  const char* file;
  const char* suffix;
  bool force_jpeg;
  std::set<std::string> taken;
  const char* expected;
};

class CroppedFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CroppedFileNameTest, FindsAFreeName) {
  const NameCase& c = GetParam();
  auto exists = [&c](const std::string& name) { return c.taken.contains(name); };
  EXPECT_EQ(CroppedFileName(c.file, c.suffix, c.force_jpeg, exists), c.expected) << c.file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CroppedFileNameTest,
    ::testing::Values(
        NameCase{"ann.jpg", "_crop", false, {}, "ann_crop.jpg"},
        NameCase{"Ann.JPEG", "_crop", false, {}, "Ann_crop.jpg"},
        NameCase{"ann.png", "_crop", false, {}, "ann_crop.png"},
        NameCase{"ann.gif", "_profile", true, {}, "ann_profile.jpg"},
        NameCase{"ann.jpg", "_crop", false, {"ann_crop.jpg", "ann_crop2.jpg"}, "ann_crop3.jpg"},
        NameCase{"sub/ann.bmp", "_crop", false, {}, "sub/ann_crop.png"},
        NameCase{"v1.0/scan", "_crop", false, {}, "v1.0/scan_crop.png"},
        NameCase{kSixtyLetters, "_crop", false, {}, kCutToFitTheSuffix}));

}  // namespace
}  // namespace kinloom::files
