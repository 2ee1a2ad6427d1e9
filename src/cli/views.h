#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// kinloom-cli outline FILE.ged ID --ancestors|--descendants [--generations N]
int Outline(Context& c, const std::vector<std::string>& args);
// kinloom-cli person FILE.ged ID: the summary, the spouses with their children, the direct
// line and the living state. ID may be written 12, I12, I000012 or @I000012@.
int Person(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
