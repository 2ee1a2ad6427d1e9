#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kinloom::cli {

// Exit statuses of kinloom-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitCannotWrite = 3;

// Runs one command line (without the program name). Results go to `out`; what the program
// would show in a message box goes to `err` as "caption: text". Both take UTF-8: the tree's texts
// are converted on the way out.
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kinloom::cli
