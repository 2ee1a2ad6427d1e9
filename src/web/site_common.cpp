#include <cstdio>

#include "files/data_folders.h"
#include "files/media_albums.h"
#include "web/site_files.h"
#include "web/site_job.h"

namespace kinloom::web {
namespace {

// The site's name for an image of the settings: the stem with the file's own extension; empty
// for a file of no known picture kind.
std::string SiteImageName(const std::string& file, const std::string& stem) {
  std::string extension = PublishedExtension(file);
  if (extension.empty() && file.size() > 4 && file.ends_with(".ico")) extension = "ico";
  return extension.empty() ? std::string() : stem + "." + extension;
}

// Copies one image of the settings from the image folder under `name`; the name, or empty
// when there is no such file.
std::string CopyImage(const SiteJob& job, const std::string& file, const std::string& name,
                      Status* error) {
  if (file.empty() || name.empty()) return {};
  const std::string source = files::JoinPath(job.image_folder, BaseName(file));
  if (!CopyPicture(source, job.site + "/sys/" + name, 0, 0, nullptr, error)) return {};
  return name;
}

}  // namespace

SiteImages CopySiteImages(const SiteJob& job, Status* error) {
  const files::WebSiteSettings& settings = *job.settings;
  SiteImages images;
  if (!settings.title_as_text && !SiteImageName(settings.title_image_file, "title").empty()) {
    // Always "title.jpg" or "title.gif"; browsers tell other kinds by their bytes.
    const bool gif = PublishedExtension(settings.title_image_file) == "gif";
    images.title_image =
        CopyImage(job, settings.title_image_file, gif ? "title.gif" : "title.jpg", error);
  }
  if (settings.title_background == files::TitleBackground::kPattern) {
    images.title_pattern =
        CopyImage(job, settings.title_pattern_file,
                  SiteImageName(settings.title_pattern_file, "kln_pattern"), error);
  }
  if (settings.use_page_pattern) {
    images.page_pattern =
        CopyImage(job, settings.page_pattern_file,
                  SiteImageName(settings.page_pattern_file, "kln_page_bg"), error);
  }
  images.fav_icon = CopyImage(job, settings.fav_icon_file,
                              SiteImageName(settings.fav_icon_file, "kln_favicon"), error);
  return images;
}

std::vector<std::string> CopyHomeSlides(const SiteJob& job, Status* error) {
  std::vector<std::string> slides;
  for (int i = 1; i <= 9; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "kln_home%d.jpg", i);
    const std::string source = files::JoinPath(job.home_pictures, name);
    if (!files::FileExists(source)) continue;
    if (CopyPicture(source, job.site + "/sys/" + name, kSlideWidth, kSlideHeight, job.scaler,
                    error)) {
      slides.emplace_back(name);
    }
  }
  return slides;
}

std::string CopyPortrait(const SiteJob& job, int individual, Status* error) {
  const store::IndividualRecord* record = job.store->individual(individual);
  if (record == nullptr) return {};
  const std::string file = files::ProfilePictureFile(record->lines);
  const std::string extension = PublishedExtension(file);
  if (file.empty() || extension.empty()) return {};
  const std::string source = files::JoinPath(job.media_folder, BaseName(file));
  if (!files::FileExists(source)) return {};
  char name[32];
  std::snprintf(name, sizeof name, "kln_t%06d.", individual);
  const std::string site_name = name + extension;
  if (!CopyPicture(source, job.site + "/tmb/" + site_name, kPortraitWidth, kPortraitHeight,
                   job.scaler, error)) {
    return {};
  }
  return site_name;
}

Status WriteStyleSheets(const SiteJob& job, const SiteImages& images) {
  const files::WebSiteSettings& settings = *job.settings;
  const std::string sys = job.site + "/sys/";
  const std::pair<const char*, std::string> sheets[] = {
      {kPageStyleFile, PageStyleSheet(settings, images)},
      {kChartStyleFile, ChartStyleSheet(settings)},
      {kIndexStyleFile, IndexStyleSheet(settings)},
      {kSlideStyleFile, SlideStyleSheet(settings)}};
  for (const auto& [name, css] : sheets) {
    if (Status written = WriteSiteFile(sys + name, css); !written.ok()) return written;
  }
  return Status::Ok();
}

}  // namespace kinloom::web
