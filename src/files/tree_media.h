#pragma once

#include <string>
#include <vector>

#include "files/data_folders.h"

namespace kinloom::files {

// The media files a tree on disk names, for removing the tree with its items: the pictures of
// its ".ged" ("1 OBJE" values and their "2 FILE" lines), the "FILE " lines of its ".med" and
// the web-site images of its ".cfg" (as paths in the image folder). Names without a folder are
// names in the media folder.
std::vector<std::string> TreeMediaFiles(const DataFolders& folders, const std::string& tree);

}  // namespace kinloom::files
