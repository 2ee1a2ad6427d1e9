#pragma once

#include <string>
#include <string_view>

#include "store/record_store.h"

namespace kinloom::files {

// How the item editor previews an item's file.
enum class MediaPreview { kNone, kText, kPicture };

// ".TXT" and ".RTF" files as text; ".JPG", ".JPEG", ".BMP", ".GIF" and ".PNG" as pictures
// (any case); everything else has no preview.
MediaPreview PreviewOf(std::string_view file);

// A short name of the file's type for the view button: its extension in capitals ("PDF"),
// or "File" without one.
std::string FileTypeName(std::string_view file);

// The value of the "1 TITL" line of a source record; empty for none.
std::string SourceTitle(const store::RecordStore& store, int source);

}  // namespace kinloom::files
