#include "record_details.h"

#include <algorithm>

#include "date_phrases.h"
#include "name_pool.h"
#include "place_pool.h"
#include "random.h"
#include "text_pool.h"

namespace kinloom::gentree {
namespace {

// Each kind of record draws from its own stream.
constexpr uint64_t kPersonStream = 1;
constexpr uint64_t kFamilyStream = 2;
constexpr uint64_t kSourceStream = 3;

constexpr int kCurrentYear = 2025;

const Person& PersonAt(const GeneratorContext& context, int32_t person) {
  return context.model->people[static_cast<size_t>(person)];
}

std::string GivenName(Random& rng, Sex sex) {
  bool female = sex == Sex::kFemale || (sex == Sex::kUnknown && rng.Percent(50));
  return PickFrom(rng, female ? FemaleGivenNames() : MaleGivenNames());
}

std::string GivenNames(Random& rng, Sex sex) {
  static const std::vector<int> kNameCountWeights = {45, 45, 10};
  int count = rng.Weighted(kNameCountWeights) + 1;
  std::string names = GivenName(rng, sex);
  for (int index = 1; index < count; ++index) names += ' ' + GivenName(rng, sex);
  return names;
}

void DeriveName(Random& rng, const Person& person, PersonDetails* details) {
  details->given_names = GivenNames(rng, person.sex);
  if (!rng.PerMille(3)) details->surname = Surnames()[person.surname];
  if (person.sex == Sex::kMale && rng.Percent(1))
    details->name_suffix = PickFrom(rng, NameSuffixes());
  if (rng.Percent(1)) details->title = PickFrom(rng, NameTitles());
  if (rng.Percent(1)) details->alias = GivenName(rng, person.sex) + " /" + details->surname + '/';
}

// The last year the person is known to have been alive through their families.
int LatestFamilyYear(const GeneratorContext& context, int32_t person) {
  const Person& record = PersonAt(context, person);
  int latest = LastChildBirthYear(*context.model, person);
  for (int index = 0; index < record.spouse_in_count; ++index) {
    size_t family = static_cast<size_t>(record.spouse_in[index]);
    latest = std::max<int>(latest, context.model->families[family].marriage_year);
  }
  return latest;
}

// 0 if the person is still alive.
int DeathYear(Random& rng, const GeneratorContext& context, int32_t person) {
  const Person& record = PersonAt(context, person);
  bool had_family = record.spouse_in_count > 0;
  int age = !had_family && rng.Percent(8) ? rng.Between(0, 5) : rng.Between(35, 95);
  int latest = LatestFamilyYear(context, person);
  if (latest > 0) age = std::max(age, latest - record.birth_year + rng.Between(0, 10));
  int year = record.birth_year + age;
  return year > kCurrentYear ? 0 : year;
}

std::string CitationPage(Random& rng) {
  // Every draw is its own statement: the operands of a chain of + may be evaluated in any order,
  // and the output must not depend on the compiler.
  uint32_t form = rng.Below(4);
  int first = rng.Between(1, 90);
  int second = rng.Between(1, 400);
  switch (form) {
    case 0:
      return "p. " + std::to_string(second);
    case 1:
      return "Folio " + std::to_string(first) + ", entry " + std::to_string(second % 40 + 1);
    case 2:
      return "Vol. " + std::to_string(first % 12 + 1) + ", p. " + std::to_string(second);
    default:
      return "Entry " + std::to_string(first * 20 + second % 20);
  }
}

int32_t RandomSource(Random& rng, const GeneratorContext& context) {
  return static_cast<int32_t>(rng.Below(static_cast<uint32_t>(context.source_count)));
}

// An event with a date, a place or both, sometimes citing a source.
LifeEvent MakeEvent(Random& rng, const GeneratorContext& context, const char* tag, std::string date,
                    int place_percent) {
  LifeEvent event;
  event.tag = tag;
  event.date = std::move(date);
  if (rng.Percent(place_percent) || event.date.empty()) event.place = PickFrom(rng, Places());
  if (rng.Percent(5)) event.source = RandomSource(rng, context);
  return event;
}

void DeriveBirthEvents(Random& rng, const GeneratorContext& context, int birth_year,
                       PersonDetails* details) {
  if (rng.Percent(92)) {
    std::string date = rng.Percent(93) ? DatePhrase(rng, birth_year) : std::string();
    details->events.push_back(MakeEvent(rng, context, "BIRT", std::move(date), 85));
  }
  if (birth_year < 1900 && rng.Percent(12)) {
    details->events.push_back(MakeEvent(rng, context, "CHR", ExactDate(rng, birth_year), 70));
  }
}

void DeriveDeathEvents(Random& rng, const GeneratorContext& context, int death_year,
                       PersonDetails* details) {
  if (death_year == 0 || !rng.Percent(90)) return;
  std::string date = rng.Percent(88) ? DatePhrase(rng, death_year) : std::string();
  details->events.push_back(MakeEvent(rng, context, "DEAT", std::move(date), 65));
  if (!rng.Percent(50)) return;
  std::string burial_date = rng.Percent(70) ? ExactDate(rng, death_year) : std::string();
  details->events.push_back(MakeEvent(rng, context, "BURI", std::move(burial_date), 80));
}

void DeriveOccupationAndResidence(Random& rng, int birth_year, int death_year,
                                  PersonDetails* details) {
  bool adult =
      birth_year + 20 <= kCurrentYear && (death_year == 0 || death_year >= birth_year + 20);
  if (!adult) return;
  if (rng.Percent(12)) details->occupation = PickFrom(rng, Occupations());
  if (!rng.Percent(5)) return;
  details->residence_place = PickFrom(rng, Places());
  int last_year = std::min(death_year == 0 ? kCurrentYear : death_year, birth_year + 60);
  if (rng.Percent(50))
    details->residence_date = DatePhrase(rng, rng.Between(birth_year + 20, last_year));
}

std::string NoteLine(Random& rng) {
  std::string line = PickFrom(rng, NoteSentences());
  if (rng.Percent(40)) line += ' ' + PickFrom(rng, NoteSentences());
  return line;
}

void DeriveNote(Random& rng, PersonDetails* details) {
  if (!rng.Percent(10)) return;
  int line_count = rng.Between(1, 3);
  details->note_lines.push_back(NoteLine(rng));
  for (int index = 1; index < line_count; ++index) {
    details->note_lines.push_back(rng.Percent(8) ? std::string() : NoteLine(rng));
  }
}

void AddCitation(Random& rng, int32_t source, PersonDetails* details) {
  details->citations.push_back(Citation{source, rng.Percent(40) ? CitationPage(rng) : ""});
}

// The first people cite one source each, so that every source is cited; when there are fewer
// people than sources the last person cites the rest.
void DeriveCitations(Random& rng, const GeneratorContext& context, int32_t person,
                     PersonDetails* details) {
  int32_t people = static_cast<int32_t>(context.model->people.size());
  if (person < context.source_count) AddCitation(rng, person, details);
  if (person == people - 1) {
    for (int32_t source = people; source < context.source_count; ++source) {
      AddCitation(rng, source, details);
    }
  }
  if (rng.Percent(8)) AddCitation(rng, RandomSource(rng, context), details);
}

void ClearPerson(PersonDetails* details) {
  details->given_names.clear();
  details->surname.clear();
  details->name_suffix.clear();
  details->title.clear();
  details->alias.clear();
  details->to_do.clear();
  details->occupation.clear();
  details->residence_place.clear();
  details->residence_date.clear();
  details->events.clear();
  details->note_lines.clear();
  details->citations.clear();
}

std::string SourceAuthor(Random& rng) {
  if (rng.Percent(40)) return "Archives of " + PickFrom(rng, Towns());
  std::string author = GivenName(rng, rng.Percent(50) ? Sex::kMale : Sex::kFemale);
  author += ' ';
  author += PickFrom(rng, Surnames());
  return author;
}

}  // namespace

int32_t SourceCountFor(int32_t individuals) {
  return individuals / 500 + 3;
}

void DerivePerson(const GeneratorContext& context, int32_t person, PersonDetails* details) {
  ClearPerson(details);
  Random rng = Random::ForRecord(context.seed, kPersonStream, static_cast<uint64_t>(person));
  const Person& record = PersonAt(context, person);
  DeriveName(rng, record, details);
  details->hidden = rng.PerMille(5);
  details->marked = rng.Percent(1);
  if (rng.Percent(2)) details->to_do = PickFrom(rng, ToDoTexts());
  int death_year = DeathYear(rng, context, person);
  DeriveBirthEvents(rng, context, record.birth_year, details);
  DeriveDeathEvents(rng, context, death_year, details);
  DeriveOccupationAndResidence(rng, record.birth_year, death_year, details);
  DeriveNote(rng, details);
  DeriveCitations(rng, context, person, details);
}

FamilyDetails DeriveFamily(const GeneratorContext& context, int32_t family) {
  FamilyDetails details;
  Random rng = Random::ForRecord(context.seed, kFamilyStream, static_cast<uint64_t>(family));
  int year = context.model->families[static_cast<size_t>(family)].marriage_year;
  if (year == 0 || !rng.Percent(90)) return details;
  details.has_marriage = true;
  std::string date = rng.Percent(85) ? DatePhrase(rng, year) : std::string();
  details.marriage = MakeEvent(rng, context, "MARR", std::move(date), 75);
  return details;
}

SourceDetails DeriveSource(const GeneratorContext& context, int32_t source) {
  SourceDetails details;
  Random rng = Random::ForRecord(context.seed, kSourceStream, static_cast<uint64_t>(source));
  details.title = PickFrom(rng, SourceKinds());
  details.title += ' ';
  details.title += PickFrom(rng, Towns());
  details.author = SourceAuthor(rng);
  details.publication = PickFrom(rng, Publishers());
  details.publication += ", " + std::to_string(rng.Between(1850, 2020));
  return details;
}

}  // namespace kinloom::gentree
