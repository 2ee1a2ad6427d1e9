#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <functional>
#include <string>

#include "files/web_settings.h"

namespace kinloom::ui {

// The logical page the preview paints, scaled to the widget.
inline constexpr int kPreviewWidth = 360;
inline constexpr int kPreviewHeight = 470;

// Paints one sample page of the site, in logical units of kPreviewWidth x kPreviewHeight.
class WebPreviewPainter {
 public:
  using PictureLookup = std::function<const QPixmap&(const std::string& file_name)>;

  WebPreviewPainter(QPainter& painter, const files::WebSiteSettings& settings,
                    PictureLookup pictures, QFont base_font);

  void PaintPage();

 private:
  QColor Colour(int index) const;
  QFont Font(double pixels, bool bold = false) const;
  void Text(const QRectF& box, int colour, const QString& text, int flags = Qt::AlignCenter);

  void PaintFrame();
  double PaintTitleArea(double top);
  void PaintTitleText(const QRectF& area);
  void PaintTitleImage(const QRectF& area);
  double PaintMenu(double top);
  double PaintLinks(double top);
  double PaintEvents(double top);
  double PaintIndex(double top);
  double PaintChart(double top);
  void PaintCopyright(double top);

  QPainter& painter_;
  const files::WebSiteSettings& settings_;
  PictureLookup pictures_;
  QFont base_font_;
  QRectF body_;
};

}  // namespace kinloom::ui
