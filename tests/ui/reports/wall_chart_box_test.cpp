#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <string>
#include <vector>

#include "charts/pdf_facts.h"
#include "charts/wall_chart_maker.h"
#include "ui/reports/wall_chart_box.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::PdfPageCount;
using kinloom::testing::ReadFileBytes;
using kinloom::testing::WindowFixture;
using kinloom::ui::TWallChartBox;

namespace {

// Abe and Eve Lee (1, 2) have Cal (3).
const std::vector<std::string> kTree = {
    "0 @I000001@ INDI", "1 NAME Abe /Lee/", "1 SEX M",          "1 FAMS @F000001@",
    "0 @I000002@ INDI", "1 NAME Eve /Oak/", "1 SEX F",          "1 FAMS @F000001@",
    "0 @I000003@ INDI", "1 NAME Cal /Lee/", "1 SEX M",          "1 FAMC @F000001@",
    "0 @F000001@ FAM",  "1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@"};

// A chart picture of that size: white with a black frame.
std::string SaveChart(WindowFixture& f, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.drawRect(40, 40, width - 81, height - 81);
  }
  const std::string path = f.home.File("chart.bmp");
  image.save(QString::fromStdString(path), "BMP");
  return path;
}

QString SizeText(TWallChartBox& box) {
  return Child<QLineEdit>(&box, "ChtSize")->text();
}

QString Sheets(int sheets) {
  return sheets == 1 ? QStringLiteral(" inches (1 sheet)")
                     : QStringLiteral(" inches (%1 sheets)").arg(sheets);
}

}  // namespace

class WallChartBoxTest : public QObject {
  Q_OBJECT

 private slots:
  // 3000 x 1500 pixels open at 125 pixels an inch: 24 inches across (23.6 less the margin),
  // 12.4 down. Larger takes 1 inch: 24.6 across at 121 pixels an inch, 1500 / 121 + 0.4 =
  // 12.80 down; Smaller 22.6 across at 132, 11.76 down.
  void SizeTextAfterLargerAndSmaller_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("size");
    QTest::newRow("opening") << 3000 << 1500 << "" << QStringLiteral("24\" x 12¼\"");
    QTest::newRow("larger") << 3000 << 1500 << "btnLarger" << QStringLiteral("25\" x 12¾\"");
    QTest::newRow("smaller") << 3000 << 1500 << "btnSmaller" << QStringLiteral("23\" x 11¾\"");
    // 600 / 125 = 4.8: 5 inches less the margin; 400 / 125 + 0.4 = 3.6 down.
    QTest::newRow("one sheet") << 600 << 400 << "" << QStringLiteral("5\" x 3½\"");
  }
  void SizeTextAfterLargerAndSmaller() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, press);
    QFETCH(QString, size);
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    TWallChartBox box(*f.window, nullptr);
    QVERIFY(box.ShowChart(SaveChart(f, width, height)));
    if (!press.isEmpty()) Click(Child<QPushButton>(&box, press.toLatin1().constData()));
    QCOMPARE(SizeText(box), size + Sheets(box.grid().sheets()));
    if (width == 600) QCOMPARE(box.grid().sheets(), 1);
    if (width == 3000) QVERIFY(box.grid().sheets() > 2);
  }

  void LargerAndSmallerStopAtTheirLimits() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    TWallChartBox box(*f.window, nullptr);
    QVERIFY(box.ShowChart(SaveChart(f, 3000, 1500)));
    auto* larger = Child<QPushButton>(&box, "btnLarger");
    auto* smaller = Child<QPushButton>(&box, "btnSmaller");
    int presses = 0;
    while (larger->isEnabled() && presses < 200) {
      QVERIFY(box.scale() > 800);
      Click(larger);
      ++presses;
    }
    QVERIFY(!larger->isEnabled());
    QVERIFY(box.scale() <= 800);
    QVERIFY(smaller->isEnabled());
    const QString at_limit = SizeText(box);
    Click(larger);  // a disabled button does nothing
    QCOMPARE(SizeText(box), at_limit);
    presses = 0;
    while (smaller->isEnabled() && presses < 200) {
      Click(smaller);
      ++presses;
    }
    QVERIFY(!smaller->isEnabled());
    QVERIFY(larger->isEnabled());
    QVERIFY(box.scale() >= 6000 || SizeText(box).startsWith(QStringLiteral("1\"")));
  }

  // Save as PDF and Print Chart give every sheet a page, at the opening size and one step
  // larger; Print Sample prints one, the first sheet of the middle row.
  void SheetsGoOnePageASheet_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("larger");
    QTest::newRow("pdf") << "btnSavePdf" << false;
    QTest::newRow("pdf one step larger") << "btnSavePdf" << true;
    QTest::newRow("print") << "btnPrint" << false;
    QTest::newRow("print sample") << "btnPrnSample" << false;
  }
  void SheetsGoOnePageASheet() {
    QFETCH(QString, button);
    QFETCH(bool, larger);
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    TWallChartBox box(*f.window, nullptr);
    QVERIFY(box.ShowChart(SaveChart(f, 3000, 2400)));
    if (larger) Click(Child<QPushButton>(&box, "btnLarger"));
    const std::string pdf = f.home.File("sheets.pdf");
    QString suggested;
    box.prompts().save_pdf = [&](QWidget*, const QString&, const QString& offered) {
      suggested = offered;
      return QString::fromStdString(pdf);
    };
    int offered_from = 0;
    int offered_to = 0;
    box.prompts().print = [&](QPrintDialog& dialog) {
      QPrinter* printer = dialog.printer();
      offered_from = printer->fromPage();
      offered_to = printer->toPage();
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(QString::fromStdString(pdf));
      return true;
    };
    Click(Child<QPushButton>(&box, button.toLatin1().constData()));
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{});
    const kinloom::reports::SheetGrid& grid = box.grid();
    QVERIFY(grid.rows > 1);
    if (button == "btnSavePdf") QVERIFY(suggested.endsWith(QStringLiteral("/chart_sheets.pdf")));
    const bool sample = button == "btnPrnSample";
    if (sample) {
      const int page = ((grid.rows - 1) / 2) * grid.columns + 1;
      QCOMPARE(QList({offered_from, offered_to}), QList({page, page}));
    }
    QCOMPARE(PdfPageCount(ReadFileBytes(pdf)), sample ? 1 : grid.sheets());
  }

  void PosterIsOnePage() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    kinloom::charts::WallChartRequest request;
    request.root = 1;
    request.options.title = "The Lee Family";
    const kinloom::charts::WallChartSaving saving{f.work.folders().my_files, f.file_system, {}};
    const kinloom::charts::WallChartResult made =
        kinloom::charts::CreateWallChart(f.store, request, saving);
    QVERIFY(made.outcome == kinloom::charts::WallChartOutcome::kSaved);
    TWallChartBox box(*f.window, nullptr);
    QVERIFY(box.ShowChart(made.path, request));
    const std::string pdf = f.home.File("poster.pdf");
    box.prompts().save_pdf = [&](QWidget*, const QString&, const QString&) {
      return QString::fromStdString(pdf);
    };
    Click(Child<QPushButton>(&box, "btnPoster"));
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{});
    QCOMPARE(PdfPageCount(ReadFileBytes(pdf)), 1);
    // Cancelling the file dialog writes nothing.
    box.prompts().save_pdf = [](QWidget*, const QString&, const QString&) { return QString(); };
    Click(Child<QPushButton>(&box, "btnSavePdf"));
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{});
  }

  void ViewerAndFolderGoToTheDesktop() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    TWallChartBox box(*f.window, nullptr);
    const std::string path = SaveChart(f, 600, 400);
    QVERIFY(box.ShowChart(path));
    std::vector<QUrl> opened;
    box.prompts().open = [&](const QUrl& url) {
      opened.push_back(url);
      return true;
    };
    Click(Child<QPushButton>(&box, "btnViewChart"));
    Click(Child<QPushButton>(&box, "btnOpenFolder"));
    QCOMPARE(opened,
             (std::vector<QUrl>{QUrl::fromLocalFile(QString::fromStdString(path)),
                                QUrl::fromLocalFile(QString::fromStdString(f.home.path()))}));
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{});
    box.prompts().open = [](const QUrl&) { return false; };
    Click(Child<QPushButton>(&box, "btnViewChart"));
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"*** Warning ***"});
  }
};

QTEST_MAIN(WallChartBoxTest)
#include "wall_chart_box_test.moc"
