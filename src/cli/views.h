#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// kinloom-cli outline FILE.ged ID --ancestors|--descendants [--generations N]
int Outline(Context& c, const std::vector<std::string>& args);
// kinloom-cli person FILE.ged ID
int Person(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
