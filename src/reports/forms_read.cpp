// The people, families and pedigrees of the printed forms.
#include "core/queries.h"
#include "reports/forms.h"
#include "reports/forms_support.h"
#include "store/line_search.h"

namespace kinloom::reports {
namespace {

using forms_support::FirstDatePlace;

bool Exists(const store::RecordStore& store, int individual) {
  const store::IndividualRecord* record = individual > 0 ? store.individual(individual) : nullptr;
  return record != nullptr && record->lines != nullptr;
}

std::string LabelOf(const store::RecordStore& store, int individual) {
  return Exists(store, individual) ? core::PersonLabel(store, individual) : std::string();
}

// The families a person is a spouse in, in the order of the FAMS lines.
std::vector<int> SpouseFamilies(const store::RecordStore& store, int individual) {
  std::vector<int> families;
  const store::IndividualRecord* record = store.individual(individual);
  if (record == nullptr) return families;
  for (store::LineNode* line = store::FindTagLine(record->lines, "1 FAMS"); line != nullptr;
       line = store::FindTagLine(line->next, "1 FAMS")) {
    const int family = store::XrefNumber(line->text());
    if (family > 0 && store.family(family) != nullptr) families.push_back(family);
  }
  return families;
}

std::vector<FormEvent> FamilyEvents(const store::RecordStore& store, int family) {
  std::vector<FormEvent> events;
  std::vector<std::string> notes, citations;
  const store::FamilyRecord* record = store.family(family);
  if (record != nullptr) {
    forms_support::ReadRecordFacts(store, record->lines, &events, &notes, &citations);
  }
  return events;
}

DatePlace MarriageOf(const store::RecordStore& store, int family) {
  return FirstDatePlace(FamilyEvents(store, family),
                        {"Marriage", "Marriage Contract", "Marriage Licence"});
}

// The family in which `husband` and `wife` are the parents of `child`, or 0.
int ParentsFamily(const store::RecordStore& store, int child, int husband, int wife) {
  const store::IndividualRecord* record = store.individual(child);
  if (record == nullptr) return 0;
  for (store::LineNode* line = store::FindTagLine(record->lines, "1 FAMC"); line != nullptr;
       line = store::FindTagLine(line->next, "1 FAMC")) {
    const int family = store::XrefNumber(line->text());
    if (store.family(family) == nullptr) continue;
    if ((husband == 0 || core::FamilyMember(store, family, "1 HUSB") == husband) &&
        (wife == 0 || core::FamilyMember(store, family, "1 WIFE") == wife)) {
      return family;
    }
  }
  return 0;
}

}  // namespace

FormPerson ReadFormPerson(const store::RecordStore& store, int individual) {
  FormPerson person;
  if (!Exists(store, individual)) return person;
  person.individual = individual;
  person.label = core::PersonLabel(store, individual);
  const int sex = core::SexOf(store, individual);
  person.sex = sex == 1 ? 'M' : sex == 2 ? 'F' : 'U';
  forms_support::ReadRecordFacts(store, store.individual(individual)->lines, &person.events,
                                 &person.notes, &person.citations);
  const core::Parents parents = core::FindParents(store, individual);
  person.father = LabelOf(store, parents.father);
  person.mother = LabelOf(store, parents.mother);
  person.birth = FirstDatePlace(person.events, {"Birth", "Christening", "Baptism"});
  person.death = FirstDatePlace(person.events, {"Death", "Burial", "Cremation"});
  return person;
}

FamilyGroupSheet ReadFamilyGroupSheet(const store::RecordStore& store, int family) {
  FamilyGroupSheet sheet;
  const store::FamilyRecord* record = family > 0 ? store.family(family) : nullptr;
  if (record == nullptr) return sheet;
  sheet.family = family;
  sheet.husband = ReadFormPerson(store, core::FamilyMember(store, family, "1 HUSB"));
  sheet.wife = ReadFormPerson(store, core::FamilyMember(store, family, "1 WIFE"));
  forms_support::ReadRecordFacts(store, record->lines, &sheet.events, &sheet.notes,
                                 &sheet.citations);
  for (store::LineNode* line = store::FindTagLine(record->lines, "1 CHIL"); line != nullptr;
       line = store::FindTagLine(line->next, "1 CHIL")) {
    const int child = store::XrefNumber(line->text());
    if (!Exists(store, child)) continue;
    FormChild row;
    row.person = ReadFormPerson(store, child);
    const store::LineNode* famc = core::FindFamcLine(store, child, family);
    row.parent_type =
        famc != nullptr ? std::string(core::ParentKindItem(core::PediKindOf(famc))) : std::string();
    if (row.parent_type == core::ParentKindItem(core::kBirth)) row.parent_type.clear();
    const std::vector<int> families = SpouseFamilies(store, child);
    if (!families.empty()) {
      row.spouse = LabelOf(store, core::OtherSpouse(store, families[0], child));
      row.marriage = MarriageOf(store, families[0]);
    }
    sheet.children.push_back(std::move(row));
  }
  return sheet;
}

PedigreeChart ReadPedigreeChart(const store::RecordStore& store, int individual) {
  PedigreeChart chart;
  chart.boxes[1].individual = Exists(store, individual) ? individual : 0;
  for (int n = 1; n <= kPedigreeBoxes; ++n) {
    PedigreeBox& box = chart.boxes[n];
    if (box.individual == 0) continue;
    const FormPerson person = ReadFormPerson(store, box.individual);
    box.name = person.label;
    box.birth = person.birth;
    box.death = person.death;
    const core::Parents parents = core::FindParents(store, box.individual);
    const int father = Exists(store, parents.father) ? parents.father : 0;
    const int mother = Exists(store, parents.mother) ? parents.mother : 0;
    if (2 * n + 1 <= kPedigreeBoxes) {
      chart.boxes[2 * n].individual = father;
      chart.boxes[2 * n + 1].individual = mother;
      // The couple's marriage stands in the father's box.
      if (father != 0) {
        chart.boxes[2 * n].marriage =
            MarriageOf(store, ParentsFamily(store, box.individual, father, mother));
      }
    } else {
      box.has_parents = father != 0 || mother != 0;
    }
  }
  const std::vector<int> families = SpouseFamilies(store, individual);
  if (chart.boxes[1].individual != 0 && !families.empty()) {
    chart.boxes[1].marriage = MarriageOf(store, families[0]);
  }
  return chart;
}

PersonDetails ReadPersonDetails(const store::RecordStore& store, int individual) {
  PersonDetails details;
  details.person = ReadFormPerson(store, individual);
  if (details.person.individual == 0) return details;
  for (int family : SpouseFamilies(store, individual)) {
    FormFamily entry;
    entry.family = family;
    entry.spouse = LabelOf(store, core::OtherSpouse(store, family, individual));
    entry.events = FamilyEvents(store, family);
    for (store::LineNode* line = store::FindTagLine(store.family(family)->lines, "1 CHIL");
         line != nullptr; line = store::FindTagLine(line->next, "1 CHIL")) {
      const int child = store::XrefNumber(line->text());
      if (Exists(store, child)) entry.children.push_back(core::PersonLabel(store, child));
    }
    details.families.push_back(std::move(entry));
  }
  return details;
}

}  // namespace kinloom::reports
