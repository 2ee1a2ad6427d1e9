#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "files/album_file.h"
#include "files/data_folders.h"
#include "files/media_albums.h"
#include "ui/pictures/album_grid.h"
#include "ui/pictures/crop_box.h"
#include "ui/pictures/picture_people_box.h"
#include "ui/pictures/pictures_page.h"
#include "ui_test_support.h"

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
  TempDir outside;  // where the user's files come from

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
  // The album rules and their message texts are the album model's own tests; here: the page
  // passes the user's actions on and shows the result.
  void AlbumsAreAddedRenamedMovedAndRemoved() {
    PageFixture p;
    AlbumGrid* grid = Child<AlbumGrid>(p.page, "AlbumList");
    QComboBox* left = Child<QComboBox>(p.page, "ShowAlbum0");
    Choose(left, 1);  // the right list shows it: refused, both lists stay
    QCOMPARE(p.f.ui.records().size(), size_t{1});
    QCOMPARE(left->currentIndex(), 0);
    QCOMPARE(p.albums().shown_album(0), 0);

    grid->SelectSlot(2);
    Click(p.Button("btnAddAlbum"));
    QCOMPARE(p.albums().album(2).name, std::string("Album Name 3"));
    QCOMPARE(Child<QLabel>(p.page, "UnusedAlbums")->text(), QString("Unused Albums: 101"));
    QVERIFY(p.f.work.session().changed.albums_changed);
    QCOMPARE(Child<QComboBox>(p.page, "ShowAlbum1")->count(), 3);

    grid->item(2, 0)->setText(QString::fromUtf8("Hochzeit \xC3\xBC"));  // typed into the cell
    QCOMPARE(p.albums().album(2).name, std::string("Hochzeit \xFC"));
    QCOMPARE(left->itemText(2), QString::fromUtf8("Hochzeit \xC3\xBC"));
    grid->item(2, 0)->setText(QString());  // emptied: the cell shows the name it got
    QCOMPARE(grid->item(2, 0)->text(), QString::fromUtf8("Unnamed\xC2\xA0"
                                                         "Album"));
    grid->item(2, 0)->setText("Weddings");

    grid->SelectSlot(2);
    Click(p.Button("btnAlbumEarlier"));
    QCOMPARE(p.albums().album(1).name, std::string("Weddings"));
    QCOMPARE(grid->selected_slot(), 1);
    QCOMPARE(p.albums().shown_album(1), 2);  // the right list still shows "Album 2 Name"

    // An album with an item asks first; No keeps it, Yes drops it but not the file.
    Choose(left, 1);
    QCOMPARE(p.albums().shown_album(0), 1);
    p.AddItem(MakePicture(p.outside, "bride.png"));
    p.f.ui.QueueAnswer(Answer::kNo);
    Click(p.Button("btnRemoveAlbum"));
    QCOMPARE(p.albums().album_count(), 3);
    QCOMPARE(p.LastCaption(), std::string("*** Remove Album ***"));
    p.f.ui.QueueAnswer(Answer::kYes);
    Click(p.Button("btnRemoveAlbum"));
    QCOMPARE(p.albums().album_count(), 2);
    QCOMPARE(p.albums().album(1).name, std::string("Album 2 Name"));
    QVERIFY(p.albums().shown_album(0) != p.albums().shown_album(1));
    QVERIFY(std::filesystem::exists(p.Media("bride.png")));

    grid->SelectSlot(0);
    Click(p.Button("btnRemoveAlbum"));  // the last two albums stay
    QCOMPARE(p.albums().album_count(), 2);
    QCOMPARE(p.LastCaption(), std::string("** Remove Album **"));
  }

  void ItemsAreAddedEditedRenamedAndRemoved() {
    PageFixture p;
    p.AddItem(MakePicture(p.outside, "lake.png"));
    QCOMPARE(p.asked_caption, QString("Select Family Media File"));
    QVERIFY(p.asked_filter.startsWith("Picture Files (JPG GIF PNG BMP)"));
    QVERIFY(std::filesystem::exists(p.Media("lake.png")));
    QCOMPARE(p.Current().file, std::string("lake.png"));
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

    // A rename refused by the file system changes nothing, on the page either.
    p.f.ui.QueueAnswer(Answer::kYes);
    TypeAndLeave(Child<QLineEdit>(p.page, "ItemFile"), "a/b.png");
    Click(p.Button("btnRenameFile"));
    QCOMPARE(p.Current().file, std::string("lake.png"));
    QCOMPARE(Child<QLineEdit>(p.page, "ItemFile")->text(), QString("lake.png"));

    // A rename writes the album file at once.
    const std::string med = kinloom::files::TreeFile(p.f.work.folders().config, "Test", ".med");
    QVERIFY(!std::filesystem::exists(med));
    p.f.ui.QueueAnswer(Answer::kYes);
    TypeAndLeave(Child<QLineEdit>(p.page, "ItemFile"), "lake 1950.png");
    Click(p.Button("btnRenameFile"));
    QCOMPARE(p.f.ui.records().back().text,
             std::string("This name of the picture or document\nhas been changed successfully."));
    QVERIFY(std::filesystem::exists(p.Media("lake 1950.png")));
    QVERIFY(!std::filesystem::exists(p.Media("lake.png")));
    QCOMPARE(p.Current().file, std::string("lake 1950.png"));
    QVERIFY(kinloom::testing::ReadFileBytes(med).find("FILE lake 1950.png\r\n") !=
            std::string::npos);
    QVERIFY(!p.f.work.session().changed.albums_changed);

    p.f.ui.QueueAnswer(Answer::kYes);
    Click(p.Button("btnRemoveItem"));
    QVERIFY(p.albums().album(0).items.empty());
    QVERIFY(std::filesystem::exists(p.Media("lake 1950.png")));  // the file stays
    QCOMPARE(Child<QLabel>(p.page, "NoPreview")->text(), QString("No Media Item Selected"));
    QVERIFY(p.f.work.session().changed.albums_changed);
  }

  // Files other than pictures: a text shows, others open in the desktop's program; one of the
  // same name in the media folder is replaced only when the user says so.
  void OtherFilesAreShownOrOpenedAndReplacedOnlyWhenAsked() {
    PageFixture p;
    kinloom::testing::WriteFileBytes(p.Media("notes.txt"), "the old notes");
    kinloom::testing::WriteFileBytes(p.outside.File("notes.txt"), "the new notes, longer");
    p.f.ui.QueueAnswer(Answer::kCancel);
    p.AddItem(p.outside.File("notes.txt"));
    QVERIFY(p.albums().album(0).items.empty());
    QCOMPARE(kinloom::testing::ReadFileBytes(p.Media("notes.txt")), std::string("the old notes"));
    p.f.ui.QueueAnswer(Answer::kYes);
    p.AddItem(p.outside.File("notes.txt"));
    QCOMPARE(p.albums().album(0).items.size(), size_t{1});
    QCOMPARE(Child<QPlainTextEdit>(p.page, "ItemText")->toPlainText(),
             QString("the new notes, longer"));

    kinloom::testing::WriteFileBytes(p.outside.File("will.pdf"), "%PDF");
    p.AddItem(p.outside.File("will.pdf"));
    QCOMPARE(Child<QLabel>(p.page, "NoPreview")->text(), QString("No Preview\nAvailable"));
    QCOMPARE(p.Button("btnView")->text(), QString("View  PDF  Item"));
    QVERIFY(!p.Button("btnProfilePic")->isEnabled());
    Click(p.Button("btnView"));
    QCOMPARE(p.opened,
             (std::vector<QUrl>{QUrl::fromLocalFile(QString::fromStdString(p.Media("will.pdf")))}));
  }

  void AShownPersonGetsAProfilePicture() {
    PageFixture p;
    p.AddItem(MakePicture(p.outside, "john.png"));
    p.f.work.store().set_show_chart_pictures(true);
    Click(p.Button("btnProfilePic"));
    QVERIFY(HasLine(p.f.Person(1), "1 OBJE john.png"));
    QCOMPARE(std::string(p.f.work.store().individual(1)->thumbPath.view()), p.Media("john.jpg"));
    QVERIFY(std::filesystem::exists(p.Media("john.jpg")));
    QCOMPARE(p.Current().individuals, std::string("|1|"));
    QVERIFY(p.f.work.session().changed.tree_modified);
  }

  void APictureIsCroppedIntoANewItemOrAProfilePicture() {
    PageFixture p;
    p.AddItem(MakePicture(p.outside, "family.png"));
    MediaItem fields = p.Current();
    fields.title = "Family";
    p.albums().EditItem(p.albums().current_item(), fields);
    p.albums().LinkIndividual(p.albums().current_item(), 2);
    const kinloom::files::ItemRef original = p.albums().current_item();
    QVERIFY(p.Button("btnCropPicture")->isEnabled());

    // Cancel changes nothing.
    p.page->SetCropRunner([](kinloom::ui::TCropBox&) { return false; });
    Click(p.Button("btnCropPicture"));
    QCOMPARE(p.albums().album(0).items.size(), size_t{1});

    kinloom::files::PixelRect shown_size;
    p.page->SetCropRunner([&](kinloom::ui::TCropBox& box) {
      box.view().SetSelection({10, 5, 20, 15});
      shown_size = box.selection();
      return true;
    });
    Click(p.Button("btnCropPicture"));
    QCOMPARE(shown_size, (kinloom::files::PixelRect{10, 5, 20, 15}));
    QCOMPARE(p.albums().album(0).items.size(), size_t{2});
    QCOMPARE(p.Current().file, std::string("family_crop.png"));
    QCOMPARE(p.Current().title, std::string("Family (cropped)"));
    QCOMPARE(p.Current().individuals, std::string("|2|"));
    QCOMPARE(p.albums().media_count(2), 2);
    QCOMPARE(QImage(QString::fromStdString(p.Media("family_crop.png"))).size(), QSize(20, 15));
    QVERIFY(p.f.work.session().changed.albums_changed);

    // Into the shown person's profile picture: a JPEG beside the original.
    p.albums().SelectItem(original);
    p.page->SetCropRunner([](kinloom::ui::TCropBox& box) {
      box.view().SetAspect({3, 4});  // the largest 3 : 4 part, centred
      Click(Child<QAbstractButton>(&box, "rbProfile"));
      return true;
    });
    Click(p.Button("btnCropPicture"));
    QVERIFY(HasLine(p.f.Person(1), "1 OBJE family_profile.jpg"));
    QCOMPARE(QImage(QString::fromStdString(p.Media("family_profile.jpg"))).size(), QSize(23, 30));
    QCOMPARE(p.albums().album(0).items.size(), size_t{2});
    QCOMPARE(p.albums().item(original)->individuals, std::string("|2|1|"));
  }

  void CropWindowDragsARectangleThatKeepsItsShapeWhenAsked() {
    QImage picture(400, 300, QImage::Format_RGB32);
    {
      QPainter painter(&picture);
      QLinearGradient sky(0, 0, 400, 300);
      sky.setColorAt(0, Qt::darkBlue);
      sky.setColorAt(1, Qt::yellow);
      painter.fillRect(picture.rect(), sky);
    }
    kinloom::ui::TCropBox box(picture, "Wedding", "John Smith", nullptr);
    box.resize(600, 520);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* ok = Child<QPushButton>(&box, "btnOk");
    QVERIFY(!ok->isEnabled());
    kinloom::ui::CropView& view = box.view();
    const kinloom::files::PictureView fit =
        kinloom::files::FitPicture({400, 300}, {view.width(), view.height()}, true);
    auto at = [&](int x, int y) {
      return QPoint(static_cast<int>(fit.left + x * fit.scale + 0.5),
                    static_cast<int>(fit.top + y * fit.scale + 0.5));
    };
    QTest::mousePress(&view, Qt::LeftButton, {}, at(100, 50));
    QTest::mouseMove(&view, at(200, 100));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, at(300, 100));
    const kinloom::files::PixelRect dragged = box.selection();
    QVERIFY(std::abs(dragged.x - 100) <= 1 && std::abs(dragged.width - 200) <= 2);
    QVERIFY(std::abs(dragged.height - 50) <= 2);
    QVERIFY(ok->isEnabled());
    QVERIFY(Child<QLabel>(&box, "CropSize")->text().startsWith("Kept: "));

    Click(Child<QCheckBox>(&box, "cbKeepAspect"));  // 3 : 4 first
    const kinloom::files::PixelRect shaped = box.selection();
    QVERIFY(std::abs(shaped.width * 4 - shaped.height * 3) <= 4);  // within a pixel's rounding
    QCOMPARE(box.Cropped().size(), QSize(shaped.width, shaped.height));
    QCOMPARE(box.target(), kinloom::ui::TCropBox::Target::kNewItem);
    QVERIFY(Child<QAbstractButton>(&box, "rbProfile")->isEnabled());

    kinloom::ui::TCropBox nobody(picture, "Wedding", QString(), nullptr);
    QVERIFY(!Child<QAbstractButton>(&nobody, "rbProfile")->isEnabled());
  }

  void ThePeopleOfAPictureAreEditedByName() {
    PageFixture p;
    p.AddItem(MakePicture(p.outside, "pair.png"));
    p.albums().LinkIndividual(p.albums().current_item(), 2);
    std::vector<QString> listed;
    bool added_once = false;
    p.page->SetPeopleRunner([&](kinloom::ui::TPicturePeopleBox& box) {
      auto* list = Child<QListWidget>(&box, "PeopleList");
      listed.push_back(list->item(0)->text());
      Click(Child<QPushButton>(&box, "btnAddShown"));  // John, the shown person
      added_once = !Child<QPushButton>(&box, "btnAddShown")->isEnabled();
      list->setCurrentRow(0);
      Click(Child<QPushButton>(&box, "btnRemove"));  // Mary
      box.AddPerson(99);                             // no such person: ignored
      listed.push_back(list->item(0)->text());
      return true;
    });
    Click(p.Button("btnPicturePeople"));
    QCOMPARE(listed.size(), size_t{2});
    QVERIFY(added_once);
    QVERIFY(listed[0].contains("Mary"));
    QVERIFY(listed[1].contains("John"));
    QCOMPARE(p.Current().individuals, std::string("|1|"));
    QCOMPARE(p.albums().media_count(1), 1);
    QCOMPARE(p.albums().media_count(2), 0);
    QVERIFY(p.f.work.session().changed.albums_changed);

    // Cancel keeps the list.
    p.page->SetPeopleRunner([](kinloom::ui::TPicturePeopleBox& box) {
      Click(Child<QPushButton>(&box, "btnRemove"));
      return false;
    });
    Click(p.Button("btnPicturePeople"));
    QCOMPARE(p.Current().individuals, std::string("|1|"));
  }

  // The album file's own round trip is tested below the page; here: what the page typed in
  // comes back, a dead-key title and note lines that look like the file's own lines included.
  void AlbumsSurviveSavingAndOpeningAgain() {
    PageFixture p;
    Click(p.Button("btnAddAlbum"));
    Child<AlbumGrid>(p.page, "AlbumList")->item(2, 0)->setText("Graves");
    Choose(Child<QComboBox>(p.page, "ShowAlbum1"), 2);  // the right list takes new items
    p.AddItem(MakePicture(p.outside, "stone.png"));
    p.AddItem(MakePicture(p.outside, "cross.png"));
    Child<QPlainTextEdit>(p.page, "ItemNote")->setPlainText("END\nALBM 7\n\nlast line");
    QLineEdit* title = Child<QLineEdit>(p.page, "ItemTitle");
    title->setText(QString::fromUtf8("Grabstein f\xC3\xBCr"));  // typed with a dead key
    emit title->textEdited(title->text());
    Click(p.Button("btnAddPerson"));
    Choose(Child<QComboBox>(p.page, "ItemKind"), 2);
    p.f.window->SaveTree(false);
    QVERIFY(!p.f.work.session().changed.albums_changed);

    p.albums().Reset();
    kinloom::files::OpenRequest request;
    request.path = p.f.GedcomPath();
    QVERIFY(p.f.window->OpenTreeFile(request));
    QCOMPARE(p.albums().album(2).name, std::string("Graves"));
    QCOMPARE(Child<QComboBox>(p.page, "ShowAlbum0")->itemText(2), QString("Graves"));
    const std::vector<MediaItem>& read = p.albums().album(2).items;
    QCOMPARE(read.size(), size_t{2});
    QCOMPARE(read[0].file, std::string("stone.png"));
    QCOMPARE(read[1].file, std::string("cross.png"));
    QCOMPARE(read[1].title, std::string("Grabstein f\xFCr"));
    QCOMPARE(read[1].note, std::string("END\r\nALBM 7\r\n\r\nlast line"));
    QCOMPARE(read[1].individuals, std::string("|1|"));
    QCOMPARE(read[1].kind, 2);
    QCOMPARE(p.albums().media_count(1), 1);
  }
};

QTEST_MAIN(PicturesPageTest)
#include "pictures_page_test.moc"
