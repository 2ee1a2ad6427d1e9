#pragma once

#include <string>

#include "store/record_store.h"

namespace kinloom::store {

// The key of an individual in the individual search list: its IndexName.
std::string IndividualKey(const RecordStore& store, int individual);
// The key of a family in the family search list: its ParentsLabel made of IndexNames.
std::string FamilyKey(const RecordStore& store, int family);

// Builds the search lists. With `first` 0 or 1 the whole list is built: restored from the
// records' saved positions when they are complete and in order, else sorted afresh. With
// `first` 2 or more the present list is kept and the records from `first` up are inserted
// (after a merge), each behind the entries whose keys compare equal.
void BuildIndividualSearchList(RecordStore& store, int first);
void BuildFamilySearchList(RecordStore& store, int first);

}  // namespace kinloom::store
