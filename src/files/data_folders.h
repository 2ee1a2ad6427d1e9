#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/file_io.h"
#include "platform/status.h"

namespace kinloom::files {

// The longest tree name the save dialog's name field takes.
inline constexpr size_t kMaxTreeNameLength = 64;

// The environment variables the folders are derived from; an unset variable is empty.
struct Environment {
  std::string kinloom_home;     // $KINLOOM_HOME
  std::string xdg_data_home;    // $XDG_DATA_HOME
  std::string xdg_config_home;  // $XDG_CONFIG_HOME
  std::string home;             // $HOME

  static Environment FromProcess();
};

// The folder every data folder lives in: the --home option when given, else $KINLOOM_HOME,
// else $XDG_DATA_HOME/kinloom, else $HOME/.local/share/kinloom. Empty when none is known.
std::string DataHome(std::string_view home_option, const Environment& env);

// The data folders. The system folder ships with the program and is never created; the others
// sit in the data home.
struct DataFolders {
  std::string home;
  std::string system;
  std::string gedcom;    // the trees' .ged files
  std::string media;     // pictures and documents the trees use
  std::string config;    // each tree's .med and .cfg, and sources.web
  std::string thumb;     // cut-outs of pictures
  std::string image;     // images for the web site's title and patterns
  std::string my_files;  // the user's own files, saved reports and chart images
  std::string backup;    // numbered backups of replaced tree files
  std::string web;       // the generated web sites, one folder per tree
};

DataFolders DataFoldersAt(std::string_view home, std::string_view system_folder);

// Creates the data home and every missing data folder but the system folder, in the order
// above. Fails, naming the folder, when one cannot be made.
Status MakeDataFolders(const DataFolders& folders);

// The first of the candidates that is an existing folder, or empty: the system folder is looked
// for beside the installed program and in the source tree.
std::string FindSystemFolder(const std::vector<std::string>& candidates);

// Where the file and folder choosers of the copy and browse functions start.
struct UserFolders {
  std::string documents;
  std::string public_documents;
  std::string pictures;
};

// From the text of the desktop's user-dirs.dirs file (XDG_DOCUMENTS_DIR="$HOME/Documents" ...);
// a folder the text does not name is the home folder.
UserFolders UserFoldersFrom(const Environment& env, std::string_view user_dirs);
// Reads $XDG_CONFIG_HOME/user-dirs.dirs (or ~/.config/user-dirs.dirs) when there is one.
UserFolders FindUserFolders(const Environment& env);

// folder + "/" + name.
std::string JoinPath(std::string_view folder, std::string_view name);
// The file of a tree in a folder: folder + "/" + tree + extension (".ged", ".med", ".cfg").
std::string TreeFile(std::string_view folder, std::string_view tree, std::string_view extension);
std::string SourcesFile(const DataFolders& folders);

// The tree's web folders in the order they are made: the web root, its "sys" and "php", the
// "php" folders, "htm" and the "htm" folders.
std::vector<std::string> TreeWebFolders(const DataFolders& folders, std::string_view tree);
// Creates the missing web folders of a tree; a folder that cannot be made is left out.
void MakeTreeWebFolders(const DataFolders& folders, std::string_view tree);

// A tree name becomes a file name in several folders, so it must stay a plain name: not empty,
// no "/" or "\", no "..", not ".", no control characters. The failure carries the message
// the user is shown.
Status CheckTreeName(std::string_view name);
inline constexpr std::string_view kTreeNameCaption = " *** Family Tree Name ***";

// Whether path lies inside folder once both are made absolute and their ".", ".." and
// symbolic links are resolved.
bool IsInsideFolder(std::string_view folder, std::string_view path);

// Whether two paths name the same folder once both are resolved as above.
bool SameFolder(std::string_view a, std::string_view b);

bool FileExists(const std::string& path);

// The names of the files (not sub-folders) in a folder, sorted. *listed, when given, turns
// false when the folder cannot be read.
std::vector<std::string> FolderFileNames(const std::string& folder, bool* listed);
// Whether source was written later than target; a missing target counts as older.
bool IsNewerFile(const std::string& source, const std::string& target);
// When a file was last written, in local time: "Sunday, December 6, 2026 at 09:05 AM".
std::string FileTimeText(const std::string& path);

// Deletes every file of a folder (not its sub-folders) and, when asked, the folder itself.
// Returns what could not be deleted, each as "path: why"; a folder that is not there is none.
[[nodiscard]] std::vector<std::string> DeleteFolderFiles(platform::FileSystem& file_system,
                                                         const std::string& folder,
                                                         bool remove_folder);
// Deletes the backups whose date, rounded to the nearest day, lies more than days_to_keep days
// before today (0 keeps only today's).
void DeleteOldBackups(const DataFolders& folders, int days_to_keep, const platform::DateTime& now);

}  // namespace kinloom::files
