#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dates.h"
#include "reports/verifier_settings.h"

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

// The verifier's settings live with the verifier; the program keeps them here.
using reports::CapitalsCheck;
using reports::VerifierSettings;

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
