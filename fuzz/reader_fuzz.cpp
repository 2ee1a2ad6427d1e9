// Reads any bytes as a tree file, opened and merged, with every finishing step.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/headless_interaction.h"
#include "reports/tree_opening.h"

namespace {

std::string ScratchFile() {
  return "/tmp/kinloom-fuzz-reader-" + std::to_string(::getpid()) + ".ged";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = ScratchFile();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  kinloom::platform::FixedClock clock({2026, 12, 6, 9, 0, 0});
  kinloom::platform::HeadlessInteraction ui(&clock);
  kinloom::store::RecordStore tree(ui);
  kinloom::reports::LinkCheckSession session;
  // Any outcome will do: the reader must only neither crash nor read out of bounds.
  (void)kinloom::reports::ReadTreeChecked(tree, path, false, session);
  (void)kinloom::reports::ReadTreeChecked(tree, path, true, session);
  return 0;
}
