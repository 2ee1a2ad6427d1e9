#pragma once

#include "core/merge_state.h"

namespace kinloom::core {

// The rules of the merge box's check boxes. Each takes the box's new state as the click left
// it; a click on a box that is not enabled changes nothing.

// Starting boxes of a row, so that a merge with no change loses nothing that can be kept: the
// kept side's value and place are checked where it has them, else the other side's; where
// neither has a value, the side that has the line; both note boxes are checked.
void SetStartingBoxes(MergeRowState& row, int kept_side);

// Keep1 and Keep2 exclude each other: the other box takes the opposite state. The row boxes
// stay as they are.
void KeepClick(MergeBoxState& state, int side, bool checked);

// A value box (date, single value, given names) and a place box (place, surname): within one
// row the two sides exclude each other. Checking one side clears the other; clearing one side
// checks the other when that one is enabled.
void Box1_3_Click(MergeBoxState& state, int row, int side, bool checked);
void Box2_4_Click(MergeBoxState& state, int row, int side, bool checked);

// A note box: checked, the note is kept (both checked: the notes are joined).
void NoteClick(MergeBoxState& state, int row, int side, bool checked);

// The up-down control over the paired marriages: which one the Marriage page shows, kept within
// 0 and the last paired marriage. Each marriage keeps its own boxes.
void ShowMarriage(MergeBoxState& state, int index);

}  // namespace kinloom::core
