#include "reports/verifier_soundex.h"

#include "store/folding.h"

namespace kinloom::reports {
namespace {

constexpr int kSeparator = -1;
constexpr int kVowel = -2;
constexpr int kNeutral = -3;
constexpr int kNoCode = -4;

int SoundCode(char c) {
  switch (c) {
    case ' ':
    case ',':
    case '-':
    case '.':
      return kSeparator;
    case 'A':
    case 'E':
    case 'I':
    case 'O':
    case 'U':
    case 'Y':
      return kVowel;
    case 'H':
    case 'W':
      return kNeutral;
    case 'B':
    case 'F':
    case 'P':
    case 'V':
      return 1;
    case 'C':
    case 'G':
    case 'J':
    case 'K':
    case 'Q':
    case 'S':
    case 'X':
    case 'Z':
      return 2;
    case 'D':
    case 'T':
      return 3;
    case 'L':
      return 4;
    case 'M':
    case 'N':
      return 5;
    case 'R':
      return 6;
    default:
      return 0;
  }
}

char Capital(char c) {
  if (static_cast<unsigned char>(c) > 127) c = static_cast<char>(store::Fold(c));
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string SoundexText(std::string_view text) {
  std::string key;
  int last = kNoCode;
  for (char raw : text) {
    const char c = Capital(raw);
    const int code = SoundCode(c);
    if (code == kSeparator) continue;
    if (key.empty()) {
      key += code == 0 ? '0' : c;
      last = code >= 0 ? code : kNoCode;
      continue;
    }
    if (code == kVowel) {
      last = kNoCode;
      continue;
    }
    if (code == kNeutral) continue;
    if (code != last) key += static_cast<char>('0' + code);
    last = code;
    if (key.size() == 4) break;
  }
  key.resize(4, '0');
  return key;
}

int SoundexKey(std::string_view text) {
  const std::string key = SoundexText(text);
  if (key[0] < 'A' || key[0] > 'Z') return 0;
  return (key[0] - 'A') * 1000 + (key[1] - '0') * 100 + (key[2] - '0') * 10 + (key[3] - '0');
}

}  // namespace kinloom::reports
