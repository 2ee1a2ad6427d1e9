#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "store/record_store.h"

namespace kinloom::reports {

// The ages the statistics window tabulates: the oldest men and women, and the category counts
// of each sex with their average age and the nine "ages reached" counters.

// Rows of the statistics window's ranked lists.
inline constexpr int kStatsRankedRows = 100;

struct StatsAge {
  int years = 0;
  int days = 0;
};

// The age at death: from the date of the first of BIRT, BAPM, CHR to that of the first of DEAT,
// BURI, CREM, in record order. Nothing when either first event has no date that reads (a later
// event's date does not stand in). A death day below the birth day borrows a year of 365 days.
// The years may come out negative or beyond any life; callers keep the range they want.
std::optional<StatsAge> AgeAtDeath(store::LineNode* first);

struct OldestEntry {
  int years = 0;
  int days = 0;
  int individual = 0;
};

struct OldestTally {
  std::vector<OldestEntry> entries;  // at most 100, oldest first
  int records_checked = 0;           // people of the sex with an age of 0 to 120 years
};

// The oldest people of one sex (1 men, 2 women) among `people`: ages of 0 to 120 years, longest
// first, equal ages in the order of `people`.
OldestTally TallyOldest(const store::RecordStore& store, const std::vector<int>& people, int sex);

// The ages the nine counters stand for: a valid age counts in each counter whose threshold it
// passes (over 4 years, over 9, ...).
inline constexpr std::array<int, 9> kAgeThresholds = {4, 9, 19, 34, 49, 64, 79, 89, 99};

struct SexCounts {
  int individuals = 0;
  int living = 0;      // no DEAT, BURI or CREM line at all
  int married = 0;     // a "1 FAMS" line
  int valid_ages = 0;  // ages of 1 to 119 years
  int64_t years_sum = 0;
  int64_t days_sum = 0;
  std::array<int, 9> over{};  // per threshold of kAgeThresholds

  // The average of the valid ages in whole years and the days beyond them; 0 and 0 without
  // any valid age.
  StatsAge AverageAge() const;
};

struct CountsTally {
  SexCounts men;
  SexCounts women;  // people of unknown sex are in neither
};

CountsTally TallyCounts(const store::RecordStore& store, const std::vector<int>& people);

}  // namespace kinloom::reports
