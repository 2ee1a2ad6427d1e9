// The wall chart drawn and saved: faces, the image read back (size, white margins, text where
// the layout puts a box), too few generations, too large, the BMP fall-back, the PDF poster
// and the PDF of the sheets.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "charts/pdf_facts.h"
#include "charts/report_printing.h"
#include "charts/wall_chart_maker.h"
#include "charts/wall_chart_poster.h"
#include "charts/wall_chart_print.h"
#include "core/queries.h"
#include "reports/test_tree_builder.h"
#include "support/test_support.h"

namespace kinloom::charts {
namespace {

using testing::ReadFileBytes;
using testing::TestTreeBuilder;

bool IsWhite(QRgb pixel) {
  return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

// How many pixels of an area are of a kind.
int Pixels(const QImage& image, const QRect& area, bool (*kind)(QRgb)) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += kind(image.pixel(x, y));
  }
  return count;
}

int DarkPixels(const QImage& image, const QRect& area) {
  return Pixels(image, area, [](QRgb p) { return qGray(p) < 100; });
}

class WallChartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app_ = MakeOffscreenApplication().release(); }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }

  // Abe and Eve Lee (1, 2) have Cal (3) and Dee (4); Cal and Fay (5) have Gus (6).
  void SetUp() override {
    TestTreeBuilder b;
    b.Person("Abe /Lee/", 'M',
             {"1 BIRT", "2 DATE 1 MAR 1850", "2 PLAC York", "1 DEAT", "2 DATE 1920"});
    b.Person("Eve /Oak/", 'F', {"1 BIRT", "2 DATE 1855"});
    b.Person("Cal /Lee/", 'M', {"1 BIRT", "2 DATE 1880", "2 PLAC Leeds"});
    b.Person("Dee /Lee/", 'F');
    b.Person("Fay /Ash/", 'F');
    b.Person("Gus /Lee/", 'M');
    b.Family(1, 2, {{3}, {4}});
    b.Family(3, 5, {{6}});
    b.LoadInto(tree_);
    std::filesystem::create_directory(my_files_);
  }

  WallChartRequest Request(int root) {
    WallChartRequest request;
    request.root = root;
    request.options.title = "The Lee Family";
    return request;
  }

  WallChartResult Create(const WallChartRequest& request, platform::FileSystem& files,
                         const WallChartEncoder& encoder = {}, const std::string& poster = {}) {
    return CreateWallChart(tree_.store, request, {my_files_, files, poster, 0, encoder});
  }

  static QGuiApplication* app_;
  testing::TestTree tree_;
  testing::TempDir dir_;
  std::string my_files_ = dir_.File("my_files");
  platform::LocalFileSystem files_;
};

QGuiApplication* WallChartTest::app_ = nullptr;

TEST_F(WallChartTest, FacesAreTheInstalledOnes) {
  EXPECT_EQ(WallChartFamily("Arial"), "DejaVu Sans");
  EXPECT_EQ(WallChartFamily("Times New Roman"), "DejaVu Serif");
  EXPECT_EQ(WallChartFamily("DejaVu Sans Mono"), "DejaVu Sans Mono") << "an installed face";
  EXPECT_EQ(WallChartFamily("No Such Face At All"), "DejaVu Sans") << "never one at random";
  WallChartFonts fonts{reports::WallChartOptions{}};
  // 12 and 24 points are 16 and 32 pixels.
  const auto plain = [&fonts](int points) {
    return fonts.TextWidth("Bartholomew Lancaster", reports::WallChartTextStyle::kPlain, points);
  };
  EXPECT_NEAR(plain(12) * 2, plain(24), 2) << "widths grow with the size in proportion";
  EXPECT_GT(fonts.TextWidth("Bartholomew", reports::WallChartTextStyle::kBold, 20),
            fonts.TextWidth("Bartholomew", reports::WallChartTextStyle::kPlain, 20));
}

TEST_F(WallChartTest, DrawnChartReadBack) {
  const WallChartRequest request = Request(1);
  const WallChartResult made = Create(request, files_);
  ASSERT_EQ(made.outcome, WallChartOutcome::kSaved);
  EXPECT_EQ(made.path, my_files_ + "/WallChart_Lee_1.jpg");
  EXPECT_EQ(made.font_size, 20);
  QImage image;
  ASSERT_TRUE(LoadWallChartImage(made.path, &image));
  ASSERT_EQ(image.width(), made.width);
  ASSERT_EQ(image.height(), made.height);
  // The 40-pixel margins are white all round.
  const int w = image.width(), h = image.height();
  for (const QRect& margin :
       {QRect(0, 0, 37, h), QRect(w - 37, 0, 37, h), QRect(0, 0, w, 21), QRect(0, h - 21, w, 21)}) {
    EXPECT_EQ(Pixels(image, margin, [](QRgb p) { return !IsWhite(p); }), 0) << margin.x();
  }
  // The chart texts are the main window's again.
  EXPECT_EQ(tree_.store.individual(1)->labelText.view(), core::PersonLabel(tree_.store, 1));
  EXPECT_FALSE(tree_.ui.progress_visible());
  const auto& captions = tree_.ui.progress_captions();
  EXPECT_NE(std::find(captions.begin(), captions.end(), " Wall Chart"), captions.end());
  // Text stands in the name row of every box, where the layout puts it.
  PreparedWallChart chart(tree_.store, request);
  ASSERT_TRUE(chart.Fit());
  const reports::WallChartGeometry& g = chart.geometry();
  EXPECT_EQ(g.width, made.width);
  EXPECT_EQ(g.height, made.height);
  int boxes = 0;
  for (int level = 0; level < chart.nodes().levels(); ++level) {
    for (const core::ChartNode& node : chart.nodes().chart.levels[static_cast<size_t>(level)]) {
      const int row = node.row + reports::WallChartLeadRows(tree_.store, node);
      const QRect name_row(g.column_x[level] + g.text_inset, g.RowY(row), g.column_width[level] / 3,
                           g.line_height);
      EXPECT_GT(DarkPixels(image, name_row), 20) << "level " << level << " row " << row;
      ++boxes;
    }
  }
  EXPECT_EQ(boxes, 6) << "Abe, Eve; Cal, Fay, Dee; Gus";
  // The spacing row below Abe's block (his box, the marriage and Eve's box) is white.
  const core::ChartNode& root = chart.nodes().chart.levels[0][0];
  EXPECT_EQ(root.rows, 6);
  EXPECT_EQ(DarkPixels(image, QRect(g.column_x[0], g.RowY(root.row + root.rows), g.column_width[0],
                                    g.line_height)),
            0);
}

TEST_F(WallChartTest, TooFewGenerationsOrTooLargeSaveNothing) {
  // Gus has no children and Abe no parents: one generation each.
  const WallChartResult small = Create(Request(6), files_);
  EXPECT_EQ(small.outcome, WallChartOutcome::kTooSmall);
  WallChartRequest up = Request(1);
  up.options.ancestors = true;
  EXPECT_EQ(Create(up, files_).outcome, WallChartOutcome::kTooSmall);
  ASSERT_EQ(tree_.ui.records().size(), 2u);
  EXPECT_EQ(tree_.ui.records()[0].caption, "Wall Chart Too Small");
  EXPECT_EQ(tree_.ui.records()[0].text,
            "The wall chart must include between\ntwo and twelve generations.");
  EXPECT_EQ(tree_.ui.records()[0].icon, platform::Icon::kInformation);
  EXPECT_EQ(Create(Request(99), files_).outcome, WallChartOutcome::kNoPerson);
  EXPECT_EQ(tree_.ui.records().size(), 2u) << "no person: nothing happens";

  // 6,000 children need 12,000 rows: more than 65,535 pixels even at the smallest font.
  testing::TestTree big;
  TestTreeBuilder b;
  std::vector<TestTreeBuilder::Child> children;
  for (int i = 0; i < 6000; ++i) children.push_back({b.Person("Kid /Many/")});
  b.Family(b.Person("Dad /Many/"), 0, children);
  b.LoadInto(big);
  const WallChartResult large =
      CreateWallChart(big.store, Request(6001), {my_files_, files_, {}, 0, {}});
  EXPECT_EQ(large.outcome, WallChartOutcome::kTooLarge);
  ASSERT_EQ(big.ui.records().size(), 1u);
  EXPECT_EQ(big.ui.records()[0].caption, "Out of Memory");
  EXPECT_EQ(big.ui.records()[0].text, "The wall chart is too large.\nTry a smaller family tree.");
  EXPECT_TRUE(std::filesystem::is_empty(my_files_));
}

TEST_F(WallChartTest, ShortJpegLeavesABitmap) {
  const std::string old_jpeg = my_files_ + "/WallChart_Lee_1.jpg";
  testing::WriteFileBytes(old_jpeg, "an older chart");
  const WallChartEncoder short_jpeg = [](const QImage& image, const char* format,
                                         QIODevice& device) {
    if (QByteArray(format) == "jpg") return device.write("tiny", 4) == 4;
    return EncodeWallChart(image, format, device);
  };
  const WallChartResult made = Create(Request(1), files_, short_jpeg);
  ASSERT_EQ(made.outcome, WallChartOutcome::kSaved);
  EXPECT_EQ(made.path, my_files_ + "/WallChart_Lee_1.bmp");
  EXPECT_FALSE(std::filesystem::exists(old_jpeg));
  QImage image;
  ASSERT_TRUE(LoadWallChartImage(made.path, &image));
  EXPECT_EQ(image.size(), QSize(made.width, made.height));

  testing::FaultyFileSystem full(100);
  const WallChartResult failed = Create(Request(1), full);
  EXPECT_EQ(failed.outcome, WallChartOutcome::kNotSaved);
  ASSERT_FALSE(tree_.ui.records().empty());
  EXPECT_EQ(tree_.ui.records().back().caption, "*** Warning ***");
  EXPECT_NE(tree_.ui.records().back().text.find("No space left"), std::string::npos);
  EXPECT_EQ(tree_.store.individual(1)->labelText.view(), core::PersonLabel(tree_.store, 1));
}

TEST_F(WallChartTest, PosterAndSheets) {
  const std::string poster = dir_.File("poster.pdf");
  const WallChartResult made = Create(Request(1), files_, {}, poster);
  ASSERT_EQ(made.outcome, WallChartOutcome::kSaved);
  const std::string pdf = ReadFileBytes(poster);
  EXPECT_EQ(testing::PdfPageCount(pdf), 1);
  // One page the size of the printed chart: 125 image pixels to the inch.
  EXPECT_NEAR(testing::PdfPageSize(pdf).first, made.width * 72.0 / 125, 1.0);
  EXPECT_TRUE(testing::PdfFonts(pdf).contains("DejaVuSans")) << "the text stays text";
  EXPECT_LT(pdf.size(), 200000u);

  QImage image;
  ASSERT_TRUE(LoadWallChartImage(made.path, &image));
  const QPageSize letter(QPageSize::Letter);
  const double scale = 300;  // small sheets, so the chart needs several
  const reports::SheetGrid grid = PdfSheetGrid(letter, image, scale);
  ASSERT_GT(grid.sheets(), 1);
  const std::string sheets = dir_.File("sheets.pdf");
  int pages = 0;
  ASSERT_TRUE(WriteWallChartSheetsPdf(files_, sheets, image, scale, {letter, {}}, &pages).ok());
  EXPECT_EQ(pages, grid.sheets());
  EXPECT_EQ(testing::PdfPageCount(ReadFileBytes(sheets)), grid.sheets());
  EXPECT_TRUE(testing::PdfLandscape(ReadFileBytes(sheets)));
  const int sample = reports::SamplePage(grid);
  ASSERT_TRUE(
      WriteWallChartSheetsPdf(files_, sheets, image, scale, {letter, {sample, sample}}).ok());
  EXPECT_EQ(testing::PdfPageCount(ReadFileBytes(sheets)), 1);
}

TEST_F(WallChartTest, PrinterInPdfModePrintsTheSheets) {
  const WallChartResult made = Create(Request(1), files_);
  QImage image;
  ASSERT_TRUE(LoadWallChartImage(made.path, &image));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir_.File("printed.pdf")));
  PreparePrinter(printer, WallChartSheetsJob("WallChart_Lee_1.jpg"));
  const reports::SheetGrid grid = PrinterSheetGrid(printer, image, 400);
  ASSERT_GE(grid.sheets(), 2);
  int sent = 0;
  ASSERT_TRUE(PrintWallChartSheets(printer, image, 400, {2, 9999}, &sent).ok());
  EXPECT_EQ(sent, grid.sheets() - 1);
  EXPECT_EQ(testing::PdfPageCount(ReadFileBytes(dir_.File("printed.pdf"))), sent);
}

}  // namespace
}  // namespace kinloom::charts
