#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "store/record_store.h"

namespace kinloom::reports {

// The calendar days of births, deaths and marriages. Every date falls on a slot of a 366-day
// calendar in which February has 29 days: slot 1 is 1 January, slot 60 is 29 February, slot 61
// is 1 March, slot 366 is 31 December.

inline constexpr int kCalendarSlots = 366;

enum DateGroup : int { kBirthDates = 0, kDeathDates = 1, kMarriageDates = 2 };
inline constexpr int kDateGroups = 3;

// The slot of a date text, 0 when it has none: the text must read and name a day of a month
// (a month or a year alone has no day to count). In a year that is not a leap year the days
// from 1 March on move up by one, past the 29 February such a year lacks.
int CalendarSlot(std::string_view date);

// " 05 Mar": the slot as the dates page shows it.
std::string SlotText(int slot);
// The month of a slot, 1 to 12.
int SlotMonth(int slot);

using SlotCounts = std::array<int, kCalendarSlots + 1>;  // index 0 unused

struct CalendarTally {
  std::array<SlotCounts, kDateGroups> slots{};
  std::array<int, kDateGroups> totals{};  // the records checked of each group
};

// Goes through `people`: the date of the first of BIRT, BAPM, CHR, of the first of DEAT, BURI,
// CREM, and of the first of MARR, MARC, MARL of the person's first spouse family, each family
// once.
CalendarTally TallyDates(store::RecordStore& store, const std::vector<int>& people);

// The 366 slots, most counted first, equal counts by slot.
std::vector<int> SlotsByCount(const SlotCounts& counts);
// The counts of each month (index 0 January), for the page's bar chart.
std::array<int, 12> CountsPerMonth(const SlotCounts& counts);

}  // namespace kinloom::reports
