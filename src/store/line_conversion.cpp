#include "store/line_conversion.h"

#include <cstdint>

#include "store/charsets.h"

namespace kinloom::store {
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
    const uint32_t code = InternalToCodePoint(byte);
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
