#pragma once

#include <string>
#include <string_view>

namespace kinloom::reports {

// The sound key of a text: the Soundex code of up to four characters. The text is read in
// capitals (accented letters lose their accent); blanks, commas, hyphens and periods are passed
// over; A E I O U Y are vowels, H and W neither code nor part equal consonants; B F P V code 1,
// C G J K Q S X Z 2, D T 3, L 4, M N 5, R 6, any other character 0. The first character keeps
// its letter; each following code is added when it differs from the last one, a vowel forgets
// the last one. Padded with "0" to four characters.
std::string SoundexText(std::string_view text);

// The key as a number: (first letter - "A") * 1000 + the three digits; 0 when the key does not
// start with a letter A-Z.
int SoundexKey(std::string_view text);

}  // namespace kinloom::reports
