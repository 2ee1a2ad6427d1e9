#pragma once

#include <array>
#include <cstdint>

namespace kinloom::store {

// The search-key folding table over the internal (Windows-1252) set: upper case and accented
// Latin letters fold to plain lower case, so that sorting and searching ignore case and accents.
const std::array<uint8_t, 256>& FoldForSearch();

inline uint8_t Fold(char c) {
  return FoldForSearch()[static_cast<uint8_t>(c)];
}

}  // namespace kinloom::store
