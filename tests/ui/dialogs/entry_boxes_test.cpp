// The address book, the clipboard of individuals and automatic entry in the desktop program.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "files/address_book.h"
#include "store/line_search.h"
#include "ui/dialogs/address_book_box.h"
#include "ui/dialogs/auto_entry_box.h"
#include "ui/dialogs/entry_commands.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::HasLine;
using kinloom::testing::ReadFileBytes;
using kinloom::testing::WindowFixture;

namespace {

const std::vector<std::string> kFirstTree = {
    "0 @I000001@ INDI",   "1 NAME George /Smith/", "1 SEX M",          "1 FAMS @F000001@",
    "0 @I000002@ INDI",   "1 NAME John /Smith/",   "1 SEX M",          "1 BIRT",
    "2 DATE 12 MAR 1850", "2 PLAC Leeds",          "2 SOUR @S000001@", "1 FAMC @F000001@",
    "1 NOTE Mill worker", "0 @F000001@ FAM",       "1 HUSB @I000001@", "1 CHIL @I000002@",
    "0 @S000001@ SOUR",   "1 TITL Parish register"};
const std::vector<std::string> kSecondTree = {"0 @I000001@ INDI", "1 NAME Eve /Hall/", "1 SEX F"};

// Grabs a window into $KINLOOM_SCREENSHOTS/<name>.png when that folder is named.
void Shoot(QWidget& widget, const char* name) {
  const QString folder = qEnvironmentVariable("KINLOOM_SCREENSHOTS");
  if (folder.isEmpty()) return;
  widget.show();
  QApplication::processEvents();
  widget.grab().save(folder + QLatin1Char('/') + QString::fromLatin1(name) + ".png");
}

}  // namespace

class EntryBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void menusHoldTheCommands() {
    WindowFixture f;
    QVERIFY(f.Load(kSecondTree));
    for (const char* name : {"actCopyPerson", "actPastePerson", "actAutoEntry", "actAddressBook"}) {
      QVERIFY2(f.window->commands().Find(QString::fromLatin1(name)) != nullptr, name);
    }
  }

  void clipboardCarriesAPersonToAnotherTree() {
    WindowFixture first;
    QVERIFY(first.Load(kFirstTree, 2, "First"));
    QClipboard& clipboard = *QApplication::clipboard();
    QVERIFY(kinloom::ui::CopyPersonToClipboard(*first.window, 2, clipboard));
    QVERIFY(clipboard.mimeData()->hasFormat(QStringLiteral("application/x-gedcom")));
    QVERIFY(clipboard.text().startsWith(QStringLiteral("0 HEAD")));

    WindowFixture second;
    QVERIFY(second.Load(kSecondTree, 1, "Second"));
    const std::vector<int> pasted =
        kinloom::ui::PastePersonFromClipboard(*second.window, clipboard);
    QCOMPARE(pasted, std::vector<int>{2});
    // What is carried and what is left out is person_clipboard_test's.
    QVERIFY(HasLine(second.Person(2), "1 NAME John /Smith/"));
    QCOMPARE(second.window->shown().individual, 2);
    QVERIFY(second.store.tree_modified());
  }

  void clipboardJunkChangesNothingAndUnicodeTextPastes() {
    WindowFixture f;
    QVERIFY(f.Load(kSecondTree));
    f.store.set_tree_modified(false);
    QClipboard& clipboard = *QApplication::clipboard();
    clipboard.setText(QStringLiteral("Shopping: eggs, milk"));
    QVERIFY(kinloom::ui::PastePersonFromClipboard(*f.window, clipboard).empty());
    QCOMPARE(f.store.highest_individual(), 1);
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{" *** Nothing Pasted *** "});
    // Text copied out of an editor showing an ANSEL file: already Unicode on the clipboard.
    clipboard.setText(
        QString::fromUtf8("0 HEAD\n1 CHAR ANSEL\n0 @X1@ INDI\n1 NAME Jos\xC3\xA9 /Garc\xC3\xAD"
                          "a/\n0 TRLR\n"));
    QCOMPARE(kinloom::ui::PastePersonFromClipboard(*f.window, clipboard), std::vector<int>{2});
    QVERIFY(HasLine(f.Person(2),
                    "1 NAME Jos\xE9 /Garc\xED"
                    "a/"));
  }

  void autoEntryPreviewsCorrectsAndCreatesChildren() {
    WindowFixture f;
    QVERIFY(f.Load(kFirstTree, 1));
    kinloom::ui::TAutoEntryBox box(*f.window);
    Child<QPlainTextEdit>(&box, "EntryText")
        ->setPlainText(QString::fromUtf8(
            "Ann Smith b. 12 Mar 1880 Leeds, Yorkshire\n12 Mar 1850\nTom Smith (1882\xE2\x80\x93"
            "1950)"));
    Click(Child<QPushButton>(&box, "btnPreview"));
    auto* table = Child<QTableWidget>(&box, "EntryTable");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, kinloom::ui::TAutoEntryBox::kBirthPlace)->text(),
             QStringLiteral("Leeds, Yorkshire"));
    QVERIFY(Child<QLabel>(&box, "RefusedLines")->text().contains(QStringLiteral("Line 2")));
    Shoot(box, "auto_entry_box");
    // A correction in the table: a date typed in a readable form.
    table->item(1, kinloom::ui::TAutoEntryBox::kBirthDate)->setText(QStringLiteral("abt 1881"));
    Child<QRadioButton>(&box, "rbChildren")->setChecked(true);
    Click(Child<QPushButton>(&box, "btnCreate"));
    QCOMPARE(box.created().size(), size_t{2});
    const int tom = box.created()[1];
    QVERIFY(HasLine(f.Person(tom), "2 DATE ABT 1881"));
    QVERIFY(HasLine(f.Person(tom), "1 FAMC @F000001@"));
    QVERIFY(HasLine(f.Family(1), "1 CHIL " + kinloom::store::MakeXref('I', tom)));
  }

  void autoEntryRefusesAnUnreadableCorrection() {
    WindowFixture f;
    QVERIFY(f.Load(kSecondTree));
    kinloom::ui::TAutoEntryBox box(*f.window);
    Child<QPlainTextEdit>(&box, "EntryText")->setPlainText(QStringLiteral("Ann Lee b. 1880"));
    Click(Child<QPushButton>(&box, "btnPreview"));
    Child<QTableWidget>(&box, "EntryTable")
        ->item(0, kinloom::ui::TAutoEntryBox::kBirthDate)
        ->setText(QStringLiteral("next spring"));
    Click(Child<QPushButton>(&box, "btnCreate"));
    QVERIFY(box.created().empty());
    QCOMPARE(f.store.highest_individual(), 1);
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{" *** Date Not Read *** "});
  }

  void addressBookSavesSearchesAndExports() {
    WindowFixture f;
    QVERIFY(f.Load(kSecondTree));
    const std::string path = kinloom::ui::AddressBookPath(*f.window);
    QVERIFY(path.ends_with("/Test.adr"));
    {
      kinloom::ui::TAddressBookBox box(*f.window, path);
      Child<QComboBox>(&box, "Kind")->setCurrentIndex(1);
      Child<QLineEdit>(&box, "ContactName")->setText(QStringLiteral("Leeds Archive"));
      Child<QPlainTextEdit>(&box, "ContactAddress")
          ->setPlainText(QStringLiteral("Nepshaw Lane, Morley\nLeeds"));
      Child<QLineEdit>(&box, "ContactEmail")->setText(QStringLiteral("leeds@example.org"));
      Click(Child<QPushButton>(&box, "btnSave"));
      Click(Child<QPushButton>(&box, "btnNew"));
      Child<QLineEdit>(&box, "ContactName")->setText(QString::fromUtf8("\xC3\x85sa Lund"));
      Click(Child<QPushButton>(&box, "btnSave"));
      QCOMPARE(Child<QListWidget>(&box, "AddressList")->count(), 2);
      Child<QLineEdit>(&box, "SearchFor")->setText(QStringLiteral("morley"));
      QCOMPARE(Child<QListWidget>(&box, "AddressList")->count(), 1);
      Child<QLineEdit>(&box, "SearchFor")->clear();
      Shoot(box, "address_book_box");
      const std::string cards = f.home.path() + "/all.vcf";
      QVERIFY(box.ExportTo(cards, true));
      const std::string text = ReadFileBytes(cards);
      QVERIFY(text.find("FN:\xC3\x85sa Lund\r\n") != std::string::npos);
    }
    kinloom::ui::TAddressBookBox again(*f.window, path);
    QCOMPARE(again.book().size(), size_t{2});
    QCOMPARE(again.book()[0].name, std::string("Leeds Archive"));
    QCOMPARE(again.book()[0].kind, kinloom::files::ContactKind::kArchive);
  }

  void unreadableAddressBookIsNotWrittenOver() {
    WindowFixture f;
    QVERIFY(f.Load(kSecondTree));
    const std::string path = kinloom::ui::AddressBookPath(*f.window);
    std::filesystem::create_directories(path);  // a folder where the file should be
    kinloom::ui::TAddressBookBox box(*f.window, path);
    QVERIFY(box.read_only());
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{" *** Address Book Not Read *** "});
    QVERIFY(!Child<QPushButton>(&box, "btnSave")->isEnabled());
    box.btnSaveClick();
    QVERIFY(std::filesystem::is_directory(path));
  }
};

QTEST_MAIN(EntryBoxesTest)
#include "entry_boxes_test.moc"
