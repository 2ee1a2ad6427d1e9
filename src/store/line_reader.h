#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kinloom::store {

// Reads a text file line by line in large blocks. A line ends at a line feed; a carriage
// return before it is dropped, so CR LF and LF files read alike. A line is cut at its first NUL
// byte. Lines of any length are returned whole, up to kMaxLine bytes; the rest of a longer line
// is skipped and counted.
class LineReader {
 public:
  static constexpr size_t kMaxLine = 1 << 24;

  LineReader() = default;
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Opens a file for reading; false when it does not exist or cannot be read. A file in UTF-16
  // (with a byte order mark, or starting with "0" and a zero byte in either order) is read
  // whole and served as UTF-8.
  bool Open(const std::string& path);
  bool transcoded_utf16() const { return transcoded_utf16_; }
  bool is_open() const { return file_ != nullptr; }
  // The next line, valid until the next call; false at the end of the file.
  bool Next(std::string_view* line);
  // Puts the line last returned back, so the next call returns it again.
  void PushBack() { pushed_back_ = true; }
  bool read_error() const { return read_error_; }
  size_t truncated_lines() const { return truncated_lines_; }

 private:
  bool Fill();
  void TranscodeUtf16(bool big_endian, size_t skip);

  std::FILE* file_ = nullptr;
  std::vector<char> block_;
  size_t begin_ = 0;
  size_t end_ = 0;
  bool eof_ = false;
  bool read_error_ = false;
  bool pushed_back_ = false;
  bool transcoded_utf16_ = false;
  std::string long_line_;
  std::string_view last_;
  size_t truncated_lines_ = 0;
};

}  // namespace kinloom::store
