#include "core/auto_entry_words.h"

#include <cctype>

namespace kinloom::core::entry_words {
namespace {

constexpr std::string_view kEnDash = "\xE2\x80\x93";
constexpr std::string_view kEmDash = "\xE2\x80\x94";
constexpr std::string_view kDagger = "\xE2\x80\xA0";
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool StartsWithDigit(std::string_view word) {
  return !word.empty() && IsDigit(word[0]);
}

std::vector<std::string> SplitWords(std::string_view line) {
  std::string spaced;
  for (size_t i = 0; i < line.size(); ++i) {
    const std::string_view rest = line.substr(i);
    const char previous = spaced.empty() ? ' ' : spaced.back();
    const char next = i + 1 < line.size() ? line[i + 1] : ' ';
    if (rest.starts_with(kEnDash) || rest.starts_with(kEmDash)) {
      spaced += " - ";
      i += 2;
    } else if (rest.starts_with(kDagger)) {
      spaced += " \xE2\x80\xA0 ";
      i += 2;
    } else if (rest.starts_with(kNoBreakSpace)) {
      spaced += ' ';
      i += 1;
    } else if (line[i] == '(' || line[i] == ')') {
      spaced += ' ';
      spaced += line[i];
      spaced += ' ';
    } else if (line[i] == '*' && (previous == ' ' || previous == '(')) {
      spaced += " * ";
    } else if (line[i] == '-' && (IsDigit(previous) || IsDigit(next) || previous == ' ' ||
                                  next == ' ' || previous == '(' || next == ')')) {
      spaced += " - ";
    } else if (line[i] == '\t') {
      spaced += ' ';
    } else {
      spaced += line[i];
    }
  }
  std::vector<std::string> words;
  for (size_t i = 0; i < spaced.size();) {
    size_t end = spaced.find(' ', i);
    if (end == std::string::npos) end = spaced.size();
    if (end > i) words.push_back(spaced.substr(i, end - i));
    i = end + 1;
  }
  return words;
}

std::string Join(const std::vector<std::string>& words, size_t from, size_t to) {
  std::string text;
  for (size_t i = from; i < to && i < words.size(); ++i) {
    if (!text.empty()) text += ' ';
    text += words[i];
  }
  return text;
}

}  // namespace kinloom::core::entry_words
