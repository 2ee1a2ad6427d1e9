#include "cli/picture_scaler.h"

#include <memory>

#include "charts/report_printing.h"
#include "charts/web_picture_scaler.h"

namespace kinloom::cli {

web::PictureScaler WebPictureScaler() {
  // Qt finds its image readers through an application object: one lives as long as the scaler.
  std::shared_ptr<QGuiApplication> application = charts::MakeOffscreenApplication();
  return
      [application](const std::string& source, const std::string& target, int width, int height) {
        return charts::ScaleWebPicture(source, target, width, height);
      };
}

}  // namespace kinloom::cli
