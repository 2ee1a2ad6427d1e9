#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QToolTip>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "files/data_folders.h"
#include "reports/split_selection.h"
#include "store/records.h"
#include "store/search_list.h"
#include "ui/dialogs/split_box.h"
#include "ui/main/option_effects.h"
#include "ui/widgets/record_list_view.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::WindowFixture;
using kinloom::ui::RecordListView;
using kinloom::ui::TSplitBox;

namespace {

// Grandparents 1 and 2 have 3 and 4; 3 and 5 have 6 (the subject) and 7; 4 and 8 have 9;
// 6 and 10 have 11; 10 also has 13 with 12; 5's parents are 14 and 15; 16 stands alone.
std::vector<std::string> Tree() {
  return kinloom::testing::Split(
      "0 @I000001@ INDI|1 NAME Abel /Grand/|1 SEX M|1 FAMS @F000001@|"
      "0 @I000002@ INDI|1 NAME Beth /Grand/|1 SEX F|1 FAMS @F000001@|"
      "0 @I000003@ INDI|1 NAME Carl /Grand/|1 SEX M|1 FAMC @F000001@|1 FAMS @F000002@|"
      "0 @I000004@ INDI|1 NAME Dora /Grand/|1 SEX F|1 FAMC @F000001@|1 FAMS @F000003@|"
      "0 @I000005@ INDI|1 NAME Emma /Moth/|1 SEX F|1 FAMC @F000006@|1 FAMS @F000002@|"
      "0 @I000006@ INDI|1 NAME Fred /Grand/|1 SEX M|1 FAMC @F000002@|1 FAMS @F000004@|"
      "0 @I000007@ INDI|1 NAME Gina /Grand/|1 SEX F|1 FAMC @F000002@|"
      "0 @I000008@ INDI|1 NAME Hugo /Inlaw/|1 SEX M|1 FAMS @F000003@|"
      "0 @I000009@ INDI|1 NAME Ivy /Inlaw/|1 SEX F|1 FAMC @F000003@|"
      "0 @I000010@ INDI|1 NAME Jane /Wife/|1 SEX F|1 FAMS @F000004@|1 FAMS @F000005@|"
      "0 @I000011@ INDI|1 NAME Kurt /Grand/|1 SEX M|1 FAMC @F000004@|"
      "0 @I000012@ INDI|1 NAME Liam /Other/|1 SEX M|1 FAMS @F000005@|"
      "0 @I000013@ INDI|1 NAME Mona /Other/|1 SEX F|1 FAMC @F000005@|"
      "0 @I000014@ INDI|1 NAME Ned /Moth/|1 SEX M|1 FAMS @F000006@|"
      "0 @I000015@ INDI|1 NAME Olga /Moth/|1 SEX F|1 FAMS @F000006@|"
      "0 @I000016@ INDI|1 NAME Paul /Alone/|1 SEX M|"
      "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000003@|1 CHIL @I000004@|"
      "0 @F000002@ FAM|1 HUSB @I000003@|1 WIFE @I000005@|1 CHIL @I000006@|1 CHIL @I000007@|"
      "0 @F000003@ FAM|1 HUSB @I000008@|1 WIFE @I000004@|1 CHIL @I000009@|"
      "0 @F000004@ FAM|1 HUSB @I000006@|1 WIFE @I000010@|1 CHIL @I000011@|"
      "0 @F000005@ FAM|1 HUSB @I000012@|1 WIFE @I000010@|1 CHIL @I000013@|"
      "0 @F000006@ FAM|1 HUSB @I000014@|1 WIFE @I000015@|1 CHIL @I000005@");
}

using People = std::set<int>;

People Marked(WindowFixture& f) {
  People marked;
  for (int n = 1; n <= f.store.highest_individual(); ++n) {
    if (kinloom::reports::IsSelected(f.store, n)) marked.insert(n);
  }
  return marked;
}

void Highlight(WindowFixture& f, TSplitBox& box, int individual) {
  box.list().SetCurrent(f.store.individual_search_list().PositionOf(individual));
}

QString CheckedCount(TSplitBox& box) {
  return Child<QLabel>(&box, "CheckedCount")->text();
}

// What a line of the check list shows, and its box; blank past the end of the list.
QModelIndex LineAt(RecordListView& list, int line) {
  const int height = list.verticalHeader()->defaultSectionSize();
  return list.indexAt(QPoint(list.viewport()->width() / 2, line * height + height / 2));
}

QString LineText(RecordListView& list, int line) {
  return LineAt(list, line).data().toString();
}

Qt::CheckState LineCheck(RecordListView& list, int line) {
  return LineAt(list, line).data(Qt::CheckStateRole).value<Qt::CheckState>();
}

// Runs one walk from a clean selection and returns who it marked.
People Walk(WindowFixture& f, TSplitBox& box, int start, const char* button,
            const char* option = nullptr, bool with_option = false) {
  Click(Child<QPushButton>(&box, "btnClear"));
  Highlight(f, box, start);
  if (option != nullptr) Child<QCheckBox>(&box, option)->setChecked(with_option);
  Click(Child<QPushButton>(&box, button));
  const People marked = Marked(f);
  if (CheckedCount(box) != QString::number(marked.size())) return {-1};
  return marked;
}

}  // namespace

class SplitBoxTest : public QObject {
  Q_OBJECT

 private slots:
  // Each walk starts from a cleared selection; Restore then brings back the opening marks.
  void WalksFromTheHighlightedPersonAndRestoreUndoesThem() {
    WindowFixture f;
    QVERIFY(f.Load(Tree(), 6));
    for (int n : {2, 9, 16}) f.store.individual(n)->markFlags |= kinloom::store::kMarkSelected;
    TSplitBox box(*f.window);
    box.show();
    QCOMPARE(box.windowTitle(), QStringLiteral("Split Family Tree File"));
    QCOMPARE(CheckedCount(box), QStringLiteral("3"));
    QCOMPARE(Walk(f, box, 6, "btnAddAnc", "cbIncludeSiblings", false),
             (People{1, 2, 3, 5, 6, 14, 15}));
    QCOMPARE(Walk(f, box, 6, "btnAddAnc", "cbIncludeSiblings", true),
             (People{1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15}));
    QCOMPARE(Walk(f, box, 3, "btnAddDesc", "cbIncludeSpouses", false), (People{3, 6, 7, 11}));
    // The spouse comes along, her child by another marriage does not.
    QCOMPARE(Walk(f, box, 3, "btnAddDesc", "cbIncludeSpouses", true), (People{3, 5, 6, 7, 10, 11}));
    QCOMPARE(Walk(f, box, 6, "btnAddAncTree"), (People{1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15}));
    QCOMPARE(Walk(f, box, 6, "btnAddDesTree"), (People{6, 10, 11, 12, 13}));
    // Nothing highlighted: nothing marked.
    Click(Child<QPushButton>(&box, "btnClear"));
    box.list().SetCurrent(-1);
    Click(Child<QPushButton>(&box, "btnAddDesTree"));
    QCOMPARE(Marked(f), People{});
    QCOMPARE(CheckedCount(box), QStringLiteral("0"));

    Highlight(f, box, 1);
    Click(Child<QPushButton>(&box, "btnAddDesc"));
    Click(Child<QPushButton>(&box, "btnRestore"));
    QCOMPARE(Marked(f), (People{2, 9, 16}));
    QCOMPARE(CheckedCount(box), QStringLiteral("3"));
  }

  // The grid's scrolling, keys and search are checked in exclude_box_test.
  void LinesShowAndToggleTheMarks() {
    WindowFixture f;
    QVERIFY(f.Load(Tree(), 6));
    TSplitBox box(*f.window);
    box.show();
    RecordListView& list = box.list();
    QCOMPARE(list.viewport()->height(), 26 * list.verticalHeader()->defaultSectionSize());
    const int row = f.store.individual_search_list().PositionOf(11);
    QCOMPARE(LineText(list, row), QStringLiteral("Grand, Kurt (11)"));
    QCOMPARE(LineCheck(list, row), Qt::Unchecked);
    QCOMPARE(LineText(list, 16), QString());  // past the end of the list

    // Clicking a line highlights it; Space ticks its box.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(LineAt(list, row)).center() + QPoint(40, 0));
    QCOMPARE(list.current(), row);
    QTest::keyClick(&list, Qt::Key_Space);
    QCOMPARE(Marked(f), People{11});
    QCOMPARE(LineCheck(list, row), Qt::Checked);
    QCOMPARE(CheckedCount(box), QStringLiteral("1"));
    QTest::keyClick(&list, Qt::Key_Space);
    QCOMPARE(Marked(f), People{});
    QCOMPARE(CheckedCount(box), QStringLiteral("0"));

    // A click on the box itself ticks it too.
    QStyleOptionViewItem option;
    option.initFrom(list.viewport());
    option.rect = list.visualRect(LineAt(list, row));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box_rect =
        list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box_rect.center());
    QCOMPARE(Marked(f), People{11});
    QCOMPARE(CheckedCount(box), QStringLiteral("1"));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box_rect.center());
    QCOMPARE(Marked(f), People{});

    // A walk shows its marks on the lines.
    Click(Child<QPushButton>(&box, "btnAddAnc"));
    QCOMPARE(LineCheck(list, f.store.individual_search_list().PositionOf(6)), Qt::Checked);
  }

  void LongNamesAreNotCutShort_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("whole");
    QTest::newRow("long") << "Maria Wilhelmina Johanna /van der Berg-Oosterhuis/" << true;
    // Beyond what the list makes room for: its tool tip shows it whole.
    QTest::newRow("longer than the list grows")
        << "Maria Wilhelmina Johanna Catharina Theodora /van der Berg-Oosterhuis-Lindqvist/"
        << false;
  }
  void LongNamesAreNotCutShort() {
    QFETCH(QString, name);
    QFETCH(bool, whole);
    // A large desktop font: the list makes room by the font, not by a fixed width.
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSize(16);
    QApplication::setFont(large);
    const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
    std::vector<std::string> lines = Tree();
    lines.insert(lines.end(), {"0 @I000017@ INDI", "1 NAME " + name.toStdString(), "1 SEX F"});
    WindowFixture f;
    QVERIFY(f.Load(lines, 6));
    TSplitBox box(*f.window);
    box.show();
    RecordListView& list = box.list();
    const QModelIndex index =
        list.model()->index(f.store.individual_search_list().PositionOf(17), 0);
    QStyleOptionViewItem option;
    option.initFrom(&list);
    const int needed = list.itemDelegate()->sizeHint(option, index).width();
    QCOMPARE(needed <= list.columnWidth(0), whole);
    QVERIFY(list.columnWidth(0) > needed / 2);
    QVERIFY(index.data().toString().endsWith(QStringLiteral("(17)")));
    // A name cut short shows whole in its tool tip (with hints on); one shown whole has none.
    const bool hints = kinloom::ui::HintsShown();
    kinloom::ui::SetHintsShown(true);
    const auto hints_back = qScopeGuard([hints] { kinloom::ui::SetHintsShown(hints); });
    const QPoint at = list.visualRect(index).center();
    QHelpEvent hover(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &hover);
    QCOMPARE(QToolTip::text(), whole ? QString() : index.data().toString());
    QToolTip::hideText();
  }

  // The marks are kept in the tree file: a selection made by hand is offered for saving.
  void MarksMadeByHandAreAChangeOfTheTree() {
    WindowFixture f;
    QVERIFY(f.Load(Tree(), 6));
    {
      TSplitBox box(*f.window);
      box.show();
      box.list().SetCurrent(f.store.individual_search_list().PositionOf(11));
      QTest::keyClick(&box.list(), Qt::Key_Space);
      QCOMPARE(Marked(f), People{11});
    }
    f.window->show();
    f.ui.QueueAnswer(kinloom::platform::Answer::kYes);
    QVERIFY(f.window->close());
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"Confirm"});
    kinloom::files::OpenRequest reopen;
    reopen.path = f.GedcomPath();
    QVERIFY(f.window->OpenTreeFile(reopen));
    QCOMPARE(Marked(f), People{11});
  }

  void SplitTreeAndSaveWritesOnlyTheCheckedPeople() {
    WindowFixture f;
    QVERIFY(f.Load(Tree(), 3));
    TSplitBox box(*f.window);
    box.show();

    Click(Child<QPushButton>(&box, "btnSaveSplit"));  // nobody checked: refused
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"Split Family Tree File"});
    f.ui.ClearRecords();

    Highlight(f, box, 3);
    Click(Child<QPushButton>(&box, "btnAddDesc"));
    Click(Child<QPushButton>(&box, "btnSaveSplit"));
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"Ged File Saved"});
    const std::string& text = f.ui.records()[0].text;
    QVERIFY(text.rfind("New File Created:\n", 0) == 0);
    const std::string name = text.substr(std::string("New File Created:\n").size());
    QVERIFY(name.rfind("Test_Split", 0) == 0);
    QCOMPARE(Child<QLabel>(&box, "SplitFileName")->text(), QString::fromStdString(name + ".ged"));

    const std::string copy = kinloom::testing::ReadFileBytes(
        kinloom::files::TreeFile(f.work.folders().gedcom, name, ".ged"));
    for (int n = 1; n <= 16; ++n) {
      char xref[24];
      std::snprintf(xref, sizeof xref, "0 @I%06d@ INDI", n);
      const bool kept = n == 3 || n == 6 || n == 7 || n == 11;
      QVERIFY2((copy.find(xref) != std::string::npos) == kept, xref);
    }
    // The open tree keeps its name and its own file.
    QCOMPARE(f.work.session().tree_name, std::string("Test"));
  }
};

QTEST_MAIN(SplitBoxTest)
#include "split_box_test.moc"
