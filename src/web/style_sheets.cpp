#include "web/style_sheets.h"

#include <cctype>
#include <cstdio>

namespace kinloom::web {
namespace {

using files::WebSiteSettings;

// Fills "%C<n>;" marks of a template (n two digits) with the colours.
std::string WithColours(const WebSiteSettings& settings, std::string_view css) {
  std::string out;
  out.reserve(css.size());
  for (size_t i = 0; i < css.size(); ++i) {
    if (css[i] == '%' && i + 3 < css.size() && css[i + 1] == 'C') {
      out += CssColour(settings, (css[i + 2] - '0') * 10 + (css[i + 3] - '0'));
      i += 3;
    } else {
      out += css[i];
    }
  }
  return out;
}

std::string FontRule(const files::TitleFont& font) {
  std::string rule = "  font-family: " + CssFontFamily(font.name) + ", Verdana, sans-serif;\n";
  rule += std::string("  font-weight: ") + (font.bold ? "bold;  " : "normal;") + "\n";
  rule += std::string("  font-style: ") + (font.italic ? "italic;" : "normal;") + "\n";
  return rule;
}

std::string TitleAreaBackground(const WebSiteSettings& settings, const SiteImages& images) {
  switch (settings.title_background) {
    case files::TitleBackground::kColour:
      return "  background: " + CssColour(settings, 0) + ";\n";
    case files::TitleBackground::kPattern:
      if (images.title_pattern.empty()) break;
      return "  background: url(\"" + images.title_pattern + "\") " +
             (settings.tile_title_pattern ? "repeat" : "no-repeat center") + ";\n";
    case files::TitleBackground::kNone:
      break;
  }
  return "  background: transparent;\n";
}

constexpr std::string_view kPageCss = R"(body {
  margin: 0; padding: 12px 0;
  background: %C01;
  color: %C25;
  font-family: Verdana, Arial, sans-serif; font-size: 14px; line-height: 1.4;
}
.page {
  width: 1040px; max-width: 96%; margin: 0 auto;
  background-color: %C04;
  border-style: solid; border-width: 2px;
  border-color: %C02 %C03 %C03 %C02;
  box-shadow: 0 2px 10px rgba(0, 0, 0, 0.25);
}
.toptable { text-align: center; padding: 18px 10px 12px; }
.toptable img { max-width: 100%; }
.titlebar { height: 5px; background: %C07; margin: 0 16px; }
.subtitle { color: %C08; font-size: 22px; font-weight: bold; text-align: center;
  margin: 10px 16px 6px; }
.tabmenu { list-style: none; margin: 8px 16px 0; padding: 0; display: flex; flex-wrap: wrap;
  border-bottom: 2px solid %C11; }
.tabmenu li { margin: 0 3px 0 0; }
.tabmenu a { display: block; padding: 6px 14px; background: %C09; color: %C10;
  text-decoration: none; border-radius: 6px 6px 0 0; font-weight: bold; }
.tabmenu a.activepg { background: %C11; }
.tabmenu a:hover { background: %C12; color: %C13; }
.content { padding: 14px 20px 20px; }
.content a { color: %C22; }
.content a:visited { color: %C23; }
.content a:hover { color: %C24; }
.private { font-style: italic; color: %C25; }
.person { margin: 0 0 28px; }
.person + .person { border-top: 2px solid %C17; padding-top: 18px; }
.personhead { display: flex; gap: 18px; align-items: flex-start; margin-bottom: 12px; }
.portrait { width: 150px; height: 200px; object-fit: contain; border: 1px solid %C17;
  background: #FFFFFF; }
.personname { color: %C08; font-size: 20px; font-weight: bold; margin: 0 0 4px; }
.facts { margin: 2px 0; }
table.events { border-collapse: collapse; width: 100%; margin: 8px 0 14px;
  border: 1px solid %C17; }
table.events th, table.events td { border: 1px solid %C17; padding: 4px 8px;
  vertical-align: top; text-align: left; }
table.events th { background: %C18; color: %C19; width: 170px; font-weight: bold; }
table.events td { background: %C20; color: %C21; }
table.events td a { color: %C22; }
table.events td a:visited { color: %C23; }
table.events td a:hover { color: %C24; }
.cite { font-size: 11px; vertical-align: super; }
.note { white-space: pre-wrap; }
.links { text-align: center; background: %C14; padding: 6px 10px; margin: 0 16px; }
.links a { color: %C15; text-decoration: none; margin: 0 10px; font-weight: bold; }
.links a:hover { color: %C16; }
table.copyright { margin: 12px auto 16px; border-collapse: collapse; border: 1px solid %C17; }
table.copyright td { padding: 4px 14px; font-size: 12px; color: %C25; }
.pager { text-align: center; margin: 10px 0; }
.pager a, .pager span { display: inline-block; min-width: 2.4em; padding: 2px 4px; }
.pager .current { font-weight: bold; }
.gallery { display: flex; flex-wrap: wrap; gap: 16px; }
.picture { width: 210px; text-align: center; border: 1px solid %C17; background: %C20;
  color: %C21; padding: 8px; }
.picture img { width: 200px; height: 150px; object-fit: contain; background: #FFFFFF; }
.picture .doc { display: block; width: 200px; height: 150px; line-height: 150px;
  background: #FFFFFF; color: %C22; font-weight: bold; }
.groups { margin-bottom: 12px; }
.groups .group { display: inline-block; margin: 0 18px 4px 0; }
.groups .current a { font-weight: bold; }
)";

constexpr std::string_view kChartCss = R"(.chart { overflow-x: auto; padding: 6px 0 12px; }
.pnode { display: flex; align-items: center; }
.parents { display: flex; flex-direction: column; margin-left: 24px; position: relative; }
.parents::before { content: ""; position: absolute; left: -24px; top: 50%; width: 24px;
  border-top: 2px solid %C38; }
.parents > .pnode { position: relative; padding: 4px 0 4px 24px; }
.parents > .pnode::before { content: ""; position: absolute; left: 0; top: 50%; width: 24px;
  border-top: 2px solid %C38; box-shadow: 0 2px 0 %C39; }
.parents > .pnode::after { content: ""; position: absolute; left: 0;
  border-left: 2px solid %C38; }
.parents > .pnode:first-child::after { top: 50%; bottom: 0; }
.parents > .pnode:last-child::after { top: 0; bottom: 50%; }
.parents > .pnode:only-child::after { display: none; }
.box { display: block; min-width: 160px; max-width: 210px; padding: 5px 8px;
  background: %C35; color: %C36; border: 1px solid %C38;
  box-shadow: 3px 3px 0 %C37; font-size: 12px; }
.box a { color: %C36; font-weight: bold; }
.box .years { display: block; font-size: 11px; }
.box.private { background: #EEEEEE; font-style: italic; }
.navigate { display: inline-block; border: 1px solid %C32; background: %C33; padding: 6px 10px;
  margin-bottom: 10px; }
.navigate a { display: inline-block; background: %C34; border: 1px solid %C32; padding: 2px 10px;
  margin: 2px; text-decoration: none; }
ul.descendants, ul.descendants ul { list-style: none; margin: 0; padding: 0; }
ul.descendants ul { margin-left: 12px; }
ul.descendants ul li { position: relative; padding: 3px 0 3px 26px;
  border-left: 2px solid %C38; }
ul.descendants ul li:last-child { border-left-color: transparent; }
ul.descendants ul li::before { content: ""; position: absolute; left: -2px; top: 0;
  width: 24px; height: 25px; border-left: 2px solid %C38; border-bottom: 2px solid %C38; }
.couple { display: flex; gap: 6px; align-items: center; flex-wrap: wrap; }
.couple .and { font-size: 11px; color: %C36; }
)";

constexpr std::string_view kIndexCss = R"(table.index { border-collapse: collapse; width: 100%;
  border: 2px solid %C31; margin: 8px 0; }
table.index th { background: %C26; color: %C27; padding: 5px 8px; text-align: left;
  border: 1px solid %C31; }
table.index td { background: %C28; color: %C29; padding: 3px 8px; border: 1px solid %C31; }
table.index td a { color: %C29; text-decoration: none; }
table.index td a:hover { color: %C30; text-decoration: underline; }
)";

constexpr std::string_view kSlideCss = R"(.home { display: flex; gap: 24px; flex-wrap: wrap;
  align-items: flex-start; }
.slides { position: relative; width: 362px; height: 217px; flex: none;
  border: 1px solid %C17; box-shadow: 3px 3px 0 %C37; background: #FFFFFF; }
.slides img { position: absolute; left: 0; top: 0; width: 362px; height: 217px;
  object-fit: cover; opacity: 0; transition: opacity 1s; }
.slides img.shown { opacity: 1; }
.message { flex: 1; min-width: 260px; }
.message h2 { color: %C08; margin-top: 0; }
.message p { margin: 0 0 8px; }
)";

}  // namespace

std::string CssColour(const WebSiteSettings& settings, int index) {
  const uint32_t rgb = settings.colours[static_cast<size_t>(index)];
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF,
                rgb & 0xFF);
  return text;
}

std::string CssFontFamily(const std::string& name) {
  std::string family;
  for (char c : name) {
    if (std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '-') family += c;
  }
  if (family.empty()) family = "Verdana";
  return "\"" + family + "\"";
}

std::string PageStyleSheet(const WebSiteSettings& settings, const SiteImages& images) {
  std::string css = WithColours(settings, kPageCss);
  if (!images.page_pattern.empty()) {
    css += ".page { background-image: url(\"" + images.page_pattern + "\"); }\n";
  }
  css += ".toptable {\n" + TitleAreaBackground(settings, images) + "}\n";
  css += ".title1 {\n  font-size: 26px;\n  color: " + CssColour(settings, 5) + ";\n" +
         FontRule(settings.title1_font) + "}\n";
  css += ".title2 {\n  font-size: 34px;\n  color: " + CssColour(settings, 6) + ";\n" +
         FontRule(settings.title2_font) + "}\n";
  return css;
}

std::string ChartStyleSheet(const WebSiteSettings& settings) {
  return WithColours(settings, kChartCss);
}

std::string IndexStyleSheet(const WebSiteSettings& settings) {
  return WithColours(settings, kIndexCss);
}

std::string SlideStyleSheet(const WebSiteSettings& settings) {
  return WithColours(settings, kSlideCss);
}

}  // namespace kinloom::web
