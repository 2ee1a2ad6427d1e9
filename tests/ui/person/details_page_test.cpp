#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/person/details_page.h"
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

Lines OnePerson(const Lines& more, const char* sex = "1 SEX F") {
  Lines lines = {"0 @I000001@ INDI", "1 NAME Eve /Stone/", sex};
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

struct Pages {
  QWidget* person;
  QWidget* details;
};

Pages Open(WindowFixture& f) {
  f.window->show();
  f.window->activateWindow();
  (void)QTest::qWaitForWindowActive(f.window.get());
  QApplication::processEvents();
  f.ui.ClearRecords();
  return {f.window->person_page(), f.window->details_page()};
}

bool Shown(const WindowFixture& f, const std::string& caption, const std::string& text = {}) {
  for (const auto& record : f.ui.records()) {
    if (record.caption == caption && (text.empty() || record.text == text)) return true;
  }
  return false;
}

QCheckBox* Box(QWidget* page, const char* name) {
  return Child<QCheckBox>(page, name);
}

const char kLivingWarning[] =
    "This individual cannot be changed to living status until all\n"
    "details in Death, Burial and Cremation fields are removed.\n\n"
    "Also, Birth, Baptism, Christening dates for this individual\n"
    "(and near relation) cannot be over 120 years old.";

}  // namespace

class DetailsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void BaptismWithADateCanBecomeChristening() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({"1 BAPM", "2 DATE 5 MAY 1900", "2 PLAC Ely"})));
    Pages p = Open(f);
    QCheckBox* slot = Box(p.person, "cbFamBapm");
    QCOMPARE(slot->text(), QStringLiteral("Baptism Included"));
    QCOMPARE(Child<QLineEdit>(p.details, "DetChrDate")->placeholderText(),
             QStringLiteral("Christening Date"));
    f.ui.QueueAnswer(Answer::kYes);
    Click(slot);
    QVERIFY(Shown(f, "Modify Record", "Change from Baptised to Christened?"));
    Lines person = f.Person(1);
    QVERIFY(!HasLine(person, "1 BAPM"));
    const auto chr = std::find(person.begin(), person.end(), "1 CHR");
    QVERIFY(chr != person.end());
    QCOMPARE(*(chr + 1), std::string("2 DATE 5 MAY 1900"));
    QCOMPARE(*(chr + 2), std::string("2 PLAC Ely"));
    QVERIFY(slot->isChecked());
    QCOMPARE(slot->text(), QStringLiteral("Christening Included"));
    QCOMPARE(Child<QLineEdit>(p.details, "DetChrDate")->placeholderText(),
             QStringLiteral("Baptism Date"));
    QVERIFY(!Box(p.details, "cbDetChr")->isChecked());

    // And back; a No falls through to the ordinary rule, which refuses.
    f.ui.ClearRecords();
    f.ui.QueueAnswer(Answer::kNo);
    Click(slot);
    QVERIFY(Shown(f, "Modify Record", "Change from Christened to Baptised?"));
    QVERIFY(Shown(f, "Error: Un-Checking Box"));
    QVERIFY(HasLine(f.Person(1), "1 CHR"));
    QVERIFY(slot->isChecked());
  }

  void EmptySlotsOfferBothEvents() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({})));
    Pages p = Open(f);
    const std::pair<const char*, const char*> kEmptySlots[] = {{"cbFamBapm", "Baptize"},
                                                               {"cbFamChr", "Christen"},
                                                               {"cbFamBuri", "Burial"},
                                                               {"cbFamCrem", "Cremation"}};
    for (const auto& [name, caption] : kEmptySlots) {
      QCOMPARE(Box(p.person, name)->text(), QString::fromLatin1(caption));
    }
    Click(Box(p.person, "cbFamCrem"));
    QVERIFY(HasLine(f.Person(1), "1 CREM"));
    QCOMPARE(Box(p.person, "cbFamBuri")->text(), QStringLiteral("Cremation Included"));
    QVERIFY(!Box(p.person, "cbFamCrem")->isVisible());
    // The details page now offers the burial beside it.
    QCOMPARE(Child<QLineEdit>(p.details, "DetCremDate")->placeholderText(),
             QStringLiteral("Burial Date"));
    // A bare event unchecks; the slot is empty again.
    Click(Box(p.person, "cbFamBuri"));
    QVERIFY(!HasLine(f.Person(1), "1 CREM"));
    QCOMPARE(Box(p.person, "cbFamBuri")->text(), QStringLiteral("Burial"));
    // A date typed into the empty slot writes its first event.
    TypeAndLeave(Child<QLineEdit>(p.person, "FamBapmDate"), QStringLiteral("2 JUN 1990"));
    QVERIFY(HasLine(f.Person(1), "1 BAPM"));
    QCOMPARE(Box(p.person, "cbFamBapm")->text(), QStringLiteral("Baptism Included"));
  }

  // Death unchecks only when the person could be living (born less than 120 years ago): the
  // person page's test unchecks it for one who could.
  void DeathBoxStaysForAPersonWhoCannotBeLiving() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({"1 BIRT", "2 DATE 1 JAN 1896", "1 DEAT"})));
    QCheckBox* death = Box(Open(f).person, "cbFamDeat");
    Click(death);
    QVERIFY(death->isChecked());
    QVERIFY(Shown(f, " *** Cannot Change to Living ***", kLivingWarning));
    QVERIFY(HasLine(f.Person(1), "1 DEAT"));
  }

  void UncheckingAnEventWithDetailsIsRefused() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({"1 FAMS @F000001@", "1 EMIG", "2 PLAC Hull", "0 @F000001@ FAM",
                              "1 WIFE @I000001@", "1 MARR", "2 DATE 1950"})));
    Pages p = Open(f);
    Click(Box(p.person, "cbFamMar"));
    QVERIFY(Shown(f, "Error: Un-Checking Box",
                  "Remove Date, Place, Note and Source\ndetails before box can be unchecked."));
    QVERIFY(HasLine(f.Family(1), "1 MARR"));
    QVERIFY(Box(p.person, "cbFamMar")->isChecked());
    f.ui.ClearRecords();
    Click(Box(p.details, "cbDetEmig"));
    QVERIFY(Shown(f, "Error: Un-Checking Box"));
    QVERIFY(Box(p.details, "cbDetEmig")->isChecked());
    // Emptying the place first lets the box go.
    TypeAndLeave(Child<QLineEdit>(p.details, "DetEmigPlace"), QString());
    Click(Box(p.details, "cbDetEmig"));
    QVERIFY(!HasLine(f.Person(1), "1 EMIG"));
  }

  void MitzvahFollowsTheSex() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({})));
    Pages p = Open(f);
    QCheckBox* confirm = Box(p.details, "cbDetConf");
    QCheckBox* mitzvah = Box(p.details, "cbDetBarm");
    QCOMPARE(confirm->text(), QStringLiteral("Confirm"));
    QCOMPARE(mitzvah->text(), QStringLiteral("Bas Mitz"));
    Click(mitzvah);
    QVERIFY(HasLine(f.Person(1), "1 BASM"));
    QVERIFY(!HasLine(f.Person(1), "1 BARM"));
    QCOMPARE(confirm->text(), QStringLiteral("Bas Mitzvah Included"));
    QVERIFY(!mitzvah->isVisible());
    TypeAndLeave(Child<QLineEdit>(p.details, "DetConfDate"), QStringLiteral("1 MAY 2003"));
    QVERIFY(HasLine(f.Person(1), "2 DATE 1 MAY 2003"));

    WindowFixture m;
    QVERIFY(m.Load(OnePerson({}, "1 SEX M")));
    Pages q = Open(m);
    QCOMPARE(Box(q.details, "cbDetBarm")->text(), QStringLiteral("Bar Mitz"));
    Click(Box(q.details, "cbDetBarm"));
    QVERIFY(HasLine(m.Person(1), "1 BARM"));
    QCOMPARE(Box(q.details, "cbDetConf")->text(), QStringLiteral("Bar Mitzvah Included"));
    Click(Box(q.details, "cbDetConf"));
    QVERIFY(!HasLine(m.Person(1), "1 BARM"));
    Click(Box(q.details, "cbDetConf"));
    QVERIFY(HasLine(m.Person(1), "1 CONF"));
  }

  void FamilyEventsNeedAFamily() {
    WindowFixture f;
    QVERIFY(f.Load(OnePerson({"1 FAMS @F000001@", "0 @F000001@ FAM", "1 WIFE @I000001@", "1 MARR",
                              "0 @I000002@ INDI", "1 NAME Al /Lone/", "1 SEX M"})));
    Pages p = Open(f);
    QVERIFY(Box(p.details, "cbDetDiv")->isEnabled());
    Click(Box(p.details, "cbDetDiv"));
    QVERIFY(HasLine(f.Family(1), "1 DIV"));
    QCOMPARE(Box(p.details, "cbDetDiv")->text(), QStringLiteral("Divorce Included"));
    TypeAndLeave(Child<QLineEdit>(p.details, "DetEngaDate"), QStringLiteral("1949"));
    QVERIFY(HasLine(f.Family(1), "1 ENGA"));
    QVERIFY(Box(p.details, "cbDetEnga")->isChecked());
    f.window->ShowIndividual(2);
    QVERIFY(!Box(p.details, "cbDetDiv")->isEnabled());
    QVERIFY(!Box(p.person, "cbFamMar")->isEnabled());
  }

  void DirectLineIndicators() {
    const Lines family = {"0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M", "1 FAMS @F000001@",
                          "0 @I000002@ INDI", "1 NAME Anne /Smith/", "1 SEX F", "1 FAMC @F000001@",
                          "0 @I000003@ INDI", "1 NAME Lou /Other/",  "1 SEX F", "0 @F000001@ FAM",
                          "1 HUSB @I000001@", "1 CHIL @I000002@"};
    WindowFixture f;
    QVERIFY(f.Load(family, 2));
    Pages p = Open(f);
    f.store.set_home_person(2);
    f.window->ShowIndividual(1);
    QVERIFY(Child<QLabel>(p.person, "imgFam1")->isVisible());
    QVERIFY(Child<QLabel>(p.details, "imgDet1")->isVisibleTo(p.details));
    QVERIFY(Child<QLabel>(p.person, "imgFam1")->text().startsWith(QStringLiteral("Grandparent")));
    f.window->ShowIndividual(3);
    for (const char* name : {"imgFam1", "imgFam2", "imgFam3"}) {
      QVERIFY(!Child<QLabel>(p.person, name)->isVisible());
    }
  }
};

QTEST_MAIN(DetailsPageTest)
#include "details_page_test.moc"
