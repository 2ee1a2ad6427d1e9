// Times the wall chart: the six-generation descendant chart of a real family (the corpus'
// Tudors) and twelve generations of descendants on a generated tree of 100,000 people, which
// is either drawn or refused as too large; then the largest chart of that family the program
// still draws. Each measurement runs in its own child process, so its peak memory (the tree
// included) is its own.
//
//   kinloom-bench-wallchart [REAL.ged] [GENERATED.ged]
//
// Without arguments the real family comes from the corpus and the generated tree from
// kinloom-gentree (100,000 people, seed 1).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "charts/report_printing.h"
#include "charts/wall_chart_maker.h"
#include "core/generation_walks.h"
#include "core/tree_reading.h"
#include "platform/file_io.h"
#include "platform/headless_interaction.h"
#include "store/line_search.h"
#include "store/record_store.h"

namespace {

using Clock = std::chrono::steady_clock;
using kinloom::charts::WallChartOutcome;

struct Measure {
  double value = 0;        // what the child reports (seconds, or a count)
  double cpu_seconds = 0;  // processor time of the whole child
  long peak_kib = 0;
  bool ok = false;
};

Measure InChild(const std::function<double()>& work) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const double value = work();
    std::fflush(stdout);
    const ssize_t written = write(fds[1], &value, sizeof value);
    _exit(written == sizeof value && value >= 0 ? 0 : 1);
  }
  close(fds[1]);
  Measure m;
  const ssize_t got = read(fds[0], &m.value, sizeof m.value);
  close(fds[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  m.peak_kib = usage.ru_maxrss;
  m.cpu_seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  m.ok = got == sizeof m.value && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return m;
}

template <typename Work>
double Seconds(Work work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Report(const char* what, const Measure& m, double limit) {
  std::printf("%-52s %8.3f s (processor %7.3f s, limit %5.1f s)  peak %5ld MB  %s\n", what, m.value,
              m.cpu_seconds, limit, m.peak_kib / 1024, m.ok ? "" : "FAILED");
}

// The nodes of a descendant chart of `generations` from `root`.
size_t ChartNodes(kinloom::store::RecordStore& tree, int root, int generations) {
  kinloom::core::DescendantChartOptions options;
  options.max_generations = generations;
  size_t nodes = 0;
  for (const auto& level : kinloom::core::BuildDescendantChart(tree, root, options).levels) {
    nodes += level.size();
  }
  return nodes;
}

// The person with the largest chart of that many generations, among the people without
// parents (the largest charts start there).
int LargestRoot(kinloom::store::RecordStore& tree, int generations, size_t* nodes) {
  int best = 0;
  *nodes = 0;
  int tried = 0;
  for (int n = 1; n <= tree.highest_individual() && tried < 200; ++n) {
    const kinloom::store::IndividualRecord* person = tree.individual(n);
    if (person == nullptr || kinloom::store::FindTagLine(person->lines, "1 FAMC") != nullptr) {
      continue;
    }
    ++tried;
    const size_t size = ChartNodes(tree, n, generations);
    if (size > *nodes) {
      *nodes = size;
      best = n;
    }
  }
  return best;
}

// Makes the chart in a child; prints what came of it and returns the seconds it took.
double CreateInChild(kinloom::store::RecordStore& tree, int root, int generations,
                     const std::string& my_files) {
  auto app = kinloom::charts::MakeOffscreenApplication();
  kinloom::platform::LocalFileSystem files;
  kinloom::charts::WallChartRequest request;
  request.root = root;
  request.options.generations = generations;
  request.options.title = "Descendants";
  kinloom::charts::WallChartResult made;
  const double seconds = Seconds([&] {
    made = kinloom::charts::CreateWallChart(tree, request, {my_files, files, {}, 0, {}});
  });
  const char* outcome = made.outcome == WallChartOutcome::kSaved      ? "saved"
                        : made.outcome == WallChartOutcome::kTooLarge ? "refused as too large"
                                                                      : "not made";
  std::printf("  %s: %dx%d pixels at size %d %s\n", outcome, made.width, made.height,
              made.font_size, made.path.c_str());
  return made.outcome == WallChartOutcome::kSaved || made.outcome == WallChartOutcome::kTooLarge
             ? seconds
             : -1.0;
}

bool Load(kinloom::store::RecordStore& tree, const std::string& path) {
  const double seconds = Seconds([&] { (void)kinloom::core::ReadTree(tree, path, false); });
  std::printf("%s: %d people, read in %.2f s\n", path.c_str(), tree.highest_individual(), seconds);
  return tree.highest_individual() > 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string real =
      argc > 1 ? argv[1] : std::string(KINLOOM_CORPUS_DIR) + "/utf8-legacy-tudor.ged";
  std::string generated = argc > 2 ? argv[2] : "";
  const std::filesystem::path work =
      std::filesystem::temp_directory_path() / "kinloom-bench-wallchart";
  std::filesystem::create_directories(work);
  const std::string my_files = work.string();
  if (generated.empty()) {
    generated = (work / "generated.ged").string();
    const std::string command = std::string(KINLOOM_GENTREE) +
                                " --individuals 100000 --seed 1 --format own --out " + generated;
    if (std::system(command.c_str()) != 0) return 1;
  }

  kinloom::platform::HeadlessInteraction ui;
  {
    kinloom::store::RecordStore tree(ui);
    if (!Load(tree, real)) return 1;
    size_t nodes = 0;
    const int root = LargestRoot(tree, 6, &nodes);
    std::printf("  root %d: %zu boxes in six generations\n", root, nodes);
    Report("six generations of a real family",
           InChild([&] { return CreateInChild(tree, root, 6, my_files); }), 2.0);
  }

  kinloom::store::RecordStore tree(ui);
  if (!Load(tree, generated)) return 1;
  size_t nodes = 0;
  const int root = LargestRoot(tree, 12, &nodes);
  std::printf("  root %d: %zu boxes in twelve generations\n", root, nodes);
  Report("twelve generations on 100,000 people",
         InChild([&] { return CreateInChild(tree, root, 12, my_files); }), 60.0);
  // The largest chart of that family the program still draws: fewer generations until it fits.
  const Measure fitting = InChild([&] {
    auto app = kinloom::charts::MakeOffscreenApplication();
    kinloom::charts::WallChartRequest request;
    request.root = root;
    request.options.title = "Descendants";
    for (int g = 11; g >= 2; --g) {
      request.options.generations = g;
      kinloom::charts::PreparedWallChart chart(tree, request);
      if (!chart.too_small() && chart.Fit()) return static_cast<double>(g);
    }
    return -1.0;
  });
  if (!fitting.ok) return 1;
  const int drawn = static_cast<int>(fitting.value);
  std::printf("  %d generations: %zu boxes\n", drawn, ChartNodes(tree, root, drawn));
  Report("the largest chart of that family that is drawn",
         InChild([&] { return CreateInChild(tree, root, drawn, my_files); }), 60.0);
  return 0;
}
