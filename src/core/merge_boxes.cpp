#include "core/merge_boxes.h"

#include <algorithm>

namespace kinloom::core {
namespace {

// Which side starts checked: the kept side when it has the text, else the other side when it
// has it; where neither has text, the first of the two (kept first) whose box is enabled.
int StartingSide(const MergeBox& kept_box, const std::string& kept_text, const MergeBox& other_box,
                 const std::string& other_text) {
  if (kept_box.enabled && !kept_text.empty()) return 0;
  if (other_box.enabled && !other_text.empty()) return 1;
  if (kept_box.enabled) return 0;
  if (other_box.enabled) return 1;
  return -1;
}

void CheckOneOf(MergeBox& kept_box, MergeBox& other_box, int which) {
  kept_box.checked = which == 0;
  other_box.checked = which == 1;
}

// The rule shared by the value and place boxes.
void ExclusiveClick(MergeBox& clicked, MergeBox& other, bool checked) {
  if (!clicked.enabled) return;
  clicked.checked = checked;
  if (checked) {
    other.checked = false;
  } else if (other.enabled) {
    other.checked = true;
  }
}

bool ValidRow(int row) {
  return row >= 1 && row < kMergeRowCount;
}

bool ValidSide(int side) {
  return side == 0 || side == 1;
}

}  // namespace

void SetStartingBoxes(MergeRowState& row, int kept_side) {
  MergeSide& kept = row.sides[static_cast<size_t>(kept_side)];
  MergeSide& other = row.sides[static_cast<size_t>(1 - kept_side)];
  CheckOneOf(kept.value_box, other.value_box,
             StartingSide(kept.value_box, kept.value, other.value_box, other.value));
  CheckOneOf(kept.place_box, other.place_box,
             StartingSide(kept.place_box, kept.place, other.place_box, other.place));
  kept.note_box.checked = kept.note_box.enabled;
  other.note_box.checked = other.note_box.enabled;
}

void KeepClick(MergeBoxState& state, int side, bool checked) {
  if (!ValidSide(side)) return;
  state.keep[static_cast<size_t>(side)].checked = checked;
  state.keep[static_cast<size_t>(1 - side)].checked = !checked;
}

void Box1_3_Click(MergeBoxState& state, int row, int side, bool checked) {
  if (!ValidRow(row) || !ValidSide(side)) return;
  auto& sides = state.Row(row).sides;
  ExclusiveClick(sides[static_cast<size_t>(side)].value_box,
                 sides[static_cast<size_t>(1 - side)].value_box, checked);
}

void Box2_4_Click(MergeBoxState& state, int row, int side, bool checked) {
  if (!ValidRow(row) || !ValidSide(side) || !RowHasPlace(row)) return;
  auto& sides = state.Row(row).sides;
  ExclusiveClick(sides[static_cast<size_t>(side)].place_box,
                 sides[static_cast<size_t>(1 - side)].place_box, checked);
}

void NoteClick(MergeBoxState& state, int row, int side, bool checked) {
  if (!ValidRow(row) || !ValidSide(side)) return;
  MergeBox& box = state.Row(row).sides[static_cast<size_t>(side)].note_box;
  if (box.enabled) box.checked = checked;
}

void ShowMarriage(MergeBoxState& state, int index) {
  state.shown_marriage = std::clamp(index, 0, std::max(0, state.paired_marriages - 1));
}

}  // namespace kinloom::core
