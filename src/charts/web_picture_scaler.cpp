#include "charts/web_picture_scaler.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include "web/site_files.h"

namespace kinloom::charts {
namespace {

constexpr int kJpegQuality = 85;

// The kind a target's name asks for: "jpg" for JPEG, else the extension in lower case.
QByteArray TargetFormat(const std::string& target) {
  const QByteArray suffix = QFileInfo(QString::fromStdString(target)).suffix().toLower().toLatin1();
  return suffix == "jpeg" ? QByteArray("jpg") : suffix;
}

// JPEG has no transparency: the picture is laid on white.
QImage OnWhite(const QImage& image) {
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  return flat;
}

}  // namespace

bool ScaleWebPicture(const std::string& source, const std::string& target, int width, int height) {
  if (width <= 0 || height <= 0) return false;
  const QByteArray format = TargetFormat(target);
  if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format)) return false;
  QImageReader reader(QString::fromStdString(source));
  reader.setAutoTransform(true);  // photos stand as they were taken
  const QImage image = reader.read();
  if (image.isNull()) return false;
  QImage scaled = image.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  if (format == "jpg" && scaled.hasAlphaChannel()) scaled = OnWhite(scaled);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!scaled.save(&buffer, format.constData(), format == "jpg" ? kJpegQuality : -1)) return false;
  return web::WriteSiteFile(target,
                            std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))
      .ok();
}

}  // namespace kinloom::charts
