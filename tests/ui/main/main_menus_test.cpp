#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "core/family_ops.h"
#include "files/data_folders.h"
#include "store/line_edit.h"
#include "ui/main/option_effects.h"
#include "ui/person/person_page.h"
#include "ui_test_support.h"

using kinloom::platform::Answer;
using kinloom::testing::Child;
using kinloom::testing::ReadFileBytes;
using kinloom::testing::WindowFixture;

namespace {

// John (1) and Mary (2) with Anne (3) and Peter (4); Anne married Carl (5).
const std::vector<std::string> kFamily = kinloom::testing::Records({
    "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 FAMS @F000001@",
    "0 @I000002@ INDI|1 NAME Mary /Brown/|1 SEX F|1 FAMS @F000001@",
    "0 @I000003@ INDI|1 NAME Anne /Smith/|1 SEX F|1 FAMC @F000001@|1 FAMS @F000002@",
    "0 @I000004@ INDI|1 NAME Peter /Smith/|1 SEX M|1 FAMC @F000001@",
    "0 @I000005@ INDI|1 NAME Carl /Young/|1 SEX M|1 FAMS @F000002@",
    "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000003@|1 CHIL @I000004@",
    "0 @F000002@ FAM|1 HUSB @I000005@|1 WIFE @I000003@",
});

QAction* Action(WindowFixture& f, const char* name) {
  QAction* action = f.window->commands().Find(QString::fromLatin1(name));
  if (action == nullptr) qFatal("no action %s", name);
  return action;
}

QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (QAction* action : actions) {
    if (!action->isSeparator()) texts << kinloom::ui::PlainText(action->text());
  }
  return texts;
}

// Triggers the action; the modal window it opens is closed unanswered. Its object name (or
// title) and the name of the widget holding the focus in it.
QStringList ModalOpenedBy(QAction* action) {
  QStringList seen;
  QTimer::singleShot(0, [&seen] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    seen << (modal->objectName().isEmpty() ? modal->windowTitle() : modal->objectName());
    seen << (modal->focusWidget() != nullptr ? modal->focusWidget()->objectName() : QString());
    modal->close();
  });
  action->trigger();
  return seen;
}

QString StatusText(WindowFixture& f, const char* label) {
  return Child<QLabel>(f.window.get(), label)->text();
}

int People(WindowFixture& f) {
  return kinloom::ui::CountPeople(f.store);
}

}  // namespace

class MainMenusTest : public QObject {
  Q_OBJECT

 private slots:
  void MenusHoldTheCommandsInOrderWithTheirShortcuts() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    QMenuBar* bar = f.window->menuBar();
    QCOMPARE(Texts(bar->actions()),
             (QStringList{"File", "Edit", "Go", "Tools", "Reports", "Help"}));
    auto menu = [&](int i) { return Texts(bar->actions()[i]->menu()->actions()); };
    QCOMPARE(menu(0), (QStringList{"New Tree", "Open", "Merge File", "Save", "Save As",
                                   "Save a Copy", "Close", "Quit"}));
    QCOMPARE(menu(1), (QStringList{"Add Father", "Add Mother", "Add Spouse", "Add Child",
                                   "Delete Person", "Copy Person", "Paste Person"}));
    QCOMPARE(menu(2), (QStringList{"Back", "Forward", "Home", "Find"}));
    QCOMPARE(menu(3), (QStringList{"Sources", "Hide Information", "Split Tree", "Check Links",
                                   "Options", "Automatic Entry", "Address Book"}));
    QCOMPARE(menu(4), (QStringList{"Reports", "Relationship Calculator", "Verifier", "Statistics",
                                   "To-Do Lists"}));
    QCOMPARE(menu(5),
             (QStringList{"User's Guide", "Keyboard Shortcuts", "Licence", "About Kinloom"}));
    // The tool bar keeps its buttons, with the menus' own actions.
    auto* tools = Child<QToolBar>(f.window.get(), "mainToolBar");
    QCOMPARE(Texts(tools->actions()),
             (QStringList{"Open", "Save", "Save As", "Back", "Forward", "Home", "Find", "Sources",
                          "Options", "Reports", "Hide Information", "Split Tree"}));
    QVERIFY(tools->actions().contains(Action(f, "actSave")));
    QVERIFY(Action(f, "actSave")->toolTip().endsWith(QStringLiteral("(Ctrl+S)")));
    // A later window's menu is one call, and goes before Help.
    f.window->commands().Add(QStringLiteral("&Window"),
                             {"actCascade", QStringLiteral("&Cascade"), {}, QString()}, [] {});
    QCOMPARE(Texts(bar->actions()),
             (QStringList{"File", "Edit", "Go", "Tools", "Reports", "Window", "Help"}));
  }

  void EachDialogCommandOpensItsWindow_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("Open") << "actOpen" << QStringList{"TOpenBox", ""};
    QTest::newRow("Save As") << "actSaveAs" << QStringList{"TSaveFileBox", ""};
    QTest::newRow("Save a Copy") << "actSaveCopy" << QStringList{"TSaveFileBox", "btnSaveSplit"};
    QTest::newRow("Find") << "actFind" << QStringList{"TSearchBox", "SearchFor"};
    QTest::newRow("Sources") << "actSources" << QStringList{"TSourcesBox", ""};
    QTest::newRow("Hide Information") << "actHide" << QStringList{"TExcludeBox", ""};
    QTest::newRow("Split Tree") << "actSplit" << QStringList{"TSplitBox", ""};
    QTest::newRow("Options") << "actOptions" << QStringList{"TOptionBox", ""};
    QTest::newRow("Keyboard Shortcuts") << "actShortcuts" << QStringList{"ShortcutsBox", ""};
    QTest::newRow("About") << "actAbout" << QStringList{"About Kinloom", ""};
  }

  void EachDialogCommandOpensItsWindow() {
    QFETCH(QString, action);
    QFETCH(QStringList, opened);
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    f.window->show();
    const QStringList seen = ModalOpenedBy(Action(f, action.toLatin1().constData()));
    QCOMPARE(seen.value(0), opened[0]);
    if (!opened[1].isEmpty()) QCOMPARE(seen.value(1), opened[1]);
  }

  void TheShortcutListNamesEveryShortcut() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    QStringList rows;
    QTimer::singleShot(0, [&rows] {
      QWidget* box = QApplication::activeModalWidget();
      auto* table = box->findChild<QTableWidget*>(QStringLiteral("ShortcutList"));
      for (int row = 0; table != nullptr && row < table->rowCount(); ++row) {
        rows << table->item(row, 1)->text() + "=" + table->item(row, 2)->text();
      }
      box->close();
    });
    Action(f, "actShortcuts")->trigger();
    for (const char* row : {"Save=Ctrl+S", "Find=Ctrl+F", "Add Father=Ctrl+Shift+F",
                            "Check Links=Ctrl+L", "Back=Alt+Left", "Save As=Ctrl+Shift+S"}) {
      QVERIFY2(rows.contains(QLatin1String(row)), row);
    }
    QVERIFY(!rows.contains(QStringLiteral("Merge File=")));  // no shortcut, not listed
  }

  // Each Edit command works on the person shown, on the person page.
  void PersonCommandsEditTheShownPerson_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("people");
    QTest::addColumn<int>("relatives");  // father, mother, marriages and children shown
    QTest::newRow("Add Father") << "actAddFather" << 6 << 4;
    QTest::newRow("Add Mother") << "actAddMother" << 6 << 4;
    QTest::newRow("Add Spouse") << "actAddSpouse" << 6 << 2;  // the new marriage is shown
    QTest::newRow("Add Child") << "actAddChild" << 6 << 4;
    QTest::newRow("Delete Person") << "actDeletePerson" << 4 << -1;
  }

  void PersonCommandsEditTheShownPerson() {
    QFETCH(QString, action);
    QFETCH(int, people);
    QFETCH(int, relatives);
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    f.window->ShowPage(QStringLiteral("chart"));
    f.ui.QueueAnswer(Answer::kYes);  // the question before a deletion
    Action(f, action.toLatin1().constData())->trigger();
    QCOMPARE(People(f), people);
    const kinloom::core::ShownState& shown = f.window->shown();
    if (relatives >= 0) {
      QCOMPARE(int(shown.father != 0) + int(shown.mother != 0) + int(shown.families.size()) +
                   int(shown.children.size()),
               relatives);
    } else {
      QVERIFY(shown.individual != 1 && f.store.individual(shown.individual) != nullptr);
    }
    QCOMPARE(f.window->findChild<QTabWidget*>(QStringLiteral("pages"))->currentIndex(),
             action == QLatin1String("actDeletePerson") ? 3 : 0);
    // A father shown cannot be added again.
    QCOMPARE(Action(f, "actAddFather")->isEnabled(), shown.father == 0);
  }

  void FileCommandsMakeMergeSaveAndCloseTrees() {
    WindowFixture f;
    QVERIFY(f.Load({"0 @I000001@ INDI", "1 NAME Ola /Berg/"}, 1, "Other"));
    QVERIFY(f.Load(kFamily, 1));
    // Merge File adds the people of the file chosen.
    QString asked_folder;
    f.window->prompts().merge_file = [&](QWidget*, const QString& folder) {
      asked_folder = folder;
      return QString::fromStdString(f.GedcomPath("Other"));
    };
    Action(f, "actMerge")->trigger();
    QCOMPARE(asked_folder.toStdString(), f.work.folders().gedcom);
    QCOMPARE(People(f), 6);
    f.ui.ClearRecords();
    // New Tree asks for a name, then whether to keep the merge.
    f.window->prompts().new_tree_name = [](QWidget*) { return QStringLiteral(" Fresh.ged "); };
    f.ui.QueueAnswer(Answer::kNo);
    Action(f, "actNew")->trigger();
    QCOMPARE(f.work.session().tree_name, std::string("Fresh"));
    QCOMPARE(People(f), 1);
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"Confirm"});
    // A name already taken is refused.
    f.window->prompts().new_tree_name = [](QWidget*) { return QStringLiteral("Other"); };
    Action(f, "actNew")->trigger();
    QCOMPARE(f.work.session().tree_name, std::string("Fresh"));
    // Close asks as closing does, and opens what the start window chose.
    f.window->show();
    kinloom::core::SetSex(f.store, 1, 2);
    f.window->TreeEdited();
    f.window->prompts().start_window = [&f](kinloom::files::TreeWorkspace&,
                                            kinloom::platform::Interaction&) {
      return f.GedcomPath("Other");
    };
    f.ui.ClearRecords();
    f.ui.QueueAnswer(Answer::kYes);
    Action(f, "actClose")->trigger();
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"Confirm"});
    QVERIFY(ReadFileBytes(f.GedcomPath("Fresh")).find("1 SEX F") != std::string::npos);
    QCOMPARE(f.work.session().tree_name, std::string("Other"));
    QVERIFY(f.window->isVisible());
    // A cancelled start window ends the program.
    f.window->prompts().start_window = [](kinloom::files::TreeWorkspace&,
                                          kinloom::platform::Interaction&) {
      return std::string();
    };
    Action(f, "actClose")->trigger();
    QVERIFY(!f.window->isVisible());
  }

  void QuitClosesTheWindowAsClosingDoes() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    f.window->show();
    kinloom::core::SetSex(f.store, 4, 2);
    f.window->TreeEdited();
    f.ui.QueueAnswer(Answer::kCancel);
    Action(f, "actQuit")->trigger();
    QVERIFY(f.window->isVisible());
    f.ui.QueueAnswer(Answer::kNo);
    Action(f, "actQuit")->trigger();
    QVERIFY(!f.window->isVisible());
  }

  void CheckLinksRepairsTheOpenTree() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    // Peter's record loses its link to his parents' family.
    kinloom::store::LineNode* peter = f.store.individual(4)->lines;
    kinloom::store::LineNode* before = peter;
    while (before->next->text() != "1 FAMC @F000001@") before = before->next;
    kinloom::store::RemoveLineAndSubs(f.store, peter, before);
    f.ui.QueueLinkFix(kinloom::platform::LinkFixAnswer::kRepair);
    Action(f, "actCheckLinks")->trigger();
    QVERIFY(kinloom::testing::HasLine(f.Person(4), "1 FAMC @F000001@"));
    QCOMPARE(f.ui.records().back().caption, std::string("Check Links"));
    QVERIFY(f.ui.records().back().text.find("1 repaired") != std::string::npos);
    QVERIFY(f.work.session().changed.tree_modified);
  }

  void StatusBarTellsNameCountsAndChanges() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    QCOMPARE(StatusText(f, "lblTreeName"), QStringLiteral("Test"));
    QCOMPARE(StatusText(f, "lblTreeCounts"), QStringLiteral("5 people, 2 families"));
    QCOMPARE(StatusText(f, "lblTreeState"), QStringLiteral("No changes"));
    f.window->person_page()->AddChild();
    QCOMPARE(StatusText(f, "lblTreeCounts"), QStringLiteral("6 people, 2 families"));
    QCOMPARE(StatusText(f, "lblTreeState"), QStringLiteral("Unsaved changes"));
    Action(f, "actSave")->trigger();
    QCOMPARE(StatusText(f, "lblTreeState"), QStringLiteral("Saved \"Test\" at 09:05"));
    f.clock.AdvanceSeconds(600);
    kinloom::core::SetSex(f.store, 4, 2);
    f.window->TreeEdited();
    QCOMPARE(StatusText(f, "lblTreeState"),
             QStringLiteral("Unsaved changes since the save at 09:05"));
    f.work.session().auto_save.enabled = true;
    f.window->RestartAutoSave();
    f.clock.AdvanceSeconds(601);
    f.window->AutoSaveTick();
    QCOMPARE(StatusText(f, "lblTreeState"),
             QStringLiteral("Saved \"Test\" automatically at 09:25"));
    // Another tree starts afresh.
    kinloom::files::OpenRequest request;
    request.path = f.GedcomPath("New One");
    QVERIFY(f.window->OpenTreeFile(request));
    QCOMPARE(StatusText(f, "lblTreeName"), QStringLiteral("New One"));
    QCOMPARE(StatusText(f, "lblTreeCounts"), QStringLiteral("1 person, 0 families"));
    QCOMPARE(StatusText(f, "lblTreeState"), QStringLiteral("No changes"));
    QCOMPARE(kinloom::ui::TreeStatusBar::CountsText(0, 1), QStringLiteral("0 people, 1 family"));
  }

  // Hints by the cursor follow the option; the tool bar's show the shortcut.
  void HintsShowWithTheOption() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    auto* tools = Child<QToolBar>(f.window.get(), "mainToolBar");
    QWidget* save = tools->widgetForAction(Action(f, "actSave"));
    QWidget* add_father = Child<QWidget>(f.window.get(), "btnAddFather");
    for (bool hints : {false, true}) {
      kinloom::ui::SetHintsShown(hints);
      for (QWidget* widget : {save, add_father}) {
        QVERIFY(!widget->toolTip().isEmpty());
        const QPoint at = widget->rect().center();
        QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        QCOMPARE(QToolTip::isVisible(), hints);
        if (hints) QCOMPARE(QToolTip::text(), widget->toolTip());
        QToolTip::hideText();
      }
    }
    kinloom::ui::SetHintsShown(true);
  }
};

QTEST_MAIN(MainMenusTest)
#include "main_menus_test.moc"
