#pragma once

#include "line_sink.h"
#include "record_details.h"
#include "text_codec.h"

namespace kinloom::gentree {

// Writes the whole tree as another program would: a submitter, plain cross-references
// ("@I12@"), some notes as NOTE records, repositories, tags the program does not keep, and a
// final "0 TRLR" with a line end. The header declares `encoding`, which must be the encoding
// `sink` writes.
void WriteForeignFile(const GeneratorContext& context, TextEncoding encoding, LineSink& sink);

}  // namespace kinloom::gentree
