// Texts of the tree and the settings enter pages only escaped.
#include "web/html_text.h"

#include <gtest/gtest.h>

namespace kinloom::web {
namespace {

TEST(HtmlText, EscapesMarkupAndWritesUpperCharactersAsReferences) {
  struct Case {
    std::string_view text;
    std::string_view escaped;
  };
  const Case cases[] = {
      {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
      {"\"><img src=x onerror=alert(2)>", "&quot;&gt;&lt;img src=x onerror=alert(2)&gt;"},
      {"O'Brien & Sons", "O&#39;Brien &amp; Sons"},
      {"Jos\xE9 \x80 \x9C", "Jos&#233; &#8364; &#339;"},  // Windows-1252, not Latin-1
      {"two\r\nlines\tand\x01 bell", "two  lines and bell"},
  };
  for (const Case& c : cases) EXPECT_EQ(Escaped(c.text), c.escaped) << c.text;
}

TEST(HtmlText, LinksOfTheSettingsKeepOnlySafeSchemes) {
  struct Case {
    std::string_view address;
    std::string_view link;  // empty: no link
  };
  const Case cases[] = {
      {"https://example.org/a?b=1&c=2", "https://example.org/a?b=1&amp;c=2"},
      {"mailto:me@example.org", "mailto:me@example.org"},
      {"family/page.html", "family/page.html"},
      {"javascript:alert(1)", ""},
      {" JavaScript:alert(1)", ""},
      {"java\tscript:alert(1)", ""},
      {"data:text/html,<script>", ""},
      {"\"onmouseover=\"alert(1)", "&quot;onmouseover=&quot;alert(1)"},
  };
  for (const Case& c : cases) EXPECT_EQ(SafeLinkAddress(c.address), c.link) << c.address;
}

}  // namespace
}  // namespace kinloom::web
