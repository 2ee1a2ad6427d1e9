#pragma once

#include <string>
#include <string_view>

#include "store/gedcom_header.h"

namespace kinloom::store {

// A GEDCOM line read in `charset` in the internal set (unchanged for kNone), converted as
// ConvertTree converts the lines of the records.
std::string LineToInternal(Charset charset, std::string_view line);

// A text of the internal (Windows-1252) set as UTF-8, for text files meant for other programs.
std::string InternalToUtf8(std::string_view text);

}  // namespace kinloom::store
