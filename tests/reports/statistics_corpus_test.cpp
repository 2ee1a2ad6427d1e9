// Every statistics page of the corpus files from other programs, against tallies the test makes
// by its own route: a plain scan of each record's lines, std::map counts and std::sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/find_individual.h"
#include "core/queries.h"
#include "reports/statistics_ages.h"
#include "reports/statistics_dates.h"
#include "reports/statistics_pages.h"
#include "reports/tree_opening.h"
#include "support/corpus.h"
#include "support/test_support.h"

namespace kinloom::reports {
namespace {

using testing::TestTree;

std::string Tag(const std::string& line) {
  const size_t end = line.find(' ', 2);
  return line.substr(2, end == std::string::npos ? std::string::npos : end - 2);
}

std::string After(const std::string& line, size_t prefix) {
  return line.size() > prefix ? line.substr(prefix) : std::string();
}

std::string TrimEnd(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

struct EventFacts {
  std::string date, place;
};

// The date and place below the first level-1 line with one of the tags.
EventFacts FirstOf(const std::vector<std::string>& lines, const std::set<std::string>& tags) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i][0] != '1' || tags.count(Tag(lines[i])) == 0) continue;
    EventFacts event;
    bool dated = false, placed = false;
    for (size_t j = i + 1; j < lines.size() && lines[j][0] > '1'; ++j) {
      if (lines[j].rfind("2 DATE", 0) == 0 && !dated) event.date = After(lines[j], 7), dated = true;
      if (lines[j].rfind("2 PLAC", 0) == 0 && !placed)
        event.place = After(lines[j], 7), placed = true;
    }
    return event;
  }
  return {};
}

// What the test reads from one individual's lines.
struct Facts {
  int sex = 0;
  std::string given, surname, title;
  EventFacts birth, death;
  bool death_line = false;  // any DEAT, BURI or CREM
  bool married = false;
  int first_family = 0;
};

Facts Read(const std::vector<std::string>& lines) {
  Facts f;
  bool named = false;
  for (const std::string& line : lines) {
    if (line[0] != '1') continue;
    const std::string tag = Tag(line);
    if (tag == "SEX" && f.sex == 0 && line.size() > 6)
      f.sex = line[6] == 'M' ? 1 : line[6] == 'F' ? 2 : 0;
    if (tag == "NAME" && !named) {
      named = true;
      const std::string value = After(line, 7);
      const size_t open = value.find('/');
      f.given = TrimEnd(value.substr(0, open));
      if (open != std::string::npos) {
        const size_t close = value.find('/', open + 1);
        f.surname = TrimEnd(value.substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
      }
    }
    if (tag == "TITL" && f.title.empty() && line.size() >= 8) f.title = After(line, 7);
    if (tag == "DEAT" || tag == "BURI" || tag == "CREM") f.death_line = true;
    if (tag == "FAMS" && !f.married) f.married = true, f.first_family = std::atoi(line.c_str() + 9);
  }
  f.birth = FirstOf(lines, {"BIRT", "BAPM", "CHR"});
  f.death = FirstOf(lines, {"DEAT", "BURI", "CREM"});
  return f;
}

std::string Folded(const std::string& text) {
  std::string folded = text;
  for (char& c : folded)
    c = static_cast<char>(core::FoldAccentsKeepCase()[static_cast<uint8_t>(c)]);
  return folded;
}

struct Expected {
  std::map<std::string, int> names;
  int checked = 0;
  void Count(const std::string& text) {
    if (Folded(text).size() >= 3) ++names[Folded(text)];
  }
};

// The shown rows agree with the counts: each text's count, the most counted first, as many
// rows as texts up to 100.
void CheckRanked(const StatsPageResult& page, const Expected& expected, const std::string& what) {
  EXPECT_EQ(page.records_checked, expected.checked) << what;
  std::vector<int> counts;
  for (const auto& [text, count] : expected.names) counts.push_back(count);
  std::sort(counts.rbegin(), counts.rend());
  counts.resize(std::min<size_t>(counts.size(), 100));
  std::vector<int> shown;
  for (size_t r = 1; r <= 100; ++r) {
    const auto& row = page.grids[0].rows[r];
    if (row[1].empty()) break;
    shown.push_back(std::atoi(row[1].c_str()));
    EXPECT_EQ(expected.names.at(row[3]), shown.back()) << what << " " << row[3];
  }
  EXPECT_EQ(shown, counts) << what;
}

std::optional<StatsAge> Age(const Facts& f) {
  const core::ParsedDate birth = core::ReadDate(f.birth.date);
  const core::ParsedDate death = core::ReadDate(f.death.date);
  if (!birth.ok || !death.ok) return std::nullopt;
  StatsAge age{death.year - birth.year, death.day - birth.day};
  if (age.days < 0) age = {age.years - 1, age.days + 365};
  return age;
}

void CheckFile(const std::string& path) {
  TestTree t;
  LinkCheckSession session;
  ASSERT_EQ(ReadTreeChecked(t.store, path, false, session).read.outcome, store::ReadOutcome::kRead);
  StatsRestraints everyone;
  auto page = [&](StatsPage p) { return UpdateStatistics(t.store, everyone, p, 2); };

  std::map<int, Facts> facts;
  for (int n = 1; n <= t.store.highest_individual(); ++n) {
    if (t.store.individual(n) != nullptr)
      facts[n] = Read(testing::RecordLines(t.store.individual(n)->lines));
  }
  Expected given[2], last, birth_places, death_places, marriage_places;
  std::set<int> families;
  std::vector<std::vector<int>> oldest(2);  // n, sorted below
  std::array<SlotCounts, 3> slots{};
  std::map<int, StatsAge> ages;
  int men = 0, women = 0, men_living = 0, men_married = 0, men_valid = 0;
  for (const auto& [n, f] : facts) {
    if (f.sex != 0 && !f.given.empty() && f.given[0] != ' ' && f.given[0] != '-') {
      Expected& e = given[f.sex - 1];
      ++e.checked;
      std::string piece;
      for (char c : f.given + " ") {
        if (c == ' ' || c == '-')
          e.Count(piece), piece.clear();
        else
          piece += c;
      }
    }
    const std::string surname_title = f.title.empty()     ? f.surname
                                      : f.surname.empty() ? f.title
                                                          : f.surname + ", " + f.title;
    for (auto [text, e] : {std::pair{surname_title, &last}, std::pair{f.birth.place, &birth_places},
                           std::pair{f.death.place, &death_places}}) {
      if (!text.empty()) ++e->checked, e->Count(text);
    }
    ++slots[0][static_cast<size_t>(CalendarSlot(f.birth.date))];
    ++slots[1][static_cast<size_t>(CalendarSlot(f.death.date))];
    const store::FamilyRecord* family =
        f.first_family > 0 && f.first_family <= t.store.highest_family()
            ? t.store.family(f.first_family)
            : nullptr;
    if (family != nullptr && families.insert(f.first_family).second) {
      const EventFacts marriage =
          FirstOf(testing::RecordLines(family->lines), {"MARR", "MARC", "MARL"});
      if (!marriage.place.empty()) ++marriage_places.checked, marriage_places.Count(marriage.place);
      ++slots[2][static_cast<size_t>(CalendarSlot(marriage.date))];
    }
    const std::optional<StatsAge> age = Age(f);
    if (f.sex != 0 && age && age->years >= 0 && age->years <= 120) {
      oldest[static_cast<size_t>(f.sex - 1)].push_back(n);
      ages[n] = *age;
    }
    if (f.sex == 1) {
      ++men, men_living += !f.death_line, men_married += f.married;
      men_valid += age && age->years >= 1 && age->years <= 119;
    }
    if (f.sex == 2) ++women;
  }

  for (int sex = 0; sex < 2; ++sex) {
    std::vector<int>& list = oldest[static_cast<size_t>(sex)];
    std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
      return ages[a].years != ages[b].years ? ages[a].years > ages[b].years
                                            : ages[a].days > ages[b].days;
    });
    const StatsPageResult shown = page(sex == 0 ? StatsPage::kOldestMen : StatsPage::kOldestWomen);
    EXPECT_EQ(shown.records_checked, static_cast<int>(list.size())) << path;
    for (size_t r = 0; r < 100; ++r) {
      EXPECT_EQ(shown.row_individuals[r + 1], r < list.size() ? list[r] : 0) << path << " " << r;
    }
  }
  CheckRanked(page(StatsPage::kNamesMen), given[0], path + " men's names");
  CheckRanked(page(StatsPage::kNamesWomen), given[1], path + " women's names");
  CheckRanked(page(StatsPage::kLastNames), last, path + " last names");
  CheckRanked(page(StatsPage::kBirthPlaces), birth_places, path + " birth places");
  CheckRanked(page(StatsPage::kDeathPlaces), death_places, path + " death places");
  CheckRanked(page(StatsPage::kMarriagePlaces), marriage_places, path + " marriage places");

  const StatsPageResult dates = page(StatsPage::kDates);
  for (size_t group = 0; group < 3; ++group) {
    std::vector<std::pair<int, int>> expected;  // (-count, slot) sorts as the page does
    for (int slot = 1; slot <= kCalendarSlots; ++slot) {
      expected.push_back({-slots[group][static_cast<size_t>(slot)], slot});
    }
    std::sort(expected.begin(), expected.end());
    for (size_t r = 0; r < expected.size(); ++r) {
      const auto& row = dates.grids[0].rows[r + 1];
      ASSERT_EQ(std::atoi(row[2 + 4 * group].c_str()), -expected[r].first) << path;
      ASSERT_EQ(row[4 + 4 * group], SlotText(expected[r].second)) << path;
    }
  }

  const StatsPageResult counts = page(StatsPage::kCounts);
  const auto& people = counts.grids[1].rows;
  EXPECT_EQ(std::atoi(people[1][0].c_str()), men) << path;
  EXPECT_EQ(std::atoi(people[1][4].c_str()), women) << path;
  EXPECT_EQ(std::atoi(people[2][0].c_str()), men_living) << path;
  EXPECT_EQ(std::atoi(people[3][0].c_str()), men_married) << path;
  EXPECT_EQ(std::atoi(counts.grids[2].rows[1][0].c_str()) <= men_valid, true) << path;
  EXPECT_EQ(std::atoi(counts.grids[0].rows[1][0].c_str()), static_cast<int>(facts.size())) << path;
}

TEST(StatisticsCorpus, EveryPageAgreesWithTalliesMadeAnotherWay) {
  KINLOOM_REQUIRE_CORPUS();
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(testing::CorpusDir())) {
    if (entry.path().extension() != ".ged") continue;
    SCOPED_TRACE(entry.path().filename().string());
    CheckFile(entry.path().string());
    ++files;
  }
  EXPECT_GT(files, 5);
}

}  // namespace
}  // namespace kinloom::reports
