#pragma once

#include <cstdint>

#include "store/record_store.h"

namespace kinloom::reports {

// The selection of individuals that a split save writes as a tree of its own: bit kMarkSelected
// of each individual's markFlags. The window that edits it keeps a copy of every mark in
// kMarkSelectedCopy, so the user can return to the selection the window opened with.

// Whether the individual exists and carries the selection mark.
bool IsSelected(const store::RecordStore& store, int individual);
// Sets or clears the mark of an existing individual; other numbers are ignored. The marks are
// saved with the tree: a mark that changes, here or by the actions below, marks it changed.
void SetSelected(store::RecordStore& store, int individual, bool selected);
// The number of marked individuals, over the whole tree.
int CountSelected(const store::RecordStore& store);

// Generations that reach every ancestor or descendant.
inline constexpr int kAllGenerations = 999999;

// A 16-bit visit stamp kept in one work word of every individual. A walk takes a fresh value, so
// a person counts as visited in it when the word holds the current value, and no clearing pass
// is needed between walks; the words are cleared when the stamps are made and when the value
// wraps.
class VisitStamps {
 public:
  VisitStamps(store::RecordStore& store, int word);
  // Starts a walk.
  void Begin();
  bool Has(const store::IndividualRecord& record) const { return record.work[word_] == current_; }
  void Set(store::IndividualRecord& record) const { record.work[word_] = current_; }

 private:
  void Clear();

  store::RecordStore& store_;
  int word_;
  uint16_t current_ = 0;
};

// The data side of the split window, alive while the window is open. Opening copies every mark
// into kMarkSelectedCopy. The bulk actions walk the family links without recursion, so a line
// of any length is handled, and each walk reaches a person at most once, so an ancestry loop
// ends it like any other link. While the selection is open, the two work words of each
// individual hold the walks' visit stamps (work[0] the ancestor stamp, work[1] the
// descendant stamp).
//
// The walks may set another mark bit instead: the statistics window marks the subtree it
// tabulates with kMarkInSubtree through the same walks. Such a working mark does not change the
// tree, and the selection's copy is left alone. Toggle, UnCheckAll, Restore and CheckedCount
// always concern the selection mark.
class SplitSelection {
 public:
  explicit SplitSelection(store::RecordStore& store, uint8_t mark = store::kMarkSelected);
  SplitSelection(const SplitSelection&) = delete;
  SplitSelection& operator=(const SplitSelection&) = delete;

  // A click on a line's check box: flips that individual's mark.
  void Toggle(int individual);
  // "&UnCheck": removes every mark (the copies stay).
  void UnCheckAll();
  // "&Restore": every mark becomes what it was when the window opened.
  void Restore();
  // The figure of the "Checked:" label.
  int CheckedCount() const { return CountSelected(store_); }

  // "Add All  &Ancestors": the start and all its ancestors; with siblings, also the families
  // of the ancestors' other children as MarkAncestors describes.
  void AddAllAncestors(int start, bool include_siblings);
  // "Add All &Descendants": the start and all its descendants, with their spouses when asked.
  void AddAllDescendants(int start, bool include_spouses);
  // "Add Ancestor &Tree": the start and everyone connected to its parents by family links,
  // other than through the start itself.
  void AddAncestorTree(int start);
  // "Add Descendant Tree": the start and everyone connected to its children by family links,
  // other than through the start itself.
  void AddDescendantTree(int start);

  // Marks the start and its descendants down to `generations` (1: the start alone). With
  // spouses, the partner in every family of a walked person is marked too, but not walked, so
  // the partner's children by someone else are left out. The walk does not pass through
  // `stop` (0: no stop).
  void MarkDescendants(int start, int generations, bool include_spouses, int stop = 0);
  // Marks the start and its ancestors up to `generations` (0: the start alone), following each
  // person's preferred parent family. With siblings, each ancestor's parents also have their
  // other children marked, with those children's spouses and children and the children's
  // spouses (three generations of descendants, not passing through the start).
  void MarkAncestors(int start, int generations, bool include_siblings);

 private:
  store::RecordStore& store_;
  uint8_t mark_;  // the bit the walks set
  VisitStamps ancestor_stamps_;
  VisitStamps descendant_stamps_;
};

}  // namespace kinloom::reports
