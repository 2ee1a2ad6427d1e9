#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// kinloom-cli wallchart TREE ID [--ancestors] [--generations N] [--title TEXT] [--no-places]
//   [--ids] [--bold-members] [--bold-spouses] [--roman] [--pictures] [--pdf OUT.pdf]
// Saves the wall chart of person ID in the data home's "My Files" as the reports window does
// and prints "file: PATH" and "size: WIDTHxHEIGHT"; with --pdf it writes the PDF poster too.
// "Wall Chart Too Small" and "too large" go to standard error with exit status 2.
int WallChart(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
