#pragma once

#include <optional>
#include <string>

#include "cli/context.h"
#include "files/data_folders.h"
#include "files/tree_workspace.h"
#include "platform/file_io.h"

namespace kinloom::cli {

// Makes the data home's folders (--home DIR, else $KINLOOM_HOME, else the XDG folder); false
// after saying why on the error stream.
bool OpenHome(Context& c, files::DataFolders* folders);

// A tree of the data home opened with its side files, as the desktop program opens it.
class HomeTree {
 public:
  explicit HomeTree(Context& c) : c_(c) {}
  HomeTree(const HomeTree&) = delete;
  HomeTree& operator=(const HomeTree&) = delete;

  // Opens the tree `name` (a name of the data home or a path); an exit status other than
  // kExitOk, said on the error stream, when it cannot be opened.
  int Open(const std::string& name);

  files::TreeWorkspace& work() { return *work_; }
  const files::DataFolders& folders() const { return folders_; }

 private:
  Context& c_;
  files::DataFolders folders_;
  platform::LocalFileSystem file_system_;
  std::optional<files::TreeWorkspace> work_;
};

}  // namespace kinloom::cli
