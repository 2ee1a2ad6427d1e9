// Parent kinds and the links between people and families.
#include <array>
#include <cctype>
#include <string>

#include "core/queries.h"

namespace kinloom::core {
namespace {

constexpr std::array<std::string_view, kParentKinds> kItems = {
    "Birth", "Adopted", "Adopt Fth", "Adopt Mth", "Step Fth", "Step Mth", "Foster", "Sealing"};

constexpr std::array<std::string_view, kParentKinds> kWordings = {
    "Both are Biological Birth Parents", "Both are Adopted Parents",
    "Adopt by Father + Birth Mother",    "Adopt by Mother + Birth Father",
    "Step Father + Birth Mother",        "Step Mother + Birth Father",
    "Both are Foster Parents",           "Both are Child Sealing Parents"};

int ClampKind(int kind) {
  return kind < 0 || kind >= kParentKinds ? 0 : kind;
}

LineNode* FirstLine(const RecordStore& store, int individual) {
  store::IndividualRecord* record = store.individual(individual);
  return record == nullptr ? nullptr : record->lines;
}

// The "2 PEDI" line directly below a link line, or nullptr.
const LineNode* PediBelow(const LineNode* line) {
  const LineNode* next = line->next;
  return next != nullptr && next->text().starts_with("2 PEDI") ? next : nullptr;
}

std::string_view PediValue(const LineNode* pedi) {
  return store::LineValue(pedi->text(), "2 PEDI");
}

char UpperAt(std::string_view text, size_t index) {
  if (index >= text.size()) return '\0';
  return static_cast<char>(std::toupper(static_cast<unsigned char>(text[index])));
}

// The kind of a child's link to a parent family: birth without a "2 PEDI" line below it, else
// the kind its value reads as (-1 for a value that fits no kind).
int LinkKind(const LineNode* famc) {
  const LineNode* pedi = PediBelow(famc);
  return pedi == nullptr ? kBirth : ReadParentKind(PediValue(pedi));
}

template <typename Visit>
void ForEachFamc(const RecordStore& store, int individual, Visit visit) {
  LineNode* first = FirstLine(store, individual);
  if (first == nullptr) return;
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    if (store::HasTag(line->text(), "1 FAMC") && !visit(line)) return;
  }
}

}  // namespace

std::string_view ParentKindValue(int kind) {
  kind = ClampKind(kind);
  return kind == kBirth ? std::string_view() : kItems[static_cast<size_t>(kind)];
}

std::string_view ParentKindItem(int kind) {
  return kItems[static_cast<size_t>(ClampKind(kind))];
}

std::string_view ParentKindWording(int kind) {
  return kWordings[static_cast<size_t>(ClampKind(kind))];
}

int ReadParentKind(std::string_view value) {
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  const char first = UpperAt(value, 0);
  if (first == '\0' || first == 'B') return kBirth;
  if (first == 'A') {
    const char seventh = UpperAt(value, 6);
    return seventh == 'F' ? kAdoptFather : seventh == 'M' ? kAdoptMother : kAdopted;
  }
  if (first == 'S' && UpperAt(value, 1) == 'T') {
    return UpperAt(value, 5) == 'F' ? kStepFather : kStepMother;
  }
  if (first == 'F') return kFoster;
  if (first == 'S') return kSealing;
  return -1;
}

int ParentKindOfValue(std::string_view value) {
  const int kind = ReadParentKind(value);
  return kind < 0 ? kBirth : kind;
}

int PediKindOf(const LineNode* line) {
  if (line == nullptr) return kBirth;
  const int kind = LinkKind(line);
  return kind < 0 ? kBirth : kind;
}

int OtherSpouse(const RecordStore& store, int family, int individual) {
  store::FamilyRecord* record = store.family(family);
  if (record == nullptr || record->lines == nullptr) return 0;
  bool first_seen = false;
  for (LineNode* line = record->lines->next; line != nullptr; line = line->next) {
    std::string_view text = line->text();
    if (!store::HasTag(text, "1 HUSB") && !store::HasTag(text, "1 WIFE")) continue;
    int spouse = store::XrefNumber(text);
    if (first_seen || spouse != individual) return spouse;
    first_seen = true;
  }
  return 0;
}

LineNode* FindFamcLine(const RecordStore& store, int individual, int family) {
  LineNode* found = nullptr;
  ForEachFamc(store, individual, [&](LineNode* line) {
    if (store::XrefNumber(line->text()) != family) return true;
    found = line;
    return false;
  });
  return found;
}

ChildLink NthChild(const RecordStore& store, int family, int n) {
  store::FamilyRecord* record = store.family(family);
  if (record == nullptr || n < 1) return {};
  LineNode* line = store::FindTagLine(record->lines, "1 CHIL", n);
  if (line == nullptr) return {};
  ChildLink link;
  link.child = store::XrefNumber(line->text());
  link.kind = PediKindOf(FindFamcLine(store, link.child, family));
  return link;
}

LineNode* NextBloodChild(LineNode* line, int* child) {
  *child = 0;
  for (line = line == nullptr ? nullptr : line->next; line != nullptr; line = line->next) {
    if (store::HasTag(line->text(), "1 CHIL")) {
      *child = store::XrefNumber(line->text());
      return line;
    }
  }
  return nullptr;
}

ParentFamily FindParentFamily(const RecordStore& store, int individual) {
  ParentFamily birth, candidate;
  bool have_birth = false, adoption_seen = false;
  ForEachFamc(store, individual, [&](LineNode* line) {
    const int family = store::XrefNumber(line->text());
    const int kind = LinkKind(line);
    if (kind == kBirth) {
      birth = {family, kBirth};
      have_birth = true;
      return false;
    }
    if (kind < 0) return true;
    bool step = kind == kStepFather || kind == kStepMother;
    if (!step || !adoption_seen) candidate = {family, kind};
    if (kind >= kAdopted && kind <= kAdoptMother) adoption_seen = true;
    return true;
  });
  return have_birth ? birth : candidate;
}

Parents FindParents(const RecordStore& store, int individual) {
  Parents found, fallback;
  ForEachFamc(store, individual, [&](LineNode* line) {
    const int family = store::XrefNumber(line->text());
    const int husband = FamilyMember(store, family, "1 HUSB");
    const int wife = FamilyMember(store, family, "1 WIFE");
    switch (LinkKind(line)) {
      case kBirth:
        found = {husband, wife};
        return false;
      case kAdopted:
        fallback = {husband, wife};
        break;
      case kAdoptFather:
        found.mother = wife;
        fallback.father = husband;
        break;
      case kAdoptMother:
        found.father = husband;
        fallback.mother = wife;
        break;
      case kStepFather:
        found.mother = wife;
        break;
      case kStepMother:
        found.father = husband;
        break;
      default:  // foster, sealing and values of no kind give no birth parent
        break;
    }
    return found.father == 0 || found.mother == 0;
  });
  if (found.father == 0) found.father = fallback.father;
  if (found.mother == 0) found.mother = fallback.mother;
  return found;
}

BirthFamc FindBirthFamc(RecordStore& store, int individual, bool warn) {
  BirthFamc birth;
  ForEachFamc(store, individual, [&](LineNode* line) {
    if (LinkKind(line) != kBirth) return true;
    birth.line = line;
    birth.family = store::XrefNumber(line->text());
    birth.husband = FamilyMember(store, birth.family, "1 HUSB");
    birth.wife = FamilyMember(store, birth.family, "1 WIFE");
    return false;
  });
  if (warn && birth.line != nullptr) {
    store.ui().Message(" *** Birth Parents ***",
                       "There can be only one set of birth parents.\n\r" +
                           PersonLabel(store, individual) +
                           " already has these:\n\n\rFather: " + PersonLabel(store, birth.husband) +
                           "\n\rMother: " + PersonLabel(store, birth.wife) +
                           "\n\n\rThey must be removed or changed to a different \n\rparent type "
                           "before new birth parents can be set.",
                       platform::Icon::kExclamation);
  }
  return birth;
}

}  // namespace kinloom::core
