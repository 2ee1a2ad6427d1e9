#include "files/tree_removal.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "files/address_book.h"

namespace kinloom::files {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr std::string_view kWarningCaption = " *** Warning ***";
constexpr std::string_view kRemoveFailedCaption = " *** Remove Failed ***";
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
// A message lists this many failures at most; a folder the user cannot write into fails for
// every file in it.
constexpr size_t kFailuresShown = 20;

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

// Removes a file; a file that is not there counts as removed.
void Remove(platform::FileSystem& file_system, const std::string& path,
            std::vector<std::string>* failures) {
  Status removed = file_system.RemoveFile(path);
  if (!removed.ok() && removed.code() != Status::Code::kNotFound) {
    failures->push_back(removed.message());
  }
}

void RemoveTreeItems(const DataFolders& folders, const std::string& tree,
                     const TreeMediaLister& media, platform::FileSystem& file_system,
                     std::vector<std::string>* failures) {
  if (media) {
    for (const std::string& item : media(tree)) {
      if (item.empty()) continue;
      const std::string path = item.front() == '/' ? item : JoinPath(folders.media, item);
      if (IsTreeItem(folders, path) && FileExists(path)) Remove(file_system, path, failures);
    }
  }
  std::vector<std::string> web = TreeWebFolders(folders, tree);
  // Deepest first, so each folder is empty when it is removed.
  for (auto it = web.rbegin(); it != web.rend(); ++it) {
    std::vector<std::string> left = DeleteFolderFiles(file_system, *it, true);
    failures->insert(failures->end(), left.begin(), left.end());
  }
}

void ReportFailures(const std::string& tree, const std::vector<std::string>& failures,
                    platform::Interaction& ui) {
  std::string text = "The family tree \"" + tree +
                     "\" was not removed completely.\n"
                     "These files and folders could not be removed:\n";
  for (size_t i = 0; i < failures.size() && i < kFailuresShown; ++i) text += "\n" + failures[i];
  if (failures.size() > kFailuresShown) {
    text += "\n... and " + std::to_string(failures.size() - kFailuresShown) + " more";
  }
  ui.Message(kRemoveFailedCaption, text, Icon::kStop);
}

}  // namespace

bool RemoveTree(const DataFolders& folders, const std::string& ged_path,
                const TreeMediaLister& media, platform::FileSystem& file_system,
                platform::Interaction& ui) {
  const std::string file = std::filesystem::path(ged_path).filename().string();
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
  std::vector<std::string> failures;
  if (items == Answer::kYes) RemoveTreeItems(folders, tree, media, file_system, &failures);
  Remove(file_system, ged_path, &failures);
  Remove(file_system, TreeFile(folders.config, tree, ".med"), &failures);
  Remove(file_system, TreeFile(folders.config, tree, ".cfg"), &failures);
  Remove(file_system, AddressBookFile(folders.config, tree), &failures);
  if (!failures.empty()) ReportFailures(tree, failures, ui);
  return true;
}

bool RemoveTree(const DataFolders& folders, const std::string& ged_path,
                const TreeMediaLister& media, platform::Interaction& ui) {
  platform::LocalFileSystem file_system;
  return RemoveTree(folders, ged_path, media, file_system, ui);
}

}  // namespace kinloom::files
