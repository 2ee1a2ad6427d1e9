// Every line conversion on any bytes; the first byte chooses the conversion.
#include <cstdint>
#include <string>

#include "store/charsets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  using namespace kinloom::store;
  switch (data[0] % 8) {
    case 0:
      AnselLineToInternal(text);
      break;
    case 1:
      Utf8LineToInternal(text);
      break;
    case 2:
      AnsiLineToInternal(text);
      break;
    case 3:
      IbmPcLineToInternal(text);
      break;
    case 4:
      AsciiLineToInternal(text);
      break;
    case 5: {
      std::string copy(text);
      DecodeUtf8(copy, data[0] / 8);
      break;
    }
    case 6: {
      std::string copy(text);
      ComposeAccent(copy);
      break;
    }
    default:
      Utf16ToUtf8(text, data[0] & 0x80);
  }
  return 0;
}
