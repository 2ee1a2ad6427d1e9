// The editing operations that change links between people: exact records after each change,
// the exact questions asked, refusals that leave the tree as it was, and the search lists.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/family_ops.h"
#include "core/queries.h"
#include "store/gedcom_reader.h"
#include "store/line_edit.h"
#include "store/search_list.h"
#include "store/search_lists.h"
#include "support/test_support.h"

namespace kinloom::core {
namespace {

using platform::Answer;
using platform::Icon;
using Lines = std::vector<std::string>;

const Lines kOldStamp = {"1 CHAN", "2 DATE 1 Jan 2020"};
const Lines kNewStamp = {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"};

std::string Xref(char letter, int n) {
  char text[16];
  std::snprintf(text, sizeof text, "@%c%06d@", letter, n);
  return text;
}

Lines Join(Lines head, const Lines& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

// An individual's lines with the old stamp; `links` go between SEX and CHAN.
Lines Person(int n, const std::string& name, char sex, const Lines& links = {}) {
  Lines lines = {"0 " + Xref('I', n) + " INDI", "1 NAME " + name, std::string("1 SEX ") + sex};
  return Join(Join(lines, links), kOldStamp);
}

Lines Family(int n, const Lines& body) {
  return Join(Join({"0 " + Xref('F', n) + " FAM"}, body), kOldStamp);
}

// The same record after an edit: the old stamp replaced by today's.
Lines Restamped(Lines lines) {
  lines.resize(lines.size() - kOldStamp.size());
  return Join(lines, kNewStamp);
}

// John and Mary Smith, married, with their son Tom; Ann Brown and Paul Green unlinked.
Lines CoupleWithSon() {
  Lines all = Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@"});
  all = Join(all, Person(2, "Mary /Jones/", 'F', {"1 FAMS @F000001@"}));
  all = Join(all, Person(3, "Tom /Smith/", 'M', {"1 FAMC @F000001@"}));
  all = Join(all, Person(4, "Ann /Brown/", 'F'));
  all = Join(all, Person(5, "Paul /Green/", 'M'));
  return Join(all, Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 MARR", "2 DATE 1 May 1950",
                              "1 CHIL @I000003@"}));
}

class FamilyOpsTest : public ::testing::Test {
 protected:
  void Load(const Lines& lines) { testing::LoadOwnTree(tree_, lines); }
  // As Load, but without the core's finishing steps, so thin families stay in.
  void LoadWithoutFinishing(const Lines& records) {
    testing::TempDir dir;
    Lines file = Join({"0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI"}, records);
    file.push_back("0 TRLR");
    testing::WriteFileBytes(dir.File("thin.ged"), testing::CrLfJoin(file));
    ASSERT_EQ(store::ReadTree(store(), dir.File("thin.ged"), false).outcome,
              store::ReadOutcome::kRead);
  }
  store::RecordStore& store() { return tree_.store; }
  Lines Indi(int n) { return testing::RecordLines(store().individual(n)->lines); }
  Lines Fam(int n) { return testing::RecordLines(store().family(n)->lines); }
  const platform::HeadlessInteraction::Record& Last() { return tree_.ui.records().back(); }

  std::map<std::string, Lines> Snapshot() {
    std::map<std::string, Lines> all;
    for (int n = 0; n <= store().highest_individual(); ++n) {
      if (store().individual(n) != nullptr) all[Xref('I', n)] = Indi(n);
    }
    for (int n = 0; n <= store().highest_family(); ++n) {
      if (store().family(n) != nullptr) all[Xref('F', n)] = Fam(n);
    }
    return all;
  }

  void ExpectListInOrder(const store::SearchList& list, int highest, bool family) {
    std::map<int, int> seen;
    for (int p = 0; p < list.size(); ++p) {
      const store::SearchEntry& entry = list.at(p);
      ++seen[entry.number];
      std::string key = family ? store::FamilyKey(store(), entry.number)
                               : store::IndividualKey(store(), entry.number);
      EXPECT_EQ(entry.view(), key) << "stale key at " << p;
      if (p > 0) {
        EXPECT_LE(store::CompareKeys(list.at(p - 1).view(), entry.view()), 0) << p;
      }
    }
    for (int n = 1; n <= highest; ++n) {
      bool exists = family ? store().family(n) != nullptr : store().individual(n) != nullptr;
      EXPECT_EQ(seen.count(n) != 0 ? seen[n] : 0, exists ? 1 : 0) << (family ? "F" : "I") << n;
    }
    for (const auto& [number, count] : seen) EXPECT_LE(number, highest);
  }

  // Every path of every operation leaves the counter down and both lists whole and sorted.
  void TearDown() override {
    EXPECT_EQ(store().busy_depth(), 0);
    ExpectListInOrder(store().individual_search_list(), store().highest_individual(), false);
    ExpectListInOrder(store().family_search_list(), store().highest_family(), true);
  }

  testing::TestTree tree_;
};

// ---- New individuals and families ----

TEST_F(FamilyOpsTest, NewIndividualTakesTheLowestFreeNumberAndIsFiled) {
  Load(Join(Person(1, "John /Smith/", 'M'), Person(3, "Mary /Jones/", 'F')));
  EXPECT_EQ(NewIndividual(store(), 'F'), 2);
  EXPECT_EQ(Indi(2), Join({"0 @I000002@ INDI", "1 NAME //", "1 SEX F"}, kNewStamp));
  EXPECT_TRUE(store().tree_modified());
  EXPECT_GE(store().individual_search_list().PositionOf(2), 0);
}

TEST_F(FamilyOpsTest, FirstFamilyReplacesTheMarkerAndPutsFamsBeforeChan) {
  Load(Join(Person(1, "John /Smith/", 'M'), Person(2, "Mary /Jones/", 'F')));
  ASSERT_TRUE(store().IsMarkerFamily(1));
  EXPECT_EQ(NewFamily(store(), 0, 1, 2, true), 1);
  EXPECT_EQ(Fam(1),
            Join({"0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@", "1 MARR"}, kNewStamp));
  EXPECT_EQ(Indi(1), Restamped(Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@"})));
  EXPECT_EQ(Indi(2), Restamped(Person(2, "Mary /Jones/", 'F', {"1 FAMS @F000001@"})));
  ASSERT_EQ(store().family_search_list().size(), 1);
  EXPECT_EQ(store().family_search_list().at(0).view(),
            "Smith, John (1)  and  Jones, Mary (2)  (1)");
}

TEST_F(FamilyOpsTest, SpouseFamsFollowsTheLastParentLinkAndItsPedi) {
  Lines tree =
      Person(1, "John /Smith/", 'M', {"1 FAMC @F000001@", "2 PEDI Adopted", "1 OCCU Miller"});
  tree = Join(tree, Person(2, "Mary /Jones/", 'F'));
  tree = Join(tree, Person(3, "Adam /Smith/", 'M', {"1 FAMS @F000001@"}));
  tree = Join(tree, Family(1, {"1 HUSB @I000003@", "1 CHIL @I000001@"}));
  Load(tree);
  EXPECT_EQ(NewFamily(store(), 0, 1, 2, true), 2);
  EXPECT_EQ(Indi(1), Restamped(Person(1, "John /Smith/", 'M',
                                      {"1 FAMC @F000001@", "2 PEDI Adopted", "1 FAMS @F000002@",
                                       "1 OCCU Miller"})));
}

TEST_F(FamilyOpsTest, CompletingAFamilyPutsTheWifeAfterTheHusbandWithOneMarriage) {
  Lines tree = Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@"});
  tree = Join(tree, Person(2, "Mary /Jones/", 'F'));
  tree = Join(tree, Person(3, "Tom /Smith/", 'M', {"1 FAMC @F000001@"}));
  tree = Join(tree, Family(1, {"1 HUSB @I000001@", "1 MARR", "2 PLAC York", "1 CHIL @I000003@"}));
  Load(tree);
  EXPECT_EQ(NewFamily(store(), 1, 1, 2, true), 1);
  EXPECT_EQ(Fam(1), Restamped(Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 MARR",
                                         "2 PLAC York", "1 CHIL @I000003@"})));
  EXPECT_EQ(Indi(1), Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@"}));
}

// ---- Parents ----

TEST_F(FamilyOpsTest, FatherOfAnOrphanIsUnknownWithTheInheritedSurname) {
  Load(CoupleWithSon());
  const int father = AddParent(store(), 4, 0, 0, 0, 'M');
  ASSERT_EQ(father, 6);
  EXPECT_EQ(Indi(6),
            Join({"0 @I000006@ INDI", "1 NAME Unknown /Brown/", "1 SEX M", "1 FAMS @F000002@"},
                 kNewStamp));
  EXPECT_EQ(Fam(2), Join({"0 @F000002@ FAM", "1 HUSB @I000006@", "1 CHIL @I000004@"}, kNewStamp));
  EXPECT_EQ(Indi(4), Restamped(Person(4, "Ann /Brown/", 'F', {"1 FAMC @F000002@"})));
  EXPECT_GE(store().individual_search_list().PositionOf(6), 0);
}

TEST_F(FamilyOpsTest, MotherJoinsTheBirthFamilyThatHasOnlyAFather) {
  Lines tree = Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@"});
  tree = Join(tree, Person(2, "Tom /Smith/", 'M', {"1 FAMC @F000001@"}));
  tree = Join(tree, Family(1, {"1 HUSB @I000001@", "1 CHIL @I000002@"}));
  Load(tree);
  EXPECT_EQ(AddParent(store(), 2, 1, 0, 0, 'F'), 3);
  EXPECT_EQ(
      Fam(1),
      Restamped(Family(1, {"1 HUSB @I000001@", "1 WIFE @I000003@", "1 MARR", "1 CHIL @I000002@"})));
  EXPECT_EQ(Indi(2), Person(2, "Tom /Smith/", 'M', {"1 FAMC @F000001@"}));
}

TEST_F(FamilyOpsTest, AnExistingParentIsShownNotAdded) {
  Load(CoupleWithSon());
  const auto before = Snapshot();
  EXPECT_EQ(AddParent(store(), 3, 1, 2, 1, 'M'), 1);
  EXPECT_EQ(Snapshot(), before);
}

// ---- Spouses ----

TEST_F(FamilyOpsTest, SameSexMarriageAsksAndNoLeavesTheTreeAlone) {
  Load(CoupleWithSon());
  const auto before = Snapshot();
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_EQ(AddSpouse(store(), 3, 0, 5), 0);
  EXPECT_EQ(Last().caption, "Marry Same Sex Individuals?");
  EXPECT_EQ(Last().text,
            "These two individuals are the same sex.\nDo you want to proceed with marriage?");
  EXPECT_EQ(Last().icon, Icon::kQuestion);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_FALSE(store().tree_modified());
}

TEST_F(FamilyOpsTest, NewSpouseOfAManIsANewWifeInANewFamily) {
  Load(CoupleWithSon());
  EXPECT_EQ(AddSpouse(store(), 3, 0, 0), 2);
  EXPECT_EQ(Indi(6),
            Join({"0 @I000006@ INDI", "1 NAME //", "1 SEX F", "1 FAMS @F000002@"}, kNewStamp));
  EXPECT_EQ(Fam(2),
            Join({"0 @F000002@ FAM", "1 HUSB @I000003@", "1 WIFE @I000006@", "1 MARR"}, kNewStamp));
  EXPECT_TRUE(tree_.ui.records().empty());
}

class FamilySpouseUnknownTest : public FamilyOpsTest {
 protected:
  // Mary alone with her son.
  void SetUp() override {
    Lines tree = Person(1, "Mary /Jones/", 'F', {"1 FAMS @F000001@"});
    tree = Join(tree, Person(2, "Tom /Jones/", 'M', {"1 FAMC @F000001@"}));
    tree = Join(tree, Person(3, "John /Smith/", 'M'));
    Load(Join(tree, Family(1, {"1 WIFE @I000001@", "1 CHIL @I000002@"})));
  }
};

TEST_F(FamilySpouseUnknownTest, YesMakesTheNewSpouseParentOfTheChildren) {
  tree_.ui.QueueAnswer(Answer::kYes);
  EXPECT_EQ(AddSpouse(store(), 1, 1, 3), 1);
  EXPECT_EQ(Last().caption, "Make New Spouse Parent?");
  EXPECT_EQ(Last().text,
            "Is this new spouse the parent\nof the children shown here?\n\n"
            "[YES] Add spouse to this family\n[ NO] Start a new family");
  EXPECT_EQ(
      Fam(1),
      Restamped(Family(1, {"1 HUSB @I000003@", "1 WIFE @I000001@", "1 MARR", "1 CHIL @I000002@"})));
  EXPECT_EQ(Indi(3), Restamped(Person(3, "John /Smith/", 'M', {"1 FAMS @F000001@"})));
}

TEST_F(FamilySpouseUnknownTest, NoStartsANewFamily) {
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_EQ(AddSpouse(store(), 1, 1, 3), 2);
  EXPECT_EQ(Indi(1),
            Restamped(Person(1, "Mary /Jones/", 'F', {"1 FAMS @F000001@", "1 FAMS @F000002@"})));
  EXPECT_EQ(Fam(1), Family(1, {"1 WIFE @I000001@", "1 CHIL @I000002@"}));
}

TEST_F(FamilySpouseUnknownTest, CancelChangesNothingAndMakesNoNewPerson) {
  const auto before = Snapshot();
  tree_.ui.QueueAnswer(Answer::kCancel);
  EXPECT_EQ(AddSpouse(store(), 1, 1, 0), 0);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(store().highest_individual(), 3);
}

TEST_F(FamilySpouseUnknownTest, MarryingIntoTheFamilyAsksWithTheWholeStory) {
  tree_.ui.QueueAnswer(Answer::kYes);
  EXPECT_EQ(MarryIndividuals(store(), 3, 1, 1, 1), 1);
  EXPECT_EQ(Last().caption, "Marry Individuals");
  EXPECT_EQ(Last().icon, Icon::kQuestion);
  EXPECT_EQ(Last().text,
            "This will marry these two individuals.\n\r\n\rHusband: John Smith (3)"
            "\n\rWife:        Mary Jones (1)"
            "\n\r\n\rAlso, in the \"Spouse\" box change \"Spouse Unknown\" to\n\rMary Jones (1)"
            "\n\rand make this person parent of the children in the \"Children\" box.\n\r"
            "\n\r\n\rUse the Family page to add marriage details.");
  EXPECT_EQ(FamilyMember(store(), 1, "1 HUSB"), 3);
}

TEST_F(FamilyOpsTest, MarryingTwoPeopleNoLeavesTheTreeAlone) {
  Load(CoupleWithSon());
  const auto before = Snapshot();
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_EQ(MarryIndividuals(store(), 4, 2, 5, 0), 0);
  EXPECT_EQ(Last().text,
            "This will marry these two individuals.\n\r\n\rHusband: Paul Green (5)"
            "\n\rWife:        Ann Brown (4)\n\r\n\rUse the Family page to add marriage details.");
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(FamilyOpsTest, FamilyMembersCannotBeAddedAgain) {
  Load(CoupleWithSon());
  EXPECT_TRUE(IsAlreadyFamilyMember(store(), 3, 1, 0, 0));
  EXPECT_EQ(Last().caption, " *** Unable to Add Person ***");
  EXPECT_EQ(Last().text,
            "Cannot add:  Tom Smith (3)\nbecause this person is already a family "
            "member.");
  EXPECT_EQ(Last().icon, Icon::kExclamation);
  EXPECT_TRUE(IsAlreadyFamilyMember(store(), 2, 3, 1, 2));
  tree_.ui.ClearRecords();
  EXPECT_FALSE(IsAlreadyFamilyMember(store(), 4, 1, 0, 0));
  EXPECT_TRUE(tree_.ui.records().empty());
}

// ---- Children ----

class FamilySecondCoupleTest : public FamilyOpsTest {
 protected:
  // Paul and Ann married as family 2; `tom_links` replaces Tom's parent links.
  void LoadWith(const Lines& tom_links, const Lines& family1_children) {
    Lines tree = Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@"});
    tree = Join(tree, Person(2, "Mary /Jones/", 'F', {"1 FAMS @F000001@"}));
    tree = Join(tree, Person(3, "Tom /Smith/", 'M', Join(tom_links, {"1 OCCU Miller"})));
    tree = Join(tree, Person(4, "Ann /Brown/", 'F', {"1 FAMS @F000002@"}));
    tree = Join(tree, Person(5, "Paul /Green/", 'M', {"1 FAMS @F000002@"}));
    tree = Join(tree, Family(1, Join({"1 HUSB @I000001@", "1 WIFE @I000002@"}, family1_children)));
    Load(Join(tree, Family(2, {"1 HUSB @I000005@", "1 WIFE @I000004@"})));
  }
};

TEST_F(FamilySecondCoupleTest, BirthChildMovesToTheNewParents) {
  LoadWith({"1 FAMC @F000001@"}, {"1 CHIL @I000003@"});
  tree_.ui.QueueParentType(kBirth);
  EXPECT_EQ(AddChildToFamily(store(), 2, 3, 5, 4), 2);
  EXPECT_EQ(Last().caption, "Add Child To Family");
  EXPECT_EQ(Last().text,
            "Add the child to this family?\n\r\n\rFather:  Paul Green (5)\n\rMother:  Ann Brown "
            "(4)\n\r\n\rChild:   Tom Smith (3)\n\r\n\rAlso remove the child from this family."
            "\n\r\n\rFather:  John Smith (1)\n\rMother:  Mary Jones (2)");
  EXPECT_EQ(Indi(3),
            Restamped(Person(3, "Tom /Smith/", 'M', {"1 FAMC @F000002@", "1 OCCU Miller"})));
  EXPECT_EQ(Fam(1), Restamped(Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@"})));
  EXPECT_EQ(Fam(2),
            Restamped(Family(2, {"1 HUSB @I000005@", "1 WIFE @I000004@", "1 CHIL @I000003@"})));
  EXPECT_TRUE(store().tree_modified());
}

TEST_F(FamilySecondCoupleTest, AdoptByFatherFollowsTheExistingLinkAndItsPedi) {
  LoadWith({"1 FAMC @F000001@", "2 PEDI Foster"}, {"1 CHIL @I000003@"});
  tree_.ui.QueueParentType(kAdoptFather);
  EXPECT_EQ(AddChildToFamily(store(), 2, 3, 5, 4), 2);
  EXPECT_EQ(Last().text.find("Also remove"), std::string::npos);
  EXPECT_EQ(Indi(3), Restamped(Person(3, "Tom /Smith/", 'M',
                                      {"1 FAMC @F000001@", "2 PEDI Foster", "1 FAMC @F000002@",
                                       "2 PEDI Adopt Fth", "1 OCCU Miller"})));
  EXPECT_EQ(Fam(1), Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@"}));
}

TEST_F(FamilySecondCoupleTest, CancelOrNoLeavesTheTreeAlone) {
  LoadWith({}, {});
  const auto before = Snapshot();
  tree_.ui.QueueParentType(std::nullopt);
  EXPECT_EQ(AddChildToFamily(store(), 2, 3, 5, 4), 0);
  tree_.ui.QueueParentType(kAdopted);
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_EQ(AddChildToFamily(store(), 0, 3, 5, 4), 0);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_FALSE(store().tree_modified());
}

TEST_F(FamilySecondCoupleTest, ChildOfNoFamilyGetsANewOneOfBothParents) {
  LoadWith({}, {});
  tree_.ui.QueueParentType(kStepMother);
  EXPECT_EQ(AddChildToFamily(store(), 0, 3, 1, 4), 3);
  EXPECT_EQ(Fam(3), Join({"0 @F000003@ FAM", "1 HUSB @I000001@", "1 WIFE @I000004@", "1 MARR",
                          "1 CHIL @I000003@"},
                         kNewStamp));
  EXPECT_EQ(Indi(3), Restamped(Person(3, "Tom /Smith/", 'M',
                                      {"1 FAMC @F000003@", "2 PEDI Step Mth", "1 OCCU Miller"})));
}

TEST_F(FamilySecondCoupleTest, SecondBirthFamilyIsRefusedWithTheWarning) {
  LoadWith({"1 FAMC @F000001@", "1 FAMC @F000002@", "2 PEDI Adopted"}, {"1 CHIL @I000003@"});
  const auto before = Snapshot();
  EXPECT_EQ(ChangeParentType(store(), 3, 2, kBirth), kAdopted);
  EXPECT_EQ(Last().caption, " *** Birth Parents ***");
  EXPECT_EQ(Last().icon, Icon::kExclamation);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(FamilySecondCoupleTest, ParentTypeReplacesOrDropsThePedi) {
  LoadWith({"1 FAMC @F000002@", "2 PEDI Adopted"}, {});
  EXPECT_EQ(ChangeParentType(store(), 3, 2, kFoster), kFoster);
  EXPECT_EQ(Indi(3), Restamped(Person(3, "Tom /Smith/", 'M',
                                      {"1 FAMC @F000002@", "2 PEDI Foster", "1 OCCU Miller"})));
  EXPECT_EQ(ChangeParentType(store(), 3, 2, kBirth), kBirth);
  EXPECT_EQ(Indi(3),
            Restamped(Person(3, "Tom /Smith/", 'M', {"1 FAMC @F000002@", "1 OCCU Miller"})));
  EXPECT_TRUE(tree_.ui.records().empty());
}

TEST_F(FamilyOpsTest, RemovingAChildAsksAndTakesBothLinksWithThePedi) {
  Lines tree = Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@"});
  tree = Join(tree, Person(2, "Mary /Jones/", 'F', {"1 FAMS @F000001@"}));
  tree = Join(tree, Person(3, "Tom /Smith/", 'M', {"1 FAMC @F000001@"}));
  tree = Join(tree, Person(6, "Sue /Smith/", 'F', {"1 FAMC @F000001@", "2 PEDI Adopted"}));
  Load(Join(tree, Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@",
                             "1 CHIL @I000006@"})));
  tree_.ui.QueueAnswer(Answer::kYes);
  EXPECT_TRUE(RemoveChildFromFamily(store(), 1, 6));
  EXPECT_EQ(Last().caption, "Remove Child From Family");
  EXPECT_EQ(Last().text,
            "Remove the child from this family?\n\r\n\rFather:  John Smith (1)\n\rMother:  Mary "
            "Jones (2)\n\r\n\rRemove: Sue Smith (6)");
  EXPECT_EQ(Indi(6), Restamped(Person(6, "Sue /Smith/", 'F')));
  EXPECT_EQ(Fam(1),
            Restamped(Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@"})));
}

TEST_F(FamilyOpsTest, RemovingTheOnlyChildOfASingleParentDeletesTheFamily) {
  Lines tree = Person(1, "Mary /Jones/", 'F', {"1 FAMS @F000001@", "1 FAMS @F000002@"});
  tree = Join(tree, Person(2, "Tom /Jones/", 'M', {"1 FAMC @F000001@"}));
  tree = Join(tree, Person(3, "John /Smith/", 'M', {"1 FAMS @F000002@"}));
  tree = Join(tree, Family(1, {"1 WIFE @I000001@", "1 CHIL @I000002@"}));
  Load(Join(tree, Family(2, {"1 HUSB @I000003@", "1 WIFE @I000001@"})));
  EXPECT_TRUE(RemoveChildFromFamily(store(), 1, 2));
  EXPECT_EQ(store().family(1), nullptr);
  EXPECT_EQ(Indi(1), Restamped(Person(1, "Mary /Jones/", 'F', {"1 FAMS @F000002@"})));
  EXPECT_EQ(Indi(2), Restamped(Person(2, "Tom /Jones/", 'M')));
}

TEST_F(FamilyOpsTest, RemovingAChildAnsweredNoLeavesTheTreeAlone) {
  Load(CoupleWithSon());
  const auto before = Snapshot();
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_FALSE(RemoveChildFromFamily(store(), 1, 3));
  EXPECT_EQ(Snapshot(), before);
}

// ---- Separating and deleting ----

TEST_F(FamilyOpsTest, UnmarryingAChildlessCoupleDeletesTheFamilyAndBringsBackTheMarker) {
  Lines tree = Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@"});
  tree = Join(tree, Person(2, "Mary /Jones/", 'F', {"1 FAMS @F000001@"}));
  Load(Join(tree, Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 MARR"})));
  EXPECT_TRUE(Unmarry(store(), 1, 1, 2));
  EXPECT_EQ(Last().caption, "Remove Spouse From Family");
  EXPECT_EQ(Last().text,
            "Unmarry and separate these two individuals\n\r\n\rHusband: John Smith (1)"
            "\n\rWife:      Mary Jones (2)");
  EXPECT_EQ(Indi(1), Restamped(Person(1, "John /Smith/", 'M')));
  EXPECT_EQ(Indi(2), Restamped(Person(2, "Mary /Jones/", 'F')));
  EXPECT_TRUE(store().IsMarkerFamily(1));
  EXPECT_EQ(store().family_search_list().size(), 1);
}

TEST_F(FamilyOpsTest, UnmarryingWithChildrenKeepsThemWithTheChosenParent) {
  Load(CoupleWithSon());
  tree_.ui.QueueRemainingParent(1);
  EXPECT_TRUE(Unmarry(store(), 1, 1, 2));
  EXPECT_EQ(Fam(1), Restamped(Family(1, {"1 WIFE @I000002@", "1 CHIL @I000003@"})));
  EXPECT_EQ(Indi(1), Restamped(Person(1, "John /Smith/", 'M')));
  EXPECT_EQ(Indi(2), Person(2, "Mary /Jones/", 'F', {"1 FAMS @F000001@"}));
}

TEST_F(FamilyOpsTest, UnmarryCancelledOrAnsweredNoLeavesTheTreeAlone) {
  Load(CoupleWithSon());
  const auto before = Snapshot();
  tree_.ui.QueueRemainingParent(std::nullopt);
  EXPECT_FALSE(Unmarry(store(), 1, 1, 2));
  EXPECT_EQ(Snapshot(), before);
  EXPECT_FALSE(store().tree_modified());
}

TEST_F(FamilyOpsTest, DeletingTheOnlySpouseOfAFamilyWithChildrenUnlinksThem) {
  Lines tree = Person(1, "Mary /Jones/", 'F', {"1 FAMS @F000001@"});
  tree = Join(tree, Person(2, "Tom /Jones/", 'M', {"1 FAMC @F000001@", "2 PEDI Adopted"}));
  tree = Join(tree, Person(3, "Sue /Jones/", 'F', {"1 FAMC @F000001@"}));
  Load(Join(tree,
            Family(1, {"1 WIFE @I000001@", "1 MARR", "1 CHIL @I000002@", "1 CHIL @I000003@"})));
  store().set_current_individual(1);
  EXPECT_TRUE(DeleteIndividual(store(), 1));
  EXPECT_EQ(Last().caption, "Delete Individual");
  EXPECT_EQ(Last().text,
            "This will delete the record for this individual\n\rand all notes and references to "
            "this individual.\n\r\n\rDelete: Mary Jones (1)");
  EXPECT_EQ(store().individual(1), nullptr);
  EXPECT_TRUE(store().IsMarkerFamily(1));
  EXPECT_EQ(Indi(2), Restamped(Person(2, "Tom /Jones/", 'M')));
  EXPECT_EQ(Indi(3), Restamped(Person(3, "Sue /Jones/", 'F')));
  EXPECT_EQ(store().current_individual(), 2);
}

TEST_F(FamilyOpsTest, DeletingOneOfACoupleKeepsTheFamilyWithoutTheMarriage) {
  Load(Join(CoupleWithSon(), Family(2, {"1 HUSB @I000005@", "1 WIFE @I000002@"})));
  EXPECT_TRUE(DeleteIndividual(store(), 1));
  EXPECT_EQ(Fam(1), Restamped(Family(1, {"1 WIFE @I000002@", "1 CHIL @I000003@"})));
  EXPECT_EQ(Indi(2), Person(2, "Mary /Jones/", 'F', {"1 FAMS @F000001@"}));
  EXPECT_EQ(Indi(3), Person(3, "Tom /Smith/", 'M', {"1 FAMC @F000001@"}));
}

TEST_F(FamilyOpsTest, DeletingTheHighestPersonLowersTheHighestNumber) {
  Load(CoupleWithSon());
  EXPECT_TRUE(DeleteIndividual(store(), 5));
  EXPECT_EQ(store().highest_individual(), 4);
}

TEST_F(FamilyOpsTest, DeletingIsAskedAndRefusedForTheLastPerson) {
  Load(CoupleWithSon());
  const auto before = Snapshot();
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_FALSE(DeleteIndividual(store(), 3));
  EXPECT_EQ(Snapshot(), before);

  testing::TestTree lone;
  testing::LoadOwnTree(lone, Person(1, "John /Smith/", 'M'));
  EXPECT_FALSE(DeleteIndividual(lone.store, 1));
  EXPECT_TRUE(lone.ui.records().empty());
  EXPECT_NE(lone.store.individual(1), nullptr);
  EXPECT_EQ(lone.store.busy_depth(), 0);
}

TEST_F(FamilyOpsTest, QuietDeletionAsksNothingAndUnlinksAsTheAskedOne) {
  Load(CoupleWithSon());
  DeleteIndividualQuietly(store(), 3);
  EXPECT_TRUE(tree_.ui.records().empty());
  EXPECT_EQ(store().individual(3), nullptr);
  EXPECT_EQ(Fam(1), Restamped(Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 MARR",
                                         "2 DATE 1 May 1950"})));
}

TEST_F(FamilyOpsTest, FamiliesWithTooFewMembersAreDroppedWithTheirLinks) {
  Lines tree = Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@", "1 FAMS @F000002@"});
  tree = Join(tree, Person(2, "Mary /Jones/", 'F', {"1 FAMS @F000001@"}));
  tree = Join(tree, Person(3, "Tom /Smith/", 'M', {"1 FAMC @F000003@"}));
  tree = Join(tree, Person(4, "Sue /Smith/", 'F', {"1 FAMC @F000004@"}));
  tree = Join(tree, Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@"}));
  tree = Join(tree, Family(2, {"1 HUSB @I000001@"}));
  tree = Join(tree, Family(3, {"1 CHIL @I000003@"}));
  LoadWithoutFinishing(Join(tree, Family(4, {"1 WIFE @I000002@", "1 CHIL @I000004@"})));
  Lines mary = Indi(2);
  DropFamiliesWithTooFewMembers(store());
  EXPECT_NE(store().family(1), nullptr);
  EXPECT_EQ(store().family(2), nullptr);
  EXPECT_EQ(store().family(3), nullptr);
  EXPECT_NE(store().family(4), nullptr);
  EXPECT_EQ(Indi(1), Restamped(Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@"})));
  EXPECT_EQ(Indi(3), Restamped(Person(3, "Tom /Smith/", 'M')));
  EXPECT_EQ(Indi(2), mary);
}

TEST_F(FamilyOpsTest, DroppingKeepsAFamilyThatRecordsAMarriageWithOnePartnerUnknown) {
  Lines tree = Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@", "1 FAMS @F000002@"});
  tree = Join(tree, Family(1, {"1 HUSB @I000001@", "1 MARR", "2 DATE 1767", "2 PLAC Lunenburg"}));
  LoadWithoutFinishing(Join(tree, Family(2, {"1 HUSB @I000001@", "1 NOTE met at the fair"})));
  DropFamiliesWithTooFewMembers(store());
  EXPECT_NE(store().family(1), nullptr);
  EXPECT_NE(store().family(2), nullptr);
  EXPECT_EQ(Indi(1).size(),
            Person(1, "John /Smith/", 'M', {"1 FAMS @F000001@", "1 FAMS @F000002@"}).size());
}

// ---- Sex and events ----

TEST_F(FamilyOpsTest, HusbandBecomingFemaleMakesTheWifeTheHusband) {
  Load(CoupleWithSon());
  SetSex(store(), 1, 2);
  EXPECT_EQ(Indi(1), Restamped(Person(1, "John /Smith/", 'F', {"1 FAMS @F000001@"})));
  EXPECT_EQ(Fam(1), Restamped(Family(1, {"1 HUSB @I000002@", "1 WIFE @I000001@", "1 MARR",
                                         "2 DATE 1 May 1950", "1 CHIL @I000003@"})));
  EXPECT_EQ(store().family_search_list().at(0).view(),
            "Jones, Mary (2)  and  Smith, John (1)  (1)");
}

TEST_F(FamilyOpsTest, SexThatKeepsTheRoleLeavesTheFamilyAlone) {
  Load(CoupleWithSon());
  const Lines family = Fam(1);
  SetSex(store(), 2, 0);
  EXPECT_EQ(Indi(2), Restamped(Person(2, "Mary /Jones/", 'U', {"1 FAMS @F000001@"})));
  EXPECT_EQ(Fam(1), family);
}

class FamilyEventSwitchTest : public FamilyOpsTest {
 protected:
  LineNode* First(int n) { return store().individual(n)->lines; }
  EventSwitch switch_;
};

TEST_F(FamilyEventSwitchTest, UncheckingABareDeathRemovesIt) {
  Load(Person(1, "John /Smith/", 'M', {"1 BIRT", "1 DEAT", "1 OCCU Miller"}));
  EventSwitch::State state =
      switch_.SetEventIncluded(store(), First(1), false, "1 DEAT", "Death Included");
  EXPECT_FALSE(state.checked);
  EXPECT_EQ(state.caption, "Include Without Details");
  EXPECT_EQ(Indi(1), Restamped(Person(1, "John /Smith/", 'M', {"1 BIRT", "1 OCCU Miller"})));
}

TEST_F(FamilyEventSwitchTest, UncheckingADeathWithADateIsRefused) {
  Load(Person(1, "John /Smith/", 'M', {"1 DEAT", "2 DATE 1900"}));
  const auto before = Snapshot();
  EventSwitch::State state =
      switch_.SetEventIncluded(store(), First(1), false, "1 DEAT", "Death Included");
  EXPECT_TRUE(state.checked);
  EXPECT_EQ(state.caption, "Death Included");
  EXPECT_EQ(Last().caption, "Error: Un-Checking Box");
  EXPECT_EQ(Last().text,
            "Remove Date, Place, Note and Source\ndetails before box can be "
            "unchecked.");
  EXPECT_EQ(Last().icon, Icon::kExclamation);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(FamilyEventSwitchTest, CheckingAddsABareLineInItsPlace) {
  Load(Person(1, "John /Smith/", 'M', {"1 BIRT", "2 DATE 1850", "1 OCCU Miller"}));
  EventSwitch::State state =
      switch_.SetEventIncluded(store(), First(1), true, "1 DEAT", "Death Included");
  EXPECT_TRUE(state.checked);
  EXPECT_EQ(state.caption, "Death Included");
  EXPECT_EQ(Indi(1), Restamped(Person(1, "John /Smith/", 'M',
                                      {"1 BIRT", "2 DATE 1850", "1 DEAT", "1 OCCU Miller"})));
  // Checking again finds the line and adds no second one.
  const Lines once = Indi(1);
  switch_.SetEventIncluded(store(), First(1), true, "1 DEAT", "Death Included");
  EXPECT_EQ(Indi(1), once);
}

// An interaction layer whose message box, like a real check box, notifies its handler again.
class ReenteringInteraction final : public platform::Interaction {
 public:
  explicit ReenteringInteraction(platform::HeadlessInteraction& inner) : inner_(inner) {}
  void Message(std::string_view caption, std::string_view text, Icon icon) override {
    inner_.Message(caption, text, icon);
    if (reenter) reenter();
  }
  Answer Ask(std::string_view c, std::string_view t, Icon i, platform::Buttons b) override {
    return inner_.Ask(c, t, i, b);
  }
  std::optional<int> ChooseParentType(std::string_view f, std::string_view m, std::string_view c,
                                      int offered) override {
    return inner_.ChooseParentType(f, m, c, offered);
  }
  std::optional<int> ChooseRemainingParent(std::string_view p, std::string_view s) override {
    return inner_.ChooseRemainingParent(p, s);
  }
  platform::LinkFixAnswer FixLink(const platform::LinkProblem& problem) override {
    return inner_.FixLink(problem);
  }
  void ProgressShow(std::string_view c, std::string_view l) override { inner_.ProgressShow(c, l); }
  void ProgressRange(int maximum) override { inner_.ProgressRange(maximum); }
  void ProgressPosition(int position) override { inner_.ProgressPosition(position); }
  void ProgressText(std::string_view text) override { inner_.ProgressText(text); }
  void ProgressHide() override { inner_.ProgressHide(); }
  int TextWidth(std::string_view text) override { return inner_.TextWidth(text); }
  const platform::Clock& clock() const override { return inner_.clock(); }

  std::function<void()> reenter;

 private:
  platform::HeadlessInteraction& inner_;
};

TEST_F(FamilyEventSwitchTest, ACallArrivingWhileOneRunsDoesNothing) {
  testing::TestTree base;
  ReenteringInteraction ui(base.ui);
  store::RecordStore other(ui);
  other.NewEmptyTree(true);
  LineNode* first = other.individual(1)->lines;
  switch_.SetEventIncluded(other, first, true, "1 DEAT", "Death Included");
  store::InsertLineAfter(other, store::FindTagLine(first, "1 DEAT"), "2 DATE 1900");
  ui.reenter = [&] {
    EventSwitch::State nested =
        switch_.SetEventIncluded(other, first, true, "1 BURI", "Burial Included");
    EXPECT_TRUE(nested.checked);
  };
  // The date keeps the death; the box's message runs the switch a second time.
  switch_.SetEventIncluded(other, first, false, "1 DEAT", "Death Included");
  EXPECT_EQ(store::FindTagLine(first, "1 BURI"), nullptr);
  EXPECT_EQ(base.ui.Captions(), std::vector<std::string>{"Error: Un-Checking Box"});
  EXPECT_EQ(other.busy_depth(), 0);
}

}  // namespace
}  // namespace kinloom::core
