#pragma once

#include <string_view>

#include "store/line_node.h"
#include "store/record_store.h"

namespace kinloom::store {

// The line primitives every edit is made of. Each works on the record that holds the lines
// given; `first` is always the record's first line. The removing primitives and SetLineValue
// set TreeModified and renew the record's change stamp; ReplaceLineText sets TreeModified
// only; after NewLine the caller links the line and renews the stamp.

// A new line holding a copy of `text`, linked in front of `next`.
LineNode* NewLine(RecordStore& store, std::string_view text, LineNode* next);
// Links a new line with `text` directly after `after`; returns it. The caller stamps.
LineNode* InsertLineAfter(RecordStore& store, LineNode* after, std::string_view text);

// Removes and frees the line after `line` (only that line).
void UnlinkNext(RecordStore& store, LineNode* first, LineNode* line);
// Removes and frees the line after `line` together with all its sub-lines.
void RemoveLineAndSubs(RecordStore& store, LineNode* first, LineNode* line);
// RemoveLineAndSubs on the n-th line (from 1) with the tag; false when there is none.
bool RemoveTagLine(RecordStore& store, LineNode* first, std::string_view tag, int n = 1);
// The line's text becomes the tag, then a blank and the value when the value is not empty.
void ReplaceLineText(RecordStore& store, LineNode* line, std::string_view tag,
                     std::string_view value);
// The n-th line with the tag gets the value. With an empty value a line without sub-lines is
// removed instead; a missing line is created with tag and value at FindInsertPoint (nothing
// happens for an empty value and no line).
void SetLineValue(RecordStore& store, LineNode* first, std::string_view tag, int n,
                  std::string_view value);

}  // namespace kinloom::store
