#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dates.h"

namespace kinloom::files {

// The longest name or address of a search site, and the longest stored theme name or language
// code, in characters; longer values are cut.
inline constexpr size_t kSearchSiteTextLength = 253;
inline constexpr size_t kStoredTextLength = 23;

// The range of the automatic-save period, in minutes, and of the days backups are kept.
inline constexpr int kAutoSaveMinutesMin = 5;
inline constexpr int kAutoSaveMinutesMax = 240;
inline constexpr int kBackupDaysMax = 32767;

// One row of the internet search grid: a web site where records can be searched. Rows may be
// empty; an empty row keeps its place between and after the sites.
struct SearchSite {
  std::string name;
  std::string address;

  bool empty() const { return name.empty() && address.empty(); }
  bool operator==(const SearchSite&) const = default;
};

// A capitalization check of the verifier: which form it reports.
enum class CapitalsCheck { kAllCapitals = 0, kSomeLowerCase = 1, kIgnore = 2 };

// The verifier's settings: its three capitalization choices, its eight thresholds and its check
// boxes. The check boxes enable errors 7 to 37, one bit each: the box of error e is bit e - 7.
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

// The program-wide options and counters, shared by all trees and kept in "sources.web", with
// the list of internet search sites.
struct ProgramSettings {
  int backup_counter = 0;       // prefix of backup names, one more per backup set
  int backup_days = 90;         // days backup copies are kept, 0 to 32767
  int report_file_counter = 0;  // appended to the names of saved reports and chart images

  bool surname_capitals = false;     // surnames turn to capital letters when entered
  bool given_name_capitals = false;  // given names turn to capital letters when entered
  bool date_capitals = false;        // dates turn to capital letters when entered
  bool auto_save = false;
  int auto_save_minutes = 10;           // 5 to 240
  bool parents_on_family_page = false;  // the person between parents and spouses
  bool profile_picture = false;         // profile pictures on the tree view chart
  bool hints = false;                   // tool tips by the cursor and in the status bar
  bool notes_on_hover = false;          // notes and sources shown when the cursor passes
  bool european_dates = true;           // "24 May 1927"; off gives "May 24, 1927"
  std::string theme = "Ocean";          // kept and written back unchanged
  std::string language = "en";          // kept and written back unchanged

  // The verifier's settings in force (its window), and the values the program keeps for it:
  // reading the file sets the kept values and then puts them in force; saving first takes the
  // values in force as the kept ones.
  VerifierSettings verifier = VerifierSettings::WindowDefaults();
  VerifierSettings kept_verifier = VerifierSettings::KeptDefaults();

  // The rows of the search grid below its heading, in order.
  std::vector<SearchSite> search_sites;

  // Set by every change of the options or the search sites; automatic save looks at it.
  bool sources_changed = false;

  core::DateDisplay date_display() const {
    return european_dates ? core::DateDisplay::kEuropean : core::DateDisplay::kAmerican;
  }
  int auto_save_period_ms() const { return auto_save_minutes * 60000; }
};

}  // namespace kinloom::files
