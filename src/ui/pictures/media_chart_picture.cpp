#include "ui/pictures/media_chart_picture.h"

#include <QFile>
#include <QImage>

#include "files/data_folders.h"
#include "files/media_albums.h"

namespace kinloom::ui {
namespace {

// Large enough for the chart's picture box at any zoom the chart offers.
constexpr int kChartPictureSize = 240;

}  // namespace

bool MakeChartPicture(const std::string& media_folder, const std::string& picture_file) {
  if (picture_file.size() < 3) return false;
  if (!files::ChartPicturePath(media_folder, picture_file).empty()) return true;
  const std::string source =
      picture_file.front() == '/' ? picture_file : files::JoinPath(media_folder, picture_file);
  std::string target = source;
  target.replace(target.size() - 3, 3, "jpg");
  QImage image(QFile::decodeName(source.c_str()));
  if (image.isNull()) return false;
  if (image.width() > kChartPictureSize || image.height() > kChartPictureSize) {
    image = image.scaled(kChartPictureSize, kChartPictureSize, Qt::KeepAspectRatio,
                         Qt::SmoothTransformation);
  }
  return image.save(QFile::decodeName(target.c_str()), "JPG");
}

}  // namespace kinloom::ui
