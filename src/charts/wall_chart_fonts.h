#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "reports/wall_chart_fit.h"
#include "reports/wall_chart_options.h"

namespace kinloom::charts {

// The installed serif face: the first of the faces the program knows (DejaVu Serif comes with
// its dependencies), else the sans-serif face of the reports, never a face picked at random.
QString SerifFamily();
// The installed family that draws a face the options name: "Arial" the installed sans-serif
// face, "Times New Roman" the serif face, any other face itself when installed, else the
// sans-serif face.
QString WallChartFamily(std::string_view face);

// The wall chart's fonts. Sizes are in points at the image's 96 pixels to the inch; the fonts
// are unhinted, so a text's width grows with the size in proportion and a chart drawn on a PDF
// page lies out as on the image.
class WallChartFonts final : public reports::WallChartMeasure {
 public:
  explicit WallChartFonts(const reports::WallChartOptions& options);

  QFont Body(int size, reports::WallChartTextStyle style) const;
  QFont Title(int size) const;
  const QString& title() const { return title_; }

  int TextWidth(std::string_view text, reports::WallChartTextStyle style, int size) override;
  int LineHeight(int size) override;
  int TitleWidth(int size) override;
  int TitleHeight(int size) override;
  // The plain body width at the largest size for the cached chart texts of every person,
  // where it only tells whether a text is there: the sum of the characters' advances, which
  // leaves out kerning and is many times faster to find.
  int ReferenceWidth(std::string_view text);

 private:
  const QFontMetricsF& BodyMetrics(int size, reports::WallChartTextStyle style);

  QString body_family_;
  QString title_family_;
  bool title_bold_;
  bool title_italic_;
  QString title_;
  std::map<std::pair<int, int>, QFontMetricsF> metrics_;
  std::vector<double> advances_;  // of each byte of the program's character set
};

// Pixels of a font size in points on the chart's image.
int WallChartPixelSize(int points);

}  // namespace kinloom::charts
