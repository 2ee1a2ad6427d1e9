#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reports/verifier_settings.h"

namespace kinloom::reports {

// The verifier's numbered errors run from 1 to kVerifierErrors; 0 is never produced.
inline constexpr int kVerifierErrors = 37;

// The errors with a special meaning to the list and the run.
inline constexpr int kErrorGenderCheck = 22;
inline constexpr int kErrorUnlinkedTree = 26;
inline constexpr int kErrorDuplicate = 28;

// The description of each error as the window lists it, with "%i" where a setting goes
// ("Death after age of %i"); "Invalid Error Number: 0" for 0 and for numbers out of range.
std::string_view ErrorTemplate(int error);

// The descriptions of one run, indexed by error number (0 to kVerifierErrors), the "%i" of the
// thresholds filled in from the settings. Error 26 keeps its "%i": each row gives its own count.
using ErrorDescriptions = std::array<std::string, kVerifierErrors + 1>;
ErrorDescriptions FormatDescriptions(const VerifierSettings& settings);

// "First record of unlinked tree - %i records" for a group of `size` people.
std::string UnlinkedTreeDescription(int size);
// "ID No %06i and %06i could be same person".
std::string DuplicateDescription(int first, int second);

// The event column of a problem: a GEDCOM tag (its second character a capital letter) is shown
// by its name ("BIRT" gives "Birth"; a tag not in the table stays as it is), any other text
// unchanged.
std::string_view EventName(std::string_view event);

// The event column of a duplicate-entry row, whatever the event given.
inline constexpr std::string_view kDuplicateEvent = "Duplicate Entry?";

// ---- The window's texts ----------------------------------------------------------------------
inline constexpr std::string_view kVerifierCaption = "Family Tree Verifier and Problem Spotter";
inline constexpr std::string_view kVerifyButton = "&Verify";
inline constexpr std::string_view kResetButton = "&ReSet";
inline constexpr std::string_view kIgnoreBefore1600Caption = "Ignore Test for Dates Before 1600";
inline constexpr std::string_view kPartialModeCaption = "Partial - Ignore Problems Marked Skip";
inline constexpr std::string_view kCompleteModeCaption = "Complete - Include Skip Problems";

// The three choices of a capitalization group (rbVer01, rbVer03, rbVer05), in order; `group` is
// the first error of the group: 1, 3 or 5.
std::array<std::string_view, 3> CapitalsChoices(int group);

// The errors that have a check box (7 to 37), and the ones whose box comes with an up-down of a
// threshold: the setting's member, its range and what the up-down shows.
struct ThresholdSetting {
  int error;
  int VerifierSettings::*member;
  int low;
  int high;
};
const std::array<ThresholdSetting, 8>& ThresholdSettings();
// The threshold of an error (7 to 13, 34); nullptr for the others.
const ThresholdSetting* ThresholdOf(int error);

// ---- Progress and summary ----------------------------------------------------------------------
inline constexpr std::string_view kVerifyingProgress = "Verifying Records";
inline constexpr std::string_view kGatheringProgress = "Gathering Information";
inline constexpr std::string_view kCheckingDuplicatesProgress = "Checking for Duplicate Entries";
inline constexpr std::string_view kSummaryCaption = " *** Summary of Potential Problems ***";
inline constexpr std::string_view kProblemsListNext =
    "    \"Potential Problems List\" window will open next";

// The lines of the summary box: the total, a dash line, the count of every error found (or the
// no-problem line), a second dash line and, when problems were found, the note that the list
// opens next.
std::vector<std::string> SummaryLines(const std::array<int, kVerifierErrors + 1>& counts, int total,
                                      const ErrorDescriptions& descriptions);
// The summary as the box shows it: every line ends with "\n\r".
std::string SummaryText(const std::vector<std::string>& lines);

}  // namespace kinloom::reports
