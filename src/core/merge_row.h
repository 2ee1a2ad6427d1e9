#pragma once

#include <string_view>
#include <vector>

#include "core/merge_lines.h"
#include "core/merge_state.h"
#include "store/record_store.h"

namespace kinloom::core::merge {

// Merges one row of the box from the record that goes (first line `from`) into the record that
// stays (`into`): the discarded side's checked date, place or value replace the kept record's,
// a cleared kept note goes, a checked discarded note is moved in or appended, and citations go
// with what they support. The name row's value and place are the parts of "1 NAME", which the
// caller rewrites; here that row merges its note, citations and other sub-lines. The caller
// stamps the kept record.
void MergeRow(RecordStore& store, LineNode* into, LineNode* from, const MergeRowState& row,
              MergeRowKind kind, int kept_side);

// The level-1 note and citations of two records: the discarded note appended to the kept one
// or moved in when there is none, each citation moved unless the kept record holds the same.
void MergeNotesAndCitations(RecordStore& store, LineNode* into, LineNode* from);

// The groups of `from` that no step of the merge handles: every level-1 line but those whose
// tag is in `linked` (links and the change stamp), the first line of each tag in `merged` (the
// rows and the note) and the citations. Collected before the merge starts, moved after it by
// MoveLeftovers.
std::vector<LineNode*> CollectLeftovers(LineNode* from, const std::vector<std::string_view>& merged,
                                        const std::vector<std::string_view>& linked);
// Moves those groups into `into` at their tag's place, except a group the kept record already
// holds line for line.
void MoveLeftovers(RecordStore& store, LineNode* into, LineNode* from,
                   const std::vector<LineNode*>& leftovers);

}  // namespace kinloom::core::merge
