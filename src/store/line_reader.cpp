#include "store/line_reader.h"

#include <algorithm>
#include <cstring>

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
  return true;
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
