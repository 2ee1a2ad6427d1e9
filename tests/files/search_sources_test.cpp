#include "files/search_sources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace kinloom::files {
namespace {

using testing::CrLfJoin;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

std::vector<SearchSite> Sites(std::vector<std::string> names) {
  std::vector<SearchSite> sites;
  for (const std::string& name : names) {
    sites.push_back(name.empty() ? SearchSite{} : SearchSite{name, "www." + name + ".org"});
  }
  return sites;
}

// A file holding every key with values other than the starting ones.
ProgramSettings Customised() {
  ProgramSettings s;
  s.search_sites = {{"Census", "https://census.example/"}, {}, {"Parish", "parish.example"}, {}};
  s.backup_counter = 41;
  s.backup_days = 7;
  s.report_file_counter = 12;
  s.given_name_capitals = s.hints = true;
  s.auto_save = true;
  s.auto_save_minutes = 25;
  s.european_dates = false;
  s.theme = "Forest";
  s.language = "nl";
  s.verifier.surname_capitals = CapitalsCheck::kIgnore;
  s.verifier.death_age = 120;
  s.verifier.child_before_marriage = 0;
  s.verifier.set_check(8, false);
  s.verifier.set_check(37, false);
  return s;
}

// The verifier's age and day limits in window order.
std::vector<int> Limits(const VerifierSettings& v) {
  return {v.death_age,       v.burial_days,     v.marriage_age,         v.child_under_age,
          v.mother_over_age, v.father_over_age, v.child_after_marriage, v.child_before_marriage};
}

class SourcesWebFile : public ::testing::Test {
 protected:
  TempDir dir_;
  std::string path_ = dir_.File("sources.web");
  platform::LocalFileSystem fs_;
  ProgramSettings settings_;

  ProgramSettings ReadLines(const std::vector<std::string>& lines) {
    WriteFileBytes(path_, CrLfJoin(lines));
    ProgramSettings s;
    EXPECT_TRUE(ReadSourcesWeb(fs_, path_, &s).ok());
    return s;
  }
};

TEST_F(SourcesWebFile, WithoutAReadableFileEverythingKeepsItsStartingValue) {
  settings_.sources_changed = true;
  settings_.search_sites = Sites({"Keep"});
  WriteFileBytes(dir_.File("broken.web"), "7 5");
  testing::FaultyFileSystem faulty;
  faulty.FailReading(dir_.File("broken.web"));
  EXPECT_EQ(ReadSourcesWeb(fs_, path_, &settings_).code(), Status::Code::kNotFound);
  EXPECT_EQ(ReadSourcesWeb(fs_, dir_.path(), &settings_).code(), Status::Code::kIoError);
  EXPECT_EQ(ReadSourcesWeb(faulty, dir_.File("broken.web"), &settings_).code(),
            Status::Code::kIoError);
  EXPECT_EQ(ReadSourcesWeb(path_, &settings_), SourcesReadResult::kMissing);
  EXPECT_EQ(ReadSourcesWeb(dir_.path(), &settings_), SourcesReadResult::kUnreadable);
  ProgramSettings fresh;
  fresh.search_sites = Sites({"Keep"});
  EXPECT_EQ(ProgramSettingLines(settings_), ProgramSettingLines(fresh));
  EXPECT_EQ(settings_.auto_save_period_ms(), 600000);
  EXPECT_EQ(settings_.date_display(), core::DateDisplay::kEuropean);
  EXPECT_TRUE(settings_.sources_changed);
  // The verifier keeps the state its window is built with: every check on.
  const VerifierSettings& v = settings_.verifier;
  EXPECT_EQ(v.checks, VerifierSettings::kAllChecks);
  EXPECT_TRUE(v.check_on(7) && v.check_on(37));
  EXPECT_EQ(Limits(v), std::vector<int>({110, 30, 13, 13, 50, 70, 30, 2}));
}

TEST_F(SourcesWebFile, AFileWithoutVerifierKeysPutsTheKeptValuesInForce) {
  settings_.sources_changed = true;
  settings_.theme = "Dusk";
  WriteFileBytes(path_, CrLfJoin({"7 30", ") 0"}));
  ASSERT_TRUE(ReadSourcesWeb(fs_, path_, &settings_).ok());
  EXPECT_EQ(settings_.backup_days, 30);
  EXPECT_EQ(settings_.date_display(), core::DateDisplay::kAmerican);
  EXPECT_EQ(settings_.theme, "Dusk");  // absent keys leave their settings alone
  EXPECT_FALSE(settings_.sources_changed);
  const VerifierSettings& v = settings_.verifier;
  EXPECT_EQ(v.checks, 0u);
  EXPECT_FALSE(v.check_on(7));
  EXPECT_EQ(Limits(v), std::vector<int>({105, 120, 12, 13, 58, 78, 36, 2}));
}

TEST_F(SourcesWebFile, KeysWithoutValuesReadAsZeroOrEmpty) {
  ProgramSettings s = ReadLines({"7", "6   ", "$ 1", "*", "!", "0", "1"});
  EXPECT_EQ(s.backup_days, 0);
  EXPECT_TRUE(s.auto_save);
  EXPECT_EQ(s.auto_save_minutes, kAutoSaveMinutesMin);
  EXPECT_EQ(s.theme, "");
  EXPECT_FALSE(s.surname_capitals);
  EXPECT_EQ(s.search_sites, std::vector<SearchSite>(1));
}

TEST_F(SourcesWebFile, WritesTheLayoutTheReaderExpects) {
  settings_.search_sites = {{"Census", "census.example"}, {}};
  // Sites, a blank line, the options, an empty line, the verifier.
  // clang-format off
  const std::string expected = CrLfJoin({
      "0 Census", "1 census.example", "0 ", "1 ", "",
      "6 0", "7 90", "9 0", "! 0", "@ 0", "# 0", "$ 0 10", "% 0", "+ 0", "^ 0", "& 0", ") 1",
      "* Ocean", "( en", "",
      "a 0", "b 0", "c 0", "d 110", "e 30", "f 13", "g 13", "h 50", "i 70", "j 30", "l 2",
      "k 2147483647"});
  // clang-format on
  EXPECT_EQ(SourcesWebText(settings_), expected);
  ASSERT_TRUE(WriteSourcesWeb(fs_, path_, settings_).ok());
  EXPECT_EQ(ReadFileBytes(path_), expected);
}

TEST_F(SourcesWebFile, RoundTripKeepsEverySettingAndTheSameBytes) {
  const ProgramSettings original = Customised();
  ASSERT_TRUE(WriteSourcesWeb(fs_, path_, original).ok());
  const std::string first = ReadFileBytes(path_);
  ProgramSettings s;
  ASSERT_TRUE(ReadSourcesWeb(fs_, path_, &s).ok());
  EXPECT_EQ(s.search_sites, original.search_sites);  // empty rows between and after kept
  EXPECT_EQ(s.verifier, original.verifier);
  EXPECT_EQ(s.kept_verifier, original.verifier);
  EXPECT_EQ(ProgramSettingLines(s), ProgramSettingLines(original));
  ASSERT_TRUE(WriteSourcesWeb(fs_, path_, s).ok());
  EXPECT_EQ(ReadFileBytes(path_), first);
}

TEST_F(SourcesWebFile, Utf8MarkerConvertsValuesAndIsNoSetting) {
  ProgramSettings marked =
      ReadLines({"char UTF-8 ", "0 Caf\xC3\xA9 Records", "* \xC3\x89t\xC3\xA9"});
  ASSERT_EQ(marked.search_sites.size(), 1u);
  EXPECT_EQ(marked.search_sites[0].name, "Caf\xE9 Records");
  EXPECT_EQ(marked.theme, "\xC9t\xE9");
  // Without the marker the first line is an ordinary line and bytes stay as they are.
  ProgramSettings plain = ReadLines({"0 Caf\xE9", "* \xC3\x89"});
  ASSERT_EQ(plain.search_sites.size(), 1u);
  EXPECT_EQ(plain.search_sites[0].name, "Caf\xE9");
  EXPECT_EQ(plain.theme, "\xC3\x89");
}

TEST_F(SourcesWebFile, OverLongAndOutOfRangeValuesAreCutToTheirFields) {
  const std::string long_text(400, 'x');
  ProgramSettings s =
      ReadLines({"0 " + long_text, "1 " + long_text, "* " + long_text, "( " + long_text, "$ 1 9999",
                 "d 12", "a 7", "7 99999999999999999999", "k -5"});
  ASSERT_EQ(s.search_sites.size(), 1u);
  EXPECT_EQ(s.search_sites[0].name, std::string(kSearchSiteTextLength, 'x'));
  EXPECT_EQ(s.search_sites[0].address.size(), kSearchSiteTextLength);
  EXPECT_EQ(s.theme.size(), kStoredTextLength);
  EXPECT_EQ(s.language.size(), kStoredTextLength);
  EXPECT_EQ(s.auto_save_minutes, kAutoSaveMinutesMax);
  EXPECT_EQ(s.verifier.death_age, 90);
  EXPECT_EQ(s.verifier.given_name_capitals, CapitalsCheck::kIgnore);
  EXPECT_EQ(s.backup_days, kBackupDaysMax);
  EXPECT_EQ(s.verifier.checks, 0u);
}

TEST_F(SourcesWebFile, OddLinesAreSkippedWithoutHarm) {
  ProgramSettings s = ReadLines({"", "1 orphan.example", "x", "\x01\x02", "5 3", "m 9", "0 A"});
  EXPECT_EQ(s.search_sites, std::vector<SearchSite>({{"", "orphan.example"}, {"A", ""}}));
  EXPECT_EQ(s.backup_counter, 0);
}

TEST_F(SourcesWebFile, FailedWriteLeavesTheOldFileAndTheChangedFlag) {
  WriteFileBytes(path_, CrLfJoin({"0 Old", "1 old.example"}));
  const std::string before = ReadFileBytes(path_);
  settings_ = Customised();
  settings_.sources_changed = true;
  for (bool fail_commit : {false, true}) {
    testing::FaultyFileSystem faulty(fail_commit ? 1 << 20 : 20, fail_commit);
    Status status = SaveSourcesWeb(faulty, path_, &settings_);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find(path_), std::string::npos) << status.message();
    EXPECT_EQ(ReadFileBytes(path_), before);
    EXPECT_TRUE(settings_.sources_changed);
  }
  ASSERT_TRUE(SaveSourcesWeb(fs_, path_, &settings_).ok());
  EXPECT_FALSE(settings_.sources_changed);
  EXPECT_EQ(settings_.kept_verifier, settings_.verifier);
}

TEST(SourcesGrid, AddInsertsAtTheSelectionTakingUpTheEmptyRowAfterTheSites) {
  ProgramSettings s;
  s.search_sites = Sites({"A", "B", "", ""});
  ASSERT_TRUE(AddSearchSite(&s, 1, Sites({"New"})[0]));
  EXPECT_EQ(s.search_sites, Sites({"A", "New", "B", ""}));
  EXPECT_TRUE(s.sources_changed);
  // With no empty row after the sites the list grows by one.
  s.search_sites = Sites({"A", "", "B"});
  ASSERT_TRUE(AddSearchSite(&s, 0, Sites({"New"})[0]));
  EXPECT_EQ(s.search_sites, Sites({"New", "A", "", "B"}));
  // Below the sites it fills that row, up to the grid's last.
  s.search_sites = Sites({"A"});
  ASSERT_TRUE(AddSearchSite(&s, 3, Sites({"D"})[0]));
  EXPECT_EQ(s.search_sites, Sites({"A", "", "", "D"}));
  EXPECT_FALSE(AddSearchSite(&s, kSearchGridRowLimit, {"Far", "far.example"}));
}

TEST(SourcesGrid, TextsAreCleanedAsTheFileWouldGiveThemBack) {
  ProgramSettings s;
  ASSERT_TRUE(ModifySearchSite(&s, 0, {"Two\r\nLines  ", std::string(300, 'a')}));
  EXPECT_EQ(s.search_sites[0].name, "Two  Lines");
  EXPECT_EQ(s.search_sites[0].address.size(), kSearchSiteTextLength);
}

TEST(SourcesGrid, DeleteAndMoveKeepTheOtherRowsInOrder) {
  ProgramSettings s;
  s.search_sites = Sites({"A", "B", "C"});
  EXPECT_EQ(DeleteSearchSiteQuestion(s.search_sites[1]),
            "Remove this Search Source:\n\nName...: B\nAddress: www.B.org\n");
  EXPECT_TRUE(DeleteSearchSite(&s, 1));
  EXPECT_FALSE(DeleteSearchSite(&s, 2));
  EXPECT_EQ(s.search_sites, Sites({"A", "C"}));
  s.sources_changed = false;
  EXPECT_EQ(MoveSearchSiteUp(&s, 0), 0u);
  EXPECT_EQ(MoveSearchSiteDown(&s, 1), 1u);
  EXPECT_FALSE(s.sources_changed);
  EXPECT_EQ(MoveSearchSiteDown(&s, 0), 1u);
  EXPECT_EQ(s.search_sites, Sites({"C", "A"}));
  EXPECT_EQ(MoveSearchSiteUp(&s, 1), 0u);
  EXPECT_EQ(s.search_sites, Sites({"A", "C"}));
  EXPECT_TRUE(s.sources_changed);
}

TEST(SourcesGrid, LinksGetAWebPrefixOnlyWhenTheyLackOne) {
  EXPECT_EQ(SearchSiteLink("www.census.example/find"), "http://www.census.example/find");
  EXPECT_EQ(SearchSiteLink("https://secure.example"), "https://secure.example");
  EXPECT_EQ(SearchSiteLink(" HTTP://LOUD.EXAMPLE "), "HTTP://LOUD.EXAMPLE");
  EXPECT_EQ(SearchSiteLink("   "), "");
}

TEST(ProgramSettingLines, NameEachOptionAndTheSitesByGridRow) {
  ProgramSettings s = Customised();
  const std::vector<std::string> lines = ProgramSettingLines(s);
  for (const char* line : {"backup-days: 7", "automatic-save-minutes: 25", "date-format: American",
                           "verifier-surname-capitals: ignore", "search-site-3-name: Parish",
                           "search-site-3-address: parish.example"}) {
    EXPECT_EQ(std::ranges::count(lines, line), 1) << line;
  }
  EXPECT_EQ(std::ranges::count(lines, "search-site-2-name: "), 0);
  s.verifier.checks = 0;
  s.verifier.set_check(9, true);
  s.verifier.set_check(37, true);
  EXPECT_EQ(std::ranges::count(ProgramSettingLines(s), "verifier-checks-on: 9 37"), 1);
}

}  // namespace
}  // namespace kinloom::files
