#include "store/line_reader.h"

#include <algorithm>
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

}  // namespace

LineReader::~LineReader() {
  if (file_ != nullptr) std::fclose(file_);
}

bool LineReader::Open(const std::string& path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return false;
  block_.resize(kBlockSize);
  unsigned char head[2] = {0, 0};
  size_t got = std::fread(head, 1, 2, file_);
  std::rewind(file_);
  bool big_endian = false;
  std::string_view start(reinterpret_cast<const char*>(head), got);
  if (HasUtf16ByteOrderMark(start, &big_endian)) {
    TranscodeUtf16(big_endian, 2);
  } else if (got == 2 && (head[0] == '0') != (head[1] == '0') && (head[0] == 0 || head[1] == 0)) {
    TranscodeUtf16(head[0] == 0, 0);
  }
  return true;
}

void LineReader::TranscodeUtf16(bool big_endian, size_t skip) {
  std::string bytes;
  std::vector<char> chunk(kBlockSize);
  size_t n;
  while ((n = std::fread(chunk.data(), 1, chunk.size(), file_)) > 0) bytes.append(chunk.data(), n);
  if (std::ferror(file_)) read_error_ = true;
  std::string utf8 =
      Utf16ToUtf8(std::string_view(bytes).substr(std::min(skip, bytes.size())), big_endian);
  block_.assign(utf8.begin(), utf8.end());
  begin_ = 0;
  end_ = block_.size();
  eof_ = true;
  transcoded_utf16_ = true;
}

bool LineReader::Fill() {
  if (eof_ || file_ == nullptr) return false;
  size_t n = std::fread(block_.data(), 1, block_.size(), file_);
  if (n < block_.size()) {
    eof_ = true;
    if (std::ferror(file_)) read_error_ = true;
  }
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
