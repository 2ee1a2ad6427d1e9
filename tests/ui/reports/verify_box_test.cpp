#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "reports/verifier_texts.h"
#include "ui/reports/problem_box.h"
#include "ui/reports/problem_table_model.h"
#include "ui/reports/verify_box.h"
#include "ui_test_support.h"

using kinloom::reports::CapitalsCheck;
using kinloom::reports::VerifierSettings;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::WindowFixture;
using kinloom::ui::TProblemBox;
using kinloom::ui::TVerifyBox;

namespace {

// 1 dies aged 150 (error 7); 2 is buried before her death (18); 3 and 4 are one woman entered
// twice (28); 1 and 2 are married, 3, 4 and 5 stand alone (26).
const std::vector<std::string> kPlanted = kinloom::testing::Split(
    "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 BIRT|2 DATE 1 JAN 1800|1 DEAT|"
    "2 DATE 1 JAN 1950|1 FAMS @F000001@\n"
    "0 @I000002@ INDI|1 NAME Mary /Jones/|1 SEX F|1 BIRT|2 DATE 1 JAN 1900|1 DEAT|"
    "2 DATE 1 JAN 1950|1 BURI|2 DATE 1 JAN 1949|1 FAMS @F000001@\n"
    "0 @I000003@ INDI|1 NAME Ann /Lee/|1 SEX F|1 BIRT|2 DATE 5 MAY 1901\n"
    "0 @I000004@ INDI|1 NAME Ann /Lee/|1 SEX F|1 BIRT|2 DATE 5 MAY 1901\n"
    "0 @I000005@ INDI|1 NAME Bob /Ray/|1 SEX M\n"
    "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 MARR|2 DATE 1 JAN 1920",
    "|\n");

bool HasRow(const kinloom::reports::ProblemList& list, int record, int error) {
  return std::ranges::any_of(list.rows(),
                             [&](const auto& r) { return r.record == record && r.error == error; });
}

}  // namespace

class VerifyBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheProgramSettingsAndGivesThemBack() {
    WindowFixture f;
    QVERIFY(f.Load(kPlanted));
    auto& program = f.work.program_settings();
    program.verifier.surname_capitals = CapitalsCheck::kIgnore;
    program.verifier.burial_days = 45;
    program.verifier.set_check(26, false);
    program.sources_changed = false;
    TVerifyBox box(*f.window);
    QCOMPARE(box.windowTitle(), QStringLiteral("Family Tree Verifier and Problem Spotter"));
    QVERIFY(Child<QRadioButton>(&box, "rbVer03_2")->isChecked());
    QVERIFY(Child<QRadioButton>(&box, "rbVer01_0")->isChecked());
    QVERIFY(!Child<QCheckBox>(&box, "cbVer26")->isChecked());
    QVERIFY(Child<QCheckBox>(&box, "cbVer28")->isChecked());
    QCOMPARE(Child<QCheckBox>(&box, "cbVer08")->text(), QStringLiteral("Burial over"));
    auto* burial = Child<QSpinBox>(&box, "udVer08");
    QCOMPARE(QList({burial->value(), burial->minimum(), burial->maximum()}), QList({45, 10, 1000}));
    QVERIFY(Child<QRadioButton>(&box, "rbVerSkip")->isChecked());
    QVERIFY(!Child<QCheckBox>(&box, "cb1600")->isChecked());
    // Every check has its box, every threshold its up-down.
    for (int error = 7; error <= 37; ++error) QVERIFY(box.check_box(error) != nullptr);
    for (int error : {7, 8, 9, 10, 11, 12, 13, 34}) QVERIFY(box.up_down(error) != nullptr);
    QVERIFY(box.up_down(14) == nullptr);
    QCOMPARE(box.Collect(), program.verifier);

    Child<QSpinBox>(&box, "udVer07")->setValue(95);
    Click(Child<QCheckBox>(&box, "cbVer30"));
    Click(Child<QRadioButton>(&box, "rbVer05_1"));
    QVERIFY(!program.sources_changed);
    box.reject();
    QCOMPARE(program.verifier.death_age, 95);
    QVERIFY(!program.verifier.check_on(30));
    QCOMPARE(program.verifier.date_capitals, CapitalsCheck::kSomeLowerCase);
    QVERIFY(program.sources_changed);
  }

  void ReSetPutsTheKeptSettingsBack() {
    WindowFixture f;
    QVERIFY(f.Load(kPlanted));
    auto& program = f.work.program_settings();
    program.kept_verifier = VerifierSettings::KeptDefaults();
    program.kept_verifier.set_check(9, true);
    TVerifyBox box(*f.window);
    Click(Child<QPushButton>(&box, "btnReSet"));
    QCOMPARE(box.Collect(), program.kept_verifier);
    QCOMPARE(Child<QSpinBox>(&box, "udVer07")->value(), 105);
    QVERIFY(!Child<QCheckBox>(&box, "cbVer07")->isChecked());
    QVERIFY(!Child<QSpinBox>(&box, "udVer07")->isEnabled());
    QVERIFY(Child<QCheckBox>(&box, "cbVer09")->isChecked());
  }

  void ARunFillsTheListAndTheSummary() {
    WindowFixture f;
    QVERIFY(f.Load(kPlanted));
    TVerifyBox box(*f.window);
    int shown_rows = -1;
    QString shown_title;
    QTimer::singleShot(0, [&] {
      auto* list = qobject_cast<TProblemBox*>(QApplication::activeModalWidget());
      if (list == nullptr) return;
      shown_rows = list->model().rowCount();
      shown_title = list->windowTitle();
      list->reject();
    });
    Click(Child<QPushButton>(&box, "btnCheck"));
    const auto& list = box.problems();
    QVERIFY(HasRow(list, 1, 7) && HasRow(list, 2, 18) && HasRow(list, 5, 26));
    QVERIFY(HasRow(list, 3, 28) && HasRow(list, 4, 28));
    QCOMPARE(shown_rows, static_cast<int>(list.size()));
    QCOMPARE(shown_title, QStringLiteral("Potential Problems List"));
    // The summary came before the list, with the count of every error found.
    const auto& said = f.ui.records();
    QVERIFY(!said.empty());
    QCOMPARE(said.back().caption, std::string(kinloom::reports::kSummaryCaption));
    QVERIFY(said.back().text.find("*** " + std::to_string(list.total()) +
                                  " Potential Problems Found ***") != std::string::npos);
    QVERIFY(said.back().text.find("001 - Death after age of 110") != std::string::npos);
    QVERIFY(!f.ui.progress_visible());
    QVERIFY(!box.last_run_cancelled());
  }

  void ARunWithoutProblemsOpensNoList() {
    WindowFixture f;
    QVERIFY(f.Load(kinloom::testing::Split("0 @I000001@ INDI|1 NAME Bob /Ray/|1 SEX M")));
    TVerifyBox box(*f.window);
    bool opened = false;
    QTimer::singleShot(0, [&] {
      if (QApplication::activeModalWidget() != nullptr) {
        opened = true;
        QApplication::activeModalWidget()->close();
      }
    });
    box.btnCheckClick();
    QTest::qWait(1);
    QVERIFY(!opened);
    QVERIFY(box.problems().empty());
    QVERIFY(f.ui.records().back().text.find("No Potential Problem Found") != std::string::npos);
  }

  void TheReportsMenuOpensTheVerifier() {
    WindowFixture f;
    QVERIFY(f.Load(kPlanted));
    QAction* action = f.window->commands().Find(QStringLiteral("actVerifier"));
    QVERIFY(action != nullptr);
    QString title;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<TVerifyBox*>(QApplication::activeModalWidget())) {
        title = box->windowTitle();
        box->reject();
      }
    });
    action->trigger();
    QCOMPARE(title, QStringLiteral("Family Tree Verifier and Problem Spotter"));
  }
};

QTEST_MAIN(VerifyBoxTest)
#include "verify_box_test.moc"
