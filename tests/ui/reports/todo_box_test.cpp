#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "reports/todo_lists.h"
#include "ui/person/person_page.h"
#include "ui/reports/todo_box.h"
#include "ui/widgets/record_list_view.h"
#include "ui/widgets/search_list_model.h"
#include "ui_test_support.h"

using kinloom::platform::Answer;
using kinloom::reports::ToDoBuild;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using kinloom::ui::TToDoBox;

namespace {

// Adam and Mary have John; Beth alone has Anna; Paul stands alone. Adam, Mary, Beth and Paul
// have no parents, Anna one.
std::vector<std::string> Tree() {
  return kinloom::testing::Records({
      "0 @I000001@ INDI|1 NAME Adam /Smith/|1 SEX M|1 BIRT|2 DATE 1 JAN 1800|1 FAMS @F000001@",
      "0 @I000002@ INDI|1 NAME Mary /Brown/|1 SEX F|1 FAMS @F000001@",
      "0 @I000003@ INDI|1 NAME John /Smith/|1 SEX M|1 BIRT|2 DATE 2 JAN 1830|1 FAMC @F000001@",
      "0 @I000004@ INDI|1 NAME Anna /Smithers/|1 SEX F|1 FAMC @F000002@",
      "0 @I000005@ INDI|1 NAME Paul /Doe/|1 SEX M",
      "0 @I000006@ INDI|1 NAME Beth /Jones/|1 SEX F|1 FAMS @F000002@",
      "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000003@",
      "0 @F000002@ FAM|1 WIFE @I000006@|1 CHIL @I000004@",
  });
}

std::vector<int> Sorted(std::vector<int> numbers) {
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

// The list row of a member (invalid for one not listed).
QModelIndex MemberRow(TToDoBox& box, int individual) {
  const auto& numbers = box.member_numbers();
  const auto found = std::find(numbers.begin(), numbers.end(), individual);
  if (found == numbers.end()) return {};
  return box.members().list_model().index(static_cast<int>(found - numbers.begin()), 0);
}

// Ticks or clears a member's box as a click on it does.
bool Tick(TToDoBox& box, int individual, bool on) {
  const QModelIndex row = MemberRow(box, individual);
  return row.isValid() && box.members().list_model().setData(row, on ? Qt::Checked : Qt::Unchecked,
                                                             Qt::CheckStateRole);
}

bool Ticked(TToDoBox& box, int individual) {
  return MemberRow(box, individual).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

QString ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

class ToDoBoxTest : public QObject {
  Q_OBJECT

 private slots:
  // Create answered No changes nothing; Update keeps the ticks, Create again clears them.
  void CreateThenUpdateKeepsTicks() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TToDoBox box(*f.window);
    box.ShowList(kinloom::reports::kNoParentsList);
    f.ui.QueueAnswer(Answer::kNo);
    box.BuildList(ToDoBuild::kCreate);
    QVERIFY(box.member_numbers().empty());
    QCOMPARE(f.ui.records().back().caption, std::string("Confirm - Create New List"));
    f.ui.QueueAnswer(Answer::kYes);
    box.BuildList(ToDoBuild::kCreate);
    QCOMPARE(Sorted(box.member_numbers()), (std::vector<int>{1, 2, 5, 6}));
    // Search-list order: Brown, Doe, Jones, Smith.
    QCOMPARE(box.member_numbers(), (std::vector<int>{2, 5, 6, 1}));
    QVERIFY(Tick(box, 5, true));
    QCOMPARE(box.counts_text(), QStringLiteral("1 of 4 checked"));
    QVERIFY(f.store.tree_modified());

    Click(Child<QCheckBox>(&box, "cbOneParent"));
    f.ui.QueueAnswer(Answer::kYes);
    box.BuildList(ToDoBuild::kUpdate);
    QCOMPARE(Sorted(box.member_numbers()), (std::vector<int>{1, 2, 4, 5, 6}));
    QVERIFY(Ticked(box, 5));
    QCOMPARE(box.counts_text(), QStringLiteral("1 of 5 checked"));

    f.ui.QueueAnswer(Answer::kYes);
    box.BuildList(ToDoBuild::kCreate);
    QVERIFY(!Ticked(box, 5));
    QCOMPARE(box.counts_text(), QStringLiteral("0 of 5 checked"));
  }

  void InvalidDatesBuildNothing() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TToDoBox box(*f.window);
    box.ShowList(kinloom::reports::kBirthDateList);
    TypeAndLeave(Child<QLineEdit>(&box, "edFromBirth"), QStringLiteral("1 JAN 1850"));
    TypeAndLeave(Child<QLineEdit>(&box, "edToBirth"), QStringLiteral("1 JAN 1800"));
    box.BuildList(ToDoBuild::kCreate);
    QCOMPARE(f.ui.records().back().caption, std::string(" *** Invalid Dates ***"));
    QVERIFY(box.member_numbers().empty());
    // Both ends of the range are included.
    TypeAndLeave(Child<QLineEdit>(&box, "edFromBirth"), QStringLiteral("1 JAN 1800"));
    TypeAndLeave(Child<QLineEdit>(&box, "edToBirth"), QStringLiteral("2 JAN 1830"));
    f.ui.QueueAnswer(Answer::kYes);
    box.BuildList(ToDoBuild::kCreate);
    QCOMPARE(Sorted(box.member_numbers()), (std::vector<int>{1, 3}));
  }

  // Ticking the person page's box shows on list 0 at once, and ticking list 0 on the page.
  void PersonPageBoxAndListZeroFollowEachOther() {
    WindowFixture f;
    QVERIFY(f.Load(Tree(), 3));
    TToDoBox& box = TToDoBox::ShowFor(*f.window);
    box.ShowList(kinloom::reports::kMyToDoList);
    auto* page_box = Child<QCheckBox>(f.window->person_page(), "cbToDo");
    QVERIFY(!page_box->isChecked());
    Click(page_box);
    QCOMPARE(box.member_numbers(), std::vector<int>{3});
    QVERIFY(Ticked(box, 3));
    QCOMPARE(box.counts_text(), QStringLiteral("1 of 1 checked"));
    Click(page_box);
    QVERIFY(!Ticked(box, 3));
    QCOMPARE(box.counts_text(), QStringLiteral("0 of 1 checked"));
    QVERIFY(Tick(box, 3, true));
    QVERIFY(page_box->isChecked());
    QVERIFY(Tick(box, 3, false));
    QVERIFY(!page_box->isChecked());
  }

  void AddDescribeAndRemove() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TToDoBox& box = TToDoBox::ShowFor(*f.window);
    box.AddToMyList(5);
    box.AddToMyList(2);
    QCOMPARE(box.member_numbers(), (std::vector<int>{2, 5}));
    QCOMPARE(box.members().CurrentNumber(), 2);
    auto* description = Child<QPlainTextEdit>(&box, "ToDoText");
    QCOMPARE(description->toPlainText(), QStringLiteral("Enter Description Here"));
    description->setPlainText(QStringLiteral("Find her baptism"));
    box.members().SetCurrent(1);  // moving on writes the description
    QCOMPARE(kinloom::reports::ToDoText(f.store, 2), std::string("Find her baptism"));
    QCOMPARE(description->toPlainText(), QStringLiteral("Enter Description Here"));

    f.ui.QueueAnswer(Answer::kNo);
    box.btnRemoveClick();
    QCOMPARE(box.member_numbers(), (std::vector<int>{2, 5}));
    f.ui.QueueAnswer(Answer::kYes);
    box.btnRemoveClick();
    QCOMPARE(box.member_numbers(), std::vector<int>{2});
    QCOMPARE(box.counts_text(), QStringLiteral("0 of 1 checked"));
  }

  void SaveWritesTheList() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TToDoBox box(*f.window);
    box.ShowList(kinloom::reports::kNoParentsList);
    f.ui.QueueAnswer(Answer::kYes);
    box.BuildList(ToDoBuild::kCreate);
    QVERIFY(Tick(box, 2, true));
    f.ui.QueueAnswer(Answer::kYes);
    box.btnSaveClick();
    const QDir my_files(QString::fromStdString(f.work.folders().my_files));
    const QStringList saved = my_files.entryList({QStringLiteral("ToDo_No Parents_*.txt")});
    QCOMPARE(saved.size(), 1);
    const QString text = ReadFile(my_files.filePath(saved.front()));
    QVERIFY(text.startsWith(QStringLiteral("To Do: No Parents\r\n")));
    QVERIFY(text.contains(QStringLiteral("\r\n* Brown, Mary")));
    QVERIFY(text.contains(QStringLiteral("\r\n  Doe, Paul")));
    QVERIFY(text.contains(QStringLiteral("1 of 4 checked")));
  }

  void MemoIsMadeAndOpened() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TToDoBox box(*f.window);
    QUrl opened;
    box.open_url = [&opened](const QUrl& url) {
      opened = url;
      return true;
    };
    box.btnMemoClick();
    const QString memo = QString::fromStdString(f.work.folders().gedcom) + "/ToDoMemo.rtf";
    QCOMPARE(opened.toLocalFile(), memo);
    QVERIFY(ReadFile(memo).startsWith(QStringLiteral("{\\rtf")));
  }

  void PdfIsWritten() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    TToDoBox box(*f.window);
    box.AddToMyList(1);
    box.AddToMyList(3);
    QVERIFY(Tick(box, 3, true));
    const QString path = QString::fromStdString(f.home.path() + "/todo.pdf");
    box.pdf_path = [path](QWidget*, const QString& suggested) {
      return suggested.endsWith(QStringLiteral("My To Do List.pdf")) ? path : QString();
    };
    box.btnPdfClick();
    QVERIFY(ReadFile(path).startsWith(QStringLiteral("%PDF")));
  }

  // The surname is found anywhere in the name, blanks around it dropped; the criterion fields go
  // with the tree's settings, so the next window starts with them.
  void SurnameFindsSmithAndSmithersAndIsKept() {
    WindowFixture f;
    QVERIFY(f.Load(Tree()));
    {
      TToDoBox box(*f.window);
      box.ShowList(kinloom::reports::kSurnameList);
      TypeAndLeave(Child<QLineEdit>(&box, "edSurname"), QStringLiteral(" smi "));
      f.ui.QueueAnswer(Answer::kYes);
      box.BuildList(ToDoBuild::kCreate);
      QCOMPARE(Sorted(box.member_numbers()), (std::vector<int>{1, 3, 4}));
    }
    TToDoBox again(*f.window);
    QCOMPARE(Child<QLineEdit>(&again, "edSurname")->text(), QStringLiteral(" smi "));
  }
};

QTEST_MAIN(ToDoBoxTest)
#include "todo_box_test.moc"
