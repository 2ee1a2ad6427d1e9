#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <string>
#include <vector>

#include "charts/report_printing.h"
#include "files/data_folders.h"
#include "report_test_tree.h"
#include "ui/reports/print_box.h"
#include "ui/reports/print_box_forms.h"
#include "ui_test_support.h"

using kinloom::platform::Answer;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::PdfPageCount;
using kinloom::testing::ReportTestTree;
using kinloom::testing::WindowFixture;
using kinloom::ui::PrintBoxForms;
using kinloom::ui::TPrintBox;
using Form = PrintBoxForms::Form;

namespace {

// The lines of a saved report (UTF-8, CR LF).
QStringList FileLines(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines;
  for (const QByteArray& line : file.readAll().split('\n')) {
    lines << QString::fromUtf8(line.endsWith('\r') ? line.chopped(1) : line);
  }
  return lines;
}

// The print dialog's file output, with the pages chosen in it.
void AnswerPrintWithPdf(TPrintBox& box, const QString& path, int from, int to, int* offered) {
  box.outlet().prompts().print = [=](QWidget*, QPrinter& printer, int pages) {
    *offered = pages;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (from > 0) {
      printer.setPrintRange(QPrinter::PageRange);
      printer.setFromTo(from, to);
    }
    return true;
  };
}

}  // namespace

class PrintBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    fixture_ = std::make_unique<WindowFixture>();
    QVERIFY(fixture_->Load(ReportTestTree(), 6));
  }
  void cleanup() { fixture_.reset(); }

  void reportsMenuOpensTheWindowOnTheShownPerson() {
    QAction* reports = fixture_->window->commands().Find(QStringLiteral("actReports"));
    QVERIFY(reports != nullptr);
    QVERIFY(!reports->shortcut().isEmpty());
    QVERIFY(fixture_->window->commands().Find(QStringLiteral("actRelationship")) != nullptr);
    // The Reports menu stands before Help.
    const QList<QAction*> menus = fixture_->window->menuBar()->actions();
    int reports_at = -1, help_at = -1;
    for (int i = 0; i < menus.size(); ++i) {
      if (menus[i]->text() == QStringLiteral("&Reports")) reports_at = i;
      if (menus[i]->text() == QStringLiteral("&Help")) help_at = i;
    }
    QVERIFY(reports_at >= 0);
    QCOMPARE(reports_at + 1, help_at);
    reports->trigger();
    TPrintBox& box = fixture_->window->print_box();
    QVERIFY(box.isVisible());
    QCOMPARE(box.HighlightedPerson(), 6);
    QStringList tabs;
    for (int i = 0; i < box.pages().count(); ++i) tabs << box.pages().tabText(i);
    QCOMPARE(tabs, (QStringList{"Ancestors and Descendants", "Family Forms", "Wall Chart"}));
    // Another page is one call.
    QCOMPARE(box.AddPage(new QWidget, QStringLiteral("Another")), 3);
  }

  void typingFindsAName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found");
    QTest::newRow("surname") << "Ross" << 7;
    QTest::newRow("surname and given") << "ross, g" << 8;
    QTest::newRow("number") << "9" << 9;
    QTest::newRow("nobody") << "Zed" << 6;
  }
  void typingFindsAName() {
    QFETCH(QString, typed);
    QFETCH(int, found);
    TPrintBox& box = Open();
    auto* find = Child<QLineEdit>(&box, "FindName");
    find->setFocus();
    QTest::keyClicks(find, typed);
    QCOMPARE(box.HighlightedPerson(), found);
  }

  void savedListsAreNamedWithTheCounter() {
    TPrintBox& box = Open();
    const std::string my_files = fixture_->work.folders().my_files;
    fixture_->ui.QueueAnswer(Answer::kYes);
    Click(Child<QPushButton>(&box, "btnSaveAncList"));
    const QStringList ancestors =
        FileLines(kinloom::files::JoinPath(my_files, "Ancestors_000006_0.txt"));
    QVERIFY(ancestors.size() >= 4);
    QVERIFY(ancestors[0].startsWith(QStringLiteral("Evan Smith (6)")));
    QCOMPARE(ancestors[0].size(), 80);
    QCOMPARE(ancestors[1], QString(80, u'-'));
    QCOMPARE(ancestors.mid(2, 2), (QStringList{"        /Adam Smith (1)   b. 3 MAR 1901  d. 1970",
                                               "    /Bob Smith (3)   "}));

    // A declined save writes nothing and keeps the counter.
    box.Highlight(1);
    Child<QSpinBox>(&box, "DescGenNo")->setValue(2);
    fixture_->ui.QueueAnswer(Answer::kNo);
    Click(Child<QPushButton>(&box, "btnSaveDescList"));
    QCOMPARE(fixture_->work.program_settings().report_file_counter, 1);
    fixture_->ui.QueueAnswer(Answer::kYes);
    Click(Child<QPushButton>(&box, "btnSaveDescList"));
    const QStringList descendants =
        FileLines(kinloom::files::JoinPath(my_files, "Descendants_000001_1.txt"));
    QCOMPARE(descendants.mid(2, 3), (QStringList{"1 Adam Smith (1) b. 3 MAR 1901 d. 1970",
                                                 "  + Eve Jones (2)", "    2 Bob Smith (3)"}));
    // Two generations: Bob's son stays out.
    QVERIFY(!descendants.join(u'|').contains(QStringLiteral("Evan")));
    QCOMPARE(fixture_->work.program_settings().report_file_counter, 2);
    QVERIFY(fixture_->work.program_settings().sources_changed);
    QVERIFY(Child<QLabel>(&box, "SavedFile")
                ->text()
                .contains(QStringLiteral("Descendants_000001_1.txt")));
  }

  void eachFormIsWrittenAsPdf_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("person");
    QTest::addColumn<int>("pages");
    QTest::newRow("family group sheet") << static_cast<int>(Form::kFamilySheet) << 1 << 1;
    QTest::newRow("blank sheet, with room for ten children")
        << static_cast<int>(Form::kBlankSheet) << 1 << 2;
    QTest::newRow("pedigree") << static_cast<int>(Form::kPedigree) << 6 << 1;
    QTest::newRow("person details") << static_cast<int>(Form::kPersonDetails) << 1 << 1;
    QTest::newRow("source list") << static_cast<int>(Form::kSourceList) << 1 << 1;
  }
  void eachFormIsWrittenAsPdf() {
    QFETCH(int, form);
    QFETCH(int, person);
    QFETCH(int, pages);
    TPrintBox& box = Open();
    QVERIFY(box.Highlight(person));
    QString suggested;
    const QString path = QString::fromStdString(fixture_->home.path()) + QStringLiteral("/form");
    box.outlet().prompts().pdf_file = [&](QWidget*, const QString& name) {
      suggested = name;
      return path;
    };
    auto* forms = box.findChild<PrintBoxForms*>();
    const QString written = forms->SaveFormAsPdf(static_cast<Form>(form));
    QCOMPARE(written, path + QStringLiteral(".pdf"));
    QVERIFY(suggested.startsWith(QString::fromStdString(fixture_->work.folders().my_files)));
    QVERIFY(suggested.endsWith(QStringLiteral(".pdf")));
    QCOMPARE(PdfPageCount(written), pages);
  }

  void familySheetOffersTheMarriagesOfThePerson() {
    TPrintBox& box = Open();
    auto* choice = Child<QComboBox>(&box, "FamilyChoice");
    QVERIFY(box.Highlight(4));
    QCOMPARE(choice->count(), 1);
    QCOMPARE(choice->itemText(0), QStringLiteral("Marriage 1: with Finn Ross (7)"));
    QCOMPARE(box.findChild<PrintBoxForms*>()->ChosenFamily(), 3);
    QVERIFY(Child<QPushButton>(&box, "btnPdfFamilySheet")->isEnabled());
    QVERIFY(box.Highlight(9));
    QCOMPARE(choice->count(), 0);
    QVERIFY(!Child<QPushButton>(&box, "btnPrintFamilySheet")->isEnabled());
    kinloom::reports::ReportJob job;
    QVERIFY(!box.findChild<PrintBoxForms*>()->MakeJob(Form::kFamilySheet, &job));
  }

  void printingHonoursThePageRange() {
    QVERIFY(fixture_->Load(ReportTestTree(260), 1, "Long"));
    TPrintBox& box = Open();
    QCOMPARE(box.HighlightedPerson(), 1);
    const QString path =
        QString::fromStdString(fixture_->home.path()) + QStringLiteral("/list.pdf");
    int offered = 0;
    AnswerPrintWithPdf(box, path, 2, 3, &offered);
    Click(Child<QPushButton>(&box, "btnPrintDescList"));
    QVERIFY2(offered >= 4, qPrintable(QString::number(offered)));
    QCOMPARE(PdfPageCount(path), 2);
    // Without a range every page prints.
    AnswerPrintWithPdf(box, path, 0, 0, &offered);
    Click(Child<QPushButton>(&box, "btnPrintDescList"));
    QCOMPARE(PdfPageCount(path), offered);
    // Cancelling the dialog prints nothing.
    QFile::remove(path);
    box.outlet().prompts().print = [](QWidget*, QPrinter&, int) { return false; };
    Click(Child<QPushButton>(&box, "btnPrintAncList"));
    QVERIFY(!QFile::exists(path));
    QVERIFY(fixture_->ui.records().empty());
  }

  void aMissingPrinterIsReported() {
    TPrintBox& box = Open();
    bool native = false;
    box.outlet().prompts().print = [&](QWidget*, QPrinter& printer, int) {
      printer.setOutputFormat(QPrinter::NativeFormat);
      printer.setPrinterName(QStringLiteral("No Such Printer"));
      native = printer.outputFormat() == QPrinter::NativeFormat && !printer.isValid();
      return true;
    };
    Click(Child<QPushButton>(&box, "btnPrintAncList"));
    if (!native) QSKIP("this Qt picks the PDF output when no printer is installed");
    QCOMPARE(fixture_->ui.records().size(), size_t{1});
    QCOMPARE(fixture_->ui.records()[0].caption, std::string(" No Printer Available"));
    QCOMPARE(fixture_->ui.records()[0].text,
             std::string("Printer is not connected or not installed."));
  }

 private:
  TPrintBox& Open() {
    fixture_->window->ShowReports();
    return fixture_->window->print_box();
  }

  std::unique_ptr<WindowFixture> fixture_;
};

QTEST_MAIN(PrintBoxTest)
#include "print_box_test.moc"
