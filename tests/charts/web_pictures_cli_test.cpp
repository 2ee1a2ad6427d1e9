// kinloom-cli web scales the album pictures it publishes, as the desktop program does.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "reports/test_tree_builder.h"
#include "support/test_support.h"

namespace kinloom::cli {
namespace {

TEST(WebCommandPictures, ThumbnailsAreScaledAndTheFullPictureKept) {
  testing::TempDir home;
  testing::TestTreeBuilder b;
  b.Person("John /Ash/", 'M', {"1 BIRT", "2 DATE 1850", "1 DEAT", "2 DATE 1920"});
  std::vector<std::string> lines = {"0 HEAD", "1 CHAR ANSI"};
  for (const std::string& line : b.Lines()) lines.push_back(line);
  lines.push_back("0 TRLR");
  testing::WriteFileBytes(home.File("ash.ged"), testing::CrLfJoin(lines));
  CliRun run = Cli({"import", home.File("ash.ged"), "--name", "Ash"}, home.path());
  ASSERT_EQ(run.status, kExitOk) << run.err;
  QImage picture(800, 600, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  ASSERT_TRUE(picture.save(QString::fromStdString(home.path() + "/media/john.png")));
  testing::WriteFileBytes(
      home.path() + "/config/Ash.med",
      testing::CrLfJoin({"HEAD Family", "", "ALBM 0", "FILE john.png", "INDI |1|", "TITL John"}));

  run = Cli({"web", "Ash", "--html", "--mode", "N"}, home.path());
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::string site = home.path() + "/web/Ash/htm/";
  EXPECT_EQ(QImage(QString::fromStdString(site + "tmb/kln_m0001.png")).size(), QSize(200, 150));
  EXPECT_EQ(QImage(QString::fromStdString(site + "med/kln_m0001.png")).size(), QSize(800, 600));
}

}  // namespace
}  // namespace kinloom::cli
