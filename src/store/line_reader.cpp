#include "store/line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "store/charsets.h"

namespace kinloom::store {
namespace {

constexpr size_t kBlockSize = 1 << 20;

std::string_view CleanLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  size_t nul = line.find('\0');
  if (nul != std::string_view::npos) line = line.substr(0, nul);
  return line;
}

class FileSource final : public ByteSource {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {}
  ~FileSource() override { std::fclose(file_); }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  size_t Read(char* data, size_t size) override {
    errno = 0;
    const size_t n = std::fread(data, 1, size, file_);
    if (n < size && std::ferror(file_)) error_ = errno != 0 ? errno : EIO;
    return n;
  }
  int error() const override { return error_; }

 private:
  std::FILE* file_;
  int error_ = 0;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileSource(const std::string& path, int* error) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    *error = errno != 0 ? errno : EIO;
    return nullptr;
  }
  *error = 0;
  return std::make_unique<FileSource>(file);
}

bool LineReader::Open(const std::string& path) {
  int error = 0;
  std::unique_ptr<ByteSource> source = OpenFileSource(path, &error);
  if (source == nullptr) {
    error_ = error;
    missing_ = error == ENOENT || error == ENOTDIR;
    return false;
  }
  return Open(std::move(source));
}

bool LineReader::Open(std::unique_ptr<ByteSource> source) {
  source_ = std::move(source);
  if (source_ == nullptr) return false;
  block_.resize(kBlockSize);
  begin_ = 0;
  end_ = ReadSome(block_.data(), block_.size());
  eof_ = end_ < block_.size();
  const unsigned char first = end_ > 0 ? static_cast<unsigned char>(block_[0]) : 0;
  const unsigned char second = end_ > 1 ? static_cast<unsigned char>(block_[1]) : 0;
  bool big_endian = false;
  if (HasUtf16ByteOrderMark(std::string_view(block_.data(), std::min<size_t>(end_, 2)),
                            &big_endian)) {
    TranscodeUtf16(big_endian, 2);
  } else if (end_ >= 2 && (first == '0') != (second == '0') && (first == 0 || second == 0)) {
    TranscodeUtf16(first == 0, 0);
  }
  return true;
}

void LineReader::Close() {
  source_.reset();
  std::vector<char>().swap(block_);
  std::string().swap(long_line_);
  begin_ = end_ = 0;
  eof_ = true;
  pushed_back_ = false;
  last_ = {};
}

size_t LineReader::ReadSome(char* data, size_t size) {
  const size_t n = source_->Read(data, size);
  if (source_->error() != 0) {
    read_error_ = true;
    error_ = source_->error();
  }
  return n;
}

void LineReader::TranscodeUtf16(bool big_endian, size_t skip) {
  std::string bytes(block_.data(), end_);
  std::vector<char> chunk(kBlockSize);
  while (!eof_) {
    const size_t n = ReadSome(chunk.data(), chunk.size());
    bytes.append(chunk.data(), n);
    eof_ = n < chunk.size();
  }
  std::string utf8 =
      Utf16ToUtf8(std::string_view(bytes).substr(std::min(skip, bytes.size())), big_endian);
  block_.assign(utf8.begin(), utf8.end());
  begin_ = 0;
  end_ = block_.size();
  transcoded_utf16_ = true;
}

bool LineReader::Fill() {
  if (eof_ || source_ == nullptr) return false;
  const size_t n = ReadSome(block_.data(), block_.size());
  eof_ = n < block_.size();
  begin_ = 0;
  end_ = n;
  return n > 0;
}

bool LineReader::Next(std::string_view* line) {
  if (pushed_back_) {
    pushed_back_ = false;
    *line = last_;
    return true;
  }
  long_line_.clear();
  bool spans_blocks = false;
  bool cut = false;
  for (;;) {
    if (begin_ == end_ && !Fill()) {
      if (!spans_blocks) return false;
      last_ = CleanLine(long_line_);
      *line = last_;
      return true;
    }
    const char* start = block_.data() + begin_;
    const void* found = std::memchr(start, '\n', end_ - begin_);
    size_t length =
        found ? static_cast<size_t>(static_cast<const char*>(found) - start) : end_ - begin_;
    bool complete = found != nullptr;
    begin_ += length + (complete ? 1 : 0);
    if (complete && !spans_blocks) {
      last_ = CleanLine(std::string_view(start, length));
      *line = last_;
      return true;
    }
    // A line that runs across blocks is gathered in its own buffer.
    size_t room = kMaxLine - std::min(kMaxLine, long_line_.size());
    if (length > room && !cut) {
      cut = true;
      ++truncated_lines_;
    }
    long_line_.append(start, std::min(length, room));
    spans_blocks = true;
    if (complete) {
      last_ = CleanLine(long_line_);
      *line = last_;
      return true;
    }
  }
}

}  // namespace kinloom::store
