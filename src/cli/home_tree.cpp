#include "cli/home_tree.h"

#include "cli/commands.h"
#include "files/tree_files.h"
#include "reports/tree_opening.h"

namespace kinloom::cli {

bool OpenHome(Context& c, files::DataFolders* folders) {
  const std::string home = files::DataHome(c.home_option, files::Environment::FromProcess());
  *folders = files::DataFoldersAt(home, files::FindSystemFolder(c.system_candidates));
  if (Status made = files::MakeDataFolders(*folders); !made.ok()) {
    c.err << "kinloom-cli: cannot make the data folders: " << made.message() << "\n";
    return false;
  }
  return true;
}

int HomeTree::Open(const std::string& name) {
  if (!OpenHome(c_, &folders_)) return kExitCannotWrite;
  work_.emplace(c_.tree, folders_, file_system_, reports::CheckedTreeReader(c_.links_session));
  files::OpenRequest open{work_->ResolveTree(name), false, false, 0};
  if (!files::FileExists(open.path)) {
    c_.err << "kinloom-cli: no tree " << name << "\n";
    return kExitBadInput;
  }
  if (!files::OpenTree(work_->session(), folders_, open, work_->OpenStepsWired(), c_.ui).ok()) {
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace kinloom::cli
