#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/merge_state.h"
#include "store/record_store.h"

namespace kinloom::core {

inline constexpr std::string_view kMergeRefusedCaption = " *** Unable to Merge ***";

struct MergeResult {
  bool merged = false;
  int kept = 0;       // the record that stays, with its number
  int discarded = 0;  // the record that was deleted; its album items belong to `kept` now
};

// Why the two records cannot be merged into one: either is missing, both are the same, they are
// married to each other, or one descends from the other (the merged person would be their own
// parent or ancestor). Empty when they can.
std::string MergeRefusal(store::RecordStore& store, int first, int second);

// The merge box's merge button: folds the discarded individual into the kept one as the state's
// boxes say, then deletes it. The name, rows 2-38, the marriages, the level-1 note and citations
// and every other line of the discarded record are merged; a kept individual without parents
// takes the discarded one's; list memberships, skip, hide and mark flags and the to-do text are
// joined; the kept one takes the discarded one's place as current individual, home person and
// in the navigation history. A refused merge shows why (kMergeRefusedCaption) and changes
// nothing.
MergeResult MergeIndividuals(store::RecordStore& store, const MergeBoxState& state);

// The merge with the boxes as the box starts them, the `kept_side` (0 first, 1 second) keeping
// its number: for the command line and for duplicates found elsewhere.
MergeResult MergeWithStartingBoxes(store::RecordStore& store, int first, int second, int kept_side);

// One text per row whose value or place the merge takes from the discarded side, such as
// "1 BIRT date 1 JAN 1900; place Leeds"; marriage rows begin with the kept family's number.
std::vector<std::string> RowsFromDiscarded(const MergeBoxState& state);

}  // namespace kinloom::core
