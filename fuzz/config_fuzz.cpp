// Reads any bytes as a tree's web-site settings file (.cfg). What was read is written and read
// again: the second writing must give the same file, so a damaged file settles at once and
// nothing read is lost on the next save.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kinloom::files;
  WebSiteSettings settings;
  ApplyConfigText(std::string_view(reinterpret_cast<const char*>(data), size), &settings);
  const std::string written = ConfigFileText(settings);
  WebSiteSettings again;
  ApplyConfigText(written, &again);
  if (ConfigFileText(again) != written) std::abort();
  WebSettingLines(again);
  return 0;
}
