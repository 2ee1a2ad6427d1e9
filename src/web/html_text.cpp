#include "web/html_text.h"

#include <array>
#include <cctype>

namespace kinloom::web {
namespace {

// Windows-1252 bytes 0x80-0x9F; the rest of the upper half is Latin-1.
constexpr std::array<uint16_t, 32> kHighControls = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void AppendReference(std::string& out, uint32_t code_point) {
  out += "&#";
  out += std::to_string(code_point);
  out += ';';
}

}  // namespace

uint32_t CodePointOf(uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      case '\t':
      case '\r':
      case '\n':
        out += ' ';
        break;
      default:
        if (byte >= 0x7F) {
          if (byte != 0x7F) AppendReference(out, CodePointOf(byte));
        } else if (byte >= 0x20) {
          out += c;
        }
    }
  }
}

std::string Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  AppendEscaped(out, text);
  return out;
}

std::string CharacterReferences(std::string_view text) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte >= 0x20 && byte != 0x7F) AppendReference(out, CodePointOf(byte));
  }
  return out;
}

std::string SafeLinkAddress(std::string_view address) {
  while (!address.empty() && static_cast<uint8_t>(address.front()) <= ' ') {
    address.remove_prefix(1);
  }
  if (address.empty()) return {};
  // A colon before any "/", "?" or "#" ends a scheme; a relative address has none.
  const size_t colon = address.find(':');
  if (colon != std::string_view::npos && colon < address.find_first_of("/?#")) {
    std::string scheme;
    for (char c : address.substr(0, colon)) {
      scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (scheme != "http" && scheme != "https" && scheme != "ftp" && scheme != "mailto") return {};
  }
  return Escaped(address);
}

std::string DataField(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    out += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
  return out;
}

}  // namespace kinloom::web
