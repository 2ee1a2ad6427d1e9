#include "files/tree_media.h"

#include <string_view>

#include "files/album_file.h"
#include "files/config_file.h"
#include "files/media_albums.h"
#include "files/web_settings.h"
#include "platform/file_io.h"
#include "platform/headless_interaction.h"
#include "store/charsets.h"
#include "store/gedcom_header.h"
#include "store/line_conversion.h"
#include "store/line_reader.h"
#include "store/line_search.h"

namespace kinloom::files {
namespace {

// The pictures a GEDCOM file names: "1 OBJE" values, and the "2 FILE" lines of "1 OBJE" links
// without a value or with a cross-reference.
void AddGedcomPictures(const std::string& path, std::vector<std::string>* files) {
  store::LineReader lines;
  if (!lines.Open(path)) return;
  const store::HeaderInfo header = store::ReadHeader(lines);
  if (!header.is_gedcom || !header.has_record_line) return;
  bool in_object = false;
  std::string_view raw = header.first_record_line;
  do {
    const std::string line = store::LineToInternal(header.charset, raw);
    if (!line.empty() && line[0] <= '1') in_object = false;
    if (store::HasTag(line, "1 OBJE")) {
      const std::string_view value = store::LineValue(line, "1 OBJE");
      in_object = value.empty() || value.front() == '@';
      if (!in_object) files->emplace_back(value);
    } else if (in_object && store::HasTag(line, "2 FILE")) {
      const std::string_view value = store::LineValue(line, "2 FILE");
      if (!value.empty()) files->emplace_back(value);
    }
  } while (lines.Next(&raw));
}

// The files of the tree's albums, read as the album reader reads them.
void AddAlbumFiles(platform::FileSystem& file_system, const std::string& path,
                   std::vector<std::string>* files) {
  std::string bytes;
  if (!file_system.ReadFile(path, &bytes).ok()) return;
  platform::HeadlessInteraction quiet;
  store::RecordStore scratch(quiet);
  MediaAlbums albums;
  TreeSettings settings;
  ReadAlbumText(bytes, scratch, &albums, &settings);
  for (int a = 0; a < albums.album_count(); ++a) {
    for (const MediaItem& item : albums.album(a).items) {
      if (!item.file.empty()) files->push_back(item.file);
    }
  }
}

void AddWebImages(platform::FileSystem& file_system, const DataFolders& folders,
                  const std::string& path, std::vector<std::string>* files) {
  WebSiteSettings settings;
  if (!ReadConfigFile(file_system, path, ConfigFileStart{}, &settings).ok()) return;
  for (const std::string* name :
       {&settings.title_pattern_file, &settings.title_image_file, &settings.page_pattern_file}) {
    if (name->empty()) continue;
    files->push_back(name->front() == '/' ? *name : JoinPath(folders.image, *name));
  }
}

}  // namespace

std::vector<std::string> TreeMediaFiles(const DataFolders& folders, const std::string& tree) {
  platform::LocalFileSystem file_system;
  std::vector<std::string> files;
  AddGedcomPictures(TreeFile(folders.gedcom, tree, ".ged"), &files);
  AddAlbumFiles(file_system, TreeFile(folders.config, tree, ".med"), &files);
  AddWebImages(file_system, folders, TreeFile(folders.config, tree, ".cfg"), &files);
  return files;
}

}  // namespace kinloom::files
