#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <filesystem>

#include "core/family_ops.h"
#include "files/data_folders.h"
#include "files/tree_copy.h"
#include "ui/dialogs/open_box.h"
#include "ui/dialogs/save_file_box.h"
#include "ui/dialogs/start_box.h"
#include "ui/main/fam_tree.h"
#include "ui_test_support.h"

using kinloom::platform::Answer;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::ReadFileBytes;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using kinloom::testing::WriteFileBytes;
namespace files = kinloom::files;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kSmiths = {
    "0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M",
    "0 @I000002@ INDI", "1 NAME Mary /Smith/", "1 SEX F",
};

QStringList Texts(const QListWidget* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
}

QStringList Explanation(kinloom::ui::TSaveFileBox& box) {
  return Texts(Child<QListWidget>(&box, "SaveExplanation"));
}

// A tree file of the gedcom folder (or another folder) with one person.
void PutTree(const std::string& path, const std::string& person) {
  std::vector<std::string> lines = kinloom::testing::OwnHeader(fs::path(path).filename());
  lines.insert(lines.end(), {"0 @I000001@ INDI", "1 NAME " + person, "1 SEX F", "0 TRLR"});
  WriteFileBytes(path, kinloom::testing::CrLfJoin(lines));
}

std::string Side(const WindowFixture& f, const std::string& tree, const char* extension) {
  return files::TreeFile(f.work.folders().config, tree, extension);
}

bool OpenFile(WindowFixture& f, const std::string& path) {
  files::OpenRequest request;
  request.path = path;
  return f.window->OpenTreeFile(request);
}

bool SelectRow(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  if (found.isEmpty()) return false;
  list->setCurrentItem(found.front());
  return true;
}

// Clicks a button of the modal dialog that is open once the event loop runs.
void ClickInNextModal(const char* button) {
  QTimer::singleShot(0, [button] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) qFatal("no modal dialog");
    Click(Child<QPushButton>(modal, button));
  });
}

}  // namespace

class FileDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void SaveExplanationFollowsTheSessionAndTheNameTyped() {
    WindowFixture f;
    QVERIFY(f.Load(kSmiths, 1, "Smith"));
    PutTree(f.GedcomPath("Brown"), "Ann /Brown/");
    kinloom::ui::TSaveFileBox box(*f.window);
    auto* name = Child<QLineEdit>(&box, "SaveName");
    auto* save = Child<QPushButton>(&box, "btnSaveNormal");
    QCOMPARE(name->text(), QStringLiteral("Smith"));
    const QString startup =
        "The startup file for this family tree session was.........:  Smith.ged";
    // Opened and not saved: the opened file becomes a backup first.
    QCOMPARE(Explanation(box),
             QStringList({startup,
                          " It will be converted to a backup file and renamed....:  0001_Smith.ged",
                          "The current family tree session will be saved to ......:  Smith.ged"}));
    // Other names' explanations are tree_session_test's; here the box follows the typed name
    // and asks the data home which files exist.
    TypeAndLeave(name, QStringLiteral("Jones.ged"));
    QCOMPARE(name->text(), QStringLiteral("Jones"));
    QCOMPARE(Explanation(box),
             QStringList(
                 {startup, "The current family tree session will be saved to ......:  Jones.ged"}));
    TypeAndLeave(name, QStringLiteral("Brown"));
    QCOMPARE(Explanation(box).value(2),
             " It will be converted to a backup file and renamed....:  0001_Brown.ged");
    QVERIFY(save->isEnabled());
    TypeAndLeave(name, QString());
    QCOMPARE(Explanation(box), QStringList({"Family Tree Name Too Short"}));
    QVERIFY(!save->isEnabled());
    QCOMPARE(name->maxLength(), 64);
  }

  void SaveExplanationForNewAndBackupTrees() {
    WindowFixture f;
    QVERIFY(OpenFile(f, f.GedcomPath("Fresh")));
    {
      kinloom::ui::TSaveFileBox box(*f.window);
      QCOMPARE(Explanation(box).value(0), "New family tree started. It has not yet been saved.");
    }
    PutTree(f.work.folders().backup + "/0003_Old.ged", "Ann /Old/");
    QVERIFY(OpenFile(f, f.work.folders().backup + "/0003_Old.ged"));
    kinloom::ui::TSaveFileBox box(*f.window);
    QCOMPARE(
        Explanation(box).value(1),
        QStringLiteral("This was a backup of another file without the four digit prefix number."));
  }

  void SavingTurnsTheReplacedFilesIntoABackupAndThenOnlyOverwrites() {
    WindowFixture f;
    QVERIFY(f.Load(kSmiths, 1, "Smith"));
    PutTree(f.GedcomPath("Brown"), "Ann /Brown/");  // its side files: tree_files_test
    {
      kinloom::ui::TSaveFileBox box(*f.window);
      TypeAndLeave(Child<QLineEdit>(&box, "SaveName"), QStringLiteral("Brown"));
      Click(Child<QPushButton>(&box, "btnSaveNormal"));
      QCOMPARE(box.result(), int(QDialog::Accepted));
    }
    const std::string backup = f.work.folders().backup;
    QVERIFY(ReadFileBytes(backup + "/0001_Brown.ged").find("Ann /Brown/") != std::string::npos);
    QVERIFY(ReadFileBytes(f.GedcomPath("Brown")).find("John /Smith/") != std::string::npos);
    QVERIFY(fs::exists(f.GedcomPath("Smith")));  // the opened tree is left as it was
    QCOMPARE(f.work.session().tree_name, std::string("Brown"));
    QVERIFY(f.window->windowTitle().endsWith(QStringLiteral(" - Brown")));

    kinloom::ui::TSaveFileBox again(*f.window);
    QCOMPARE(Explanation(again).value(0),
             "Earlier the current family tree was saved to................:  Brown.ged");
    Click(Child<QPushButton>(&again, "btnSaveNormal"));
    QVERIFY(!fs::exists(backup + "/0002_Brown.ged"));
  }

  // The days backups are kept: shown and changed in the save dialog, kept in sources.web.
  void SaveDialogKeepsBackupsForTheDaysChosenAndNamesTheReducedCopy() {
    WindowFixture f;
    QVERIFY(f.Load(kSmiths, 1, "Smith"));
    f.work.program_settings().backup_days = 120;
    kinloom::ui::TSaveFileBox box(*f.window);
    auto* days = Child<QSpinBox>(&box, "udMaxAge");
    QCOMPARE(days->value(), 120);
    days->setFocus();
    days->selectAll();
    QTest::keyClicks(days, QStringLiteral("400"));
    QCOMPARE(f.work.program_settings().backup_days, 400);
    QVERIFY(f.work.session().changed.sources_changed);

    // A reduced copy is named beside its buttons; the open tree keeps its name.
    Click(Child<QPushButton>(&box, "btnBoth"));
    QCOMPARE(Child<QLabel>(&box, "SplitFileName")->text(),
             QStringLiteral("Smith_Split_Hide0001.ged"));
    QCOMPARE(Child<QLabel>(&box, "ExcludeFileName")->text(),
             QStringLiteral("Smith_Split_Hide0001.ged"));
    QVERIFY(fs::exists(f.GedcomPath("Smith_Split_Hide0001")));
    QCOMPARE(f.ui.records().back().caption, std::string("Ged File Saved"));
    QCOMPARE(f.work.session().tree_name, std::string("Smith"));
    // The next backup takes the next prefix.
    QVERIFY(Explanation(box).value(1).endsWith(QStringLiteral("0002_Smith.ged")));
    Click(Child<QPushButton>(&box, "btnSaveNormal"));
    const std::string written = ReadFileBytes(files::SourcesFile(f.work.folders()));
    QVERIFY(written.find("\n7 400\r\n") != std::string::npos);
  }

  void OpenDialogListsTreesAndBackups() {
    WindowFixture f;
    QVERIFY(f.Load(kSmiths, 1, "Smith"));
    PutTree(f.GedcomPath("brown"), "Ann /Brown/");
    PutTree(f.GedcomPath("Adams"), "Ann /Adams/");
    WriteFileBytes(f.work.folders().gedcom + "/notes.txt", "not a tree");
    kinloom::ui::TOpenBox box(*f.window);
    auto* list = Child<QListWidget>(&box, "FileList");
    QCOMPARE(Texts(list), QStringList({"Adams", "brown", "Smith"}));
    QCOMPARE(list->currentRow(), 0);
    Click(Child<QCheckBox>(&box, "cbShowBackups"));
    QCOMPARE(list->count(), 0);
    for (const char* button : {"btnOpen", "btnMerge", "btnDual"}) {
      QVERIFY2(!Child<QPushButton>(&box, button)->isEnabled(), button);
    }
    PutTree(f.work.folders().backup + "/0001_Smith.ged", "Ann /Old/");
    box.RefreshList();
    QCOMPARE(Texts(list), QStringList({"0001_Smith"}));
    QVERIFY(Child<QPushButton>(&box, "btnOpen")->isEnabled());
    QVERIFY(!Child<QPushButton>(&box, "btnDelete")->isEnabled());
  }

  void OpenAsksAboutChangesThenSavesOrNotAndOpensTheSelectedTree() {
    WindowFixture f;
    QVERIFY(f.Load(kSmiths, 1, "Smith"));
    PutTree(f.GedcomPath("Brown"), "Ann /Brown/");
    f.work.session().changed.tree_modified = true;
    kinloom::ui::TOpenBox box(*f.window);
    QVERIFY(SelectRow(Child<QListWidget>(&box, "FileList"), QStringLiteral("Brown")));
    // Dual starts a second program on the selected tree with the next copy number.
    QStringList started;
    box.SetLauncher([&](const QString&, const QStringList& arguments) {
      started = arguments;
      return true;
    });
    Click(Child<QPushButton>(&box, "btnDual"));
    QCOMPARE(started, QStringList({"--home", QString::fromStdString(f.work.folders().home),
                                   QString::fromStdString(f.GedcomPath("Brown")), "1"}));
    QCOMPARE(f.work.session().tree_name, std::string("Smith"));

    f.ui.ClearRecords();
    f.ui.QueueAnswer(Answer::kCancel);
    Click(Child<QPushButton>(&box, "btnOpen"));
    QCOMPARE(f.work.session().tree_name, std::string("Smith"));
    QCOMPARE(f.ui.records()[0].caption, std::string("Confirm"));
    QCOMPARE(f.ui.records()[0].text,
             std::string("Save changes to: Smith\n\n"
                         "[  Yes   ]  Save Old Family Tree - Then Open New Family Tree.\n"
                         "[   No   ]  Open New Family Tree - Do Not Save Old Family Tree.\n"
                         "[Cancel]  Do Not Save Old or Open New Family Tree."));
    // Yes, then the save dialog is cancelled: nothing is opened, nothing is lost.
    f.ui.QueueAnswer(Answer::kYes);
    ClickInNextModal("btnCancel");
    Click(Child<QPushButton>(&box, "btnOpen"));
    QCOMPARE(f.work.session().tree_name, std::string("Smith"));
    // No opens the tree without saving the old one.
    f.ui.QueueAnswer(Answer::kNo);
    Click(Child<QPushButton>(&box, "btnOpen"));
    QCOMPARE(f.work.session().tree_name, std::string("Brown"));
    QVERIFY(kinloom::testing::HasLine(f.Person(1), "1 NAME Ann /Brown/"));
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QVERIFY(ReadFileBytes(f.GedcomPath("Smith")).find("Mary") != std::string::npos);
    QVERIFY(!fs::exists(f.work.folders().backup + "/0001_Smith.ged"));
    // Yes, then Save in the save dialog: the old tree is saved (its file kept as a backup) first.
    f.work.session().changed.tree_modified = true;
    QVERIFY(SelectRow(Child<QListWidget>(&box, "FileList"), QStringLiteral("Smith")));
    f.ui.QueueAnswer(Answer::kYes);
    ClickInNextModal("btnSaveNormal");
    Click(Child<QPushButton>(&box, "btnOpen"));
    QCOMPARE(f.work.session().tree_name, std::string("Smith"));
    QVERIFY(fs::exists(f.work.folders().backup + "/0001_Brown.ged"));
    QVERIFY(fs::exists(f.GedcomPath("Brown")));
  }

  void OpenStartsANewTreeFromTheNameField() {
    WindowFixture f;
    QVERIFY(f.Load(kSmiths, 1, "Smith"));
    kinloom::ui::TOpenBox box(*f.window);
    auto* field = Child<QLineEdit>(&box, "NewTreeName");
    QCOMPARE(field->placeholderText(), QStringLiteral("    Enter Name for New Tree Here"));
    TypeAndLeave(field, QStringLiteral("Fresh.old"));
    Click(Child<QPushButton>(&box, "btnOpen"));
    QCOMPARE(f.work.session().tree_name, std::string("Fresh"));
    QCOMPARE(f.work.session().save_state, files::kNewTreeSaveState);
  }

  void DeleteRemovesTheTreeWithItsPicturesAndRefreshesTheList() {
    WindowFixture f;
    QVERIFY(f.Load(kSmiths, 1, "Smith"));
    std::vector<std::string> lines = kinloom::testing::OwnHeader("Brown.ged");
    lines.insert(lines.end(),
                 {"0 @I000001@ INDI", "1 NAME Ann /Brown/", "1 OBJE", "2 FILE face.jpg", "0 TRLR"});
    WriteFileBytes(f.GedcomPath("Brown"), kinloom::testing::CrLfJoin(lines));
    WriteFileBytes(Side(f, "Brown", ".med"),
                   "HEAD Album\r\n\r\nALBM 0\r\nFILE album.jpg\r\nEND\r\n");
    for (const char* picture : {"face", "album", "other"}) {
      WriteFileBytes(f.work.folders().media + "/" + picture + ".jpg", "jpg");
    }
    kinloom::ui::TOpenBox box(*f.window);
    auto* list = Child<QListWidget>(&box, "FileList");
    QVERIFY(SelectRow(list, QStringLiteral("Brown")));
    f.ui.QueueAnswer(Answer::kNo);
    Click(Child<QPushButton>(&box, "btnDelete"));
    QVERIFY(fs::exists(f.GedcomPath("Brown")));
    f.ui.QueueAnswer(Answer::kYes);
    f.ui.QueueAnswer(Answer::kYes);
    Click(Child<QPushButton>(&box, "btnDelete"));
    QVERIFY(!fs::exists(f.GedcomPath("Brown")));
    QVERIFY(!fs::exists(Side(f, "Brown", ".med")));
    for (const char* picture : {"face", "album", "other"}) {
      QCOMPARE(fs::exists(f.work.folders().media + "/" + picture + ".jpg"), picture[0] == 'o');
    }
    QCOMPARE(Texts(list), QStringList({"Smith"}));
    // The open tree would come back with its next save.
    f.ui.ClearRecords();
    Click(Child<QPushButton>(&box, "btnDelete"));
    QVERIFY(fs::exists(f.GedcomPath("Smith")));
    QCOMPARE(f.ui.records().size(), size_t{1});
  }

  void BrowseCopiesATreeInAndAsksBeforeReplacingTheOpenOne() {
    WindowFixture f;
    QVERIFY(f.Load(kSmiths, 1, "Smith"));
    kinloom::testing::TempDir other;
    for (const char* folder : {"gedcom", "config", "loose"})
      fs::create_directories(other.File(folder));
    PutTree(other.File("gedcom/Brown.ged"), "Ann /Brown/");
    WriteFileBytes(other.File("config/Brown.med"), "other med");
    PutTree(other.File("loose/Smith.ged"), "Ann /Newer/");
    kinloom::ui::TOpenBox box(*f.window);
    QString chosen = QString::fromStdString(other.File("gedcom/Brown.ged"));
    box.SetFileChooser([&](QWidget*, const QString&) { return chosen; });
    Click(Child<QPushButton>(&box, "btnBrowse"));
    auto* list = Child<QListWidget>(&box, "FileList");
    QCOMPARE(Texts(list), QStringList({"Brown", "Smith"}));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Brown"));
    QCOMPARE(ReadFileBytes(Side(f, "Brown", ".med")), std::string("other med"));

    chosen = QString::fromStdString(other.File("loose/Smith.ged"));
    f.ui.QueueAnswer(Answer::kNo);
    Click(Child<QPushButton>(&box, "btnBrowse"));
    QCOMPARE(f.ui.records().back().caption, std::string(" *** Copy Over Open Family Tree ***"));
    QVERIFY(ReadFileBytes(f.GedcomPath("Smith")).find("Newer") == std::string::npos);
    f.ui.QueueAnswer(Answer::kYes);
    Click(Child<QPushButton>(&box, "btnBrowse"));
    QVERIFY(kinloom::testing::HasLine(f.Person(1), "1 NAME Ann /Newer/"));
  }

  void CopyPageCopiesTheSavedTreeToAFolderAndTheOpenDialogBringsItBack() {
    WindowFixture f;
    QVERIFY(f.Load({"0 @I000001@ INDI", "1 NAME John /Smith/", "1 OBJE john.jpg"}, 1, "Smith"));
    WriteFileBytes(f.work.folders().media + "/john.jpg", "JPEG");
    kinloom::testing::TempDir stick;
    {
      kinloom::ui::TSaveFileBox box(*f.window);
      QString asked_start;
      box.SetFolderChooser([&](QWidget*, const QString& start) {
        asked_start = start;
        return QString::fromStdString(stick.path());
      });
      Click(Child<QPushButton>(&box, "btnCopyTree"));
      QCOMPARE(f.ui.records().back().caption, std::string(" *** Copy Complete ***"));
      QVERIFY(!asked_start.isEmpty());
    }
    QCOMPARE(ReadFileBytes(stick.File("gedcom/Smith.ged")), ReadFileBytes(f.GedcomPath("Smith")));
    QCOMPARE(ReadFileBytes(stick.File("media/john.jpg")), std::string("JPEG"));

    // Into a data home without the tree: the open dialog lists it afterwards.
    fs::remove(f.GedcomPath("Smith"));
    f.ui.ClearRecords();
    PutTree(f.GedcomPath("Other"), "Ann /Other/");
    kinloom::ui::TOpenBox box(*f.window);
    box.SetFolderChooser(
        [&](QWidget*, const QString&) { return QString::fromStdString(stick.File("gedcom")); });
    f.ui.QueueAnswer(Answer::kYes);  // the open tree Smith is replaced
    Click(Child<QPushButton>(&box, "btnCopyFrom"));
    QVERIFY(fs::exists(f.GedcomPath("Smith")));
    QCOMPARE(f.ui.Captions().front(), std::string(" *** Copy Over Open Family Tree ***"));
  }

  void CopyFromAnotherFolderPicksOneOfSeveralAndAsksBeforeReplacingATree() {
    WindowFixture f;
    QVERIFY(f.Load(kSmiths, 1, "Smith"));
    PutTree(f.GedcomPath("Brown"), "Ann /Home/");
    kinloom::testing::TempDir stick;
    fs::create_directories(stick.File("gedcom"));
    PutTree(stick.File("gedcom/Brown.ged"), "Ann /Stick/");
    PutTree(stick.File("gedcom/Jones.ged"), "Bo /Jones/");
    kinloom::ui::TOpenBox box(*f.window);
    box.SetFolderChooser(
        [&](QWidget*, const QString&) { return QString::fromStdString(stick.path()); });
    QStringList offered;
    box.SetTreeChooser([&](QWidget*, const QStringList& trees) {
      offered = trees;
      return QStringLiteral("Brown");
    });
    f.ui.QueueAnswer(Answer::kYes);  // No is tree_copy_test's
    Click(Child<QPushButton>(&box, "btnCopyFrom"));
    QCOMPARE(offered, QStringList({"Brown", "Jones"}));
    QCOMPARE(f.ui.Captions().front(), std::string(files::kReplaceTreeCaption));
    QVERIFY(ReadFileBytes(f.GedcomPath("Brown")).find("Stick") != std::string::npos);
    QCOMPARE(Child<QListWidget>(&box, "FileList")->currentItem()->text(), QStringLiteral("Brown"));

    // A folder without trees says where to look.
    kinloom::testing::TempDir empty;
    box.SetFolderChooser(
        [&](QWidget*, const QString&) { return QString::fromStdString(empty.path()); });
    Click(Child<QPushButton>(&box, "btnCopyFrom"));
    QCOMPARE(f.ui.records().back().caption, std::string(" *** Copy Family Tree ***"));
  }

  void StartWindowListsTreesOpensTheSelectedOneOrNamesANewTree() {
    WindowFixture f;
    PutTree(f.GedcomPath("Smith"), "Ann /Smith/");
    // Backups written 100 and 10 days before the fixed clock's day.
    const auto backup = [&](int number, int days) {
      const std::string path =
          f.work.folders().backup + "/000" + std::to_string(number) + "_Smith.ged";
      WriteFileBytes(path, "old");
      const std::chrono::sys_seconds day{std::chrono::sys_days(std::chrono::year(2026) / 12 / 6)};
      fs::last_write_time(path, std::chrono::file_clock::from_sys(day - std::chrono::days(days)));
      return path;
    };
    const std::string old_backup = backup(1, 100), new_backup = backup(2, 10);
    {  // A name typed over the hint with nothing else changed opens the selected tree.
      kinloom::ui::TStartBox start(f.work, f.ui);
      TypeAndLeave(Child<QLineEdit>(&start, "NewTreeName"), QStringLiteral(" typed over the hint"));
      Click(Child<QPushButton>(&start, "btnOpen"));
      QCOMPARE(start.chosen_path(), QString::fromStdString(f.GedcomPath("Smith")));
    }
    kinloom::ui::TStartBox start(f.work, f.ui);
    start.show();
    QVERIFY(!fs::exists(old_backup));
    QVERIFY(fs::exists(new_backup));
    QCOMPARE(Texts(Child<QListWidget>(&start, "FileList")), QStringList({"Smith"}));
    TypeAndLeave(Child<QLineEdit>(&start, "NewTreeName"), QStringLiteral("New Tree"));
    Click(Child<QPushButton>(&start, "btnOpen"));
    QCOMPARE(start.result(), int(QDialog::Accepted));
    QCOMPARE(start.chosen_path(),
             QString::fromStdString(f.work.folders().gedcom + "/New Tree.ged"));
  }

  void NewUserOpensTheSampleEditsSavesAndSeesTheChangeAfterReopening() {
    WindowFixture f;
    fs::copy_file(fs::path(KINLOOM_SOURCE_DIR) / "samples" / "sample.ged", f.GedcomPath("sample"));
    std::string chosen;
    {
      kinloom::ui::TStartBox start(f.work, f.ui);
      start.show();
      QVERIFY(SelectRow(Child<QListWidget>(&start, "FileList"), QStringLiteral("sample")));
      Click(Child<QPushButton>(&start, "btnOpen"));
      chosen = start.chosen_file();
    }
    QVERIFY(OpenFile(f, chosen));
    QVERIFY(kinloom::testing::HasLine(f.Person(1), "1 SEX M"));
    kinloom::core::SetSex(f.store, 1, 2);
    f.window->TreeEdited();
    ClickInNextModal("btnSaveNormal");
    f.window->SaveTree(true);
    QVERIFY(!f.work.session().changed.TreeChanged());
    QVERIFY(fs::exists(f.work.folders().backup + "/0001_sample.ged"));
    {
      kinloom::ui::TOpenBox box(*f.window);
      TypeAndLeave(Child<QLineEdit>(&box, "NewTreeName"), QStringLiteral("Other"));
      Click(Child<QPushButton>(&box, "btnOpen"));
    }
    QCOMPARE(f.work.session().tree_name, std::string("Other"));
    kinloom::ui::TOpenBox box(*f.window);
    QVERIFY(SelectRow(Child<QListWidget>(&box, "FileList"), QStringLiteral("sample")));
    Click(Child<QPushButton>(&box, "btnOpen"));
    QCOMPARE(f.work.session().tree_name, std::string("sample"));
    QVERIFY(kinloom::testing::HasLine(f.Person(1), "1 SEX F"));
  }
};

QTEST_MAIN(FileDialogsTest)
#include "file_dialogs_test.moc"
