#pragma once

#include "store/line_node.h"
#include "store/record_store.h"

namespace kinloom::store {

// Renews the change stamp of the record that `line` belongs to ("1 CHAN", "2 DATE  d Mon yyyy",
// "3 TIME hh:mm:ss", from the store's clock) and marks the tree modified. `line` is usually the
// record's first line; the CHAN line is searched from it to the end of the record.
void StampChanged(RecordStore& store, LineNode* line);

}  // namespace kinloom::store
