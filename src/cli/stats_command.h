#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/context.h"
#include "files/media_albums.h"

namespace kinloom::cli {

// kinloom-cli stats TREE PAGE [--ancestors ID --generations N [--siblings]]
//                             [--descendants ID --generations N [--spouses]]
int Stats(Context& c, const std::vector<std::string>& args);

// The albums of a tree named in the data home (read from its .med file); the two empty default
// albums for a tree given as a file or without an album file.
struct TreeAlbums {
  bool read = false;
  files::MediaAlbums albums;
  files::TreeSettings settings;
};
TreeAlbums ReadTreeAlbums(Context& c, const std::string& tree);

// Text of the tree (Windows-1252) as the terminal shows it, in UTF-8.
std::string ShownText(std::string_view text);

}  // namespace kinloom::cli
