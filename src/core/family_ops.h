#pragma once

#include <string_view>

#include "store/record_store.h"

namespace kinloom::core {

// The editing operations: the only way links between people change. Each keeps both sides of
// every link in step ("1 FAMC" with "1 CHIL", "1 FAMS" with "1 HUSB"/"1 WIFE"), asks through
// the interaction layer where the user must agree, raises BusyDepth for its duration, stamps
// every record it changes, sets TreeModified, rebuilds the cached chart texts of the records
// involved and keeps both search lists in order.

// A new individual (lowest free number), put into the search list with its chart texts; 0 when
// the table is full.
int NewIndividual(store::RecordStore& store, char sex);

// Creates a family (family 0) or completes an existing one with the spouses it lacks; with
// both spouses and `add_marriage`, a bare "1 MARR". Returns the family, 0 when the table is
// full.
int NewFamily(store::RecordStore& store, int family, int husband, int wife, bool add_marriage);

// Adds a new father (sex 'M') or mother ('F') to `shown`, whose present parents are `father`
// and `mother` (as the person page shows them). With `existing` other than 0 nothing is added
// and `existing` is returned (the page shows that parent). Returns the new parent or 0.
int AddParent(store::RecordStore& store, int shown, int father, int mother, int existing, char sex);

// Marries `shown` to `spouse` (0: a new individual). `shown_family` is the family shown on the
// page (0 when none); when it has children but no spouse the user is asked whether the new
// spouse is their parent. Returns the family used, 0 when nothing was done.
int AddSpouse(store::RecordStore& store, int shown, int shown_family, int spouse);

// Marries two chosen individuals after a confirmation; A is the husband when `sex_a` is 1
// (male). `family` other than 0 is completed instead of making a new one. Returns the family or
// 0.
int MarryIndividuals(store::RecordStore& store, int a, int sex_a, int b, int family);

// Links `child` to `family` (0: a new family of `father` and `mother`) after the parent-type
// choice and a confirmation. Returns the family or 0.
int AddChildToFamily(store::RecordStore& store, int family, int child, int father, int mother);

// Sets the parent type of `individual`'s link to `family`. Returns the kind now in force: the
// new one, or the old one when the change was refused (a second birth family).
int ChangeParentType(store::RecordStore& store, int individual, int family, int new_kind);

// Unlinks `child` from `family` after a confirmation. True when done.
bool RemoveChildFromFamily(store::RecordStore& store, int family, int child);

// Separates `person` and `spouse` of `family`: without children the family is deleted; with
// children the user chooses who keeps them. True when done.
bool Unmarry(store::RecordStore& store, int family, int person, int spouse);

// Deletes a person and every link to them after a confirmation. Refused silently while the
// highest individual number is below 2. True when done; the current individual moves to a
// neighbour when it was the one deleted.
bool DeleteIndividual(store::RecordStore& store, int individual);

// The steps of DeleteIndividual without its question, for repairs that must remove a record.
void DeleteIndividualQuietly(store::RecordStore& store, int individual);

// Deletes a family and every link to it; the marker family returns when none is left.
void DeleteFamily(store::RecordStore& store, int family);
// Deletes the family when it has no spouse, or one spouse and no child. True when deleted.
bool DeleteFamilyIfEmpty(store::RecordStore& store, int family);
// Deletes every family with no spouse line, or one spouse line and no child, that records
// nothing else (after reading): a family with a marriage, note or source is kept.
void DropFamiliesWithTooFewMembers(store::RecordStore& store);

// True (with the " *** Unable to Add Person ***" warning) when `candidate` is `shown`, the
// shown father or mother, or a member of one of `shown`'s own families.
bool IsAlreadyFamilyMember(store::RecordStore& store, int candidate, int shown, int father,
                           int mother);

// Sex index 0 "U", 1 "M", 2 "F": sets "1 SEX" and the person's role in each of their families.
void SetSex(store::RecordStore& store, int individual, int sex_index);

// Switches an event line such as "1 DEAT" on or off, as the event check boxes of the person
// page do. Holds the re-entry guard of one check box.
class EventSwitch {
 public:
  struct State {
    bool checked = false;      // whether a line with the tag exists afterwards
    std::string_view caption;  // the caption given, or "Include Without Details"
  };
  // `checked` is the box's new state. A call arriving while one runs does nothing and returns
  // the state unchanged.
  State SetEventIncluded(store::RecordStore& store, store::LineNode* first, bool checked,
                         std::string_view tag, std::string_view caption);

 private:
  bool running_ = false;
};

}  // namespace kinloom::core
