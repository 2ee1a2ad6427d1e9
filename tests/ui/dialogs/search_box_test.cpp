#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "store/line_search.h"
#include "ui/dialogs/search_box.h"
#include "ui/widgets/record_list_view.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using kinloom::ui::RecordListView;
using kinloom::ui::TSearchBox;

namespace {

using Lines = std::vector<std::string>;

std::string I(int n) {
  return kinloom::store::MakeXref('I', n);
}

// People 1 to `count` named "Ann001 /Smith/" and so on, so that entry i of the search list is
// number i + 1; every 25th was born in 1900, the others in 1800.
Lines Numbered(int count) {
  Lines lines;
  for (int n = 1; n <= count; ++n) {
    char given[16];
    std::snprintf(given, sizeof given, "Ann%03d", n);
    lines.insert(lines.end(), {"0 " + I(n) + " INDI", "1 NAME " + std::string(given) + " /Smith/",
                               "1 SEX F", "1 BIRT", n % 25 == 0 ? "2 DATE 1900" : "2 DATE 1800"});
  }
  return lines;
}

// Céline Dupré (1), child of Jean (2) and Marie (3), married Paul (4) in 1872.
// clang-format off
const Lines kFamily = {
    "0 @I000001@ INDI", "1 NAME C\xE9line /Dupr\xE9/", "1 SEX F", "1 BIRT", "2 DATE 1850",
        "2 PLAC Paris", "1 FAMC @F000001@", "1 FAMS @F000002@",
    "0 @I000002@ INDI", "1 NAME Jean /Dupr\xE9/", "1 SEX M", "1 FAMS @F000001@",
    "0 @I000003@ INDI", "1 NAME Marie /Blanc/", "1 SEX F", "1 FAMS @F000001@",
    "0 @I000004@ INDI", "1 NAME Paul /Noir/", "1 SEX M", "1 FAMS @F000002@",
    "0 @F000001@ FAM", "1 HUSB @I000002@", "1 WIFE @I000003@", "1 CHIL @I000001@",
    "0 @F000002@ FAM", "1 HUSB @I000004@", "1 WIFE @I000001@", "1 MARR", "2 DATE 1872"};
// clang-format on

RecordListView* Rows(TSearchBox& box) {
  return Child<RecordListView>(&box, "SearchList");
}

// The middle of one of the 30 lines on the screen, whether or not it shows an entry.
QPoint LinePoint(TSearchBox& box, int line) {
  const int height = Rows(box)->verticalHeader()->defaultSectionSize();
  return {Rows(box)->viewport()->width() / 2, line * height + height / 2};
}

// What a line shows; blank past the end of the list.
QString LineText(TSearchBox& box, int line) {
  return Rows(box)->indexAt(LinePoint(box, line)).data().toString();
}

// The line the highlight is on (counted from the top of the window), -1 without one.
int HighlightedLine(TSearchBox& box) {
  const QModelIndexList rows = Rows(box)->selectionModel()->selectedRows();
  if (rows.isEmpty()) return -1;
  return Rows(box)->visualRect(rows.first()).center().y() /
         Rows(box)->verticalHeader()->defaultSectionSize();
}

QString HighlightedText(TSearchBox& box) {
  const int line = HighlightedLine(box);
  return line < 0 ? QString() : LineText(box, line);
}

void ClickRow(TSearchBox& box, int line, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(Rows(box)->viewport(), button, {}, LinePoint(box, line));
}

void Key(TSearchBox& box, Qt::Key key) {
  QTest::keyClick(Rows(box), key);
}

// Runs the dialog while `action` plays the user; a dialog the action left open is cancelled.
template <typename Action>
int RunWith(TSearchBox& box, Action action) {
  QTimer::singleShot(0, &box, [&box, action] {
    action();
    if (box.isVisible()) box.reject();
  });
  return box.Run();
}

// The dialog of the main window, shown without a modal loop.
TSearchBox& ShownBox(WindowFixture& f) {
  TSearchBox& box = f.window->search_box();
  box.show();
  return box;
}

}  // namespace

class SearchBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void FieldsEnableTheSearchWhichStepsThroughAllMatchesAndWraps() {
    WindowFixture f;
    QVERIFY(f.Load(Numbered(100)));
    TSearchBox& box = ShownBox(f);
    auto* search = Child<QPushButton>(&box, "btnSearch");
    auto* name = Child<QLineEdit>(&box, "SearchFor");
    auto* year = Child<QLineEdit>(&box, "SearchDeat");
    QVERIFY(!search->isEnabled());
    QCOMPARE(name->maxLength(), 50);
    QCOMPARE(year->maxLength(), 7);
    // Which fields make a search is find_individual_test's; here typing reaches the button.
    TypeAndLeave(year, QStringLiteral("ABT 1900"));
    QVERIFY(search->isEnabled());
    TypeAndLeave(year, QString());
    QVERIFY(!search->isEnabled());
    // A change of the fields starts the search again from the top.
    TypeAndLeave(name, QStringLiteral("ann"));
    Click(search);
    Click(search);
    QCOMPARE(box.search_position(), 2);
    QTest::keyClicks(name, QStringLiteral("0"));
    QCOMPARE(box.search_position(), 0);
    TypeAndLeave(name, QString());

    TypeAndLeave(Child<QLineEdit>(&box, "SearchBirt"), QStringLiteral("1900"));
    f.ui.ClearRecords();
    RecordListView& list = box.result_list();
    // Below the window a match becomes the last line; above it, the first.
    const int expected_tops[] = {0, 20, 45, 70};
    for (int i = 0; i < 4; ++i) {
      Click(search);
      const int entry = 25 * (i + 1) - 1;
      QCOMPARE(list.current(), entry);
      QCOMPARE(list.top(), expected_tops[i]);
      QVERIFY(HighlightedText(box).endsWith(QStringLiteral("(%1)").arg(entry + 1)));
    }
    QVERIFY(f.ui.records().empty());
    Click(search);
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"Search"});
    QCOMPARE(f.ui.records()[0].text, std::string("Not Found\n\rReached End of File"));
    QVERIFY(list.current() == -1 && HighlightedLine(box) == -1);
    Click(search);
    QCOMPARE(list.current(), 24);
    QCOMPARE(list.top(), 24);
    // Year tolerance and name narrow the search.
    TypeAndLeave(Child<QLineEdit>(&box, "SearchBirt"), QStringLiteral("1899"));
    auto* tolerance = Child<QComboBox>(&box, "SearchBirtPrec");
    QCOMPARE(tolerance->count(), 8);
    QCOMPARE(tolerance->currentText(), QStringLiteral("Exact"));
    QCOMPARE(tolerance->itemText(7), QStringLiteral("+/- 100 years"));
    tolerance->setCurrentIndex(1);
    TypeAndLeave(name, QStringLiteral("ann05"));
    Click(search);
    QCOMPARE(list.current(), 49);
  }

  void EachFieldReachesTheSearchAndClicksSetThePosition() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily));
    TSearchBox& box = ShownBox(f);
    auto* name = Child<QLineEdit>(&box, "SearchFor");
    auto* search = Child<QPushButton>(&box, "btnSearch");
    // Matching itself is checked in find_individual_test; here each field reaches the search,
    // typed text with accents included.
    TypeAndLeave(name, QStringLiteral("C\u00C9LINE"));
    Click(search);
    QCOMPARE(HighlightedText(box), QStringLiteral("Dupr\u00E9, C\u00E9line (1)"));
    TypeAndLeave(name, QString());
    TypeAndLeave(Child<QLineEdit>(&box, "SearchFth"), QStringLiteral("jean dupre"));
    TypeAndLeave(Child<QLineEdit>(&box, "SearchMarr"), QStringLiteral("1870"));
    Child<QComboBox>(&box, "SearchMarrPrec")->setCurrentIndex(2);
    Click(search);
    QCOMPARE(HighlightedText(box), QStringLiteral("Dupr\u00E9, C\u00E9line (1)"));

    // A click sets the position; a right click shows the details.
    TypeAndLeave(Child<QLineEdit>(&box, "SearchFth"), QString());
    TypeAndLeave(Child<QLineEdit>(&box, "SearchMarr"), QString());
    TypeAndLeave(name, QStringLiteral("dupr"));
    const int celine = f.store.individual_search_list().PositionOf(1);
    ClickRow(box, celine);
    QCOMPARE(box.search_position(), celine);
    Click(search);  // from the clicked line itself
    QCOMPARE(box.result_list().current(), celine);

    ClickRow(box, celine, Qt::RightButton);
    auto* details = Child<QLabel>(&box, "lblDetails");
    QVERIFY(details->isVisible());
    QCOMPARE(details->text(),
             QStringLiteral("Birth: 1850, Paris\nDeath: \nSpouse: Paul Noir (4)\n"
                            "Father: Jean Dupr\u00E9 (2)\nMother: Marie Blanc (3)"));
  }

  // Always 30 lines, blank beyond the end of the list; the scroll bar only for more than 30.
  void ThirtyLinesAndTheScrollBar_data() {
    QTest::addColumn<int>("people");
    QTest::addColumn<bool>("bar_shown");
    QTest::addColumn<int>("last_top");
    QTest::newRow("4") << 4 << false << 0;
    QTest::newRow("30") << 30 << false << 0;
    QTest::newRow("31") << 31 << true << 1;
    QTest::newRow("100") << 100 << true << 70;
  }
  void ThirtyLinesAndTheScrollBar() {
    QFETCH(int, people);
    QFETCH(bool, bar_shown);
    QFETCH(int, last_top);
    WindowFixture f;
    QVERIFY(f.Load(Numbered(people)));
    TSearchBox& box = ShownBox(f);
    QCOMPARE(Rows(box)->viewport()->height(),
             30 * Rows(box)->verticalHeader()->defaultSectionSize());
    auto* bar = Child<QScrollBar>(&box, "SearchListBar");
    QCOMPARE(bar->isVisible(), bar_shown);
    QCOMPARE(bar->maximum(), last_top);
    bar->setValue(last_top);
    const int last_line = std::min(people, 30) - 1;
    QCOMPARE(LineText(box, 0), QStringLiteral("Smith, Ann%1 (%2)")
                                   .arg(last_top + 1, 3, 10, QLatin1Char('0'))
                                   .arg(last_top + 1));
    QVERIFY(LineText(box, last_line).endsWith(QStringLiteral("(%1)").arg(people)));
    if (last_line < 29) {
      QVERIFY(LineText(box, last_line + 1).isEmpty());
      ClickRow(box, 29);  // a blank line selects nothing
      QCOMPARE(box.result_list().current(), -1);
    }
  }

  void KeysMoveWithinTheWindowAndCarryItAtItsEdges() {
    WindowFixture f;
    QVERIFY(f.Load(Numbered(100)));
    TSearchBox& box = ShownBox(f);
    RecordListView& list = box.result_list();
    ClickRow(box, 0);
    QCOMPARE(list.current(), 0);
    for (int i = 0; i < 29; ++i) Key(box, Qt::Key_Down);
    QCOMPARE(list.current(), 29);
    QCOMPARE(list.top(), 0);
    const struct {
      Qt::Key key;
      int top, selected;
    } steps[] = {
        {Qt::Key_Down, 1, 30},       // on the 30th line: the window moves by one
        {Qt::Key_PageDown, 30, 59},  // by 29
        {Qt::Key_PageUp, 30, 30},    // not yet on the first line: goes there
        {Qt::Key_PageUp, 1, 1},      // then up by 29
        {Qt::Key_Up, 0, 0},          // the window moves by one
        {Qt::Key_Up, 0, 0},          // at the top already
    };
    for (const auto& step : steps) {
      Key(box, step.key);
      QCOMPARE(list.top(), step.top);
      QCOMPARE(list.current(), step.selected);
      QCOMPARE(box.search_position(), step.selected);
    }
    for (int i = 0; i < 4; ++i) Key(box, Qt::Key_PageDown);
    QCOMPARE(list.top(), 70);  // the window stops at the end of the list
    QVERIFY(list.current() == 99 && box.search_position() == 99);
    Key(box, Qt::Key_S);  // letters do not jump about the 30 lines
    Key(box, Qt::Key_Left);
    QCOMPARE(HighlightedLine(box), 29);
    QCOMPARE(list.current(), 99);
  }

  // Another tree opened: the list is that tree's, from its top, with nothing selected.
  void ANewTreeBringsItsOwnList() {
    WindowFixture f;
    QVERIFY(f.Load(Numbered(100)));
    TSearchBox& box = ShownBox(f);
    Child<QScrollBar>(&box, "SearchListBar")->setValue(60);
    ClickRow(box, 2);
    QCOMPARE(box.result_list().current(), 62);
    QVERIFY(f.Load(kFamily, 1, "Other"));
    QCOMPARE(box.result_list().current(), -1);
    QCOMPARE(box.result_list().top(), 0);
    QCOMPARE(box.result_list().model()->rowCount(), 4);
    QVERIFY(LineText(box, 3).endsWith(QStringLiteral("(4)")));
    QVERIFY(LineText(box, 4).isEmpty());
    QVERIFY(!Child<QScrollBar>(&box, "SearchListBar")->isVisible());
  }

  void AcceptHandsBackTheSelectedNumber() {
    WindowFixture f;
    QVERIFY(f.Load(Numbered(100)));
    TSearchBox& box = f.window->search_box();
    QCOMPARE(RunWith(box,
                     [&box] {
                       TypeAndLeave(Child<QLineEdit>(&box, "SearchFor"), QStringLiteral("(42)"));
                       Click(Child<QPushButton>(&box, "btnSearch"));
                       Click(Child<QPushButton>(&box, "btnAccept"));
                     }),
             42);

    QCOMPARE(RunWith(box, [&box] { Click(Child<QPushButton>(&box, "btnCancel")); }), -1);

    // The dialog is kept: its fields and its position stay for the next use.
    QCOMPARE(
        RunWith(box,
                [&box] {
                  QCOMPARE(Child<QLineEdit>(&box, "SearchFor")->text(), QStringLiteral("(42)"));
                  QCOMPARE(box.search_position(), 42);
                  QTest::mouseDClick(Rows(box)->viewport(), Qt::LeftButton, {}, LinePoint(box, 3));
                }),
        16);  // 42 became the last line: the window starts at 13

    QCOMPARE(RunWith(box,
                     [&box] {
                       ClickRow(box, 0);
                       Key(box, Qt::Key_Down);
                       Key(box, Qt::Key_Return);
                     }),
             14);

    QCOMPARE(RunWith(box,
                     [&box] {
                       box.ListRebuilt();
                       Click(Child<QPushButton>(&box, "btnAccept"));
                     }),
             -1);  // no selection
    QCOMPARE(box.result_list().top(), 0);
  }
};

QTEST_MAIN(SearchBoxTest)
#include "search_box_test.moc"
