#pragma once

#include <string>

#include "files/web_settings.h"

namespace kinloom::web {

// The pictures of the title area and the page background, as copied into the site's "sys"
// folder under the site's own names; empty when not used.
struct SiteImages {
  std::string title_image;    // "title.jpg" or "title.gif"
  std::string title_pattern;  // "kln_pattern.jpg", ...
  std::string page_pattern;   // "kln_page_bg.jpg", ...
  std::string fav_icon;       // "kln_favicon.ico", ...
};

// A colour of the settings as "#RRGGBB".
std::string CssColour(const files::WebSiteSettings& settings, int index);
// A font name as a quoted CSS family: letters, digits, blanks and hyphens only.
std::string CssFontFamily(const std::string& name);

// The four style sheets of the site's "sys" folder, from the fonts, the forty colours and the
// title area of the settings.
std::string PageStyleSheet(const files::WebSiteSettings& settings, const SiteImages& images);
std::string ChartStyleSheet(const files::WebSiteSettings& settings);
std::string IndexStyleSheet(const files::WebSiteSettings& settings);
std::string SlideStyleSheet(const files::WebSiteSettings& settings);

inline constexpr const char* kPageStyleFile = "kln_style.css";
inline constexpr const char* kChartStyleFile = "kln_chart.css";
inline constexpr const char* kIndexStyleFile = "kln_index.css";
inline constexpr const char* kSlideStyleFile = "kln_slide.css";

}  // namespace kinloom::web
