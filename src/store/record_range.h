#pragma once

namespace kinloom::store {

// The records a pass over the tree works on: of each kind, those from the first number given up
// to the highest. Opening a file works on the whole tree; a merge only on the records read from
// the other file, so that the records already in the tree stay exactly as they were.
// The first numbers are at least 1.
struct RecordRange {
  int first_individual = 1;
  int first_family = 1;
  int first_source = 1;
};

}  // namespace kinloom::store
