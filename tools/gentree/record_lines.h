#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "family_model.h"
#include "line_sink.h"
#include "record_details.h"

namespace kinloom::gentree {

// Cross-references: "@I000012@" in the program's own files, "@I12@" in foreign ones.
enum class XrefStyle { kPadded, kPlain };

// The cross-reference of record `index` (0-based; numbers start at 1) of kind `kind`
// ('I', 'F', 'S', 'N', 'R').
std::string Xref(XrefStyle style, char kind, int32_t index);

// Lines written the same way by both writers.
void WriteName(const PersonDetails& details, LineSink& sink);
void WriteSex(Sex sex, LineSink& sink);
// "1 TAG" with "2 DATE", "2 PLAC" and "2 SOUR" lines where present.
void WriteEvent(const LifeEvent& event, XrefStyle style, LineSink& sink);
void WriteSpouseLinks(const Person& person, XrefStyle style, LineSink& sink);
void WriteOccupationAndResidence(const PersonDetails& details, LineSink& sink);
void WriteCitations(const PersonDetails& details, XrefStyle style, LineSink& sink);
// "1 HUSB", "1 WIFE" and "1 CHIL" lines.
void WriteFamilyMembers(const Family& family, XrefStyle style, LineSink& sink);
// Every line of `lines` after the first as a "level CONT" line.
void WriteContinuations(int level, const std::vector<std::string>& lines, LineSink& sink);

}  // namespace kinloom::gentree
