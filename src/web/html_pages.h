#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "web/html_addresses.h"
#include "web/page_frame.h"
#include "web/person_view.h"
#include "web/site_pictures.h"

namespace kinloom::web {

// What the pages of a static site are written from.
struct HtmlContext {
  SiteLook look;
  const HtmlAddresses* addresses = nullptr;
  const PersonViews* views = nullptr;
  const PublishedPictures* pictures = nullptr;
  std::vector<std::string> portraits;  // by individual: the picture's name in "tmb", or ""
  int first_person = 0;                // the person the menu shows on pages of no one
  int picture_pages = 0;

  store::RecordStore& store() const { return views->store(); }
  const PublishRule& rule() const { return views->rule(); }
};

// The tab menu of a page in a folder one deep ("../") or at the top (""); the individual,
// ancestor and descendant entries lead to `individual`'s pages.
Menu HtmlMenu(const HtmlContext& context, std::string_view root, int individual, MenuEntry active);

// A link to a person's page, or "Private" for someone excluded. `href` is the site's address
// of the page; the name is the tree's text.
void AppendPersonLink(std::string& out, const PersonLink& link, const std::string& href);

// The pages. Each returns the whole file.
std::string IndividualPageFile(const HtmlContext& context, const std::vector<int>& people);
std::string AncestorPageFile(const HtmlContext& context, const std::vector<int>& people);
std::string DescendantPageFile(const HtmlContext& context, const std::vector<int>& people);
std::string IndexPageFile(const HtmlContext& context, int page);
std::string HomePageFile(const HtmlContext& context, const std::vector<std::string>& slides);
std::string ContactPageFile(const HtmlContext& context);
// Picture pages: one group's pictures per page, 24 to a page.
inline constexpr int kPicturesPerPage = 24;
struct PicturePage {
  int group = 0;
  int first = 0;   // position in the group's list
  int number = 0;  // the page's number among all picture pages, from 1
};
std::vector<PicturePage> PlanPicturePages(const PublishedPictures& pictures);
std::string PicturePageFile(const HtmlContext& context, const std::vector<PicturePage>& plan,
                            size_t page);
std::string PicturePageName(int number);

// The pieces the home and contact pages share with the script-driven site.
// What the home page offers beside the message: how many people the site holds, the index and
// the person it starts from (site addresses; the name is the tree's text).
struct HomeLinks {
  int people = 0;
  std::string index;
  std::string person;
  std::string person_name;
};
std::string HomePageBody(const files::WebSiteSettings& settings,
                         const std::vector<std::string>& slides, std::string_view root,
                         const HomeLinks& links);
std::string ContactPageBody(const files::WebSiteSettings& settings);

}  // namespace kinloom::web
