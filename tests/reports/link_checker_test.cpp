// The link check after reading: what it finds, how each answer changes the tree, and how the
// warnings and the stop behave.
#include "reports/link_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/tree_opening.h"
#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::reports {
namespace {

using platform::Answer;
using platform::LinkFixAnswer;
using platform::LinkProblem;
using store::LineNode;
using testing::RecordLines;
using testing::TestTree;
using Lines = std::vector<std::string>;

const Lines kStamp = {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"};
const Lines kAddedMarriage = {"1 MARR", "2 DATE    Family Added by", "2 PLAC  Fix Links Procedure"};
constexpr std::string_view kWarning =
    "Not repairing all errors could create\nunexpected errors or cause the program\n"
    "to become non-responsive.\n\nDo you want to continue?";

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A record's lines after the check changed it: its change stamp comes last.
Lines Stamped(const Lines& lines) {
  return lines + kStamp;
}

class LinkCheckerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.store.NewEmptyTree(false);
    tree_.ui.ClearRecords();
  }

  LineNode* Chain(const Lines& lines) {
    LineNode* first = nullptr;
    LineNode* last = nullptr;
    for (const std::string& text : lines) {
      LineNode* line = tree_.store.AppendLine(&last, text);
      if (first == nullptr) first = line;
    }
    return first;
  }
  // Records as the reader stores them; the Raw forms take the first line too.
  void RawPerson(int n, const Lines& lines) {
    tree_.store.CreateIndividual(n)->lines = Chain(lines);
    tree_.store.set_highest_individual(std::max(n, tree_.store.highest_individual()));
  }
  void RawFamily(int n, const Lines& lines) {
    tree_.store.CreateFamily(n)->lines = Chain(lines);
    tree_.store.set_highest_family(std::max(n, tree_.store.highest_family()));
  }
  void Person(int n, const Lines& body) { RawPerson(n, Lines{Head('I', n, "INDI")} + body); }
  void Family(int n, const Lines& body) { RawFamily(n, Lines{Head('F', n, "FAM")} + body); }
  void Source(int n, const Lines& body) {
    tree_.store.SetSource(n, Chain(Lines{Head('S', n, "SOUR")} + body));
    tree_.store.set_highest_source(std::max(n, tree_.store.highest_source()));
  }
  static std::string Head(char letter, int n, const char* tag) {
    return "0 " + store::MakeXref(letter, n) + " " + tag;
  }

  Lines PersonLines(int n) {
    store::IndividualRecord* record = tree_.store.individual(n);
    return record == nullptr ? Lines{} : RecordLines(record->lines);
  }
  Lines FamilyLines(int n) {
    store::FamilyRecord* record = tree_.store.family(n);
    return record == nullptr ? Lines{} : RecordLines(record->lines);
  }
  Lines SourceLines(int n) { return RecordLines(tree_.store.source(n)); }

  LinkCheckResult Check() { return CheckLinks(tree_.store, session_); }
  const std::vector<LinkProblem>& Problems() const { return tree_.ui.link_problems(); }
  int Warnings() const {
    return static_cast<int>(
        std::count_if(tree_.ui.records().begin(), tree_.ui.records().end(),
                      [](const auto& record) { return record.caption == "*** Warning ***"; }));
  }

  TestTree tree_;
  LinkCheckSession session_;
};

// ---- What is found, and how the fixer is told about it ----

using LinkProblemTexts = LinkCheckerTest;

TEST_F(LinkProblemTexts, FamilyLinkToMissingFamilyIsKindAOfferingCreation) {
  Person(1, {"1 SEX M", "1 FAMC @F000007@"});
  Check();
  ASSERT_EQ(Problems().size(), 1u);
  const LinkProblem& problem = Problems()[0];
  EXPECT_EQ(problem.kind, 'A');
  EXPECT_EQ(problem.title, "Missing Family Record - Number: 7");
  EXPECT_EQ(problem.texts, (Lines{"The person above includes a reference to a family.",
                                  "But the record for that family does not yet exist.",
                                  "You can remove the reference to that family.",
                                  "Create a new family and add this person to it."}));
  EXPECT_EQ(problem.fix_a_label, "Create Family and Add Person to it");
  EXPECT_EQ(problem.fix_b_label, "Remove Reference to that Family");
  EXPECT_TRUE(problem.fix_a_possible);
  EXPECT_EQ(problem.individual, 1);
  EXPECT_EQ(problem.family, 0);
}

TEST_F(LinkProblemTexts, MissingFamilyMemberNamesTheRoleTheRepairWouldGive) {
  Family(1, {"1 MARR"});
  Person(1, {"1 SEX M", "1 FAMS @F000001@"});
  Person(2, {"1 SEX F", "1 FAMS @F000001@"});
  Person(3, {"1 SEX F", "1 FAMC @F000001@"});
  for (int i = 0; i < 3; ++i) tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  Check();
  ASSERT_EQ(Problems().size(), 3u);
  const Lines common = {"The person above is missing in the family below.",
                        "But this person above has a reference to the family.",
                        "You can remove the reference to this family, or"};
  EXPECT_EQ(Problems()[0].texts, common + Lines{"add this person to the family as a Husband."});
  EXPECT_EQ(Problems()[1].texts, common + Lines{"add this person to the family as a Wife."});
  EXPECT_EQ(Problems()[2].texts, common + Lines{"add this person to the family as a Child."});
  const LinkProblem& problem = Problems()[2];
  EXPECT_EQ(problem.kind, 'B');
  EXPECT_EQ(problem.title, "Missing Family Member");
  EXPECT_EQ(problem.fix_a_label, "Add Person to Family");
  EXPECT_EQ(problem.fix_b_label, "Remove Reference to Family");
  EXPECT_TRUE(problem.fix_a_possible);
  EXPECT_EQ(problem.individual, 3);
  EXPECT_EQ(problem.family, 1);
}

TEST_F(LinkProblemTexts, CitationOfMissingSourceIsKindCForPersonAndKindFForFamily) {
  Person(1, {"1 BIRT", "2 SOUR @S000009@", "3 PAGE 4"});
  Family(2, {"1 SOUR @S000004@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  Check();
  ASSERT_EQ(Problems().size(), 2u);
  EXPECT_EQ(Problems()[0].kind, 'C');
  EXPECT_EQ(Problems()[0].title, "Missing Source Record - Number: 9");
  EXPECT_EQ(Problems()[0].texts, (Lines{"The person above includes a reference to a source",
                                        "record. But that source record does not yet exist.",
                                        "You can remove the reference to that source.",
                                        "Create a new source record for this person to use."}));
  EXPECT_EQ(Problems()[1].kind, 'F');
  EXPECT_EQ(Problems()[1].title, "Missing Source Record - Number: 4");
  EXPECT_EQ(Problems()[1].texts, (Lines{"The family above includes a reference to a source",
                                        "record. But that source record does not yet exist.",
                                        "You can remove the reference to that source.",
                                        "Create a new source record for this family to use."}));
  EXPECT_EQ(Problems()[1].fix_a_label, "Create New Empty Source Record");
  EXPECT_EQ(Problems()[1].fix_b_label, "Remove Reference to that Source");
  EXPECT_EQ(Problems()[1].family, 2);
}

TEST_F(LinkProblemTexts, SourceOfOneLineCountsAsMissing) {
  Source(3, {});
  Person(1, {"1 SOUR @S000003@"});
  Check();
  ASSERT_EQ(Problems().size(), 1u);
  EXPECT_EQ(Problems()[0].title, "Missing Source Record - Number: 3");
}

TEST_F(LinkProblemTexts, MemberLineNamingMissingPersonIsKindD) {
  Family(1, {"1 CHIL @I000044@"});
  Check();
  ASSERT_EQ(Problems().size(), 1u);
  const LinkProblem& problem = Problems()[0];
  EXPECT_EQ(problem.kind, 'D');
  EXPECT_EQ(problem.title, "Missing Person Record - Number: 44");
  EXPECT_EQ(problem.texts, (Lines{"The family above includes a reference to a person.",
                                  "But the record for that person does not yet exist.",
                                  "You can remove the reference to that person.",
                                  "Create a new person and for this family to use."}));
  EXPECT_EQ(problem.fix_a_label, "Create Person for Family to use");
  EXPECT_EQ(problem.fix_b_label, "Remove Reference to that Person");
  EXPECT_EQ(problem.individual, 0);
  EXPECT_EQ(problem.family, 1);
}

TEST_F(LinkProblemTexts, PersonNotPointingBackAtListingFamilyIsKindE) {
  Person(2, {"1 SEX F"});
  Family(1, {"1 WIFE @I000002@"});
  Check();
  ASSERT_EQ(Problems().size(), 1u);
  const LinkProblem& problem = Problems()[0];
  EXPECT_EQ(problem.kind, 'E');
  EXPECT_EQ(problem.title, "Missing Family Reference");
  EXPECT_EQ(problem.texts, (Lines{"The family above includes the person below. But",
                                  "this person does not have a reference to the family.",
                                  "You can add the reference to this family.",
                                  "or, remove this person from the family."}));
  EXPECT_EQ(problem.fix_a_label, "Add Reference to Family");
  EXPECT_EQ(problem.fix_b_label, "Remove Person from Family");
  EXPECT_TRUE(problem.fix_a_possible);
  EXPECT_EQ(problem.individual, 2);
  EXPECT_EQ(problem.family, 1);
}

TEST_F(LinkProblemTexts, LinksInStepInBothDirectionsAreNoProblem) {
  Person(1, {"1 SEX M", "1 FAMS @F000001@"});
  Person(2, {"1 SEX F", "1 FAMS @F000001@", "1 SOUR @S000001@"});
  Person(3, {"1 FAMC @F000001@", "2 PEDI Adopted"});
  Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@"});
  Source(1, {"1 TITL Book"});
  const LinkCheckResult result = Check();
  EXPECT_EQ(result.problems, 0);
  EXPECT_TRUE(Problems().empty());
  EXPECT_FALSE(tree_.store.tree_modified());
}

TEST_F(LinkProblemTexts, ManWhoseFamilyListsHimAsWifeIsAccepted) {
  Person(1, {"1 SEX M", "1 FAMS @F000001@"});
  Person(2, {"1 SEX F", "1 FAMS @F000001@"});
  Family(1, {"1 HUSB @I000002@", "1 WIFE @I000001@"});
  EXPECT_EQ(Check().problems, 0);
  EXPECT_EQ(FamilyLines(1), (Lines{"0 @F000001@ FAM", "1 HUSB @I000002@", "1 WIFE @I000001@"}));
}

// ---- Fix A and Fix B, line by line ----

using LinkRepairs = LinkCheckerTest;

TEST_F(LinkRepairs, MissingFamilyIsCreatedWithThePersonAndAMarriageEvent) {
  Person(2, {"1 SEX F", "1 FAMS @F000005@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  const LinkCheckResult result = Check();
  EXPECT_EQ(FamilyLines(5), Stamped(Lines{"0 @F000005@ FAM", "1 WIFE @I000002@"} + kAddedMarriage));
  EXPECT_EQ(tree_.store.highest_family(), 5);
  EXPECT_EQ(PersonLines(2), (Lines{"0 @I000002@ INDI", "1 SEX F", "1 FAMS @F000005@"}));
  EXPECT_TRUE(tree_.store.tree_modified());
  EXPECT_EQ(result.problems, 1);
  EXPECT_EQ(result.repaired, 1);
}

TEST_F(LinkRepairs, MissingFamilyReferenceIsRemovedWithItsSubLines) {
  Person(3, {"1 NAME C /D/", "1 FAMC @F000008@", "2 PEDI Adopted", "1 NOTE n"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  const LinkCheckResult result = Check();
  EXPECT_EQ(PersonLines(3), Stamped({"0 @I000003@ INDI", "1 NAME C /D/", "1 NOTE n"}));
  EXPECT_EQ(tree_.store.family(8), nullptr);
  EXPECT_EQ(result.removed, 1);
}

TEST_F(LinkRepairs, MissingChildIsAddedAfterTheSpousesOfTheFamily) {
  Person(1, {"1 SEX M", "1 FAMS @F000001@"});
  Person(2, {"1 SEX F", "1 FAMS @F000001@"});
  Person(3, {"1 FAMC @F000001@"});
  Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@", "1 MARR", "2 DATE 1900"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  Check();
  EXPECT_EQ(FamilyLines(1), Stamped({"0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@",
                                     "1 CHIL @I000003@", "1 MARR", "2 DATE 1900"}));
  EXPECT_EQ(Problems().size(), 1u);
}

TEST_F(LinkRepairs, MissingSourceIsCreatedAsAnEmptySourceRecord) {
  Person(1, {"1 BIRT", "2 SOUR @S000009@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  Check();
  EXPECT_EQ(SourceLines(9),
            Stamped({"0 @S000009@ SOUR", "1 TITL  Source Added by Fix Links Procedure"}));
  EXPECT_EQ(tree_.store.highest_source(), 9);
  EXPECT_EQ(PersonLines(1), (Lines{"0 @I000001@ INDI", "1 BIRT", "2 SOUR @S000009@"}));
}

TEST_F(LinkRepairs, SourcesZeroAnd30000AreNotOfferedAndAutoFixRemovesTheirCitations) {
  Person(1, {"1 BIRT", "2 SOUR @S000000@", "1 DEAT", "2 SOUR @S030000@", "3 PAGE 1"});
  const LinkCheckResult result = Check();
  ASSERT_EQ(Problems().size(), 1u);  // the first answer, auto-fix, settles the second
  EXPECT_FALSE(Problems()[0].fix_a_possible);
  EXPECT_EQ(Problems()[0].texts.size(), 3u);
  EXPECT_EQ(PersonLines(1), Stamped({"0 @I000001@ INDI", "1 BIRT", "1 DEAT"}));
  EXPECT_EQ(tree_.store.highest_source(), 0);
  EXPECT_EQ(tree_.store.source(0), nullptr);
  EXPECT_EQ(result.removed, 2);
}

TEST_F(LinkRepairs, FamilyNumber600000IsNotOfferedAndAutoFixRemovesTheReference) {
  Person(1, {"1 NAME A /B/", "1 FAMS @F600000@", "2 NOTE x"});
  Check();
  ASSERT_EQ(Problems().size(), 1u);
  EXPECT_FALSE(Problems()[0].fix_a_possible);
  EXPECT_EQ(Problems()[0].texts.size(), 3u);
  EXPECT_EQ(PersonLines(1), Stamped({"0 @I000001@ INDI", "1 NAME A /B/"}));
  EXPECT_EQ(tree_.store.highest_family(), 0);
}

TEST_F(LinkRepairs, MissingPeopleAreCreatedWithTheirLinkBack) {
  Family(1, {"1 HUSB @I000007@", "1 CHIL @I000008@"});
  Check();
  const Lines made = {"1 SEX U", "1 NAME  Person Added by /Fix Links Procedure/"};
  EXPECT_EQ(PersonLines(7), Stamped(Lines{"0 @I000007@ INDI", "1 FAMS @F000001@"} + made));
  EXPECT_EQ(PersonLines(8), Stamped(Lines{"0 @I000008@ INDI", "1 FAMC @F000001@"} + made));
  EXPECT_EQ(tree_.store.highest_individual(), 8);
}

TEST_F(LinkRepairs, MemberLineOfMissingPersonIsRemovedWithItsSubLines) {
  Person(1, {"1 SEX M", "1 FAMS @F000001@"});
  Family(1, {"1 HUSB @I000001@", "1 CHIL @I000900@", "2 _FREL Adopted"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  Check();
  EXPECT_EQ(FamilyLines(1), Stamped({"0 @F000001@ FAM", "1 HUSB @I000001@"}));
  EXPECT_EQ(tree_.store.highest_individual(), 1);
}

TEST_F(LinkRepairs, PersonNumberOfSevenDigitsIsNotOffered) {
  Family(1, {"1 CHIL @I1000000@"});
  Check();
  ASSERT_EQ(Problems().size(), 1u);
  EXPECT_EQ(Problems()[0].title, "Missing Person Record - Number: 1000000");
  EXPECT_FALSE(Problems()[0].fix_a_possible);
  EXPECT_EQ(FamilyLines(1), Stamped({"0 @F000001@ FAM"}));
}

TEST_F(LinkRepairs, MissingLinkBackIsAddedAtTheInsertPointOfThePerson) {
  Person(3, {"1 NAME C /D/", "1 BIRT", "2 DATE 1900", "1 NOTE n"});
  Family(1, {"1 CHIL @I000003@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  Check();
  EXPECT_EQ(PersonLines(3), Stamped({"0 @I000003@ INDI", "1 NAME C /D/", "1 BIRT", "2 DATE 1900",
                                     "1 FAMC @F000001@", "1 NOTE n"}));
  EXPECT_EQ(FamilyLines(1), (Lines{"0 @F000001@ FAM", "1 CHIL @I000003@"}));
}

TEST_F(LinkRepairs, PersonWithoutLinkBackIsRemovedFromTheFamily) {
  Person(1, {"1 SEX M", "1 FAMS @F000001@"});
  Person(2, {"1 SEX F"});
  Family(1, {"1 HUSB @I000001@", "1 WIFE @I000002@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  Check();
  EXPECT_EQ(FamilyLines(1), Stamped({"0 @F000001@ FAM", "1 HUSB @I000001@"}));
  EXPECT_EQ(PersonLines(2), (Lines{"0 @I000002@ INDI", "1 SEX F"}));
}

TEST_F(LinkRepairs, FamilyCitationsAreRepairedOrRemoved) {
  Family(1, {"1 SOUR @S000002@", "2 PAGE 5", "1 NOTE x"});
  Family(2, {"1 MARR", "2 SOUR @S000006@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  Check();
  EXPECT_EQ(FamilyLines(1), Stamped({"0 @F000001@ FAM", "1 NOTE x"}));
  EXPECT_EQ(SourceLines(6),
            Stamped({"0 @S000006@ SOUR", "1 TITL  Source Added by Fix Links Procedure"}));
}

TEST_F(LinkRepairs, AutoFixAddsTheChildsMissingLinkInsteadOfRemovingTheChild) {
  Person(1, {"1 SEX M", "1 FAMS @F000001@"});
  Person(3, {"1 SEX F"});
  Family(1, {"1 HUSB @I000001@", "1 CHIL @I000003@"});
  Check();
  EXPECT_EQ(PersonLines(3), Stamped({"0 @I000003@ INDI", "1 SEX F", "1 FAMC @F000001@"}));
  EXPECT_EQ(FamilyLines(1), (Lines{"0 @F000001@ FAM", "1 HUSB @I000001@", "1 CHIL @I000003@"}));
}

TEST_F(LinkRepairs, PlaceholderFamilyGivenAMemberBecomesARealFamily) {
  tree_.store.AddPlaceholderFamily();
  Person(1, {"1 SEX F", "1 FAMS @F000001@"});
  Check();
  EXPECT_EQ(FamilyLines(1), Stamped(Lines{"0 @F000001@ FAM", "1 WIFE @I000001@"} + kAddedMarriage));
  EXPECT_FALSE(tree_.store.IsMarkerFamily(1));
}

TEST_F(LinkRepairs, CreatingAnotherFamilyRetiresThePlaceholder) {
  tree_.store.AddPlaceholderFamily();
  Person(1, {"1 FAMC @F000003@"});
  Check();
  EXPECT_EQ(tree_.store.family(1), nullptr);
  EXPECT_EQ(FamilyLines(3), Stamped(Lines{"0 @F000003@ FAM", "1 CHIL @I000001@"} + kAddedMarriage));
}

// ---- Empty lines ----

using EmptyLines = LinkCheckerTest;

TEST_F(EmptyLines, EmptyLineInsideARecordIsDropped) {
  Person(1, {"1 NAME A /B/", "", "1 SEX M"});
  Family(1, {"", "1 MARR"});
  EXPECT_EQ(Check().problems, 0);
  EXPECT_EQ(PersonLines(1), Stamped({"0 @I000001@ INDI", "1 NAME A /B/", "1 SEX M"}));
  EXPECT_EQ(FamilyLines(1), Stamped({"0 @F000001@ FAM", "1 MARR"}));
}

TEST_F(EmptyLines, PersonWhoseFirstLineIsEmptyIsDeletedWhole) {
  Person(1, {"1 NAME A /B/"});
  RawPerson(2, {"", "1 NAME X /Y/"});
  EXPECT_EQ(Check().problems, 0);
  EXPECT_TRUE(PersonLines(2).empty());
  EXPECT_EQ(PersonLines(1), (Lines{"0 @I000001@ INDI", "1 NAME A /B/"}));
}

TEST_F(EmptyLines, FamilyWhoseFirstLineIsEmptyIsDeletedWithTheLinksToIt) {
  Person(1, {"1 SEX M", "1 FAMS @F000001@", "1 FAMS @F000002@"});
  Family(1, {"1 HUSB @I000001@"});
  RawFamily(2, {"", "1 HUSB @I000001@"});
  EXPECT_EQ(Check().problems, 0);
  EXPECT_TRUE(FamilyLines(2).empty());
  EXPECT_EQ(PersonLines(1), Stamped({"0 @I000001@ INDI", "1 SEX M", "1 FAMS @F000001@"}));
}

// ---- The answers: auto-fix, ignore and stop ----

using LinkAnswers = LinkCheckerTest;

TEST_F(LinkAnswers, AutoFixSettlesEveryLaterProblemOfTheCheckWithoutAsking) {
  Person(1, {"1 FAMC @F000003@", "1 FAMS @F600001@"});
  Person(2, {"1 BIRT", "2 SOUR @S000004@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  tree_.ui.QueueLinkFix(LinkFixAnswer::kAutoFix);
  const LinkCheckResult result = Check();
  EXPECT_EQ(Problems().size(), 2u);
  EXPECT_EQ(result.problems, 3);
  EXPECT_EQ(result.removed, 2);
  EXPECT_EQ(result.repaired, 1);
  EXPECT_EQ(SourceLines(4).size(), 5u);

  // The next check starts without auto-fix.
  Person(3, {"1 FAMC @F000009@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  EXPECT_EQ(Check().removed, 1);
  EXPECT_EQ(Problems().size(), 3u);
}

TEST_F(LinkAnswers, IgnoreIsQuestionedUntilTwoConfirmationsInTheSession) {
  Person(1, {"1 FAMC @F000003@"});
  for (int check = 1; check <= 3; ++check) {
    tree_.ui.ClearRecords();
    tree_.ui.QueueLinkFix(LinkFixAnswer::kIgnore);
    if (check < 3) tree_.ui.QueueAnswer(Answer::kYes);
    const LinkCheckResult result = Check();
    EXPECT_EQ(result.ignored, 1);
    EXPECT_EQ(Warnings(), check < 3 ? 1 : 0) << "check " << check;
    EXPECT_EQ(session_.ignores_confirmed, std::min(check, 2));
  }
  EXPECT_EQ(PersonLines(1), (Lines{"0 @I000001@ INDI", "1 FAMC @F000003@"}));
  EXPECT_FALSE(tree_.store.tree_modified());
}

TEST_F(LinkAnswers, IgnoreWarningIsAQuestionWithYesAndNo) {
  Person(1, {"1 FAMC @F000003@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kIgnore);
  Check();
  ASSERT_EQ(tree_.ui.records().size(), 1u);
  const auto& record = tree_.ui.records()[0];
  EXPECT_EQ(record.kind, platform::HeadlessInteraction::Record::Kind::kQuestion);
  EXPECT_EQ(record.caption, "*** Warning ***");
  EXPECT_EQ(record.text, kWarning);
  EXPECT_EQ(record.icon, platform::Icon::kQuestion);
}

TEST_F(LinkAnswers, NoToTheIgnoreWarningPutsTheSameProblemAgain) {
  Person(1, {"1 FAMC @F000003@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kIgnore);
  tree_.ui.QueueAnswer(Answer::kNo);
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  const LinkCheckResult result = Check();
  ASSERT_EQ(Problems().size(), 2u);
  EXPECT_EQ(Problems()[1].title, Problems()[0].title);
  EXPECT_EQ(session_.ignores_confirmed, 0);
  EXPECT_EQ(result.problems, 1);
  EXPECT_EQ(result.removed, 1);
}

TEST_F(LinkAnswers, ConfirmedStopEndsBothPasses) {
  Person(1, {"1 FAMC @F000003@"});
  Person(2, {"1 FAMC @F000004@"});
  Family(1, {"1 CHIL @I000009@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kStop);
  tree_.ui.QueueAnswer(Answer::kYes);
  const LinkCheckResult result = Check();
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(Problems().size(), 1u);
  ASSERT_EQ(Warnings(), 1);
  EXPECT_EQ(tree_.ui.records()[0].text, kWarning);
  EXPECT_EQ(result.problems, 1);
  EXPECT_EQ(result.ignored, 0);
  EXPECT_EQ(tree_.ui.progress_texts(), Lines{"Checking Links for Individuals"});
  EXPECT_EQ(FamilyLines(1), (Lines{"0 @F000001@ FAM", "1 CHIL @I000009@"}));
  EXPECT_FALSE(tree_.store.tree_modified());
}

TEST_F(LinkAnswers, RefusedStopPutsTheSameProblemAgain) {
  Person(1, {"1 FAMC @F000003@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kStop);
  tree_.ui.QueueAnswer(Answer::kNo);
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  const LinkCheckResult result = Check();
  EXPECT_FALSE(result.stopped);
  EXPECT_EQ(Problems().size(), 2u);
  EXPECT_EQ(result.removed, 1);
}

TEST_F(LinkAnswers, RepairThatIsNotOfferedPutsTheProblemAgain) {
  Person(1, {"1 FAMC @F600000@"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  const LinkCheckResult result = Check();
  EXPECT_EQ(Problems().size(), 2u);
  EXPECT_EQ(result.repaired, 0);
  EXPECT_EQ(result.removed, 1);
}

TEST_F(LinkAnswers, FixerThatNeverSettlesAProblemLeavesTheLink) {
  Person(1, {"1 FAMC @F600000@"});
  for (int i = 0; i < 50; ++i) tree_.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  const LinkCheckResult result = Check();
  EXPECT_GT(Problems().size(), 1u);
  EXPECT_LT(Problems().size(), 50u);
  EXPECT_EQ(result.ignored, 1);
  EXPECT_EQ(PersonLines(1), (Lines{"0 @I000001@ INDI", "1 FAMC @F600000@"}));
}

TEST_F(LinkAnswers, ResultCountsEachOutcomeAndProgressNamesBothPasses) {
  session_.ignores_confirmed = 2;
  Person(1, {"1 SEX M", "1 FAMC @F000005@", "1 FAMS @F000001@", "1 SOUR @S000002@"});
  Family(1, {"1 MARR"});
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  tree_.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  tree_.ui.QueueLinkFix(LinkFixAnswer::kIgnore);
  const LinkCheckResult result = Check();
  EXPECT_EQ(result.problems, 3);
  EXPECT_EQ(result.removed, 1);
  EXPECT_EQ(result.repaired, 1);
  EXPECT_EQ(result.ignored, 1);
  EXPECT_FALSE(result.stopped);
  EXPECT_EQ(Warnings(), 0);
  EXPECT_EQ(tree_.ui.progress_texts(),
            (Lines{"Checking Links for Individuals", "Checking Links for Families"}));
}

// ---- Real files ----

bool HasLineStarting(const LineNode* first, const std::string& link) {
  for (const LineNode* line = first; line != nullptr; line = line->next) {
    if (line->text().starts_with(link)) return true;
  }
  return false;
}

// Every "1 FAMC"/"1 FAMS" of a person has its line in the family.
void ExpectPeopleListedByTheirFamilies(const store::RecordStore& store) {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    const store::IndividualRecord* person = store.individual(n);
    if (person == nullptr || person->lines == nullptr) continue;
    const std::string xref = store::MakeXref('I', n);
    for (const LineNode* line = person->lines->next; line != nullptr; line = line->next) {
      const bool child = line->text().starts_with("1 FAMC");
      if (!child && !line->text().starts_with("1 FAMS")) continue;
      const store::FamilyRecord* family = store.family(store::XrefNumber(line->text()));
      ASSERT_TRUE(family != nullptr && family->lines != nullptr) << line->text();
      EXPECT_TRUE(child ? HasLineStarting(family->lines, "1 CHIL " + xref)
                        : HasLineStarting(family->lines, "1 HUSB " + xref) ||
                              HasLineStarting(family->lines, "1 WIFE " + xref))
          << "individual " << n << ": " << line->text();
    }
  }
}

// Every member line of a family has its link back in the person.
void ExpectFamiliesListedByTheirMembers(const store::RecordStore& store) {
  for (int n = 1; n <= store.highest_family(); ++n) {
    const store::FamilyRecord* family = store.family(n);
    if (family == nullptr || family->lines == nullptr) continue;
    const std::string xref = store::MakeXref('F', n);
    for (const LineNode* line = family->lines->next; line != nullptr; line = line->next) {
      const bool child = line->text().starts_with("1 CHIL");
      if (!child && !line->text().starts_with("1 HUSB") && !line->text().starts_with("1 WIFE")) {
        continue;
      }
      const store::IndividualRecord* person = store.individual(store::XrefNumber(line->text()));
      ASSERT_TRUE(person != nullptr && person->lines != nullptr) << line->text();
      EXPECT_TRUE(HasLineStarting(person->lines, (child ? "1 FAMC " : "1 FAMS ") + xref))
          << "family " << n << ": " << line->text();
    }
  }
}

OpenResult ReadCorpusFile(TestTree& tree, LinkCheckSession& session, const char* name) {
  return ReadTreeChecked(tree.store, std::string(KINLOOM_CORPUS_DIR) + "/" + name, false, session);
}

TEST(LinkCheckOnRead, BrokenLinksOfAReadFileAreRepairedIntoStep) {
  TestTree tree;
  LinkCheckSession session;
  const OpenResult opened = ReadCorpusFile(tree, session, "ansel-paf-japanese-imperial.ged");
  ASSERT_EQ(opened.read.outcome, store::ReadOutcome::kRead);
  EXPECT_EQ(tree.store.highest_individual(), 187);
  EXPECT_GT(opened.links.problems, 0);
  EXPECT_EQ(opened.links.repaired, opened.links.problems);
  ExpectPeopleListedByTheirFamilies(tree.store);
  ExpectFamiliesListedByTheirMembers(tree.store);
}

TEST(LinkCheckOnRead, ReadFileWithSoundLinksPutsNoProblem) {
  TestTree tree;
  LinkCheckSession session;
  const OpenResult opened = ReadCorpusFile(tree, session, "ansi-paf-tudor.ged");
  ASSERT_EQ(opened.read.outcome, store::ReadOutcome::kRead);
  EXPECT_EQ(tree.store.highest_individual(), 268);
  EXPECT_EQ(opened.links.problems, 0);
  EXPECT_TRUE(tree.ui.link_problems().empty());
  ExpectPeopleListedByTheirFamilies(tree.store);
  ExpectFamiliesListedByTheirMembers(tree.store);
}

}  // namespace
}  // namespace kinloom::reports
