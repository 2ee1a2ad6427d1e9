#pragma once

#include <string>

#include "files/address_book.h"

namespace kinloom::files {

enum class VCardVersion { k3, k4 };

// One entry as a vCard (RFC 2426 for 3.0, RFC 6350 for 4.0): UTF-8, CR LF line ends, lines
// folded at 75 bytes without splitting a character, and backslash, comma, semicolon and line
// breaks escaped in values.
std::string EntryVCard(const AddressEntry& entry, VCardVersion version);
// Every entry of the book, one card after the other.
std::string AddressBookVCards(const AddressBook& book, VCardVersion version);

// A value escaped for a vCard text property.
std::string EscapeVCardText(std::string_view value);
// A content line folded: CR LF and a blank before each piece past the first 75 bytes.
std::string FoldVCardLine(std::string_view line);

}  // namespace kinloom::files
