#include "store/date_format.h"

#include <array>
#include <cstdio>

namespace kinloom::store {
namespace {

constexpr std::array<std::string_view, 12> kMonthAbbrevs = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

// The number right-aligned with blanks in at least `width` places.
std::string RightAligned(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), ' ');
  return digits;
}

std::string DayMonthYear(int day, std::string_view month, int year, int style) {
  std::string day_text = RightAligned(day, 2);
  std::string year_text = RightAligned(year, 4);
  if (style == kEuropeanDateStyle) return day_text + ' ' + std::string(month) + ' ' + year_text;
  if (style == kAmericanDateStyle) return std::string(month) + ' ' + day_text + ", " + year_text;
  return {};
}

std::string DayMonth(int day, std::string_view month, int style) {
  std::string day_text = RightAligned(day, 2);
  if (style == kEuropeanDateStyle) return day_text + ' ' + std::string(month);
  if (style == kAmericanDateStyle) return std::string(month) + ' ' + day_text;
  return {};
}

}  // namespace

std::string_view MonthAbbrev(int month) {
  if (!InRange(month, 1, 12)) return {};
  return kMonthAbbrevs[static_cast<std::size_t>(month - 1)];
}

std::string FormatDate(int day, int month, int year, int style) {
  const bool has_day = InRange(day, 1, 31);
  const bool has_month = InRange(month, 1, 12);
  const bool has_year = InRange(year, 1, 9999);
  const std::string_view month_name = MonthAbbrev(month);

  if (has_day && has_month && has_year) return DayMonthYear(day, month_name, year, style);
  if (has_day && has_month) return DayMonth(day, month_name, style);
  if (has_day && has_year) return RightAligned(day, 2) + ", " + RightAligned(year, 4);
  if (has_month && has_year) return std::string(month_name) + ' ' + RightAligned(year, 4);
  if (has_day) return std::to_string(day);
  if (has_month) return std::string(month_name);
  if (has_year) return std::to_string(year);
  return {};
}

std::string FormatTime(int hour, int minute, int second) {
  std::array<char, 48> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%02i:%02i:%02i", hour, minute, second);
  return buffer.data();
}

}  // namespace kinloom::store
