// The date forms automatic entry reads.
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "core/auto_entry.h"
#include "core/auto_entry_words.h"

namespace kinloom::core {
namespace {

using entry_words::Lower;

constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                      "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<std::string_view, 12> kMonthNames = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};
constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFirstYear = 100;
constexpr int kLastYear = 2199;

// A word without the punctuation that may follow it in running text.
std::string Bare(std::string_view word) {
  while (!word.empty() && (word.back() == ',' || word.back() == '.' || word.back() == ';')) {
    word.remove_suffix(1);
  }
  return Lower(word);
}

bool ReadNumber(std::string_view text, int* value) {
  if (text.empty() || text.size() > 4) return false;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

// 1-12 for a month word ("Mar", "March", "Sept", "mar."), else 0.
int MonthOf(std::string_view word) {
  const std::string bare = Bare(word);
  if (bare.size() < 3) return 0;
  if (bare == "sept") return 9;
  for (size_t m = 0; m < kMonthNames.size(); ++m) {
    if (kMonthNames[m] == bare || kMonthNames[m].substr(0, 3) == bare) return int(m) + 1;
  }
  return 0;
}

bool ReadYear(std::string_view word, int* year) {
  return ReadNumber(Bare(word), year) && *year >= kFirstYear && *year <= kLastYear;
}

// "12", "12th", "1st".
bool ReadDay(std::string_view word, int* day) {
  std::string bare = Bare(word);
  for (std::string_view suffix : {"st", "nd", "rd", "th"}) {
    if (bare.size() > suffix.size() && bare.ends_with(suffix)) {
      bare.resize(bare.size() - suffix.size());
      break;
    }
  }
  return ReadNumber(bare, day) && *day >= 1 && *day <= 31;
}

std::string Gedcom(int day, int month, int year) {
  std::string text;
  if (day > 0) text += std::to_string(day) + " ";
  if (month > 0) text += std::string(kMonths[month - 1]) + " ";
  return text + std::to_string(year);
}

// "12.3.1850" (day first, as written in Europe); "12/3/1850" is refused elsewhere as unclear.
bool ReadDottedDate(std::string_view word, std::string* date) {
  std::string bare(word);
  while (!bare.empty() && (bare.back() == ',' || bare.back() == ';')) bare.pop_back();
  const size_t first = bare.find('.');
  const size_t second = first == std::string::npos ? first : bare.find('.', first + 1);
  if (second == std::string::npos) return false;
  int day = 0, month = 0, year = 0;
  if (!ReadNumber(std::string_view(bare).substr(0, first), &day) ||
      !ReadNumber(std::string_view(bare).substr(first + 1, second - first - 1), &month) ||
      !ReadYear(std::string_view(bare).substr(second + 1), &year)) {
    return false;
  }
  if (month < 1 || month > 12 || day < 1 || day > kDaysInMonth[month - 1]) return false;
  *date = Gedcom(day, month, year);
  return true;
}

// One plain date: "12 Mar 1850", "Mar 12, 1850", "March 1850", "1850", "12.3.1850".
size_t ReadPlainDate(const std::vector<std::string>& words, size_t at, std::string* date) {
  auto word = [&](size_t k) -> std::string_view {
    return at + k < words.size() ? std::string_view(words[at + k]) : std::string_view();
  };
  int day = 0, month = 0, year = 0;
  if (ReadDottedDate(word(0), date)) return 1;
  if (ReadDay(word(0), &day) && (month = MonthOf(word(1))) > 0 && ReadYear(word(2), &year)) {
    if (day > kDaysInMonth[month - 1]) return 0;
    *date = Gedcom(day, month, year);
    return 3;
  }
  if ((month = MonthOf(word(0))) > 0) {
    if (ReadDay(word(1), &day) && ReadYear(word(2), &year)) {
      if (day > kDaysInMonth[month - 1]) return 0;
      *date = Gedcom(day, month, year);
      return 3;
    }
    if (ReadYear(word(1), &year)) {
      *date = Gedcom(0, month, year);
      return 2;
    }
    return 0;
  }
  if (ReadYear(word(0), &year)) {
    *date = Gedcom(0, 0, year);
    return 1;
  }
  return 0;
}

std::string_view QualifierOf(std::string_view word) {
  const std::string bare = Bare(word);
  if (bare == "abt" || bare == "about" || bare == "c" || bare == "ca" || bare == "circa" ||
      bare == "approx" || bare == "around") {
    return "ABT";
  }
  if (bare == "est" || bare == "estimated") return "EST";
  if (bare == "bef" || bare == "before") return "BEF";
  if (bare == "aft" || bare == "after") return "AFT";
  if (bare == "bet" || bare == "btw" || bare == "between") return "BET";
  if (bare == "from") return "FROM";
  return {};
}

bool IsRangeWord(std::string_view word, std::string_view qualifier) {
  const std::string bare = Bare(word);
  if (qualifier == "BET") return bare == "and" || bare == "-";
  if (qualifier == "FROM") return bare == "to" || bare == "-";
  return bare == "-" || bare == "to";
}

}  // namespace

size_t ReadEntryDateWords(const std::vector<std::string>& words, size_t start, std::string* date) {
  size_t at = start;
  std::string_view qualifier =
      start < words.size() ? QualifierOf(words[start]) : std::string_view();
  if (!qualifier.empty()) ++at;
  std::string first;
  const size_t plain = ReadPlainDate(words, at, &first);
  if (plain == 0) return 0;
  at += plain;
  // A second date makes a range: "1852 - 1860", "bet 1852 and 1860", "from 1852 to 1860".
  std::string second;
  if (at + 1 < words.size() && IsRangeWord(words[at], qualifier)) {
    if (const size_t more = ReadPlainDate(words, at + 1, &second); more > 0) {
      at += 1 + more;
      *date = (qualifier == "FROM" ? "FROM " : "BET ") + first +
              (qualifier == "FROM" ? " TO " : " AND ") + second;
      return at - start;
    }
  }
  if (qualifier == "BET" || qualifier == "FROM") return 0;  // a range needs its second date
  *date = qualifier.empty() ? first : std::string(qualifier) + " " + first;
  return at - start;
}

std::optional<std::string> EntryDate(std::string_view text) {
  const std::vector<std::string> words = entry_words::SplitWords(text);
  if (words.empty()) return std::string();
  std::string date;
  if (ReadEntryDateWords(words, 0, &date) != words.size()) return std::nullopt;
  return date;
}

}  // namespace kinloom::core
