#include "files/tree_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <utility>

#include "reports/tree_opening.h"

namespace kinloom::files {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr std::string_view kSaveFailedCaption = " *** Save Failed ***";

constexpr std::string_view kWarningCaption = " *** Warning ***";
constexpr const char* kRemoveQuestion =
    "Remove:  \"%s\"  family tree?\n\n"
    "[  Yes   ]  Delete this Family Tree\n"
    "[   No   ]  Keep this Family Tree";
constexpr const char* kRemoveItemsQuestion =
    "Removing:  \"%s\"  family tree?\n\n"
    "Remove profile pictures of individuals, pictures, documents\n"
    "and headstones images in albums and web page creation images?\n\n"
    "Some family trees share pictures. If any of these pictures or\n"
    "items are used by another family tree select [No] or [Cancel].\n\n"
    "[   Yes    ]  Delete profile pictures and items in albums\n"
    "[    No    ]  Delete the family tree but not any album or web items\n"
    "[ Cancel ]  Cancel delete. Keep this family tree and all items.";

std::string FormatName(const char* format, const std::string& name) {
  int size = std::snprintf(nullptr, 0, format, name.c_str());
  std::string text(static_cast<size_t>(std::max(size, 0)), '\0');
  std::snprintf(text.data(), text.size() + 1, format, name.c_str());
  return text;
}

// Only the picture folders hold a tree's items: a name that leads anywhere else, another
// tree's files among them, is left alone.
bool IsTreeItem(const DataFolders& folders, const std::string& path) {
  return IsInsideFolder(folders.media, path) || IsInsideFolder(folders.thumb, path) ||
         IsInsideFolder(folders.image, path);
}

void RemoveTreeItems(const DataFolders& folders, const std::string& tree,
                     const TreeMediaLister& media) {
  std::error_code ec;
  if (media) {
    for (const std::string& item : media(tree)) {
      if (item.empty()) continue;
      const std::string path = item.front() == '/' ? item : JoinPath(folders.media, item);
      if (IsTreeItem(folders, path) && FileExists(path)) fs::remove(path, ec);
    }
  }
  std::vector<std::string> web = TreeWebFolders(folders, tree);
  // Deepest first, so each folder is empty when it is removed.
  for (auto it = web.rbegin(); it != web.rend(); ++it) DeleteFolderFiles(*it, true);
}

std::string SizeAndTime(std::uintmax_t size, const std::string& time) {
  return "Size........:  " + std::to_string(size) + " bytes\nModified.:  " + time;
}

// Copies through the file system layer, so the target is replaced only by a complete copy, and
// keeps the source's time, so later copies of only newer files can compare them.
Status CopyBytes(const std::string& from, const std::string& to, platform::FileSystem& files) {
  std::ifstream in(from, std::ios::binary);
  if (!in) return Status::IoError(from + ": cannot be read");
  std::unique_ptr<platform::WritableFile> out;
  if (Status s = files.NewWritableFile(to, &out); !s.ok()) return s;
  std::vector<char> buffer(1 << 16);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    Status s = out->Append(std::string_view(buffer.data(), static_cast<size_t>(got)));
    if (!s.ok()) return s;
  }
  if (in.bad()) return Status::IoError(from + ": cannot be read");
  if (Status s = out->Commit(); !s.ok()) return s;
  std::error_code ec;
  const fs::file_time_type written = fs::last_write_time(from, ec);
  if (!ec) fs::last_write_time(to, written, ec);
  return Status::Ok();
}

CopyFlags CopyError(std::string_view what, const std::string& path, CopyFlags flags,
                    platform::Interaction& ui) {
  flags |= kCopyErrors;
  if ((flags & kShowErrors) == 0) return flags;
  const std::string text = std::string(what) + path + "\n\nDo you want to more error messages?";
  if (ui.Ask(" *** Error Copying File ***", text, Icon::kExclamation, Buttons::kYesNo) ==
      Answer::kNo) {
    flags &= static_cast<CopyFlags>(~kShowErrors);
  }
  return flags;
}

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

Status ReportSaveFailures(const std::vector<std::string>& failures, platform::Interaction& ui) {
  std::string text =
      "The family tree could not be saved completely.\n"
      "These files were not written and keep their previous contents:\n";
  for (const std::string& failure : failures) text += "\n" + failure;
  text += "\n\nThe changes are still in the program: save again when the problem is solved.";
  ui.Message(kSaveFailedCaption, text, Icon::kStop);
  return Status::IoError(text);
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

Status ReaderGaveUp(store::ReadOutcome outcome, const std::string& path) {
  if (outcome != store::ReadOutcome::kTooManyRecords) return Status::Ok();
  return Status::InvalidFormat("The family tree is too large to open:\n" + path);
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
  if (copy_number > 0) {
    session.copy_number = copy_number;
    session.read_only = true;
    session.auto_save.enabled = false;
  }
}

}  // namespace

OpenSteps GedcomOpenSteps(store::RecordStore& store, reports::LinkCheckSession& links) {
  OpenSteps steps;
  steps.read_gedcom = [&store, &links](const std::string& path, bool merge) {
    reports::OpenResult opened = reports::ReadTreeChecked(store, path, merge, links);
    return GedcomRead{opened.read.outcome, store.tree_modified()};
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
  StartSession(session, name, origin, folder, request.copy_number);
  if (steps.read_sources) steps.read_sources(SourcesFile(folders));
  GedcomRead read;
  if (steps.read_gedcom) read = steps.read_gedcom(path, false);
  if (read.outcome != store::ReadOutcome::kRead) session.save_state = kNewTreeSaveState;
  session.changed.tree_modified = read.tree_modified;
  if (Status gave_up = ReaderGaveUp(read.outcome, path); !gave_up.ok()) return gave_up;
  if (const std::string side = SideFileFolder(folders, origin); !side.empty()) {
    if (steps.read_config) steps.read_config(TreeFile(side, name, ".cfg"));
    if (steps.read_albums) steps.read_albums(TreeFile(side, name, ".med"));
  }
  RestartAutoSavePeriod(session, ui.clock().Now());
  return Status::Ok();
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

bool RemoveTree(const DataFolders& folders, const std::string& ged_path,
                const TreeMediaLister& media, platform::Interaction& ui) {
  const std::string file = fs::path(ged_path).filename().string();
  if (file.size() <= 4 || file.substr(file.size() - 4) != ".ged") {
    ui.Message(kWarningCaption, "The file: " + file + " \nis not a family tree file.",
               Icon::kExclamation);
    return false;
  }
  const std::string tree = file.substr(0, file.size() - 4);
  if (!CheckTreeName(tree).ok() || !IsInsideFolder(folders.home, ged_path)) {
    ui.Message(kWarningCaption,
               "Only family trees kept in the data folders can be removed:\n" + ged_path,
               Icon::kExclamation);
    return false;
  }
  if (ui.Ask("Confirm", FormatName(kRemoveQuestion, tree), Icon::kQuestion, Buttons::kYesNo) !=
      Answer::kYes) {
    return false;
  }
  Answer items = ui.Ask("Confirm", FormatName(kRemoveItemsQuestion, tree), Icon::kQuestion,
                        Buttons::kYesNoCancel);
  if (items != Answer::kYes && items != Answer::kNo) return false;
  if (items == Answer::kYes) RemoveTreeItems(folders, tree, media);
  std::error_code ec;
  fs::remove(ged_path, ec);
  fs::remove(TreeFile(folders.config, tree, ".med"), ec);
  fs::remove(TreeFile(folders.config, tree, ".cfg"), ec);
  return true;
}

CopyFlags CopyFolderFiles(const std::string& source, const std::string& target, CopyFlags flags,
                          platform::FileSystem& file_system, platform::Interaction& ui) {
  std::error_code ec;
  if ((flags & kCopyCancelled) != 0 || !fs::is_directory(source, ec)) return flags;
  fs::create_directories(target, ec);
  bool listed = true;
  const std::vector<std::string> names = FolderFileNames(source, &listed);
  if (!listed) return flags | kCopyErrors;
  for (const std::string& name : names) {
    flags = CopyOneFile(name, source, target, flags, file_system, ui);
    if ((flags & kCopyCancelled) != 0) break;
  }
  return flags;
}

CopyFlags CopyOneFile(const std::string& name, const std::string& source, const std::string& target,
                      CopyFlags flags, platform::FileSystem& file_system,
                      platform::Interaction& ui) {
  flags &= static_cast<CopyFlags>(~kCopyThis);
  const std::string from = JoinPath(source, name);
  const std::string to = JoinPath(target, name);
  if (!FileExists(from)) return CopyError("File not found: ", from, flags, ui);
  if ((flags & kNewerOnly) != 0 && !IsNewerFile(from, to)) return flags;
  if ((flags & kAskOverwrite) != 0) {
    flags = ConfirmOverwrite(to, from, flags, ui);
    if ((flags & kCopyThis) == 0) return flags;
  }
  ui.ProgressText("Copying: " + name);
  if (!CopyBytes(from, to, file_system).ok()) {
    return CopyError("File failed to copy: ", from, flags, ui);
  }
  return flags;
}

CopyFlags ConfirmOverwrite(const std::string& existing, const std::string& replacement,
                           CopyFlags flags, platform::Interaction& ui) {
  std::error_code ec;
  const std::uintmax_t old_size = fs::file_size(existing, ec);
  if (ec || old_size == 0) return flags | kCopyThis;
  const std::uintmax_t new_size = fs::file_size(replacement, ec);
  const std::string old_time = FileTimeText(existing);
  const std::string new_time = FileTimeText(replacement);
  if (old_size == new_size && old_time == new_time) {
    return flags & static_cast<CopyFlags>(~kCopyThis);
  }
  const std::string text =
      "This folder already contains a file named:\n\nFile Name:  " +
      fs::path(existing).filename().string() + "\n\n" + SizeAndTime(old_size, old_time) +
      "\n\nDo you want to replace this file\nwith this file?\n\n" +
      SizeAndTime(new_size, new_time) +
      "\n\n\t[   Yes  ] Copy over the existing file\n\t[   No   ] Do not copy this file"
      "\n\t[Cancel] Cancel copying for these files";
  bool ask_no_more = false;
  const Answer answer =
      ui.AskWithCheck(" Confirm File Replacement", text, Icon::kQuestion, Buttons::kYesNoCancel,
                      "Do Not Show More Write Over Messages for This Group", &ask_no_more);
  // The rest of the group is then copied without asking.
  if (ask_no_more) flags &= static_cast<CopyFlags>(~kAskOverwrite);
  switch (answer) {
    case Answer::kYes:
      return flags | kCopyThis;
    case Answer::kNo:
      return flags & static_cast<CopyFlags>(~kCopyThis);
    default:
      return (flags | kCopyCancelled) & static_cast<CopyFlags>(~kCopyThis);
  }
}

}  // namespace kinloom::files
