#include "files/tree_media.h"

#include <cctype>
#include <fstream>
#include <string_view>

#include "files/config_file.h"
#include "files/web_settings.h"
#include "store/charsets.h"

namespace kinloom::files {
namespace {

std::vector<std::string> FileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string_view ValueAfter(std::string_view line, std::string_view tag) {
  if (!StartsWith(line, tag) || line.size() <= tag.size() || line[tag.size()] != ' ') return {};
  return line.substr(tag.size() + 1);
}

// The head of a GEDCOM file names its character set before the first record.
bool GedcomHeadSaysUtf8(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0 && StartsWith(lines[i], "0 ")) break;
    for (std::string_view marker : {"1 CHAR UTF-8", "1 CHAR UTF 8", "1 CHAR UTF8"}) {
      if (StartsWith(lines[i], marker)) return true;
    }
  }
  return false;
}

void AddGedcomPictures(const std::string& path, std::vector<std::string>* files) {
  std::vector<std::string> lines = FileLines(path);
  const bool utf8 = GedcomHeadSaysUtf8(lines);
  bool in_object = false;
  for (std::string& line : lines) {
    if (utf8) line = store::Utf8LineToInternal(line);
    if (!line.empty() && line[0] <= '1') in_object = false;
    if (StartsWith(line, "1 OBJE")) {
      const std::string_view value = ValueAfter(line, "1 OBJE");
      in_object = value.empty() || value.front() == '@';
      if (!in_object) files->emplace_back(value);
    } else if (in_object && StartsWith(line, "2 FILE")) {
      const std::string_view value = ValueAfter(line, "2 FILE");
      if (!value.empty()) files->emplace_back(value);
    }
  }
}

void AddAlbumFiles(const std::string& path, std::vector<std::string>* files) {
  std::vector<std::string> lines = FileLines(path);
  bool utf8 = false;
  if (!lines.empty()) {
    std::string first = lines.front().substr(0, 10);
    for (char& c : first) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    utf8 = first == "CHAR UTF-8";
  }
  for (std::string& line : lines) {
    if (!StartsWith(line, "FILE ")) continue;
    if (utf8) store::DecodeUtf8(line, 5);
    if (line.size() > 5) files->push_back(line.substr(5));
  }
}

void AddWebImages(const files::DataFolders& folders, const std::string& path,
                  std::vector<std::string>* files) {
  files::WebSiteSettings settings;
  if (files::ReadConfigFile(path, &settings) != files::ConfigReadResult::kRead) return;
  for (const std::string* name :
       {&settings.title_pattern_file, &settings.title_image_file, &settings.page_pattern_file}) {
    if (name->empty()) continue;
    files->push_back(name->front() == '/' ? *name : files::JoinPath(folders.image, *name));
  }
}

}  // namespace

std::vector<std::string> TreeMediaFiles(const files::DataFolders& folders,
                                        const std::string& tree) {
  std::vector<std::string> files;
  AddGedcomPictures(files::TreeFile(folders.gedcom, tree, ".ged"), &files);
  AddAlbumFiles(files::TreeFile(folders.config, tree, ".med"), &files);
  AddWebImages(folders, files::TreeFile(folders.config, tree, ".cfg"), &files);
  return files;
}

}  // namespace kinloom::files
