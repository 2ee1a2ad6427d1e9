#include "family_model.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "random.h"

namespace kinloom::gentree {
namespace {

constexpr int kMinParentAge = 18;
constexpr int kMaxParentAge = 45;
constexpr int kFirstFounderBirthYear = 1600;
constexpr int kFounderBirthYearSpread = 220;
// How far ahead in the queue of marriageable people a partner from another branch is sought.
constexpr size_t kPartnerSearchWindow = 64;
constexpr int kPartnerMaxAgeGap = 8;

class ModelBuilder {
 public:
  ModelBuilder(uint64_t seed, int32_t individuals, int surname_count)
      : rng_(Random::ForRecord(seed, 0x6D6F64656CULL, 0)),
        target_(individuals),
        surname_count_(surname_count) {
    model_.people.reserve(static_cast<size_t>(individuals));
  }

  FamilyModel Build() && {
    while (!Full()) {
      if (next_in_queue_ == marriageable_.size()) {
        StartFounders();
      } else {
        ConsiderMarriage(marriageable_[next_in_queue_++]);
      }
    }
    return std::move(model_);
  }

 private:
  int32_t PeopleCount() const { return static_cast<int32_t>(model_.people.size()); }
  bool Full() const { return PeopleCount() >= target_; }
  int32_t Remaining() const { return target_ - PeopleCount(); }
  bool CanAddFamily() const {
    return static_cast<int32_t>(model_.families.size()) < kMaxRecordsPerKind;
  }
  Person& At(int32_t index) { return model_.people[static_cast<size_t>(index)]; }

  uint16_t RandomSurname() { return static_cast<uint16_t>(rng_.Below(surname_count_)); }
  Sex RandomSex() { return rng_.Percent(50) ? Sex::kMale : Sex::kFemale; }

  int32_t AddPerson(Sex sex, int birth_year, uint16_t surname) {
    Person person;
    person.sex = sex;
    person.birth_year = static_cast<int16_t>(birth_year);
    person.surname = surname;
    model_.people.push_back(person);
    return PeopleCount() - 1;
  }

  void StartFounders() {
    int birth_year = kFirstFounderBirthYear + rng_.Between(0, kFounderBirthYearSpread);
    if (Remaining() < 2 || !CanAddFamily()) {
      Sex sex = RandomSex();
      AddPerson(sex, birth_year, RandomSurname());
      return;
    }
    int32_t husband = AddPerson(Sex::kMale, birth_year, RandomSurname());
    int wife_birth_year = birth_year + rng_.Between(-4, 10);
    int32_t wife = AddPerson(Sex::kFemale, wife_birth_year, RandomSurname());
    FormFamily(husband, wife);
  }

  void ConsiderMarriage(int32_t person) {
    // Someone already taken as a partner from another branch has had their turn.
    if (At(person).spouse_in_count > 0) return;
    if (At(person).birth_year + kMinParentAge > kLatestBirthYear) return;
    if (!rng_.Percent(80) || !CanAddFamily()) return;
    if (rng_.Percent(4)) {
      FormSingleParentFamily(person);
      return;
    }
    int32_t spouse = rng_.Percent(35) ? FindPartnerInQueue(person) : kNone;
    if (spouse == kNone) spouse = AddOutsideSpouse(person);
    if (spouse == kNone) return;
    FormCouple(person, spouse);
    if (rng_.Percent(4) && CanAddFamily()) {
      int32_t second_spouse = AddOutsideSpouse(person);
      if (second_spouse != kNone) FormCouple(person, second_spouse);
    }
  }

  bool ArePartnerCandidates(int32_t person, int32_t candidate) {
    const Person& a = At(person);
    const Person& b = At(candidate);
    return candidate != person && b.spouse_in_count == 0 && b.sex != a.sex &&
           b.child_of != a.child_of && std::abs(b.birth_year - a.birth_year) <= kPartnerMaxAgeGap;
  }

  int32_t FindPartnerInQueue(int32_t person) {
    size_t end = std::min(marriageable_.size(), next_in_queue_ + kPartnerSearchWindow);
    for (size_t position = next_in_queue_; position < end; ++position) {
      if (ArePartnerCandidates(person, marriageable_[position])) return marriageable_[position];
    }
    return kNone;
  }

  int32_t AddOutsideSpouse(int32_t person) {
    if (Full()) return kNone;
    int gap = rng_.Between(-4, 10);  // husbands tend to be older
    bool person_is_male = At(person).sex == Sex::kMale;
    int birth_year = At(person).birth_year + (person_is_male ? gap : -gap);
    birth_year = std::min(birth_year, kLatestBirthYear - kMinParentAge);
    return AddPerson(person_is_male ? Sex::kFemale : Sex::kMale, birth_year, RandomSurname());
  }

  void FormCouple(int32_t person, int32_t spouse) {
    if (At(person).sex == Sex::kMale) {
      FormFamily(person, spouse);
    } else {
      FormFamily(spouse, person);
    }
  }

  void FormSingleParentFamily(int32_t person) {
    if (At(person).sex == Sex::kMale) {
      FormFamily(person, kNone);
    } else {
      FormFamily(kNone, person);
    }
  }

  void LinkSpouse(int32_t person, int32_t family) {
    if (person == kNone) return;
    Person& spouse = At(person);
    spouse.spouse_in[spouse.spouse_in_count++] = family;
  }

  void FormFamily(int32_t husband, int32_t wife) {
    int32_t family = static_cast<int32_t>(model_.families.size());
    model_.families.push_back(Family{husband, wife, kNone, 0, 0});
    LinkSpouse(husband, family);
    LinkSpouse(wife, family);
    int oldest = std::min(BirthYearOr(husband, 9999), BirthYearOr(wife, 9999));
    int youngest = std::max(BirthYearOr(husband, 0), BirthYearOr(wife, 0));
    AddChildren(family, youngest + kMinParentAge,
                std::min(oldest + kMaxParentAge, kLatestBirthYear));
    SetMarriageYear(family, youngest);
  }

  int BirthYearOr(int32_t person, int fallback) {
    return person == kNone ? fallback : At(person).birth_year;
  }

  int ChildCount() {
    static const std::vector<int> kWeights = {12, 14, 19, 19, 15, 12, 9};
    return std::min(rng_.Weighted(kWeights), Remaining());
  }

  void AddChildren(int32_t family, int earliest_year, int latest_year) {
    if (earliest_year > latest_year) return;
    std::vector<int> years(static_cast<size_t>(ChildCount()));
    for (int& year : years) year = rng_.Between(earliest_year, latest_year);
    std::sort(years.begin(), years.end());
    Family& record = model_.families[static_cast<size_t>(family)];
    int32_t surname_holder = record.husband != kNone ? record.husband : record.wife;
    uint16_t surname = At(surname_holder).surname;
    record.first_child = years.empty() ? kNone : PeopleCount();
    record.child_count = static_cast<uint8_t>(years.size());
    for (int year : years) AddChild(family, year, surname);
  }

  void AddChild(int32_t family, int birth_year, uint16_t surname) {
    Sex sex = rng_.PerMille(8) ? Sex::kUnknown : RandomSex();
    int32_t child = AddPerson(sex, birth_year, surname);
    At(child).child_of = family;
    if (rng_.Percent(1))
      At(child).pedigree = rng_.Percent(50) ? Pedigree::kAdopted : Pedigree::kFoster;
    if (sex != Sex::kUnknown) marriageable_.push_back(child);
  }

  void SetMarriageYear(int32_t family, int youngest_spouse_birth_year) {
    Family& record = model_.families[static_cast<size_t>(family)];
    if (record.husband == kNone || record.wife == kNone) return;
    int earliest = youngest_spouse_birth_year + 16;
    int year = record.child_count > 0
                   ? At(record.first_child).birth_year - rng_.Between(0, 2)
                   : youngest_spouse_birth_year + kMinParentAge + rng_.Between(0, 12);
    year = std::max(year, earliest);
    if (year <= kLatestBirthYear + 1) record.marriage_year = static_cast<int16_t>(year);
  }

  Random rng_;
  int32_t target_;
  uint32_t surname_count_;
  FamilyModel model_;
  // Children in order of birth into the model; each gets one turn at marrying.
  std::vector<int32_t> marriageable_;
  size_t next_in_queue_ = 0;
};

}  // namespace

FamilyModel BuildFamilyModel(uint64_t seed, int32_t individuals, int surname_count) {
  return ModelBuilder(seed, individuals, surname_count).Build();
}

int LastChildBirthYear(const FamilyModel& model, int32_t person) {
  int last = 0;
  const Person& record = model.people[static_cast<size_t>(person)];
  for (int index = 0; index < record.spouse_in_count; ++index) {
    const Family& family = model.families[static_cast<size_t>(record.spouse_in[index])];
    if (family.child_count == 0) continue;
    int32_t youngest = family.first_child + family.child_count - 1;
    last = std::max<int>(last, model.people[static_cast<size_t>(youngest)].birth_year);
  }
  return last;
}

}  // namespace kinloom::gentree
