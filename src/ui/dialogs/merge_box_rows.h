#pragma once

#include <QString>
#include <array>
#include <vector>

#include "core/merge_state.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace kinloom::ui {

// The check boxes of one row of the merge box, both sides: the value box (a date, a single
// value or the given names), the place box (a place or the surname; none for single values)
// and the note box. Each box carries its row and side as the properties "mergeRow" and
// "mergeSide", which is how a click finds its row.
struct MergeRowBoxes {
  int row = 0;
  QLabel* caption = nullptr;
  std::array<QCheckBox*, 2> value{};
  std::array<QCheckBox*, 2> place{};
  std::array<QCheckBox*, 2> note{};
};

// What a row is called in the box ("Birth", "Bar Mitzvah"...); the coming-of-age row follows
// the tag it has at the moment.
QString MergeRowCaption(int row, std::string_view tag);

// The grid of rows `from` to `to` on one page of the box: a caption column, then the value,
// place and note boxes of the first side and of the second. The boxes are named after the
// row's tag and side: "BirtValue1", "BirtPlace2", "AliaNote1".
std::vector<MergeRowBoxes> BuildMergeRows(QWidget* page, int from, int to);

// Puts a row's state into its boxes: each side's text (cut to the box's width, whole in the
// tooltip), enabled and checked. Emits no clicks.
void ShowMergeRow(const MergeRowBoxes& boxes, const core::MergeRowState& row);

// The row and side a box of BuildMergeRows stands for.
int MergeRowOf(const QObject* box);
int MergeSideOf(const QObject* box);

}  // namespace kinloom::ui
