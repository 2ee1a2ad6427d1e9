#pragma once

#include <string>
#include <string_view>

namespace kinloom::gentree {

// Appends the Windows-1252 `text` to `out` in ANSEL: an accented letter becomes its combining
// diacritic byte followed by the base letter; letters ANSEL spells with one byte of their own
// (ø, æ, ß, ...) use that byte. Characters ANSEL cannot express come out as '?'.
void AppendAnselFromWindows1252(std::string_view text, std::string* out);

}  // namespace kinloom::gentree
