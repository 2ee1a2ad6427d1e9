#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// Commands that work on the data home (--home DIR, else $KINLOOM_HOME, else the XDG folder).
int Import(Context& c, const std::vector<std::string>& args);
int Trees(Context& c, const std::vector<std::string>& args);
int Settings(Context& c, const std::vector<std::string>& args);
int SaveCopy(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
