// People: labels, sex, summaries, the living rule and the direct line of the home person.
#include <cstdio>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/queries.h"
#include "store/decimal.h"
#include "store/line_edit.h"
#include "store/stamp.h"

namespace kinloom::core {
namespace {

LineNode* FirstLine(const RecordStore& store, int individual) {
  store::IndividualRecord* record = store.individual(individual);
  return record == nullptr ? nullptr : record->lines;
}

// Marks an individual as reached by the walk; false when it already was.
bool Reach(const RecordStore& store, int individual, uint16_t walk) {
  store::IndividualRecord* record = store.individual(individual);
  if (record == nullptr || record->walkStamp == walk) return false;
  record->walkStamp = walk;
  return true;
}

bool ReachFamily(const RecordStore& store, int family, uint16_t walk) {
  store::FamilyRecord* record = store.family(family);
  if (record == nullptr || record->walkStamp == walk) return false;
  record->walkStamp = walk;
  return true;
}

int BirthYear(const RecordStore& store, int individual, int current_year) {
  EventDateResult birth = EventDate(FirstLine(store, individual), EventKind::kBirth);
  return YearOf(birth.date, current_year);
}

// The living rule's evidence from relatives: an ancestor or descendant old enough to prove
// that the person has died.
class RelativesEvidence {
 public:
  RelativesEvidence(RecordStore& store, int current_year)
      : store_(store), current_year_(current_year), walk_(store.NewWalkNumber()) {}

  bool ProvesDeath(int individual) {
    const int threshold = current_year_ - 120;
    Reach(store_, individual, walk_);
    return AncestorsProve(individual, threshold - 40, 1) ||
           DescendantsProve(individual, threshold + 20, 1);
  }

 private:
  // Parents of `individual` (through the first "1 FAMC"), `generation` up, with the threshold
  // of that generation.
  bool AncestorsProve(int individual, int threshold, int generation) {
    if (generation > 3) return false;
    LineNode* famc = store::FindTagLine(FirstLine(store_, individual), "1 FAMC");
    if (famc == nullptr) return false;
    const int family = store::XrefNumber(famc->text());
    if (!ReachFamily(store_, family, walk_)) return false;
    for (std::string_view tag : {"1 HUSB", "1 WIFE"}) {
      for (int n = 1;; ++n) {
        LineNode* line = store::FindTagLine(store_.family(family)->lines, tag, n);
        if (line == nullptr) break;
        int parent = store::XrefNumber(line->text());
        if (!Reach(store_, parent, walk_)) continue;
        if (BirthYear(store_, parent, current_year_) < threshold) return true;
        if (AncestorsProve(parent, threshold - 40, generation + 1)) return true;
      }
    }
    return false;
  }

  bool DescendantsProve(int individual, int threshold, int generation) {
    LineNode* first = FirstLine(store_, individual);
    for (int f = 1;; ++f) {
      LineNode* fams = store::FindTagLine(first, "1 FAMS", f);
      if (fams == nullptr) return false;
      const int family = store::XrefNumber(fams->text());
      if (!ReachFamily(store_, family, walk_)) continue;
      for (int c = 1;; ++c) {
        LineNode* chil = store::FindTagLine(store_.family(family)->lines, "1 CHIL", c);
        if (chil == nullptr) break;
        int child = store::XrefNumber(chil->text());
        if (!Reach(store_, child, walk_)) continue;
        if (generation > 5) return true;  // a sixth generation of descendants
        if (BirthYear(store_, child, current_year_) < threshold) return true;
        if (DescendantsProve(child, threshold + 20, generation + 1)) return true;
      }
    }
  }

  RecordStore& store_;
  int current_year_;
  uint16_t walk_;
};

// The date the living rule goes by: the birth date, else the first marriage date of the
// families the person belongs to.
std::string LivingRuleDate(const RecordStore& store, LineNode* first) {
  EventDateResult birth = EventDate(first, EventKind::kBirth);
  if (!birth.date.empty()) return birth.date;
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    if (!line->text().starts_with("1 FAM")) continue;
    store::FamilyRecord* family = store.family(store::XrefNumber(line->text()));
    if (family == nullptr) continue;
    EventDateResult married = EventDate(family->lines, EventKind::kMarriage);
    if (!married.date.empty()) return married.date;
  }
  return {};
}

}  // namespace

std::string PersonLabel(const RecordStore& store, int individual) {
  if (individual == 0) return "Unknown Individual (0) G0";
  char number[24];
  std::snprintf(number, sizeof number, " (%d)", individual);
  return GivenNames(store, individual) + " " + SurnameAndTitle(store, individual) + number;
}

std::string InheritedSurname(RecordStore& store, int individual) {
  const uint16_t walk = store.NewWalkNumber();
  while (Reach(store, individual, walk)) {
    std::string surname = Surname(store, individual);
    if (!surname.empty()) return surname;
    ParentFamily parents = FindParentFamily(store, individual);
    store::FamilyRecord* family = store.family(parents.family);
    if (parents.family == 0 || family == nullptr) return {};
    LineNode* parent = store::FindFirstOfTags(family->lines, "1 HUSB", "1 WIFE");
    if (parent == nullptr) return {};
    individual = store::XrefNumber(parent->text());
  }
  return {};
}

int NumberFromLabel(std::string_view text) {
  size_t open = text.rfind('(');
  if (open == std::string_view::npos) return 0;
  const long long number = store::ReadDigits(text, open + 1, 0x80000000LL).value;
  return number > 0x7FFFFFFF ? 0 : static_cast<int>(number);
}

int SexOf(const RecordStore& store, int individual) {
  LineNode* sex = store::FindTagLine(FirstLine(store, individual), "1 SEX");
  if (sex == nullptr || sex->size() < 7) return 0;
  char letter = sex->text()[6];
  return letter == 'M' ? 1 : letter == 'F' ? 2 : 0;
}

void PersonSummary(const RecordStore& store, int individual, std::vector<std::string>* lines) {
  LineNode* first = FirstLine(store, individual);
  lines->push_back(PersonLabel(store, individual));
  if (first == nullptr) return;
  auto event_line = [&](const char* heading, std::string_view t1, std::string_view t2,
                        std::string_view t3) {
    EventInfo info = EventDetails(first, t1, t2, t3);
    if (info.date.empty() && info.place.empty()) return;
    std::string line = heading + info.date;
    if (!info.place.empty()) line += "    " + info.place;
    lines->push_back(line);
  };
  event_line("Birth: ", "1 BIRT", "1 BAPM", "1 CHR");
  event_line("Death: ", "1 DEAT", "1 BURI", "1 CREM");
  ParentFamily parents = FindParentFamily(store, individual);
  int father = FamilyMember(store, parents.family, "1 HUSB");
  int mother = FamilyMember(store, parents.family, "1 WIFE");
  if (parents.family != 0 && father != 0) lines->push_back("Father: " + PersonLabel(store, father));
  if (parents.family != 0 && mother != 0) lines->push_back("Mother: " + PersonLabel(store, mother));
}

bool IsDeceased(RecordStore& store, int individual, bool strict, bool record_death) {
  LineNode* first = FirstLine(store, individual);
  if (first == nullptr) return false;
  const bool has_death = store::FindTagLine(first, "1 DEAT") != nullptr;
  const bool buried = store::FindTagLine(first, "1 BURI") != nullptr ||
                      store::FindTagLine(first, "1 CREM") != nullptr;
  if (strict ? (EventDetails(first, "1 DEAT").found || buried) : (has_death || buried)) {
    return true;
  }
  const int current_year = store.ui().clock().CurrentYear();
  const std::string date = LivingRuleDate(store, first);
  bool deceased = !date.empty() ? YearOf(date, current_year) + 120 < current_year
                                : RelativesEvidence(store, current_year).ProvesDeath(individual);
  if (deceased && !has_death && record_death) {
    store::InsertLineAfter(store, store::FindInsertPoint(first, "1 DEAT"), "1 DEAT");
    store::StampChanged(store, first);
  }
  return deceased;
}

namespace {

// The walk of DirectLineStatus over the home person's ancestors.
class DirectLineWalk {
 public:
  DirectLineWalk(RecordStore& store, int person, int father, int mother)
      : store_(store),
        person_(person),
        father_(father),
        mother_(mother),
        walk_(store.NewWalkNumber()) {
    for (int parent : {father, mother}) {
      ParentFamily family = FindParentFamily(store, parent);
      if (parent == 0 || family.family == 0) continue;
      grandparents_.push_back(FamilyMember(store, family.family, "1 HUSB"));
      grandparents_.push_back(FamilyMember(store, family.family, "1 WIFE"));
    }
  }

  int Run(int home) {
    Reach(store_, home, walk_);
    std::vector<std::pair<int, int>> stack;  // (individual whose parents come next, generation)
    PushParents(home, 0, &stack);
    while (!stack.empty() && best_ > 1) {
      auto [ancestor, generation] = stack.back();
      stack.pop_back();
      if (!Reach(store_, ancestor, walk_)) continue;
      Consider(ancestor, generation);
      if (best_ > 1) PushParents(ancestor, generation + 1, &stack);
    }
    // The home person's grandparents are a sibling's grandparents too, which does not make the
    // sibling a cousin.
    if (best_ == 3 && sibling_) return 4;
    return best_;
  }

 private:
  void Consider(int ancestor, int generation) {
    if (ancestor == person_) {
      best_ = 1;
      return;
    }
    if (generation < 1) {
      // A parent of the home person who is also a parent of the person shown: a sibling.
      if (ancestor == father_ || ancestor == mother_) sibling_ = true;
      return;
    }
    if ((ancestor == father_ || ancestor == mother_) && best_ > 2) best_ = 2;
    for (int grandparent : grandparents_) {
      if (grandparent != 0 && ancestor == grandparent && best_ > 3) best_ = 3;
    }
  }

  // Pushes the parents to follow by the kind of the parent family: the husband for kinds 0 to
  // 3 and 5, the wife for kinds 0 to 4; the husband is taken first.
  void PushParents(int individual, int generation, std::vector<std::pair<int, int>>* stack) {
    ParentFamily family = FindParentFamily(store_, individual);
    if (family.family == 0 || !ReachFamily(store_, family.family, walk_)) return;
    const int husband = FamilyMember(store_, family.family, "1 HUSB");
    const int wife = FamilyMember(store_, family.family, "1 WIFE");
    if (wife != 0 && family.kind <= kStepFather) stack->push_back({wife, generation});
    if (husband != 0 && (family.kind <= kAdoptMother || family.kind == kStepMother)) {
      stack->push_back({husband, generation});
    }
  }

  RecordStore& store_;
  int person_, father_, mother_;
  uint16_t walk_;
  std::vector<int> grandparents_;
  int best_ = 4;
  bool sibling_ = false;
};

}  // namespace

int DirectLineStatus(RecordStore& store, int individual, int father, int mother) {
  const int home = store.home_person();
  if (individual == home || store.individual(home) == nullptr) return 4;
  return DirectLineWalk(store, individual, father, mother).Run(home);
}

std::string_view DirectLineText(int status) {
  switch (status) {
    case 1:
      return "Grandparent - This Person is a Direct Ancestor of the Person Selected in Options";
    case 2:
      return "Uncle or Aunt - This Person is a Sibling of an Ancestor of the Person Selected in "
             "Options";
    case 3:
      return "Cousin - This Person is a Child of a Sibling of an Ancestor of the Person Selected "
             "in Options";
    default:
      return {};
  }
}

}  // namespace kinloom::core
