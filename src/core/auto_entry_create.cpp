#include "core/auto_entry_create.h"

#include "core/family_ops.h"
#include "core/family_ops_support.h"
#include "core/queries.h"
#include "store/charsets.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::core {
namespace {

using family_ops::EditScope;
using family_ops::FamilyLines;
using family_ops::PersonLines;
using store::LineNode;

std::string Ansi(std::string_view utf8) {
  return store::Utf8TextToInternal(utf8);
}

// "1 BIRT" with its "2 DATE" and "2 PLAC" at the record's place for the tag.
void AddEvent(store::RecordStore& store, LineNode* first, std::string_view tag,
              const EntryEvent& event) {
  if (event.empty()) return;
  LineNode* line = store::InsertLineAfter(store, store::FindInsertPoint(first, tag), tag);
  if (!event.date.empty()) line = store::InsertLineAfter(store, line, "2 DATE " + Ansi(event.date));
  if (!event.place.empty()) store::InsertLineAfter(store, line, "2 PLAC " + Ansi(event.place));
}

// "2 DATE"/"2 PLAC" under a family's bare "1 MARR".
void FillMarriage(store::RecordStore& store, int family, const EntryEvent& marriage) {
  LineNode* first = FamilyLines(store, family);
  if (first == nullptr || marriage.empty()) return;
  EditScope scope(store);  // the spouses' chart texts show the marriage
  scope.TouchFamily(family);
  LineNode* marr = store::FindTagLine(first, "1 MARR");
  if (marr == nullptr) {
    AddEvent(store, first, "1 MARR", marriage);
  } else {
    LineNode* line = marr;
    if (!marriage.date.empty()) {
      line = store::InsertLineAfter(store, line, "2 DATE " + Ansi(marriage.date));
    }
    if (!marriage.place.empty()) {
      store::InsertLineAfter(store, line, "2 PLAC " + Ansi(marriage.place));
    }
  }
  store::StampChanged(store, first);
}

std::string NameValue(const EntryPerson& person) {
  std::string value = person.given + " /" + person.surname + "/";
  if (!person.suffix.empty()) value += " " + person.suffix;
  return Ansi(value);
}

// One person with their own lines, not yet linked.
int MakePerson(store::RecordStore& store, const EntryPerson& person) {
  const int n = NewIndividual(store, person.sex == 'M' || person.sex == 'F' ? person.sex : 'U');
  if (n == 0) return 0;
  EditScope scope(store);
  LineNode* first = PersonLines(store, n);
  store::SetLineValue(store, first, "1 NAME", 1, NameValue(person));
  AddEvent(store, first, "1 BIRT", person.birth);
  AddEvent(store, first, "1 CHR", person.baptism);
  AddEvent(store, first, "1 DEAT", person.death);
  AddEvent(store, first, "1 BURI", person.burial);
  if (!person.spouse.empty()) {
    store::InsertLineAfter(store, store::FindInsertPoint(first, "1 NOTE"),
                           "1 NOTE Married to " + Ansi(person.spouse));
  }
  store::StampChanged(store, first);
  family_ops::FileIndividual(store, n);
  scope.TouchPerson(n);
  return n;
}

// The shown person's first own family, made when there is none.
int FamilyForChildren(store::RecordStore& store, int shown) {
  LineNode* first = PersonLines(store, shown);
  if (first == nullptr) return 0;
  const std::vector<int> families = family_ops::LinkedNumbers(first, "1 FAMS");
  for (int family : families) {
    if (FamilyLines(store, family) != nullptr) return family;
  }
  const bool female = SexOf(store, shown) == 2;
  return NewFamily(store, 0, female ? 0 : shown, female ? shown : 0, false);
}

void LinkChild(store::RecordStore& store, int family, int child) {
  EditScope scope(store);
  family_ops::AddFamcLine(store, child, family, 0);
  family_ops::AddChilLine(store, family, child);
  scope.TouchFamily(family);
  scope.TouchPerson(child);
}

// Husband and wife by their sexes; the shown person is the husband unless she is a woman or
// the new spouse is a man.
int Marry(store::RecordStore& store, int shown, int spouse, char spouse_sex) {
  const bool shown_wife = SexOf(store, shown) == 2 || spouse_sex == 'M';
  return NewFamily(store, 0, shown_wife ? spouse : shown, shown_wife ? shown : spouse, true);
}

}  // namespace

EntryCreated CreateEntryPeople(store::RecordStore& store, const std::vector<EntryPerson>& people,
                               EntryLink link, int shown) {
  EntryCreated created;
  store::BusyScope busy(store);
  if (link != EntryLink::kNone && PersonLines(store, shown) == nullptr) link = EntryLink::kNone;
  if (link == EntryLink::kChildren) {
    created.family = FamilyForChildren(store, shown);
    if (created.family == 0) return created;
  }
  for (const EntryPerson& person : people) {
    const int n = MakePerson(store, person);
    if (n == 0) break;
    created.people.push_back(n);
    if (link == EntryLink::kChildren) {
      LinkChild(store, created.family, n);
    } else if (link == EntryLink::kSpouses) {
      FillMarriage(store, Marry(store, shown, n, person.sex), person.marriage);
    }
    if (link != EntryLink::kSpouses && !person.marriage.empty()) {
      // A marriage without the partner: a family of the person's own keeps it.
      const bool female = person.sex == 'F';
      FillMarriage(store, NewFamily(store, 0, female ? 0 : n, female ? n : 0, false),
                   person.marriage);
    }
  }
  return created;
}

}  // namespace kinloom::core
