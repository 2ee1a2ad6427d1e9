#include "reports/todo_lists.h"

#include <array>
#include <cstdio>

#include "core/queries.h"

namespace kinloom::reports {

using store::IndividualRecord;
using store::RecordStore;

namespace {

constexpr std::array<std::string_view, kToDoListCount> kTabNames = {
    "My To Do List", "No Parents", "Missing Info", "Modified Date", "Ancestors",   "Birth Date",
    "Death Date",    "Surname",    "Descendants",  "Birth Place",   "Death Place", "Source"};

bool ValidList(int list) {
  return list >= 0 && list < kToDoListCount;
}

uint8_t MemberBit(int list) {
  return static_cast<uint8_t>(1u << (2 * (list % 4)));
}
uint8_t TickedBit(int list) {
  return static_cast<uint8_t>(2u << (2 * (list % 4)));
}
uint8_t& ListByte(IndividualRecord& record, int list) {
  return record.listBits[list / 4];
}
uint8_t ListByte(const IndividualRecord& record, int list) {
  return record.listBits[list / 4];
}

IndividualRecord* Existing(const RecordStore& store, int individual) {
  if (individual < 1 || individual > store.highest_individual()) return nullptr;
  IndividualRecord* record = store.individual(individual);
  return record != nullptr && record->lines != nullptr ? record : nullptr;
}

// Sets the bits and marks the tree changed when they differ; returns whether they did.
bool ChangeBits(RecordStore& store, IndividualRecord& record, int list, bool member, bool ticked) {
  const uint8_t before = ListByte(record, list);
  SetListBits(record, list, member, ticked);
  if (ListByte(record, list) == before) return false;
  store.set_tree_modified(true);
  return true;
}

// A person joining list 0 gets the new description, unless one was written before (a person
// taken off the list and put back keeps what was written).
bool GiveNewToDoText(RecordStore& store, IndividualRecord& record) {
  if (!record.todoText.view().empty()) return false;
  record.todoText.Set(kNewToDoText);
  store.set_tree_modified(true);
  return true;
}

}  // namespace

std::string_view ToDoTabName(int list) {
  return ValidList(list) ? kTabNames[static_cast<size_t>(list)] : std::string_view();
}

bool IsListMember(const IndividualRecord& record, int list) {
  return ValidList(list) && (ListByte(record, list) & MemberBit(list)) != 0;
}

bool IsListTicked(const IndividualRecord& record, int list) {
  return ValidList(list) && (ListByte(record, list) & TickedBit(list)) != 0;
}

bool IsOffList(const IndividualRecord& record, int list) {
  return !IsListMember(record, list) && !IsListTicked(record, list);
}

void SetListBits(IndividualRecord& record, int list, bool member, bool ticked) {
  if (!ValidList(list)) return;
  uint8_t& byte = ListByte(record, list);
  byte &= static_cast<uint8_t>(~(MemberBit(list) | TickedBit(list)));
  if (member) byte |= MemberBit(list);
  if (ticked) byte |= TickedBit(list);
}

ToDoCounts CountList(const RecordStore& store, int list) {
  ToDoCounts counts;
  for (int n = 1; n <= store.highest_individual(); ++n) {
    const IndividualRecord* record = Existing(store, n);
    if (record == nullptr || !IsListMember(*record, list)) continue;
    ++counts.members;
    if (IsListTicked(*record, list)) ++counts.ticked;
  }
  return counts;
}

std::string CountsText(ToDoCounts counts) {
  char text[64];
  std::snprintf(text, sizeof text, "%i of %i checked", counts.ticked, counts.members);
  return text;
}

std::vector<int> ListMembers(const RecordStore& store, int list) {
  std::vector<int> members;
  for (const store::SearchEntry& entry : store.individual_search_list().entries()) {
    const IndividualRecord* record = Existing(store, entry.number);
    if (record != nullptr && IsListMember(*record, list)) members.push_back(entry.number);
  }
  return members;
}

bool SetListTicked(RecordStore& store, int list, int individual, bool ticked) {
  IndividualRecord* record = Existing(store, individual);
  if (record == nullptr || !IsListMember(*record, list)) return false;
  return ChangeBits(store, *record, list, true, ticked);
}

bool MyToDoBoxChecked(const RecordStore& store, int individual) {
  const IndividualRecord* record = Existing(store, individual);
  return record != nullptr && IsListTicked(*record, kMyToDoList);
}

bool SetMyToDoBox(RecordStore& store, int individual, bool checked) {
  IndividualRecord* record = Existing(store, individual);
  if (record == nullptr) return false;
  if (!checked) {
    return ChangeBits(store, *record, kMyToDoList, IsListMember(*record, kMyToDoList), false);
  }
  const bool changed = ChangeBits(store, *record, kMyToDoList, true, true);
  return GiveNewToDoText(store, *record) || changed;
}

bool AddToMyToDoList(RecordStore& store, int individual) {
  IndividualRecord* record = Existing(store, individual);
  if (record == nullptr || IsListMember(*record, kMyToDoList)) return false;
  ChangeBits(store, *record, kMyToDoList, true, IsListTicked(*record, kMyToDoList));
  GiveNewToDoText(store, *record);
  return true;
}

bool RemoveFromMyToDoList(RecordStore& store, int individual) {
  IndividualRecord* record = Existing(store, individual);
  if (record == nullptr || IsOffList(*record, kMyToDoList)) return false;
  const std::string question =
      "Remove: " + core::PersonLabel(store, individual) +
      " from this list?\r\nThe person is not removed from the family tree.";
  if (store.ui().Ask("Confirm", question, platform::Icon::kQuestion, platform::Buttons::kYesNo) !=
      platform::Answer::kYes) {
    return false;
  }
  return ChangeBits(store, *record, kMyToDoList, false, false);
}

std::string ToDoText(const RecordStore& store, int individual) {
  const IndividualRecord* record = Existing(store, individual);
  return record == nullptr ? std::string() : record->todoText.str();
}

void SetToDoText(RecordStore& store, int individual, std::string_view text) {
  IndividualRecord* record = Existing(store, individual);
  if (record == nullptr || (record->todoText.has_value() && record->todoText.view() == text)) {
    return;
  }
  record->todoText.Set(text);
  store.set_tree_modified(true);
}

}  // namespace kinloom::reports
