#include "reports/verifier_duplicates.h"

#include <algorithm>
#include <cstdlib>

#include "reports/verifier_run.h"
#include "reports/verifier_soundex.h"
#include "store/folding.h"
#include "store/line_search.h"
#include "store/names.h"

namespace kinloom::reports {
namespace {

constexpr int kYearsDays15 = 5475;
constexpr int kYearsDays50 = 18250;
constexpr int kPosthumousDays = 280;
constexpr int kSameDayDays = 8;

// How far apart (x - y, in days) two dates of one person may lie: row y's date, column x's.
// Order: birth, christening, death, burial, earliest child, latest child, 1st and 2nd marriage.
constexpr int kLow[8][8] = {
    {-8, -8, -8, -8, 5475, 5475, 5110, 5110},
    {-7300, -8, -8, -8, -1825, -1825, -2190, -2190},
    {-36135, -36135, -8, -8, -30660, -30660, -31025, -31025},
    {-36135, -36135, -8, -8, -30660, -30660, -31025, -31025},
    {-18250, -18250, -280, -280, -12775, -12775, -13140, -13140},
    {-18250, -18250, -280, -280, -12775, -12775, -13140, -13140},
    {-31025, -31025, -8, -8, -25550, -25550, -25550, -25550},
    {-31025, -31025, -8, -8, -25550, -25550, -25550, -25550},
};
constexpr int kHigh[8][8] = {
    {8, 7300, 36135, 36135, 18250, 18250, 31025, 31025},
    {8, 8, 36135, 36135, 18250, 18250, 31025, 31025},
    {8, 8, 8, 8, -5475, -5475, -5110, -5110},
    {8, 8, 8, 8, -5475, -5475, -5110, -5110},
    {-5475, 1825, 30660, 30660, 12775, 12775, 25550, 25550},
    {-5475, 1825, 30660, 30660, 12775, 12775, 25550, 25550},
    {-5110, 2190, 31025, 31025, 13140, 13140, 25550, 25550},
    {-5110, 2190, 31025, 31025, 13140, 13140, 25550, 25550},
};

// The reasons to compare two people, in the order they are tried.
enum Reason { kSharedBirth = 1, kSharedDeath, kSameName, kSharedMarriage };

// The smallest non-zero day found in both pairs; 0 when they share none.
int SmallestShared(int a1, int a2, int b1, int b2) {
  int best = 0;
  for (int a : {a1, a2}) {
    if (a == 0) continue;
    if ((a == b1 || a == b2) && (best == 0 || a < best)) best = a;
  }
  return best;
}

// Case, accents and blanks after the first character do not count.
void AppendFolded(std::string& out, std::string_view text, bool keep_first_blank) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ' && (i > 0 || !keep_first_blank)) continue;
    out += static_cast<char>(store::Fold(text[i]));
  }
}

}  // namespace

DuplicateSearch::Vitals DuplicateSearch::VitalsOf(int individual) const {
  Vitals v;
  const store::IndividualRecord* record = store_.individual(individual);
  if (record == nullptr || record->lines == nullptr) return v;
  for (store::LineNode* line = record->lines->next; line != nullptr && line->level() != '0';
       line = line->next) {
    if (line->level() != '1') continue;
    const std::string_view tag = verifier::LineTag(line->text());
    int32_t* slot = nullptr;
    if (tag == "BIRT") {
      slot = &v.birth;
    } else if (tag == "BAPM" || tag == "CHR") {
      slot = &v.christening;
    } else if (tag == "DEAT") {
      slot = &v.death;
    } else if (tag == "BURI" || tag == "CREM") {
      slot = &v.burial;
    } else {
      if (tag == "FAMC" && v.parent_family == 0) v.parent_family = store::XrefNumber(line->text());
      continue;
    }
    if (*slot != 0) continue;
    const store::LineNode* date = store::FindSubLine(line, "2 DATE");
    const int day = date ? verifier::DayNumber(store::LineValue(date->text(), "2 DATE")) : 0;
    if (day == 0) continue;
    *slot = day;
    if (v.born == 0 && (slot == &v.birth || slot == &v.christening)) v.born = day;
  }
  return v;
}

DuplicateSearch::FamilyFacts DuplicateSearch::FactsOf(int family) const {
  FamilyFacts f;
  const store::FamilyRecord* record = store_.family(family);
  if (record == nullptr || record->lines == nullptr) return f;
  for (store::LineNode* line = record->lines->next; line != nullptr && line->level() != '0';
       line = line->next) {
    const std::string_view text = line->text();
    if (f.husband == 0 && store::HasTag(text, "1 HUSB")) f.husband = store::XrefNumber(text);
    if (f.wife == 0 && store::HasTag(text, "1 WIFE")) f.wife = store::XrefNumber(text);
    if (f.marriage != 0 || (!store::HasTag(text, "1 MARR") && !store::HasTag(text, "1 MARC"))) {
      continue;
    }
    const store::LineNode* date = store::FindSubLine(line, "2 DATE");
    if (date != nullptr) f.marriage = verifier::DayNumber(store::LineValue(date->text(), "2 DATE"));
  }
  return f;
}

const DuplicateSearch::Vitals& DuplicateSearch::VitalsAt(int individual) const {
  static const Vitals kNone;
  return individual > 0 && static_cast<size_t>(individual) < vitals_.size() ? vitals_[individual]
                                                                            : kNone;
}

const DuplicateSearch::FamilyFacts& DuplicateSearch::FamilyAt(int family) const {
  static const FamilyFacts kNone;
  return family > 0 && static_cast<size_t>(family) < families_.size() ? families_[family] : kNone;
}

DuplicateSearch::Person DuplicateSearch::Summarize(int number, std::string_view entry) {
  Person p;
  p.number = number;
  p.key = SoundexKey(entry);
  p.parent_family = VitalsAt(number).parent_family;
  const int father = FamilyAt(p.parent_family).husband;
  const int mother = FamilyAt(p.parent_family).wife;
  p.parents = {VitalsAt(father), VitalsAt(mother)};
  const int grandfather = FamilyAt(VitalsAt(father).parent_family).husband;
  p.forebears = {father, grandfather, FamilyAt(VitalsAt(grandfather).parent_family).husband, mother,
                 FamilyAt(VitalsAt(mother).parent_family).wife};
  const Vitals& own = VitalsAt(number);
  p.dates[kBirth] = own.birth;
  p.dates[kChristening] = own.christening;
  p.dates[kDeath] = own.death;
  p.dates[kBurial] = own.burial;
  int married = 0;
  for (store::LineNode* line = store::FindTagLine(store_.individual(number)->lines, "1 FAMS");
       line != nullptr && married < 2; line = store::FindTagLine(line->next, "1 FAMS")) {
    const int family = store::XrefNumber(line->text());
    const int day = FamilyAt(family).marriage;
    if (day == 0) continue;
    p.marriage_family[married] = family;
    p.dates[kMarriage1 + married++] = day;
    for (store::LineNode* child = store::FindTagLine(store_.family(family)->lines, "1 CHIL");
         child != nullptr; child = store::FindTagLine(child->next, "1 CHIL")) {
      const int born = VitalsAt(store::XrefNumber(child->text())).born;
      if (born == 0) continue;
      int32_t& earliest = p.dates[kEarliestChild];
      int32_t& latest = p.dates[kLatestChild];
      earliest = earliest == 0 ? born : std::min(earliest, born);
      latest = latest == 0 ? born : std::max(latest, born);
    }
  }
  const std::string given = store::GivenNames(store_, number);
  p.given_key = given.starts_with('?') ? 0 : SoundexKey(given);
  p.text = static_cast<uint32_t>(texts_.size());
  AppendFolded(texts_, entry, true);
  p.text_size = static_cast<uint32_t>(texts_.size() - p.text);
  const size_t open = Text(p.text, p.text_size).rfind('(');
  p.name_size = open == std::string_view::npos ? p.text_size : static_cast<uint32_t>(open);
  p.surname = static_cast<uint32_t>(texts_.size());
  AppendFolded(texts_, store::SurnameAndTitle(store_, number), false);
  p.surname_size = static_cast<uint32_t>(texts_.size() - p.surname);
  return p;
}

bool DuplicateSearch::Gather(const std::function<bool(int)>& include, const Tick& tick) {
  people_.clear();
  texts_.clear();
  const int highest = store_.highest_individual();
  vitals_.assign(static_cast<size_t>(highest) + 1, Vitals());
  for (int n = 1; n <= highest; ++n) {
    if (!tick(n)) return false;
    vitals_[n] = VitalsOf(n);
  }
  families_.assign(static_cast<size_t>(store_.highest_family()) + 1, FamilyFacts());
  for (int f = 1; f <= store_.highest_family(); ++f) families_[f] = FactsOf(f);
  const store::SearchList& index = store_.individual_search_list();
  people_.reserve(static_cast<size_t>(index.size()));
  for (const store::SearchEntry& entry : index.entries()) {
    const std::string_view text = entry.view();
    if (text.empty() || text[0] == ' ' || store_.individual(entry.number) == nullptr) continue;
    if (!include(entry.number)) continue;
    if (!tick(entry.number)) return false;
    people_.push_back(Summarize(entry.number, text));
  }
  std::stable_sort(people_.begin(), people_.end(),
                   [](const Person& a, const Person& b) { return a.key < b.key; });
  vitals_ = std::vector<Vitals>();
  families_ = std::vector<FamilyFacts>();
  return true;
}

int DuplicateSearch::SharedBirth(const Person& a, const Person& b) {
  return SmallestShared(b.dates[kBirth], b.dates[kChristening], a.dates[kBirth],
                        a.dates[kChristening]);
}

int DuplicateSearch::SharedDeath(const Person& a, const Person& b) {
  return SmallestShared(b.dates[kDeath], b.dates[kBurial], a.dates[kDeath], a.dates[kBurial]);
}

int DuplicateSearch::SharedMarriage(const Person& a, const Person& b) {
  int best = 0;
  for (int i = 0; i < 2; ++i) {
    const int day = b.dates[kMarriage1 + i];
    if (day == 0) continue;
    for (int j = 0; j < 2; ++j) {
      if (a.dates[kMarriage1 + j] == day && a.marriage_family[j] != b.marriage_family[i] &&
          (best == 0 || day < best)) {
        best = day;
      }
    }
  }
  return best;
}

bool DuplicateSearch::Related(const Person& a, const Person& b) const {
  for (int i = 0; i < 5; ++i) {
    if (a.forebears[i] == b.number || b.forebears[i] == a.number) return true;
  }
  return false;
}

bool DuplicateSearch::SameName(const Person& a, const Person& b) const {
  return Text(a.text, a.text_size).starts_with(Text(b.text, b.name_size)) && !Related(a, b);
}

bool DuplicateSearch::Decide(const Person& x, const Person& y) const {
  for (int i = 0; i < kDates; ++i) {
    if (x.dates[i] == 0) continue;
    for (int j = 0; j < kDates; ++j) {
      if (y.dates[j] == 0) continue;
      const int apart = x.dates[i] - y.dates[j];
      if (apart < kLow[j][i] || apart > kHigh[j][i]) return false;
    }
  }
  // Each one's birth and christening against the other's parents.
  for (const auto& [own, other] : {std::pair{&x, &y}, std::pair{&y, &x}}) {
    for (int born : {own->dates[kBirth], own->dates[kChristening]}) {
      if (born == 0) continue;
      for (const Vitals& parent : other->parents) {
        for (int parent_born : {parent.birth, parent.christening}) {
          if (parent_born == 0) continue;
          if (born - parent_born < kYearsDays15 || born - parent_born > kYearsDays50) return false;
        }
        for (int parent_died : {parent.death, parent.burial}) {
          if (parent_died != 0 && born - parent_died > kPosthumousDays) return false;
        }
      }
    }
  }
  // The two fathers, and the two mothers, must be born and die within days of each other.
  for (int k = 0; k < 2; ++k) {
    const Vitals& a = x.parents[k];
    const Vitals& b = y.parents[k];
    for (int da : {a.birth, a.christening}) {
      for (int db : {b.birth, b.christening}) {
        if (da != 0 && db != 0 && std::abs(da - db) > kSameDayDays) return false;
      }
    }
    for (int da : {a.death, a.burial}) {
      for (int db : {b.death, b.burial}) {
        if (da != 0 && db != 0 && std::abs(da - db) > kSameDayDays) return false;
      }
    }
  }
  if (x.given_key != y.given_key) return false;
  const std::string_view xs = Text(x.surname, x.surname_size);
  const std::string_view ys = Text(y.surname, y.surname_size);
  return xs.find(ys.substr(0, 3)) != std::string_view::npos ||
         ys.find(xs.substr(0, 3)) != std::string_view::npos;
}

bool DuplicateSearch::Compare(const Person& a, const Person& b) const {
  if (a.parent_family != 0 && a.parent_family == b.parent_family) return false;
  const bool reason = SharedBirth(a, b) != 0 || SharedDeath(a, b) != 0 || SameName(a, b) ||
                      SharedMarriage(a, b) != 0;
  return reason && Decide(b, a);
}

size_t DuplicateSearch::LargestKeyGroup() const {
  size_t largest = 0;
  for (size_t first = 0, end = 0; first < people_.size(); first = end) {
    while (end < people_.size() && people_[end].key == people_[first].key) ++end;
    largest = std::max(largest, end - first);
  }
  return largest;
}

void DuplicateSearch::FindPairwise() {
  found_.clear();
  for (size_t first = 0; first < people_.size();) {
    size_t end = first;
    while (end < people_.size() && people_[end].key == people_[first].key) ++end;
    for (size_t a = first; a < end; ++a) {
      for (size_t b = a + 1; b < end; ++b) {
        if (Compare(people_[a], people_[b])) found_.emplace_back(a, b);
      }
    }
    first = end;
  }
  matches_.clear();
  for (const auto& [a, b] : found_) matches_.push_back({people_[a].number, people_[b].number});
}

// A pair met through one reason is judged there only when no earlier reason holds for it, and,
// for equal days, at the smallest day the two share, so that each pair is judged once.
void DuplicateSearch::Consider(uint32_t a, uint32_t b, int reason, int day) {
  const Person& pa = people_[a];
  const Person& pb = people_[b];
  if (pa.parent_family != 0 && pa.parent_family == pb.parent_family) return;
  const int birth = SharedBirth(pa, pb);
  if (reason == kSharedBirth) {
    if (birth != day) return;
  } else {
    if (birth != 0) return;
    const int death = SharedDeath(pa, pb);
    if (reason == kSharedDeath) {
      if (death != day) return;
    } else {
      if (death != 0) return;
      const bool name = SameName(pa, pb);
      if (reason == kSameName ? !name : name || SharedMarriage(pa, pb) != day) return;
    }
  }
  if (Decide(pb, pa)) found_.emplace_back(a, b);
}

std::vector<DuplicateSearch::DayEntry> DuplicateSearch::DayIndex(int first_date,
                                                                 int second_date) const {
  std::vector<DayEntry> index;
  for (uint32_t i = 0; i < people_.size(); ++i) {
    const Person& p = people_[i];
    const int one = p.dates[first_date];
    const int two = p.dates[second_date];
    if (one != 0) index.push_back({p.key, one, i});
    if (two != 0 && two != one) index.push_back({p.key, two, i});
  }
  std::sort(index.begin(), index.end(), [](const DayEntry& l, const DayEntry& r) {
    if (l.key != r.key) return l.key < r.key;
    if (l.day != r.day) return l.day < r.day;
    return l.position < r.position;
  });
  return index;
}

bool DuplicateSearch::PairsOfEqualDays(const std::vector<DayEntry>& index, int reason,
                                       const Tick& tick) {
  for (size_t first = 0; first < index.size();) {
    size_t end = first + 1;
    while (end < index.size() && index[end].key == index[first].key &&
           index[end].day == index[first].day) {
      ++end;
    }
    if (!tick(static_cast<int>(index[first].position))) return false;
    for (size_t i = first; i < end; ++i) {
      for (size_t j = i + 1; j < end; ++j) {
        Consider(index[i].position, index[j].position, reason, index[first].day);
      }
    }
    first = end;
  }
  return true;
}

bool DuplicateSearch::PairsOfNames(const Tick& tick) {
  std::vector<uint32_t> by_text;
  for (size_t first = 0; first < people_.size();) {
    size_t end = first;
    while (end < people_.size() && people_[end].key == people_[first].key) ++end;
    by_text.resize(end - first);
    for (size_t i = first; i < end; ++i) by_text[i - first] = static_cast<uint32_t>(i);
    auto text_of = [this](uint32_t i) { return Text(people_[i].text, people_[i].text_size); };
    std::sort(by_text.begin(), by_text.end(),
              [&](uint32_t l, uint32_t r) { return text_of(l) < text_of(r); });
    for (size_t b = first; b < end; ++b) {
      if (!tick(static_cast<int>(b))) return false;
      const std::string_view name = Text(people_[b].text, people_[b].name_size);
      auto from = std::lower_bound(by_text.begin(), by_text.end(), name,
                                   [&](uint32_t i, std::string_view n) { return text_of(i) < n; });
      for (auto it = from; it != by_text.end() && text_of(*it).starts_with(name); ++it) {
        if (*it < b) Consider(*it, static_cast<uint32_t>(b), kSameName, 0);
      }
    }
    first = end;
  }
  return true;
}

bool DuplicateSearch::FindIndexed(const Tick& tick) {
  found_.clear();
  if (!PairsOfEqualDays(DayIndex(kBirth, kChristening), kSharedBirth, tick)) return false;
  if (!PairsOfEqualDays(DayIndex(kDeath, kBurial), kSharedDeath, tick)) return false;
  if (!PairsOfNames(tick)) return false;
  if (!PairsOfEqualDays(DayIndex(kMarriage1, kMarriage2), kSharedMarriage, tick)) return false;
  std::sort(found_.begin(), found_.end());
  matches_.clear();
  for (const auto& [a, b] : found_) matches_.push_back({people_[a].number, people_[b].number});
  return true;
}

}  // namespace kinloom::reports
