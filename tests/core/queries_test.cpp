#include "core/queries.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace kinloom::core {
namespace {

using testing::LoadOwnTree;
using testing::RecordLines;
using testing::TestTree;
using Lines = std::vector<std::string>;

std::string I(int n) {
  return store::MakeXref('I', n);
}
std::string F(int n) {
  return store::MakeXref('F', n);
}

// The lines of individual n: its level-0 line, a NAME line (none for an empty name) and `rest`.
Lines Person(int n, const std::string& name, const Lines& rest = {}) {
  Lines lines = {"0 " + I(n) + " INDI"};
  if (!name.empty()) lines.push_back("1 NAME " + name);
  lines.insert(lines.end(), rest.begin(), rest.end());
  return lines;
}

// The lines of family n; 0 leaves out the husband or the wife.
Lines Family(int n, int husband, int wife, const std::vector<int>& children,
             const Lines& rest = {}) {
  Lines lines = {"0 " + F(n) + " FAM"};
  if (husband != 0) lines.push_back("1 HUSB " + I(husband));
  if (wife != 0) lines.push_back("1 WIFE " + I(wife));
  for (int child : children) lines.push_back("1 CHIL " + I(child));
  lines.insert(lines.end(), rest.begin(), rest.end());
  return lines;
}

void Load(TestTree& t, const std::vector<Lines>& records) {
  Lines all;
  for (const auto& record : records) all.insert(all.end(), record.begin(), record.end());
  LoadOwnTree(t, all);
}

// A list of lines not filed under any record, for the queries that take lines.
LineNode* Build(RecordStore& store, const Lines& lines) {
  LineNode* first = nullptr;
  LineNode* last = nullptr;
  for (const auto& text : lines) {
    LineNode* line = store.AppendLine(&last, text);
    if (first == nullptr) first = line;
  }
  return first;
}

Lines LinesOf(const TestTree& t, int individual) {
  return RecordLines(t.store.individual(individual)->lines);
}

// Child 1 ("Kid /Lee/") linked to families 1..n, the i-th "1 FAMC" followed by links[i-1]
// (a line starting with a digit as it stands, any other text as a PEDI value); family i has
// husband 10+i ("Hal<i> /Hus/") and wife 20+i ("Wen<i> /Wif/").
void ChildOfFamilies(TestTree& t, const std::vector<Lines>& links) {
  std::vector<Lines> records = {Person(1, "Kid /Lee/")};
  for (size_t i = 0; i < links.size(); ++i) {
    const int f = static_cast<int>(i) + 1;
    records[0].push_back("1 FAMC " + F(f));
    for (const std::string& line : links[i]) {
      records[0].push_back(std::isdigit(line[0]) ? line : "2 PEDI " + line);
    }
    records.push_back(Family(f, 10 + f, 20 + f, {1}));
    const std::string fams = "1 FAMS " + F(f), n = std::to_string(f);
    records.push_back(Person(10 + f, "Hal" + n + " /Hus/", {"1 SEX M", fams}));
    records.push_back(Person(20 + f, "Wen" + n + " /Wif/", {"1 SEX F", fams}));
  }
  Load(t, records);
}

TEST(PersonLabel, GivenNamesSurnameTitleAndNumber) {
  TestTree t;
  Load(t, {Person(1, "John Paul  /Smith /"), Person(2, "/Jones/"),
           Person(3, "Mary //", {"1 TITL Lady"}), Person(4, "Ann /Lee/", {"1 TITL "}),
           Person(5, "Ann /Lee/", {"1 TITL X"}), Person(6, "Eve /Ray", {"1 TITL"}),
           Person(7, "", {"1 SEX F"})});
  // 3: the title alone; 4: "1 TITL " holds no title; 5: eight characters are enough; 6: no
  // closing "/".
  Lines labels;
  for (int n = 0; n <= 6; ++n) labels.push_back(PersonLabel(t.store, n));
  EXPECT_EQ(labels, (Lines{"Unknown Individual (0) G0", "John Paul Smith (1)", "Unknown Jones (2)",
                           "Mary Lady (3)", "Ann Lee (4)", "Ann Lee, X (5)", "Eve Ray (6)"}));
  EXPECT_EQ(GivenNames(t.store, 7), "");  // no NAME line
  EXPECT_EQ(Surname(t.store, 7), "");
  EXPECT_EQ(SurnameAndTitle(t.store, 3), "Lady");
}

TEST(InheritedSurname, ClimbsToTheFirstParentWithASurnameAndStopsInALoop) {
  TestTree t;
  Load(t, {Person(1, "Tom //", {"1 FAMC " + F(1)}),
           Family(1, 2, 3, {1}),
           Person(2, "Dad", {"1 FAMC " + F(2), "1 FAMS " + F(1)}),
           Person(3, "Mum /Ray/", {"1 FAMS " + F(1)}),
           // The wife is named first here, so she is the first spouse.
           Person(4, "Gran /Hart/", {"1 FAMS " + F(2)}),
           Person(5, "Gramps /Lee/", {"1 FAMS " + F(2)}),
           {"0 " + F(2) + " FAM", "1 WIFE " + I(4), "1 HUSB " + I(5), "1 CHIL " + I(2)},
           Person(6, "Sue /Own/", {"1 FAMC " + F(1)})});
  Lines surnames;
  for (int n : {1, 2, 6, 4, 99}) surnames.push_back(InheritedSurname(t.store, n));
  EXPECT_EQ(surnames, (Lines{"Hart", "Hart", "Own", "Hart", ""}));

  TestTree loop;
  Load(loop, {Person(1, "A //", {"1 FAMC " + F(1), "1 FAMS " + F(2)}),
              Person(2, "B //", {"1 FAMC " + F(2), "1 FAMS " + F(1)}), Family(1, 2, 0, {1}),
              Family(2, 1, 0, {2})});
  EXPECT_EQ(InheritedSurname(loop.store, 1), "");
}

TEST(NumberFromLabel, TakesTheNumberAfterTheLastOpeningBracket) {
  const struct {
    const char* label;
    int number;
  } cases[] = {{"Ann Lee (12)", 12},
               {"Smith (Jr), John (44)", 44},
               {"Hal Hus (1)  and  Wen Wif (2)  (5)", 5},
               {"Unknown Individual (0) G0", 0},
               {"no number at all", 0}};
  for (const auto& c : cases) EXPECT_EQ(NumberFromLabel(c.label), c.number) << c.label;
}

// Without regard to case: the lower-case values of GEDCOM 5.5.1 read as the program's own.
TEST(ParentKindOfValue, ReadsTheFewCharactersThatTellTheKindsInAnyCase) {
  const std::vector<const char*> values_of_kind[kParentKinds] = {
      {"", "Birth", "birth", "BIRTH", "  birth"}, {"Adopted", "Adopt", "adopted", "ADOPTED"},
      {"Adopt Fth", "AdoptxFather", "adopt fth"}, {"Adopt Mth", "ADOPT MTH"},
      {"Step Fth", "step fth", "STEP F"},         {"Step Mth", "Stepfather", "step mth"},
      {"Foster", "F", "foster", "FOSTER"},        {"Sealing", "Sealed", "sealing", "SEALING"},
  };
  for (int kind = 0; kind < kParentKinds; ++kind) {
    for (const char* value : values_of_kind[kind]) {
      EXPECT_EQ(ReadParentKind(value), kind) << value;
      EXPECT_EQ(ParentKindOfValue(value), kind) << value;
    }
    EXPECT_EQ(ParentKindOfValue(ParentKindValue(kind)), kind) << kind;
  }
  for (const char* no_kind : {"Guardian", "OTHER", "unknown", "?"}) {
    EXPECT_EQ(ReadParentKind(no_kind), -1) << no_kind;
    EXPECT_EQ(ParentKindOfValue(no_kind), kBirth) << no_kind;
  }
  EXPECT_EQ(ParentKindValue(kBirth), "");
  EXPECT_EQ(ParentKindValue(kAdoptFather), "Adopt Fth");
  EXPECT_EQ(ParentKindItem(kBirth), "Birth");
  EXPECT_EQ(ParentKindWording(kBirth), "Both are Biological Birth Parents");
  EXPECT_EQ(ParentKindWording(kStepFather), "Step Father + Birth Mother");
  EXPECT_EQ(ParentKindWording(kSealing), "Both are Child Sealing Parents");
}

// FindParentFamily takes the first birth link at once, adoption outranks step families;
// FindParents takes the birth parents over all links; FindBirthFamc takes the first link
// without a type or with one starting with "B" or "b". All read the types in any case.
TEST(ParentLinks, EachQueryReadsTheLinksByItsOwnRules) {
  const struct {
    const char* what;
    std::vector<Lines> links;
    int family, kind;    // FindParentFamily
    int father, mother;  // FindParents
    int birth;           // FindBirthFamc
  } cases[] = {
      {"no parent family", {}, 0, kBirth, 0, 0, 0},
      {"a link followed by another level-1 line", {{"1 SEX M"}}, 1, kBirth, 11, 21, 1},
      {"the first birth link wins", {{}, {}}, 1, kBirth, 11, 21, 1},
      {"a capital B", {{"Adopted"}, {"Biological"}}, 2, kBirth, 12, 22, 2},
      {"birth at the last line beats adoption", {{"Adopted"}, {}}, 2, kBirth, 12, 22, 2},
      {"a PEDI not directly below", {{"2 NOTE x", "Adopted"}}, 1, kBirth, 11, 21, 1},
      {"a note below a later link", {{"Adopted"}, {"2 NOTE a letter"}}, 2, kBirth, 12, 22, 2},
      {"adoption replaces a step family", {{"Step Fth"}, {"Adopted"}}, 2, kAdopted, 12, 21, 0},
      {"step does not replace adoption", {{"Adopt Mth"}, {"Step Mth"}}, 1, kAdoptMother, 12, 21, 0},
      {"found beats fall-back", {{"Adopt Fth"}, {"Step Mth"}}, 1, kAdoptFather, 12, 21, 0},
      {"no birth link", {{"Adopted"}, {"Step Fth"}}, 1, kAdopted, 11, 22, 0},
      {"step replaces step", {{"Step Fth"}, {"Step Mth"}}, 2, kStepMother, 12, 21, 0},
      {"step replaces foster", {{"Foster"}, {"Step Fth"}}, 2, kStepFather, 0, 22, 0},
      {"foster replaces adoption", {{"Adopt Fth"}, {"Foster"}}, 2, kFoster, 11, 21, 0},
      {"sealing replaces adoption", {{"Adopted"}, {"Sealing"}}, 2, kSealing, 11, 21, 0},
      {"a later birth wins", {{"Adopt Fth"}, {"Birth"}}, 2, kBirth, 12, 22, 2},
      {"adopt by father", {{"Adopt Fth"}}, 1, kAdoptFather, 11, 21, 0},
      {"adopt by mother", {{"Adopt Mth"}}, 1, kAdoptMother, 11, 21, 0},
      {"adopted", {{"Adopted"}}, 1, kAdopted, 11, 21, 0},
      {"the last fall-back", {{"Adopted"}, {"Adopted"}}, 2, kAdopted, 12, 22, 0},
      {"step father", {{"Step Fth"}}, 1, kStepFather, 0, 21, 0},
      {"step mother", {{"Step Mth"}}, 1, kStepMother, 11, 0, 0},
      {"foster and sealing", {{"Foster"}, {"Sealing"}}, 2, kSealing, 0, 0, 0},
      {"lower-case birth", {{"birth"}}, 1, kBirth, 11, 21, 1},
      {"lower-case birth first", {{"birth"}, {"Adopt Fth"}}, 1, kBirth, 11, 21, 1},
      {"lower-case birth after foster", {{"foster"}, {"birth"}}, 2, kBirth, 12, 22, 2},
      {"lower-case adopted and foster", {{"adopted"}, {"foster"}}, 2, kFoster, 11, 21, 0},
      {"capitals", {{"ADOPT FTH"}, {"SEALING"}}, 2, kSealing, 11, 21, 0},
      {"lower-case step mother", {{"step mth"}}, 1, kStepMother, 11, 0, 0},
      {"a value of no kind is passed over", {{"Guardian"}, {"Step Mth"}}, 2, kStepMother, 12, 0, 0},
      {"an empty value is birth", {{"2 PEDI"}}, 1, kBirth, 11, 21, 1},
  };
  for (const auto& c : cases) {
    TestTree t;
    ChildOfFamilies(t, c.links);
    const ParentFamily family = FindParentFamily(t.store, 1);
    const Parents parents = FindParents(t.store, 1);
    const BirthFamc birth = FindBirthFamc(t.store, 1, false);
    EXPECT_EQ((std::vector<int>{family.family, family.kind, parents.father, parents.mother,
                                birth.family, birth.husband, birth.wife}),
              (std::vector<int>{c.family, c.kind, c.father, c.mother, c.birth,
                                c.birth == 0 ? 0 : 10 + c.birth, c.birth == 0 ? 0 : 20 + c.birth}))
        << c.what;
    EXPECT_EQ(birth.line == nullptr ? "" : std::string(birth.line->text()),
              c.birth == 0 ? "" : "1 FAMC " + F(c.birth))
        << c.what;
    EXPECT_TRUE(t.ui.records().empty()) << c.what;
  }
  TestTree t;
  EXPECT_EQ(FindParents(t.store, 99).mother, 0);
}

TEST(FindBirthFamc, WarnsWithTheLabelsOfChildAndParents) {
  TestTree t;
  ChildOfFamilies(t, {{"Adopted"}, {}});
  EXPECT_EQ(FindBirthFamc(t.store, 1, true).family, 2);
  ASSERT_EQ(t.ui.records().size(), 1u);
  EXPECT_EQ(t.ui.records()[0].caption, " *** Birth Parents ***");
  EXPECT_EQ(t.ui.records()[0].text,
            "There can be only one set of birth parents.\n\rKid Lee (1) already has these:\n\n\r"
            "Father: Hal2 Hus (12)\n\rMother: Wen2 Wif (22)\n\n\rThey must be removed or changed "
            "to a different \n\rparent type before new birth parents can be set.");

  TestTree none;
  ChildOfFamilies(none, {{"Adopted"}});
  EXPECT_EQ(FindBirthFamc(none.store, 1, true).line, nullptr);
  EXPECT_TRUE(none.ui.records().empty());
}

TEST(OtherSpouse, TheSpouseThatIsNotThePerson) {
  TestTree t;
  Load(t, {Person(2, "A /B/"), Person(3, "C /D/"), Person(4, "E /B/"), Person(5, "F /G/"),
           Family(1, 2, 3, {4}), Family(2, 2, 0, {4}, {"1 HUSB " + I(5)}), Family(3, 2, 0, {4})});
  // Of a person not a spouse: the first one; in family 2: the next one after the person.
  EXPECT_EQ((std::vector<int>{OtherSpouse(t.store, 1, 2), OtherSpouse(t.store, 1, 3),
                              OtherSpouse(t.store, 1, 9), OtherSpouse(t.store, 2, 2),
                              OtherSpouse(t.store, 3, 2), OtherSpouse(t.store, 9, 2)}),
            (std::vector<int>{3, 2, 2, 5, 0, 0}));
}

// The kind is read from a "2 PEDI" line directly below the child's own link to the family, and
// from no other.
TEST(NthChild, ReadsEachChildsKindBelowItsOwnLinkToTheFamily) {
  TestTree t;
  Load(t, {Family(1, 5, 6, {2, 3, 4}), Family(9, 7, 8, {4}),
           Person(2, "A /B/", {"1 FAMC " + F(1)}),  // the last line of the record
           Person(3, "C /B/", {"1 FAMC " + F(1), "2 NOTE x", "2 PEDI Adopted"}),
           Person(4, "D /B/",
                  {"1 FAMC " + F(9), "2 PEDI Foster", "1 FAMC " + F(1), "2 PEDI Step Mth"}),
           Person(5, "E /B/", {"1 FAMS " + F(1)}), Person(6, "F /G/", {"1 FAMS " + F(1)}),
           Person(7, "H /I/", {"1 FAMS " + F(9)}), Person(8, "J /K/", {"1 FAMS " + F(9)})});
  const struct {
    int n, child, kind;
  } cases[] = {{1, 2, kBirth}, {2, 3, kBirth}, {3, 4, kStepMother}, {4, 0, kBirth}, {0, 0, kBirth}};
  for (const auto& c : cases) {
    ChildLink link = NthChild(t.store, 1, c.n);
    EXPECT_EQ(link.child, c.child) << c.n;
    EXPECT_EQ(link.kind, c.kind) << c.n;
  }
  EXPECT_EQ(NthChild(t.store, 42, 1).child, 0);
  EXPECT_EQ(PediKindOf(FindFamcLine(t.store, 4, 9)), kFoster);
}

TEST(NextBloodChild, StepsFromChildLineToChildLine) {
  TestTree t;
  LineNode* first = Build(t.store, {"0 @F000001@ FAM", "1 HUSB @I000001@", "1 CHIL @I000002@",
                                    "2 NOTE x", "1 CHILD @I000009@", "1 CHIL @I000003@", "1 CHAN"});
  int child = -1;
  LineNode* line = NextBloodChild(first, &child);
  EXPECT_EQ(child, 2);
  line = NextBloodChild(line, &child);
  EXPECT_EQ(child, 3);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->text(), "1 CHIL @I000003@");
  EXPECT_EQ(NextBloodChild(line, &child), nullptr);
  EXPECT_EQ(child, 0);
}

TEST(SexOf, ReadsTheLetterAfterTheFirstSexTag) {
  TestTree t;
  Load(t, {Person(1, "A /B/", {"1 SEX M", "1 SEX F"}), Person(2, "C /B/", {"1 SEX F"}),
           Person(3, "D /B/", {"1 SEX U"}), Person(4, "E /B/", {"1 SEX"}), Person(5, "F /B/")});
  const int expected[] = {0, 1, 2, 0, 0, 0};
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(SexOf(t.store, n), expected[n]) << n;
  EXPECT_EQ(SexOf(t.store, 42), 0);
}

// An event as one text: whether found, then date, place, source and note line, with "|" between.
std::string Event(const EventInfo& e) {
  return std::string(e.found ? "found|" : "none|") + e.date + "|" + e.place + "|" + e.source + "|" +
         (e.note == nullptr ? "" : std::string(e.note->text()));
}

TEST(EventDetails, ReadsTheSubLinesOfTheFirstMatchingEventOnly) {
  TestTree t;
  LineNode* first =
      Build(t.store, {"0 @I000001@ INDI", "1 BIRT", "1 CHR", "2 DATE 3 MAR 1900", "2 PLAC Town",
                      "2 SOUR @S000001@", "3 PAGE 7", "2 NOTE hi", "1 DEAT", "2 PLAC Sea"});
  EXPECT_EQ(Event(EventDetails(first, "1 BIRT")), "none||||");  // CHR's lines are not BIRT's
  EXPECT_EQ(Event(EventDetails(first, "1 BAPM", "1 CHR")),
            "found|3 MAR 1900|Town|@S000001@|2 NOTE hi");
  EXPECT_EQ(Event(EventDetails(first, "1 DEAT", "1 BURI", "1 CREM")), "found||Sea||");
  // An adult christening is not a christening.
  LineNode* adult =
      Build(t.store, {"0 @I000002@ INDI", "1 CHRA", "2 DATE 1930", "1 CHR", "2 DATE 1900"});
  EXPECT_EQ(EventDetails(adult, "1 BIRT", "1 BAPM", "1 CHR").date, "1900");
}

TEST(EventDate, MainLineFirstThenTheLastFallBackWithADate) {
  const struct {
    const char* what;
    char kind;  // the EventKind
    Lines lines;
    std::string date;
    char letter;
  } cases[] = {
      {"birth", 'b', {"1 BIRT", "2 DATE 1900"}, "1900", 'b'},
      {"baptism stands in", 'b', {"1 BIRT", "1 BAPM", "2 DATE 1901"}, "1901", 'c'},
      {"later wins", 'b', {"1 BAPM", "2 DATE 1901", "1 CHR", "2 DATE 1902"}, "1902", 'c'},
      {"then the main line", 'b', {"1 CHR", "2 DATE 1902", "1 BIRT", "2 DATE 1899"}, "1899", 'b'},
      {"with a value", 'b', {"1 BIRT Y", "2 DATE 1900", "1 CHR", "2 DATE 1902"}, "1902", 'c'},
      {"a DATE of 7 characters", 'b', {"1 BIRT", "2 DATE ", "1 BAPM", "2 DATE X"}, "X", 'c'},
      {"burial", 'd', {"1 DEAT", "1 BURI", "2 DATE 1970"}, "1970", 'd'},
      {"cremation", 'd', {"1 CREM", "2 PLAC Here", "2 DATE 1971"}, "1971", 'd'},
      {"marriage licence", 'm', {"1 MARL", "2 DATE 1920"}, "1920", 'm'},
      {"change", 'c', {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"}, " 6 Dec 2026", 'c'},
      {"a date of another level", 'b', {"1 BIRT", "3 DATE 1900"}, "", 0},
  };
  for (const auto& c : cases) {
    TestTree t;
    Lines lines = {"0 @I000001@ INDI"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    EventDateResult result = EventDate(Build(t.store, lines), static_cast<EventKind>(c.kind));
    EXPECT_EQ(result.date, c.date) << c.what;
    EXPECT_EQ(result.letter, c.letter) << c.what;
  }
}

TEST(VitalsOf, SexAndTheSixEventsWithoutRegardToCase) {
  TestTree t;
  Load(t, {Person(1, "A /B/",
                  {"1 SEX F", "1 birt", "2 date 1 JAN 1900", "2 plac Town", "1 CHR",
                   "2 DATE 2 JAN 1900", "1 Bapm", "2 PLAC Church", "1 DEAT", "2 DATE 1950",
                   "1 BURI", "2 PLAC Yard", "1 CREM", "2 DATE 1951", "2 PLAC Oven"}),
           Person(2, "C /D/")});
  const Vitals v = VitalsOf(t.store, 1);
  EXPECT_EQ(v.sex, 'F');
  EXPECT_EQ((Lines{v.birth.date, v.birth.place, v.christening.date, v.christening.place,
                   v.baptism.date, v.baptism.place, v.death.date, v.death.place, v.burial.date,
                   v.burial.place, v.cremation.date, v.cremation.place}),
            (Lines{"1 JAN 1900", "Town", "2 JAN 1900", "", "", "Church", "1950", "", "", "Yard",
                   "1951", "Oven"}));
  EXPECT_EQ(VitalsOf(t.store, 2).sex, 'U');
  EXPECT_EQ(VitalsOf(t.store, 2).birth.date, "");
}

TEST(PersonSummary, LabelEventsAndParents) {
  TestTree t;
  Load(t, {Person(1, "Kid /Lee/",
                  {"1 BIRT", "2 DATE 5 MAY 1900", "2 PLAC Town", "1 CHR", "2 DATE 1901", "1 BURI",
                   "2 PLAC Yard", "1 FAMC " + F(1)}),
           Family(1, 2, 3, {1}), Person(2, "Hal /Lee/", {"1 FAMS " + F(1)}),
           Person(3, "Wen /Ray/", {"1 FAMS " + F(1)}),
           Person(4, "Solo /Ray/", {"1 BIRT", "1 DEAT", "2 DATE 1950"})});
  std::vector<std::string> lines;
  PersonSummary(t.store, 1, &lines);
  PersonSummary(t.store, 4, &lines);  // appends
  EXPECT_EQ(lines,
            (Lines{"Kid Lee (1)", "Birth: 5 MAY 1900    Town", "Death:     Yard",
                   "Father: Hal Lee (2)", "Mother: Wen Ray (3)", "Solo Ray (4)", "Death: 1950"}));
}

TEST(IsDeceased, DeathLinesDecidePlainAndStrictForms) {
  const struct {
    const char* what;
    Lines lines;
    bool plain, strict;
  } cases[] = {{"a bare DEAT", {"1 DEAT"}, true, false},
               {"DEAT with a place", {"1 DEAT", "2 PLAC Sea"}, true, true},
               {"DEAT with a source", {"1 DEAT", "2 SOUR @S000001@"}, true, true},
               {"DEAT with a note", {"1 DEAT", "2 NOTE lost"}, true, true},
               {"burial", {"1 BURI"}, true, true},
               {"cremation", {"1 CREM"}, true, true},
               {"nothing at all", {"1 SEX M"}, false, false},
               {"a bare DEAT, born lately", {"1 BIRT", "2 DATE 1990", "1 DEAT"}, true, false}};
  for (const auto& c : cases) {
    for (bool strict : {false, true}) {
      TestTree t;
      Load(t, {Person(1, "A /B/", c.lines)});
      const Lines before = LinesOf(t, 1);
      EXPECT_EQ(IsDeceased(t.store, 1, strict), strict ? c.strict : c.plain)
          << c.what << (strict ? " (strict)" : " (plain)");
      EXPECT_EQ(LinesOf(t, 1), before) << c.what;  // the record already had its death line
    }
  }
  TestTree t;
  EXPECT_FALSE(IsDeceased(t.store, 5, false));
}

TEST(IsDeceased, AfterOneHundredTwentyYearsADeathLineIsAddedAndStamped) {
  TestTree t;
  Load(t,
       {Person(1, "A /B/", {"1 BIRT", "2 DATE 6 DEC 1906", "1 FAMS " + F(1)}), Family(1, 1, 2, {}),
        Person(2, "C /D/", {"1 BIRT", "2 DATE ABT 1905", "1 FAMS " + F(1)})});
  const Lines before = LinesOf(t, 1);
  t.store.set_tree_modified(false);
  EXPECT_FALSE(IsDeceased(t.store, 1, false));  // 120 years is still living
  EXPECT_EQ(LinesOf(t, 1), before);
  EXPECT_FALSE(t.store.tree_modified());
  EXPECT_TRUE(IsDeceased(t.store, 2, false));
  EXPECT_EQ(LinesOf(t, 2),
            (Lines{"0 @I000002@ INDI", "1 NAME C /D/", "1 BIRT", "2 DATE ABT 1905", "1 DEAT",
                   "1 FAMS @F000001@", "1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"}));
  EXPECT_TRUE(t.store.tree_modified());
  EXPECT_TRUE(IsDeceased(t.store, 2, false));  // now by the line itself
}

TEST(IsDeceased, DatesStandInForTheBirthDate) {
  const Lines child_of_2 = {"1 FAMC " + F(2), "1 FAMS " + F(1)};
  const std::vector<Lines> parents = {Person(2, "C /B/", {"1 FAMS " + F(2)}),
                                      Person(3, "E /F/", {"1 FAMS " + F(2)}),
                                      Person(4, "G /B/", {"1 FAMC " + F(1)})};
  const struct {
    const char* what;
    std::vector<Lines> records;
    bool deceased;
  } cases[] = {
      {"christening", {Person(1, "A /B/", {"1 CHR", "2 DATE 1900"})}, true},
      {"a recent christening", {Person(1, "A /B/", {"1 CHR", "2 DATE 1990"})}, false},
      {"the person's own marriage",
       {Person(1, "A /B/", {"1 FAMS " + F(1)}), Family(1, 1, 2, {}, {"1 MARR", "2 DATE 1880"}),
        Person(2, "C /D/", {"1 FAMS " + F(1)})},
       true},
      {"the parents' marriage when their link comes first",
       {Person(1, "A /B/", child_of_2), Family(1, 1, 0, {4}, {"1 MARR", "2 DATE 1990"}),
        Family(2, 2, 3, {1}, {"1 MARR", "2 DATE 1880"}), parents[0], parents[1], parents[2]},
       true},
      {"the first family with a date decides",
       {Person(1, "A /B/", child_of_2), Family(1, 1, 0, {4}, {"1 MARR", "2 DATE 1990"}),
        Family(2, 2, 3, {1}, {"1 MARR"}),
        Person(2, "C /B/", {"1 FAMS " + F(2), "1 BIRT", "2 DATE 1800"}), parents[1], parents[2]},
       false},
  };
  for (const auto& c : cases) {
    TestTree t;
    Load(t, c.records);
    EXPECT_EQ(IsDeceased(t.store, 1, false), c.deceased) << c.what;
  }
}

// Person 1 without dates in a line of people 1, 2, ... (family p links p and p + 1): going up,
// each the father of the one before; going down, each the only child of the one before. Person
// `born_at` has the birth year `year`.
void RelativesLine(TestTree& t, bool up, int generations, int born_at, int year) {
  std::vector<Lines> records;
  for (int p = 1; p <= generations + 1; ++p) {
    Lines rest;
    if (p <= generations) rest.push_back((up ? "1 FAMC " : "1 FAMS ") + F(p));
    if (p > 1) rest.push_back((up ? "1 FAMS " : "1 FAMC ") + F(p - 1));
    if (p == born_at) rest.insert(rest.end(), {"1 BIRT", "2 DATE " + std::to_string(year)});
    records.push_back(Person(p, "P" + std::to_string(p) + " /B/", rest));
    if (p <= generations) records.push_back(Family(p, up ? p + 1 : p, 0, {up ? p : p + 1}));
  }
  Load(t, records);
}

TEST(IsDeceased, RelativesBornTooLongAgoOrTooManyDescendantsProveDeath) {
  const struct {
    const char* what;
    bool up;
    int generations, born_at, year;
    bool deceased;
  } cases[] = {{"father born 161 years ago", true, 1, 2, 1865, true},
               {"father born 160 years ago", true, 1, 2, 1866, false},
               {"grandfather born 201 years ago", true, 2, 3, 1825, true},
               {"grandfather born 200 years ago", true, 2, 3, 1826, false},
               {"great-grandfather born 241 years ago", true, 3, 4, 1785, true},
               {"four generations up is not asked", true, 4, 5, 1000, false},
               {"child born 101 years ago", false, 1, 2, 1925, true},
               {"child born 100 years ago", false, 1, 2, 1926, false},
               {"grandchild born 81 years ago", false, 2, 3, 1945, true},
               {"grandchild born 80 years ago", false, 2, 3, 1946, false},
               {"five generations of descendants", false, 5, 0, 0, false},
               {"a sixth generation of descendants", false, 6, 0, 0, true}};
  for (const auto& c : cases) {
    TestTree t;
    RelativesLine(t, c.up, c.generations, c.born_at, c.year);
    EXPECT_EQ(IsDeceased(t.store, 1, false), c.deceased) << c.what;
    EXPECT_EQ(FindTagLine(t.store.individual(1)->lines, "1 DEAT") != nullptr, c.deceased) << c.what;
  }

  TestTree loop;  // an ancestry loop ends
  Load(loop, {Person(1, "A /B/", {"1 FAMC " + F(1)}),
              Person(2, "C /B/", {"1 FAMC " + F(2), "1 FAMS " + F(1)}), Family(1, 2, 0, {1}),
              Family(2, 1, 0, {2})});
  EXPECT_FALSE(IsDeceased(loop.store, 1, false));
  EXPECT_FALSE(IsDeceased(loop.store, 2, true));
}

// Home person 1; parents 2 and 3 (family 1, with kind `pedi` below 1's link); 2's parents 4
// and 5 (family 2) with 2's sister 6; 6 and 8 are the parents of 7 (family 3); 1's brother 10
// and his wife 12 are the parents of 11 (family 4); 9 is no relation.
void HomeTree(TestTree& t, const Lines& pedi = {}) {
  Lines home = {"1 FAMC " + F(1)};
  home.insert(home.end(), pedi.begin(), pedi.end());
  Load(t,
       {Person(1, "Home /Lee/", home), Family(1, 2, 3, {1, 10}),
        Person(2, "Dad /Lee/", {"1 FAMC " + F(2), "1 FAMS " + F(1)}),
        Person(3, "Mum /Ray/", {"1 FAMS " + F(1)}), Family(2, 4, 5, {2, 6}),
        Person(4, "Gramps /Lee/", {"1 FAMS " + F(2)}), Person(5, "Gran /Hart/", {"1 FAMS " + F(2)}),
        Person(6, "Aunt /Lee/", {"1 FAMC " + F(2), "1 FAMS " + F(3)}), Family(3, 8, 6, {7}),
        Person(7, "Cousin /Ash/", {"1 FAMC " + F(3)}), Person(8, "Uncle /Ash/", {"1 FAMS " + F(3)}),
        Person(9, "Nobody /Else/"),
        Person(10, "Brother /Lee/", {"1 FAMC " + F(1), "1 FAMS " + F(4)}), Family(4, 10, 12, {11}),
        Person(11, "Nephew /Lee/", {"1 FAMC " + F(4)}),
        Person(12, "Sis-in-law /Oak/", {"1 FAMS " + F(4)})});
  t.store.set_home_person(1);
}

TEST(DirectLineStatus, AncestorsTheirSiblingsAndTheSiblingsChildren) {
  TestTree t;
  HomeTree(t);
  const struct {
    const char* what;
    int person, father, mother, status;
  } cases[] = {{"the home person", 1, 2, 3, 4},
               {"father", 2, 4, 5, 1},
               {"mother", 3, 0, 0, 1},
               {"grandmother", 5, 0, 0, 1},
               {"aunt", 6, 4, 5, 2},
               {"cousin", 7, 8, 6, 3},
               {"nephew", 11, 10, 12, 4},
               {"brother (not a cousin)", 10, 2, 3, 4},
               {"no relation", 9, 0, 0, 4},
               {"an uncle by marriage", 8, 0, 0, 4}};
  for (const auto& c : cases) {
    EXPECT_EQ(DirectLineStatus(t.store, c.person, c.father, c.mother), c.status) << c.what;
  }
  t.store.set_home_person(99);
  EXPECT_EQ(DirectLineStatus(t.store, 2, 4, 5), 4);
  EXPECT_EQ(DirectLineText(1),
            "Grandparent - This Person is a Direct Ancestor of the Person Selected in Options");
  EXPECT_EQ(DirectLineText(2),
            "Uncle or Aunt - This Person is a Sibling of an Ancestor of the Person Selected in "
            "Options");
  EXPECT_EQ(DirectLineText(3),
            "Cousin - This Person is a Child of a Sibling of an Ancestor of the Person Selected "
            "in Options");
  EXPECT_EQ(DirectLineText(4), "");
}

TEST(DirectLineStatus, TheParentKindDecidesWhichParentIsFollowed) {
  const struct {
    const char* pedi;
    int father_status, mother_status;
  } cases[] = {{"2 PEDI Adopted", 1, 1},  {"2 PEDI Adopt Fth", 1, 1}, {"2 PEDI Step Fth", 4, 1},
               {"2 PEDI Step Mth", 1, 4}, {"2 PEDI Foster", 4, 4},    {"2 PEDI Sealing", 4, 4}};
  for (const auto& c : cases) {
    TestTree t;
    HomeTree(t, {c.pedi});
    EXPECT_EQ(DirectLineStatus(t.store, 2, 4, 5), c.father_status) << c.pedi;
    EXPECT_EQ(DirectLineStatus(t.store, 4, 0, 0), c.father_status) << c.pedi;
    EXPECT_EQ(DirectLineStatus(t.store, 3, 0, 0), c.mother_status) << c.pedi;
  }
}

}  // namespace
}  // namespace kinloom::core
