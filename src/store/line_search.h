#pragma once

#include <string>
#include <string_view>

#include "store/line_node.h"

namespace kinloom::store {

// The record number of a cross-reference: the decimal number that starts two characters after
// the first "@" (the record letter is skipped). 0 when the text has no "@", ends within those
// two characters, or holds no digits there. Numbers too large for an int read as 0.
int XrefNumber(std::string_view text);

// "@I000012@" and its family and source forms.
std::string MakeXref(char letter, int number);

// True when `text` begins with `prefix` followed by the end of the text or a blank.
bool HasTag(std::string_view text, std::string_view prefix);

// The n-th line (from 1) after `first` that has the tag, stopping at the next level-0 line;
// nullptr when there are fewer.
LineNode* FindTagLine(LineNode* first, std::string_view prefix, int n = 1);

// The value after a line's tag: the text behind the blank that follows the tag prefix, or an
// empty view when the line has no value.
std::string_view LineValue(std::string_view text, std::string_view prefix);

// The level digit of a line (its first character).
inline char LevelOf(const LineNode* line) {
  return line->level();
}

// The first line after `line` whose level is not deeper than its own: the end of its sub-lines.
LineNode* AfterSubLines(LineNode* line);
// The last of `line`'s sub-lines, or `line` itself when it has none.
LineNode* LastOfSubLines(LineNode* line);

// The n-th of the sub-lines of `line` (and following lines while their level is not below the
// prefix's level) that begins with `prefix` (prefix match); nullptr when there are fewer.
LineNode* FindSubLine(LineNode* line, std::string_view prefix, int n = 1);

// The first line from `line` (inclusive) that has `tag1` (whole tag) or begins with `tag2` or
// `tag3` (prefix); an empty tag never matches. `*which` (when given) is set to 1, 2 or 3.
LineNode* FindFirstOfTags(LineNode* line, std::string_view tag1, std::string_view tag2,
                          std::string_view tag3 = {}, int* which = nullptr);

// The first line from `line` that begins with `prefix` and whose XrefNumber is `number`.
LineNode* FindXrefLine(LineNode* line, std::string_view prefix, int number);
// The line before that match (for unlinking); nullptr when the match is `line` itself or there
// is none.
LineNode* FindXrefLineBefore(LineNode* line, std::string_view prefix, int number);

// The last line before the first "1 CHAN" line that begins with `tag1` or `tag2`; when there is
// none, the last line before "1 CHAN" (or the last line of the list).
LineNode* FindLastOfTags(LineNode* line, std::string_view tag1, std::string_view tag2);

// 0 when both texts have the same level and tag (the text up to the first blank after the
// level); else -1 or 1 by character order.
int CompareTags(std::string_view a, std::string_view b);

// The fixed order of level-1 lines that places every new line in a record.
extern const std::string_view kTagOrder[63];
// The fixed order of the sub-lines of an event.
extern const std::string_view kSubTagOrder[13];

// The line after which a new level-1 line with the tag prefix is linked in the record that
// starts at `first`.
LineNode* FindInsertPoint(LineNode* first, std::string_view prefix);
// The line after which a new sub-line with the prefix is linked below the event `event`.
LineNode* FindSubInsertPoint(LineNode* event, std::string_view prefix);

// The number of following lines whose first six characters equal the prefix's, counted until
// the first line with a lower level than the prefix.
int CountSubTag(LineNode* line, std::string_view prefix);

}  // namespace kinloom::store
