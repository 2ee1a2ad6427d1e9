#pragma once

#include <span>
#include <string>

#include "platform/file_io.h"
#include "platform/status.h"
#include "store/record_store.h"

namespace kinloom::store {

// What a save writes: the whole tree, or one of the reduced copies of the save dialog.
enum class WriteMode : char {
  kNormal = 'N',  // everything; list positions saved for a fast reload
  kSplit = 'S',   // only the individuals with the selection mark
  kHide = 'H',    // every individual, with the details their hide flags cover left out
  kBoth = 'B',    // the selection, with hidden details left out
};

// The hide bits in force for an individual in a save of `mode`: its own hide flags in the
// modes that hide details, and kHideEverything for an unselected person in the split modes.
uint8_t EffectiveHideFlags(const IndividualRecord& record, WriteMode mode);
// Whether an existing individual is written in a save of `mode`.
inline bool IsWrittenIn(const IndividualRecord& record, WriteMode mode) {
  return (EffectiveHideFlags(record, mode) & kHideEverything) == 0;
}

// Writes the tree as the program's own GEDCOM file at `path` (header, individuals, families,
// cited sources, trailer; CR LF line ends; no line end after "0 TRLR"). The file is written to
// a temporary file and renamed over `path` only when every byte is written; on failure the old
// file is untouched and the error is returned. A successful normal save clears TreeModified; a
// reduced copy leaves it as it was, since the tree itself has not been saved.
// `also_cited` names sources that something written beside the tree (the media items of the
// album file) cites, so that they are written too.
Status WriteTree(RecordStore& store, const std::string& path, WriteMode mode,
                 platform::FileSystem& file_system, std::span<const int> also_cited = {});

}  // namespace kinloom::store
