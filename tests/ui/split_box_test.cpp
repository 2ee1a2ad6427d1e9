#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTest>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "files/data_folders.h"
#include "reports/split_selection.h"
#include "store/records.h"
#include "store/search_list.h"
#include "ui/record_grid_view.h"
#include "ui/split_box.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::WindowFixture;
using kinloom::ui::RecordGridView;
using kinloom::ui::TSplitBox;

namespace {

// Grandparents 1 and 2 have 3 and 4; 3 and 5 have 6 (the subject) and 7; 4 and 8 have 9;
// 6 and 10 have 11; 10 also has 13 with 12; 5's parents are 14 and 15; 16 stands alone.
const std::vector<std::string> kTree = {
    "0 @I000001@ INDI",
    "1 NAME Abel /Grand/",
    "1 SEX M",
    "1 FAMS @F000001@",
    "0 @I000002@ INDI",
    "1 NAME Beth /Grand/",
    "1 SEX F",
    "1 FAMS @F000001@",
    "0 @I000003@ INDI",
    "1 NAME Carl /Grand/",
    "1 SEX M",
    "1 FAMC @F000001@",
    "1 FAMS @F000002@",
    "0 @I000004@ INDI",
    "1 NAME Dora /Grand/",
    "1 SEX F",
    "1 FAMC @F000001@",
    "1 FAMS @F000003@",
    "0 @I000005@ INDI",
    "1 NAME Emma /Moth/",
    "1 SEX F",
    "1 FAMC @F000006@",
    "1 FAMS @F000002@",
    "0 @I000006@ INDI",
    "1 NAME Fred /Grand/",
    "1 SEX M",
    "1 FAMC @F000002@",
    "1 FAMS @F000004@",
    "0 @I000007@ INDI",
    "1 NAME Gina /Grand/",
    "1 SEX F",
    "1 FAMC @F000002@",
    "0 @I000008@ INDI",
    "1 NAME Hugo /Inlaw/",
    "1 SEX M",
    "1 FAMS @F000003@",
    "0 @I000009@ INDI",
    "1 NAME Ivy /Inlaw/",
    "1 SEX F",
    "1 FAMC @F000003@",
    "0 @I000010@ INDI",
    "1 NAME Jane /Wife/",
    "1 SEX F",
    "1 FAMS @F000004@",
    "1 FAMS @F000005@",
    "0 @I000011@ INDI",
    "1 NAME Kurt /Grand/",
    "1 SEX M",
    "1 FAMC @F000004@",
    "0 @I000012@ INDI",
    "1 NAME Liam /Other/",
    "1 SEX M",
    "1 FAMS @F000005@",
    "0 @I000013@ INDI",
    "1 NAME Mona /Other/",
    "1 SEX F",
    "1 FAMC @F000005@",
    "0 @I000014@ INDI",
    "1 NAME Ned /Moth/",
    "1 SEX M",
    "1 FAMS @F000006@",
    "0 @I000015@ INDI",
    "1 NAME Olga /Moth/",
    "1 SEX F",
    "1 FAMS @F000006@",
    "0 @I000016@ INDI",
    "1 NAME Paul /Alone/",
    "1 SEX M",
    "0 @F000001@ FAM",
    "1 HUSB @I000001@",
    "1 WIFE @I000002@",
    "1 CHIL @I000003@",
    "1 CHIL @I000004@",
    "0 @F000002@ FAM",
    "1 HUSB @I000003@",
    "1 WIFE @I000005@",
    "1 CHIL @I000006@",
    "1 CHIL @I000007@",
    "0 @F000003@ FAM",
    "1 HUSB @I000008@",
    "1 WIFE @I000004@",
    "1 CHIL @I000009@",
    "0 @F000004@ FAM",
    "1 HUSB @I000006@",
    "1 WIFE @I000010@",
    "1 CHIL @I000011@",
    "0 @F000005@ FAM",
    "1 HUSB @I000012@",
    "1 WIFE @I000010@",
    "1 CHIL @I000013@",
    "0 @F000006@ FAM",
    "1 HUSB @I000014@",
    "1 WIFE @I000015@",
    "1 CHIL @I000005@",
};

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
  void WalksFromTheHighlightedPerson() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 6));
    TSplitBox box(*f.window);
    box.show();
    QCOMPARE(box.windowTitle(), QStringLiteral("Split Family Tree File"));
    QCOMPARE(Walk(f, box, 6, "btnAddAnc", "cbIncludeSiblings", false),
             (People{1, 2, 3, 5, 6, 14, 15}));
    QCOMPARE(Walk(f, box, 6, "btnAddAnc", "cbIncludeSiblings", true),
             (People{1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15}));
    QCOMPARE(Walk(f, box, 3, "btnAddDesc", "cbIncludeSpouses", false), (People{3, 6, 7, 11}));
    // The spouse comes along, her child by another marriage does not.
    QCOMPARE(Walk(f, box, 3, "btnAddDesc", "cbIncludeSpouses", true), (People{3, 5, 6, 7, 10, 11}));
    QCOMPARE(Walk(f, box, 6, "btnAddAncTree"), (People{1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15}));
    QCOMPARE(Walk(f, box, 6, "btnAddDesTree"), (People{6, 10, 11, 12, 13}));
    QCOMPARE(Walk(f, box, 16, "btnAddAncTree"), (People{16}));
    // Nothing highlighted: nothing marked.
    Click(Child<QPushButton>(&box, "btnClear"));
    box.list().SetCurrent(-1);
    Click(Child<QPushButton>(&box, "btnAddDesTree"));
    QCOMPARE(Marked(f), People{});
    QCOMPARE(CheckedCount(box), QStringLiteral("0"));
  }

  void UnCheckAndRestoreReturnToTheOpeningMarks() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 6));
    for (int n : {2, 9, 16}) f.store.individual(n)->markFlags |= kinloom::store::kMarkSelected;
    TSplitBox box(*f.window);
    box.show();
    QCOMPARE(CheckedCount(box), QStringLiteral("3"));
    Highlight(f, box, 6);
    Click(Child<QPushButton>(&box, "btnAddAncTree"));
    Click(Child<QPushButton>(&box, "btnAddDesTree"));
    Click(Child<QPushButton>(&box, "btnClear"));
    QCOMPARE(Marked(f), People{});
    QCOMPARE(CheckedCount(box), QStringLiteral("0"));
    Highlight(f, box, 1);
    Click(Child<QPushButton>(&box, "btnAddDesc"));
    Click(Child<QPushButton>(&box, "btnRestore"));
    QCOMPARE(Marked(f), (People{2, 9, 16}));
    QCOMPARE(CheckedCount(box), QStringLiteral("3"));
  }

  void LinesShowAndToggleTheMarks() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 6));
    TSplitBox box(*f.window);
    box.show();
    RecordGridView& list = box.list();
    QCOMPARE(list.visible_rows(), 26);
    QTableWidget* table = list.table();
    const int row = f.store.individual_search_list().PositionOf(11);
    QCOMPARE(table->item(row, 0)->text(), QStringLiteral("Grand, Kurt (11)"));
    QCOMPARE(table->item(row, 0)->checkState(), Qt::Unchecked);
    QCOMPARE(table->item(16, 0)->text(), QString());  // past the end of the list

    // Clicking a line highlights it; Space ticks its box.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(row, 0)).center() + QPoint(40, 0));
    QCOMPARE(list.current(), row);
    QTest::keyClick(table, Qt::Key_Space);
    QCOMPARE(Marked(f), People{11});
    QCOMPARE(table->item(row, 0)->checkState(), Qt::Checked);
    QCOMPARE(CheckedCount(box), QStringLiteral("1"));
    QTest::keyClick(table, Qt::Key_Space);
    QCOMPARE(Marked(f), People{});
    QCOMPARE(CheckedCount(box), QStringLiteral("0"));

    // A click on the box itself ticks it too.
    QTableWidgetItem* item = table->item(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(table->viewport());
    option.rect = table->visualItemRect(item);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box_rect =
        table->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box_rect.center());
    QCOMPARE(Marked(f), People{11});
    QCOMPARE(CheckedCount(box), QStringLiteral("1"));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box_rect.center());
    QCOMPARE(Marked(f), People{});

    // A walk shows its marks on the lines.
    Click(Child<QPushButton>(&box, "btnAddAnc"));
    QCOMPARE(table->item(f.store.individual_search_list().PositionOf(6), 0)->checkState(),
             Qt::Checked);
  }

  void SearchHighlightsTheLineTheWalksStartFrom() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    TSplitBox box(*f.window);
    box.show();
    QTest::keyClicks(Child<QLineEdit>(&box, "SearchFor"), "(13)");
    Click(Child<QPushButton>(&box, "btnSearch"));
    QCOMPARE(box.list().current(), f.store.individual_search_list().PositionOf(13));
    Click(Child<QPushButton>(&box, "btnAddAnc"));
    QCOMPARE(Marked(f), (People{10, 12, 13}));
  }

  void SplitTreeAndSaveWritesOnlyTheCheckedPeople() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 3));
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
