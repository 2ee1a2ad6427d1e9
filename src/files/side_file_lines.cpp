#include "files/side_file_lines.h"

#include "store/charsets.h"

namespace kinloom::files {

SideFileLines::SideFileLines(std::string_view bytes) : rest_(bytes) {
  bool big_endian = false;
  size_t skip = 0;
  if (store::HasUtf16ByteOrderMark(bytes, &big_endian)) {
    skip = 2;
    transcoded_utf16_ = true;
  } else if (bytes.size() >= 2 && (bytes[0] == '0') != (bytes[1] == '0') &&
             (bytes[0] == '\0' || bytes[1] == '\0')) {
    big_endian = bytes[0] == '\0';
    transcoded_utf16_ = true;
  }
  if (!transcoded_utf16_) return;
  transcoded_ = store::Utf16ToUtf8(bytes.substr(skip), big_endian);
  rest_ = transcoded_;
}

bool SideFileLines::Next(std::string_view* line) {
  if (pushed_back_) {
    pushed_back_ = false;
    *line = last_;
    return true;
  }
  if (rest_.empty()) return false;
  const size_t end = rest_.find('\n');
  std::string_view text = rest_.substr(0, end);
  rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  text = text.substr(0, text.find('\0'));
  last_ = text;
  *line = text;
  return true;
}

}  // namespace kinloom::files
