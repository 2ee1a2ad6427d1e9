#include "core/find_individual.h"

#include "core/dates.h"
#include "core/queries.h"
#include "store/folding.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

using store::IndividualRecord;

constexpr std::array<uint8_t, 256> MakeKeepCaseTable() {
  std::array<uint8_t, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<uint8_t>(i);
  auto range = [&t](int from, int to, char folded) {
    for (int c = from; c <= to; ++c) t[c] = static_cast<uint8_t>(folded);
  };
  range(0xC0, 0xC5, 'A');
  range(0xC7, 0xC7, 'C');
  range(0xC8, 0xCB, 'E');
  range(0xCC, 0xCF, 'I');
  range(0xD0, 0xD0, 'D');
  range(0xD1, 0xD1, 'N');
  range(0xD2, 0xD6, 'O');
  range(0xD8, 0xD8, 'O');
  range(0xD9, 0xDC, 'U');
  range(0xDD, 0xDD, 'Y');
  range(0xDF, 0xDF, 's');  // ß has no upper case of its own
  range(0xE0, 0xE5, 'a');
  range(0xE7, 0xE7, 'c');
  range(0xE8, 0xEB, 'e');
  range(0xEC, 0xEF, 'i');
  range(0xF0, 0xF0, 'o');  // ð, as the search table has it
  range(0xF1, 0xF1, 'n');
  range(0xF2, 0xF6, 'o');
  range(0xF8, 0xF8, 'o');
  range(0xF9, 0xFC, 'u');
  range(0xFD, 0xFD, 'y');
  range(0xFF, 0xFF, 'y');
  t[0x87] = 0x86;
  // Letters of 0x80-0x9F fold like the plain letters, keeping their case.
  t[0x83] = 'f';
  t[0x8A] = 'S';
  t[0x9A] = 's';
  t[0x8C] = 'O';
  t[0x9C] = 'o';
  t[0x8E] = 'Z';
  t[0x9E] = 'z';
  t[0x9F] = 'Y';
  return t;
}

constinit const std::array<uint8_t, 256> kKeepCaseTable = MakeKeepCaseTable();

// The year of a cached event text ("b. 12 MAR 1850"): the date after the three-character
// prefix. False when there is no date or it does not read.
bool CachedYear(const store::OwnedText& text, int* year) {
  const std::string_view view = text.view();
  if (view.size() < 4) return false;
  const ParsedDate date = ReadDate(view.substr(3));
  *year = date.year;
  return date.ok;
}

bool CachedYearFits(const store::OwnedText& text, const YearCriterion& wanted) {
  int year = 0;
  return CachedYear(text, &year) && wanted.Accepts(year);
}

// The person's label as the chart caches keep it; worked out afresh when not cached yet.
bool LabelContains(const store::RecordStore& store, int individual, std::string_view part) {
  const IndividualRecord* person = store.individual(individual);
  if (individual == 0 || person == nullptr || person->lines == nullptr) return false;
  if (person->labelText.has_value()) return FoldedContains(person->labelText.view(), part);
  return FoldedContains(PersonLabel(store, individual), part);
}

bool ParentsMatch(const store::RecordStore& store, int individual, const FindCriteria& wanted) {
  if (wanted.father.empty() && wanted.mother.empty()) return true;
  const int family = FindParentFamily(store, individual).family;
  const int father = family == 0 ? 0 : FamilyMember(store, family, "1 HUSB");
  if (!wanted.father.empty() && !LabelContains(store, father, wanted.father)) return false;
  if (wanted.mother.empty()) return true;
  const int mother = family == 0 ? 0 : OtherSpouse(store, family, father);
  return LabelContains(store, mother, wanted.mother);
}

// Spouse and marriage year may each be satisfied by a different marriage.
bool MarriagesMatch(const store::RecordStore& store, int individual, const FindCriteria& wanted) {
  bool spouse_ok = wanted.spouse.empty();
  bool year_ok = !wanted.marriage.set();
  if (spouse_ok && year_ok) return true;
  const IndividualRecord* person = store.individual(individual);
  for (const store::LineNode* line = person->lines->next; line != nullptr && line->level() != '0';
       line = line->next) {
    if (!store::HasTag(line->text(), "1 FAMS")) continue;
    const int family = store::XrefNumber(line->text());
    const store::FamilyRecord* record = store.family(family);
    if (record == nullptr || record->lines == nullptr) continue;
    if (!spouse_ok) {
      spouse_ok = LabelContains(store, OtherSpouse(store, family, individual), wanted.spouse);
    }
    if (!year_ok) year_ok = CachedYearFits(record->marriageText, wanted.marriage);
    if (spouse_ok && year_ok) return true;
  }
  return false;
}

}  // namespace

const std::array<uint8_t, 256>& FoldAccentsKeepCase() {
  return kKeepCaseTable;
}

bool FoldedContains(std::string_view text, std::string_view folded_part) {
  if (folded_part.empty()) return true;
  if (folded_part.size() > text.size()) return false;
  const size_t last_start = text.size() - folded_part.size();
  for (size_t start = 0; start <= last_start; ++start) {
    size_t i = 0;
    while (i < folded_part.size() &&
           store::Fold(text[start + i]) == static_cast<uint8_t>(folded_part[i])) {
      ++i;
    }
    if (i == folded_part.size()) return true;
  }
  return false;
}

std::string FoldedForSearch(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(store::Fold(c));
  return folded;
}

int YearFromSearchText(std::string_view text) {
  if (text.empty()) return 0;
  const ParsedDate date = ReadDate(text);
  return date.ok ? date.year : 0;
}

bool FindCriteria::HasOtherCriteria() const {
  return birth.set() || death.set() || marriage.set() || !father.empty() || !mother.empty() ||
         !spouse.empty();
}

bool FindCriteria::CanSearch() const {
  return !name.empty() || HasOtherCriteria();
}

FoldedCriteria::FoldedCriteria(const FindCriteria& criteria)
    : folded(criteria), other_criteria(criteria.HasOtherCriteria()) {
  folded.name = FoldedForSearch(criteria.name);
  folded.father = FoldedForSearch(criteria.father);
  folded.mother = FoldedForSearch(criteria.mother);
  folded.spouse = FoldedForSearch(criteria.spouse);
}

bool MatchesOtherCriteria(const store::RecordStore& store, int individual,
                          const FoldedCriteria& criteria) {
  const IndividualRecord* person = store.individual(individual);
  if (person == nullptr || person->lines == nullptr) return false;
  const FindCriteria& wanted = criteria.folded;
  if (wanted.birth.set() && !CachedYearFits(person->birthText, wanted.birth)) return false;
  if (wanted.death.set() && !CachedYearFits(person->deathText, wanted.death)) return false;
  return ParentsMatch(store, individual, wanted) && MarriagesMatch(store, individual, wanted);
}

bool EntryMatches(const store::RecordStore& store, const store::SearchEntry& entry,
                  const FoldedCriteria& criteria) {
  if (!FoldedContains(entry.view(), criteria.folded.name)) return false;
  return !criteria.other_criteria || MatchesOtherCriteria(store, entry.number, criteria);
}

int IndividualFinder::Search(const store::RecordStore& store, const FindCriteria& criteria) {
  const FoldedCriteria folded(criteria);
  const store::SearchList& list = store.individual_search_list();
  for (int i = position_; i < list.size(); ++i) {
    if (EntryMatches(store, list.at(i), folded)) {
      position_ = i + 1;
      return i;
    }
  }
  position_ = 0;
  return -1;
}

bool SearchIsSlow(const FindCriteria& criteria, int list_size) {
  return criteria.HasOtherCriteria() && criteria.name.empty() &&
         list_size > kSearchingNoticeEntries;
}

}  // namespace kinloom::core
