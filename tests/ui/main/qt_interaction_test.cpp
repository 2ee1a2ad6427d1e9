// The interaction layer with real dialogs: message boxes, the choice dialogs and the link
// fixer answered by clicking the modal dialog that comes up, and the progress window.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>

#include "core/tree_reading.h"
#include "reports/link_checker.h"
#include "reports/verifier.h"
#include "ui/main/progress_window.h"
#include "ui/main/qt_interaction.h"
#include "ui_test_support.h"

using kinloom::platform::Answer;
using kinloom::platform::Buttons;
using kinloom::platform::Icon;
using kinloom::testing::Child;
using kinloom::ui::QtInteraction;

namespace {

// Answers the modal dialogs as they come up, one action per dialog, in order. A dialog
// without an action left is closed with Escape and counted as unexpected.
class ModalScript : public QObject {
 public:
  using Action = std::function<void(QWidget*)>;

  ModalScript() {
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start(5);
  }

  ModalScript& Then(Action action) {
    actions_.push_back(std::move(action));
    return *this;
  }
  // Clicks the button of that object name, or of that text in a message box, where a user clicks
  // a radio button: on its circle, not in the empty space right of a short text.
  ModalScript& Click(const QString& name) {
    return Then([name](QWidget* dialog) { ClickIn(dialog, name); });
  }
  ModalScript& Escape() {
    return Then([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
  }

  const QStringList& titles() const { return titles_; }
  int unexpected() const { return unexpected_; }
  bool done() const { return actions_.empty(); }

  static void ClickIn(QWidget* dialog, const QString& name) {
    for (auto* button : dialog->findChildren<QAbstractButton*>()) {
      if (button->objectName() == name || button->text().remove('&') == name) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        return;
      }
    }
    qWarning("no button %s in %s", qPrintable(name), qPrintable(dialog->windowTitle()));
    QTest::keyClick(dialog, Qt::Key_Escape);
  }

 private:
  void Poll() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible()) return;
    if (dialog == handled_.data()) {
      // An action that failed half-way leaves its dialog open: close it, the test goes on.
      if (since_handled_.elapsed() > kStuckMs) {
        ++unexpected_;
        handled_ = nullptr;
        dialog->close();
      }
      return;
    }
    handled_ = dialog;
    since_handled_.start();
    titles_.append(dialog->windowTitle());
    if (actions_.empty()) {
      ++unexpected_;
      QTest::keyClick(dialog, Qt::Key_Escape);
      return;
    }
    Action action = std::move(actions_.front());
    actions_.pop_front();
    action(dialog);
  }

  static constexpr int kStuckMs = 3000;
  QTimer timer_;
  QElapsedTimer since_handled_;
  std::deque<Action> actions_;
  QPointer<QWidget> handled_;
  QStringList titles_;
  int unexpected_ = 0;
};

// John has a parent family that does not exist; the family lists Ann, who does not point back.
// clang-format off
const std::vector<std::string> kBrokenLinks = {
    "0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M", "1 FAMC @F000009@", "1 FAMS @F000001@",
    "0 @I000002@ INDI", "1 NAME Mary /Brown/", "1 SEX F", "1 FAMS @F000001@",
    "0 @I000003@ INDI", "1 NAME Ann /Smith/", "1 SEX F",
    "0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@"};
// clang-format on

// A tree read from a file of these records, with real dialogs (over `parent`, when given).
struct LoadedTree {
  kinloom::testing::TempDir dir;
  kinloom::platform::FixedClock clock{kinloom::testing::TestNow()};
  QtInteraction ui{&clock};
  kinloom::store::RecordStore store{ui};
  kinloom::reports::LinkCheckSession session;

  explicit LoadedTree(const std::vector<std::string>& records, QWidget* parent = nullptr) {
    ui.SetStore(&store);
    if (parent != nullptr) ui.SetParent(parent);
    std::vector<std::string> lines = {"0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI"};
    lines.insert(lines.end(), records.begin(), records.end());
    lines.push_back("0 TRLR");
    kinloom::testing::WriteFileBytes(dir.File("tree.ged"), kinloom::testing::CrLfJoin(lines));
    (void)kinloom::core::ReadTree(store, dir.File("tree.ged"), false);
  }
  std::vector<std::string> Person(int n) const {
    return kinloom::testing::RecordLines(store.individual(n)->lines);
  }
};

}  // namespace

class QtInteractionTest : public QObject {
  Q_OBJECT

 private slots:
  void MessagesShowTheTextsAndGiveTheClickedOrSafeAnswer() {
    QtInteraction ui;
    ModalScript script;
    script.Then([](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      QVERIFY(box != nullptr);
      QCOMPARE(box->windowTitle(), QStringLiteral("Delete Individual"));
      // Line ends become plain new lines, the Latin-1 text is read as such, markup stays text.
      QCOMPARE(box->text(), QString::fromUtf8("This will delete the record for this individual\n"
                                              "and all notes.\n\nDelete: Zoë <b>Smith</b> (3)"));
      QCOMPARE(box->icon(), QMessageBox::Question);
      QCOMPARE(box->textFormat(), Qt::PlainText);
      ModalScript::ClickIn(box, QStringLiteral("Yes"));
    });
    QVERIFY(ui.Ask("Delete Individual",
                   "This will delete the record for this individual\n\rand all "
                   "notes.\n\r\n\rDelete: Zo\xEB <b>Smith</b> (3)",
                   Icon::kQuestion, Buttons::kYesNo) == Answer::kYes);

    // Escape gives the safe answer.
    script.Escape().Escape().Escape().Click(QStringLiteral("No"));
    QVERIFY(ui.Ask("Q", "yes or no?", Icon::kQuestion, Buttons::kYesNo) == Answer::kNo);
    QVERIFY(ui.Ask("Q", "yes, no or cancel?", Icon::kQuestion, Buttons::kYesNoCancel) ==
            Answer::kCancel);
    ui.Message("Error", "No Unused Family Record Available", Icon::kExclamation);
    QVERIFY(ui.Ask("Q", "no?", Icon::kQuestion, Buttons::kYesNoCancel) == Answer::kNo);
    QVERIFY(script.done());

    // Message icons follow the caller.
    std::vector<QMessageBox::Icon> icons;
    const auto note_icon = [&](QWidget* dialog) {
      icons.push_back(qobject_cast<QMessageBox*>(dialog)->icon());
      ModalScript::ClickIn(dialog, QStringLiteral("OK"));
    };
    script.Then(note_icon).Then(note_icon);
    ui.Message("** Incorrect File Format **", "This file is not a gedcom", Icon::kStop);
    ui.Message(" *** Unable to Add Person ***", "Cannot add", Icon::kExclamation);
    QCOMPARE(icons, (std::vector<QMessageBox::Icon>{QMessageBox::Critical, QMessageBox::Warning}));
    QCOMPARE(script.unexpected(), 0);
  }

  void AskWithCheckGivesTheBoxState() {
    QtInteraction ui;
    ModalScript script;
    script.Then([](QWidget* dialog) {
      auto* check = dialog->findChild<QCheckBox*>();
      QVERIFY(check != nullptr);
      QCOMPARE(check->text(), QStringLiteral("Skip this group"));
      QTest::mouseClick(check, Qt::LeftButton);
      ModalScript::ClickIn(dialog, QStringLiteral("No"));
    });
    bool checked = false;
    QVERIFY(ui.AskWithCheck("Problem", "Fix it?", Icon::kQuestion, Buttons::kYesNo,
                            "Skip this group", &checked) == Answer::kNo);
    QVERIFY(checked);

    // The file replacement question has its own window.
    script.Then([](QWidget* dialog) {
      QCOMPARE(dialog->objectName(), QStringLiteral("TOverWrtBox"));
      QCOMPARE(dialog->windowTitle(), QStringLiteral(" Confirm File Replacement"));
      QTest::mouseClick(Child<QCheckBox>(dialog, "cbNoMoreMessages"), Qt::LeftButton);
      ModalScript::ClickIn(dialog, QStringLiteral("btnYes"));
    });
    checked = false;
    QVERIFY(ui.AskWithCheck(
                " Confirm File Replacement", "Replace?", Icon::kQuestion, Buttons::kYesNoCancel,
                "Do Not Show More Write Over Messages for This Group", &checked) == Answer::kYes);
    QVERIFY(checked);
  }

  void ChoiceDialogsGiveTheClickedChoice() {
    QtInteraction ui;
    ModalScript script;
    script.Then([](QWidget* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Parent Types"));
      QCOMPARE(Child<QLabel>(dialog, "lblChild")->text(), QString::fromUtf8("Zoë Smith (3)"));
      QVERIFY(Child<QRadioButton>(dialog, "rbKind1")->isChecked());
      ModalScript::ClickIn(dialog, QStringLiteral("rbKind6"));
      ModalScript::ClickIn(dialog, QStringLiteral("btnOK"));
    });
    script.Click(QStringLiteral("btnCancel"));
    QCOMPARE(ui.ChooseParentType("John Smith (1)", "Mary Brown (2)", "Zo\xEB Smith (3)", 1),
             std::optional<int>(6));
    QCOMPARE(ui.ChooseParentType("F", "M", "C", 0), std::nullopt);

    script.Then([](QWidget* dialog) {
      ModalScript::ClickIn(dialog, QStringLiteral("rbSpouse"));
      ModalScript::ClickIn(dialog, QStringLiteral("Make Changes"));
    });
    script.Click(QStringLiteral("Make Changes")).Escape();
    QCOMPARE(ui.ChooseRemainingParent("Anne (3)", "Carl (5)"), std::optional<int>(1));
    QCOMPARE(ui.ChooseRemainingParent("Anne (3)", "Carl (5)"), std::optional<int>(0));
    QCOMPARE(ui.ChooseRemainingParent("Anne (3)", "Carl (5)"), std::nullopt);
  }

  // Ignore asks the checker's warning once; No brings the fixer back; Fix B removes the link;
  // Auto Fix repairs the rest without another dialog.
  void LinkCheckAnsweredInTheFixer() {
    LoadedTree tree(kBrokenLinks);
    ModalScript script;
    script.Then([](QWidget* dialog) {
      const QString upper = Child<QLabel>(dialog, "gbUpperText")->text();
      QVERIFY2(upper.startsWith(QStringLiteral("John Smith (1)")), qPrintable(upper));
      ModalScript::ClickIn(dialog, QStringLiteral("btnIgnore"));
    });
    script.Click(QStringLiteral("No"))
        .Click(QStringLiteral("btnFixB"))
        .Click(QStringLiteral("rbAutoFix"));
    const auto result = kinloom::reports::CheckLinks(tree.store, tree.session);
    QCOMPARE(script.titles(),
             (QStringList{"Fix Links", "*** Warning ***", "Fix Links", "Fix Links"}));
    QCOMPARE(script.unexpected(), 0);
    QCOMPARE(result.problems, 2);
    QCOMPARE(result.removed, 1);
    QCOMPARE(result.repaired, 1);
    QCOMPARE(tree.session.ignores_confirmed, 0);
    QVERIFY(!kinloom::testing::HasLine(tree.Person(1), "1 FAMC @F000009@"));
    QVERIFY(kinloom::testing::HasLine(tree.Person(3), "1 FAMC @F000001@"));
  }

  void ProgressThroughTheInteraction() {
    auto window = std::make_unique<QWidget>();
    window->show();
    QtInteraction ui;
    ui.SetParent(window.get());
    ui.ProgressShow("Starting:  Zo\xEB", "Reading Family Tree Records");
    auto* progress = window->findChild<kinloom::ui::ProgressWindow*>();
    QVERIFY(progress != nullptr);
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->windowTitle(), QString::fromUtf8("Starting:  Zoë"));
    ui.ProgressRange(10);
    ui.ProgressPosition(4);
    ui.ProgressText("Checking Links for Individuals");
    QCOMPARE(progress->text(), QStringLiteral("Checking Links for Individuals"));
    ui.ProgressHide();
    QVERIFY(!progress->isVisible());
    // The window owns the progress window and may go first.
    window.reset();
    ui.ProgressHide();
    ui.ProgressShow("Again", "");
    ui.ProgressHide();
  }
  void CancelButtonComesWithTheFirstQuestionAndIsAnswered() {
    auto window = std::make_unique<QWidget>();
    window->show();
    QtInteraction ui;
    ui.SetParent(window.get());
    QVERIFY(!ui.ProgressCancelRequested());  // no window yet
    ui.ProgressShow("Verifying Records", "");
    auto* progress = window->findChild<kinloom::ui::ProgressWindow*>();
    QVERIFY(progress->cancel_button()->isHidden());
    QVERIFY(!ui.ProgressCancelRequested());
    QVERIFY(progress->cancel_button()->isVisible());
    if (qEnvironmentVariableIsSet("KINLOOM_SHOTS")) {
      progress->grab().save(qEnvironmentVariable("KINLOOM_SHOTS") + "/progress.png");
    }
    // While the operation runs, clicks on other windows are dropped; Cancel takes its click.
    auto* other = new QPushButton(QStringLiteral("Other"), window.get());
    other->show();
    QSignalSpy other_clicks(other, &QPushButton::clicked);
    QTest::qWait(kinloom::ui::ProgressWindow::kRepaintMs + 10);
    const QPoint middle = other->rect().center();
    QCoreApplication::postEvent(
        other, new QMouseEvent(QEvent::MouseButtonPress, middle, other->mapToGlobal(middle),
                               Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        other, new QMouseEvent(QEvent::MouseButtonRelease, middle, other->mapToGlobal(middle),
                               Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QVERIFY(!ui.ProgressCancelRequested());
    QCOMPARE(other_clicks.count(), 0);
    QTest::mouseClick(progress->cancel_button(), Qt::LeftButton);
    QVERIFY(ui.ProgressCancelRequested());
    QVERIFY(!progress->cancel_button()->isEnabled());
    ui.ProgressHide();
    // The next operation starts afresh, without the button until it asks.
    ui.ProgressShow("Again", "");
    QVERIFY(progress->cancel_button()->isHidden());
    QVERIFY(!ui.ProgressCancelRequested());
    ui.ProgressHide();
  }

  void CancelStopsAVerifierRun() {
    auto window = std::make_unique<QWidget>();
    window->show();
    // People with their surname in capitals: one problem each.
    constexpr int kPeople = 3000;
    std::vector<std::string> records;
    for (int n = 1; n <= kPeople; ++n) {
      char id[32];
      std::snprintf(id, sizeof id, "0 @I%06d@ INDI", n);
      records.insert(records.end(), {id, "1 NAME Tom /HALE/", "1 SEX M"});
    }
    LoadedTree tree(records, window.get());
    QCOMPARE(tree.store.highest_individual(), kPeople);
    // Cancel is clicked as soon as the run's progress window is up.
    QTimer::singleShot(0, [&] {
      auto* progress = window->findChild<kinloom::ui::ProgressWindow*>();
      if (progress != nullptr && progress->isVisible()) progress->cancel_button()->click();
    });
    kinloom::reports::VerifyOptions options;
    for (int error : {22, 26, 28}) options.settings.set_check(error, false);
    kinloom::reports::ProblemList list;
    const auto outcome = kinloom::reports::RunVerifier(tree.store, options, &list);
    QVERIFY(outcome.cancelled);
    QVERIFY(list.size() < static_cast<size_t>(kPeople) / 2);
    QVERIFY(!window->findChild<kinloom::ui::ProgressWindow*>()->isVisible());
  }
};

QTEST_MAIN(QtInteractionTest)
#include "qt_interaction_test.moc"
