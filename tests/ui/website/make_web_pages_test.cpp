#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <algorithm>

#include "charts/web_picture_scaler.h"
#include "files/data_folders.h"
#include "reports/tree_opening.h"
#include "ui/website/web_settings_page.h"
#include "ui_test_support.h"

using kinloom::charts::ScaleWebPicture;
using kinloom::files::JoinPath;
using kinloom::files::WebSiteType;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::TempDir;

namespace {

const std::vector<std::string> kTree = kinloom::testing::Records({
    "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 BIRT|2 DATE 1850|1 DEAT|2 DATE 1920",
    "0 @I000002@ INDI|1 NAME Mary /Brown/|1 SEX F|1 BIRT|2 DATE 1855|1 DEAT|2 DATE 1930",
});

// The main window over a tree, as the window tests have it, with the program's system folder, which
// holds the scripts a script-driven site is served by.
struct SiteFixture {
  TempDir home;
  kinloom::platform::FixedClock clock{kinloom::testing::TestNow()};
  kinloom::platform::HeadlessInteraction ui{&clock};
  kinloom::store::RecordStore store{ui};
  kinloom::platform::LocalFileSystem file_system;
  kinloom::reports::LinkCheckSession links;
  kinloom::files::TreeWorkspace work;
  std::unique_ptr<kinloom::ui::TFamTree> window;

  SiteFixture()
      : work(store, kinloom::files::DataFoldersAt(home.path(), KINLOOM_SOURCE_DIR "/system"),
             file_system, kinloom::reports::CheckedTreeReader(links)) {
    if (!kinloom::files::MakeDataFolders(work.folders()).ok()) qFatal("no data folders");
    window = std::make_unique<kinloom::ui::TFamTree>(work, ui);
    std::vector<std::string> lines = kinloom::testing::OwnHeader("Test.ged");
    lines.insert(lines.end(), kTree.begin(), kTree.end());
    lines.push_back("0 TRLR");
    kinloom::files::OpenRequest request;
    request.path = kinloom::files::TreeFile(work.folders().gedcom, "Test", ".ged");
    kinloom::testing::WriteFileBytes(request.path, kinloom::testing::CrLfJoin(lines));
    if (!window->OpenTreeFile(request)) qFatal("tree not opened");
    ui.ClearRecords();
  }
  kinloom::ui::WebSettingsPage* page() { return window->web_settings_page(); }
};

// A picture of `size` with a transparent half, saved in the kind its name says.
std::string MakePicture(const std::string& folder, const char* name, QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.fillRect(0, 0, size.width() / 2, size.height(), Qt::darkBlue);
  painter.end();
  const std::string path = JoinPath(folder, name);
  if (!image.save(QString::fromStdString(path))) qFatal("cannot write %s", name);
  return path;
}

struct Picture {
  QSize size;
  QByteArray format;
};
Picture Read(const std::string& path) {
  QImageReader reader(QString::fromStdString(path));
  return {reader.size(), reader.format()};
}

}  // namespace

class MakeWebPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void ScalerFitsThePictureIntoTheBox() {
    struct Case {
      const char* name;
      const char* source;
      QSize source_size;
      const char* target;
      QSize box;
      QSize size;  // empty: nothing written
      QByteArray format;
    };
    const Case cases[] = {
        {"wide to jpg", "a.png", {400, 300}, "a.jpg", {200, 150}, {200, 150}, "jpeg"},
        {"tall keeps its shape", "b.png", {100, 400}, "b.jpeg", {200, 150}, {37, 150}, "jpeg"},
        {"png stays png", "c.png", {300, 300}, "c.png", {150, 200}, {150, 150}, "png"},
        {"empty box", "d.png", {30, 30}, "d.jpg", {0, 150}, {}, {}},
        {"unwritable kind", "e.png", {30, 30}, "e.xyz", {20, 20}, {}, {}},
    };
    TempDir dir;
    for (const Case& c : cases) {
      const bool written = c.size.isValid();
      const std::string from = MakePicture(dir.path(), c.source, c.source_size);
      const std::string to = JoinPath(dir.path(), c.target);
      QVERIFY2(ScaleWebPicture(from, to, c.box.width(), c.box.height()) == written, c.name);
      QVERIFY2(QFile::exists(QString::fromStdString(to)) == written, c.name);
      if (!written) continue;
      const Picture made = Read(to);
      QVERIFY2(made.size == c.size && made.format == c.format, c.name);
      if (c.format == "jpeg") {
        // The transparent half is white, not black.
        const QImage image(QString::fromStdString(to));
        QVERIFY2(qGray(image.pixel(image.width() - 2, image.height() / 2)) > 240, c.name);
      }
    }
  }

  void ScalerRefusesWhatItCannotRead() {
    TempDir dir;
    const std::string text = JoinPath(dir.path(), "note.jpg");
    QFile file(QString::fromStdString(text));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    const std::string target = JoinPath(dir.path(), "out.jpg");
    QVERIFY(!ScaleWebPicture(text, target, 100, 100));
    QVERIFY(!ScaleWebPicture(JoinPath(dir.path(), "missing.jpg"), target, 100, 100));
    QVERIFY(!QFile::exists(QString::fromStdString(target)));
  }

  void ButtonMakesTheSiteAndOffersItsHomePage_data() {
    QTest::addColumn<bool>("html");
    QTest::newRow("static site") << true;
    QTest::newRow("script-driven site") << false;
  }
  void ButtonMakesTheSiteAndOffersItsHomePage() {
    QFETCH(bool, html);
    SiteFixture f;
    auto& settings = f.work.web_settings();
    settings.site_type = html ? WebSiteType::kHtml : WebSiteType::kPhp;
    settings.hide_living = false;
    // A picture of John in an album: the site shows a smaller copy.
    MakePicture(f.work.folders().media, "john.png", QSize(800, 600));
    auto& albums = f.work.albums();
    if (albums.album_count() == 0) albums.AddAlbum(0, f.ui);
    albums.LinkIndividual(albums.AddItem(0, "john.png"), 1);
    auto* page = f.page();
    std::vector<QUrl> opened;
    page->SetUrlOpener([&opened](const QUrl& url) {
      opened.push_back(url);
      return true;
    });

    Click(Child<QPushButton>(page, "MakeWebPgs"));

    const std::string site = JoinPath(JoinPath(f.work.folders().web, "Test"), html ? "htm" : "php");
    QVERIFY(QFile::exists(QString::fromStdString(JoinPath(site, "index.html"))));
    QCOMPARE(Read(JoinPath(site, "tmb/kln_m0001.png")).size, QSize(200, 150));
    QCOMPARE(Read(JoinPath(site, "med/kln_m0001.png")).size, QSize(800, 600));
    QVERIFY(std::any_of(f.ui.records().begin(), f.ui.records().end(), [](const auto& record) {
      return record.text == "Web pages creation completed.";
    }));
    if (html) {
      QCOMPARE(f.ui.records().back().caption, std::string("Make Web Pages"));
      QCOMPARE(opened.size(), size_t{1});
      QCOMPARE(opened[0].toLocalFile().toStdString(), JoinPath(site, "index.html"));
    } else {
      QVERIFY(opened.empty());  // a script-driven site needs a web server to be seen
    }
  }

  void NoToTheOfferOpensNothing() {
    SiteFixture f;
    f.work.web_settings().site_type = WebSiteType::kHtml;
    auto* page = f.page();
    bool opened = false;
    page->SetUrlOpener([&opened](const QUrl&) { return opened = true; });
    f.ui.QueueAnswer(kinloom::platform::Answer::kNo);
    Click(Child<QPushButton>(page, "MakeWebPgs"));
    QVERIFY(!opened);
  }

  void SettingsSwitchedOffAreShownOnThePage() {
    SiteFixture f;
    auto& settings = f.work.web_settings();
    settings.site_type = WebSiteType::kHtml;
    settings.title_background = kinloom::files::TitleBackground::kPattern;
    settings.title_pattern_file = "ab";
    auto* page = f.page();
    page->Refresh();
    page->SetUrlOpener([](const QUrl&) { return true; });
    QVERIFY(Child<QRadioButton>(page, "rbCfgPattern")->isChecked());
    f.work.session().changed.web_settings_changed = false;
    Click(Child<QPushButton>(page, "MakeWebPgs"));
    QVERIFY(Child<QRadioButton>(page, "rbCfgNoColor")->isChecked());
    QVERIFY(f.work.session().changed.web_settings_changed);
  }
};

QTEST_MAIN(MakeWebPagesTest)
#include "make_web_pages_test.moc"
