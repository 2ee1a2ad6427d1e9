#pragma once

#include <vector>

#include "store/record_store.h"

namespace kinloom::reports {

// Generations of the statistics window's subtree boxes.
inline constexpr int kStatsMinGenerations = 1;
inline constexpr int kStatsMaxGenerations = 500;
inline constexpr int kStatsDefaultGenerations = 10;

// Which part of the tree the statistics window tabulates: everyone, or the ancestor subtree
// and/or the descendant subtree of a start person, with the siblings' families and the spouses
// of descendants when asked. The boxes exclude one another as the window's check boxes do, and
// every change sets the restraints-changed flag, so the next update marks the subtree afresh.
// The restraints live as long as the window (the whole run of the program).
class StatsRestraints {
 public:
  bool all() const { return all_; }
  bool ancestors() const { return ancestors_; }
  bool siblings() const { return siblings_; }
  bool descendants() const { return descendants_; }
  bool spouses() const { return spouses_; }
  int ancestor_generations() const { return ancestor_generations_; }
  int descendant_generations() const { return descendant_generations_; }
  int start() const { return start_; }
  bool changed() const { return changed_; }

  // "Search Everyone": checking it clears both subtree boxes.
  void SetAll(bool on);
  // "Ancestors Subtree": checking it clears "Search Everyone"; clearing it clears the siblings.
  void SetAncestors(bool on);
  // "Include Siblings and Their Families": checking it checks the ancestor subtree.
  void SetSiblings(bool on);
  // "Descendants Subtree": checking it clears "Search Everyone"; clearing it clears the spouses.
  void SetDescendants(bool on);
  // "Include Spouses of Descendants": checking it checks the descendant subtree.
  void SetSpouses(bool on);
  // The generation counts, kept within 1 to 500.
  void SetAncestorGenerations(int generations);
  void SetDescendantGenerations(int generations);

  // The window comes to the front: without a start person yet it takes `options_person` (the
  // person the options name for the ancestor marks) when that one exists; the flag is set.
  void Activate(const store::RecordStore& store, int options_person);
  // A typed number or the Find dialog's choice: an existing individual becomes the start
  // person and true is returned; any other number leaves the start person as it was.
  bool SetStart(const store::RecordStore& store, int individual);

  // "Update Chart" is enabled: everyone or a subtree is asked for.
  bool CanUpdate() const { return all_ || ancestors_ || descendants_; }

  // The individuals an update goes through, in record-number order: everyone, or the people
  // carrying the in-subtree mark. While the flag is set the marks are first cleared and set
  // again by the walks of the split selection, and the flag is cleared. Nobody when no box is
  // checked.
  std::vector<int> TabulatedPeople(store::RecordStore& store);

 private:
  void MarkSubtree(store::RecordStore& store) const;

  bool all_ = true;
  bool ancestors_ = false;
  bool siblings_ = false;
  bool descendants_ = false;
  bool spouses_ = false;
  int ancestor_generations_ = kStatsDefaultGenerations;
  int descendant_generations_ = kStatsDefaultGenerations;
  int start_ = 0;
  bool changed_ = true;
};

// Whether an individual carries the statistics window's in-subtree mark.
bool IsInSubtree(const store::RecordStore& store, int individual);

}  // namespace kinloom::reports
