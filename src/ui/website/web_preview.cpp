#include "ui/website/web_preview.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include "ui/website/web_preview_painter.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

WebPreview::WebPreview(const files::WebSiteSettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
  setObjectName(QStringLiteral("WebPreview"));
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

void WebPreview::SetImageFolder(const QString& folder) {
  image_folder_ = folder;
  pictures_.clear();  // the folder's files may have changed
  update();
}

QSize WebPreview::sizeHint() const {
  return {kPreviewWidth, kPreviewHeight};
}

QSize WebPreview::minimumSizeHint() const {
  return {kPreviewWidth / 2, kPreviewHeight / 2};
}

int WebPreview::heightForWidth(int width) const {
  return width * kPreviewHeight / kPreviewWidth;
}

const QPixmap& WebPreview::Picture(const std::string& file_name) const {
  static const QPixmap kNone;
  if (file_name.empty() || image_folder_.isEmpty()) return kNone;
  const QString name = FromAnsi(file_name);
  auto found = pictures_.find(name);
  if (found == pictures_.end()) {
    const QString path = QFileInfo(name).isAbsolute() ? name : QDir(image_folder_).filePath(name);
    found = pictures_.emplace(name, QPixmap(path)).first;
  }
  return found->second;
}

void WebPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  // The page keeps its proportions; what is left over shows the outside frame colour.
  painter.fillRect(rect(), QColor(QRgb(0xFF000000u | settings_.colours[1])));
  const double scale = std::min(double(width()) / kPreviewWidth, double(height()) / kPreviewHeight);
  painter.translate((width() - kPreviewWidth * scale) / 2, (height() - kPreviewHeight * scale) / 2);
  painter.scale(scale, scale);
  WebPreviewPainter page(
      painter, settings_,
      [this](const std::string& name) -> const QPixmap& { return Picture(name); }, font());
  page.PaintPage();
}

}  // namespace kinloom::ui
