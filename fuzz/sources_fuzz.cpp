// Reads any bytes as the program's options and search sites (sources.web). What was read is
// written and read again: the second writing must give the same file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/search_sources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kinloom::files;
  ProgramSettings settings;
  ApplySourcesText(std::string_view(reinterpret_cast<const char*>(data), size), &settings);
  const std::string written = SourcesWebText(settings);
  ProgramSettings again;
  ApplySourcesText(written, &again);
  if (SourcesWebText(again) != written) std::abort();
  ProgramSettingLines(again);
  return 0;
}
