#pragma once

#include <cstddef>
#include <string_view>

namespace kinloom::store {

// Decimal numbers in file text: record numbers, fields of the private lines, side-file settings.
// Every reader of a number in the program goes through these so that overlong digit runs and
// odd signs are handled the same everywhere.

inline bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

struct DecimalRun {
  long long value = 0;
  size_t end = 0;      // the index after the last digit read
  bool found = false;  // at least one digit
};

// Reads the run of digits that starts at `from`. A value that would grow beyond `cap` stays at
// `cap`, so callers pick a cap just above the largest number they accept.
DecimalRun ReadDigits(std::string_view text, size_t from, long long cap);

// The number after optional leading blanks and one sign ('-' or '+'); 0 when there are no
// digits. The magnitude saturates at `cap`.
long long ReadSignedDecimal(std::string_view text, long long cap);

}  // namespace kinloom::store
