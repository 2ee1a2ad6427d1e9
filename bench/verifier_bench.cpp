// Times a full verifier run with every check on, the duplicate search included, and measures
// the peak memory of the process (the tree included). With --pairwise, also compares every two
// people of each sound-key group and checks that the indexed duplicate search found the same.
//
//   kinloom-bench-verifier TREE.ged [--pairwise]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "platform/headless_interaction.h"
#include "reports/tree_opening.h"
#include "reports/verifier.h"
#include "reports/verifier_duplicates.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Processor time of the process, which the load of other programs on the machine leaves alone.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || (argc == 3 && std::strcmp(argv[2], "--pairwise") != 0) || argc > 3) {
    std::fprintf(stderr, "usage: kinloom-bench-verifier TREE.ged [--pairwise]\n");
    return 1;
  }
  using namespace kinloom;
  platform::HeadlessInteraction ui;
  store::RecordStore tree(ui);
  reports::LinkCheckSession session;
  auto start = Clock::now();
  if (reports::ReadTreeChecked(tree, argv[1], false, session).read.outcome !=
      store::ReadOutcome::kRead) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  std::printf("individuals %d, families %d; read in %.2f s, peak %.0f MB\n",
              tree.highest_individual(), tree.highest_family(), Seconds(start), PeakMegabytes());

  reports::VerifyOptions options;  // every check on, the window's thresholds
  reports::ProblemList list;
  start = Clock::now();
  const double cpu = CpuSeconds();
  reports::RunVerifier(tree, options, &list);
  std::printf("full run:          %.2f s (processor %.2f s), %zu problems, peak %.0f MB\n",
              Seconds(start), CpuSeconds() - cpu, list.size(), PeakMegabytes());
  std::printf("possible duplicates: %d rows\n", list.count(reports::kErrorDuplicate));

  reports::DuplicateSearch search(tree);
  auto all = [](int) { return true; };
  start = Clock::now();
  (void)search.Gather(all, all);
  const double gathered = Seconds(start);
  start = Clock::now();
  (void)search.FindIndexed(all);
  std::printf("duplicate search:  gather %.2f s, indexed comparison %.2f s, %zu pairs\n", gathered,
              Seconds(start), search.matches().size());
  if (argc == 3) {
    const auto indexed = search.matches();
    start = Clock::now();
    search.FindPairwise();
    const bool same = search.matches() == indexed;
    std::printf("pairwise:          %.2f s, %zu pairs, %s\n", Seconds(start),
                search.matches().size(), same ? "the same pairs" : "DIFFERENT PAIRS");
    if (!same) return 3;
  }
  return 0;
}
