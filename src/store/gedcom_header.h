#pragma once

#include <string>

#include "store/line_reader.h"

namespace kinloom::store {

enum class Charset { kNone, kAnsel, kUtf8, kAnsi, kIbmPc, kAscii };
// "none", "ANSEL", "UTF-8", "ANSI", "IBMPC", "ASCII"
const char* CharsetName(Charset charset);

struct HeaderInfo {
  bool is_gedcom = false;  // the first non-empty line is "0 HEAD" (after a UTF-8 mark, too)
  Charset charset = Charset::kNone;
  bool own_file = false;  // written by this program under one of its names
  bool has_record_line = false;
  std::string first_record_line;  // the level-0 line that ended the header
};

// Reads the header of a GEDCOM file: its first line, the character set and whether the file
// is one of the program's own. Stops after the first level-0 line behind the header.
HeaderInfo ReadHeader(LineReader& lines);

}  // namespace kinloom::store
