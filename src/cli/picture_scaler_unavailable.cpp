// The command-line tool built without Qt: the web site's pictures are copied as they are.
#include "cli/picture_scaler.h"

namespace kinloom::cli {

web::PictureScaler WebPictureScaler() {
  return {};
}

}  // namespace kinloom::cli
