#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/media_albums.h"
#include "platform/interaction.h"
#include "platform/status.h"
#include "web/publish_rule.h"

namespace kinloom::web {

// Makes a smaller copy of a picture: reads `source`, writes `target` fitted into width by
// height pixels; false when it cannot (the picture is then copied as it is, and the pages show
// it at that size). The desktop program passes one that scales with its picture library.
using PictureScaler = std::function<bool(const std::string& source, const std::string& target,
                                         int width, int height)>;

inline constexpr int kThumbWidth = 200, kThumbHeight = 150;        // album pictures
inline constexpr int kPortraitWidth = 150, kPortraitHeight = 200;  // a person's picture
inline constexpr int kSlideWidth = 362, kSlideHeight = 217;        // home-page slides

// One album item the site shows.
struct PublishedPicture {
  const files::MediaItem* item = nullptr;
  int album = 0;
  std::string site_name;    // "kln_m0001.jpg": the copy's name in "med" and "tmb"
  std::string source_path;  // the file in the media folder
  std::vector<int> people;  // the published individuals it shows
  bool IsPicture() const;   // a kind of file a browser shows as a picture
};

// A list of pictures shown together: "Documents", "Pictures", "Head Stones", "Everything", then
// one per album.
struct PictureGroup {
  std::string name;
  std::vector<int> pictures;  // positions in PublishedPictures::list
};

struct PublishedPictures {
  std::vector<PublishedPicture> list;
  std::vector<PictureGroup> groups;  // the four kinds first, then the albums with pictures
};

// The album items a site shows: items that name a file of a known kind that exists in the
// media folder; not those on the hide list (when the hide lists apply), and not those whose
// people are all excluded. People who are excluded are left off an item's list.
PublishedPictures SelectPictures(const files::MediaAlbums& albums, const PublishRule& rule,
                                 const std::string& media_folder);

// Copies one file into the site, scaled when a size and a scaler are given; a file that cannot
// be read is skipped (false).
bool CopyPicture(const std::string& source, const std::string& target, int width, int height,
                 const PictureScaler& scaler, Status* error);

// Copies the pictures into "med" (as they are) and "tmb" (scaled), showing
// "Copying Picture.....: %06i". A picture that has gone missing is skipped.
[[nodiscard]] Status CopyPublishedPictures(const PublishedPictures& pictures,
                                           const std::string& site, const PictureScaler& scaler,
                                           platform::Interaction& ui);

}  // namespace kinloom::web
