#include "store/gedcom_header.h"

#include <string_view>

namespace kinloom::store {
namespace {

bool StartsGedcom(std::string_view line) {
  return line.starts_with("0 HEAD") || (line.size() >= 3 && line.substr(3).starts_with("0 HEAD"));
}

void ReadHeaderLine(std::string_view line, HeaderInfo* info) {
  if (line.starts_with("1 CHAR ANSEL")) {
    info->charset = Charset::kAnsel;
  } else if (line.starts_with("1 CHAR UTF-8") || line.starts_with("1 CHAR UTF 8") ||
             line.starts_with("1 CHAR UTF8")) {
    info->charset = Charset::kUtf8;
  } else if (line.starts_with("1 CHAR ANSI")) {
    info->charset = Charset::kAnsi;
  } else if (line.starts_with("1 CHAR IBMPC") || line.starts_with("1 CHAR IBM PC")) {
    info->charset = Charset::kIbmPc;
  } else if (line.starts_with("1 CHAR ASCII")) {
    info->charset = Charset::kAscii;
  } else if (line.starts_with("1 CHAR UNICODE") || line.starts_with("1 CHAR UTF-16")) {
    // Such files arrive here transcoded to UTF-8 (or were UTF-8 all along).
    info->charset = Charset::kUtf8;
  } else if (line.starts_with("1 SOUR Kinloom") || line.starts_with("1 SOUR Broadleaf") ||
             line.starts_with("1 SOUR Rootwork")) {
    info->own_file = true;
  }
}

}  // namespace

const char* CharsetName(Charset charset) {
  switch (charset) {
    case Charset::kAnsel:
      return "ANSEL";
    case Charset::kUtf8:
      return "UTF-8";
    case Charset::kAnsi:
      return "ANSI";
    case Charset::kIbmPc:
      return "IBMPC";
    case Charset::kAscii:
      return "ASCII";
    case Charset::kNone:
      break;
  }
  return "none";
}

HeaderInfo ReadHeader(LineReader& lines) {
  HeaderInfo info;
  std::string_view line;
  bool found = false;
  while ((found = lines.Next(&line))) {
    if (!line.empty() && line[0] != '\n' && line[0] != '\r') break;
  }
  if (!found || !StartsGedcom(line)) return info;
  info.is_gedcom = true;
  while (lines.Next(&line)) {
    if (line.starts_with("0")) {
      info.has_record_line = true;
      info.first_record_line = std::string(line);
      break;
    }
    ReadHeaderLine(line, &info);
  }
  // Whatever a transcoded file declares, its lines are UTF-8 now.
  if (lines.transcoded_utf16()) info.charset = Charset::kUtf8;
  return info;
}

}  // namespace kinloom::store
