// The checks of one individual: the name, every dated or placed line of the record, the order
// of the vital events and the ages at death and at the births of children.
#include "core/queries.h"
#include "reports/verifier_run.h"
#include "store/line_search.h"

namespace kinloom::reports::verifier {
namespace {

// The day numbers of the vital events, the last DATE of each kind winning.
struct VitalDays {
  int birth = 0, baptism = 0, christening = 0, death = 0, burial = 0, cremation = 0;

  int* Slot(std::string_view tag) {
    if (tag == "BIRT") return &birth;
    if (tag == "BAPM") return &baptism;
    if (tag == "CHR") return &christening;
    if (tag == "DEAT") return &death;
    if (tag == "BURI") return &burial;
    if (tag == "CREM") return &cremation;
    return nullptr;
  }
};

// One pass over the record's lines: every DATE (but the change stamp's) is checked and every
// PLAC; the vital events keep their day numbers.
VitalDays WalkLines(Run& run, int record) {
  VitalDays days;
  const store::IndividualRecord* individual = run.store().individual(record);
  std::string_view tag;
  for (store::LineNode* line = individual->lines->next; line != nullptr && line->level() != '0';
       line = line->next) {
    const std::string_view text = line->text();
    if (line->level() == '1') {
      tag = LineTag(text);
    } else if (store::HasTag(text, "2 DATE")) {
      if (tag == "CHAN") continue;
      const int day = CheckDate(run, record, store::LineValue(text, "2 DATE"), tag, true);
      if (int* slot = days.Slot(tag)) *slot = day;
    } else if (store::HasTag(text, "2 PLAC")) {
      CheckPlace(run, record, text, tag);
    }
  }
  return days;
}

// Errors 14, 18 and 8: baptism before birth, burial before death, burial long after death.
void CheckVitalOrder(Run& run, int record, const VitalDays& d) {
  if (run.Wanted(14, record)) {
    if (d.baptism > 0 && d.baptism < d.birth) {
      run.Add(14, record, "Birth");
    } else if (d.christening > 0 && d.christening < d.birth) {
      run.Add(14, record, "Birth");
    }
  }
  // The event named is the one out of order (the burial or the cremation).
  if (run.Wanted(18, record)) {
    if (d.burial > 0 && d.burial < d.death) {
      run.Add(18, record, "BURI");
    } else if (d.cremation > 0 && d.cremation < d.death) {
      run.Add(18, record, "CREM");
    }
  }
  if (run.Wanted(8, record) && d.birth > run.cut_off() && d.burial > 0 && d.death > 0 &&
      d.burial > d.death + run.burial_days()) {
    run.Add(8, record, "Burial");
  }
}

// Error 16: born more than 280 days after the father's death, or after the mother's.
void CheckParentsDeaths(Run& run, int record, int birth) {
  const store::RecordStore& store = run.store();
  const int family = core::FindParentFamily(store, record).family;
  if (family == 0) return;
  const int father = store::FamilyMember(store, family, "1 HUSB");
  const int mother = store::FamilyMember(store, family, "1 WIFE");
  if (father != 0) {
    const int died = FirstDayNumber(store, father, "DEAT", "BURI", "CREM");
    if (died > 0 && birth - died > 280) run.Add(16, record, "Father");
  }
  if (mother != 0) {
    const int died = FirstDayNumber(store, mother, "DEAT", "BURI", "CREM");
    if (died > 0 && died < birth) run.Add(16, record, "Mother");
  }
}

// Errors 10, 11 and 12: the ages at the earliest and the latest child's birth.
void CheckParentAges(Run& run, int record, const PersonDates& p) {
  if (!p.gated || p.birth <= 0) return;
  if (run.Wanted(10, record) && p.earliest_child > 0 &&
      p.earliest_child < p.birth + run.child_under_days()) {
    run.Add(10, record, "Child");
  }
  if (p.latest_child <= 0) return;
  if (p.sex == 2) {
    if (run.Wanted(11, record) && p.latest_child > p.birth + run.mother_over_days()) {
      run.Add(11, record, "Child");
    }
  } else if (run.Wanted(12, record) && p.latest_child > p.birth + run.father_over_days()) {
    run.Add(12, record, "Child");
  }
}

}  // namespace

void CheckIndividual(Run& run, int record, uint16_t family_pass) {
  const store::IndividualRecord* individual = run.store().individual(record);
  if (individual == nullptr || individual->lines == nullptr) return;
  CheckNames(run, record);
  const VitalDays days = WalkLines(run, record);
  CheckVitalOrder(run, record, days);

  PersonDates person;
  person.death = days.death ? days.death : days.burial ? days.burial : days.cremation;
  person.birth = days.birth ? days.birth : days.baptism ? days.baptism : days.christening;
  person.sex = core::SexOf(run.store(), record);
  person.gated = person.birth > run.cut_off();
  if (run.Wanted(17, record) && person.death > 0 && person.death < person.birth) {
    run.Add(17, record, "Birth");
  }
  if (run.Wanted(7, record) && person.gated && person.birth > 0 && person.death > 0 &&
      person.death > person.birth + run.death_days()) {
    run.Add(7, record, "Death");
  }
  CheckFamilies(run, record, family_pass, person);
  CheckParentAges(run, record, person);
  if (run.Wanted(16, record) && person.gated) CheckParentsDeaths(run, record, person.birth);
}

}  // namespace kinloom::reports::verifier
