// The link check after reading: what it finds, how each answer changes the tree, and how the
// warnings and the stop behave.
#include "reports/link_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "reports/tree_opening.h"
#include "store/line_search.h"
#include "support/corpus.h"
#include "support/test_support.h"

namespace kinloom::reports {
namespace {

using platform::Answer;
using platform::LinkFixAnswer;
using platform::LinkProblem;
using store::LineNode;
using testing::RecordLines;
using testing::Split;
using testing::TestTree;
using Lines = std::vector<std::string>;

// Lines the check adds, to be appended to record texts (see Records).
const std::string kStamp = "|1 CHAN|2 DATE  6 Dec 2026|3 TIME 09:05:07";
const std::string kAddedMarriage = "|1 MARR|2 DATE    Family Added by|2 PLAC  Fix Links Procedure";
const std::string kAddedSource = "|1 TITL  Source Added by Fix Links Procedure";
const std::string kAddedPerson = "|1 SEX U|1 NAME  Person Added by /Fix Links Procedure/";
constexpr std::string_view kWarning =
    "Not repairing all errors could create\nunexpected errors or cause the program\n"
    "to become non-responsive.\n\nDo you want to continue?";

// Records from one text of lines separated by "|": each starts at a line of level 0.
std::vector<Lines> Records(std::string_view text) {
  std::vector<Lines> records;
  if (text.empty()) return records;
  for (std::string& line : Split(text)) {
    if (records.empty() || line.starts_with("0 ")) records.emplace_back();
    records.back().push_back(std::move(line));
  }
  return records;
}

// A tree read without checks, and the check of its links.
struct LinkTree {
  LinkTree() {
    t.store.NewEmptyTree(false);
    t.ui.ClearRecords();
  }

  // Files records as the reader stores them; the kind and number come from each first line
  // ("0 @I000003@ INDI") unless given.
  void Put(std::string_view records) {
    for (const Lines& r : Records(records)) Put(r, r[0][3], store::XrefNumber(r[0]));
  }
  void Put(const Lines& lines, char letter, int n) {
    store::RecordStore& s = t.store;
    LineNode* first = nullptr;
    LineNode* last = nullptr;
    for (const std::string& text : lines) {
      LineNode* line = s.AppendLine(&last, text);
      if (first == nullptr) first = line;
    }
    if (letter == 'I') {
      s.CreateIndividual(n)->lines = first;
      s.set_highest_individual(std::max(n, s.highest_individual()));
    } else if (letter == 'F') {
      s.CreateFamily(n)->lines = first;
      s.set_highest_family(std::max(n, s.highest_family()));
    } else {
      s.SetSource(n, first);
      s.set_highest_source(std::max(n, s.highest_source()));
    }
  }
  // The lines of the record whose first line is `head`; none when it is gone.
  Lines Of(const std::string& head) {
    const int n = store::XrefNumber(head);
    if (head[3] == 'S') return RecordLines(t.store.source(n));
    const store::IndividualRecord* person = head[3] == 'I' ? t.store.individual(n) : nullptr;
    const store::FamilyRecord* family = head[3] == 'F' ? t.store.family(n) : nullptr;
    return RecordLines(person != nullptr   ? person->lines
                       : family != nullptr ? family->lines
                                           : nullptr);
  }
  // Each record of the text is in the tree as it stands.
  void ExpectRecords(std::string_view records) {
    for (const Lines& record : Records(records)) EXPECT_EQ(Of(record[0]), record);
  }
  LinkCheckResult Check() { return result = CheckLinks(t.store, session); }
  const std::vector<LinkProblem>& Problems() const { return t.ui.link_problems(); }
  int Warnings() const {
    return static_cast<int>(
        std::count_if(t.ui.records().begin(), t.ui.records().end(),
                      [](const auto& record) { return record.caption == "*** Warning ***"; }));
  }

  TestTree t;
  LinkCheckSession session;
  LinkCheckResult result;
};

class LinkCheckerTest : public ::testing::Test, protected LinkTree {};

// A tree of `records` checked with `answers` (then auto-fix); each record of `after` must then
// stand as given.
std::unique_ptr<LinkTree> Checked(std::string_view records, std::vector<LinkFixAnswer> answers,
                                  std::string_view after, bool placeholder = false) {
  SCOPED_TRACE(records);
  auto tree = std::make_unique<LinkTree>();
  if (placeholder) tree->t.store.AddPlaceholderFamily();
  tree->Put(records);
  for (LinkFixAnswer answer : answers) tree->t.ui.QueueLinkFix(answer);
  tree->Check();
  tree->ExpectRecords(after);
  return tree;
}

// The problem as the fixer is told it, with Fix A offered; its texts separated by "|".
void ExpectProblem(const LinkProblem& got, char kind, const std::string& title,
                   const std::string& fix_a, const std::string& fix_b, int individual, int family,
                   std::string_view texts) {
  EXPECT_EQ(got.kind, kind);
  EXPECT_EQ(got.title, title);
  EXPECT_EQ(got.texts, Split(texts));
  EXPECT_EQ(got.fix_a_label, fix_a);
  EXPECT_EQ(got.fix_b_label, fix_b);
  EXPECT_TRUE(got.fix_a_possible);
  EXPECT_EQ(got.individual, individual);
  EXPECT_EQ(got.family, family);
}

// The result as {problems, removed, repaired, ignored, stopped}.
std::vector<int> Counts(const LinkCheckResult& r) {
  return {r.problems, r.removed, r.repaired, r.ignored, r.stopped ? 1 : 0};
}

// ---- What is found, how the fixer is told about it, and Fix A and Fix B line by line ----

TEST(LinkRepairs, MissingFamilyIsCreatedWithAMarriageOrTheReferenceRemoved) {
  const auto made = Checked("0 @I000002@ INDI|1 SEX F|1 FAMS @F000005@", {LinkFixAnswer::kRepair},
                            "0 @F000005@ FAM|1 WIFE @I000002@" + kAddedMarriage + kStamp +
                                "|0 @I000002@ INDI|1 SEX F|1 FAMS @F000005@");
  EXPECT_EQ(made->Problems().size(), 1u);
  EXPECT_EQ(made->t.store.highest_family(), 5);
  EXPECT_TRUE(made->t.store.tree_modified());

  const auto removed =
      Checked("0 @I000003@ INDI|1 NAME C /D/|1 FAMC @F000008@|2 PEDI Adopted|1 NOTE n",
              {LinkFixAnswer::kRemove}, "0 @I000003@ INDI|1 NAME C /D/|1 NOTE n" + kStamp);
  EXPECT_TRUE(removed->Of("0 @F000008@ FAM").empty());
  ExpectProblem(removed->Problems().at(0), 'A', "Missing Family Record - Number: 8",
                "Create Family and Add Person to it", "Remove Reference to that Family", 3, 0,
                "The person above includes a reference to a family.|"
                "But the record for that family does not yet exist.|"
                "You can remove the reference to that family.|"
                "Create a new family and add this person to it.");
}

TEST(LinkRepairs, MissingFamilyMemberIsAddedAfterTheSpousesInTheRoleNamed) {
  const auto child = Checked(
      "0 @I000001@ INDI|1 SEX M|1 FAMS @F000001@|0 @I000002@ INDI|1 SEX F|1 FAMS @F000001@|"
      "0 @I000003@ INDI|1 FAMC @F000001@|"
      "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 MARR|2 DATE 1900",
      {LinkFixAnswer::kRepair},
      "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000003@|1 MARR|2 DATE 1900" +
          kStamp);
  ASSERT_EQ(child->Problems().size(), 1u);
  ExpectProblem(child->Problems()[0], 'B', "Missing Family Member", "Add Person to Family",
                "Remove Reference to Family", 3, 1,
                "The person above is missing in the family below.|"
                "But this person above has a reference to the family.|"
                "You can remove the reference to this family, or|"
                "add this person to the family as a Child.");

  const auto roles = Checked(
      "0 @F000001@ FAM|1 MARR|0 @I000001@ INDI|1 SEX M|1 FAMS @F000001@|"
      "0 @I000002@ INDI|1 SEX F|1 FAMS @F000001@|0 @I000003@ INDI|1 SEX F|1 FAMC @F000001@",
      {LinkFixAnswer::kRemove, LinkFixAnswer::kRemove, LinkFixAnswer::kRemove},
      "0 @F000001@ FAM|1 MARR");
  ASSERT_EQ(roles->Problems().size(), 3u);
  EXPECT_EQ(roles->Problems()[0].texts.back(), "add this person to the family as a Husband.");
  EXPECT_EQ(roles->Problems()[1].texts.back(), "add this person to the family as a Wife.");
  EXPECT_EQ(roles->Problems()[2].texts.back(), "add this person to the family as a Child.");
}

TEST(LinkRepairs, MissingSourceIsCreatedEmptyOrTheCitationRemoved) {
  const auto person =
      Checked("0 @I000001@ INDI|1 BIRT|2 SOUR @S000009@|3 PAGE 4", {LinkFixAnswer::kRepair},
              "0 @S000009@ SOUR" + kAddedSource + kStamp +
                  "|0 @I000001@ INDI|1 BIRT|2 SOUR @S000009@|3 PAGE 4");
  EXPECT_EQ(person->t.store.highest_source(), 9);
  ExpectProblem(person->Problems().at(0), 'C', "Missing Source Record - Number: 9",
                "Create New Empty Source Record", "Remove Reference to that Source", 1, 0,
                "The person above includes a reference to a source|"
                "record. But that source record does not yet exist.|"
                "You can remove the reference to that source.|"
                "Create a new source record for this person to use.");

  const auto family = Checked(
      "0 @F000001@ FAM|1 SOUR @S000002@|2 PAGE 5|1 NOTE x|0 @F000002@ FAM|1 MARR|2 SOUR @S000006@",
      {LinkFixAnswer::kRemove, LinkFixAnswer::kRepair},
      "0 @F000001@ FAM|1 NOTE x" + kStamp + "|0 @S000006@ SOUR" + kAddedSource + kStamp);
  ExpectProblem(family->Problems().at(0), 'F', "Missing Source Record - Number: 2",
                "Create New Empty Source Record", "Remove Reference to that Source", 0, 1,
                "The family above includes a reference to a source|"
                "record. But that source record does not yet exist.|"
                "You can remove the reference to that source.|"
                "Create a new source record for this family to use.");

  const auto one_line = Checked("0 @S000003@ SOUR|0 @I000001@ INDI|1 SOUR @S000003@", {}, "");
  EXPECT_EQ(one_line->Problems().at(0).title, "Missing Source Record - Number: 3");
}

TEST(LinkRepairs, MissingPeopleAreCreatedWithTheirLinksBackOrTheLinesRemoved) {
  const auto made = Checked("0 @F000001@ FAM|1 HUSB @I000007@|1 CHIL @I000008@", {},
                            "0 @I000007@ INDI|1 FAMS @F000001@" + kAddedPerson + kStamp +
                                "|0 @I000008@ INDI|1 FAMC @F000001@" + kAddedPerson + kStamp);
  EXPECT_EQ(made->t.store.highest_individual(), 8);
  ExpectProblem(made->Problems().at(0), 'D', "Missing Person Record - Number: 7",
                "Create Person for Family to use", "Remove Reference to that Person", 0, 1,
                "The family above includes a reference to a person.|"
                "But the record for that person does not yet exist.|"
                "You can remove the reference to that person.|"
                "Create a new person and for this family to use.");

  const auto removed = Checked(
      "0 @I000001@ INDI|1 SEX M|1 FAMS @F000001@|"
      "0 @F000001@ FAM|1 HUSB @I000001@|1 CHIL @I000900@|2 _FREL Adopted",
      {LinkFixAnswer::kRemove}, "0 @F000001@ FAM|1 HUSB @I000001@" + kStamp);
  EXPECT_EQ(removed->t.store.highest_individual(), 1);
}

TEST(LinkRepairs, MissingLinkBackIsAddedAtTheInsertPointOrThePersonRemoved) {
  const auto removed = Checked(
      "0 @I000001@ INDI|1 SEX M|1 FAMS @F000001@|0 @I000002@ INDI|1 SEX F|"
      "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@",
      {LinkFixAnswer::kRemove},
      "0 @F000001@ FAM|1 HUSB @I000001@" + kStamp + "|0 @I000002@ INDI|1 SEX F");
  ExpectProblem(removed->Problems().at(0), 'E', "Missing Family Reference",
                "Add Reference to Family", "Remove Person from Family", 2, 1,
                "The family above includes the person below. But|"
                "this person does not have a reference to the family.|"
                "You can add the reference to this family.|"
                "or, remove this person from the family.");

  Checked(
      "0 @I000003@ INDI|1 NAME C /D/|1 BIRT|2 DATE 1900|1 NOTE n|0 @F000001@ FAM|1 CHIL @I000003@",
      {LinkFixAnswer::kRepair},
      "0 @I000003@ INDI|1 NAME C /D/|1 BIRT|2 DATE 1900|1 FAMC @F000001@|1 NOTE n" + kStamp +
          "|0 @F000001@ FAM|1 CHIL @I000003@");
  // Auto-fix adds a child's missing link instead of removing the child.
  Checked(
      "0 @I000001@ INDI|1 SEX M|1 FAMS @F000001@|0 @I000003@ INDI|1 SEX F|"
      "0 @F000001@ FAM|1 HUSB @I000001@|1 CHIL @I000003@",
      {},
      "0 @I000003@ INDI|1 SEX F|1 FAMC @F000001@" + kStamp +
          "|0 @F000001@ FAM|1 HUSB @I000001@|1 CHIL @I000003@");
}

TEST(LinkRepairs, NumbersOutsideTheTablesAreNotOfferedAndAutoFixRemovesThem) {
  const struct {
    const char* records;
    std::string after;
  } cases[] = {
      // The first answer, auto-fix, settles the second.
      {"0 @I000001@ INDI|1 BIRT|2 SOUR @S000000@|1 DEAT|2 SOUR @S030000@|3 PAGE 1",
       "0 @I000001@ INDI|1 BIRT|1 DEAT" + kStamp},
      {"0 @I000001@ INDI|1 NAME A /B/|1 FAMS @F600000@|2 NOTE x",
       "0 @I000001@ INDI|1 NAME A /B/" + kStamp},
      {"0 @F000001@ FAM|1 CHIL @I1000000@", "0 @F000001@ FAM" + kStamp},
  };
  for (const auto& c : cases) {
    const auto tree = Checked(c.records, {}, c.after);
    ASSERT_EQ(tree->Problems().size(), 1u) << c.records;
    EXPECT_FALSE(tree->Problems()[0].fix_a_possible) << c.records;
    EXPECT_EQ(tree->Problems()[0].texts.size(), 3u) << c.records;
    EXPECT_TRUE(tree->Of("0 @S000000@ SOUR").empty()) << c.records;
    EXPECT_EQ(tree->t.store.highest_source(), 0) << c.records;
    EXPECT_EQ(tree->t.store.highest_family(), c.records[3] == 'F' ? 1 : 0) << c.records;
    EXPECT_EQ(tree->t.store.highest_individual(), c.records[3] == 'I' ? 1 : 0) << c.records;
  }
  EXPECT_EQ(Checked(cases[2].records, {}, "")->Problems()[0].title,
            "Missing Person Record - Number: 1000000");
}

TEST(LinkRepairs, ThePlaceholderFamilyBecomesRealOrIsRetired) {
  Checked("0 @I000001@ INDI|1 SEX F|1 FAMS @F000001@", {},
          "0 @F000001@ FAM|1 WIFE @I000001@" + kAddedMarriage + kStamp, true);
  const auto retired = Checked("0 @I000001@ INDI|1 FAMC @F000003@", {},
                               "0 @F000003@ FAM|1 CHIL @I000001@" + kAddedMarriage + kStamp, true);
  EXPECT_TRUE(retired->Of("0 @F000001@ FAM").empty());
}

TEST(LinkCheck, EmptyLinesAreDroppedAndLinksInStepAreNoProblem) {
  const auto empty = Checked(
      "0 @I000001@ INDI|1 NAME A /B/||1 SEX M|0 @F000001@ FAM||1 MARR", {},
      "0 @I000001@ INDI|1 NAME A /B/|1 SEX M" + kStamp + "|0 @F000001@ FAM|1 MARR" + kStamp);
  EXPECT_EQ(empty->result.problems, 0);

  LinkTree first_empty;  // a record whose first line is empty goes with the links to it
  first_empty.Put(
      "0 @I000001@ INDI|1 SEX M|1 FAMS @F000001@|1 FAMS @F000002@|"
      "0 @F000001@ FAM|1 HUSB @I000001@");
  first_empty.Put({"", "1 HUSB @I000001@"}, 'F', 2);
  first_empty.Put({"", "1 NAME X /Y/"}, 'I', 2);
  EXPECT_EQ(first_empty.Check().problems, 0);
  EXPECT_TRUE(first_empty.Of("0 @F000002@ FAM").empty());
  EXPECT_TRUE(first_empty.Of("0 @I000002@ INDI").empty());
  first_empty.ExpectRecords("0 @I000001@ INDI|1 SEX M|1 FAMS @F000001@" + kStamp);

  for (const std::string records :
       {// A man whose family lists him as wife is accepted.
        "0 @I000001@ INDI|1 SEX M|1 FAMS @F000001@|0 @I000002@ INDI|1 SEX F|1 FAMS @F000001@|"
        "0 @F000001@ FAM|1 HUSB @I000002@|1 WIFE @I000001@",
        "0 @I000001@ INDI|1 SEX M|1 FAMS @F000001@|"
        "0 @I000002@ INDI|1 SEX F|1 FAMS @F000001@|1 SOUR @S000001@|"
        "0 @I000003@ INDI|1 FAMC @F000001@|2 PEDI Adopted|"
        "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|1 CHIL @I000003@|"
        "0 @S000001@ SOUR|1 TITL Book"}) {
    const auto tree = Checked(records, {}, records);
    EXPECT_EQ(tree->result.problems, 0);
    EXPECT_TRUE(tree->Problems().empty());
    EXPECT_FALSE(tree->t.store.tree_modified());
  }
}

// ---- The answers: auto-fix, ignore and stop ----

TEST_F(LinkCheckerTest, AutoFixSettlesEveryLaterProblemOfTheCheckWithoutAsking) {
  Put("0 @I000001@ INDI|1 FAMC @F000003@|1 FAMS @F600001@");
  Put("0 @I000002@ INDI|1 BIRT|2 SOUR @S000004@");
  t.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  t.ui.QueueLinkFix(LinkFixAnswer::kAutoFix);
  Check();
  EXPECT_EQ(Problems().size(), 2u);
  EXPECT_EQ(Counts(result), (std::vector<int>{3, 2, 1, 0, 0}));
  ExpectRecords("0 @S000004@ SOUR" + kAddedSource + kStamp);

  // The next check starts without auto-fix.
  Put("0 @I000003@ INDI|1 FAMC @F000009@");
  t.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  EXPECT_EQ(Check().removed, 1);
  EXPECT_EQ(Problems().size(), 3u);
}

TEST_F(LinkCheckerTest, IgnoreIsQuestionedUntilTwoConfirmationsInTheSession) {
  Put("0 @I000001@ INDI|1 FAMC @F000003@");
  for (int check = 1; check <= 3; ++check) {
    t.ui.ClearRecords();
    t.ui.QueueLinkFix(LinkFixAnswer::kIgnore);
    if (check < 3) t.ui.QueueAnswer(Answer::kYes);
    EXPECT_EQ(Check().ignored, 1);
    ASSERT_EQ(t.ui.records().size(), check < 3 ? 1u : 0u) << "check " << check;
    EXPECT_EQ(session.ignores_confirmed, std::min(check, 2));
    if (check == 3) continue;
    const auto& record = t.ui.records()[0];
    EXPECT_EQ(record.kind, platform::HeadlessInteraction::Record::Kind::kQuestion);
    EXPECT_EQ(record.caption, "*** Warning ***");
    EXPECT_EQ(record.text, kWarning);
    EXPECT_EQ(record.icon, platform::Icon::kQuestion);
  }
  ExpectRecords("0 @I000001@ INDI|1 FAMC @F000003@");
  EXPECT_FALSE(t.store.tree_modified());
}

TEST(LinkCheck, AnswerThatIsRefusedOrNotPossiblePutsTheSameProblemAgain) {
  const struct {
    const char* what;
    const char* link;
    LinkFixAnswer answer;
    Answer to_warning;
  } cases[] = {
      {"no to the ignore warning", "1 FAMC @F000003@", LinkFixAnswer::kIgnore, Answer::kNo},
      {"no to the stop warning", "1 FAMC @F000003@", LinkFixAnswer::kStop, Answer::kNo},
      {"a repair that is not offered", "1 FAMC @F600000@", LinkFixAnswer::kRepair, Answer::kNo},
  };
  for (const auto& c : cases) {
    LinkTree tree;
    tree.Put("0 @I000001@ INDI|" + std::string(c.link));
    tree.t.ui.QueueLinkFix(c.answer);
    tree.t.ui.QueueAnswer(c.to_warning);
    tree.t.ui.QueueLinkFix(LinkFixAnswer::kRemove);
    EXPECT_EQ(Counts(tree.Check()), (std::vector<int>{1, 1, 0, 0, 0})) << c.what;
    ASSERT_EQ(tree.Problems().size(), 2u) << c.what;
    EXPECT_EQ(tree.Problems()[1].title, tree.Problems()[0].title) << c.what;
    EXPECT_EQ(tree.session.ignores_confirmed, 0) << c.what;
  }
}

TEST_F(LinkCheckerTest, ConfirmedStopEndsBothPasses) {
  Put("0 @I000001@ INDI|1 FAMC @F000003@");
  Put("0 @I000002@ INDI|1 FAMC @F000004@");
  Put("0 @F000001@ FAM|1 CHIL @I000009@");
  t.ui.QueueLinkFix(LinkFixAnswer::kStop);
  t.ui.QueueAnswer(Answer::kYes);
  EXPECT_EQ(Counts(Check()), (std::vector<int>{1, 0, 0, 0, 1}));
  EXPECT_EQ(Problems().size(), 1u);
  ASSERT_EQ(Warnings(), 1);
  EXPECT_EQ(t.ui.records()[0].text, kWarning);
  EXPECT_EQ(t.ui.progress_texts(), Lines{"Checking Links for Individuals"});
  ExpectRecords("0 @F000001@ FAM|1 CHIL @I000009@");
  EXPECT_FALSE(t.store.tree_modified());
}

TEST_F(LinkCheckerTest, FixerThatNeverSettlesAProblemLeavesTheLink) {
  Put("0 @I000001@ INDI|1 FAMC @F600000@");
  for (int i = 0; i < 50; ++i) t.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  Check();
  EXPECT_GT(Problems().size(), 1u);
  EXPECT_LT(Problems().size(), 50u);
  EXPECT_EQ(result.ignored, 1);
  ExpectRecords("0 @I000001@ INDI|1 FAMC @F600000@");
}

TEST_F(LinkCheckerTest, ResultCountsEachOutcomeAndProgressNamesBothPasses) {
  session.ignores_confirmed = 2;
  Put("0 @I000001@ INDI|1 SEX M|1 FAMC @F000005@|1 FAMS @F000001@|1 SOUR @S000002@");
  Put("0 @F000001@ FAM|1 MARR");
  t.ui.QueueLinkFix(LinkFixAnswer::kRemove);
  t.ui.QueueLinkFix(LinkFixAnswer::kRepair);
  t.ui.QueueLinkFix(LinkFixAnswer::kIgnore);
  EXPECT_EQ(Counts(Check()), (std::vector<int>{3, 1, 1, 1, 0}));
  EXPECT_EQ(Warnings(), 0);
  EXPECT_EQ(t.ui.progress_texts(),
            (Lines{"Checking Links for Individuals", "Checking Links for Families"}));
}

// ---- Real files (the corpus tests check that every file's links end up in step) ----

TEST(LinkCheckOnRead, BrokenLinksOfAReadFileAreRepairedAndSoundOnesPutNoProblem) {
  KINLOOM_REQUIRE_CORPUS();
  for (const auto& [file, broken] : {std::pair{"ansel-paf-japanese-imperial.ged", true},
                                     std::pair{"ansi-paf-tudor.ged", false}}) {
    TestTree tree;
    LinkCheckSession session;
    const OpenResult opened =
        ReadTreeChecked(tree.store, testing::CorpusFile(file), false, session);
    ASSERT_EQ(opened.read.outcome, store::ReadOutcome::kRead) << file;
    EXPECT_EQ(opened.links.problems > 0, broken) << file;
    EXPECT_EQ(tree.ui.link_problems().empty(), !broken) << file;
    EXPECT_EQ(opened.links.repaired, opened.links.problems) << file;
  }
}

}  // namespace
}  // namespace kinloom::reports
