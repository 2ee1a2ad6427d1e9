#include "record_lines.h"

#include <cstdio>

namespace kinloom::gentree {

std::string Xref(XrefStyle style, char kind, int32_t index) {
  char text[24];
  const char* format = style == XrefStyle::kPadded ? "@%c%06d@" : "@%c%d@";
  int length = std::snprintf(text, sizeof text, format, kind, static_cast<int>(index) + 1);
  return std::string(text, static_cast<size_t>(length));
}

void WriteName(const PersonDetails& details, LineSink& sink) {
  std::string name = details.given_names + " /" + details.surname + '/';
  if (!details.name_suffix.empty()) name += ' ' + details.name_suffix;
  sink.Line(1, "NAME", name);
}

void WriteSex(Sex sex, LineSink& sink) {
  sink.Line(1, "SEX", sex == Sex::kMale ? "M" : sex == Sex::kFemale ? "F" : "U");
}

void WriteEvent(const LifeEvent& event, XrefStyle style, LineSink& sink) {
  sink.Line(1, event.tag);
  if (!event.date.empty()) sink.Line(2, "DATE", event.date);
  if (!event.place.empty()) sink.Line(2, "PLAC", event.place);
  if (event.source != kNone) sink.Line(2, "SOUR", Xref(style, 'S', event.source));
}

void WriteSpouseLinks(const Person& person, XrefStyle style, LineSink& sink) {
  for (int index = 0; index < person.spouse_in_count; ++index) {
    sink.Line(1, "FAMS", Xref(style, 'F', person.spouse_in[index]));
  }
}

void WriteOccupationAndResidence(const PersonDetails& details, LineSink& sink) {
  if (!details.occupation.empty()) sink.Line(1, "OCCU", details.occupation);
  if (details.residence_place.empty()) return;
  sink.Line(1, "RESI");
  if (!details.residence_date.empty()) sink.Line(2, "DATE", details.residence_date);
  sink.Line(2, "PLAC", details.residence_place);
}

void WriteCitations(const PersonDetails& details, XrefStyle style, LineSink& sink) {
  for (const Citation& citation : details.citations) {
    sink.Line(1, "SOUR", Xref(style, 'S', citation.source));
    if (!citation.page.empty()) sink.Line(2, "PAGE", citation.page);
  }
}

void WriteFamilyMembers(const Family& family, XrefStyle style, LineSink& sink) {
  if (family.husband != kNone) sink.Line(1, "HUSB", Xref(style, 'I', family.husband));
  if (family.wife != kNone) sink.Line(1, "WIFE", Xref(style, 'I', family.wife));
  for (int index = 0; index < family.child_count; ++index) {
    sink.Line(1, "CHIL", Xref(style, 'I', family.first_child + index));
  }
}

void WriteContinuations(int level, const std::vector<std::string>& lines, LineSink& sink) {
  for (size_t index = 1; index < lines.size(); ++index) sink.Line(level, "CONT", lines[index]);
}

}  // namespace kinloom::gentree
