#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "files/program_files.h"
#include "ui/main/about_box.h"
#include "ui/main/guide_window.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::WindowFixture;
using kinloom::ui::ProgramDocument;
using kinloom::ui::TAboutBox;
using kinloom::ui::TGuideWindow;

namespace {

const std::vector<std::string> kTree = {"0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M"};

QAction* Action(WindowFixture& f, const char* name) {
  QAction* action = f.window->commands().Find(QString::fromLatin1(name));
  if (action == nullptr) qFatal("no action %s", name);
  return action;
}

QString DocumentText(TGuideWindow* window) {
  return Child<QTextBrowser>(window, "DocumentText")->toPlainText();
}

}  // namespace

class AboutBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void TheTextNamesVersionLicenceAndDataHome_data() {
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "/home/ann/.local/share/kinloom"
                           << "/home/ann/.local/share/kinloom";
    QTest::newRow("markup in the path is text") << "/home/<b>&amp;"
                                                << "/home/&lt;b&gt;&amp;amp;";
    QTest::newRow("no data home") << ""
                                  << "(none)";
  }

  void TheTextNamesVersionLicenceAndDataHome() {
    QFETCH(QString, home);
    QFETCH(QString, shown);
    const QString text = kinloom::ui::AboutText(QStringLiteral("2.5"), home);
    QVERIFY(text.contains(QStringLiteral("Kinloom 2.5")));
    QVERIFY(text.contains(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY2(text.contains(shown), qPrintable(text));
  }

  // Help > About shows the program's version and the window's data home, and leads to the guide
  // and the licence, which stay open over the main window when the box closes.
  void TheBoxLeadsToTheGuideAndTheLicence() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    f.window->show();
    QString about;
    QTimer::singleShot(0, [&about] {
      auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      about = Child<QLabel>(box, "AboutText")->text();
      Child<QPushButton>(box, "btnGuide")->click();
      Child<QPushButton>(box, "btnLicence")->click();
      Child<QPushButton>(box, "btnClose")->click();
    });
    Action(f, "actAbout")->trigger();
    QVERIFY(about.contains(QString::fromUtf8(kinloom::files::ProgramVersion())));
    QVERIFY(about.contains(QString::fromStdString(f.work.folders().home).toHtmlEscaped()));
    auto* guide = f.window->findChild<TGuideWindow*>(QStringLiteral("TGuideWindow"));
    auto* licence = f.window->findChild<TGuideWindow*>(QStringLiteral("TLicenceWindow"));
    QVERIFY(guide != nullptr && guide->isVisible() && guide->loaded());
    QVERIFY(licence != nullptr && licence->isVisible() && licence->loaded());
    QVERIFY(DocumentText(licence).contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
    QVERIFY(DocumentText(licence).contains(QStringLiteral("Version 3, 29 June 2007")));
  }

  // F1 opens the guide; asking again raises the same window instead of opening a second.
  void F1OpensOneGuideWindow() {
    WindowFixture f;
    QVERIFY(f.Load(kTree, 1));
    f.window->show();
    QAction* guide = Action(f, "actGuide");
    QCOMPARE(guide->shortcut(), QKeySequence(QKeySequence::HelpContents));
    guide->trigger();
    guide->trigger();
    const auto windows = f.window->findChildren<TGuideWindow*>();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows[0]->document(), ProgramDocument::kGuide);
    QCOMPARE(windows[0]->windowTitle(), QStringLiteral("Kinloom User's Guide"));
    windows[0]->close();  // deleted when closed
    QApplication::processEvents();
    QTest::qWait(0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.window->findChildren<TGuideWindow*>().isEmpty());
  }

  // The guide the program ships is the Markdown one, shown formatted, and covers the topics a
  // new user looks for.
  void TheGuideCoversTheEverydayTopics() {
    const kinloom::files::ProgramFiles program = kinloom::files::FindProgramFiles();
    TGuideWindow window(nullptr, ProgramDocument::kGuide, QString::fromStdString(program.guide));
    QVERIFY(window.loaded());
    const QString text = DocumentText(&window);
    QVERIFY(!text.contains(QStringLiteral("## ")));  // headings are formatted, not raw
    for (const char* topic :
         {"Getting started", "Importing a file", "Editing people", "Finding people",
          "Merging duplicates", "Reports", "The verifier", "Statistics and to-do lists",
          "The wall chart", "Publishing a web site", "Saving, copies and backups"}) {
      QVERIFY2(text.contains(QLatin1String(topic)), topic);
    }
  }

  void ADocumentThatCannotBeReadSaysWhere() {
    TGuideWindow window(nullptr, ProgramDocument::kLicence,
                        QStringLiteral("/nonexistent/share/doc/kinloom/LICENSE"));
    QVERIFY(!window.loaded());
    QVERIFY(
        DocumentText(&window).contains(QStringLiteral("/nonexistent/share/doc/kinloom/LICENSE")));
    TGuideWindow none(nullptr, ProgramDocument::kGuide, QString());
    QVERIFY(!none.loaded());
    QVERIFY(DocumentText(&none).contains(QStringLiteral("no program folder found")));
  }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
