#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kinloom::core {

// Automatic entry: lines of free text, one person each, read into the people they describe.
// "John Smith b. 12 Mar 1850 Leeds d. 3 Jan 1920 Bradford", "Mary Brown (1852–1930)",
// "Mrs Ann /Lee/ * abt 1800 Leeds, Yorkshire, England † 1870". Texts are UTF-8 in and out;
// dates come out in GEDCOM form ("12 MAR 1850", "ABT 1850", "BET 1852 AND 1860").

struct EntryEvent {
  std::string date;
  std::string place;

  bool empty() const { return date.empty() && place.empty(); }
  bool operator==(const EntryEvent&) const = default;
};

struct EntryPerson {
  int line = 0;  // the line of the text it came from, from 1
  std::string given;
  std::string surname;
  std::string suffix;  // "Jr", "III"
  char sex = 'U';      // 'M', 'F' or 'U'
  EntryEvent birth;
  EntryEvent baptism;
  EntryEvent death;
  EntryEvent burial;
  EntryEvent marriage;
  std::string spouse;  // "m. 1875 to William Jones": the spouse's name, kept as a note

  bool operator==(const EntryPerson&) const = default;
};

struct EntryRefusal {
  int line = 0;
  std::string text;  // the line as typed
  std::string why;   // "no name before the dates"
};

struct EntryParse {
  std::vector<EntryPerson> people;
  std::vector<EntryRefusal> refused;
};

// Reads every line of `text`; blank lines are skipped, lines that do not describe a person are
// refused with the reason.
EntryParse ParseEntryText(std::string_view text);

// Reads one line; nothing, with *why set, when the line is refused.
std::optional<EntryPerson> ParseEntryLine(std::string_view line, std::string* why);

// A date typed in any of the readable forms ("12 Mar 1850", "March 12, 1850", "abt 1850",
// "c. 1850", "bef 1900", "1852-1860", "1852 to 1860", "bet 1852 and 1860") in GEDCOM form;
// empty text stays empty; nothing when it cannot be read.
std::optional<std::string> EntryDate(std::string_view text);

// The date words at the start of `words` read as one date: how many words it took (0 when
// none reads) and the date in GEDCOM form in *date. Words keep their punctuation ("12,").
size_t ReadEntryDateWords(const std::vector<std::string>& words, size_t start, std::string* date);

// "Line 3: \"12 Mar 1850\" — no name before the dates." for showing.
std::string RefusalMessage(const EntryRefusal& refusal);

}  // namespace kinloom::core
