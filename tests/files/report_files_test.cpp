#include "files/report_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/test_tree_builder.h"
#include "support/test_support.h"

namespace kinloom::files {
namespace {

using platform::Answer;
using testing::ReadFileBytes;
using testing::TempDir;

constexpr char kDate[] = "6 December 2026";

class ReportFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::TestTreeBuilder b;
    b.Person("Ren\xe9 /Lee/", 'M', {"1 BIRT", "2 DATE 1900"});  // "René"
    b.Person("Ann /Lee/", 'F');
    b.Person("Kid /Lee/", 'F');
    b.Family(1, 2, {{3}});
    b.LoadInto(tree_);
    settings_.report_file_counter = 7;
  }

  ReportSaveContext Context(platform::FileSystem& file_system) {
    return ReportSaveContext{tree_.ui, file_system, folder_.path(), settings_};
  }

  testing::TestTree tree_;
  TempDir folder_;
  ProgramSettings settings_;
  platform::LocalFileSystem local_;
};

TEST_F(ReportFilesTest, AncestorListQuestionFileAndCounter) {
  ReportSaveContext context = Context(local_);
  const SavedReport saved = SaveAncestorList(context, tree_.store, 3, 6, kDate);
  ASSERT_EQ(saved.outcome, SaveOutcome::kSaved);
  EXPECT_EQ(saved.path, folder_.File("Ancestors_000003_7.txt"));
  ASSERT_EQ(tree_.ui.records().size(), 1u);
  EXPECT_EQ(tree_.ui.records()[0].caption, " Copy Ancestors List to Computer File ");
  EXPECT_EQ(tree_.ui.records()[0].text,
            "This creates an ancestors list file for:\nKid Lee (3)\n\nNew file name:  "
            "Ancestors_000003_7.txt\n\nThis file is saved in the \"My_Files\" directory.\n" +
                folder_.path() +
                "\n\nTo view the \"My_Files\" directory:\n1. First:  Close this \"Reports\" "
                "window.\n2. Next:  Select \"Folders\" on the main display window.\n3. Last:  "
                "Select \"My Files\" on the \"Open Folder\" window.\n\nDo you want to proceed?");
  const std::string title = "Kid Lee (3)";
  EXPECT_EQ(ReadFileBytes(saved.path),
            title + std::string(80 - title.size() - 15, ' ') + kDate + "\r\n" +
                std::string(80, '-') +
                "\r\n    /Ren\xc3\xa9 Lee (1)   b. 1900  \r\n Kid Lee (3)   "
                "\r\n    \\Ann Lee (2)   \r\n")
      << "UTF-8 with CR LF line ends";
  EXPECT_EQ(settings_.report_file_counter, 8);
  EXPECT_TRUE(settings_.sources_changed);

  const SavedReport second = SaveDescendantList(context, tree_.store, 1, 6, kDate);
  EXPECT_EQ(second.path, folder_.File("Descendants_000001_8.txt"));
  EXPECT_EQ(tree_.ui.records()[1].caption, " Copy Descendants List to Computer File ");
  EXPECT_EQ(tree_.ui.records()[1].text.rfind("This creates an descendants list file for:\n"
                                             "Ren\xe9 Lee (1)\n\n",
                                             0),
            0u);
  EXPECT_EQ(settings_.report_file_counter, 9);
}

TEST_F(ReportFilesTest, WhatAnImportDroppedIsSummedUpAndSavedInUtf8) {
  store::DroppedLines dropped;
  const std::string record = "0 @I3@ INDI";
  dropped.SetRecord('I', 1, record);
  dropped.Add(store::DropReason::kNotKept, "2 CAUS Fi\xe8vre");
  ReportSaveContext context = Context(local_);
  const SavedReport saved = OfferDroppedLinesReport(context, dropped);
  ASSERT_EQ(saved.outcome, SaveOutcome::kSaved);
  EXPECT_EQ(saved.path, folder_.File("NotCarriedOver_7.txt"));
  ASSERT_EQ(tree_.ui.records().size(), 1u);
  EXPECT_EQ(tree_.ui.records()[0].caption, std::string(kNotCarriedOverCaption));
  EXPECT_EQ(tree_.ui.records()[0].text.rfind(store::DroppedSummary(dropped) + "\n\n", 0), 0u);
  const std::string bytes = ReadFileBytes(saved.path);
  EXPECT_NE(bytes.find("2 CAUS Fi\xc3\xa8vre"), std::string::npos) << bytes;  // converted once
  EXPECT_NE(bytes.find("\r\n"), std::string::npos);
  EXPECT_EQ(settings_.report_file_counter, 8);
}

TEST_F(ReportFilesTest, DeclinedTakenAndFailedSaves) {
  ReportSaveContext context = Context(local_);
  tree_.ui.QueueAnswer(Answer::kNo);
  EXPECT_EQ(SaveAncestorList(context, tree_.store, 3, 6, kDate).outcome, SaveOutcome::kDeclined);
  EXPECT_EQ(settings_.report_file_counter, 7);
  EXPECT_FALSE(testing::ReadFileBytes(folder_.File("Ancestors_000003_7.txt")).size() > 0);

  // Names already taken are passed over: an earlier report is never replaced.
  testing::WriteFileBytes(folder_.File("Ancestors_000003_7.txt"), "old");
  testing::WriteFileBytes(folder_.File("Ancestors_000003_8.txt"), "old");
  const SavedReport saved = SaveAncestorList(context, tree_.store, 3, 6, kDate);
  EXPECT_EQ(saved.path, folder_.File("Ancestors_000003_9.txt"));
  EXPECT_EQ(ReadFileBytes(folder_.File("Ancestors_000003_7.txt")), "old");
  EXPECT_EQ(settings_.report_file_counter, 10);

  // A write that fails is reported with the file and why; the counter stays.
  testing::FaultyFileSystem failing(10);
  ReportSaveContext broken = Context(failing);
  tree_.ui.ClearRecords();
  const SavedReport failed = SaveDescendantList(broken, tree_.store, 1, 6, kDate);
  EXPECT_EQ(failed.outcome, SaveOutcome::kFailed);
  EXPECT_EQ(settings_.report_file_counter, 10);
  ASSERT_EQ(tree_.ui.records().size(), 2u);
  EXPECT_EQ(tree_.ui.records()[1].caption, kReportNotSavedCaption);
  EXPECT_NE(tree_.ui.records()[1].text.find("Descendants_000001_10.txt"), std::string::npos);
  EXPECT_FALSE(testing::ReadFileBytes(failed.path).size() > 0) << "no partial file";

  // A folder that cannot hold files: the cause is named.
  settings_.report_file_counter = 0;
  testing::WriteFileBytes(folder_.File("not_a_folder"), "");
  ReportSaveContext nowhere{tree_.ui, local_, folder_.File("not_a_folder"), settings_};
  EXPECT_EQ(SaveAncestorList(nowhere, tree_.store, 3, 6, kDate).outcome, SaveOutcome::kFailed);
  EXPECT_NE(tree_.ui.records().back().text.find("Not a directory"), std::string::npos)
      << tree_.ui.records().back().text;
  EXPECT_EQ(settings_.report_file_counter, 0);
}

TEST_F(ReportFilesTest, RelationshipQuestionAndFile) {
  ReportSaveContext context = Context(local_);
  const reports::Relationship r = reports::FindRelationship(tree_.store, 3, 1);
  const SavedReport saved = SaveRelationship(context, r);
  EXPECT_EQ(saved.path, folder_.File("Relationship_000003_000001_7.txt"));
  EXPECT_EQ(tree_.ui.records()[0].caption, " Copy Relationship List to Computer File ");
  const std::string question = tree_.ui.records()[0].text;
  EXPECT_EQ(question.substr(0, question.find(" directory.\n")),
            "This creates a relationship list file in the \"My Files\" directory\nfor:   Kid Lee "
            "(3)\nand:  Ren\xe9 Lee (1) \n\nNew file name:  Relationship_000003_000001_7.txt\n"
            "This file is saved in the \"My_Files\"");
  const std::string bytes = ReadFileBytes(saved.path);
  // Names are padded by characters, so the columns line up in UTF-8 too.
  EXPECT_EQ(
      bytes.substr(0, 74),
      "Relationship Between:\r\nKid Lee (3)   (Daughter)\r\nRen\xc3\xa9 Lee (1)  (Father)\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 102), "\r\n" + std::string(100, '-'))
      << "the last dash line has no line end";
}

}  // namespace
}  // namespace kinloom::files
