#include "reports/statistics_dates.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "core/dates.h"
#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::reports {

using store::LineNode;
using store::RecordStore;

namespace {

constexpr int kFirstOfMarch = 60;  // in a common year; slot 60 is 29 February
constexpr std::array<int, 12> kSlotsBeforeMonth = {0,   31,  60,  91,  121, 152,
                                                   182, 213, 244, 274, 305, 335};
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr size_t kDateLookedAt = 256;  // as much as the date reader looks at

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Whether the date reader took a day of the month from the text: it does so only when the part
// it reads (the last of a range or of alternatives, after a qualifier) starts with the day's
// digits. A text that starts with a month has its day counted from the month alone.
bool NamesDayOfMonth(std::string_view text) {
  std::array<char, kDateLookedAt> copy;
  const size_t size = std::min(text.size(), kDateLookedAt);
  std::transform(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(size), copy.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  std::string_view rest(copy.data(), size);
  for (std::string_view separator : {" AND ", " TO ", " OR "}) {
    for (size_t at = rest.find(separator); at != std::string_view::npos;
         at = rest.find(separator)) {
      rest.remove_prefix(at + separator.size());
    }
  }
  for (std::string_view qualifier : {"ABT ", "AFT ", "BEF ", "BET ", "BTW ", "EST "}) {
    if (rest.starts_with(qualifier)) {
      rest.remove_prefix(qualifier.size());
      break;
    }
  }
  const size_t start = rest.find_first_not_of(" \r\n");
  return start != std::string_view::npos && rest[start] >= '0' && rest[start] <= '9';
}

void CountDate(CalendarTally& tally, DateGroup group, std::string_view date) {
  const int slot = CalendarSlot(date);
  if (slot == 0) return;
  ++tally.slots[group][static_cast<size_t>(slot)];
  ++tally.totals[group];
}

std::string_view FirstMarriageDate(const RecordStore& store, LineNode* person, uint16_t pass,
                                   std::string& buffer) {
  const LineNode* fams = store::FindTagLine(person, "1 FAMS");
  if (fams == nullptr) return {};
  const int number = store::XrefNumber(fams->text());
  if (number < 1 || number > store.highest_family()) return {};
  store::FamilyRecord* family = store.family(number);
  if (family == nullptr || family->lines == nullptr || family->walkStamp == pass) return {};
  family->walkStamp = pass;
  buffer = core::EventDetails(family->lines, "1 MARR", "1 MARC", "1 MARL").date;
  return buffer;
}

}  // namespace

int CalendarSlot(std::string_view date) {
  const core::ParsedDate read = core::ReadDate(date);
  if (!read.ok || read.day < 1 || !NamesDayOfMonth(date)) return 0;
  int slot = read.day;
  if (!IsLeapYear(read.year) && slot >= kFirstOfMarch) ++slot;
  return slot <= kCalendarSlots ? slot : 0;
}

int SlotMonth(int slot) {
  const auto after = std::upper_bound(kSlotsBeforeMonth.begin(), kSlotsBeforeMonth.end(), slot - 1);
  return static_cast<int>(after - kSlotsBeforeMonth.begin());
}

std::string SlotText(int slot) {
  const int month = std::clamp(SlotMonth(slot), 1, 12);
  const int day = slot - kSlotsBeforeMonth[static_cast<size_t>(month - 1)];
  char text[16];
  std::snprintf(text, sizeof text, " %02i %s", day,
                std::string(kMonths[static_cast<size_t>(month - 1)]).c_str());
  return text;
}

CalendarTally TallyDates(RecordStore& store, const std::vector<int>& people) {
  CalendarTally tally;
  const uint16_t pass = store.NewWalkNumber();
  std::string marriage;
  for (int n : people) {
    LineNode* first = store.individual(n)->lines;
    CountDate(tally, kBirthDates, core::EventDetails(first, "1 BIRT", "1 BAPM", "1 CHR").date);
    CountDate(tally, kDeathDates, core::EventDetails(first, "1 DEAT", "1 BURI", "1 CREM").date);
    CountDate(tally, kMarriageDates, FirstMarriageDate(store, first, pass, marriage));
  }
  return tally;
}

std::vector<int> SlotsByCount(const SlotCounts& counts) {
  std::vector<int> slots(kCalendarSlots);
  std::iota(slots.begin(), slots.end(), 1);
  std::stable_sort(slots.begin(), slots.end(), [&counts](int a, int b) {
    return counts[static_cast<size_t>(a)] > counts[static_cast<size_t>(b)];
  });
  return slots;
}

std::array<int, 12> CountsPerMonth(const SlotCounts& counts) {
  std::array<int, 12> months{};
  for (int slot = 1; slot <= kCalendarSlots; ++slot) {
    months[static_cast<size_t>(SlotMonth(slot) - 1)] += counts[static_cast<size_t>(slot)];
  }
  return months;
}

}  // namespace kinloom::reports
