// Times the reports on a generated tree of 500,000 people: relationships between people twenty
// generations apart, and the descendant list of a person with 100,000 descendants as text and
// as a PDF file. Each measurement runs in its own child process, so its peak memory (the tree
// included) is its own.
//
//   kinloom-bench-reports [OUT.pdf]
//
// The tree: a clan whose founder has 100,000 descendants over more than twenty generations
// (their spouses come from outside) and a complete pedigree of sixteen generations above him,
// so that every relationship in the clan searches ancestries as long as they may grow; and
// unrelated families up to 500,000 people.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "charts/report_printing.h"
#include "platform/file_io.h"
#include "platform/headless_interaction.h"
#include "reports/lists.h"
#include "reports/relationship.h"
#include "store/line_search.h"
#include "store/record_store.h"

namespace {

using Clock = std::chrono::steady_clock;
using kinloom::store::MakeXref;

constexpr int kPeople = 500000;
constexpr int kDescendants = 100000;
constexpr int kPedigreeGenerations = 16;

struct Measure {
  double seconds = 0;      // wall clock of the timed part
  double cpu_seconds = 0;  // processor time of the whole child: shared machines slow the clock
  long peak_kib = 0;
  bool ok = false;
};

Measure InChild(const std::function<double()>& work) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const double seconds = work();
    const ssize_t written = write(fds[1], &seconds, sizeof seconds);
    _exit(written == sizeof seconds && seconds >= 0 ? 0 : 1);
  }
  close(fds[1]);
  Measure m;
  const ssize_t got = read(fds[0], &m.seconds, sizeof m.seconds);
  close(fds[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  m.peak_kib = usage.ru_maxrss;
  m.cpu_seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  m.ok = got == sizeof m.seconds && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return m;
}

template <typename Work>
double Seconds(Work work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// SplitMix64: the same tree on every machine.
struct Random {
  uint64_t state;
  uint64_t Next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
};

// Builds the tree's records from people and families given as numbers.
class TreeMaker {
 public:
  struct Family {
    int husband;
    int wife;
    std::vector<int> children;
  };

  int Person(char sex, int generation) {
    people_.push_back({sex, generation, 0, {}});
    return static_cast<int>(people_.size());
  }
  int Couple(int husband, int wife) {
    families_.push_back({husband, wife, {}});
    const int family = static_cast<int>(families_.size());
    people_[static_cast<size_t>(husband - 1)].spouse_in.push_back(family);
    people_[static_cast<size_t>(wife - 1)].spouse_in.push_back(family);
    return family;
  }
  void Child(int family, int child) {
    families_[static_cast<size_t>(family - 1)].children.push_back(child);
    people_[static_cast<size_t>(child - 1)].child_of = family;
  }
  int count() const { return static_cast<int>(people_.size()); }
  int generation(int person) const { return people_[static_cast<size_t>(person - 1)].generation; }
  int child_of(int person) const { return people_[static_cast<size_t>(person - 1)].child_of; }
  const Family& family(int n) const { return families_[static_cast<size_t>(n - 1)]; }

  void Build(kinloom::store::RecordStore& store) const {
    store.NewEmptyTree(false);
    for (size_t i = 0; i < people_.size(); ++i) {
      const int n = static_cast<int>(i + 1);
      const PersonSpec& p = people_[i];
      kinloom::store::LineNode* last = nullptr;
      kinloom::store::LineNode* first = store.AppendLine(&last, "0 " + MakeXref('I', n) + " INDI");
      store.AppendLine(&last, "1 NAME Given" + std::to_string(n % 997) + " /Surname" +
                                  std::to_string(n % 1499) + "/");
      store.AppendLine(&last, std::string("1 SEX ") + p.sex);
      store.AppendLine(&last, "1 BIRT");
      store.AppendLine(&last, "2 DATE " + std::to_string(1 + n % 28) + " MAR " +
                                  std::to_string(1400 + 25 * p.generation));
      store.AppendLine(&last, "2 PLAC Town" + std::to_string(n % 311) + ", County, Country");
      if (p.child_of != 0) store.AppendLine(&last, "1 FAMC " + MakeXref('F', p.child_of));
      for (int f : p.spouse_in) store.AppendLine(&last, "1 FAMS " + MakeXref('F', f));
      store.CreateIndividual(n)->lines = first;
    }
    for (size_t i = 0; i < families_.size(); ++i) {
      const int n = static_cast<int>(i + 1);
      kinloom::store::LineNode* last = nullptr;
      kinloom::store::LineNode* first = store.AppendLine(&last, "0 " + MakeXref('F', n) + " FAM");
      store.AppendLine(&last, "1 HUSB " + MakeXref('I', families_[i].husband));
      store.AppendLine(&last, "1 WIFE " + MakeXref('I', families_[i].wife));
      for (int c : families_[i].children) store.AppendLine(&last, "1 CHIL " + MakeXref('I', c));
      store.CreateFamily(n)->lines = first;
    }
    store.set_highest_individual(count());
    store.set_highest_family(static_cast<int>(families_.size()));
  }

 private:
  struct PersonSpec {
    char sex;
    int generation;
    int child_of;
    std::vector<int> spouse_in;
  };
  std::vector<PersonSpec> people_;
  std::vector<Family> families_;
};

struct BenchTree {
  int founder = 0;
  int deepest = 0;      // the clan's deepest descendant
  int ancestor_20 = 0;  // their ancestor twenty generations up
  int stranger = 0;     // someone of the unrelated families
};

// The parent of a clan member who belongs to the clan (spouses come from outside).
int BloodParent(const TreeMaker& t, int founder, int person) {
  const TreeMaker::Family& f = t.family(t.child_of(person));
  return t.child_of(f.husband) != 0 || f.husband == founder ? f.husband : f.wife;
}

// The clan: the founder's couples have one to three children each, four in five of whom marry
// and go on (the first child of each generation always does), breadth first, until there are
// 100,000 descendants.
void MakeClan(TreeMaker& t, BenchTree& b, Random& random) {
  b.founder = t.Person('M', 0);
  std::vector<int> parents = {b.founder};
  int descendants = 0;
  while (descendants < kDescendants && !parents.empty()) {
    std::vector<int> next;
    for (size_t i = 0; i < parents.size() && descendants < kDescendants; ++i) {
      const int parent = parents[i];
      const bool male = (parent & 1) == 1 || parent == b.founder;
      const int spouse = t.Person(male ? 'F' : 'M', t.generation(parent));
      const int family = male ? t.Couple(parent, spouse) : t.Couple(spouse, parent);
      const int children = i == 0 ? 2 : 1 + random.Below(3);
      for (int c = 0; c < children && descendants < kDescendants; ++c) {
        const int child = t.Person((t.count() & 1) == 1 ? 'M' : 'F', t.generation(parent) + 1);
        t.Child(family, child);
        ++descendants;
        // About half of the children marry and go on.
        if (i == 0 || random.Below(100) < 80) next.push_back(child);
      }
    }
    parents = std::move(next);
  }
  b.deepest = t.count();
  while (t.child_of(b.deepest) == 0) --b.deepest;
  b.ancestor_20 = b.deepest;
  for (int g = 0; g < 20; ++g) b.ancestor_20 = BloodParent(t, b.founder, b.ancestor_20);
}

// Sixteen generations of ancestors of `root`, all known.
void MakePedigree(TreeMaker& t, int root) {
  std::vector<int> level = {root};
  for (int g = kPedigreeGenerations - 1; g >= 0; --g) {
    std::vector<int> parents;
    for (int child : level) {
      const int father = t.Person('M', g);
      const int mother = t.Person('F', g);
      t.Child(t.Couple(father, mother), child);
      parents.push_back(father);
      parents.push_back(mother);
    }
    level = std::move(parents);
  }
}

// Unrelated couples with a few children each, up to the tree's size.
void Fill(TreeMaker& t, Random& random) {
  while (t.count() + 2 < kPeople) {
    const int family = t.Couple(t.Person('M', 10), t.Person('F', 10));
    const int children = random.Below(4);
    for (int c = 0; c < children && t.count() < kPeople; ++c) t.Child(family, t.Person('F', 11));
  }
}

void Report(const char* what, const Measure& m, double limit) {
  std::printf("%-48s %8.3f s (processor %7.3f s, limit %5.1f s)  peak %5ld MB  %s\n", what,
              m.seconds, m.cpu_seconds, limit, m.peak_kib / 1024, m.ok ? "" : "FAILED");
}

}  // namespace

int main(int argc, char** argv) {
  const std::string pdf_path = argc > 1 ? argv[1] : "/tmp/kinloom-bench-descendants.pdf";
  Random random{20261207};
  TreeMaker maker;
  BenchTree b;
  MakeClan(maker, b, random);
  MakePedigree(maker, b.founder);
  Fill(maker, random);
  b.stranger = maker.count() - 1;
  kinloom::platform::HeadlessInteraction ui;
  kinloom::store::RecordStore tree(ui);
  const double built = Seconds([&] { maker.Build(tree); });
  std::printf(
      "tree: %d people, %d families, made in %.2f s; founder %d, deepest %d "
      "(generation %d), its ancestor 20 generations up %d\n",
      tree.highest_individual(), tree.highest_family(), built, b.founder, b.deepest,
      maker.generation(b.deepest), b.ancestor_20);

  struct Pair {
    const char* what;
    int one;
    int two;
  };
  // The other end of the clan: the deepest descendant through the founders' other child, so
  // the two meet only at the founders.
  const auto line_of = [&](int person) {
    while (maker.generation(person) > 1) person = BloodParent(maker, b.founder, person);
    return person;
  };
  int cousin = 0;
  for (int n = b.deepest - 1; n > b.founder && cousin == 0; --n) {
    if (maker.child_of(n) != 0 && maker.generation(n) >= 20 && line_of(n) != line_of(b.deepest)) {
      cousin = n;
    }
  }
  for (const Pair& pair :
       {Pair{"relationship, 20 generations in a direct line", b.deepest, b.ancestor_20},
        Pair{"relationship, distant cousins", cousin, b.deepest},
        Pair{"relationship, none (an unrelated person)", b.deepest, b.stranger}}) {
    std::string relation;
    std::fflush(stdout);
    const Measure m = InChild([&] {
      double seconds = Seconds([&] {
        relation = kinloom::reports::FindRelationship(tree, pair.one, pair.two).relation1;
      });
      std::printf("  %s -> %s\n", pair.what, relation.c_str());
      std::fflush(stdout);
      return seconds;
    });
    Report(pair.what, m, 0.2);
  }

  const kinloom::reports::ReportJob job =
      kinloom::reports::DescendantListJob(tree, b.founder, kinloom::reports::kListGenerationsMax);
  std::fflush(stdout);
  Report("descendant list of 100,000, text", InChild([&] {
           size_t lines = 0;
           const double seconds = Seconds(
               [&] { lines = kinloom::reports::ReportTextLines(job, "7 December 2026").size(); });
           std::printf("  %zu lines\n", lines);
           std::fflush(stdout);
           return seconds;
         }),
         2.0);
  std::fflush(stdout);
  Report(
      "descendant list of 100,000, PDF", InChild([&] {
        auto app = kinloom::charts::MakeOffscreenApplication();
        kinloom::platform::LocalFileSystem files;
        int pages = 0;
        bool ok = true;
        const double seconds = Seconds([&] {
          ok = kinloom::charts::WritePdf(files, pdf_path, job, "7 December 2026", {}, &pages).ok();
        });
        std::printf("  %d pages in %s\n", pages, pdf_path.c_str());
        std::fflush(stdout);
        return ok ? seconds : -1.0;
      }),
      30.0);
  return 0;
}
