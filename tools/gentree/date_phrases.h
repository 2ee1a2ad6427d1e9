#pragma once

#include <string>

#include "random.h"

namespace kinloom::gentree {

// A date around `year` in one of the forms genealogists' files contain: exact ("12 JAN 1900"),
// month and year, year only, approximations (ABT, EST, CAL), bounds (BEF, AFT), ranges
// (BET .. AND .., FROM .. TO ..), a few lower-case months and a few interpreted dates with a
// phrase. Every form covers `year`.
std::string DatePhrase(Random& rng, int year);

// An exact date "D MON YYYY" in `year`.
std::string ExactDate(Random& rng, int year);

}  // namespace kinloom::gentree
