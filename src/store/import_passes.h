#pragma once

#include "store/record_store.h"

namespace kinloom::store {

// The clean-up passes that turn a file from another program into the program's own shape. They
// run in this order after a foreign file is read or any file is merged, never for own files.

// Deletes the lines the program does not keep and folds a few foreign habits into its own
// forms (second names into aliases, valued residences into places, "Unknown" dates and places
// away). All records of the tree, those present before a merge included.
void RemoveUnusedTags(RecordStore& store);

// Rewrites the file's cross-references of the records from the first new numbers up as
// "@I%06i@", "@F%06i@" and "@S%06i@" with their table numbers; a reference that matches no
// record becomes number 0.
void RenumberNewRecords(RecordStore& store, int first_individual, int first_family,
                        int first_source);

// Puts the level-1 line groups of every individual into the program's tag order.
void ResequenceTags(RecordStore& store);

// Replaces each NOTE reference by the lines of the NOTE record it names, the record's own
// first-line text becoming the citing line's value.
void InlineNotes(RecordStore& store);

}  // namespace kinloom::store
