#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kinloom::web {

// Every text that comes from the tree or from the web-site settings enters a page through
// these, so no name, place, note or title can ever become markup. The pages declare the
// Windows-1252 set; characters above ASCII are written as numeric character references, so the
// bytes of a page are plain ASCII and read the same under any declared set.

// The Unicode code point of a Windows-1252 byte (bytes without a character give U+FFFD).
uint32_t CodePointOf(uint8_t byte);

// Appends `text` with "&", "<", ">", '"' and "'" as entities, bytes above 0x7E as "&#%u;",
// tabs and line breaks as blanks, and other control characters left out.
void AppendEscaped(std::string& out, std::string_view text);
std::string Escaped(std::string_view text);

// Every character as "&#%u;", for texts that must never stand in a page as plain text (the
// contact address).
std::string CharacterReferences(std::string_view text);

// A link address from the settings, escaped for an attribute; empty (no link) for an address
// whose scheme is not http, https, ftp or mailto, so that a stored "javascript:" runs nothing.
std::string SafeLinkAddress(std::string_view address);

// A text for a line of the site's data files: tabs and control characters become blanks, so a
// field never runs into the next one.
std::string DataField(std::string_view text);

}  // namespace kinloom::web
