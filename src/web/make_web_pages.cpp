#include "web/make_web_pages.h"

#include "files/data_folders.h"
#include "web/publish_rule.h"
#include "web/site_files.h"
#include "web/site_job.h"

namespace kinloom::web {
namespace {

constexpr size_t kShortestFileName = 5;
constexpr std::string_view kCompleteText = "Web pages creation completed.";

}  // namespace

bool SwitchOffShortFileSettings(files::WebSiteSettings& settings) {
  bool changed = false;
  if (settings.title_background == files::TitleBackground::kPattern &&
      settings.title_pattern_file.size() < kShortestFileName) {
    settings.title_background = files::TitleBackground::kNone;
    changed = true;
  }
  if (!settings.title_as_text && settings.title_image_file.size() < kShortestFileName) {
    settings.title_as_text = true;
    changed = true;
  }
  if (settings.use_page_pattern && settings.page_pattern_file.size() < kShortestFileName) {
    settings.use_page_pattern = false;
    changed = true;
  }
  if (changed) settings.web_settings_changed = true;
  return changed;
}

WebPagesResult MakeWebPages(store::RecordStore& store, files::WebSiteSettings& settings,
                            const files::MediaAlbums& albums, const WebSiteFolders& folders,
                            const WebPagesOptions& options, platform::Interaction& ui) {
  WebPagesResult result;
  result.settings_changed = SwitchOffShortFileSettings(settings);
  const files::WebSiteType type = options.site_type.value_or(settings.site_type);
  const bool php = type == files::WebSiteType::kPhp;
  const std::string out = options.out_folder.empty() ? folders.out_folder : options.out_folder;

  SiteJob job;
  job.store = &store;
  job.settings = &settings;
  job.albums = &albums;
  job.publish = PublishSettingsFrom(settings);
  if (options.hide_living) job.publish.hide_living = *options.hide_living;
  if (options.mode) job.publish.mode = *options.mode;
  job.site = out + (php ? "/php" : "/htm");
  job.home_pictures = files::JoinPath(folders.web_root, "sys");
  job.media_folder = folders.media_folder;
  job.image_folder = folders.image_folder;
  job.script_folder = folders.script_folder;
  job.scaler = options.scaler;
  result.folder = job.site;

  store::BusyScope busy(store);
  SiteOutcome outcome;
  if (out.empty()) {
    outcome.status = Status::InvalidArgument("The tree has no web folder.");
  } else if (Status made = MakeSiteFolders(out, {}); !made.ok()) {
    outcome.status = made;
  } else {
    outcome = php ? MakePhpSite(job, ui) : MakeHtmlSite(job, ui);
  }
  ui.ProgressHide();
  result.status = outcome.status;
  result.completed = outcome.completed;
  result.people = outcome.people;
  result.pictures = outcome.pictures;
  if (!outcome.status.ok()) {
    ui.Message("*** Critical Error ***",
               "The web pages could not be made:\n" + outcome.status.message(),
               platform::Icon::kStop);
  } else if (outcome.completed) {
    ui.Message(php ? "*** Complete ***" : "Complete", kCompleteText, platform::Icon::kInformation);
  }
  return result;
}

WebPagesResult MakeWebPages(files::TreeWorkspace& work, const WebPagesOptions& options,
                            platform::Interaction& ui) {
  const files::DataFolders& data = work.folders();
  const std::string& tree = work.session().tree_name;
  WebSiteFolders folders;
  if (files::CheckTreeName(tree).ok()) {
    folders.web_root = files::JoinPath(data.web, tree);
    folders.out_folder = folders.web_root;
  }
  folders.media_folder = data.media;
  folders.image_folder = data.image;
  folders.script_folder = files::JoinPath(data.system, "web/php");
  if (!folders.web_root.empty()) files::MakeTreeWebFolders(data, tree);
  // A tree whose settings were never saved gets the copyright line the settings page shows.
  files::WebSiteSettings& settings = work.web_settings();
  if (settings.copyright_owner.empty() && settings.copyright_year.empty()) {
    settings.copyright_owner = tree.substr(0, files::kCopyrightOwnerLength);
    settings.copyright_year = std::to_string(ui.clock().CurrentYear());
  }
  WebPagesResult result = MakeWebPages(work.store(), settings, work.albums(), folders, options, ui);
  if (result.settings_changed) work.session().changed.web_settings_changed = true;
  return result;
}

}  // namespace kinloom::web
