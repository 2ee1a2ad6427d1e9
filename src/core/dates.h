#pragma once

#include <string>
#include <string_view>

#include "platform/clock.h"

namespace kinloom::core {

// ---- Reading dates ---------------------------------------------------------------------------
//
// A read date is a year and a day of that year: 0 when only the year is known, otherwise the day
// of the month plus the days of the months before it (one more from March on in a leap year).
// Months are three-letter words, full English names or "SEPT", in any case. Ranges and
// alternatives ("BET 1850 AND 1860", "FROM 1850 TO 1860", "1850 OR 1860") read as their last
// part; a leading ABT, AFT, BEF, BET, BTW or EST is ignored; a lone number is a year; "BC",
// "BCE" or "B.C." after that part turns year y into 1 - y. A read succeeds for years
// -6000..2500 other than 0.

struct ParsedDate {
  int year = 0;
  int day = 0;
  bool ok = false;
};

// Reads `text` only while `flag` is set; with the flag clear it returns at once and leaves
// `year` and `day` as they are. Otherwise both start at 0, and a successful read fills them and
// clears the flag. A caller sets the flag once and offers several fields in turn, so the first
// one that reads is kept. Only the first 256 characters are looked at; nothing is allocated.
void ParseDate(std::string_view text, bool& flag, int& year, int& day);

ParsedDate ReadDate(std::string_view text);

// year * 365 + day, a number that orders dates; 0 when the text is empty or does not read.
int DateSerial(std::string_view text);

// The largest number of at least 100 that starts one of the blank-separated words of `text`, or
// `current_year` when no word starts with such a number.
int YearOf(std::string_view text, int current_year);

// ---- Showing dates ---------------------------------------------------------------------------

enum class DateDisplay { kEuropean, kAmerican };

inline constexpr DateDisplay kDefaultDateDisplay = DateDisplay::kEuropean;

// The text offered to the user when choosing the display, with an example date.
std::string_view DateDisplayCaption(DateDisplay display);

std::string_view ShortDatePicture(DateDisplay display);
std::string_view LongDatePicture(DateDisplay display);

// Writes `date` after `picture`: "d" is the day, "dd" the day in two digits, "MMM" the month's
// three-letter name, "MMMM" its full English name and "yyyy" the year in four digits. Any other
// character, or a run of letters that is not one of these, is copied as it stands.
std::string FormatWithPicture(const platform::DateTime& date, std::string_view picture);

std::string FormatShortDate(const platform::DateTime& date, DateDisplay display);
std::string FormatLongDate(const platform::DateTime& date, DateDisplay display);

// ---- Ages ------------------------------------------------------------------------------------

struct AgeResult {
  bool shown = false;
  std::string text;             // "%iy %id", or "%i yr" / "%i yrs" when neither date has a day
  bool death_included = false;  // the span is so long that the person must have died
};

// Day of the year of a calendar date, 1-366.
int DayOfYear(const platform::DateTime& date);

// The age from a start date to an end date, both as read by ParseDate. A missing end means
// today. Nothing is shown without a start, when the start is after the end, or when the span is
// more than 120 years.
AgeResult ComputeAge(int start_year, int start_day, int end_year, int end_day, bool start_missing,
                     bool end_missing, const platform::DateTime& today);

// The age of a person from the event dates: it starts at the first of birth, christening and
// baptism that reads, and ends at the first of death, burial and cremation that reads, or today.
AgeResult AgeFromDates(std::string_view birth, std::string_view christening,
                       std::string_view baptism, std::string_view death, std::string_view burial,
                       std::string_view cremation, const platform::DateTime& today);

}  // namespace kinloom::core
