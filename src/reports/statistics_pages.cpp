#include "reports/statistics_pages.h"

#include <cstdio>

#include "core/queries.h"
#include "reports/statistics_ages.h"
#include "reports/statistics_dates.h"
#include "reports/statistics_names.h"

namespace kinloom::reports {

using store::RecordStore;
using Row = std::vector<std::string>;

namespace {

constexpr std::array<std::string_view, kStatsPageCount> kPageNames = {
    "oldest-men",   "oldest-women", "names-men",       "names-women", "last-names",
    "birth-places", "death-places", "marriage-places", "dates",       "counts"};

std::string Format(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Rank(int rank) {
  return Format(" %6i", rank);
}
std::string Count(int count) {
  return Format("%6i", count);
}
// The share of a total: empty without a total, "100.0" for all of it.
std::string Percent(long long count, long long total) {
  if (total == 0) return {};
  if (count == total) return "100.0";
  char text[32];
  std::snprintf(text, sizeof text, "%6.2f", static_cast<double>(count) * 100.0 / total);
  return text;
}

// ---- Oldest and name pages ----

StatsGrid OldestGrid(const RecordStore& store, const OldestTally& tally, std::string name,
                     std::vector<int>* row_individuals) {
  StatsGrid grid{std::move(name), {{" Rank", " Years", " Days", "   Name of Person"}}};
  row_individuals->assign(kStatsRankedRows + 1, 0);
  for (int rank = 1; rank <= kStatsRankedRows; ++rank) {
    const size_t at = static_cast<size_t>(rank - 1);
    if (at >= tally.entries.size()) {
      grid.rows.push_back({Rank(rank), "", "", ""});
      continue;
    }
    const OldestEntry& entry = tally.entries[at];
    grid.rows.push_back({Rank(rank), Count(entry.years), Count(entry.days),
                         core::PersonLabel(store, entry.individual)});
    (*row_individuals)[static_cast<size_t>(rank)] = entry.individual;
  }
  return grid;
}

StatsGrid NameGrid(const NameTally& tally, std::string name, std::string_view heading) {
  StatsGrid grid{std::move(name), {{" Rank", " Count", " Pct%", std::string(heading)}}};
  for (int rank = 1; rank <= kStatsRankedRows; ++rank) {
    const size_t at = static_cast<size_t>(rank - 1);
    if (at >= tally.ranked.size()) {
      grid.rows.push_back({Rank(rank), "", "", ""});
      continue;
    }
    const NameCount& entry = tally.ranked[at];
    grid.rows.push_back(
        {Rank(rank), Count(entry.count), Percent(entry.count, tally.records_checked), entry.text});
  }
  return grid;
}

struct NamePage {
  NameSource source;
  const char* grid;
  std::string_view heading;
};

NamePage NamePageOf(StatsPage page) {
  switch (page) {
    case StatsPage::kNamesMen:
      return {NameSource::kMenGivenNames, "mnGrid", "   Most Common Men's Names"};
    case StatsPage::kNamesWomen:
      return {NameSource::kWomenGivenNames, "wnGrid", "   Most Common Women's Names"};
    case StatsPage::kLastNames:
      return {NameSource::kLastNames, "snGrid", "   Most Common Last Names"};
    case StatsPage::kBirthPlaces:
      return {NameSource::kBirthPlaces, "bpGrid", "   Most Common Birth Places"};
    case StatsPage::kDeathPlaces:
      return {NameSource::kDeathPlaces, "dpGrid", "   Most Common Death Places"};
    default:
      return {NameSource::kMarriagePlaces, "mpGrid", "   Most Common Marriage Places"};
  }
}

// ---- Dates page ----

StatsGrid DatesGrid(const CalendarTally& tally) {
  StatsGrid grid{"dsGrid",
                 {{" Rank", "", " Count", " Pct%", "  Birth", "", " Count", " Pct%", " Death", "",
                   " Count", " Pct%", "Marriage"}}};
  grid.rows.resize(kCalendarSlots + 1, Row(13));
  for (int rank = 1; rank <= kCalendarSlots; ++rank)
    grid.rows[static_cast<size_t>(rank)][0] = Rank(rank);
  for (int group = 0; group < kDateGroups; ++group) {
    const SlotCounts& counts = tally.slots[static_cast<size_t>(group)];
    const int total = tally.totals[static_cast<size_t>(group)];
    const std::vector<int> order = SlotsByCount(counts);
    const size_t column = 2 + 4 * static_cast<size_t>(group);
    for (size_t i = 0; i < order.size(); ++i) {
      const int count = counts[static_cast<size_t>(order[i])];
      Row& row = grid.rows[i + 1];
      row[column] = Count(count);
      row[column + 1] = Percent(count, total);
      row[column + 2] = SlotText(order[i]);
    }
  }
  return grid;
}

// ---- Counts page ----

// One row of a two-sided counts grid: men (or records in use) left, women (or available) right.
Row PairRow(std::string left_count, std::string left_pct, std::string_view left_name,
            std::string right_count, std::string right_pct, std::string_view right_name) {
  return {std::move(left_count),  std::move(left_pct),  std::string(left_name), "",
          std::move(right_count), std::move(right_pct), std::string(right_name)};
}

int CountFamilies(const RecordStore& store) {
  int count = 0;
  for (int n = 1; n <= store.highest_family(); ++n) {
    const store::FamilyRecord* family = store.family(n);
    if (family != nullptr && family->lines != nullptr && !store.IsMarkerFamily(n)) ++count;
  }
  return count;
}

StatsGrid RecordsGrid(const RecordStore& store, int album_count) {
  int individuals = 0, sources = 0;
  for (int n = 1; n <= store.highest_individual(); ++n) {
    const store::IndividualRecord* record = store.individual(n);
    if (record != nullptr && record->lines != nullptr) ++individuals;
  }
  for (int n = 1; n <= store.highest_source(); ++n) sources += store.source(n) != nullptr;
  const struct {
    std::string_view name;
    int used;
    int capacity;
  } kinds[] = {{"Individuals", individuals, store::kMaxIndividual},
               {"Families", CountFamilies(store), store::kMaxFamily},
               {"Sources", sources, store::kMaxSource},
               {"Albums", album_count, kAlbumCapacity}};
  StatsGrid grid{
      "rcGrid",
      {PairRow(" Count", " Pct%", "  Records in Use", " Count", " Pct%", "  Records Available")}};
  for (const auto& kind : kinds) {
    const int free = kind.capacity - kind.used;
    grid.rows.push_back(PairRow(Count(kind.used), Percent(kind.used, kind.capacity), kind.name,
                                Count(free), Percent(free, kind.capacity), kind.name));
  }
  return grid;
}

Row AverageCells(const SexCounts& counts) {
  const StatsAge average = counts.AverageAge();
  return {Format("   %i yr", average.years), Format(" %i d", average.days)};
}

StatsGrid PeopleGrid(const CountsTally& tally) {
  const SexCounts& men = tally.men;
  const SexCounts& women = tally.women;
  const int everyone = men.individuals + women.individuals;
  StatsGrid grid{"icGrid",
                 {PairRow(" Count", " Pct%", "  Men Counts", " Count", " Pct%", "  Women Counts")}};
  grid.rows.push_back(PairRow(Count(men.individuals), Percent(men.individuals, everyone),
                              "Individuals", Count(women.individuals),
                              Percent(women.individuals, everyone), "Individuals"));
  grid.rows.push_back(PairRow(Count(men.living), Percent(men.living, men.individuals), "Living",
                              Count(women.living), Percent(women.living, women.individuals),
                              "Living"));
  grid.rows.push_back(PairRow(Count(men.married), Percent(men.married, men.individuals), "Married",
                              Count(women.married), Percent(women.married, women.individuals),
                              "Married"));
  Row men_age = AverageCells(men), women_age = AverageCells(women);
  grid.rows.push_back(
      PairRow(men_age[0], men_age[1], "Average Age", women_age[0], women_age[1], "Average Age"));
  return grid;
}

StatsGrid AgesGrid(const CountsTally& tally) {
  constexpr std::array<std::string_view, 9> kLabels = {
      "    5 Years of Age", "  10 Years of Age", "  20 Years of Age",
      "  35 Years of Age",  "  50 Years of Age", "  65 Years of Age",
      "  80 Years of Age",  "  90 Years of Age", "100 Years of Age"};
  StatsGrid grid{
      "acGrid",
      {PairRow(" Count", " Pct%", "  Men Maximum Age", " Count", " Pct%", "  Women Max Ages")}};
  for (size_t i = 0; i < kLabels.size(); ++i) {
    const int men = tally.men.over[i];
    const int women = tally.women.over[i];
    grid.rows.push_back(PairRow(Count(men), Percent(men, tally.men.valid_ages), kLabels[i],
                                Count(women), Percent(women, tally.women.valid_ages), kLabels[i]));
  }
  return grid;
}

}  // namespace

std::string_view StatsPageName(StatsPage page) {
  return kPageNames[static_cast<size_t>(page)];
}

std::optional<StatsPage> StatsPageFromName(std::string_view name) {
  for (size_t i = 0; i < kPageNames.size(); ++i) {
    if (kPageNames[i] == name) return static_cast<StatsPage>(i);
  }
  return std::nullopt;
}

bool HasRecordsCheckedMemo(StatsPage page) {
  return page != StatsPage::kDates && page != StatsPage::kCounts;
}

std::string RecordsCheckedText(int records_checked) {
  return Format("Records Checked: %i", records_checked);
}

StatsPageResult UpdateStatistics(RecordStore& store, StatsRestraints& restraints, StatsPage page,
                                 int album_count) {
  StatsPageResult result;
  result.page = page;
  const std::vector<int> people = restraints.TabulatedPeople(store);
  switch (page) {
    case StatsPage::kOldestMen:
    case StatsPage::kOldestWomen: {
      const bool men = page == StatsPage::kOldestMen;
      const OldestTally tally = TallyOldest(store, people, men ? 1 : 2);
      result.grids.push_back(
          OldestGrid(store, tally, men ? "omGrid" : "owGrid", &result.row_individuals));
      result.records_checked = tally.records_checked;
      break;
    }
    case StatsPage::kDates: {
      const CalendarTally tally = TallyDates(store, people);
      result.grids.push_back(DatesGrid(tally));
      for (size_t group = 0; group < kDateGroups; ++group) {
        result.per_month[group] = CountsPerMonth(tally.slots[group]);
      }
      result.records_checked = static_cast<int>(people.size());
      break;
    }
    case StatsPage::kCounts: {
      const CountsTally tally = TallyCounts(store, people);
      result.grids = {RecordsGrid(store, album_count), PeopleGrid(tally), AgesGrid(tally)};
      result.ages_reached = {tally.men.over, tally.women.over};
      result.records_checked = static_cast<int>(people.size());
      break;
    }
    default: {
      const NamePage name_page = NamePageOf(page);
      const NameTally tally = TallyNames(store, people, name_page.source);
      result.grids.push_back(NameGrid(tally, name_page.grid, name_page.heading));
      result.records_checked = tally.records_checked;
      break;
    }
  }
  return result;
}

}  // namespace kinloom::reports
