#include "store/charsets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <tuple>
#include <utility>

#include "support/test_support.h"

namespace kinloom::store {
namespace {

using testing::TestTree;

// Line conversions see a level, a tag and a blank before the value.
const std::string kTag = "2 NOTE ";

// ANSEL diacritics, written before their letter.
const std::string kGrave = "\xE1";
const std::string kAcute = "\xE2";
const std::string kTilde = "\xE4";
const std::string kUmlaut = "\xE8";
const std::string kRing = "\xEA";
const std::string kCedilla = "\xF0";

std::string Ansel(std::string_view value) {
  return AnselLineToInternal(kTag + std::string(value)).substr(kTag.size());
}
std::string Utf8(std::string_view value) {
  return Utf8LineToInternal(kTag + std::string(value)).substr(kTag.size());
}
std::string Ansi(std::string_view value) {
  return AnsiLineToInternal(kTag + std::string(value)).substr(kTag.size());
}
std::string IbmPc(std::string_view value) {
  return IbmPcLineToInternal(kTag + std::string(value)).substr(kTag.size());
}

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

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t from = 0;
  while (from < bytes.size()) {
    size_t end = bytes.find('\n', from);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    from = end + 1;
  }
  return lines;
}

std::string CorpusFile(const std::string& name) {
  return std::string(KINLOOM_CORPUS_DIR) + "/" + name;
}

TEST(CharsetLinePart, LevelAndTagAreNeverConverted) {
  EXPECT_EQ(AnselLineToInternal("1 \xA1\xA2\xE2o"), "1 \xA1\xA2\xE2o");
  EXPECT_EQ(Utf8LineToInternal("1 \xC3\xA9 x"), "1 \xC3\xA9 x");
  EXPECT_EQ(AnsiLineToInternal("1 \x85\x99 x"), "1 \x85\x99 x");
  EXPECT_EQ(IbmPcLineToInternal("1 \x81\x82 x"), "1 \x81\x82 x");
  EXPECT_EQ(AsciiLineToInternal("1 \xFF\xFE x"), "1 \xFF\xFE x");
}

TEST(CharsetLinePart, LinesShorterThanSixCharactersAreUntouched) {
  for (const std::string line : {"", "1", "1 \x85", "1 \xA1\xA1\xA1"}) {
    EXPECT_EQ(AnselLineToInternal(line), line);
    EXPECT_EQ(Utf8LineToInternal(line), line);
    EXPECT_EQ(AnsiLineToInternal(line), line);
    EXPECT_EQ(AsciiLineToInternal(line), line);
  }
}

TEST(CharsetLinePart, SeventhCharacterIsConvertedWhenItIsNoBlank) {
  // Index 5 keeps its byte; index 6 is the first converted one.
  EXPECT_EQ(AnselLineToInternal("1 _XY\xA1\xA1"), "1 _XY\xA1L");
  EXPECT_EQ(Utf8LineToInternal("1 NAM\xC3\xA9"), "1 NAM\xC3?");
  EXPECT_EQ(AnsiLineToInternal("1 _XYZ\x85"), "1 _XYZ..");
}

TEST(AnselLine, DiacriticComposesWithTheLetterAfterIt) {
  EXPECT_EQ(Ansel("Ren" + kAcute + "e"), "Ren\xE9");       // e acute
  EXPECT_EQ(Ansel("M" + kUmlaut + "uller"), "M\xFCller");  // u umlaut
  EXPECT_EQ(Ansel(kCedilla + "c" + kRing + "A" + kTilde + "N"),
            "\xE7\xC5\xD1");               // c cedilla, A ring, N tilde
  EXPECT_EQ(Ansel(kGrave + "b"), "\xDF");  // the table's sharp s
}

TEST(AnselLine, DiacriticWithoutCellIsDroppedAndLetterKept) {
  EXPECT_EQ(Ansel(kUmlaut + "x"), "x");
  EXPECT_EQ(Ansel(kTilde + "e"), "e");  // no e tilde
  EXPECT_EQ(Ansel("\xE5o"), "o");       // 0xE5 is no mark of the table
  EXPECT_EQ(Ansel(kGrave + "!"), "!");  // "!" and "?" take no ANSEL diacritic
  EXPECT_EQ(Ansel("ab\xE2"), "ab");     // nothing after the diacritic
}

TEST(AnselLine, HighByteAfterDiacriticPassesUnconverted) {
  EXPECT_EQ(Ansel("\xE2\xA1x"), "\xA1x");
  EXPECT_EQ(Ansel(kAcute + kAcute + "e"), kAcute + "e");
}

TEST(AnselLine, SpecialCharactersAndUnlistedBytes) {
  EXPECT_EQ(Ansel("\xA1\xA2"), "L\xD8");
  EXPECT_EQ(Ansel("\xA5\xB5\xB8\xC3\xCF\xBA\xA4"), "\xC6\xE6i\xA9\xDF\xF0\xDE");
  EXPECT_EQ(Ansel("\x80\x9F\xA0\xA6\xC2\xDF"), "??????");
  EXPECT_EQ(Ansel("\xA1o"), "Lo");  // a special character does not compose
}

TEST(Utf8Line, SequencesBecomeTheirInternalCharacter) {
  EXPECT_EQ(Utf8("\xC3\xA9"), "\xE9");
  EXPECT_EQ(Utf8("\xC4\x9B"), "e");
  EXPECT_EQ(Utf8("\xE1\xBB\x9D"), "o");
  EXPECT_EQ(Utf8("\xEF\xBC\xA1"), "A");
  EXPECT_EQ(Utf8("\xE2\x82\xAC"), "?");
  EXPECT_EQ(Utf8("\xF0\x9F\x98\x80!"), "?!");
}

TEST(Utf8Line, MalformedSequences) {
  EXPECT_EQ(Utf8("a\xA9z"), "a?z");  // continuation outside a sequence
  EXPECT_EQ(Utf8("\xFE\xFF"), "??");
  EXPECT_EQ(Utf8("\xC1\x81\xC0\x80"), "??");     // overlong forms of ASCII
  EXPECT_EQ(Utf8("\xC2\x80\xC2\x9F"), "??");     // no meaning in the internal set
  EXPECT_EQ(Utf8("ab\xE1\xBB"), "ab");           // cut off at the end
  EXPECT_EQ(Utf8("\xE1\xC3\xA9"), "\xE9");       // a new lead drops the unfinished one
  EXPECT_EQ(Utf8("\xF8\x88\x80\x80\x80"), "?");  // five-byte form
  EXPECT_EQ(Utf8("\xFC\x84\x80\x80\x80\x80"), "?");
}

TEST(Utf8Line, AsciiByteInsideSequencePassesAndSequenceGoesOn) {
  EXPECT_EQ(Utf8("\xC3x\xA9"), "x\xE9");
}

TEST(Utf8Tables, LatinOneCodePointsGiveTheirOwnByte) {
  for (uint32_t cp = 0xA0; cp <= 0xFF; ++cp) {
    EXPECT_EQ(FromCodePoint(cp), std::string(1, static_cast<char>(cp))) << cp;
  }
}

TEST(Utf8Tables, LatinLettersLoseTheirAccentsStrokesAndHooks) {
  const std::pair<uint32_t, std::string> cases[] = {
      {0x0100, "A"},    {0x0141, "L"},    {0x0131, "i"},    {0x0132, "?"},  // IJ ligature
      {0x0153, "?"},    {0x0138, "K"},    {0x017F, "f"},    {0x01E2, "\xC6"}, {0x01FC, "\xC6"},
      {0x01FD, "\xE6"}, {0x01FE, "\xD8"}, {0x01FF, "\xF8"}, {0x024F, "y"},    {0x0250, "?"},
      {0x1DFF, "?"},    {0x1E00, "A"},    {0x1E9B, "f"},    {0x1E9E, "?"},    {0x1EA0, "A"},
      {0x1EF9, "y"},    {0x1EFF, "y"},    {0x1F00, "?"},
  };
  for (const auto& [code_point, internal] : cases) {
    EXPECT_EQ(FromCodePoint(code_point), internal) << std::hex << code_point;
  }
}

TEST(Utf8Tables, FullWidthFormsBecomeAscii) {
  EXPECT_EQ(FromCodePoint(0xFF00), "?");
  for (uint32_t cp = 0xFF01; cp <= 0xFF5E; ++cp) {
    EXPECT_EQ(FromCodePoint(cp), std::string(1, static_cast<char>(cp - 0xFF00 + 0x20))) << cp;
  }
  EXPECT_EQ(FromCodePoint(0xFF5F), "?");
}

TEST(Utf8Decode, ConvertsFromTheStartIndexOn) {
  std::string text = "\xC3\xA9=\xC3\xA9";
  DecodeUtf8(text, 2);
  EXPECT_EQ(text, "\xC3\xA9=\xE9");
  std::string short_text = "\xC3\xA9";
  DecodeUtf8(short_text, 5);
  EXPECT_EQ(short_text, "\xC3\xA9");
}

TEST(AnsiLine, ApproximationsAndInsertedSecondCharacters) {
  EXPECT_EQ(Ansi("\x85"), "..");
  EXPECT_EQ(Ansi("\x99"), "tm");
  EXPECT_EQ(Ansi("\x84\x8C\x97\x9C"), ", Oe--oe");
  EXPECT_EQ(Ansi("\x7F\x80\x82\x95\x96\x9F"), "  ,\xB7-Y");
  EXPECT_EQ(Ansi("a\x85\x85z"), "a....z");
  EXPECT_EQ(Ansi("\xA0\xC6\xE9\xFF"), "\xA0\xC6\xE9\xFF");
}

TEST(CharsetIbmPc, AccentedLettersBecomeTheirWindowsForms) {
  EXPECT_EQ(IbmPc("\x81\x82\x84\x8E\x94\x99\x9A\xA4\xA5\xE1"),
            "\xFC\xE9\xE4\xC4\xF6\xD6\xDC\xF1\xD1\xDF");
  EXPECT_EQ(IbmPc("\x80\x87\x90\x91\x92\xA0\xA8"), "\xC7\xE7\xC9\xE6\xC6\xE1\xBF");
}

TEST(CharsetIbmPc, BoxDrawingBecomesAsciiAndNothingLandsInTheHiddenRange) {
  EXPECT_EQ(IbmPc("\xDA\xC4\xBF\xB3\xCD\xBA"), "+-+|-|");
  for (int byte = 1; byte < 256; ++byte) {
    const std::string out = IbmPc(std::string(1, static_cast<char>(byte)));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_FALSE(byte >= 0x80 && AnyByteIn(out, 0x00, 0x1F)) << byte;
    EXPECT_FALSE(byte >= 0x80 && AnyByteIn(out, 0x7F, 0x9F)) << byte;
  }
}

TEST(CharsetAscii, HighBytesBecomeQuestionMarks) {
  EXPECT_EQ(AsciiLineToInternal("1 NAME J\xF6rg /M\x81ller/"), "1 NAME J?rg /M?ller/");
}

TEST(CharsetComposeAccent, MarkThenLetterGivesTheAccentedLetter) {
  std::string text = "M:u";
  EXPECT_TRUE(ComposeAccent(text));
  EXPECT_EQ(text, "M\xFC");
  text = ",?";
  EXPECT_TRUE(ComposeAccent(text));
  EXPECT_EQ(text, "\xBF");
  text = "Jos'e";
  EXPECT_TRUE(ComposeAccent(text));
  EXPECT_EQ(text, "Jos\xE9");
  text = "/O";
  EXPECT_TRUE(ComposeAccent(text));
  EXPECT_EQ(text, "\xD8");
}

TEST(CharsetComposeAccent, OtherEndingsStayUnchanged) {
  for (const std::string original : {"", "u", "~e", "'x", "xu", ":u ", "%o", "/a"}) {
    std::string text = original;
    EXPECT_FALSE(ComposeAccent(text)) << original;
    EXPECT_EQ(text, original);
  }
}

TEST(Utf16, ByteOrderMarkTellsTheByteOrder) {
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

TEST(Utf16, BothByteOrdersWithSurrogatePairs) {
  using namespace std::string_literals;
  EXPECT_EQ(Utf16ToUtf8("A\0\xE9\0\x3A\x26\x08\xD8\x45\xDF"s, false),
            "A\xC3\xA9\xE2\x98\xBA\xF0\x92\x8D\x85");
  EXPECT_EQ(Utf16ToUtf8("\0A\0\xE9\x26\x3A\xD8\x08\xDF\x45"s, true),
            "A\xC3\xA9\xE2\x98\xBA\xF0\x92\x8D\x85");
}

TEST(Utf16, UnpairedSurrogatesAndOddLength) {
  using namespace std::string_literals;
  EXPECT_EQ(Utf16ToUtf8("\x08\xD8Z\0"s, false), "?Z");  // high, then no low
  EXPECT_EQ(Utf16ToUtf8("\x45\xDFZ\0"s, false), "?Z");  // low alone
  EXPECT_EQ(Utf16ToUtf8("A\0\x08\xD8"s, false), "A?");  // high at the end
  EXPECT_EQ(Utf16ToUtf8("A\0\x08\xD8\x45"s, false), "A??");
  EXPECT_EQ(Utf16ToUtf8("A"s, false), "?");
  EXPECT_EQ(Utf16ToUtf8(""s, true), "");
}

TEST(CharsetConvertTree, ConvertsEveryRecordKindAndLeavesOthersAlone) {
  TestTree t;
  t.store.NewEmptyTree(false);
  LineNode* last = nullptr;
  IndividualRecord* person = t.store.CreateIndividual(3);
  person->lines = t.store.AppendLine(&last, "0 @I000003@ INDI");
  LineNode* name = t.store.AppendLine(&last, "1 NAME Ren" + kAcute + "e /Dupr" + kAcute + "e/");
  LineNode* sex = t.store.AppendLine(&last, "1 SEX M");
  last = nullptr;
  FamilyRecord* family = t.store.CreateFamily(1);
  family->lines = t.store.AppendLine(&last, "0 @F000001@ FAM");
  LineNode* place = t.store.AppendLine(&last, "2 PLAC M" + kUmlaut + "unchen");
  last = nullptr;
  t.store.SetSource(1, t.store.AppendLine(&last, "0 @S1@ SOUR"));
  LineNode* title = t.store.AppendLine(&last, "1 TITL \xA5lfric");
  t.store.set_highest_individual(3);
  t.store.set_highest_family(1);
  t.store.set_highest_source(1);

  ConvertTree(t.store, Charset::kNone);
  EXPECT_EQ(name->text(), "1 NAME Ren" + kAcute + "e /Dupr" + kAcute + "e/");

  ConvertTree(t.store, Charset::kAnsel);
  EXPECT_EQ(name->text(), "1 NAME Ren\xE9 /Dupr\xE9/");
  EXPECT_EQ(sex->text(), "1 SEX M");
  EXPECT_EQ(place->text(), "2 PLAC M\xFCnchen");
  EXPECT_EQ(title->text(), "1 TITL \xC6lfric");
}

TEST(CharsetConvertTree, AnsiLinesMayGrow) {
  TestTree t;
  t.store.NewEmptyTree(false);
  LineNode* last = nullptr;
  IndividualRecord* person = t.store.CreateIndividual(1);
  person->lines = t.store.AppendLine(&last, "0 @I000001@ INDI");
  LineNode* note = t.store.AppendLine(&last, "1 NOTE Wait\x85 \x99");
  t.store.set_highest_individual(1);
  ConvertTree(t.store, Charset::kAnsi);
  EXPECT_EQ(note->text(), "1 NOTE Wait.. tm");
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
    const std::string utf8 = Utf8LineToInternal(input);
    EXPECT_LE(utf8.size(), input.size());
    EXPECT_FALSE(AnyByteIn(value(utf8), 0x80, 0x9F));
    const std::string ansi = AnsiLineToInternal(input);
    EXPECT_LE(ansi.size(), 2 * input.size());
    EXPECT_FALSE(AnyByteIn(value(ansi), 0x7F, 0x9F));
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

TEST(CharsetCorpus, Utf8FileNoteKeepsThePilcrowAndMarksTheRest) {
  const auto lines = SplitLines(testing::ReadFileBytes(CorpusFile("edge/char_utf8-1.ged")));
  ASSERT_GT(lines.size(), 7u);
  EXPECT_EQ(Utf8LineToInternal(lines[7]), "1 NOTE UTF-8 without BOM: \xB6 ? ?");
}

TEST(CharsetCorpus, Utf16FilesGiveTheSameLinesInBothByteOrders) {
  for (const auto& [file, big, note] :
       {std::tuple{"edge/char_utf16le-2.ged", false, "1 NOTE UTF-16LE with BOM: \xB6 ? ?"},
        std::tuple{"edge/char_utf16be-2.ged", true, "1 NOTE UTF-16BE with BOM: \xB6 ? ?"}}) {
    const std::string bytes = testing::ReadFileBytes(CorpusFile(file));
    bool big_endian = !big;
    ASSERT_TRUE(HasUtf16ByteOrderMark(bytes, &big_endian)) << file;
    EXPECT_EQ(big_endian, big);
    const auto lines = SplitLines(Utf16ToUtf8(std::string_view(bytes).substr(2), big_endian));
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[0], "0 HEAD");
    EXPECT_EQ(Utf8LineToInternal(lines[7]), note);
    EXPECT_EQ(lines[9], "1 NAME Luther Tychonievich");
  }
}

TEST(CharsetCorpus, Utf8TreesKeepOneCharacterPerCodePoint) {
  std::set<std::string> converted;
  for (const auto& entry : std::filesystem::directory_iterator(KINLOOM_CORPUS_DIR)) {
    if (entry.path().filename().string().rfind("utf8-", 0) != 0) continue;
    for (const std::string& line : SplitLines(testing::ReadFileBytes(entry.path().string()))) {
      if (line.size() < 7 || AnyByteIn(line.substr(0, 7), 0x80, 0xFF)) continue;
      size_t code_points = 0;
      for (char c : line) code_points += (static_cast<uint8_t>(c) & 0xC0) != 0x80;
      const std::string out = Utf8LineToInternal(line);
      EXPECT_EQ(out.size(), code_points) << line;
      converted.insert(out);
    }
  }
  EXPECT_TRUE(converted.count("2 SURN L\xE4mmerhirt"));
  EXPECT_TRUE(converted.count("2 SURN Bront\xEB"));
  EXPECT_TRUE(converted.count("2 PLAC Alcorc\xF3n Madrid, Spain"));
}

}  // namespace
}  // namespace kinloom::store
