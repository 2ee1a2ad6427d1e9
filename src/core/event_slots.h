#pragma once

#include <string>
#include <string_view>

#include "store/record_store.h"

namespace kinloom::core {

// The edits behind the event boxes of the person and details pages, and the three shared
// slots whose one box stands for one of two events.

// ---- Event details ----

// Writes an event's "2 DATE" or "2 PLAC" (`sub_tag`) below the record's first `tag` line. A
// missing event line is made first; an empty value removes the sub-line. The record is stamped
// when something changed; returns whether it did.
bool WriteEventDetail(store::RecordStore& store, store::LineNode* first, std::string_view tag,
                      std::string_view sub_tag, const std::string& value);

// Upper-cases a to z and the letters of the upper half of the code page.
std::string AnsiUpper(std::string text);
// A box's text as it is written: without leading and trailing blanks and line breaks, at most
// 248 characters, upper-cased when `capitals`.
std::string EnteredText(std::string text, bool capitals);

// ---- Shared slots ----

enum class SlotKind { kBaptism, kBurial, kConfirmation };

// What the slot's box shows while it holds one event.
struct SlotEvent {
  std::string_view tag;
  std::string_view caption;  // of the box while checked
  std::string_view date_caption;
  std::string_view place_caption;
};

// 1 when the record has the slot's first event, else 2 when it has the second, else 0.
int SlotState(store::LineNode* first, SlotKind kind);
// The event of state 1 or 2 (state 0 gives that of state 1, which checking the box switches
// on). The confirmation slot's second event is a bar mitzvah for a male (`sex` 1) and a bas
// mitzvah otherwise, unless the record already holds one of them.
SlotEvent SlotEventOf(store::LineNode* first, SlotKind kind, int state, int sex);
// The event the details page shows beside the person page's slot: the other one of the pair
// (the second in state 0).
SlotEvent OtherEventOf(SlotKind kind, int state);
// The captions offered in state 0: the slot's box and the box of its second event.
std::string_view IdleCaption(SlotKind kind);
std::string_view IdleSecondCaption(SlotKind kind, int sex);

// The baptism and christening exchange: when the slot's event has a date or place and the
// other event is absent, asks "Change from Baptised to Christened?" (or back) and on Yes
// renames the event line, keeping its sub-lines. True when renamed.
bool OfferBaptismExchange(store::RecordStore& store, store::LineNode* first, int state);

// ---- Notes ----

// The text of the record's first "1 NOTE" with its "2 CONT" (new line) and "2 CONC" lines.
std::string NoteText(store::LineNode* first);
// Writes the text back as "1 NOTE" with continuation lines of at most 248 characters; an
// empty text removes the note (its other sub-lines keep an empty "1 NOTE"). True when changed.
bool WriteNoteText(store::RecordStore& store, store::LineNode* first, const std::string& text);

}  // namespace kinloom::core
