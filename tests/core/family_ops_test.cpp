// The editing operations that change links between people: exact records after each change,
// the exact questions asked, refusals that leave the tree as it was, and the search lists.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "core/family_ops.h"
#include "core/generation_walks.h"
#include "core/queries.h"
#include "core/test_records.h"
#include "store/gedcom_reader.h"
#include "support/tree_checks.h"

namespace kinloom::core {
namespace {

using namespace test_records;
using platform::Answer;
using platform::Icon;

const auto John = [](int n, Lines links = {}) { return Person(n, "John /Smith/", 'M', links); };
const auto Mary = [](int n, Lines links = {}) { return Person(n, "Mary /Jones/", 'F', links); };
const auto Tom = [](int n, Lines links = {}) { return Person(n, "Tom /Smith/", 'M', links); };

// John and Mary Smith, married, with their son Tom; Ann Brown and Paul Green unlinked.
Records CoupleWithSon() {
  return {John(1, {Fams(1)}),
          Mary(2, {Fams(1)}),
          Tom(3, {Famc(1)}),
          Person(4, "Ann /Brown/", 'F'),
          Person(5, "Paul /Green/", 'M'),
          Family(1, {Husb(1), Wife(2), "1 MARR", "2 DATE 1 May 1950", Chil(3)})};
}

class FamilyOpsTest : public ::testing::Test {
 protected:
  void Load(const Records& records) { test_records::Load(tree_, records); }
  // As Load, but without the core's finishing steps, so thin families stay in and the chart
  // texts are not made.
  void LoadWithoutFinishing(const Records& records) {
    with_chart_ = false;
    testing::TempDir dir;
    Lines file = Join(Join({"0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI"}, AllLines(records)),
                      {"0 TRLR"});
    testing::WriteFileBytes(dir.File("thin.ged"), testing::CrLfJoin(file));
    ASSERT_EQ(store::ReadTree(store(), dir.File("thin.ged"), false).outcome,
              store::ReadOutcome::kRead);
  }
  store::RecordStore& store() { return tree_.store; }
  Lines Indi(int n) { return test_records::Indi(tree_, n); }
  Lines Fam(int n) { return test_records::Fam(tree_, n); }
  std::map<std::string, Lines> Snapshot() { return test_records::Snapshot(tree_); }
  const platform::HeadlessInteraction::Record& Last() { return tree_.ui.records().back(); }
  // The last message or question: caption, text and icon.
  void ExpectLast(const std::string& caption, const std::string& text, Icon icon) {
    ASSERT_FALSE(tree_.ui.records().empty());
    EXPECT_EQ(Last().caption, caption);
    EXPECT_EQ(Last().text, text);
    EXPECT_EQ(Last().icon, icon);
  }

  // Every path of every operation leaves the counter down, each link paired, both lists whole
  // and sorted and the chart texts fresh.
  void TearDown() override { EXPECT_EQ(testing::CheckTree(store(), with_chart_), ""); }

  testing::TestTree tree_;
  bool with_chart_ = true;
};

TEST_F(FamilyOpsTest, EveryRefusalOrCancelLeavesTheTreeAlone) {
  Load(CoupleWithSon());
  tree_.ui.SetDefault(platform::Buttons::kYesNo, Answer::kNo);
  tree_.ui.SetDefault(platform::Buttons::kYesNoCancel, Answer::kNo);
  // Taken in the order of the cases below.
  tree_.ui.QueueRemainingParent(std::nullopt);
  tree_.ui.QueueParentType(std::nullopt);
  tree_.ui.QueueParentType(kAdopted);
  const auto before = Snapshot();
  const struct {
    const char* what;
    std::function<int()> run;
    int result;
    std::string caption = {};  // of the last question; none when empty
    std::string text = {};     // of that question; not checked when empty
  } cases[] = {
      {"same-sex marriage", [&] { return AddSpouse(store(), 3, 0, 5); }, 0,
       "Marry Same Sex Individuals?",
       "These two individuals are the same sex.\nDo you want to proceed with marriage?"},
      {"marrying two people", [&] { return MarryIndividuals(store(), 4, 2, 5, 0); }, 0,
       "Marry Individuals",
       "This will marry these two individuals.\n\r\n\rHusband: Paul Green (5)\n\rWife:        "
       "Ann Brown (4)\n\r\n\rUse the Family page to add marriage details."},
      {"an existing parent is shown", [&] { return AddParent(store(), 3, 1, 2, 1, 'M'); }, 1},
      {"removing a child", [&] { return int{RemoveChildFromFamily(store(), 1, 3)}; }, 0,
       "Remove Child From Family"},
      {"deleting a person", [&] { return int{DeleteIndividual(store(), 3)}; }, 0,
       "Delete Individual"},
      {"unmarrying without a parent chosen", [&] { return int{Unmarry(store(), 1, 1, 2)}; }, 0,
       "Remove Spouse From Family"},
      {"adding a child without a parent type",
       [&] { return AddChildToFamily(store(), 0, 3, 5, 4); }, 0, "Parent Types"},
      {"adding a child", [&] { return AddChildToFamily(store(), 0, 3, 5, 4); }, 0,
       "Add Child To Family"},
  };
  for (const auto& c : cases) {
    tree_.ui.ClearRecords();
    EXPECT_EQ(c.run(), c.result) << c.what;
    EXPECT_EQ(tree_.ui.records().empty() ? "" : Last().caption, c.caption) << c.what;
    if (!c.text.empty()) {
      EXPECT_EQ(Last().text, c.text) << c.what;
      EXPECT_EQ(Last().icon, Icon::kQuestion) << c.what;
    }
    EXPECT_EQ(Snapshot(), before) << c.what;
    EXPECT_FALSE(store().tree_modified()) << c.what;
  }
}

TEST_F(FamilyOpsTest, NewIndividualTakesTheLowestFreeNumberAndIsFiled) {
  Load({John(1), Mary(3)});
  EXPECT_EQ(NewIndividual(store(), 'F'), 2);
  EXPECT_EQ(Indi(2), Stamped({"0 @I000002@ INDI", "1 NAME //", "1 SEX F"}));
  EXPECT_TRUE(store().tree_modified());
}

TEST_F(FamilyOpsTest, FirstFamilyReplacesTheMarkerAndPutsFamsBeforeChan) {
  Load({John(1), Mary(2)});
  ASSERT_TRUE(store().IsMarkerFamily(1));
  EXPECT_EQ(NewFamily(store(), 0, 1, 2, true), 1);
  EXPECT_EQ(Fam(1), Stamped({"0 @F000001@ FAM", Husb(1), Wife(2), "1 MARR"}));
  EXPECT_EQ(Indi(1), Restamped(John(1, {Fams(1)})));
  EXPECT_EQ(Indi(2), Restamped(Mary(2, {Fams(1)})));
  ASSERT_EQ(store().family_search_list().size(), 1);
  EXPECT_EQ(store().family_search_list().at(0).view(),
            "Smith, John (1)  and  Jones, Mary (2)  (1)");
}

TEST_F(FamilyOpsTest, SpouseFamsFollowsTheLastParentLinkAndItsPedi) {
  Load({John(1, {Famc(1), "2 PEDI Adopted", "1 OCCU Miller"}), Mary(2),
        Person(3, "Adam /Smith/", 'M', {Fams(1)}), Family(1, {Husb(3), Chil(1)})});
  EXPECT_EQ(NewFamily(store(), 0, 1, 2, true), 2);
  EXPECT_EQ(Indi(1), Restamped(John(1, {Famc(1), "2 PEDI Adopted", Fams(2), "1 OCCU Miller"})));
}

TEST_F(FamilyOpsTest, CompletingAFamilyPutsTheWifeAfterTheHusbandWithOneMarriage) {
  Load({John(1, {Fams(1)}), Mary(2), Tom(3, {Famc(1)}),
        Family(1, {Husb(1), "1 MARR", "2 PLAC York", Chil(3)})});
  EXPECT_EQ(NewFamily(store(), 1, 1, 2, true), 1);
  EXPECT_EQ(Fam(1), Restamped(Family(1, {Husb(1), Wife(2), "1 MARR", "2 PLAC York", Chil(3)})));
  EXPECT_EQ(Indi(1), John(1, {Fams(1)}));
}

TEST_F(FamilyOpsTest, FatherOfAnOrphanIsUnknownWithTheInheritedSurname) {
  Load(CoupleWithSon());
  ASSERT_EQ(AddParent(store(), 4, 0, 0, 0, 'M'), 6);
  EXPECT_EQ(Indi(6), Stamped({"0 @I000006@ INDI", "1 NAME Unknown /Brown/", "1 SEX M", Fams(2)}));
  EXPECT_EQ(Fam(2), Stamped({"0 @F000002@ FAM", Husb(6), Chil(4)}));
  EXPECT_EQ(Indi(4), Restamped(Person(4, "Ann /Brown/", 'F', {Famc(2)})));
}

TEST_F(FamilyOpsTest, MotherJoinsTheBirthFamilyThatHasOnlyAFather) {
  Load({John(1, {Fams(1)}), Tom(2, {Famc(1)}), Family(1, {Husb(1), Chil(2)})});
  EXPECT_EQ(AddParent(store(), 2, 1, 0, 0, 'F'), 3);
  EXPECT_EQ(Fam(1), Restamped(Family(1, {Husb(1), Wife(3), "1 MARR", Chil(2)})));
  EXPECT_EQ(Indi(2), Tom(2, {Famc(1)}));
}

// Other programs write the parent types in lower case (GEDCOM 5.5.1): they read as the
// program's own, so a mother joins the birth family rather than a second one, the top
// ancestor and the outline climb through it, and the program writes only its own values.
TEST_F(FamilyOpsTest, LowerCaseParentTypesReadAsTheProgramsOwn) {
  Load({Person(5, "Old /Smith/", 'M', {Fams(2)}), John(1, {Famc(2), "2 PEDI birth", Fams(1)}),
        Tom(3, {Famc(1), "2 PEDI birth"}),
        Person(4, "Ann /Smith/", 'F', {Famc(1), "2 PEDI adopted"}), Family(2, {Husb(5), Chil(1)}),
        Family(1, {Husb(1), Chil(3), Chil(4)})});
  EXPECT_EQ(NthChild(store(), 1, 2).kind, kAdopted);
  EXPECT_EQ(FindTopAncestor(store(), 3), 5);
  EXPECT_EQ(BuildAncestorOutline(store(), 3, kAncestorGenerationsDefault).entries.size(), 3u);
  EXPECT_EQ(ChangeParentType(store(), 4, 1, kAdopted), kAdopted);  // already adopted
  EXPECT_EQ(Indi(4), Person(4, "Ann /Smith/", 'F', {Famc(1), "2 PEDI adopted"}));

  EXPECT_EQ(AddParent(store(), 3, 1, 0, 0, 'F'), 2);
  EXPECT_EQ(Fam(1), Restamped(Family(1, {Husb(1), Wife(2), "1 MARR", Chil(3), Chil(4)})));
  EXPECT_EQ(Indi(3), Tom(3, {Famc(1), "2 PEDI birth"}));
  EXPECT_EQ(ChangeParentType(store(), 4, 1, kFoster), kFoster);
  EXPECT_EQ(Indi(4), Restamped(Person(4, "Ann /Smith/", 'F', {Famc(1), "2 PEDI Foster"})));
}

TEST_F(FamilyOpsTest, NewSpouseOfAManIsANewWifeInANewFamily) {
  Load(CoupleWithSon());
  EXPECT_EQ(AddSpouse(store(), 3, 0, 0), 2);
  EXPECT_EQ(Indi(6), Stamped({"0 @I000006@ INDI", "1 NAME //", "1 SEX F", Fams(2)}));
  EXPECT_EQ(Fam(2), Stamped({"0 @F000002@ FAM", Husb(3), Wife(6), "1 MARR"}));
  EXPECT_TRUE(tree_.ui.records().empty());
}

class FamilySpouseUnknownTest : public FamilyOpsTest {
 protected:
  // Mary alone with her son.
  void SetUp() override {
    Load({Mary(1, {Fams(1)}), Person(2, "Tom /Jones/", 'M', {Famc(1)}), John(3),
          Family(1, {Wife(1), Chil(2)})});
  }
};

TEST_F(FamilySpouseUnknownTest, YesMakesTheNewSpouseParentOfTheChildren) {
  tree_.ui.QueueAnswer(Answer::kYes);
  EXPECT_EQ(AddSpouse(store(), 1, 1, 3), 1);
  ExpectLast("Make New Spouse Parent?",
             "Is this new spouse the parent\nof the children shown here?\n\n"
             "[YES] Add spouse to this family\n[ NO] Start a new family",
             Icon::kQuestion);
  EXPECT_EQ(Fam(1), Restamped(Family(1, {Husb(3), Wife(1), "1 MARR", Chil(2)})));
  EXPECT_EQ(Indi(3), Restamped(John(3, {Fams(1)})));
}

TEST_F(FamilySpouseUnknownTest, NoStartsANewFamilyAndCancelChangesNothing) {
  const auto before = Snapshot();
  tree_.ui.QueueAnswer(Answer::kCancel);
  EXPECT_EQ(AddSpouse(store(), 1, 1, 0), 0);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(store().highest_individual(), 3);  // no new person either

  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_EQ(AddSpouse(store(), 1, 1, 3), 2);
  EXPECT_EQ(Indi(1), Restamped(Mary(1, {Fams(1), Fams(2)})));
  EXPECT_EQ(Fam(1), Family(1, {Wife(1), Chil(2)}));
}

TEST_F(FamilySpouseUnknownTest, MarryingIntoTheFamilyAsksWithTheWholeStory) {
  tree_.ui.QueueAnswer(Answer::kYes);
  EXPECT_EQ(MarryIndividuals(store(), 3, 1, 1, 1), 1);
  ExpectLast("Marry Individuals",
             "This will marry these two individuals.\n\r\n\rHusband: John Smith (3)"
             "\n\rWife:        Mary Jones (1)"
             "\n\r\n\rAlso, in the \"Spouse\" box change \"Spouse Unknown\" to\n\rMary Jones (1)"
             "\n\rand make this person parent of the children in the \"Children\" box.\n\r"
             "\n\r\n\rUse the Family page to add marriage details.",
             Icon::kQuestion);
  EXPECT_EQ(FamilyMember(store(), 1, "1 HUSB"), 3);
}

TEST_F(FamilyOpsTest, FamilyMembersCannotBeAddedAgain) {
  Load(CoupleWithSon());
  EXPECT_TRUE(IsAlreadyFamilyMember(store(), 3, 1, 0, 0));
  ExpectLast(" *** Unable to Add Person ***",
             "Cannot add:  Tom Smith (3)\nbecause this person is already a family member.",
             Icon::kExclamation);
  EXPECT_TRUE(IsAlreadyFamilyMember(store(), 2, 3, 1, 2));
  tree_.ui.ClearRecords();
  EXPECT_FALSE(IsAlreadyFamilyMember(store(), 4, 1, 0, 0));
  EXPECT_TRUE(tree_.ui.records().empty());
}

class FamilySecondCoupleTest : public FamilyOpsTest {
 protected:
  // Paul and Ann married as family 2; `tom_links` replaces Tom's parent links.
  void LoadWith(const Lines& tom_links, const Lines& family1_children,
                const Lines& family2_children = {}) {
    Load({John(1, {Fams(1)}), Mary(2, {Fams(1)}), Tom(3, Join(tom_links, {"1 OCCU Miller"})),
          Person(4, "Ann /Brown/", 'F', {Fams(2)}), Person(5, "Paul /Green/", 'M', {Fams(2)}),
          Family(1, Join({Husb(1), Wife(2)}, family1_children)),
          Family(2, Join({Husb(5), Wife(4)}, family2_children))});
  }
};

TEST_F(FamilySecondCoupleTest, BirthChildMovesToTheNewParents) {
  LoadWith({Famc(1)}, {Chil(3)});
  tree_.ui.QueueParentType(kBirth);
  EXPECT_EQ(AddChildToFamily(store(), 2, 3, 5, 4), 2);
  ExpectLast("Add Child To Family",
             "Add the child to this family?\n\r\n\rFather:  Paul Green (5)\n\rMother:  Ann Brown "
             "(4)\n\r\n\rChild:   Tom Smith (3)\n\r\n\rAlso remove the child from this family."
             "\n\r\n\rFather:  John Smith (1)\n\rMother:  Mary Jones (2)",
             Icon::kQuestion);
  EXPECT_EQ(Indi(3), Restamped(Tom(3, {Famc(2), "1 OCCU Miller"})));
  EXPECT_EQ(Fam(1), Restamped(Family(1, {Husb(1), Wife(2)})));
  EXPECT_EQ(Fam(2), Restamped(Family(2, {Husb(5), Wife(4), Chil(3)})));
  EXPECT_TRUE(store().tree_modified());
}

TEST_F(FamilySecondCoupleTest, AdoptByFatherFollowsTheExistingLinkAndItsPedi) {
  LoadWith({Famc(1), "2 PEDI Foster"}, {Chil(3)});
  tree_.ui.QueueParentType(kAdoptFather);
  EXPECT_EQ(AddChildToFamily(store(), 2, 3, 5, 4), 2);
  EXPECT_EQ(Last().text.find("Also remove"), std::string::npos);
  EXPECT_EQ(
      Indi(3),
      Restamped(Tom(3, {Famc(1), "2 PEDI Foster", Famc(2), "2 PEDI Adopt Fth", "1 OCCU Miller"})));
  EXPECT_EQ(Fam(1), Family(1, {Husb(1), Wife(2), Chil(3)}));
}

TEST_F(FamilySecondCoupleTest, ChildOfNoFamilyGetsANewOneOfBothParents) {
  LoadWith({}, {});
  tree_.ui.QueueParentType(kStepMother);
  EXPECT_EQ(AddChildToFamily(store(), 0, 3, 1, 4), 3);
  EXPECT_EQ(Fam(3), Stamped({"0 @F000003@ FAM", Husb(1), Wife(4), "1 MARR", Chil(3)}));
  EXPECT_EQ(Indi(3), Restamped(Tom(3, {Famc(3), "2 PEDI Step Mth", "1 OCCU Miller"})));
}

TEST_F(FamilySecondCoupleTest, SecondBirthFamilyIsRefusedWithTheWarning) {
  LoadWith({Famc(1), Famc(2), "2 PEDI Adopted"}, {Chil(3)}, {Chil(3)});
  const auto before = Snapshot();
  EXPECT_EQ(ChangeParentType(store(), 3, 2, kBirth), kAdopted);
  EXPECT_EQ(Last().caption, " *** Birth Parents ***");
  EXPECT_EQ(Last().icon, Icon::kExclamation);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(FamilySecondCoupleTest, ParentTypeReplacesOrDropsThePedi) {
  LoadWith({Famc(2), "2 PEDI Adopted"}, {}, {Chil(3)});
  EXPECT_EQ(ChangeParentType(store(), 3, 2, kFoster), kFoster);
  EXPECT_EQ(Indi(3), Restamped(Tom(3, {Famc(2), "2 PEDI Foster", "1 OCCU Miller"})));
  EXPECT_EQ(ChangeParentType(store(), 3, 2, kBirth), kBirth);
  EXPECT_EQ(Indi(3), Restamped(Tom(3, {Famc(2), "1 OCCU Miller"})));
  EXPECT_TRUE(tree_.ui.records().empty());
}

TEST_F(FamilyOpsTest, RemovingAChildAsksAndTakesBothLinksWithThePedi) {
  Load({John(1, {Fams(1)}), Mary(2, {Fams(1)}), Tom(3, {Famc(1)}),
        Person(6, "Sue /Smith/", 'F', {Famc(1), "2 PEDI Adopted"}),
        Family(1, {Husb(1), Wife(2), Chil(3), Chil(6)})});
  tree_.ui.QueueAnswer(Answer::kYes);
  EXPECT_TRUE(RemoveChildFromFamily(store(), 1, 6));
  ExpectLast("Remove Child From Family",
             "Remove the child from this family?\n\r\n\rFather:  John Smith (1)\n\rMother:  Mary "
             "Jones (2)\n\r\n\rRemove: Sue Smith (6)",
             Icon::kQuestion);
  EXPECT_EQ(Indi(6), Restamped(Person(6, "Sue /Smith/", 'F')));
  EXPECT_EQ(Fam(1), Restamped(Family(1, {Husb(1), Wife(2), Chil(3)})));
}

TEST_F(FamilyOpsTest, RemovingTheOnlyChildOfASingleParentDeletesTheFamily) {
  Load({Mary(1, {Fams(1), Fams(2)}), Person(2, "Tom /Jones/", 'M', {Famc(1)}), John(3, {Fams(2)}),
        Family(1, {Wife(1), Chil(2)}), Family(2, {Husb(3), Wife(1)})});
  EXPECT_TRUE(RemoveChildFromFamily(store(), 1, 2));
  EXPECT_EQ(store().family(1), nullptr);
  EXPECT_EQ(Indi(1), Restamped(Mary(1, {Fams(2)})));
  EXPECT_EQ(Indi(2), Restamped(Person(2, "Tom /Jones/", 'M')));
}

TEST_F(FamilyOpsTest, UnmarryingAChildlessCoupleDeletesTheFamilyAndBringsBackTheMarker) {
  Load({John(1, {Fams(1)}), Mary(2, {Fams(1)}), Family(1, {Husb(1), Wife(2), "1 MARR"})});
  EXPECT_TRUE(Unmarry(store(), 1, 1, 2));
  EXPECT_EQ(Last().caption, "Remove Spouse From Family");
  EXPECT_EQ(Last().text,
            "Unmarry and separate these two individuals\n\r\n\rHusband: John Smith (1)"
            "\n\rWife:      Mary Jones (2)");
  EXPECT_EQ(Indi(1), Restamped(John(1)));
  EXPECT_EQ(Indi(2), Restamped(Mary(2)));
  EXPECT_TRUE(store().IsMarkerFamily(1));
  EXPECT_EQ(store().family_search_list().size(), 1);
}

TEST_F(FamilyOpsTest, UnmarryingWithChildrenKeepsThemWithTheChosenParent) {
  Load(CoupleWithSon());
  tree_.ui.QueueRemainingParent(1);
  EXPECT_TRUE(Unmarry(store(), 1, 1, 2));
  EXPECT_EQ(Fam(1), Restamped(Family(1, {Wife(2), Chil(3)})));
  EXPECT_EQ(Indi(1), Restamped(John(1)));
  EXPECT_EQ(Indi(2), Mary(2, {Fams(1)}));
}

TEST_F(FamilyOpsTest, DeletingTheOnlySpouseOfAFamilyWithChildrenUnlinksThem) {
  Load({Mary(1, {Fams(1)}), Person(2, "Tom /Jones/", 'M', {Famc(1), "2 PEDI Adopted"}),
        Person(3, "Sue /Jones/", 'F', {Famc(1)}),
        Family(1, {Wife(1), "1 MARR", Chil(2), Chil(3)})});
  store().set_current_individual(1);
  EXPECT_TRUE(DeleteIndividual(store(), 1));
  ExpectLast("Delete Individual",
             "This will delete the record for this individual\n\rand all notes and references to "
             "this individual.\n\r\n\rDelete: Mary Jones (1)",
             Icon::kQuestion);
  EXPECT_EQ(store().individual(1), nullptr);
  EXPECT_TRUE(store().IsMarkerFamily(1));
  EXPECT_EQ(Indi(2), Restamped(Person(2, "Tom /Jones/", 'M')));
  EXPECT_EQ(Indi(3), Restamped(Person(3, "Sue /Jones/", 'F')));
  EXPECT_EQ(store().current_individual(), 2);
}

TEST_F(FamilyOpsTest, DeletingOneOfACoupleKeepsTheFamilyWithoutTheMarriage) {
  Records records = CoupleWithSon();  // Mary married Paul too
  records[1] = Mary(2, {Fams(1), Fams(2)});
  records[4] = Person(5, "Paul /Green/", 'M', {Fams(2)});
  Load(Join(records, {Family(2, {Husb(5), Wife(2)})}));
  EXPECT_TRUE(DeleteIndividual(store(), 1));
  EXPECT_EQ(Fam(1), Restamped(Family(1, {Wife(2), Chil(3)})));
  EXPECT_EQ(Indi(2), Mary(2, {Fams(1), Fams(2)}));
  EXPECT_EQ(Indi(3), Tom(3, {Famc(1)}));
}

TEST_F(FamilyOpsTest, TheLastPersonIsNotDeletedAndQuietDeletionAsksNothing) {
  testing::TestTree lone;
  testing::LoadOwnTree(lone, John(1));
  EXPECT_FALSE(DeleteIndividual(lone.store, 1));
  EXPECT_TRUE(lone.ui.records().empty());
  EXPECT_NE(lone.store.individual(1), nullptr);
  EXPECT_EQ(lone.store.busy_depth(), 0);

  Load(CoupleWithSon());
  DeleteIndividualQuietly(store(), 3);
  EXPECT_TRUE(tree_.ui.records().empty());
  EXPECT_EQ(store().individual(3), nullptr);
  EXPECT_EQ(Fam(1), Restamped(Family(1, {Husb(1), Wife(2), "1 MARR", "2 DATE 1 May 1950"})));
  EXPECT_TRUE(DeleteIndividual(store(), 5));  // the highest person lowers the highest number
  EXPECT_EQ(store().highest_individual(), 4);
}

TEST_F(FamilyOpsTest, FamiliesWithTooFewMembersAreDroppedWithTheirLinks) {
  const Lines john_links = {Fams(1), Fams(2), Fams(5), Fams(6)};
  LoadWithoutFinishing({John(1, john_links), Mary(2, {Fams(1), Fams(4)}), Tom(3, {Famc(3)}),
                        Person(4, "Sue /Smith/", 'F', {Famc(4)}), Family(1, {Husb(1), Wife(2)}),
                        Family(2, {Husb(1)}), Family(3, {Chil(3)}), Family(4, {Wife(2), Chil(4)}),
                        // A marriage or a note with one partner unknown is kept.
                        Family(5, {Husb(1), "1 MARR", "2 DATE 1767", "2 PLAC Lunenburg"}),
                        Family(6, {Husb(1), "1 NOTE met at the fair"})});
  const Lines mary = Indi(2);
  DropFamiliesWithTooFewMembers(store());
  for (int f : {1, 4, 5, 6}) EXPECT_NE(store().family(f), nullptr) << f;
  for (int f : {2, 3}) EXPECT_EQ(store().family(f), nullptr) << f;
  EXPECT_EQ(Indi(1), Restamped(John(1, {Fams(1), Fams(5), Fams(6)})));
  EXPECT_EQ(Indi(3), Restamped(Tom(3)));
  EXPECT_EQ(Indi(2), mary);
}

TEST_F(FamilyOpsTest, SexDecidesTheRoleInEachFamily) {
  Load(CoupleWithSon());
  const Lines family = Fam(1);
  SetSex(store(), 2, 0);  // unknown keeps her the wife
  EXPECT_EQ(Indi(2), Restamped(Person(2, "Mary /Jones/", 'U', {Fams(1)})));
  EXPECT_EQ(Fam(1), family);
  SetSex(store(), 1, 2);  // a female husband makes the wife the husband
  EXPECT_EQ(Indi(1), Restamped(Person(1, "John /Smith/", 'F', {Fams(1)})));
  EXPECT_EQ(Fam(1),
            Restamped(Family(1, {Husb(2), Wife(1), "1 MARR", "2 DATE 1 May 1950", Chil(3)})));
  EXPECT_EQ(store().family_search_list().at(0).view(),
            "Jones, Mary (2)  and  Smith, John (1)  (1)");
}

class FamilyEventSwitchTest : public FamilyOpsTest {
 protected:
  EventSwitch::State Switch(bool checked) {
    return switch_.SetEventIncluded(store(), store().individual(1)->lines, checked, "1 DEAT",
                                    "Death Included");
  }
  EventSwitch switch_;
};

TEST_F(FamilyEventSwitchTest, CheckingAddsABareLineInItsPlaceAndUncheckingRemovesIt) {
  Load({John(1, {"1 BIRT", "2 DATE 1850", "1 OCCU Miller"})});
  EventSwitch::State state = Switch(true);
  EXPECT_TRUE(state.checked);
  EXPECT_EQ(state.caption, "Death Included");
  const Lines once = Indi(1);
  EXPECT_EQ(once, Restamped(John(1, {"1 BIRT", "2 DATE 1850", "1 DEAT", "1 OCCU Miller"})));
  Switch(true);  // finds the line and adds no second one
  EXPECT_EQ(Indi(1), once);

  state = Switch(false);
  EXPECT_FALSE(state.checked);
  EXPECT_EQ(state.caption, "Include Without Details");
  EXPECT_EQ(Indi(1), Restamped(John(1, {"1 BIRT", "2 DATE 1850", "1 OCCU Miller"})));
  EXPECT_TRUE(tree_.ui.records().empty());
}

// A stream buffer that runs `reenter` once when the first character is written to it.
struct ReenteringEcho : std::streambuf {
  int overflow(int c) override {
    if (auto run = std::exchange(reenter, nullptr)) run();
    return c;
  }
  std::function<void()> reenter;
};

TEST_F(FamilyEventSwitchTest, UncheckingADeathWithADateIsRefusedAndACallWhileOneRunsDoesNothing) {
  Load({John(1, {"1 DEAT", "2 DATE 1900"})});
  const auto before = Snapshot();
  // Like a real check box, the box's message notifies the handler again: the echo of the
  // message runs the switch a second time while the first call runs.
  ReenteringEcho echo;
  std::ostream out(&echo);
  tree_.ui.EchoTo(&out);
  echo.reenter = [&] {
    EXPECT_TRUE(switch_
                    .SetEventIncluded(store(), store().individual(1)->lines, true, "1 BURI",
                                      "Burial Included")
                    .checked);
  };
  const EventSwitch::State state = Switch(false);
  tree_.ui.EchoTo(nullptr);
  EXPECT_TRUE(state.checked);
  EXPECT_EQ(state.caption, "Death Included");
  ExpectLast("Error: Un-Checking Box",
             "Remove Date, Place, Note and Source\ndetails before box can be unchecked.",
             Icon::kExclamation);
  EXPECT_EQ(tree_.ui.records().size(), 1u);
  EXPECT_FALSE(echo.reenter);     // the second call was made
  EXPECT_EQ(Snapshot(), before);  // and added no burial
}

}  // namespace
}  // namespace kinloom::core
