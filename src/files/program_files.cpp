#include "files/program_files.h"

#include <filesystem>
#include <system_error>

namespace kinloom::files {
namespace fs = std::filesystem;

// The build passes these; a build that does not (a tool compiled on its own) still links.
#ifndef KINLOOM_VERSION
#define KINLOOM_VERSION "0"
#endif
#ifndef KINLOOM_INSTALL_DATA_DIR
#define KINLOOM_INSTALL_DATA_DIR ""
#endif
#ifndef KINLOOM_INSTALL_DOC_DIR
#define KINLOOM_INSTALL_DOC_DIR ""
#endif
#ifndef KINLOOM_RELATIVE_DATA_DIR
#define KINLOOM_RELATIVE_DATA_DIR ""
#endif
#ifndef KINLOOM_RELATIVE_DOC_DIR
#define KINLOOM_RELATIVE_DOC_DIR ""
#endif
#ifndef KINLOOM_SOURCE_TREE
#define KINLOOM_SOURCE_TREE ""
#endif

namespace {

constexpr const char* kGuideName = "user-guide.md";
constexpr const char* kLicenceName = "LICENSE";

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

// The folder of the running program's file ("" when the system does not say).
std::string ProgramFolder() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "";
  return self.parent_path().string();
}

std::string Under(const std::string& folder, const char* relative) {
  if (folder.empty() || relative[0] == '\0') return "";
  return (fs::path(folder) / relative).lexically_normal().string();
}

// An installation keeps the guide and the licence together in its documentation folder.
ProgramFiles Installed(const std::string& data, const std::string& docs) {
  if (data.empty() || docs.empty()) return {};
  return {data, docs + "/" + kGuideName, docs + "/" + kLicenceName};
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string_view ProgramVersion() {
  return KINLOOM_VERSION;
}

ProgramFiles FindProgramFilesAmong(const std::vector<ProgramFiles>& places) {
  for (const ProgramFiles& place : places) {
    if (!IsFolder(place.data)) continue;
    return {WithoutTrailingSlash(place.data), place.guide, place.licence};
  }
  return {};
}

std::vector<ProgramFiles> ProgramFilesPlaces() {
  std::vector<ProgramFiles> places;
  places.push_back(Installed(KINLOOM_INSTALL_DATA_DIR, KINLOOM_INSTALL_DOC_DIR));
  const std::string program = ProgramFolder();
  places.push_back(Installed(Under(program, KINLOOM_RELATIVE_DATA_DIR),
                             Under(program, KINLOOM_RELATIVE_DOC_DIR)));
  const std::string source = KINLOOM_SOURCE_TREE;
  if (!source.empty()) {
    // The repository keeps the guide in docs/ and the licence at its top.
    places.push_back(
        {source + "/system", source + "/docs/" + kGuideName, source + "/" + kLicenceName});
  }
  return places;
}

ProgramFiles FindProgramFiles() {
  return FindProgramFilesAmong(ProgramFilesPlaces());
}

}  // namespace kinloom::files
