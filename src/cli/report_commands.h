#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// kinloom-cli report ancestors|descendants TREE ID [--generations N] [--text OUT.txt]
//                                                   [--pdf OUT.pdf]
// kinloom-cli report family TREE FAMILY-ID --pdf OUT.pdf, report pedigree|person TREE ID
// --pdf OUT.pdf, report sources TREE --pdf OUT.pdf, report blank-family --pdf OUT.pdf
int Report(Context& c, const std::vector<std::string>& args);

// kinloom-cli relationship TREE ID1 ID2
int RelationshipCommand(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
