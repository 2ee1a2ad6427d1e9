#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "support/test_support.h"

// A kinloom-cli command line run in the test: its exit status and its two outputs.
namespace kinloom::cli {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// With a data home, "--home HOME" goes first.
inline CliRun Cli(std::vector<std::string> args, const std::string& home = {}) {
  if (!home.empty()) args.insert(args.begin(), {"--home", home});
  std::ostringstream out, err;
  const int status = RunCommand(args, out, err);
  return {status, out.str(), err.str()};
}

// A folder holding tree.ged (of the given text) and room for outputs.
struct TreeDir {
  explicit TreeDir(const std::string& text) { testing::WriteFileBytes(tree, text); }
  testing::TempDir dir;
  std::string tree = dir.File("tree.ged");
  std::string out = dir.File("out.ged");
};

inline bool Has(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

}  // namespace kinloom::cli
