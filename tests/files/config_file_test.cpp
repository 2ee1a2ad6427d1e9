#include "files/config_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace kinloom::files {
namespace {

using testing::CrLfJoin;
using testing::FaultyFileSystem;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

// Every setting away from its default, and a message whose lines look like keys, terminators
// and blank lines.
WebSiteSettings Customised() {
  WebSiteSettings s;
  for (int i = 0; i < kWebColourCount; ++i) s.colours[i] = 0x010203u * static_cast<uint32_t>(i);
  s.title1 = "The Lefevre Line";
  s.title1_font = {"Georgia", false, true};
  s.title2 = "of Normandy";
  s.title2_font = {"Times New Roman", false, false};
  s.title_as_text = false;
  s.title_background = TitleBackground::kPattern;
  s.tile_title_pattern = s.use_page_pattern = s.use_split_tree = s.hide_sources = true;
  s.use_hide_info = s.hide_living = s.contact_page = false;
  s.site_type = WebSiteType::kHtml;
  s.title_pattern_file = "weave.gif";
  s.title_image_file = "crest.jpg";
  s.page_pattern_file = "paper.jpg";
  s.fav_icon_file = "tree.ico";
  for (int i = 0; i < kWebLinkCount; ++i) {
    s.links[i] = {"https://example.org/" + std::to_string(i), "Cousins " + std::to_string(i)};
  }
  s.email = "anne@example.org";
  s.copyright_owner = "Anne Lef\xE8vre";
  s.copyright_year = "1998-2026";
  s.message_title = "Welcome";
  s.message = {"First line", "149 not a key", "\xA9\xAE 2026 the Lefevres",
               "",           "  indented",    "\tlast"};
  return s;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return dir_.File("tree.cfg"); }
  void Write(const WebSiteSettings& s) { ASSERT_TRUE(WriteConfigFile(fs_, Path(), s).ok()); }
  WebSiteSettings ReadLines(const std::vector<std::string>& lines) {
    WriteFileBytes(Path(), CrLfJoin(lines));
    WebSiteSettings s;
    EXPECT_TRUE(ReadConfigFile(fs_, Path(), &s).ok());
    return s;
  }

  TempDir dir_;
  platform::LocalFileSystem fs_;
};

TEST_F(ConfigFileTest, MissingOrUnreadableFileLeavesTheSettingsInForce) {
  WebSiteSettings s = Customised();
  WriteFileBytes(Path(), "149 Lost");
  FaultyFileSystem faulty;
  faulty.FailReading(Path());
  EXPECT_EQ(ReadConfigFile(fs_, dir_.File("absent.cfg"), {"absent", 2026}, &s).code(),
            Status::Code::kNotFound);
  EXPECT_EQ(ReadConfigFile(fs_, dir_.path(), &s).code(), Status::Code::kIoError);  // a folder
  const Status failed = ReadConfigFile(faulty, Path(), {"tree", 2026}, &s);
  EXPECT_EQ(failed.code(), Status::Code::kIoError);
  EXPECT_TRUE(failed.message().starts_with(Path() + ": ")) << failed.message();
  EXPECT_EQ(s, Customised());
}

// Written from a fresh object: the defaults of every key.
TEST_F(ConfigFileTest, WrittenFileHasOneCrLfLinePerKeyAfterAnEmptyFirstLine) {
  Write(WebSiteSettings{});
  const std::string bytes = ReadFileBytes(Path());
  EXPECT_TRUE(bytes.starts_with("\r\n100 #FFFFFF\r\n101 #D3D3D3\r\n"));
  EXPECT_NE(bytes.find("\r\n112 #6767C7\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n139 #808080\r\n149 Ancestors and Descendants of the\r\n150 Verdana"
                       "\r\n151 1\r\n152 0\r\n153 Some Name Family\r\n154 Verdana\r\n155 1\r\n"
                       "156 0\r\n157 1\r\n158 1\r\n159 0\r\n160 0\r\n161 0\r\n162 0\r\n163 0\r\n"
                       "164 1\r\n165 0\r\n167 0\r\n168 1\r\n169 \r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("\r\n172 1\r\n173 \r\n300 1\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n317 \r\n319 \r\n320 \r\n340 \r\n"), std::string::npos);
  EXPECT_TRUE(bytes.ends_with("\r\n341 \r\n\xA9\xAE"));
  // 40 colours, 24 keys from 149 to 173, 18 from 300 to 317, 319, 320, 340, 341, terminator.
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 87);
  EXPECT_EQ(bytes.find("166 "), std::string::npos);
  EXPECT_EQ(bytes.find("CHAR"), std::string::npos);
}

TEST_F(ConfigFileTest, RoundTripKeepsEverySettingAndTheSameBytes) {
  Write(Customised());
  const std::string first = ReadFileBytes(Path());
  WebSiteSettings read;
  ASSERT_TRUE(ReadConfigFile(fs_, Path(), &read).ok());
  EXPECT_EQ(read, Customised());
  Write(read);
  EXPECT_EQ(ReadFileBytes(Path()), first);
}

// Values the user typed never end the message early or forge keys.
TEST_F(ConfigFileTest, TypedTerminatorsLineBreaksAndTrailingBlankLinesAreWrittenSafely) {
  WebSiteSettings s;
  s.title1 = "Smith\r\n149 Forged";
  s.message = {"\xA9\xAE", "after\r\nmore", "", "  ", "\t", ""};
  Write(s);
  EXPECT_TRUE(ReadFileBytes(Path()).ends_with("\r\n341 \xA9\xAE \r\nafter\r\nmore\r\n\xA9\xAE"));
  WebSiteSettings read;
  ASSERT_TRUE(ReadConfigFile(fs_, Path(), &read).ok());
  EXPECT_EQ(read.title1, "Smith");
  EXPECT_EQ(read.message, (std::vector<std::string>{"\xA9\xAE ", "after", "more"}));
  s.message = {"Hello", "", "world", "  "};  // blank lines inside are kept
  Write(s);
  EXPECT_TRUE(ReadFileBytes(Path()).ends_with("\r\n341 Hello\r\n\r\nworld\r\n\xA9\xAE"));
}

TEST_F(ConfigFileTest, TreeStartGivesCopyrightUnlessTheFileNamesIt) {
  WriteFileBytes(Path(), "\r\n149 Title");
  WebSiteSettings s;
  ASSERT_TRUE(ReadConfigFile(fs_, Path(), {"tree", 2026}, &s).ok());
  EXPECT_EQ(s.copyright_owner + " " + s.copyright_year, "tree 2026");
  WriteFileBytes(Path(), "\r\n319 Anne\r\n320 1999");
  ASSERT_TRUE(ReadConfigFile(fs_, Path(), {"tree", 2026}, &s).ok());
  EXPECT_EQ(s.copyright_owner + " " + s.copyright_year, "Anne 1999");
}

TEST_F(ConfigFileTest, Utf8MarkerConvertsTextKeysButNotColours) {
  WebSiteSettings s = ReadLines({"char utf-8", "105 #8B0000\xC3\xA8", "149 Famille Lef\xC3\xA8vre",
                                 "341 Bienvenue \xC3\xA0", "Ch\xC3\xA2teau", "\xA9\xAE"});
  EXPECT_EQ(s.colours[5], 0x8B0000u);
  EXPECT_EQ(s.title1, "Famille Lef\xE8vre");
  EXPECT_EQ(s.message, (std::vector<std::string>{"Bienvenue \xE0", "Ch\xE2teau"}));
  s = ReadLines({"149 Lef\xC3\xA8vre", "153 Lef\xE8vre"});  // without it bytes stand
  EXPECT_EQ(s.title1, "Lef\xC3\xA8vre");
  EXPECT_EQ(s.title2, "Lef\xE8vre");
}

TEST_F(ConfigFileTest, OverLongValuesAreCutToTheirFields) {
  const std::string huge(6000, 'x');
  WebSiteSettings s = ReadLines({"149 " + huge, "150 " + huge, "301 " + huge, "302 " + huge,
                                 "341 " + huge, "\xA9\xAE", "153 still read"});
  EXPECT_EQ(s.title1.size(), kTitle1Length);
  EXPECT_EQ(s.title1_font.name.size(), kFontNameLength);
  EXPECT_EQ(s.links[0].address.size(), kLinkAddressLength);
  EXPECT_EQ(s.links[0].name.size(), kLinkNameLength);
  EXPECT_EQ(s.message, std::vector<std::string>{std::string(kMessageLineLength, 'x')});
  EXPECT_EQ(s.title2, "still read");
  // The whole message, its line breaks counted once, stops at its limit.
  s = ReadLines({"341 " + std::string(3000, 'a'), huge, "dropped", "\xA9\xAE"});
  ASSERT_EQ(s.message.size(), 2u);
  EXPECT_EQ(s.message[1], std::string(kMessageLength - 3001, 'x'));
}

TEST_F(ConfigFileTest, OddLinesAreSkippedKeysComeInAnyOrderAndTheLastGivenWins) {
  EXPECT_EQ(ReadLines({"", "junk", "166 1", "318 x", "140 x", "099 #000000", "999 x", "12 x",
                       " 149 x", "-149 x"}),
            WebSiteSettings{});
  WebSiteSettings s = Customised();
  WriteFileBytes(Path(), CrLfJoin({"168 1", "153 First", "159 1", "153 Second", "167 1"}));
  ASSERT_TRUE(ReadConfigFile(fs_, Path(), &s).ok());
  EXPECT_EQ(s.title2, "Second");
  EXPECT_EQ(s.site_type, WebSiteType::kHtml);
  EXPECT_EQ(s.title_background, TitleBackground::kColour);
  EXPECT_EQ(s.title1, Customised().title1);  // absent keys keep their values
}

TEST_F(ConfigFileTest, FlagsAndColoursReadLeniently) {
  const WebSiteSettings s =
      ReadLines({"151 0", "152 1x", "300 yes", "100 #ff", "101 xABCDEF", "102", "103 #12G456"});
  EXPECT_FALSE(s.title1_font.bold);
  EXPECT_TRUE(s.title1_font.italic);
  EXPECT_FALSE(s.contact_page);
  // "G4" is no number.
  EXPECT_EQ(std::vector(s.colours.begin(), s.colours.begin() + 4),
            (std::vector<uint32_t>{0xFF0000u, 0xABCDEFu, 0, 0x120056u}));
  // A message without its terminator runs to the end of the file.
  EXPECT_EQ(ReadLines({"341 one", "153 two", "", ""}).message,
            (std::vector<std::string>{"one", "153 two"}));
}

TEST_F(ConfigFileTest, FailedWriteLeavesTheOldFileAndNamesIt) {
  Write(Customised());
  const std::string old = ReadFileBytes(Path());
  FaultyFileSystem full(100);
  Status status = WriteConfigFile(full, Path(), WebSiteSettings{});
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(Path()), std::string::npos);
  FaultyFileSystem broken_commit(1 << 20, true);
  EXPECT_FALSE(WriteConfigFile(broken_commit, Path(), WebSiteSettings{}).ok());
  EXPECT_EQ(ReadFileBytes(Path()), old);
  status = WriteConfigFile(fs_, dir_.File("no/such/tree.cfg"), WebSiteSettings{});
  EXPECT_NE(status.message().find("no/such/tree.cfg"), std::string::npos);
}

TEST(ConfigSettingLines, ShowEachSettingOnceByName) {
  WebSiteSettings s;
  s.message = {"Hello", "there"};
  const std::vector<std::string> lines = WebSettingLines(s);
  for (const char* line :
       {"colour-39: #808080", "page-title-1: Ancestors and Descendants of the", "title-1-bold: yes",
        "title-background: none", "site-type: php", "link-7-name:"}) {
    EXPECT_EQ(std::ranges::count(lines, line), 1) << line;
  }
  for (const char* choice : {"site-type:", "title-background:"}) {
    EXPECT_EQ(std::ranges::count_if(lines, [&](const auto& l) { return l.starts_with(choice); }),
              1);
  }
  EXPECT_EQ(std::vector(lines.end() - 2, lines.end()),
            (std::vector<std::string>{"home-page-message: Hello", "home-page-message: there"}));
}

}  // namespace
}  // namespace kinloom::files
