#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui/person/organizer_page.h"
#include "ui/person/organizer_person_slot.h"
#include "ui_test_support.h"

using kinloom::platform::Answer;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::HasLine;
using kinloom::testing::WindowFixture;

namespace {

using kinloom::testing::Records;

// John and Mary with children Anne and Peter; Anne married to Carl (no children) and to Dan
// (no children); Eve and Zed unattached.
const std::vector<std::string> kFamily = Records({
    "0 @I000001@ INDI|1 NAME John /Smith/|1 SEX M|1 FAMS @F000001@",
    "0 @I000002@ INDI|1 NAME Mary /Brown/|1 SEX F|1 FAMS @F000001@",
    "0 @I000003@ INDI|1 NAME Anne /Smith/|1 SEX F|1 FAMC @F000001@|1 FAMS @F000002@|"
    "1 FAMS @F000003@",
    "0 @I000004@ INDI|1 NAME Peter /Smith/|1 SEX M|1 FAMC @F000001@",
    "0 @I000005@ INDI|1 NAME Carl /Young/|1 SEX M|1 FAMS @F000002@",
    "0 @I000006@ INDI|1 NAME Dan /Old/|1 SEX M|1 FAMS @F000003@",
    "0 @I000007@ INDI|1 NAME Eve /Stone/|1 SEX F",
    "0 @I000008@ INDI|1 NAME Zed /Ray/|1 SEX M",
    "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 MARR|1 CHIL @I000003@|1 CHIL @I000004@",
    "0 @F000002@ FAM|1 HUSB @I000005@|1 WIFE @I000003@|1 MARR",
    "0 @F000003@ FAM|1 HUSB @I000006@|1 WIFE @I000003@|1 MARR",
});

struct Organizer {
  WindowFixture f;
  kinloom::ui::OrganizerPage* page = nullptr;

  Organizer() {
    if (!f.Load(kFamily, 1)) qFatal("tree not loaded");
    page = f.window->organizer_page();
  }
  // Chooses a person as the user does: shows them, then "Use Shown Person".
  void Choose(char slot, int person) {
    f.window->ShowIndividual(person);
    Click(Child<QPushButton>(page, slot == 'A' ? "btnUseShownA" : "btnUseShownB"));
  }
  // Chooses A and B, then clicks `button` and answers `answer` to its question.
  void Apply(int a, int b, const char* button, Answer answer = Answer::kYes) {
    Choose('A', a);
    if (b != 0) Choose('B', b);
    f.ui.QueueAnswer(answer);
    Click(Button(button));
  }
  QPushButton* Button(const char* name) { return Child<QPushButton>(page, name); }
  QString FamilyA(int row) { return Child<QListWidget>(page, "FamiliesA")->item(row)->text(); }
  std::string LastCaption() const {
    return f.ui.records().empty() ? "(nothing asked)" : f.ui.records().back().caption;
  }
};

}  // namespace

class OrganizerPageTest : public QObject {
  Q_OBJECT

 private slots:
  void ButtonsFollowWhatCanApply() {
    Organizer o;
    for (const char* name :
         {"btnMarry", "btnUnmarry", "btnAddChild", "btnRemoveChild", "btnDeleteA"}) {
      QVERIFY2(!o.Button(name)->isEnabled(), name);
    }
    o.Choose('A', 3);
    o.Choose('B', 5);
    QCOMPARE(o.Button("PersonALabel")->text(), QStringLiteral("Anne Smith (3)"));
    QVERIFY(!o.Button("btnMarry")->isEnabled());  // already spouses
    QVERIFY(o.Button("btnUnmarry")->isEnabled());
    QVERIFY(o.Button("btnRemoveChild")->isEnabled());  // Anne is a child of family 1
    QCOMPARE(Child<QListWidget>(o.page, "FamiliesA")->count(), 3);
    QCOMPARE(o.FamilyA(0), QStringLiteral("Child of:  John Smith  and  Mary Brown  (1)"));
    QVERIFY(o.FamilyA(1).startsWith(QStringLiteral("Spouse in:  ")));

    o.f.window->ShowIndividual(1);  // a click on a chosen person's label shows them
    Click(o.Button("PersonBLabel"));
    QCOMPARE(o.f.window->shown().individual, 5);
  }

  void MarryWritesBothSidesOnlyWhenConfirmed() {
    Organizer o;
    o.Apply(7, 8, "btnMarry", Answer::kNo);
    QCOMPARE(o.LastCaption(), std::string("Marry Individuals"));
    QVERIFY(o.f.Family(4).empty());  // refused: nothing written

    o.f.ui.QueueAnswer(Answer::kYes);
    Click(o.Button("btnMarry"));
    const auto family = o.f.Family(4);
    QVERIFY(HasLine(family, "1 HUSB @I000008@"));  // Zed is male
    QVERIFY(HasLine(family, "1 WIFE @I000007@"));
    QVERIFY(HasLine(family, "1 MARR"));
    QVERIFY(HasLine(o.f.Person(7), "1 FAMS @F000004@"));
    QVERIFY(HasLine(o.f.Person(8), "1 FAMS @F000004@"));
    QVERIFY(o.f.work.session().changed.tree_modified);
    QVERIFY(!o.Button("btnMarry")->isEnabled());
    QVERIFY(o.Button("btnUnmarry")->isEnabled());
    QCOMPARE(o.FamilyA(0), QStringLiteral("Spouse in:  Zed Ray  and  Eve Stone  (4)"));
  }

  void MarryCompletesAChosenFamilyWithoutSpouse() {
    Organizer o;
    o.Choose('A', 5);
    o.f.Load(Records({"0 @I000001@ INDI|1 NAME Sue /Hay/|1 SEX F|1 FAMS @F000001@",
                      "0 @I000002@ INDI|1 NAME Tom /Hay/|1 SEX M|1 FAMC @F000001@",
                      "0 @I000003@ INDI|1 NAME Bob /Day/|1 SEX M",
                      "0 @F000001@ FAM|1 WIFE @I000001@|1 CHIL @I000002@"}),
             1, "Hay");
    QCOMPARE(o.page->slot_a().person(), 0);  // another tree: the choices are gone
    o.Apply(1, 3, "btnMarry");
    QCOMPARE(o.page->slot_a().chosen().family, 1);
    QVERIFY(o.f.ui.records().back().text.find("Bob Day (3)") != std::string::npos);
    QVERIFY(HasLine(o.f.Family(1), "1 HUSB @I000003@"));
    QVERIFY(HasLine(o.f.Person(3), "1 FAMS @F000001@"));
    QVERIFY(o.f.Family(2).empty());  // no new family
  }

  void UnmarryAndRemoveChildUnlinkBothSides() {
    Organizer o;
    o.Apply(5, 3, "btnUnmarry");
    QCOMPARE(o.LastCaption(), std::string("Remove Spouse From Family"));
    QVERIFY(o.f.Family(2).empty());  // childless: the family goes
    QVERIFY(!HasLine(o.f.Person(5), "1 FAMS @F000002@"));
    QVERIFY(!HasLine(o.f.Person(3), "1 FAMS @F000002@"));
    QVERIFY(HasLine(o.f.Person(3), "1 FAMS @F000003@"));
    QVERIFY(o.Button("btnMarry")->isEnabled());

    o.Apply(4, 0, "btnRemoveChild");
    QCOMPARE(o.LastCaption(), std::string("Remove Child From Family"));
    QVERIFY(!HasLine(o.f.Family(1), "1 CHIL @I000004@"));
    QVERIFY(HasLine(o.f.Family(1), "1 CHIL @I000003@"));
    QVERIFY(!HasLine(o.f.Person(4), "1 FAMC @F000001@"));
    QCOMPARE(Child<QListWidget>(o.page, "FamiliesA")->count(), 0);
    QVERIFY(!o.Button("btnRemoveChild")->isEnabled());
  }

  void DeleteIndividualRemovesThePersonTheLinksAndTheAlbumEntries() {
    Organizer o;
    kinloom::files::MediaAlbums& albums = o.f.work.albums();
    const kinloom::files::ItemRef item = albums.AddItem(0, "wedding.jpg");
    QVERIFY(albums.LinkIndividual(item, 6));
    o.f.work.session().changed.albums_changed = false;
    o.Apply(6, 6, "btnDeleteA");
    QCOMPARE(o.LastCaption(), std::string("Delete Individual"));
    QVERIFY(o.f.store.individual(6) == nullptr);
    QVERIFY(o.f.Family(3).empty());  // Anne alone, no children: the family goes
    QVERIFY(!HasLine(o.f.Person(3), "1 FAMS @F000003@"));
    QCOMPARE(albums.item(item)->individuals, std::string("|0|"));
    QVERIFY(o.f.work.session().changed.albums_changed);
    QCOMPARE(o.page->slot_a().person(), 0);
    QCOMPARE(o.page->slot_b().person(), 0);
    QCOMPARE(o.Button("PersonALabel")->text(), QStringLiteral("No person chosen"));
  }

  void AddChildChecksMembershipFirstAndMakesAFamilyWhenNeeded() {
    Organizer o;
    o.Apply(7, 8, "btnAddChild");  // Zed has no family: one is made
    QVERIFY(HasLine(o.f.Family(4), "1 HUSB @I000008@"));
    QVERIFY(HasLine(o.f.Family(4), "1 CHIL @I000007@"));
    QVERIFY(HasLine(o.f.Person(7), "1 FAMC @F000004@"));

    o.f.ui.ClearRecords();
    o.Choose('A', 3);  // Anne is already John's child: refused without a question
    o.Choose('B', 1);
    Click(o.Button("btnAddChild"));
    QCOMPARE(o.f.ui.records().size(), size_t{1});
    QCOMPARE(o.LastCaption(), std::string(" *** Unable to Add Person ***"));
    QCOMPARE(o.f.ui.records().back().text,
             std::string("Cannot add:  Anne Smith (3)\nbecause this person is already a "
                         "family member."));

    o.Choose('A', 4);  // Peter into Anne's parents' family: he is a child there already
    o.Choose('B', 3);
    Child<QListWidget>(o.page, "FamiliesB")->setCurrentRow(0);
    Click(o.Button("btnAddChild"));
    QCOMPARE(o.f.ui.records().size(), size_t{2});
    QCOMPARE(o.LastCaption(), std::string(" *** Unable to Add Person ***"));

    o.Apply(5, 1, "btnAddChild");  // Carl has a family of his own, but not this one
    QCOMPARE(o.LastCaption(), std::string("Add Child To Family"));
    QVERIFY(HasLine(o.f.Family(1), "1 CHIL @I000005@"));
    QVERIFY(HasLine(o.f.Person(5), "1 FAMC @F000001@"));
  }
};

QTEST_MAIN(OrganizerPageTest)
#include "organizer_page_test.moc"
