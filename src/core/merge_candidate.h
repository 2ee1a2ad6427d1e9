#pragma once

#include "store/record_store.h"

namespace kinloom::core {

// The pair of individuals the organizer page offers to merge.

// The second of the candidate pair for `first`: the highest-numbered other individual whose
// first "1 NAME" line equals `first`'s without regard to case, else `previous_second`; then
// moved to the nearest existing record (downwards first, then upwards); 0 when the tree has
// none.
int FindMergeCandidate(const store::RecordStore& store, int first, int previous_second);

// Whether the merge button is enabled for the pair.
inline bool CanMerge(int first, int second) {
  return second > 0 && second != first;
}

}  // namespace kinloom::core
