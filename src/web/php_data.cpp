#include "web/php_data.h"

#include <cstdio>

#include "core/queries.h"
#include "core/source_records.h"
#include "store/folding.h"
#include "store/line_search.h"
#include "web/detail_groups.h"
#include "web/html_text.h"

namespace kinloom::web {
namespace {

constexpr char kNoteBreak = '\x1F';

std::string Number6(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", n);
  return text;
}

// A multi-line text as one field: each line cleaned as a field, joined with kNoteBreak.
std::string NoteField(std::string_view text) {
  std::string out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (start > 0) out += kNoteBreak;
    out += DataField(line);
    start = end + 1;
  }
  return out;
}

std::string Joined(const std::vector<int>& numbers) {
  std::string out;
  for (int n : numbers) out += (out.empty() ? "" : ",") + std::to_string(n);
  return out;
}

// "number\tname\tyears" of a link.
std::string LinkFields(const PersonLink& link) {
  if (!link.published) return "P\tPrivate\t";
  return Number6(link.individual) + "\t" + DataField(link.name) + "\t" + DataField(link.dates);
}

void AppendEventLine(std::string& out, char key, const WebEvent& event) {
  out += key;
  for (const std::string* field : {&event.caption, &event.value, &event.date, &event.place}) {
    out += '\t';
    out += DataField(*field);
  }
  out += '\t' + NoteField(event.note) + '\t' + Joined(event.citations) + '\n';
}

std::string PersonHeader(const PersonView& view, const std::string& portrait) {
  std::string out = "#" + Number6(view.individual) + "\n";
  out += "0" + DataField(view.name) + "\n1" + DataField(view.index_name) + "\n2" + view.sex +
         "\n3" + DataField(view.birth) + "\n4" + DataField(view.death) + "\n5" + portrait + "\n6" +
         Joined(view.own_citations) + "\n";
  return out;
}

}  // namespace

OffsetIndex::OffsetIndex(size_t slots) : bytes_(slots * kOffsetSlot, '\0') {
  for (size_t slot = 0; slot < slots; ++slot) {
    bytes_[slot * kOffsetSlot] = '0';
    bytes_[slot * kOffsetSlot + 1] = '\n';
  }
}

void OffsetIndex::Set(size_t slot, uint64_t offset) {
  char text[kOffsetSlot + 8];
  const int length =
      std::snprintf(text, sizeof text, "%llu\n", static_cast<unsigned long long>(offset));
  if (slot * kOffsetSlot >= bytes_.size() || length >= static_cast<int>(kOffsetSlot)) return;
  std::string slot_bytes(kOffsetSlot, '\0');
  slot_bytes.replace(0, static_cast<size_t>(length), text);
  bytes_.replace(slot * kOffsetSlot, kOffsetSlot, slot_bytes);
}

std::string DataFileHeader(std::string_view name) {
  return "KLN " + std::string(name) + "\n";
}

std::string SequenceIndexFile(const PersonViews& views, const SequenceIndex& index) {
  std::string bytes(kSequenceSlot * (static_cast<size_t>(index.size()) + 1), '\0');
  char text[kSequenceSlot + 1];
  std::snprintf(text, sizeof text, "%06d\n", index.size());
  bytes.replace(0, 7, text);
  for (int sequence = 0; sequence < index.size(); ++sequence) {
    const int individual = index.people[static_cast<size_t>(sequence)];
    std::string key = views.IndexName(individual) + " (" + std::to_string(individual) + ")";
    key = DataField(key.substr(0, 22));
    for (char& c : key) c = static_cast<char>(store::Fold(c));
    for (char& c : key) {
      if (c == '\0' || c == '\n') c = ' ';
    }
    const int length = std::snprintf(text, sizeof text, "%d\n%s\n", individual, key.c_str());
    bytes.replace((static_cast<size_t>(sequence) + 1) * kSequenceSlot, static_cast<size_t>(length),
                  text, static_cast<size_t>(length));
  }
  return bytes;
}

std::string PersonEntry(const PersonView& view, const std::string& portrait,
                        std::vector<bool>* cited) {
  std::string out = PersonHeader(view, portrait);
  for (int group = kFirstPublishedGroup; group < kDetailTagCount; ++group) {
    const char letter = GroupLetter(group);
    if (group == kSourceGroup) {
      for (size_t i = 0; i < view.citations.size(); ++i) {
        const Citation& citation = view.citations[i];
        out += std::string(1, letter) + "\t" + std::to_string(i + 1) + "\t" +
               std::to_string(citation.source) + "\t" + DataField(citation.text) + "\n";
        if (citation.source > 0 && citation.source < static_cast<int>(cited->size())) {
          (*cited)[static_cast<size_t>(citation.source)] = true;
        }
      }
    } else if (group == kParentFamilyGroup && view.parent_family > 0) {
      const std::string kind = view.father.individual > 0 ? view.father.kind : view.mother.kind;
      out += "o\t" + Number6(view.parent_family) + "\t" + DataField(kind);
      for (const PersonLink* parent : {&view.father, &view.mother}) {
        out += "\t" + (parent->individual > 0 ? LinkFields(*parent) : std::string("0\t\t"));
      }
      out += "\n";
      for (const PersonLink& sibling : view.siblings) {
        out += "=\t" + LinkFields(sibling) + "\t" + DataField(sibling.kind) + "\n";
      }
    } else if (group == kSpouseFamilyGroup) {
      for (const SpouseFamily& family : view.families) {
        out += "p\t" + Number6(family.family) + "\t" +
               (family.spouse.individual > 0 ? LinkFields(family.spouse) : std::string("0\t\t")) +
               "\n";
        for (const WebEvent& event : family.events) AppendEventLine(out, '+', event);
        for (const PersonLink& child : family.children) {
          out += "-\t" + LinkFields(child) + "\t" + DataField(child.kind) + "\n";
        }
      }
    } else if (group == kNoteGroup) {
      for (const std::string& note : view.notes) out += "q\t" + NoteField(note) + "\n";
    } else {
      for (const WebEvent& event : view.events) {
        if (event.group == group) AppendEventLine(out, letter, event);
      }
    }
  }
  return out + "*\n";
}

std::string ChartEntry(const PersonViews& views, int individual) {
  const PublishRule& rule = views.rule();
  store::RecordStore& store = views.store();
  const PersonLink self = views.Link(individual);
  auto number = [&](int n) {
    return n <= 0 ? std::string("0") : rule.IsPublished(n) ? Number6(n) : std::string("P");
  };
  int father = 0, mother = 0;
  const core::ParentFamily parents = core::FindParentFamily(store, individual);
  if (rule.IsFamilyShown(parents.family)) {
    father = core::FamilyMember(store, parents.family, "1 HUSB");
    mother = core::FamilyMember(store, parents.family, "1 WIFE");
  }
  std::string out = "#" + Number6(individual) + "\n" + DataField(self.name) + "\t" +
                    DataField(self.dates) + "\t" + number(father) + "\t" + number(mother) + "\n";
  const store::IndividualRecord* record = store.individual(individual);
  for (const store::LineNode* line = record->lines; line != nullptr; line = line->next) {
    if (!store::HasTag(line->text(), "1 FAMS")) continue;
    const int family = store::XrefNumber(line->text());
    if (!rule.IsFamilyShown(family)) continue;
    const int spouse = core::OtherSpouse(store, family, individual);
    out += "S\t" + number(spouse == individual ? 0 : spouse) + "\t";
    std::string children;
    for (const store::LineNode* child = store.family(family)->lines; child != nullptr;
         child = child->next) {
      if (!store::HasTag(child->text(), "1 CHIL")) continue;
      const int n = store::XrefNumber(child->text());
      if (store.individual(n) == nullptr) continue;
      children += (children.empty() ? "" : ",") + number(n);
    }
    out += children + "\n";
  }
  return out + "*\n";
}

std::string FamilyEntry(const PersonViews& views, int family) {
  const PublishRule& rule = views.rule();
  store::RecordStore& store = views.store();
  if (!rule.IsFamilyShown(family)) return {};
  std::string members;
  bool anyone = false;
  const store::FamilyRecord* record = store.family(family);
  for (const auto& [prefix, key] : {std::pair{"1 HUSB", 'h'}, std::pair{"1 WIFE", 'w'}}) {
    const int n = core::FamilyMember(store, family, prefix);
    if (n <= 0 || store.individual(n) == nullptr) continue;
    anyone = anyone || rule.IsPublished(n);
    members += std::string(1, key) + "\t" + LinkFields(views.Link(n)) + "\n";
  }
  std::vector<Citation> unused;
  for (const WebEvent& event : views.FamilyEvents(family, &unused)) {
    members += "e\t" + DataField(event.caption) + "\t" + DataField(event.value) + "\t" +
               DataField(event.date) + "\t" + DataField(event.place) + "\t" +
               NoteField(event.note) + "\n";
  }
  for (const store::LineNode* line = record->lines; line != nullptr; line = line->next) {
    if (!store::HasTag(line->text(), "1 CHIL")) continue;
    const int child = store::XrefNumber(line->text());
    if (store.individual(child) == nullptr) continue;
    anyone = anyone || rule.IsPublished(child);
    const int kind = core::PediKindOf(core::FindFamcLine(store, child, family));
    members +=
        "c\t" + LinkFields(views.Link(child)) + "\t" + std::string(ParentKindText(kind)) + "\n";
  }
  if (!anyone) return {};
  return "#" + Number6(family) + "\n" + members + "*\n";
}

std::string SourceEntry(const store::RecordStore& store, int source) {
  const store::LineNode* first = store.source(source);
  if (first == nullptr) return {};
  const core::SourceFields fields = core::ReadSourceFields(first);
  std::string out = "#" + Number6(source) + "\n";
  auto add = [&](char key, const std::string& value, bool note) {
    if (!value.empty()) out += key + (note ? NoteField(value) : DataField(value)) + "\n";
  };
  add('T', fields.title, false);
  add('A', fields.author, false);
  add('P', fields.publication, false);
  const store::LineNode* note = store::FindTagLine(const_cast<store::LineNode*>(first), "1 NOTE");
  if (note != nullptr) add('N', core::JoinContinued(note, "1 NOTE"), true);
  add('M', fields.medium, false);
  const store::LineNode* quality =
      store::FindTagLine(const_cast<store::LineNode*>(first), "1 QUAY");
  if (quality != nullptr) add('Q', std::string(store::LineValue(quality->text(), "1 QUAY")), false);
  return out + "*\n";
}

void PictureFiles(const PersonViews& views, const PublishedPictures& pictures,
                  std::string* picindex, std::string* picdata) {
  size_t entries = 0;
  for (const PictureGroup& group : pictures.groups) entries += group.pictures.size();
  OffsetIndex index(entries + 1);
  std::string data = DataFileHeader("picdata");
  index.Set(0, data.size());
  size_t slot = 1;
  for (const PictureGroup& group : pictures.groups) {
    data += "w" + DataField(group.name) + "\n" + std::to_string(group.pictures.size()) + "\n" +
            std::to_string(slot) + "\n";
    slot += group.pictures.size();
  }
  slot = 1;
  for (const PictureGroup& group : pictures.groups) {
    for (int position : group.pictures) {
      const PublishedPicture& picture = pictures.list[static_cast<size_t>(position)];
      index.Set(slot, data.size());
      data += "#" + std::to_string(slot++) + "\nf" + picture.site_name + "\nk" +
              std::to_string(picture.item->kind) + "\nt" + DataField(picture.item->title) + "\nn" +
              NoteField(picture.item->note) + "\n";
      for (int individual : picture.people) {
        data += "i\t" + Number6(individual) + "\t" + DataField(views.Name(individual)) + "\n";
      }
      data += "*\n";
    }
  }
  *picindex = index.bytes();
  *picdata = std::move(data);
}

}  // namespace kinloom::web
