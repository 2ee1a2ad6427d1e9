#pragma once

#include <string>
#include <vector>

#include "files/data_folders.h"
#include "platform/file_io.h"
#include "platform/interaction.h"

namespace kinloom::files {

// Carrying a tree to another drive (a USB stick) and back. The other drive holds a small data
// home: gedcom/, config/, media/ and image/, laid out as the data folders are.

enum class TreeCopyOutcome {
  kCopied,     // every file arrived
  kRefused,    // nothing copied: a bad name, no such tree, or the user kept the existing tree
  kCancelled,  // the user cancelled part way
  kErrors,     // some files failed; each one that did keeps its old contents
};

struct TreeCopyResult {
  TreeCopyOutcome outcome = TreeCopyOutcome::kRefused;
  int copied = 0;                    // files written
  std::vector<std::string> missing;  // pictures the tree names that are not there
  std::vector<std::string> outside;  // pictures outside the media folder, left where they are
};

// The files of a tree, sorted by the folder they live in. Names are relative to that folder.
struct TreeCopyFiles {
  std::vector<std::string> gedcom;   // the .ged and any other "TREE.ext" beside it
  std::vector<std::string> config;   // the .med, .cfg and any other "TREE.ext"
  std::vector<std::string> media;    // pictures and documents, with their chart pictures
  std::vector<std::string> image;    // the web site's title and pattern images
  std::vector<std::string> outside;  // named by a full path outside the media and image folders
};

// What copying `tree` out of `from` would carry. A side file is "TREE.ext" with no further dot,
// so "Smith.old.ged" belongs to the tree "Smith.old", not to "Smith".
TreeCopyFiles ListTreeFiles(const DataFolders& from, const std::string& tree);

// The folders of a small data home in `folder` (only gedcom, config, media and image are used).
DataFolders PortableFolders(const std::string& folder);

// Copies `tree` with its side files, pictures and web images from the folders `from` into the
// folders `to`. When `to` holds a tree of that name already, asks first (No keeps it and copies
// nothing); pictures and images that differ from the ones there are replaced only after the
// overwrite question. Each file is written completely or not at all. Ends with the completion
// message: copied, cancelled or errors. `replace_asked`: the caller has asked about replacing
// the tree already (the open tree has a question of its own).
[[nodiscard]] TreeCopyResult CopyTree(const DataFolders& from, const DataFolders& to,
                                      const std::string& tree, platform::FileSystem& file_system,
                                      platform::Interaction& ui, bool replace_asked = false);

inline constexpr const char* kReplaceTreeCaption = " *** Replace Family Tree ***";

}  // namespace kinloom::files
