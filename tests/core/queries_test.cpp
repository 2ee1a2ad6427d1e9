#include "core/queries.h"

#include <gtest/gtest.h>

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

// Child 1 ("Kid /Lee/") linked to families 1..n, the i-th "1 FAMC" followed by links[i-1];
// family i has husband 10+i ("Hal<i> /Hus/") and wife 20+i ("Wen<i> /Wif/"). `tail` closes the
// child's record.
void ChildOfFamilies(TestTree& t, const std::vector<Lines>& links,
                     const Lines& tail = {"1 SEX M"}) {
  std::vector<Lines> records;
  Lines child = Person(1, "Kid /Lee/");
  for (size_t i = 0; i < links.size(); ++i) {
    const int f = static_cast<int>(i) + 1;
    child.push_back("1 FAMC " + F(f));
    child.insert(child.end(), links[i].begin(), links[i].end());
    records.push_back(Family(f, 10 + f, 20 + f, {1}));
    records.push_back(
        Person(10 + f, "Hal" + std::to_string(f) + " /Hus/", {"1 SEX M", "1 FAMS " + F(f)}));
    records.push_back(
        Person(20 + f, "Wen" + std::to_string(f) + " /Wif/", {"1 SEX F", "1 FAMS " + F(f)}));
  }
  child.insert(child.end(), tail.begin(), tail.end());
  records.insert(records.begin(), child);
  Load(t, records);
}

// ---- Names and labels ----

TEST(PersonLabel, GivenNamesSurnameTitleAndNumber) {
  TestTree t;
  Load(t, {Person(1, "John Paul  /Smith /"), Person(2, "/Jones/"),
           Person(3, "Mary //", {"1 TITL Lady"}), Person(4, "Ann /Lee/", {"1 TITL "}),
           Person(5, "Ann /Lee/", {"1 TITL X"}), Person(6, "Eve /Ray", {"1 TITL"}),
           Person(7, "", {"1 SEX F"})});
  EXPECT_EQ(PersonLabel(t.store, 1), "John Paul Smith (1)");
  EXPECT_EQ(PersonLabel(t.store, 2), "Unknown Jones (2)");
  EXPECT_EQ(PersonLabel(t.store, 3), "Mary Lady (3)");   // the title alone
  EXPECT_EQ(PersonLabel(t.store, 4), "Ann Lee (4)");     // "1 TITL " holds no title
  EXPECT_EQ(PersonLabel(t.store, 5), "Ann Lee, X (5)");  // eight characters are enough
  EXPECT_EQ(PersonLabel(t.store, 6), "Eve Ray (6)");     // no closing "/"
  EXPECT_EQ(PersonLabel(t.store, 0), "Unknown Individual (0) G0");
  EXPECT_EQ(GivenNames(t.store, 2), "Unknown");
  EXPECT_EQ(GivenNames(t.store, 2, true), "");
  EXPECT_EQ(Surname(t.store, 2), "Jones");
  EXPECT_EQ(GivenNames(t.store, 7), "");  // no NAME line
  EXPECT_EQ(Surname(t.store, 7), "");
  EXPECT_EQ(SurnameAndTitle(t.store, 3), "Lady");
}

TEST(InheritedSurname, ClimbsToTheFirstParentWithASurname) {
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
  EXPECT_EQ(InheritedSurname(t.store, 1), "Hart");
  EXPECT_EQ(InheritedSurname(t.store, 2), "Hart");
  EXPECT_EQ(InheritedSurname(t.store, 6), "Own");
  EXPECT_EQ(InheritedSurname(t.store, 4), "Hart");
  EXPECT_EQ(InheritedSurname(t.store, 99), "");
}

TEST(InheritedSurname, StopsInAnAncestryLoop) {
  TestTree t;
  Load(t, {Person(1, "A //", {"1 FAMC " + F(1), "1 FAMS " + F(2)}),
           Person(2, "B //", {"1 FAMC " + F(2), "1 FAMS " + F(1)}), Family(1, 2, 0, {1}),
           Family(2, 1, 0, {2})});
  EXPECT_EQ(InheritedSurname(t.store, 1), "");
}

TEST(NumberFromLabel, TakesTheNumberAfterTheLastOpeningBracket) {
  const struct {
    const char* label;
    int number;
  } cases[] = {
      {"Ann Lee (12)", 12},
      {"Lee, Ann (3)", 3},
      {"Smith (Jr), John (44)", 44},
      {"Hal Hus (1)  and  Wen Wif (2)  (5)", 5},
      {"Unknown Individual (0) G0", 0},
      {"no number at all", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberFromLabel(c.label), c.number) << c.label;
}

// ---- Parent kinds ----

TEST(ParentKindOfValue, ReadsTheFewCharactersThatTellTheKinds) {
  const struct {
    const char* value;
    int kind;
  } cases[] = {
      {"", kBirth},
      {"Birth", kBirth},
      {"birth", kBirth},
      {"Adopted", kAdopted},
      {"Adopt Fth", kAdoptFather},
      {"Adopt Mth", kAdoptMother},
      {"Adopt", kAdopted},
      {"AdoptxFather", kAdoptFather},
      {"Step Fth", kStepFather},
      {"Step Mth", kStepMother},
      {"Stepfather", kStepMother},
      {"Foster", kFoster},
      {"F", kFoster},
      {"Sealing", kSealing},
      {"Sealed", kSealing},
      {"Guardian", kBirth},
  };
  for (const auto& c : cases) EXPECT_EQ(ParentKindOfValue(c.value), c.kind) << c.value;
}

TEST(ParentKindOfValue, WrittenValuesReadBackAsTheirKinds) {
  for (int kind = 0; kind < kParentKinds; ++kind) {
    EXPECT_EQ(ParentKindOfValue(ParentKindValue(kind)), kind) << kind;
  }
  EXPECT_EQ(ParentKindValue(kBirth), "");
  EXPECT_EQ(ParentKindValue(kAdoptFather), "Adopt Fth");
  EXPECT_EQ(ParentKindItem(kBirth), "Birth");
  EXPECT_EQ(ParentKindWording(kBirth), "Both are Biological Birth Parents");
  EXPECT_EQ(ParentKindWording(kStepFather), "Step Father + Birth Mother");
  EXPECT_EQ(ParentKindWording(kSealing), "Both are Child Sealing Parents");
}

TEST(PediKindOf, ReadsOnlyThePediLineDirectlyBelow) {
  TestTree t;
  LineNode* first = Build(t.store, {"0 @I000001@ INDI", "1 FAMC @F000001@", "2 PEDI Foster",
                                    "1 FAMC @F000002@", "2 NOTE x", "2 PEDI Foster",
                                    "1 FAMC @F000003@", "2 PEDI Step Mth", "1 FAMC @F000004@"});
  LineNode* famc = first->next;
  EXPECT_EQ(PediKindOf(famc), kFoster);
  famc = famc->next->next;
  EXPECT_EQ(PediKindOf(famc), kBirth);
  famc = famc->next->next->next;
  EXPECT_EQ(PediKindOf(famc), kStepMother);
  famc = famc->next->next;
  EXPECT_EQ(PediKindOf(famc), kBirth);  // the last line of the list
}

// ---- Parent families ----

TEST(FindParentFamily, BirthLinksWinAtOnceAndAdoptionOutranksStepFamilies) {
  const struct {
    const char* what;
    std::vector<Lines> links;
    ParentFamily expected;
  } cases[] = {
      {"no parent family", {}, {0, kBirth}},
      {"a link followed by another level-1 line is birth", {{}}, {1, kBirth}},
      {"a capital B is birth", {{"2 PEDI Adopted"}, {"2 PEDI Biological"}}, {2, kBirth}},
      {"the first birth link wins", {{}, {}}, {1, kBirth}},
      {"birth beats an earlier adoption", {{"2 PEDI Adopted"}, {}}, {2, kBirth}},
      {"a PEDI line not directly below leaves a birth link",
       {{"2 NOTE x", "2 PEDI Adopted"}},
       {1, kBirth}},
      {"adoption replaces a step family", {{"2 PEDI Step Fth"}, {"2 PEDI Adopted"}}, {2, kAdopted}},
      {"a step family does not replace adoption",
       {{"2 PEDI Adopt Mth"}, {"2 PEDI Step Mth"}},
       {1, kAdoptMother}},
      {"a later step family replaces a step family",
       {{"2 PEDI Step Fth"}, {"2 PEDI Step Mth"}},
       {2, kStepMother}},
      {"a step family replaces foster parents",
       {{"2 PEDI Foster"}, {"2 PEDI Step Fth"}},
       {2, kStepFather}},
      {"foster parents replace adoption", {{"2 PEDI Adopt Fth"}, {"2 PEDI Foster"}}, {2, kFoster}},
      {"sealing replaces adoption", {{"2 PEDI Adopted"}, {"2 PEDI Sealing"}}, {2, kSealing}},
      {"lower-case birth is no candidate", {{"2 PEDI birth"}}, {0, kBirth}},
      {"lower-case birth is passed over",
       {{"2 PEDI birth"}, {"2 PEDI Adopt Fth"}},
       {2, kAdoptFather}},
      {"beginnings are compared whole", {{"2 PEDI Stepfather"}, {"2 PEDI Guardian"}}, {0, kBirth}},
  };
  for (const auto& c : cases) {
    TestTree t;
    ChildOfFamilies(t, c.links);
    ParentFamily found = FindParentFamily(t.store, 1);
    EXPECT_EQ(found.family, c.expected.family) << c.what;
    EXPECT_EQ(found.kind, c.expected.kind) << c.what;
  }
}

TEST(FindParents, BirthParentsOverAllParentFamilies) {
  const struct {
    const char* what;
    std::vector<Lines> links;
    Parents expected;
  } cases[] = {
      {"a birth family gives both", {{"2 PEDI Step Fth"}, {}}, {12, 22}},
      {"adopt by father: birth mother, the husband as fall-back", {{"2 PEDI Adopt Fth"}}, {11, 21}},
      {"a later birth family wins over adopt by father",
       {{"2 PEDI Adopt Fth"}, {"2 PEDI Birth"}},
       {12, 22}},
      {"adopt by mother: birth father, the wife as fall-back", {{"2 PEDI Adopt Mth"}}, {11, 21}},
      {"adopted: both are fall-backs", {{"2 PEDI Adopted"}}, {11, 21}},
      {"the fall-back set last is taken", {{"2 PEDI Adopted"}, {"2 PEDI Adopted"}}, {12, 22}},
      {"a found parent beats a fall-back", {{"2 PEDI Adopt Fth"}, {"2 PEDI Step Mth"}}, {12, 21}},
      {"step father: the mother only", {{"2 PEDI Step Fth"}}, {0, 21}},
      {"step mother: the father only", {{"2 PEDI Step Mth"}}, {11, 0}},
      {"foster and sealing give nothing", {{"2 PEDI Foster"}, {"2 PEDI Sealing"}}, {0, 0}},
  };
  for (const auto& c : cases) {
    TestTree t;
    ChildOfFamilies(t, c.links);
    Parents found = FindParents(t.store, 1);
    EXPECT_EQ(found.father, c.expected.father) << c.what;
    EXPECT_EQ(found.mother, c.expected.mother) << c.what;
  }
  TestTree t;
  ChildOfFamilies(t, {});
  EXPECT_EQ(FindParents(t.store, 1).father, 0);
  EXPECT_EQ(FindParents(t.store, 99).mother, 0);
}

TEST(FindBirthFamc, FindsTheBirthLinkAndItsParents) {
  const struct {
    const char* what;
    std::vector<Lines> links;
    Lines tail;
    int family;
  } cases[] = {
      {"followed by a level-1 line", {{"2 PEDI Adopted"}, {}}, {"1 SEX M"}, 2},
      {"the last line of the record", {{"2 PEDI Adopted"}, {}}, {}, 2},
      {"lower-case birth", {{"2 PEDI Foster"}, {"2 PEDI birth"}}, {}, 2},
      {"capital Birth", {{"2 PEDI Birth"}, {}}, {}, 1},
      {"no birth link", {{"2 PEDI Adopted"}, {"2 PEDI Step Fth"}}, {}, 0},
  };
  for (const auto& c : cases) {
    TestTree t;
    ChildOfFamilies(t, c.links, c.tail);
    BirthFamc found = FindBirthFamc(t.store, 1, false);
    EXPECT_EQ(found.family, c.family) << c.what;
    if (c.family == 0) {
      EXPECT_EQ(found.line, nullptr) << c.what;
      continue;
    }
    ASSERT_NE(found.line, nullptr) << c.what;
    EXPECT_EQ(found.line->text(), "1 FAMC " + F(c.family)) << c.what;
    EXPECT_EQ(found.husband, 10 + c.family) << c.what;
    EXPECT_EQ(found.wife, 20 + c.family) << c.what;
    EXPECT_TRUE(t.ui.records().empty()) << c.what;
  }
}

TEST(ParentLinks, ANoteBelowALinkWithoutParentTypeLeavesItABirthLinkEverywhere) {
  TestTree t;
  ChildOfFamilies(t, {{"2 PEDI Adopted"}, {"2 NOTE found in a letter"}});
  EXPECT_EQ(FindParentFamily(t.store, 1).family, 2);
  EXPECT_EQ(FindParentFamily(t.store, 1).kind, kBirth);
  EXPECT_EQ(FindParents(t.store, 1).father, 12);
  EXPECT_EQ(FindParents(t.store, 1).mother, 22);
  EXPECT_EQ(FindBirthFamc(t.store, 1, false).family, 2);
  EXPECT_EQ(PediKindOf(FindFamcLine(t.store, 1, 2)), kBirth);
}

TEST(FindBirthFamc, WarnsWithTheLabelsOfChildAndParents) {
  TestTree t;
  ChildOfFamilies(t, {{"2 PEDI Adopted"}, {}});
  BirthFamc found = FindBirthFamc(t.store, 1, true);
  EXPECT_EQ(found.family, 2);
  ASSERT_EQ(t.ui.records().size(), 1u);
  EXPECT_EQ(t.ui.records()[0].caption, " *** Birth Parents ***");
  EXPECT_EQ(t.ui.records()[0].text,
            "There can be only one set of birth parents.\n\rKid Lee (1) already has these:\n\n\r"
            "Father: Hal2 Hus (12)\n\rMother: Wen2 Wif (22)\n\n\rThey must be removed or changed "
            "to a different \n\rparent type before new birth parents can be set.");

  TestTree none;
  ChildOfFamilies(none, {{"2 PEDI Adopted"}});
  EXPECT_EQ(FindBirthFamc(none.store, 1, true).line, nullptr);
  EXPECT_TRUE(none.ui.records().empty());
}

// ---- Spouses and children ----

TEST(OtherSpouse, TheSpouseThatIsNotThePerson) {
  TestTree t;
  Load(t, {Family(1, 2, 3, {4}),
           {"0 " + F(2) + " FAM", "1 HUSB " + I(2), "1 HUSB " + I(5), "1 CHIL " + I(4)},
           Family(3, 2, 0, {4}),
           Person(2, "A /B/"),
           Person(3, "C /D/"),
           Person(4, "E /B/"),
           Person(5, "F /G/")});
  EXPECT_EQ(OtherSpouse(t.store, 1, 2), 3);
  EXPECT_EQ(OtherSpouse(t.store, 1, 3), 2);
  EXPECT_EQ(OtherSpouse(t.store, 1, 9), 2);  // not a spouse: the first one
  EXPECT_EQ(OtherSpouse(t.store, 2, 2), 5);  // the next one after the person
  EXPECT_EQ(OtherSpouse(t.store, 3, 2), 0);
  EXPECT_EQ(OtherSpouse(t.store, 9, 2), 0);
}

TEST(NthChild, ReadsEachChildsKindBelowItsOwnLinkToTheFamily) {
  TestTree t;
  Load(t, {Family(1, 5, 6, {2, 3, 4}), Family(9, 7, 8, {4}),
           Person(2, "A /B/", {"1 FAMC " + F(1), "1 SEX M"}),
           Person(3, "C /B/", {"1 FAMC " + F(1), "2 PEDI Adopted"}),
           Person(4, "D /B/",
                  {"1 FAMC " + F(9), "2 PEDI Foster", "1 FAMC " + F(1), "2 PEDI Step Mth"}),
           Person(5, "E /B/", {"1 FAMS " + F(1)}), Person(6, "F /G/", {"1 FAMS " + F(1)}),
           Person(7, "H /I/", {"1 FAMS " + F(9)}), Person(8, "J /K/", {"1 FAMS " + F(9)})});
  const struct {
    int n;
    int child;
    int kind;
  } cases[] = {
      {1, 2, kBirth}, {2, 3, kAdopted}, {3, 4, kStepMother}, {4, 0, kBirth}, {0, 0, kBirth}};
  for (const auto& c : cases) {
    ChildLink link = NthChild(t.store, 1, c.n);
    EXPECT_EQ(link.child, c.child) << c.n;
    EXPECT_EQ(link.kind, c.kind) << c.n;
  }
  EXPECT_EQ(NthChild(t.store, 42, 1).child, 0);
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

// ---- Events ----

TEST(EventDetails, ReadsTheSubLinesOfTheFirstMatchingEventOnly) {
  TestTree t;
  LineNode* first =
      Build(t.store, {"0 @I000001@ INDI", "1 BIRT", "1 CHR", "2 DATE 3 MAR 1900", "2 PLAC Town",
                      "2 SOUR @S000001@", "3 PAGE 7", "2 NOTE hi", "1 DEAT", "2 PLAC Sea"});
  EventInfo birth = EventDetails(first, "1 BIRT");
  EXPECT_FALSE(birth.found);  // CHR's lines are not BIRT's
  EXPECT_EQ(birth.date, "");

  EventInfo christening = EventDetails(first, "1 BAPM", "1 CHR");
  EXPECT_TRUE(christening.found);
  EXPECT_EQ(christening.date, "3 MAR 1900");
  EXPECT_EQ(christening.place, "Town");
  EXPECT_EQ(christening.source, "@S000001@");
  ASSERT_NE(christening.note, nullptr);
  EXPECT_EQ(christening.note->text(), "2 NOTE hi");

  // An adult christening is not a christening.
  LineNode* adult =
      Build(t.store, {"0 @I000002@ INDI", "1 CHRA", "2 DATE 1930", "1 CHR", "2 DATE 1900"});
  EXPECT_EQ(EventDetails(adult, "1 BIRT", "1 BAPM", "1 CHR").date, "1900");

  EventInfo death = EventDetails(first, "1 DEAT", "1 BURI", "1 CREM");
  EXPECT_TRUE(death.found);
  EXPECT_EQ(death.date, "");
  EXPECT_EQ(death.place, "Sea");
  EXPECT_EQ(death.note, nullptr);
}

TEST(EventDate, MainLineFirstThenTheLastFallBackWithADate) {
  const struct {
    const char* what;
    Lines lines;
    EventKind kind;
    std::string date;
    char letter;
  } cases[] = {
      {"birth", {"1 BIRT", "2 DATE 1900"}, EventKind::kBirth, "1900", 'b'},
      {"baptism stands in, letter c",
       {"1 BIRT", "1 BAPM", "2 DATE 1901"},
       EventKind::kBirth,
       "1901",
       'c'},
      {"a later fall-back replaces an earlier one",
       {"1 BAPM", "2 DATE 1901", "1 CHR", "2 DATE 1902"},
       EventKind::kBirth,
       "1902",
       'c'},
      {"a main line after the fall-backs wins",
       {"1 CHR", "2 DATE 1902", "1 BIRT", "2 DATE 1899"},
       EventKind::kBirth,
       "1899",
       'b'},
      {"an event line with a value is not read",
       {"1 BIRT Y", "2 DATE 1900", "1 CHR", "2 DATE 1902"},
       EventKind::kBirth,
       "1902",
       'c'},
      {"a DATE line of 7 characters holds no date",
       {"1 BIRT", "2 DATE ", "1 BAPM", "2 DATE X"},
       EventKind::kBirth,
       "X",
       'c'},
      {"death falls back to burial",
       {"1 DEAT", "1 BURI", "2 DATE 1970"},
       EventKind::kDeath,
       "1970",
       'd'},
      {"death falls back to cremation",
       {"1 CREM", "2 PLAC Here", "2 DATE 1971"},
       EventKind::kDeath,
       "1971",
       'd'},
      {"marriage falls back to a licence",
       {"1 MARL", "2 DATE 1920"},
       EventKind::kMarriage,
       "1920",
       'm'},
      {"change",
       {"1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"},
       EventKind::kChange,
       " 6 Dec 2026",
       'c'},
      {"a date of another level is not the event's",
       {"1 BIRT", "3 DATE 1900"},
       EventKind::kBirth,
       "",
       0},
  };
  for (const auto& c : cases) {
    TestTree t;
    Lines lines = {"0 @I000001@ INDI"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    EventDateResult result = EventDate(Build(t.store, lines), c.kind);
    EXPECT_EQ(result.date, c.date) << c.what;
    if (!c.date.empty()) {
      EXPECT_EQ(result.letter, c.letter) << c.what;
    }
  }
}

TEST(VitalsOf, SexAndTheSixEventsWithoutRegardToCase) {
  TestTree t;
  Load(t, {Person(1, "A /B/",
                  {"1 SEX F", "1 birt", "2 date 1 JAN 1900", "2 plac Town", "1 CHR",
                   "2 DATE 2 JAN 1900", "1 Bapm", "2 PLAC Church", "1 DEAT", "2 DATE 1950",
                   "1 BURI", "2 PLAC Yard", "1 CREM", "2 DATE 1951", "2 PLAC Oven"}),
           Person(2, "C /D/")});
  Vitals v = VitalsOf(t.store, 1);
  EXPECT_EQ(v.sex, 'F');
  EXPECT_EQ(v.birth.date, "1 JAN 1900");
  EXPECT_EQ(v.birth.place, "Town");
  EXPECT_EQ(v.christening.date, "2 JAN 1900");
  EXPECT_EQ(v.baptism.place, "Church");
  EXPECT_EQ(v.baptism.date, "");
  EXPECT_EQ(v.death.date, "1950");
  EXPECT_EQ(v.burial.place, "Yard");
  EXPECT_EQ(v.cremation.date, "1951");
  EXPECT_EQ(v.cremation.place, "Oven");

  Vitals none = VitalsOf(t.store, 2);
  EXPECT_EQ(none.sex, 'U');
  EXPECT_EQ(none.birth.date, "");
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
  EXPECT_EQ(lines, (Lines{"Kid Lee (1)", "Birth: 5 MAY 1900    Town", "Death:     Yard",
                          "Father: Hal Lee (2)", "Mother: Wen Ray (3)"}));

  PersonSummary(t.store, 4, &lines);  // appends
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[5], "Solo Ray (4)");
  EXPECT_EQ(lines[6], "Death: 1950");
}

// ---- Living or deceased ----

TEST(IsDeceased, DeathLinesDecidePlainAndStrictForms) {
  const struct {
    const char* what;
    Lines lines;
    bool plain;
    bool strict;
  } cases[] = {
      {"a bare DEAT", {"1 DEAT"}, true, false},
      {"DEAT with a place", {"1 DEAT", "2 PLAC Sea"}, true, true},
      {"DEAT with a source", {"1 DEAT", "2 SOUR @S000001@"}, true, true},
      {"DEAT with a note", {"1 DEAT", "2 NOTE lost"}, true, true},
      {"burial", {"1 BURI"}, true, true},
      {"cremation", {"1 CREM"}, true, true},
      {"nothing at all", {"1 SEX M"}, false, false},
      {"a bare DEAT of someone born lately", {"1 BIRT", "2 DATE 1990", "1 DEAT"}, true, false},
  };
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

TEST(IsDeceased, OneHundredTwentyYearsIsStillLiving) {
  TestTree t;
  Load(t, {Person(1, "A /B/", {"1 BIRT", "2 DATE 6 DEC 1906", "1 FAMS " + F(1)}),
           Family(1, 1, 2, {}), Person(2, "C /D/", {"1 FAMS " + F(1)})});
  const Lines before = LinesOf(t, 1);
  t.store.set_tree_modified(false);
  EXPECT_FALSE(IsDeceased(t.store, 1, false));
  EXPECT_EQ(LinesOf(t, 1), before);
  EXPECT_FALSE(t.store.tree_modified());
}

TEST(IsDeceased, OneHundredTwentyOneYearsAddsADeathLineAndStamps) {
  TestTree t;
  Load(t, {Person(1, "A /B/", {"1 BIRT", "2 DATE ABT 1905", "1 FAMS " + F(1)}), Family(1, 1, 2, {}),
           Person(2, "C /D/", {"1 FAMS " + F(1)})});
  t.store.set_tree_modified(false);
  EXPECT_TRUE(IsDeceased(t.store, 1, false));
  EXPECT_EQ(LinesOf(t, 1),
            (Lines{"0 @I000001@ INDI", "1 NAME A /B/", "1 BIRT", "2 DATE ABT 1905", "1 DEAT",
                   "1 FAMS @F000001@", "1 CHAN", "2 DATE  6 Dec 2026", "3 TIME 09:05:07"}));
  EXPECT_TRUE(t.store.tree_modified());
  EXPECT_TRUE(IsDeceased(t.store, 1, false));  // now by the line itself
}

TEST(IsDeceased, DatesStandInForTheBirthDate) {
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
       {Person(1, "A /B/", {"1 FAMC " + F(2), "1 FAMS " + F(1)}),
        Family(1, 1, 0, {4}, {"1 MARR", "2 DATE 1990"}),
        Family(2, 2, 3, {1}, {"1 MARR", "2 DATE 1880"}), Person(2, "C /B/", {"1 FAMS " + F(2)}),
        Person(3, "E /F/", {"1 FAMS " + F(2)}), Person(4, "G /B/", {"1 FAMC " + F(1)})},
       true},
      {"the first family with a date decides",
       {Person(1, "A /B/", {"1 FAMC " + F(2), "1 FAMS " + F(1)}),
        Family(1, 1, 0, {4}, {"1 MARR", "2 DATE 1990"}), Family(2, 2, 3, {1}, {"1 MARR"}),
        Person(2, "C /B/", {"1 FAMS " + F(2), "1 BIRT", "2 DATE 1800"}),
        Person(3, "E /F/", {"1 FAMS " + F(2)}), Person(4, "G /B/", {"1 FAMC " + F(1)})},
       false},
  };
  for (const auto& c : cases) {
    TestTree t;
    Load(t, c.records);
    EXPECT_EQ(IsDeceased(t.store, 1, false), c.deceased) << c.what;
  }
}

// Person 1 without dates; a line of ancestors 2, 3, ... (each the husband of the family of the
// one before), where ancestor `born_at` (2 = father) has the birth year `year`.
void AncestorLine(TestTree& t, int generations, int born_at, int year) {
  std::vector<Lines> records;
  for (int p = 1; p <= generations + 1; ++p) {
    Lines rest;
    if (p <= generations) rest.push_back("1 FAMC " + F(p));
    if (p > 1) rest.push_back("1 FAMS " + F(p - 1));
    if (p == born_at) {
      rest.push_back("1 BIRT");
      rest.push_back("2 DATE " + std::to_string(year));
    }
    records.push_back(Person(p, "P" + std::to_string(p) + " /B/", rest));
    if (p <= generations) records.push_back(Family(p, p + 1, 0, {p}));
  }
  Load(t, records);
}

TEST(IsDeceased, AncestorsBornTooLongAgoProveDeath) {
  const struct {
    const char* what;
    int generations;
    int born_at;
    int year;
    bool deceased;
  } cases[] = {
      {"father born 161 years ago", 1, 2, 1865, true},
      {"father born 160 years ago", 1, 2, 1866, false},
      {"grandfather born 201 years ago", 2, 3, 1825, true},
      {"grandfather born 200 years ago", 2, 3, 1826, false},
      {"great-grandfather born 241 years ago", 3, 4, 1785, true},
      {"four generations up is not asked", 4, 5, 1000, false},
  };
  for (const auto& c : cases) {
    TestTree t;
    AncestorLine(t, c.generations, c.born_at, c.year);
    EXPECT_EQ(IsDeceased(t.store, 1, false), c.deceased) << c.what;
    EXPECT_EQ(FindTagLine(t.store.individual(1)->lines, "1 DEAT") != nullptr, c.deceased) << c.what;
  }
}

// Person 1 without dates with a line of descendants 2, 3, ... (each the only child of the one
// before); descendant `born_at` has the birth year `year`.
void DescendantLine(TestTree& t, int generations, int born_at = 0, int year = 0) {
  std::vector<Lines> records;
  for (int p = 1; p <= generations + 1; ++p) {
    Lines rest;
    if (p > 1) rest.push_back("1 FAMC " + F(p - 1));
    if (p <= generations) rest.push_back("1 FAMS " + F(p));
    if (p == born_at) {
      rest.push_back("1 BIRT");
      rest.push_back("2 DATE " + std::to_string(year));
    }
    records.push_back(Person(p, "P" + std::to_string(p) + " /B/", rest));
    if (p <= generations) records.push_back(Family(p, p, 0, {p + 1}));
  }
  Load(t, records);
}

TEST(IsDeceased, DescendantsBornTooLongAgoOrTooManyProveDeath) {
  const struct {
    const char* what;
    int generations;
    int born_at;
    int year;
    bool deceased;
  } cases[] = {
      {"child born 101 years ago", 1, 2, 1925, true},
      {"child born 100 years ago", 1, 2, 1926, false},
      {"grandchild born 81 years ago", 2, 3, 1945, true},
      {"grandchild born 80 years ago", 2, 3, 1946, false},
      {"five generations of descendants", 5, 0, 0, false},
      {"a sixth generation of descendants", 6, 0, 0, true},
  };
  for (const auto& c : cases) {
    TestTree t;
    DescendantLine(t, c.generations, c.born_at, c.year);
    EXPECT_EQ(IsDeceased(t.store, 1, false), c.deceased) << c.what;
  }
}

TEST(IsDeceased, AnAncestryLoopEnds) {
  TestTree t;
  Load(t, {Person(1, "A /B/", {"1 FAMC " + F(1)}),
           Person(2, "C /B/", {"1 FAMC " + F(2), "1 FAMS " + F(1)}), Family(1, 2, 0, {1}),
           Family(2, 1, 0, {2})});
  EXPECT_FALSE(IsDeceased(t.store, 1, false));
  EXPECT_FALSE(IsDeceased(t.store, 2, true));
}

// ---- Direct line of the home person ----

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
    int person, father, mother;
    int status;
  } cases[] = {
      {"the home person", 1, 2, 3, 4},
      {"father", 2, 4, 5, 1},
      {"mother", 3, 0, 0, 1},
      {"grandmother", 5, 0, 0, 1},
      {"aunt", 6, 4, 5, 2},
      {"cousin", 7, 8, 6, 3},
      {"nephew", 11, 10, 12, 4},
      {"brother (not a cousin)", 10, 2, 3, 4},
      {"no relation", 9, 0, 0, 4},
      {"an uncle by marriage", 8, 0, 0, 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DirectLineStatus(t.store, c.person, c.father, c.mother), c.status) << c.what;
  }
  t.store.set_home_person(99);
  EXPECT_EQ(DirectLineStatus(t.store, 2, 4, 5), 4);
}

TEST(DirectLineStatus, TheParentKindDecidesWhichParentIsFollowed) {
  const struct {
    const char* pedi;
    int father_status;
    int mother_status;
  } cases[] = {
      {"2 PEDI Adopted", 1, 1},  {"2 PEDI Adopt Fth", 1, 1}, {"2 PEDI Step Fth", 4, 1},
      {"2 PEDI Step Mth", 1, 4}, {"2 PEDI Foster", 4, 4},    {"2 PEDI Sealing", 4, 4},
  };
  for (const auto& c : cases) {
    TestTree t;
    HomeTree(t, {c.pedi});
    EXPECT_EQ(DirectLineStatus(t.store, 2, 4, 5), c.father_status) << c.pedi;
    EXPECT_EQ(DirectLineStatus(t.store, 4, 0, 0), c.father_status) << c.pedi;
    EXPECT_EQ(DirectLineStatus(t.store, 3, 0, 0), c.mother_status) << c.pedi;
  }
}

TEST(DirectLineText, TheIndicatorOfEachStatus) {
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

}  // namespace
}  // namespace kinloom::core
