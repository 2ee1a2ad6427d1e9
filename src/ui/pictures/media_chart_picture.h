#pragma once

#include <string>

namespace kinloom::ui {

// The tree view draws a profile picture from the picture's name ending in "jpg" in the media
// folder. For a picture of another type, a small JPEG copy is made there unless a file of that
// name exists already. False when there is no chart picture afterwards.
bool MakeChartPicture(const std::string& media_folder, const std::string& picture_file);

}  // namespace kinloom::ui
