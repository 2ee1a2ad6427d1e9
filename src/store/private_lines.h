#pragma once

#include <string>
#include <string_view>

#include "store/records.h"

namespace kinloom::store {

// The program's private lines that carry each record's flags in its own files.
//   "1 _VER %3i %i"                       skipFlags, skipFlagsExt (as signed)
//   "1 _SEQ %4i %4i %4i %4i %4i %6i"      hideFlags, markFlags, listBits[0..2], listPos
//   "1 _TXT %s"                           todoText
//   "1 _SEQ %4i %6i"                      family hideFlags, listPos
// Reduced copies write -1 as the list position.

std::string IndividualVerLine(const IndividualRecord& record);
std::string IndividualSeqLine(const IndividualRecord& record, bool reduced_copy);
std::string FamilySeqLine(const FamilyRecord& record, bool reduced_copy);

// Readers of the same lines; each takes the whole line without its line end and reads every
// number from its own columns. They return false (and change nothing) when the line is too
// short to hold its fields.
bool ReadVerLine(std::string_view line, IndividualRecord* record);
bool ReadIndividualSeqLine(std::string_view line, IndividualRecord* record);
bool ReadFamilySeqLine(std::string_view line, FamilyRecord* record);

}  // namespace kinloom::store
