#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/media_albums.h"
#include "platform/file_io.h"
#include "platform/status.h"
#include "store/gedcom_writer.h"
#include "store/record_store.h"

namespace kinloom::files {

// The album file (".med") of a tree: the album names ("HEAD" lines), one block of tag lines per
// item ("ALBM", "KIND", "HIDE", "SOUR", "INDI", "FILE", "TITL", "NOTE" with its lines and the
// A9 AE terminator), "END", then the tree's settings as numbered lines. Older files kept the
// paste list under keys 800-1299 and had no key 300. A first line "CHAR UTF-8" marks a file
// whose values are UTF-8.

// Reads an album file's bytes into `albums` and `settings`. The current individual (key 200)
// and the home person (key 201) go to `store`, moved to existing individuals. Values longer
// than the file's limits are cut.
void ReadAlbumText(std::string_view bytes, store::RecordStore& store, MediaAlbums* albums,
                   TreeSettings* settings);

// Reads the album file at `path` through the file system as above, and sets the file's time to
// now: it tells when the tree was last opened. NotFound when there is no file; IoError, naming
// the file and saying why, when it exists but cannot be read. The albums are then the two empty
// defaults and the settings stay as they were.
[[nodiscard]] Status ReadAlbumFile(platform::FileSystem& file_system, const std::string& path,
                                   store::RecordStore& store, MediaAlbums* albums,
                                   TreeSettings* settings);

// The whole file as it is written in `mode`, without a line end after the last line.
std::string AlbumFileText(const store::RecordStore& store, const MediaAlbums& albums,
                          const TreeSettings& settings, store::WriteMode mode);

// Writes the album file at `path` through a temporary file: a failed write leaves the old file
// untouched and returns an error naming the file. In a reduced copy (split, hide, both) the
// items' individual lists keep only the individuals the copy includes, and items left without
// anyone are not written. A successful normal save clears the albums' changed flag.
[[nodiscard]] Status WriteAlbumFile(platform::FileSystem& file_system, const std::string& path,
                                    const store::RecordStore& store, MediaAlbums& albums,
                                    const TreeSettings& settings, store::WriteMode mode);

// The source records cited by the items the album file writes in `mode`, existing ones only,
// in ascending order. The tree writer writes these sources along with those its records cite.
std::vector<int> SourcesCitedByItems(const MediaAlbums& albums, const store::RecordStore& store,
                                     store::WriteMode mode);

}  // namespace kinloom::files
