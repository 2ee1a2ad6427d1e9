#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/gedcom_reader.h"
#include "store/record_store.h"

namespace kinloom::core {

// The clipboard of individuals: a person travels between trees (and copies of the program) as
// GEDCOM text, so text copied from any program that writes GEDCOM pastes too.

// The MIME type the desktop clipboard carries the text under, beside text/plain.
inline constexpr std::string_view kGedcomMimeType = "application/x-gedcom";

// A small GEDCOM file in UTF-8 with LF line ends: a header, the person's record without the
// links to families, the sources and NOTE records it cites, and the trailer. Empty for an
// individual that does not exist.
std::string PersonClipboardText(const store::RecordStore& store, int individual);

// GEDCOM text that arrived as Unicode (the desktop's plain text): its header's character set
// becomes UTF-8, whatever the file it was copied from declared.
std::string MarkedAsUtf8(std::string_view text);

struct PasteResult {
  bool pasted = false;
  std::string error;        // why nothing was pasted
  std::vector<int> people;  // the new individuals
  int sources_added = 0;
  int sources_reused = 0;  // pasted sources identical to one of the tree's, linked to that one
  store::DroppedLines dropped;
};

// Adds the individuals of a GEDCOM text to the tree as a merge does (character sets, clean-up
// passes, new numbers, and the finishing `steps`, whose file opening is replaced), then drops
// the families it brought and every link to them, and links a pasted source that equals one
// of the tree's to that one instead. A text that is no GEDCOM, or holds no individual, changes
// nothing.
[[nodiscard]] PasteResult PastePersonText(store::RecordStore& store, std::string_view text,
                                          store::ReadSteps steps);

}  // namespace kinloom::core
