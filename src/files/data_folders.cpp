#include "files/data_folders.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace kinloom::files {
namespace {

namespace fs = std::filesystem;

std::string EnvText(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The value of one line of user-dirs.dirs, with $HOME put in, or empty when the line does not
// set the key.
std::string UserDirValue(std::string_view line, std::string_view key, const std::string& home) {
  if (line.substr(0, key.size()) != key || line.substr(key.size(), 1) != "=") return "";
  std::string_view value = line.substr(key.size() + 1);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  std::string result;
  if (value.substr(0, 5) == "$HOME") {
    result = home;
    value.remove_prefix(5);
  }
  result += value;
  return WithoutTrailingSlash(result);
}

std::string UserDir(std::string_view user_dirs, std::string_view key, const std::string& home) {
  std::string found;
  while (!user_dirs.empty()) {
    size_t end = user_dirs.find('\n');
    std::string_view line = user_dirs.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string value = UserDirValue(line, key, home);
    if (!value.empty()) found = value;
    if (end == std::string_view::npos) break;
    user_dirs.remove_prefix(end + 1);
  }
  return found.empty() ? home : found;
}

// The absolute form of a path with its symbolic links resolved as far as they exist.
fs::path Resolved(std::string_view path) {
  std::error_code ec;
  fs::path absolute = fs::absolute(fs::path(WithoutTrailingSlash(std::string(path))), ec);
  if (ec) return fs::path(path).lexically_normal();
  fs::path resolved = fs::weakly_canonical(absolute, ec);
  return ec ? absolute.lexically_normal() : resolved;
}

long long DayNumber(int year, int month, int day) {
  using namespace std::chrono;
  return sys_days(std::chrono::year{year} / static_cast<unsigned>(month) /
                  static_cast<unsigned>(day))
      .time_since_epoch()
      .count();
}

std::optional<std::tm> LocalFileTime(const std::string& path) {
  std::error_code ec;
  const fs::file_time_type written = fs::last_write_time(path, ec);
  if (ec) return std::nullopt;
  const std::time_t seconds = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(
          std::chrono::file_clock::to_sys(written)));
  const std::tm* local = std::localtime(&seconds);
  if (local == nullptr) return std::nullopt;
  return *local;
}

// The local day a file was written, rounded to the nearest whole day.
std::optional<long long> RoundedFileDay(const std::string& path) {
  std::optional<std::tm> t = LocalFileTime(path);
  if (!t) return std::nullopt;
  const long long day = DayNumber(t->tm_year + 1900, t->tm_mon + 1, t->tm_mday);
  return t->tm_hour >= 12 ? day + 1 : day;
}

}  // namespace

Environment Environment::FromProcess() {
  return {EnvText("KINLOOM_HOME"), EnvText("XDG_DATA_HOME"), EnvText("XDG_CONFIG_HOME"),
          EnvText("HOME")};
}

std::string DataHome(std::string_view home_option, const Environment& env) {
  if (!home_option.empty()) return WithoutTrailingSlash(std::string(home_option));
  if (!env.kinloom_home.empty()) return WithoutTrailingSlash(env.kinloom_home);
  // A relative XDG_DATA_HOME is invalid and ignored, as the desktop conventions ask.
  if (!env.xdg_data_home.empty() && env.xdg_data_home.front() == '/') {
    return JoinPath(WithoutTrailingSlash(env.xdg_data_home), "kinloom");
  }
  if (env.home.empty()) return "";
  return JoinPath(WithoutTrailingSlash(env.home), ".local/share/kinloom");
}

DataFolders DataFoldersAt(std::string_view home, std::string_view system_folder) {
  DataFolders f;
  f.home = WithoutTrailingSlash(std::string(home));
  f.system = WithoutTrailingSlash(std::string(system_folder));
  f.gedcom = JoinPath(f.home, "gedcom");
  f.media = JoinPath(f.home, "media");
  f.config = JoinPath(f.home, "config");
  f.thumb = JoinPath(f.home, "thumb");
  f.image = JoinPath(f.home, "image");
  f.my_files = JoinPath(f.home, "my_files");
  f.backup = JoinPath(f.home, "backup");
  f.web = JoinPath(f.home, "web");
  return f;
}

Status MakeDataFolders(const DataFolders& folders) {
  std::error_code ec;
  fs::create_directories(folders.home, ec);
  if (ec || !fs::is_directory(folders.home, ec)) {
    return Status::IoError("The data folder could not be made:\n" + folders.home);
  }
  for (const std::string* folder :
       {&folders.gedcom, &folders.media, &folders.config, &folders.thumb, &folders.image,
        &folders.my_files, &folders.backup, &folders.web}) {
    fs::create_directory(*folder, ec);
    if (ec || !fs::is_directory(*folder, ec)) {
      return Status::IoError("The data folder could not be made:\n" + *folder);
    }
  }
  return Status::Ok();
}

std::string FindSystemFolder(const std::vector<std::string>& candidates) {
  for (const std::string& candidate : candidates) {
    std::error_code ec;
    if (!candidate.empty() && fs::is_directory(candidate, ec)) {
      return WithoutTrailingSlash(candidate);
    }
  }
  return "";
}

UserFolders UserFoldersFrom(const Environment& env, std::string_view user_dirs) {
  const std::string home = WithoutTrailingSlash(env.home);
  return {UserDir(user_dirs, "XDG_DOCUMENTS_DIR", home),
          UserDir(user_dirs, "XDG_PUBLICSHARE_DIR", home),
          UserDir(user_dirs, "XDG_PICTURES_DIR", home)};
}

UserFolders FindUserFolders(const Environment& env) {
  std::string config = env.xdg_config_home.empty() ? JoinPath(env.home, ".config")
                                                   : WithoutTrailingSlash(env.xdg_config_home);
  std::ifstream in(JoinPath(config, "user-dirs.dirs"), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return UserFoldersFrom(env, text);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

std::string TreeFile(std::string_view folder, std::string_view tree, std::string_view extension) {
  return JoinPath(folder, std::string(tree) + std::string(extension));
}

std::string SourcesFile(const DataFolders& folders) {
  return JoinPath(folders.config, "sources.web");
}

std::vector<std::string> TreeWebFolders(const DataFolders& folders, std::string_view tree) {
  const std::string root = JoinPath(folders.web, tree);
  const std::string php = JoinPath(root, "php");
  const std::string htm = JoinPath(root, "htm");
  std::vector<std::string> list = {root, JoinPath(root, "sys"), php};
  for (const char* sub : {"sys", "med", "tmb"}) list.push_back(JoinPath(php, sub));
  list.push_back(htm);
  for (const char* sub : {"sys", "med", "tmb", "ind", "anc", "des", "idx", "pic"}) {
    list.push_back(JoinPath(htm, sub));
  }
  return list;
}

void MakeTreeWebFolders(const DataFolders& folders, std::string_view tree) {
  for (const std::string& folder : TreeWebFolders(folders, tree)) {
    std::error_code ec;
    fs::create_directory(folder, ec);
  }
}

Status CheckTreeName(std::string_view name) {
  bool bad = name.empty() || name == "." || name.find("..") != std::string_view::npos;
  for (char c : name) {
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) bad = true;
  }
  if (!bad) return Status::Ok();
  return Status::InvalidArgument("The name \"" + std::string(name) +
                                 "\" cannot be used for a family tree.\n\n"
                                 "A family tree name may not contain \"/\", \"\\\" or \"..\".");
}

bool IsInsideFolder(std::string_view folder, std::string_view path) {
  const fs::path relative = Resolved(path).lexically_relative(Resolved(folder));
  if (relative.empty() || relative == ".") return false;
  return *relative.begin() != "..";
}

bool SameFolder(std::string_view a, std::string_view b) {
  return Resolved(a) == Resolved(b);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

std::vector<std::string> FolderFileNames(const std::string& folder, bool* listed) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code type_ec;
    if (!it->is_directory(type_ec)) names.push_back(it->path().filename().string());
  }
  if (ec && listed != nullptr) *listed = false;
  std::sort(names.begin(), names.end());
  return names;
}

bool IsNewerFile(const std::string& source, const std::string& target) {
  std::error_code ec;
  const fs::file_time_type target_time = fs::last_write_time(target, ec);
  if (ec) return true;  // a missing target counts as older
  const fs::file_time_type source_time = fs::last_write_time(source, ec);
  return !ec && source_time > target_time;
}

std::string FileTimeText(const std::string& path) {
  std::optional<std::tm> t = LocalFileTime(path);
  if (!t) return "";
  char text[80];
  const int hour = t->tm_hour % 12 == 0 ? 12 : t->tm_hour % 12;
  char clock[16];
  std::snprintf(clock, sizeof clock, "%02d:%02d %s", hour, t->tm_min,
                t->tm_hour < 12 ? "AM" : "PM");
  std::strftime(text, sizeof text, "%A, %B ", &*t);
  return std::string(text) + std::to_string(t->tm_mday) + ", " + std::to_string(t->tm_year + 1900) +
         " at " + clock;
}

std::vector<std::string> DeleteFolderFiles(platform::FileSystem& file_system,
                                           const std::string& folder, bool remove_folder) {
  std::vector<std::string> failures;
  std::error_code ec;
  if (!fs::is_directory(fs::symlink_status(folder, ec))) return failures;
  bool listed = true;
  for (const std::string& name : FolderFileNames(folder, &listed)) {
    Status removed = file_system.RemoveFile(JoinPath(folder, name));
    if (!removed.ok() && removed.code() != Status::Code::kNotFound) {
      failures.push_back(removed.message());
    }
  }
  if (!listed) failures.push_back(folder + ": the folder cannot be read");
  if (remove_folder) {
    Status removed = file_system.RemoveFile(folder);
    if (!removed.ok() && removed.code() != Status::Code::kNotFound) {
      failures.push_back(removed.message());
    }
  }
  return failures;
}

void DeleteOldBackups(const DataFolders& folders, int days_to_keep, const platform::DateTime& now) {
  const long long today = DayNumber(now.year, now.month, now.day);
  for (const std::string& name : FolderFileNames(folders.backup, nullptr)) {
    const std::string path = JoinPath(folders.backup, name);
    std::optional<long long> day = RoundedFileDay(path);
    std::error_code ec;
    if (day && *day < today - days_to_keep) fs::remove(path, ec);
  }
}

}  // namespace kinloom::files
