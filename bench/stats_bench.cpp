// Times the statistics window's pages and the information explorer's lists on a whole tree:
// each of the ten pages for everyone and one page for a deep subtree (marking included), then
// each criterion list built afresh and updated, with its members listed.
//
//   kinloom-bench-stats TREE.ged
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "core/queries.h"
#include "core/tree_reading.h"
#include "platform/headless_interaction.h"
#include "reports/statistics_pages.h"
#include "reports/todo_criteria.h"

namespace {

using Clock = std::chrono::steady_clock;
using kinloom::store::RecordStore;
namespace reports = kinloom::reports;
namespace core = kinloom::core;

template <typename Work>
double Seconds(Work work) {
  auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The criteria of every list, chosen so that each one lists many people.
reports::ToDoFields BusyFields(const RecordStore& tree) {
  std::map<std::string, int> surnames;
  for (int n = 1; n <= tree.highest_individual(); ++n) ++surnames[core::Surname(tree, n)];
  surnames.erase("");
  std::string common;
  int most = 0;
  for (const auto& [surname, count] : surnames) {
    if (count > most) most = count, common = surname;
  }
  reports::ToDoFields fields;
  fields.one_or_no_parent = true;
  fields.missing = {true, true, true, true, true, true};
  fields.modified = {"1 JAN 1900", "31 DEC 2100"};
  fields.birth = {"1800", "1900"};
  fields.death = {"1800", "1900"};
  fields.ancestors_of = tree.highest_individual();
  fields.descendants_of = 1;
  fields.surname = common.substr(0, 3);
  fields.birth_place = "a";
  fields.death_place = "a";
  fields.source = 1;
  return fields;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kinloom-bench-stats TREE.ged\n");
    return 1;
  }
  kinloom::platform::HeadlessInteraction ui;
  RecordStore tree(ui);
  if (core::ReadTree(tree, argv[1], false).outcome != kinloom::store::ReadOutcome::kRead) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  std::printf("individuals %d, families %d\n", tree.highest_individual(), tree.highest_family());

  reports::StatsRestraints everyone;
  for (int page = 0; page < reports::kStatsPageCount; ++page) {
    const auto which = static_cast<reports::StatsPage>(page);
    reports::StatsPageResult result;
    const double seconds =
        Seconds([&] { result = reports::UpdateStatistics(tree, everyone, which, 2); });
    std::printf("stats %-16s %6.3f s   records checked %d\n",
                std::string(reports::StatsPageName(which)).c_str(), seconds,
                result.records_checked);
  }
  reports::StatsRestraints subtree;
  subtree.SetStart(tree, 1);
  subtree.SetSpouses(true);
  subtree.SetDescendantGenerations(reports::kStatsMaxGenerations);
  reports::StatsPageResult result;
  const double marked = Seconds(
      [&] { result = reports::UpdateStatistics(tree, subtree, reports::StatsPage::kCounts, 2); });
  std::printf("stats %-16s %6.3f s   people %d (descendants of 1 with spouses, marked)\n", "counts",
              marked, result.records_checked);

  const reports::ToDoFields fields = BusyFields(tree);
  for (int list = 1; list < reports::kToDoListCount; ++list) {
    // Built as the window shows it: the list made, then its members in search-list order.
    std::vector<int> members;
    const double create = Seconds([&] {
      reports::BuildToDoList(tree, list, reports::ToDoBuild::kCreate, fields);
      members = reports::ListMembers(tree, list);
    });
    const double update = Seconds([&] {
      reports::BuildToDoList(tree, list, reports::ToDoBuild::kUpdate, fields);
      members = reports::ListMembers(tree, list);
    });
    std::printf("list  %-16s %6.3f s create, %6.3f s update   members %d\n",
                std::string(reports::ToDoTabName(list)).c_str(), create, update,
                static_cast<int>(members.size()));
  }
  return 0;
}
