#pragma once

#include <cstdint>
#include <string_view>

// The character tables behind the conversions of charsets.h. Every result is a byte of the
// internal Windows-1252 set.
namespace kinloom::store::charset_tables {

// The letters that take an accent, in table row order, and the marks typed before them in an
// edit field, in table column order (grave, acute, circumflex, tilde, umlaut, ring, cedilla,
// stroke).
inline constexpr std::string_view kAccentBases = "aAbBcCeEiInNoOuUyY!?";
inline constexpr std::string_view kTypedMarks = "`'^~:%,/";
// ANSEL diacritics only ever apply to the letters, not to "!" and "?".
inline constexpr size_t kAnselAccentBases = 18;
inline constexpr int kMarkColumns = 8;

// The composed character of a base letter (a row of kAccentBases) and a mark column; 0 when
// the table has no cell for them.
uint8_t ComposedCharacter(size_t base_row, int mark_column);

// The mark column of an ANSEL diacritic byte (0xE1 grave ... 0xF0 cedilla), or -1 for any other
// byte.
int AnselMarkColumn(uint8_t byte);

// An ANSEL byte 0x80-0xDF as an internal character: the special characters of 0xA1-0xDF, and
// "?" for every byte of that range without one.
uint8_t AnselSpecial(uint8_t byte);

// A Unicode code point as one internal character: 0xA0-0xFF stand for themselves, the Latin
// extended letters and full-width forms become their plain letter, everything else "?".
uint8_t CodePointToInternal(uint32_t code_point);

// The one or two characters that stand for an ANSI byte 0x7F-0x9F; empty for other bytes.
std::string_view AnsiApproximation(uint8_t byte);

// A code page 437 byte as the nearest internal character (bytes below 0x80 stay).
uint8_t IbmPcToInternal(uint8_t byte);

}  // namespace kinloom::store::charset_tables
