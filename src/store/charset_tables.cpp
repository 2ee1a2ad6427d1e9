#include "store/charset_tables.h"

#include <array>
#include <iterator>
#include <utility>

namespace kinloom::store::charset_tables {
namespace {

// Rows follow kAccentBases, columns kTypedMarks; 0 is an empty cell.
constexpr uint8_t kAccentCells[20][kMarkColumns] = {
    // grave, acute, circumflex, tilde, umlaut, ring, cedilla, stroke
    {0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0, 0},  // a: a with each accent
    {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0, 0},  // A
    {0xDF, 0, 0, 0, 0, 0, 0xDF, 0},              // b: sharp s
    {0xDF, 0, 0, 0, 0, 0, 0xDF, 0},              // B: sharp s
    {0xE7, 0, 0, 0, 0, 0, 0xE7, 0},              // c: c cedilla
    {0xC7, 0, 0, 0, 0, 0, 0xC7, 0},              // C: C cedilla
    {0xE8, 0xE9, 0xEA, 0, 0xEB, 0, 0, 0},        // e
    {0xC8, 0xC9, 0xCA, 0, 0xCB, 0, 0, 0},        // E
    {0xEC, 0xED, 0xEE, 0, 0xEF, 0, 0, 0},        // i
    {0xCC, 0xCD, 0xCE, 0, 0xCF, 0, 0, 0},        // I
    {0xF1, 0, 0, 0xF1, 0, 0, 0, 0},              // n: n tilde
    {0xF1, 0, 0, 0xD1, 0, 0, 0, 0},              // N: small n tilde by grave, N tilde
    {0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0, 0, 0xF8},  // o, with o stroke
    {0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0, 0, 0xD8},  // O, with O stroke
    {0xF9, 0xFA, 0xFB, 0, 0xFC, 0, 0, 0},        // u
    {0xD9, 0xDA, 0xDB, 0, 0xDC, 0, 0, 0},        // U
    {0, 0xFD, 0, 0, 0xFF, 0, 0, 0},              // y: y acute, y umlaut
    {0, 0xDD, 0, 0, 0, 0, 0, 0},                 // Y: Y acute
    {0xA1, 0, 0, 0, 0, 0, 0xA1, 0},              // !: inverted exclamation mark
    {0xBF, 0, 0, 0, 0, 0, 0xBF, 0},              // ?: inverted question mark
};

// The letters of the internal set that carry an accent, by plain letter and accent.
struct Composition {
  char letter;
  Mark mark;
  uint8_t composed;
};

constexpr Composition kCompositions[] = {
    {'A', Mark::kGrave, 0xC0},      {'E', Mark::kGrave, 0xC8},      {'I', Mark::kGrave, 0xCC},
    {'O', Mark::kGrave, 0xD2},      {'U', Mark::kGrave, 0xD9},      {'a', Mark::kGrave, 0xE0},
    {'e', Mark::kGrave, 0xE8},      {'i', Mark::kGrave, 0xEC},      {'o', Mark::kGrave, 0xF2},
    {'u', Mark::kGrave, 0xF9},      {'A', Mark::kAcute, 0xC1},      {'E', Mark::kAcute, 0xC9},
    {'I', Mark::kAcute, 0xCD},      {'O', Mark::kAcute, 0xD3},      {'U', Mark::kAcute, 0xDA},
    {'Y', Mark::kAcute, 0xDD},      {'a', Mark::kAcute, 0xE1},      {'e', Mark::kAcute, 0xE9},
    {'i', Mark::kAcute, 0xED},      {'o', Mark::kAcute, 0xF3},      {'u', Mark::kAcute, 0xFA},
    {'y', Mark::kAcute, 0xFD},      {'A', Mark::kCircumflex, 0xC2}, {'E', Mark::kCircumflex, 0xCA},
    {'I', Mark::kCircumflex, 0xCE}, {'O', Mark::kCircumflex, 0xD4}, {'U', Mark::kCircumflex, 0xDB},
    {'a', Mark::kCircumflex, 0xE2}, {'e', Mark::kCircumflex, 0xEA}, {'i', Mark::kCircumflex, 0xEE},
    {'o', Mark::kCircumflex, 0xF4}, {'u', Mark::kCircumflex, 0xFB}, {'A', Mark::kTilde, 0xC3},
    {'N', Mark::kTilde, 0xD1},      {'O', Mark::kTilde, 0xD5},      {'a', Mark::kTilde, 0xE3},
    {'n', Mark::kTilde, 0xF1},      {'o', Mark::kTilde, 0xF5},      {'A', Mark::kDiaeresis, 0xC4},
    {'E', Mark::kDiaeresis, 0xCB},  {'I', Mark::kDiaeresis, 0xCF},  {'O', Mark::kDiaeresis, 0xD6},
    {'U', Mark::kDiaeresis, 0xDC},  {'Y', Mark::kDiaeresis, 0x9F},  {'a', Mark::kDiaeresis, 0xE4},
    {'e', Mark::kDiaeresis, 0xEB},  {'i', Mark::kDiaeresis, 0xEF},  {'o', Mark::kDiaeresis, 0xF6},
    {'u', Mark::kDiaeresis, 0xFC},  {'y', Mark::kDiaeresis, 0xFF},  {'A', Mark::kRing, 0xC5},
    {'a', Mark::kRing, 0xE5},       {'S', Mark::kCaron, 0x8A},      {'Z', Mark::kCaron, 0x8E},
    {'s', Mark::kCaron, 0x9A},      {'z', Mark::kCaron, 0x9E},      {'C', Mark::kCedilla, 0xC7},
    {'c', Mark::kCedilla, 0xE7},
};

using ComposeTable = std::array<std::array<uint8_t, kMarks>, 0x80>;

constexpr ComposeTable MakeComposeTable() {
  ComposeTable table{};
  for (const Composition& c : kCompositions) {
    table[static_cast<size_t>(c.letter)][static_cast<size_t>(c.mark)] = c.composed;
  }
  return table;
}

constexpr ComposeTable kComposeTable = MakeComposeTable();

// The ANSEL diacritics that letters of the internal set can carry.
constexpr std::pair<uint8_t, Mark> kAnselMarks[] = {
    {0xE1, Mark::kGrave}, {0xE2, Mark::kAcute},     {0xE3, Mark::kCircumflex},
    {0xE4, Mark::kTilde}, {0xE8, Mark::kDiaeresis}, {0xE9, Mark::kCaron},
    {0xEA, Mark::kRing},  {0xF0, Mark::kCedilla},
};

// Bytes 0x80-0x9F of Windows-1252; the five it leaves undefined keep their own value.
constexpr uint16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Characters outside the set that have a near one in it: spaces, dashes, primes and the
// apostrophes of modifier letters.
constexpr std::pair<uint16_t, uint8_t> kNearCharacters[] = {
    {0x02B9, '\''}, {0x02BA, '"'},  {0x02BB, 0x91}, {0x02BC, 0x92}, {0x02C8, '\''}, {0x2010, '-'},
    {0x2011, '-'},  {0x2012, 0x96}, {0x2015, 0x97}, {0x201B, 0x91}, {0x201F, 0x93}, {0x2024, '.'},
    {0x2027, 0xB7}, {0x202F, ' '},  {0x2032, '\''}, {0x2033, '"'},  {0x2043, '-'},  {0x2044, '/'},
    {0x205F, ' '},  {0x2212, '-'},  {0x3000, ' '},
};

constexpr std::pair<uint8_t, uint8_t> kAnselSpecials[] = {
    {0xA1, 'L'},  {0xA2, 0xD8},  // L with stroke, O with stroke
    {0xA3, 'D'},  {0xA4, 0xDE},  // D with stroke, thorn
    {0xA5, 0xC6},                // AE
    {0xA8, 0xB7},                // middle dot
    {0xAA, 0xAE}, {0xAB, 0xB1},  // registered sign, plus-minus
    {0xAC, 'O'},  {0xAD, 'U'},   // O and U with hook
    {0xB1, 'l'},  {0xB2, 0xF8},  // l with stroke, o with stroke
    {0xB3, 'd'},  {0xB4, 0xFE},  // d with stroke, thorn
    {0xB5, 0xE6},                // ae
    {0xB8, 'i'},  {0xB9, 0xA3},  // dotless i, pound sign
    {0xBA, 0xF0},                // eth
    {0xBC, 'o'},  {0xBD, 'u'},   // o and u with hook
    {0xC0, 0xB0},                // degree sign
    {0xC1, 'l'},                 // script l
    {0xC3, 0xA9}, {0xC4, '#'},   // copyright sign, sharp
    {0xC5, 0xBF}, {0xC6, 0xA1},  // inverted question and exclamation marks
    {0xCD, 'e'},  {0xCE, 'o'},   // midline e and o
    {0xCF, 0xDF},                // sharp s
};

// U+0100 to U+024F. Bytes 0xC6/0xE6 are AE/ae, 0xD8/0xF8 O/o with stroke.
constexpr std::string_view kLatinExtended =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGg"                    // U+0100
    "GgGgHhHhIiIiIiIiIi??JjKkKLlLlLlL"                    // U+0120
    "lLlNnNnNnnNnOoOoOo??RrRrRrSsSsSs"                    // U+0140
    "SsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzf"                    // U+0160
    "bB?????CcDd???Ee?FfGV??IKkl?MNnO"                    // U+0180
    "Oo??PpRSs??tT?TUu??YyZz?????????"                    // U+01A0
    "?????????????AaIiOoUuUuUuUuUueAa"                    // U+01C0
    "Aa\xC6\xE6GgGgKkOoOo??j???GgH?NnAa\xC6\xE6\xD8\xF8"  // U+01E0
    "AaAaEeEeIiIiOoOoRrRrUuUuSsTt??Hh"                    // U+0200
    "nd??ZzAaEeOoOoOoOoYylntj??ACcLTs"                    // U+0220
    "z??BU?EeJj??RrYy";                                   // U+0240

// U+1E00 to U+1EFF.
constexpr std::string_view kLatinAdditional =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFf"   // U+1E00
    "GgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"   // U+1E20
    "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRr"   // U+1E40
    "SsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"   // U+1E60
    "WwWwWwWwWwXxXxYyZzZzZzhtwyafff??"   // U+1E80
    "AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"   // U+1EA0
    "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOo"   // U+1EC0
    "OoOoUuUuUuUuUuUuUuYyYyYyYy????Yy";  // U+1EE0

static_assert(kLatinExtended.size() == 0x150);
static_assert(kLatinAdditional.size() == 0x100);

// Code page 437 from 0x80 on. Letters keep their accents; box drawing becomes "+", "-" and "|",
// shades and blocks "#", Greek letters a Latin look-alike, other symbols "?". Nothing lands in
// 0x80-0x9F, which the program does not show.
constexpr uint8_t kIbmPcUpper[16][8] = {
    // 0x80: C cedilla, u umlaut, e acute, a circumflex, a umlaut, a grave, a ring, c cedilla
    {0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7},
    // 0x88: e circumflex, e umlaut, e grave, i umlaut, i circumflex, i grave, A umlaut, A ring
    {0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5},
    // 0x90: E acute, ae, AE, o circumflex, o umlaut, o grave, u circumflex, u grave
    {0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9},
    // 0x98: y umlaut, O umlaut, U umlaut, cent, pound, yen, peseta, f with hook
    {0xFF, 0xD6, 0xDC, 0xA2, 0xA3, 0xA5, '?', 'f'},
    // 0xA0: a acute, i acute, o acute, u acute, n tilde, N tilde, ordinals a and o
    {0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA},
    // 0xA8: inverted question mark, reversed not as not, not, one half, one quarter,
    // inverted exclamation mark, left and right angle quotation marks
    {0xBF, 0xAC, 0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB},
    // 0xB0: three shades, then box drawing: vertical line, four junctions
    {'#', '#', '#', '|', '+', '+', '+', '+'},
    // 0xB8: box drawing: junction, double vertical line, corners
    {'+', '+', '|', '+', '+', '+', '+', '+'},
    // 0xC0: box drawing: corners and junctions, 0xC4 the horizontal line
    {'+', '+', '+', '+', '-', '+', '+', '+'},
    // 0xC8: box drawing: corners and junctions, 0xCD the double horizontal line
    {'+', '+', '+', '+', '+', '-', '+', '+'},
    // 0xD0: box drawing: junctions and corners
    {'+', '+', '+', '+', '+', '+', '+', '+'},
    // 0xD8: box drawing: junction, two corners; then full block and four half blocks
    {'+', '+', '+', '#', '#', '#', '#', '#'},
    // 0xE0: alpha, sharp s, Gamma, pi, Sigma, sigma, micro sign, tau
    {'a', 0xDF, 'G', 'p', 'S', 's', 0xB5, 't'},
    // 0xE8: Phi, Theta, Omega, delta, infinity, phi, epsilon, intersection
    {'F', 'T', 'O', 'd', '?', 'f', 'e', '?'},
    // 0xF0: identical to, plus-minus, greater-equal, less-equal, two integral halves, division,
    // almost equal
    {'=', 0xB1, '>', '<', '?', '?', 0xF7, '~'},
    // 0xF8: degree, bullet and middle dot, square root, superscript n, superscript two,
    // black square, no-break space
    {0xB0, 0xB7, 0xB7, '?', 'n', 0xB2, '#', 0xA0},
};

std::array<uint8_t, 0x60> MakeAnselSpecialTable() {
  std::array<uint8_t, 0x60> table{};
  table.fill('?');
  for (const auto& [ansel, internal] : kAnselSpecials) table[ansel - 0x80] = internal;
  return table;
}

bool InRange(uint32_t value, uint32_t first, uint32_t last) {
  return value >= first && value <= last;
}

}  // namespace

uint8_t ComposedCharacter(size_t base_row, int mark_column) {
  if (base_row >= kAccentBases.size() || mark_column < 0 || mark_column >= kMarkColumns) {
    return 0;
  }
  return kAccentCells[base_row][mark_column];
}

Mark AnselMark(uint8_t byte) {
  for (const auto& [ansel, mark] : kAnselMarks) {
    if (ansel == byte) return mark;
  }
  return Mark::kOther;
}

bool IsCombiningMark(uint32_t code_point) {
  return InRange(code_point, 0x300, 0x36F) || InRange(code_point, 0x1AB0, 0x1AFF) ||
         InRange(code_point, 0x1DC0, 0x1DFF) || InRange(code_point, 0x20D0, 0x20FF) ||
         InRange(code_point, 0xFE20, 0xFE2F);
}

Mark CombiningMark(uint32_t code_point) {
  switch (code_point) {
    case 0x300:
      return Mark::kGrave;
    case 0x301:
      return Mark::kAcute;
    case 0x302:
      return Mark::kCircumflex;
    case 0x303:
      return Mark::kTilde;
    case 0x308:
      return Mark::kDiaeresis;
    case 0x30A:
      return Mark::kRing;
    case 0x30C:
      return Mark::kCaron;
    case 0x327:
      return Mark::kCedilla;
    default:
      return Mark::kOther;
  }
}

uint8_t ComposeWithMark(uint8_t letter, Mark mark) {
  if (letter >= 0x80 || mark == Mark::kOther) return 0;
  return kComposeTable[letter][static_cast<size_t>(mark)];
}

uint32_t InternalToCodePoint(uint8_t byte) {
  return InRange(byte, 0x80, 0x9F) ? kWindows1252High[byte - 0x80] : byte;
}

uint8_t AnselSpecial(uint8_t byte) {
  static const std::array<uint8_t, 0x60> table = MakeAnselSpecialTable();
  if (!InRange(byte, 0x80, 0xDF)) return '?';
  return table[byte - 0x80];
}

uint8_t CodePointToInternal(uint32_t code_point) {
  if (code_point < 0x100) {
    // Below 0x80 only an overlong sequence gets here; 0x80-0x9F are control characters, of
    // which the five that Windows-1252 leaves undefined keep their byte.
    if (code_point >= 0xA0) return static_cast<uint8_t>(code_point);
    if (code_point >= 0x80 && InternalToCodePoint(static_cast<uint8_t>(code_point)) == code_point)
      return static_cast<uint8_t>(code_point);
    return '?';
  }
  // The code points of 0x80-0x9F lie in three short ranges.
  if (InRange(code_point, 0x152, 0x192) || InRange(code_point, 0x2C6, 0x2DC) ||
      InRange(code_point, 0x2013, 0x2122)) {
    for (size_t i = 0; i < std::size(kWindows1252High); ++i) {
      if (kWindows1252High[i] == code_point) return static_cast<uint8_t>(0x80 + i);
    }
  }
  if (InRange(code_point, 0x100, 0x24F))
    return static_cast<uint8_t>(kLatinExtended[code_point - 0x100]);
  if (InRange(code_point, 0x1E00, 0x1EFF))
    return static_cast<uint8_t>(kLatinAdditional[code_point - 0x1E00]);
  // Full-width forms of the printable ASCII characters.
  if (InRange(code_point, 0xFF01, 0xFF5E)) return static_cast<uint8_t>(code_point - 0xFF00 + 0x20);
  // Spaces of other widths; zero-width spaces, joiners and direction marks leave nothing.
  if (InRange(code_point, 0x2000, 0x200A)) return ' ';
  if (InRange(code_point, 0x200B, 0x200F) || code_point == 0x2060 || code_point == 0xFEFF) return 0;
  for (const auto& [near_code_point, internal] : kNearCharacters) {
    if (near_code_point == code_point) return internal;
  }
  return '?';
}

uint8_t IbmPcToInternal(uint8_t byte) {
  if (byte < 0x80) return byte;
  return kIbmPcUpper[(byte - 0x80) / 8][byte % 8];
}

}  // namespace kinloom::store::charset_tables
