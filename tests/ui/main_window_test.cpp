#include <QAction>
#include <QTest>

#include "ui/program.h"
#include "ui/shown_state.h"
#include "ui_test_support.h"

using kinloom::testing::WindowFixture;

namespace {

// Three generations: John and Mary with children Anne and Peter; Anne married twice.
const std::vector<std::string> kFamily = {
    "0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M", "1 FAMS @F000001@",
    "0 @I000002@ INDI", "1 NAME Mary /Brown/", "1 SEX F", "1 FAMS @F000001@",
    "0 @I000003@ INDI", "1 NAME Anne /Smith/", "1 SEX F", "1 FAMC @F000001@",
    "1 FAMS @F000002@", "1 FAMS @F000003@",
    "0 @I000004@ INDI", "1 NAME Peter /Smith/", "1 SEX M", "1 FAMC @F000001@",
    "0 @I000005@ INDI", "1 NAME Carl /Young/", "1 SEX M", "1 FAMS @F000002@",
    "0 @I000006@ INDI", "1 NAME Dan /Old/", "1 SEX M", "1 FAMS @F000003@",
    "0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@", "1 MARR",
    "1 CHIL @I000003@", "1 CHIL @I000004@",
    "0 @F000002@ FAM", "1 HUSB @I000005@", "1 WIFE @I000003@", "1 MARR",
    "0 @F000003@ FAM", "1 HUSB @I000006@", "1 WIFE @I000003@", "1 MARR",
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ShownStateFollowsTheLinks() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    const kinloom::ui::ShownState& shown = f.window->shown();
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

  void BackAndForwardRetraceThePeopleShown() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    f.window->ShowIndividual(3);
    f.window->ShowIndividual(5);
    f.window->GoBack();
    QCOMPARE(f.window->shown().individual, 3);
    f.window->GoBack();
    QCOMPARE(f.window->shown().individual, 1);
    f.window->GoForward();
    QCOMPARE(f.window->shown().individual, 3);
    f.window->ShowIndividual(6);  // a new path drops the forward entries
    QVERIFY(!f.window->history().CanGoForward());
    f.window->ShowIndividual(999);  // no such person: nothing changes
    QCOMPARE(f.window->shown().individual, 6);
  }

  void HistoryKeepsTheNewestThousand() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1));
    kinloom::ui::NavigationHistory& history = f.window->history();
    for (int i = 0; i < 1500; ++i) history.Visit(1 + i % 6);
    QCOMPARE(history.size(), 1000);
    int steps = 0;
    while (history.Back() >= 0) ++steps;
    QCOMPARE(steps, 999);
  }

  void CaptionNamesTheTree() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 1, "Smith"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" Kinloom - Smith"));
  }

  void ArgumentsAreRead() {
    std::string error;
    auto args = kinloom::ui::ParseProgramArgs({"--screenshot", "a.png", "--page", "details",
                                               "Smith.ged", "2"},
                                              &error);
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
    for (const char* page : {"person", "details", "organizer", "search"}) {
      std::string error;
      const QString path = QString::fromStdString(out.File(std::string(page) + ".png"));
      QVERIFY2(kinloom::ui::SaveScreenshot(*f.window, QString::fromLatin1(page), path, &error),
               error.c_str());
      QImage image(path);
      QCOMPARE(image.width(), f.window->width());
    }
    std::string error;
    QVERIFY(!kinloom::ui::SaveScreenshot(*f.window, QStringLiteral("nowhere"),
                                         QString::fromStdString(out.File("x.png")), &error));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
