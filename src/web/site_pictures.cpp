#include "web/site_pictures.h"

#include <cstdio>

#include "files/data_folders.h"
#include "platform/progress.h"
#include "web/site_files.h"

namespace kinloom::web {
namespace {

constexpr const char* kKindGroups[] = {"Documents", "Pictures", "Head Stones"};

bool ItemShown(const files::MediaItem& item, const PublishRule& rule) {
  const store::WriteMode mode = rule.settings().mode;
  const bool hide_list = mode == store::WriteMode::kHide || mode == store::WriteMode::kBoth;
  return !(hide_list && item.hide);
}

}  // namespace

bool PublishedPicture::IsPicture() const {
  const std::string extension = PublishedExtension(site_name);
  return extension == "jpg" || extension == "jpeg" || extension == "png" || extension == "gif" ||
         extension == "bmp" || extension == "webp";
}

PublishedPictures SelectPictures(const files::MediaAlbums& albums, const PublishRule& rule,
                                 const std::string& media_folder) {
  PublishedPictures published;
  for (const char* name : kKindGroups) published.groups.push_back({name, {}});
  published.groups.push_back({"Everything", {}});
  std::vector<PictureGroup> album_groups;
  for (int a = 0; a < albums.album_count(); ++a) {
    PictureGroup group{albums.album(a).name, {}};
    for (const files::MediaItem& item : albums.album(a).items) {
      const std::string extension = PublishedExtension(item.file);
      if (item.file.empty() || extension.empty() || !ItemShown(item, rule)) continue;
      const std::vector<int> linked = files::LinkedIndividuals(item.individuals);
      PublishedPicture picture;
      for (int n : linked) {
        if (rule.IsPublished(n)) picture.people.push_back(n);
      }
      if (!linked.empty() && picture.people.empty()) continue;
      picture.source_path = files::JoinPath(media_folder, BaseName(item.file));
      if (!files::FileExists(picture.source_path)) continue;
      char name[32];
      std::snprintf(name, sizeof name, "kln_m%04zu.", published.list.size() + 1);
      picture.item = &item;
      picture.album = a;
      picture.site_name = name + extension;
      const int position = static_cast<int>(published.list.size());
      if (item.kind >= 0 && item.kind < 3) {
        published.groups[static_cast<size_t>(item.kind)].pictures.push_back(position);
      }
      published.groups[3].pictures.push_back(position);
      group.pictures.push_back(position);
      published.list.push_back(std::move(picture));
    }
    if (!group.pictures.empty()) album_groups.push_back(std::move(group));
  }
  for (PictureGroup& group : album_groups) published.groups.push_back(std::move(group));
  return published;
}

bool CopyPicture(const std::string& source, const std::string& target, int width, int height,
                 const PictureScaler& scaler, Status* error) {
  if (width > 0 && scaler && scaler(source, target, width, height)) return true;
  std::string bytes;
  if (!ReadWholeFile(source, &bytes)) return false;
  Status written = WriteSiteFile(target, bytes);
  if (!written.ok()) {
    if (error->ok()) *error = written;
    return false;
  }
  return true;
}

Status CopyPublishedPictures(const PublishedPictures& pictures, const std::string& site,
                             const PictureScaler& scaler, platform::Interaction& ui) {
  platform::ProgressTicker ticker(ui, static_cast<int>(pictures.list.size()));
  Status error;
  for (size_t i = 0; i < pictures.list.size(); ++i) {
    ticker.Step();
    if (ticker.TextDue()) {
      char text[48];
      std::snprintf(text, sizeof text, "Copying Picture.....: %06zu", i + 1);
      ticker.SetText(text);
    }
    const PublishedPicture& picture = pictures.list[i];
    if (!CopyPicture(picture.source_path, site + "/med/" + picture.site_name, 0, 0, scaler,
                     &error)) {
      continue;
    }
    if (picture.IsPicture()) {
      CopyPicture(picture.source_path, site + "/tmb/" + picture.site_name, kThumbWidth,
                  kThumbHeight, scaler, &error);
    }
  }
  return error;
}

}  // namespace kinloom::web
