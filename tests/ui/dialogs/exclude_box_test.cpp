#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cstdio>
#include <string>
#include <vector>

#include "store/records.h"
#include "store/search_list.h"
#include "ui/dialogs/exclude_box.h"
#include "ui/person/person_page.h"
#include "ui/widgets/record_list_view.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::HasLine;
using kinloom::testing::WindowFixture;
using kinloom::ui::RecordListView;
using kinloom::ui::TExcludeBox;

namespace {

void AddPerson(std::vector<std::string>& lines, int n, const std::string& name, char sex,
               const std::vector<std::string>& events = {}) {
  char xref[32];
  std::snprintf(xref, sizeof xref, "0 @I%06d@ INDI", n);
  lines.insert(lines.end(), {xref, "1 NAME " + name, std::string("1 SEX ") + sex});
  lines.insert(lines.end(), events.begin(), events.end());
}

// Ada (1) is long dead, Bert (2) was buried, Cleo (3) and Dirk (4) are young, Eve (5) carries
// a bare death line, Finn (6) has no dates at all.
std::vector<std::string> People() {
  std::vector<std::string> lines;
  AddPerson(lines, 1, "Ada /Ames/", 'F', {"1 BIRT", "2 DATE 1801", "1 DEAT", "2 DATE 1870"});
  AddPerson(lines, 2, "Bert /Bell/", 'M', {"1 BIRT", "2 DATE 1980", "1 BURI", "2 DATE 2001"});
  AddPerson(lines, 3, "Cleo /Cole/", 'F', {"1 BIRT", "2 DATE 1990"});
  AddPerson(lines, 4, "Dirk /Dale/", 'M', {"1 BIRT", "2 DATE 1995"});
  AddPerson(lines, 5, "Eve /Edge/", 'F', {"1 BIRT", "2 DATE 1992", "1 DEAT"});
  AddPerson(lines, 6, "Finn /Ford/", 'M');
  return lines;
}

// A tree of `count` unrelated people, named so that their order is their number.
std::vector<std::string> ManyPeople(int count) {
  std::vector<std::string> lines;
  for (int n = 1; n <= count; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "Person%04d /Many/", n);
    AddPerson(lines, n, name, 'M');
  }
  return lines;
}

// The middle of a cell of one of the 21 rows on the screen, whether or not it shows an entry.
QPoint CellPoint(RecordListView& grid, int row, int column) {
  const int height = grid.verticalHeader()->defaultSectionSize();
  return {grid.columnViewportPosition(column) + grid.columnWidth(column) / 2,
          row * height + height / 2};
}

void ClickCell(RecordListView& grid, int row, int column) {
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellPoint(grid, row, column));
}

// One notch of the mouse wheel over the rows (negative: towards the end of the list).
void Wheel(RecordListView& grid, int angle) {
  const QPointF at = CellPoint(grid, 3, 7);
  QWheelEvent event(at, grid.viewport()->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(grid.viewport(), &event);
}

// What a cell shows; blank past the end of the list.
QString CellText(RecordListView& grid, int row, int column) {
  return grid.indexAt(CellPoint(grid, row, column)).data().toString();
}

// The visible row of an individual (the grid starts at the top).
int RowOf(WindowFixture& f, int individual) {
  return f.store.individual_search_list().PositionOf(individual);
}

uint8_t Flags(WindowFixture& f, int individual) {
  return f.store.individual(individual)->hideFlags;
}

std::vector<uint8_t> AllFlags(WindowFixture& f) {
  std::vector<uint8_t> flags;
  for (int n = 1; n <= f.store.highest_individual(); ++n) flags.push_back(Flags(f, n));
  return flags;
}

void Perform(TExcludeBox& box, const QString& column, const QString& action) {
  auto* columns = Child<QComboBox>(&box, "SelectColumn");
  columns->setCurrentIndex(columns->findText(column));
  auto* actions = Child<QComboBox>(&box, "SelectAction");
  const int index = actions->findText(action);
  QVERIFY2(index >= 0, qPrintable(action));
  actions->setCurrentIndex(index);
  Click(Child<QPushButton>(&box, "btnExecute"));
}

}  // namespace

class ExcludeBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsLettersForSetBitsAndClicksToggleThem() {
    WindowFixture f;
    QVERIFY(f.Load(People(), 3));
    f.store.individual(4)->hideFlags = 0x01 | 0x08 | 0x40;
    TExcludeBox box(*f.window);
    box.show();
    QCOMPARE(box.windowTitle(), QStringLiteral("Select Individuals and Information to Hide"));
    RecordListView& grid = box.grid();
    QCOMPARE(grid.model()->headerData(7, Qt::Horizontal).toString(),
             QStringLiteral("     Names of Individuals and ID Numbers"));
    QVERIFY(grid.horizontalHeader()->isVisible());
    QCOMPARE(CellText(grid, RowOf(f, 4), 7), QStringLiteral("Dale, Dirk (4)"));
    QStringList letters;
    for (int column = 0; column < 7; ++column) letters << CellText(grid, RowOf(f, 4), column);
    QCOMPARE(letters, QStringList({"L", "", "", "P", "", "", "N"}));
    // The current individual is highlighted; rows past the list are blank.
    QCOMPARE(grid.current(), RowOf(f, 3));
    QCOMPARE(CellText(grid, 6, 7), QString());
    QCOMPARE(grid.verticalScrollBar()->maximum(), 0);

    // Each column click toggles its own bit on the clicked person only.
    const int row = RowOf(f, 3);
    const std::vector<uint8_t> before = AllFlags(f);
    for (int column = 1; column < 7; ++column) {
      ClickCell(grid, row, column);
      QCOMPARE(Flags(f, 3), static_cast<uint8_t>(1u << column));
      QCOMPARE(CellText(grid, row, column), QString("LESPTCN"[column]));
      ClickCell(grid, row, column);
      QCOMPARE(Flags(f, 3), uint8_t{0});
      QCOMPARE(CellText(grid, row, column), QString());
    }
    ClickCell(grid, row, 7);  // the name column holds no flag
    QCOMPARE(AllFlags(f), before);
    QVERIFY(f.store.tree_modified());

    // Living cannot be set on someone deceased (Bert was buried); the rule and its message
    // are hide_information_test's.
    ClickCell(grid, RowOf(f, 2), 0);
    QCOMPARE(Flags(f, 2), uint8_t{0});
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{" *** Cannot Change to Living ***"});
    ClickCell(grid, row, 0);  // young, no death details
    QCOMPARE(CellText(grid, row, 0), QStringLiteral("L"));
  }

  void ColumnAndActionListsSetRestoreAndHideAllLiving() {
    WindowFixture f;
    QVERIFY(f.Load(People(), 1));
    f.store.individual(3)->hideFlags = 0x01 | 0x04;
    f.store.individual(5)->hideFlags = 0x01 | 0x20;
    const std::vector<uint8_t> before = AllFlags(f);
    TExcludeBox box(*f.window);
    box.show();

    // What each action does is hide_information_test's; here the two lists reach it.
    Perform(box, "All Columns", "Set All Items");
    QCOMPARE(Flags(f, 1), static_cast<uint8_t>(0xFE));
    QCOMPARE(CellText(box.grid(), RowOf(f, 1), 1), QStringLiteral("E"));
    QCOMPARE(CellText(box.grid(), RowOf(f, 1), 0), QString());
    Perform(box, "S = Surname", "Clear All Items");
    QCOMPARE(Flags(f, 1), static_cast<uint8_t>(0xFA));
    Perform(box, "All Columns", "Restore Values");
    QCOMPARE(AllFlags(f), before);

    // Hide All Living is offered with the first column only.
    auto* actions = Child<QComboBox>(&box, "SelectAction");
    Child<QComboBox>(&box, "SelectColumn")->setCurrentIndex(2);
    QCOMPARE(actions->count(), 3);
    QCOMPARE(actions->findText("Hide All Living"), -1);
    Perform(box, "E = Everything", "Hide All Living");
    QCOMPARE(Flags(f, 1), uint8_t{0});  // death date
    QCOMPARE(Flags(f, 4), uint8_t{0x03});
  }

  void ClosingBringsDeathLinesInLineWithTheStatus() {
    WindowFixture f;
    QVERIFY(f.Load(People(), 5));
    f.store.individual(3)->hideFlags = 0x01;
    auto* living = Child<QCheckBox>(f.window->person_page(), "cbLiving");
    QVERIFY(!living->isChecked());
    {
      TExcludeBox box(*f.window);
      box.show();
      ClickCell(box.grid(), RowOf(f, 3), 0);  // now deceased
      ClickCell(box.grid(), RowOf(f, 5), 0);  // now living: the bare death line goes
      QVERIFY(!HasLine(f.Person(3), "1 DEAT"));
      box.close();
    }
    QVERIFY(HasLine(f.Person(3), "1 DEAT"));
    QVERIFY(!HasLine(f.Person(5), "1 DEAT"));
    QCOMPARE(Flags(f, 5), uint8_t{0x01});
    // The person shown is living now, on the person page too.
    QVERIFY(living->isChecked());
    QVERIFY(!Child<QCheckBox>(f.window->person_page(), "cbFamDeat")->isChecked());
  }

  void ScrollingKeysDoubleClickAndSearchFindTheRightRows() {
    WindowFixture f;
    QVERIFY(f.Load(ManyPeople(60), 1));
    TExcludeBox box(*f.window);
    box.show();
    RecordListView& grid = box.grid();
    QScrollBar* bar = grid.verticalScrollBar();
    QCOMPARE(bar->maximum(), 60 - 21);
    bar->setValue(10);
    QCOMPARE(CellText(grid, 0, 7), QStringLiteral("Many, Person0011 (11)"));
    QCOMPARE(CellText(grid, 20, 7), QStringLiteral("Many, Person0031 (31)"));
    // A click acts on the person of the row shown, not the row's place in the list.
    ClickCell(grid, 0, 2);
    QCOMPARE(Flags(f, 11), uint8_t{0x04});
    QCOMPARE(Flags(f, 1), uint8_t{0});

    Wheel(grid, -120);
    QVERIFY(grid.top() == 13 && bar->value() == 13);
    bar->setValue(bar->maximum());
    QCOMPARE(CellText(grid, 20, 7), QStringLiteral("Many, Person0060 (60)"));

    // Keys as in search_box_test (the same grid), Home besides.
    ClickCell(grid, 20, 7);
    QTest::keyClick(&grid, Qt::Key_Home);
    QCOMPARE(grid.top(), 0);

    // A double click arrives as a click followed by the double-click event.
    const QPoint at = CellPoint(grid, 4, 7);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(f.window->shown().individual, 5);
    QTest::keyClick(&grid, Qt::Key_Down);  // Return does as a double click
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(f.window->shown().individual, 6);

    auto* search_for = Child<QLineEdit>(&box, "SearchFor");
    auto* search = Child<QPushButton>(&box, "btnSearch");
    QVERIFY(!search->isEnabled());
    QTest::keyClicks(search_for, "person005");
    Click(search);
    QCOMPARE(grid.current(), 49);
    QCOMPARE(grid.top(), 29);                   // below the window: it becomes the last row
    for (int i = 0; i < 9; ++i) Click(search);  // one match at a time
    QCOMPARE(grid.current(), 58);
    Click(search);
    QCOMPARE(grid.current(), -1);
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"Search"});
    QCOMPARE(f.ui.records()[0].text, std::string("Not Found\n\rReached End of File"));
    Click(search);  // from the top again
    QCOMPARE(grid.current(), 49);
  }
};

QTEST_MAIN(ExcludeBoxTest)
#include "exclude_box_test.moc"
