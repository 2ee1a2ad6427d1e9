#pragma once

#include <array>
#include <string>
#include <vector>

#include "store/record_store.h"

// What the printed forms show, read from the tree: a family group sheet, a four-generation
// pedigree chart, a person's details and the source list. Texts are Windows-1252.
namespace kinloom::reports {

struct DatePlace {
  std::string date;
  std::string place;

  bool empty() const { return date.empty() && place.empty(); }
};

// An event or fact of a person or family: "Birth", "Occupation" ... with the text after its
// tag ("Farmer"), its date and place, its notes and the sources it cites.
struct FormEvent {
  std::string name;
  std::string value;
  DatePlace when;
  std::vector<std::string> notes;
  std::vector<std::string> citations;  // "Parish register (3), p. 12"
};

// A person with everything the forms print of them; individual 0 for a blank person.
struct FormPerson {
  int individual = 0;
  std::string label;              // "Given Surname (12)"
  char sex = 'U';                 // 'M', 'F' or 'U'
  std::vector<FormEvent> events;  // in record order
  std::vector<std::string> notes;
  std::vector<std::string> citations;
  std::string father;  // display names of the birth parents, empty when unknown
  std::string mother;
  DatePlace birth;  // the first of birth, christening, baptism with a date or place
  DatePlace death;  // the first of death, burial, cremation
};

// The name of an event tag for the forms ("1 BIRT" -> "Birth"); empty for lines that are no
// event or fact (names, links, notes, sources, the change stamp).
std::string EventName(std::string_view line_text);

FormPerson ReadFormPerson(const store::RecordStore& store, int individual);

struct FormChild {
  FormPerson person;
  std::string parent_type;  // "" for birth children, else "Adopted", "Step Fth", ...
  std::string spouse;       // the first spouse's display name
  DatePlace marriage;       // of that first family
};

struct FamilyGroupSheet {
  int family = 0;
  FormPerson husband;
  FormPerson wife;
  std::vector<FormEvent> events;  // marriage, divorce ... in record order
  std::vector<std::string> notes;
  std::vector<std::string> citations;
  std::vector<FormChild> children;  // in the order of the family's CHIL lines
};

FamilyGroupSheet ReadFamilyGroupSheet(const store::RecordStore& store, int family);

// Ahnentafel numbering: 1 the person, 2 the father, 3 the mother, 2n and 2n + 1 the parents
// of n. Four generations: boxes 1 to 15.
inline constexpr int kPedigreeBoxes = 15;

struct PedigreeBox {
  int individual = 0;  // 0 for an unknown ancestor
  std::string name;    // the display name
  DatePlace birth;
  DatePlace marriage;  // of the couple this person is the husband of (and of box 1)
  DatePlace death;
  bool has_parents = false;  // a box of the last generation whose line goes on
};

struct PedigreeChart {
  std::array<PedigreeBox, kPedigreeBoxes + 1> boxes;  // index 0 unused
};

PedigreeChart ReadPedigreeChart(const store::RecordStore& store, int individual);

// A person's families for the details form.
struct FormFamily {
  int family = 0;
  std::string spouse;  // display name, empty without another spouse
  std::vector<FormEvent> events;
  std::vector<std::string> children;  // display names
};

struct PersonDetails {
  FormPerson person;
  std::vector<FormFamily> families;  // in the order of the person's FAMS lines
};

PersonDetails ReadPersonDetails(const store::RecordStore& store, int individual);

// One source and every record that cites it.
struct SourceListEntry {
  int source = 0;
  std::string label;  // "Title (12)"
  std::string author;
  std::string publication;
  std::string text;
  std::vector<std::string> cited_by;  // "Given Surname (12): Birth, p. 4"
};

std::vector<SourceListEntry> ReadSourceList(const store::RecordStore& store);

}  // namespace kinloom::reports
