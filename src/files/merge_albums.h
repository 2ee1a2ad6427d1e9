#pragma once

#include "files/media_albums.h"

namespace kinloom::files {

// After two individuals were merged into one: every album item that showed the discarded
// individual shows the kept one instead (once, where it showed both). Returns how many items
// changed. The caller runs it after the merge of the records and saves the albums with the tree.
int CarryOverAlbumItems(MediaAlbums& albums, int discarded, int kept);

}  // namespace kinloom::files
