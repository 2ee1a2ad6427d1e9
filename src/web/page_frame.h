#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "files/web_settings.h"
#include "web/style_sheets.h"

namespace kinloom::web {

// The entries of the tab menu at the top of every page.
enum class MenuEntry { kHome, kIndex, kIndividual, kAncestors, kDescendants, kPictures, kContact };
inline constexpr int kMenuEntries = 7;
inline constexpr std::array<std::string_view, kMenuEntries> kMenuCaptions = {
    "Home", "Index", "Individual", "Ancestors", "Descendants", "Pictures", "Contact Us"};

// Where each menu entry leads from one page, and how the page's own entry is marked. The
// addresses are the site's own (never texts of the tree); an empty one leaves the entry out.
struct Menu {
  std::array<std::string, kMenuEntries> targets;
  int active = -1;
  // The attribute text of the active entry and of the others: " class=\"activepg\"" and "" in
  // the static site; place-holders the scripts fill in a template of the script-driven site.
  std::array<std::string, kMenuEntries> marks;

  void SetActive(MenuEntry entry);
};

// The site as every page frames it: the settings and the pictures of the title area.
struct SiteLook {
  const files::WebSiteSettings* settings = nullptr;
  SiteImages images;
  // Style sheets beyond the page style, as file names in "sys".
};

// The start of a page: document type, character set, title "%s: %s %s" (site title and the
// page's subject), style sheets in `root`+"sys/", the title area, the subtitle and the tab menu,
// and the opening of the content. `subject` and `subtitle` are texts of the tree (escaped here).
std::string PageStart(const SiteLook& look, std::string_view root, std::string_view subject_kind,
                      std::string_view subject, std::string_view subtitle, const Menu& menu,
                      const std::vector<std::string_view>& extra_styles);
// The end of a page: the links to other sites and the copyright line.
std::string PageEnd(const SiteLook& look);

// The site title the pages name: the second title line, else the first.
std::string SiteTitle(const files::WebSiteSettings& settings);

}  // namespace kinloom::web
