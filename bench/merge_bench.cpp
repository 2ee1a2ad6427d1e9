// Times the merge of two records of one person on a whole tree: finding the candidate pair and
// opening the merge box (the organizer page's merge), and the merge itself of two people with
// several marriages. Each is run on several people; the slowest and the median are printed.
//
//   kinloom-bench-merge TREE.ged
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "core/family_ops.h"
#include "core/family_ops_support.h"
#include "core/merge_candidate.h"
#include "core/merge_individuals.h"
#include "core/merge_state.h"
#include "core/queries.h"
#include "core/tree_reading.h"
#include "platform/headless_interaction.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/names.h"

namespace {

using Clock = std::chrono::steady_clock;
using kinloom::store::RecordStore;
namespace core = kinloom::core;
namespace family_ops = kinloom::core::family_ops;

constexpr int kSamples = 15;

template <typename Work>
double Millis(Work work) {
  auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Print(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-44s median %7.2f ms   slowest %7.2f ms   (%zu runs)\n", what,
              times[times.size() / 2], times.back(), times.size());
}

// Married men with at least two marriages, spread over the tree.
std::vector<int> MarriedManyTimes(const RecordStore& tree, int count) {
  std::vector<int> found;
  const int step = std::max(1, tree.highest_individual() / (count * 4));
  for (int n = 1; n <= tree.highest_individual() && static_cast<int>(found.size()) < count;
       n += step) {
    for (int m = n; m < n + step && m <= tree.highest_individual(); ++m) {
      if (core::SexOf(tree, m) == 1 &&
          family_ops::LinkedNumbers(family_ops::PersonLines(tree, m), "1 FAMS").size() >= 2) {
        found.push_back(m);
        break;
      }
    }
  }
  return found;
}

// A second record of `person`: the same name and birth, married again to each of the same
// wives with a child each, and to one more wife.
int MakeDouble(RecordStore& tree, int person) {
  const int twin = core::NewIndividual(tree, 'M');
  kinloom::store::LineNode* name =
      kinloom::store::FindTagLine(family_ops::PersonLines(tree, person), "1 NAME");
  kinloom::store::SetLineValue(tree, family_ops::PersonLines(tree, twin), "1 NAME", 1,
                               kinloom::store::LineValue(name->text(), "1 NAME"));
  family_ops::FileIndividual(tree, twin);
  std::vector<int> wives;
  for (int family : family_ops::LinkedNumbers(family_ops::PersonLines(tree, person), "1 FAMS")) {
    wives.push_back(core::OtherSpouse(tree, family, person));
  }
  wives.push_back(core::NewIndividual(tree, 'F'));
  for (int wife : wives) {
    const int family = core::NewFamily(tree, 0, twin, wife, true);
    const int child = core::NewIndividual(tree, 'F');
    family_ops::AddChilLine(tree, family, child);
    family_ops::AddFamcLine(tree, child, family, core::kBirth);
  }
  return twin;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kinloom-bench-merge TREE.ged\n");
    return 1;
  }
  kinloom::platform::HeadlessInteraction ui;
  RecordStore tree(ui);
  if (core::ReadTree(tree, argv[1], false).outcome != kinloom::store::ReadOutcome::kRead) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  std::printf("individuals %d, families %d\n", tree.highest_individual(), tree.highest_family());
  const std::vector<int> people = MarriedManyTimes(tree, kSamples);
  if (people.empty()) {
    std::fprintf(stderr, "no one with two marriages in %s\n", argv[1]);
    return 2;
  }

  // A given name no one else has, with the most common surname: the candidate search goes
  // through the longest stretch of the list.
  std::map<std::string, int> surnames;
  for (int n = 1; n <= tree.highest_individual(); ++n) ++surnames[kinloom::store::Surname(tree, n)];
  surnames.erase("");
  const auto common =
      std::max_element(surnames.begin(), surnames.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  const int unique = core::NewIndividual(tree, 'M');
  kinloom::store::SetLineValue(tree, family_ops::PersonLines(tree, unique), "1 NAME", 1,
                               "Zacharias /" + common->first + "/");
  family_ops::FileIndividual(tree, unique);
  std::printf("most common surname: %d people\n", common->second);
  std::vector<double> scan_times, candidate_times, open_times, merge_times;
  for (int i = 0; i < kSamples; ++i) {
    scan_times.push_back(Millis([&] { core::FindMergeCandidate(tree, unique, 0); }));
  }
  for (int person : people) {
    const int twin = MakeDouble(tree, person);
    core::MergeBoxState state;
    // From the double, the candidate is the first record of the same name.
    open_times.push_back(Millis([&] {
      int second = 0;
      candidate_times.push_back(Millis([&] { second = core::FindMergeCandidate(tree, twin, 0); }));
      if (second == 0) std::fprintf(stderr, "no candidate for %d\n", twin);
      state = core::BuildMergeBoxState(tree, person, twin);
    }));
    if (state.paired_marriages < 2) {
      std::fprintf(stderr, "the marriages of %d and its double did not pair\n", person);
      return 3;
    }
    core::MergeResult result;
    merge_times.push_back(Millis([&] { result = core::MergeIndividuals(tree, state); }));
    if (!result.merged) {
      std::fprintf(stderr, "the merge of %d was refused\n", person);
      return 3;
    }
  }
  Print("candidate search without a match:", scan_times);
  Print("candidate of a double:", candidate_times);
  Print("candidate pair and merge box:", open_times);
  Print("merge of two people with several marriages:", merge_times);
  return 0;
}
