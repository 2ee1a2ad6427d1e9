#include "reports/statistics_restraints.h"

#include <algorithm>
#include <cstdint>

#include "reports/split_selection.h"

namespace kinloom::reports {

using store::IndividualRecord;
using store::RecordStore;

namespace {

IndividualRecord* Existing(const RecordStore& store, int individual) {
  if (individual < 1 || individual > store.highest_individual()) return nullptr;
  IndividualRecord* record = store.individual(individual);
  return record != nullptr && record->lines != nullptr ? record : nullptr;
}

int ClampGenerations(int generations) {
  return std::clamp(generations, kStatsMinGenerations, kStatsMaxGenerations);
}

}  // namespace

void StatsRestraints::SetAll(bool on) {
  all_ = on;
  if (on) {
    SetAncestors(false);
    SetDescendants(false);
  }
  changed_ = true;
}

void StatsRestraints::SetAncestors(bool on) {
  ancestors_ = on;
  if (on) all_ = false;
  if (!on) siblings_ = false;
  changed_ = true;
}

void StatsRestraints::SetSiblings(bool on) {
  siblings_ = on;
  if (on) SetAncestors(true);
  changed_ = true;
}

void StatsRestraints::SetDescendants(bool on) {
  descendants_ = on;
  if (on) all_ = false;
  if (!on) spouses_ = false;
  changed_ = true;
}

void StatsRestraints::SetSpouses(bool on) {
  spouses_ = on;
  if (on) SetDescendants(true);
  changed_ = true;
}

void StatsRestraints::SetAncestorGenerations(int generations) {
  ancestor_generations_ = ClampGenerations(generations);
  changed_ = true;
}

void StatsRestraints::SetDescendantGenerations(int generations) {
  descendant_generations_ = ClampGenerations(generations);
  changed_ = true;
}

void StatsRestraints::Activate(const RecordStore& store, int options_person) {
  if (start_ == 0 && Existing(store, options_person) != nullptr) start_ = options_person;
  changed_ = true;
}

bool StatsRestraints::SetStart(const RecordStore& store, int individual) {
  if (Existing(store, individual) == nullptr) return false;
  start_ = individual;
  changed_ = true;
  return true;
}

std::vector<int> StatsRestraints::TabulatedPeople(RecordStore& store) {
  std::vector<int> people;
  if (!CanUpdate()) return people;
  if (!all_ && changed_) {
    MarkSubtree(store);
    changed_ = false;
  }
  for (int n = 1; n <= store.highest_individual(); ++n) {
    const IndividualRecord* record = Existing(store, n);
    if (record == nullptr) continue;
    if (all_ || (record->markFlags & store::kMarkInSubtree) != 0) people.push_back(n);
  }
  return people;
}

void StatsRestraints::MarkSubtree(RecordStore& store) const {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (IndividualRecord* record = Existing(store, n)) {
      record->markFlags &= static_cast<uint8_t>(~store::kMarkInSubtree);
    }
  }
  {
    SplitSelection walks(store, store::kMarkInSubtree);
    if (ancestors_) walks.MarkAncestors(start_, ancestor_generations_, siblings_);
    if (descendants_) walks.MarkDescendants(start_, descendant_generations_, spouses_);
  }
  // The walks keep their visit stamps in the work words that an open split window uses too;
  // left behind, they could pass for that window's next stamp value.
  for (int n = 0; n <= store.highest_individual(); ++n) {
    if (IndividualRecord* record = store.individual(n)) record->work[0] = record->work[1] = 0;
  }
}

bool IsInSubtree(const RecordStore& store, int individual) {
  const IndividualRecord* record = Existing(store, individual);
  return record != nullptr && (record->markFlags & store::kMarkInSubtree) != 0;
}

}  // namespace kinloom::reports
