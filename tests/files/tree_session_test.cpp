#include "files/tree_session.h"

#include <gtest/gtest.h>

#include <set>

#include "support/test_support.h"

namespace kinloom::files {
namespace {

using platform::Answer;
using Lines = std::vector<std::string>;

TreeSession Session(const std::string& name, int save_state = kNewTreeSaveState, int counter = 0) {
  TreeSession session;
  session.tree_name = name;
  session.save_state = save_state;
  session.backup_counter = counter;
  return session;
}

TEST(TreeNames, BackupPrefixIsFourBase36DigitsAndTypedNamesLoseTheirExtension) {
  EXPECT_EQ(BackupPrefix(1), "0001");
  EXPECT_EQ(BackupPrefix(35), "000Z");
  EXPECT_EQ(BackupPrefix(46655), "0ZZZ");
  EXPECT_EQ(BackupPrefix(1679616), "0000");
  EXPECT_EQ(BackupName("/d/backup", 37, "Smith", ".med"), "/d/backup/0011_Smith.med");
  EXPECT_EQ(ReducedCopyName("Smith", ReducedCopy::kSplit, 5), "Smith_Split0005");
  EXPECT_EQ(ReducedCopyName("Smith", ReducedCopy::kHide, 36), "Smith_Hide0010");
  EXPECT_EQ(ReducedCopyName("Smith", ReducedCopy::kBoth, 1), "Smith_Split_Hide0001");
  EXPECT_EQ(WithoutGedExtension("Smith.GED"), "Smith");
  EXPECT_EQ(WithoutGedExtension("Smith.gedcom"), "Smith.gedcom");
  EXPECT_EQ(NewTreeNameFromField("Smith.old"), "Smith");
  EXPECT_EQ(NewTreeNameFromField("    Enter Name for New Tree Here"), "");
}

class SaveDialogTest : public ::testing::Test {
 protected:
  SaveExplanation Explain(std::string_view typed) {
    return ExplainSave(session_, "Smith", typed,
                       [this](const std::string& name) { return existing_.count(name) > 0; });
  }
  TreeSession session_ = Session("Smith", kOpenedSaveState, 4);
  std::set<std::string> existing_ = {"Smith", "Jones"};
};

TEST_F(SaveDialogTest, EmptyNamesAndNamesThatLeaveTheDataFoldersCannotBeSaved) {
  EXPECT_FALSE(Explain(".ged").save_enabled);
  EXPECT_EQ(Explain(".ged").lines, Lines{"Family Tree Name Too Short"});
  for (const char* typed : {"../Smith", "a/b", "..", "a\\b"}) {
    SaveExplanation e = Explain(typed);
    EXPECT_FALSE(e.save_enabled) << typed;
    ASSERT_EQ(e.lines.size(), 1u);
    EXPECT_NE(e.lines[0].find("cannot be used"), std::string::npos);
  }
}

TEST_F(SaveDialogTest, FirstSaveOfOpenedTreeTurnsItIntoABackupAndLaterOnesUpdate) {
  SaveExplanation e = Explain("Smith.ged");
  EXPECT_EQ(e.name, "Smith");
  EXPECT_TRUE(e.save_enabled);
  EXPECT_TRUE(e.backup_needed);
  EXPECT_EQ(e.lines,
            (Lines{"The startup file for this family tree session was.........:  Smith.ged",
                   " It will be converted to a backup file and renamed....:  0005_Smith.ged",
                   "The current family tree session will be saved to ......:  Smith.ged"}));
  session_.save_state = 2;
  e = Explain("Smith");
  EXPECT_FALSE(e.backup_needed);
  EXPECT_EQ(e.lines,
            (Lines{"Earlier the current family tree was saved to................:  Smith.ged",
                   "Saving again will update that file with the current family tree "
                   "information."}));
  existing_.insert("smith");  // another file, as names differ by case
  EXPECT_TRUE(Explain("smith").backup_needed);
}

TEST_F(SaveDialogTest, OtherNamesExplainTheBackupOrItsAbsence) {
  SaveExplanation jones = Explain("Jones");
  EXPECT_TRUE(jones.backup_needed);
  ASSERT_EQ(jones.lines.size(), 4u);
  EXPECT_EQ(jones.lines[1],
            "There is already a file named.....................................:  Jones.ged");
  EXPECT_EQ(jones.lines[2],
            " It will be converted to a backup file and renamed....:  0005_Jones.ged");

  session_.origin = TreeOrigin::kBackupFolder;
  SaveExplanation brown = Explain("Brown");
  EXPECT_FALSE(brown.backup_needed);
  EXPECT_EQ(brown.lines[1],
            "This was a backup of another file without the four digit prefix number.");
  EXPECT_EQ(brown.lines[2], "The current family tree session will be saved to ......:  Brown.ged");
  session_.save_state = kNewTreeSaveState;
  EXPECT_EQ(Explain("Brown").lines.front(), "New family tree started. It has not yet been saved.");
}

class SaveChangesTest : public ::testing::Test {
 protected:
  testing::TestTree tree_;
  TreeSession session_ = Session("Smith");
};

TEST_F(SaveChangesTest, UnchangedTreeProceedsAndAnswersMapToSaveAndProceed) {
  session_.changed.sources_changed = true;  // written on closing anyway
  SaveChangesAnswer unchanged = ConfirmSaveChanges(session_, false, tree_.ui);
  EXPECT_TRUE(unchanged.proceed && !unchanged.save_first);
  EXPECT_TRUE(tree_.ui.records().empty());

  session_.changed.albums_changed = true;
  for (Answer a : {Answer::kYes, Answer::kNo, Answer::kCancel}) tree_.ui.QueueAnswer(a);
  SaveChangesAnswer yes = ConfirmSaveChanges(session_, true, tree_.ui);
  SaveChangesAnswer no = ConfirmSaveChanges(session_, false, tree_.ui);
  SaveChangesAnswer cancel = ConfirmSaveChanges(session_, false, tree_.ui);
  EXPECT_TRUE(yes.save_first && yes.proceed);
  EXPECT_TRUE(!no.save_first && no.proceed);
  EXPECT_TRUE(!cancel.save_first && !cancel.proceed);
  ASSERT_EQ(tree_.ui.records().size(), 3u);
  EXPECT_EQ(tree_.ui.records()[0].caption, "Confirm");
  EXPECT_TRUE(tree_.ui.records()[0].text.starts_with(
      "Save changes to: Smith\n\n[  Yes   ]  Save Old Family Tree - Then Open New"));
  EXPECT_NE(tree_.ui.records()[1].text.find("[  Yes   ]  Save then Exit program."),
            std::string::npos);
}

TEST_F(SaveChangesTest, ReadOnlyTreeIsNeverSavedAndMayStayOpen) {
  session_.changed.tree_modified = true;
  session_.read_only = true;
  tree_.ui.QueueAnswer(Answer::kYes);
  tree_.ui.QueueAnswer(Answer::kNo);
  SaveChangesAnswer a = ConfirmSaveChanges(session_, false, tree_.ui);
  EXPECT_FALSE(a.save_first || a.proceed);
  ASSERT_EQ(tree_.ui.records().size(), 2u);
  EXPECT_EQ(tree_.ui.records()[1].caption, " *** Read Only File ***");
  EXPECT_NE(tree_.ui.records()[1].text.find("Do you want to close this without saving first?"),
            std::string::npos);
}

TEST_F(SaveChangesTest, ReadOnlyAndAutomaticSaveExcludeEachOther) {
  EXPECT_FALSE(SetReadOnlyOption(session_, true, tree_.ui));
  EXPECT_FALSE(session_.read_only);
  EXPECT_TRUE(SetAutoSaveOption(session_, false, tree_.ui));
  EXPECT_TRUE(SetReadOnlyOption(session_, true, tree_.ui));
  EXPECT_FALSE(SetAutoSaveOption(session_, true, tree_.ui));
  EXPECT_FALSE(session_.auto_save.enabled);
  EXPECT_EQ(tree_.ui.Captions(), (Lines{" Configuration Conflict", " Configuration Conflict"}));
}

class AutoSaveDecisionTest : public ::testing::Test {
 protected:
  AutoSaveDecision At(int seconds_after_start, bool busy = false) {
    platform::FixedClock clock(testing::TestNow());
    clock.AdvanceSeconds(seconds_after_start);
    return DecideAutoSave(session_, clock.Now(), busy);
  }
  void SetUp() override {
    session_.auto_save.period_start = testing::TestNow();
    session_.changed.tree_modified = true;
  }
  TreeSession session_ = Session("Smith");
};

TEST_F(AutoSaveDecisionTest, WaitsForThePeriodSavesRetriesWhenBusyAndSkipsWhenUnchanged) {
  EXPECT_EQ(At(9 * 60).action, AutoSaveAction::kWait);
  EXPECT_EQ(At(9 * 60).next_tick_ms, 60000);
  EXPECT_EQ(At(10 * 60).action, AutoSaveAction::kSave);
  EXPECT_EQ(At(10 * 60).next_tick_ms, 600000);
  EXPECT_EQ(At(600, true).action, AutoSaveAction::kRetry);
  EXPECT_EQ(At(600, true).next_tick_ms, 2000);
  session_.changed = {};
  EXPECT_EQ(At(600).action, AutoSaveAction::kUnchanged);
  session_.changed.web_settings_changed = true;
  EXPECT_EQ(At(600).action, AutoSaveAction::kSave);
}

TEST_F(AutoSaveDecisionTest, MinutesAreKeptInRangeAndReadOnlyStopsTheTimer) {
  session_.auto_save.minutes = 1;
  EXPECT_EQ(At(60).action, AutoSaveAction::kWait);
  EXPECT_EQ(At(300).action, AutoSaveAction::kSave);
  session_.auto_save.minutes = 1000;
  EXPECT_EQ(AutoSavePeriodMs(session_), 240 * 60000);
  session_.read_only = true;
  EXPECT_EQ(At(100000).action, AutoSaveAction::kOff);
}

TEST(WindowCaptions, CopyNumberIsShownInASecondWindow) {
  TreeSession session = Session("Smith");
  EXPECT_EQ(WindowCaption(session, "Kinloom"), "Kinloom - Smith");
  session.copy_number = 2;
  EXPECT_EQ(WindowCaption(session, "Kinloom"), "Kinloom - Copy Number: 2 - Smith");
}

}  // namespace
}  // namespace kinloom::files
