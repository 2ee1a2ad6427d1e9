#pragma once

#include <string>
#include <vector>

#include "files/media_albums.h"
#include "files/web_settings.h"
#include "platform/interaction.h"
#include "platform/status.h"
#include "store/record_store.h"
#include "web/publish_rule.h"
#include "web/site_pictures.h"
#include "web/style_sheets.h"

namespace kinloom::web {

// Everything one run of the generator works from.
struct SiteJob {
  store::RecordStore* store = nullptr;
  const files::WebSiteSettings* settings = nullptr;
  const files::MediaAlbums* albums = nullptr;
  PublishSettings publish;
  std::string site;           // the folder written: ".../htm" or ".../php"
  std::string home_pictures;  // the tree's web folder "sys": kln_home1.jpg ... kln_home9.jpg
  std::string media_folder;   // the album pictures
  std::string image_folder;   // title image and patterns
  std::string script_folder;  // the scripts a script-driven site is served by
  PictureScaler scaler;
};

// What a run did.
struct SiteOutcome {
  Status status;           // the first failure, when there was one
  bool completed = false;  // every file written
  int people = 0;          // individuals published
  int pictures = 0;        // album pictures published
};

// The static site of HTML pages; shows "Cannot Complete" above 100,000 people.
SiteOutcome MakeHtmlSite(const SiteJob& job, platform::Interaction& ui);
// The data files, scripts and pages of the script-driven site.
SiteOutcome MakePhpSite(const SiteJob& job, platform::Interaction& ui);

// Shared steps of both kinds of site.
// Copies the title image, the patterns and the browser icon named in the settings from the
// image folder into the site's "sys" folder under the site's own names.
SiteImages CopySiteImages(const SiteJob& job, Status* error);
// Copies the home-page slides that exist ("kln_home1.jpg" ... "kln_home9.jpg") into "sys" and
// returns their names.
std::vector<std::string> CopyHomeSlides(const SiteJob& job, Status* error);
// Copies a person's picture into "tmb" as "kln_t%06d" with its extension; the name, or empty
// when the person has no picture or its file is missing.
std::string CopyPortrait(const SiteJob& job, int individual, Status* error);
// Writes the four style sheets into "sys".
[[nodiscard]] Status WriteStyleSheets(const SiteJob& job, const SiteImages& images);

}  // namespace kinloom::web
