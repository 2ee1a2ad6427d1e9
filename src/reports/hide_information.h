#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "store/record_store.h"

namespace kinloom::reports {

// The hide-information grid: one row per individual, one column per bit of its hideFlags.
// Column 0 ("L") is the living status, columns 1 to 6 hide kinds of information, and column 7
// holds the row's name and number.
inline constexpr int kHideFlagColumns = 7;
inline constexpr std::array<std::string_view, kHideFlagColumns> kHideColumnLetters = {
    "L", "E", "S", "P", "T", "C", "N"};
inline constexpr std::string_view kHideLivingLegend =
    "L = Living or Deceased status only.  Hides Nothing unless other columns are checked.";

// The bit of a flag column (0 to 6); 0 for any other column.
uint8_t HideColumnBit(int column);
// What a flag cell shows: its letter when the bit is set, else nothing.
std::string_view HideCellText(uint8_t flags, int column);

// The "Select Column" list of the bulk actions, and the bits each entry covers.
enum class HideColumnChoice { kEverything, kSurname, kPlaces, kContact, kSsn, kNotes, kAll };
inline constexpr std::array<std::string_view, 7> kHideColumnItems = {
    "E = Everything", "S = Surname", "P = Place, Res.", "T = Phone, EMail",
    "C = Soc Sec No", "N = Notes",   "All Columns"};
// Every bit but living for kAll.
uint8_t HideColumnMask(HideColumnChoice column);

// The "Select Action" list; "Hide All Living" is offered only while the first column entry is
// chosen, and does not depend on the column.
enum class HideAction { kSetAll, kClearAll, kRestore, kHideAllLiving };
inline constexpr std::array<std::string_view, 4> kHideActionItems = {
    "Set All Items", "Clear All Items", "Restore Values", "Hide All Living"};

inline constexpr std::string_view kCannotChangeToLivingCaption = " *** Cannot Change to Living ***";
inline constexpr std::string_view kCannotChangeToLivingText =
    "This individual cannot be changed to living status until\n"
    "all details in the Death and Burial fields are removed.\n\n"
    "Also, Birth and Baptism dates for this individual\n"
    "(and near relation) cannot be over 120 years old.";

// Whether an existing individual carries the living bit.
bool IsMarkedLiving(const store::RecordStore& store, int individual);

// The data side of the hide-information window, alive while it is open. Opening takes a copy of
// every individual's hide byte: "Restore Values" returns to it, and closing compares the
// living bits against it to bring each changed person's death line in line with the status.
class HideInformation {
 public:
  explicit HideInformation(store::RecordStore& store);
  HideInformation(const HideInformation&) = delete;
  HideInformation& operator=(const HideInformation&) = delete;

  // The hide byte of an existing individual (0 for other numbers), and the copy taken at
  // opening.
  uint8_t flags(int individual) const;
  uint8_t saved_flags(int individual) const;

  // A click on a flag cell: columns 1 to 6 flip their bit, column 0 the living status as
  // ToggleLiving does. Marks the tree changed when a bit changed; false when nothing did.
  bool ToggleCell(int individual, int column);
  // Clears the living bit when set. Otherwise sets it, unless the person counts as deceased
  // (by the strict test used before marking anyone living), which is refused with the
  // " *** Cannot Change to Living ***" message.
  bool ToggleLiving(int individual);

  // "&Perform Action" on every existing individual; marks the tree changed.
  void Perform(HideColumnChoice column, HideAction action);

  // Closing: each individual whose living bit now differs from the copy gets its death lines
  // removed (now living) or, lacking one, a bare "1 DEAT" line (now deceased), with its change
  // stamp and chart texts renewed. Returns the living bit of the current individual, for the
  // main window's living check box.
  bool Close();

 private:
  store::IndividualRecord* Person(int individual) const;
  void ApplyToAll(HideColumnChoice column, HideAction action);
  void HideAllLiving();
  void MakeLiving(int individual);
  void MakeDeceased(int individual);

  store::RecordStore& store_;
  std::vector<uint8_t> saved_;  // by individual number
};

}  // namespace kinloom::reports
