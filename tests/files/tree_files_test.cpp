#include "files/tree_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>

#include "files/tree_media.h"
#include "support/test_support.h"

namespace kinloom::files {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

TreeSession Session(const std::string& name, int save_state = kNewTreeSaveState, int counter = 0) {
  TreeSession session;
  session.tree_name = name;
  session.save_state = save_state;
  session.backup_counter = counter;
  return session;
}

// Writers that put "new <file name>" into each file, through a file system that fails for the
// step chosen.
struct FakeWriters {
  platform::LocalFileSystem local;
  testing::FaultyFileSystem faulty{0};
  int failing_step = -1;
  std::vector<std::string> written;
  std::vector<store::WriteMode> modes;

  Status Write(int step, const std::string& path) {
    written.push_back(fs::path(path).filename().string());
    platform::FileSystem& files = step == failing_step ? static_cast<platform::FileSystem&>(faulty)
                                                       : static_cast<platform::FileSystem&>(local);
    std::unique_ptr<platform::WritableFile> file;
    if (Status s = files.NewWritableFile(path, &file); !s.ok()) return s;
    if (Status s = file->Append("new " + written.back()); !s.ok()) return s;
    return file->Commit();
  }
  SaveSteps Steps() {
    SaveSteps steps;
    steps.write_albums = [this](const std::string& p, store::WriteMode m) {
      modes.push_back(m);
      return Write(0, p);
    };
    steps.write_gedcom = [this](const std::string& p, store::WriteMode m) {
      modes.push_back(m);
      return Write(1, p);
    };
    steps.write_config = [this](const std::string& p) { return Write(2, p); };
    steps.write_sources = [this](const std::string& p) { return Write(3, p); };
    return steps;
  }
};

class TreeFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders_ = DataFoldersAt(dir_.File("home"), dir_.File("system"));
    ASSERT_TRUE(MakeDataFolders(folders_).ok());
  }
  std::string Ged(const std::string& tree) { return TreeFile(folders_.gedcom, tree, ".ged"); }
  std::string Config(const std::string& tree, const char* extension) {
    return TreeFile(folders_.config, tree, extension);
  }
  void PutTree(const std::string& tree, const std::string& content) {
    WriteFileBytes(Ged(tree), content + " ged");
    WriteFileBytes(Config(tree, ".med"), content + " med");
    WriteFileBytes(Config(tree, ".cfg"), content + " cfg");
  }
  // Opens with readers that note which files they were given.
  Status Open(const std::string& path, OpenRequest request = {}) {
    OpenSteps steps;
    steps.read_gedcom = [this](const std::string& p, bool) {
      read_.push_back(p);
      return GedcomRead{FileExists(p) ? store::ReadOutcome::kRead : store::ReadOutcome::kMissing,
                        false};
    };
    steps.read_config = [this](const std::string& p) { read_.push_back(p); };
    steps.read_albums = [this](const std::string& p) { read_.push_back(p); };
    request.path = path;
    return OpenTree(session_, folders_, request, steps, tree_.ui);
  }
  AutoSaveAction Tick(bool busy) {
    return AutoSaveTick(session_, folders_, busy, writers_.Steps(), tree_.ui).action;
  }

  testing::TempDir dir_;
  testing::TestTree tree_;
  DataFolders folders_;
  TreeSession session_;
  FakeWriters writers_;
  std::vector<std::string> read_;
};

TEST_F(TreeFilesTest, TreeMediaFilesReadsTheTreesThreeFiles) {
  WriteFileBytes(Ged("Brown"),
                 testing::CrLfJoin({"0 HEAD", "1 CHAR UTF-8", "0 @I000001@ INDI",
                                    "1 OBJE Ren\xC3\xA9.jpg", "1 OBJE @M1@", "2 FILE scan.png",
                                    "1 NOTE", "2 FILE not-a-picture.txt", "0 TRLR"}));
  WriteFileBytes(Config("Brown", ".med"),
                 "CHAR UTF-8\r\nHEAD Album\r\n\r\nALBM 0\r\nFILE Z\xC3\xBCrich.jpg\r\nEND\r\n");
  WriteFileBytes(Config("Brown", ".cfg"), "170 title.jpg\r\n");
  EXPECT_EQ(TreeMediaFiles(folders_, "Brown"),
            (std::vector<std::string>{"Ren\xE9.jpg", "scan.png", "Z\xFCrich.jpg",
                                      folders_.image + "/title.jpg"}));
}

TEST(DataHomes, OptionThenEnvironmentThenXdgThenHome) {
  Environment env;
  env.kinloom_home = "/k";
  env.xdg_data_home = "/x";
  env.home = "/h";
  EXPECT_EQ(DataHome("/opt/", env), "/opt");
  EXPECT_EQ(DataHome("", env), "/k");
  env.kinloom_home.clear();
  EXPECT_EQ(DataHome("", env), "/x/kinloom");
  env.xdg_data_home = "relative";
  EXPECT_EQ(DataHome("", env), "/h/.local/share/kinloom");
}

TEST(DataHomes, UserFoldersComeFromUserDirsOrHome) {
  Environment env;
  env.home = "/h";
  UserFolders u = UserFoldersFrom(env,
                                  "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n"
                                  "XDG_PICTURES_DIR=\"/pics/\"\n");
  EXPECT_EQ(u.documents, "/h/Docs");
  EXPECT_EQ(u.pictures, "/pics");
  EXPECT_EQ(u.public_documents, "/h");
}

TEST_F(TreeFilesTest, DataFoldersAndWebFoldersAreMade) {
  for (const std::string* f : {&folders_.gedcom, &folders_.config, &folders_.backup, &folders_.web})
    EXPECT_TRUE(fs::is_directory(*f)) << *f;
  EXPECT_FALSE(fs::exists(folders_.system));
  ASSERT_TRUE(SaveAll(session_ = Session("Smith"), folders_, {}, tree_.ui).ok());
  EXPECT_TRUE(fs::is_directory(folders_.web + "/Smith/htm/pic"));
  EXPECT_TRUE(fs::is_directory(folders_.web + "/Smith/php/tmb"));
}

TEST_F(TreeFilesTest, SaveWritesAllFilesInOrderAndClearsTheFlags) {
  session_ = Session("Smith.ged", 0);
  session_.changed = {true, true, true, true};
  ASSERT_TRUE(SaveAll(session_, folders_, writers_.Steps(), tree_.ui).ok());
  EXPECT_EQ(writers_.written,
            (std::vector<std::string>{"Smith.med", "Smith.ged", "Smith.cfg", "sources.web"}));
  EXPECT_EQ(ReadFileBytes(Ged("Smith")), "new Smith.ged");
  EXPECT_EQ(session_.save_state, 2);
  EXPECT_FALSE(session_.changed.Any());
}

class FailingSaveTest : public TreeFilesTest, public ::testing::WithParamInterface<int> {};

TEST_P(FailingSaveTest, FailedFileKeepsItsContentsAndTreeStaysChanged) {
  PutTree("Smith", "old");
  WriteFileBytes(SourcesFile(folders_), "old web");
  const std::string paths[] = {Config("Smith", ".med"), Ged("Smith"), Config("Smith", ".cfg"),
                               SourcesFile(folders_)};
  const std::string& failing = paths[GetParam()];
  const std::string before = ReadFileBytes(failing);
  session_ = Session("Smith", 2);
  writers_.failing_step = GetParam();
  EXPECT_FALSE(SaveAll(session_, folders_, writers_.Steps(), tree_.ui).ok());
  EXPECT_EQ(ReadFileBytes(failing), before);
  EXPECT_EQ(writers_.written.size(), 4u);  // the other files are still written
  EXPECT_TRUE(session_.changed.tree_modified);
  EXPECT_EQ(session_.save_state, 2);
  ASSERT_EQ(tree_.ui.records().size(), 1u);
  EXPECT_NE(tree_.ui.records()[0].text.find(failing), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EachStep, FailingSaveTest, ::testing::Values(0, 1, 2, 3));

TEST_F(TreeFilesTest, SavingOverAnotherTreeMakesANumberedBackupSetOnce) {
  PutTree("Jones", "old");
  session_ = Session("Smith", 0, 35);
  ASSERT_TRUE(SaveUnderName(session_, folders_, "Jones.ged", writers_.Steps(), tree_.ui).ok());
  for (const std::string ext : {"ged", "med", "cfg"})
    EXPECT_EQ(ReadFileBytes(folders_.backup + "/0010_Jones." + ext), "old " + ext);
  EXPECT_EQ(ReadFileBytes(Ged("Jones")), "new Jones.ged");
  EXPECT_EQ(session_.tree_name, "Jones");
  ASSERT_TRUE(SaveUnderName(session_, folders_, "Jones", writers_.Steps(), tree_.ui).ok());
  EXPECT_EQ(session_.backup_counter, 36);
  EXPECT_EQ(session_.save_state, 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(folders_.backup), fs::directory_iterator()), 3);
}

// Without a readable sources.web the counter starts again at 0: older backups stay.
TEST_F(TreeFilesTest, BackupNumbersInUseArePassedOver) {
  PutTree("Jones", "old");
  WriteFileBytes(folders_.backup + "/0001_Jones.ged", "older ged");
  WriteFileBytes(folders_.backup + "/0002_Jones.cfg", "older cfg");
  session_ = Session("Jones", 0, 0);
  ASSERT_TRUE(SaveUnderName(session_, folders_, "Jones", writers_.Steps(), tree_.ui).ok());
  EXPECT_EQ(session_.backup_counter, 3);
  EXPECT_EQ(ReadFileBytes(folders_.backup + "/0001_Jones.ged"), "older ged");
  EXPECT_EQ(ReadFileBytes(folders_.backup + "/0002_Jones.cfg"), "older cfg");
  EXPECT_EQ(ReadFileBytes(folders_.backup + "/0003_Jones.ged"), "old ged");
}

TEST_F(TreeFilesTest, FirstAutomaticSaveTurnsOpenedFilesIntoABackupSet) {
  PutTree("Smith", "old");
  ASSERT_TRUE(Open("Smith.ged").ok());
  session_.changed.tree_modified = true;
  tree_.clock.AdvanceSeconds(600);
  EXPECT_EQ(Tick(false), AutoSaveAction::kSave);
  EXPECT_EQ(ReadFileBytes(folders_.backup + "/0001_Smith.ged"), "old ged");
  EXPECT_EQ(ReadFileBytes(folders_.backup + "/0001_Smith.cfg"), "old cfg");
  EXPECT_EQ(ReadFileBytes(Ged("Smith")), "new Smith.ged");
  session_.changed.tree_modified = true;
  tree_.clock.AdvanceSeconds(300);
  EXPECT_EQ(Tick(true), AutoSaveAction::kWait);
  tree_.clock.AdvanceSeconds(300);
  EXPECT_EQ(Tick(true), AutoSaveAction::kRetry);
  EXPECT_EQ(Tick(false), AutoSaveAction::kSave);
  EXPECT_EQ(session_.backup_counter, 1);  // later saves only overwrite
  EXPECT_EQ(session_.save_state, 4);
}

TEST_F(TreeFilesTest, TreeOpenedFromBackupReadsSideFilesThereAndSavesToDataFolders) {
  ASSERT_TRUE(Open(folders_.backup + "/0003_Smith.ged").ok());
  EXPECT_EQ(session_.origin, TreeOrigin::kBackupFolder);
  EXPECT_EQ(session_.tree_name, "0003_Smith");
  EXPECT_EQ(read_, (std::vector<std::string>{folders_.backup + "/0003_Smith.ged",
                                             folders_.backup + "/0003_Smith.cfg",
                                             folders_.backup + "/0003_Smith.med"}));
  ASSERT_TRUE(SaveAll(session_, folders_, writers_.Steps(), tree_.ui).ok());
  EXPECT_TRUE(FileExists(Ged("0003_Smith")));
  EXPECT_TRUE(FileExists(Config("0003_Smith", ".cfg")));
}

TEST_F(TreeFilesTest, OpenSetsOriginStateAndSecondWindowIsReadOnly) {
  PutTree("Smith", "old");
  ASSERT_TRUE(Open("Smith.old").ok());
  EXPECT_EQ(session_.origin, TreeOrigin::kGedcomFolder);
  EXPECT_EQ(session_.save_state, kNewTreeSaveState);  // no such file: a new tree
  OpenRequest second_window;
  second_window.sole_argument = true;
  second_window.copy_number = 2;
  ASSERT_TRUE(Open(Ged("Smith"), second_window).ok());
  EXPECT_EQ(session_.origin, TreeOrigin::kOther);
  EXPECT_EQ(session_.save_state, kOpenedSaveState);
  EXPECT_TRUE(session_.read_only);
  EXPECT_FALSE(session_.auto_save.enabled);
  EXPECT_EQ(read_.back(), Ged("Smith"));  // side files of another origin are not read
  EXPECT_FALSE(SaveAll(session_, folders_, writers_.Steps(), tree_.ui).ok());
  EXPECT_TRUE(writers_.written.empty());
  EXPECT_EQ(tree_.ui.Captions().back(), " *** Read Only File ***");
}

TEST_F(TreeFilesTest, UnsafeTreeNamesAreRefusedBeforeAnythingIsWritten) {
  session_ = Session("Smith", 2);
  for (const char* name : {"../escape", "a/b", ".."}) {
    EXPECT_FALSE(SaveUnderName(session_, folders_, name, writers_.Steps(), tree_.ui).ok());
  }
  session_.tree_name = "../../escape";
  EXPECT_FALSE(SaveAll(session_, folders_, writers_.Steps(), tree_.ui).ok());
  EXPECT_FALSE(Open(dir_.File("...ged")).ok());
  EXPECT_TRUE(writers_.written.empty());
  EXPECT_FALSE(fs::exists(dir_.File("escape.ged")));
  EXPECT_EQ(tree_.ui.records().size(), 5u);
  EXPECT_EQ(tree_.ui.records()[0].caption, kTreeNameCaption);
}

TEST_F(TreeFilesTest, ReducedCopyIsWrittenUnderItsOwnNameAndReported) {
  session_ = Session("Smith", 0, 4);
  EXPECT_EQ(SaveReducedCopy(session_, folders_, ReducedCopy::kSplit, writers_.Steps(), tree_.ui),
            "Smith_Split0005");
  EXPECT_EQ(writers_.written,
            (std::vector<std::string>{"Smith_Split0005.med", "Smith_Split0005.ged"}));
  EXPECT_EQ(writers_.modes,
            (std::vector<store::WriteMode>{store::WriteMode::kSplit, store::WriteMode::kSplit}));
  EXPECT_EQ(session_.tree_name, "Smith");
  EXPECT_EQ(tree_.ui.records().back().text, "New File Created:\nSmith_Split0005");
}

TEST_F(TreeFilesTest, RemoveTreeDeletesOnlyInsideTheDataHome) {
  PutTree("Smith", "old");
  PutTree("Jones", "old");
  MakeTreeWebFolders(folders_, "Smith");
  WriteFileBytes(folders_.web + "/Smith/htm/ind/p1.htm", "page");
  WriteFileBytes(folders_.media + "/face.jpg", "jpg");
  WriteFileBytes(Config("Smith", ".adr"), "NAME A. Researcher\r\n");
  testing::TempDir outside;
  WriteFileBytes(outside.File("keep.jpg"), "jpg");
  WriteFileBytes(dir_.File("beside.jpg"), "jpg");
  auto media = [&](const std::string&) {
    return std::vector<std::string>{"face.jpg", outside.File("keep.jpg"), "../../beside.jpg",
                                    "../gedcom/Jones.ged"};
  };
  tree_.ui.QueueAnswer(Answer::kYes);
  tree_.ui.QueueAnswer(Answer::kYes);
  ASSERT_TRUE(RemoveTree(folders_, Ged("Smith"), media, tree_.ui));
  // The tree's address book goes with it.
  for (const std::string& gone : {Ged("Smith"), Config("Smith", ".cfg"), Config("Smith", ".adr"),
                                  folders_.media + "/face.jpg", folders_.web + "/Smith"}) {
    EXPECT_FALSE(fs::exists(gone)) << gone;
  }
  for (const std::string& kept : {outside.File("keep.jpg"), dir_.File("beside.jpg"), Ged("Jones")})
    EXPECT_TRUE(fs::exists(kept)) << kept;
  EXPECT_EQ(tree_.ui.records()[0].text.rfind("Remove:  \"Smith\"  family tree?\n\n[  Yes", 0), 0u);
}

TEST_F(TreeFilesTest, RemoveTreeKeepsItemsOnNoAndEverythingWhenRefused) {
  PutTree("Smith", "old");
  WriteFileBytes(folders_.media + "/face.jpg", "jpg");
  auto media = [](const std::string&) { return std::vector<std::string>{"face.jpg"}; };
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_FALSE(RemoveTree(folders_, Ged("Smith"), media, tree_.ui));
  EXPECT_TRUE(fs::exists(Ged("Smith")));
  tree_.ui.QueueAnswer(Answer::kYes);
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_TRUE(RemoveTree(folders_, Ged("Smith"), media, tree_.ui));
  EXPECT_FALSE(fs::exists(Config("Smith", ".med")));
  EXPECT_TRUE(fs::exists(folders_.media + "/face.jpg"));
  EXPECT_FALSE(RemoveTree(folders_, folders_.gedcom + "/notes.txt", media, tree_.ui));
  EXPECT_EQ(tree_.ui.records().back().text, "The file: notes.txt \nis not a family tree file.");
}

TEST_F(TreeFilesTest, RemoveTreeReportsWhatItCouldNotRemove) {
  PutTree("Smith", "old");
  MakeTreeWebFolders(folders_, "Smith");
  const std::string page = folders_.web + "/Smith/htm/ind/p1.htm";
  WriteFileBytes(page, "page");
  testing::FaultyFileSystem faulty;
  faulty.FailRemoving(Ged("Smith"));
  faulty.FailRemoving(page);
  tree_.ui.QueueAnswer(Answer::kYes);
  tree_.ui.QueueAnswer(Answer::kYes);
  EXPECT_TRUE(RemoveTree(folders_, Ged("Smith"), {}, faulty, tree_.ui));
  EXPECT_TRUE(fs::exists(Ged("Smith")));
  EXPECT_FALSE(fs::exists(Config("Smith", ".med")));  // the rest is removed
  EXPECT_FALSE(fs::exists(folders_.web + "/Smith/php"));
  const auto& report = tree_.ui.records().back();
  EXPECT_EQ(report.caption, " *** Remove Failed ***");
  for (const std::string& left :
       {Ged("Smith") + ": Permission denied", page + ": Permission denied",
        folders_.web + "/Smith/htm/ind: Directory not empty"}) {
    EXPECT_NE(report.text.find(left), std::string::npos) << report.text;
  }
}

class ClosingWriteTest : public TreeFilesTest, public ::testing::WithParamInterface<int> {};

// Steps 2 and 3 are the .cfg and sources.web; -1 fails nothing.
TEST_P(ClosingWriteTest, ClosingWritesTheSettingsAndReportsAFailure) {
  session_ = Session("Smith", 2);
  session_.changed.web_settings_changed = session_.changed.sources_changed = true;
  writers_.failing_step = GetParam();
  const Status status = WriteSettingsOnClose(session_, folders_, writers_.Steps(), tree_.ui);
  EXPECT_EQ(writers_.written, (std::vector<std::string>{"Smith.cfg", "sources.web"}));
  EXPECT_EQ(status.ok(), GetParam() < 0);
  EXPECT_EQ(session_.changed.web_settings_changed, GetParam() == 2);
  EXPECT_EQ(session_.changed.sources_changed, GetParam() == 3);
  if (GetParam() < 0) {
    EXPECT_TRUE(tree_.ui.records().empty());
    return;
  }
  const std::string failed = GetParam() == 2 ? Config("Smith", ".cfg") : SourcesFile(folders_);
  ASSERT_EQ(tree_.ui.records().size(), 1u);
  EXPECT_EQ(tree_.ui.records()[0].caption, " *** Save Failed ***");
  EXPECT_NE(tree_.ui.records()[0].text.find(failed), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EachSettingsFile, ClosingWriteTest, ::testing::Values(-1, 2, 3));

TEST_F(TreeFilesTest, ReadOnlyWindowWritesNothingAtClosing) {
  session_ = Session("Smith", 0);
  session_.read_only = true;
  EXPECT_TRUE(WriteSettingsOnClose(session_, folders_, writers_.Steps(), tree_.ui).ok());
  EXPECT_TRUE(writers_.written.empty());
}

TEST_F(TreeFilesTest, OldBackupsAreDeletedAfterTheDaysToKeep) {
  using namespace std::chrono;
  const sys_seconds today{sys_days(year(2026) / 12 / 6)};
  WriteFileBytes(folders_.backup + "/0001_Old.ged", "old");
  WriteFileBytes(folders_.backup + "/0002_Recent.ged", "recent");
  fs::last_write_time(folders_.backup + "/0001_Old.ged", file_clock::from_sys(today - days(100)));
  fs::last_write_time(folders_.backup + "/0002_Recent.ged", file_clock::from_sys(today - days(10)));
  DeleteOldBackups(folders_, 90, testing::TestNow());
  EXPECT_FALSE(fs::exists(folders_.backup + "/0001_Old.ged"));
  EXPECT_TRUE(fs::exists(folders_.backup + "/0002_Recent.ged"));
  DeleteOldBackups(folders_, 0, testing::TestNow());
  EXPECT_FALSE(fs::exists(folders_.backup + "/0002_Recent.ged"));
}

class CopyTest : public TreeFilesTest {
 protected:
  void SetUp() override {
    TreeFilesTest::SetUp();
    fs::create_directories(dir_.File("from"));
    WriteFileBytes(dir_.File("from/a.jpg"), "new a");
    WriteFileBytes(dir_.File("from/b.jpg"), "new b");
  }
  // Target files a.jpg and b.jpg, with the contents given.
  void PutTargets(const std::string& a, const std::string& b) {
    fs::create_directories(dir_.File("to/sub"));
    WriteFileBytes(dir_.File("to/sub/a.jpg"), a);
    WriteFileBytes(dir_.File("to/sub/b.jpg"), b);
  }
  CopyFlags Copy(CopyFlags flags, platform::FileSystem* files = nullptr) {
    return CopyFolderFiles(dir_.File("from"), dir_.File("to/sub"), flags,
                           files != nullptr ? *files : writers_.local, tree_.ui);
  }
};

TEST_F(CopyTest, FolderIsCopiedIntoANewTargetWithItsFileTimes) {
  EXPECT_EQ(Copy(kShowErrors), kShowErrors);
  EXPECT_EQ(ReadFileBytes(dir_.File("to/sub/b.jpg")), "new b");
  EXPECT_EQ(fs::last_write_time(dir_.File("to/sub/a.jpg")),
            fs::last_write_time(dir_.File("from/a.jpg")));
  EXPECT_EQ(tree_.ui.progress_texts().back(), "Copying: b.jpg");
  EXPECT_EQ(Copy(kAskOverwrite), kAskOverwrite);  // same size and time: not asked, not copied
  EXPECT_TRUE(tree_.ui.records().empty());
}

TEST_F(CopyTest, OverwriteQuestionCopiesSkipsOrCancelsTheGroup) {
  PutTargets("old a!", "old b!");
  tree_.ui.QueueAnswer(Answer::kYes);
  tree_.ui.QueueAnswer(Answer::kNo);
  Copy(kAskOverwrite);
  EXPECT_EQ(ReadFileBytes(dir_.File("to/sub/a.jpg")), "new a");
  EXPECT_EQ(ReadFileBytes(dir_.File("to/sub/b.jpg")), "old b!");
  const auto& question = tree_.ui.records()[0];
  EXPECT_EQ(question.caption, " Confirm File Replacement");
  EXPECT_NE(question.text.find("File Name:  a.jpg\n\nSize........:  6 bytes"), std::string::npos);
  WriteFileBytes(dir_.File("to/sub/a.jpg"), "old a!");
  tree_.ui.QueueAnswer(Answer::kCancel);
  EXPECT_EQ(Copy(kAskOverwrite), kAskOverwrite | kCopyCancelled);
  EXPECT_EQ(tree_.ui.records().size(), 3u);  // b.jpg is not asked about
  EXPECT_EQ(ReadFileBytes(dir_.File("to/sub/a.jpg")), "old a!");
}

// Answers the overwrite question with a script and ticks its check box.
class CheckingInteraction final : public platform::Interaction {
 public:
  explicit CheckingInteraction(platform::HeadlessInteraction& inner) : inner_(inner) {}
  std::vector<std::string> check_texts;

  void Message(std::string_view c, std::string_view t, platform::Icon i) override {
    inner_.Message(c, t, i);
  }
  Answer Ask(std::string_view c, std::string_view t, platform::Icon i,
             platform::Buttons b) override {
    return inner_.Ask(c, t, i, b);
  }
  Answer AskWithCheck(std::string_view c, std::string_view t, platform::Icon i, platform::Buttons b,
                      std::string_view check_text, bool* checked) override {
    check_texts.emplace_back(check_text);
    *checked = true;
    return inner_.Ask(c, t, i, b);
  }
  std::optional<int> ChooseParentType(std::string_view, std::string_view, std::string_view,
                                      int offered) override {
    return offered;
  }
  std::optional<int> ChooseRemainingParent(std::string_view, std::string_view) override {
    return 0;
  }
  platform::LinkFixAnswer FixLink(const platform::LinkProblem&) override {
    return platform::LinkFixAnswer::kStop;
  }
  void ProgressShow(std::string_view, std::string_view) override {}
  void ProgressRange(int) override {}
  void ProgressPosition(int) override {}
  void ProgressText(std::string_view) override {}
  void ProgressHide() override {}
  int TextWidth(std::string_view text) override { return static_cast<int>(text.size()); }
  const platform::Clock& clock() const override { return inner_.clock(); }

 private:
  platform::HeadlessInteraction& inner_;
};

TEST_F(CopyTest, OverwriteCheckBoxCopiesTheRestOfTheGroupWithoutAsking) {
  PutTargets("old a!", "old b!");
  CheckingInteraction asking(tree_.ui);
  tree_.ui.QueueAnswer(Answer::kNo);
  const CopyFlags flags = CopyFolderFiles(dir_.File("from"), dir_.File("to/sub"), kAskOverwrite,
                                          writers_.local, asking);
  EXPECT_EQ(flags & kAskOverwrite, 0);
  EXPECT_EQ(ReadFileBytes(dir_.File("to/sub/a.jpg")), "old a!");  // answered No
  EXPECT_EQ(ReadFileBytes(dir_.File("to/sub/b.jpg")), "new b");   // not asked
  EXPECT_EQ(asking.check_texts,
            (std::vector<std::string>{"Do Not Show More Write Over Messages for This Group"}));
}

TEST_F(CopyTest, EmptyTargetIsReplacedAndOnlyNewerFilesAreCopied) {
  PutTargets("", "old b");
  fs::last_write_time(dir_.File("to/sub/a.jpg"),
                      fs::last_write_time(dir_.File("from/a.jpg")) - std::chrono::hours(1));
  fs::last_write_time(dir_.File("to/sub/b.jpg"),
                      fs::last_write_time(dir_.File("from/b.jpg")) + std::chrono::hours(1));
  Copy(kAskOverwrite | kNewerOnly);
  EXPECT_EQ(ReadFileBytes(dir_.File("to/sub/a.jpg")), "new a");
  EXPECT_EQ(ReadFileBytes(dir_.File("to/sub/b.jpg")), "old b");
  EXPECT_TRUE(tree_.ui.records().empty());
}

TEST_F(CopyTest, ErrorsAreCollectedAndReportedUntilTheUserDeclines) {
  fs::create_directories(dir_.File("to/sub"));
  WriteFileBytes(dir_.File("to/sub/a.jpg"), "old a");
  testing::FaultyFileSystem full(2);
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_EQ(Copy(kShowErrors, &full), kCopyErrors);
  EXPECT_EQ(tree_.ui.records().size(), 1u);
  EXPECT_EQ(tree_.ui.records()[0].text, "File failed to copy: " + dir_.File("from/a.jpg") +
                                            "\n\nDo you want to more error messages?");
  EXPECT_EQ(ReadFileBytes(dir_.File("to/sub/a.jpg")), "old a");
  CopyFlags missing = CopyOneFile("none.jpg", dir_.File("from"), dir_.File("to"), kShowErrors,
                                  writers_.local, tree_.ui);
  EXPECT_EQ(missing, kShowErrors | kCopyErrors);
  EXPECT_EQ(tree_.ui.records().back().caption, " *** Error Copying File ***");
}

TEST_F(TreeFilesTest, GedcomStepsRoundTripTheStore) {
  testing::LoadOwnTree(tree_, {"0 @I000001@ INDI", "1 NAME Ann /Smith/", "1 SEX F"});
  platform::LocalFileSystem local;
  session_ = Session("Smith");
  session_.changed.tree_modified = true;
  ASSERT_TRUE(SaveAll(session_, folders_, GedcomSaveSteps(tree_.store, local), tree_.ui).ok());
  testing::TestTree reopened;
  ASSERT_TRUE(OpenTree(session_, folders_, OpenRequest{"Smith.ged"},
                       GedcomOpenSteps(reopened.store, CoreTreeReader()), reopened.ui)
                  .ok());
  EXPECT_EQ(session_.save_state, kOpenedSaveState);
  ASSERT_NE(reopened.store.individual(1), nullptr);
  EXPECT_FALSE(session_.changed.tree_modified);
}

}  // namespace
}  // namespace kinloom::files
