#pragma once

#include <functional>
#include <string>

#include "store/record_store.h"

namespace kinloom::store {

// Names of individuals as the lists and search keys show them. All take a record number; an
// empty slot or a number outside the table gives the empty result (GivenNames alone answers
// "Invalid ID Number ").

// Text of the first "1 NAME" line up to the first "/", trailing blanks removed; "Unknown" when
// that is empty (an empty text with `blank_if_none`).
std::string GivenNames(const RecordStore& store, int individual, bool blank_if_none = false);
// Text between the first and second "/" of the first "1 NAME" line, trailing blanks removed.
std::string Surname(const RecordStore& store, int individual);
// Surname, then ", " and the title of the first "1 TITL" line when it has one.
std::string SurnameAndTitle(const RecordStore& store, int individual);
// "Surname, Given (12)"; two blanks instead of ", " without a surname.
std::string IndexName(const RecordStore& store, int individual);
// "Given Surname".
std::string FullName(const RecordStore& store, int individual);

// First HUSB, WIFE or CHIL number of a family (by tag prefix such as "1 HUSB"); 0 when none.
int FamilyMember(const RecordStore& store, int family, std::string_view tag);

using NameOperation = std::function<std::string(const RecordStore&, int)>;
// "Husband  and  Wife  (5)" with the given name operation; "No Parents  (5)" without spouses;
// "Invalid Record  (5)" for an empty slot.
std::string ParentsLabel(const RecordStore& store, int family, const NameOperation& name);

}  // namespace kinloom::store
