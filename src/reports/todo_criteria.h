#pragma once

#include <array>
#include <string>

#include "reports/todo_lists.h"
#include "store/record_store.h"

namespace kinloom::reports {

// The criteria of the information explorer's lists 1 to 11 and the building of those lists.

// The six boxes of "Missing Info": a person is listed when any checked box finds its gap.
struct MissingInfoBoxes {
  bool birth_date = false;      // "Date of Birth": no birth date (baptism or christening count)
  bool death_date = false;      // "Date of Death": no death date (burial or cremation count)
  bool given_name = false;      // "Given Name": none, or a name beginning with "Unknown"
  bool birth_place = false;     // "Place of Birth": no place under the first birth-type event
  bool death_place = false;     // "Place of Death": the same for the first death-type event
  bool last_and_title = false;  // "Last and Title": no surname between slashes and no title
};

// A "From" and "to" pair of date fields, as typed.
struct ToDoDateRange {
  std::string from;
  std::string to;
};

// The fields of every criterion tab, as the window keeps them (and the tree's album file stores
// them between sessions).
struct ToDoFields {
  bool one_or_no_parent = false;  // "One or No Parent"
  MissingInfoBoxes missing;
  ToDoDateRange modified;
  int ancestors_of = 0;  // the person chosen with Find
  ToDoDateRange birth;
  ToDoDateRange death;
  std::string surname;
  int descendants_of = 0;
  std::string birth_place;
  std::string death_place;
  int source = 0;  // the source chosen with Find
};

enum class ToDoBuild { kCreate, kUpdate };

struct ToDoBuildResult {
  bool built = false;  // false: the dates were refused, the question answered No, or no list
  int added = 0;       // people who joined the list
  ToDoCounts counts;
};

// "Create New List" and "Update List" of a criterion list (1 to 11). The date lists first check
// that the From date is not later than the to date (" *** Invalid Dates ***" otherwise). Then
// the question is asked; on Yes, Create empties the list (members and ticks) and Update keeps it,
// testing only the people in neither state; everyone who meets the criterion joins the list.
// The tree is marked changed.
ToDoBuildResult BuildToDoList(store::RecordStore& store, int list, ToDoBuild build,
                              const ToDoFields& fields);

// The fields as the tree's album file keeps them (keys 300 to 318): "0" or "1" for the boxes,
// the date, name and place texts as typed, the chosen people and the source as numbers.
inline constexpr int kToDoStoredValues = 19;
using ToDoStoredValues = std::array<std::string, kToDoStoredValues>;
ToDoFields ToDoFieldsFromStored(const ToDoStoredValues& values);
ToDoStoredValues ToDoFieldsToStored(const ToDoFields& fields);

}  // namespace kinloom::reports
