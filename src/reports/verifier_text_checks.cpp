// The checks of texts: capitalization, dates, names and places.
#include <string>

#include "core/dates.h"
#include "reports/verifier_run.h"
#include "store/names.h"

namespace kinloom::reports::verifier {
namespace {

bool IsCapital(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}

// Two capitals in a row that are no roman numeral nor era (AD, BC, CE).
bool IsCapitalPair(char a, char b) {
  if (!IsCapital(a) || !IsCapital(b)) return false;
  static constexpr const char* kAllowed[] = {"AD", "BC", "CE", "II", "IV", "VI",
                                             "IX", "XI", "XV", "VX", "XX"};
  for (const char* pair : kAllowed) {
    if (pair[0] == a && pair[1] == b) return false;
  }
  return true;
}

bool HasCapitalPair(std::string_view text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (IsCapitalPair(text[i], text[i + 1])) return true;
  }
  return false;
}

bool HasLowerCase(std::string_view text) {
  for (char c : text) {
    if (IsLower(c)) return true;
  }
  return false;
}

// A letter of the internal set: A-Z, a-z and the accented letters from 0xC0 on.
bool IsLetter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return IsCapital(c) || IsLower(c) || (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (IsCapital(x)) x = static_cast<char>(x - 'A' + 'a');
    if (IsCapital(y)) y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

constexpr std::string_view kInvalidNameCharacters = "~!@#$%^*()_+=[]{}:;<>/|\\";

// The one scan of a full name for errors 31, 32 and 35, each reported once.
void ScanName(Run& run, int record, std::string_view name) {
  bool space_before = false, missing_space = false, no_period = false;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const char next = i + 1 < name.size() ? name[i + 1] : '\0';
    if (c == ' ' && (next == '.' || next == ',')) space_before = true;
    if ((c == '.' || c == ',') && next != ' ' && next != '\0') missing_space = true;
    const bool word_start = i == 0 || name[i - 1] == ' ';
    if (word_start && IsLetter(c) && next == ' ' && c != 'I' && c != 'V' && c != 'X') {
      no_period = true;
    }
  }
  if (space_before && run.Wanted(31, record)) run.Add(31, record, "Name");
  if (missing_space && run.Wanted(32, record)) run.Add(32, record, "Name");
  if (no_period && run.Wanted(35, record)) run.Add(35, record, "Name");
}

}  // namespace

void CheckCapitals(Run& run, int record, std::string_view text, int first, std::string_view event) {
  if (text.size() < 2) return;
  if (run.Wanted(first, record) && HasCapitalPair(text)) {
    run.Add(first, record, event);
  } else if (run.Wanted(first + 1, record) && HasLowerCase(text)) {
    run.Add(first + 1, record, event);
  }
}

int CheckDate(Run& run, int record, std::string_view value, std::string_view event, bool check) {
  if (value.empty()) return 0;
  if (check) CheckCapitals(run, record, value, 5, event);
  const core::ParsedDate date = core::ReadDate(value);
  if (!date.ok) {
    if (check && run.Wanted(19, record)) run.Add(19, record, event);
    return 0;
  }
  return date.year * kDaysPerYear + date.day;
}

void CheckNames(Run& run, int record) {
  const store::RecordStore& store = run.store();
  const std::string given = store::GivenNames(store, record, true);
  const std::string surname = store::SurnameAndTitle(store, record);
  if ((surname.size() == 1 || (surname.size() == 2 && surname[1] == '.')) &&
      run.Wanted(36, record)) {
    run.Add(36, record, "Last Name");
  }
  CheckCapitals(run, record, surname, 3, "Last Name");
  CheckCapitals(run, record, given, 1, "Given Name");
  static constexpr std::string_view kDescriptive[] = {"infant",   "baby",    "male",    "female",
                                                      "unknown",  "unnamed", "anonyme", "son",
                                                      "daughter", "child"};
  if (run.Wanted(37, record) && !surname.starts_with("of ")) {
    for (std::string_view word : kDescriptive) {
      if (EqualsIgnoringCase(given, word)) {
        run.Add(37, record, "Given Name");
        break;
      }
    }
  }
  std::string full = given + " ";
  if (!surname.empty()) full += surname + " ";
  if (full.find_first_of(kInvalidNameCharacters) != std::string::npos && run.Wanted(27, record)) {
    run.Add(27, record, "Name");
  }
  if (full.find("  ") != std::string::npos && run.Wanted(29, record)) {
    run.Add(29, record, "Name");
  }
  if (full.find("--") != std::string::npos && run.Wanted(30, record)) {
    run.Add(30, record, "Name");
  }
  ScanName(run, record, full);
}

void CheckPlace(Run& run, int record, std::string_view line, std::string_view event) {
  const std::string_view value = line.size() > 7 ? line.substr(7) : std::string_view();
  if (value.empty()) return;
  if (line.find("  ") != std::string_view::npos && run.Wanted(29, record)) {
    run.Add(29, record, event);
  }
  bool missing_space = false, space_before = false;
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    const char next = i + 1 < value.size() ? value[i + 1] : '\0';
    const char after = i + 2 < value.size() ? value[i + 2] : '\0';
    const char before = i > 0 ? value[i - 1] : '\0';
    if (c == '.' && next != '\0' && next != ' ' && next != ',' && next != '.' && next != ')' &&
        after != '.') {
      missing_space = true;
    }
    if (c == ',' && next != '\0' && next != ' ' && next != ',') missing_space = true;
    if (c == ' ' && (next == '.' || next == ',') && before != '.' && before != ',') {
      space_before = true;
    }
  }
  if (missing_space && run.Wanted(32, record)) run.Add(32, record, event);
  if (space_before && run.Wanted(31, record)) run.Add(31, record, event);
}

}  // namespace kinloom::reports::verifier
