#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reports/verifier_texts.h"
#include "store/record_store.h"

namespace kinloom::reports {

// ---- Skip flags --------------------------------------------------------------------------------
// An individual remembers the problems the user has marked Skip: errors 1 to 6 share one flag per
// pair (1 and 2, 3 and 4, 5 and 6) in skipFlags, errors 7 to 37 have a flag each in
// skipFlagsExt (error n is bit n - 7). The flags are saved with the tree.
bool SkipFlag(const store::IndividualRecord& record, int error);
void SetSkipFlag(store::IndividualRecord& record, int error, bool on);

// One row of the potential problems list. Texts are kept once in the list, so that a list of
// millions of rows stays small.
struct ProblemRow {
  int32_t record = 0;  // the individual concerned
  uint32_t text = 0;   // 0: the error's description; else one of the list's own texts
  uint16_t event = 0;  // the event column, one of the list's event texts
  uint8_t error = 0;   // 1 to 37
  bool skip = false;   // the individual's skip flag of this error was set
  bool done = false;   // ticked in this list only
};

// The potential problems list: the rows one verifier run found, in the order found, and the
// number found of each error. Rows are numbered from 1 on the screen and in files; the functions
// here take positions from 0.
class ProblemList {
 public:
  ProblemList();

  // Starts a run: no rows, counters at 0, descriptions formatted with the settings.
  void Reset(const VerifierSettings& settings);

  // Adds a problem of `error` for individual `record`, found at `event` (a GEDCOM tag or the
  // column's own text). Duplicate rows show "Duplicate Entry?" and carry their own description;
  // an unlinked tree or a given name that does not fit the sex carries its own description too.
  void Add(const store::RecordStore& store, int error, int record, std::string_view event,
           std::string_view description = {});

  size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  const ProblemRow& row(size_t position) const { return rows_[position]; }
  const std::vector<ProblemRow>& rows() const { return rows_; }

  // The columns of a row as the list shows them.
  std::string_view Event(const ProblemRow& row) const { return events_[row.event]; }
  std::string_view Description(const ProblemRow& row) const;
  // "  %06i" of the record number.
  static std::string RecordColumn(const ProblemRow& row);
  // " x" when marked, else empty.
  static std::string_view MarkColumn(bool marked) { return marked ? " x" : ""; }

  // The two numbers of a duplicate-entry row, the later-found one first; {0, 0} for other rows.
  std::array<int, 2> DuplicatePair(const ProblemRow& row) const;

  // Problems found of one error (0 to 37), and in all.
  int count(int error) const { return error >= 0 && error <= kVerifierErrors ? counts_[error] : 0; }
  int total() const { return total_; }
  const std::array<int, kVerifierErrors + 1>& counts() const { return counts_; }
  const ErrorDescriptions& descriptions() const { return descriptions_; }
  // Forgets the count of every error the settings leave out (a box not checked, a
  // capitalization error not chosen); the rows stay.
  void ZeroUnchosenCounts(const VerifierSettings& settings);

  // Skip: toggles the individual's flag of the row's error, marks the tree changed and shows
  // the new mark on every row of the same individual and error. Returns the positions whose
  // mark changed; nothing when the record is no longer an individual.
  std::vector<size_t> ToggleSkip(store::RecordStore& store, size_t position);
  // Done: a mark of this list alone.
  void ToggleDone(size_t position);
  // Clears every individual's skip flags, listed or not, and every Skip mark of the list; marks
  // the tree changed.
  void UnSkipAll(store::RecordStore& store);

 private:
  uint16_t EventIndex(std::string_view event);

  std::vector<ProblemRow> rows_;
  std::vector<std::string> events_;
  std::unordered_map<std::string, uint16_t> event_index_;
  std::vector<std::string> texts_;  // texts_[0] is unused: row.text 0 means the description
  ErrorDescriptions descriptions_;
  std::array<int, kVerifierErrors + 1> counts_{};
  int total_ = 0;
};

// ---- The list window's messages ----------------------------------------------------------------
inline constexpr std::string_view kProblemsCaption = "Potential Problems List";
inline constexpr std::string_view kMarriageHintCaption = " *** Finding Marriage Errors ***";
inline constexpr std::string_view kMarriageHintText =
    "The first marriage for this person is shown.\n\rIf problem is not found check other "
    "marriages.";
inline constexpr std::string_view kInvalidNumberCaption = "Invalid Number";
inline constexpr std::string_view kUnSkipAllCaption = "Confirm - UnSkip All";
inline constexpr std::string_view kUnSkipAllQuestion =
    "This will remove the \"Skip\" setting from all records\nincluding those not shown or "
    "included in this list.\n\nDo you want to proceed?";
// The grid's headings, columns 0 to 5 (column 6, the error number, has none).
inline constexpr std::array<std::string_view, 6> kProblemsHeadings = {
    "  Line No", "  I.D. No", "S", "D", "   Event", "   Description of Potential Problem"};

// Whether a row's event calls for the marriage hint: it starts with three letters found in
// "MarAnnDivEngSpo" (shown once after the program starts).
bool IsMarriageEvent(std::string_view event);
// "Id No: %i\n\nThis number is no longer in use\nfor any Individual Record."
std::string InvalidNumberText(int record);

}  // namespace kinloom::reports
