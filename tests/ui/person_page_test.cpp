#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ui/person_page.h"
#include "ui_test_support.h"

using kinloom::platform::Answer;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::HasLine;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using Lines = std::vector<std::string>;

namespace {

// John and Mary with children Anne and Peter; Anne married twice.
const Lines kFamily = {
    "0 @I000001@ INDI",
    "1 NAME John /Smith/",
    "1 SEX M",
    "1 FAMS @F000001@",
    "0 @I000002@ INDI",
    "1 NAME Mary /Brown/",
    "1 SEX F",
    "1 FAMS @F000001@",
    "0 @I000003@ INDI",
    "1 NAME Anne /Smith/",
    "1 SEX F",
    "1 FAMC @F000001@",
    "1 FAMS @F000002@",
    "1 FAMS @F000003@",
    "0 @I000004@ INDI",
    "1 NAME Peter /Smith/",
    "1 SEX M",
    "1 FAMC @F000001@",
    "0 @I000005@ INDI",
    "1 NAME Carl /Young/",
    "1 SEX M",
    "1 FAMS @F000002@",
    "0 @I000006@ INDI",
    "1 NAME Dan /Old/",
    "1 SEX M",
    "1 FAMS @F000003@",
    "0 @F000001@ FAM",
    "1 HUSB @I000001@",
    "1 WIFE @I000002@",
    "1 MARR",
    "1 CHIL @I000003@",
    "1 CHIL @I000004@",
    "0 @F000002@ FAM",
    "1 HUSB @I000005@",
    "1 WIFE @I000003@",
    "1 MARR",
    "2 DATE 3 JUN 1950",
    "0 @F000003@ FAM",
    "1 HUSB @I000006@",
    "1 WIFE @I000003@",
    "1 MARR",
};

// One person with the given lines after the name and sex.
Lines OnePerson(const Lines& more, const char* sex = "1 SEX F") {
  Lines lines = {"0 @I000001@ INDI", "1 NAME Eve /Stone/", sex};
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

QWidget* Page(WindowFixture& f) {
  f.window->show();
  f.window->activateWindow();
  (void)QTest::qWaitForWindowActive(f.window.get());
  f.window->ShowPage(QStringLiteral("person"));
  return f.window->person_page();
}

// Whether a message or question with this caption (and text, when given) was shown.
bool Shown(const WindowFixture& f, const std::string& caption, const std::string& text = {}) {
  for (const auto& record : f.ui.records()) {
    if (record.caption == caption && (text.empty() || record.text == text)) return true;
  }
  return false;
}

// Puts a text the test keyboard cannot type into the box and leaves it.
void PasteAndLeave(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->setText(text);
  emit edit->editingFinished();
}

QString Text(QWidget* page, const char* name) {
  return Child<QLineEdit>(page, name)->text();
}

}  // namespace

class PersonPageTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsThePersonWithTheRelativesAround() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    QWidget* page = Page(f);
    QCOMPARE(Text(page, "FamChrNameI"), QStringLiteral("Anne"));
    QCOMPARE(Text(page, "FamSurNameI"), QStringLiteral("Smith"));
    QCOMPARE(Text(page, "FamChrNameF"), QStringLiteral("John"));
    QCOMPARE(Text(page, "FamSurNameM"), QStringLiteral("Brown"));
    QCOMPARE(Child<QPushButton>(page, "btnAddFather")->text(), QStringLiteral("Show Father"));
    QCOMPARE(Child<QComboBox>(page, "FamSex")->currentIndex(), 2);
    QCOMPARE(Text(page, "FamChrNameS"), QStringLiteral("Carl"));
    QCOMPARE(Text(page, "FamMarrDate"), QStringLiteral("3 JUN 1950"));
    QCOMPARE(Child<QCheckBox>(page, "cbFamMar")->text(), QStringLiteral("Married"));

    // Moving: the father button shows the father, a child of the list shows the child.
    Click(Child<QPushButton>(page, "btnAddFather"));
    QCOMPARE(f.window->shown().individual, 1);
    auto* children = Child<QListWidget>(page, "FamChildren");
    QCOMPARE(children->count(), 2);
    QCOMPARE(children->item(1)->text(), QStringLiteral("Peter Smith (4)"));
    const QRect second = children->visualItemRect(children->item(1));
    QTest::mouseClick(children->viewport(), Qt::LeftButton, {}, second.center());
    QTRY_COMPARE(f.window->shown().individual, 4);
    f.window->ShowIndividual(1);
    children->setFocus();
    children->setCurrentRow(0);
    QTest::keyClick(children, Qt::Key_Return);
    QTRY_COMPARE(f.window->shown().individual, 3);
  }

  void NameBoxesWriteTheNameLine() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 4));
    QWidget* page = Page(f);
    TypeAndLeave(Child<QLineEdit>(page, "FamChrNameI"), QStringLiteral("  Peter John "));
    TypeAndLeave(Child<QLineEdit>(page, "FamSurNameI"), QStringLiteral("Smythe"));
    QVERIFY(HasLine(f.Person(4), "1 NAME Peter John /Smythe/"));
    // The label follows at once: the parents' children list shows the new name.
    f.window->ShowIndividual(1);
    QCOMPARE(Child<QListWidget>(page, "FamChildren")->item(1)->text(),
             QStringLiteral("Peter John Smythe (4)"));
    // A relative's name boxes write the relative's name.
    f.window->ShowIndividual(3);
    TypeAndLeave(Child<QLineEdit>(page, "FamChrNameS"), QStringLiteral("Carlos"));
    QVERIFY(HasLine(f.Person(5), "1 NAME Carlos /Young/"));
    // Title and alias: an emptied box removes the line.
    TypeAndLeave(Child<QLineEdit>(page, "FamTitle"), QStringLiteral("Lady"));
    TypeAndLeave(Child<QLineEdit>(page, "FamAlias"), QStringLiteral("Nan"));
    QVERIFY(HasLine(f.Person(3), "1 TITL Lady"));
    QVERIFY(HasLine(f.Person(3), "1 ALIA Nan"));
    TypeAndLeave(Child<QLineEdit>(page, "FamAlias"), QString());
    QVERIFY(!HasLine(f.Person(3), "1 ALIA Nan"));
    QVERIFY(f.store.tree_modified());
  }

  void EnterCommitsAndShowingEditsNothing() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    QWidget* page = Page(f);
    // Showing people fills every box without running an edit.
    for (int n : {1, 2, 3, 4, 5, 6, 3}) f.window->ShowIndividual(n);
    Click(Child<QPushButton>(page, "btnNextSpouse"));
    QVERIFY(!f.store.tree_modified());
    QVERIFY(f.ui.records().empty());
    auto* place = Child<QLineEdit>(page, "FamBirtPlace");
    place->setFocus();
    QTest::keyClicks(place, QStringLiteral("Ely"));
    QTest::keyClick(place, Qt::Key_Return);
    QVERIFY(HasLine(f.Person(3), "2 PLAC Ely"));
    QVERIFY(f.store.tree_modified());
  }

  void CapitalOptionsApplyWhenEntered() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({})));
    QWidget* page = Page(f);
    auto& options = f.work.program_settings();
    TypeAndLeave(Child<QLineEdit>(page, "FamBirtDate"), QStringLiteral("12 jan 1900"));
    QVERIFY(HasLine(f.Person(1), "2 DATE 12 jan 1900"));
    options.surname_capitals = true;
    PasteAndLeave(Child<QLineEdit>(page, "FamSurNameI"), QStringLiteral("m\u00fcller"));
    QVERIFY(HasLine(f.Person(1), "1 NAME Eve /M\xDCLLER/"));
    options.given_name_capitals = true;
    options.date_capitals = true;
    PasteAndLeave(Child<QLineEdit>(page, "FamChrNameI"), QStringLiteral("\u00e9ve"));
    TypeAndLeave(Child<QLineEdit>(page, "FamBirtDate"), QStringLiteral("abt 3 feb 1901"));
    QVERIFY(HasLine(f.Person(1), "1 NAME \xC9VE /M\xDCLLER/"));
    QVERIFY(HasLine(f.Person(1), "2 DATE ABT 3 FEB 1901"));
    // Places keep their case.
    TypeAndLeave(Child<QLineEdit>(page, "FamBirtPlace"), QStringLiteral("York"));
    QVERIFY(HasLine(f.Person(1), "2 PLAC York"));
  }

  void AccentsComposeWhileTyping() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({})));
    QWidget* page = Page(f);
    auto* surname = Child<QLineEdit>(page, "FamSurNameI");
    TypeAndLeave(surname, QStringLiteral("M:uller"));
    QCOMPARE(surname->text(), QStringLiteral("M\u00fcller"));
    QVERIFY(HasLine(f.Person(1), "1 NAME Eve /M\xFCLLER/") ||
            HasLine(f.Person(1), "1 NAME Eve /M\xFCller/"));
    auto* place = Child<QLineEdit>(page, "FamBirtPlace");
    TypeAndLeave(place, QStringLiteral("Qu'ebec ,?"));
    QCOMPARE(place->text(), QStringLiteral("Qu\u00e9bec \u00bf"));
    auto* note = Child<QPlainTextEdit>(page, "FamNote");
    note->setFocus();
    QTest::keyClicks(note, QStringLiteral("Caf'e"));
    QCOMPARE(note->toPlainText(), QStringLiteral("Caf\u00e9"));
  }

  void DatesWriteTheEventAndTheAge() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({})));
    QWidget* page = Page(f);
    TypeAndLeave(Child<QLineEdit>(page, "FamDeatDate"), QStringLiteral("5 MAR 1980"));
    QVERIFY(Child<QCheckBox>(page, "cbFamDeat")->isChecked());
    QCOMPARE(Child<QCheckBox>(page, "cbFamDeat")->text(), QStringLiteral("Death Included"));
    TypeAndLeave(Child<QLineEdit>(page, "FamBirtDate"), QStringLiteral("1 MAR 1900"));
    auto* age = Child<QLineEdit>(page, "AgeMemo");
    QVERIFY(age->isVisible());
    QCOMPARE(age->text(), QStringLiteral("80y 5d"));
    // An emptied box removes the date line; the event stays.
    TypeAndLeave(Child<QLineEdit>(page, "FamDeatDate"), QString());
    QVERIFY(HasLine(f.Person(1), "1 DEAT"));
    QVERIFY(!HasLine(f.Person(1), "2 DATE 5 MAR 1980"));
  }

  void AnAgeAbove110ChecksDeath() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({})));
    QWidget* page = Page(f);
    TypeAndLeave(Child<QLineEdit>(page, "FamBirtDate"), QStringLiteral("1920"));
    QVERIFY(!HasLine(f.Person(1), "1 DEAT"));
    QCOMPARE(Text(page, "AgeMemo"), QStringLiteral("106y 340d"));
    TypeAndLeave(Child<QLineEdit>(page, "FamBirtDate"), QStringLiteral("1910"));
    QVERIFY(HasLine(f.Person(1), "1 DEAT"));
    QVERIFY(Child<QCheckBox>(page, "cbFamDeat")->isChecked());
  }

  void ParentTypeAndSexBoxes() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 4));
    QWidget* page = Page(f);
    auto* type = Child<QComboBox>(page, "FamFamType");
    QVERIFY(type->isEnabled());
    type->setCurrentIndex(1);
    emit type->activated(1);
    QVERIFY(HasLine(f.Person(4), "2 PEDI Adopted"));
    QCOMPARE(type->currentText(), QStringLiteral("Adopted"));
    auto* sex = Child<QComboBox>(page, "FamSex");
    sex->setCurrentIndex(2);
    emit sex->activated(2);
    QVERIFY(HasLine(f.Person(4), "1 SEX F"));
    // Without parents there is no type to change.
    f.window->ShowIndividual(5);
    QVERIFY(!type->isEnabled());
  }

  // Father, mother, spouse and child added from the page: every link written on both sides.
  void AddingRelativesLinksBothSides() {
    WindowFixture f;
    QVERIFY(f.Load({"0 @I000001@ INDI", "1 NAME Anne /Smith/", "1 SEX F"}));
    QWidget* page = Page(f);
    Click(Child<QPushButton>(page, "btnAddFather"));
    QVERIFY(HasLine(f.Person(2), "1 NAME Unknown /Smith/"));
    QCOMPARE(Text(page, "FamSurNameF"), QStringLiteral("Smith"));
    auto* father_given = Child<QLineEdit>(page, "FamChrNameF");
    QVERIFY(father_given->text().isEmpty());
    QVERIFY(father_given->hasFocus());
    TypeAndLeave(father_given, QStringLiteral("Robert"));
    QVERIFY(HasLine(f.Person(2), "1 NAME Robert /Smith/"));
    Click(Child<QPushButton>(page, "btnAddMother"));
    TypeAndLeave(Child<QLineEdit>(page, "FamChrNameM"), QStringLiteral("Ruth"));
    TypeAndLeave(Child<QLineEdit>(page, "FamSurNameM"), QStringLiteral("Gray"));
    QCOMPARE(Child<QPushButton>(page, "btnAddMother")->text(), QStringLiteral("Show Mother"));

    Click(Child<QPushButton>(page, "btnAddSpouse"));
    QCOMPARE(f.window->shown().spouse, 4);
    TypeAndLeave(Child<QLineEdit>(page, "FamChrNameS"), QStringLiteral("Tom"));
    TypeAndLeave(Child<QLineEdit>(page, "FamSurNameS"), QStringLiteral("Hill"));

    f.ui.QueueParentType(0);
    f.ui.QueueAnswer(Answer::kYes);
    Click(Child<QPushButton>(page, "btnAddChild"));
    QVERIFY(Shown(f, "Add Child To Family"));
    auto* children = Child<QListWidget>(page, "FamChildren");
    QCOMPARE(children->count(), 1);
    QCOMPARE(children->item(0)->text(), QStringLiteral("Unknown Hill (5)"));

    const Lines anne = f.Person(1);
    QVERIFY(HasLine(anne, "1 FAMC @F000001@"));
    QVERIFY(HasLine(anne, "1 FAMS @F000002@"));
    QVERIFY(HasLine(f.Person(2), "1 FAMS @F000001@"));
    QVERIFY(HasLine(f.Person(2), "1 SEX M"));
    QVERIFY(HasLine(f.Person(3), "1 FAMS @F000001@"));
    QVERIFY(HasLine(f.Person(3), "1 NAME Ruth /Gray/"));
    QVERIFY(HasLine(f.Person(4), "1 FAMS @F000002@"));
    QVERIFY(HasLine(f.Person(4), "1 SEX M"));
    QVERIFY(HasLine(f.Person(5), "1 FAMC @F000002@"));
    QVERIFY(HasLine(f.Person(5), "1 NAME /Hill/"));
    const Lines parents = f.Family(1);
    QVERIFY(HasLine(parents, "1 HUSB @I000002@"));
    QVERIFY(HasLine(parents, "1 WIFE @I000003@"));
    QVERIFY(HasLine(parents, "1 CHIL @I000001@"));
    const Lines marriage = f.Family(2);
    QVERIFY(HasLine(marriage, "1 HUSB @I000004@"));
    QVERIFY(HasLine(marriage, "1 WIFE @I000001@"));
    QVERIFY(HasLine(marriage, "1 MARR"));
    QVERIFY(HasLine(marriage, "1 CHIL @I000005@"));
  }

  void ARefusedChildLeavesNoRecord() {
    WindowFixture f;
    QVERIFY(f.Load({"0 @I000001@ INDI", "1 NAME Anne /Smith/", "1 SEX F"}));
    QWidget* page = Page(f);
    f.ui.QueueParentType(std::nullopt);
    Click(Child<QPushButton>(page, "btnAddChild"));
    QVERIFY(f.Person(2).empty());
    QCOMPARE(Child<QListWidget>(page, "FamChildren")->count(), 0);
    // Without a spouse the child goes into a family of the person alone.
    f.ui.QueueParentType(0);
    f.ui.QueueAnswer(Answer::kYes);
    Click(Child<QPushButton>(page, "btnAddChild"));
    QCOMPARE(Child<QListWidget>(page, "FamChildren")->count(), 1);
    QVERIFY(HasLine(f.Family(1), "1 WIFE @I000001@"));
  }

  void SteppingBetweenMarriages() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    QWidget* page = Page(f);
    auto* previous = Child<QPushButton>(page, "btnPrevSpouse");
    auto* next = Child<QPushButton>(page, "btnNextSpouse");
    auto* count = Child<QLabel>(page, "FamMarrCount");
    QCOMPARE(count->text(), QStringLiteral("Marriage 1 of 2"));
    QVERIFY(!previous->isEnabled());
    Click(next);
    QCOMPARE(count->text(), QStringLiteral("Marriage 2 of 2"));
    QCOMPARE(Text(page, "FamChrNameS"), QStringLiteral("Dan"));
    QCOMPARE(Text(page, "FamMarrDate"), QString());
    QVERIFY(!next->isEnabled());
    // The marriage box edits the marriage shown.
    TypeAndLeave(Child<QLineEdit>(page, "FamMarrPlace"), QStringLiteral("Leeds"));
    QVERIFY(HasLine(f.Family(3), "2 PLAC Leeds"));
    QVERIFY(!HasLine(f.Family(2), "2 PLAC Leeds"));
    Click(previous);
    QCOMPARE(Text(page, "FamChrNameS"), QStringLiteral("Carl"));
    Click(Child<QPushButton>(page, "btnShowSpouse"));
    QCOMPARE(f.window->shown().individual, 5);
    QCOMPARE(count->text(), QStringLiteral("Marriage 1 of 1"));
  }

  void CitationButtonTogglesTheRecordSource() {
    Lines lines = OnePerson({"1 SOUR @S000002@"});
    for (const char* line :
         {"0 @S000001@ SOUR", "1 TITL Parish book", "0 @S000002@ SOUR", "1 TITL Census"}) {
      lines.push_back(line);
    }
    WindowFixture f;
    QVERIFY(f.Load(lines));
    QWidget* page = Page(f);
    auto* button = Child<QPushButton>(page, "btnAddSource");
    QVERIFY(!button->isEnabled());
    f.window->SetSelectedSource(1);
    QCOMPARE(button->text(), QStringLiteral("1"));
    QCOMPARE(button->toolTip(), QStringLiteral(" Add source number: 1 to this record."));
    QVERIFY(button->styleSheet().contains(QStringLiteral("#007000")));
    Click(button);
    QVERIFY(HasLine(f.Person(1), "1 SOUR @S000001@"));
    QCOMPARE(button->toolTip(), QStringLiteral(" Remove source number: 1 from this record."));
    QVERIFY(button->styleSheet().contains(QStringLiteral("#c00000")));
    Click(button);
    QVERIFY(!HasLine(f.Person(1), "1 SOUR @S000001@"));
    QVERIFY(HasLine(f.Person(1), "1 SOUR @S000002@"));  // another source's citation stays
  }

  void NoteIsWrittenWithContinuationLines() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({"1 NOTE First line", "2 CONT sec", "2 CONC ond part"})));
    QWidget* page = Page(f);
    auto* note = Child<QPlainTextEdit>(page, "FamNote");
    QCOMPARE(note->toPlainText(), QStringLiteral("First line\nsecond part"));
    const QString long_line = QString(300, QLatin1Char('x'));
    note->setFocus();
    note->setPlainText(QStringLiteral("Short\n") + long_line);
    note->document()->setModified(true);
    Child<QLineEdit>(page, "FamTitle")->setFocus();
    QApplication::processEvents();
    const Lines person = f.Person(1);
    QVERIFY(HasLine(person, "1 NOTE Short"));
    QVERIFY(HasLine(person, "2 CONT " + std::string(248, 'x')));
    QVERIFY(HasLine(person, "2 CONC " + std::string(52, 'x')));
    QVERIFY(!HasLine(person, "2 CONC ond part"));
    QCOMPARE(note->toPlainText(), QStringLiteral("Short\n") + long_line);
  }

  void ToDoBoxPutsThePersonOnTheList() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({})));
    QWidget* page = Page(f);
    auto* todo = Child<QCheckBox>(page, "cbToDo");
    Click(todo);
    const auto* record = f.store.individual(1);
    QCOMPARE(record->listBits[0] & 0x03, 0x03);
    QCOMPARE(record->todoText.str(), std::string("Enter Description Here"));
    QVERIFY(todo->isChecked());
    Click(todo);
    QCOMPARE(record->listBits[0] & 0x03, 0x01);
    QCOMPARE(record->todoText.str(), std::string("Enter Description Here"));
  }

  void NoteAreaSizes() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    QWidget* page = Page(f);
    auto* full = Child<QPushButton>(page, "btnFamSizeFull");
    auto* wide = Child<QPushButton>(page, "btnFamSizeWide");
    QCOMPARE(full->text(), QStringLiteral("Full"));
    QCOMPARE(full->toolTip(), QStringLiteral(" Expand Height of Note Area "));
    QCOMPARE(wide->toolTip(), QStringLiteral(" Expand Width of Note Area "));
    Click(full);
    QCOMPARE(full->text(), QStringLiteral("Half"));
    QCOMPARE(full->toolTip(), QStringLiteral(" Reduce Height of Note Area "));
    QVERIFY(!Child<QLineEdit>(page, "FamChrNameI")->isVisible());
    QVERIFY(!Child<QLineEdit>(page, "FamAlias")->isVisible());
    QVERIFY(!Child<QComboBox>(page, "FamSex")->isVisible());
    QVERIFY(Child<QLineEdit>(page, "FamSurNameI")->isVisible());
    Click(full);
    QVERIFY(Child<QLineEdit>(page, "FamChrNameI")->isVisible());
    Click(wide);
    QCOMPARE(wide->toolTip(), QStringLiteral(" Reduce Width of Note Area "));
  }
};

QTEST_MAIN(PersonPageTest)
#include "person_page_test.moc"
