#pragma once

#include <string>
#include <string_view>

#include "store/record_store.h"

namespace kinloom::files {

// A person's profile picture is the file of the first "1 OBJE" line of the person; the tree
// view draws it from the chart picture beside it (the same name ending in "jpg").

// Makes `file` the profile picture of an individual: the first "1 OBJE" line (or its "2 FILE"
// line) takes the name, or a new "1 OBJE" line is placed. Stamps the record. False when the
// individual does not exist or already has that picture.
bool SetProfilePicture(store::RecordStore& store, int individual, std::string_view file);

// Renews an individual's cached chart picture path from its profile picture and, when the path
// changed, the chart texts that depend on it. True when the path changed.
bool RefreshChartPicture(store::RecordStore& store, int individual, std::string_view media_folder);
// The same for every individual; run after a tree is read, before the chart is laid out.
void FillChartPictures(store::RecordStore& store, std::string_view media_folder);

}  // namespace kinloom::files
