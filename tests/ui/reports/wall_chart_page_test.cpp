#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <string>
#include <vector>

#include "ui/reports/wall_chart_box.h"
#include "ui/reports/wall_chart_page.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::WindowFixture;
using kinloom::ui::TWallChartBox;
using kinloom::ui::WallChartPage;

namespace {

// Abe and Eve Lee (1, 2) have Cal (3) and Dee (4); Cal and Fay (5) have Gus (6).
const std::vector<std::string> kTree = kinloom::testing::Records({
    "0 @I000001@ INDI|1 NAME Abe /Lee/|1 SEX M|1 BIRT|2 DATE 1 MAR 1850|2 PLAC York|"
    "1 FAMS @F000001@",
    "0 @I000002@ INDI|1 NAME Eve /Oak/|1 SEX F|1 FAMS @F000001@",
    "0 @I000003@ INDI|1 NAME Cal /Lee/|1 SEX M|1 FAMC @F000001@|1 FAMS @F000002@",
    "0 @I000004@ INDI|1 NAME Dee /Lee/|1 SEX F|1 FAMC @F000001@",
    "0 @I000005@ INDI|1 NAME Fay /Ash/|1 SEX F|1 FAMS @F000002@",
    "0 @I000006@ INDI|1 NAME Gus /Lee/|1 SEX M|1 FAMC @F000002@",
    "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000003@|1 CHIL @I000004@",
    "0 @F000002@ FAM|1 HUSB @I000003@|1 WIFE @I000005@|1 CHIL @I000006@",
});

QString MyFile(WindowFixture& f, const char* name) {
  return QString::fromStdString(f.work.folders().my_files) + QLatin1Char('/') + QLatin1String(name);
}

}  // namespace

class WallChartPageTest : public QObject {
  Q_OBJECT

 private slots:
  // A chart of two to twelve generations is saved and opened in the viewer; one of fewer
  // (an empty file name here) is said and saves nothing.
  void CreatesTheChartAndOpensTheViewerOnIt_data() {
    QTest::addColumn<int>("root");
    QTest::addColumn<bool>("ancestors");
    QTest::addColumn<QString>("file");
    QTest::newRow("descendants of Abe") << 1 << false << "WallChart_Lee_1.jpg";
    QTest::newRow("ancestors of Gus") << 6 << true << "WallChart_Lee_6.jpg";
    QTest::newRow("descendants of the childless") << 6 << false << "";
    QTest::newRow("ancestors of the parentless") << 1 << true << "";
  }
  void CreatesTheChartAndOpensTheViewerOnIt() {
    QFETCH(int, root);
    QFETCH(bool, ancestors);
    QFETCH(QString, file);
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    WallChartPage page(*f.window, [root] { return root; });
    Child<QRadioButton>(&page, ancestors ? "rbWallChtAnc" : "rbWallChtDesc")->setChecked(true);
    Click(Child<QPushButton>(&page, "btnWallCht"));
    TWallChartBox& viewer = page.viewer();
    if (file.isEmpty()) {
      QCOMPARE(f.ui.Captions(), std::vector<std::string>{"Wall Chart Too Small"});
      QCOMPARE(f.ui.records()[0].text,
               std::string("The wall chart must include between\ntwo and twelve generations."));
      QVERIFY(!viewer.isVisible());
      QVERIFY(!QFileInfo::exists(MyFile(f, "WallChart_Lee_1.jpg")));
      QVERIFY(!QFileInfo::exists(MyFile(f, "WallChart_Lee_6.jpg")));
      return;
    }
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{});
    const QString path = MyFile(f, file.toLatin1().constData());
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(viewer.isVisible());
    QCOMPARE(QString::fromStdString(viewer.path()), path);
    QCOMPARE(Child<QLabel>(&viewer, "FileName")->text(),
             QStringLiteral("Wall Chart File Name:  ") + file);
    QVERIFY(Child<QPushButton>(&viewer, "btnPoster")->isEnabled());
    // The chart's texts are back in the main window's form: nothing was changed.
    QVERIFY(!f.store.tree_modified());
  }

  // No highlighted person, or a number that names nobody: nothing happens.
  void NoPersonDoesNothing() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    for (int root : {0, 7, -1}) {
      WallChartPage page(*f.window, [root] { return root; });
      Click(Child<QPushButton>(&page, "btnWallCht"));
      QCOMPARE(f.ui.Captions(), std::vector<std::string>{});
      QVERIFY(!page.viewer().isVisible());
    }
  }

  void OptionsFollowTheControls() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    WallChartPage page(*f.window, [] { return 1; });
    auto* spouses = Child<QCheckBox>(&page, "cbShowBoldSpc");
    QVERIFY(spouses->isEnabled());
    Child<QRadioButton>(&page, "rbWallChtAnc")->setChecked(true);
    QVERIFY(!spouses->isEnabled());
    Child<QRadioButton>(&page, "rbWallChtDesc")->setChecked(true);
    QVERIFY(spouses->isEnabled());

    auto* generations = Child<QSpinBox>(&page, "WallChtMax");
    QCOMPARE(QList({generations->value(), generations->minimum(), generations->maximum()}),
             QList({6, 2, 12}));
    generations->setValue(3);
    Click(Child<QCheckBox>(&page, "cbShowPlaces"));
    Click(Child<QCheckBox>(&page, "cbShowIdNo"));
    Click(spouses);
    // Roman takes the title along while it is in the Gothic face.
    Click(Child<QRadioButton>(&page, "rbRoman"));
    kinloom::reports::WallChartOptions o = page.Options();
    QCOMPARE(o.generations, 3);
    QVERIFY(!o.show_places && o.show_id_numbers && o.bold_spouses && o.roman && !o.ancestors);
    QCOMPARE(o.title_font.face, std::string("Times New Roman"));
    // A face chosen in the font dialog stays when the body font changes.
    page.prompts().title_font = [](QWidget*, const kinloom::reports::WallChartTitleFont&) {
      return kinloom::reports::WallChartTitleFont{"DejaVu Sans Mono", false, true};
    };
    Click(Child<QPushButton>(&page, "btnSelectFont"));
    Click(Child<QRadioButton>(&page, "rbGothic"));
    o = page.Options();
    QCOMPARE(o.title_font.face, std::string("DejaVu Sans Mono"));
    QVERIFY(!o.title_font.bold && o.title_font.italic && !o.roman);
  }

  void SavedChartOpensInTheViewer() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    WallChartPage page(*f.window, [] { return 1; });
    Click(Child<QPushButton>(&page, "btnWallCht"));
    page.viewer().hide();
    QString offered_folder;
    const QString saved = MyFile(f, "WallChart_Lee_1.jpg");
    page.prompts().saved_chart = [&](QWidget*, const QString& folder) {
      offered_folder = folder;
      return saved;
    };
    Click(Child<QPushButton>(&page, "btnPrnWallCht"));
    QCOMPARE(offered_folder, QString::fromStdString(f.work.folders().my_files));
    QVERIFY(page.viewer().isVisible());
    QCOMPARE(QString::fromStdString(page.viewer().path()), saved);
    // Only a chart made now can be drawn again as a poster.
    QVERIFY(!Child<QPushButton>(&page.viewer(), "btnPoster")->isEnabled());

    // A file that is no picture is said and not shown.
    page.viewer().hide();
    const QString broken = MyFile(f, "WallChart_Broken_9.jpg");
    kinloom::testing::WriteFileBytes(broken.toStdString(), "not a picture");
    page.prompts().saved_chart = [&](QWidget*, const QString&) { return broken; };
    Click(Child<QPushButton>(&page, "btnPrnWallCht"));
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"*** Warning ***"});
    QVERIFY(!page.viewer().isVisible());
    QCOMPARE(QString::fromStdString(page.viewer().path()), saved);
  }

  // The reports window holds the page, which charts the person highlighted there.
  void ReportsWindowChartsTheHighlightedPerson() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    f.window->ShowReports();
    auto* box = Child<QDialog>(f.window.get(), "TPrintBox");
    auto* pages = Child<QTabWidget>(box, "ReportPages");
    QCOMPARE(pages->tabText(pages->count() - 1), QStringLiteral("Wall Chart"));
    pages->setCurrentIndex(pages->count() - 1);
    Click(Child<QPushButton>(box, "btnWallCht"));
    QVERIFY(QFileInfo::exists(MyFile(f, "WallChart_Lee_1.jpg")));
    box->close();
  }
};

QTEST_MAIN(WallChartPageTest)
#include "wall_chart_page_test.moc"
