#include "files/tree_workspace.h"

#include "core/source_records.h"
#include "files/album_file.h"
#include "files/config_file.h"
#include "files/search_sources.h"
#include "store/gedcom_writer.h"

namespace kinloom::files {

TreeWorkspace::TreeWorkspace(store::RecordStore& store, DataFolders folders,
                             platform::FileSystem& file_system, TreeReader read_tree)
    : store_(store),
      folders_(std::move(folders)),
      file_system_(file_system),
      read_tree_(std::move(read_tree)) {}

OpenSteps TreeWorkspace::OpenStepsWired() {
  OpenSteps steps;
  steps.read_gedcom = [this](const std::string& path, bool merge) {
    store::ReadResult read = read_tree_(store_, path, merge);
    last_dropped_ = std::move(read.dropped);
    return GedcomRead{read.outcome, store_.tree_modified()};
  };
  steps.read_sources = [this](const std::string& path) {
    const Status read = ReadSourcesWeb(file_system_, path, &program_settings_);
    NoteSideFileRead(session_, SideFile::kSources, path, read, store_.ui());
    // The options own what is stored; the session works with copies.
    session_.backup_counter = program_settings_.backup_counter;
    session_.auto_save.enabled = program_settings_.auto_save;
    session_.auto_save.minutes = program_settings_.auto_save_minutes;
    // Known before the tree is read, so the chart caches are built once with the right heights.
    store_.set_show_chart_pictures(program_settings_.profile_picture);
  };
  steps.read_config = [this](const std::string& path) {
    ConfigFileStart start{session_.tree_name, store_.ui().clock().CurrentYear()};
    const Status read = ReadConfigFile(file_system_, path, start, &web_settings_);
    if (read.ok()) web_settings_.web_settings_changed = false;
    NoteSideFileRead(session_, SideFile::kConfig, path, read, store_.ui());
  };
  steps.read_albums = [this](const std::string& path) {
    const Status read = ReadAlbumFile(file_system_, path, store_, &albums_, &tree_settings_);
    NoteSideFileRead(session_, SideFile::kAlbums, path, read, store_.ui());
  };
  return steps;
}

SaveSteps TreeWorkspace::SaveStepsWired() {
  SaveSteps steps;
  // The albums go first: they tell the GEDCOM writer which sources their items cite. A side file
  // that could not be read is left as it is (it was reported then): the settings in memory are
  // defaults, not what the file holds.
  steps.write_albums = [this](const std::string& path, store::WriteMode mode) {
    sources_cited_by_items_ = SourcesCitedByItems(albums_, store_, mode);
    if (session_.unreadable.Holds(path)) {
      albums_.set_changed(false);
      return Status::Ok();
    }
    return WriteAlbumFile(file_system_, path, store_, albums_, tree_settings_, mode);
  };
  steps.write_gedcom = [this](const std::string& path, store::WriteMode mode) {
    std::vector<int> cited = sources_cited_by_items_;
    // A source made in the sources dialog, or held by a quick-source button, is kept before
    // anything cites it; a reduced copy takes only the sources its records cite.
    if (mode == store::WriteMode::kNormal) {
      const std::vector<int> kept = core::SourcesKeptUncited(store_, tree_settings_.quick_sources);
      cited.insert(cited.end(), kept.begin(), kept.end());
    }
    return store::WriteTree(store_, path, mode, file_system_, cited);
  };
  steps.write_config = [this](const std::string& path) {
    if (session_.unreadable.Holds(path)) {
      web_settings_.web_settings_changed = false;
      return Status::Ok();
    }
    Status written = WriteConfigFile(file_system_, path, web_settings_);
    if (written.ok()) web_settings_.web_settings_changed = false;
    return written;
  };
  steps.write_sources = [this](const std::string& path) {
    program_settings_.backup_counter = session_.backup_counter;
    program_settings_.auto_save = session_.auto_save.enabled;
    program_settings_.auto_save_minutes = session_.auto_save.minutes;
    if (session_.unreadable.Holds(path)) {
      program_settings_.sources_changed = false;
      return Status::Ok();
    }
    return SaveSourcesWeb(file_system_, path, &program_settings_);
  };
  return steps;
}

std::string TreeWorkspace::ResolveTree(const std::string& name_or_path) const {
  if (name_or_path.find('/') != std::string::npos || FileExists(name_or_path)) {
    return name_or_path;
  }
  return TreeFile(folders_.gedcom, WithoutGedExtension(name_or_path), ".ged");
}

}  // namespace kinloom::files
