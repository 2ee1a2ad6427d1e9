#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "files/data_folders.h"
#include "report_test_tree.h"
#include "ui/person/person_page.h"
#include "ui/reports/relate_box.h"
#include "ui_test_support.h"

using kinloom::platform::Answer;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::PdfPageCount;
using kinloom::testing::ReportTestTree;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using kinloom::ui::TRelateBox;

namespace {

QString Cell(const TRelateBox& box, int row, int column) {
  const QTableWidgetItem* item = box.grid().item(row, column);
  return item == nullptr ? QString() : item->text();
}

}  // namespace

class RelateBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    fixture_ = std::make_unique<WindowFixture>();
    QVERIFY(fixture_->Load(ReportTestTree(), 6));
  }
  void cleanup() { fixture_.reset(); }

  // The two relations and the grid's two columns are written with "|" between the parts; Print
  // and Save are offered when there is a common ancestor (the memo).
  void showsTheRelationship_data() {
    struct Row {
      const char* name;
      int person1, person2;
      const char *relations, *memo, *column0, *column1;
    };
    const Row rows[] = {
        {"son and father", 3, 1, "Son|Father", "Adam Smith (1)", "Bob Smith (3)", ""},
        {"father and son, the line still in column 0", 1, 3, "Father|Son", "Adam Smith (1)",
         "Bob Smith (3)", ""},
        {"grandfather", 6, 1, "Grand Son|Grand Father", "Adam Smith (1)",
         "Bob Smith (3)|Evan Smith (6)", ""},
        {"first cousins, with the trailing blank", 6, 8, "First Cousin |First Cousin ",
         "Adam Smith (1) and Eve Jones (2)", "Bob Smith (3)|Evan Smith (6)",
         "Cara Smith (4)|Gail Ross (8)"},
        {"aunt and nephew", 4, 6, "Aunt|Nephew", "Adam Smith (1) and Eve Jones (2)",
         "Cara Smith (4)", "Bob Smith (3)|Evan Smith (6)"},
        {"brother and sister", 3, 4, "Brother|Sister", "Adam Smith (1) and Eve Jones (2)",
         "Bob Smith (3)", "Cara Smith (4)"},
        {"same person", 6, 6, "Same Person|Same Person", "", "", ""},
        {"no blood relationship", 9, 6, "No Blood Relationship|No Blood Relationship", "", "", ""},
        {"nobody of that number", 99, 6, "No Blood Relationship|No Blood Relationship", "", "", ""},
    };
    QTest::addColumn<int>("person1");
    QTest::addColumn<int>("person2");
    QTest::addColumn<QString>("relations");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("column0");
    QTest::addColumn<QString>("column1");
    for (const Row& r : rows) {
      QTest::newRow(r.name) << r.person1 << r.person2 << QString(r.relations) << QString(r.memo)
                            << QString(r.column0) << QString(r.column1);
    }
  }
  void showsTheRelationship() {
    QFETCH(int, person1);
    QFETCH(int, person2);
    QFETCH(QString, relations);
    QFETCH(QString, memo);
    QFETCH(QString, column0);
    QFETCH(QString, column1);
    TRelateBox& box = Show(person1, person2);
    QVERIFY(box.isVisible());
    QCOMPARE(Child<QLineEdit>(&box, "Relation1")->text() + u'|' +
                 Child<QLineEdit>(&box, "Relation2")->text(),
             relations);
    QCOMPARE(Child<QLineEdit>(&box, "AncestorMemo")->text(), memo);
    QVERIFY(box.grid().rowCount() >= TRelateBox::kMinimumRows);
    // Every cell past the names is empty.
    const QStringList names0 = column0.split(u'|', Qt::SkipEmptyParts);
    const QStringList names1 = column1.split(u'|', Qt::SkipEmptyParts);
    for (int row = 0; row < box.grid().rowCount(); ++row) {
      QCOMPARE(Cell(box, row, 0), names0.value(row));
      QCOMPARE(Cell(box, row, 1), names1.value(row));
    }
    QCOMPARE(Child<QPushButton>(&box, "btnPrint")->isEnabled(), !memo.isEmpty());
    QCOMPARE(Child<QPushButton>(&box, "btnSave")->isEnabled(), !memo.isEmpty());
  }

  void namesAndNumbersFollowTheFields() {
    TRelateBox& box = Show(6, 8);
    QCOMPARE(Child<QLineEdit>(&box, "IndName1")->text(), QStringLiteral("Evan Smith"));
    TypeAndLeave(Child<QLineEdit>(&box, "IndNo2"), QStringLiteral("3"));
    QCOMPARE(box.person2(), 3);
    QCOMPARE(Child<QLineEdit>(&box, "IndName2")->text(), QStringLiteral("Bob Smith"));
    QCOMPARE(Child<QLineEdit>(&box, "Relation1")->text(), QStringLiteral("Son"));
    // Letters are not taken.
    TypeAndLeave(Child<QLineEdit>(&box, "IndNo1"), QStringLiteral("x"));
    QCOMPARE(box.person1(), 0);
    // Person 1 is remembered; person 2 becomes the shown person on the next opening.
    TypeAndLeave(Child<QLineEdit>(&box, "IndNo1"), QStringLiteral("8"));
    box.close();
    fixture_->window->ShowIndividual(4);
    box.Open();
    QCOMPARE(box.person1(), 8);
    QCOMPARE(box.person2(), 4);
    QCOMPARE(Child<QLineEdit>(&box, "Relation2")->text(), QStringLiteral("Mother"));
  }

  void clickingANameShowsThePerson() {
    TRelateBox& box = Show(6, 8);
    box.RelateGridClick(0, 1);
    QCOMPARE(fixture_->window->shown().individual, 4);
    // An empty cell shows nobody else.
    box.RelateGridClick(5, 0);
    QCOMPARE(fixture_->window->shown().individual, 4);
    QCOMPARE(box.CellPerson(1, 0), 6);
    QCOMPARE(box.CellPerson(5, 0), 0);
  }

  void gridMenuOffersThePersonOfTheCell() {
    TRelateBox& box = Show(6, 8);
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (QAction* action : menu->actions()) texts << action->text();
      menu->actions().value(1)->trigger();
      menu->close();
    });
    box.RelateGridMenu(1, 1, box.mapToGlobal(QPoint(40, 40)));
    QCOMPARE(texts, (QStringList{"Show This Person", "Make Person 1", "Make Person 2"}));
    // Gail made person 1 as well.
    QCOMPARE(box.person1(), 8);
    QCOMPARE(Child<QLineEdit>(&box, "Relation1")->text(), QStringLiteral("Same Person"));
  }

  void personPageMenuOpensTheCalculatorOnTheHomePerson() {
    fixture_->store.set_home_person(1);
    fixture_->window->ShowIndividual(8);
    auto* page = fixture_->window->person_page();
    QAction* relate = nullptr;
    for (QAction* action : page->actions()) {
      if (action->text() == QStringLiteral("Relationship to Home Person")) relate = action;
    }
    QVERIFY(relate != nullptr);
    QCOMPARE(page->contextMenuPolicy(), Qt::ActionsContextMenu);
    relate->trigger();
    TRelateBox& box = fixture_->window->relate_box();
    QVERIFY(box.isVisible());
    QCOMPARE(box.person1(), 8);
    QCOMPARE(box.person2(), 1);
    QCOMPARE(Child<QLineEdit>(&box, "Relation1")->text(), QStringLiteral("Grand Daughter"));
    QCOMPARE(Child<QLineEdit>(&box, "Relation2")->text(), QStringLiteral("Grand Father"));
  }

  void savesPrintsAndWritesPdf() {
    TRelateBox& box = Show(6, 8);
    fixture_->ui.QueueAnswer(Answer::kYes);
    Click(Child<QPushButton>(&box, "btnSave"));
    const std::string path = kinloom::files::JoinPath(fixture_->work.folders().my_files,
                                                      "Relationship_000006_000008_0.txt");
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("Relationship Between:"));
    QVERIFY(text.contains("Evan Smith (6)  (First Cousin )"));
    QCOMPARE(fixture_->work.program_settings().report_file_counter, 1);
    QCOMPARE(fixture_->ui.records().size(), size_t{1});
    QCOMPARE(fixture_->ui.records()[0].caption,
             std::string(" Copy Relationship List to Computer File "));

    const QString pdf =
        QString::fromStdString(fixture_->home.path()) + QStringLiteral("/relate.pdf");
    box.outlet().prompts().pdf_file = [&](QWidget*, const QString&) { return pdf; };
    Click(Child<QPushButton>(&box, "btnPdf"));
    QCOMPARE(PdfPageCount(pdf), 1);

    const QString printed =
        QString::fromStdString(fixture_->home.path()) + QStringLiteral("/p.pdf");
    box.outlet().prompts().print = [&](QWidget*, QPrinter& printer, int pages) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printed);
      return pages == 1;
    };
    Click(Child<QPushButton>(&box, "btnPrint"));
    QCOMPARE(PdfPageCount(printed), 1);
  }

 private:
  TRelateBox& Show(int person1, int person2) {
    fixture_->window->ShowRelationship(person1, person2);
    return fixture_->window->relate_box();
  }

  std::unique_ptr<WindowFixture> fixture_;
};

QTEST_MAIN(RelateBoxTest)
#include "relate_box_test.moc"
