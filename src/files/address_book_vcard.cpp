#include "files/address_book_vcard.h"

#include <string_view>

namespace kinloom::files {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr size_t kFoldWidth = 75;  // octets per physical line, line break not counted

// The address lines as the street part of ADR; a vCard has no field for the lines as such.
std::string AddressValue(std::string_view address) {
  // ADR: post-office box;extended address;street;locality;region;postal code;country
  return ";;" + EscapeVCardText(address) + ";;;;";
}

void AddLine(std::string* card, std::string_view line) {
  *card += FoldVCardLine(line);
  *card += kCrLf;
}

// The KIND (4.0) or a category (both) naming what the contact is.
void AddKind(std::string* card, const AddressEntry& entry, VCardVersion version) {
  if (version == VCardVersion::k4) {
    AddLine(card, entry.kind == ContactKind::kArchive ? "KIND:org" : "KIND:individual");
  }
  AddLine(card, "CATEGORIES:" + EscapeVCardText(ContactKindName(entry.kind)));
}

}  // namespace

std::string EscapeVCardText(std::string_view value) {
  std::string escaped;
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case ',':
        escaped += "\\,";
        break;
      case ';':
        escaped += "\\;";
        break;
      case '\r':
        if (i + 1 < value.size() && value[i + 1] == '\n') break;  // CR LF is one break
        escaped += "\\n";
        break;
      case '\n':
        escaped += "\\n";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string FoldVCardLine(std::string_view line) {
  std::string folded;
  size_t width = kFoldWidth;
  while (line.size() > width) {
    size_t cut = width;
    // Never between the bytes of one UTF-8 character.
    while (cut > 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    folded += line.substr(0, cut);
    folded += kCrLf;
    folded += ' ';
    line.remove_prefix(cut);
    width = kFoldWidth - 1;  // the leading blank counts
  }
  folded += line;
  return folded;
}

std::string EntryVCard(const AddressEntry& entry, VCardVersion version) {
  std::string card;
  AddLine(&card, "BEGIN:VCARD");
  AddLine(&card, version == VCardVersion::k4 ? "VERSION:4.0" : "VERSION:3.0");
  const std::string name = EscapeVCardText(entry.name);
  AddLine(&card, "FN:" + name);
  if (entry.kind == ContactKind::kArchive) {
    AddLine(&card, "N:;;;;");  // 3.0 requires N; an archive has no personal name
    AddLine(&card, "ORG:" + name);
  } else {
    // N: family name;given names;additional;prefixes;suffixes
    const size_t last_blank = entry.name.find_last_of(' ');
    const std::string family =
        last_blank == std::string::npos ? entry.name : entry.name.substr(last_blank + 1);
    const std::string given =
        last_blank == std::string::npos ? std::string() : entry.name.substr(0, last_blank);
    AddLine(&card, "N:" + EscapeVCardText(family) + ";" + EscapeVCardText(given) + ";;;");
  }
  AddKind(&card, entry, version);
  if (!entry.address.empty()) {
    AddLine(&card, "ADR:" + AddressValue(entry.address));
  }
  if (!entry.email.empty()) AddLine(&card, "EMAIL:" + EscapeVCardText(entry.email));
  if (!entry.phone.empty()) {
    AddLine(&card, version == VCardVersion::k4 ? "TEL;VALUE=text:" + EscapeVCardText(entry.phone)
                                               : "TEL:" + EscapeVCardText(entry.phone));
  }
  if (!entry.note.empty()) AddLine(&card, "NOTE:" + EscapeVCardText(entry.note));
  AddLine(&card, "END:VCARD");
  return card;
}

std::string AddressBookVCards(const AddressBook& book, VCardVersion version) {
  std::string cards;
  for (const AddressEntry& entry : book) cards += EntryVCard(entry, version);
  return cards;
}

}  // namespace kinloom::files
