#include "reports/statistics_ages.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "core/dates.h"
#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::reports {

using store::LineNode;
using store::RecordStore;

namespace {

constexpr int kOldestMaxYears = 120;
constexpr int kValidMinYears = 1;
constexpr int kValidMaxYears = 119;
constexpr int kDaysInBorrowedYear = 365;
constexpr double kDaysPerYear = 365.25;

// The date of the first event of the three tags, when it has one that reads.
std::optional<core::ParsedDate> FirstEventDate(LineNode* first, std::string_view tag1,
                                               std::string_view tag2, std::string_view tag3) {
  const core::EventInfo event = core::EventDetails(first, tag1, tag2, tag3);
  if (event.date.empty()) return std::nullopt;
  const core::ParsedDate date = core::ReadDate(event.date);
  if (!date.ok) return std::nullopt;
  return date;
}

bool Older(const OldestEntry& a, const OldestEntry& b) {
  return a.years != b.years ? a.years > b.years : a.days > b.days;
}

SexCounts* CountsOf(CountsTally& tally, int sex) {
  if (sex == 1) return &tally.men;
  if (sex == 2) return &tally.women;
  return nullptr;
}

bool HasAnyOf(LineNode* first, std::initializer_list<std::string_view> tags) {
  return std::any_of(tags.begin(), tags.end(),
                     [first](std::string_view tag) { return store::FindTagLine(first, tag); });
}

}  // namespace

std::optional<StatsAge> AgeAtDeath(LineNode* first) {
  if (first == nullptr) return std::nullopt;
  const auto death = FirstEventDate(first, "1 DEAT", "1 BURI", "1 CREM");
  if (!death) return std::nullopt;
  const auto birth = FirstEventDate(first, "1 BIRT", "1 BAPM", "1 CHR");
  if (!birth) return std::nullopt;
  int death_year = death->year;
  int death_day = death->day;
  if (death_day < birth->day) {
    death_year -= 1;
    death_day += kDaysInBorrowedYear;
  }
  return StatsAge{death_year - birth->year, death_day - birth->day};
}

OldestTally TallyOldest(const RecordStore& store, const std::vector<int>& people, int sex) {
  OldestTally tally;
  std::vector<OldestEntry> found;
  for (int n : people) {
    if (core::SexOf(store, n) != sex) continue;
    const std::optional<StatsAge> age = AgeAtDeath(store.individual(n)->lines);
    if (!age || age->years < 0 || age->years > kOldestMaxYears || age->days < 0) continue;
    ++tally.records_checked;
    found.push_back({age->years, age->days, n});
  }
  // A stable order keeps equal ages in the order the people were gone through.
  std::stable_sort(found.begin(), found.end(), Older);
  found.resize(std::min(found.size(), static_cast<size_t>(kStatsRankedRows)));
  tally.entries = std::move(found);
  return tally;
}

StatsAge SexCounts::AverageAge() const {
  if (valid_ages == 0) return {};
  const double average =
      (static_cast<double>(years_sum) + static_cast<double>(days_sum) / kDaysPerYear) / valid_ages;
  const int years = static_cast<int>(average);
  return {years, static_cast<int>((average - years) * kDaysPerYear)};
}

CountsTally TallyCounts(const RecordStore& store, const std::vector<int>& people) {
  CountsTally tally;
  for (int n : people) {
    SexCounts* counts = CountsOf(tally, core::SexOf(store, n));
    if (counts == nullptr) continue;
    LineNode* first = store.individual(n)->lines;
    ++counts->individuals;
    if (!HasAnyOf(first, {"1 DEAT", "1 BURI", "1 CREM"})) ++counts->living;
    if (store::FindTagLine(first, "1 FAMS") != nullptr) ++counts->married;
    const std::optional<StatsAge> age = AgeAtDeath(first);
    if (!age || age->years < kValidMinYears || age->years > kValidMaxYears || age->days < 0) {
      continue;
    }
    ++counts->valid_ages;
    counts->years_sum += age->years;
    counts->days_sum += age->days;
    for (size_t i = 0; i < kAgeThresholds.size(); ++i) {
      if (age->years > kAgeThresholds[i]) ++counts->over[i];
    }
  }
  return tally;
}

}  // namespace kinloom::reports
