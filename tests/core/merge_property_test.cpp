// Random pairs of a generated tree merged with random box states: after each merge every link
// has its other side, the search lists hold every record in order, nothing either person held
// is lost unless its box was cleared, and the tree saves and reads back whole.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/chart_cache.h"
#include "core/family_ops_support.h"
#include "core/merge_boxes.h"
#include "core/merge_candidate.h"
#include "core/merge_individuals.h"
#include "core/merge_lines.h"
#include "core/queries.h"
#include "core/test_records.h"
#include "core/tree_reading.h"
#include "store/gedcom_writer.h"
#include "store/line_edit.h"
#include "store/search_lists.h"
#include "support/tree_checks.h"

namespace kinloom::core {
namespace {

using namespace test_records;
using merge::FindSub;
using merge::JoinedValue;
using merge::SubValue;
using store::LineNode;
using store::RecordStore;

// A fact about the kept record that must hold after the merge, with what it says.
struct Check {
  std::string what;
  std::function<bool(RecordStore&)> holds;
};

Lines GroupTexts(const LineNode* line) {
  Lines texts = {std::string(line->text())};
  for (const LineNode* sub = line->next; sub != nullptr && sub->level() > line->level();
       sub = sub->next) {
    texts.emplace_back(sub->text());
  }
  return texts;
}

bool HasGroupBelow(const LineNode* owner, const Lines& group) {
  if (owner == nullptr) return false;
  for (const LineNode* line = owner->next; line != nullptr && line->level() > owner->level();
       line = line->next) {
    if (line->level() == owner->level() + 1 && GroupTexts(line) == group) return true;
  }
  return false;
}

using Lookup = std::function<LineNode*(RecordStore&)>;

class Expectations {
 public:
  Expectations(RecordStore& store, const MergeBoxState& state) : state_(state) {
    const int kept = state.kept();
    Lookup person = [kept](RecordStore& s) { return family_ops::PersonLines(s, kept); };
    std::array<LineNode*, 2> sides;
    for (size_t s = 0; s < 2; ++s) sides[s] = family_ops::PersonLines(store, state.individuals[s]);
    for (int row = 1; row < kFirstFamilyRow; ++row) {
      AddRow(person, state.person_rows[static_cast<size_t>(row)], MergeRowSpecOf(row).kind, sides);
    }
    for (const MergeMarriage& m : state.marriages) {
      if (!m.paired()) break;
      const int family = m.family[static_cast<size_t>(state.kept_side())];
      Lookup lookup = [family](RecordStore& s) { return family_ops::FamilyLines(s, family); };
      for (size_t s = 0; s < 2; ++s) sides[s] = family_ops::FamilyLines(store, m.family[s]);
      for (const MergeRowState& row : m.rows) AddRow(lookup, row, MergeRowKind::kEvent, sides);
    }
    for (size_t s = 0; s < 2; ++s) {
      AddOtherLines(person, family_ops::PersonLines(store, state.individuals[s]));
    }
    AddLinks(store);
  }

  const std::vector<Check>& checks() const { return checks_; }

 private:
  void Add(std::string what, std::function<bool(RecordStore&)> holds) {
    checks_.push_back({std::move(what), std::move(holds)});
  }

  void AddRow(const Lookup& kept, const MergeRowState& row, MergeRowKind kind,
              const std::array<LineNode*, 2>& sides) {
    const std::string tag(row.tag);
    const auto line = [kept, tag](RecordStore& s) { return store::FindTagLine(kept(s), tag); };
    for (size_t s = 0; s < 2; ++s) {
      const MergeSide& side = row.sides[s];
      const std::string where = tag + " of side " + std::to_string(s + 1) + ": ";
      if (kind == MergeRowKind::kName) {
        if (side.value_box.on()) {
          Add(where + "given names " + side.value, [kept, v = side.value](RecordStore& st) {
            return ReadMergeSide(kept(st), "1 NAME", MergeRowKind::kName).value == v;
          });
        }
        if (side.place_box.on()) {
          Add(where + "surname " + side.place, [kept, p = side.place](RecordStore& st) {
            return ReadMergeSide(kept(st), "1 NAME", MergeRowKind::kName).place == p;
          });
        }
      } else if (side.value_box.on() && !side.value.empty()) {
        Add(where + "value " + side.value, [line, v = side.value, kind](RecordStore& st) {
          return (kind == MergeRowKind::kEvent ? SubValue(line(st), "DATE")
                                               : JoinedValue(line(st))) == v;
        });
      }
      if (kind == MergeRowKind::kEvent && side.place_box.on()) {
        Add(where + "place " + side.place,
            [line, p = side.place](RecordStore& st) { return SubValue(line(st), "PLAC") == p; });
      }
      if (side.note_box.on()) {
        Add(where + "note", [line, n = side.note](RecordStore& st) {
          return JoinedValue(FindSub(line(st), "NOTE")).find(n) != std::string::npos;
        });
      }
      if (Contributes(side, kind, static_cast<int>(s))) AddCitations(line, sides[s], tag, where);
    }
  }

  // Whether the side's details, and so the citations that support them, stay: the kept side
  // keeps them while any detail of its own is checked or it had none; the discarded side gives
  // them when any of its boxes is checked.
  bool Contributes(const MergeSide& side, MergeRowKind kind, int s) const {
    const bool place = kind != MergeRowKind::kValue;
    const bool any_on = (side.value_box.on() && !side.value.empty()) ||
                        (place && side.place_box.on() && !side.place.empty()) || side.note_box.on();
    if (s != state_.kept_side()) return any_on || side.value_box.on() || side.place_box.on();
    const bool bare = side.value.empty() && (!place || side.place.empty()) && side.note.empty();
    return any_on || bare;
  }

  void AddCitations(const std::function<LineNode*(RecordStore&)>& line, LineNode* record,
                    const std::string& tag, const std::string& where) {
    LineNode* own = record == nullptr ? nullptr : store::FindTagLine(record, tag);
    if (own == nullptr) return;
    const std::string sour = merge::SubPrefix(own, "SOUR");
    for (LineNode* sub = own->next; sub != nullptr && sub->level() > own->level();
         sub = sub->next) {
      if (!store::HasTag(sub->text(), sour)) continue;
      Add(where + std::string(sub->text()), [line, group = GroupTexts(sub)](RecordStore& st) {
        return HasGroupBelow(line(st), group);
      });
    }
  }

  // Every level-1 group no row decides on, and the first note's text.
  void AddOtherLines(const Lookup& kept, LineNode* record) {
    std::set<std::string> seen;
    for (LineNode* line = record->next; line != nullptr; line = line->next) {
      if (line->level() != '1') continue;
      const std::string prefix(merge::PrefixOf(line));
      const bool first = seen.insert(prefix).second;
      if (prefix == "1 FAMC" || prefix == "1 FAMS" || prefix == "1 CHAN") continue;
      if (first && prefix == "1 NOTE") {
        Add("note " + JoinedValue(line), [kept, n = JoinedValue(line)](RecordStore& st) {
          return JoinedValue(store::FindTagLine(kept(st), "1 NOTE")).find(n) != std::string::npos;
        });
        continue;
      }
      if (first && IsRowTag(prefix)) continue;
      Add(std::string(line->text()), [kept, group = GroupTexts(line)](RecordStore& st) {
        return HasGroupBelow(kept(st), group);
      });
    }
  }

  bool IsRowTag(const std::string& prefix) const {
    for (int row = 1; row < kFirstFamilyRow; ++row) {
      if (state_.person_rows[static_cast<size_t>(row)].tag == prefix) return true;
    }
    return false;
  }

  // The children of both people's marriages are the kept person's children; the kept person
  // keeps its parents, or takes the discarded one's when it had none.
  void AddLinks(RecordStore& store) {
    const int kept = state_.kept();
    std::set<int> children;
    for (int person : state_.individuals) {
      for (int f : family_ops::LinkedNumbers(family_ops::PersonLines(store, person), "1 FAMS")) {
        for (int c : family_ops::LinkedNumbers(family_ops::FamilyLines(store, f), "1 CHIL")) {
          children.insert(c);
        }
      }
    }
    for (int child : children) {
      Add("child " + std::to_string(child), [kept, child](RecordStore& st) {
        for (int f : family_ops::LinkedNumbers(family_ops::PersonLines(st, child), "1 FAMC")) {
          if (!family_ops::RoleIn(st, f, kept).empty()) return true;
        }
        return false;
      });
    }
    std::vector<int> parents =
        family_ops::LinkedNumbers(family_ops::PersonLines(store, kept), "1 FAMC");
    if (parents.empty()) {
      for (int f : family_ops::LinkedNumbers(family_ops::PersonLines(store, state_.discarded()),
                                             "1 FAMC")) {
        if (family_ops::RoleIn(store, f, kept).empty()) parents.push_back(f);
      }
    }
    Add("parents", [kept, parents](RecordStore& st) {
      return family_ops::LinkedNumbers(family_ops::PersonLines(st, kept), "1 FAMC") == parents;
    });
    const uint8_t hidden = store.individual(state_.individuals[0])->hideFlags |
                           store.individual(state_.individuals[1])->hideFlags;
    Add("hide flags",
        [kept, hidden](RecordStore& st) { return st.individual(kept)->hideFlags == hidden; });
  }

  const MergeBoxState& state_;
  std::vector<Check> checks_;
};

class RandomMerges {
 public:
  explicit RandomMerges(RecordStore& store) : store_(store) {}

  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }

  int RandomPerson() {
    for (;;) {
      const int n = 1 + Pick(store_.highest_individual());
      if (store_.individual(n) != nullptr) return n;
    }
  }

  // A pair: half the time a person and the candidate the organizer page would offer.
  std::pair<int, int> Pair() {
    const int first = RandomPerson();
    const int second = Pick(2) == 0 ? FindMergeCandidate(store_, first, 0) : RandomPerson();
    return {first, second};
  }

  void ClickAtRandom(MergeBoxState& state) {
    for (int clicks = Pick(10); clicks > 0; --clicks) {
      const int row = 1 + Pick(kMergeRowCount - 1);
      const int side = Pick(2);
      const bool checked = Pick(2) == 0;
      const int kind = Pick(6);
      if (kind == 0) {
        Box1_3_Click(state, row, side, checked);
      } else if (kind == 1) {
        Box2_4_Click(state, row, side, checked);
      } else if (kind == 2) {
        NoteClick(state, row, side, checked);
      } else if (kind == 3) {
        KeepClick(state, side, checked);
        RetargetComingOfAge(state, store_);
      } else {
        ShowMarriage(state, Pick(3));
      }
    }
  }

 private:
  RecordStore& store_;
  std::mt19937 rng_{20261213};
};

// The generated trees hold few kinds of lines; duplicates met in practice hold more. Each
// person and family gets a few of these: second lines of a tag, lines no row decides on,
// notes and citations at both levels, religious events, continued values.
const std::vector<Lines> kPersonExtras = {
    {"1 OCCU Weaver"},
    {"1 OBJE photo.jpg"},
    {"1 NOTE Seen in the census of #", "2 CONT in the street of #"},
    {"1 SOUR @S000001@", "2 PAGE 7"},
    {"1 BARM", "2 DATE 1890", "2 NOTE At the synagogue of #"},
    {"1 BASM", "2 PLAC Leeds"},
    {"1 RELI Quaker"},
    {"1 EMIG", "2 DATE 1850", "2 PLAC Cork", "2 SOUR @S000002@"},
    {"1 TITL Duke of", "2 CONC  Somewhere"},
    {"1 RESI", "2 PLAC York", "2 NOTE Rented from #"},
};
const std::vector<Lines> kEventExtras = {
    {"2 NOTE Told by cousin #", "3 CONT who was there"},
    {"2 SOUR @S000003@", "3 PAGE 2"},
    {"2 AGE 70"},
};
const std::vector<Lines> kFamilyExtras = {
    {"1 NOTE Married by banns #"},
    {"1 SOUR @S000003@"},
    {"1 MARR", "2 PLAC Gretna"},
    {"1 DIV", "2 DATE 1930"},
};

// Inserts the group with "#" standing for the record's number, so that notes differ.
void InsertGroup(RecordStore& store, LineNode* owner, LineNode* first, const Lines& group) {
  LineNode* after = owner == first ? store::FindInsertPoint(first, group[0].substr(0, 6))
                                   : store::FindSubInsertPoint(owner, group[0].substr(0, 6));
  const std::string number = std::to_string(store::XrefNumber(first->text()));
  for (std::string text : group) {
    if (const size_t at = text.find('#'); at != std::string::npos) text.replace(at, 1, number);
    after = store::InsertLineAfter(store, after, text);
  }
}

template <typename Pick>
void AddExtras(RecordStore& store, Pick pick) {
  const auto any = [&pick](const std::vector<Lines>& groups) -> const Lines& {
    return groups[static_cast<size_t>(pick(static_cast<int>(groups.size())))];
  };
  for (int n = 1; n <= store.highest_individual(); ++n) {
    LineNode* first = family_ops::PersonLines(store, n);
    if (first == nullptr) continue;
    for (int k = pick(4); k > 0; --k) {
      InsertGroup(store, first, first, any(kPersonExtras));
    }
    for (std::string_view event : {"1 BIRT", "1 DEAT"}) {
      LineNode* line = store::FindTagLine(first, event);
      if (line != nullptr && pick(3) == 0) {
        InsertGroup(store, line, first, any(kEventExtras));
      }
    }
  }
  for (int f = 1; f <= store.highest_family(); ++f) {
    LineNode* first = family_ops::FamilyLines(store, f);
    if (first == nullptr || pick(2) == 0) continue;
    InsertGroup(store, first, first, any(kFamilyExtras));
  }
  // Titles change the keys and notes nothing the chart shows; both are rebuilt.
  store::BuildIndividualSearchList(store, 1);
  store::BuildFamilySearchList(store, 1);
  InitializeChart(store);
}

void ExpectRoundTrip(RecordStore& store, const testing::TempDir& dir) {
  platform::LocalFileSystem files;
  const std::string path = dir.File("merged.ged");
  ASSERT_TRUE(store::WriteTree(store, path, store::WriteMode::kNormal, files).ok());
  testing::TestTree reread;
  ASSERT_EQ(core::ReadTree(reread.store, path, false).outcome, store::ReadOutcome::kRead);
  ASSERT_EQ(Snapshot(reread), Snapshot(store));
}

TEST(MergeProperty, RandomMergesLoseNothingCheckedAndKeepTheTreeWhole) {
  testing::TempDir dir;
  testing::TestTree tree;
  LoadGenerated(tree, dir, 400, 11);
  RandomMerges merges(tree.store);
  AddExtras(tree.store, [&](int below) { return merges.Pick(below); });
  int merged = 0;
  int refused = 0;
  for (int step = 1; step <= 200; ++step) {
    const auto [first, second] = merges.Pair();
    MergeBoxState state = BuildMergeBoxState(tree.store, first, second, merges.Pick(2));
    merges.ClickAtRandom(state);
    const std::string refusal = MergeRefusal(tree.store, first, second);
    const Expectations expected(tree.store, state);
    const auto before = Snapshot(tree);
    const MergeResult result = MergeIndividuals(tree.store, state);
    const std::string at = "step " + std::to_string(step) + ": " + std::to_string(first) + " and " +
                           std::to_string(second) + " keeping side " +
                           std::to_string(state.kept_side() + 1);
    ASSERT_EQ(result.merged, refusal.empty()) << at;
    if (!result.merged) {
      ++refused;
      ASSERT_EQ(Snapshot(tree), before) << at;
      continue;
    }
    ++merged;
    ASSERT_EQ(testing::CheckTree(tree.store, step % 5 == 0), "") << at;
    for (const Check& check : expected.checks()) {
      EXPECT_TRUE(check.holds(tree.store)) << at << ": lost " << check.what;
    }
    if (::testing::Test::HasFailure()) return;
    if (step % 50 == 0) {
      ExpectRoundTrip(tree.store, dir);
      if (::testing::Test::HasFatalFailure()) FAIL() << "round trip after " << at;
    }
  }
  EXPECT_GT(merged, 100);
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace kinloom::core
