#include "store/charsets.h"

#include <cstdint>

#include "store/charset_tables.h"

namespace kinloom::store {
namespace {

namespace tables = charset_tables;

uint8_t ByteAt(std::string_view text, size_t index) {
  return static_cast<uint8_t>(text[index]);
}

// Where the converted part of a GEDCOM line starts: behind the level, the tag and the blank
// after them, which are ASCII. A start at or past the end converts nothing, which covers lines
// shorter than six characters.
size_t ConvertedPartStart(std::string_view line) {
  constexpr size_t kValueStart = 6;
  if (line.size() > kValueStart && line[kValueStart] == ' ') return kValueStart + 1;
  return kValueStart;
}

// A letter with the accents that stood before it (ANSEL) or after it (combining marks): the
// accented letter when the set has it, else the letter alone. The set has no letter with two
// accents, so two leave the plain letter, as a precomposed character with both would.
uint8_t WithAccents(uint8_t letter, tables::Mark first, size_t accents) {
  const uint8_t composed = accents == 1 ? tables::ComposeWithMark(letter, first) : 0;
  return composed != 0 ? composed : letter;
}

// Diacritics stand before their letter, and a letter may carry several. The text shrinks by
// one for each, so the conversion writes behind its reading. A diacritic never stands for a
// character of its own: without a letter after it, it is dropped.
void AnselInPlace(std::string& text, size_t start) {
  if (start >= text.size()) return;
  size_t out = start;
  size_t in = start;
  while (in < text.size()) {
    const uint8_t byte = ByteAt(text, in++);
    if (byte < 0x80) {
      text[out++] = static_cast<char>(byte);
    } else if (byte < 0xE0) {
      text[out++] = static_cast<char>(tables::AnselSpecial(byte));
    } else {
      const tables::Mark first = tables::AnselMark(byte);
      size_t accents = 1;
      for (; in < text.size() && ByteAt(text, in) >= 0xE0; ++in) ++accents;
      if (in == text.size()) break;
      const uint8_t letter = ByteAt(text, in++);
      text[out++] = static_cast<char>(letter < 0x80 ? WithAccents(letter, first, accents)
                                                    : tables::AnselSpecial(letter));
    }
  }
  text.resize(out);
}

// Combining marks (the decomposed form) accent the letter written before them. Only a letter
// written from ASCII takes them: one from a longer sequence is already the nearest the set
// has. The plain ASCII path does not track anything; a mark looks back at what was written.
class MarkedLetter {
 public:
  // A character from a sequence of two or more bytes ends at `out`.
  void SequenceWritten(size_t out) { sequence_end_ = out; }

  void AddMark(std::string& text, size_t start, size_t out, uint32_t code_point) {
    if (out == start) return;
    const size_t at = out - 1;
    if (at != marked_at_) {
      if (sequence_end_ == out) return;
      marked_at_ = at;
      letter_ = ByteAt(text, at);
      accents_ = 0;
      first_ = tables::CombiningMark(code_point);
    }
    text[at] = static_cast<char>(WithAccents(letter_, first_, ++accents_));
  }

 private:
  size_t sequence_end_ = std::string::npos;
  size_t marked_at_ = std::string::npos;
  uint8_t letter_ = 0;
  size_t accents_ = 0;
  tables::Mark first_ = tables::Mark::kOther;
};

// The number of leading one bits of a UTF-8 lead byte 0xC0-0xFD (2 to 6).
int LeadOnes(uint8_t byte) {
  int ones = 0;
  while (ones < 8 && (byte & (0x80 >> ones)) != 0) ++ones;
  return ones;
}

void ConvertBytesInPlace(std::string& text, size_t start, uint8_t (*convert)(uint8_t)) {
  for (size_t i = start; i < text.size(); ++i) {
    text[i] = static_cast<char>(convert(ByteAt(text, i)));
  }
}

uint8_t AsciiToInternal(uint8_t byte) {
  return byte < 0x80 ? byte : static_cast<uint8_t>('?');
}

std::string ConvertLineInPlace(std::string_view line, void (*convert)(std::string&, size_t)) {
  std::string text(line);
  convert(text, ConvertedPartStart(line));
  return text;
}

void IbmPcInPlace(std::string& text, size_t start) {
  ConvertBytesInPlace(text, start, tables::IbmPcToInternal);
}

void AsciiInPlace(std::string& text, size_t start) {
  ConvertBytesInPlace(text, start, AsciiToInternal);
}

// ANSI is the internal set: only the delete character and the five bytes Windows-1252 leaves
// undefined, which no character stands for, become blanks.
uint8_t AnsiToInternal(uint8_t byte) {
  const bool undefined =
      byte == 0x7F || (byte >= 0x80 && byte <= 0x9F && tables::InternalToCodePoint(byte) == byte);
  return undefined ? static_cast<uint8_t>(' ') : byte;
}

void AnsiInPlace(std::string& text, size_t start) {
  ConvertBytesInPlace(text, start, AnsiToInternal);
}

// Characters from 0x7F up are the only ones any conversion changes.
bool HasHighByte(std::string_view text) {
  for (char c : text) {
    if (static_cast<uint8_t>(c) >= 0x7F) return true;
  }
  return false;
}

using LineConversion = std::string (*)(std::string_view);

LineConversion ConversionFor(Charset charset) {
  switch (charset) {
    case Charset::kAnsel:
      return AnselLineToInternal;
    case Charset::kUtf8:
      return Utf8LineToInternal;
    case Charset::kAnsi:
      return AnsiLineToInternal;
    case Charset::kIbmPc:
      return IbmPcLineToInternal;
    case Charset::kAscii:
      return AsciiLineToInternal;
    case Charset::kNone:
      break;
  }
  return nullptr;
}

void ConvertLines(RecordStore& store, LineNode* first, LineConversion convert) {
  for (LineNode* line = first; line != nullptr; line = line->next) {
    if (!HasHighByte(line->text())) continue;
    const std::string converted = convert(line->text());
    if (converted != line->text()) store.arena().SetText(line, converted);
  }
}

bool IsHighSurrogate(uint32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(uint32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

uint32_t Utf16UnitAt(std::string_view bytes, size_t index, bool big_endian) {
  const uint32_t first = ByteAt(bytes, index);
  const uint32_t second = ByteAt(bytes, index + 1);
  return big_endian ? (first << 8 | second) : (second << 8 | first);
}

void AppendUtf8(std::string& out, uint32_t code_point) {
  auto put = [&out](uint32_t byte) { out.push_back(static_cast<char>(byte)); };
  if (code_point < 0x80) {
    put(code_point);
  } else if (code_point < 0x800) {
    put(0xC0 | code_point >> 6);
    put(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    put(0xE0 | code_point >> 12);
    put(0x80 | (code_point >> 6 & 0x3F));
    put(0x80 | (code_point & 0x3F));
  } else {
    put(0xF0 | code_point >> 18);
    put(0x80 | (code_point >> 12 & 0x3F));
    put(0x80 | (code_point >> 6 & 0x3F));
    put(0x80 | (code_point & 0x3F));
  }
}

}  // namespace

std::string AnselLineToInternal(std::string_view line) {
  return ConvertLineInPlace(line, AnselInPlace);
}

std::string Utf8LineToInternal(std::string_view line) {
  return ConvertLineInPlace(line, DecodeUtf8);
}

std::string AnsiLineToInternal(std::string_view line) {
  return ConvertLineInPlace(line, AnsiInPlace);
}

std::string IbmPcLineToInternal(std::string_view line) {
  return ConvertLineInPlace(line, IbmPcInPlace);
}

std::string AsciiLineToInternal(std::string_view line) {
  return ConvertLineInPlace(line, AsciiInPlace);
}

// Each sequence leaves at most one byte where its last byte stood, so the text only shrinks.
// An ASCII byte inside a sequence passes through and the sequence goes on behind it; a new lead
// byte drops an unfinished sequence. Combining marks leave no byte: they accent the letter
// before them.
void DecodeUtf8(std::string& text, size_t start) {
  if (start >= text.size()) return;
  size_t out = start;
  int pending = 0;
  uint32_t code_point = 0;
  MarkedLetter marked;
  for (size_t in = start; in < text.size(); ++in) {
    const uint8_t byte = ByteAt(text, in);
    if (byte < 0x80) {
      text[out++] = static_cast<char>(byte);
    } else if (byte < 0xC0) {
      if (pending == 0) {
        text[out++] = '?';
        continue;
      }
      code_point = code_point << 6 | (byte & 0x3Fu);
      if (--pending > 0) continue;
      if (code_point >= 0x300 && tables::IsCombiningMark(code_point)) {
        marked.AddMark(text, start, out, code_point);
        continue;
      }
      const uint8_t internal = tables::CodePointToInternal(code_point);
      if (internal == 0) continue;  // zero-width
      text[out++] = static_cast<char>(internal);
      marked.SequenceWritten(out);
    } else if (byte >= 0xFE) {
      text[out++] = '?';
    } else {
      const int ones = LeadOnes(byte);
      pending = ones - 1;
      code_point = byte & (0x7Fu >> ones);
    }
  }
  text.resize(out);
}

std::string Utf8TextToInternal(std::string_view text) {
  std::string internal(text);
  DecodeUtf8(internal, 0);
  return internal;
}

uint32_t InternalToCodePoint(uint8_t byte) {
  return tables::InternalToCodePoint(byte);
}

bool ComposeAccent(std::string& text) {
  if (text.size() < 2) return false;
  const size_t column = tables::kTypedMarks.find(text[text.size() - 2]);
  const size_t row = tables::kAccentBases.find(text.back());
  if (column == std::string_view::npos || row == std::string_view::npos) return false;
  const uint8_t composed = tables::ComposedCharacter(row, static_cast<int>(column));
  if (composed == 0) return false;
  text[text.size() - 2] = static_cast<char>(composed);
  text.pop_back();
  return true;
}

bool HasUtf16ByteOrderMark(std::string_view head, bool* big_endian) {
  if (head.size() < 2) return false;
  const uint8_t first = ByteAt(head, 0);
  const uint8_t second = ByteAt(head, 1);
  const bool little = first == 0xFF && second == 0xFE;
  const bool big = first == 0xFE && second == 0xFF;
  if (!little && !big) return false;
  if (big_endian != nullptr) *big_endian = big;
  return true;
}

std::string Utf16ToUtf8(std::string_view bytes, bool big_endian) {
  std::string out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i + 1 < bytes.size()) {
    const uint32_t unit = Utf16UnitAt(bytes, i, big_endian);
    i += 2;
    if (IsHighSurrogate(unit) && i + 1 < bytes.size() &&
        IsLowSurrogate(Utf16UnitAt(bytes, i, big_endian))) {
      const uint32_t low = Utf16UnitAt(bytes, i, big_endian);
      i += 2;
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out.push_back('?');
    } else {
      AppendUtf8(out, unit);
    }
  }
  // A last odd byte is half a character.
  if (i < bytes.size()) out.push_back('?');
  return out;
}

void ConvertTree(RecordStore& store, Charset charset, const RecordRange& range) {
  const LineConversion convert = ConversionFor(charset);
  if (convert == nullptr) return;
  for (int n = range.first_individual; n <= store.highest_individual(); ++n) {
    if (IndividualRecord* record = store.individual(n)) ConvertLines(store, record->lines, convert);
  }
  for (int n = range.first_family; n <= store.highest_family(); ++n) {
    if (FamilyRecord* record = store.family(n)) ConvertLines(store, record->lines, convert);
  }
  for (int n = range.first_source; n <= store.highest_source(); ++n) {
    ConvertLines(store, store.source(n), convert);
  }
}

}  // namespace kinloom::store

namespace kinloom::store {
namespace {

// Counts the UTF-8 sequences of a text; -1 when a byte from 0x80 up is not part of one.
int Utf8Sequences(std::string_view text) {
  int sequences = 0;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 0;
    if (length == 0 || i + length > text.size()) return -1;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return -1;
    }
    if (length > 1) ++sequences;
    i += length;
  }
  return sequences;
}

// Adds the UTF-8 sequences of a record's lines to *found; false when a line is not UTF-8.
bool RecordIsUtf8(const LineNode* line, int* found) {
  for (; line != nullptr; line = line->next) {
    int sequences = Utf8Sequences(line->text());
    if (sequences < 0) return false;
    *found += sequences;
  }
  return true;
}

}  // namespace

Charset GuessUndeclaredCharset(const RecordStore& store, const RecordRange& range) {
  int found = 0;
  for (int n = range.first_individual; n <= store.highest_individual(); ++n) {
    const IndividualRecord* record = store.individual(n);
    if (record != nullptr && !RecordIsUtf8(record->lines, &found)) return Charset::kNone;
  }
  for (int n = range.first_family; n <= store.highest_family(); ++n) {
    const FamilyRecord* record = store.family(n);
    if (record != nullptr && !RecordIsUtf8(record->lines, &found)) return Charset::kNone;
  }
  for (int n = range.first_source; n <= store.highest_source(); ++n) {
    if (!RecordIsUtf8(store.source(n), &found)) return Charset::kNone;
  }
  return found > 0 ? Charset::kUtf8 : Charset::kNone;
}

}  // namespace kinloom::store
