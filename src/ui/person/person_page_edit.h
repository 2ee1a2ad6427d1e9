#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "core/event_slots.h"
#include "core/family_ops_support.h"
#include "store/record_store.h"

namespace kinloom::ui {

class TFamTree;
struct EventRow;

// The frame of one edit made from a page. While it lives the page's re-entry counter is
// raised, so the page's own updates of its boxes do not run edits again; at its end the chart
// texts of the records touched are rebuilt and, when something changed, the window takes the
// change and refreshes its pages.
class PageEdit {
 public:
  PageEdit(TFamTree& tree, int& updating);
  ~PageEdit();
  PageEdit(const PageEdit&) = delete;
  PageEdit& operator=(const PageEdit&) = delete;

  store::RecordStore& store();
  void TouchPerson(int individual);
  void TouchFamily(int family);
  // Marks the edit as a change (the pages are refreshed at the end).
  void Changed(bool changed = true) { changed_ = changed_ || changed; }

 private:
  TFamTree& tree_;
  int& updating_;
  std::optional<core::family_ops::EditScope> scope_;
  bool changed_ = false;
};

// First lines of a shown record; nullptr for none (number 0 is only the tables' placeholder).
store::LineNode* PersonFirst(const store::RecordStore& store, int individual);
store::LineNode* FamilyFirst(const store::RecordStore& store, int family);

// Which record an event box edits.
struct EventOwner {
  bool family = false;
  int number = 0;
  store::LineNode* first(const store::RecordStore& store) const;
  void Touch(PageEdit& edit) const;
};

// Leaving a date (`sub_tag` "2 DATE") or place ("2 PLAC") box of an event. Dates are
// upper-cased under the program's option.
void EventDetailLeft(TFamTree& tree, int& updating, EventOwner owner, std::string_view tag,
                     std::string_view sub_tag, const QString& text);
// Clicking an ordinary event box.
void EventBoxClicked(TFamTree& tree, int& updating, EventRow& row, EventOwner owner,
                     std::string_view tag, std::string_view caption, bool checked);
// Clicking "Death Included": a person who must stay deceased keeps the box checked.
void DeathBoxClicked(TFamTree& tree, int& updating, EventRow& row, int individual, bool checked);
// Clicking the box of a shared slot; `second` for the box offered for the slot's second event
// while the slot is empty.
void SlotBoxClicked(TFamTree& tree, int& updating, EventRow& row, core::SlotKind kind, bool second,
                    bool checked);
// Writes "1 DEAT" when the person's dates span more than 110 years.
void CheckAgeForDeath(TFamTree& tree, int& updating, int individual);
// Ticking the living box marks the person living and removes the death line, unless the person
// must stay deceased (refused with a warning); unticking clears the mark and adds a bare
// "1 DEAT".
void LivingBoxClicked(TFamTree& tree, int& updating, int individual, bool living);

// The person's name from the given-name and surname boxes, under the capital options; the
// search lists follow.
void WriteName(TFamTree& tree, int& updating, int individual, const QString& given,
               const QString& surname);
// The first "1 TITL" or "1 ALIA" line from its box.
void WriteNameLine(TFamTree& tree, int& updating, int individual, std::string_view tag,
                   const QString& text);

}  // namespace kinloom::ui
