#pragma once

#include <string>
#include <string_view>
#include <vector>

// Helpers the readers of automatic entry share.
namespace kinloom::core::entry_words {

std::string Lower(std::string_view text);
// The line cut into words: dashes and brackets stand alone, "*" and "†" too, and a hyphen next
// to a digit ("1852-1930") is a word of its own while "Stoke-on-Trent" stays whole.
std::vector<std::string> SplitWords(std::string_view line);
std::string Join(const std::vector<std::string>& words, size_t from, size_t to);
bool StartsWithDigit(std::string_view word);

}  // namespace kinloom::core::entry_words

namespace kinloom::core {
struct EntryPerson;
}

namespace kinloom::core::entry_words {

// Fills given names, surname, suffix and (from a title) the sex of *person from the words of
// the name; false with *why when they are no name.
bool ReadName(std::vector<std::string> words, EntryPerson* person, std::string* why);

}  // namespace kinloom::core::entry_words
