#include "cli/terminal_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kinloom::cli {
namespace {

TEST(TerminalText, ConvertsTheTreesTextsAndPassesUtf8) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"plain", "plain"},
      {"Jos\xE9 M\xFCller", "Jos\xC3\xA9 M\xC3\xBCller"},            // the tree's set
      {"/home/j\xC3\xB6rg/tree.ged", "/home/j\xC3\xB6rg/tree.ged"},  // a path in UTF-8
      {"\x80 \x9C", "\xE2\x82\xAC \xC5\x93"},                        // 0x80-0x9F
      {"\xC3", "\xC3\x83"},  // a sequence cut short is a letter of the set
      {"\xE0\x80\x80", "\xC3\xA0\xE2\x82\xAC\xE2\x82\xAC"},  // overlong: three letters
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},      // a surrogate is no UTF-8
  };
  for (const auto& c : cases) EXPECT_EQ(TerminalText(c.in), c.out) << c.in;
}

TEST(TerminalText, TheBufferNeverCutsASequenceBetweenWrites) {
  std::ostringstream target;
  {
    TerminalTextBuffer buffer(target);
    std::ostream out(&buffer);
    out << "a\xC3";
    out << "\xA9 b\n"
        << "Ren\xE9";
  }  // the last line without a line end goes out when the buffer ends
  EXPECT_EQ(target.str(), "a\xC3\xA9 b\nRen\xC3\xA9");
}

}  // namespace
}  // namespace kinloom::cli
