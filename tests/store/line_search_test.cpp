#include "store/line_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "store/decimal.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::RecordLines;
using testing::Split;
using testing::TestTree;
using Lines = std::vector<std::string>;

// A list of lines owned by the tree, not filed under any record number.
LineNode* Build(RecordStore& store, const Lines& lines) {
  LineNode* first = nullptr;
  LineNode* last = nullptr;
  for (const auto& text : lines) {
    LineNode* line = store.AppendLine(&last, text);
    if (first == nullptr) first = line;
  }
  return first;
}
LineNode* Build(RecordStore& store, std::string_view lines) {
  return Build(store, Split(lines));
}

// The i-th line of a list (from 0).
LineNode* At(LineNode* first, int i) {
  while (i-- > 0) first = first->next;
  return first;
}

// ---- Cross-references and tags ----

TEST(XrefNumber, ReadsTheNumberAfterTheRecordLetterAndRejectsShortOrHugeTexts) {
  const std::pair<const char*, int> cases[] = {
      {"1 FAMC @F000012@", 12},
      {"@S29999@", 29999},
      {"@I7", 7},                      // no closing "@" needed
      {"@F3@ then @F9@", 3},           // the first "@" counts
      {"1 NAME Ann Lee", 0},           // no "@"
      {"1 HUSB @", 0},                 // ends at the "@"
      {"1 HUSB @I", 0},                // ends within the two characters
      {"1 HUSB @Ixyz@", 0},            // no digits where the number starts
      {"@I99999999999999999999@", 0},  // too large for an int
      {"@I2147483648@", 0},            // one past the largest int
      {"@I2147483647@", 2147483647},   // the largest int still fits
  };
  for (const auto& [text, number] : cases) EXPECT_EQ(XrefNumber(text), number) << text;
  EXPECT_EQ(MakeXref('F', 12), "@F000012@");
  EXPECT_EQ(XrefNumber(MakeXref('I', 999999)), 999999);
}

TEST(Decimal, ReadsSignsBlanksAndRunsThatOutgrowTheirCap) {
  const struct {
    const char* text;
    long long value;
  } cases[] = {
      {"  42 rest", 42},
      {"-17", -17},
      {"+8", 8},
      {"", 0},
      {"   ", 0},
      {"x12", 0},
      {"- 5", 0},
      {"99999999999", 1000000},
      {"-99999999999", -1000000},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadSignedDecimal(c.text, 1000000), c.value) << c.text;
  const DecimalRun run = ReadDigits("ab123cd", 2, 1000);
  EXPECT_TRUE(run.found);
  EXPECT_EQ(run.value, 123);
  EXPECT_EQ(run.end, 5u);
  EXPECT_FALSE(ReadDigits("ab", 2, 1000).found);
  EXPECT_EQ(ReadDigits("9223372036854775807999", 0, 9223372036854775807LL).value,
            9223372036854775807LL);  // no overflow at the widest cap
}

TEST(CompareTags, ComparesLevelAndWholeTagOnly) {
  const struct {
    const char *a, *b;
    int result;
  } cases[] = {
      {"1 SEX M", "1 SEX", 0},      {"1 NAME Ann", "1 NAME Bob", 0}, {"1 NAME", "2 NAME", -1},
      {"1 DIV", "1 DIVF", -1},      {"1 DIVF x", "1 DIV x", 1},      {"1 BIRT", "1 BAPM", 1},
      {"2 DATE", "2 DATE 1900", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CompareTags(c.a, c.b), c.result) << c.a << " | " << c.b;
  EXPECT_TRUE(HasTag("1 SEX M", "1 SEX"));
  EXPECT_TRUE(HasTag("1 CHAN", "1 CHAN"));
  EXPECT_FALSE(HasTag("1 DIVF", "1 DIV"));
  EXPECT_FALSE(HasTag("2 CHAN", "1 CHAN"));
}

TEST(FindTagLine, CountsWholeTagsAndStaysInsideTheRecord) {
  TestTree t;
  LineNode* first = Build(t.store,
                          "0 @I000001@ INDI|1 FAMSX @F000009@|1 FAMS @F000001@|2 FAMS @F000008@|"
                          "1 FAMS @F000002@|0 @I000002@ INDI|1 FAMS @F000003@");
  EXPECT_EQ(FindTagLine(first, "1 FAMS"), At(first, 2));
  EXPECT_EQ(FindTagLine(first, "1 FAMS", 2), At(first, 4));
  EXPECT_EQ(FindTagLine(first, "1 FAMS", 3), nullptr);    // not the next record's line
  EXPECT_EQ(FindTagLine(first, "0 @I000001@"), nullptr);  // the level-0 line is skipped
  EXPECT_EQ(FindTagLine(nullptr, "1 FAMS"), nullptr);
}

TEST(FindSubLine, MatchesPrefixesAndStopsBelowThePrefixLevel) {
  TestTree t;
  LineNode* first = Build(t.store,
                          "0 @I000001@ INDI|1 BIRT|2 DATE 1900|3 TIME 10:00|2 SOURCE x|1 DEAT|"
                          "2 DATE 1950|0 @I000002@ INDI|1 BIRT");
  LineNode* birth = At(first, 1);
  EXPECT_EQ(FindSubLine(birth, "2 DATE"), At(first, 2));
  EXPECT_EQ(FindSubLine(birth, "2 SOUR"), At(first, 4));  // prefix match
  EXPECT_EQ(FindSubLine(birth, "3 TIME"), nullptr);       // "2 DATE" is below level 3
  EXPECT_EQ(FindSubLine(At(first, 2), "3 TIME"), At(first, 3));
  EXPECT_EQ(FindSubLine(birth, "2 DATE", 2), nullptr);           // DEAT's date is beyond "1 DEAT"
  EXPECT_EQ(FindSubLine(At(first, 2), "2 SOUR"), At(first, 4));  // a later sibling counts
  EXPECT_EQ(FindSubLine(At(first, 2), "3 TIME", 2), nullptr);
  EXPECT_EQ(FindSubLine(first, "1 DEAT"), At(first, 5));
  EXPECT_EQ(FindSubLine(first, "1 BIRT", 2), nullptr);  // stops at the next record
}

TEST(FindFirstOfTags, WholeFirstTagPrefixOthersAndTellsWhichMatched) {
  TestTree t;
  LineNode* first = Build(t.store, "0 @I000001@ INDI|1 BIRTH x|1 CHRISTENING|1 BAPM|1 BIRT");
  int which = -1;
  EXPECT_EQ(FindFirstOfTags(first, "1 BIRT", "1 BAPM", "1 CHR", &which), At(first, 2));
  EXPECT_EQ(which, 3);
  EXPECT_EQ(FindFirstOfTags(first, "1 BIRT", "1 BAPM", {}, &which), At(first, 3));
  EXPECT_EQ(which, 2);
  EXPECT_EQ(FindFirstOfTags(first, "1 BIRT", {}, {}, &which), At(first, 4));
  EXPECT_EQ(which, 1);
  EXPECT_EQ(FindFirstOfTags(At(first, 4), "1 BIRT", "", ""), At(first, 4));  // inclusive
  EXPECT_EQ(FindFirstOfTags(first, "1 DEAT", "", "", &which), nullptr);      // empty never matches
  EXPECT_EQ(which, 0);
}

TEST(FindXrefLine, MatchesPrefixAndNumberAndTheBeforeFormGivesTheLineToUnlinkFrom) {
  TestTree t;
  LineNode* first =
      Build(t.store,
            "0 @I000001@ INDI|1 FAMC @F000012@|1 FAMS @F000003@|1 FAMS @F000012@|1 FAMS @F000012@");
  EXPECT_EQ(FindXrefLine(first, "1 FAMS", 12), At(first, 3));
  EXPECT_EQ(FindXrefLine(At(first, 3), "1 FAMS", 12), At(first, 3));  // inclusive
  EXPECT_EQ(FindXrefLine(first, "1 FAMS", 4), nullptr);
  EXPECT_EQ(FindXrefLineBefore(first, "1 FAMS", 12), At(first, 2));
  EXPECT_EQ(FindXrefLineBefore(first, "1 FAMC", 12), first);
  EXPECT_EQ(FindXrefLineBefore(first, "1 FAMS", 4), nullptr);
  EXPECT_EQ(FindXrefLineBefore(nullptr, "1 FAMS", 12), nullptr);
  // When the starting line itself matches there is no line before it, even with a later match.
  EXPECT_EQ(FindXrefLineBefore(At(first, 1), "1 FAMC", 12), nullptr);
  EXPECT_EQ(FindXrefLineBefore(At(first, 3), "1 FAMS", 12), nullptr);
}

TEST(FindLastOfTags, LastOfEitherTagBeforeChanElseTheLastLineBeforeIt) {
  TestTree t;
  LineNode* first = Build(t.store,
                          "0 @I000001@ INDI|1 FAMS @F000001@|1 FAMC @F000002@|2 PEDI Adopted|"
                          "1 NOTE x|1 CHAN|2 DATE 1 JAN 2000|1 FAMS @F000003@");
  EXPECT_EQ(FindLastOfTags(first, "1 FAMS", "1 FAMC"), At(first, 2));
  EXPECT_EQ(FindLastOfTags(first, "1 FAMS", "1 XXXX"), At(first, 1));
  EXPECT_EQ(FindLastOfTags(first, "1 OBJE", "1 XXXX"), At(first, 4));
  LineNode* no_chan = Build(t.store, "0 @I000002@ INDI|1 NAME A /B/|1 SEX F");
  EXPECT_EQ(FindLastOfTags(no_chan, "1 OBJE", "1 XXXX"), At(no_chan, 2));
}

TEST(SubLines, CountSubTagAfterAndLastOfSubLines) {
  TestTree t;
  LineNode* first = Build(t.store,
                          "0 @I000001@ INDI|1 BIRT|2 SOUR @S000001@|3 PAGE 1|3 PAGE 2|2 SOURCE|"
                          "3 PAGE 3|1 DEAT|2 SOUR x");
  // CountSubTag compares six characters and stops at a lower level.
  EXPECT_EQ(CountSubTag(At(first, 1), "2 SOUR"), 2);
  EXPECT_EQ(CountSubTag(At(first, 2), "3 PAGE"), 2);
  EXPECT_EQ(CountSubTag(At(first, 1), "3 PAGE"), 0);  // "2 SOUR" is below level 3
  EXPECT_EQ(CountSubTag(first, "1 BIRT"), 1);
  EXPECT_EQ(CountSubTag(nullptr, "1 BIRT"), 0);
  EXPECT_EQ(AfterSubLines(At(first, 1)), At(first, 7));
  EXPECT_EQ(LastOfSubLines(At(first, 1)), At(first, 6));
  EXPECT_EQ(LastOfSubLines(At(first, 8)), At(first, 8));
  EXPECT_EQ(AfterSubLines(At(first, 8)), nullptr);
}

// ---- Insertion points ----

// `placed` is a record with the new line marked by ">"; the line is taken out, put back where
// the insertion point says (below line `event` for a sub-line), and the result compared.
void ExpectPlaced(std::string_view placed, int event = -1) {
  Lines expected = Split(placed);
  Lines without;
  std::string new_line;
  for (auto& line : expected) {
    if (line.starts_with('>'))
      line.erase(0, 1), new_line = line;
    else
      without.push_back(line);
  }
  TestTree t;
  LineNode* first = Build(t.store, without);
  const std::string prefix = new_line.substr(0, new_line.find(' ', 2));  // "1 SEX" of "1 SEX F"
  LineNode* after =
      event < 0 ? FindInsertPoint(first, prefix) : FindSubInsertPoint(At(first, event), prefix);
  ASSERT_NE(after, nullptr) << placed;
  after->next = t.store.NewLine(new_line, after->next);
  EXPECT_EQ(RecordLines(first), expected) << placed;
}

TEST(FindInsertPoint, PlacesNewLevelOneLinesByTagOrder) {
  const char* const cases[] = {
      // after NAME and its sub-lines, before BIRT
      "0 @I000001@ INDI|1 NAME Ann /Lee/|2 SOUR @S000001@|3 PAGE 4|>1 SEX F|1 BIRT|2 DATE 1900",
      // after the last line of a same-tag group and its sub-lines
      "0 @I000001@ INDI|1 NAME A|1 FAMS @F000001@|1 FAMS @F000002@|2 NOTE x|>1 FAMS @F000003@|"
      "1 NOTE n",
      // a same-tag group wins over the order, wherever it stands
      "0 @I000001@ INDI|1 NOTE a|>1 NOTE b|1 NAME A|1 BIRT",
      // lines that begin like the found line join its group
      "0 @I000001@ INDI|1 NAME A|2 NOTE x|1 NAME B|2 NOTE y|>1 TITL Sir|1 BIRT",
      // an unknown tag goes after CHAN, within the record
      "0 @I000001@ INDI|1 NAME A|1 CHAN|2 DATE 1 JAN 2000|>1 _UID 42|0 @I000002@ INDI",
      // family lines: a child after the wife, a wife after the husband
      "0 @F000001@ FAM|1 HUSB @I000001@|1 WIFE @I000002@|>1 CHIL @I000003@|1 MARR|2 DATE 1920",
      "0 @F000001@ FAM|1 HUSB @I000001@|>1 WIFE @I000002@|1 CHIL @I000003@",
      // a level-2 line of the same tag is not the same tag
      "0 @I000001@ INDI|1 NAME A|2 NOTE x|>1 NOTE n|1 CHAN",
      // a bare CHR line does not take a following CHRA into its group
      "0 @I000001@ INDI|1 NAME A|1 CHR|2 DATE 1900|>1 BAPM|1 CHRA|2 DATE 1920",
  };
  for (const char* placed : cases) ExpectPlaced(placed);
  EXPECT_EQ(FindInsertPoint(nullptr, "1 SEX"), nullptr);
  EXPECT_EQ(FindSubInsertPoint(nullptr, "2 DATE"), nullptr);
}

TEST(FindSubInsertPoint, PlacesSubLinesBySubTagOrderWithinTheEvent) {
  const std::string two_events =
      "0 @I000001@ INDI|1 BIRT|2 DATE 1900|2 SOUR @S000001@|3 PAGE 12|1 DEAT|2 DATE 1950|"
      "2 PLAC There";
  const std::pair<std::string, int> cases[] = {
      {"0 @I000001@ INDI|1 BIRT|2 DATE 1900|>2 PLAC Here|2 SOUR @S000001@|3 PAGE 12|1 DEAT|"
       "2 DATE 1950|2 PLAC There",
       1},
      {"0 @I000001@ INDI|1 BIRT|2 DATE 1900|2 SOUR @S000001@|3 PAGE 12|>2 NOTE n|1 DEAT|"
       "2 DATE 1950|2 PLAC There",
       1},
      {"0 @I000001@ INDI|1 BIRT|2 DATE 1900|2 SOUR @S000001@|3 PAGE 12|>2 SOUR @S000002@|1 DEAT|"
       "2 DATE 1950|2 PLAC There",
       1},
      {two_events + "|>2 SOUR @S000002@", 5},  // below the second event, behind its place line
      // An event without sub-lines does not borrow the next event's.
      {"0 @I000001@ INDI|1 BIRT|>2 DATE 1900|1 DEAT|2 DATE 1950", 1},
      {"0 @I000001@ INDI|1 BIRT|>2 PLAC Here|1 DEAT|2 DATE 1950", 1},
  };
  for (const auto& [placed, event] : cases) ExpectPlaced(placed, event);
}

TEST(FindInsertPoint, EveryTagInsertedInAnyOrderEndsInTheFixedOrder) {
  const Lines order = Split(
      "1 NAME|1 TITL|1 ALIA|1 SEX|1 BIRT|1 CHR|1 BAPM|1 BAPL|1 ADOP|1 DEAT|1 BURI|1 CREM|1 FAMC|"
      "1 FAMS|1 AFN|1 SSN|1 OCCU|1 ADDR|1 RESI|1 PHON|1 MAIL|1 FACE|1 CENS|1 EDUC|1 GRAD|1 RETI|"
      "1 IMMI|1 EMIG|1 NATI|1 NATU|1 PROP|1 PROB|1 WILL|1 RELI|1 CHRA|1 FCOM|1 CONF|1 CONL|"
      "1 BARM|1 BASM|1 ENDL|1 SLGC|1 ORDN|1 ORDL|1 HUSB|1 WIFE|1 CHIL|1 ENGA|1 MARC|1 MARL|"
      "1 MARR|1 ANUL|1 DIVF|1 DIV|1 SLGS|1 SOUR|1 AUTH|1 MEDI|1 PUBL|1 QUAY|1 NOTE|1 OBJE|1 CHAN");
  Lines expected = {"0 @I000001@ INDI"};
  for (const auto& tag : order) expected.push_back(tag + " v");
  std::mt19937 random(20261206);
  for (int round = 0; round < 20; ++round) {
    Lines shuffled = order;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    TestTree t;
    LineNode* first = Build(t.store, "0 @I000001@ INDI");
    for (const auto& tag : shuffled) {
      LineNode* after = FindInsertPoint(first, tag);
      after->next = t.store.NewLine(tag + " v", after->next);
    }
    ASSERT_EQ(RecordLines(first), expected) << "round " << round;
  }
}

}  // namespace
}  // namespace kinloom::store
