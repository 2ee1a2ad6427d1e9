#pragma once

#include <string>
#include <vector>

#include "cli/context.h"

namespace kinloom::cli {

// copy-tree TREE DIR [--replace]: the tree of the data home with its side files and pictures
// into DIR, laid out as a small data home (DIR/gedcom, config, media, image).
int CopyTreeOut(Context& c, const std::vector<std::string>& args);
// bring-tree DIR TREE [--replace]: the tree TREE from such a folder into the data home.
int BringTreeIn(Context& c, const std::vector<std::string>& args);

}  // namespace kinloom::cli
