#include "cli/terminal_text.h"

#include "store/line_conversion.h"

namespace kinloom::cli {
namespace {

// The length of the well-formed UTF-8 sequence at `at`, or 0 when there is none.
size_t Utf8SequenceAt(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[at + i]);
    if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

}  // namespace

std::string TerminalText(std::string_view mixed) {
  std::string out;
  out.reserve(mixed.size());
  for (size_t i = 0; i < mixed.size();) {
    if (static_cast<unsigned char>(mixed[i]) < 0x80) {
      out += mixed[i++];
    } else if (const size_t length = Utf8SequenceAt(mixed, i); length != 0) {
      out.append(mixed.substr(i, length));
      i += length;
    } else {
      out += store::InternalToUtf8(mixed.substr(i++, 1));
    }
  }
  return out;
}

TerminalTextBuffer::int_type TerminalTextBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  pending_ += traits_type::to_char_type(c);
  if (traits_type::to_char_type(c) == '\n') FlushCompleteLines();
  return c;
}

std::streamsize TerminalTextBuffer::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<size_t>(count));
  FlushCompleteLines();
  return count;
}

int TerminalTextBuffer::sync() {
  Flush();
  target_.flush();
  return target_ ? 0 : -1;
}

void TerminalTextBuffer::FlushCompleteLines() {
  const size_t end = pending_.rfind('\n');
  if (end == std::string::npos) return;
  target_ << TerminalText(std::string_view(pending_).substr(0, end + 1));
  pending_.erase(0, end + 1);
}

void TerminalTextBuffer::Flush() {
  if (pending_.empty()) return;
  target_ << TerminalText(pending_);
  pending_.clear();
}

}  // namespace kinloom::cli
