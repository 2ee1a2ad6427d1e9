// The Parent Types, Remove Spouse and link fixer dialogs and the progress window, driven by
// clicks on their own controls.
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "reports/link_problems.h"
#include "ui/dialogs/fix_link_box.h"
#include "ui/dialogs/parents_box.h"
#include "ui/dialogs/remove_spc_box.h"
#include "ui/main/progress_window.h"
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
  // Clicking a kind or a spouse and the dialogs' answers are checked through the interaction
  // layer (qt_interaction_test); here the texts and the out-of-range offer.
  void ParentTypesShowsThePeopleAndTheKinds() {
    TParentsBox box(nullptr, QStringLiteral("John Smith (1)"), QStringLiteral("Mary Brown (2)"),
                    QString::fromUtf8("Zoë Smith (3)"), 4);
    QCOMPARE(LabelText(&box, "lblFather"), QStringLiteral("John Smith (1)"));
    QCOMPARE(LabelText(&box, "lblMother"), QStringLiteral("Mary Brown (2)"));
    QCOMPARE(Child<QRadioButton>(&box, "rbKind0")->text(),
             QStringLiteral("Both are Biological Birth Parents"));
    QCOMPARE(Child<QRadioButton>(&box, "rbKind7")->text(),
             QStringLiteral("Both are Child Sealing Parents"));
    QVERIFY(Child<QRadioButton>(&box, "rbKind4")->isChecked());
    QCOMPARE(box.chosen_kind(), 4);

    // A kind out of range offers the first one.
    TParentsBox odd(nullptr, "F", "M", "C", 9);
    QVERIFY(Child<QRadioButton>(&odd, "rbKind0")->isChecked());
    QCOMPARE(odd.chosen_kind(), 0);
  }

  void RemoveSpouseTextsAndCancel() {
    TRemoveSpc box(nullptr, QStringLiteral("Anne Smith (3)"), QStringLiteral("Carl Young (5)"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Remove Spouse From Family"));
    QCOMPARE(LabelText(&box, "lblExplain"),
             QStringLiteral("If Children need to be divided between the two individuals.\n"
                            "Select one individual now for all children to remain with.\n"
                            "Then separately move each child into the correct family."));
    QCOMPARE(Child<QRadioButton>(&box, "rbPerson")->text(), QStringLiteral("Anne Smith (3)"));
    QCOMPARE(Child<QRadioButton>(&box, "rbSpouse")->text(), QStringLiteral("Carl Young (5)"));
    QCOMPARE(Child<QPushButton>(&box, "btnMakeChanges")->text(), QStringLiteral("Make Changes"));
    Click(Child<QPushButton>(&box, "btnCancel"));
    QCOMPARE(box.result(), int(QDialog::Rejected));
  }

  void FixLinkShowsTheProblem() {
    TFixLkBox box(nullptr, kinloom::reports::MissingFamilyRecord(12, 600000));
    const std::pair<const char*, const char*> labels[] = {
        {"lblTitle", "Missing Family Record - Number: 600000"},
        {"lblExplain",
         "The person above includes a reference to a family.\n"
         "But the record for that family does not yet exist.\n"
         "You can remove the reference to that family."},
        {"lblFixA", "Create Family and Add Person to it"},
        {"lblFixB", "Remove Reference to that Family"},
    };
    for (const auto& [name, text] : labels) QCOMPARE(LabelText(&box, name), QString(text));
    const std::pair<const char*, const char*> buttons[] = {
        {"btnFixA", "Fix A"},
        {"btnIgnore", "Ignore"},
        {"rbStop", "Stop Checking -- Leave Missing Links Unchanged"},
        {"rbAutoFix", "Auto Fix Missing Links -- Use Fix A if Available"},
        {"rbContinue", "Continue Checking -- Manually Select Fix or Ignore"},
    };
    for (const auto& [name, text] : buttons) {
      QCOMPARE(Child<QAbstractButton>(&box, name)->text(), QString(text));
    }
    QCOMPARE(Child<QGroupBox>(&box, "gbUpper")->title(), QStringLiteral("Individual Information"));
    QCOMPARE(Child<QGroupBox>(&box, "gbLower")->title(), QStringLiteral("Family Members"));
    auto* fix_a = Child<QPushButton>(&box, "btnFixA");
    QCOMPARE(fix_a->toolTip() + Child<QPushButton>(&box, "btnFixB")->toolTip(),
             QStringLiteral(" Fix Reference Link by Adding the Missing Link "
                            " Fix Problem Reference Link by Deleting It "));
    QVERIFY(!fix_a->isEnabled());  // number 600000 cannot be made
    QVERIFY(Child<QRadioButton>(&box, "rbContinue")->isChecked());
  }

  void FixLinkButtonsAndEscapeGiveTheirAnswers() {
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
    TFixLkBox box(nullptr, kinloom::reports::MissingPersonSource(1, 5));
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);  // Escape is Ignore
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
    for (const char* line :
         {"Husband: John Smith (1)", "Wife: Mary Brown (2)", "Child: Ann Smith (3)"})
      QVERIFY2(family.contains(QString::fromLatin1(line)), qPrintable(family));

    TFixLkBox upper_family(nullptr, kinloom::reports::MissingPersonRecord(1, 77), &tree.store);
    QCOMPARE(Child<QGroupBox>(&upper_family, "gbUpper")->title(), QStringLiteral("Family Members"));
    QVERIFY(LabelText(&upper_family, "gbUpperText").contains(QStringLiteral("Wife: Mary Brown")));
    QCOMPARE(Child<QGroupBox>(&upper_family, "gbLower")->title(),
             QStringLiteral("Individual Information"));
    QCOMPARE(LabelText(&upper_family, "gbLowerText"),
             QStringLiteral("Missing Person Record - Number: 77"));
    QVERIFY(Child<QPushButton>(&upper_family, "btnFixA")->isEnabled());
  }

  void ProgressWindowShowsHidesAndKeepsTheOuterOperation() {
    QWidget main;
    main.show();
    ProgressWindow progress(&main);
    QVERIFY(!progress.isVisible());
    progress.ShowProgress(QStringLiteral("Starting:  Test"),
                          QStringLiteral("Reading Family Tree Records"));
    QVERIFY(progress.isVisible() && !progress.isModal());
    QCOMPARE(progress.label(), QStringLiteral("Reading Family Tree Records"));
    // Many updates in a row; the bar keeps the last.
    progress.SetRange(100000);
    for (int n = 1; n <= 100000; ++n) progress.SetPosition(n);
    progress.HideProgress();
    QVERIFY(!progress.isVisible());
    QCOMPARE(Child<QProgressBar>(&progress, "barProgress")->value(), 100000);

    // An operation inside another: the inner show only changes the texts, and after the inner
    // one hides the window, the outer one's next update brings it back with the outer texts.
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
    // A nested operation's outer one is forgotten once the event loop has run.
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
