#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "support/test_support.h"
#include "ui/dialogs/sources_box.h"
#include "ui/widgets/text_codec.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::HasLine;
using kinloom::testing::RecordLines;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using kinloom::ui::TSourcesBox;

namespace {

// Ann cites source 1; sources 2 and 3 are cited by nobody.
const std::vector<std::string> kTree = {
    "0 @I000001@ INDI", "1 NAME Ann /Lee/",       "1 SEX F",          "1 SOUR @S000001@",
    "0 @S000001@ SOUR", "1 TITL Parish register", "0 @S000002@ SOUR", "1 TITL Family bible",
    "0 @S000003@ SOUR", "1 TITL Old letters",
};

std::vector<std::string> Source(const WindowFixture& f, int n) {
  return RecordLines(f.store.source(n));
}

// Saves all files under the tree's name and opens the tree again from them.
bool SaveAndReopen(WindowFixture& f) {
  f.window->SaveTree(false);
  f.work.tree_settings().quick_sources.fill(0);
  kinloom::files::OpenRequest request;
  request.path = f.GedcomPath();
  return f.window->OpenTreeFile(request);
}

}  // namespace

class SourcesBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void CreatesEditsAndCitesASource() {
    WindowFixture f;
    QVERIFY(f.Load(kTree));
    {
      TSourcesBox box(*f.window);
      auto* list = Child<QListWidget>(&box, "SourceList");
      QCOMPARE(list->count(), 3);
      QCOMPARE(list->item(1)->text(), QStringLiteral("Family bible (2)"));

      Click(Child<QPushButton>(&box, "btnNewSource"));
      QCOMPARE(box.current_source(), 4);
      TypeAndLeave(Child<QLineEdit>(&box, "SourceTitle"), QStringLiteral("Census 1881"));
      Child<QLineEdit>(&box, "SourceAuthor")->setText(QStringLiteral("Registrar Général"));
      TypeAndLeave(Child<QLineEdit>(&box, "SourceMedium"), QStringLiteral("Microfilm"));
      Child<QPlainTextEdit>(&box, "SourceText")->setPlainText(QStringLiteral("Leeds\nsheet 12"));
      Click(Child<QPushButton>(&box, "btnSaveSource"));
      std::vector<std::string> lines = Source(f, 4);
      QCOMPARE(lines[0], std::string("0 @S000004@ SOUR"));
      QCOMPARE(lines[1], std::string("1 TITL Census 1881"));
      QCOMPARE(lines[2], std::string("1 AUTH Registrar G\xE9n\xE9ral"));
      QVERIFY(HasLine(lines, "3 MEDI Microfilm"));
      QVERIFY(HasLine(lines, "1 TEXT Leeds"));
      QVERIFY(HasLine(lines, "2 CONT sheet 12"));
      QVERIFY(HasLine(lines, "1 CHAN"));
      QCOMPARE(list->currentItem()->text(), QStringLiteral("Census 1881 (4)"));
      QVERIFY(f.work.session().changed.tree_modified);

      // An edit is kept when the user moves to another source without saving.
      TypeAndLeave(Child<QLineEdit>(&box, "SourceTitle"), QStringLiteral("Census of 1881"));
      list->setCurrentRow(0);
      QCOMPARE(box.current_source(), 1);
      QVERIFY(HasLine(Source(f, 4), "1 TITL Census of 1881"));
      QCOMPARE(Child<QLineEdit>(&box, "SourceTitle")->text(), QStringLiteral("Parish register"));

      // Citing writes the citation on the person shown and chooses the source for the person
      // page's button; a source cited already is not cited twice.
      for (int source : {1, 2}) {
        QVERIFY(box.SelectSource(source));
        Click(Child<QPushButton>(&box, "btnCiteSource"));
        QCOMPARE(f.window->selected_source(), source);
        QCOMPARE(box.result(), int(QDialog::Accepted));
      }
      const std::vector<std::string> ann = f.Person(1);
      QCOMPARE(std::count(ann.begin(), ann.end(), "1 SOUR @S000001@"), 1);
      QVERIFY(HasLine(ann, "1 SOUR @S000002@"));
    }
    // It opens on the cited source again, and closing keeps an unsaved edit.
    TSourcesBox box(*f.window);
    QCOMPARE(box.current_source(), 2);
    TypeAndLeave(Child<QLineEdit>(&box, "SourcePublication"), QStringLiteral("Private"));
    Click(Child<QPushButton>(&box, "btnClose"));
    QVERIFY(HasLine(Source(f, 2), "1 PUBL Private"));
  }

  // Saving drops sources cited by nothing, but not one a quick button holds nor one made in
  // the dialog, in that session or later ones.
  void QuickAndNewSourcesSurviveSaveAndReopen() {
    WindowFixture f;
    QVERIFY(f.Load(kTree));
    {
      TSourcesBox box(*f.window);
      QVERIFY(!Child<QPushButton>(&box, "btnSrc3")->isEnabled());  // nothing kept there yet
      QVERIFY(box.SelectSource(2));
      Click(Child<QPushButton>(&box, "btnStoreQuick"));
      Click(Child<QPushButton>(&box, "btnSrc3"));
      QCOMPARE(f.work.tree_settings().quick_sources[3], 2);
      QVERIFY(f.work.session().changed.albums_changed);
      QCOMPARE(Child<QPushButton>(&box, "btnSrc3")->text(), QStringLiteral("4:  2"));
      Click(Child<QPushButton>(&box, "btnNewSource"));
      TypeAndLeave(Child<QLineEdit>(&box, "SourceTitle"), QStringLiteral("Letters"));
      TypeAndLeave(Child<QLineEdit>(&box, "SourceMedium"), QStringLiteral("Box file"));
      box.reject();
    }
    QVERIFY(SaveAndReopen(f));
    QCOMPARE(f.work.tree_settings().quick_sources[3], 2);
    QVERIFY(HasLine(Source(f, 2), "1 TITL Family bible"));
    QVERIFY(Source(f, 3).empty());  // untouched and cited by nothing: dropped as before
    QVERIFY(HasLine(Source(f, 4), "1 TITL Letters"));
    QCOMPARE(kinloom::core::ReadSourceFields(f.store.source(4)).medium, std::string("Box file"));
    {
      TSourcesBox box(*f.window);
      QVERIFY(box.SelectSource(1));
      Click(Child<QPushButton>(&box, "btnSrc3"));
      QCOMPARE(box.current_source(), 2);
    }
    QVERIFY(SaveAndReopen(f));
    QVERIFY(HasLine(Source(f, 4), "1 TITL Letters"));
  }
};

QTEST_MAIN(SourcesBoxTest)
#include "sources_box_test.moc"
