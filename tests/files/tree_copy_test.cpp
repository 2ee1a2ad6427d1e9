#include "files/tree_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

#include "files/album_file.h"
#include "files/config_file.h"
#include "files/media_albums.h"
#include "files/web_settings.h"
#include "support/test_support.h"

namespace kinloom::files {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using testing::CrLfJoin;
using testing::FaultyFileSystem;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::TestTree;
using testing::WriteFileBytes;
using Names = std::vector<std::string>;

const std::string kGed = CrLfJoin(
    {"0 HEAD", "1 CHAR ANSI", "0 @I000001@ INDI", "1 NAME Ann /Ash/", "1 OBJE ann.png",
     "0 @I000002@ INDI", "1 NAME Bob /Ash/", "1 OBJE", "2 FILE sub/bob.jpg", "0 @I000003@ INDI",
     "1 OBJE gone.jpg", "0 @I000004@ INDI", "1 OBJE ../../etc/passwd", "0 TRLR"});

void Write(const std::string& path, std::string_view bytes) {
  fs::create_directories(fs::path(path).parent_path());
  WriteFileBytes(path, bytes);
}

// A data home with the tree Smith: its .ged naming pictures, side files, an album file naming
// a document, web settings naming a title image, and files of other trees beside them.
class TreeCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = DataFoldersAt(dir_.File("home"), "");
    ASSERT_TRUE(MakeDataFolders(home_).ok());
    Write(TreeFile(home_.gedcom, "Smith", ".ged"), kGed);
    Write(TreeFile(home_.gedcom, "Smith", ".notes"), "side");
    Write(TreeFile(home_.gedcom, "Smith.old", ".ged"), kGed);
    MediaAlbums albums;
    albums.AddItem(0, "letter.pdf");
    ASSERT_TRUE(WriteAlbumFile(fs_, TreeFile(home_.config, "Smith", ".med"), tree_.store, albums,
                               TreeSettings{}, store::WriteMode::kNormal)
                    .ok());
    Write(TreeFile(home_.config, "Smith", ".adr"), "addresses");
    Write(TreeFile(home_.config, "Jones", ".cfg"), "other tree");
    WebSiteSettings web;
    web.title_image_file = "title.gif";
    ASSERT_TRUE(WriteConfigFile(fs_, TreeFile(home_.config, "Smith", ".cfg"), web).ok());
    for (const char* name : {"ann.png", "ann.jpg", "sub/bob.jpg", "letter.pdf", "other.jpg"}) {
      Write(JoinPath(home_.media, name), std::string("picture ") + name);
    }
    Write(JoinPath(home_.image, "title.gif"), "title image");
    stick_ = PortableFolders(dir_.File("stick"));
  }

  TreeCopyResult Copy(const DataFolders& from, const DataFolders& to) {
    return CopyTree(from, to, "Smith", fs_, tree_.ui);
  }

  TempDir dir_;
  TestTree tree_;
  platform::LocalFileSystem fs_;
  DataFolders home_;
  DataFolders stick_;
};

TEST_F(TreeCopyTest, ListsTheTreesFilesByFolder) {
  const TreeCopyFiles files = ListTreeFiles(home_, "Smith");
  EXPECT_EQ(files.gedcom, (Names{"Smith.ged", "Smith.notes"}));
  EXPECT_EQ(files.config, (Names{"Smith.adr", "Smith.cfg", "Smith.med"}));
  EXPECT_EQ(files.media, (Names{"ann.png", "ann.jpg", "sub/bob.jpg", "gone.jpg", "letter.pdf"}));
  EXPECT_EQ(files.image, (Names{"title.gif"}));
  EXPECT_EQ(files.outside, (Names{"../../etc/passwd"}));
}

TEST_F(TreeCopyTest, CopiesOutAndBringsBackEveryFile) {
  const TreeCopyResult out = Copy(home_, stick_);
  EXPECT_EQ(out.outcome, TreeCopyOutcome::kCopied);
  EXPECT_EQ(out.copied, 10);
  EXPECT_EQ(out.missing, (Names{"gone.jpg"}));
  EXPECT_EQ(tree_.ui.records().back().caption, " *** Copy Complete ***");
  for (const char* file : {"gedcom/Smith.ged", "gedcom/Smith.notes", "config/Smith.med",
                           "config/Smith.cfg", "config/Smith.adr", "media/ann.png", "media/ann.jpg",
                           "media/sub/bob.jpg", "media/letter.pdf", "image/title.gif"}) {
    EXPECT_EQ(ReadFileBytes(dir_.File(std::string("stick/") + file)),
              ReadFileBytes(dir_.File(std::string("home/") + file)))
        << file;
  }
  for (const char* other : {"gedcom/Smith.old.ged", "config/Jones.cfg", "media/other.jpg"}) {
    EXPECT_FALSE(fs::exists(dir_.File(std::string("stick/") + other))) << other;
  }

  // Back into a second data home.
  const DataFolders second = DataFoldersAt(dir_.File("second"), "");
  const TreeCopyResult in = Copy(stick_, second);
  EXPECT_EQ(in.outcome, TreeCopyOutcome::kCopied);
  EXPECT_EQ(ReadFileBytes(TreeFile(second.gedcom, "Smith", ".ged")), kGed);
  EXPECT_EQ(ReadFileBytes(JoinPath(second.media, "sub/bob.jpg")), "picture sub/bob.jpg");
  EXPECT_EQ(ReadFileBytes(JoinPath(second.image, "title.gif")), "title image");
}

TEST_F(TreeCopyTest, AsksBeforeReplacingATreeOfThatName) {
  Write(TreeFile(stick_.gedcom, "Smith", ".ged"), "older tree");
  Write(TreeFile(stick_.config, "Smith", ".med"), "older albums");
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_EQ(Copy(home_, stick_).outcome, TreeCopyOutcome::kRefused);
  EXPECT_EQ(tree_.ui.records().back().caption, kReplaceTreeCaption);
  EXPECT_EQ(ReadFileBytes(TreeFile(stick_.gedcom, "Smith", ".ged")), "older tree");
  EXPECT_EQ(ReadFileBytes(TreeFile(stick_.config, "Smith", ".med")), "older albums");
  EXPECT_FALSE(fs::exists(JoinPath(stick_.media, "ann.png")));

  tree_.ui.QueueAnswer(Answer::kYes);
  EXPECT_EQ(Copy(home_, stick_).outcome, TreeCopyOutcome::kCopied);
  EXPECT_EQ(ReadFileBytes(TreeFile(stick_.gedcom, "Smith", ".ged")), kGed);
}

TEST_F(TreeCopyTest, CancelStopsTheCopyBeforeTheTreeFileAndNoKeepsAPictureThatDiffers) {
  Write(JoinPath(stick_.media, "ann.png"), "someone else's picture");
  tree_.ui.QueueAnswer(Answer::kCancel);
  EXPECT_EQ(Copy(home_, stick_).outcome, TreeCopyOutcome::kCancelled);
  EXPECT_EQ(tree_.ui.records().back().caption, " *** Copy Cancelled ***");
  EXPECT_FALSE(fs::exists(TreeFile(stick_.gedcom, "Smith", ".ged")));

  tree_.ui.QueueAnswer(Answer::kNo);  // the overwrite question for ann.png
  EXPECT_EQ(Copy(home_, stick_).outcome, TreeCopyOutcome::kCopied);
  EXPECT_EQ(ReadFileBytes(JoinPath(stick_.media, "ann.png")), "someone else's picture");
  EXPECT_EQ(ReadFileBytes(TreeFile(stick_.gedcom, "Smith", ".ged")), kGed);
}

TEST_F(TreeCopyTest, AFailedWriteIsReportedAndLeavesTheOldFilesWhole) {
  Write(TreeFile(stick_.gedcom, "Smith", ".ged"), "older tree");
  Write(JoinPath(stick_.media, "letter.pdf"), "older letter");
  tree_.ui.QueueAnswer(Answer::kYes);  // replace the tree
  tree_.ui.QueueAnswer(Answer::kNo);   // no more error messages
  FaultyFileSystem faulty(3);
  const TreeCopyResult result = CopyTree(home_, stick_, "Smith", faulty, tree_.ui);
  EXPECT_EQ(result.outcome, TreeCopyOutcome::kErrors);
  EXPECT_EQ(result.copied, 0);
  EXPECT_EQ(tree_.ui.records().back().caption, " *** Copy Errors ***");
  EXPECT_EQ(tree_.ui.records().back().text,
            "There were copying errors.\nNot all files were copied.");
  EXPECT_EQ(ReadFileBytes(TreeFile(stick_.gedcom, "Smith", ".ged")), "older tree");
  EXPECT_EQ(ReadFileBytes(JoinPath(stick_.media, "letter.pdf")), "older letter");
  EXPECT_FALSE(fs::exists(JoinPath(stick_.media, "ann.png")));
}

struct RefusedCase {
  const char* tree;
  bool same_folder;
  const char* caption;
};
// Names the case in test listings by its tree (a pointer would differ from run to run).
void PrintTo(const RefusedCase& c, std::ostream* out) {
  *out << '"' << c.tree << '"' << (c.same_folder ? " into its own folder" : "");
}

class TreeCopyRefusedTest : public TreeCopyTest,
                            public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(TreeCopyRefusedTest, SaysWhyAndCopiesNothing) {
  const RefusedCase& c = GetParam();
  const TreeCopyResult result =
      CopyTree(home_, c.same_folder ? home_ : stick_, c.tree, fs_, tree_.ui);
  EXPECT_EQ(result.outcome, TreeCopyOutcome::kRefused);
  ASSERT_FALSE(tree_.ui.records().empty());
  EXPECT_EQ(tree_.ui.records().back().caption, c.caption);
  EXPECT_FALSE(fs::exists(dir_.File("stick")));
}

INSTANTIATE_TEST_SUITE_P(Cases, TreeCopyRefusedTest,
                         ::testing::Values(RefusedCase{"../Smith", false, kTreeNameCaption.data()},
                                           RefusedCase{"", false, kTreeNameCaption.data()},
                                           RefusedCase{"Brown", false,
                                                       " *** Family Tree Not Found ***"},
                                           RefusedCase{"Smith", true, " *** Warning ***"}));

}  // namespace
}  // namespace kinloom::files
