#include "files/tree_files.h"

#include <filesystem>
#include <string_view>
#include <utility>

#include "core/tree_reading.h"

namespace kinloom::files {
namespace {

namespace fs = std::filesystem;
using platform::Icon;

constexpr std::string_view kSaveFailedCaption = " *** Save Failed ***";
constexpr std::string_view kUnreadableCaption = " *** File Cannot Be Read ***";

bool RefuseName(std::string_view name, platform::Interaction& ui, Status* status) {
  *status = CheckTreeName(name);
  if (status->ok()) return false;
  ui.Message(kTreeNameCaption, status->message(), Icon::kExclamation);
  return true;
}

// Runs one writer of a save; a failure is added to the list, naming the file.
bool RunStep(const Status& status, const std::string& path, std::vector<std::string>* failures) {
  if (status.ok()) return true;
  failures->push_back(path + "\n    " + status.message());
  return false;
}

Status ReportSaveFailures(std::string_view headline, const std::vector<std::string>& failures,
                          std::string_view advice, platform::Interaction& ui) {
  std::string text =
      std::string(headline) + "\nThese files were not written and keep their previous contents:\n";
  for (const std::string& failure : failures) text += "\n" + failure;
  if (!advice.empty()) text += "\n\n" + std::string(advice);
  ui.Message(kSaveFailedCaption, text, Icon::kStop);
  return Status::IoError(text);
}

Status ReportSaveFailures(const std::vector<std::string>& failures, platform::Interaction& ui) {
  return ReportSaveFailures(
      "The family tree could not be saved completely.", failures,
      "The changes are still in the program: save again when the problem is solved.", ui);
}

std::string_view SideFileContents(SideFile file) {
  switch (file) {
    case SideFile::kConfig:
      return "The web-site settings of the family tree";
    case SideFile::kAlbums:
      return "The albums and settings of the family tree";
    case SideFile::kSources:
      return "The program's options and internet search sources";
  }
  return "";
}

std::string& UnreadablePath(TreeSession& session, SideFile file) {
  switch (file) {
    case SideFile::kConfig:
      return session.unreadable.config;
    case SideFile::kAlbums:
      return session.unreadable.albums;
    case SideFile::kSources:
      break;
  }
  return session.unreadable.sources;
}

TreeOrigin OriginOf(const DataFolders& folders, const std::string& folder, bool sole_argument) {
  if (sole_argument) return TreeOrigin::kOther;
  if (SameFolder(folder, folders.gedcom)) return TreeOrigin::kGedcomFolder;
  if (SameFolder(folder, folders.backup)) return TreeOrigin::kBackupFolder;
  return TreeOrigin::kOther;
}

// Where the side files of a tree of this origin are read from; empty: not read at all.
std::string SideFileFolder(const DataFolders& folders, TreeOrigin origin) {
  if (origin == TreeOrigin::kGedcomFolder) return folders.config;
  if (origin == TreeOrigin::kBackupFolder) return folders.backup;
  return "";
}

// A backup set is never written over: when the counter was lost with sources.web (missing, or
// unreadable and so not in use), the numbers the tree's backups already have are passed over.
constexpr long long kBackupPrefixes = 36LL * 36 * 36 * 36;
bool BackupSetUsed(const DataFolders& folders, const TreeSession& session,
                   const std::string& name) {
  for (const char* extension : {".ged", ".med", ".cfg"}) {
    std::error_code ec;
    if (fs::exists(BackupName(folders.backup, session.backup_counter, name, extension), ec)) {
      return true;
    }
  }
  return false;
}

// The reader refuses a file that is too large or cannot be read, and keeps the open tree.
Status ReaderGaveUp(store::ReadOutcome outcome, const std::string& path) {
  if (outcome == store::ReadOutcome::kTooManyRecords) {
    return Status::InvalidFormat("The family tree is too large to open:\n" + path);
  }
  if (outcome == store::ReadOutcome::kUnreadable) {
    return Status::IoError("The family tree could not be read:\n" + path);
  }
  return Status::Ok();
}

Status MergeTree(TreeSession& session, const std::string& path, const OpenSteps& steps) {
  if (!steps.read_gedcom) return Status::Ok();
  GedcomRead read = steps.read_gedcom(path, true);
  if (read.tree_modified) session.changed.tree_modified = true;
  return ReaderGaveUp(read.outcome, path);
}

void StartSession(TreeSession& session, const std::string& name, TreeOrigin origin,
                  const std::string& folder, int copy_number) {
  session.save_state = kOpenedSaveState;
  session.tree_name = name;
  session.origin = origin;
  session.opened_folder = folder;
  session.backup_needed = false;
  session.changed = {};
  // sources.web is the program's, not the tree's: it stays kept until it can be read again.
  session.unreadable.config.clear();
  session.unreadable.albums.clear();
  if (copy_number > 0) {
    session.copy_number = copy_number;
    session.read_only = true;
    session.auto_save.enabled = false;
  }
}

}  // namespace

TreeReader CoreTreeReader() {
  return [](store::RecordStore& store, const std::string& path, bool merge) {
    return store::ReadTree(store, path, merge, core::CoreReadSteps());
  };
}

OpenSteps GedcomOpenSteps(store::RecordStore& store, TreeReader read_tree) {
  OpenSteps steps;
  steps.read_gedcom = [&store, read = std::move(read_tree)](const std::string& path, bool merge) {
    const store::ReadResult read_result = read(store, path, merge);
    return GedcomRead{read_result.outcome, store.tree_modified()};
  };
  return steps;
}

SaveSteps GedcomSaveSteps(store::RecordStore& store, platform::FileSystem& file_system) {
  SaveSteps steps;
  steps.write_gedcom = [&store, &file_system](const std::string& path, store::WriteMode mode) {
    return store::WriteTree(store, path, mode, file_system);
  };
  return steps;
}

Status OpenTree(TreeSession& session, const DataFolders& folders, const OpenRequest& request,
                const OpenSteps& steps, platform::Interaction& ui) {
  const fs::path given(request.path);
  std::string folder = given.parent_path().string();
  if (folder.empty()) folder = folders.gedcom;
  const std::string file = given.filename().string();
  const std::string path = JoinPath(folder, file);
  // The open tree keeps its origin when another file is merged into it.
  if (request.merge) return MergeTree(session, path, steps);

  std::string name = file;
  if (name.size() > 4 && name[name.size() - 4] == '.') name.resize(name.size() - 4);
  Status status;
  if (RefuseName(name, ui, &status)) return status;
  const TreeOrigin origin = OriginOf(folders, folder, request.sole_argument);
  // A refused file leaves the open tree in the store: the session must go on naming it, or
  // the next save would write that tree over the refused file.
  const TreeSession before = session;
  StartSession(session, name, origin, folder, request.copy_number);
  if (steps.read_sources) steps.read_sources(SourcesFile(folders));
  GedcomRead read;
  if (steps.read_gedcom) read = steps.read_gedcom(path, false);
  if (read.outcome != store::ReadOutcome::kRead) session.save_state = kNewTreeSaveState;
  session.changed.tree_modified = read.tree_modified;
  if (Status gave_up = ReaderGaveUp(read.outcome, path); !gave_up.ok()) {
    session = before;
    return gave_up;
  }
  if (const std::string side = SideFileFolder(folders, origin); !side.empty()) {
    if (steps.read_config) steps.read_config(TreeFile(side, name, ".cfg"));
    if (steps.read_albums) steps.read_albums(TreeFile(side, name, ".med"));
  }
  RestartAutoSavePeriod(session, ui.clock().Now());
  return Status::Ok();
}

void NoteSideFileRead(TreeSession& session, SideFile file, const std::string& path,
                      const Status& read, platform::Interaction& ui) {
  std::string& unreadable = UnreadablePath(session, file);
  if (read.ok() || read.code() == Status::Code::kNotFound) {
    unreadable.clear();
    return;
  }
  if (unreadable == path) return;  // reported when it was found so
  unreadable = path;
  ui.Message(kUnreadableCaption,
             std::string(SideFileContents(file)) + " cannot be read:\n" + read.message() +
                 "\n\nThe program goes on without them, and does not write over this file while "
                 "the family tree is open, so nothing in it is lost.\n"
                 "Solve the problem, then open the family tree again.",
             Icon::kExclamation);
}

Status SaveAll(TreeSession& session, const DataFolders& folders, const SaveSteps& steps,
               platform::Interaction& ui) {
  session.tree_name = WithoutGedExtension(session.tree_name);
  const std::string& name = session.tree_name;
  if (name.empty()) return Status::InvalidArgument("The family tree has no name.");
  if (!CheckWritable(session, ui)) return Status::InvalidArgument("The family tree is read-only.");
  Status status;
  if (RefuseName(name, ui, &status)) return status;

  MakeTreeWebFolders(folders, name);
  const std::string med = TreeFile(folders.config, name, ".med");
  const std::string ged = TreeFile(folders.gedcom, name, ".ged");
  const std::string cfg = TreeFile(folders.config, name, ".cfg");
  const std::string web = SourcesFile(folders);
  const store::WriteMode normal = store::WriteMode::kNormal;
  std::vector<std::string> failures;
  ChangedFlags& changed = session.changed;
  if (!steps.write_albums || RunStep(steps.write_albums(med, normal), med, &failures)) {
    changed.albums_changed = false;
  }
  if (!steps.write_gedcom || RunStep(steps.write_gedcom(ged, normal), ged, &failures)) {
    changed.tree_modified = false;
  }
  if (!steps.write_config || RunStep(steps.write_config(cfg), cfg, &failures)) {
    changed.web_settings_changed = false;
  }
  if (!steps.write_sources || RunStep(steps.write_sources(web), web, &failures)) {
    changed.sources_changed = false;
  }
  if (!failures.empty()) {
    changed.tree_modified = true;
    return ReportSaveFailures(failures, ui);
  }
  session.save_state += kSaveStateStep;
  return Status::Ok();
}

Status BackupTreeFiles(TreeSession& session, const DataFolders& folders, const std::string& name,
                       platform::Interaction& ui) {
  Status status;
  if (RefuseName(name, ui, &status)) return status;
  RestartAutoSavePeriod(session, ui.clock().Now());
  if (!session.backup_needed) {
    session.save_state = kNewTreeSaveState;
    return Status::Ok();
  }
  ++session.backup_counter;
  for (long long tried = 1; tried < kBackupPrefixes && BackupSetUsed(folders, session, name);
       ++tried) {
    ++session.backup_counter;
  }
  session.backup_needed = false;
  const std::pair<const std::string*, const char*> files[] = {
      {&folders.gedcom, ".ged"}, {&folders.config, ".med"}, {&folders.config, ".cfg"}};
  std::error_code ec;
  fs::create_directories(folders.backup, ec);
  for (const auto& [folder, extension] : files) {
    const std::string from = TreeFile(*folder, name, extension);
    if (!FileExists(from)) continue;
    const std::string to = BackupName(folders.backup, session.backup_counter, name, extension);
    fs::remove(to, ec);
    fs::rename(from, to, ec);
    if (!ec) continue;
    std::string text = "The file could not be moved to the backup folder:\n" + from + "\n    " +
                       ec.message() + "\n\nThe family tree was not saved.";
    ui.Message(kSaveFailedCaption, text, Icon::kStop);
    return Status::IoError(text);
  }
  return Status::Ok();
}

Status SaveUnderName(TreeSession& session, const DataFolders& folders, const std::string& name,
                     const SaveSteps& steps, platform::Interaction& ui) {
  if (!CheckWritable(session, ui)) return Status::InvalidArgument("The family tree is read-only.");
  // The backup decision is made again here, so a file that appeared after the dialog drew its
  // explanation is still kept.
  SaveExplanation plan = ExplainSave(session, session.tree_name, name, [&](const std::string& n) {
    return FileExists(TreeFile(folders.gedcom, n, ".ged"));
  });
  if (!plan.save_enabled) {
    ui.Message(kTreeNameCaption, plan.lines.front(), Icon::kExclamation);
    return Status::InvalidArgument(plan.lines.front());
  }
  session.backup_needed = plan.backup_needed;
  if (Status backup = BackupTreeFiles(session, folders, plan.name, ui); !backup.ok()) {
    return backup;
  }
  session.tree_name = plan.name;
  return SaveAll(session, folders, steps, ui);
}

Status SaveWithoutDialog(TreeSession& session, const DataFolders& folders, const SaveSteps& steps,
                         platform::Interaction& ui) {
  if (!CheckWritable(session, ui)) return Status::InvalidArgument("The family tree is read-only.");
  session.tree_name = WithoutGedExtension(session.tree_name);
  if (session.tree_name.empty()) return Status::InvalidArgument("The family tree has no name.");
  if (session.save_state < 1 && FileExists(TreeFile(folders.gedcom, session.tree_name, ".ged"))) {
    session.backup_needed = true;
    if (Status backup = BackupTreeFiles(session, folders, session.tree_name, ui); !backup.ok()) {
      return backup;
    }
  }
  return SaveAll(session, folders, steps, ui);
}

Status WriteSettingsOnClose(TreeSession& session, const DataFolders& folders,
                            const SaveSteps& steps, platform::Interaction& ui) {
  const std::string& name = session.tree_name;
  if (session.read_only || name.empty()) return Status::Ok();
  if (Status usable = CheckTreeName(name); !usable.ok()) return usable;
  const std::string cfg = TreeFile(folders.config, name, ".cfg");
  const std::string web = SourcesFile(folders);
  std::vector<std::string> failures;
  if (!steps.write_config || RunStep(steps.write_config(cfg), cfg, &failures)) {
    session.changed.web_settings_changed = false;
  }
  if (!steps.write_sources || RunStep(steps.write_sources(web), web, &failures)) {
    session.changed.sources_changed = false;
  }
  if (failures.empty()) return Status::Ok();
  return ReportSaveFailures("The web-site settings and the options could not be saved.", failures,
                            "", ui);
}

AutoSaveDecision AutoSaveTick(TreeSession& session, const DataFolders& folders, bool busy,
                              const SaveSteps& steps, platform::Interaction& ui) {
  const platform::DateTime now = ui.clock().Now();
  AutoSaveDecision decision = DecideAutoSave(session, now, busy);
  if (decision.action == AutoSaveAction::kUnchanged || decision.action == AutoSaveAction::kSave) {
    RestartAutoSavePeriod(session, now);
  }
  // A failed save has been reported and leaves the tree changed: the next period tries again.
  if (decision.action == AutoSaveAction::kSave) {
    (void)SaveWithoutDialog(session, folders, steps, ui);
  }
  return decision;
}

std::string SaveReducedCopy(TreeSession& session, const DataFolders& folders, ReducedCopy kind,
                            const SaveSteps& steps, platform::Interaction& ui) {
  Status status;
  if (RefuseName(session.tree_name, ui, &status)) return "";
  ++session.backup_counter;
  const std::string name = ReducedCopyName(session.tree_name, kind, session.backup_counter);
  const store::WriteMode mode = kind == ReducedCopy::kSplit  ? store::WriteMode::kSplit
                                : kind == ReducedCopy::kHide ? store::WriteMode::kHide
                                                             : store::WriteMode::kBoth;
  const std::string med = TreeFile(folders.config, name, ".med");
  const std::string ged = TreeFile(folders.gedcom, name, ".ged");
  std::vector<std::string> failures;
  if (steps.write_albums) RunStep(steps.write_albums(med, mode), med, &failures);
  if (steps.write_gedcom) RunStep(steps.write_gedcom(ged, mode), ged, &failures);
  if (!failures.empty()) {
    (void)ReportSaveFailures(failures, ui);
    return "";
  }
  ui.Message("Ged File Saved", "New File Created:\n" + name, Icon::kInformation);
  return name;
}

}  // namespace kinloom::files
