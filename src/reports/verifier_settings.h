#pragma once

#include <cstdint>

namespace kinloom::reports {

// A capitalization check of the verifier: which form it reports.
enum class CapitalsCheck { kAllCapitals = 0, kSomeLowerCase = 1, kIgnore = 2 };

// The verifier's settings: its three capitalization choices, its eight thresholds and its check
// boxes. The check boxes enable errors 7 to 37, one bit each: the box of error e is bit e - 7.
// The program-wide settings file keeps them; the verifier takes them as they stand.
struct VerifierSettings {
  static constexpr int kFirstCheckedError = 7;
  static constexpr int kCheckCount = 31;
  static constexpr uint32_t kAllChecks = (uint32_t{1} << kCheckCount) - 1;

  CapitalsCheck given_name_capitals = CapitalsCheck::kAllCapitals;
  CapitalsCheck surname_capitals = CapitalsCheck::kAllCapitals;
  CapitalsCheck date_capitals = CapitalsCheck::kAllCapitals;
  int death_age = 110;            // death after this age, 90 to 125 years
  int burial_days = 30;           // burial this many days after death, 10 to 1000
  int marriage_age = 13;          // married under this age, 10 to 20
  int child_under_age = 13;       // a child born to a parent under this age, 10 to 20
  int mother_over_age = 50;       // a child born to a mother over this age, 40 to 99
  int father_over_age = 70;       // a child born to a father over this age, 40 to 99
  int child_after_marriage = 30;  // a child born this many years after marriage, 20 to 80
  int child_before_marriage = 2;  // a child born this many years before marriage, 0 to 20
  uint32_t checks = kAllChecks;

  // The verifier as its window is built: every check on, the thresholds above.
  static VerifierSettings WindowDefaults() { return {}; }
  // What the program keeps until the settings file supplies values: every check off.
  static VerifierSettings KeptDefaults() {
    VerifierSettings v;
    v.death_age = 105;
    v.burial_days = 120;
    v.marriage_age = 12;
    v.child_under_age = 13;
    v.mother_over_age = 58;
    v.father_over_age = 78;
    v.child_after_marriage = 36;
    v.child_before_marriage = 2;
    v.checks = 0;
    return v;
  }

  // Whether the check box of an error (7 to 37) is on; other errors have no box and are false.
  bool check_on(int error) const {
    const int bit = error - kFirstCheckedError;
    return bit >= 0 && bit < kCheckCount && (checks >> bit & 1u) != 0;
  }
  void set_check(int error, bool on) {
    const int bit = error - kFirstCheckedError;
    if (bit < 0 || bit >= kCheckCount) return;
    if (on) {
      checks |= uint32_t{1} << bit;
    } else {
      checks &= ~(uint32_t{1} << bit);
    }
  }

  bool operator==(const VerifierSettings&) const = default;
};

}  // namespace kinloom::reports
