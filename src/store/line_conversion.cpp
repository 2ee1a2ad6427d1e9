#include "store/line_conversion.h"

#include <array>
#include <cstdint>

#include "store/charsets.h"

namespace kinloom::store {
namespace {

// Windows-1252 bytes 0x80-0x9F as Unicode; the five bytes the set leaves undefined keep their
// own value.
constexpr std::array<uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string LineToInternal(Charset charset, std::string_view line) {
  switch (charset) {
    case Charset::kAnsel:
      return AnselLineToInternal(line);
    case Charset::kUtf8:
      return Utf8LineToInternal(line);
    case Charset::kAnsi:
      return AnsiLineToInternal(line);
    case Charset::kIbmPc:
      return IbmPcLineToInternal(line);
    case Charset::kAscii:
      return AsciiLineToInternal(line);
    case Charset::kNone:
      break;
  }
  return std::string(line);
}

std::string InternalToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const uint32_t code = byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      out.push_back(static_cast<char>(0xC0 | code >> 6));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | code >> 12));
      out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return out;
}

}  // namespace kinloom::store
