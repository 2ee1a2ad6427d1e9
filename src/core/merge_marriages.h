#pragma once

#include "core/family_ops_support.h"
#include "core/merge_state.h"

namespace kinloom::core::merge {

// The marriages of a merge, row by row of the pairing table. A marriage only the discarded
// individual has moves to the kept one: its "1 FAMS" line and its spouse line in the family.
// A marriage with the same spouse on both sides becomes the kept side's family: rows 39-46 are
// merged with that marriage's boxes, the discarded family's children move over with their
// "1 FAMC" lines pointing at the kept family, and its note, citations, other lines and hide
// flags follow.
// The discarded family is left with the spouse alone, for the deletion of the discarded
// individual to remove. Every family involved is stamped and handed to the scope.
void MergeMarriages(store::RecordStore& store, family_ops::EditScope& scope,
                    const MergeBoxState& state);

}  // namespace kinloom::core::merge
