#pragma once

#include <string>
#include <string_view>

namespace kinloom::files {

// The lines of a side file read whole into memory. A line ends at a line feed; a carriage
// return before it is dropped, so CR LF and LF files read alike, and a line is cut at its first
// NUL byte. A file in UTF-16 (with a byte order mark, or starting with "0" and a zero byte in
// either order) is served as UTF-8. The lines stay valid while this object lives.
class SideFileLines {
 public:
  explicit SideFileLines(std::string_view bytes);
  SideFileLines(const SideFileLines&) = delete;
  SideFileLines& operator=(const SideFileLines&) = delete;

  bool transcoded_utf16() const { return transcoded_utf16_; }
  // The next line; false at the end of the file.
  bool Next(std::string_view* line);
  // Puts the line last returned back, so the next call returns it again.
  void PushBack() { pushed_back_ = true; }

 private:
  std::string transcoded_;
  std::string_view rest_;
  std::string_view last_;
  bool pushed_back_ = false;
  bool transcoded_utf16_ = false;
};

}  // namespace kinloom::files
