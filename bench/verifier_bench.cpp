// Times a full verifier run with every check on, the duplicate search included, and measures
// the peak memory of the process (the tree included).
//
//   kinloom-bench-verifier TREE.ged [--surname-group N] [--pairwise]
//
// --surname-group N gives every k-th person the surname "Whittington", N people in all, so that one
// sound-key group is that large. --pairwise also compares every two people of each sound-key
// group and checks that the indexed duplicate search found the same pairs.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/headless_interaction.h"
#include "reports/tree_opening.h"
#include "reports/verifier.h"
#include "reports/verifier_duplicates.h"
#include "store/line_search.h"
#include "store/search_lists.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace kinloom;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Processor time of the process, which other programs running on the machine leave alone.
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

// Renames `count` people, spread over the tree, to the surname Whittington and rebuilds the index.
void MakeSurnameGroup(store::RecordStore& tree, int count) {
  const int step = std::max(1, tree.highest_individual() / std::max(count, 1));
  int renamed = 0;
  for (int n = 1; n <= tree.highest_individual() && renamed < count; n += step) {
    store::IndividualRecord* record = tree.individual(n);
    if (record == nullptr) continue;
    store::LineNode* name = store::FindTagLine(record->lines, "1 NAME");
    if (name == nullptr) continue;
    const std::string_view value = store::LineValue(name->text(), "1 NAME");
    tree.arena().SetText(
        name, "1 NAME " + std::string(value.substr(0, value.find('/'))) + "/Whittington/");
    ++renamed;
  }
  for (int n = 1; n <= tree.highest_individual(); ++n) {
    if (store::IndividualRecord* record = tree.individual(n)) record->listPos = -1;
  }
  store::BuildIndividualSearchList(tree, 1);
}

}  // namespace

int main(int argc, char** argv) {
  int surname_group = 0;
  bool pairwise = false;
  for (int i = 2; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--pairwise") {
      pairwise = true;
    } else if (a == "--surname-group" && i + 1 < argc) {
      surname_group = std::atoi(argv[++i]);
    } else {
      argc = 0;
    }
  }
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: kinloom-bench-verifier TREE.ged [--surname-group N] [--pairwise]\n");
    return 1;
  }
  platform::HeadlessInteraction ui;
  store::RecordStore tree(ui);
  reports::LinkCheckSession session;
  auto start = Clock::now();
  if (reports::ReadTreeChecked(tree, argv[1], false, session).read.outcome !=
      store::ReadOutcome::kRead) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  if (surname_group > 0) MakeSurnameGroup(tree, surname_group);
  std::printf("individuals %d, families %d; read in %.2f s, peak %.0f MB\n",
              tree.highest_individual(), tree.highest_family(), Seconds(start), PeakMegabytes());

  reports::VerifyOptions options;  // every check on, the window's thresholds
  reports::ProblemList list;
  start = Clock::now();
  const double cpu = CpuSeconds();
  reports::RunVerifier(tree, options, &list);
  std::printf("full run:          %.2f s (processor %.2f s), %zu problems, peak %.0f MB\n",
              Seconds(start), CpuSeconds() - cpu, list.size(), PeakMegabytes());

  reports::DuplicateSearch search(tree);
  auto all = [](int) { return true; };
  start = Clock::now();
  (void)search.Gather(all, all);
  const double gathered = Seconds(start);
  start = Clock::now();
  (void)search.FindIndexed(all);
  std::printf("duplicate search:  gather %.2f s, indexed comparison %.2f s, %zu pairs\n", gathered,
              Seconds(start), search.matches().size());
  std::printf("                   %zu people, the largest sound-key group %zu\n",
              search.summaries(), search.LargestKeyGroup());
  if (pairwise) {
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
