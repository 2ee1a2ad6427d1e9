#pragma once

#include "store/record_store.h"

namespace kinloom::store {

// Recomputes every family's nextToVisit: scanning the husband, wife and children in line
// order, the latest member with neither the Visit nor the Edge mark, remembered until a member
// with the Visit mark alone has been seen; -1 when such a member exists but none unmarked was
// found; 0 when no member has the Visit mark alone.
void ComputeNextToVisit(RecordStore& store);

}  // namespace kinloom::store
