// The date reader and the date helpers on any text.
#include <cstdint>
#include <string>

#include "core/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kinloom::core::ReadDate(text);
  kinloom::core::DateSerial(text);
  kinloom::core::YearOf(text, 2026);
  return 0;
}
