// The checks of an individual's own families: the spouses' sexes, the order and ages of
// marriages and children, and children named after their mother.
#include <algorithm>
#include <string>

#include "core/queries.h"
#include "reports/verifier_run.h"
#include "store/line_search.h"

namespace kinloom::reports::verifier {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

// What the walk of the individual's families carries from one family to the next.
struct AcrossFamilies {
  int latest_marriage = 0;  // of the families walked so far
  bool marriage_out_of_order = false;
  bool reported_21 = false;
  bool reported_25 = false;
  bool reported_33 = false;
};

// What the walk of one family gathers.
struct OneFamily {
  int number = 0;
  bool is_new = false;
  int husband = 0, wife = 0;
  int husband_sex = 0, wife_sex = 0;  // forgotten once a same-sex couple is reported
  int marriage = 0;
  int earliest_child = 0, latest_child = 0;
};

class FamilyWalk {
 public:
  FamilyWalk(Run& run, int record, PersonDates& person)
      : run_(run), store_(run.store()), record_(record), person_(person) {}

  void Walk(int family, bool is_new) {
    OneFamily f;
    f.number = family;
    f.is_new = is_new;
    std::string_view tag;
    for (store::LineNode* line = store_.family(family)->lines->next;
         line != nullptr && line->level() != '0'; line = line->next) {
      const std::string_view text = line->text();
      if (line->level() == '1') {
        tag = LineTag(text);
        SpouseOrChild(f, tag, store::XrefNumber(text));
      } else if (store::HasTag(text, "2 DATE") && tag != "CHAN") {
        const std::string_view value = store::LineValue(text, "2 DATE");
        if (tag == "MARR") {
          Marriage(f, CheckDate(run_, record_, value, tag, f.is_new));
        } else if (f.is_new) {
          CheckDate(run_, record_, value, tag, true);
        }
      } else if (f.is_new && store::HasTag(text, "2 PLAC")) {
        CheckPlace(run_, record_, text, tag);
      }
    }
    AfterFamily(f);
  }

 private:
  void SpouseOrChild(OneFamily& f, std::string_view tag, int number) {
    if (tag == "HUSB") {
      f.husband = number;
      f.husband_sex = core::SexOf(store_, number);
      if (number == record_ && f.husband_sex != 1 && run_.Wanted(23, record_)) {
        run_.Add(23, record_, "Marriage");
      }
    } else if (tag == "WIFE") {
      f.wife = number;
      f.wife_sex = core::SexOf(store_, number);
      if (number == record_ && f.wife_sex != 2 && run_.Wanted(24, record_)) {
        run_.Add(24, record_, "Marriage");
      }
    } else if (tag == "CHIL") {
      Child(f, number);
    }
    if (f.husband != 0 && f.wife != 0 && f.husband_sex != 0 && f.husband_sex == f.wife_sex) {
      if (run_.Wanted(22, record_)) run_.Add(22, record_, "Check Gender");
      f.husband_sex = f.wife_sex = 0;
    }
  }

  void Child(OneFamily& f, int child) {
    const int born = FirstDayNumber(store_, child, "BIRT", "BAPM", "CHR");
    if (!across_.reported_33 && person_.sex == 2 && run_.Wanted(33, record_) &&
        UsesMothersName(f, child, born)) {
      run_.Add(33, record_, "Last Name");
      across_.reported_33 = true;
    }
    if (born <= 0) return;
    if (f.is_new && !across_.reported_25 && f.latest_child > 0 && born < f.latest_child &&
        run_.Wanted(25, record_)) {
      run_.Add(25, record_, "Child");
      across_.reported_25 = true;
    }
    f.latest_child = std::max(f.latest_child, born);
    f.earliest_child = f.earliest_child == 0 ? born : std::min(f.earliest_child, born);
  }

  // Error 33: the child carries the mother's surname, not the husband's.
  bool UsesMothersName(const OneFamily& f, int child, int born) const {
    const int husband =
        f.husband != 0 ? f.husband : store::FamilyMember(store_, f.number, "1 HUSB");
    if (husband == 0 || born <= run_.cut_off() - 73000) return false;
    const std::string hers = store::SurnameAndTitle(store_, record_);
    if (hers.size() <= 2) return false;
    if (core::PersonLabel(store_, child).find(hers) == std::string::npos) return false;
    return !SameIgnoringCase(hers, store::Surname(store_, husband)) &&
           SameIgnoringCase(hers, store::Surname(store_, child));
  }

  // Errors 9, 20 and 21, at each dated marriage line.
  void Marriage(OneFamily& f, int day) {
    f.marriage = day;
    if (day <= 0) return;
    if (person_.gated && person_.birth > 0 && day < person_.birth + run_.marriage_days() &&
        run_.Wanted(9, record_)) {
      run_.Add(9, record_, "Marriage");
    }
    if (person_.death > 0 && day > person_.death && run_.Wanted(20, record_)) {
      run_.Add(20, record_, "Marriage");
    }
    if (across_.latest_marriage > 0 && day < across_.latest_marriage) {
      across_.marriage_out_of_order = true;
      if (!across_.reported_21 && run_.Wanted(21, record_)) {
        run_.Add(21, record_, "Marriage");
        across_.reported_21 = true;
      }
    }
  }

  // Errors 13, 15 and 34, once the family's lines are walked.
  void AfterFamily(const OneFamily& f) {
    if (person_.gated && f.marriage > 0) {
      if (f.is_new && f.latest_child > 0 &&
          f.latest_child > f.marriage + run_.after_marriage_days() && run_.Wanted(13, record_)) {
        run_.Add(13, record_, "Child");
      }
      if (!across_.marriage_out_of_order && person_.latest_child > 0 &&
          f.marriage < person_.latest_child && run_.Wanted(15, record_)) {
        run_.Add(15, record_, "Marriage");
      }
      if (person_.sex == 1 && f.earliest_child > 0 &&
          f.earliest_child < f.marriage - run_.before_marriage_days() && run_.Wanted(34, record_)) {
        run_.Add(34, record_, "Marriage");
      }
    }
    if (f.latest_child > 0) {
      person_.latest_child = std::max(person_.latest_child, f.latest_child);
      person_.earliest_child = person_.earliest_child == 0
                                   ? f.earliest_child
                                   : std::min(person_.earliest_child, f.earliest_child);
    }
    if (f.marriage > 0) across_.latest_marriage = std::max(across_.latest_marriage, f.marriage);
  }

  Run& run_;
  store::RecordStore& store_;
  int record_;
  PersonDates& person_;
  AcrossFamilies across_;
};

}  // namespace

void CheckFamilies(Run& run, int record, uint16_t family_pass, PersonDates& person) {
  store::RecordStore& store = run.store();
  FamilyWalk walk(run, record, person);
  const store::IndividualRecord* individual = store.individual(record);
  for (store::LineNode* line = individual->lines->next; line != nullptr && line->level() != '0';
       line = line->next) {
    if (!store::HasTag(line->text(), "1 FAMS")) continue;
    const int number = store::XrefNumber(line->text());
    store::FamilyRecord* family = store.family(number);
    if (family == nullptr || family->lines == nullptr) continue;
    const bool is_new = family->walkStamp != family_pass;
    family->walkStamp = family_pass;
    walk.Walk(number, is_new);
  }
}

}  // namespace kinloom::reports::verifier
