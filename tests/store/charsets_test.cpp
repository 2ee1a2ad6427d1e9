#include "store/charsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <utility>

#include "support/corpus.h"
#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::SplitLines;
using namespace std::string_literals;
using testing::TestTree;

// Line conversions see a level, a tag and a blank before the value.
const std::string kTag = "2 NOTE ";

// ANSEL diacritics, written before their letter.
const std::string kGrave = "\xE1";
const std::string kAcute = "\xE2";
const std::string kCircumflex = "\xE3";
const std::string kTilde = "\xE4";
const std::string kUmlaut = "\xE8";
const std::string kCaron = "\xE9";
const std::string kRing = "\xEA";
const std::string kCedilla = "\xF0";

using LineConversion = std::string (*)(std::string_view);
const LineConversion kLineConversions[] = {AnselLineToInternal, Utf8LineToInternal,
                                           AnsiLineToInternal, IbmPcLineToInternal,
                                           AsciiLineToInternal};

// The value of a line after a line conversion.
template <LineConversion convert>
std::string Value(std::string_view value) {
  return convert(kTag + std::string(value)).substr(kTag.size());
}
constexpr auto Ansel = Value<AnselLineToInternal>;
constexpr auto Utf8 = Value<Utf8LineToInternal>;
constexpr auto Ansi = Value<AnsiLineToInternal>;
constexpr auto IbmPc = Value<IbmPcLineToInternal>;
constexpr auto Ascii = Value<AsciiLineToInternal>;

// UTF-8 bytes of a code point up to U+FFFF.
std::string EncodeUtf8(uint32_t cp) {
  if (cp < 0x80) return std::string(1, static_cast<char>(cp));
  if (cp < 0x800) return {static_cast<char>(0xC0 | cp >> 6), static_cast<char>(0x80 | (cp & 63))};
  return {static_cast<char>(0xE0 | cp >> 12), static_cast<char>(0x80 | (cp >> 6 & 63)),
          static_cast<char>(0x80 | (cp & 63))};
}
std::string FromCodePoint(uint32_t cp) {
  return Utf8(EncodeUtf8(cp));
}

bool AnyByteIn(std::string_view text, int low, int high) {
  for (char c : text) {
    if (static_cast<uint8_t>(c) >= low && static_cast<uint8_t>(c) <= high) return true;
  }
  return false;
}

bool IsWellFormedUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const uint8_t lead = static_cast<uint8_t>(text[i++]);
    const int more = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0 || i + more > text.size()) return false;
    for (int k = 0; k < more; ++k) {
      if ((static_cast<uint8_t>(text[i++]) & 0xC0) != 0x80) return false;
    }
  }
  return true;
}

TEST(CharsetLinePart, OnlyTheValueAfterLevelAndTagIsConverted) {
  const std::pair<LineConversion, std::string> level_and_tag[] = {
      {AnselLineToInternal, "1 \xA1\xA2\xE2o"},
      {Utf8LineToInternal, "1 \xC3\xA9 x"},
      {AnsiLineToInternal, "1 \x85\x99 x"},
      {IbmPcLineToInternal, "1 \x81\x82 x"},
      {AsciiLineToInternal, "1 \xFF\xFE x"}};
  for (const auto& [convert, line] : level_and_tag) EXPECT_EQ(convert(line), line);
  for (LineConversion convert : kLineConversions) {
    for (const std::string line : {"", "1", "1 \x85", "1 \xA1\xA1\xA1"}) {
      EXPECT_EQ(convert(line), line);  // shorter than six characters
    }
  }
  // Index 5 keeps its byte; index 6, when it is no blank, is the first converted one.
  EXPECT_EQ(AnselLineToInternal("1 _XY\xA1\xA1"), "1 _XY\xA1L");
  EXPECT_EQ(Utf8LineToInternal("1 NAM\xC3\xA9"), "1 NAM\xC3?");
  EXPECT_EQ(AnsiLineToInternal("1 _XYZ\x81"), "1 _XYZ ");
}

TEST(CharsetValues, EachSetConvertsToTheInternalSet) {
  const struct {
    const char* what;
    std::string (*convert)(std::string_view);
    std::string in, out;
  } cases[] = {
      {"ANSEL cedilla, ring, tilde", Ansel, kCedilla + "c" + kRing + "A" + kTilde + "N",
       "\xE7\xC5\xD1"},
      {"ANSEL caron and diaeresis of 0x80-0x9F", Ansel, kCaron + "S" + kCaron + "z" + kUmlaut + "Y",
       "\x8A\x9E\x9F"},
      {"ANSEL no letter of the typing table", Ansel, kGrave + "b" + kGrave + "N", "bN"},
      {"ANSEL no x umlaut", Ansel, kUmlaut + "x", "x"},
      {"ANSEL no e tilde", Ansel, kTilde + "e", "e"},
      {"ANSEL 0xE5 is no mark", Ansel, "\xE5o", "o"},
      {"ANSEL ! takes no diacritic", Ansel, kGrave + "!", "!"},
      {"ANSEL nothing after the diacritic", Ansel, "ab\xE2", "ab"},
      {"ANSEL special after a diacritic", Ansel, "\xE2\xA1x", "Lx"},
      {"ANSEL two marks: the plain letter", Ansel, kCircumflex + kTilde + "a", "a"},
      {"ANSEL three marks", Ansel, "\xF2\xE2\xE5o|", "o|"},
      {"ANSEL undefined mark bytes", Ansel, "\xFC\xFD" + "e\xFE"s, "e"},
      {"ANSEL specials do not compose", Ansel, "\xA1\xA2o", "L\xD8o"},
      {"ANSEL more specials", Ansel, "\xA5\xB5\xB8\xC3\xCF\xBA\xA4", "\xC6\xE6i\xA9\xDF\xF0\xDE"},
      {"ANSEL unlisted bytes", Ansel, "\x80\x9F\xA0\xA6\xC2\xDF", "??????"},
      {"UTF-8 e caron", Utf8, "\xC4\x9B", "e"},
      {"UTF-8 three bytes", Utf8, "\xE1\xBB\x9D", "o"},
      {"UTF-8 four bytes", Utf8, "\xF0\x9F\x98\x80!", "?!"},
      {"UTF-8 continuation alone", Utf8, "a\xA9z", "a?z"},
      {"UTF-8 FE FF", Utf8, "\xFE\xFF", "??"},
      {"UTF-8 overlong ASCII", Utf8, "\xC1\x81\xC0\x80", "??"},
      {"UTF-8 without meaning here", Utf8, "\xC2\x80\xC2\x9F", "??"},
      {"UTF-8 cut off at the end", Utf8, "ab\xE1\xBB", "ab"},
      {"UTF-8 new lead drops the unfinished", Utf8, "\xE1\xC3\xA9", "\xE9"},
      {"UTF-8 five bytes", Utf8, "\xF8\x88\x80\x80\x80", "?"},
      {"UTF-8 six bytes", Utf8, "\xFC\x84\x80\x80\x80\x80", "?"},
      {"UTF-8 ASCII inside a sequence", Utf8, "\xC3x\xA9", "x\xE9"},
      {"ANSI keeps 0x80-0x9F", Ansi, "\x80\x84\x85\x8C\x93\x94\x97\x99\x9F",
       "\x80\x84\x85\x8C\x93\x94\x97\x99\x9F"},
      {"ANSI undefined bytes", Ansi, "a\x7F\x81\x8D\x8F\x90\x9Dz", "a      z"},
      {"ANSI Latin-1 stays", Ansi, "\xA0\xC6\xE9\xFF", "\xA0\xC6\xE9\xFF"},
      {"IBMPC letters", IbmPc, "\x81\x82\x84\x8E\x94\x99\x9A\xA4\xA5\xE1",
       "\xFC\xE9\xE4\xC4\xF6\xD6\xDC\xF1\xD1\xDF"},
      {"IBMPC more letters", IbmPc, "\x80\x87\x90\x91\x92\xA0\xA8", "\xC7\xE7\xC9\xE6\xC6\xE1\xBF"},
      {"IBMPC box drawing", IbmPc, "\xDA\xC4\xBF\xB3\xCD\xBA", "+-+|-|"},
      {"ASCII high bytes", Ascii, "J\xF6rg /M\x81ller/", "J?rg /M?ller/"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.convert(c.in), c.out) << c.what;
}

TEST(CharsetValues, IbmPcPutsNothingInTheHiddenRange) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string out = IbmPc(std::string(1, static_cast<char>(byte)));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_FALSE(byte >= 0x80 && AnyByteIn(out, 0x00, 0x1F)) << byte;
    EXPECT_FALSE(byte >= 0x80 && AnyByteIn(out, 0x7F, 0x9F)) << byte;
  }
}

TEST(Utf8Tables, CodePointsBecomeTheirInternalCharacterFromTheStartIndexOn) {
  for (uint32_t cp = 0xA0; cp <= 0xFF; ++cp) {  // Latin-1: their own byte
    EXPECT_EQ(FromCodePoint(cp), std::string(1, static_cast<char>(cp))) << cp;
  }
  for (uint32_t cp = 0xFF01; cp <= 0xFF5E; ++cp) {  // full-width forms: ASCII
    EXPECT_EQ(FromCodePoint(cp), std::string(1, static_cast<char>(cp - 0xFF00 + 0x20))) << cp;
  }
  // Latin letters lose their accents, strokes and hooks.
  const std::pair<uint32_t, std::string> cases[] = {
      {0x0100, "A"},    {0x0141, "L"},    {0x0131, "i"},    {0x0132, "?"},  // IJ ligature
      {0x0152, "\x8C"}, {0x0138, "K"},    {0x017F, "f"},    {0x01E2, "\xC6"}, {0x01FC, "\xC6"},
      {0x01FD, "\xE6"}, {0x01FE, "\xD8"}, {0x01FF, "\xF8"}, {0x024F, "y"},    {0x0250, "?"},
      {0x1DBF, "?"},    {0x1E00, "A"},    {0x1E9B, "f"},    {0x1E9E, "?"},    {0x1EA0, "A"},
      {0x1EF9, "y"},    {0x1EFF, "y"},    {0x1F00, "?"},    {0xFF00, "?"},    {0xFF5F, "?"},
  };
  for (const auto& [code_point, internal] : cases) {
    EXPECT_EQ(FromCodePoint(code_point), internal) << std::hex << code_point;
  }
  // DecodeUtf8 converts from its start index on.
  std::string text = "\xC3\xA9=\xC3\xA9";
  DecodeUtf8(text, 2);
  EXPECT_EQ(text, "\xC3\xA9=\xE9");
  std::string short_text = "\xC3\xA9";
  DecodeUtf8(short_text, 5);
  EXPECT_EQ(short_text, "\xC3\xA9");
}

// What other programs write in UTF-8 and what is typed in the desktop program map alike.
TEST(Utf8Tables, CharactersOfTheSetKeepTheirByteAndOtherLettersTheirPlainLetter) {
  for (int byte = 0; byte < 256; ++byte) {  // the set's own characters, both ways
    const auto internal = static_cast<uint8_t>(byte);
    EXPECT_EQ(Utf8TextToInternal(EncodeUtf8(InternalToCodePoint(internal))),
              std::string(1, static_cast<char>(byte)))
        << byte;
  }
  const std::pair<std::string, std::string> cases[] = {
      {"€‚ƒ„…†‡ˆ‰Š‹ŒŽ", "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"},
      {"‘’“”•–—˜™š›œžŸ", "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"},
      {"Halfdan \"Gamle\" Sveidasson, “the Aged”",
       "Halfdan \"Gamle\" Sveidasson, \x93the Aged\x94"},
      {"Saint Helena /Found Christ’s cross/", "Saint Helena /Found Christ\x92s cross/"},
      {"Dvořák", "Dvor\xE1k"},
      // Decomposed accents join their letter, or leave it plain.
      {"Dvořák", "Dvor\xE1k"},
      {"José Ångström Ç Š ñ Ÿ", "Jos\xE9 \xC5ngstr\xF6m \xC7 \x8A \xF1 \x9F"},
      {"ấ ẹ́ ẹ́ ǿ é́", "a e e \xF8 \xE9"},
      {"́x 1́ ́", "x 1 "},
      // Near characters; "?" only when nothing fits.
      {"a‐b c​d﻿−ʻ", "a-b cd-\x91"},
      {"αЖ中", "???"},
  };
  for (const auto& [utf8, internal] : cases) {
    EXPECT_EQ(Utf8TextToInternal(utf8), internal) << utf8;
    EXPECT_EQ(Utf8(utf8), internal) << utf8;
  }
}

TEST(CharsetComposeAccent, MarkThenLetterGivesTheAccentedLetterAndNothingElseChanges) {
  const std::pair<std::string, std::string> cases[] = {
      {"M:u", "M\xFC"}, {",?", "\xBF"}, {"Jos'e", "Jos\xE9"}, {"/O", "\xD8"},
      {"", ""},         {"u", "u"},     {"~e", "~e"},         {"'x", "'x"},
      {"xu", "xu"},     {":u ", ":u "}, {"%o", "%o"},         {"/a", "/a"}};
  for (const auto& [original, composed] : cases) {
    std::string text = original;
    EXPECT_EQ(ComposeAccent(text), composed != original) << original;
    EXPECT_EQ(text, composed) << original;
  }
}

TEST(Utf16, ByteOrderMarksBothByteOrdersSurrogatePairsAndBrokenUnits) {
  const struct {
    const char* what;
    std::string bytes;
    bool big;
    std::string utf8;
  } cases[] = {
      {"little-endian", "A\0\xE9\0\x3A\x26\x08\xD8\x45\xDF"s, false,
       "A\xC3\xA9\xE2\x98\xBA\xF0\x92\x8D\x85"},
      {"big-endian", "\0A\0\xE9\x26\x3A\xD8\x08\xDF\x45"s, true,
       "A\xC3\xA9\xE2\x98\xBA\xF0\x92\x8D\x85"},
      {"high, then no low", "\x08\xD8Z\0"s, false, "?Z"},
      {"low alone", "\x45\xDFZ\0"s, false, "?Z"},
      {"high at the end", "A\0\x08\xD8"s, false, "A?"},
      {"odd length", "A\0\x08\xD8\x45"s, false, "A??"},
      {"one byte", "A"s, false, "?"},
      {"nothing", ""s, true, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(c.bytes, c.big), c.utf8) << c.what;
  // The byte order mark tells the byte order; a UTF-8 mark is none.
  bool big = true;
  EXPECT_TRUE(HasUtf16ByteOrderMark("\xFF\xFEH", &big));
  EXPECT_FALSE(big);
  EXPECT_TRUE(HasUtf16ByteOrderMark("\xFE\xFF", &big));
  EXPECT_TRUE(big);
  EXPECT_TRUE(HasUtf16ByteOrderMark("\xFE\xFF", nullptr));
  EXPECT_FALSE(HasUtf16ByteOrderMark("\xFF", &big));
  EXPECT_FALSE(HasUtf16ByteOrderMark("\xEF\xBB\xBFH", &big));
  EXPECT_FALSE(HasUtf16ByteOrderMark("0 HEAD", &big));
}

// Files record 1 of the kind its first line names; returns its lines.
std::vector<LineNode*> AddRecord(RecordStore& store, const std::vector<std::string>& texts) {
  std::vector<LineNode*> lines;
  LineNode* last = nullptr;
  for (const std::string& text : texts) lines.push_back(store.AppendLine(&last, text));
  if (texts[0].ends_with("INDI")) store.CreateIndividual(1)->lines = lines[0];
  if (texts[0].ends_with("FAM")) store.CreateFamily(1)->lines = lines[0];
  if (texts[0].ends_with("SOUR")) store.SetSource(1, lines[0]);
  store.set_highest_individual(1);
  store.set_highest_family(1);
  store.set_highest_source(1);
  return lines;
}

TEST(CharsetConvertTree, ConvertsEveryRecordKindAndLeavesOthersAlone) {
  TestTree t;
  t.store.NewEmptyTree(false);
  const std::string name = "1 NAME Ren" + kAcute + "e /Dupr" + kAcute + "e/";
  const auto person = AddRecord(t.store, {"0 @I000001@ INDI", name, "1 SEX M"});
  const auto family = AddRecord(t.store, {"0 @F000001@ FAM", "2 PLAC M" + kUmlaut + "unchen"});
  const auto source = AddRecord(t.store, {"0 @S1@ SOUR", "1 TITL \xA5lfric"});
  ConvertTree(t.store, Charset::kNone);
  EXPECT_EQ(person[1]->text(), name);
  ConvertTree(t.store, Charset::kAnsel);
  EXPECT_EQ(person[1]->text(), "1 NAME Ren\xE9 /Dupr\xE9/");
  EXPECT_EQ(person[2]->text(), "1 SEX M");
  EXPECT_EQ(family[1]->text(), "2 PLAC M\xFCnchen");
  EXPECT_EQ(source[1]->text(), "1 TITL \xC6lfric");

  TestTree ansi;
  ansi.store.NewEmptyTree(false);
  const auto note = AddRecord(ansi.store, {"0 @I000001@ INDI", "1 NOTE Wait\x85 \x99\x7F\x81"});
  ConvertTree(ansi.store, Charset::kAnsi);
  EXPECT_EQ(note[1]->text(), "1 NOTE Wait\x85 \x99  ");
}

TEST(CharsetRobustness, RandomBytesThroughEveryConversion) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 3000; ++round) {
    std::string input(static_cast<size_t>(length(random)), '\0');
    for (char& c : input) c = static_cast<char>(round % 2 ? byte(random) | 0x80 : byte(random));
    const size_t part = input.size() > 6 && input[6] == ' ' ? 7 : 6;
    auto value = [part](const std::string& s) {
      return s.size() > part ? s.substr(part) : std::string();
    };

    EXPECT_LE(AnselLineToInternal(input).size(), input.size());
    EXPECT_LE(Utf8LineToInternal(input).size(), input.size());
    const std::string ansi = AnsiLineToInternal(input);
    EXPECT_EQ(ansi.size(), input.size());
    EXPECT_EQ(value(ansi).find_first_of("\x7F\x81\x8D\x8F\x90\x9D"), std::string::npos);
    EXPECT_EQ(IbmPcLineToInternal(input).size(), input.size());
    EXPECT_FALSE(AnyByteIn(value(AsciiLineToInternal(input)), 0x80, 0xFF));

    std::string decoded = input;
    DecodeUtf8(decoded, static_cast<size_t>(round % 8));
    EXPECT_LE(decoded.size(), input.size());
    for (bool big : {false, true}) {
      const std::string wide = Utf16ToUtf8(input, big);
      EXPECT_LE(wide.size(), input.size() / 2 * 3 + 1);
      EXPECT_TRUE(IsWellFormedUtf8(wide));
    }
    std::string field = input;
    const bool composed = ComposeAccent(field);
    EXPECT_EQ(field.size() + (composed ? 1 : 0), input.size());
    HasUtf16ByteOrderMark(input, nullptr);
  }
}

TEST(CharsetCorpus, NotesKeepThePilcrowAndMarkTheRestInEveryByteOrder) {
  KINLOOM_REQUIRE_CORPUS();
  const struct {
    const char* file;
    bool utf16, big;
    const char* note;
  } cases[] = {
      {"edge/char_utf8-1.ged", false, false, "1 NOTE UTF-8 without BOM: \xB6 ? ?"},
      {"edge/char_utf16le-2.ged", true, false, "1 NOTE UTF-16LE with BOM: \xB6 ? ?"},
      {"edge/char_utf16be-2.ged", true, true, "1 NOTE UTF-16BE with BOM: \xB6 ? ?"},
  };
  for (const auto& c : cases) {
    std::string bytes = testing::ReadFileBytes(testing::CorpusFile(c.file));
    bool big_endian = !c.big;
    ASSERT_EQ(HasUtf16ByteOrderMark(bytes, &big_endian), c.utf16) << c.file;
    if (c.utf16) {
      EXPECT_EQ(big_endian, c.big) << c.file;
      bytes = Utf16ToUtf8(std::string_view(bytes).substr(2), big_endian);
    }
    const auto lines = SplitLines(bytes);
    ASSERT_GT(lines.size(), 9u) << c.file;
    EXPECT_EQ(lines[0], "0 HEAD") << c.file;
    EXPECT_EQ(Utf8LineToInternal(lines[7]), c.note) << c.file;
    EXPECT_EQ(lines[9], "1 NAME Luther Tychonievich") << c.file;
  }
}

// The corpus tests check particular accented names; here every line of every UTF-8 tree: each
// character is kept, and none of them, quotation marks and dashes included, becomes "?".
TEST(CharsetCorpus, Utf8TreesKeepOneCharacterPerCodePoint) {
  KINLOOM_REQUIRE_CORPUS();
  for (const auto& entry : std::filesystem::directory_iterator(testing::CorpusDir())) {
    if (entry.path().filename().string().rfind("utf8-", 0) != 0) continue;
    for (const std::string& line : SplitLines(testing::ReadFileBytes(entry.path().string()))) {
      if (line.size() < 7 || AnyByteIn(line.substr(0, 7), 0x80, 0xFF)) continue;
      size_t code_points = 0;
      for (char c : line) code_points += (static_cast<uint8_t>(c) & 0xC0) != 0x80;
      const std::string converted = Utf8LineToInternal(line);
      EXPECT_EQ(converted.size(), code_points) << line;
      EXPECT_EQ(std::count(converted.begin(), converted.end(), '?'),
                std::count(line.begin(), line.end(), '?'))
          << line;
    }
  }
}

}  // namespace
}  // namespace kinloom::store
