#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// kinloom-cli merge-people TREE ID1 ID2 OUT.ged [--keep 1|2]
int MergePeople(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
