#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// kinloom-cli addresses TREE [--search TEXT] [--add KIND NAME [--address TEXT] [--email TEXT]
// [--phone TEXT] [--note TEXT]] [--export-vcard OUT.vcf [--vcard 3|4]]: the tree's address
// book, one entry a line.
int Addresses(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
