#pragma once

#include <optional>
#include <string>

#include "files/media_albums.h"
#include "files/tree_workspace.h"
#include "files/web_settings.h"
#include "platform/interaction.h"
#include "platform/status.h"
#include "store/gedcom_writer.h"
#include "store/record_store.h"
#include "web/site_pictures.h"

namespace kinloom::web {

// Choices a caller may make beyond the web-site settings. The desktop button passes none; the
// command line passes what its options name.
struct WebPagesOptions {
  std::string out_folder;                       // empty: the tree's web folder
  std::optional<files::WebSiteType> site_type;  // else the settings' choice
  std::optional<bool> hide_living;              // else "Hide All Living Individuals"
  std::optional<store::WriteMode> mode;         // else from the hide and split boxes
  PictureScaler scaler;                         // empty: pictures are copied as they are
};

struct [[nodiscard]] WebPagesResult {
  Status status;           // what failed; ok when the site was written or the user was told why not
  bool completed = false;  // the site was written whole
  std::string folder;      // the site's folder (".../htm" or ".../php")
  int people = 0;          // individuals published
  int pictures = 0;        // album pictures published
  bool settings_changed = false;  // a setting naming a file too short to be one was switched off
};

// Settings that name a file too short to be one are switched off before the pages are made:
// a title pattern (under 5 characters) gives the plain background, a title image the text
// title, a page background nothing. Returns whether anything changed.
bool SwitchOffShortFileSettings(files::WebSiteSettings& settings);

// Where a tree's site is made from and written to.
struct WebSiteFolders {
  std::string web_root;       // the tree's web folder (data folder "web" + "/" + tree name)
  std::string out_folder;     // where "htm" or "php" is written: the web root or another folder
  std::string media_folder;   // the album pictures
  std::string image_folder;   // title image and patterns
  std::string script_folder;  // the program's "web/php" scripts in its system folder
};

// "Make Web Pages": switches off settings that name too short a file, then builds the PHP site
// when the settings choose it, else the HTML site, in its folder under the tree's web folder.
// The progress window shows each step and is closed at the end; completion, refusal (more than
// 100,000 people in an HTML site) and failure are told through `ui`.
WebPagesResult MakeWebPages(store::RecordStore& store, files::WebSiteSettings& settings,
                            const files::MediaAlbums& albums, const WebSiteFolders& folders,
                            const WebPagesOptions& options, platform::Interaction& ui);

// The same for the open tree of a workspace (the desktop program's and the command line's).
WebPagesResult MakeWebPages(files::TreeWorkspace& work, const WebPagesOptions& options,
                            platform::Interaction& ui);

}  // namespace kinloom::web
