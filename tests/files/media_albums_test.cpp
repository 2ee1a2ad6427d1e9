#include "files/media_albums.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <tuple>

#include "files/album_file.h"
#include "support/test_support.h"

namespace kinloom::files {
namespace {

using platform::Answer;
using store::WriteMode;
using testing::CrLfJoin;
using testing::FaultyFileSystem;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::TestTree;
using testing::WriteFileBytes;
using Lines = std::vector<std::string>;

// Individuals 1, 2, 3, 5 and 7; sources 1 and 2.
const Lines kTree = {"0 @I000001@ INDI", "1 NAME Ann /Ash/", "0 @I000002@ INDI", "1 NAME Bob /Ash/",
                     "0 @I000003@ INDI", "1 NAME Cy /Ash/",  "0 @I000005@ INDI", "1 NAME Di /Ash/",
                     "0 @I000007@ INDI", "1 NAME Ed /Ash/",  "0 @S000001@ SOUR", "1 TITL Census",
                     "0 @S000002@ SOUR", "1 TITL Register"};

MediaItem Cites(int source) {
  MediaItem item;
  item.source = source;
  return item;
}

auto Fields(const MediaItem& item) {
  return std::tie(item.kind, item.hide, item.source, item.individuals, item.file, item.title,
                  item.note);
}

class AlbumFileTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::LoadOwnTree(tree_, kTree); }

  Status Write(MediaAlbums& albums, const TreeSettings& settings,
               WriteMode mode = WriteMode::kNormal) {
    return WriteAlbumFile(fs_, path_, tree_.store, albums, settings, mode);
  }
  // Reads a file of these lines into albums_ and settings_.
  Status ReadLines(const Lines& lines) {
    WriteFileBytes(path_, CrLfJoin(lines));
    return ReadAlbumFile(fs_, path_, tree_.store, &albums_, &settings_);
  }

  // Three albums; items with several-line notes whose lines look like tags, terminators and
  // blank lines or are longer than a side-file line, and the settings of every kind.
  void FillSample(MediaAlbums& albums, TreeSettings& settings) {
    albums.RenameAlbum(0, "Family");
    albums.AddAlbum(2, tree_.ui);
    ItemRef first = albums.AddItem(0, "wedding.jpg");
    // kind, hide, source, individuals, file, title, note, number
    albums.EditItem(first,
                    {kHeadstone, true, 2, "", "", "Grave of Bob",
                     "Found in 1990\r\nEND\r\nALBM 7\r\n\r\n  indented\r\n\xA9 alone\r\nHEAD x\r\n"
                     "\xA9\xAE 1990 Ash family\r\n \xA9\xAE\r\n" +
                         std::string(700, 'w'),
                     0});
    albums.LinkIndividual(first, 2);
    albums.LinkIndividual(first, 5);
    albums.AddItem(0, "");
    albums.LinkIndividual(albums.AddItem(2, "letter.pdf"), 7);
    settings.quick_sources = {1, 2, 0, 0, 0, 0, 0, 0, 0, 29999};
    settings.todo[7] = "1 JAN 1900";
    settings.todo[14] = "Ash";
    settings.paste[0] = "Springfield, Ohio";
    settings.paste[499] = "Oldest place ";
  }

  TestTree tree_;
  TempDir dir_;
  std::string path_ = dir_.File("tree.med");
  platform::LocalFileSystem fs_;
  MediaAlbums albums_;
  TreeSettings settings_;
};

TEST_F(AlbumFileTest, WrittenFileReadsBackAndWritesTheSameBytes) {
  MediaAlbums albums;
  TreeSettings settings;
  FillSample(albums, settings);
  ASSERT_TRUE(Write(albums, settings).ok());
  const std::string written = ReadFileBytes(path_);

  ASSERT_TRUE(ReadAlbumFile(fs_, path_, tree_.store, &albums_, &settings_).ok());
  ASSERT_EQ(albums_.album_count(), 3);
  for (int a = 0; a < 3; ++a) {
    EXPECT_EQ(albums_.album(a).name, albums.album(a).name);
    ASSERT_EQ(albums_.album(a).items.size(), albums.album(a).items.size());
    for (size_t i = 0; i < albums.album(a).items.size(); ++i) {
      EXPECT_EQ(Fields(albums_.album(a).items[i]), Fields(albums.album(a).items[i]));
    }
  }
  EXPECT_EQ(settings_.quick_sources, settings.quick_sources);
  EXPECT_EQ(settings_.todo, settings.todo);
  EXPECT_EQ(settings_.paste, settings.paste);
  EXPECT_EQ(albums_.current_item(), (ItemRef{0, 0}));
  EXPECT_FALSE(albums_.changed());

  ASSERT_TRUE(Write(albums_, settings_).ok());
  EXPECT_EQ(ReadFileBytes(path_), written);
}

TEST_F(AlbumFileTest, WritesNamesItemBlocksEndAndNumberedSettings) {
  MediaAlbums albums;
  albums.LinkIndividual(albums.AddItem(1, "a.jpg"), 3);
  tree_.store.set_current_individual(3);
  tree_.store.set_home_person(1);
  ASSERT_TRUE(Write(albums, TreeSettings()).ok());
  const std::string file = ReadFileBytes(path_);
  EXPECT_EQ(
      file.substr(0, file.find("END") + 3),
      CrLfJoin({"HEAD Album 1 Name", "HEAD Album 2 Name", "", "ALBM 1", "KIND 1", "HIDE 0",
                "SOUR -1", "INDI |3|", "FILE a.jpg", "TITL ", "NOTE ", "\xA9\xAE", "", "END"}));
  EXPECT_NE(file.find("END\r\n100 0\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\n109 0\r\n200 3\r\n201 1\r\n300 0\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\n318 0\r\n500 \r\n"), std::string::npos);
  EXPECT_TRUE(file.ends_with("\r\n998 \r\n999 "));
}

TEST_F(AlbumFileTest, OlderLayoutKeepsPasteEntriesThreeHundredKeysHigher) {
  Lines lines = {"HEAD Only", "", "END", "100 7", "200 2"};
  for (int key = 800; key <= 1299; ++key)
    lines.push_back(std::to_string(key) + " p" + std::to_string(key));
  ASSERT_TRUE(ReadLines(lines).ok());
  EXPECT_EQ(std::tie(settings_.paste[0], settings_.paste[499], settings_.quick_sources[0]),
            std::make_tuple("p800", "p1299", 7));

  ASSERT_TRUE(ReadLines({"HEAD Only", "END", "300 1", "800 late", "1100 unknown"}).ok());
  EXPECT_EQ(settings_.paste[300], "late") << "after key 300 keys are taken as they stand";
  EXPECT_EQ(settings_.paste[0], "");
  EXPECT_EQ(settings_.todo[0], "1");
}

TEST_F(AlbumFileTest, Utf8FirstLineConvertsNamesNotesAndSettings) {
  ASSERT_TRUE(ReadLines({"char utf-8", "HEAD F\xC3\xA9te", "ALBM 0", "TITL Caf\xC3\xA9",
                         "NOTE Z\xC3\xBCrich", "M\xC3\xBCnchen", "\xC2\xA9\xC2\xAE", "END",
                         "314 G\xC3\xB6tz", "500 K\xC3\xB6ln"})
                  .ok());
  ASSERT_EQ(albums_.album(0).items.size(), 1u);
  const MediaItem& item = albums_.album(0).items[0];
  EXPECT_EQ(std::tie(albums_.album(0).name, item.title, item.note, settings_.todo[14],
                     settings_.paste[0]),
            std::make_tuple("F\xE9te", "Caf\xE9", "Z\xFCrich\r\nM\xFCnchen", "G\xF6tz", "K\xF6ln"));

  ASSERT_TRUE(ReadLines({"HEAD F\xC3\xA9te", "END"}).ok());
  EXPECT_EQ(albums_.album(0).name, "F\xC3\xA9te") << "without the marker bytes stay as they are";
}

TEST_F(AlbumFileTest, OverLongValuesAreCutAndBadBlocksSkipped) {
  Lines lines = {"ALBM 200", "TITL lost", "NOTE lost", "TITL still lost",
                 "\xA9\xAE", "ALBM 0",    "TITL kept", "NOTE start"};
  lines.insert(lines.begin(), "HEAD " + std::string(3000, 'n'));
  for (int i = 0; i < 10; ++i) lines.push_back(std::string(300, static_cast<char>('a' + i)));
  lines.insert(lines.end(), {"\xA9\xAE", "ALBM 0", "NOTE x", std::string(600, 'y'), "\xA9\xAE",
                             "END", "500 " + std::string(400, 'p')});
  ASSERT_TRUE(ReadLines(lines).ok());
  EXPECT_EQ(albums_.album(0).name.size(), 2394u);
  ASSERT_EQ(albums_.album(0).items.size(), 2u);
  const MediaItem& capped = albums_.album(0).items[0];
  EXPECT_EQ(capped.title, "kept");
  EXPECT_EQ(capped.note.size(), 5 + 8 * 302u) << "cut at the last whole line below 2424";
  EXPECT_TRUE(capped.note.ends_with(std::string(300, 'h')));
  EXPECT_EQ(albums_.album(0).items[1].note, "x\r\n" + std::string(600, 'y')) << "kept whole";
  EXPECT_EQ(settings_.paste[0].size(), 249u);
}

TEST_F(AlbumFileTest, BlocksOfOneAlbumCollectInFileOrderAndCountThePeopleShown) {
  ASSERT_TRUE(ReadLines({"HEAD Only", "HX", "  ", "ALBM 1", "FILE b1.jpg", "INDI |1|3|", "ALBM 1",
                         "FILE b2.jpg", "INDI |3|99|4|", "ALBM 0", "FILE a1.jpg", "ALBM 1",
                         "FILE b3.jpg", "END"})
                  .ok());
  ASSERT_EQ(albums_.album_count(), 2);
  EXPECT_EQ(albums_.album(1).name, "Album 2 Name");
  ASSERT_EQ(albums_.album(1).items.size(), 3u);
  EXPECT_EQ(albums_.album(1).items[2].file, "b3.jpg");
  EXPECT_EQ(albums_.album(1).items[2].number, 3);
  EXPECT_EQ(albums_.total_items(), 4);
  // Individuals 4 and 99 do not exist.
  const std::vector<int> counts = {albums_.media_count(1), albums_.media_count(3),
                                   albums_.media_count(4), albums_.media_count(99)};
  EXPECT_EQ(counts, (std::vector<int>{1, 2, 0, 0}));
}

TEST_F(AlbumFileTest, StoredPeopleMoveToExistingIndividuals) {
  const std::vector<std::tuple<std::string, std::string, int, int>> cases = {
      {"6", "2", 5, 2}, {"0", "4", 1, 1}, {"99", "-1", 7, 7}, {"3", "3", 3, 3}};
  for (const auto& [current, home, want_current, want_home] : cases) {
    ASSERT_TRUE(ReadLines({"END", "200 " + current, "201 " + home}).ok());
    EXPECT_EQ(tree_.store.current_individual(), want_current) << current;
    EXPECT_EQ(tree_.store.home_person(), want_home) << home;
  }
}

// A missing file and one that cannot be read both leave the two default albums and the
// settings in force; only the kind of failure tells them apart.
TEST_F(AlbumFileTest, MissingOrUnreadableFileGivesDefaultAlbumsAndKeepsSettings) {
  WriteFileBytes(path_, CrLfJoin({"HEAD Family", "", "END", "500 Springfield"}));
  FaultyFileSystem faulty;
  faulty.FailReading(path_);
  const struct {
    platform::FileSystem& files;
    std::string path;
    Status::Code code;
  } cases[] = {{fs_, dir_.File("none.med"), Status::Code::kNotFound},
               {fs_, dir_.path(), Status::Code::kIoError},  // a folder in its place
               {faulty, path_, Status::Code::kIoError}};
  for (const auto& c : cases) {
    albums_.AddAlbum(0, tree_.ui);
    settings_.paste[3] = "kept";
    Status status = ReadAlbumFile(c.files, c.path, tree_.store, &albums_, &settings_);
    EXPECT_EQ(status.code(), c.code) << c.path;
    EXPECT_TRUE(status.message().starts_with(c.path + ": ")) << status.message();
    ASSERT_EQ(albums_.album_count(), 2);
    EXPECT_EQ(albums_.album(0).name, "Album 1 Name");
    EXPECT_EQ(settings_.paste[3], "kept");
  }
  EXPECT_TRUE(tree_.ui.records().empty());
}

TEST_F(AlbumFileTest, AnyBytesReadWithoutFault) {
  constexpr std::string_view kAlphabet = "AHKSIFTNE\r\n \xA9\xAE|0123456789x";
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    std::string bytes(static_cast<size_t>(random() % 6000), '\0');
    for (char& c : bytes) c = kAlphabet[random() % kAlphabet.size()];
    ReadAlbumText(bytes, tree_.store, &albums_, &settings_);
    EXPECT_GE(albums_.album_count(), 2);
    EXPECT_LE(albums_.album_count(), kMaxAlbums);
  }
}

TEST_F(AlbumFileTest, FailedWriteLeavesTheOldFileAndTheChangedFlag) {
  MediaAlbums albums;
  TreeSettings settings;
  FillSample(albums, settings);
  ASSERT_TRUE(Write(albums, settings).ok());
  const std::string before = ReadFileBytes(path_);
  albums.RenameAlbum(1, "Renamed");
  for (bool at_commit : {false, true}) {
    FaultyFileSystem faulty(at_commit ? 1 << 20 : 100, at_commit);
    Status status =
        WriteAlbumFile(faulty, path_, tree_.store, albums, settings, WriteMode::kNormal);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find(path_), std::string::npos) << status.message();
    EXPECT_EQ(ReadFileBytes(path_), before);
    EXPECT_TRUE(albums.changed());
  }
}

TEST_F(AlbumFileTest, ReducedCopiesKeepOnlyIncludedPeopleAndTheirSources) {
  tree_.store.individual(2)->markFlags |= store::kMarkSelected;
  tree_.store.individual(3)->markFlags |= store::kMarkSelected;
  tree_.store.individual(3)->hideFlags |= store::kHideEverything;
  MediaAlbums albums;
  const ItemRef both = albums.AddItem(0, "both.jpg");
  albums.EditItem(both, Cites(1));
  albums.LinkIndividual(both, 2);
  albums.LinkIndividual(both, 3);
  const ItemRef hidden = albums.AddItem(0, "hidden.jpg");
  albums.EditItem(hidden, Cites(2));
  albums.LinkIndividual(hidden, 3);
  albums.EditItem(albums.AddItem(0, "nobody.jpg"), Cites(2));
  for (auto [mode, cited] : {std::pair{WriteMode::kNormal, std::vector<int>{1, 2}},
                             {WriteMode::kSplit, {1, 2}},
                             {WriteMode::kBoth, {1}}}) {
    EXPECT_EQ(SourcesCitedByItems(albums, tree_.store, mode), cited);
  }

  ASSERT_TRUE(Write(albums, TreeSettings(), WriteMode::kBoth).ok());
  const std::string file = ReadFileBytes(path_);
  EXPECT_NE(file.find("INDI |2|\r\nFILE both.jpg"), std::string::npos);
  EXPECT_EQ(file.find("hidden.jpg"), std::string::npos);
  EXPECT_EQ(file.find("nobody.jpg"), std::string::npos);
  EXPECT_TRUE(albums.changed()) << "a reduced copy does not save the tree's albums";
}

class MediaAlbumsTest : public ::testing::Test {
 protected:
  const platform::HeadlessInteraction::Record& LastRecord() { return tree_.ui.records().back(); }

  TestTree tree_;
  MediaAlbums albums_;
};

TEST_F(MediaAlbumsTest, AddAlbumInsertsAtTheCellAndTheShownListsFollow) {
  EXPECT_EQ(albums_.AddAlbum(1, tree_.ui), 1);
  EXPECT_EQ(albums_.album(1).name, "Album Name 3");
  EXPECT_EQ(albums_.album(2).name, "Album 2 Name");
  EXPECT_EQ(std::pair(albums_.shown_album(0), albums_.shown_album(1)), std::pair(0, 2));
  EXPECT_EQ(albums_.AddAlbum(50, tree_.ui), 3);
  EXPECT_EQ(albums_.UnusedAlbumsLabel(), "Unused Albums: 100");
  EXPECT_TRUE(albums_.changed());
  while (albums_.album_count() < kMaxAlbums) albums_.AddAlbum(0, tree_.ui);
  EXPECT_EQ(albums_.AddAlbum(0, tree_.ui), -1);
  EXPECT_EQ(albums_.album_count(), kMaxAlbums);
  EXPECT_EQ(LastRecord().caption, "** Add Album **");
}

TEST_F(MediaAlbumsTest, RemoveAlbumKeepsTwoAndAsksBeforeDroppingItems) {
  EXPECT_FALSE(albums_.RemoveAlbum(0, tree_.ui));
  EXPECT_EQ(LastRecord().caption, "** Remove Album **");
  EXPECT_EQ(LastRecord().text, "Cannot remove last two albums.");

  albums_.AddAlbum(1, tree_.ui);
  albums_.LinkIndividual(albums_.AddItem(1, "x.jpg"), 4);
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_FALSE(albums_.RemoveAlbum(1, tree_.ui));
  EXPECT_EQ(LastRecord().text,
            "The \"Album Name 3\" album contains 1 pictures.\n\nRemove this album and its "
            "contents?");
  EXPECT_EQ(albums_.album_count(), 3);

  EXPECT_TRUE(albums_.RemoveAlbum(1, tree_.ui));
  EXPECT_EQ(albums_.album(1).name, "Album 2 Name");
  EXPECT_EQ(albums_.shown_album(1), 1) << "the list still shows the same album";
  EXPECT_EQ(albums_.media_count(4), 0);
  EXPECT_EQ(albums_.current_item(), ItemRef{});
}

TEST_F(MediaAlbumsTest, RenameMoveAndShowAlbums) {
  albums_.RenameAlbum(0, "");
  EXPECT_EQ(albums_.album(0).name,
            "Unnamed\xA0"
            "Album");
  EXPECT_EQ(albums_.MoveAlbum(0, 1), 1);
  EXPECT_EQ(albums_.album(0).name, "Album 2 Name");
  EXPECT_EQ(albums_.shown_album(0), 1);
  EXPECT_EQ(albums_.MoveAlbum(1, 1), 1) << "the last album cannot move later";

  EXPECT_FALSE(albums_.ShowAlbum(0, 0, tree_.ui));
  EXPECT_EQ(LastRecord().text,
            "The \"Album 2 Name Album\" is already displayed in the right list.");
  EXPECT_EQ(albums_.AlbumHint(1),
            " Unnamed\xA0"
            "Album - 0 Pictures");
}

TEST_F(MediaAlbumsTest, ItemsGoAfterTheCurrentItemAndAreNumberedByFile) {
  const ItemRef first = albums_.AddItem(0, "a.jpg");
  albums_.AddItem(0, "");
  albums_.SelectItem(first);
  EXPECT_EQ(albums_.AddItem(0, "b.jpg"), (ItemRef{0, 1}));
  albums_.SelectItem(ItemRef{});
  EXPECT_EQ(albums_.AddItem(0, "c.jpg"), (ItemRef{0, 3}));
  const auto& items = albums_.album(0).items;
  EXPECT_EQ(items[1].file, "b.jpg");
  EXPECT_EQ(std::tie(items[2].number, items[3].number, albums_.album(0).item_count),
            std::make_tuple(0, 3, 3));

  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_FALSE(albums_.RemoveItem(ItemRef{0, 1}, tree_.ui));
  EXPECT_EQ(LastRecord().text,
            "Do you want to remove the item: b.jpg\n\nThe item is  removed from this family "
            "tree.\nThe file is not deleted.");
  EXPECT_TRUE(albums_.RemoveItem(ItemRef{0, 1}, tree_.ui));
  EXPECT_EQ(albums_.album(0).items[1].file, "");
  EXPECT_EQ(albums_.total_items(), 2);
}

TEST_F(MediaAlbumsTest, LinkedIndividualsAndDeletedPeople) {
  const ItemRef item = albums_.AddItem(0, "a.jpg");
  EXPECT_TRUE(albums_.LinkIndividual(item, 12));
  EXPECT_TRUE(albums_.LinkIndividual(item, 45));
  EXPECT_FALSE(albums_.LinkIndividual(item, 12));
  EXPECT_EQ(albums_.item(item)->individuals, "|12|45|");
  EXPECT_EQ(albums_.media_count(12), 1);
  EXPECT_TRUE(albums_.UnlinkIndividual(item, 12));
  EXPECT_EQ(albums_.item(item)->individuals, "|45|");
  EXPECT_TRUE(albums_.UnlinkIndividual(item, 45));
  EXPECT_EQ(albums_.item(item)->individuals, "");

  const ItemRef other = albums_.AddItem(1, "b.jpg");
  for (int n : {112, 12, 5, 12}) albums_.LinkIndividual(other, n);
  EXPECT_EQ(LinkedIndividuals("|112|12|5|x|"), (std::vector<int>{112, 12, 5}));
  albums_.set_changed(false);
  albums_.ForgetIndividual(12);
  EXPECT_EQ(albums_.item(other)->individuals, "|112|00|5|");
  EXPECT_EQ(albums_.media_count(12), 0);
  EXPECT_TRUE(albums_.changed());
}

TEST_F(MediaAlbumsTest, SettingThePeopleOfAnItemKeepsTheCountsRight) {
  const ItemRef first = albums_.AddItem(0, "a.jpg");
  const ItemRef second = albums_.AddItem(1, "b.jpg");
  albums_.LinkIndividual(second, 12);
  albums_.set_changed(false);

  EXPECT_TRUE(albums_.SetIndividuals(first, {12, 45, 12, 0, -3, store::kMaxIndividual + 1, 7}));
  EXPECT_EQ(albums_.item(first)->individuals, "|12|45|7|");
  EXPECT_TRUE(albums_.changed());
  EXPECT_EQ(std::pair(albums_.media_count(12), albums_.media_count(45)), std::pair(2, 1));
  EXPECT_FALSE(albums_.SetIndividuals(first, {12, 45, 7})) << "the same list changes nothing";

  EXPECT_TRUE(albums_.SetIndividuals(first, {45, 3}));
  EXPECT_EQ(albums_.item(first)->individuals, "|45|3|");
  const std::vector<int> counts = {albums_.media_count(12), albums_.media_count(7),
                                   albums_.media_count(3)};
  EXPECT_EQ(counts, (std::vector<int>{1, 0, 1}));

  EXPECT_TRUE(albums_.SetIndividuals(first, {}));
  EXPECT_EQ(albums_.item(first)->individuals, "");
  EXPECT_EQ(albums_.media_count(45), 0);
  EXPECT_FALSE(albums_.SetIndividuals(ItemRef{0, 9}, {1}));
}

TEST_F(MediaAlbumsTest, ADerivedItemFollowsItsOriginalWithItsFieldsAndPeople) {
  const ItemRef original = albums_.AddItem(0, "a.jpg");
  albums_.AddItem(0, "z.jpg");
  MediaItem fields{kHeadstone, true, 4, "", "", "Grave", "Line one\r\nLine two", 0};
  albums_.EditItem(original, fields);
  albums_.LinkIndividual(original, 12);
  albums_.SelectItem(ItemRef{0, 1});

  const ItemRef added = albums_.AddDerivedItem(original, "a_crop.jpg", " (cropped)");
  EXPECT_EQ(added, (ItemRef{0, 1}));
  EXPECT_EQ(albums_.current_item(), added);
  const MediaItem& item = *albums_.item(added);
  EXPECT_EQ(item.file, "a_crop.jpg");
  EXPECT_EQ(item.title, "Grave (cropped)");
  const std::string people = "|12|";
  EXPECT_EQ(std::tie(item.kind, item.hide, item.source, item.note, item.individuals),
            std::tie(fields.kind, fields.hide, fields.source, fields.note, people));
  EXPECT_EQ(item.number, 2);
  EXPECT_EQ(albums_.item(ItemRef{0, 2})->file, "z.jpg");
  EXPECT_EQ(albums_.media_count(12), 2);

  fields.title = std::string(kMaxItemTitle, 'T');
  albums_.EditItem(original, fields);
  const ItemRef long_title = albums_.AddDerivedItem(original, "a_crop2.jpg", " (cropped)");
  EXPECT_EQ(albums_.item(long_title)->title.size(), kMaxItemTitle);
  EXPECT_TRUE(albums_.item(long_title)->title.ends_with(" (cropped)"));
  EXPECT_EQ(albums_.AddDerivedItem(ItemRef{5, 0}, "x.jpg", ""), ItemRef{});
}

TEST_F(MediaAlbumsTest, RenamingAFileNeverOverwritesAnother) {
  TempDir media;
  WriteFileBytes(media.File("a.jpg"), "A");
  WriteFileBytes(media.File("b.jpg"), "B");
  const ItemRef item = albums_.AddItem(0, "a.jpg");
  EXPECT_FALSE(albums_.RenameItemFile(item, media.path(), "b.jpg", tree_.ui));
  EXPECT_EQ(LastRecord().caption, " *** Rename Failed ***");
  EXPECT_FALSE(albums_.RenameItemFile(item, media.path(), "sub/c.jpg", tree_.ui));
  EXPECT_EQ(ReadFileBytes(media.File("b.jpg")), "B");

  EXPECT_TRUE(albums_.RenameItemFile(item, media.path(), "c.jpg", tree_.ui));
  EXPECT_EQ(albums_.item(item)->file, "c.jpg");
  EXPECT_EQ(ReadFileBytes(media.File("c.jpg")), "A");
  EXPECT_FALSE(std::filesystem::exists(media.File("a.jpg")));
}

}  // namespace
}  // namespace kinloom::files
