#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "text_codec.h"

namespace kinloom::gentree {

// Streams lines to a file through a large buffer. Tags and cross-references are ASCII; values
// are Windows-1252 text and are converted to the sink's encoding. Every line ends with CR LF.
class LineSink {
 public:
  // `file` stays owned by the caller and must outlive the sink.
  LineSink(std::FILE* file, TextEncoding encoding);
  LineSink(const LineSink&) = delete;
  LineSink& operator=(const LineSink&) = delete;

  // "level tag" or "level tag value". REQUIRES: 0 <= level <= 9.
  void Line(int level, std::string_view tag, std::string_view value = {});
  // "0 xref tag" or "0 xref tag value".
  void Record(std::string_view xref, std::string_view tag, std::string_view value = {});
  // Bytes written as they are, without conversion or line end.
  void Raw(std::string_view bytes);
  // Writes out everything buffered. Returns false if any write failed.
  bool Finish();

 private:
  void AppendValue(std::string_view value);
  void EndLine();
  void FlushIfFull();
  void Flush();

  std::FILE* file_;
  TextEncoding encoding_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace kinloom::gentree
