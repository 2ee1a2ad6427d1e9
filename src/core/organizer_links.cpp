#include "core/organizer_links.h"

#include <algorithm>
#include <string_view>

#include "store/line_search.h"
#include "store/names.h"

namespace kinloom::core {

namespace {

std::vector<int> Linked(const store::LineNode* first, std::string_view tag) {
  std::vector<int> numbers;
  if (first == nullptr) return numbers;
  for (const store::LineNode* line = first->next; line != nullptr && line->level() != '0';
       line = line->next) {
    if (store::HasTag(line->text(), tag)) numbers.push_back(store::XrefNumber(line->text()));
  }
  return numbers;
}

const store::LineNode* PersonLines(const store::RecordStore& store, int person) {
  const store::IndividualRecord* record = store.individual(person);
  return record == nullptr ? nullptr : record->lines;
}

const store::LineNode* FamilyLines(const store::RecordStore& store, int family) {
  const store::FamilyRecord* record = store.family(family);
  return record == nullptr ? nullptr : record->lines;
}

bool Names(const store::RecordStore& store, int family, std::string_view tag, int person) {
  const std::vector<int> members = Linked(FamilyLines(store, family), tag);
  return std::find(members.begin(), members.end(), person) != members.end();
}

}  // namespace

std::vector<FamilyLink> FamiliesOf(const store::RecordStore& store, int person) {
  std::vector<FamilyLink> links;
  for (bool as_child : {true, false}) {
    for (int family : Linked(PersonLines(store, person), as_child ? "1 FAMC" : "1 FAMS")) {
      const FamilyLink link{family, as_child};
      if (family <= 0 || store.family(family) == nullptr) continue;
      if (std::find(links.begin(), links.end(), link) == links.end()) links.push_back(link);
    }
  }
  return links;
}

std::string FamilyLinkLabel(const store::RecordStore& store, const FamilyLink& link) {
  return (link.as_child ? "Child of:  " : "Spouse in:  ") +
         store::ParentsLabel(store, link.family, store::FullName);
}

std::vector<int> SharedMarriages(const store::RecordStore& store, int a, int b) {
  std::vector<int> shared;
  if (a <= 0 || b <= 0 || a == b) return shared;
  for (int family : Linked(PersonLines(store, a), "1 FAMS")) {
    if (store.family(family) == nullptr) continue;
    const bool both = (Names(store, family, "1 HUSB", a) || Names(store, family, "1 WIFE", a)) &&
                      (Names(store, family, "1 HUSB", b) || Names(store, family, "1 WIFE", b));
    if (both && std::find(shared.begin(), shared.end(), family) == shared.end()) {
      shared.push_back(family);
    }
  }
  return shared;
}

bool IsLinkedIn(const store::RecordStore& store, int family, int person) {
  return Names(store, family, "1 HUSB", person) || Names(store, family, "1 WIFE", person) ||
         IsChildIn(store, family, person);
}

bool IsChildIn(const store::RecordStore& store, int family, int person) {
  return person > 0 && Names(store, family, "1 CHIL", person);
}

}  // namespace kinloom::core
