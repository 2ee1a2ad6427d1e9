#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "family_model.h"

namespace kinloom::gentree {

// What every writer needs to derive the content of a record.
struct GeneratorContext {
  uint64_t seed = 1;
  const FamilyModel* model = nullptr;
  int32_t source_count = 0;
};

// The number of source records for a file of `individuals` people.
int32_t SourceCountFor(int32_t individuals);

struct Citation {
  int32_t source = kNone;
  std::string page;  // empty: no page
};

struct LifeEvent {
  const char* tag = "";
  std::string date;        // empty: no date line
  std::string place;       // empty: no place line
  int32_t source = kNone;  // cited under the event
};

// The content of one person beyond the model's structure, as Windows-1252 text. The same
// context and person always give the same details, whichever order people are derived in.
struct PersonDetails {
  std::string given_names;
  std::string surname;
  std::string name_suffix;
  std::string title;
  std::string alias;
  std::string to_do;
  std::string occupation;
  std::string residence_place;
  std::string residence_date;
  std::vector<LifeEvent> events;        // file order: BIRT, CHR, DEAT, BURI
  std::vector<std::string> note_lines;  // empty: no note; an empty line continues a paragraph
  std::vector<Citation> citations;
  bool hidden = false;
  bool marked = false;
};

struct FamilyDetails {
  bool has_marriage = false;
  LifeEvent marriage;
};

struct SourceDetails {
  std::string title;
  std::string author;
  std::string publication;
};

// `details` is reused between calls to keep its buffers.
void DerivePerson(const GeneratorContext& context, int32_t person, PersonDetails* details);
FamilyDetails DeriveFamily(const GeneratorContext& context, int32_t family);
SourceDetails DeriveSource(const GeneratorContext& context, int32_t source);

}  // namespace kinloom::gentree
