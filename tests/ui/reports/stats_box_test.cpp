#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <string>
#include <vector>

#include "reports/statistics_pages.h"
#include "ui/reports/bar_chart.h"
#include "ui/reports/stats_box.h"
#include "ui/reports/stats_box_grid.h"
#include "ui/widgets/text_codec.h"
#include "ui_test_support.h"

using kinloom::reports::StatsPage;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using kinloom::ui::BarChart;
using kinloom::ui::TStatsBox;

namespace {

// Adam and Mary-Ann Jo marry in 1825 and have Jos\xE9, Jose and Eve; Carl is Adam's brother,
// Dora an unrelated woman who died young. Adam and Carl reach the same age.
std::vector<std::string> Tree() {
  return kinloom::testing::Records({
      "0 @I000001@ INDI|1 NAME Adam /Smith/|1 SEX M|1 BIRT|2 DATE 1 JAN 1800|2 PLAC York|"
      "1 DEAT|2 DATE 5 MAR 1880|2 PLAC Boston|1 FAMS @F000001@|1 FAMC @F000002@",
      "0 @I000002@ INDI|1 NAME Mary-Ann Jo /Brown/|1 SEX F|1 BIRT|2 DATE 10 FEB 1805|"
      "2 PLAC Leeds|1 DEAT|2 DATE 1 JUN 1890|1 FAMS @F000001@",
      "0 @I000003@ INDI|1 NAME Jos\xE9 /Smith/|1 SEX M|1 BIRT|2 DATE 3 MAR 1830|2 PLAC Boston|"
      "1 DEAT|2 DATE 3 MAR 1900|1 FAMC @F000001@",
      "0 @I000004@ INDI|1 NAME Jose /Smith/|1 SEX M|1 BIRT|2 DATE 4 APR 1832|2 PLAC Boston|"
      "1 FAMC @F000001@",
      "0 @I000005@ INDI|1 NAME Eve /Smith/|1 SEX F|1 BIRT|2 DATE 12 DEC 1835|1 DEAT|"
      "2 DATE 1 DEC 1836|1 FAMC @F000001@",
      "0 @I000006@ INDI|1 NAME Carl /Smith/|1 SEX M|1 BIRT|2 DATE 1 JAN 1802|1 DEAT|"
      "2 DATE 5 MAR 1882|1 FAMC @F000002@",
      "0 @I000007@ INDI|1 NAME Dora /Jones/|1 SEX F|1 BIRT|2 DATE 7 JUL 1840|1 DEAT|"
      "2 DATE 9 JUL 1850",
      "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000003@|1 CHIL @I000004@|"
      "1 CHIL @I000005@|1 MARR|2 DATE 1 MAY 1825|2 PLAC Boston",
      "0 @F000002@ FAM|1 CHIL @I000001@|1 CHIL @I000006@",
  });
}

// Pixels of the bars' colours inside a rectangle of a grabbed chart.
int ColouredPixels(const QImage& image, const QRect& area, const QColor& colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (QColor(image.pixel(x, y)) == colour) ++count;
    }
  }
  return count;
}

}  // namespace

class StatsBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void PagesShowTheTally_data() {
    QTest::addColumn<int>("page");
    for (int p = 0; p < kinloom::reports::kStatsPageCount; ++p) {
      const std::string name(kinloom::reports::StatsPageName(static_cast<StatsPage>(p)));
      QTest::newRow(name.c_str()) << p;
    }
  }

  // Every page, updated in the window, shows the grids the tally gives for the same tree, and
  // the first eight their "Records Checked" memo.
  void PagesShowTheTally() {
    QFETCH(int, page);
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TStatsBox box(*f.window);
    const auto shown_page = static_cast<StatsPage>(page);
    box.ShowPage(shown_page);
    box.btnUpdateClick();
    kinloom::reports::StatsRestraints everyone;
    const kinloom::reports::StatsPageResult expected = kinloom::reports::UpdateStatistics(
        f.store, everyone, shown_page, f.work.albums().album_count());
    QCOMPARE(box.grid(shown_page, 0).rowCount(),
             static_cast<int>(expected.grids[0].rows.size()) - 1);
    for (size_t g = 0; g < expected.grids.size(); ++g) {
      QVERIFY(box.grid(shown_page, static_cast<int>(g)).grid().rows == expected.grids[g].rows);
      // The view shows the first row's cells.
      const QTableView& view = box.grid_view(shown_page, static_cast<int>(g));
      const auto& first = expected.grids[g].rows.at(1);
      for (size_t c = 0; c < first.size(); ++c) {
        QCOMPARE(view.model()->index(0, static_cast<int>(c)).data().toString(),
                 kinloom::ui::FromAnsi(first[c]));
      }
    }
    if (kinloom::reports::HasRecordsCheckedMemo(shown_page)) {
      const char* const memos[] = {"omRecCk", "owRecCk", "mnRecCk", "wnRecCk",
                                   "snRecCk", "bpRecCk", "dpRecCk", "mpRecCk"};
      QCOMPARE(Child<QLabel>(&box, memos[page])->text(),
               QStringLiteral("Records Checked: %1").arg(expected.records_checked));
    }
  }

  // The rows of the oldest men lead to Adam and Carl of equal age in record order, then Jos\xE9;
  // the name, place and memo cells are the tally's own (above and its tests).
  void OldestRowsLeadToTheirPeople() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TStatsBox box(*f.window);
    box.ShowPage(StatsPage::kOldestMen);
    box.btnUpdateClick();
    std::vector<int> oldest;
    for (int row = 0; row < 4; ++row) oldest.push_back(box.RowPerson(StatsPage::kOldestMen, row));
    QCOMPARE(oldest, (std::vector<int>{1, 6, 3, 0}));
  }

  void RestraintBoxesExcludeEachOther_data() {
    QTest::addColumn<QStringList>("clicks");
    // The boxes after the clicks: all, ancestors, siblings, descendants, spouses, then whether
    // "Update Chart" can be pressed.
    QTest::addColumn<QString>("expected");
    QTest::newRow("start") << QStringList() << "10000+";
    QTest::newRow("ancestors clears everyone") << QStringList{"cbAnc1"} << "01000+";
    QTest::newRow("siblings checks ancestors") << QStringList{"cbAddSib"} << "01100+";
    QTest::newRow("spouses checks descendants") << QStringList{"cbAddSpc"} << "00011+";
    QTest::newRow("both subtrees") << QStringList{"cbAddSib", "cbAddSpc"} << "01111+";
    QTest::newRow("clearing ancestors clears siblings")
        << QStringList{"cbAddSib", "cbAnc1"} << "00000-";
    QTest::newRow("clearing descendants clears spouses")
        << QStringList{"cbAddSpc", "cbDes1"} << "00000-";
    QTest::newRow("everyone clears the subtrees")
        << QStringList{"cbAddSib", "cbAddSpc", "cbAll"} << "10000+";
    QTest::newRow("nothing checked") << QStringList{"cbAll"} << "00000-";
  }

  void RestraintBoxesExcludeEachOther() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, expected);
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TStatsBox box(*f.window);
    for (const QString& name : clicks) Click(Child<QCheckBox>(&box, name.toLatin1().constData()));
    QString boxes;
    for (const char* name : {"cbAll", "cbAnc1", "cbAddSib", "cbDes1", "cbAddSpc"}) {
      boxes += Child<QCheckBox>(&box, name)->isChecked() ? '1' : '0';
    }
    boxes += Child<QPushButton>(&box, "btnUpdate")->isEnabled() ? '+' : '-';
    QCOMPARE(boxes, expected);
  }

  // A typed number that names nobody puts the previous start person back.
  void StartPersonTypedOrKeptAndItsDescendants() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    f.store.set_home_person(2);
    TStatsBox box(*f.window);
    box.FormActivate();
    auto* limit = Child<QLineEdit>(&box, "LimitNo");
    QCOMPARE(limit->text(), QStringLiteral("2"));
    TypeAndLeave(limit, QStringLiteral("1"));
    QCOMPARE(box.restraints().start(), 1);
    QVERIFY(Child<QLabel>(&box, "FamName")->text().contains(QStringLiteral("Adam")));
    TypeAndLeave(limit, QStringLiteral("999"));
    QCOMPARE(limit->text(), QStringLiteral("1"));
    QCOMPARE(box.restraints().start(), 1);
    // One generation of descendants is the start person alone; with the spouses, the wife too.
    Click(Child<QCheckBox>(&box, "cbDes1"));
    Child<QSpinBox>(&box, "udDes")->setValue(1);
    box.ShowPage(StatsPage::kLastNames);
    box.btnUpdateClick();
    QCOMPARE(Child<QLabel>(&box, "snRecCk")->text(), QStringLiteral("Records Checked: 1"));
    Click(Child<QCheckBox>(&box, "cbAddSpc"));
    box.btnUpdateClick();
    QCOMPARE(Child<QLabel>(&box, "snRecCk")->text(), QStringLiteral("Records Checked: 2"));
  }

  void DoubleClickShowsThePerson() {
    WindowFixture f;
    QVERIFY(f.Load(Tree(), 7));
    TStatsBox box(*f.window);
    box.show();
    box.ShowPage(StatsPage::kOldestWomen);
    box.btnUpdateClick();
    QTableView& view = box.grid_view(StatsPage::kOldestWomen);
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect cell = view.visualRect(view.model()->index(0, 3));
    // A double click is a press on the row, then the second press of the pair.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    // Mary-Ann Jo lived longest of the women.
    QCOMPARE(f.window->shown().individual, 2);
    // A row without a person changes nothing.
    box.ShowRowPerson(StatsPage::kOldestWomen, 50);
    QCOMPARE(f.window->shown().individual, 2);
  }

  // Bars stand where the counts say, in their series' colours; categories with no count leave
  // the plot white.
  void BarChartDrawsItsBars() {
    BarChart chart;
    chart.resize(480, 320);
    const QColor blue(70, 130, 200);
    const QColor red(200, 80, 120);
    chart.SetData("Test", {"A", "B", "C"}, {{"One", blue, {5, 0, 10}}, {"Two", red, {0, 3, 0}}});
    const QImage image = chart.grab().toImage();
    QVERIFY(ColouredPixels(image, chart.BarRect(0, 0).adjusted(2, 2, -2, -2), blue) > 20);
    QVERIFY(ColouredPixels(image, chart.BarRect(0, 2).adjusted(2, 2, -2, -2), blue) > 20);
    QVERIFY(ColouredPixels(image, chart.BarRect(1, 1).adjusted(2, 2, -2, -2), red) > 10);
    QVERIFY(chart.BarRect(0, 1).isEmpty());
    // The bar of 10 is twice as tall as the bar of 5.
    QVERIFY(qAbs(chart.BarRect(0, 2).height() - 2 * chart.BarRect(0, 0).height()) <= 2);
    // Above the bar of 3 the plot is white up to the grid lines.
    const QRect three = chart.BarRect(1, 1);
    const QRgb above = image.pixel(three.center().x(), three.top() - 3);
    QVERIFY(qRed(above) > 245 && qGreen(above) > 245 && qBlue(above) > 245);
    // The axes and legend texts are drawn (dark pixels left of the plot).
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < 40; ++x) dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    QVERIFY(dark > 20);
  }

  void DatesAndCountsPagesChart() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TStatsBox box(*f.window);
    box.ShowPage(StatsPage::kDates);
    box.btnUpdateClick();
    const BarChart& dates = box.dates_chart();
    QCOMPARE(dates.series().size(), size_t{3});
    // Births: January (Adam, Carl), February, March, April, July, December.
    QCOMPARE(dates.series()[0].values[0], 2);
    QCOMPARE(dates.series()[2].values[4], 1);  // the marriage in May, once
    // Deaths: March (Adam, Jos\xE9, Carl).
    QCOMPARE(dates.series()[1].values[2], 3);
    QCOMPARE(dates.MaxValue(), 3);
    box.ShowPage(StatsPage::kCounts);
    box.btnUpdateClick();
    const BarChart& counts = box.counts_chart();
    QCOMPARE(counts.series().size(), size_t{2});
    // Men with an age: Adam 80, Carl 80, Jos\xE9 70 all passed 5 and 65 years.
    QCOMPARE(counts.series()[0].values[0], 3);
    QCOMPARE(counts.series()[0].values[5], 3);
    QCOMPARE(counts.series()[0].values[6], 2);
  }

  void ReportsMenuOpensOneWindow() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    QAction* action = f.window->commands().Find(QStringLiteral("actStatistics"));
    QVERIFY(action != nullptr);
    action->trigger();
    action->trigger();
    QCOMPARE(f.window->findChildren<TStatsBox*>().size(), 1);
    QVERIFY(f.window->findChild<TStatsBox*>()->isVisible());
  }
};

QTEST_MAIN(StatsBoxTest)
#include "stats_box_test.moc"
