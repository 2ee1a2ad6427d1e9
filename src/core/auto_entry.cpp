#include "core/auto_entry.h"

#include <algorithm>

#include "core/auto_entry_words.h"
#include "core/dates.h"

namespace kinloom::core {
namespace {

using entry_words::Join;
using entry_words::Lower;
using entry_words::StartsWithDigit;

constexpr size_t kLongestLine = 1000;
constexpr std::string_view kDagger = "\xE2\x80\xA0";

enum class Mark { kNone, kBirth, kBaptism, kDeath, kBurial, kMarriage, kRelation };

struct Marker {
  Mark mark = Mark::kNone;
  size_t words = 0;  // how many words the marker takes
  char sex = 'U';    // "son of", "daughter of"
};

std::string Bare(std::string_view word) {
  while (!word.empty() && (word.back() == ',' || word.back() == ';' || word.back() == ':')) {
    word.remove_suffix(1);
  }
  return Lower(word);
}

bool StartsDate(const std::vector<std::string>& words, size_t at) {
  std::string date;
  return at < words.size() && ReadEntryDateWords(words, at, &date) > 0;
}

// "b." is a marker; "B." only before a date, since it may be an initial ("John B. Smith").
Mark LetterMark(const std::string& word, const std::vector<std::string>& words, size_t at) {
  if (word.size() > 2 || (word.size() == 2 && word[1] != '.')) return Mark::kNone;
  const bool lower = word[0] >= 'a' && word[0] <= 'z';
  const bool before_date = StartsDate(words, at + 1);
  if (!(lower && word.size() == 2) && !before_date) return Mark::kNone;
  switch (word[0]) {
    case 'b':
    case 'B':
      return Mark::kBirth;
    case 'd':
    case 'D':
      return Mark::kDeath;
    case 'm':
    case 'M':
      return Mark::kMarriage;
    default:
      return Mark::kNone;
  }
}

Marker MarkerAt(const std::vector<std::string>& words, size_t at) {
  const std::string& word = words[at];
  const std::string bare = Bare(word);
  if (const Mark letter = LetterMark(word, words, at); letter != Mark::kNone) return {letter, 1};
  if (bare == "*" || bare == "born") return {Mark::kBirth, 1};
  if (bare == "bap." || bare == "bapt." || bare == "bp." || bare == "baptised" ||
      bare == "baptized" || bare == "chr." || bare == "christened" || bare == "bap" ||
      bare == "chr") {
    return {Mark::kBaptism, 1};
  }
  if (word == kDagger || bare == "died" || bare == "dec." || bare == "deceased") {
    return {Mark::kDeath, 1};
  }
  if (bare == "bur." || bare == "buried" || bare == "bur") return {Mark::kBurial, 1};
  if (bare == "married" || bare == "marr.") return {Mark::kMarriage, 1};
  if (at + 1 < words.size() && Bare(words[at + 1]) == "of") {
    if (bare == "son" || bare == "husband" || bare == "widower") return {Mark::kRelation, 2, 'M'};
    if (bare == "daughter" || bare == "wife" || bare == "widow" || bare == "dau.") {
      return {Mark::kRelation, 2, 'F'};
    }
  }
  return {};
}

std::string_view MarkName(Mark mark) {
  switch (mark) {
    case Mark::kBirth:
      return "birth";
    case Mark::kBaptism:
      return "baptism";
    case Mark::kDeath:
      return "death";
    case Mark::kBurial:
      return "burial";
    case Mark::kMarriage:
      return "marriage";
    default:
      return "relation";
  }
}

// The place after the date: leading "in"/"at" and commas go, and a full stop that ends the
// line, unless it ends an abbreviation ("St.").
std::string PlaceText(std::vector<std::string> words) {
  while (!words.empty() && (Bare(words.front()).empty() || Bare(words.front()) == "in" ||
                            Bare(words.front()) == "at" || Bare(words.front()) == "-")) {
    words.erase(words.begin());
  }
  std::string place = Join(words, 0, words.size());
  while (!place.empty() && (place.back() == ',' || place.back() == ';' || place.back() == ' ')) {
    place.pop_back();
  }
  const size_t last_word = place.find_last_of(' ');
  const size_t last_length =
      last_word == std::string::npos ? place.size() : place.size() - last_word - 1;
  if (!place.empty() && place.back() == '.' && last_length > 4) place.pop_back();
  return place;
}

// One event's words: a date at the start or at the end, the rest a place.
bool ReadEvent(std::vector<std::string> words, Mark mark, EntryEvent* event, std::string* spouse,
               std::string* why) {
  while (!words.empty() && (Bare(words.front()) == "on" || Bare(words.front()) == ",")) {
    words.erase(words.begin());
  }
  if (words.empty()) {
    *why = "nothing after the " + std::string(MarkName(mark)) + " mark";
    return false;
  }
  std::vector<std::string> rest;
  if (const size_t taken = ReadEntryDateWords(words, 0, &event->date); taken > 0) {
    rest.assign(words.begin() + static_cast<std::ptrdiff_t>(taken), words.end());
  } else {
    size_t start = 1;
    std::string date;
    while (start < words.size() &&
           ReadEntryDateWords(words, start, &date) != words.size() - start) {
      ++start;
    }
    if (start < words.size()) event->date = date;
    rest.assign(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(start));
  }
  if (mark == Mark::kMarriage && !rest.empty() && Bare(rest.front()) == "to") {
    *spouse = Join(rest, 1, rest.size());
    return true;
  }
  for (const std::string& word : rest) {
    if (StartsWithDigit(word)) {
      *why =
          word.find('/') != std::string::npos
              ? "the date \"" + word + "\" could be day or month first: write the month as a word"
              : "the " + std::string(MarkName(mark)) + " date \"" + Join(words, 0, words.size()) +
                    "\" cannot be read";
      return false;
    }
  }
  event->place = PlaceText(rest);
  return true;
}

EntryEvent* EventOf(EntryPerson* person, Mark mark) {
  switch (mark) {
    case Mark::kBirth:
      return &person->birth;
    case Mark::kBaptism:
      return &person->baptism;
    case Mark::kDeath:
      return &person->death;
    case Mark::kBurial:
      return &person->burial;
    case Mark::kMarriage:
      return &person->marriage;
    default:
      return nullptr;
  }
}

// "1852 - 1930", "1852 to 1930", "- 1930", "c. 1850 -": the years of life. False when the
// words are something else.
bool ReadLifespan(const std::vector<std::string>& words, EntryPerson* person) {
  for (size_t dash = 0; dash < words.size(); ++dash) {
    if (words[dash] != "-" && Bare(words[dash]) != "to") continue;
    std::string birth, death;
    const std::vector<std::string> left(words.begin(), words.begin() + std::ptrdiff_t(dash));
    const std::vector<std::string> right(words.begin() + std::ptrdiff_t(dash) + 1, words.end());
    const bool left_ok = left.empty() || ReadEntryDateWords(left, 0, &birth) == left.size();
    const bool right_ok = right.empty() || ReadEntryDateWords(right, 0, &death) == right.size();
    if (!left_ok || !right_ok || (left.empty() && right.empty())) return false;
    if (!birth.empty()) person->birth.date = birth;
    if (!death.empty()) person->death.date = death;
    return true;
  }
  return false;
}

// Takes the bracketed groups out of the words: a lifespan is read at once, anything else
// ("(b. 1850)", "(née Smith)") stays in the line without its brackets.
bool TakeBrackets(std::vector<std::string>* words, EntryPerson* person, std::string* why) {
  std::vector<std::string> kept;
  for (size_t i = 0; i < words->size(); ++i) {
    if ((*words)[i] == ")") {
      *why = "a closing bracket without an opening one";
      return false;
    }
    if ((*words)[i] != "(") {
      kept.push_back((*words)[i]);
      continue;
    }
    const auto close = std::find(words->begin() + std::ptrdiff_t(i), words->end(), ")");
    if (close == words->end()) {
      *why = "a bracket that is not closed";
      return false;
    }
    const std::vector<std::string> group(words->begin() + std::ptrdiff_t(i) + 1, close);
    if (!ReadLifespan(group, person)) kept.insert(kept.end(), group.begin(), group.end());
    i = static_cast<size_t>(close - words->begin());
  }
  *words = std::move(kept);
  return true;
}

// The dates written straight after the name: a lifespan, or one date taken as the birth.
bool ReadLooseDates(const std::vector<std::string>& words, EntryPerson* person, std::string* why) {
  if (words.empty() || ReadLifespan(words, person)) return true;
  std::string date;
  if (ReadEntryDateWords(words, 0, &date) == words.size() && person->birth.date.empty()) {
    person->birth.date = date;
    return true;
  }
  *why = "\"" + Join(words, 0, words.size()) + "\" cannot be read as dates";
  return false;
}

// Where the dates after the name begin: the first word that starts a date or a lifespan.
size_t LooseDatesStart(const std::vector<std::string>& name) {
  for (size_t i = 0; i < name.size(); ++i) {
    if (StartsWithDigit(name[i]) || name[i] == "-" || StartsDate(name, i)) return i;
  }
  return name.size();
}

bool CheckOrder(const EntryPerson& person, std::string* why) {
  const int born = DateSerial(person.birth.date.empty() ? person.baptism.date : person.birth.date);
  const int died = DateSerial(person.death.date.empty() ? person.burial.date : person.death.date);
  if (born != 0 && died != 0 && died < born) {
    *why = "the death comes before the birth";
    return false;
  }
  return true;
}

}  // namespace

std::optional<EntryPerson> ParseEntryLine(std::string_view line, std::string* why) {
  if (line.size() > kLongestLine) {
    *why = "the line is too long for one person";
    return std::nullopt;
  }
  std::vector<std::string> words = entry_words::SplitWords(line);
  EntryPerson person;
  if (!TakeBrackets(&words, &person, why)) return std::nullopt;
  // The words up to the first mark are the name (and perhaps a lifespan after it).
  size_t at = 0;
  while (at < words.size() && MarkerAt(words, at).mark == Mark::kNone) ++at;
  std::vector<std::string> name(words.begin(), words.begin() + std::ptrdiff_t(at));
  const size_t loose = LooseDatesStart(name);
  const std::vector<std::string> loose_dates(name.begin() + std::ptrdiff_t(loose), name.end());
  name.resize(loose);
  if (!entry_words::ReadName(name, &person, why)) return std::nullopt;
  if (!ReadLooseDates(loose_dates, &person, why)) return std::nullopt;
  while (at < words.size()) {
    const Marker marker = MarkerAt(words, at);
    size_t end = at + marker.words;
    while (end < words.size() && MarkerAt(words, end).mark == Mark::kNone) ++end;
    if (marker.mark == Mark::kRelation) {
      if (person.sex == 'U') person.sex = marker.sex;  // the parents' names are not entered
    } else {
      EntryEvent* event = EventOf(&person, marker.mark);
      if (!event->empty()) {
        *why = "two " + std::string(MarkName(marker.mark)) + " entries";
        return std::nullopt;
      }
      const std::vector<std::string> part(words.begin() + std::ptrdiff_t(at + marker.words),
                                          words.begin() + std::ptrdiff_t(end));
      if (!ReadEvent(part, marker.mark, event, &person.spouse, why)) return std::nullopt;
    }
    at = end;
  }
  if (!CheckOrder(person, why)) return std::nullopt;
  return person;
}

EntryParse ParseEntryText(std::string_view text) {
  EntryParse parse;
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    ++number;
    start = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.remove_suffix(1);
    }
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.empty()) continue;
    std::string why;
    if (std::optional<EntryPerson> person = ParseEntryLine(line, &why)) {
      person->line = number;
      parse.people.push_back(std::move(*person));
    } else {
      parse.refused.push_back({number, std::string(line), why});
    }
  }
  return parse;
}

std::string RefusalMessage(const EntryRefusal& refusal) {
  return "Line " + std::to_string(refusal.line) + ": \"" + refusal.text + "\" - " + refusal.why +
         ".";
}

}  // namespace kinloom::core
