#include "cli/tree_copy_commands.h"

#include "cli/commands.h"
#include "files/data_folders.h"
#include "files/tree_copy.h"
#include "platform/file_io.h"

namespace kinloom::cli {
namespace {

struct CopyArgs {
  std::string tree;
  std::string folder;
  bool replace = false;
};

// Two operands in the command's order, and --replace.
bool TakeArgs(const std::vector<std::string>& args, bool tree_first, CopyArgs* taken) {
  std::vector<std::string> operands;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--replace") {
      taken->replace = true;
    } else {
      operands.push_back(args[i]);
    }
  }
  if (operands.size() != 2) return false;
  taken->tree = tree_first ? operands[0] : operands[1];
  taken->folder = tree_first ? operands[1] : operands[0];
  return !taken->folder.empty();
}

files::DataFolders HomeFolders(Context& c) {
  const std::string home = files::DataHome(c.home_option, files::Environment::FromProcess());
  return files::DataFoldersAt(home, "");
}

// Without --replace an existing tree, and a picture that differs from the one being copied,
// are kept: the questions are answered No.
int Run(Context& c, const files::DataFolders& from, const files::DataFolders& to,
        const CopyArgs& args) {
  const platform::Answer answer = args.replace ? platform::Answer::kYes : platform::Answer::kNo;
  c.ui.SetDefault(platform::Buttons::kYesNo, answer);
  c.ui.SetDefault(platform::Buttons::kYesNoCancel, answer);
  platform::LocalFileSystem file_system;
  const files::TreeCopyResult result = files::CopyTree(from, to, args.tree, file_system, c.ui);
  for (const std::string& name : result.missing) c.err << "not found: " << name << "\n";
  for (const std::string& name : result.outside) {
    c.err << "left out (outside the media folder): " << name << "\n";
  }
  switch (result.outcome) {
    case files::TreeCopyOutcome::kCopied:
      c.out << result.copied << " files copied to " << to.home << "\n";
      return kExitOk;
    case files::TreeCopyOutcome::kRefused:
      if (!files::FileExists(files::TreeFile(from.gedcom, args.tree, ".ged"))) return kExitBadInput;
      if (!args.replace && files::FileExists(files::TreeFile(to.gedcom, args.tree, ".ged")))
        c.err << "kinloom-cli: nothing copied; --replace replaces the tree there\n";
      return kExitCannotWrite;
    case files::TreeCopyOutcome::kCancelled:
    case files::TreeCopyOutcome::kErrors:
      break;
  }
  return kExitCannotWrite;
}

}  // namespace

int CopyTreeOut(Context& c, const std::vector<std::string>& args) {
  CopyArgs taken;
  if (!TakeArgs(args, true, &taken)) return UsageError(c, "copy-tree takes a tree and a folder");
  return Run(c, HomeFolders(c), files::PortableFolders(taken.folder), taken);
}

int BringTreeIn(Context& c, const std::vector<std::string>& args) {
  CopyArgs taken;
  if (!TakeArgs(args, false, &taken)) return UsageError(c, "bring-tree takes a folder and a tree");
  const files::DataFolders home = HomeFolders(c);
  if (Status made = files::MakeDataFolders(home); !made.ok()) {
    c.err << "kinloom-cli: cannot make the data folders: " << made.message() << "\n";
    return kExitCannotWrite;
  }
  return Run(c, files::PortableFolders(taken.folder), home, taken);
}

}  // namespace kinloom::cli
