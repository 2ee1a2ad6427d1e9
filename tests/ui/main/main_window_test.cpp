#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <string_view>

#include "core/family_ops.h"
#include "files/data_folders.h"

#include "core/shown_state.h"
#include "ui/main/program.h"
#include "ui/reports/stats_box.h"
#include "ui/reports/stats_box_grid.h"
#include "ui_test_support.h"

using kinloom::files::FileExists;
using kinloom::platform::Answer;
using kinloom::testing::ReadFileBytes;
using kinloom::testing::WindowFixture;

namespace {

using kinloom::testing::Records;

// John and Mary with children Anne (3) and Peter (4); Anne married Carl (5), then Dan (6).
const std::vector<std::string> kFamily = Records({
    "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 FAMS @F000001@",
    "0 @I000002@ INDI|1 NAME Mary /Brown/|1 SEX F|1 FAMS @F000001@",
    "0 @I000003@ INDI|1 NAME Anne /Smith/|1 SEX F|1 FAMC @F000001@|"
    "1 FAMS @F000002@|1 FAMS @F000003@",
    "0 @I000004@ INDI|1 NAME Peter /Smith/|1 SEX M|1 FAMC @F000001@",
    "0 @I000005@ INDI|1 NAME Carl /Young/|1 SEX M|1 FAMS @F000002@",
    "0 @I000006@ INDI|1 NAME Dan /Old/|1 SEX M|1 FAMS @F000003@",
    "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 MARR|1 CHIL @I000003@|1 CHIL @I000004@",
    "0 @F000002@ FAM|1 HUSB @I000005@|1 WIFE @I000003@|1 MARR",
    "0 @F000003@ FAM|1 HUSB @I000006@|1 WIFE @I000003@|1 MARR",
});

// Types into a box of a page of the window without leaving the box.
void TypeWithoutLeaving(WindowFixture& f, const QString& page, const char* box,
                        const QString& text) {
  f.window->show();
  f.window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
  f.window->ShowPage(page);
  auto* target = f.window->findChild<QWidget*>(QString::fromLatin1(box));
  QVERIFY(target != nullptr);
  target->setFocus();
  QTest::keyClicks(target, text);
}

// Makes an edit the window knows of: Peter becomes female.
void EditTree(WindowFixture& f) {
  kinloom::core::SetSex(f.store, 4, 2);
  f.window->TreeEdited();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ShownStateFollowsTheLinksAndTheCaptionNamesTheTree() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3, "Smith"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Kinloom - Smith"));
    const kinloom::core::ShownState& shown = f.window->shown();
    QCOMPARE(shown.individual, 3);
    QCOMPARE(shown.father, 1);
    QCOMPARE(shown.mother, 2);
    QCOMPARE(shown.families.size(), size_t{2});
    QCOMPARE(shown.spouse, 5);
    f.window->ShowSpouse(1);
    QCOMPARE(f.window->shown().spouse, 6);
    f.window->ShowSpouse(7);  // beyond the last marriage: the last one
    QCOMPARE(f.window->shown().spouse, 6);
    f.window->ShowIndividual(1);
    QCOMPARE(f.window->shown().children, (std::vector<int>{3, 4}));
  }

  // Back, Forward and Home of the Go menu.
  void BackAndForwardRetraceThePeopleShown() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    auto action = [&f](const char* name) {
      return f.window->commands().Find(QString::fromLatin1(name));
    };
    for (int n : {3, 5}) f.window->ShowIndividual(n);
    const std::pair<const char*, int> moves[] = {{"actBack", 3}, {"actBack", 1}, {"actForward", 3}};
    for (auto [go, individual] : moves) {
      action(go)->trigger();
      QCOMPARE(f.window->shown().individual, individual);
    }
    f.window->ShowIndividual(6);  // a new path drops the forward entries
    QVERIFY(!f.window->history().CanGoForward());
    QVERIFY(!action("actForward")->isEnabled());
    f.window->ShowIndividual(999);  // no such person: nothing changes
    QCOMPARE(f.window->shown().individual, 6);
    action("actHome")->trigger();
    QCOMPARE(f.window->shown().individual, 1);
    // The history keeps the newest thousand visits.
    kinloom::core::NavigationHistory& history = f.window->history();
    for (int i = 0; i < 1500; ++i) history.Visit(1 + i % 6);
    QCOMPARE(history.size(), 1000);
    int steps = 0;
    while (history.Back() >= 0) ++steps;
    QCOMPARE(steps, 999);
  }

  void ClosingAsksOnlyWhileTheTreeIsChanged() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    f.window->show();
    QVERIFY(f.window->close());  // unchanged: no question
    QVERIFY(f.ui.records().empty());
    f.window->show();
    EditTree(f);
    const std::string before = ReadFileBytes(f.GedcomPath());
    f.ui.QueueAnswer(Answer::kCancel);
    QVERIFY(!f.window->close());
    QCOMPARE(ReadFileBytes(f.GedcomPath()), before);
    f.ui.QueueAnswer(Answer::kYes);
    QVERIFY(f.window->close());
    QVERIFY(ReadFileBytes(f.GedcomPath()).find("1 NAME Peter /Smith/\r\n1 SEX F") !=
            std::string::npos);
    QVERIFY(FileExists(kinloom::files::TreeFile(f.work.folders().config, "Test", ".cfg")));
    QCOMPARE(f.ui.Captions(), (std::vector<std::string>{"Confirm", "Confirm"}));
  }

  // What is typed into a box belongs to the person shown while it was typed, and is saved, even
  // when the box was never left.
  void TypedTextIsWrittenBeforeSavingClosingOrMoving_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("line");
    const auto row = [](const char* name, const char* page, const char* box, const char* action,
                        const char* line) {
      QTest::newRow(name) << QString::fromLatin1(page) << QString::fromLatin1(box)
                          << QString::fromLatin1(action) << QString::fromLatin1(line);
    };
    row("Ctrl+S", "person", "FamBirtDate", "save", "2 DATE 12 JUN 1950");
    row("Ctrl+S, note", "person", "FamNote", "save", "1 NOTE 12 JUN 1950");
    row("Ctrl+S, details", "details", "DetEmigDate", "save", "2 DATE 12 JUN 1950");
    row("closing, Yes", "person", "FamBirtDate", "close", "2 DATE 12 JUN 1950");
    row("automatic save", "person", "FamBirtPlace", "auto", "2 PLAC 12 JUN 1950");
    row("Back", "person", "FamBirtDate", "back", "2 DATE 12 JUN 1950");
  }

  void TypedTextIsWrittenBeforeSavingClosingOrMoving() {
    QFETCH(QString, page);
    QFETCH(QString, box);
    QFETCH(QString, action);
    QFETCH(QString, line);
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    f.window->ShowIndividual(3);
    kinloom::files::TreeSession& session = f.work.session();
    session.auto_save.enabled = true;
    f.window->RestartAutoSave();
    TypeWithoutLeaving(f, page, box.toLatin1().constData(), QStringLiteral("12 JUN 1950"));
    QWidget* typed_in = QApplication::focusWidget();
    if (action == QLatin1String("save")) {
      QTest::keyClick(typed_in, Qt::Key_S, Qt::ControlModifier);
    } else if (action == QLatin1String("close")) {
      f.ui.QueueAnswer(Answer::kYes);
      QVERIFY(f.window->close());
      QCOMPARE(f.ui.Captions(), std::vector<std::string>{"Confirm"});
    } else if (action == QLatin1String("auto")) {
      f.clock.AdvanceSeconds(11 * 60);
      f.window->AutoSaveTick();
    } else {
      QTest::keyClick(typed_in, Qt::Key_Left, Qt::AltModifier);
      QCOMPARE(f.window->shown().individual, 1);
      QVERIFY(!kinloom::testing::HasLine(f.Person(1), line.toStdString()));
    }
    if (action != QLatin1String("back")) {
      QVERIFY(!session.changed.TreeChanged());
      kinloom::files::OpenRequest reopen;
      reopen.path = f.GedcomPath();
      QVERIFY(f.window->OpenTreeFile(reopen));
    }
    QVERIFY(kinloom::testing::HasLine(f.Person(3), line.toStdString()));
  }

  void AutomaticSaveWaitsForItsPeriodAndForEdits() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    kinloom::files::TreeSession& session = f.work.session();
    session.auto_save.enabled = true;
    session.auto_save.minutes = 10;
    f.window->RestartAutoSave();
    QVERIFY(f.window->auto_save_timer().isActive());
    QCOMPARE(f.window->auto_save_timer().interval(), 600000);
    EditTree(f);
    f.clock.AdvanceSeconds(11 * 60);
    f.store.RaiseBusy();  // an edit is running: try again in two seconds
    f.window->AutoSaveTick();
    QCOMPARE(f.window->auto_save_timer().interval(), 2000);
    f.store.LowerBusy();
    f.window->AutoSaveTick();
    QVERIFY(!session.changed.Any());
    // The first save of the session turned the opened files into a backup set.
    QVERIFY(FileExists(kinloom::files::BackupName(f.work.folders().backup, 1, "Test", ".ged")));
    QVERIFY(ReadFileBytes(f.GedcomPath()).find("1 SEX F\r\n1 FAMC") != std::string::npos);
  }

  void ACopyWindowIsReadOnlyWithoutAutomaticSave() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    kinloom::files::OpenRequest request;
    request.path = f.GedcomPath();
    request.copy_number = 2;
    QVERIFY(f.window->OpenTreeFile(request));
    QVERIFY(f.work.session().read_only);
    QVERIFY(!f.window->auto_save_timer().isActive());
    QVERIFY(f.window->windowTitle().contains(QStringLiteral("Copy Number: 2")));
    f.ui.ClearRecords();
    f.window->SaveTree(false);
    QCOMPARE(f.ui.Captions(), (std::vector<std::string>{" *** Read Only File ***"}));
    // Closing leaves the shared options alone: this window's automatic save is off for it only.
    QVERIFY(f.window->close());
    QVERIFY(!FileExists(kinloom::files::SourcesFile(f.work.folders())));
  }

  void AFileThatIsNoTreeIsRefusedAndANewTreeShown() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    kinloom::testing::WriteFileBytes(f.GedcomPath("Junk"), "this is not a family tree\r\n");
    kinloom::files::OpenRequest request;
    request.path = f.GedcomPath("Junk");
    QVERIFY(f.window->OpenTreeFile(request));
    QCOMPARE(f.ui.Captions(), (std::vector<std::string>{"** Incorrect File Format **"}));
    // The window shows the new tree's one person, never a number of the tree before.
    QCOMPARE(f.store.highest_individual(), 1);
    QCOMPARE(f.window->shown().individual, 1);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Kinloom - Junk"));
  }

  // How to start a new tree shows once, for a new tree only, in the words of the page.
  void NewTreeInstructionsShowOnceForANewTree_data() {
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("messages");
    QTest::newRow("a one-person tree read from its file") << true << 0;
    QTest::newRow("a new tree") << false << 1;
  }

  void NewTreeInstructionsShowOnceForANewTree() {
    QFETCH(bool, read);
    QFETCH(int, messages);
    WindowFixture f;
    kinloom::files::OpenRequest request;
    request.path = f.GedcomPath("Fresh");
    QVERIFY(read ? f.Load({"0 @I000001@ INDI", "1 NAME Ann /Lee/"})
                 : f.window->OpenTreeFile(request));
    for (int shown = 0; shown < 2; ++shown) {
      f.window->show();
      QTest::qWait(10);
      f.window->hide();
    }
    QCOMPARE(int(f.ui.records().size()), messages);
    if (messages == 0) return;
    QCOMPARE(f.ui.records()[0].caption, std::string("Start New Family Tree"));
    const std::string& text = f.ui.records()[0].text;
    for (const char* words : {"\"Add Father\"", "\"Add Child\"", "\"Male\"", "Sex box"}) {
      QVERIFY2(text.find(words) != std::string::npos, words);
    }
  }

  void ArgumentsAreRead() {
    std::string error;
    auto args = kinloom::ui::ParseProgramArgs(
        {"--screenshot", "a.png", "--page", "details", "Smith.ged", "2"}, &error);
    QVERIFY(args.has_value());
    QCOMPARE(args->copy_number, 2);
    QCOMPARE(args->tree_arguments, 2);
    QCOMPARE(args->page, std::string("details"));
    QVERIFY(!kinloom::ui::ParseProgramArgs({"a.ged", "x"}, &error).has_value());
    QVERIFY(!kinloom::ui::ParseProgramArgs({"--bogus"}, &error).has_value());
  }

  void ScreenshotOfEveryPage() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    f.window->show();
    kinloom::testing::TempDir out;
    std::string error;
    for (const char* page :
         {"person", "details", "organizer", "chart", "pictures", "search", "web"}) {
      const QString path = QString::fromStdString(out.File(std::string(page) + ".png"));
      QVERIFY2(kinloom::ui::SaveScreenshot(*f.window, QString::fromLatin1(page), path, &error),
               error.c_str());
      QCOMPARE(QImage(path).width(), f.window->width());
    }
    // The statistics window comes tabulated on the page named.
    QVERIFY2(kinloom::ui::SaveScreenshot(*f.window, QStringLiteral("statistics:Dates"),
                                         QString::fromStdString(out.File("dates.png")), &error),
             error.c_str());
    const auto& stats = kinloom::ui::TStatsBox::ShowFor(*f.window);
    QCOMPARE(stats.page(), kinloom::reports::StatsPage::kDates);
    QVERIFY(stats.grid(kinloom::reports::StatsPage::kDates).rowCount() > 0);
    QVERIFY(!kinloom::ui::SaveScreenshot(*f.window, QStringLiteral("nowhere"),
                                         QString::fromStdString(out.File("x.png")), &error));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
