#include "foreign_writer.h"

#include <string>
#include <vector>

#include "random.h"
#include "record_lines.h"
#include "text_pool.h"

namespace kinloom::gentree {
namespace {

constexpr XrefStyle kStyle = XrefStyle::kPlain;
constexpr uint64_t kForeignExtrasStream = 4;
constexpr char kChangeDate[] = "1 JAN 2020";

const char* CharsetName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf8:
      return "UTF-8";
    case TextEncoding::kAnsel:
      return "ANSEL";
    case TextEncoding::kWindows1252:
      return "ANSI";
  }
  return "ANSI";
}

std::string HexIdentifier(Random& rng) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string identifier;
  for (int part = 0; part < 2; ++part) {
    uint64_t bits = rng.Next();
    for (int digit = 0; digit < 16; ++digit, bits >>= 4) identifier.push_back(kDigits[bits & 15]);
  }
  return identifier;
}

// An identifier in the style of a shared online tree, e.g. "LZXK-9QP".
std::string SharedTreeIdentifier(Random& rng) {
  static constexpr char kSymbols[] = "0123456789BCDFGHJKLMNPQRSTVWXZ";
  std::string identifier = "L";
  for (int index = 0; index < 7; ++index) {
    identifier.push_back(index == 3 ? '-' : kSymbols[rng.Below(sizeof kSymbols - 1)]);
  }
  return identifier;
}

void WriteChange(LineSink& sink) {
  sink.Line(1, "CHAN");
  sink.Line(2, "DATE", kChangeDate);
}

class ForeignWriter {
 public:
  ForeignWriter(const GeneratorContext& context, LineSink& sink) : context_(context), sink_(sink) {}

  void Write(TextEncoding encoding) {
    WriteHeader(encoding);
    int32_t people = static_cast<int32_t>(context_.model->people.size());
    for (int32_t index = 0; index < people; ++index) WritePerson(index);
    int32_t families = static_cast<int32_t>(context_.model->families.size());
    for (int32_t index = 0; index < families; ++index) WriteFamily(index);
    WriteNoteRecords();
    for (int32_t index = 0; index < context_.source_count; ++index) WriteSource(index);
    WriteRepositories();
    sink_.Line(0, "TRLR");
  }

 private:
  static constexpr int32_t kRepositoryCount = 2;

  void WriteHeader(TextEncoding encoding) {
    sink_.Line(0, "HEAD");
    sink_.Line(1, "SOUR", "OTHERPROG");
    sink_.Line(2, "VERS", "1.0");
    sink_.Line(1, "GEDC");
    sink_.Line(2, "VERS", "5.5");
    sink_.Line(2, "FORM", "LINEAGE-LINKED");
    sink_.Line(1, "CHAR", CharsetName(encoding));
    sink_.Line(1, "SUBM", "@SUBM@");
    sink_.Record("@SUBM@", "SUBM");
    sink_.Line(1, "NAME", Windows1252FromUtf8("Märta Ödegård"));
  }

  void WriteFullName() {
    WriteName(details_, sink_);
    sink_.Line(2, "GIVN", details_.given_names);
    if (!details_.surname.empty()) sink_.Line(2, "SURN", details_.surname);
    if (!details_.name_suffix.empty()) sink_.Line(2, "NSFX", details_.name_suffix);
  }

  void WriteCustomEvent(Random& rng, int birth_year) {
    sink_.Line(1, "EVEN");
    sink_.Line(2, "TYPE", PickFrom(rng, CustomEventTypes()));
    sink_.Line(2, "DATE", std::to_string(birth_year + rng.Between(15, 40)));
    if (rng.Percent(50)) sink_.Line(2, "_UID", HexIdentifier(rng));
  }

  void WriteParentLink(Random& rng, const Person& person) {
    if (person.child_of == kNone) return;
    sink_.Line(1, "FAMC", Xref(kStyle, 'F', person.child_of));
    if (person.pedigree == Pedigree::kAdopted) sink_.Line(2, "PEDI", "adopted");
    if (person.pedigree == Pedigree::kFoster) sink_.Line(2, "PEDI", "foster");
    if (person.pedigree == Pedigree::kBirth && rng.Percent(5)) sink_.Line(2, "PEDI", "birth");
  }

  void WriteNote(Random& rng, int32_t person) {
    if (details_.note_lines.empty()) return;
    if (rng.Percent(40)) {
      sink_.Line(1, "NOTE", Xref(kStyle, 'N', static_cast<int32_t>(note_owners_.size())));
      note_owners_.push_back(person);
      return;
    }
    sink_.Line(1, "NOTE", details_.note_lines.front());
    WriteContinuations(2, details_.note_lines, sink_);
  }

  void WritePerson(int32_t index) {
    const Person& person = context_.model->people[static_cast<size_t>(index)];
    DerivePerson(context_, index, &details_);
    Random rng =
        Random::ForRecord(context_.seed, kForeignExtrasStream, static_cast<uint64_t>(index));
    sink_.Record(Xref(kStyle, 'I', index), "INDI");
    WriteFullName();
    if (!details_.title.empty()) sink_.Line(1, "TITL", details_.title);
    if (!details_.alias.empty()) sink_.Line(1, "ALIA", details_.alias);
    WriteSex(person.sex, sink_);
    for (const LifeEvent& event : details_.events) WriteEvent(event, kStyle, sink_);
    if (rng.Percent(3)) WriteCustomEvent(rng, person.birth_year);
    WriteParentLink(rng, person);
    WriteSpouseLinks(person, kStyle, sink_);
    WriteOccupationAndResidence(details_, sink_);
    WriteNote(rng, index);
    WriteCitations(details_, kStyle, sink_);
    if (rng.Percent(30)) sink_.Line(1, "_UID", HexIdentifier(rng));
    if (rng.Percent(10)) sink_.Line(1, "_FSFTID", SharedTreeIdentifier(rng));
    WriteChange(sink_);
  }

  void WriteFamily(int32_t index) {
    const Family& family = context_.model->families[static_cast<size_t>(index)];
    FamilyDetails details = DeriveFamily(context_, index);
    sink_.Record(Xref(kStyle, 'F', index), "FAM");
    WriteFamilyMembers(family, kStyle, sink_);
    if (details.has_marriage) WriteEvent(details.marriage, kStyle, sink_);
    WriteChange(sink_);
  }

  void WriteNoteRecords() {
    for (size_t note = 0; note < note_owners_.size(); ++note) {
      DerivePerson(context_, note_owners_[note], &details_);
      sink_.Record(Xref(kStyle, 'N', static_cast<int32_t>(note)), "NOTE",
                   details_.note_lines.front());
      WriteContinuations(1, details_.note_lines, sink_);
    }
  }

  void WriteSource(int32_t index) {
    SourceDetails details = DeriveSource(context_, index);
    sink_.Record(Xref(kStyle, 'S', index), "SOUR");
    sink_.Line(1, "TITL", details.title);
    sink_.Line(1, "AUTH", details.author);
    sink_.Line(1, "PUBL", details.publication);
    sink_.Line(1, "REPO", Xref(kStyle, 'R', index % kRepositoryCount));
    WriteChange(sink_);
  }

  void WriteRepositories() {
    for (int32_t index = 0; index < kRepositoryCount; ++index) {
      sink_.Record(Xref(kStyle, 'R', index), "REPO");
      sink_.Line(1, "NAME", Repositories()[static_cast<size_t>(index)]);
    }
  }

  const GeneratorContext& context_;
  LineSink& sink_;
  PersonDetails details_;
  // The person whose note each NOTE record holds, in record order.
  std::vector<int32_t> note_owners_;
};

}  // namespace

void WriteForeignFile(const GeneratorContext& context, TextEncoding encoding, LineSink& sink) {
  ForeignWriter(context, sink).Write(encoding);
}

}  // namespace kinloom::gentree
