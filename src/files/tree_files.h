#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/data_folders.h"
#include "files/folder_copy.h"
#include "files/tree_removal.h"
#include "files/tree_session.h"
#include "platform/file_io.h"
#include "platform/interaction.h"
#include "platform/status.h"
#include "store/gedcom_reader.h"
#include "store/gedcom_writer.h"
#include "store/record_store.h"

namespace kinloom::files {

// What reading a tree's .ged did.
struct GedcomRead {
  store::ReadOutcome outcome = store::ReadOutcome::kMissing;
  bool tree_modified = false;  // the store's TreeModified after the read
};

// Reads a .ged into the store (or merges it into the open tree) with its finishing steps. The
// program that opens trees chooses them: the programs add the link check, which lives above
// this layer.
using TreeReader = std::function<store::ReadResult(store::RecordStore& store,
                                                   const std::string& path, bool merge)>;
// The reader with the core's finishing steps only, for tools and tests that check no links.
TreeReader CoreTreeReader();

// The readers an open runs, each given the path of its file. An empty step is skipped.
struct OpenSteps {
  std::function<void(const std::string& path)> read_sources;  // sources.web
  std::function<GedcomRead(const std::string& path, bool merge)> read_gedcom;
  std::function<void(const std::string& path)> read_config;  // the .cfg
  std::function<void(const std::string& path)> read_albums;  // the .med
};

// The writers a save runs, in this order: the albums mark the sources their items cite, and
// the GEDCOM writer writes only cited sources. Each writes through the platform's FileSystem
// and reports what failed. An empty step is skipped.
struct SaveSteps {
  std::function<Status(const std::string& path, store::WriteMode mode)> write_albums;
  std::function<Status(const std::string& path, store::WriteMode mode)> write_gedcom;
  std::function<Status(const std::string& path)> write_config;
  std::function<Status(const std::string& path)> write_sources;
};

// The GEDCOM steps wired to the checked reader and the writer; the side-file steps are left
// for their owners to fill in.
OpenSteps GedcomOpenSteps(store::RecordStore& store, TreeReader read_tree);
SaveSteps GedcomSaveSteps(store::RecordStore& store, platform::FileSystem& file_system);

struct OpenRequest {
  std::string path;            // the .ged; a bare name is looked for in the gedcom folder
  bool merge = false;          // read it into the open tree instead
  bool sole_argument = false;  // the only command-line argument: its origin is always other
  int copy_number = 0;         // above 0 for a second window, which is then read-only
};

// Opens a tree (or merges one into the open tree): sets the session's name, origin and state,
// reads sources.web, the .ged from the folder it was opened from, and the .cfg and .med from
// the config folder (or the backup folder for a backup), and restarts the automatic-save
// period. A file that is missing opens a new, empty tree. Fails, with a message, for a name
// that cannot be a tree name, and when the reader gave up.
Status OpenTree(TreeSession& session, const DataFolders& folders, const OpenRequest& request,
                const OpenSteps& steps, platform::Interaction& ui);

// The side files read when a tree opens.
enum class SideFile { kConfig, kAlbums, kSources };

// Takes the outcome of reading a side file into the session. A file that exists but cannot be
// read is reported (what it holds, the file and why) unless it was already known so, and is
// then not written over while the tree stays open; a file that was read, or is missing, is
// written again at the next save.
void NoteSideFileRead(TreeSession& session, SideFile file, const std::string& path,
                      const Status& read, platform::Interaction& ui);

// Writes every file of the tree under its name: the web folders, the .med, .ged, .cfg and
// sources.web. A file that fails keeps its previous contents; the failure is reported naming
// the file, the tree stays marked changed and SaveState is left as it was. Refused with a
// message for a read-only tree or an unsafe name; an empty name saves nothing.
Status SaveAll(TreeSession& session, const DataFolders& folders, const SaveSteps& steps,
               platform::Interaction& ui);

// The save dialog's save button, before saving: with the backup-needed flag set, moves the
// name's .ged, .med and .cfg into the backup folder under the next backup prefix; without it,
// sets SaveState so that the save that follows leaves it at 1. Restarts the automatic-save
// period. A file that cannot be moved is reported, and then nothing must be saved over it.
Status BackupTreeFiles(TreeSession& session, const DataFolders& folders, const std::string& name,
                       platform::Interaction& ui);

// The save dialog's save: backs up what the name replaces (as the dialog decided), takes the
// name as the tree name and saves all.
Status SaveUnderName(TreeSession& session, const DataFolders& folders, const std::string& name,
                     const SaveSteps& steps, platform::Interaction& ui);

// A save without the dialog (closing, automatic save). The first save of a session turns the
// files it replaces into a backup set, so the opened files, or another tree's files of the same
// name, are never overwritten unseen.
Status SaveWithoutDialog(TreeSession& session, const DataFolders& folders, const SaveSteps& steps,
                         platform::Interaction& ui);

// Closing the window writes the tree's .cfg and sources.web once more, whatever the answer to
// the save-changes question; a read-only window writes neither. A file that fails keeps its
// previous contents and is reported, naming it.
Status WriteSettingsOnClose(TreeSession& session, const DataFolders& folders,
                            const SaveSteps& steps, platform::Interaction& ui);

// One tick of the automatic-save timer: decides, saves when it is time, and returns the
// decision so the caller can set the timer.
AutoSaveDecision AutoSaveTick(TreeSession& session, const DataFolders& folders, bool busy,
                              const SaveSteps& steps, platform::Interaction& ui);

// Writes a reduced copy (albums and GEDCOM only) under the next counter's copy name and
// reports it; the open tree keeps its name. Returns the copy's name, or empty on failure.
[[nodiscard]] std::string SaveReducedCopy(TreeSession& session, const DataFolders& folders,
                                          ReducedCopy kind, const SaveSteps& steps,
                                          platform::Interaction& ui);

}  // namespace kinloom::files
