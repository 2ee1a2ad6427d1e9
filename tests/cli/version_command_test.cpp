#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "files/program_files.h"

namespace kinloom::cli {
namespace {

// --version names the program and the build's version first (what packagers and the manual
// page read), then the licence, and where the program found its support files.
TEST(CliVersion, NamesVersionLicenceAndSupportFiles) {
  std::ostringstream out, err;
  ASSERT_EQ(RunCommand({"--version"}, out, err), kExitOk);
  const std::string text = out.str();
  const std::string first_line = text.substr(0, text.find('\n'));
  EXPECT_EQ(first_line, "kinloom-cli " + std::string(files::ProgramVersion()));
  EXPECT_NE(text.find("GPL-3.0-or-later"), std::string::npos);
  EXPECT_NE(text.find("Support files: " + files::FindProgramFiles().data + "\n"),
            std::string::npos);
  EXPECT_TRUE(err.str().empty());
}

// The help text the manual page is made from names --version.
TEST(CliVersion, HelpListsTheOption) {
  std::ostringstream out, err;
  ASSERT_EQ(RunCommand({"--help"}, out, err), kExitOk);
  EXPECT_NE(out.str().find("--version"), std::string::npos);
}

}  // namespace
}  // namespace kinloom::cli
