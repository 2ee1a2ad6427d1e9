#include "cli/home_commands.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "cli/commands.h"
#include "cli/home_tree.h"
#include "files/config_file.h"
#include "files/data_folders.h"
#include "files/search_sources.h"
#include "files/tree_files.h"
#include "files/tree_workspace.h"
#include "platform/file_io.h"
#include "reports/split_selection.h"
#include "reports/tree_opening.h"

namespace kinloom::cli {
namespace {

std::string FileStem(const std::string& path) {
  size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return files::WithoutGedExtension(name);
}

bool ParseInt(const std::string& text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string ResolveInputPath(Context& c, const std::string& name_or_path) {
  if (files::FileExists(name_or_path) || name_or_path.find('/') != std::string::npos) {
    return name_or_path;
  }
  const std::string home = files::DataHome(c.home_option, files::Environment::FromProcess());
  const std::string in_home =
      files::TreeFile(home + "/gedcom", files::WithoutGedExtension(name_or_path), ".ged");
  return files::FileExists(in_home) ? in_home : name_or_path;
}

int Import(Context& c, const std::vector<std::string>& args) {
  std::string file, name, report;
  for (size_t i = 1; i < args.size(); ++i) {
    if (TakeReportOption(args, &i, &report)) {
      if (report.empty()) return UsageError(c, "--report takes a file");
    } else if (args[i] == "--name" && i + 1 < args.size()) {
      name = args[++i];
    } else if (file.empty()) {
      file = args[i];
    } else {
      return UsageError(c, "import takes one file");
    }
  }
  if (file.empty()) return UsageError(c, "import takes a file");
  if (name.empty()) name = FileStem(file);
  if (Status safe = files::CheckTreeName(name); !safe.ok()) {
    c.err << "kinloom-cli: " << safe.message() << "\n";
    return kExitUsage;
  }
  files::DataFolders folders;
  if (!OpenHome(c, &folders)) return kExitCannotWrite;
  platform::LocalFileSystem file_system;
  files::TreeWorkspace work(c.tree, folders, file_system,
                            reports::CheckedTreeReader(c.links_session));
  work.OpenStepsWired().read_sources(files::SourcesFile(folders));
  store::ReadResult read;
  if (int status = ReadInput(c, file, &read, false); status != kExitOk) return status;
  if (int status = WriteDroppedReport(c, report, read.dropped); status != kExitOk) return status;
  work.session().changed.tree_modified = true;
  Status saved = files::SaveUnderName(work.session(), folders, name, work.SaveStepsWired(), c.ui);
  if (!saved.ok()) return kExitCannotWrite;
  c.out << name << "\n";
  return kExitOk;
}

int Trees(Context& c, const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError(c, "trees takes no arguments");
  files::DataFolders folders;
  if (!OpenHome(c, &folders)) return kExitCannotWrite;
  bool listed = false;
  std::vector<std::string> names;
  for (const std::string& file : files::FolderFileNames(folders.gedcom, &listed)) {
    if (file.size() > 4 && file.ends_with(".ged")) names.push_back(file.substr(0, file.size() - 4));
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) c.out << name << "\n";
  return kExitOk;
}

int Settings(Context& c, const std::vector<std::string>& args) {
  if (args.size() != 2) return UsageError(c, "settings takes a tree");
  files::DataFolders folders;
  if (!OpenHome(c, &folders)) return kExitCannotWrite;
  const std::string tree = files::WithoutGedExtension(FileStem(args[1]));
  files::WebSiteSettings web;
  files::ConfigFileStart start{tree, c.ui.clock().CurrentYear()};
  platform::LocalFileSystem file_system;
  Status read = files::ReadConfigFile(file_system, files::TreeFile(folders.config, tree, ".cfg"),
                                      start, &web);
  files::ProgramSettings program;
  if (read.ok() || read.code() == Status::Code::kNotFound) {
    read = files::ReadSourcesWeb(file_system, files::SourcesFile(folders), &program);
  }
  if (!read.ok() && read.code() != Status::Code::kNotFound) {
    c.err << "kinloom-cli: " << read.message() << "\n";
    return kExitBadInput;
  }
  for (const std::string& line : files::WebSettingLines(web)) c.out << line << "\n";
  for (const std::string& line : files::ProgramSettingLines(program)) c.out << line << "\n";
  return kExitOk;
}

namespace {

struct CopyRequest {
  files::ReducedCopy kind = files::ReducedCopy::kSplit;
  bool kind_given = false;
  int select = 0;
  std::string walk;
  int generations = reports::kAllGenerations;
  bool siblings = false;
  bool spouses = false;
};

// Reads the options of save-copy; false (with the usage message) when they do not make sense.
bool ParseCopyRequest(Context& c, const std::vector<std::string>& args, CopyRequest* r) {
  for (size_t i = 2; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--split" || a == "--hide" || a == "--both") {
      r->kind = a == "--split"  ? files::ReducedCopy::kSplit
                : a == "--hide" ? files::ReducedCopy::kHide
                                : files::ReducedCopy::kBoth;
      r->kind_given = true;
    } else if (a == "--select" && i + 1 < args.size() && ParseInt(args[i + 1], &r->select)) {
      ++i;
    } else if (a == "--ancestors" || a == "--descendants" || a == "--ancestor-tree" ||
               a == "--descendant-tree") {
      r->walk = a;
    } else if (a == "--generations" && i + 1 < args.size() &&
               ParseInt(args[i + 1], &r->generations)) {
      ++i;
    } else if (a == "--siblings") {
      r->siblings = true;
    } else if (a == "--spouses") {
      r->spouses = true;
    } else {
      UsageError(c, "unknown save-copy option '" + a + "'");
      return false;
    }
  }
  if (!r->kind_given) return UsageError(c, "save-copy needs --split, --hide or --both"), false;
  if ((r->select != 0) != !r->walk.empty()) {
    return UsageError(c, "--select goes with one of the walks"), false;
  }
  return true;
}

void MarkSelection(store::RecordStore& tree, const CopyRequest& r) {
  reports::SplitSelection selection(tree);
  selection.UnCheckAll();
  if (r.walk == "--ancestors") selection.MarkAncestors(r.select, r.generations, r.siblings);
  if (r.walk == "--descendants") selection.MarkDescendants(r.select, r.generations, r.spouses);
  if (r.walk == "--ancestor-tree") selection.AddAncestorTree(r.select);
  if (r.walk == "--descendant-tree") selection.AddDescendantTree(r.select);
}

}  // namespace

int SaveCopy(Context& c, const std::vector<std::string>& args) {
  if (args.size() < 3) return UsageError(c, "save-copy takes a tree and a kind of copy");
  CopyRequest request;
  if (!ParseCopyRequest(c, args, &request)) return kExitUsage;
  HomeTree home(c);
  if (int status = home.Open(args[1]); status != kExitOk) return status;
  if (request.select != 0) {
    if (c.tree.individual(request.select) == nullptr) {
      c.err << "kinloom-cli: no individual " << request.select << "\n";
      return kExitBadInput;
    }
    MarkSelection(c.tree, request);
  }
  files::TreeWorkspace& work = home.work();
  std::string name = files::SaveReducedCopy(work.session(), home.folders(), request.kind,
                                            work.SaveStepsWired(), c.ui);
  if (name.empty()) return kExitCannotWrite;
  c.out << name << "\n";
  return kExitOk;
}

}  // namespace kinloom::cli
