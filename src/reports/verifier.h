#pragma once

#include "reports/problems_list.h"
#include "reports/verifier_settings.h"
#include "store/record_store.h"

namespace kinloom::reports {

// What one run of the verifier is asked to do: the settings of its window, the mode and the
// early-date cut-off.
struct VerifyOptions {
  VerifierSettings settings;
  // Complete mode ("Complete - Include Skip Problems"): problems marked Skip are listed too,
  // with their mark. The partial mode leaves them out.
  bool complete = false;
  // "Ignore Test for Dates Before 1600": the age checks leave out people born before 1600.
  bool ignore_before_1600 = false;
};

struct VerifyOutcome {
  bool cancelled = false;  // the user stopped the run; the list holds what was found so far
};

// Runs every check the settings switch on over the whole tree and fills `list` with one row
// per problem, in the order found: the duplicate search, given names against sex and unlinked
// trees first, then every individual in number order. The progress window shows the work and
// its Cancel stops it. Counts of errors the settings leave out are zeroed at the end. Only the
// records' walk stamps change.
VerifyOutcome RunVerifier(store::RecordStore& store, const VerifyOptions& options,
                          ProblemList* list);

}  // namespace kinloom::reports
