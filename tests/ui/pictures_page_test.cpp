#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <filesystem>

#include "files/album_file.h"
#include "files/data_folders.h"
#include "files/media_albums.h"
#include "ui/album_grid.h"
#include "ui/pictures_page.h"
#include "ui_test_support.h"

using kinloom::files::ItemRef;
using kinloom::files::MediaAlbums;
using kinloom::files::MediaItem;
using kinloom::platform::Answer;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::HasLine;
using kinloom::testing::TempDir;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using kinloom::ui::AlbumGrid;
using kinloom::ui::PicturesPage;

namespace {

const std::vector<std::string> kTree = {
    "0 @I000001@ INDI", "1 NAME John /Smith/",    "1 SEX M",
    "0 @I000002@ INDI", "1 NAME Mary /Brown/",    "1 SEX F",
    "0 @S000001@ SOUR", "1 TITL Parish register",
};

// The page of a loaded window, with a file chooser that answers `chosen` and remembers what
// it was asked.
struct PageFixture {
  WindowFixture f;
  PicturesPage* page = nullptr;
  QString chosen;
  QString asked_caption;
  QString asked_filter;
  std::vector<QUrl> opened;

  PageFixture() {
    if (!f.Load(kTree, 1)) qFatal("tree not loaded");
    f.window->show();
    f.window->ShowPage(QStringLiteral("pictures"));
    page = f.window->pictures_page();
    page->SetFileChooser(
        [this](QWidget*, const QString& caption, const QString&, const QString& filter) {
          asked_caption = caption;
          asked_filter = filter;
          return chosen;
        });
    page->SetOpener([this](const QUrl& url) {
      opened.push_back(url);
      return true;
    });
  }

  MediaAlbums& albums() { return f.work.albums(); }
  const MediaItem& Current() { return *albums().item(albums().current_item()); }
  std::string Media(const std::string& name) {
    return kinloom::files::JoinPath(f.work.folders().media, name);
  }
  QPushButton* Button(const char* name) { return Child<QPushButton>(page, name); }
  // Adds an item to the album of list 0 through the chooser.
  void AddItem(const std::string& path) {
    chosen = QString::fromStdString(path);
    Click(Button("btnAddItem"));
  }
  const std::string& LastText() { return f.ui.records().back().text; }
  const std::string& LastCaption() { return f.ui.records().back().caption; }
};

std::string MakePicture(const TempDir& dir, const std::string& name) {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  const std::string path = dir.File(name);
  image.save(QString::fromStdString(path));
  return path;
}

void Choose(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

}  // namespace

class PicturesPageTest : public QObject {
  Q_OBJECT

 private slots:
  void AlbumsAreAddedRenamedMovedAndRemoved() {
    PageFixture p;
    AlbumGrid* grid = Child<AlbumGrid>(p.page, "AlbumList");
    grid->SelectSlot(2);
    Click(p.Button("btnAddAlbum"));
    QCOMPARE(p.albums().album_count(), 3);
    QCOMPARE(p.albums().album(2).name, std::string("Album Name 3"));
    QCOMPARE(Child<QLabel>(p.page, "UnusedAlbums")->text(), QString("Unused Albums: 101"));
    QVERIFY(p.f.work.session().changed.albums_changed);
    QCOMPARE(Child<QComboBox>(p.page, "ShowAlbum1")->count(), 3);

    grid->item(2, 0)->setText(QString::fromUtf8("Hochzeit \xC3\xBC"));  // typed into the cell
    QCOMPARE(p.albums().album(2).name, std::string("Hochzeit \xFC"));
    QCOMPARE(Child<QComboBox>(p.page, "ShowAlbum0")->itemText(2),
             QString::fromUtf8("Hochzeit \xC3\xBC"));
    grid->item(2, 0)->setText(QString());  // emptied: the no-break space joins the words
    QCOMPARE(p.albums().album(2).name, std::string("Unnamed\xA0"
                                                   "Album"));
    QCOMPARE(grid->item(2, 0)->text(), QString::fromUtf8("Unnamed\xC2\xA0"
                                                         "Album"));
    grid->item(2, 0)->setText("Weddings");

    grid->SelectSlot(2);
    Click(p.Button("btnAlbumEarlier"));
    QCOMPARE(p.albums().album(1).name, std::string("Weddings"));
    QCOMPARE(grid->selected_slot(), 1);
    QCOMPARE(p.albums().shown_album(1), 2);  // the right list still shows "Album 2 Name"

    // An album with an item asks first; No keeps it.
    Choose(Child<QComboBox>(p.page, "ShowAlbum0"), 1);
    TempDir outside;
    p.AddItem(MakePicture(outside, "bride.png"));
    QCOMPARE(p.albums().album(1).items.size(), size_t{1});
    p.f.ui.ClearRecords();
    p.f.ui.QueueAnswer(Answer::kNo);
    Click(p.Button("btnRemoveAlbum"));
    QCOMPARE(p.albums().album_count(), 3);
    QCOMPARE(p.LastCaption(), std::string("*** Remove Album ***"));
    QCOMPARE(p.LastText(), std::string("The \"Weddings\" album contains 1 pictures.\n\n"
                                       "Remove this album and its contents?"));
    p.f.ui.QueueAnswer(Answer::kYes);
    Click(p.Button("btnRemoveAlbum"));
    QCOMPARE(p.albums().album_count(), 2);
    QCOMPARE(p.albums().album(1).name, std::string("Album 2 Name"));
    QVERIFY(p.albums().shown_album(0) != p.albums().shown_album(1));
    QVERIFY(std::filesystem::exists(p.Media("bride.png")));  // the file stays

    grid->SelectSlot(0);
    Click(p.Button("btnRemoveAlbum"));
    QCOMPARE(p.albums().album_count(), 2);
    QCOMPARE(p.LastCaption(), std::string("** Remove Album **"));
    QCOMPARE(p.LastText(), std::string("Cannot remove last two albums."));
  }

  void TheTwoListsNeverShowTheSameAlbum() {
    PageFixture p;
    QComboBox* left = Child<QComboBox>(p.page, "ShowAlbum0");
    Choose(left, 1);
    QCOMPARE(p.LastText(), std::string("The \"Album 2 Name Album\" is already displayed in the "
                                       "right list."));
    QCOMPARE(left->currentIndex(), 0);
    QCOMPARE(p.albums().shown_album(0), 0);
    Click(p.Button("btnAddAlbum"));  // no cell selected: after the last album
    Choose(left, 2);
    QCOMPARE(p.albums().shown_album(0), 2);
    Choose(Child<QComboBox>(p.page, "ShowAlbum1"), 0);
    QCOMPARE(p.albums().shown_album(1), 0);
  }

  void ItemsAreAddedEditedRenamedAndRemoved() {
    PageFixture p;
    TempDir outside;
    p.AddItem(MakePicture(outside, "lake.png"));
    QCOMPARE(p.asked_caption, QString("Select Family Media File"));
    QVERIFY(p.asked_filter.startsWith("Picture Files (JPG GIF PNG BMP)"));
    QVERIFY(std::filesystem::exists(p.Media("lake.png")));
    QCOMPARE(p.Current().file, std::string("lake.png"));
    QCOMPARE(p.albums().current_item(), (ItemRef{0, 0}));
    QCOMPARE(Child<QListWidget>(p.page, "AlbumItems0")->count(), 1);
    QCOMPARE(Child<QLineEdit>(p.page, "ItemFile")->text(), QString("lake.png"));
    QVERIFY(!Child<QLabel>(p.page, "ItemPicture")->pixmap().isNull());

    TypeAndLeave(Child<QLineEdit>(p.page, "ItemTitle"), "At the lake");
    QPlainTextEdit* note = Child<QPlainTextEdit>(p.page, "ItemNote");
    note->setPlainText(QString(1300, 'x'));  // pasted: cut to what the album file keeps
    QCOMPARE(p.Current().note.size(), size_t{1200});
    QTRY_COMPARE(note->toPlainText().size(), 1200);
    note->setPlainText("Summer 1950\nwith the boat");
    QTest::keyClicks(Child<QLineEdit>(p.page, "ItemSource"), "1");
    QCOMPARE(Child<QLabel>(p.page, "SourceTitle")->text(), QString("Parish register"));
    Choose(Child<QComboBox>(p.page, "ItemKind"), 2);
    Click(Child<QAbstractButton>(p.page, "cbHide"));
    QCOMPARE(p.Current().title, std::string("At the lake"));
    QCOMPARE(p.Current().note, std::string("Summer 1950\r\nwith the boat"));
    QCOMPARE(p.Current().source, 1);
    QCOMPARE(p.Current().kind, 2);
    QVERIFY(p.Current().hide);
    QVERIFY(Child<QListWidget>(p.page, "AlbumItems0")->item(0)->text().contains("At the lake"));

    Click(p.Button("btnAddPerson"));  // John is shown
    p.f.window->ShowIndividual(2);
    Click(p.Button("btnAddPerson"));
    QCOMPARE(p.Current().individuals, std::string("|1|2|"));
    QListWidget* people = Child<QListWidget>(p.page, "ItemPeople");
    QCOMPARE(people->item(0)->text(), QString("John Smith (1)"));
    people->setCurrentRow(0);
    Click(p.Button("btnRemovePerson"));
    QCOMPARE(p.Current().individuals, std::string("|2|"));
    QCOMPARE(p.albums().media_count(1), 0);
    QCOMPARE(p.albums().media_count(2), 1);

    // A rename refused by the file system changes nothing.
    p.f.ui.QueueAnswer(Answer::kYes);
    TypeAndLeave(Child<QLineEdit>(p.page, "ItemFile"), "a/b.png");
    Click(p.Button("btnRenameFile"));
    QCOMPARE(p.LastCaption(), std::string(" *** Rename Failed ***"));
    QCOMPARE(p.Current().file, std::string("lake.png"));
    QCOMPARE(Child<QLineEdit>(p.page, "ItemFile")->text(), QString("lake.png"));

    // A rename writes the album file at once.
    const std::string med = kinloom::files::TreeFile(p.f.work.folders().config, "Test", ".med");
    QVERIFY(!std::filesystem::exists(med));
    p.f.ui.QueueAnswer(Answer::kYes);
    TypeAndLeave(Child<QLineEdit>(p.page, "ItemFile"), "lake 1950.png");
    Click(p.Button("btnRenameFile"));
    QCOMPARE(p.LastText(),
             std::string("This name of the picture or document\nhas been changed successfully."));
    QVERIFY(std::filesystem::exists(p.Media("lake 1950.png")));
    QVERIFY(!std::filesystem::exists(p.Media("lake.png")));
    QCOMPARE(p.Current().file, std::string("lake 1950.png"));
    QVERIFY(kinloom::testing::ReadFileBytes(med).find("FILE lake 1950.png\r\n") !=
            std::string::npos);
    QVERIFY(!p.f.work.session().changed.albums_changed);

    p.f.ui.QueueAnswer(Answer::kYes);
    Click(p.Button("btnRemoveItem"));
    QCOMPARE(p.LastText(), std::string("Do you want to remove the item: lake 1950.png\n\n"
                                       "The item is  removed from this family tree.\n"
                                       "The file is not deleted."));
    QVERIFY(p.albums().album(0).items.empty());
    QVERIFY(std::filesystem::exists(p.Media("lake 1950.png")));
    QCOMPARE(Child<QLabel>(p.page, "NoPreview")->text(), QString("No Media Item Selected"));
    QVERIFY(p.f.work.session().changed.albums_changed);
  }

  void AnExistingMediaFileIsReplacedOnlyWhenAsked() {
    PageFixture p;
    TempDir outside;
    kinloom::testing::WriteFileBytes(p.Media("notes.txt"), "the old notes");
    kinloom::testing::WriteFileBytes(outside.File("notes.txt"), "the new notes, longer");
    p.f.ui.QueueAnswer(Answer::kCancel);
    p.AddItem(outside.File("notes.txt"));
    QVERIFY(p.albums().album(0).items.empty());
    QCOMPARE(kinloom::testing::ReadFileBytes(p.Media("notes.txt")), std::string("the old notes"));
    p.f.ui.QueueAnswer(Answer::kYes);
    p.AddItem(outside.File("notes.txt"));
    QCOMPARE(p.albums().album(0).items.size(), size_t{1});
    QCOMPARE(kinloom::testing::ReadFileBytes(p.Media("notes.txt")),
             std::string("the new notes, longer"));
    QCOMPARE(Child<QPlainTextEdit>(p.page, "ItemText")->toPlainText(),
             QString("the new notes, longer"));
  }

  void OtherFilesOpenInTheDesktopsProgram() {
    PageFixture p;
    TempDir outside;
    kinloom::testing::WriteFileBytes(outside.File("will.pdf"), "%PDF");
    p.AddItem(outside.File("will.pdf"));
    QCOMPARE(Child<QLabel>(p.page, "NoPreview")->text(), QString("No Preview\nAvailable"));
    QPushButton* view = p.Button("btnView");
    QCOMPARE(view->text(), QString("View  PDF  Item"));
    QVERIFY(!p.Button("btnProfilePic")->isEnabled());
    Click(view);
    QCOMPARE(p.opened.size(), size_t{1});
    QCOMPARE(p.opened[0].toLocalFile(), QString::fromStdString(p.Media("will.pdf")));
  }

  void AShownPersonGetsAProfilePicture() {
    PageFixture p;
    TempDir outside;
    p.AddItem(MakePicture(outside, "john.png"));
    p.f.work.store().set_show_chart_pictures(true);
    Click(p.Button("btnProfilePic"));
    QVERIFY(HasLine(p.f.Person(1), "1 OBJE john.png"));
    QVERIFY(std::filesystem::exists(p.Media("john.jpg")));
    QCOMPARE(std::string(p.f.work.store().individual(1)->thumbPath.view()), p.Media("john.jpg"));
    QCOMPARE(p.Current().individuals, std::string("|1|"));
    QVERIFY(p.f.work.session().changed.tree_modified);
  }

  void AlbumsSurviveSavingAndOpeningAgain() {
    PageFixture p;
    TempDir outside;
    Click(p.Button("btnAddAlbum"));
    Child<AlbumGrid>(p.page, "AlbumList")->item(2, 0)->setText("Graves");
    Choose(Child<QComboBox>(p.page, "ShowAlbum1"), 2);  // the right list takes new items
    p.AddItem(MakePicture(outside, "stone.png"));
    p.AddItem(MakePicture(outside, "cross.png"));
    QCOMPARE(p.albums().album(2).items.size(), size_t{2});
    // Note lines that look like the file's own lines stay note lines.
    Child<QPlainTextEdit>(p.page, "ItemNote")->setPlainText("END\nALBM 7\n\nlast line");
    QLineEdit* title = Child<QLineEdit>(p.page, "ItemTitle");
    title->setText(QString::fromUtf8("Grabstein f\xC3\xBCr"));  // typed with a dead key
    emit title->textEdited(title->text());
    Click(p.Button("btnAddPerson"));
    Choose(Child<QComboBox>(p.page, "ItemKind"), 2);
    const std::vector<MediaItem> saved = p.albums().album(2).items;
    p.f.window->SaveTree(false);
    QVERIFY(!p.f.work.session().changed.albums_changed);

    p.albums().Reset();
    kinloom::files::OpenRequest request;
    request.path = p.f.GedcomPath();
    QVERIFY(p.f.window->OpenTreeFile(request));
    QCOMPARE(p.albums().album_count(), 3);
    QCOMPARE(p.albums().album(2).name, std::string("Graves"));
    const std::vector<MediaItem>& read = p.albums().album(2).items;
    QCOMPARE(read.size(), size_t{2});
    for (size_t i = 0; i < read.size(); ++i) {
      QCOMPARE(read[i].file, saved[i].file);
      QCOMPARE(read[i].title, saved[i].title);
      QCOMPARE(read[i].note, saved[i].note);
      QCOMPARE(read[i].individuals, saved[i].individuals);
      QCOMPARE(read[i].kind, saved[i].kind);
    }
    QCOMPARE(read[1].title, std::string("Grabstein f\xFCr"));
    QCOMPARE(read[1].note, std::string("END\r\nALBM 7\r\n\r\nlast line"));
    QCOMPARE(p.albums().media_count(1), 1);
    QCOMPARE(Child<QComboBox>(p.page, "ShowAlbum0")->itemText(2), QString("Graves"));
  }
};

QTEST_MAIN(PicturesPageTest)
#include "pictures_page_test.moc"
