#include "web/site_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace kinloom::web {
namespace {

constexpr std::string_view kTempSuffix = ".kln-tmp";

constexpr std::array<std::string_view, 11> kDataFiles = {
    "seqindex", "indindex", "inddata", "chtindex", "chtdata", "famindex",
    "famdata",  "picindex", "picdata", "srcindex", "srcdata"};

Status MakeFolder(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return Status::Ok();
    return Status::IoError(path + ": exists and is not a folder");
  }
  if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) {
    return Status::IoError(path + ": " + std::strerror(errno));
  }
  return Status::Ok();
}

bool IsRealFolder(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int RemoveSiteFilesIn(const std::string& folder) {
  if (!IsRealFolder(folder)) return 0;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return 0;
  std::vector<std::string> names;
  while (dirent* entry = ::readdir(dir)) names.emplace_back(entry->d_name);
  ::closedir(dir);
  int removed = 0;
  for (const std::string& name : names) {
    if (!IsSiteFileName(name)) continue;
    const std::string path = folder + "/" + name;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) continue;
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode)) continue;
    if (::unlink(path.c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace

Status MakeSiteFolders(const std::string& site, std::span<const std::string_view> subfolders) {
  if (Status made = MakeFolder(site); !made.ok()) return made;
  for (std::string_view sub : subfolders) {
    if (Status made = MakeFolder(site + "/" + std::string(sub)); !made.ok()) return made;
  }
  return Status::Ok();
}

bool IsSiteFileName(std::string_view name) {
  if (name.empty() || name.front() == '.') return false;
  if (name.ends_with(kTempSuffix)) return true;
  if (name.starts_with("kln_")) return true;
  if (name == "index.html" || name == "contact.php" || name == "title.jpg" || name == "title.gif") {
    return true;
  }
  for (std::string_view data : kDataFiles) {
    if (name == data) return true;
  }
  return false;
}

int RemoveOldSiteFiles(const std::string& site, std::span<const std::string_view> subfolders) {
  int removed = RemoveSiteFilesIn(site);
  for (std::string_view sub : subfolders)
    removed += RemoveSiteFilesIn(site + "/" + std::string(sub));
  return removed;
}

Status WriteSiteFile(const std::string& path, std::string_view bytes) {
  const std::string temp = path + std::string(kTempSuffix);
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return Status::IoError(path + ": " + std::strerror(errno));
  const char* data = bytes.data();
  size_t left = bytes.size();
  int error = 0;
  while (left > 0) {
    ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return Status::IoError(path + ": " + std::strerror(error));
  }
  return Status::Ok();
}

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  bytes->resize(static_cast<size_t>(info.st_size));
  const size_t read = std::fread(bytes->data(), 1, bytes->size(), file);
  const bool ok = read == bytes->size() && std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

std::string_view BaseName(std::string_view path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string PublishedExtension(std::string_view file) {
  file = BaseName(file);
  const size_t dot = file.find_last_of('.');
  if (dot == std::string_view::npos) return {};
  std::string extension;
  for (char c : file.substr(dot + 1)) {
    extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  // Documents that a browser could run as a page of the site (HTML, SVG) are not published.
  static constexpr std::array<std::string_view, 11> kKnown = {
      "jpg", "jpeg", "png", "gif", "bmp", "webp", "pdf", "txt", "rtf", "doc", "tif"};
  for (std::string_view known : kKnown) {
    if (extension == known) return extension;
  }
  return {};
}

}  // namespace kinloom::web
