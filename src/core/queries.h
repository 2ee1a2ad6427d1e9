#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/line_search.h"
#include "store/names.h"
#include "store/record_store.h"

namespace kinloom::core {

using store::LineNode;
using store::RecordStore;

// What every part of the program asks of a person or a family. All take record numbers; a
// number outside the table, an empty slot or a record without lines gives the empty result
// (0, nullptr, an empty text) unless said otherwise. Texts are returned as owned strings.

// ---- Names and labels (GivenNames, Surname, SurnameAndTitle, IndexName, FullName,
// FamilyMember and ParentsLabel live with the store, which keys its search lists by them) ----
using store::FamilyMember;
using store::FullName;
using store::GivenNames;
using store::IndexName;
using store::ParentsLabel;
using store::Surname;
using store::SurnameAndTitle;

// "Given Surname (12)"; "Unknown Individual (0) G0" for number 0.
std::string PersonLabel(const RecordStore& store, int individual);
// The surname, or when empty that of the first HUSB-or-WIFE of the parent family, repeated
// upwards until one is found. Stops at a person already visited (an ancestry loop).
std::string InheritedSurname(RecordStore& store, int individual);
// The number after the last "(" of a list entry; 0 when there is none.
int NumberFromLabel(std::string_view text);

// ---- Parent kinds ----
enum ParentKind : int {
  kBirth = 0,
  kAdopted = 1,
  kAdoptFather = 2,
  kAdoptMother = 3,
  kStepFather = 4,
  kStepMother = 5,
  kFoster = 6,
  kSealing = 7,
};
inline constexpr int kParentKinds = 8;
// The value written in "2 PEDI" ("" for birth, "Adopted", "Adopt Fth", ...).
std::string_view ParentKindValue(int kind);
// The item of the person page's parent-type box ("Birth", "Adopted", "Adopt Fth", ...).
std::string_view ParentKindItem(int kind);
// The wording of the Parent Types dialog ("Both are Biological Birth Parents", ...).
std::string_view ParentKindWording(int kind);
// Reads a "2 PEDI" value by its first characters, without regard to case, so that the
// program's own values and the lower-case ones of other programs ("birth", "adopted",
// "foster", "sealing") read alike: an empty value or one starting with "B" is birth; "A" is
// adopted, by the father or the mother when the seventh character is "F" or "M"; "St" is a
// step-father when the sixth character is "F", else a step-mother; "F" is foster; any other
// "S" sealing. -1 for a value that fits none. Every query that looks at parent kinds reads
// them here.
int ReadParentKind(std::string_view value);
// ReadParentKind, with a value that fits no kind read as birth.
int ParentKindOfValue(std::string_view value);

// ---- Family links ----
// The other HUSB-or-WIFE of the family: the first one if it differs from `individual`, else
// the next one after it, else 0.
int OtherSpouse(const RecordStore& store, int family, int individual);
struct ChildLink {
  int child = 0;
  int kind = kBirth;  // read below the child's own "1 FAMC" line for this family
};
// The n-th (from 1) "1 CHIL" of the family.
ChildLink NthChild(const RecordStore& store, int family, int n);
// Steps from `line` (a line of a family) to the next "1 CHIL" line; returns that line (nullptr
// at the end) and sets *child to its individual.
LineNode* NextBloodChild(LineNode* line, int* child);
// The kind of the "2 PEDI" line directly below a "1 FAMC" (or "1 CHIL") line; 0 without one.
int PediKindOf(const LineNode* line);
// The individual's level-1 "1 FAMC" line pointing at the family.
LineNode* FindFamcLine(const RecordStore& store, int individual, int family);

struct ParentFamily {
  int family = 0;
  int kind = kBirth;
};
// The preferred parent family: the first birth link at once, else the adoptive, foster or
// sealing candidate (step families only while no adoption was seen); family 0 without one.
ParentFamily FindParentFamily(const RecordStore& store, int individual);

struct Parents {
  int father = 0;
  int mother = 0;
};
// The birth father and mother over all parent families.
Parents FindParents(const RecordStore& store, int individual);

struct BirthFamc {
  LineNode* line = nullptr;  // the birth "1 FAMC" line; nullptr when there is none
  int family = 0;
  int husband = 0;
  int wife = 0;
};
// The birth link of an individual. With `warn`, and a birth link present, shows the
// " *** Birth Parents ***" warning (the caller then refuses the change).
BirthFamc FindBirthFamc(RecordStore& store, int individual, bool warn);

// ---- People ----
// 1 male, 2 female, 0 otherwise.
int SexOf(const RecordStore& store, int individual);

struct EventInfo {
  bool found = false;  // any of date, place, source or note was found
  std::string date;
  std::string place;
  std::string source;        // value of the event's SOUR sub-line
  LineNode* note = nullptr;  // the event's NOTE sub-line
};
// Details of the first line found by FindFirstOfTags(first, tag1, tag2, tag3).
EventInfo EventDetails(LineNode* first, std::string_view tag1, std::string_view tag2 = {},
                       std::string_view tag3 = {});

enum class EventKind : char { kBirth = 'b', kDeath = 'd', kMarriage = 'm', kChange = 'c' };
struct EventDateResult {
  std::string date;  // empty when none
  char letter = 0;   // 'b', 'c' (birth from baptism or christening), 'd', 'm'
};
// The date of the record's main event with its fall-backs (birth: BIRT, then BAPM, CHR;
// death: DEAT, then BURI, CREM; marriage: MARR, then MARC, MARL; change: CHAN).
EventDateResult EventDate(LineNode* first, EventKind kind);

struct Vitals {
  char sex = 'U';
  struct DatePlace {
    std::string date;
    std::string place;
  };
  DatePlace birth, christening, baptism, death, burial, cremation;
};
// Sex letter and the dates and places of the six vital events in one pass.
Vitals VitalsOf(const RecordStore& store, int individual);

// Appends the person's summary lines: label, "Birth: ...", "Death: ...", "Father: ...",
// "Mother: ...".
void PersonSummary(const RecordStore& store, int individual, std::vector<std::string>* lines);

// Whether the person is to be treated as deceased. The plain form looks at any DEAT, BURI or
// CREM line; the strict form (used before marking someone living) needs a DEAT with details
// or a BURI or CREM line. Otherwise dates decide, and without dates the near relations do.
// When found deceased by dates or relations and the record has no "1 DEAT", a bare "1 DEAT" is
// added and the record stamped: the one change a query makes. Without `record_death` (a
// published copy of the tree asks, which must not change it) the record is left as it is.
bool IsDeceased(RecordStore& store, int individual, bool strict, bool record_death = true);

// 1 direct ancestor, 2 sibling of an ancestor, 3 child of a sibling of an ancestor, 4 none; of
// the home person (the store's home_person()).
int DirectLineStatus(RecordStore& store, int individual, int father, int mother);
// The indicator text of a DirectLineStatus result; empty for 4.
std::string_view DirectLineText(int status);

}  // namespace kinloom::core
