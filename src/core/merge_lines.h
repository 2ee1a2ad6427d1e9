#pragma once

#include <string>
#include <string_view>

#include "store/line_node.h"
#include "store/record_store.h"

namespace kinloom::core::merge {

using store::LineNode;
using store::RecordStore;

// Line work of the merge, which moves whole groups of lines (a line with its sub-lines) from
// the record that goes into the record that stays instead of copying them.

// "2 DATE" for a line of level 1 and the tag "DATE": the prefix of a sub-line of `line`.
std::string SubPrefix(const LineNode* line, std::string_view tag);
// The first direct sub-line of `line` with the tag ("DATE", "NOTE"); nullptr when none.
LineNode* FindSub(LineNode* line, std::string_view tag);
// The value of that sub-line; empty when there is none.
std::string SubValue(LineNode* line, std::string_view tag);
// The text after a line's tag and its blank.
std::string_view ValueOf(const LineNode* line);
// The text up to the blank after the tag: "2 SOUR".
std::string_view PrefixOf(const LineNode* line);
// A line's value with its direct CONT ("\n" before) and CONC lines; empty for nullptr.
std::string JoinedValue(LineNode* line);

// A group cut out of its record: `first` to `last`, no longer linked in.
struct Group {
  LineNode* first = nullptr;
  LineNode* last = nullptr;
};
// Unlinks the line after `before` with its sub-lines.
Group CutAfter(LineNode* before);
// Links a cut group after `after`.
void LinkAfter(LineNode* after, Group group);
// The line before `line` in the list that starts at `first`; nullptr when it is not there.
LineNode* LineBefore(LineNode* first, const LineNode* line);
// Cuts `line` (found from `first`) with its sub-lines.
Group CutGroup(LineNode* first, LineNode* line);

// Whether two groups hold the same texts, line for line.
bool SameGroup(const LineNode* a, const LineNode* b);
// Whether a direct sub-line of `owner` (a level-1 line of a record when `owner` is its level-0
// line) starts a group with the same texts as `group`.
bool HasSameGroup(LineNode* owner, const LineNode* group);

// Appends a cut note to the note `kept_note` (same level): a blank continuation line, the cut
// note's first line as a continuation line with its value, and its own continuation lines.
void AppendNote(RecordStore& store, LineNode* kept_note, Group note);

}  // namespace kinloom::core::merge
