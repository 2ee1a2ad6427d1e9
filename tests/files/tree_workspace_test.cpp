#include "files/tree_workspace.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/queries.h"
#include "files/tree_files.h"
#include "support/test_support.h"

namespace kinloom::files {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::TestTree;

const char* const kSideFiles[] = {"config/Lee.cfg", "config/Lee.med", "config/sources.web"};

// A tree with one person citing nothing and two sources; an album item cites source 2. It is
// saved as "Lee".
struct SavedTree {
  TempDir home;
  TestTree tree;
  platform::LocalFileSystem file_system;
  DataFolders folders = DataFoldersAt(home.path(), "");
  TreeWorkspace work{tree.store, folders, file_system, CoreTreeReader()};

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
    work.web_settings().title2 = "Lee Family";
    work.program_settings().theme = "Dusk";
    work.session().changed.tree_modified = true;
    saved = SaveUnderName(work.session(), folders, "Lee", work.SaveStepsWired(), tree.ui);
  }
  // Opens `path` into `work` with the steps given, or its own.
  static Status Open(TreeWorkspace& work, TestTree& tree, const std::string& path,
                     const OpenSteps* steps = nullptr) {
    return OpenTree(work.session(), work.folders(), OpenRequest{path, false, false, 0},
                    steps != nullptr ? *steps : work.OpenStepsWired(), tree.ui);
  }
  Status saved;
};

TEST(TreeWorkspace, SaveWritesEveryFileWithTheCitedSourcesAndOpenReadsThemBack) {
  SavedTree t;
  ASSERT_TRUE(t.saved.ok());
  const std::string ged = ReadFileBytes(t.home.File("gedcom/Lee.ged"));
  EXPECT_NE(ged.find("0 @S000002@ SOUR\r\n1 TITL Family bible"), std::string::npos);
  EXPECT_EQ(ged.find("@S000001@"), std::string::npos);  // cited by nothing
  EXPECT_FALSE(ReadFileBytes(t.home.File("config/Lee.cfg")).empty());
  EXPECT_FALSE(ReadFileBytes(t.home.File("config/sources.web")).empty());
  EXPECT_FALSE(t.work.session().changed.tree_modified);

  TestTree other;
  TreeWorkspace reopened(other.store, t.folders, t.file_system, CoreTreeReader());
  ASSERT_TRUE(SavedTree::Open(reopened, other, t.home.File("gedcom/Lee.ged")).ok());
  EXPECT_EQ(reopened.session().tree_name, "Lee");
  ASSERT_NE(other.store.individual(1), nullptr);
  EXPECT_EQ(reopened.albums().item(ItemRef{0, 0})->file, "bible.jpg");  // the albums came back
  EXPECT_EQ(reopened.albums().total_items(), 1);
  EXPECT_EQ(reopened.ResolveTree("Lee"), t.home.File("gedcom/Lee.ged"));
}

// Each side file in turn exists but cannot be read when the saved tree is opened again.
class UnreadableSideFile : public ::testing::TestWithParam<const char*> {};

TEST_P(UnreadableSideFile, IsReportedOnceAndNotWrittenOverWhileTheOthersAreSaved) {
  SavedTree t;
  ASSERT_TRUE(t.saved.ok());
  const std::string broken = t.home.File(GetParam());
  const std::string before = ReadFileBytes(broken);
  testing::FaultyFileSystem faulty;
  faulty.FailReading(broken);
  TestTree other;
  TreeWorkspace reopened(other.store, t.folders, faulty, CoreTreeReader());
  const OpenSteps steps = reopened.OpenStepsWired();
  steps.read_sources(SourcesFile(t.folders));  // the start window reads it before the open
  ASSERT_TRUE(SavedTree::Open(reopened, other, t.home.File("gedcom/Lee.ged"), &steps).ok());
  ASSERT_EQ(other.ui.records().size(), 1u);
  EXPECT_EQ(other.ui.records()[0].caption, " *** File Cannot Be Read ***");
  EXPECT_NE(other.ui.records()[0].text.find(broken + ": Input/output error"), std::string::npos);

  // The other files are written anew; the unreadable one neither by a save nor at closing.
  std::vector<std::string> others;
  for (const char* file : kSideFiles) {
    if (t.home.File(file) != broken) others.push_back(t.home.File(file));
  }
  for (const std::string& file : others) std::filesystem::remove(file);
  reopened.session().changed = {true, true, true, true};
  ASSERT_TRUE(SaveAll(reopened.session(), t.folders, reopened.SaveStepsWired(), other.ui).ok());
  ASSERT_TRUE(
      WriteSettingsOnClose(reopened.session(), t.folders, reopened.SaveStepsWired(), other.ui)
          .ok());
  EXPECT_EQ(ReadFileBytes(broken), before);
  for (const std::string& file : others) EXPECT_TRUE(FileExists(file)) << file;
  EXPECT_FALSE(reopened.session().changed.Any());  // closing does not ask again and again
  EXPECT_EQ(other.ui.records().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EachSideFile, UnreadableSideFile, ::testing::ValuesIn(kSideFiles));

TEST(TreeWorkspace, MissingSideFilesAreNotReportedAndAreWrittenAtTheNextSave) {
  SavedTree t;
  ASSERT_TRUE(t.saved.ok());
  for (const char* file : kSideFiles) {
    std::filesystem::remove(t.home.File(file));
  }
  TestTree other;
  TreeWorkspace reopened(other.store, t.folders, t.file_system, CoreTreeReader());
  ASSERT_TRUE(SavedTree::Open(reopened, other, t.home.File("gedcom/Lee.ged")).ok());
  EXPECT_TRUE(other.ui.records().empty());
  ASSERT_TRUE(SaveAll(reopened.session(), t.folders, reopened.SaveStepsWired(), other.ui).ok());
  for (const char* file : kSideFiles) {
    EXPECT_TRUE(FileExists(t.home.File(file))) << file;
  }
}

// A file the reader refuses leaves the open tree in the store; the session must keep naming
// that tree, or the next save would write it over the refused file.
TEST(TreeWorkspace, AFileThatCannotBeReadLeavesTheOpenTreeAndItsName) {
  SavedTree t;
  ASSERT_TRUE(t.saved.ok());
  std::filesystem::create_directory(t.home.File("gedcom/Folder.ged"));
  EXPECT_FALSE(SavedTree::Open(t.work, t.tree, t.home.File("gedcom/Folder.ged")).ok());
  EXPECT_EQ(t.work.session().tree_name, "Lee");
  ASSERT_NE(t.tree.store.individual(1), nullptr);
  EXPECT_EQ(core::PersonLabel(t.tree.store, 1).rfind("Ann Lee", 0), 0u);
}

}  // namespace
}  // namespace kinloom::files
