#include "files/tree_copy.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <string_view>

#include "files/folder_copy.h"
#include "files/tree_media.h"

namespace kinloom::files {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

// "TREE.ext" with an extension that holds no further dot.
bool IsSideFileOf(std::string_view file, std::string_view tree) {
  if (file.size() <= tree.size() + 1 || file.substr(0, tree.size()) != tree) return false;
  if (file[tree.size()] != '.') return false;
  return file.find('.', tree.size() + 1) == std::string_view::npos;
}

std::vector<std::string> SideFiles(const std::string& folder, const std::string& tree) {
  std::vector<std::string> names;
  for (std::string& name : FolderFileNames(folder, nullptr)) {
    if (IsSideFileOf(name, tree)) names.push_back(std::move(name));
  }
  return names;
}

// A name that stays inside the folder it is relative to.
bool IsSafeRelative(std::string_view name) {
  if (name.empty() || name.front() == '/') return false;
  for (const fs::path& part : fs::path(name)) {
    if (part == "..") return false;
  }
  return true;
}

void AddOnce(std::vector<std::string>& list, std::set<std::string>& seen, std::string name) {
  if (seen.insert(name).second) list.push_back(std::move(name));
}

// The chart picture the tree view draws beside a profile picture of another type.
std::string ChartPictureName(const std::string& name) {
  if (name.size() < 3) return {};
  std::string jpg = name;
  jpg.replace(jpg.size() - 3, 3, "jpg");
  return jpg == name ? std::string() : jpg;
}

struct CopyRun {
  platform::FileSystem& file_system;
  platform::Interaction& ui;
  CopyFlags flags = kShowErrors;
  int copied = 0;

  bool cancelled() const { return (flags & kCopyCancelled) != 0; }

  // Copies a name relative to the folders, making its sub-folder in the target.
  void Copy(const std::string& name, const std::string& source, const std::string& target) {
    if (cancelled()) return;
    const size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : name.substr(0, slash);
    const std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
    const std::string from = folder.empty() ? source : JoinPath(source, folder);
    const std::string to = folder.empty() ? target : JoinPath(target, folder);
    std::error_code error;
    fs::create_directories(to, error);
    const bool asked = (flags & kAskOverwrite) != 0;
    // The error bit of this file alone, then of the whole run again.
    const CopyFlags earlier_errors = flags & kCopyErrors;
    flags =
        CopyOneFile(file, from, to, flags & static_cast<CopyFlags>(~kCopyErrors), file_system, ui);
    const bool failed = (flags & kCopyErrors) != 0;
    flags |= earlier_errors;
    if (!failed && (!asked || (flags & kCopyThis) != 0)) ++copied;
  }

  void CopyAll(const std::vector<std::string>& names, const std::string& source,
               const std::string& target, bool ask) {
    flags = ask ? flags | kAskOverwrite : flags & static_cast<CopyFlags>(~kAskOverwrite);
    for (const std::string& name : names) Copy(name, source, target);
  }
};

bool MakeFolders(const DataFolders& to, platform::Interaction& ui) {
  for (const std::string* folder : {&to.gedcom, &to.config, &to.media, &to.image}) {
    std::error_code error;
    fs::create_directories(*folder, error);
    if (error || !fs::is_directory(*folder, error)) {
      ui.Message(" *** Copy Errors ***", "The folder cannot be made:\n" + *folder,
                 Icon::kExclamation);
      return false;
    }
  }
  return true;
}

bool ConfirmReplaceTree(const DataFolders& to, const std::string& tree, platform::Interaction& ui) {
  if (!FileExists(TreeFile(to.gedcom, tree, ".ged"))) return true;
  const std::string text = "The folder\n" + to.gedcom + "\nholds a family tree named \"" + tree +
                           "\" already.\n\nDo you want to replace it with the one being copied?" +
                           "\n           [ Yes ]  Copy over the existing family tree" +
                           "\n           [  No  ]  Keep it. Do Not Copy";
  return ui.Ask(kReplaceTreeCaption, text, Icon::kQuestion, Buttons::kYesNo) == Answer::kYes;
}

void ReportEnd(TreeCopyOutcome outcome, platform::Interaction& ui) {
  switch (outcome) {
    case TreeCopyOutcome::kCopied:
      ui.Message(" *** Copy Complete ***", "File Copied Successfully.", Icon::kInformation);
      break;
    case TreeCopyOutcome::kCancelled:
      ui.Message(" *** Copy Cancelled ***", "Copying Cancelled by User.", Icon::kInformation);
      break;
    case TreeCopyOutcome::kErrors:
      ui.Message(" *** Copy Errors ***", "There were copying errors.\nNot all files were copied.",
                 Icon::kExclamation);
      break;
    case TreeCopyOutcome::kRefused:
      break;
  }
}

}  // namespace

TreeCopyFiles ListTreeFiles(const DataFolders& from, const std::string& tree) {
  TreeCopyFiles files;
  files.gedcom = SideFiles(from.gedcom, tree);
  files.config = SideFiles(from.config, tree);
  std::set<std::string> seen;
  const std::string image_prefix = from.image + "/";
  for (std::string& name : TreeMediaFiles(from, tree)) {
    if (name.rfind(image_prefix, 0) == 0) {
      std::string relative = name.substr(image_prefix.size());
      if (IsSafeRelative(relative)) {
        AddOnce(files.image, seen, "image:" + relative);
        continue;
      }
    }
    if (!IsSafeRelative(name)) {
      AddOnce(files.outside, seen, "outside:" + name);
      continue;
    }
    const std::string chart = ChartPictureName(name);
    AddOnce(files.media, seen, "media:" + name);
    if (!chart.empty() && FileExists(JoinPath(from.media, chart))) {
      AddOnce(files.media, seen, "media:" + chart);
    }
  }
  // The set kept the kinds apart; the lists hold the plain names.
  for (auto* list : {&files.image, &files.outside, &files.media}) {
    for (std::string& name : *list) name.erase(0, name.find(':') + 1);
  }
  return files;
}

DataFolders PortableFolders(const std::string& folder) {
  return DataFoldersAt(folder, "");
}

TreeCopyResult CopyTree(const DataFolders& from, const DataFolders& to, const std::string& tree,
                        platform::FileSystem& file_system, platform::Interaction& ui,
                        bool replace_asked) {
  TreeCopyResult result;
  if (const Status usable = CheckTreeName(tree); !usable.ok()) {
    ui.Message(kTreeNameCaption, usable.message(), Icon::kExclamation);
    return result;
  }
  if (!FileExists(TreeFile(from.gedcom, tree, ".ged"))) {
    ui.Message(" *** Family Tree Not Found ***",
               "There is no family tree named \"" + tree + "\" in\n" + from.gedcom,
               Icon::kExclamation);
    return result;
  }
  if (SameFolder(from.gedcom, to.gedcom)) {
    ui.Message(" *** Warning ***", "The family tree is in that folder already.",
               Icon::kExclamation);
    return result;
  }
  if (!replace_asked && !ConfirmReplaceTree(to, tree, ui)) return result;
  if (!MakeFolders(to, ui)) return result;

  const TreeCopyFiles files = ListTreeFiles(from, tree);
  result.outside = files.outside;
  std::vector<std::string> media;
  for (const std::string& name : files.media) {
    (FileExists(JoinPath(from.media, name)) ? media : result.missing).push_back(name);
  }
  std::vector<std::string> images;
  for (const std::string& name : files.image) {
    (FileExists(JoinPath(from.image, name)) ? images : result.missing).push_back(name);
  }

  CopyRun run{file_system, ui};
  ui.ProgressShow("Copying: Family Tree Files", tree);
  // Pictures first and the .ged last: the tree shows in the target's list of trees only when
  // the rest has arrived.
  run.CopyAll(media, from.media, to.media, true);
  run.CopyAll(images, from.image, to.image, true);
  run.CopyAll(files.config, from.config, to.config, false);
  run.CopyAll(files.gedcom, from.gedcom, to.gedcom, false);
  ui.ProgressHide();

  result.copied = run.copied;
  if (run.cancelled()) {
    result.outcome = TreeCopyOutcome::kCancelled;
  } else if ((run.flags & kCopyErrors) != 0) {
    result.outcome = TreeCopyOutcome::kErrors;
  } else {
    result.outcome = TreeCopyOutcome::kCopied;
  }
  ReportEnd(result.outcome, ui);
  return result;
}

}  // namespace kinloom::files
