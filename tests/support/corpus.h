#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace kinloom::testing {

// The folder of GEDCOM files from other programs that the build was pointed at; empty without one.
inline std::string CorpusDir() {
  return KINLOOM_CORPUS_DIR;
}
inline std::string CorpusFile(std::string_view name) {
  return CorpusDir() + "/" + std::string(name);
}

}  // namespace kinloom::testing

// Skips the running test, with a message that says how to run it, when the build has no corpus.
#define KINLOOM_REQUIRE_CORPUS()                                                   \
  if (::kinloom::testing::CorpusDir().empty())                                     \
  GTEST_SKIP() << "no corpus of GEDCOM files from other programs; configure with " \
                  "-DKINLOOM_CORPUS=/path/to/corpus to run this test"
