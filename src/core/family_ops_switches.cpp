// The sex box and the event check boxes of the person page.
#include <string>

#include "core/family_ops.h"
#include "core/family_ops_support.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::core {

using family_ops::EditScope;
using family_ops::FamilyLines;
using family_ops::PersonLines;

namespace {

// A line with its sub-lines, cut out of its record.
struct Group {
  LineNode* head = nullptr;
  LineNode* tail = nullptr;
};

// Cuts out the first level-1 line with the tag and its sub-lines.
Group CutFirst(LineNode* first, std::string_view tag) {
  for (LineNode* before = first; before->next != nullptr; before = before->next) {
    if (!store::HasTag(before->next->text(), tag)) continue;
    Group group{before->next, store::LastOfSubLines(before->next)};
    before->next = group.tail->next;
    group.tail->next = nullptr;
    return group;
  }
  return {};
}

// Links a cut group back under a new tag, at the tag's insertion point; sub-lines travel with
// their spouse.
void Relink(store::RecordStore& store, LineNode* first, Group group, std::string_view tag) {
  if (group.head == nullptr) return;
  store::ReplaceLineText(store, group.head, tag,
                         store::MakeXref('I', store::XrefNumber(group.head->text())));
  LineNode* after = store::FindInsertPoint(first, tag);
  group.tail->next = after->next;
  after->next = group.head;
}

// Puts the individual into the role the sex gives (husband for "M", else wife) and the partner
// into the other one.
void SetRole(store::RecordStore& store, int family, int individual, bool husband) {
  const std::string_view role = family_ops::RoleIn(store, family, individual);
  if (role.empty() || (role == "1 HUSB") == husband) return;
  LineNode* first = FamilyLines(store, family);
  Group was_husband = CutFirst(first, "1 HUSB");
  Group was_wife = CutFirst(first, "1 WIFE");
  Relink(store, first, was_wife, "1 HUSB");
  Relink(store, first, was_husband, "1 WIFE");
  store::StampChanged(store, first);
}

}  // namespace

void SetSex(store::RecordStore& store, int individual, int sex_index) {
  LineNode* first = PersonLines(store, individual);
  if (first == nullptr || sex_index < 0 || sex_index > 2) return;
  EditScope scope(store);
  const char letter = "UMF"[sex_index];
  store::SetLineValue(store, first, "1 SEX", 1, std::string(1, letter));
  scope.TouchPerson(individual);
  for (int family : family_ops::LinkedNumbers(first, "1 FAMS")) {
    if (FamilyLines(store, family) == nullptr) continue;
    scope.TouchFamily(family);
    SetRole(store, family, individual, letter == 'M');
  }
}

namespace {

constexpr std::string_view kWithoutDetails = "Include Without Details";

// Removes the event when it is bare; an event with details stays, with a message.
void Exclude(store::RecordStore& store, LineNode* first, std::string_view tag) {
  if (store::FindTagLine(first, tag) == nullptr) return;
  if (!EventDetails(first, tag).found) {
    store::RemoveTagLine(store, first, tag, 1);
    return;
  }
  store.ui().Message("Error: Un-Checking Box",
                     "Remove Date, Place, Note and Source\ndetails before box can be unchecked.",
                     platform::Icon::kExclamation);
}

void Include(store::RecordStore& store, LineNode* first, std::string_view tag) {
  if (store::FindTagLine(first, tag) != nullptr) return;
  store::InsertLineAfter(store, store::FindInsertPoint(first, tag), tag);
  store::StampChanged(store, first);
}

// Names the record that starts at `first` to the scope, so its chart texts follow the event.
void TouchOwner(EditScope& scope, LineNode* first) {
  std::string_view text = first->text();
  const int number = store::XrefNumber(text);
  if (text.ends_with(" INDI")) scope.TouchPerson(number);
  if (text.ends_with(" FAM")) scope.TouchFamily(number);
}

}  // namespace

EventSwitch::State EventSwitch::SetEventIncluded(store::RecordStore& store, LineNode* first,
                                                 bool checked, std::string_view tag,
                                                 std::string_view caption) {
  if (running_ || first == nullptr) return State{checked, checked ? caption : kWithoutDetails};
  running_ = true;
  {
    EditScope scope(store);
    if (checked) {
      Include(store, first, tag);
    } else {
      Exclude(store, first, tag);
    }
    TouchOwner(scope, first);
  }
  const bool exists = store::FindTagLine(first, tag) != nullptr;
  running_ = false;
  return State{exists, exists ? caption : kWithoutDetails};
}

}  // namespace kinloom::core
