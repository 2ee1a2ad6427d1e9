#include "files/tree_workspace.h"

#include <gtest/gtest.h>

#include "files/tree_files.h"
#include "support/test_support.h"

namespace kinloom::files {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::TestTree;

// A tree with one person citing nothing and two sources; an album item cites source 2.
struct SavedTree {
  TempDir home;
  TestTree tree;
  platform::LocalFileSystem file_system;
  DataFolders folders = DataFoldersAt(home.path(), "");
  TreeWorkspace work{tree.store, folders, file_system};

  SavedTree() {
    EXPECT_TRUE(MakeDataFolders(folders).ok());
    testing::LoadOwnTree(
        tree, {"0 @I000001@ INDI", "1 NAME Ann /Lee/", "0 @S000001@ SOUR", "1 TITL Parish register",
               "0 @S000002@ SOUR", "1 TITL Family bible"});
    ItemRef item = work.albums().AddItem(0, "bible.jpg");
    MediaItem fields = *work.albums().item(item);
    fields.source = 2;
    fields.title = "Bible page";
    work.albums().EditItem(item, fields);
    work.session().changed.tree_modified = true;
  }
};

TEST(TreeWorkspace, SaveWritesEveryFileWithTheCitedSourcesAndOpenReadsThemBack) {
  SavedTree t;
  ASSERT_TRUE(
      SaveUnderName(t.work.session(), t.folders, "Lee", t.work.SaveStepsWired(), t.tree.ui).ok());
  const std::string ged = ReadFileBytes(t.home.File("gedcom/Lee.ged"));
  EXPECT_NE(ged.find("0 @S000002@ SOUR\r\n1 TITL Family bible"), std::string::npos);
  EXPECT_EQ(ged.find("@S000001@"), std::string::npos);  // cited by nothing
  EXPECT_FALSE(ReadFileBytes(t.home.File("config/Lee.cfg")).empty());
  EXPECT_FALSE(ReadFileBytes(t.home.File("config/sources.web")).empty());
  EXPECT_FALSE(t.work.session().changed.tree_modified);

  TestTree other;
  TreeWorkspace reopened(other.store, t.folders, t.file_system);
  OpenRequest request{t.home.File("gedcom/Lee.ged"), false, false, 0};
  ASSERT_TRUE(
      OpenTree(reopened.session(), t.folders, request, reopened.OpenStepsWired(), other.ui).ok());
  EXPECT_EQ(reopened.session().tree_name, "Lee");
  ASSERT_NE(other.store.individual(1), nullptr);
  EXPECT_EQ(reopened.albums().item(ItemRef{0, 0})->file, "bible.jpg");  // the albums came back
  EXPECT_EQ(reopened.albums().total_items(), 1);
  EXPECT_EQ(reopened.ResolveTree("Lee"), t.home.File("gedcom/Lee.ged"));
}

}  // namespace
}  // namespace kinloom::files
