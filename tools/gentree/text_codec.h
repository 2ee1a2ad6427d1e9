#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kinloom::gentree {

// All generated text is held as Windows-1252 bytes, one byte per accented letter; it is only
// converted when a line is written.
enum class TextEncoding { kWindows1252, kUtf8, kAnsel };

// Appends the Windows-1252 `text` to `out`, spelled in `encoding`.
void AppendEncoded(std::string_view text, TextEncoding encoding, std::string* out);

// Converts UTF-8 to Windows-1252. REQUIRES: every character exists in Windows-1252; the only
// input is the generator's own word lists, so a violation aborts on the first run.
std::string Windows1252FromUtf8(std::string_view utf8);

// The word list `utf8_words`, converted to Windows-1252.
std::vector<std::string> Windows1252List(std::initializer_list<std::string_view> utf8_words);

}  // namespace kinloom::gentree
