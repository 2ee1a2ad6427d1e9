#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <string_view>

#include "ui/person/person_page.h"
#include "ui_test_support.h"

using kinloom::platform::Answer;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::HasLine;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using Lines = std::vector<std::string>;

namespace {

using kinloom::testing::Records;

// John and Mary with children Anne (3) and Peter (4); Anne married Carl (5), then Dan (6).
const Lines kFamily = Records({
    "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 FAMS @F000001@",
    "0 @I000002@ INDI|1 NAME Mary /Brown/|1 SEX F|1 FAMS @F000001@",
    "0 @I000003@ INDI|1 NAME Anne /Smith/|1 SEX F|1 FAMC @F000001@|"
    "1 FAMS @F000002@|1 FAMS @F000003@",
    "0 @I000004@ INDI|1 NAME Peter /Smith/|1 SEX M|1 FAMC @F000001@",
    "0 @I000005@ INDI|1 NAME Carl /Young/|1 SEX M|1 FAMS @F000002@",
    "0 @I000006@ INDI|1 NAME Dan /Old/|1 SEX M|1 FAMS @F000003@",
    "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 MARR|1 CHIL @I000003@|1 CHIL @I000004@",
    "0 @F000002@ FAM|1 HUSB @I000005@|1 WIFE @I000003@|1 MARR|2 DATE 3 JUN 1950",
    "0 @F000003@ FAM|1 HUSB @I000006@|1 WIFE @I000003@|1 MARR",
});

// One person with the given lines after the name and sex.
Lines OnePerson(const Lines& more = {}) {
  Lines lines = {"0 @I000001@ INDI", "1 NAME Eve /Stone/", "1 SEX F"};
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

// Whether `lines` hold every one of `wanted`; a missing line is logged.
bool HasAll(const Lines& lines, const Lines& wanted) {
  for (const auto& line : wanted) {
    if (!HasLine(lines, line)) return qWarning("missing line: %s", line.c_str()), false;
  }
  return true;
}

// Puts a text the test keyboard cannot type into the box and leaves it.
void PasteAndLeave(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->setText(text);
  emit edit->editingFinished();
}

QLineEdit* Edit(QWidget* page, const char* name) {
  return Child<QLineEdit>(page, name);
}
QString Text(QWidget* page, const char* name) {
  return Edit(page, name)->text();
}
QStringList Texts(QWidget* page, std::initializer_list<const char*> names) {
  QStringList texts;
  for (const char* name : names) texts << Text(page, name);
  return texts;
}
QPushButton* Button(QWidget* page, const char* name) {
  return Child<QPushButton>(page, name);
}

}  // namespace

class PersonPageTest : public QObject {
  Q_OBJECT

 private slots:
  void BrowsingShowsRelativesAndMarriagesWithoutEditing() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    QWidget* page = Page(f);
    // Showing people fills every box without running an edit.
    for (int n : {1, 2, 3, 4, 5, 6, 3}) f.window->ShowIndividual(n);
    QVERIFY(!f.store.tree_modified());
    QVERIFY(f.ui.records().empty());

    QCOMPARE(Texts(page, {"FamChrNameI", "FamSurNameI", "FamChrNameF", "FamSurNameM"}),
             (QStringList{"Anne", "Smith", "John", "Brown"}));
    QCOMPARE(Button(page, "btnAddFather")->text(), QStringLiteral("Show Father"));
    QCOMPARE(Child<QComboBox>(page, "FamSex")->currentIndex(), 2);
    QCOMPARE(Child<QCheckBox>(page, "cbFamMar")->text(), QStringLiteral("Married"));

    // Stepping between the two marriages; the marriage boxes edit the marriage shown.
    auto* previous = Button(page, "btnPrevSpouse");
    auto* next = Button(page, "btnNextSpouse");
    auto* count = Child<QLabel>(page, "FamMarrCount");
    QCOMPARE(count->text(), QStringLiteral("Marriage 1 of 2"));
    QCOMPARE(Texts(page, {"FamChrNameS", "FamMarrDate"}), (QStringList{"Carl", "3 JUN 1950"}));
    QVERIFY(!previous->isEnabled());
    Click(next);
    QVERIFY(!f.store.tree_modified());
    QCOMPARE(count->text(), QStringLiteral("Marriage 2 of 2"));
    QCOMPARE(Texts(page, {"FamChrNameS", "FamMarrDate"}), (QStringList{"Dan", ""}));
    QVERIFY(!next->isEnabled());
    TypeAndLeave(Edit(page, "FamMarrPlace"), QStringLiteral("Leeds"));
    QVERIFY(HasLine(f.Family(3), "2 PLAC Leeds"));
    QVERIFY(!HasLine(f.Family(2), "2 PLAC Leeds"));
    Click(previous);
    QCOMPARE(Text(page, "FamChrNameS"), QStringLiteral("Carl"));
    Click(Button(page, "btnShowSpouse"));
    QCOMPARE(f.window->shown().individual, 5);
    QCOMPARE(count->text(), QStringLiteral("Marriage 1 of 1"));

    // Moving: the father button shows the father, a child of the list shows the child.
    f.window->ShowIndividual(3);
    Click(Button(page, "btnAddFather"));
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

  void NameTypeAndSexBoxesWriteTheirLines() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 4));
    QWidget* page = Page(f);
    TypeAndLeave(Edit(page, "FamChrNameI"), QStringLiteral("  Peter John "));
    TypeAndLeave(Edit(page, "FamSurNameI"), QStringLiteral("Smythe"));
    QVERIFY(HasLine(f.Person(4), "1 NAME Peter John /Smythe/"));
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
    // The label follows at once: the parents' children list shows the new name.
    f.window->ShowIndividual(1);
    QCOMPARE(Child<QListWidget>(page, "FamChildren")->item(1)->text(),
             QStringLiteral("Peter John Smythe (4)"));
    // A relative's name boxes write the relative's name.
    f.window->ShowIndividual(3);
    TypeAndLeave(Edit(page, "FamChrNameS"), QStringLiteral("Carlos"));
    QVERIFY(HasLine(f.Person(5), "1 NAME Carlos /Young/"));
    // Title and alias: an emptied box removes the line.
    TypeAndLeave(Edit(page, "FamTitle"), QStringLiteral("Lady"));
    TypeAndLeave(Edit(page, "FamAlias"), QStringLiteral("Nan"));
    QVERIFY(HasAll(f.Person(3), {"1 TITL Lady", "1 ALIA Nan"}));
    TypeAndLeave(Edit(page, "FamAlias"), QString());
    QVERIFY(!HasLine(f.Person(3), "1 ALIA Nan"));
    // Enter commits a box as leaving it does.
    auto* place = Edit(page, "FamBirtPlace");
    place->setFocus();
    QTest::keyClicks(place, QStringLiteral("Ely"));
    QTest::keyClick(place, Qt::Key_Return);
    QVERIFY(HasLine(f.Person(3), "2 PLAC Ely"));
    // Without parents there is no type to change.
    f.window->ShowIndividual(5);
    QVERIFY(!type->isEnabled());
  }

  void CapitalOptionsApplyWhenEnteredAndAccentsCompose() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson()));
    QWidget* page = Page(f);
    auto& options = f.work.program_settings();
    // Accents compose while typing, in line boxes and the note.
    TypeAndLeave(Edit(page, "FamSurNameI"), QStringLiteral("M:uller"));
    QCOMPARE(Text(page, "FamSurNameI"), QStringLiteral("M\u00fcller"));
    QVERIFY(HasLine(f.Person(1), "1 NAME Eve /M\xFCller/"));
    TypeAndLeave(Edit(page, "FamBirtPlace"), QStringLiteral("Qu'ebec ,?"));
    QCOMPARE(Text(page, "FamBirtPlace"), QStringLiteral("Qu\u00e9bec \u00bf"));
    auto* note = Child<QPlainTextEdit>(page, "FamNote");
    note->setFocus();
    QTest::keyClicks(note, QStringLiteral("Caf'e"));
    QCOMPARE(note->toPlainText(), QStringLiteral("Caf\u00e9"));

    TypeAndLeave(Edit(page, "FamBirtDate"), QStringLiteral("12 jan 1900"));
    QVERIFY(HasLine(f.Person(1), "2 DATE 12 jan 1900"));
    options.surname_capitals = true;
    PasteAndLeave(Edit(page, "FamSurNameI"), QStringLiteral("m\u00fcller"));
    QVERIFY(HasLine(f.Person(1), "1 NAME Eve /M\xDCLLER/"));
    options.given_name_capitals = true;
    options.date_capitals = true;
    PasteAndLeave(Edit(page, "FamChrNameI"), QStringLiteral("\u00e9ve"));
    TypeAndLeave(Edit(page, "FamBirtDate"), QStringLiteral("abt 3 feb 1901"));
    QVERIFY(HasLine(f.Person(1), "1 NAME \xC9VE /M\xDCLLER/"));
    QVERIFY(HasLine(f.Person(1), "2 DATE ABT 3 FEB 1901"));
    // Places keep their case.
    TypeAndLeave(Edit(page, "FamBirtPlace"), QStringLiteral("York"));
    QVERIFY(HasLine(f.Person(1), "2 PLAC York"));
  }

  void DatesWriteTheEventAndTheAge() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson()));
    QWidget* page = Page(f);
    auto* death = Child<QCheckBox>(page, "cbFamDeat");
    // Past an age of 110 the person is taken as dead.
    TypeAndLeave(Edit(page, "FamBirtDate"), QStringLiteral("1920"));
    QVERIFY(!HasLine(f.Person(1), "1 DEAT"));
    QCOMPARE(Text(page, "AgeMemo"), QStringLiteral("106y 340d"));
    TypeAndLeave(Edit(page, "FamBirtDate"), QStringLiteral("1910"));
    QVERIFY(HasLine(f.Person(1), "1 DEAT"));
    QVERIFY(death->isChecked());
    QCOMPARE(death->text(), QStringLiteral("Death Included"));

    TypeAndLeave(Edit(page, "FamDeatDate"), QStringLiteral("5 MAR 1980"));
    TypeAndLeave(Edit(page, "FamBirtDate"), QStringLiteral("1 MAR 1900"));
    QVERIFY(Edit(page, "AgeMemo")->isVisible());
    QCOMPARE(Text(page, "AgeMemo"), QStringLiteral("80y 5d"));
    // An emptied box removes the date line; the event stays.
    TypeAndLeave(Edit(page, "FamDeatDate"), QString());
    QVERIFY(HasLine(f.Person(1), "1 DEAT"));
    QVERIFY(!HasLine(f.Person(1), "2 DATE 5 MAR 1980"));
  }

  // Father, mother, spouse and child added from the page: every link written on both sides.
  void AddingRelativesLinksBothSides() {
    WindowFixture f;
    QVERIFY(f.Load({"0 @I000001@ INDI", "1 NAME Anne /Smith/", "1 SEX F"}));
    QWidget* page = Page(f);
    // A refused question about the child leaves no record.
    f.ui.QueueParentType(std::nullopt);
    Click(Button(page, "btnAddChild"));
    QVERIFY(f.Person(2).empty());

    Click(Button(page, "btnAddFather"));
    QVERIFY(HasLine(f.Person(2), "1 NAME Unknown /Smith/"));
    QCOMPARE(Text(page, "FamSurNameF"), QStringLiteral("Smith"));
    auto* father_given = Edit(page, "FamChrNameF");
    QVERIFY(father_given->text().isEmpty());
    QVERIFY(father_given->hasFocus());
    TypeAndLeave(father_given, QStringLiteral("Robert"));
    Click(Button(page, "btnAddMother"));
    TypeAndLeave(Edit(page, "FamChrNameM"), QStringLiteral("Ruth"));
    TypeAndLeave(Edit(page, "FamSurNameM"), QStringLiteral("Gray"));
    QCOMPARE(Button(page, "btnAddMother")->text(), QStringLiteral("Show Mother"));

    Click(Button(page, "btnAddSpouse"));
    QCOMPARE(f.window->shown().spouse, 4);
    TypeAndLeave(Edit(page, "FamChrNameS"), QStringLiteral("Tom"));
    TypeAndLeave(Edit(page, "FamSurNameS"), QStringLiteral("Hill"));

    f.ui.QueueParentType(0);
    f.ui.QueueAnswer(Answer::kYes);
    Click(Button(page, "btnAddChild"));
    QVERIFY(!f.ui.records().empty());
    QCOMPARE(f.ui.records().back().caption, std::string("Add Child To Family"));
    auto* children = Child<QListWidget>(page, "FamChildren");
    QCOMPARE(children->count(), 1);
    QCOMPARE(children->item(0)->text(), QStringLiteral("Unknown Hill (5)"));

    QVERIFY(HasAll(f.Person(1), {"1 FAMC @F000001@", "1 FAMS @F000002@"}));
    QVERIFY(HasAll(f.Person(2), {"1 NAME Robert /Smith/", "1 FAMS @F000001@", "1 SEX M"}));
    QVERIFY(HasAll(f.Person(3), {"1 NAME Ruth /Gray/", "1 FAMS @F000001@"}));
    QVERIFY(HasAll(f.Person(4), {"1 FAMS @F000002@", "1 SEX M"}));
    QVERIFY(HasAll(f.Person(5), {"1 NAME /Hill/", "1 FAMC @F000002@"}));
    QVERIFY(HasAll(f.Family(1), {"1 HUSB @I000002@", "1 WIFE @I000003@", "1 CHIL @I000001@"}));
    QVERIFY(HasAll(f.Family(2),
                   {"1 HUSB @I000004@", "1 WIFE @I000001@", "1 MARR", "1 CHIL @I000005@"}));
  }

  void AChildOfAPersonWithoutSpouseGetsAFamilyOfThePersonAlone() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson()));
    QWidget* page = Page(f);
    f.ui.QueueParentType(0);
    f.ui.QueueAnswer(Answer::kYes);
    Click(Button(page, "btnAddChild"));
    QCOMPARE(Child<QListWidget>(page, "FamChildren")->count(), 1);
    QVERIFY(HasLine(f.Family(1), "1 WIFE @I000001@"));
  }

  void CitationButtonTogglesTheRecordSource() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({"1 SOUR @S000002@", "0 @S000001@ SOUR", "1 TITL Parish book",
                              "0 @S000002@ SOUR", "1 TITL Census"})));
    auto* button = Button(Page(f), "btnAddSource");
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

  void NoteIsWrittenWithContinuationLinesAndToDoBoxListsThePerson() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({"1 NOTE First line", "2 CONT sec", "2 CONC ond part"})));
    QWidget* page = Page(f);
    auto* note = Child<QPlainTextEdit>(page, "FamNote");
    QCOMPARE(note->toPlainText(), QStringLiteral("First line\nsecond part"));
    const QString long_line = QString(300, QLatin1Char('x'));
    note->setFocus();
    note->setPlainText(QStringLiteral("Short\n") + long_line);
    note->document()->setModified(true);
    Edit(page, "FamTitle")->setFocus();
    QApplication::processEvents();
    QVERIFY(HasAll(f.Person(1), {"1 NOTE Short", "2 CONT " + std::string(248, 'x'),
                                 "2 CONC " + std::string(52, 'x')}));
    QVERIFY(!HasLine(f.Person(1), "2 CONC ond part"));
    QCOMPARE(note->toPlainText(), QStringLiteral("Short\n") + long_line);

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

  // The living box shows the person's living mark and keeps it in step with the death line.
  void LivingBoxAndDeathLineFollowEachOther() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({"1 BIRT", "2 DATE 1950", "1 DEAT"})));
    QWidget* page = Page(f);
    auto* living = Child<QCheckBox>(page, "cbLiving");
    auto* death = Child<QCheckBox>(page, "cbFamDeat");
    auto marked = [&f] { return (f.store.individual(1)->hideFlags & 0x01) != 0; };
    f.ui.ClearRecords();
    QVERIFY(!living->isChecked());
    Click(living);  // living: the bare death line goes
    QVERIFY(marked() && living->isChecked());
    QVERIFY(!HasLine(f.Person(1), "1 DEAT"));
    QVERIFY(!death->isChecked());
    QVERIFY(f.store.tree_modified());
    Click(living);  // deceased: a bare death line
    QVERIFY(!marked() && !living->isChecked());
    QVERIFY(HasLine(f.Person(1), "1 DEAT"));
    QVERIFY(death->isChecked());
    Click(death);  // the death line removed: living
    QVERIFY(marked() && living->isChecked());
    QCOMPARE(death->text(), QStringLiteral("Include Without Details"));
    Click(death);
    QCOMPARE(death->text(), QStringLiteral("Death Included"));
    QVERIFY(!marked() && !living->isChecked());
    QVERIFY(f.ui.records().empty());
  }

  void LivingIsRefusedForSomeoneWhoMustStayDeceased_data() {
    QTest::addColumn<Lines>("events");
    QTest::newRow("death date") << Lines{"1 DEAT", "2 DATE 1990"};
    QTest::newRow("burial") << Lines{"1 BURI"};
    QTest::newRow("born 130 years ago") << Lines{"1 BIRT", "2 DATE 1896"};
  }

  void LivingIsRefusedForSomeoneWhoMustStayDeceased() {
    QFETCH(Lines, events);
    WindowFixture f;
    QVERIFY(f.Load(OnePerson(events)));
    auto* living = Child<QCheckBox>(Page(f), "cbLiving");
    f.ui.ClearRecords();  // the first showing's words on a new tree
    Click(living);
    QVERIFY(!living->isChecked());
    QCOMPARE(f.store.individual(1)->hideFlags & 0x01, 0);
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{" *** Cannot Change to Living ***"});
    QVERIFY(f.ui.records()[0].text.find("Death, Burial and Cremation") != std::string::npos);
  }

  void NoteAreaSizes() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    QWidget* page = Page(f);
    auto* full = Button(page, "btnFamSizeFull");
    auto* wide = Button(page, "btnFamSizeWide");
    QCOMPARE(full->text(), QStringLiteral("Full"));
    QCOMPARE(full->toolTip(), QStringLiteral(" Expand Height of Note Area "));
    QCOMPARE(wide->toolTip(), QStringLiteral(" Expand Width of Note Area "));
    Click(full);
    QCOMPARE(full->text(), QStringLiteral("Half"));
    QCOMPARE(full->toolTip(), QStringLiteral(" Reduce Height of Note Area "));
    for (const char* hidden : {"FamChrNameI", "FamAlias", "FamSex"}) {
      QVERIFY2(!Child<QWidget>(page, hidden)->isVisible(), hidden);
    }
    QVERIFY(Edit(page, "FamSurNameI")->isVisible());
    Click(full);
    QVERIFY(Edit(page, "FamChrNameI")->isVisible());
    Click(wide);
    QCOMPARE(wide->toolTip(), QStringLiteral(" Reduce Width of Note Area "));
  }
};

QTEST_MAIN(PersonPageTest)
#include "person_page_test.moc"
