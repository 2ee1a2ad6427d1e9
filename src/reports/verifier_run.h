#pragma once

#include <cstdint>
#include <string_view>

#include "reports/problems_list.h"
#include "reports/verifier_settings.h"
#include "store/record_store.h"

// The verifier's checks share this state of one run. Not for use outside the verifier.
namespace kinloom::reports::verifier {

// The day number of the year 1600: with "Ignore Test for Dates Before 1600" the age checks
// leave out people born before it.
inline constexpr int kCutOff1600 = 584000;
inline constexpr int kNoCutOff = -9999999;
inline constexpr int kDaysPerYear = 365;

class Run {
 public:
  Run(store::RecordStore& store, const VerifierSettings& settings, bool complete, int cut_off,
      ProblemList& list);

  store::RecordStore& store() const { return store_; }
  const VerifierSettings& settings() const { return settings_; }
  int cut_off() const { return cut_off_; }

  // Whether an error is looked for at all: its box is checked, or for errors 1 to 6 its
  // capitalization choice is the one made.
  bool On(int error) const { return on_[error]; }
  // Whether an error may be reported for an individual: the complete mode reports everything,
  // the partial mode leaves out what the user marked Skip.
  bool Allowed(int error, int record) const;
  bool Wanted(int error, int record) const { return On(error) && Allowed(error, record); }
  void Add(int error, int record, std::string_view event, std::string_view description = {}) {
    list_.Add(store_, error, record, event, description);
  }

  // The thresholds in days.
  int death_days() const { return settings_.death_age * kDaysPerYear; }
  int burial_days() const { return settings_.burial_days; }
  int marriage_days() const { return settings_.marriage_age * kDaysPerYear; }
  int child_under_days() const { return settings_.child_under_age * kDaysPerYear; }
  int mother_over_days() const { return settings_.mother_over_age * kDaysPerYear; }
  int father_over_days() const { return settings_.father_over_age * kDaysPerYear; }
  int after_marriage_days() const { return settings_.child_after_marriage * kDaysPerYear; }
  int before_marriage_days() const { return settings_.child_before_marriage * kDaysPerYear; }

  // Asks the interaction layer whether the user wants the run stopped, at most every
  // kCancelPollEvery calls; once asked for, the answer stays yes.
  bool CancelRequested();

 private:
  static constexpr int kCancelPollEvery = 256;

  store::RecordStore& store_;
  const VerifierSettings& settings_;
  bool complete_;
  int cut_off_;
  ProblemList& list_;
  bool on_[kVerifierErrors + 1] = {};
  int polls_ = 0;
  bool cancelled_ = false;
};

// ---- Dates of a record ----------------------------------------------------------------------
// The day number of a "2 DATE" value: year * 365 + day of the year, 0 when empty or unreadable.
int DayNumber(std::string_view value);
// The day number of the first of the individual's level-1 lines with one of the tags (in record
// order) whose DATE gives one; 0 when none does.
int FirstDayNumber(const store::RecordStore& store, int individual, std::string_view tag1,
                   std::string_view tag2, std::string_view tag3 = {});
// The tag of a level-1 line: "BIRT" of "1 BIRT", "EVEN" of "1 EVEN Something".
std::string_view LineTag(std::string_view text);

// ---- Text checks (verifier_text_checks.cpp) --------------------------------------------------
// The capitalization test of a text: error `first` (all capitals) or `first` + 1 (some lower
// case), by the group's choice.
void CheckCapitals(Run& run, int record, std::string_view text, int first, std::string_view event);
// A DATE value: the capitalization test and the invalid-date check when `check` is set; returns
// the day number.
int CheckDate(Run& run, int record, std::string_view value, std::string_view event, bool check);
// The checks of a person's name.
void CheckNames(Run& run, int record);
// A "2 PLAC" line of the record, found at `event`.
void CheckPlace(Run& run, int record, std::string_view line, std::string_view event);

// ---- Per individual (verifier_person.cpp, verifier_family.cpp) -------------------------------
// The birth and death the family checks measure by, and what they gather over the families.
struct PersonDates {
  int birth = 0;  // BIRT, else BAPM, else CHR
  int death = 0;  // DEAT, else BURI, else CREM
  int sex = 0;
  bool gated = false;      // born after the early-date cut-off: the age checks apply
  int earliest_child = 0;  // over all families; 0 when no child is dated
  int latest_child = 0;
};
void CheckIndividual(Run& run, int record, uint16_t family_pass);
// The checks of the individual's "1 FAMS" families, in record order; families first met in
// this pass (`family_pass`) are new and get their dates and places checked.
void CheckFamilies(Run& run, int record, uint16_t family_pass, PersonDates& person);

// ---- Over the whole tree (verifier_groups.cpp, verifier_duplicates.cpp) ----------------------
// Given names against sex (error 22). False when cancelled.
bool CheckGivenNamesAgainstSex(Run& run);
// Groups of people linked by no family (error 26). False when cancelled.
bool CheckUnlinkedTrees(Run& run);
// Possible duplicate entries (error 28). False when cancelled.
bool SearchDuplicates(Run& run);

}  // namespace kinloom::reports::verifier
