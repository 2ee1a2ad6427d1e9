#pragma once

#include <string>

namespace kinloom::charts {

// The web site's picture scaler (web::PictureScaler): reads `source`, fits it into `width` by
// `height` pixels keeping its shape, and writes `target` whole or not at all. A ".jpg" or
// ".jpeg" target is written as JPEG on a white ground (so a transparent picture does not turn
// black); another target in the kind its name says, so no file holds another kind than its name
// tells. False when the picture cannot be read, the size is empty, or the kind cannot be
// written (the site then copies the picture as it is).
bool ScaleWebPicture(const std::string& source, const std::string& target, int width, int height);

}  // namespace kinloom::charts
