#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/record_store.h"

namespace kinloom::core {

// A text of several lines as GEDCOM keeps it under one tag: the tag line holds the start,
// "2 CONT" begins a new line and "2 CONC" goes on with the same line, so no line is too long.

struct ContinuedLine {
  std::string_view tag;  // "" for the tag line itself, else "2 CONT" or "2 CONC"
  std::string value;
};

// The pieces of `text` ("\n" between lines, a "\r" before it is dropped), none longer than
// `width`. A cut never falls next to a blank, since readers may drop the blanks at the ends of
// a continued value. Empty for an empty text.
std::vector<ContinuedLine> SplitContinued(std::string_view text, size_t width);

// The value of `line` (a line with that tag) joined with its "2 CONT" and "2 CONC" lines.
std::string JoinContinued(const store::LineNode* line, std::string_view tag);

// Removes the "2 CONT" and "2 CONC" lines below `line`, keeping its other sub-lines.
void RemoveContinuations(store::RecordStore& store, store::LineNode* first, store::LineNode* line);

// Writes `pieces` as `line`'s value (with `tag`) and continuation lines behind it; the old
// continuations go first.
void WriteContinued(store::RecordStore& store, store::LineNode* first, store::LineNode* line,
                    std::string_view tag, const std::vector<ContinuedLine>& pieces);

}  // namespace kinloom::core
