#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kinloom::store {

// Where a LineReader takes its bytes from: a file, or in tests a source that fails on cue.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `size` bytes into `data` and returns how many; fewer only at the end of the
  // data or on a read error, which error() then tells.
  virtual size_t Read(char* data, size_t size) = 0;
  // The errno of the read that failed; 0 while none failed.
  virtual int error() const = 0;
};

// Opens a file to read; nullptr, with the errno in *error, when it cannot be opened.
std::unique_ptr<ByteSource> OpenFileSource(const std::string& path, int* error);

// Reads a text file line by line in large blocks. A line ends at a line feed; a carriage
// return before it is dropped, so CR LF and LF files read alike. A line is cut at its first NUL
// byte. Lines of any length are returned whole, up to kMaxLine bytes; the rest of a longer line
// is skipped and counted.
class LineReader {
 public:
  static constexpr size_t kMaxLine = 1 << 24;

  LineReader() = default;
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Opens a file for reading; false when it does not exist or cannot be opened (missing() and
  // error() tell which). A file in UTF-16 (with a byte order mark, or starting with "0" and a
  // zero byte in either order) is read whole and served as UTF-8.
  bool Open(const std::string& path);
  // Reads from a source opened by the caller.
  bool Open(std::unique_ptr<ByteSource> source);
  bool transcoded_utf16() const { return transcoded_utf16_; }
  bool is_open() const { return source_ != nullptr; }
  // The next line, valid until the next call; false at the end of the file, and after a read
  // error, which read_error() then tells.
  bool Next(std::string_view* line);
  // Puts the line last returned back, so the next call returns it again.
  void PushBack() { pushed_back_ = true; }
  // Closes the file and frees the buffers (a file read from UTF-16 is held whole); Next() then
  // returns false.
  void Close();
  bool read_error() const { return read_error_; }
  // After a failed Open: true when there is no such file (rather than one that cannot be read).
  bool missing() const { return missing_; }
  // The errno of the failed open or read; 0 when nothing failed.
  int error() const { return error_; }
  size_t truncated_lines() const { return truncated_lines_; }

 private:
  bool Fill();
  size_t ReadSome(char* data, size_t size);
  void TranscodeUtf16(bool big_endian, size_t skip);

  std::unique_ptr<ByteSource> source_;
  std::vector<char> block_;
  size_t begin_ = 0;
  size_t end_ = 0;
  bool eof_ = false;
  bool read_error_ = false;
  bool missing_ = false;
  int error_ = 0;
  bool pushed_back_ = false;
  bool transcoded_utf16_ = false;
  std::string long_line_;
  std::string_view last_;
  size_t truncated_lines_ = 0;
};

}  // namespace kinloom::store
