#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/forms.h"
#include "store/line_node.h"
#include "store/record_store.h"

// Reading the lines of a record for the forms.
namespace kinloom::reports::forms_support {

// The tag of a line ("BIRT" of "1 BIRT 2 ..."), or empty.
std::string_view TagOf(std::string_view text);

// The value of a line with its continuation lines one level deeper ("CONT" starts a new line,
// "CONC" goes on with the same one).
std::string ContinuedValue(const store::LineNode* line);

// A source citation: the source's display name and its page, or the text of a citation that
// names no source record.
std::string Citation(const store::RecordStore& store, const store::LineNode* line);

// An event line with its date, place, notes and citations.
FormEvent ReadEvent(const store::RecordStore& store, const store::LineNode* line);

// The events, notes and citations of a record's level-1 lines.
void ReadRecordFacts(const store::RecordStore& store, const store::LineNode* first,
                     std::vector<FormEvent>* events, std::vector<std::string>* notes,
                     std::vector<std::string>* citations);

// The date and place of the first of the tags that has one.
DatePlace FirstDatePlace(const std::vector<FormEvent>& events,
                         std::initializer_list<std::string_view> names);

}  // namespace kinloom::reports::forms_support
