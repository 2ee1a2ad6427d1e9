#pragma once

#include <cstdint>
#include <string>

#include "text_codec.h"

namespace kinloom::gentree {

enum class OutputFormat { kOwn, kForeign };

struct Options {
  int32_t individuals = 0;
  uint64_t seed = 1;
  OutputFormat format = OutputFormat::kOwn;
  TextEncoding encoding = TextEncoding::kWindows1252;
  bool byte_order_mark = false;
  std::string out_path;
  bool show_help = false;
};

// Parses the command line into `options`. Returns an empty string on success, otherwise a
// message describing the first problem.
std::string ParseOptions(int argc, char** argv, Options* options);

const char* UsageText();

}  // namespace kinloom::gentree
