#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "files/data_folders.h"
#include "ui/website/web_preview.h"
#include "ui/website/web_settings_page.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;

namespace {

const std::vector<std::string> kTree = {
    "0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M",
    "0 @I000002@ INDI", "1 NAME Mary /Brown/", "1 SEX F",
};

kinloom::ui::WebSettingsPage* Page(WindowFixture& f) {
  return f.window->web_settings_page();
}
QLineEdit* Edit(WindowFixture& f, const char* name) {
  return Child<QLineEdit>(Page(f), name);
}
bool Checked(WindowFixture& f, const char* name) {
  return Child<QAbstractButton>(Page(f), name)->isChecked();
}
QPlainTextEdit* Message(WindowFixture& f) {
  return Child<QPlainTextEdit>(Page(f), "HomePgMsg");
}

QColor PreviewPixel(WindowFixture& f, int x, int y) {
  return Page(f)->preview()->grab().toImage().pixelColor(x, y);
}

bool Changed(WindowFixture& f) {
  return f.work.session().changed.web_settings_changed &&
         f.work.web_settings().web_settings_changed;
}

}  // namespace

// How the settings file is read and written, cut and converted is the file's own test; here:
// the page's fields, the preview and what they set.
class WebSettingsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void EditingATitleAndAColourSetsTheValueAndTheFlag() {
    WindowFixture f;
    QVERIFY(f.Load(kTree));
    QVERIFY(!Changed(f));
    TypeAndLeave(Edit(f, "CfgTitle1Txt"), QStringLiteral("The Family"));
    QCOMPARE(f.work.web_settings().title1, std::string("The Family"));
    QVERIFY(Changed(f));
    Edit(f, "CfgTitle1Txt")->setText(QStringLiteral("The Müller Family"));  // not typed: ASCII
    QCOMPARE(f.work.web_settings().title1, std::string("The M\xFCller Family"));

    f.work.session().changed.web_settings_changed = false;
    TypeAndLeave(Edit(f, "ColourValue5"), QStringLiteral("#12ab5f"));
    QCOMPARE(f.work.web_settings().colours[5], 0x12AB5Fu);
    QCOMPARE(Edit(f, "ColourValue5")->text(), QStringLiteral("#12AB5F"));
    QVERIFY(f.work.session().changed.web_settings_changed);

    // The colour button asks through the chooser; a cancelled choice changes nothing.
    std::optional<uint32_t> answer = 0x00FF00;
    Page(f)->SetColourChooser([&](uint32_t, const QString&) { return answer; });
    Click(Child<QPushButton>(Page(f), "ColourChange9"));
    QCOMPARE(f.work.web_settings().colours[9], 0x00FF00u);
    QCOMPARE(Edit(f, "ColourValue9")->text(), QStringLiteral("#00FF00"));
    answer.reset();
    Click(Child<QPushButton>(Page(f), "ColourChange9"));
    QCOMPARE(f.work.web_settings().colours[9], 0x00FF00u);

    // Texts are cut to their fields as they are entered.
    TypeAndLeave(Edit(f, "CfgTitle2Txt"), QString(50, QLatin1Char('x')));
    QCOMPARE(f.work.web_settings().title2, std::string(34, 'x'));
    Message(f)->setPlainText(QString(4990, 'a') + QStringLiteral("\n") + QString(30, 'b'));
    const std::vector<std::string>& kept = f.work.web_settings().message;
    QCOMPARE(kept.size(), size_t{2});
    QCOMPARE(kept[0].size() + 1 + kept[1].size(), size_t{5000});
    QCOMPARE(Message(f)->toPlainText().size(), 5000);
  }

  void ChangesSurviveSaveAndReopen() {
    WindowFixture f;
    QVERIFY(f.Load(kTree));
    TypeAndLeave(Edit(f, "CfgTitle1Txt"), QStringLiteral("Our Family"));
    TypeAndLeave(Edit(f, "ColourValue20"), QStringLiteral("#0A0B0C"));
    for (const char* name : {"rbHtml", "rbCfgPattern", "HideLiving"}) {
      Click(Child<QAbstractButton>(Page(f), name));
    }
    TypeAndLeave(Edit(f, "CfgLkName3"), QStringLiteral("Archive"));
    Message(f)->setPlainText(QStringLiteral("Welcome\n\n# all"));
    const kinloom::files::WebSiteSettings edited = f.work.web_settings();

    f.window->SaveTree(false);
    QVERIFY(!f.work.session().changed.web_settings_changed);
    // Whatever is in memory now, reopening shows what the file holds (its layout is the
    // settings file's own test).
    f.work.web_settings() = kinloom::files::WebSiteSettings{};
    QVERIFY(f.Load(kTree));
    kinloom::files::WebSiteSettings reread = f.work.web_settings();
    reread.web_settings_changed = edited.web_settings_changed;
    QVERIFY(reread == edited);
    QVERIFY(!Changed(f));
    QVERIFY(Checked(f, "rbHtml") && Checked(f, "rbCfgPattern") && !Checked(f, "HideLiving"));
    QCOMPARE(Edit(f, "CfgLkName3")->text(), QStringLiteral("Archive"));
  }

  void OpeningShowsTheFileWithoutMarkingAChange() {
    WindowFixture f;
    kinloom::testing::WriteFileBytes(
        kinloom::files::TreeFile(f.work.folders().config, "Test", ".cfg"),
        std::string("\r\n105 #112233\r\n149 Stamm M\xFCller\r\n157 0\r\n158 0\r\n"
                    "159 1\r\n160 0\r\n170 banner.jpg\r\n319 Ann\r\n"
                    "341 Hello\r\nSecond line\r\n\xA9\xAE"));
    QVERIFY(f.Load(kTree));
    QVERIFY(!Changed(f));
    QCOMPARE(Edit(f, "CfgTitle1Txt")->text(), QStringLiteral("Stamm Müller"));
    QCOMPARE(Edit(f, "ColourValue5")->text(), QStringLiteral("#112233"));
    QVERIFY(Checked(f, "rbTitleImage") && Checked(f, "rbCfgColor"));
    QCOMPARE(Edit(f, "CfgTitleImage")->text(), QStringLiteral("banner.jpg"));
    QCOMPARE(Edit(f, "CfgCopyriteOwner")->text(), QStringLiteral("Ann"));
    QCOMPARE(Message(f)->toPlainText(), QStringLiteral("Hello\nSecond line"));
    Page(f)->Refresh();
    QVERIFY(!Changed(f));
  }

  void TreeWithoutAFileGetsItsNameAndYearAsCopyright() {
    WindowFixture f;
    QVERIFY(!Child<QPushButton>(Page(f), "MakeWebPgs")->isEnabled());  // no tree yet
    QVERIFY(f.Load(kTree, 1, "Hill"));
    QVERIFY(Child<QPushButton>(Page(f), "MakeWebPgs")->isEnabled());
    QCOMPARE(Edit(f, "CfgCopyriteOwner")->text(), QStringLiteral("Hill"));
    QCOMPARE(Edit(f, "CfgCopyriteYear")->text(), QString::number(f.clock.CurrentYear()));
    QVERIFY(!Changed(f));
  }

  void PreviewRepaintsInTheNewColours() {
    WindowFixture f;
    QVERIFY(f.Load(kTree));
    f.window->ShowPage(QStringLiteral("web"));
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QCOMPARE(PreviewPixel(f, 1, 1), QColor(0xD3, 0xD3, 0xD3));  // the outside frame
    TypeAndLeave(Edit(f, "ColourValue1"), QStringLiteral("#123456"));
    QCOMPARE(PreviewPixel(f, 1, 1), QColor(0x12, 0x34, 0x56));
    // Reopening puts the file's colours back on the preview.
    f.work.session().changed.web_settings_changed = false;
    QVERIFY(f.Load(kTree));
    QCOMPARE(PreviewPixel(f, 1, 1), QColor(0x12, 0x34, 0x56));
  }

  void ChosenPictureIsKeptByNameInTheImageFolder() {
    WindowFixture f;
    QVERIFY(f.Load(kTree));
    kinloom::testing::TempDir elsewhere;
    const QString picture = QDir(QString::fromStdString(elsewhere.path())).filePath("logo.png");
    QImage(8, 8, QImage::Format_RGB32).save(picture);
    Page(f)->SetFileChooser([&](const QString&, const QString&) { return picture; });
    Click(Child<QPushButton>(Page(f), "CfgPageBGBtn"));
    QCOMPARE(f.work.web_settings().page_pattern_file, std::string("logo.png"));
    QVERIFY(
        QFile::exists(QDir(QString::fromStdString(f.work.folders().image)).filePath("logo.png")));
    QVERIFY(Changed(f));
  }
};

QTEST_MAIN(WebSettingsPageTest)
#include "web_settings_page_test.moc"
