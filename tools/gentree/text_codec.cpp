#include "text_codec.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "ansel.h"

namespace kinloom::gentree {
namespace {

// Code points of the Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1
// control with the same number, as most converters do.
constexpr std::array<char32_t, 32> kHighControlCodePoints = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControlCodePoints[byte - 0x80];
  return byte;
}

void AppendUtf8(char32_t code_point, std::string* out) {
  if (code_point < 0x80) {
    out->push_back(static_cast<char>(code_point));
  } else if (code_point < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (code_point >> 6)));
    out->push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | (code_point >> 12)));
    out->push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  }
}

void AppendUtf8FromWindows1252(std::string_view text, std::string* out) {
  for (char c : text) AppendUtf8(CodePointOf(static_cast<unsigned char>(c)), out);
}

[[noreturn]] void RejectWord(std::string_view utf8) {
  std::fprintf(stderr, "kinloom-gentree: word list entry not in Windows-1252: %.*s\n",
               static_cast<int>(utf8.size()), utf8.data());
  std::abort();
}

// Decodes the UTF-8 sequence starting at `*position` and advances past it.
char32_t DecodeUtf8(std::string_view utf8, size_t* position) {
  auto byte = [&](size_t offset) { return static_cast<unsigned char>(utf8[*position + offset]); };
  unsigned char lead = byte(0);
  int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (*position + length > utf8.size()) RejectWord(utf8);
  char32_t code_point = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
  for (int offset = 1; offset < length; ++offset) {
    code_point = (code_point << 6) | (byte(offset) & 0x3F);
  }
  *position += length;
  return code_point;
}

char Windows1252ByteOf(char32_t code_point, std::string_view word) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  for (size_t index = 0; index < kHighControlCodePoints.size(); ++index) {
    if (kHighControlCodePoints[index] == code_point) return static_cast<char>(0x80 + index);
  }
  RejectWord(word);
}

}  // namespace

void AppendEncoded(std::string_view text, TextEncoding encoding, std::string* out) {
  switch (encoding) {
    case TextEncoding::kWindows1252:
      out->append(text);
      return;
    case TextEncoding::kUtf8:
      AppendUtf8FromWindows1252(text, out);
      return;
    case TextEncoding::kAnsel:
      AppendAnselFromWindows1252(text, out);
      return;
  }
}

std::string Windows1252FromUtf8(std::string_view utf8) {
  std::string result;
  result.reserve(utf8.size());
  size_t position = 0;
  while (position < utf8.size()) {
    result.push_back(Windows1252ByteOf(DecodeUtf8(utf8, &position), utf8));
  }
  return result;
}

std::vector<std::string> Windows1252List(std::initializer_list<std::string_view> utf8_words) {
  std::vector<std::string> words;
  words.reserve(utf8_words.size());
  for (std::string_view word : utf8_words) words.push_back(Windows1252FromUtf8(word));
  return words;
}

}  // namespace kinloom::gentree
