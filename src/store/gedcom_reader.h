#pragma once

#include <functional>
#include <memory>
#include <string>

#include "store/dropped_lines.h"
#include "store/gedcom_header.h"
#include "store/line_reader.h"
#include "store/record_range.h"
#include "store/record_store.h"

namespace kinloom::store {

enum class ReadOutcome {
  kRead,            // the file was read into the store
  kMissing,         // no such file: a brand-new tree (open) or no change (merge)
  kNotGedcom,       // the first line is not "0 HEAD": reported, then as for a missing file
  kUnreadable,      // the file exists but cannot be opened or read to its end: reported; the
                    // tree in the store stays as it was
  kTooManyRecords,  // more records of one kind than the tables hold: reported; the tree in the
                    // store stays as it was
};

struct [[nodiscard]] ReadResult {
  ReadOutcome outcome = ReadOutcome::kMissing;
  Charset charset = Charset::kNone;
  bool own_file = false;
  int notes = 0;            // NOTE records seen
  int visit_count = 0;      // individuals carrying the Visit mark
  int edge_count = 0;       // individuals carrying the Edge mark
  int skipped_records = 0;  // own-file records with a missing, out-of-range or repeated number
  int first_new_individual = 1;
  int first_new_family = 1;
  int first_new_source = 1;
  std::string error;     // kUnreadable: why the file could not be read
  DroppedLines dropped;  // what the reading and the clean-up passes dropped or rewrote

  RecordRange new_records() const {
    return {first_new_individual, first_new_family, first_new_source};
  }
};

// The finishing steps that belong to the layers above the store; each runs when given, in the
// reader's order: the link check after the character conversion, the chart caches before the
// search lists are built, and the dropping of families that link too few people after them.
struct ReadSteps {
  std::function<void(RecordStore&)> check_links;
  std::function<void(RecordStore&)> initialize_chart;
  std::function<void(RecordStore&)> drop_thin_families;
  // Opens the file to read (nullptr with the errno when it cannot be opened); when empty, the
  // file system's. Tests give sources that fail on cue.
  std::function<std::unique_ptr<ByteSource>(const std::string& path, int* error)> open_file;
};

// Reads a GEDCOM file into the store: replacing the tree (open) or adding the file's records
// behind the present ones (merge). The outcome and what was seen are returned; messages go
// through the store's interaction layer. Own-file records whose numbers are missing, out of
// range or used twice are skipped and counted, never stored outside the tables.
//
// Nothing of the open tree is replaced until the file is read whole: a file that cannot be
// read to its end, or holds more records than the tables do, leaves the tree as it was. A
// merge cleans and converts only the records it adds, and keeps the current individual and
// the home person.
[[nodiscard]] ReadResult ReadTree(RecordStore& store, const std::string& path, bool merge,
                                  const ReadSteps& steps = {});

// The warning a caller shows when own-file records had to be skipped.
std::string SkippedRecordsText(int skipped);

}  // namespace kinloom::store
