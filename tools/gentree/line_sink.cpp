#include "line_sink.h"

namespace kinloom::gentree {
namespace {

constexpr size_t kFlushThreshold = size_t{4} << 20;

}  // namespace

LineSink::LineSink(std::FILE* file, TextEncoding encoding) : file_(file), encoding_(encoding) {
  buffer_.reserve(kFlushThreshold + 4096);
}

void LineSink::Line(int level, std::string_view tag, std::string_view value) {
  buffer_.push_back(static_cast<char>('0' + level));
  buffer_.push_back(' ');
  buffer_.append(tag);
  AppendValue(value);
  EndLine();
}

void LineSink::Record(std::string_view xref, std::string_view tag, std::string_view value) {
  buffer_.append("0 ");
  buffer_.append(xref);
  buffer_.push_back(' ');
  buffer_.append(tag);
  AppendValue(value);
  EndLine();
}

void LineSink::Raw(std::string_view bytes) {
  buffer_.append(bytes);
  FlushIfFull();
}

bool LineSink::Finish() {
  Flush();
  if (std::fflush(file_) != 0) failed_ = true;
  return !failed_;
}

void LineSink::AppendValue(std::string_view value) {
  if (value.empty()) return;
  buffer_.push_back(' ');
  AppendEncoded(value, encoding_, &buffer_);
}

void LineSink::EndLine() {
  buffer_.append("\r\n");
  FlushIfFull();
}

void LineSink::FlushIfFull() {
  if (buffer_.size() >= kFlushThreshold) Flush();
}

void LineSink::Flush() {
  if (!failed_ && !buffer_.empty() &&
      std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
    failed_ = true;
  }
  buffer_.clear();
}

}  // namespace kinloom::gentree
