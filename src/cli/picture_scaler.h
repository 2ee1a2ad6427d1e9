#pragma once

#include "web/site_pictures.h"

namespace kinloom::cli {

// The scaler of the web site's pictures: Qt's image readers where the build has them; without
// them an empty one, and the pictures are copied as they are.
web::PictureScaler WebPictureScaler();

}  // namespace kinloom::cli
