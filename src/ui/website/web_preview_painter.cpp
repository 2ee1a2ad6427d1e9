#include "ui/website/web_preview_painter.h"

#include <QFontMetricsF>
#include <QList>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "ui/widgets/colour_value.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

constexpr double kMargin = 10;
constexpr double kInset = 8;  // between the page border and its contents
constexpr double kRow = 16;

// Colour indexes of the site's elements.
enum : int {
  kTitleBackground = 0,
  kOutside = 1,
  kBorderLight = 2,
  kBorderDark = 3,
  kBody = 4,
  kTitle1 = 5,
  kTitle2 = 6,
  kTitleBar = 7,
  kSubtitle = 8,
  kMenuBack = 9,
  kMenuText = 10,
  kMenuActive = 11,
  kMenuHoverBack = 12,
  kMenuHoverText = 13,
  kLinksBack = 14,
  kLinksText = 15,
  kLinksHover = 16,
  kTableBorder = 17,
  kEventNameBack = 18,
  kEventNameText = 19,
  kEventBack = 20,
  kEventText = 21,
  kEventLink = 22,
  kEventVisited = 23,
  kEventHover = 24,
  kPlainText = 25,
  kIndexHeadBack = 26,
  kIndexHeadText = 27,
  kIndexBack = 28,
  kIndexText = 29,
  kIndexHover = 30,
  kIndexBorder = 31,
  kNavBorder = 32,
  kNavBack = 33,
  kNavButton = 34,
  kBoxBack = 35,
  kBoxText = 36,
  kBoxShadow = 37,
  kLine = 38,
  kLineShadow = 39,
};

QFont TitleFont(const files::TitleFont& chosen, double pixels) {
  QFont font(FromAnsi(chosen.name));
  font.setPixelSize(std::max(1, int(pixels)));
  font.setBold(chosen.bold);
  font.setItalic(chosen.italic);
  return font;
}

// The title font at `pixels`, made smaller when the text would not fit the width, as a
// browser's narrow window would wrap it.
QFont FittingTitleFont(const files::TitleFont& chosen, double pixels, const std::string& text,
                       double width) {
  QFont font = TitleFont(chosen, pixels);
  const QString shown = FromAnsi(text);
  while (pixels > 6 && QFontMetricsF(font).horizontalAdvance(shown) > width - 8) {
    pixels -= 1;
    font = TitleFont(chosen, pixels);
  }
  return font;
}

}  // namespace

WebPreviewPainter::WebPreviewPainter(QPainter& painter, const files::WebSiteSettings& settings,
                                     PictureLookup pictures, QFont base_font)
    : painter_(painter),
      settings_(settings),
      pictures_(std::move(pictures)),
      base_font_(std::move(base_font)) {}

QColor WebPreviewPainter::Colour(int index) const {
  return ToQColor(settings_.colours[index]);
}

QFont WebPreviewPainter::Font(double pixels, bool bold) const {
  QFont font = base_font_;
  font.setPixelSize(int(pixels));
  font.setBold(bold);
  return font;
}

void WebPreviewPainter::Text(const QRectF& box, int colour, const QString& text, int flags) {
  painter_.setPen(Colour(colour));
  painter_.drawText(box, flags | Qt::TextSingleLine, text);
}

void WebPreviewPainter::PaintPage() {
  PaintFrame();
  double top = PaintTitleArea(body_.top());
  top = PaintMenu(top);
  top = PaintLinks(top);
  top = PaintEvents(top + 6);
  top = PaintIndex(top + 6);
  top = PaintChart(top + 6);
  PaintCopyright(std::max(top + 4, body_.bottom() - kRow - 4));
}

void WebPreviewPainter::PaintFrame() {
  painter_.fillRect(QRectF(0, 0, kPreviewWidth, kPreviewHeight), Colour(kOutside));
  const QRectF page(kMargin, kMargin, kPreviewWidth - 2 * kMargin, kPreviewHeight - 2 * kMargin);
  const QPixmap& pattern = settings_.use_page_pattern ? pictures_(settings_.page_pattern_file)
                                                      : pictures_(std::string());
  if (!pattern.isNull()) {
    painter_.fillRect(page, QBrush(pattern));
  } else {
    painter_.fillRect(page, Colour(kBody));
  }
  painter_.setPen(QPen(Colour(kBorderLight), 2));
  painter_.drawLine(page.bottomLeft(), page.topLeft());
  painter_.drawLine(page.topLeft(), page.topRight());
  painter_.setPen(QPen(Colour(kBorderDark), 2));
  painter_.drawLine(page.topRight(), page.bottomRight());
  painter_.drawLine(page.bottomRight(), page.bottomLeft());
  body_ = page.adjusted(kInset, kInset, -kInset, -kInset);
}

double WebPreviewPainter::PaintTitleArea(double top) {
  const QRectF area(body_.left(), top, body_.width(), 62);
  using files::TitleBackground;
  if (settings_.title_background == TitleBackground::kColour) {
    painter_.fillRect(area, Colour(kTitleBackground));
  } else if (settings_.title_background == TitleBackground::kPattern) {
    const QPixmap& pattern = pictures_(settings_.title_pattern_file);
    if (pattern.isNull()) {
      painter_.fillRect(area, QBrush(Colour(kTitleBar), Qt::Dense6Pattern));
    } else if (settings_.tile_title_pattern) {
      painter_.fillRect(area, QBrush(pattern));
    } else {
      painter_.drawPixmap(area, pattern, QRectF(pattern.rect()));
    }
  }
  if (settings_.title_as_text) {
    PaintTitleText(area);
  } else {
    PaintTitleImage(area);
  }
  painter_.fillRect(QRectF(body_.left(), area.bottom() + 2, body_.width(), 3), Colour(kTitleBar));
  painter_.setFont(Font(13, true));
  Text(QRectF(body_.left(), area.bottom() + 6, body_.width(), 18), kSubtitle,
       QStringLiteral("John Smith"));
  return area.bottom() + 26;
}

void WebPreviewPainter::PaintTitleText(const QRectF& area) {
  const QRectF line1(area.left(), area.top() + 6, area.width(), 20);
  const QRectF line2(area.left(), area.top() + 26, area.width(), 32);
  painter_.setFont(FittingTitleFont(settings_.title1_font, 14, settings_.title1, area.width()));
  Text(line1, kTitle1, FromAnsi(settings_.title1));
  painter_.setFont(FittingTitleFont(settings_.title2_font, 22, settings_.title2, area.width()));
  Text(line2, kTitle2, FromAnsi(settings_.title2));
}

void WebPreviewPainter::PaintTitleImage(const QRectF& area) {
  const QPixmap& image = pictures_(settings_.title_image_file);
  if (!image.isNull()) {
    const QSizeF size = QSizeF(image.size()).scaled(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.center().x() - size.width() / 2, area.center().y() - size.height() / 2,
                        size.width(), size.height());
    painter_.drawPixmap(target, image, QRectF(image.rect()));
    return;
  }
  // No picture to show: a frame with the file name stands in for it.
  const QRectF box = area.adjusted(40, 8, -40, -8);
  painter_.setPen(QPen(Colour(kTitle1), 1, Qt::DashLine));
  painter_.drawRect(box);
  painter_.setFont(Font(10));
  const QString name = FromAnsi(settings_.title_image_file);
  Text(box, kTitle1, name.isEmpty() ? QStringLiteral("Title image") : name);
}

double WebPreviewPainter::PaintMenu(double top) {
  static const QStringList kTabs = {QStringLiteral("Home"),        QStringLiteral("Index"),
                                    QStringLiteral("Individual"),  QStringLiteral("Ancestors"),
                                    QStringLiteral("Descendants"), QStringLiteral("Pictures"),
                                    QStringLiteral("Contact Us")};
  constexpr int kActive = 2;
  constexpr int kHovered = 3;
  const QRectF bar(body_.left(), top, body_.width(), kRow + 2);
  painter_.fillRect(bar, Colour(kMenuBack));
  // Tabs as wide as their names, in the largest font that lets all of them fit.
  QList<double> widths;
  double total = 0;
  for (double pixels = 9; pixels >= 5; --pixels) {
    painter_.setFont(Font(pixels));
    widths.clear();
    total = 0;
    for (const QString& tab : kTabs) {
      widths << painter_.fontMetrics().horizontalAdvance(tab) + 6.0;
      total += widths.back();
    }
    if (total <= bar.width()) break;
  }
  const double spare = std::max(0.0, (bar.width() - total) / kTabs.size());
  double x = bar.left();
  for (int i = 0; i < kTabs.size(); ++i) {
    const QRectF tab(x, bar.top(), widths[i] + spare, bar.height());
    int text = kMenuText;
    if (i == kActive) painter_.fillRect(tab.adjusted(1, 2, -1, 0), Colour(kMenuActive));
    if (i == kHovered) {
      painter_.fillRect(tab.adjusted(1, 2, -1, 0), Colour(kMenuHoverBack));
      text = kMenuHoverText;
    }
    Text(tab, text, kTabs[i]);
    x = tab.right();
  }
  return bar.bottom() + 2;
}

double WebPreviewPainter::PaintLinks(double top) {
  QStringList names;
  for (const files::WebLink& link : settings_.links) {
    if (!link.name.empty()) names << FromAnsi(link.name);
  }
  if (names.isEmpty()) names << QStringLiteral("Other Site") << QStringLiteral("Another Site");
  while (names.size() > 4) names.removeLast();
  const QRectF bar(body_.left(), top, body_.width(), kRow);
  painter_.fillRect(bar, Colour(kLinksBack));
  painter_.setFont(Font(9, true));
  const double width = bar.width() / names.size();
  for (int i = 0; i < names.size(); ++i) {
    const QRectF cell(bar.left() + i * width, bar.top(), width, bar.height());
    Text(cell.adjusted(2, 0, -2, 0), i == 1 ? kLinksHover : kLinksText, names[i]);
  }
  return bar.bottom();
}

double WebPreviewPainter::PaintEvents(double top) {
  struct Event {
    QString name, details, link;
    int link_colour;
  };
  const Event events[] = {
      {QStringLiteral("Birth"), QStringLiteral("12 Mar 1850, Leeds"), {}, 0},
      {QStringLiteral("Marriage"), QStringLiteral("1875 to "), QStringLiteral("Mary Brown"),
       kEventLink},
      {QStringLiteral("Death"), QStringLiteral("1921, son "), QStringLiteral("Peter Smith"),
       kEventVisited},
  };
  const double name_width = 80;
  painter_.setFont(Font(10));
  double y = top;
  for (const Event& event : events) {
    const QRectF name(body_.left(), y, name_width, kRow);
    const QRectF details(name.right(), y, body_.width() - name_width, kRow);
    painter_.fillRect(name, Colour(kEventNameBack));
    painter_.fillRect(details, Colour(kEventBack));
    painter_.setPen(Colour(kTableBorder));
    painter_.drawRect(name);
    painter_.drawRect(details);
    Text(name.adjusted(4, 0, 0, 0), kEventNameText, event.name, Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF text = details.adjusted(4, 0, 0, 0);
    Text(text, kEventText, event.details, Qt::AlignLeft | Qt::AlignVCenter);
    if (!event.link.isEmpty()) {
      const double shift = painter_.fontMetrics().horizontalAdvance(event.details);
      Text(text.adjusted(shift, 0, 0, 0), event.link_colour, event.link,
           Qt::AlignLeft | Qt::AlignVCenter);
    }
    y += kRow;
  }
  Text(QRectF(body_.left(), y + 2, body_.width(), kRow), kPlainText,
       QStringLiteral("Gender: Male    Number: 000001    "), Qt::AlignLeft | Qt::AlignVCenter);
  const double shift = painter_.fontMetrics().horizontalAdvance(
      QStringLiteral("Gender: Male    Number: 000001    "));
  Text(QRectF(body_.left() + shift, y + 2, body_.width() - shift, kRow), kEventHover,
       QStringLiteral("[1]"), Qt::AlignLeft | Qt::AlignVCenter);
  return y + kRow + 2;
}

double WebPreviewPainter::PaintIndex(double top) {
  const QStringList heads = {QStringLiteral("Name"), QStringLiteral("Born"),
                             QStringLiteral("Died")};
  const QStringList rows[] = {
      {QStringLiteral("Brown, Mary"), QStringLiteral("1852"), QStringLiteral("1930")},
      {QStringLiteral("Smith, John"), QStringLiteral("1850"), QStringLiteral("1921")},
      {QStringLiteral("Smith, Peter"), QStringLiteral("1880"), QStringLiteral("")},
  };
  const double widths[] = {body_.width() * 0.6, body_.width() * 0.2, body_.width() * 0.2};
  auto row = [&](double y, const QStringList& cells, int back, int text, bool bold) {
    painter_.setFont(Font(10, bold));
    double x = body_.left();
    for (int i = 0; i < 3; ++i) {
      const QRectF cell(x, y, widths[i], kRow);
      painter_.fillRect(cell, Colour(back));
      painter_.setPen(Colour(kIndexBorder));
      painter_.drawRect(cell);
      Text(cell.adjusted(4, 0, 0, 0), text, cells[i], Qt::AlignLeft | Qt::AlignVCenter);
      x += widths[i];
    }
  };
  row(top, heads, kIndexHeadBack, kIndexHeadText, true);
  for (int i = 0; i < 3; ++i) {
    row(top + kRow * (i + 1), rows[i], kIndexBack, i == 1 ? kIndexHover : kIndexText, false);
  }
  return top + kRow * 4;
}

double WebPreviewPainter::PaintChart(double top) {
  // The navigate box on the left, a person's box and two parents joined by lines.
  const QRectF nav(body_.left(), top + 24, 52, 44);
  painter_.setPen(Colour(kNavBorder));
  painter_.setBrush(Colour(kNavBack));
  painter_.drawRect(nav);
  painter_.setFont(Font(10, true));
  for (int i = 0; i < 2; ++i) {
    const QRectF button(nav.left() + 6 + i * 22, nav.top() + 12, 18, 18);
    painter_.setBrush(Colour(kNavButton));
    painter_.setPen(Colour(kNavBorder));
    painter_.drawRect(button);
    Text(button, kMenuText, i == 0 ? QStringLiteral("<") : QStringLiteral(">"));
  }
  const QRectF person(nav.right() + 20, top + 30, 100, 32);
  const QRectF father(person.right() + 40, top + 2, 100, 32);
  const QRectF mother(person.right() + 40, top + 62, 100, 32);
  auto connect = [&](const QPointF& from, const QPointF& to) {
    const QPointF bend(from.x() + 20, from.y());
    const QPointF bend2(from.x() + 20, to.y());
    painter_.setPen(QPen(Colour(kLineShadow), 2));
    painter_.drawPolyline(QPolygonF{from + QPointF(2, 2), bend + QPointF(2, 2),
                                    bend2 + QPointF(2, 2), to + QPointF(2, 2)});
    painter_.setPen(QPen(Colour(kLine), 1));
    painter_.drawPolyline(QPolygonF{from, bend, bend2, to});
  };
  connect(QPointF(person.right(), person.center().y()),
          QPointF(father.left(), father.center().y()));
  connect(QPointF(person.right(), person.center().y()),
          QPointF(mother.left(), mother.center().y()));
  painter_.setFont(Font(9));
  const std::pair<QRectF, QString> boxes[] = {{person, QStringLiteral("John Smith\n1850-1921")},
                                              {father, QStringLiteral("Adam Smith\n1820-1890")},
                                              {mother, QStringLiteral("Jane Hill\n1825-1899")}};
  for (const auto& [box, text] : boxes) {
    painter_.fillRect(box.translated(4, 4), Colour(kBoxShadow));
    painter_.setPen(Colour(kLine));
    painter_.setBrush(Colour(kBoxBack));
    painter_.drawRect(box);
    painter_.setPen(Colour(kBoxText));
    painter_.drawText(box, Qt::AlignCenter, text);
  }
  painter_.setBrush(Qt::NoBrush);
  return mother.bottom() + 6;
}

void WebPreviewPainter::PaintCopyright(double top) {
  const QRectF line(body_.left(), top, body_.width(), kRow);
  painter_.setPen(Colour(kTableBorder));
  painter_.drawRect(line);
  QString text = QStringLiteral("Copyright \u00A9 %1 %2")
                     .arg(FromAnsi(settings_.copyright_year), FromAnsi(settings_.copyright_owner));
  painter_.setFont(Font(9));
  Text(line, kPlainText, text.simplified());
}

}  // namespace kinloom::ui
