// Printing and PDF files of the reports: the face, the page measures, page ranges and
// orientation in real PDF files, and a file that cannot be written.
#include "charts/report_printing.h"

#include <gtest/gtest.h>

#include <QPdfWriter>
#include <memory>
#include <string>

#include "charts/painter_surface.h"
#include "charts/pdf_facts.h"
#include "reports/lists.h"
#include "reports/page_header.h"
#include "reports/test_tree_builder.h"
#include "support/test_support.h"

namespace kinloom::charts {
namespace {

using testing::ReadFileBytes;

constexpr char kDate[] = "6 December 2026";

class ChartsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app_ = MakeOffscreenApplication().release(); }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }

  static QGuiApplication* app_;
  testing::TempDir dir_;
  platform::LocalFileSystem files_;
};

QGuiApplication* ChartsTest::app_ = nullptr;

// `pages` pages, each with its heading and a line "body n" that reaches the right margin.
reports::ReportJob PagesJob(int pages, bool landscape) {
  return {"Pages \xe9", landscape, [pages](reports::ReportOutput& out) {
            reports::PageState state;
            for (int n = 1; n <= pages; ++n) {
              reports::PrintPageHeader(out, "Title", state, 150, 100, out.PageWidth(), 100, true);
              out.DrawText(100, state.y, "body " + std::to_string(n) + std::string(400, 'x'));
            }
            return state.page;
          }};
}

TEST_F(ChartsTest, FaceAndMeasures) {
  EXPECT_EQ(ReportFontFamily(), "DejaVu Sans") << "installed with the program's dependencies";
  QPdfWriter writer(dir_.File("measure.pdf").c_str());
  writer.setResolution(300);  // the layout unit stays 600 to the inch whatever the device
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                  QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                  QPageLayout::Millimeter));
  PainterSurface surface(writer);
  // A4 less two half-inch margins: 210 mm - 25.4 mm = 7.27 inches.
  EXPECT_NEAR(surface.PageWidth(), 4362, 6);
  surface.SetFont({.points = 10});
  const int h = surface.TextHeight("X");
  EXPECT_GT(h, 80);
  EXPECT_LT(h, 110);
  surface.SetFont({.points = 20});
  EXPECT_NEAR(surface.TextHeight("X"), 2 * h, 3);
}

TEST_F(ChartsTest, PdfPagesRangeOrientationAndFont) {
  struct Case {
    int pages;
    bool landscape;
    reports::PageRange range;
    int written;
  };
  for (const Case& c : {Case{5, false, {}, 5}, Case{5, false, {2, 3}, 2}, Case{3, true, {}, 3},
                        Case{5, true, {5, 9999}, 1}}) {
    const std::string path = dir_.File("out.pdf");
    int pages = 0;
    const Status status = WritePdf(files_, path, PagesJob(c.pages, c.landscape), kDate,
                                   PdfOptions{QPageSize(QPageSize::Letter), c.range}, &pages);
    ASSERT_TRUE(status.ok()) << status.message();
    const std::string pdf = ReadFileBytes(path);
    EXPECT_EQ(pages, c.written);
    EXPECT_EQ(testing::PdfPageCount(pdf), c.written);
    EXPECT_EQ(testing::PdfLandscape(pdf), c.landscape);
    EXPECT_EQ(testing::PdfFonts(pdf), (std::set<std::string>{"DejaVuSans", "DejaVuSans-Bold"}));
  }
}

TEST_F(ChartsTest, PdfThatCannotBeWrittenLeavesNothing) {
  const std::string path = dir_.File("missing/out.pdf");
  const Status status = WritePdf(files_, path, PagesJob(1, false), kDate);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(path), std::string::npos) << status.message();
  const Status empty = WritePdf(files_, dir_.File("none.pdf"), PagesJob(2, false), kDate,
                                PdfOptions{DefaultPaper(), {3, 4}});
  EXPECT_FALSE(empty.ok()) << "a range without pages writes no file";
  EXPECT_TRUE(ReadFileBytes(dir_.File("none.pdf")).empty());
}

TEST_F(ChartsTest, PagesTwoToThreeOfAFivePageList) {
  testing::TestTree tree;
  testing::TestTreeBuilder b;
  std::vector<testing::TestTreeBuilder::Child> children;
  for (int i = 0; i < 260; ++i) children.push_back({b.Person("Child /Many/")});
  b.Family(b.Person("Father /Many/"), 0, children);
  b.LoadInto(tree);
  const reports::ReportJob job = reports::DescendantListJob(tree.store, 261, 6);
  const std::string path = dir_.File("list.pdf");
  int pages = 0;
  ASSERT_TRUE(WritePdf(files_, path, job, kDate, {QPageSize(QPageSize::Letter), {}}, &pages).ok());
  ASSERT_EQ(pages, 5);
  ASSERT_TRUE(WritePdf(files_, path, job, kDate, {QPageSize(QPageSize::Letter), {2, 3}}).ok());
  EXPECT_EQ(testing::PdfPageCount(ReadFileBytes(path)), 2);
}

TEST_F(ChartsTest, PrinterInPdfModeCountsAndPrintsTheRange) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir_.File("printed.pdf")));
  const reports::ReportJob job = PagesJob(4, true);
  PreparePrinter(printer, job);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_EQ(CountPages(printer, job, kDate), 4);
  int sheets = 0;
  ASSERT_TRUE(PrintReport(printer, job, {3, 4}, kDate, &sheets).ok());
  EXPECT_EQ(sheets, 2);
  EXPECT_EQ(testing::PdfPageCount(ReadFileBytes(dir_.File("printed.pdf"))), 2);

  platform::HeadlessInteraction ui;
  EXPECT_TRUE(CheckPrinter(printer, ui)) << "PDF output needs no printer";
  EXPECT_TRUE(ui.records().empty());
  printer.setOutputFormat(QPrinter::NativeFormat);
  printer.setPrinterName(QStringLiteral("no-such-printer-here"));
  if (!printer.isValid()) {
    EXPECT_FALSE(CheckPrinter(printer, ui));
    ASSERT_EQ(ui.records().size(), 1u);
    EXPECT_EQ(ui.records()[0].caption, kNoPrinterCaption);
  }
}

}  // namespace
}  // namespace kinloom::charts
