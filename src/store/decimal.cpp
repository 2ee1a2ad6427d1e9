#include "store/decimal.h"

namespace kinloom::store {

DecimalRun ReadDigits(std::string_view text, size_t from, long long cap) {
  DecimalRun run;
  run.end = from;
  for (; run.end < text.size() && IsDecimalDigit(text[run.end]); ++run.end) {
    const int digit = text[run.end] - '0';
    run.found = true;
    run.value = run.value > (cap - digit) / 10 ? cap : run.value * 10 + digit;
  }
  return run;
}

long long ReadSignedDecimal(std::string_view text, long long cap) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  const bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  const long long value = ReadDigits(text, i, cap).value;
  return negative ? -value : value;
}

}  // namespace kinloom::store
