#pragma once

#include "store/record_store.h"

namespace kinloom::store {

// Sets the contact-details mark of every individual that has an address to show: a "1 RESI"
// with a date or place, or a "1 FACE", "1 MAIL" or "1 PHON" line; clears it for the others.
// Individuals from `first_individual` on.
void RefreshContactMarks(RecordStore& store, int first_individual = 1);

}  // namespace kinloom::store
