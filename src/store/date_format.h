#pragma once

#include <string>
#include <string_view>

namespace kinloom::store {

// Writing styles for FormatDate: day before month, or month before day.
inline constexpr int kEuropeanDateStyle = 1;
inline constexpr int kAmericanDateStyle = 2;

// "Jan" .. "Dec" for months 1-12; empty for any other number.
std::string_view MonthAbbrev(int month);

// Writes a date from whichever parts are present. A part outside its range (day 1-31, month
// 1-12, year 1-9999) counts as missing. The day is right-aligned in two places and the year in
// four, so 5 Dec 2026 in the European style is " 5 Dec 2026". A day with a month needs a known
// style; any other style then gives an empty text. The other combinations do not depend on the
// style. Used for the file header date and for change stamps.
std::string FormatDate(int day, int month, int year, int style);

// "hh:mm:ss", each part zero-padded to two digits.
std::string FormatTime(int hour, int minute, int second);

}  // namespace kinloom::store
