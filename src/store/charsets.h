#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/gedcom_header.h"
#include "store/record_range.h"
#include "store/record_store.h"

namespace kinloom::store {

// The program keeps all text in the Windows-1252 ("ANSI") set. These convert what other
// programs write into it. No conversion fails: what cannot be shown becomes "?" or passes
// through unchanged.

// Line conversions of a GEDCOM line read in another set. Only the part after the level and
// tag changes: the characters from the seventh on (from the eighth when the seventh is a
// blank); a line shorter than six characters is returned as it is.
std::string AnselLineToInternal(std::string_view line);
std::string Utf8LineToInternal(std::string_view line);
std::string AnsiLineToInternal(std::string_view line);
// Code page 437, as DOS-era programs write it ("1 CHAR IBMPC").
std::string IbmPcLineToInternal(std::string_view line);
// Seven-bit ASCII ("1 CHAR ASCII"): bytes from 0x80 up cannot be meant and become "?".
std::string AsciiLineToInternal(std::string_view line);

// UTF-8 text in the internal set. Every character the set holds becomes its byte, a letter
// followed by combining accents the accented letter when the set has it, other Latin letters
// their plain letter, and "?" stands for what has no near character.

// Converts a text from UTF-8 in place from index `start` on (nothing when the text is shorter
// than `start`). Used for side files whose first line is "CHAR UTF-8".
void DecodeUtf8(std::string& text, size_t start);
// A whole text, such as one typed or pasted in the desktop program.
std::string Utf8TextToInternal(std::string_view text);

// The Unicode character a byte of the internal set stands for (Windows-1252; the five bytes it
// leaves undefined stand for the control characters of the same value).
uint32_t InternalToCodePoint(uint8_t byte);

// Typing a mark and then a letter in an edit field gives the accented letter: when the text
// ends in one of the marks "`'^~:%,/" followed by a letter of "aAbBcCeEiInNoOuUyY!?" that has
// an accented form, the two become that one character and the result is true.
bool ComposeAccent(std::string& text);

// A file that starts with a UTF-16 byte order mark: true, and *big_endian tells which.
bool HasUtf16ByteOrderMark(std::string_view head, bool* big_endian);
// The UTF-16 bytes (after the mark) as UTF-8; unpaired surrogates become "?".
std::string Utf16ToUtf8(std::string_view bytes, bool big_endian);

// A file that names no character set but whose bytes from 0x80 up all form UTF-8 sequences
// was written in UTF-8 (kUtf8); otherwise nothing can be told (kNone). Looks at the records of
// the range: those read from the file.
Charset GuessUndeclaredCharset(const RecordStore& store, const RecordRange& range = {});

// Converts every line of the individuals, families and sources of the range from `charset`
// (nothing for kNone): after a merge, only the records read from the other file.
void ConvertTree(RecordStore& store, Charset charset, const RecordRange& range = {});

}  // namespace kinloom::store
