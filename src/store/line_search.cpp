#include "store/line_search.h"

#include <cstdio>

namespace kinloom::store {

int XrefNumber(std::string_view text) {
  size_t at = text.find('@');
  if (at == std::string_view::npos || at + 2 >= text.size()) return 0;
  long long value = 0;
  for (size_t i = at + 2; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > 2000000000) return 0;
  }
  return static_cast<int>(value);
}

std::string MakeXref(char letter, int number) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "@%c%06d@", letter, number);
  return buffer;
}

bool HasTag(std::string_view text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  return text.size() == prefix.size() || text[prefix.size()] == ' ';
}

LineNode* FindTagLine(LineNode* first, std::string_view prefix, int n) {
  if (first == nullptr) return nullptr;
  LineNode* line = first;
  if (line->text_[0] == '0') line = line->next;
  for (; line != nullptr && line->text_[0] != '0'; line = line->next) {
    if (HasTag(line->text(), prefix) && --n <= 0) return line;
  }
  return nullptr;
}

std::string_view LineValue(std::string_view text, std::string_view prefix) {
  if (text.size() <= prefix.size() + 1) return {};
  return text.substr(prefix.size() + 1);
}

}  // namespace kinloom::store
