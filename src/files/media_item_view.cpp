#include "files/media_item_view.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "store/line_search.h"

namespace kinloom::files {
namespace {

std::string UpperExtension(std::string_view file) {
  const size_t dot = file.rfind('.');
  if (dot == std::string_view::npos || file.find('/', dot) != std::string_view::npos) return {};
  std::string extension(file.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return extension;
}

}  // namespace

MediaPreview PreviewOf(std::string_view file) {
  constexpr std::array<std::string_view, 2> kTexts = {"TXT", "RTF"};
  constexpr std::array<std::string_view, 5> kPictures = {"JPG", "JPEG", "BMP", "GIF", "PNG"};
  const std::string extension = UpperExtension(file);
  if (std::find(kTexts.begin(), kTexts.end(), extension) != kTexts.end()) {
    return MediaPreview::kText;
  }
  if (std::find(kPictures.begin(), kPictures.end(), extension) != kPictures.end()) {
    return MediaPreview::kPicture;
  }
  return MediaPreview::kNone;
}

std::string FileTypeName(std::string_view file) {
  std::string extension = UpperExtension(file);
  return extension.empty() ? "File" : extension;
}

std::string SourceTitle(const store::RecordStore& store, int source) {
  if (source < 1 || source > store.highest_source()) return {};
  store::LineNode* record = store.source(source);
  if (record == nullptr) return {};
  store::LineNode* title = store::FindTagLine(record, "1 TITL");
  return title == nullptr ? std::string() : std::string(store::LineValue(title->text(), "1 TITL"));
}

}  // namespace kinloom::files
