#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kinloom::files {

// The program's version, as the build names it ("0.1").
std::string_view ProgramVersion();

// Where the files that ship with the program are: the support folder (the web site's PHP
// scripts and images), the user's guide and the licence. An installed program finds them in
// share/kinloom and share/doc/kinloom; a program run from its build folder (and the tests) in
// the source tree.
struct ProgramFiles {
  std::string data;     // the support folder ("system" in the source tree); empty: none found
  std::string guide;    // the user's guide (Markdown)
  std::string licence;  // the licence text
};

// The first place whose support folder exists, the guide and licence of that same place (an
// installation is never mixed with the source tree). Empty names when none exists.
ProgramFiles FindProgramFilesAmong(const std::vector<ProgramFiles>& places);

// The places this build looks in, in order: the installation folders the build was configured
// for, the same folders beside the running program (a package installed under another
// prefix), then the source tree.
std::vector<ProgramFiles> ProgramFilesPlaces();

// FindProgramFilesAmong(ProgramFilesPlaces()).
ProgramFiles FindProgramFiles();

}  // namespace kinloom::files
