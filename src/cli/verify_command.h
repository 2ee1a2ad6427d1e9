#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// verify TREE [--complete] [--ignore-before-1600] [--off N,M,...] [--set N=VALUE,...] [--save]:
// runs the verifier with the stored settings changed as asked, prints the summary and one line
// per problem, and with --save writes the problems file into "My Files".
int Verify(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
