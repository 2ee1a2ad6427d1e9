#include "core/dates.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/clock.h"
#include "store/date_format.h"

namespace kinloom::core {
namespace {

using platform::DateTime;

// The leap day counts from March in Gregorian leap years; qualifiers are passed over and the
// last part of a range is read; a lone number is a year (no month has day 40, "12 JUNE" has no
// year); full English month names and "SEPT" in any case; "BC", "BCE" and "B.C." in any case,
// with or without dots, after the date that is read (not "FROM 100 BC TO 1900"); only the first
// 256 characters are looked at.
TEST(ParseDate, ReadsYearAndDayOfYear) {
  struct Case {
    std::string_view text;
    int year, day;
  };
  std::vector<Case> cases = {
      {"12 JAN 1900", 1900, 12},   {"JAN 1900", 1900, 0},       {"1900", 1900, 0},
      {"FEB 1900", 1900, 31},      {"31 DEC 1901", 1901, 365},  {"12 jan 1900", 1900, 12},
      {"1 MAR 1904", 1904, 61},    {"1 MAR 1900", 1900, 60},    {"1 MAR 2000", 2000, 61},
      {"28 FEB 2000", 2000, 59},   {"MAR 1904", 1904, 60},      {"ABT 1900", 1900, 0},
      {"AFT 1900", 1900, 0},       {"BEF 1900", 1900, 0},       {"BTW 1900", 1900, 0},
      {"EST 1900", 1900, 0},       {"12 DEC", 12, 0},           {"40 JAN 1900", 40, 0},
      {"100 bc", -99, 0},          {"6001 BC", -6000, 0},       {"12 JUNE 1900", 1900, 163},
      {"12 SEPT 1900", 1900, 255}, {"12 Sept 1900", 1900, 255}, {"1 MARCH 1904", 1904, 61},
      {"JUNE 1900", 1900, 151},    {"12 JUNE", 12, 0},          {"100 B.C.", -99, 0},
      {"100 BC", -99, 0},          {"100 Bc", -99, 0},          {"100 BCE", -99, 0},
      {"100 b.c.e.", -99, 0},      {"100 B.C", -99, 0},         {"100BC", -99, 0},
      {"100 BCX", 100, 0},         {"100 ABC", 100, 0},         {"2500", 2500, 0}};
  cases.insert(cases.end(), {{"1 january 1900", 1900, 1},
                             {"september 1900", 1900, 243},
                             {"12 JUNEX 1900", 12, 0},
                             {"12 XJUNE 1900", 12, 0},
                             {"12 JAN 44 B.C.", -43, 12},
                             {"  12 JAN 1900 \r\n", 1900, 12},
                             {"BET 1850 AND 1860", 1860, 0},
                             {"FROM 1850 TO 1860", 1860, 0},
                             {"1850 OR 2 JAN 1860", 1860, 2},
                             {"abt 12 jan 1900", 1900, 12},
                             {"29 February 1904", 1904, 60},
                             {"3 December 1901", 1901, 337},
                             {"abt 4 July 1776", 1776, 186},
                             {"BET 1 APRIL 1850 AND 2 AUGUST 1860", 1860, 215},
                             {"BET 100 BC AND 50 BC", -49, 0},
                             {"FROM 100 BC TO 1900", 1900, 0}});
  for (const auto& c : cases) {
    const ParsedDate date = ReadDate(c.text);
    EXPECT_EQ(std::make_tuple(date.ok, date.year, date.day), std::make_tuple(true, c.year, c.day))
        << '"' << c.text << '"';
  }
  EXPECT_EQ(ReadDate("12 JAN 1900" + std::string(300, ' ') + "X").day, 12);
}

TEST(ParseDate, RejectsUnknownLeadingWordsOutOfRangeYearsAndHugeNumbers) {
  const std::string digits(300, '9');
  for (const std::string& text :
       {std::string(), std::string("   "), std::string("INT 1900"), std::string("CAL 1900"),
        std::string("UNKNOWN"), std::string("0"), std::string("0 JAN 0"), std::string("2501"),
        std::string("12 JAN 2501"), std::string("ABCD 1900"), std::string("(1900)"),
        std::string("6002 BC"), digits, "12 JAN " + digits, digits + " JAN 1900",
        "1 MAR " + std::string(40, '4'), std::string(260, ' ') + "1900"}) {
    const ParsedDate date = ReadDate(text);
    EXPECT_EQ(std::make_tuple(date.ok, date.year, date.day), std::make_tuple(false, 0, 0))
        << '"' << text << '"';
  }
}

// The flag form: nothing is read once the flag is clear, a failed read zeroes the result and
// keeps the flag, and the first field that reads clears it.
TEST(ParseDate, FlagFormKeepsTheFirstFieldThatReads) {
  int year = 7, day = 8;
  bool flag = false;
  ParseDate("12 JAN 1900", flag, year, day);
  EXPECT_EQ(std::make_tuple(flag, year, day), std::make_tuple(false, 7, 8));
  flag = true;
  ParseDate("INT 1900", flag, year, day);
  EXPECT_EQ(std::make_tuple(flag, year, day), std::make_tuple(true, 0, 0));
  for (std::string_view text : {"", "CAL 1800", "12 JAN 1900", "1 MAR 1904"}) {
    ParseDate(text, flag, year, day);
  }
  EXPECT_EQ(std::make_tuple(flag, year, day), std::make_tuple(false, 1900, 12));
}

TEST(DateSerial, CombinesYearAndDay) {
  EXPECT_EQ(DateSerial("12 JAN 1900"), 1900 * 365 + 12);
  EXPECT_EQ(DateSerial("1900"), 1900 * 365);
  EXPECT_LT(DateSerial("31 DEC 1899"), DateSerial("1 JAN 1900"));
  EXPECT_EQ(DateSerial(""), 0);
  EXPECT_EQ(DateSerial("INT 1900"), 0);
}

TEST(YearOf, TakesLargestLeadingNumberOfAtLeast100) {
  EXPECT_EQ(YearOf("ABT 1850", 2024), 1850);
  EXPECT_EQ(YearOf("BET 1850 AND 1860", 2024), 1860);
  EXPECT_EQ(YearOf("1900s", 2024), 1900);
  EXPECT_EQ(YearOf("12 JAN 100", 2024), 100);
  EXPECT_EQ(YearOf("12 JAN 99", 2024), 2024);
  EXPECT_EQ(YearOf("c1900", 2024), 2024);
  EXPECT_EQ(YearOf("", 2024), 2024);
  EXPECT_GE(YearOf(std::string(40, '9'), 2024), 100);
}

TEST(FormatDate, WritesEveryCombinationOfParts) {
  struct Case {
    int day, month, year;
    std::string_view european, american;
  };
  for (const Case& c :
       {Case{5, 12, 2026, " 5 Dec 2026", "Dec  5, 2026"},
        Case{24, 5, 927, "24 May  927", "May 24,  927"}, Case{5, 12, 0, " 5 Dec", "Dec  5"},
        Case{5, 0, 2026, " 5, 2026", " 5, 2026"}, Case{0, 12, 2026, "Dec 2026", "Dec 2026"},
        Case{5, 0, 0, "5", "5"}, Case{0, 12, 0, "Dec", "Dec"}, Case{0, 0, 2026, "2026", "2026"},
        Case{0, 0, 0, "", ""}}) {
    EXPECT_EQ(store::FormatDate(c.day, c.month, c.year, store::kEuropeanDateStyle), c.european);
    EXPECT_EQ(store::FormatDate(c.day, c.month, c.year, store::kAmericanDateStyle), c.american);
  }
}

TEST(FormatDate, OutOfRangePartsAreMissingAndUnknownStyleDropsOnlyDayWithMonth) {
  const struct {
    int day, month, year, style;
    std::string_view text;
  } cases[] = {{32, 13, 10000, 1, ""},       {-1, 12, 2026, 1, "Dec 2026"},
               {31, 0, 9999, 1, "31, 9999"}, {1, 1, 1, 1, " 1 Jan    1"},
               {5, 12, 2026, 3, ""},         {5, 12, 0, 0, ""},
               {0, 12, 2026, 3, "Dec 2026"}, {5, 0, 2026, 3, " 5, 2026"}};
  for (const auto& c : cases) {
    EXPECT_EQ(store::FormatDate(c.day, c.month, c.year, c.style), c.text)
        << c.day << ' ' << c.month << ' ' << c.year << ' ' << c.style;
  }
  EXPECT_EQ(store::MonthAbbrev(9), "Sep");
  EXPECT_EQ(store::MonthAbbrev(0), "");
  EXPECT_EQ(store::MonthAbbrev(13), "");
  EXPECT_EQ(store::FormatTime(7, 5, 9), "07:05:09");
}

TEST(DateDisplay, FormatsWithEachPicture) {
  const DateTime date{.year = 1927, .month = 9, .day = 4};
  EXPECT_EQ(FormatShortDate(date, DateDisplay::kEuropean), "04 Sep 1927");
  EXPECT_EQ(FormatLongDate(date, DateDisplay::kEuropean), "04 September 1927");
  EXPECT_EQ(FormatShortDate(date, DateDisplay::kAmerican), "Sep 04, 1927");
  EXPECT_EQ(FormatLongDate(date, DateDisplay::kAmerican), "September 04, 1927");
  EXPECT_EQ(FormatWithPicture(date, "d/MMM/yyyy"), "4/Sep/1927");
  EXPECT_EQ(FormatWithPicture({.year = 33, .month = 1, .day = 1}, "yyyy MM"), "0033 MM");
}

TEST(DateDisplay, CaptionsAndDefault) {
  EXPECT_EQ(kDefaultDateDisplay, DateDisplay::kEuropean);
  EXPECT_EQ(DateDisplayCaption(DateDisplay::kEuropean), "Use European format:  24 May 1927");
  EXPECT_EQ(DateDisplayCaption(DateDisplay::kAmerican), "Use American format:  May 24, 1927");
}

TEST(Age, DayOfYearCountsLeapDayFromMarch) {
  const struct {
    int year, month, day, expected;
  } cases[] = {{2023, 1, 1, 1},  {2024, 2, 29, 60}, {2024, 3, 1, 61},
               {1900, 3, 1, 60}, {2000, 3, 1, 61},  {2023, 12, 31, 365}};
  for (const auto& c : cases) {
    EXPECT_EQ(DayOfYear({.year = c.year, .month = c.month, .day = c.day}), c.expected) << c.year;
  }
}

const DateTime kToday{.year = 2024, .month = 3, .day = 10};  // day 70 of a leap year

TEST(Age, YearsDaysAndTheLimitsOfASpan) {
  const struct {
    int start_year, start_day, end_year, end_day;
    bool start_missing, shown;
    std::string_view text;
  } cases[] = {
      {1900, 0, 1901, 0, false, true, "1 yr"},
      {1900, 0, 1900, 0, false, true, "0 yr"},
      {1900, 0, 1902, 0, false, true, "2 yrs"},
      {1900, 100, 1950, 50, false, true, "49y 315d"},
      {1900, 50, 1950, 100, false, true, "50y 50d"},
      {1800, 0, 1920, 0, false, true, "120 yrs"},
      {0, 0, 1950, 0, true, false, ""},
      {1951, 0, 1950, 0, false, false, ""},
      {1800, 0, 1921, 0, false, false, ""},
      {INT_MIN, 0, INT_MAX, 0, false, false, ""},
  };
  for (const auto& c : cases) {
    const AgeResult age = ComputeAge(c.start_year, c.start_day, c.end_year, c.end_day,
                                     c.start_missing, false, kToday);
    EXPECT_EQ(age.shown, c.shown) << c.start_year << "-" << c.end_year;
    if (c.shown) {
      EXPECT_EQ(age.text, c.text) << c.start_year << "-" << c.end_year;
    }
  }
}

TEST(Age, BirthYearAloneRunsToTodayInYearsAndDays) {
  const AgeResult age = AgeFromDates("1950", "", "", "", "", "", kToday);
  EXPECT_TRUE(age.shown);
  EXPECT_EQ(age.text, "74y 70d");
  EXPECT_FALSE(age.death_included);
}

TEST(Age, LongSpansIncludeDeath) {
  const AgeResult age = ComputeAge(1800, 0, 1911, 0, false, false, kToday);
  EXPECT_EQ(age.text, "111 yrs");
  EXPECT_TRUE(age.death_included);
  EXPECT_FALSE(ComputeAge(1800, 0, 1910, 0, false, false, kToday).death_included);
  EXPECT_FALSE(ComputeAge(1800, 100, 1911, 50, false, false, kToday).death_included);
}

TEST(Age, ChoosesFirstReadableStartAndEnd) {
  EXPECT_EQ(AgeFromDates("ABT", "1900", "1800", "CAL", "1950", "1960", kToday).text, "50 yrs");
  EXPECT_EQ(AgeFromDates("", "", "1 JAN 1950", "UNKNOWN", "", "", kToday).text, "74y 69d");
  EXPECT_FALSE(AgeFromDates("", "INT 1900", "", "1950", "", "", kToday).shown);
}

}  // namespace
}  // namespace kinloom::core
