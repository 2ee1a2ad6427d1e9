#include "own_writer.h"

#include <cstdio>

#include "random.h"
#include "record_lines.h"

namespace kinloom::gentree {
namespace {

constexpr XrefStyle kStyle = XrefStyle::kPadded;
constexpr char kChangeDate[] = " 6 Dec 2026";
constexpr char kChangeTime[] = "12:00:00";
constexpr int kHideFlag = 0x01;
constexpr int kMarkFlag = 0x01;

void WriteHeader(const std::string& file_name, LineSink& sink) {
  sink.Line(0, "HEAD");
  sink.Line(1, "SOUR", "Kinloom Zoraz");
  sink.Line(2, "VERS", "Version: 2.48");
  sink.Line(1, "DATE", kChangeDate);
  sink.Line(2, "TIME", kChangeTime);
  sink.Line(1, "FILE", "GED: " + file_name);
  sink.Line(1, "CHAR", "ANSI");
  sink.Line(1, "GEDC");
  sink.Line(2, "VERS", "5.5");
  sink.Line(2, "FORM", "LINEAGE-LINKED");
}

void WriteChange(LineSink& sink) {
  sink.Line(1, "CHAN");
  sink.Line(2, "DATE", kChangeDate);
  sink.Line(3, "TIME", kChangeTime);
}

// "1 _SEQ hide mark list1 list2 list3 listPos".
void WritePersonSequence(const PersonDetails& details, LineSink& sink) {
  char text[64];
  std::snprintf(text, sizeof text, "%4d %4d %4d %4d %4d %6d", details.hidden ? kHideFlag : 0,
                details.marked ? kMarkFlag : 0, 0, 0, 0, -1);
  sink.Line(1, "_SEQ", text);
}

void WritePrivateLines(const PersonDetails& details, LineSink& sink) {
  sink.Line(1, "_VER", "  0 0");
  WritePersonSequence(details, sink);
  if (!details.to_do.empty()) sink.Line(1, "_TXT", details.to_do);
}

void WriteParentLink(const Person& person, LineSink& sink) {
  if (person.child_of == kNone) return;
  sink.Line(1, "FAMC", Xref(kStyle, 'F', person.child_of));
  if (person.pedigree == Pedigree::kAdopted) sink.Line(2, "PEDI", "Adopted");
  if (person.pedigree == Pedigree::kFoster) sink.Line(2, "PEDI", "Foster");
}

void WriteNote(const PersonDetails& details, LineSink& sink) {
  if (details.note_lines.empty()) return;
  sink.Line(1, "NOTE", details.note_lines.front());
  WriteContinuations(2, details.note_lines, sink);
}

void WritePerson(const GeneratorContext& context, int32_t index, PersonDetails& details,
                 LineSink& sink) {
  const Person& person = context.model->people[static_cast<size_t>(index)];
  DerivePerson(context, index, &details);
  sink.Record(Xref(kStyle, 'I', index), "INDI");
  WritePrivateLines(details, sink);
  WriteName(details, sink);
  if (!details.title.empty()) sink.Line(1, "TITL", details.title);
  if (!details.alias.empty()) sink.Line(1, "ALIA", details.alias);
  WriteSex(person.sex, sink);
  for (const LifeEvent& event : details.events) WriteEvent(event, kStyle, sink);
  WriteParentLink(person, sink);
  WriteSpouseLinks(person, kStyle, sink);
  WriteOccupationAndResidence(details, sink);
  WriteNote(details, sink);
  WriteCitations(details, kStyle, sink);
  WriteChange(sink);
}

void WriteFamily(const GeneratorContext& context, int32_t index, LineSink& sink) {
  const Family& family = context.model->families[static_cast<size_t>(index)];
  FamilyDetails details = DeriveFamily(context, index);
  sink.Record(Xref(kStyle, 'F', index), "FAM");
  sink.Line(1, "_SEQ", "   0     -1");
  WriteFamilyMembers(family, kStyle, sink);
  if (details.has_marriage) WriteEvent(details.marriage, kStyle, sink);
  WriteChange(sink);
}

void WriteSource(const GeneratorContext& context, int32_t index, LineSink& sink) {
  SourceDetails details = DeriveSource(context, index);
  sink.Record(Xref(kStyle, 'S', index), "SOUR");
  sink.Line(1, "TITL", details.title);
  sink.Line(1, "AUTH", details.author);
  sink.Line(1, "PUBL", details.publication);
  WriteChange(sink);
}

}  // namespace

void WriteOwnFile(const GeneratorContext& context, const std::string& file_name, LineSink& sink) {
  WriteHeader(file_name, sink);
  PersonDetails details;
  int32_t people = static_cast<int32_t>(context.model->people.size());
  for (int32_t index = 0; index < people; ++index) WritePerson(context, index, details, sink);
  int32_t families = static_cast<int32_t>(context.model->families.size());
  for (int32_t index = 0; index < families; ++index) WriteFamily(context, index, sink);
  for (int32_t index = 0; index < context.source_count; ++index) WriteSource(context, index, sink);
  sink.Raw("0 TRLR");
}

}  // namespace kinloom::gentree
