#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "core/merge_individuals.h"
#include "ui/dialogs/merge_box.h"
#include "ui/person/organizer_page.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::HasLine;
using kinloom::testing::TypeAndLeave;
using kinloom::testing::WindowFixture;
using kinloom::ui::TMergeBox;

namespace {

std::vector<std::string> Records(std::string_view text) {
  return kinloom::testing::Split(text, "|\n");
}

// John Smith (1, with parents 5 and 6) and "john SMITH" (2) are one man, each married to Mary
// (3) with a child of his own. Ruth Cohen is twice a woman with a bat mitzvah (8, 9). Al Kay
// (10, 11) married Bea (12) and Cy (13) on both records.
const std::vector<std::string> kTree = Records(
    "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 BIRT|2 DATE 1 JAN 1900|2 PLAC Leeds|"
    "2 NOTE Parish register|1 OCCU Miner|1 FAMC @F000001@|1 FAMS @F000002@|1 NOTE Seen in the "
    "census\n"
    "0 @I000002@ INDI|1 NAME john /SMITH/|1 SEX M|1 BIRT|2 DATE ABT 1900|"
    "2 PLAC Leeds, Yorkshire|1 DEAT|2 DATE 1970|1 FAMS @F000003@\n"
    "0 @I000003@ INDI|1 NAME Mary /Brown/|1 SEX F|1 FAMS @F000002@|1 FAMS @F000003@\n"
    "0 @I000004@ INDI|1 NAME Anne /Smith/|1 SEX F|1 FAMC @F000003@\n"
    "0 @I000005@ INDI|1 NAME William /Smith/|1 SEX M|1 BIRT|2 DATE 1870|2 PLAC Leeds|"
    "1 DEAT|2 DATE 1930|1 FAMS @F000001@\n"
    "0 @I000006@ INDI|1 NAME Jane /Doe/|1 SEX F|1 FAMS @F000001@\n"
    "0 @I000007@ INDI|1 NAME Tom /Smith/|1 SEX M|1 FAMC @F000002@\n"
    "0 @I000008@ INDI|1 NAME Ruth /Cohen/|1 SEX F|1 BASM|2 DATE 1990\n"
    "0 @I000009@ INDI|1 NAME ruth /cohen/|1 SEX F|1 BASM|2 DATE 1991|2 PLAC Haifa|"
    "1 PHON 555 1234\n"
    "0 @I000010@ INDI|1 NAME Al /Kay/|1 SEX M|1 FAMS @F000004@|1 FAMS @F000005@\n"
    "0 @I000011@ INDI|1 NAME al /kay/|1 SEX M|1 FAMS @F000006@|1 FAMS @F000007@\n"
    "0 @I000012@ INDI|1 NAME Bea /Lee/|1 SEX F|1 FAMS @F000004@|1 FAMS @F000006@\n"
    "0 @I000013@ INDI|1 NAME Cy /Moe/|1 SEX F|1 FAMS @F000005@|1 FAMS @F000007@\n"
    "0 @F000001@ FAM|1 HUSB @I000005@|1 WIFE @I000006@|1 CHIL @I000001@\n"
    "0 @F000002@ FAM|1 HUSB @I000001@|1 WIFE @I000003@|1 MARR|2 DATE 1925|1 CHIL @I000007@\n"
    "0 @F000003@ FAM|1 HUSB @I000002@|1 WIFE @I000003@|1 MARR|2 DATE 1926|2 PLAC York|"
    "1 CHIL @I000004@\n"
    "0 @F000004@ FAM|1 HUSB @I000010@|1 WIFE @I000012@|1 MARR|2 DATE 1950\n"
    "0 @F000005@ FAM|1 HUSB @I000010@|1 WIFE @I000013@|1 MARR|2 DATE 1960\n"
    "0 @F000006@ FAM|1 HUSB @I000011@|1 WIFE @I000012@|1 MARR|2 DATE 1951\n"
    "0 @F000007@ FAM|1 HUSB @I000011@|1 WIFE @I000013@|1 MARR|2 DATE 1961");

struct MergeFixture {
  WindowFixture f;
  TMergeBox* box = nullptr;

  MergeFixture() {
    if (!f.Load(kTree, 1)) qFatal("tree not loaded");
    box = &f.window->merge_box();
  }
  void Open(int first, int second) { box->Open(first, second); }
  QCheckBox* Box(const char* name) { return Child<QCheckBox>(box, name); }
  // Clicks a row's box on its square, as a user does (a short text leaves the box's middle
  // empty).
  void Tick(const char* name) {
    QCheckBox* check = Box(name);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
  }
  QString Text(const char* name) { return Child<QLabel>(box, name)->text(); }
  bool PageShown(int index) { return Child<QTabWidget>(box, "MergePages")->isTabVisible(index); }
  // The lines of the level-1 group `tag` of a record.
  static std::vector<std::string> Group(const std::vector<std::string>& lines,
                                        const std::string& tag) {
    std::vector<std::string> group;
    bool in = false;
    for (const std::string& line : lines) {
      if (line[0] <= '1') in = line == tag || line.rfind(tag + " ", 0) == 0;
      if (in) group.push_back(line);
    }
    return group;
  }
};

enum Page { kBasic, kAdditional, kReligion, kMarriage };

// An album item that shows the second record.
void LinkAlbumItemToSecond(MergeFixture& m) {
  auto& albums = m.f.work.albums();
  if (albums.album_count() == 0) albums.AddAlbum(0, m.f.ui);
  const auto ref = albums.AddItem(0, "john.jpg");
  albums.LinkIndividual(ref, 2);
}

}  // namespace

class MergeBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsBothSidesWithTheirKeepCaptions() {
    MergeFixture m;
    m.Open(1, 2);
    QCOMPARE(m.box->windowTitle(), QStringLiteral("Merge Two Individuals"));
    QStringList shown;
    for (const char* name : {"Name1", "Number1", "Number2", "Sex2", "Birth1", "Death2", "Father1",
                             "Mother1", "Father2"}) {
      shown << m.Text(name);
    }
    QCOMPARE(shown,
             QStringList({"John Smith", "000001", "000002", "Male", "1 JAN 1900, Leeds", "1970",
                          "William Smith (5)\nb. 1870, Leeds;  d. 1930", "Jane Doe (6)", "-"}));
    QCOMPARE(m.Box("Keep1")->text(),
             QStringLiteral("Keep Above ID and Parents -- And All Checked Items From Both Sides"));
    QCOMPARE(m.Box("Keep2")->text(),
             QStringLiteral("Keep Above ID Number -- And All Checked Items From Both Sides"));
    QVERIFY(m.Box("Keep1")->isChecked() && !m.Box("Keep2")->isChecked());

    // Pages: no row of the Additional or Religion range on either side; one paired marriage.
    QVERIFY(m.PageShown(kBasic) && m.PageShown(kMarriage));
    QVERIFY(!m.PageShown(kAdditional) && !m.PageShown(kReligion));
    QCOMPARE(Child<QSpinBox>(m.box, "MarrUpDown")->maximum(), 1);
    QVERIFY(m.Text("lblMarriage").contains(QStringLiteral("Mary Brown (3)")));

    // Starting boxes (chosen in merge_state_test): checked, their values in the tool tips.
    QVERIFY(m.Box("BirtValue1")->isChecked() && !m.Box("BirtValue2")->isChecked());
    QCOMPARE(m.Box("BirtValue2")->toolTip(), QStringLiteral("ABT 1900"));
    QVERIFY(!m.Box("DeatValue1")->isEnabled() && m.Box("DeatValue2")->isChecked());
    QCOMPARE(m.Box("BirtNote1")->toolTip(), QStringLiteral("Parish register"));
    QVERIFY(m.box->findChild<QCheckBox*>(QStringLiteral("OccuPlace1")) == nullptr);
    QCOMPARE(m.Box("NamePlace2")->toolTip(), QStringLiteral("SMITH"));
  }

  void MergeTakesTheCheckedBoxesAndFoldsTheMarriages() {
    MergeFixture m;
    LinkAlbumItemToSecond(m);
    m.Open(1, 2);
    m.Tick("BirtValue2");
    m.Tick("BirtPlace2");
    // Which boxes exclude which is merge_state_test's; here a click reaches the other side.
    QVERIFY(!m.Box("BirtValue1")->isChecked() && !m.Box("BirtPlace1")->isChecked());
    QVERIFY(m.Box("MarrPlace2")->isChecked());  // only the second marriage has a place
    m.Tick("MarrValue2");
    Click(Child<QPushButton>(m.box, "btnMerge"));

    QVERIFY(m.box->result().merged);
    QCOMPARE(m.box->result().kept, 1);
    QVERIFY(m.f.Person(2).empty());
    const auto john = m.f.Person(1);
    QCOMPARE(MergeFixture::Group(john, "1 BIRT"),
             (std::vector<std::string>{"1 BIRT", "2 DATE ABT 1900", "2 PLAC Leeds, Yorkshire",
                                       "2 NOTE Parish register"}));
    QCOMPARE(MergeFixture::Group(john, "1 DEAT"),
             (std::vector<std::string>{"1 DEAT", "2 DATE 1970"}));
    QVERIFY(HasLine(john, "1 NAME John /Smith/"));
    QVERIFY(HasLine(john, "1 FAMC @F000001@"));
    QCOMPARE(MergeFixture::Group(john, "1 FAMS"), std::vector<std::string>{"1 FAMS @F000002@"});
    // One family with both children; the moved child points at it.
    QVERIFY(m.f.Family(3).empty());
    const auto family = m.f.Family(2);
    QCOMPARE(MergeFixture::Group(family, "1 CHIL"),
             (std::vector<std::string>{"1 CHIL @I000007@", "1 CHIL @I000004@"}));
    QCOMPARE(MergeFixture::Group(family, "1 MARR"),
             (std::vector<std::string>{"1 MARR", "2 DATE 1926", "2 PLAC York"}));
    QVERIFY(HasLine(m.f.Person(4), "1 FAMC @F000002@"));
    QVERIFY(!HasLine(m.f.Person(3), "1 FAMS @F000003@"));
    // The window shows the kept man; the album item of the other record shows him now.
    QCOMPARE(m.f.window->shown().individual, 1);
    QVERIFY(m.f.work.session().changed.tree_modified);
    QCOMPARE(m.f.work.albums().album(0).items[0].individuals, std::string("|1|"));
    QVERIFY(m.f.work.session().changed.albums_changed);
  }

  void KeepingTheSecondKeepsItsNumber() {
    MergeFixture m;
    m.Open(1, 2);
    Click(m.Box("Keep2"));
    QVERIFY(!m.Box("Keep1")->isChecked() && m.Box("Keep2")->isChecked());
    Click(Child<QPushButton>(m.box, "btnMerge"));
    QCOMPARE(m.box->result().kept, 2);
    QVERIFY(m.f.Person(1).empty());
    const auto john = m.f.Person(2);
    // The boxes stayed as they started: the first's birth date and the second's death.
    QCOMPARE(MergeFixture::Group(john, "1 BIRT"),
             (std::vector<std::string>{"1 BIRT", "2 DATE 1 JAN 1900", "2 PLAC Leeds",
                                       "2 NOTE Parish register"}));
    QVERIFY(HasLine(john, "2 DATE 1970"));
    QCOMPARE(m.f.window->shown().individual, 2);
  }

  void ComingOfAgeRowFollowsTheKeptSex() {
    MergeFixture m;
    m.Open(8, 9);
    // The second has a phone number; there are no marriages at all.
    QVERIFY(m.PageShown(kReligion) && m.PageShown(kAdditional) && !m.PageShown(kMarriage));
    QCOMPARE(m.Text("BarmCaption"), QStringLiteral("Bas Mitzvah"));
    QVERIFY(m.Box("BarmValue1")->isChecked());
    QVERIFY(m.Box("BarmPlace2")->isChecked());  // only the second has a place
    Click(Child<QPushButton>(m.box, "btnMerge"));
    QCOMPARE(MergeFixture::Group(m.f.Person(8), "1 BASM"),
             (std::vector<std::string>{"1 BASM", "2 DATE 1990", "2 PLAC Haifa"}));
    QVERIFY(HasLine(m.f.Person(8), "1 PHON 555 1234"));

    // A man kept: the row stands for his bar mitzvah; the woman kept: her bat mitzvah.
    m.Open(1, 8);
    QCOMPARE(m.Text("BarmCaption"), QStringLiteral("Bar Mitzvah"));
    QVERIFY(!m.Box("BarmValue2")->isEnabled());
    Click(m.Box("Keep2"));
    QCOMPARE(m.Text("BarmCaption"), QStringLiteral("Bas Mitzvah"));
    QVERIFY(m.Box("BarmValue2")->isChecked());
    QCOMPARE(m.Box("BarmValue2")->toolTip(), QStringLiteral("1990"));
  }

  void EachPairedMarriageKeepsItsOwnBoxes() {
    MergeFixture m;
    m.Open(10, 11);
    auto* up_down = Child<QSpinBox>(m.box, "MarrUpDown");
    QCOMPARE(up_down->maximum(), 2);
    QCOMPARE(m.Box("MarrValue1")->toolTip(), QStringLiteral("1950"));
    m.Tick("MarrValue2");
    up_down->setValue(2);
    QCOMPARE(m.Box("MarrValue1")->toolTip(), QStringLiteral("1960"));
    QVERIFY(m.Box("MarrValue1")->isChecked());
    QVERIFY(!m.Box("MarrValue2")->isChecked());
    up_down->setValue(1);
    QVERIFY(m.Box("MarrValue2")->isChecked());
    Click(Child<QPushButton>(m.box, "btnMerge"));
    QVERIFY(HasLine(m.f.Family(4), "2 DATE 1951"));
    QVERIFY(HasLine(m.f.Family(5), "2 DATE 1960"));
    QVERIFY(m.f.Family(6).empty() && m.f.Family(7).empty());
  }

  // Each reason for a refusal is merge_individuals_test's; here the box does not open.
  void APairThatCannotBeMergedIsRefusedBeforeTheBoxOpens() {
    const int first = 5, second = 1;  // parent and child
    MergeFixture m;
    const auto before = m.f.Person(first);
    bool opened = false;
    QTimer::singleShot(0, [&] {
      if (QApplication::activeModalWidget() != nullptr) {
        opened = true;
        QApplication::activeModalWidget()->close();
      }
    });
    QVERIFY(!m.f.window->ShowMergeBox(first, second));
    QTest::qWait(1);
    QVERIFY(!opened);
    QCOMPARE(m.f.ui.records().back().caption, std::string(kinloom::core::kMergeRefusedCaption));
    QCOMPARE(m.f.Person(first), before);
    QVERIFY(!m.f.work.session().changed.tree_modified);
  }

  void OrganizerFindsTheCandidateAndOpensTheBox() {
    MergeFixture m;
    auto* page = m.f.window->organizer_page();
    auto* second = Child<QLineEdit>(page, "MergeSecond");
    auto* merge = Child<QPushButton>(page, "btnMerge");
    QVERIFY(!merge->isEnabled());  // nobody chosen
    m.f.window->ShowIndividual(1);
    Click(Child<QPushButton>(page, "btnUseShownA"));
    // "john /SMITH/" has the same name line but for the case of its letters.
    QCOMPARE(second->text(), QStringLiteral("2"));
    QCOMPARE(Child<QLabel>(page, "MergeSecondLabel")->text(), QStringLiteral("john SMITH (2)"));
    QVERIFY(merge->isEnabled());

    TypeAndLeave(second, QStringLiteral("99"));
    QCOMPARE(Child<QLabel>(page, "MergeSecondLabel")->text(),
             QStringLiteral("No individual has this number"));
    QVERIFY(!merge->isEnabled());
    TypeAndLeave(second, QStringLiteral("1"));
    QVERIFY(!merge->isEnabled());
    TypeAndLeave(second, QStringLiteral("2"));
    QVERIFY(merge->isEnabled());

    QTimer::singleShot(0, [] {
      auto* box = qobject_cast<TMergeBox*>(QApplication::activeModalWidget());
      if (box != nullptr) Click(Child<QPushButton>(box, "btnMerge"));
    });
    Click(merge);
    QVERIFY(m.f.Person(2).empty());
    QCOMPARE(Child<QPushButton>(page, "PersonALabel")->text(), QStringLiteral("John Smith (1)"));
    QVERIFY(!merge->isEnabled());  // the second record is gone
  }
};

QTEST_MAIN(MergeBoxTest)
#include "merge_box_test.moc"
