#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <map>

#include "files/web_settings.h"

namespace kinloom::ui {

// A small page of the generated site painted in the settings' colours and title fonts: the
// title area, the menu, links to other sites, an events table, the index and a chart. It is
// repainted whenever a setting changes.
class WebPreview : public QWidget {
  Q_OBJECT

 public:
  WebPreview(const files::WebSiteSettings& settings, QWidget* parent);

  // Where the title image and the background patterns are looked up.
  void SetImageFolder(const QString& folder);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // An image of the image folder, or a null pixmap; read once per name.
  const QPixmap& Picture(const std::string& file_name) const;

  const files::WebSiteSettings& settings_;
  QString image_folder_;
  mutable std::map<QString, QPixmap> pictures_;
};

}  // namespace kinloom::ui
