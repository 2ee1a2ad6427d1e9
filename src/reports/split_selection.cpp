#include "reports/split_selection.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string_view>

#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::reports {

using store::FamilyRecord;
using store::IndividualRecord;
using store::LineNode;
using store::RecordStore;

namespace {

struct WalkEntry {
  int person = 0;
  int generations = 0;  // what is left to walk from the person
};

// The work stack of a walk: a chain of fixed-size blocks, a new one chained on top when the top
// one is full and dropped when it empties, so a walk needs no recursion and no bound on the
// size of the tree. One emptied block is kept, so a stack that moves back and forth across a
// block boundary does not allocate each time.
class WalkStack {
 public:
  WalkStack() = default;
  WalkStack(const WalkStack&) = delete;
  WalkStack& operator=(const WalkStack&) = delete;
  ~WalkStack() {
    // Unchained one by one: a long chain must not be freed by recursion.
    while (top_ != nullptr) top_ = std::move(top_->below);
  }

  void Push(WalkEntry entry) {
    if (top_ == nullptr || top_->count == kBlockEntries) {
      std::unique_ptr<Block> block =
          spare_ != nullptr ? std::move(spare_) : std::make_unique<Block>();
      block->count = 0;
      block->below = std::move(top_);
      top_ = std::move(block);
    }
    top_->entries[top_->count++] = entry;
  }

  bool Pop(WalkEntry* entry) {
    if (top_ == nullptr) return false;
    *entry = top_->entries[--top_->count];
    if (top_->count == 0) {
      std::unique_ptr<Block> below = std::move(top_->below);
      spare_ = std::move(top_);
      top_ = std::move(below);
    }
    return true;
  }

 private:
  static constexpr size_t kBlockEntries = 1000;
  struct Block {
    std::array<WalkEntry, kBlockEntries> entries;
    size_t count = 0;
    std::unique_ptr<Block> below;
  };

  std::unique_ptr<Block> top_;
  std::unique_ptr<Block> spare_;
};

// An individual the walks may enter: numbered 1 to the highest number, with a record.
IndividualRecord* Existing(const RecordStore& store, int individual) {
  if (individual < 1 || individual > store.highest_individual()) return nullptr;
  IndividualRecord* record = store.individual(individual);
  return record != nullptr && record->lines != nullptr ? record : nullptr;
}

FamilyRecord* ExistingFamily(const RecordStore& store, int family) {
  if (family < 1 || family > store.highest_family()) return nullptr;
  FamilyRecord* record = store.family(family);
  return record != nullptr && record->lines != nullptr ? record : nullptr;
}

// The selection is what a split save writes, so a selection mark that changes changes the tree;
// a working mark (such as the statistics window's) does not.
void SetMark(RecordStore& store, IndividualRecord& record, uint8_t mark, bool on) {
  if (((record.markFlags & mark) != 0) == on) return;
  record.markFlags ^= mark;
  if (mark == store::kMarkSelected) store.set_tree_modified(true);
}

// Marks and stamps an existing individual not yet stamped; false for anyone else.
bool Reach(RecordStore& store, const VisitStamps& stamps, uint8_t mark, int individual) {
  IndividualRecord* record = Existing(store, individual);
  if (record == nullptr || stamps.Has(*record)) return false;
  SetMark(store, *record, mark, true);
  stamps.Set(*record);
  return true;
}

// Calls visit(number) for every level-1 line of the record after `first` that has one of the
// tags, with the record number the line points at.
template <typename Visit>
void ForEachLink(const LineNode* first, std::initializer_list<std::string_view> tags, Visit visit) {
  for (const LineNode* line = first->next; line != nullptr && line->level() != '0';
       line = line->next) {
    for (std::string_view tag : tags) {
      if (store::HasTag(line->text(), tag)) {
        visit(store::XrefNumber(line->text()));
        break;
      }
    }
  }
}

// Everyone reachable from `from` over parent and spouse families, passing no one who already
// carries the current stamp; `from` included. Each family is read once per `family_walk`.
void FloodFrom(RecordStore& store, const VisitStamps& stamps, uint8_t mark, uint16_t family_walk,
               int from) {
  if (!Reach(store, stamps, mark, from)) return;
  WalkStack stack;
  stack.Push({from, 0});
  WalkEntry entry;
  while (stack.Pop(&entry)) {
    const IndividualRecord* person = Existing(store, entry.person);
    ForEachLink(person->lines, {"1 FAMC", "1 FAMS"}, [&](int number) {
      FamilyRecord* family = ExistingFamily(store, number);
      if (family == nullptr || family->walkStamp == family_walk) return;
      family->walkStamp = family_walk;
      ForEachLink(family->lines, {"1 HUSB", "1 WIFE", "1 CHIL"}, [&](int member) {
        if (Reach(store, stamps, mark, member)) stack.Push({member, 0});
      });
    });
  }
}

}  // namespace

bool IsSelected(const RecordStore& store, int individual) {
  const IndividualRecord* record = Existing(store, individual);
  return record != nullptr && (record->markFlags & store::kMarkSelected) != 0;
}

void SetSelected(RecordStore& store, int individual, bool selected) {
  if (IndividualRecord* record = Existing(store, individual)) {
    SetMark(store, *record, store::kMarkSelected, selected);
  }
}

int CountSelected(const RecordStore& store) {
  int count = 0;
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (IsSelected(store, n)) ++count;
  }
  return count;
}

VisitStamps::VisitStamps(RecordStore& store, int word) : store_(store), word_(word) {
  Clear();
}

void VisitStamps::Begin() {
  if (++current_ != 0) return;
  Clear();
  current_ = 1;
}

void VisitStamps::Clear() {
  for (int n = 0; n <= store_.highest_individual(); ++n) {
    if (IndividualRecord* record = store_.individual(n)) record->work[word_] = 0;
  }
}

SplitSelection::SplitSelection(RecordStore& store, uint8_t mark)
    : store_(store), mark_(mark), ancestor_stamps_(store, 0), descendant_stamps_(store, 1) {
  if (mark_ != store::kMarkSelected) return;
  for (int n = 1; n <= store_.highest_individual(); ++n) {
    IndividualRecord* record = Existing(store_, n);
    if (record == nullptr) continue;
    record->markFlags &= static_cast<uint8_t>(~store::kMarkSelectedCopy);
    if (record->markFlags & store::kMarkSelected) record->markFlags |= store::kMarkSelectedCopy;
  }
}

void SplitSelection::Toggle(int individual) {
  SetSelected(store_, individual, !IsSelected(store_, individual));
}

void SplitSelection::UnCheckAll() {
  for (int n = 1; n <= store_.highest_individual(); ++n) SetSelected(store_, n, false);
}

void SplitSelection::Restore() {
  for (int n = 1; n <= store_.highest_individual(); ++n) {
    const IndividualRecord* record = Existing(store_, n);
    if (record != nullptr) {
      SetSelected(store_, n, (record->markFlags & store::kMarkSelectedCopy) != 0);
    }
  }
}

void SplitSelection::AddAllAncestors(int start, bool include_siblings) {
  MarkAncestors(start, kAllGenerations, include_siblings);
}

void SplitSelection::AddAllDescendants(int start, bool include_spouses) {
  MarkDescendants(start, kAllGenerations, include_spouses);
}

void SplitSelection::AddAncestorTree(int start) {
  ancestor_stamps_.Begin();
  // The start is stamped first, so the flood does not pass through it to its own families.
  if (!Reach(store_, ancestor_stamps_, mark_, start)) return;
  const uint16_t family_walk = store_.NewWalkNumber();
  const int family = core::FindParentFamily(store_, start).family;
  if (family == 0) return;
  for (std::string_view tag : {"1 HUSB", "1 WIFE"}) {
    FloodFrom(store_, ancestor_stamps_, mark_, family_walk,
              core::FamilyMember(store_, family, tag));
  }
}

void SplitSelection::AddDescendantTree(int start) {
  ancestor_stamps_.Begin();
  if (!Reach(store_, ancestor_stamps_, mark_, start)) return;
  const uint16_t family_walk = store_.NewWalkNumber();
  ForEachLink(store_.individual(start)->lines, {"1 FAMS"}, [&](int number) {
    const FamilyRecord* family = ExistingFamily(store_, number);
    if (family == nullptr) return;
    ForEachLink(family->lines, {"1 CHIL"},
                [&](int child) { FloodFrom(store_, ancestor_stamps_, mark_, family_walk, child); });
  });
}

void SplitSelection::MarkDescendants(int start, int generations, bool include_spouses, int stop) {
  descendant_stamps_.Begin();
  if (!Reach(store_, descendant_stamps_, mark_, start)) return;
  WalkStack stack;
  stack.Push({start, generations});
  WalkEntry entry;
  while (stack.Pop(&entry)) {
    if (entry.person == stop) continue;
    const IndividualRecord* person = Existing(store_, entry.person);
    ForEachLink(person->lines, {"1 FAMS"}, [&](int family) {
      if (ExistingFamily(store_, family) == nullptr) return;
      if (include_spouses) {
        IndividualRecord* spouse =
            Existing(store_, core::OtherSpouse(store_, family, entry.person));
        if (spouse != nullptr) SetMark(store_, *spouse, mark_, true);
      }
      if (entry.generations - 1 <= 0) return;
      ForEachLink(store_.family(family)->lines, {"1 CHIL"}, [&](int child) {
        if (Reach(store_, descendant_stamps_, mark_, child)) {
          stack.Push({child, entry.generations - 1});
        }
      });
    });
  }
}

void SplitSelection::MarkAncestors(int start, int generations, bool include_siblings) {
  ancestor_stamps_.Begin();
  if (!Reach(store_, ancestor_stamps_, mark_, start)) return;
  WalkStack stack;
  stack.Push({start, generations});
  WalkEntry entry;
  while (stack.Pop(&entry)) {
    if (entry.generations < 1) continue;
    const int family = core::FindParentFamily(store_, entry.person).family;
    if (ExistingFamily(store_, family) == nullptr) continue;
    const int husband = core::FamilyMember(store_, family, "1 HUSB");
    const int wife = core::FamilyMember(store_, family, "1 WIFE");
    for (int parent : {husband, wife}) {
      if (Reach(store_, ancestor_stamps_, mark_, parent)) {
        stack.Push({parent, entry.generations - 1});
      }
    }
    if (!include_siblings) continue;
    // The parents' other children with their families; the descendant stamps are separate,
    // so these walks leave the ancestor stamps alone.
    for (int parent : {husband, wife}) {
      if (Existing(store_, parent) != nullptr) MarkDescendants(parent, 3, true, start);
    }
  }
}

}  // namespace kinloom::reports
