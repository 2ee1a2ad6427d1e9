#include "support/tree_checks.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/chart_cache.h"
#include "store/line_search.h"
#include "store/search_list.h"
#include "store/search_lists.h"

namespace kinloom::testing {

using store::LineNode;
using store::RecordStore;

std::vector<int> LinksOf(const LineNode* first, std::string_view tag) {
  std::vector<int> numbers;
  for (const LineNode* line = first->next; line != nullptr; line = line->next) {
    if (store::HasTag(line->text(), tag)) numbers.push_back(store::XrefNumber(line->text()));
  }
  return numbers;
}

namespace {

using LinkPairs = std::vector<std::pair<int, int>>;  // {individual, family}

// The links seen from the people's side and from the families' side must be the same pairs,
// as often on each side, and none may point at an empty slot.
std::string CheckLinksPaired(const RecordStore& store, bool parents) {
  LinkPairs from_people, from_families;
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (store.individual(n) == nullptr) continue;
    for (int f : LinksOf(store.individual(n)->lines, parents ? "1 FAMC" : "1 FAMS")) {
      from_people.emplace_back(n, f);
    }
  }
  for (int f = 1; f <= store.highest_family(); ++f) {
    if (store.family(f) == nullptr) continue;
    for (std::string_view tag : parents ? std::vector<std::string_view>{"1 CHIL"}
                                        : std::vector<std::string_view>{"1 HUSB", "1 WIFE"}) {
      for (int n : LinksOf(store.family(f)->lines, tag)) from_families.emplace_back(n, f);
    }
  }
  std::sort(from_people.begin(), from_people.end());
  std::sort(from_families.begin(), from_families.end());
  if (from_people != from_families) return parents ? "unpaired child link" : "unpaired spouse link";
  for (const auto& [n, f] : from_people) {
    if (store.individual(n) == nullptr || store.family(f) == nullptr) {
      return "link to an empty slot I" + std::to_string(n) + " F" + std::to_string(f);
    }
  }
  return "";
}

std::string CheckList(const RecordStore& store, bool families) {
  const store::SearchList& list =
      families ? store.family_search_list() : store.individual_search_list();
  const int highest = families ? store.highest_family() : store.highest_individual();
  std::vector<int> seen(static_cast<size_t>(highest) + 1, 0);
  for (int p = 0; p < list.size(); ++p) {
    const int n = list.at(p).number;
    if (n < 1 || n > highest) return "number out of range in the list";
    ++seen[static_cast<size_t>(n)];
    const std::string key = families ? store::FamilyKey(store, n) : store::IndividualKey(store, n);
    if (list.at(p).view() != key) return "stale key " + key;
    if (p > 0 && store::CompareKeys(list.at(p - 1).view(), list.at(p).view()) > 0) {
      return "out of order at " + std::to_string(p);
    }
  }
  for (int n = 1; n <= highest; ++n) {
    const bool exists = families ? store.family(n) != nullptr : store.individual(n) != nullptr;
    if (seen[static_cast<size_t>(n)] != (exists ? 1 : 0)) {
      return "record " + std::to_string(n) + " listed wrongly";
    }
  }
  return "";
}

// The chart texts a person or family shows, as one comparable text per record.
std::vector<std::string> ChartTexts(const RecordStore& store) {
  std::vector<std::string> texts;
  for (int n = 1; n <= store.highest_individual(); ++n) {
    const store::IndividualRecord* p = store.individual(n);
    if (p == nullptr) continue;
    texts.push_back("I" + std::to_string(n) + " " + p->labelText.str() + "|" + p->birthText.str() +
                    "|" + p->deathText.str() + "|" + std::to_string(p->boxLines) + "|" +
                    std::to_string(p->blockLines));
  }
  for (int f = 1; f <= store.highest_family(); ++f) {
    const store::FamilyRecord* family = store.family(f);
    if (family != nullptr) {
      texts.push_back("F" + std::to_string(f) + " " + family->marriageText.str());
    }
  }
  return texts;
}

// The texts after an edit must be those a rebuild of the whole chart gives.
std::string CheckChartTexts(RecordStore& store) {
  const std::vector<std::string> refreshed = ChartTexts(store);
  core::InitializeChart(store);
  const std::vector<std::string> rebuilt = ChartTexts(store);
  for (size_t i = 0; i < refreshed.size() && i < rebuilt.size(); ++i) {
    if (refreshed[i] != rebuilt[i]) return "stale chart text " + refreshed[i];
  }
  return refreshed.size() == rebuilt.size() ? "" : "chart texts differ";
}

}  // namespace

std::string CheckTree(RecordStore& store, bool with_chart) {
  if (store.busy_depth() != 0) return "busy";
  std::string problem = CheckLinksPaired(store, true);
  if (problem.empty()) problem = CheckLinksPaired(store, false);
  if (problem.empty()) problem = CheckList(store, false);
  if (problem.empty()) problem = CheckList(store, true);
  if (problem.empty() && with_chart) problem = CheckChartTexts(store);
  return problem;
}

}  // namespace kinloom::testing
