#include <QApplication>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "charts/report_printing.h"
#include "reports/problems_file.h"
#include "reports/recording_surface.h"
#include "reports/report_job.h"
#include "reports/verifier.h"
#include "ui/dialogs/merge_box.h"
#include "ui/reports/problem_box.h"
#include "ui/reports/problem_table_model.h"
#include "ui_test_support.h"

using kinloom::reports::ProblemList;
using kinloom::testing::WindowFixture;
using kinloom::ui::ProblemTableModel;
using kinloom::ui::TProblemBox;

namespace {

// 1 has double spaces in two places (error 29 twice) and a date that cannot be read (19); 1 and
// 2 married when she was 10 (9); 3 and 4 are one woman entered twice (28).
const std::vector<std::string> kTree = kinloom::testing::Split(
    "0 @I000001@ INDI|1 NAME Bob /Ray/|1 SEX M|1 BIRT|2 DATE 1 JAN 1900|2 PLAC York  Town|"
    "1 DEAT|2 DATE sometime|2 PLAC Leeds  Road|1 FAMS @F000001@\n"
    "0 @I000002@ INDI|1 NAME Ann /Lee/|1 SEX F|1 BIRT|2 DATE 5 MAY 1901|1 FAMS @F000001@\n"
    "0 @I000003@ INDI|1 NAME Eve /Hart/|1 SEX F|1 BIRT|2 DATE 3 MAR 1850\n"
    "0 @I000004@ INDI|1 NAME Eve /Hart/|1 SEX F|1 BIRT|2 DATE 3 MAR 1850\n"
    "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 MARR|2 DATE 1 JAN 1911",
    "|\n");

struct ListFixture {
  WindowFixture f;
  ProblemList list;
  std::unique_ptr<TProblemBox> box;

  explicit ListFixture(bool complete = false) {
    if (!f.Load(kTree)) qFatal("tree not loaded");
    Run(complete);
  }
  void Run(bool complete) {
    box.reset();
    kinloom::reports::VerifyOptions options;
    options.complete = complete;
    (void)kinloom::reports::RunVerifier(f.store, options, &list);
    box = std::make_unique<TProblemBox>(*f.window, list, f.window.get());
  }
  // The positions of the rows of a record and error.
  std::vector<int> Rows(int record, int error) const {
    std::vector<int> rows;
    for (size_t i = 0; i < list.size(); ++i) {
      if (list.row(i).record == record && list.row(i).error == error) {
        rows.push_back(static_cast<int>(i));
      }
    }
    return rows;
  }
  QString Cell(int row, int column) const {
    return box->model().index(row, column).data().toString();
  }
  // A click in a cell of the grid, as the user makes it.
  void ClickCell(int row, int column, bool twice = false) {
    QTableView& grid = box->grid();
    grid.scrollTo(box->model().index(row, column));
    const QPoint at = grid.visualRect(box->model().index(row, column)).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at);
  }
};

}  // namespace

class ProblemBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void TheGridShowsTheColumnsAndHeadings() {
    ListFixture l;
    QCOMPARE(l.box->windowTitle(), QStringLiteral("Potential Problems List"));
    QCOMPARE(l.box->model().columnCount(), 7);
    QCOMPARE(l.box->model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("  I.D. No"));
    QCOMPARE(l.box->model().headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("   Description of Potential Problem"));
    const std::vector<int> rows = l.Rows(1, 19);
    QCOMPARE(rows.size(), size_t{1});
    QStringList cells;
    for (int column = 0; column < 7; ++column) cells << l.Cell(rows[0], column);
    QCOMPARE(cells, (QStringList{QString::number(rows[0] + 1), "  000001", "", "", "Death",
                                 "Date is invalid date format", "19"}));
  }

  void SkipMarksEveryRowOfThePersonAndError() {
    ListFixture l;
    const std::vector<int> doubles = l.Rows(1, 29);
    QCOMPARE(doubles.size(), size_t{2});
    const int other = l.Rows(1, 19).at(0);
    QVERIFY(!l.f.work.session().changed.tree_modified);
    l.ClickCell(doubles[1], ProblemTableModel::kSkip);
    for (int row : doubles) QCOMPARE(l.Cell(row, ProblemTableModel::kSkip), QStringLiteral(" x"));
    QCOMPARE(l.Cell(other, ProblemTableModel::kSkip), QString());
    QVERIFY(kinloom::reports::SkipFlag(*l.f.store.individual(1), 29));
    QVERIFY(!kinloom::reports::SkipFlag(*l.f.store.individual(1), 19));
    QVERIFY(l.f.work.session().changed.tree_modified);
    // A partial run leaves the skipped problems out; a complete one lists them marked.
    l.Run(false);
    QVERIFY(l.Rows(1, 29).empty());
    QCOMPARE(l.Rows(1, 19).size(), size_t{1});
    l.Run(true);
    QCOMPARE(l.Rows(1, 29).size(), size_t{2});
    QCOMPARE(l.Cell(l.Rows(1, 29)[0], ProblemTableModel::kSkip), QStringLiteral(" x"));
    // Clicked again, the mark goes from every row.
    l.ClickCell(l.Rows(1, 29)[0], ProblemTableModel::kSkip);
    QCOMPARE(l.Cell(l.Rows(1, 29)[1], ProblemTableModel::kSkip), QString());
    QVERIFY(!kinloom::reports::SkipFlag(*l.f.store.individual(1), 29));
  }

  void DoneMarksOneRowOnlyAndIsNotStored() {
    ListFixture l;
    const std::vector<int> doubles = l.Rows(1, 29);
    l.ClickCell(doubles[0], ProblemTableModel::kDone);
    QCOMPARE(l.Cell(doubles[0], ProblemTableModel::kDone), QStringLiteral(" x"));
    QCOMPARE(l.Cell(doubles[1], ProblemTableModel::kDone), QString());
    QVERIFY(!kinloom::reports::SkipFlag(*l.f.store.individual(1), 29));
    QVERIFY(!l.f.work.session().changed.tree_modified);
    l.Run(false);
    QCOMPARE(l.Cell(l.Rows(1, 29)[0], ProblemTableModel::kDone), QString());
  }

  void DoubleClickShowsThePersonWithTheMarriageHintOnce() {
    ListFixture l;
    qApp->setProperty("kinloomMarriageHintShown", false);
    l.f.window->ShowIndividual(4);
    const int marriage = l.Rows(2, 9).at(0);
    l.ClickCell(marriage, ProblemTableModel::kEvent, true);
    QCOMPARE(l.f.window->shown().individual, 2);
    QCOMPARE(l.f.ui.records().back().caption, std::string(kinloom::reports::kMarriageHintCaption));
    l.f.ui.ClearRecords();
    l.f.window->ShowIndividual(4);
    l.box->GridDoubleClick(marriage);
    QCOMPARE(l.f.window->shown().individual, 2);
    QVERIFY(l.f.ui.records().empty());
    l.box->GridDoubleClick(l.Rows(1, 19).at(0));
    QCOMPARE(l.f.window->shown().individual, 1);
    // Return on the highlighted row opens it too.
    l.box->show();
    l.box->grid().setCurrentIndex(l.box->model().index(l.Rows(4, 28).at(0), 0));
    l.box->grid().setFocus();
    QTimer::singleShot(0, [] {
      if (QApplication::activeModalWidget() != nullptr) QApplication::activeModalWidget()->close();
    });
    QTest::keyClick(&l.box->grid(), Qt::Key_Return);
    QCOMPARE(l.f.window->shown().individual, 4);
    QVERIFY(l.box->isVisible());
  }

  void ANumberNoLongerInUseIsSaid() {
    ListFixture l;
    ProblemList gone;
    gone.Reset({});
    gone.Add(l.f.store, 7, 99, "DEAT");
    TProblemBox box(*l.f.window, gone, l.f.window.get());
    l.f.ui.ClearRecords();
    box.GridDoubleClick(0);
    QCOMPARE(l.f.ui.records().size(), size_t{1});
    QCOMPARE(l.f.ui.records()[0].caption, std::string("Invalid Number"));
    QCOMPARE(l.f.ui.records()[0].text, kinloom::reports::InvalidNumberText(99));
  }

  void ADuplicateRowOpensTheMergeBoxOnThePair() {
    ListFixture l;
    const std::vector<int> rows = l.Rows(4, 28);
    QCOMPARE(rows.size(), size_t{1});
    QCOMPARE(l.Rows(3, 28).size(), size_t{1});
    int first = 0;
    int second = 0;
    QTimer::singleShot(0, [&] {
      if (auto* merge = qobject_cast<kinloom::ui::TMergeBox*>(QApplication::activeModalWidget())) {
        first = merge->state().individuals[0];
        second = merge->state().individuals[1];
        merge->reject();
      }
    });
    l.box->GridDoubleClick(rows[0]);
    QCOMPARE(l.f.window->shown().individual, 4);
    QCOMPARE(std::min(first, second), 3);
    QCOMPARE(std::max(first, second), 4);
  }

  void UnSkipAllClearsEveryFlagAfterTheQuestion() {
    ListFixture l;
    l.box->GridClick(l.Rows(1, 29)[0], ProblemTableModel::kSkip);
    // A flag of a problem not in the list goes too.
    kinloom::reports::SetSkipFlag(*l.f.store.individual(3), 30, true);
    l.f.ui.QueueAnswer(kinloom::platform::Answer::kNo);
    l.box->btnClearClick();
    QCOMPARE(l.f.ui.records().back().caption, std::string("Confirm - UnSkip All"));
    QVERIFY(kinloom::reports::SkipFlag(*l.f.store.individual(3), 30));
    l.f.ui.QueueAnswer(kinloom::platform::Answer::kYes);
    l.box->btnClearClick();
    QVERIFY(!kinloom::reports::SkipFlag(*l.f.store.individual(3), 30));
    QVERIFY(!kinloom::reports::SkipFlag(*l.f.store.individual(1), 29));
    for (int row : l.Rows(1, 29)) QCOMPARE(l.Cell(row, ProblemTableModel::kSkip), QString());
  }

  void SaveWritesTheFileIntoMyFiles() {
    ListFixture l;
    l.f.work.program_settings().report_file_counter = 7;
    l.f.ui.QueueAnswer(kinloom::platform::Answer::kYes);
    const kinloom::files::SavedReport saved = l.box->btnSaveClick();
    QCOMPARE(saved.outcome, kinloom::files::SaveOutcome::kSaved);
    QVERIFY(saved.path.ends_with("/Problems_Test_7.txt"));
    QCOMPARE(l.f.ui.records().back().caption,
             std::string(" Copy Potential Problems List to Computer File "));
    QVERIFY(l.f.ui.records().back().text.find("New file name:  Problems_Test_7.txt") !=
            std::string::npos);
    const std::string text = kinloom::testing::ReadFileBytes(saved.path);
    QVERIFY(text.starts_with("Potential Problems" + std::string(21, ' ') + "Test"));
    QVERIFY(text.find("\r\n\r\nLine ID No. S D    Event            Description of Potential "
                      "Problem\r\n----") != std::string::npos);
    QVERIFY(text.find("\r\n   1 ") != std::string::npos);
    QCOMPARE(l.f.work.program_settings().report_file_counter, 8);
    QVERIFY(l.f.work.program_settings().sources_changed);
  }

  void ThePrintoutHeadsEveryPage() {
    ListFixture l;
    ProblemList many;
    many.Reset({});
    for (int n = 0; n < 200; ++n) many.Add(l.f.store, 19, 1, "BIRT");
    TProblemBox box(*l.f.window, many, l.f.window.get());
    kinloom::reports::RecordingSurface surface;
    const int pages = kinloom::reports::PrintPages(box.PrintJob(), surface, {}, "7 December 2026");
    QVERIFY(pages > 1);
    std::vector<std::string> heads;
    for (const auto& item : surface.items()) {
      if (item.kind == kinloom::reports::RecordingSurface::Item::Kind::kText && item.y == 0) {
        heads.push_back(item.text);
      }
    }
    QCOMPARE(static_cast<int>(heads.size()), pages);
    for (const std::string& head : heads) QCOMPARE(head, std::string("Family: Test"));
    // The rows line up in columns: every event and description starts at one place, after the
    // numbers.
    std::set<int> events;
    std::set<int> descriptions;
    for (const auto& item : surface.items()) {
      if (item.text == "Birth") events.insert(item.x);
      if (item.text == "Date is invalid date format") descriptions.insert(item.x);
    }
    QCOMPARE(events.size(), size_t{1});
    QCOMPARE(descriptions.size(), size_t{1});
    QVERIFY(*events.begin() < *descriptions.begin());
    // As a PDF, without a printer.
    kinloom::testing::TempDir dir;
    const std::string pdf = dir.File("list.pdf");
    QVERIFY(
        kinloom::charts::WritePdf(l.f.file_system, pdf, box.PrintJob(), "7 December 2026").ok());
    QVERIFY(kinloom::testing::ReadFileBytes(pdf).starts_with("%PDF"));
  }
};

QTEST_MAIN(ProblemBoxTest)
#include "problem_box_test.moc"
