#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/event_slots.h"
#include "core/family_ops.h"
#include "store/line_node.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace kinloom::ui {

// One event on a page: its check box, date box and place box, side by side in a grid row.
// The boxes are named cb<Prefix><Name>, <Prefix><Name>Date and <Prefix><Name>Place.
struct EventRow {
  QLabel* name = nullptr;  // the event's name, from its date caption
  QCheckBox* box = nullptr;
  QLineEdit* date = nullptr;
  QLineEdit* place = nullptr;
  core::EventSwitch event_switch;  // the box's own re-entry guard

  // Shows the record's event: the box checked with `caption` when the line exists, the date
  // and place below it, and the captions of the two boxes as their placeholder texts; the
  // row's name is the date caption without " Date".
  void Show(store::LineNode* first, std::string_view tag, std::string_view caption,
            std::string_view date_caption, std::string_view place_caption);
  // Empties and disables the row (no record to show).
  void Clear(std::string_view caption);
  void SetEnabled(bool enabled);
  void SetVisible(bool visible);
};

// Adds the row's widgets to `grid` at `row` (name, box, date, place in columns 0 to 3). `on_box`
// gets the box's new state when the user clicks it; `on_date` and `on_place` the box's text
// when the user leaves it (or presses Enter).
void BuildEventRow(EventRow& row, QGridLayout* grid, int grid_row, const QString& prefix,
                   const QString& name, std::function<void(bool)> on_box,
                   std::function<void(const QString&)> on_date,
                   std::function<void(const QString&)> on_place);

// Keeps the name and box columns (0 and 1) of a grid of event rows as wide as the widest of
// these event names and box captions, so the date and place boxes stay put when a caption
// changes with the person shown. The box captions include "Include Without Details".
void ReserveEventColumns(QGridLayout* grid, const std::vector<std::string_view>& names,
                         const std::vector<std::string_view>& captions);
// The names and captions a shared slot's rows can show, for ReserveEventColumns.
void AddSlotTexts(core::SlotKind kind, std::vector<std::string_view>* names,
                  std::vector<std::string_view>* captions);

// Shows a record's text in a box from its start, so a long place shows its first words. A box
// being typed in keeps its cursor: a commit refreshes the page under the user's hands.
void ShowText(QLineEdit* edit, const QString& text);
// Keeps a date box about as wide as the longest common date.
void FitDateBox(QLineEdit* edit);

// A line edit whose edits are written when the user leaves it or presses Enter. In name,
// place and note boxes (`accents`) a typed mark and letter compose.
QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const QString& hint,
                       std::function<void(const QString&)> on_leave, bool accents = true);
// Writes what the user typed into a box of MakeTextBox and has not yet written, as leaving the
// box would; false when there is nothing typed to write.
bool CommitTypedText(QLineEdit* edit);

}  // namespace kinloom::ui
