#include "ansel.h"

#include <array>

namespace kinloom::gentree {
namespace {

constexpr char kGrave = '\xE1';
constexpr char kAcute = '\xE2';
constexpr char kCircumflex = '\xE3';
constexpr char kTilde = '\xE4';
constexpr char kUmlaut = '\xE8';
constexpr char kCaron = '\xE9';
constexpr char kRing = '\xEA';
constexpr char kCedilla = '\xF0';
constexpr char kOwnByte = '\0';

// How ANSEL spells one character: a diacritic and a base letter, or (mark == kOwnByte) a single
// byte of its own.
struct AnselSpelling {
  char mark;
  char letter;
};

// U+00C0..U+00DF in order.
constexpr std::array<AnselSpelling, 32> kLatinCapitals = {{
    {kGrave, 'A'},      {kAcute, 'A'},      {kCircumflex, 'A'}, {kTilde, 'A'},   {kUmlaut, 'A'},
    {kRing, 'A'},       {kOwnByte, '\xA5'}, {kCedilla, 'C'},    {kGrave, 'E'},   {kAcute, 'E'},
    {kCircumflex, 'E'}, {kUmlaut, 'E'},     {kGrave, 'I'},      {kAcute, 'I'},   {kCircumflex, 'I'},
    {kUmlaut, 'I'},     {kOwnByte, '\xA3'}, {kTilde, 'N'},      {kGrave, 'O'},   {kAcute, 'O'},
    {kCircumflex, 'O'}, {kTilde, 'O'},      {kUmlaut, 'O'},     {kOwnByte, '?'}, {kOwnByte, '\xA2'},
    {kGrave, 'U'},      {kAcute, 'U'},      {kCircumflex, 'U'}, {kUmlaut, 'U'},  {kAcute, 'Y'},
    {kOwnByte, '\xA4'}, {kOwnByte, '\xCF'},
}};

// U+00E0..U+00FF in order.
constexpr std::array<AnselSpelling, 32> kLatinSmall = {{
    {kGrave, 'a'},      {kAcute, 'a'},      {kCircumflex, 'a'}, {kTilde, 'a'},   {kUmlaut, 'a'},
    {kRing, 'a'},       {kOwnByte, '\xB5'}, {kCedilla, 'c'},    {kGrave, 'e'},   {kAcute, 'e'},
    {kCircumflex, 'e'}, {kUmlaut, 'e'},     {kGrave, 'i'},      {kAcute, 'i'},   {kCircumflex, 'i'},
    {kUmlaut, 'i'},     {kOwnByte, '\xBA'}, {kTilde, 'n'},      {kGrave, 'o'},   {kAcute, 'o'},
    {kCircumflex, 'o'}, {kTilde, 'o'},      {kUmlaut, 'o'},     {kOwnByte, '?'}, {kOwnByte, '\xB2'},
    {kGrave, 'u'},      {kAcute, 'u'},      {kCircumflex, 'u'}, {kUmlaut, 'u'},  {kAcute, 'y'},
    {kOwnByte, '\xB4'}, {kUmlaut, 'y'},
}};

// Windows-1252 bytes 0x80..0xBF that ANSEL can express.
AnselSpelling SpellingOfSymbol(unsigned char byte) {
  switch (byte) {
    case 0x8A:
      return {kCaron, 'S'};
    case 0x9A:
      return {kCaron, 's'};
    case 0x8E:
      return {kCaron, 'Z'};
    case 0x9E:
      return {kCaron, 'z'};
    case 0x9F:
      return {kUmlaut, 'Y'};
    case 0x8C:
      return {kOwnByte, '\xA6'};
    case 0x9C:
      return {kOwnByte, '\xB6'};
    case 0xA1:
      return {kOwnByte, '\xC6'};
    case 0xA3:
      return {kOwnByte, '\xB9'};
    case 0xA9:
      return {kOwnByte, '\xC3'};
    case 0xAE:
      return {kOwnByte, '\xAA'};
    case 0xB0:
      return {kOwnByte, '\xC0'};
    case 0xB1:
      return {kOwnByte, '\xAB'};
    case 0xB7:
      return {kOwnByte, '\xA8'};
    case 0xBF:
      return {kOwnByte, '\xC5'};
    default:
      return {kOwnByte, '?'};
  }
}

AnselSpelling SpellingOf(unsigned char byte) {
  if (byte >= 0xE0) return kLatinSmall[byte - 0xE0];
  if (byte >= 0xC0) return kLatinCapitals[byte - 0xC0];
  return SpellingOfSymbol(byte);
}

}  // namespace

void AppendAnselFromWindows1252(std::string_view text, std::string* out) {
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out->push_back(c);
      continue;
    }
    AnselSpelling spelling = SpellingOf(byte);
    if (spelling.mark != kOwnByte) out->push_back(spelling.mark);
    out->push_back(spelling.letter);
  }
}

}  // namespace kinloom::gentree
