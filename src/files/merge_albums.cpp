#include "files/merge_albums.h"

namespace kinloom::files {

int CarryOverAlbumItems(MediaAlbums& albums, int discarded, int kept) {
  if (discarded <= 0 || kept <= 0 || discarded == kept) return 0;
  int changed = 0;
  for (int album = 0; album < albums.album_count(); ++album) {
    const int items = static_cast<int>(albums.album(album).items.size());
    for (int index = 0; index < items; ++index) {
      const ItemRef ref{album, index};
      bool showed = false;
      while (albums.UnlinkIndividual(ref, discarded)) showed = true;
      if (!showed) continue;
      albums.LinkIndividual(ref, kept);
      ++changed;
    }
  }
  return changed;
}

}  // namespace kinloom::files
