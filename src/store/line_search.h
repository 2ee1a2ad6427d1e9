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

}  // namespace kinloom::store
