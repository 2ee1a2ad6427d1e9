// Thousands of random edits on a generated tree: after every one, each link has its partner
// line on the other side and both search lists hold every record once, in order; every few
// hundred edits, the tree survives a save and a reload unchanged.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/chart_cache.h"
#include "core/family_ops.h"
#include "core/queries.h"
#include "core/test_records.h"
#include "platform/file_io.h"
#include "store/gedcom_reader.h"
#include "store/gedcom_writer.h"
#include "store/line_search.h"
#include "support/test_support.h"
#include "support/tree_checks.h"

namespace kinloom::core {
namespace {

using store::RecordStore;
using testing::CheckTree;
using testing::LinksOf;

class RandomEdits {
 public:
  explicit RandomEdits(testing::TestTree& tree) : tree_(tree), store_(tree.store) {}

  // One random operation; returns its name for failure reports.
  const char* Step() {
    tree_.ui.ClearRecords();
    switch (Pick(12)) {
      case 0:
      case 1: {
        const int shown = RandomPerson();
        const int parents = FindParentFamily(store_, shown).family;
        const int father = FamilyMember(store_, parents, "1 HUSB");
        const int mother = FamilyMember(store_, parents, "1 WIFE");
        const bool male = Coin();
        AddParent(store_, shown, father, mother, male ? father : mother, male ? 'M' : 'F');
        return "add parent";
      }
      case 2: {
        const int shown = RandomPerson();
        const int parents = FindParentFamily(store_, shown).family;
        const int spouse = Coin() ? RandomPerson() : 0;
        if (spouse != 0 &&
            IsAlreadyFamilyMember(store_, spouse, shown, FamilyMember(store_, parents, "1 HUSB"),
                                  FamilyMember(store_, parents, "1 WIFE"))) {
          return "add spouse (refused)";
        }
        AddSpouse(store_, shown, AnyOf(Links(shown, false, "1 FAMS")), spouse);
        return "add spouse";
      }
      case 3:
      case 4: {
        const int family = Pick(5) == 0 ? 0 : RandomFamily();
        const int child = RandomPerson();
        const int father = family != 0 ? FamilyMember(store_, family, "1 HUSB") : RandomPerson();
        const int mother = family != 0 ? FamilyMember(store_, family, "1 WIFE") : RandomPerson();
        if (child == father || child == mother) return "add child (refused)";
        tree_.ui.QueueParentType(Pick(10) == 0 ? std::nullopt
                                               : std::optional<int>(Pick(kParentKinds)));
        AddChildToFamily(store_, family, child, father, mother);
        return "add child";
      }
      case 5: {
        const int person = RandomPerson();
        const int family = AnyOf(Links(person, false, "1 FAMC"));
        if (family != 0) ChangeParentType(store_, person, family, Pick(kParentKinds));
        return "change parent type";
      }
      case 6: {
        const int family = RandomFamily();
        const int child = family == 0 ? 0 : AnyOf(Links(family, true, "1 CHIL"));
        if (child != 0) RemoveChildFromFamily(store_, family, child);
        return "remove child";
      }
      case 7: {
        const int family = RandomFamily();
        if (family == 0) return "unmarry (none)";
        const int husband = FamilyMember(store_, family, "1 HUSB");
        const int wife = FamilyMember(store_, family, "1 WIFE");
        const int person = Coin() ? husband : wife;
        tree_.ui.QueueRemainingParent(Pick(8) == 0 ? std::nullopt : std::optional<int>(Pick(2)));
        Unmarry(store_, family, person, person == husband ? wife : husband);
        return "unmarry";
      }
      case 8:
        DeleteIndividual(store_, RandomPerson());
        return "delete individual";
      case 9:
        DeleteFamily(store_, RandomFamily());
        return "delete family";
      case 10:
        SetSex(store_, RandomPerson(), Pick(3));
        return "set sex";
      default: {
        const int a = RandomPerson();
        const int b = RandomPerson();
        if (a == b) return "marry (same person)";
        MarryIndividuals(store_, a, SexOf(store_, a), b, 0);
        return "marry";
      }
    }
  }

 private:
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }
  bool Coin() { return Pick(2) == 0; }
  int AnyOf(const std::vector<int>& numbers) {
    return numbers.empty() ? 0
                           : numbers[static_cast<size_t>(Pick(static_cast<int>(numbers.size())))];
  }
  int RandomPerson() {
    std::vector<int> people;
    for (int n = 1; n <= store_.highest_individual(); ++n) {
      if (store_.individual(n) != nullptr) people.push_back(n);
    }
    return AnyOf(people);
  }
  int RandomFamily() {
    std::vector<int> families;
    for (int f = 1; f <= store_.highest_family(); ++f) {
      if (store_.family(f) != nullptr && !store_.IsMarkerFamily(f)) families.push_back(f);
    }
    return AnyOf(families);
  }
  std::vector<int> Links(int record, bool family, std::string_view tag) {
    return LinksOf(family ? store_.family(record)->lines : store_.individual(record)->lines, tag);
  }

  testing::TestTree& tree_;
  RecordStore& store_;
  std::mt19937 rng_{20261206};
};

void ExpectRoundTrip(RecordStore& store, const testing::TempDir& dir) {
  platform::LocalFileSystem files;
  const std::string path = dir.File("edited.ged");
  ASSERT_TRUE(store::WriteTree(store, path, store::WriteMode::kNormal, files).ok());
  testing::TestTree reread;
  ASSERT_EQ(store::ReadTree(reread.store, path, false).outcome, store::ReadOutcome::kRead);
  ASSERT_EQ(test_records::Snapshot(reread), test_records::Snapshot(store));
  // Both lists hold the same records under fresh keys, so in the same order.
  ASSERT_EQ(CheckTree(reread.store, false), "");
}

TEST(FamilyOpsProperty, RandomEditsKeepLinksPairedListsSortedAndSurviveASave) {
  testing::TempDir dir;
  testing::TestTree tree;
  test_records::LoadGenerated(tree, dir, 300, 3);
  ASSERT_EQ(CheckTree(tree.store, true), "") << "as generated";

  RandomEdits edits(tree);
  constexpr int kSteps = 3000;
  for (int step = 1; step <= kSteps; ++step) {
    const char* name = edits.Step();
    ASSERT_EQ(CheckTree(tree.store, step % 4 == 0), "") << "step " << step << ": " << name;
    if (step % 500 == 0) {
      ExpectRoundTrip(tree.store, dir);
      if (::testing::Test::HasFatalFailure()) FAIL() << "round trip after step " << step;
    }
  }
  EXPECT_GT(tree.store.highest_individual(), 50);
}

}  // namespace
}  // namespace kinloom::core
