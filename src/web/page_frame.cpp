#include "web/page_frame.h"

#include "web/html_text.h"

namespace kinloom::web {

void Menu::SetActive(MenuEntry entry) {
  active = static_cast<int>(entry);
  for (int i = 0; i < kMenuEntries; ++i) {
    marks[static_cast<size_t>(i)] = i == active ? " class=\"activepg\"" : "";
  }
}

std::string SiteTitle(const files::WebSiteSettings& settings) {
  return settings.title2.empty() ? settings.title1 : settings.title2;
}

namespace {

void AppendTitleArea(std::string& out, const SiteLook& look, std::string_view root) {
  const files::WebSiteSettings& settings = *look.settings;
  out += "<div class=\"toptable\">\n";
  if (!settings.title_as_text && !look.images.title_image.empty()) {
    out += "<img src=\"" + std::string(root) + "sys/" + look.images.title_image + "\" alt=\"";
    AppendEscaped(out, SiteTitle(settings));
    out += "\">\n";
  } else {
    out += "<div class=\"title1\">";
    AppendEscaped(out, settings.title1);
    out += "</div>\n<div class=\"title2\">";
    AppendEscaped(out, settings.title2);
    out += "</div>\n";
  }
  out += "</div>\n<div class=\"titlebar\"></div>\n";
}

void AppendMenu(std::string& out, const Menu& menu) {
  out += "<ul class=\"tabmenu\">\n";
  for (int i = 0; i < kMenuEntries; ++i) {
    const std::string& target = menu.targets[static_cast<size_t>(i)];
    if (target.empty()) continue;
    out += "<li><a href=\"" + target + "\"" + menu.marks[static_cast<size_t>(i)] + ">";
    out += kMenuCaptions[static_cast<size_t>(i)];
    out += "</a></li>\n";
  }
  out += "</ul>\n";
}

}  // namespace

std::string PageStart(const SiteLook& look, std::string_view root, std::string_view subject_kind,
                      std::string_view subject, std::string_view subtitle, const Menu& menu,
                      const std::vector<std::string_view>& extra_styles) {
  std::string out;
  out.reserve(4096);
  out +=
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
  AppendEscaped(out, SiteTitle(*look.settings));
  out += ": ";
  AppendEscaped(out, subject_kind);
  out += ' ';
  AppendEscaped(out, subject);
  out += "</title>\n";
  out += "<link rel=\"stylesheet\" type=\"text/css\" href=\"" + std::string(root) + "sys/" +
         kPageStyleFile + "\">\n";
  for (std::string_view style : extra_styles) {
    out += "<link rel=\"stylesheet\" type=\"text/css\" href=\"" + std::string(root) + "sys/" +
           std::string(style) + "\">\n";
  }
  if (!look.images.fav_icon.empty()) {
    out +=
        "<link rel=\"icon\" href=\"" + std::string(root) + "sys/" + look.images.fav_icon + "\">\n";
  }
  out += "</head>\n<body>\n<div class=\"page\">\n";
  AppendTitleArea(out, look, root);
  if (!subtitle.empty()) {
    out += "<div class=\"subtitle\">";
    AppendEscaped(out, subtitle);
    out += "</div>\n";
  }
  AppendMenu(out, menu);
  out += "<div class=\"content\">\n";
  return out;
}

std::string PageEnd(const SiteLook& look) {
  const files::WebSiteSettings& settings = *look.settings;
  std::string out = "</div>\n";
  std::string links;
  for (const files::WebLink& link : settings.links) {
    if (link.name.empty()) continue;
    const std::string address = SafeLinkAddress(link.address);
    if (address.empty()) continue;
    links += "<a href=\"" + address + "\">";
    AppendEscaped(links, link.name);
    links += "</a>\n";
  }
  if (!links.empty()) out += "<div class=\"links\">\n" + links + "</div>\n";
  out += "<table class=\"copyright\"><tr><td>Copyright &#169; ";
  AppendEscaped(out, settings.copyright_year);
  out += ' ';
  AppendEscaped(out, settings.copyright_owner);
  out += "</td></tr></table>\n</div>\n</body>\n</html>\n";
  return out;
}

}  // namespace kinloom::web
