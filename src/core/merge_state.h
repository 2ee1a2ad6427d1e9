#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/record_store.h"

namespace kinloom::core {

// The merge box folds two records of one person into one. This is everything the box shows and
// lets the user change: the two people's headings, which one keeps its number, and for every
// detail which side's value survives. BuildMergeBoxState fills it from the tree, the functions
// of merge_boxes.h change it as the box's check boxes do, and MergeIndividuals applies it.
// Sides are 0 (the first individual, shown on the left) and 1 (the second).

inline constexpr std::string_view kMergeBoxCaption = "Merge Two Individuals";
inline constexpr std::string_view kMergeBoxHint =
    " Merge Two Records Into One and Keep Selected Details From Both ";
inline constexpr std::string_view kKeepWithParentsCaption =
    "Keep Above ID and Parents -- And All Checked Items From Both Sides";
inline constexpr std::string_view kKeepNumberCaption =
    "Keep Above ID Number -- And All Checked Items From Both Sides";

// ---- The fixed row table ----

enum class MergeRowKind : uint8_t {
  kKeep,   // row 0: the two keep boxes
  kName,   // given-name box (value) and surname box (place)
  kEvent,  // date box (value) and place box
  kValue,  // one value box, no place box
};
enum class MergePage : uint8_t { kBasic, kAdditional, kReligion, kMarriage };

struct MergeRowSpec {
  std::string_view tag;  // the level-1 tag prefix; empty for row 0
  MergeRowKind kind;
  MergePage page;
};

inline constexpr int kMergeRowCount = 47;
inline constexpr int kFirstFamilyRow = 39;  // rows 39-46 merge families, the others individuals
inline constexpr int kFamilyRowCount = kMergeRowCount - kFirstFamilyRow;
inline constexpr int kComingOfAgeRow = 31;  // "1 BARM", or "1 BASM" for a woman

// Row 0 to 46; REQUIRES 0 <= row < kMergeRowCount.
const MergeRowSpec& MergeRowSpecOf(int row);
inline bool RowHasPlace(int row) {
  return MergeRowSpecOf(row).kind == MergeRowKind::kName ||
         MergeRowSpecOf(row).kind == MergeRowKind::kEvent;
}

// ---- The state ----

struct MergeBox {
  bool enabled = false;
  bool checked = false;
  bool on() const { return enabled && checked; }
};

// What one record holds for one row, and that side's boxes. The value is the date of an
// event, the text of a single-value line or the given names; the place is an event's place or
// the surname. The value box is enabled when the record has the row's line, the place box when
// the place (or, for the name, the line) is there, the note box when the line has a note.
struct MergeSide {
  bool present = false;  // the record has the row's line
  std::string value;
  std::string place;
  std::string note;  // the note below the line, its lines joined by "\n"
  MergeBox value_box;
  MergeBox place_box;
  MergeBox note_box;
};

struct MergeRowState {
  std::string_view tag;  // the row's tag; the coming-of-age row follows the kept person's sex
  std::array<MergeSide, 2> sides;
};

// A row of the pairing table: a spouse and the family each side has with that spouse. Paired
// marriages (a family on both sides) come first; their rows 39-46 hold the boxes of the
// Marriage page for that marriage.
struct MergeMarriage {
  int spouse = 0;
  std::array<int, 2> family = {0, 0};  // 0: that side has no family with this spouse
  std::array<MergeRowState, kFamilyRowCount> rows;
  bool paired() const { return family[0] > 0 && family[1] > 0; }
};

// Rows 39-46 with their tags and nothing on either side.
std::array<MergeRowState, kFamilyRowCount> BlankFamilyRows();

struct MergeEventText {
  std::string date;
  std::string place;
};

// One side's heading as the person page shows that person.
struct MergeSummary {
  std::string name;    // "Given Surname"
  std::string number;  // "%06i"
  std::string sex;     // "M", "F" or "U"
  MergeEventText birth;
  MergeEventText death;
  struct Parent {
    int individual = 0;  // 0: none
    std::string label;   // PersonLabel
    MergeEventText birth;
    MergeEventText death;
  };
  Parent father;
  Parent mother;
};

struct MergeBoxState {
  std::array<int, 2> individuals = {0, 0};
  std::array<MergeBox, 2> keep;  // Keep1, Keep2
  std::array<std::string, 2> keep_captions;
  std::array<MergeSummary, 2> summaries;
  std::array<MergeRowState, kFirstFamilyRow> person_rows;  // rows 0-38; row 0 is unused
  std::vector<MergeMarriage> marriages;                    // the pairing table
  int paired_marriages = 0;                                // the up-down control's maximum
  int shown_marriage = 0;  // index of the paired marriage on the Marriage page
  bool show_additional = false;
  bool show_religion = false;

  bool show_marriage() const { return paired_marriages > 0; }
  // The side that keeps its number and parents: the first while Keep1 is checked.
  int kept_side() const { return keep[0].checked ? 0 : 1; }
  int kept() const { return individuals[static_cast<size_t>(kept_side())]; }
  int discarded() const { return individuals[static_cast<size_t>(1 - kept_side())]; }
  // Rows 1 to 46 as the box shows them: rows 39-46 are those of the shown paired marriage
  // (all disabled when there is none). REQUIRES 1 <= row < kMergeRowCount.
  MergeRowState& Row(int row);
  const MergeRowState& Row(int row) const;

 private:
  std::array<MergeRowState, kFamilyRowCount> no_marriage_rows_ = BlankFamilyRows();
};

// ---- Building it ----

// Opens the merge box on a pair: both headings, the keep boxes (the side `kept_side` checked)
// and their captions, every row with its starting boxes, the pairing table, and which pages
// show. A number that names no individual gives an empty side.
MergeBoxState BuildMergeBoxState(const store::RecordStore& store, int first, int second,
                                 int kept_side = 0);

// The coming-of-age row takes "1 BASM" when the kept individual is female, else "1 BARM", and
// is read again from both records with its starting boxes. BuildMergeBoxState does it; the box
// does it again whenever it is activated.
void RetargetComingOfAge(MergeBoxState& state, const store::RecordStore& store);

// What one record holds for a row, its boxes enabled and none checked; `first` is the record's
// first line and may be null.
MergeSide ReadMergeSide(const store::LineNode* first, std::string_view tag, MergeRowKind kind);

}  // namespace kinloom::core
