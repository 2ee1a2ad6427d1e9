// Hundreds of random clicks and entries on every page of the main window, answering every
// question with Yes and closing every dialog that opens: after each one the tree's links must
// still pair up, the search lists must be right, and at the end the tree and its side files must
// save and read back whole.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <random>

#include "core/tree_reading.h"
#include "support/tree_checks.h"
#include "ui/dialogs/search_sources_page.h"
#include "ui/main/fam_tree.h"
#include "ui/pictures/pictures_page.h"
#include "ui/website/web_settings_page.h"
#include "ui_test_support.h"

using kinloom::testing::WindowFixture;

namespace {

const std::vector<std::string> kTree = kinloom::testing::Records({
    "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 BIRT|2 DATE 3 MAR 1850|1 DEAT|2 DATE 1921|"
    "1 FAMS @F000001@",
    "0 @I000002@ INDI|1 NAME Mary /Brown/|1 SEX F|1 BAPM|2 DATE 1852|1 FAMS @F000001@",
    "0 @I000003@ INDI|1 NAME Anne /Smith/|1 SEX F|1 FAMC @F000001@|1 FAMS @F000002@|"
    "1 NOTE A first line|2 CONT and a second",
    "0 @I000004@ INDI|1 NAME Peter /Smith/|1 SEX M|1 FAMC @F000001@|2 PEDI Adopted",
    "0 @I000005@ INDI|1 NAME Carl /Young/|1 SEX M|1 FAMS @F000002@",
    "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 MARR|2 DATE 1875|1 CHIL @I000003@|"
    "1 CHIL @I000004@",
    "0 @F000002@ FAM|1 HUSB @I000005@|1 WIFE @I000003@|1 MARR",
});

const char* const kTexts[] = {"",          "Emma",   "Smith", "12 MAR 1900",
                              "ABT 1850",  "London", "`e",    "bet 1800 and 1810",
                              "  spaced  "};

template <typename T>
std::vector<T*> Usable(QWidget* page) {
  std::vector<T*> found;
  for (T* widget : page->findChildren<T*>()) {
    if (widget->isVisibleTo(page) && widget->isEnabled()) found.push_back(widget);
  }
  return found;
}

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private slots:
  void RandomUseKeepsTheTreeWhole() {
    // KINLOOM_MONKEY_SEEDS=n runs n sessions instead of three, for a longer hunt by hand.
    const int sessions = std::max(3, qEnvironmentVariableIntValue("KINLOOM_MONKEY_SEEDS"));
    for (int seed = 1; seed <= sessions; ++seed) {
      RunSession(static_cast<unsigned>(seed), 250, {"person", "details", "organizer"});
      RunSession(static_cast<unsigned>(seed), 150,
                 {"chart", "pictures", "search", "web", "person"});
    }
  }

 private:
  // Dialogs the pages would open for a file, a colour, a site or a browser answer at once.
  static void AnswerWithoutDialogs(WindowFixture& f, std::mt19937& random) {
    const QString picture = QString::fromStdString(f.home.File("portrait.png"));
    QImage image(40, 50, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(picture);
    f.window->pictures_page()->SetFileChooser(
        [picture](QWidget*, const QString&, const QString&, const QString&) { return picture; });
    f.window->pictures_page()->SetOpener([](const QUrl&) { return true; });
    f.window->search_sources_page()->SetLinkOpener([](const QString&) {});
    f.window->search_sources_page()->SetSiteEditor(
        [&random](const QString&, const kinloom::files::SearchSite&) {
          return std::optional<kinloom::files::SearchSite>(
              kinloom::files::SearchSite{"Site " + std::to_string(random() % 9), "example.org"});
        });
    f.window->web_settings_page()->SetColourChooser([&random](uint32_t, const QString&) {
      return std::optional<uint32_t>(random() & 0xFFFFFF);
    });
    f.window->web_settings_page()->SetFileChooser(
        [](const QString&, const QString&) { return QString(); });
    f.window->web_settings_page()->SetUrlOpener([](const QUrl&) { return true; });
  }

  void RunSession(unsigned seed, int steps, const std::vector<const char*>& pages) {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 3));
    std::mt19937 random(seed);
    AnswerWithoutDialogs(f, random);
    f.ui.SetDefault(kinloom::platform::Buttons::kYesNo, kinloom::platform::Answer::kYes);
    f.ui.SetDefault(kinloom::platform::Buttons::kYesNoCancel, kinloom::platform::Answer::kYes);
    f.window->show();
    QTimer closer;  // dialogs opened by a click are closed unanswered
    connect(&closer, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(5);

    auto pick = [&](size_t count) { return static_cast<size_t>(random() % count); };
    for (int step = 0; step < steps; ++step) {
      f.window->ShowPage(QString::fromLatin1(pages[pick(pages.size())]));
      QWidget* page = f.window->findChild<QTabWidget*>(QStringLiteral("pages"))->currentWidget();
      switch (pick(7)) {
        case 0: {
          auto buttons = Usable<QAbstractButton>(page);
          if (!buttons.empty()) kinloom::testing::Click(buttons[pick(buttons.size())]);
          break;
        }
        case 1:
        case 2: {
          auto edits = Usable<QLineEdit>(page);
          if (!edits.empty()) {
            kinloom::testing::TypeAndLeave(edits[pick(edits.size())],
                                           QString::fromUtf8(kTexts[pick(std::size(kTexts))]));
          }
          break;
        }
        case 3: {
          auto combos = Usable<QComboBox>(page);
          if (!combos.empty()) {
            QComboBox* combo = combos[pick(combos.size())];
            if (combo->count() > 0) combo->setCurrentIndex(static_cast<int>(pick(combo->count())));
          }
          break;
        }
        case 4: {
          auto lists = Usable<QListWidget>(page);
          if (!lists.empty() && lists.front()->count() > 0) {
            QListWidget* list = lists[pick(lists.size())];
            if (list->count() > 0) {
              QListWidgetItem* item = list->item(static_cast<int>(pick(list->count())));
              QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                list->visualItemRect(item).center());
            }
          }
          break;
        }
        case 5: {  // charts, grids and lists drawn by the program itself
          auto areas = Usable<QAbstractScrollArea>(page);
          if (!areas.empty()) {
            QWidget* view = areas[pick(areas.size())]->viewport();
            const QPoint at(
                static_cast<int>(pick(static_cast<size_t>(std::max(1, view->width())))),
                static_cast<int>(pick(static_cast<size_t>(std::max(1, view->height())))));
            QTest::mouseClick(view, pick(3) == 0 ? Qt::RightButton : Qt::LeftButton, {}, at);
          }
          break;
        }
        default:
          f.window->ShowIndividual(1 + static_cast<int>(pick(8)));
          break;
      }
      QApplication::processEvents();
      const std::string problem = kinloom::testing::CheckTree(f.store, step % 50 == 49);
      QVERIFY2(problem.empty(), (problem + " after step " + std::to_string(step) + " of seed " +
                                 std::to_string(seed))
                                    .c_str());
    }
    closer.stop();
    qInfo("seed %u: %d people, %d families after the session", seed, f.store.highest_individual(),
          f.store.highest_family());

    f.window->SaveTree(false);
    QVERIFY(!f.work.session().changed.tree_modified);
    kinloom::testing::TestTree reread;
    QVERIFY(kinloom::core::ReadTree(reread.store, f.GedcomPath(), false).outcome ==
            kinloom::store::ReadOutcome::kRead);
    QCOMPARE(reread.store.highest_individual(), f.store.highest_individual());
    for (int n = 1; n <= f.store.highest_individual(); ++n) {
      QCOMPARE(f.Person(n).empty(), reread.store.individual(n) == nullptr);
    }
    QVERIFY(kinloom::testing::CheckTree(reread.store, true).empty());
    QVERIFY(!f.work.session().changed.Any());
  }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
