#include "date_phrases.h"

#include <array>
#include <string_view>
#include <vector>

namespace kinloom::gentree {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                      "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<std::string_view, 12> kLowerCaseMonths = {
    "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr std::array<std::string_view, 4> kInterpretationPhrases = {
    "(from census)", "(from gravestone)", "(age at death)", "(from a letter)"};

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month_index) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month_index == 1 && IsLeapYear(year)) return 29;
  return kDays[month_index];
}

std::string DayMonthYear(Random& rng, int year, const std::array<std::string_view, 12>& months) {
  int month_index = static_cast<int>(rng.Below(12));
  int day = rng.Between(1, DaysInMonth(year, month_index));
  std::string date = std::to_string(day);
  date += ' ';
  date += months[month_index];
  date += ' ';
  date += std::to_string(year);
  return date;
}

std::string MonthYear(Random& rng, int year) {
  std::string date(kMonths[rng.Below(12)]);
  date += ' ';
  date += std::to_string(year);
  return date;
}

std::string Qualified(std::string_view keyword, int year) {
  std::string date(keyword);
  date += ' ';
  date += std::to_string(year);
  return date;
}

// "BET a AND b" or "FROM a TO b" with a <= year <= b.
std::string Range(Random& rng, std::string_view opening, std::string_view joint, int year) {
  int first = year - rng.Between(0, 8);
  int last = year + rng.Between(1, 8);
  return Qualified(opening, first) + ' ' + Qualified(joint, last);
}

std::string Interpreted(Random& rng, int year) {
  return Qualified("INT", year) + ' ' + std::string(kInterpretationPhrases[rng.Below(4)]);
}

enum class DateForm {
  kExact,
  kMonthYear,
  kYear,
  kAbout,
  kBefore,
  kAfter,
  kBetween,
  kFromTo,
  kEstimated,
  kLowerCase,
  kCalculated,
  kInterpreted,
};

// Relative frequencies of the forms, in DateForm order.
const std::vector<int>& FormWeights() {
  static const std::vector<int> weights = {45, 8, 15, 10, 3, 3, 3, 2, 3, 4, 2, 2};
  return weights;
}

}  // namespace

std::string ExactDate(Random& rng, int year) {
  return DayMonthYear(rng, year, kMonths);
}

std::string DatePhrase(Random& rng, int year) {
  switch (static_cast<DateForm>(rng.Weighted(FormWeights()))) {
    case DateForm::kExact:
      return ExactDate(rng, year);
    case DateForm::kMonthYear:
      return MonthYear(rng, year);
    case DateForm::kYear:
      return std::to_string(year);
    case DateForm::kAbout:
      return Qualified("ABT", year);
    case DateForm::kBefore:
      return Qualified("BEF", year + rng.Between(1, 5));
    case DateForm::kAfter:
      return Qualified("AFT", year - rng.Between(1, 5));
    case DateForm::kBetween:
      return Range(rng, "BET", "AND", year);
    case DateForm::kFromTo:
      return Range(rng, "FROM", "TO", year);
    case DateForm::kEstimated:
      return Qualified("EST", year);
    case DateForm::kLowerCase:
      return DayMonthYear(rng, year, kLowerCaseMonths);
    case DateForm::kCalculated:
      return Qualified("CAL", year);
    case DateForm::kInterpreted:
      return Interpreted(rng, year);
  }
  return std::to_string(year);
}

}  // namespace kinloom::gentree
