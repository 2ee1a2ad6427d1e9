#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace kinloom::cli {

// The tree's texts are in the Windows-1252 set, while paths, arguments and text reports are
// UTF-8 already. A terminal takes UTF-8: well-formed UTF-8 sequences pass unchanged and every
// other byte from 0x80 up is read as Windows-1252.
std::string TerminalText(std::string_view mixed);

// A stream buffer that passes whole lines through TerminalText to `target`. Lines are held
// until they end (or the stream is flushed), so that a sequence is never cut in two.
class TerminalTextBuffer : public std::streambuf {
 public:
  explicit TerminalTextBuffer(std::ostream& target) : target_(target) {}
  TerminalTextBuffer(const TerminalTextBuffer&) = delete;
  TerminalTextBuffer& operator=(const TerminalTextBuffer&) = delete;
  ~TerminalTextBuffer() override { Flush(); }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  void FlushCompleteLines();
  void Flush();

  std::ostream& target_;
  std::string pending_;
};

}  // namespace kinloom::cli
