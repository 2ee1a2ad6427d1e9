#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// kinloom-cli todo TREE LIST [--create|--update] [criterion options] OUT.ged
// kinloom-cli todo TREE LIST
int ToDo(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
