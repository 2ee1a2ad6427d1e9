#pragma once

#include "store/record_store.h"

namespace kinloom::reports {

// What lasts between checks for the run of the program: how many times the user has confirmed
// leaving a broken link as it is (after two, the warning is no longer asked).
struct LinkCheckSession {
  int ignores_confirmed = 0;
};

struct LinkCheckResult {
  int problems = 0;  // broken links found
  int repaired = 0;  // fixed by adding the missing record or back-reference
  int removed = 0;   // fixed by deleting the reference
  int ignored = 0;
  bool stopped = false;
};

// Checks every link of the tree in both directions (individuals, then families), putting each
// broken one to the user through the interaction layer's link fixer and applying the answer.
LinkCheckResult CheckLinks(store::RecordStore& store, LinkCheckSession& session);

}  // namespace kinloom::reports
