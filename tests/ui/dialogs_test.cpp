// The Parent Types, Remove Spouse and link fixer dialogs and the progress window, driven by
// clicks on their own controls.
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "reports/link_problems.h"
#include "ui/fix_link_box.h"
#include "ui/parents_box.h"
#include "ui/progress_window.h"
#include "ui/remove_spc_box.h"
#include "ui_test_support.h"

using kinloom::platform::LinkFixAnswer;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::ui::ProgressWindow;
using kinloom::ui::TFixLkBox;
using kinloom::ui::TParentsBox;
using kinloom::ui::TRemoveSpc;

namespace {

const std::vector<std::string> kCouple = {
    "0 @I000001@ INDI",  "1 NAME John /Smith/", "1 SEX M",          "1 BIRT",
    "2 DATE 1 JAN 1900", "1 FAMS @F000001@",    "0 @I000002@ INDI", "1 NAME Mary /Brown/",
    "1 SEX F",           "1 FAMS @F000001@",    "0 @I000003@ INDI", "1 NAME Ann /Smith/",
    "1 SEX F",           "1 FAMC @F000001@",    "0 @F000001@ FAM",  "1 HUSB @I000001@",
    "1 WIFE @I000002@",  "1 CHIL @I000003@",
};

QString LabelText(QWidget* parent, const char* name) {
  return Child<QLabel>(parent, name)->text();
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void ParentTypesShowsThePeopleAndTheEightKinds() {
    TParentsBox box(nullptr, QStringLiteral("John Smith (1)"), QStringLiteral("Mary Brown (2)"),
                    QString::fromUtf8("Zoë Smith (3)"), 4);
    QCOMPARE(box.windowTitle(), QStringLiteral("Parent Types"));
    QCOMPARE(LabelText(&box, "lblFather"), QStringLiteral("John Smith (1)"));
    QCOMPARE(LabelText(&box, "lblMother"), QStringLiteral("Mary Brown (2)"));
    QCOMPARE(LabelText(&box, "lblChild"), QString::fromUtf8("Zoë Smith (3)"));
    QCOMPARE(Child<QRadioButton>(&box, "rbKind0")->text(),
             QStringLiteral("Both are Biological Birth Parents"));
    QCOMPARE(Child<QRadioButton>(&box, "rbKind7")->text(),
             QStringLiteral("Both are Child Sealing Parents"));
    QVERIFY(Child<QRadioButton>(&box, "rbKind4")->isChecked());
    QCOMPARE(box.chosen_kind(), 4);
  }

  void ParentTypesGivesTheClickedKind() {
    TParentsBox box(nullptr, "F", "M", "C", 0);
    QVERIFY(Child<QRadioButton>(&box, "rbKind0")->isChecked());
    Click(Child<QRadioButton>(&box, "rbKind2"));
    QVERIFY(!Child<QRadioButton>(&box, "rbKind0")->isChecked());
    Click(Child<QPushButton>(&box, "btnOK"));
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QCOMPARE(box.chosen_kind(), 2);
  }

  void ParentTypesCancelAndOutOfRangeOffer() {
    TParentsBox box(nullptr, "F", "M", "C", 9);
    QVERIFY(Child<QRadioButton>(&box, "rbKind0")->isChecked());
    Click(Child<QPushButton>(&box, "btnCancel"));
    QCOMPARE(box.result(), int(QDialog::Rejected));
  }

  void RemoveSpouseTextsAndChoice() {
    TRemoveSpc box(nullptr, QStringLiteral("Anne Smith (3)"), QStringLiteral("Carl Young (5)"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Remove Spouse From Family"));
    QCOMPARE(LabelText(&box, "lblExplain"),
             QStringLiteral("If Children need to be divided between the two individuals.\n"
                            "Select one individual now for all children to remain with.\n"
                            "Then separately move each child into the correct family."));
    auto* person = Child<QRadioButton>(&box, "rbPerson");
    auto* spouse = Child<QRadioButton>(&box, "rbSpouse");
    QCOMPARE(person->text(), QStringLiteral("Anne Smith (3)"));
    QCOMPARE(spouse->text(), QStringLiteral("Carl Young (5)"));
    QVERIFY(person->isChecked());
    QCOMPARE(box.chosen(), 0);
    Click(spouse);
    auto* make = Child<QPushButton>(&box, "btnMakeChanges");
    QCOMPARE(make->text(), QStringLiteral("Make Changes"));
    Click(make);
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QCOMPARE(box.chosen(), 1);
  }

  void RemoveSpouseCancel() {
    TRemoveSpc box(nullptr, "A", "B");
    Click(Child<QPushButton>(&box, "btnCancel"));
    QCOMPARE(box.result(), int(QDialog::Rejected));
  }

  void FixLinkShowsTheProblem() {
    const auto problem = kinloom::reports::MissingFamilyRecord(12, 600000);
    TFixLkBox box(nullptr, problem);
    QCOMPARE(LabelText(&box, "lblTitle"), QStringLiteral("Missing Family Record - Number: 600000"));
    QCOMPARE(LabelText(&box, "lblExplain"),
             QStringLiteral("The person above includes a reference to a family.\n"
                            "But the record for that family does not yet exist.\n"
                            "You can remove the reference to that family."));
    QCOMPARE(Child<QGroupBox>(&box, "gbUpper")->title(), QStringLiteral("Individual Information"));
    QCOMPARE(Child<QGroupBox>(&box, "gbLower")->title(), QStringLiteral("Family Members"));
    QCOMPARE(LabelText(&box, "lblFixA"), QStringLiteral("Create Family and Add Person to it"));
    QCOMPARE(LabelText(&box, "lblFixB"), QStringLiteral("Remove Reference to that Family"));
    auto* fix_a = Child<QPushButton>(&box, "btnFixA");
    QCOMPARE(fix_a->text(), QStringLiteral("Fix A"));
    QCOMPARE(fix_a->toolTip(), QStringLiteral(" Fix Reference Link by Adding the Missing Link "));
    QCOMPARE(Child<QPushButton>(&box, "btnFixB")->toolTip(),
             QStringLiteral(" Fix Problem Reference Link by Deleting It "));
    QCOMPARE(Child<QPushButton>(&box, "btnIgnore")->text(), QStringLiteral("Ignore"));
    QVERIFY(!fix_a->isEnabled());  // number 600000 cannot be made
    QCOMPARE(Child<QRadioButton>(&box, "rbStop")->text(),
             QStringLiteral("Stop Checking -- Leave Missing Links Unchanged"));
    QCOMPARE(Child<QRadioButton>(&box, "rbAutoFix")->text(),
             QStringLiteral("Auto Fix Missing Links -- Use Fix A if Available"));
    auto* go_on = Child<QRadioButton>(&box, "rbContinue");
    QCOMPARE(go_on->text(), QStringLiteral("Continue Checking -- Manually Select Fix or Ignore"));
    QVERIFY(go_on->isChecked());
  }

  void FixLinkButtonsGiveTheirAnswers() {
    const auto problem = kinloom::reports::MissingFamilyRecord(12, 40);
    const std::pair<const char*, LinkFixAnswer> cases[] = {
        {"btnFixA", LinkFixAnswer::kRepair},   {"btnFixB", LinkFixAnswer::kRemove},
        {"btnIgnore", LinkFixAnswer::kIgnore}, {"rbAutoFix", LinkFixAnswer::kAutoFix},
        {"rbStop", LinkFixAnswer::kStop},
    };
    for (const auto& [name, expected] : cases) {
      TFixLkBox box(nullptr, problem);
      box.show();
      QVERIFY(Child<QPushButton>(&box, "btnFixA")->isEnabled());
      QTest::mouseClick(Child<QAbstractButton>(&box, name), Qt::LeftButton);
      QVERIFY2(!box.isVisible(), name);
      QCOMPARE(box.result(), int(QDialog::Accepted));
      QVERIFY2(box.answer() == expected, name);
    }
  }

  void FixLinkEscapeIsIgnore() {
    TFixLkBox box(nullptr, kinloom::reports::MissingPersonSource(1, 5));
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(!box.isVisible());
    QVERIFY(box.answer() == LinkFixAnswer::kIgnore);
  }

  void FixLinkDescribesTheRecordsFromTheStore() {
    kinloom::testing::TestTree tree;
    kinloom::testing::LoadOwnTree(tree, kCouple);
    const auto member =
        kinloom::reports::MissingFamilyMember(3, 1, kinloom::reports::MemberRole::kChild);
    TFixLkBox upper_person(nullptr, member, &tree.store);
    const QString person = LabelText(&upper_person, "gbUpperText");
    QVERIFY2(person.startsWith(QStringLiteral("Ann Smith (3)")), qPrintable(person));
    QVERIFY2(person.contains(QStringLiteral("Father: John Smith (1)")), qPrintable(person));
    const QString family = LabelText(&upper_person, "gbLowerText");
    QVERIFY2(family.contains(QStringLiteral("Husband: John Smith (1)")), qPrintable(family));
    QVERIFY2(family.contains(QStringLiteral("Wife: Mary Brown (2)")), qPrintable(family));
    QVERIFY2(family.contains(QStringLiteral("Child: Ann Smith (3)")), qPrintable(family));

    TFixLkBox upper_family(nullptr, kinloom::reports::MissingPersonRecord(1, 77), &tree.store);
    QCOMPARE(Child<QGroupBox>(&upper_family, "gbUpper")->title(), QStringLiteral("Family Members"));
    QVERIFY(LabelText(&upper_family, "gbUpperText").contains(QStringLiteral("Wife: Mary Brown")));
    QCOMPARE(Child<QGroupBox>(&upper_family, "gbLower")->title(),
             QStringLiteral("Individual Information"));
    QCOMPARE(LabelText(&upper_family, "gbLowerText"),
             QStringLiteral("Missing Person Record - Number: 77"));
    QVERIFY(Child<QPushButton>(&upper_family, "btnFixA")->isEnabled());
  }

  void ProgressWindowShowsAndHides() {
    QWidget main;
    main.show();
    ProgressWindow progress(&main);
    QVERIFY(!progress.isVisible());
    progress.ShowProgress(QStringLiteral("Starting:  Test"),
                          QStringLiteral("Reading Family Tree Records"));
    QVERIFY(progress.isVisible());
    QVERIFY(!progress.isModal());
    QCOMPARE(progress.windowTitle(), QStringLiteral("Starting:  Test"));
    QCOMPARE(progress.label(), QStringLiteral("Reading Family Tree Records"));
    progress.SetRange(1000);
    progress.SetPosition(250);
    progress.SetText(QStringLiteral("Record 250"));
    QCOMPARE(progress.text(), QStringLiteral("Record 250"));
    QCOMPARE(progress.maximum(), 1000);
    QCOMPARE(progress.position(), 250);
    progress.HideProgress();
    QVERIFY(!progress.isVisible());
    QCOMPARE(Child<QProgressBar>(&progress, "barProgress")->value(), 250);
  }

  void ProgressWindowTakesManyUpdatesQuickly() {
    QWidget main;
    main.show();
    ProgressWindow progress(&main);
    progress.ShowProgress(QStringLiteral("Checking"), QString());
    progress.SetRange(100000);
    QElapsedTimer timer;
    timer.start();
    for (int n = 1; n <= 100000; ++n) progress.SetPosition(n);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(progress.position(), 100000);
    progress.HideProgress();
    QCOMPARE(Child<QProgressBar>(&progress, "barProgress")->value(), 100000);
  }

  // An operation inside another: the inner show only changes the texts, and after the inner
  // one hides the window, the outer one's next update brings it back with the outer texts.
  void ProgressWindowKeepsTheOuterOperation() {
    QWidget main;
    main.show();
    ProgressWindow progress(&main);
    progress.ShowProgress(QStringLiteral("Starting:  Test"), QStringLiteral("Reading"));
    progress.ShowProgress(QStringLiteral("Free Memory for Individual Records"), QString());
    QVERIFY(progress.isVisible());
    QCOMPARE(progress.windowTitle(), QStringLiteral("Free Memory for Individual Records"));
    progress.HideProgress();
    QVERIFY(!progress.isVisible());
    progress.ShowProgress(QStringLiteral("Initializing Chart"), QString());
    QCOMPARE(progress.windowTitle(), QStringLiteral("Initializing Chart"));
    progress.HideProgress();
    QVERIFY(!progress.isVisible());
    progress.SetPosition(5);
    QVERIFY(progress.isVisible());
    QCOMPARE(progress.windowTitle(), QStringLiteral("Starting:  Test"));
    QCOMPARE(progress.label(), QStringLiteral("Reading"));
    progress.HideProgress();
    QVERIFY(!progress.isVisible());
    // The outer operation has ended: a stray update leaves the window hidden.
    progress.SetPosition(6);
    progress.SetText(QStringLiteral("late"));
    QVERIFY(!progress.isVisible());
  }

  void ProgressWindowForgetsTheOuterOperationInTheEventLoop() {
    QWidget main;
    main.show();
    ProgressWindow progress(&main);
    progress.ShowProgress(QStringLiteral("One"), QString());
    progress.ShowProgress(QStringLiteral("Two"), QString());
    progress.HideProgress();
    QCoreApplication::processEvents();
    progress.SetPosition(3);
    QVERIFY(!progress.isVisible());
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
