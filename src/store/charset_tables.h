#pragma once

#include <cstdint>
#include <string_view>

// The character tables behind the conversions of charsets.h. Every result is a byte of the
// internal Windows-1252 set.
namespace kinloom::store::charset_tables {

// The letters that take a typed accent, in table row order, and the marks typed before them in an
// edit field, in table column order (grave, acute, circumflex, tilde, umlaut, ring, cedilla,
// stroke).
inline constexpr std::string_view kAccentBases = "aAbBcCeEiInNoOuUyY!?";
inline constexpr std::string_view kTypedMarks = "`'^~:%,/";
inline constexpr int kMarkColumns = 8;

// The composed character of a base letter (a row of kAccentBases) and a mark column; 0 when
// the table has no cell for them.
uint8_t ComposedCharacter(size_t base_row, int mark_column);

// The accents a letter of the internal set can carry. Any other accent is kOther: the letter
// cannot show it.
enum class Mark : uint8_t {
  kGrave,
  kAcute,
  kCircumflex,
  kTilde,
  kDiaeresis,
  kRing,
  kCaron,
  kCedilla,
  kOther,
};
inline constexpr int kMarks = 9;

// The accent of an ANSEL diacritic byte 0xE0-0xFF.
Mark AnselMark(uint8_t byte);

// Whether a code point is a combining accent (U+0300-U+036F and the other combining blocks),
// and which.
bool IsCombiningMark(uint32_t code_point);
Mark CombiningMark(uint32_t code_point);

// The internal character of a plain letter (below 0x80) with an accent; 0 when the set has no
// such character.
uint8_t ComposeWithMark(uint8_t letter, Mark mark);

// The Unicode character each byte of the internal set stands for: the Windows-1252 table, with
// the five bytes it leaves undefined kept as the control characters of the same value.
uint32_t InternalToCodePoint(uint8_t byte);

// An ANSEL byte 0x80-0xDF as an internal character: the special characters of 0xA1-0xDF, and
// "?" for every byte of that range without one.
uint8_t AnselSpecial(uint8_t byte);

// A Unicode code point as one internal character: the characters of the set stand for
// themselves, other Latin letters and full-width forms become their plain letter, spaces,
// dashes and quotation marks the nearest the set has, everything else "?". 0 for the
// zero-width characters, which leave nothing.
uint8_t CodePointToInternal(uint32_t code_point);

// A code page 437 byte as the nearest internal character (bytes below 0x80 stay).
uint8_t IbmPcToInternal(uint8_t byte);

}  // namespace kinloom::store::charset_tables
