#include "cli/picture_scaler.h"

#include "charts/web_picture_scaler.h"

namespace kinloom::cli {

// Qt's image readers and writers need no application object, so none is made for them.
web::PictureScaler WebPictureScaler() {
  return charts::ScaleWebPicture;
}

}  // namespace kinloom::cli
