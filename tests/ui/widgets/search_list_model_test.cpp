#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "store/search_list.h"
#include "ui/widgets/search_list_model.h"

using kinloom::store::SearchList;
using kinloom::ui::NumberListRows;
using kinloom::ui::SearchKeyColumn;
using kinloom::ui::SearchListModel;

namespace {

// Keys in Windows-1252, as the tree keeps them.
void Fill(SearchList& list, const std::vector<std::pair<std::string, int>>& entries) {
  list.Clear();
  for (const auto& [key, number] : entries) list.Append(key, number);
  list.SortStable();
}

// A number column, a check box column over a set of ticked numbers and the key column.
struct Fixture {
  SearchList list;
  std::map<int, bool> ticked;
  std::vector<int> refused;  // numbers whose box cannot change
  SearchListModel model{list};
  std::unique_ptr<QAbstractItemModelTester> tester;  // made once the columns are set

  Fixture() {
    Fill(list, {{"Smith, Ann (3)", 3}, {"Brown, Bob (7)", 7}, {"Dupr\xE9, C\xE9line (1)", 1}});
    SearchListModel::Column number;
    number.heading = QStringLiteral("No.");
    number.text = [](int, int n) { return QString::number(n); };
    number.alignment = Qt::AlignRight | Qt::AlignVCenter;
    SearchListModel::Column mark;
    mark.checked = [this](int n) { return ticked[n]; };
    mark.set_checked = [this](int n, bool on) {
      if (std::find(refused.begin(), refused.end(), n) != refused.end()) return false;
      ticked[n] = on;
      return true;
    };
    model.SetColumns({number, mark, SearchKeyColumn(list, QStringLiteral("Name"))});
    tester = std::make_unique<QAbstractItemModelTester>(
        &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
  }
  QVariant Data(int row, int column, int role = Qt::DisplayRole) const {
    return model.data(model.index(row, column), role);
  }
};

}  // namespace

class SearchListModelTest : public QObject {
  Q_OBJECT

 private slots:
  void RowsFollowTheListInItsOrder() {
    Fixture f;
    QCOMPARE(f.model.rowCount(), 3);
    QCOMPARE(f.model.columnCount(), 3);
    QCOMPARE(f.Data(0, 2).toString(), QStringLiteral("Brown, Bob (7)"));
    QCOMPARE(f.Data(1, 2).toString(), QStringLiteral("Dupr\u00E9, C\u00E9line (1)"));
    QCOMPARE(f.Data(1, 0).toString(), QStringLiteral("1"));
    QCOMPARE(f.Data(2, 1, SearchListModel::kNumberRole).toInt(), 3);
    QCOMPARE(f.model.NumberAt(0), 7);
    QCOMPARE(f.model.NumberAt(3), -1);
    QCOMPARE(f.model.NumberAt(-1), -1);
    QVERIFY(!f.Data(3, 0).isValid());
    QVERIFY(!f.model.index(0, 3).isValid());
  }

  void HeadingsAlignmentAndCheckBoxesByColumn() {
    Fixture f;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment aligned[] = {Qt::AlignRight | Qt::AlignVCenter, left, left};
    QStringList headings;
    for (int column = 0; column < 3; ++column) {
      headings << f.model.headerData(column, Qt::Horizontal).toString();
      QVERIFY(!f.model.headerData(column, Qt::Vertical).isValid());
      QCOMPARE(f.Data(0, column, Qt::TextAlignmentRole).value<Qt::Alignment>(), aligned[column]);
      QCOMPARE(
          f.model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
          aligned[column]);
      const Qt::ItemFlags flags = f.model.flags(f.model.index(0, column));
      QCOMPARE(flags.testFlag(Qt::ItemIsUserCheckable), column == 1);
      QVERIFY(flags.testFlag(Qt::ItemIsSelectable));
      QCOMPARE(f.Data(0, column, Qt::CheckStateRole).isValid(), column == 1);
    }
    QCOMPARE(headings, QStringList({"No.", "", "Name"}));
  }

  void CheckBoxesReadAndWriteThroughTheWindow() {
    Fixture f;
    QSignalSpy changed(&f.model, &SearchListModel::dataChanged);
    f.ticked[1] = true;
    QCOMPARE(f.Data(1, 1, Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QCOMPARE(f.Data(0, 1, Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);

    QVERIFY(f.model.setData(f.model.index(0, 1), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(f.ticked[7]);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), f.model.index(0, 1));
    // No change, a refused change, a column without a box and another role change nothing.
    QVERIFY(!f.model.setData(f.model.index(0, 1), Qt::Checked, Qt::CheckStateRole));
    f.refused.push_back(3);
    QVERIFY(!f.model.setData(f.model.index(2, 1), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(!f.ticked[3]);
    QVERIFY(!f.model.setData(f.model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(!f.model.setData(f.model.index(1, 1), QStringLiteral("x"), Qt::EditRole));
    QVERIFY(f.ticked[1]);
    QCOMPARE(changed.count(), 1);

    // Changes made elsewhere reach the views for the rows given, clipped to the list.
    f.model.RowsChanged(1, 9);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed[1][0].toModelIndex(), f.model.index(1, 0));
    QCOMPARE(changed[1][1].toModelIndex(), f.model.index(2, 2));
    f.model.RowsChanged(5, 9);
    QCOMPARE(changed.count(), 2);
    f.model.AllRowsChanged();
    QCOMPARE(changed[2][0].toModelIndex(), f.model.index(0, 0));
  }

  // Until Reload the views keep the length they were told of; cells the list no longer
  // reaches are empty instead of reading past its end.
  void ReloadTakesInAListThatChanged() {
    Fixture f;
    QSignalSpy reset(&f.model, &SearchListModel::modelReset);
    Fill(f.list, {{"Able, Amy (9)", 9}});
    QCOMPARE(f.model.rowCount(), 3);
    QCOMPARE(f.Data(0, 2).toString(), QStringLiteral("Able, Amy (9)"));
    QVERIFY(!f.Data(2, 2).isValid());
    QCOMPARE(f.model.flags(f.model.index(2, 2)), Qt::NoItemFlags);
    QVERIFY(!f.model.setData(f.model.index(2, 1), Qt::Checked, Qt::CheckStateRole));
    f.model.Reload();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(f.model.rowCount(), 1);
    f.list.Insert("Zeal, Zoe (4)", 4);
    f.list.Insert("Bold, Ben (5)", 5);
    f.model.Reload();
    QCOMPARE(f.model.rowCount(), 3);
    QCOMPARE(f.Data(1, 2).toString(), QStringLiteral("Bold, Ben (5)"));
    f.list.Clear();
    f.model.Reload();
    QCOMPARE(f.model.rowCount(), 0);
    f.model.AllRowsChanged();  // nothing to change
  }

  // Any list of record numbers backs a model the same way, a to-do list's members for one.
  void OtherListsOfNumbers() {
    SearchListModel model(std::make_unique<NumberListRows>(std::vector<int>{12, 5, 40}));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    SearchListModel::Column label;
    label.text = [](int row, int n) { return QStringLiteral("%1: I%2").arg(row).arg(n); };
    model.SetColumns({label});
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.data(model.index(2, 0)).toString(), QStringLiteral("2: I40"));
    QCOMPARE(model.NumberAt(1), 5);
  }
};

QTEST_MAIN(SearchListModelTest)
#include "search_list_model_test.moc"
