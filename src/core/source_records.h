#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/continued_text.h"
#include "store/record_store.h"

namespace kinloom::core {

// The fields of a source record as the sources dialog edits them. Texts are Windows-1252;
// line breaks inside a field are "\n".
//
// Layout: "1 TITL", "1 AUTH", "1 PUBL" and "1 TEXT", each continued by "2 CONT" (a new line)
// and "2 CONC" (the same line, for long values). The medium sits where GEDCOM 5.5 keeps it,
// under a repository call number: "1 REPO", "2 CALN", "3 MEDI <medium>".
struct SourceFields {
  std::string title;
  std::string author;
  std::string publication;
  std::string medium;
  std::string text;

  bool operator==(const SourceFields&) const = default;
};

// The fields of the source record that starts at `first` (empty ones when it is missing).
SourceFields ReadSourceFields(const store::LineNode* first);

// Writes the fields that differ from the record's and renews its change stamp. Lines the
// dialog does not edit are kept. False when the source does not exist or nothing changed.
bool WriteSourceFields(store::RecordStore& store, int source, const SourceFields& fields);

// A new source record "0 @S%06i@ SOUR" with the lowest free number and a change stamp; 0 with
// the "Error" box when every number is taken.
int NewSourceRecord(store::RecordStore& store);

// "Title (12)"; "Untitled Source (12)" for a source without a title.
std::string SourceLabel(const store::RecordStore& store, int source);

// The values of a field's lines: the first for the tag line, then "2 CONT" / "2 CONC" lines.
using FieldLine = ContinuedLine;
std::vector<FieldLine> FieldLines(std::string_view value);

// The sources a normal save keeps although no record cites them: those the sources dialog has
// made or edited (they carry a change stamp) and those held by the quick-source buttons.
// Existing sources only, ascending, without repeats.
std::vector<int> SourcesKeptUncited(const store::RecordStore& store,
                                    std::span<const int> quick_sources);

}  // namespace kinloom::core
