#pragma once

#include <cstddef>

#include "store/dropped_lines.h"
#include "store/record_range.h"
#include "store/record_store.h"

namespace kinloom::store {

// The clean-up passes that turn a file from another program into the program's own shape. They
// run in this order after a foreign file is read or any file is merged, never for own files,
// and only over the records just read: after a merge the records that were in the tree before
// stay exactly as they were. Each pass adds what it drops or rewrites to `dropped` when given.

// Deletes the lines the program does not keep and folds a few foreign habits into its own
// forms (second names into aliases, valued residences into places, "Unknown" dates and places
// away, event lines "N" that say the event did not happen).
void RemoveUnusedTags(RecordStore& store, const RecordRange& range = {},
                      DroppedLines* dropped = nullptr);

// Rewrites the file's cross-references of the records from the first new numbers up as
// "@I%06i@", "@F%06i@" and "@S%06i@" with their table numbers; a reference that matches no
// record becomes number 0.
void RenumberNewRecords(RecordStore& store, int first_individual, int first_family,
                        int first_source);

// Puts the level-1 line groups of the individuals from `first_individual` on into the
// program's tag order.
void ResequenceTags(RecordStore& store, int first_individual = 1, DroppedLines* dropped = nullptr);

// Replaces each NOTE reference by the lines of the NOTE record it names, the record's own
// first-line text becoming the citing line's value. Only the note records from cell
// `first_note` on are looked at: those read with the records of the range.
void InlineNotes(RecordStore& store, const RecordRange& range = {}, size_t first_note = 0,
                 DroppedLines* dropped = nullptr);

}  // namespace kinloom::store
