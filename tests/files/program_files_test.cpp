#include "files/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace kinloom::files {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

struct PlacesCase {
  const char* name;
  std::vector<bool> data_exists;  // the support folder of each place
  int chosen;                     // -1: none
};

std::string CaseName(const ::testing::TestParamInfo<PlacesCase>& tested) {
  return tested.param.name;
}

class ProgramFilesPlacesTest : public ::testing::TestWithParam<PlacesCase> {};

// The first place whose support folder exists wins, with its own guide and licence: an
// installation is never mixed with the source tree.
TEST_P(ProgramFilesPlacesTest, TheFirstExistingSupportFolderWins) {
  const PlacesCase& c = GetParam();
  TempDir dir;
  std::vector<ProgramFiles> places;
  for (size_t i = 0; i < c.data_exists.size(); ++i) {
    const std::string place = dir.File("place" + std::to_string(i));
    if (c.data_exists[i]) fs::create_directories(place + "/share/kinloom");
    places.push_back({place + "/share/kinloom/", place + "/guide.md", place + "/LICENSE"});
  }
  places.insert(places.begin(), ProgramFiles{});  // a build that names no installed folder
  const ProgramFiles found = FindProgramFilesAmong(places);
  if (c.chosen < 0) {
    EXPECT_TRUE(found.data.empty());
    EXPECT_TRUE(found.guide.empty());
    return;
  }
  const std::string place = dir.File("place" + std::to_string(c.chosen));
  EXPECT_EQ(found.data, place + "/share/kinloom");
  EXPECT_EQ(found.guide, place + "/guide.md");
  EXPECT_EQ(found.licence, place + "/LICENSE");
}

INSTANTIATE_TEST_SUITE_P(Places, ProgramFilesPlacesTest,
                         ::testing::Values(PlacesCase{"installed", {true, true, true}, 0},
                                           PlacesCase{"beside_the_program", {false, true, true}, 1},
                                           PlacesCase{"source_tree", {false, false, true}, 2},
                                           PlacesCase{"none", {false, false, false}, -1}),
                         CaseName);

TEST(ProgramFilesTest, TheBuildTreeFindsTheSourceTreesFiles) {
  const ProgramFiles found = FindProgramFiles();
  ASSERT_FALSE(found.data.empty());
  EXPECT_TRUE(fs::is_directory(found.data + "/web/php"));
  EXPECT_TRUE(fs::is_regular_file(found.guide)) << found.guide;
  EXPECT_TRUE(fs::is_regular_file(found.licence)) << found.licence;
}

TEST(ProgramFilesTest, TheVersionIsTheProjects) {
  const std::string version(ProgramVersion());
  EXPECT_NE(version.find('.'), std::string::npos) << version;
}

}  // namespace
}  // namespace kinloom::files
