// Times the work the core does on a whole tree after reading it: the chart caches and both
// search-list builds, by the sorted path (no saved positions) and by the restore from saved
// positions.
//
//   kinloom-bench-core TREE.ged
#include <chrono>
#include <cstdio>

#include "core/chart_cache.h"
#include "platform/headless_interaction.h"
#include "store/gedcom_reader.h"
#include "store/search_lists.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double Time(Work work) {
  auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kinloom-bench-core TREE.ged\n");
    return 1;
  }
  kinloom::platform::HeadlessInteraction ui;
  kinloom::store::RecordStore tree(ui);
  if (kinloom::store::ReadTree(tree, argv[1], false).outcome !=
      kinloom::store::ReadOutcome::kRead) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  using kinloom::store::BuildFamilySearchList;
  using kinloom::store::BuildIndividualSearchList;
  double chart = Time([&] { kinloom::core::InitializeChart(tree); });
  double restore_people = Time([&] { BuildIndividualSearchList(tree, 1); });
  double restore_families = Time([&] { BuildFamilySearchList(tree, 1); });
  for (int n = 1; n <= tree.highest_individual(); ++n) {
    if (auto* r = tree.individual(n)) r->listPos = -1;
  }
  for (int n = 1; n <= tree.highest_family(); ++n) {
    if (auto* f = tree.family(n)) f->listPos = -1;
  }
  double sort_people = Time([&] { BuildIndividualSearchList(tree, 1); });
  double sort_families = Time([&] { BuildFamilySearchList(tree, 1); });
  std::printf("individuals %d, families %d\n", tree.highest_individual(), tree.highest_family());
  std::printf("InitializeChart:                 %.3f s\n", chart);
  std::printf("individual search list, restore: %.3f s   sorted: %.3f s\n", restore_people,
              sort_people);
  std::printf("family search list, restore:     %.3f s   sorted: %.3f s\n", restore_families,
              sort_families);
  return 0;
}
