#pragma once

#include <vector>

#include "core/auto_entry.h"
#include "store/record_store.h"

namespace kinloom::core {

// How the people of an automatic entry join the person shown.
enum class EntryLink {
  kNone,      // on their own
  kChildren,  // children of the shown person's first family (made when there is none)
  kSpouses,   // each married to the shown person in a family of their own
};

struct EntryCreated {
  std::vector<int> people;  // the new individuals, in the order given
  int family = 0;           // the family the children went into
};

// Makes the people through the editing operations, so every link has both sides: names, sex,
// birth, baptism, death and burial with dates and places, and a marriage (in the family with
// the shown person, else in a family of the person's own). A spouse named without a family
// ("m. 1875 to William Jones") becomes a note. The texts are UTF-8 and stored as the tree's
// character set. Stops at the first person the tables have no room for.
EntryCreated CreateEntryPeople(store::RecordStore& store, const std::vector<EntryPerson>& people,
                               EntryLink link, int shown);

}  // namespace kinloom::core
