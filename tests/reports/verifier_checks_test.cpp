// The verifier's checks on small trees: the early-date cut-off, the day limits, the sexes of
// couples, unlinked trees, punctuation in names and places, capitals and sound keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/tree_reading.h"
#include "reports/verifier.h"
#include "reports/verifier_soundex.h"
#include "support/verifier_trees.h"

namespace kinloom::reports {
namespace {

using testing::Expected;
using testing::TreeBuilder;
using Lines = std::vector<std::string>;

struct Found {
  int error;
  int record;
  std::string event;
  std::string description;
};

std::vector<Found> Verify(const TreeBuilder& builder, const VerifyOptions& options = {}) {
  testing::TestTree tree;
  builder.Load(tree);
  ProblemList list;
  RunVerifier(tree.store, options, &list);
  std::vector<Found> found;
  for (const ProblemRow& row : list.rows()) {
    found.push_back(
        {row.error, row.record, std::string(list.Event(row)), std::string(list.Description(row))});
  }
  return found;
}

std::set<Expected> Pairs(const std::vector<Found>& found) {
  std::set<Expected> pairs;
  for (const Found& f : found) pairs.insert({f.error, f.record});
  return pairs;
}

bool Has(const std::vector<Found>& found, int error, int record) {
  return Pairs(found).count({error, record}) > 0;
}

VerifyOptions Before1600(bool ignore) {
  VerifyOptions options;
  options.ignore_before_1600 = ignore;
  return options;
}

// ---- The early-date cut-off ------------------------------------------------------------------

void Born1550(TreeBuilder& b, const std::string& sex = "M") {
  b.Person(1, "Hugh /Basset/", sex).Event(1, "BIRT", "1550");
}
void Spouse(TreeBuilder& b, int n, const std::string& sex, const std::string& born) {
  b.Person(n, sex == "F" ? "Joan /Mallory/" : "Roger /Mallory/", sex).Event(n, "BIRT", born);
}
void Kid(TreeBuilder& b, int n, const std::string& born) {
  b.Person(n, "Kit" + std::to_string(n) + " /Basset/", "M").Event(n, "BIRT", born);
}

TEST(VerifierCutOffTest, The1600BoxLeavesOutExactlyTheAgeChecks) {
  const struct {
    int error;
    bool age_check;  // left out for people born before 1600 when the box is checked
    std::function<void(TreeBuilder&)> plant;  // the fault on individual 1, born 1550
  } cases[] = {
      // clang-format off
      {7, true, [](auto& b) { Born1550(b), b.Event(1, "DEAT", "1670"); }},
      {9, true, [](auto& b) {
         Born1550(b), Spouse(b, 2, "F", "1545"), b.Family(1, 1, 2, {}, "1560"); }},
      {10, true, [](auto& b) {
         Born1550(b), Spouse(b, 2, "F", "1530"), Kid(b, 3, "1560"), b.Family(1, 1, 2, {3}); }},
      {11, true, [](auto& b) {
         Born1550(b, "F"), Spouse(b, 2, "M", "1560"), Kid(b, 3, "1605"), b.Family(1, 2, 1, {3}); }},
      {12, true, [](auto& b) {
         Born1550(b), Spouse(b, 2, "F", "1590"), Kid(b, 3, "1630"), b.Family(1, 1, 2, {3}); }},
      {13, true, [](auto& b) {
         Born1550(b), Spouse(b, 2, "F", "1560"), Kid(b, 3, "1610");
         b.Family(1, 1, 2, {3}, "1575"); }},
      {15, true, [](auto& b) {
         Born1550(b), Spouse(b, 2, "F", "1555"), Spouse(b, 3, "F", "1556"), Kid(b, 4, "1580");
         b.Family(1, 1, 2, {4}, "1575").Family(2, 1, 3, {}, "1578"); }},
      {16, true, [](auto& b) {
         b.Person(1, "Hugh /Basset/", "M").Event(1, "BIRT", "1 Dec 1550");
         Spouse(b, 2, "M", "1520"), Spouse(b, 3, "F", "1525");
         b.Event(2, "DEAT", "1 Jan 1549").Family(1, 2, 3, {1}); }},
      {34, true, [](auto& b) {
         Born1550(b), Spouse(b, 2, "F", "1555"), Kid(b, 3, "1575");
         b.Family(1, 1, 2, {3}, "1580"); }},
      {14, false, [](auto& b) { Born1550(b), b.Event(1, "CHR", "1549"); }},
      {17, false, [](auto& b) { Born1550(b), b.Event(1, "DEAT", "1540"); }},
      {18, false, [](auto& b) {
         Born1550(b), b.Event(1, "DEAT", "5 May 1600").Event(1, "BURI", "1 May 1600"); }},
      {20, false, [](auto& b) {
         Born1550(b), b.Event(1, "DEAT", "1590"), Spouse(b, 2, "F", "1560");
         b.Family(1, 1, 2, {}, "1595"); }},
      {21, false, [](auto& b) {
         Born1550(b), Spouse(b, 2, "F", "1555"), Spouse(b, 3, "F", "1556");
         b.Family(1, 1, 2, {}, "1590").Family(2, 1, 3, {}, "1580"); }},
      {25, false, [](auto& b) {
         Born1550(b), Spouse(b, 2, "F", "1555"), Kid(b, 3, "1580"), Kid(b, 4, "1578");
         b.Family(1, 1, 2, {3, 4}, "1575"); }},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("error " + std::to_string(c.error));
    TreeBuilder b;
    c.plant(b);
    EXPECT_TRUE(Has(Verify(b, Before1600(false)), c.error, 1));
    EXPECT_EQ(Has(Verify(b, Before1600(true)), c.error, 1), !c.age_check);
  }
}

TEST(VerifierCutOffTest, BurialDaysCountFromTheDeathAndNeedABirthAfterTheCutOff) {
  struct Case {
    std::string burial, birth_tag, born;
    bool ignore_before_1600, reported;
  } cases[] = {
      {"31 Jan 1950", "BIRT", "1900", false, false},  // 30 days
      {"1 Feb 1950", "BIRT", "1900", false, true},    // 31 days
      {"1 Feb 1950", "BIRT", "1900", true, true},    {"1 Feb 1950", "CHR", "1900", false, true},
      {"1 Feb 1950", "CHR", "1900", true, false},  // only a BIRT date counts here
      {"1 Feb 1950", "BIRT", "1550", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.burial + " " + c.birth_tag + " " + c.born);
    TreeBuilder b;
    b.Person(1, "Ada /Lovell/", "F")
        .Event(1, c.birth_tag, c.born)
        .Event(1, "DEAT", "1 Jan 1950")
        .Event(1, "BURI", c.burial);
    VerifyOptions options = Before1600(c.ignore_before_1600);
    options.settings.burial_days = 30;
    const std::vector<Found> found = Verify(b, options);
    EXPECT_EQ(Has(found, 8, 1), c.reported);
    if (c.reported) {
      EXPECT_EQ(found.back().description, "Burial over 30 days after death");
    }
  }
}

TEST(VerifierCutOffTest, ChildBornMoreThan280DaysAfterTheFathersDeath) {
  // Died 1 Jan 1901 (day 1); births 280 and 281 days later; a mother who died a day before.
  struct Case {
    std::string born, mother_died;
    std::set<std::string> events;
  } cases[] = {
      {"8 Oct 1901", "", {}},
      {"9 Oct 1901", "", {"Father"}},
      {"9 Oct 1901", "8 Oct 1901", {"Father", "Mother"}},
      {"8 Oct 1901", "8 Oct 1901", {}},
      {"8 Oct 1901", "7 Oct 1901", {"Mother"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.born + " " + c.mother_died);
    TreeBuilder b;
    b.Person(1, "Amos /Penn/", "M").Event(1, "BIRT", "1860").Event(1, "DEAT", "1 Jan 1901");
    b.Person(2, "Beth /Rowe/", "F").Event(2, "BIRT", "1865");
    if (!c.mother_died.empty()) b.Event(2, "DEAT", c.mother_died);
    b.Person(3, "Cole /Penn/", "M").Event(3, "BIRT", c.born).Family(1, 1, 2, {3});
    std::set<std::string> events;
    for (const Found& f : Verify(b)) {
      if (f.error == 16 && f.record == 3) events.insert(f.event);
    }
    EXPECT_EQ(events, c.events);
  }
}

// ---- Couples and groups ----------------------------------------------------------------------

TEST(VerifierCouplesTest, SexesOfSpouses) {
  struct Case {
    std::string husband_sex, wife_sex;
    std::set<Expected> found;
  } cases[] = {
      {"M", "F", {}},
      {"M", "M", {{22, 1}, {22, 2}, {24, 2}}},  // once for each spouse
      {"F", "F", {{22, 1}, {22, 2}, {23, 1}}},
      {"U", "F", {{23, 1}}},
      {"M", "U", {{24, 2}}},
      {"U", "U", {{23, 1}, {24, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.husband_sex + c.wife_sex);
    TreeBuilder b;
    b.Person(1, "Lee /Ames/", c.husband_sex).Person(2, "Kim /Bond/", c.wife_sex);
    b.Family(1, 1, 2, {});
    EXPECT_EQ(Pairs(Verify(b)), c.found);
  }
}

TEST(VerifierCouplesTest, UnlinkedTreesAreCountedFromTheirFirstRecord) {
  TreeBuilder one;
  one.Person(1, "Lee /Ames/", "M").Person(2, "Kim /Bond/", "F").Person(3, "Joy /Ames/", "F");
  one.Family(1, 1, 2, {3});
  EXPECT_TRUE(Verify(one).empty());

  TreeBuilder two = one;
  two.Person(4, "Roy /Cobb/", "M").Person(5, "Una /Dale/", "F").Family(2, 4, 5, {});
  std::vector<std::string> rows;
  for (const Found& f : Verify(two)) {
    rows.push_back(std::to_string(f.record) + " " + f.event + ": " + f.description);
  }
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "1 Unlinked Tree: First record of unlinked tree - 3 records",
                      "4 Unlinked Tree: First record of unlinked tree - 2 records"}));
}

TEST(VerifierCouplesTest, OrderAndNameChecksOfFamiliesAreGivenOnce) {
  // Children out of order in two families, all with the mother's surname: errors 25 and 33
  // once, for the mother, who walks both families first; the fathers find them walked.
  TreeBuilder b;
  b.Person(1, "Ann /Carter/", "F").Event(1, "BIRT", "1870");
  b.Person(2, "Bob /Lee/", "M").Event(2, "BIRT", "1868");
  b.Person(3, "Cal /Moss/", "M").Event(3, "BIRT", "1866");
  for (int n : {4, 5, 6, 7}) {
    b.Person(n, "Kid" + std::to_string(n) + " /Carter/", "F")
        .Event(n, "BIRT", std::to_string(1900 - n));
  }
  b.Family(1, 2, 1, {4, 5}).Family(2, 3, 1, {6, 7});
  std::multiset<int> errors;
  for (const Found& f : Verify(b)) errors.insert(f.error);
  EXPECT_EQ(errors.count(25), 1u);
  EXPECT_EQ(errors.count(33), 1u);
}

TEST(VerifierCouplesTest, BurialBeforeDeathNamesTheBurialOrTheCremation) {
  TreeBuilder b;
  b.Person(1, "Ida /Nolan/", "F").Event(1, "DEAT", "1900").Event(1, "BURI", "1899");
  b.Person(2, "Ned /Nolan/", "M").Event(2, "DEAT", "1900").Event(2, "CREM", "1899");
  b.Family(1, 2, 1, {});
  std::vector<std::string> events;
  for (const Found& f : Verify(b)) {
    if (f.error == 18) events.push_back(f.event);
  }
  EXPECT_EQ(events, (std::vector<std::string>{"Burial", "Cremation"}));
}

// ---- Names and places ------------------------------------------------------------------------

std::set<int> NameErrors(const std::string& name) {
  TreeBuilder b;
  b.Person(1, name, "M");
  std::set<int> errors;
  for (const Found& f : Verify(b)) errors.insert(f.error);
  return errors;
}

std::set<int> PlaceErrors(const std::string& place) {
  TreeBuilder b;
  b.Person(1, "Tom /Hale/", "M").Event(1, "BIRT", "1900", place);
  std::set<int> errors;
  for (const Found& f : Verify(b)) {
    EXPECT_EQ(f.event, "Birth");
    errors.insert(f.error);
  }
  return errors;
}

TEST(VerifierTextTest, PeriodsAndCommasInNames) {
  const std::pair<std::string, std::set<int>> cases[] = {
      {"John /Smith Jr./", {}},  // a period at the end is no missing space
      {"John /Smith,Jr/", {32}},    {"John /Smith ,Jr/", {31, 32}},
      {"J. /Smith/", {}},           {"J /Smith/", {35}},
      {"John Q /Adams/", {35}},     {"John V /Smith/", {}},  // a roman numeral, not an initial
      {"John  Paul /Smith/", {29}}, {"Mary--Ann /Smith/", {30}},
      {"John* /Smith/", {27}},      {"Son /of Ulf/", {}},
      {"Son /Ulfsson/", {37}},      {"Ann /X./", {36}},
  };
  for (const auto& [name, errors] : cases) EXPECT_EQ(NameErrors(name), errors) << name;
}

TEST(VerifierTextTest, PeriodsAndCommasInPlaces) {
  const std::pair<std::string, std::set<int>> cases[] = {
      {"Paris, France", {}},
      {"Paris,France", {32}},  // a comma directly followed by a letter
      {"St.Louis, Missouri", {32}},
      {"Washington D.C., U.S.A.", {}},
      {"Cork (Co.), Ireland", {}},
      {"London ,England", {31, 32}},
      {"Paris ., France", {31}},
      {"Rome. , Italy", {}},  // a space before a comma that follows a period
      {"Lima,, Peru", {}},
      {"Lyon,  France", {29}},
  };
  for (const auto& [place, errors] : cases) EXPECT_EQ(PlaceErrors(place), errors) << place;
}

TEST(VerifierTextTest, CapitalsBesideRomanNumerals) {
  const std::pair<std::string, std::set<int>> cases[] = {
      {"Henry VIII /Tudor/", {}}, {"Louis XIV /Bourbon/", {}},
      {"Pope XV /Roma/", {}},     {"IVAN /Petrov/", {1}},  // "IV" is a numeral, "VA" is not
      {"Ivan /MC/", {3}},         {"Ivan /Mc Coy/", {}},
  };
  for (const auto& [name, errors] : cases) EXPECT_EQ(NameErrors(name), errors) << name;

  TreeBuilder b;
  b.Person(1, "Tom /Hale/", "M").Event(1, "BIRT", "1 JAN 1900").Event(1, "DEAT", "1950 AD");
  EXPECT_EQ(Pairs(Verify(b)), (std::set<Expected>{{5, 1}}));
}

TEST(VerifierTextTest, SoundKeys) {
  const std::pair<std::string, std::string> cases[] = {
      {"Robert", "R163"},    {"Rupert", "R163"},   {"Tymczak", "T522"},
      {"Pfister", "P236"},   {"Ashcraft", "A261"}, {"Lee", "L000"},
      {"M\xFCller", "M460"}, {"O'Brien", "O016"},  {"Smith, John (12)", "S532"},
      {"Van-Dyke", "V532"},  {"", "0000"},         {"?", "0000"},
  };
  for (const auto& [text, key] : cases) EXPECT_EQ(SoundexText(text), key) << text;
  EXPECT_EQ(SoundexKey("Robert"), 17163);
  EXPECT_EQ(SoundexKey("Aaron"), 650);
  EXPECT_EQ(SoundexKey("'Brien"), 0);
}

// ---- The run ----------------------------------------------------------------------------------

// The headless interaction with a Cancel button that is pressed once the run has asked a
// number of times.
class CancellingInteraction final : public platform::Interaction {
 public:
  explicit CancellingInteraction(int answer_no_times) : left_(answer_no_times) {}
  void Message(std::string_view c, std::string_view t, platform::Icon i) override {
    inner_.Message(c, t, i);
  }
  platform::Answer Ask(std::string_view c, std::string_view t, platform::Icon i,
                       platform::Buttons b) override {
    return inner_.Ask(c, t, i, b);
  }
  std::optional<int> ChooseParentType(std::string_view f, std::string_view m, std::string_view c,
                                      int o) override {
    return inner_.ChooseParentType(f, m, c, o);
  }
  std::optional<int> ChooseRemainingParent(std::string_view p, std::string_view s) override {
    return inner_.ChooseRemainingParent(p, s);
  }
  platform::LinkFixAnswer FixLink(const platform::LinkProblem& p) override {
    return inner_.FixLink(p);
  }
  void ProgressShow(std::string_view c, std::string_view l) override { inner_.ProgressShow(c, l); }
  void ProgressRange(int m) override { inner_.ProgressRange(m); }
  void ProgressPosition(int p) override { inner_.ProgressPosition(p); }
  void ProgressText(std::string_view t) override { inner_.ProgressText(t); }
  void ProgressHide() override { inner_.ProgressHide(); }
  bool ProgressCancelRequested() override { return --left_ < 0; }
  int TextWidth(std::string_view t) override { return inner_.TextWidth(t); }
  const platform::Clock& clock() const override { return inner_.clock(); }

  platform::HeadlessInteraction& inner() { return inner_; }

 private:
  platform::HeadlessInteraction inner_;
  int left_;
};

// The progress captions shown from the given one on.
Lines CaptionsFrom(const platform::HeadlessInteraction& ui, size_t first) {
  const Lines& all = ui.progress_captions();
  return Lines(all.begin() + static_cast<long>(std::min(first, all.size())), all.end());
}

// A tree of `people` unlinked people with their surname in capitals: one problem each.
size_t RunOnPeople(CancellingInteraction& ui, int people, VerifyOutcome* outcome, Lines* captions) {
  store::RecordStore store(ui);
  TreeBuilder b;
  for (int n = 1; n <= people; ++n) b.Person(n, "Tom /HALE/", "M");
  testing::TempDir dir;
  Lines lines = {"0 HEAD", "1 SOUR Kinloom Zoraz", "1 CHAR ANSI"};
  for (const std::string& line : b.Lines()) lines.push_back(line);
  lines.push_back("0 TRLR");
  testing::WriteFileBytes(dir.File("t.ged"), testing::CrLfJoin(lines));
  EXPECT_EQ(core::ReadTree(store, dir.File("t.ged"), false).outcome, store::ReadOutcome::kRead);
  const size_t first = ui.inner().progress_captions().size();
  VerifyOptions options;
  options.settings.checks = 0;
  ProblemList list;
  *outcome = RunVerifier(store, options, &list);
  *captions = CaptionsFrom(ui.inner(), first);
  return list.size();
}

TEST(VerifierRunTest, ProgressIsShownAndCancelStopsTheRun) {
  VerifyOutcome outcome;
  Lines captions;
  CancellingInteraction patient(1000000);
  EXPECT_EQ(RunOnPeople(patient, 3000, &outcome, &captions), 3000u);
  EXPECT_FALSE(outcome.cancelled);
  EXPECT_EQ(captions, (Lines{"Verifying Records"}));
  EXPECT_FALSE(patient.inner().progress_visible());

  CancellingInteraction hasty(2);
  const size_t rows = RunOnPeople(hasty, 3000, &outcome, &captions);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_LT(rows, 3000u);
  EXPECT_FALSE(hasty.inner().progress_visible());
}

TEST(VerifierRunTest, TheDuplicateSearchShowsItsSteps) {
  testing::TestTree tree;
  TreeBuilder b;
  b.Person(1, "Tom /Hale/", "M");
  b.Load(tree);
  const size_t first = tree.ui.progress_captions().size();
  const size_t first_text = tree.ui.progress_texts().size();
  ProblemList list;
  RunVerifier(tree.store, VerifyOptions(), &list);
  EXPECT_EQ(CaptionsFrom(tree.ui, first),
            (Lines{"Gathering Information", "Checking for Duplicate Entries", "Verifying Records",
                   "Verifying Records"}));
  EXPECT_EQ(tree.ui.progress_texts().at(first_text), "Reading Record:  1");
}

}  // namespace
}  // namespace kinloom::reports
