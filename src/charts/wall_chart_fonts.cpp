#include "charts/wall_chart_fonts.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>

#include "charts/painter_surface.h"
#include "store/charsets.h"

namespace kinloom::charts {
namespace {

using reports::WallChartTextStyle;

constexpr double kRowSpacing = 1.15;

QFont MakeFont(const QString& family, int size, bool bold, bool italic) {
  QFont font(family);
  font.setPixelSize(WallChartPixelSize(size));
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferOutline);
  return font;
}

int Ceil(double value) {
  return static_cast<int>(std::ceil(value));
}

}  // namespace

int WallChartPixelSize(int points) {
  return std::max(1, (points * 4 + 1) / 3);
}

QString SerifFamily() {
  static const char* const kFaces[] = {"DejaVu Serif", "Liberation Serif", "Noto Serif",
                                       "FreeSerif", "Nimbus Roman"};
  for (const char* face : kFaces) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(face))) return QString::fromLatin1(face);
  }
  return ReportFontFamily();
}

QString WallChartFamily(std::string_view face) {
  if (face == reports::kGothicFace) return ReportFontFamily();
  if (face == reports::kRomanFace) return SerifFamily();
  const QString family = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
  if (!family.isEmpty() && QFontDatabase::hasFamily(family)) return family;
  return ReportFontFamily();
}

WallChartFonts::WallChartFonts(const reports::WallChartOptions& options)
    : body_family_(WallChartFamily(reports::BodyFace(options))),
      title_family_(WallChartFamily(options.title_font.face)),
      title_bold_(options.title_font.bold),
      title_italic_(options.title_font.italic),
      title_(FromReportText(options.title)) {}

QFont WallChartFonts::Body(int size, WallChartTextStyle style) const {
  return MakeFont(body_family_, size, style == WallChartTextStyle::kBold,
                  style == WallChartTextStyle::kItalic);
}

QFont WallChartFonts::Title(int size) const {
  return MakeFont(title_family_, size, title_bold_, title_italic_);
}

const QFontMetricsF& WallChartFonts::BodyMetrics(int size, WallChartTextStyle style) {
  const std::pair<int, int> key(size, static_cast<int>(style));
  auto found = metrics_.find(key);
  if (found == metrics_.end()) {
    found = metrics_.emplace(key, QFontMetricsF(Body(size, style))).first;
  }
  return found->second;
}

int WallChartFonts::TextWidth(std::string_view text, WallChartTextStyle style, int size) {
  return Ceil(BodyMetrics(size, style).horizontalAdvance(FromReportText(text)));
}

int WallChartFonts::ReferenceWidth(std::string_view text) {
  if (advances_.empty()) {
    const QFontMetricsF& metrics =
        BodyMetrics(reports::kWallChartLargestFont, WallChartTextStyle::kPlain);
    for (int byte = 0; byte < 256; ++byte) {
      const char32_t code = store::InternalToCodePoint(static_cast<uint8_t>(byte));
      advances_.push_back(metrics.horizontalAdvance(QString::fromUcs4(&code, 1)));
    }
  }
  double width = 0;
  for (char c : text) width += advances_[static_cast<uint8_t>(c)];
  return Ceil(width);
}

// A row is the text's height and a little more, so that a box's border clears the accents
// above capitals and the tails below the line.
int WallChartFonts::LineHeight(int size) {
  return Ceil(BodyMetrics(size, WallChartTextStyle::kPlain).height() * kRowSpacing);
}

int WallChartFonts::TitleWidth(int size) {
  return Ceil(QFontMetricsF(Title(size)).horizontalAdvance(title_));
}

int WallChartFonts::TitleHeight(int size) {
  return Ceil(QFontMetricsF(Title(size)).height());
}

}  // namespace kinloom::charts
