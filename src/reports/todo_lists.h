#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/record_store.h"

namespace kinloom::reports {

// The twelve lists of the information explorer. Membership and ticks are two bits per list in
// each individual's listBits, so the lists travel with the tree: list k uses byte k / 4, the
// member bit 1 << 2 * (k % 4) and the ticked bit 2 << 2 * (k % 4). List 0 is the user's own
// to-do list, with a description per person in the individual's todoText.
enum ToDoList : int {
  kMyToDoList = 0,
  kNoParentsList = 1,
  kMissingInfoList = 2,
  kModifiedDateList = 3,
  kAncestorsList = 4,
  kBirthDateList = 5,
  kDeathDateList = 6,
  kSurnameList = 7,
  kDescendantsList = 8,
  kBirthPlaceList = 9,
  kDeathPlaceList = 10,
  kSourceList = 11,
};
inline constexpr int kToDoListCount = 12;

// The description a person gets on joining list 0.
inline constexpr std::string_view kNewToDoText = "Enter Description Here";

// The tab of a list: "My To Do List", "No Parents", ...; empty for a number outside 0 to 11.
std::string_view ToDoTabName(int list);

bool IsListMember(const store::IndividualRecord& record, int list);
bool IsListTicked(const store::IndividualRecord& record, int list);
// Whether an existing individual is in neither state of a list.
bool IsOffList(const store::IndividualRecord& record, int list);
// Sets or clears a list's bits of a record (no check of the tree, no change mark).
void SetListBits(store::IndividualRecord& record, int list, bool member, bool ticked);

struct ToDoCounts {
  int members = 0;
  int ticked = 0;
};
ToDoCounts CountList(const store::RecordStore& store, int list);
// "%i of %i checked": the ticked members of all members.
std::string CountsText(ToDoCounts counts);

// The members in the order of the individual search list.
std::vector<int> ListMembers(const store::RecordStore& store, int list);

// A member's check box in the list: sets its ticked bit. Nothing for anyone who is not a member.
// Marks the tree changed when a bit changes; returns whether one did.
bool SetListTicked(store::RecordStore& store, int list, int individual, bool ticked);

// ---- List 0 and the person page's "To Do" box: one thing seen from two windows ----

// The person page's box shows the ticked bit of list 0.
bool MyToDoBoxChecked(const store::RecordStore& store, int individual);
// The person page's box: checking it puts the person on list 0 ticked, with the new description
// when the person has none (a description written before is kept); clearing it clears the tick and
// keeps the person on the list. Marks the tree changed when a bit or the text changes; returns
// whether anything did.
bool SetMyToDoBox(store::RecordStore& store, int individual, bool checked);
// "Add" on list 0: an existing individual not yet on the list joins it, unticked, with the new
// description when the person has none. False (and nothing changed) for anyone else.
bool AddToMyToDoList(store::RecordStore& store, int individual);
// "Remove" on list 0: asks "Remove: <label> from this list? ..." and on Yes clears both bits.
// The description stays with the person. Returns whether the person was removed.
bool RemoveFromMyToDoList(store::RecordStore& store, int individual);
// The "To Do Description:" box.
std::string ToDoText(const store::RecordStore& store, int individual);
void SetToDoText(store::RecordStore& store, int individual, std::string_view text);

}  // namespace kinloom::reports
