#pragma once

#include <string>

#include "line_sink.h"
#include "record_details.h"

namespace kinloom::gentree {

// Writes the whole tree in the program's own file layout: Windows-1252 text, padded
// cross-references, the private _VER/_SEQ/_TXT lines, a fixed header date and a final "0 TRLR"
// without a line end. `file_name` is the name the header records. REQUIRES: `sink` converts
// nothing (Windows-1252).
void WriteOwnFile(const GeneratorContext& context, const std::string& file_name, LineSink& sink);

}  // namespace kinloom::gentree
