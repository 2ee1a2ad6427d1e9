#pragma once

#include <string>
#include <vector>

#include "store/record_store.h"

namespace kinloom::core {

// The families the organizer page offers for one chosen person.
struct FamilyLink {
  int family = 0;
  bool as_child = false;  // the person is a child of the family (else a spouse in it)
  bool operator==(const FamilyLink&) const = default;
};

// The person's parent families ("1 FAMC"), then their own ("1 FAMS"); existing families only.
std::vector<FamilyLink> FamiliesOf(const store::RecordStore& store, int person);
// "Child of:  " or "Spouse in:  " and the family's parents label.
std::string FamilyLinkLabel(const store::RecordStore& store, const FamilyLink& link);

// The families in which both are spouses, in the order of a's "1 FAMS" lines.
std::vector<int> SharedMarriages(const store::RecordStore& store, int a, int b);
// Whether the family names the person as husband, wife or child.
bool IsLinkedIn(const store::RecordStore& store, int family, int person);
// Whether the family names the person as a child.
bool IsChildIn(const store::RecordStore& store, int family, int person);

}  // namespace kinloom::core
