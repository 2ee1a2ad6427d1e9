#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/data_folders.h"
#include "platform/file_io.h"
#include "platform/interaction.h"

namespace kinloom::files {

// The media files a tree names (pictures and documents of its records and albums, web images),
// as paths or as names in the media folder. Only files in the media, thumb and image folders
// are ever deleted.
using TreeMediaLister = std::function<std::vector<std::string>(const std::string& tree)>;

// The open dialog's Delete: asks, then removes the tree's .ged, .med and .cfg and, when the
// user agrees, its media files and web folders. Nothing outside the data home is deleted. What
// could not be removed is reported in one message, naming each file and why. Returns whether
// the removal was carried out, so the list of trees is to be refreshed.
[[nodiscard]] bool RemoveTree(const DataFolders& folders, const std::string& ged_path,
                              const TreeMediaLister& media, platform::FileSystem& file_system,
                              platform::Interaction& ui);
// The same on the real file system.
[[nodiscard]] bool RemoveTree(const DataFolders& folders, const std::string& ged_path,
                              const TreeMediaLister& media, platform::Interaction& ui);

}  // namespace kinloom::files
