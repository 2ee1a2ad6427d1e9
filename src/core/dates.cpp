#include "core/dates.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "store/date_format.h"
#include "store/decimal.h"

namespace kinloom::core {
namespace {

// ---- Reading ---------------------------------------------------------------------------------

constexpr std::size_t kWorkSize = 256;

// Each month takes four characters, so a match position divided by four is the month index.
constexpr std::string_view kMonthWords = "JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC ";
constexpr std::size_t kMonthWordWidth = 4;

// Whole month words that the four-character search cannot find: full English names and the
// four-letter "SEPT", with their month index.
constexpr std::array<std::pair<std::string_view, int>, 12> kLongMonthWords = {{
    {"JANUARY", 0},
    {"FEBRUARY", 1},
    {"MARCH", 2},
    {"APRIL", 3},
    {"JUNE", 5},
    {"JULY", 6},
    {"AUGUST", 7},
    {"SEPT", 8},
    {"SEPTEMBER", 8},
    {"OCTOBER", 9},
    {"NOVEMBER", 10},
    {"DECEMBER", 11},
}};

constexpr std::array<int, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};

constexpr std::array<std::string_view, 6> kQualifiers = {"ABT ", "AFT ", "BEF ",
                                                         "BET ", "BTW ", "EST "};

// Numbers stop growing here. The cap is beyond every valid day and year, so a capped number
// always fails validation instead of overflowing.
constexpr int kNumberCap = 1'000'000;

constexpr int kEarliestYear = -6000;
constexpr int kLatestYear = 2500;
constexpr int kLastDayOfYear = 366;
constexpr int kLastDayOfMonth = 31;
constexpr int kMarchIndex = 2;

bool IsDigit(char c) {
  return store::IsDecimalDigit(c);
}
bool IsLetter(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsBlank(char c) {
  return c == ' ';
}
bool IsTrimmed(char c) {
  return c == ' ' || c == '\r' || c == '\n';
}
char ToUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int AppendDigit(int value, char digit) {
  if (value >= kNumberCap) return kNumberCap;
  return std::min(value * 10 + (digit - '0'), kNumberCap);
}

// An upper-case copy of the start of a text, in storage of its own.
class WorkCopy {
 public:
  explicit WorkCopy(std::string_view source) {
    size_ = std::min(source.size(), kWorkSize);
    std::transform(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(size_),
                   chars_.begin(), ToUpper);
  }
  std::string_view view() const { return {chars_.data(), size_}; }

 private:
  std::array<char, kWorkSize> chars_{};
  std::size_t size_ = 0;
};

// While `separator` occurs, the text becomes what follows its first occurrence.
void KeepAfterSeparator(std::string_view& text, std::string_view separator) {
  for (auto at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
    text.remove_prefix(at + separator.size());
  }
}

void DropQualifier(std::string_view& text) {
  for (std::string_view qualifier : kQualifiers) {
    if (text.starts_with(qualifier)) {
      text.remove_prefix(qualifier.size());
      return;
    }
  }
}

void TrimEnds(std::string_view& text) {
  while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
}

// Reduces a date text to the part the scanner reads.
std::string_view PrepareForScan(std::string_view text) {
  KeepAfterSeparator(text, " AND ");
  KeepAfterSeparator(text, " TO ");
  KeepAfterSeparator(text, " OR ");
  DropQualifier(text);
  TrimEnds(text);
  return text;
}

// Walks a prepared date text once: an optional day, an optional month word and a year.
class DateScanner {
 public:
  explicit DateScanner(std::string_view text) : text_(text) {}

  void Run() {
    while (position_ < text_.size() && state_ != State::kDone) Step(text_[position_]);
  }

  bool year_read() const { return year_ != 0; }
  int year() const { return year_; }
  int number() const { return number_; }
  int day_of_month() const { return day_of_month_; }
  int month_index() const { return month_index_; }

 private:
  enum class State { kStart, kDay, kMonth, kYearWait, kYear, kDone };

  void Step(char c) {
    switch (state_) {
      case State::kStart:
        return StepStart(c);
      case State::kDay:
        return StepDay(c);
      case State::kMonth:
        return StepMonth(c);
      case State::kYearWait:
        return StepYearWait(c);
      case State::kYear:
        return StepYear(c);
      case State::kDone:
        return;
    }
  }

  // A first word that is neither a number nor a month ends the chance of a date: the blank
  // after it is passed over together with the next word, and so on to the end.
  void StepStart(char c) {
    if (IsDigit(c)) {
      state_ = State::kDay;
    } else if (IsLetter(c) && text_.size() - position_ > kMonthWordWidth) {
      TakeMonthAtPosition();
      position_ = NextBlankFrom(position_);
    } else {
      position_ = NextBlankFrom(position_ + 1);
    }
  }

  void StepDay(char c) {
    if (IsDigit(c)) {
      number_ = AppendDigit(number_, c);
      day_of_month_ = number_;
    } else {
      state_ = State::kMonth;
    }
    ++position_;
  }

  void StepMonth(char c) {
    if (IsLetter(c)) TakeMonthAtPosition();
    ++position_;
  }

  void StepYearWait(char c) {
    if (IsDigit(c)) {
      state_ = State::kYear;
    } else {
      ++position_;
    }
  }

  void StepYear(char c) {
    if (IsDigit(c)) {
      year_ = AppendDigit(year_, c);
      ++position_;
    } else {
      state_ = State::kDone;
    }
  }

  // When a month word starts here, records the month, counts the days before it and waits for
  // the year.
  void TakeMonthAtPosition() {
    const int month =
        LongMonthAt(position_) >= 0 ? LongMonthAt(position_) : ShortMonthAt(position_);
    if (month < 0) return;
    month_index_ = month;
    number_ += kDaysBeforeMonth[static_cast<std::size_t>(month_index_)];
    state_ = State::kYearWait;
  }

  // The month whose three letters and a blank are the four characters here, or -1.
  int ShortMonthAt(std::size_t at) const {
    if (text_.size() - at < kMonthWordWidth) return -1;
    const auto found = kMonthWords.find(text_.substr(at, kMonthWordWidth));
    return found == std::string_view::npos ? -1 : static_cast<int>(found / kMonthWordWidth);
  }

  // The month of a whole word starting here that is a full month name or "SEPT" and is
  // followed by a blank, as a three-letter month is; -1 for any other word.
  int LongMonthAt(std::size_t at) const {
    if (at > 0 && IsLetter(text_[at - 1])) return -1;
    std::size_t end = at;
    while (end < text_.size() && IsLetter(text_[end])) ++end;
    if (end == text_.size() || !IsBlank(text_[end])) return -1;
    const std::string_view word = text_.substr(at, end - at);
    for (const auto& [name, month] : kLongMonthWords) {
      if (word == name) return month;
    }
    return -1;
  }

  std::size_t NextBlankFrom(std::size_t from) const {
    while (from < text_.size() && !IsBlank(text_[from])) ++from;
    return from;
  }

  std::string_view text_;
  std::size_t position_ = 0;
  State state_ = State::kStart;
  int number_ = 0;
  int day_of_month_ = 0;
  int month_index_ = -1;
  int year_ = 0;
};

// Whether the word at `at`, its dots left out, is "BC" or "BCE".
bool IsBeforeChristWord(std::string_view text, std::size_t at) {
  constexpr std::string_view kLetters = "BCE";
  std::size_t matched = 0;
  for (; at < text.size() && (IsLetter(text[at]) || text[at] == '.'); ++at) {
    if (text[at] == '.') continue;
    if (matched == kLetters.size() || text[at] != kLetters[matched]) return false;
    ++matched;
  }
  return matched >= 2;
}

// "BC", "BCE", "B.C." or "B.C.E." (the copy is upper case) as a word after a blank or right
// after the year.
bool IsBeforeChrist(std::string_view text) {
  for (std::size_t at = 1; at < text.size(); ++at) {
    if ((IsBlank(text[at - 1]) || IsDigit(text[at - 1])) && IsBeforeChristWord(text, at)) {
      return true;
    }
  }
  return false;
}

bool IsValidDate(int year, int day) {
  return day >= 0 && day <= kLastDayOfYear && year != 0 && year >= kEarliestYear &&
         year <= kLatestYear;
}

ParsedDate ScanDate(std::string_view text) {
  if (text.empty()) return {};
  const WorkCopy copy(text);
  const std::string_view prepared = PrepareForScan(copy.view());
  DateScanner scanner(prepared);
  scanner.Run();

  ParsedDate date;
  if (!scanner.year_read() || scanner.day_of_month() > kLastDayOfMonth) {
    date.year = scanner.number();
  } else {
    date.year = scanner.year();
    date.day = scanner.number();
  }
  if (scanner.month_index() >= kMarchIndex && IsLeapYear(date.year)) ++date.day;
  if (IsBeforeChrist(prepared)) date.year = 1 - date.year;
  if (!IsValidDate(date.year, date.day)) return {};
  date.ok = true;
  return date;
}

// The number at the start of a word, held at INT_MAX if it would grow beyond.
int LeadingNumber(std::string_view word) {
  return static_cast<int>(store::ReadDigits(word, 0, INT_MAX).value);
}

// ---- Showing ---------------------------------------------------------------------------------

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string_view MonthName(int month) {
  if (month < 1 || month > 12) return {};
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string ZeroPadded(int value, int width) {
  std::array<char, 32> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%0*d", width, value);
  return buffer.data();
}

// Appends what a run of `length` copies of `letter` stands for in a date picture.
void AppendPictureRun(std::string& out, char letter, std::size_t length,
                      const platform::DateTime& date) {
  if (letter == 'd' && length == 1) {
    out += std::to_string(date.day);
  } else if (letter == 'd' && length == 2) {
    out += ZeroPadded(date.day, 2);
  } else if (letter == 'M' && length == 3) {
    out += store::MonthAbbrev(date.month);
  } else if (letter == 'M' && length == 4) {
    out += MonthName(date.month);
  } else if (letter == 'y' && length == 4) {
    out += ZeroPadded(date.year, 4);
  } else {
    out.append(length, letter);
  }
}

// ---- Ages ------------------------------------------------------------------------------------

constexpr std::int64_t kLongestShownAge = 120;
constexpr std::int64_t kLongestLivingAge = 110;
constexpr std::int64_t kDaysInBorrowedYear = 365;

std::string AgeText(std::int64_t years, std::int64_t days, bool has_days) {
  if (has_days) return std::to_string(years) + "y " + std::to_string(days) + "d";
  return std::to_string(years) + (years > 1 ? " yrs" : " yr");
}

}  // namespace

void ParseDate(std::string_view text, bool& flag, int& year, int& day) {
  if (!flag) return;
  const ParsedDate date = ScanDate(text);
  year = date.year;
  day = date.day;
  if (date.ok) flag = false;
}

ParsedDate ReadDate(std::string_view text) {
  return ScanDate(text);
}

int DateSerial(std::string_view text) {
  const ParsedDate date = ScanDate(text);
  return date.ok ? date.year * 365 + date.day : 0;
}

int YearOf(std::string_view text, int current_year) {
  int largest = 0;
  while (!text.empty()) {
    const auto blank = text.find(' ');
    largest = std::max(largest, LeadingNumber(text.substr(0, blank)));
    if (blank == std::string_view::npos) break;
    text.remove_prefix(blank + 1);
  }
  return largest >= 100 ? largest : current_year;
}

std::string_view DateDisplayCaption(DateDisplay display) {
  return display == DateDisplay::kAmerican ? "Use American format:  May 24, 1927"
                                           : "Use European format:  24 May 1927";
}

std::string_view ShortDatePicture(DateDisplay display) {
  return display == DateDisplay::kAmerican ? "MMM dd, yyyy" : "dd MMM yyyy";
}

std::string_view LongDatePicture(DateDisplay display) {
  return display == DateDisplay::kAmerican ? "MMMM dd, yyyy" : "dd MMMM yyyy";
}

std::string FormatWithPicture(const platform::DateTime& date, std::string_view picture) {
  std::string out;
  std::size_t at = 0;
  while (at < picture.size()) {
    const char letter = picture[at];
    std::size_t length = 1;
    while (at + length < picture.size() && picture[at + length] == letter) ++length;
    AppendPictureRun(out, letter, length, date);
    at += length;
  }
  return out;
}

std::string FormatShortDate(const platform::DateTime& date, DateDisplay display) {
  return FormatWithPicture(date, ShortDatePicture(display));
}

std::string FormatLongDate(const platform::DateTime& date, DateDisplay display) {
  return FormatWithPicture(date, LongDatePicture(display));
}

int DayOfYear(const platform::DateTime& date) {
  if (date.month < 1 || date.month > 12) return date.day;
  int day = date.day + kDaysBeforeMonth[static_cast<std::size_t>(date.month - 1)];
  if (date.month >= kMarchIndex + 1 && IsLeapYear(date.year)) ++day;
  return day;
}

AgeResult ComputeAge(int start_year, int start_day, int end_year, int end_day, bool start_missing,
                     bool end_missing, const platform::DateTime& today) {
  if (start_missing) return {};
  if (end_missing) {
    end_year = today.year;
    end_day = DayOfYear(today);
  }
  // Wide arithmetic: the inputs are any ints, and their differences must not overflow.
  std::int64_t last_year = end_year;
  std::int64_t last_day = end_day;
  if (start_year > last_year || last_year - start_year > kLongestShownAge) return {};
  if (last_day < start_day) {
    last_year -= 1;
    last_day += kDaysInBorrowedYear;
  }
  const std::int64_t years = last_year - start_year;
  const std::int64_t days = last_day - start_day;

  AgeResult age;
  age.shown = true;
  age.text = AgeText(years, days, start_day > 0 || last_day > 0);
  age.death_included = years > kLongestLivingAge;
  return age;
}

AgeResult AgeFromDates(std::string_view birth, std::string_view christening,
                       std::string_view baptism, std::string_view death, std::string_view burial,
                       std::string_view cremation, const platform::DateTime& today) {
  int start_year = 0;
  int start_day = 0;
  bool start_unread = true;
  for (std::string_view text : {birth, christening, baptism}) {
    ParseDate(text, start_unread, start_year, start_day);
  }
  int end_year = 0;
  int end_day = 0;
  bool end_unread = true;
  for (std::string_view text : {death, burial, cremation}) {
    ParseDate(text, end_unread, end_year, end_day);
  }
  return ComputeAge(start_year, start_day, end_year, end_day, start_unread, end_unread, today);
}

}  // namespace kinloom::core
