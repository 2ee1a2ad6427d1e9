#pragma once

#include <string>
#include <vector>

#include "files/data_folders.h"
#include "files/media_albums.h"
#include "files/program_settings.h"
#include "files/tree_files.h"
#include "files/tree_session.h"
#include "files/web_settings.h"
#include "platform/file_io.h"
#include "store/record_store.h"

namespace kinloom::files {

// Everything a program that works on the data home holds for the open tree: its folders, the
// session, the records, the web-site settings and the program's options, with the open and
// save steps wired to their readers and writers. The desktop program and the command-line
// tool share it.
class TreeWorkspace {
 public:
  // `read_tree` reads the .ged with the finishing steps the program wants.
  TreeWorkspace(store::RecordStore& store, DataFolders folders, platform::FileSystem& file_system,
                TreeReader read_tree);

  store::RecordStore& store() { return store_; }
  const DataFolders& folders() const { return folders_; }
  TreeSession& session() { return session_; }
  WebSiteSettings& web_settings() { return web_settings_; }
  ProgramSettings& program_settings() { return program_settings_; }
  MediaAlbums& albums() { return albums_; }
  TreeSettings& tree_settings() { return tree_settings_; }
  platform::FileSystem& file_system() { return file_system_; }
  // What the last read of a .ged (an open or a merge) dropped or changed.
  const store::DroppedLines& last_dropped() const { return last_dropped_; }

  // The readers report a side file that exists but cannot be read (NoteSideFileRead); the
  // writers leave such a file as it is while the session holds it as unreadable.
  OpenSteps OpenStepsWired();
  SaveSteps SaveStepsWired();

  // The .ged a command names: a path to a file, or the name of a tree of the gedcom folder.
  std::string ResolveTree(const std::string& name_or_path) const;

 private:
  store::RecordStore& store_;
  DataFolders folders_;
  platform::FileSystem& file_system_;
  TreeSession session_;
  WebSiteSettings web_settings_;
  ProgramSettings program_settings_;
  MediaAlbums albums_;
  TreeSettings tree_settings_;
  std::vector<int> sources_cited_by_items_;  // from the album step to the GEDCOM step
  TreeReader read_tree_;
  store::DroppedLines last_dropped_;
};

}  // namespace kinloom::files
