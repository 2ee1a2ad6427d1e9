#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// kinloom-cli web TREE [--html|--php] [--hide-living] [--mode N|S|H|B] [--out DIR]
// Builds the tree's web site and prints "folder: PATH" and "people: N".
int Web(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
