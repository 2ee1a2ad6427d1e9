// kinloom-cli wallchart: the chart saved in the data home's "My Files", its size on standard
// output, the poster, and the refusals on standard error with exit status 2.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "charts/pdf_facts.h"
#include "cli/cli_run.h"
#include "reports/test_tree_builder.h"
#include "support/test_support.h"

namespace kinloom::cli {
namespace {

using testing::TestTreeBuilder;

class WallChartCliTest : public ::testing::Test {
 protected:
  // Ann (1) and her son Ben (2) with his wife Cat (3).
  void SetUp() override {
    TestTreeBuilder b;
    b.Person("Ann /Roe/", 'F', {"1 BIRT", "2 DATE 1900"});
    b.Person("Ben /Roe/", 'M', {"1 BIRT", "2 DATE 1925", "2 PLAC Cork"});
    b.Person("Cat /Day/", 'F');
    b.Family(0, 1, {{2}});
    b.Family(2, 3);
    std::vector<std::string> lines = {"0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI"};
    for (const std::string& line : b.Lines()) lines.push_back(line);
    lines.push_back("0 TRLR");
    testing::WriteFileBytes(tree_, testing::CrLfJoin(lines));
  }

  CliRun Run(std::vector<std::string> args) { return Cli(std::move(args), home_.path()); }

  testing::TempDir home_;
  testing::TempDir files_;
  std::string tree_ = files_.File("roe.ged");
};

TEST_F(WallChartCliTest, SavesTheChartAndThePoster) {
  const std::string poster = files_.File("poster.pdf");
  const CliRun r = Run({"wallchart", tree_, "1", "--title", "Roe", "--ids", "--roman",
                        "--bold-members", "--pdf", poster});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string file = home_.path() + "/my_files/WallChart_Roe_1.jpg";
  ASSERT_EQ(r.out.rfind("file: " + file + "\nsize: ", 0), 0u) << r.out;
  const QImage image(QString::fromStdString(file));
  ASSERT_FALSE(image.isNull());
  EXPECT_TRUE(Has(r.out, "size: " + std::to_string(image.width()) + "x" +
                             std::to_string(image.height()) + "\n"));
  const std::string pdf = testing::ReadFileBytes(poster);
  EXPECT_EQ(testing::PdfPageCount(pdf), 1);
  EXPECT_TRUE(testing::PdfFonts(pdf).contains("DejaVuSerif-Bold")) << "Roman and bold";
}

TEST_F(WallChartCliTest, RefusalsAndUsage) {
  const CliRun small = Run({"wallchart", tree_, "2", "--ancestors", "--generations", "2"});
  EXPECT_EQ(small.status, 0) << "Ben and his mother";
  const CliRun none = Run({"wallchart", tree_, "3"});
  EXPECT_EQ(none.status, 2);
  EXPECT_TRUE(Has(none.err, "Wall Chart Too Small: The wall chart must include between\ntwo"))
      << none.err;
  EXPECT_TRUE(none.out.empty());
  EXPECT_EQ(Run({"wallchart", tree_, "7"}).status, 2) << "no such person";
  EXPECT_EQ(Run({"wallchart", tree_, "1", "--generations", "13"}).status, 1);
  EXPECT_EQ(Run({"wallchart", tree_}).status, 1);
  EXPECT_EQ(Run({"wallchart", tree_, "1", "--frames"}).status, 1);
}

}  // namespace
}  // namespace kinloom::cli
