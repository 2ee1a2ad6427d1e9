#include <cstdio>
#include <string>
#include <vector>

#include "core/generation_walks.h"
#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

constexpr std::string_view kUnknownSpouseText = "Spouse Unknown";

void AddEvent(std::string_view heading, const Vitals::DatePlace& event,
              std::vector<std::string>* lines) {
  if (event.date.empty() && event.place.empty()) return;
  std::string line(heading);
  if (!event.date.empty()) line += " " + event.date;
  if (!event.place.empty()) line += "  " + event.place;
  lines->push_back(line);
}

void AddVitals(const Vitals& vitals, std::vector<std::string>* lines) {
  AddEvent("Birth:", vitals.birth, lines);
  AddEvent("Baptized:", vitals.baptism, lines);
  AddEvent("Christen:", vitals.christening, lines);
  AddEvent("Death:", vitals.death, lines);
  AddEvent("Burial:", vitals.burial, lines);
  AddEvent("Cremated:", vitals.cremation, lines);
}

// "Married: " and the date of the family's "1 MARR" event; nothing when the family records no
// marriage.
void AddMarried(const RecordStore& store, int family, std::vector<std::string>* lines) {
  const store::FamilyRecord* record = store.family(family);
  if (record == nullptr || store::FindTagLine(record->lines, "1 MARR") == nullptr) return;
  lines->push_back("Married: " + EventDetails(record->lines, "1 MARR").date);
}

void AddParents(const RecordStore& store, int individual, std::vector<std::string>* lines) {
  const int family = FindParentFamily(store, individual).family;
  if (family == 0 || store.family(family) == nullptr) return;
  const int father = FamilyMember(store, family, "1 HUSB");
  const int mother = FamilyMember(store, family, "1 WIFE");
  if (store.individual(father) != nullptr && father != 0) {
    lines->push_back("Father: " + PersonLabel(store, father));
  }
  if (store.individual(mother) != nullptr && mother != 0) {
    lines->push_back("Mother: " + PersonLabel(store, mother));
  }
  AddMarried(store, family, lines);
}

FamilyViewBox PersonBox(const RecordStore& store, int individual) {
  FamilyViewBox box;
  box.individual = individual;
  box.lines.push_back(PersonLabel(store, individual));
  AddVitals(VitalsOf(store, individual), &box.lines);
  AddParents(store, individual, &box.lines);
  return box;
}

FamilyViewBox SpouseBox(const RecordStore& store, int spouse, int family) {
  FamilyViewBox box;
  box.individual = spouse;
  box.family = family;
  if (spouse == 0) {
    box.lines.emplace_back(kUnknownSpouseText);
  } else {
    box.lines.push_back(PersonLabel(store, spouse));
    AddVitals(VitalsOf(store, spouse), &box.lines);
  }
  AddMarried(store, family, &box.lines);
  return box;
}

FamilyViewBox ChildBox(const RecordStore& store, int child, int family, int number) {
  const Vitals vitals = VitalsOf(store, child);
  FamilyViewBox box;
  box.individual = child;
  box.family = family;
  char head[32];
  std::snprintf(head, sizeof head, " %2i  %c  ", number, vitals.sex);
  box.lines.push_back(head + PersonLabel(store, child));
  AddVitals(vitals, &box.lines);
  return box;
}

// Children are numbered by their "1 CHIL" line in the family; links to missing records are
// counted but not shown.
void AddChildren(const RecordStore& store, int family, std::vector<FamilyViewBox>* children) {
  const store::FamilyRecord* record = store.family(family);
  int number = 0;
  for (LineNode* line = store::FindTagLine(record->lines, "1 CHIL"); line != nullptr;
       line = store::FindTagLine(line->next, "1 CHIL")) {
    ++number;
    const int child = store::XrefNumber(line->text());
    if (child != 0 && store.individual(child) != nullptr) {
      children->push_back(ChildBox(store, child, family, number));
    }
  }
}

}  // namespace

FamilyView BuildFamilyView(RecordStore& store, int individual) {
  FamilyView view;
  const store::IndividualRecord* person = store.individual(individual);
  view.person.individual = individual;
  if (person == nullptr) return view;
  view.person = PersonBox(store, individual);
  for (LineNode* line = store::FindTagLine(person->lines, "1 FAMS"); line != nullptr;
       line = store::FindTagLine(line->next, "1 FAMS")) {
    const int family = store::XrefNumber(line->text());
    if (store.family(family) == nullptr) continue;
    const int spouse = OtherSpouse(store, family, individual);
    view.spouses.push_back(SpouseBox(store, store.individual(spouse) ? spouse : 0, family));
    AddChildren(store, family, &view.children);
  }
  return view;
}

}  // namespace kinloom::core
