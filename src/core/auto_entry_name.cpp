// The name part of an automatic-entry line.
#include <algorithm>
#include <array>

#include "core/auto_entry.h"
#include "core/auto_entry_words.h"

namespace kinloom::core::entry_words {
namespace {

constexpr size_t kMostNameWords = 8;

struct Title {
  std::string_view word;
  char sex;
};
constexpr std::array<Title, 16> kTitles = {{{"mr", 'M'},
                                            {"sir", 'M'},
                                            {"lord", 'M'},
                                            {"master", 'M'},
                                            {"mrs", 'F'},
                                            {"miss", 'F'},
                                            {"ms", 'F'},
                                            {"lady", 'F'},
                                            {"dame", 'F'},
                                            {"madam", 'F'},
                                            {"dr", 'U'},
                                            {"rev", 'U'},
                                            {"revd", 'U'},
                                            {"capt", 'U'},
                                            {"col", 'U'},
                                            {"prof", 'U'}}};
constexpr std::array<std::string_view, 18> kParticles = {"van", "von", "de",  "der", "den", "la",
                                                         "le",  "du",  "da",  "di",  "del", "dos",
                                                         "das", "ten", "ter", "af",  "zu",  "y"};
constexpr std::array<std::string_view, 8> kSuffixes = {"jr",  "jun",  "junr", "sr",
                                                       "sen", "senr", "ii",   "iii"};

std::string Stripped(std::string_view word) {
  while (!word.empty() && (word.back() == ',' || word.back() == '.' || word.back() == ';')) {
    word.remove_suffix(1);
  }
  return std::string(word);
}

template <size_t N>
bool IsOneOf(const std::array<std::string_view, N>& list, std::string_view word) {
  const std::string lower = Lower(Stripped(word));
  return std::find(list.begin(), list.end(), lower) != list.end();
}

bool IsLowerInitial(std::string_view word) {
  return !word.empty() && word[0] >= 'a' && word[0] <= 'z';
}

bool HasLetter(std::string_view word) {
  return std::any_of(word.begin(), word.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c & 0x80) != 0;
  });
}

// The first character a name never holds, or 0.
char ForbiddenCharacter(const std::vector<std::string>& words) {
  constexpr std::string_view kForbidden = "0123456789@#$%^&=<>{}[]|~_+:;!?\\*";
  for (const std::string& word : words) {
    for (char c : word) {
      if (kForbidden.find(c) != std::string_view::npos || (c >= 0 && c < ' ')) return c;
    }
  }
  return 0;
}

// "John /Smith/ Jr".
void ReadSlashName(const std::string& text, EntryPerson* person) {
  const size_t first = text.find('/');
  const size_t second = text.find('/', first + 1);
  person->given = Join(SplitWords(text.substr(0, first)), 0, SIZE_MAX);
  if (second == std::string::npos) {
    person->surname = Join(SplitWords(text.substr(first + 1)), 0, SIZE_MAX);
    return;
  }
  person->surname = Join(SplitWords(text.substr(first + 1, second - first - 1)), 0, SIZE_MAX);
  person->suffix = Join(SplitWords(text.substr(second + 1)), 0, SIZE_MAX);
}

// The surname is the last word with the particles before it ("van der Berg").
void ReadPlainName(std::vector<std::string> words, EntryPerson* person) {
  if (words.size() > 1 && IsOneOf(kSuffixes, words.back())) {
    person->suffix = Stripped(words.back());
    words.pop_back();
  }
  if (words.size() == 1) {
    person->given = words[0];
    return;
  }
  size_t surname_start = words.size() - 1;
  while (surname_start > 1 && IsOneOf(kParticles, words[surname_start - 1])) --surname_start;
  person->given = Join(words, 0, surname_start);
  person->surname = Join(words, surname_start, words.size());
}

}  // namespace

bool ReadName(std::vector<std::string> words, EntryPerson* person, std::string* why) {
  // "Smith, John": the surname first, up to the first comma.
  size_t surname_words = 0;
  for (size_t i = 0; i + 1 < words.size() && surname_words == 0; ++i) {
    if (words[i].ends_with(',')) surname_words = i + 1;
  }
  for (std::string& word : words) {
    while (!word.empty() && (word.back() == ',' || word.back() == ';')) word.pop_back();
  }
  std::erase_if(words, [](const std::string& w) { return w.empty() || w == "-"; });
  while (!words.empty()) {
    const auto title = std::find_if(kTitles.begin(), kTitles.end(), [&](const Title& t) {
      return t.word == Lower(Stripped(words[0]));
    });
    if (title == kTitles.end()) break;
    if (title->sex != 'U') person->sex = title->sex;
    words.erase(words.begin());
    if (surname_words > 0) --surname_words;
  }
  if (words.empty() || !std::any_of(words.begin(), words.end(), HasLetter)) {
    *why = "no name before the dates";
    return false;
  }
  if (const char c = ForbiddenCharacter(words); c != 0) {
    *why = c >= '0' && c <= '9' ? "a number in the name (dates need b., d., m. or brackets)"
                                : std::string("the character '") + c + "' in the name";
    return false;
  }
  if (words.size() > kMostNameWords) {
    *why = "too many words for a name";
    return false;
  }
  // A lower-case word among capitalised ones that is no name particle: a sentence.
  const bool any_capital = std::any_of(words.begin(), words.end(),
                                       [](const std::string& w) { return !IsLowerInitial(w); });
  for (const std::string& word : words) {
    if (any_capital && IsLowerInitial(word) && !IsOneOf(kParticles, word) && word != "née" &&
        word != "nee") {
      *why = "\"" + Join(words, 0, words.size()) + "\" reads like a sentence, not a name";
      return false;
    }
  }
  // "Mary Brown née Smith": the name she was born with is the one recorded.
  for (size_t i = 1; i + 1 < words.size(); ++i) {
    if (words[i] == "née" || words[i] == "nee") {
      person->given = Join(words, 0, i == 1 ? 1 : i - 1);
      person->surname = Join(words, i + 1, words.size());
      return true;
    }
  }
  const std::string text = Join(words, 0, words.size());
  if (text.find('/') != std::string::npos) {
    ReadSlashName(text, person);
    return true;
  }
  if (surname_words > 0 && surname_words < words.size()) {
    person->surname = Join(words, 0, surname_words);
    person->given = Join(words, surname_words, words.size());
    return true;
  }
  ReadPlainName(words, person);
  return true;
}

}  // namespace kinloom::core::entry_words
