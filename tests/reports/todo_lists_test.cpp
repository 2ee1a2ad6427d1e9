// The information explorer's lists: every criterion on a small tree, Create and Update with
// their questions, ticks, the user's own list shared with the person page's box, the bits in
// the tree file, and the saved lines and memo.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/tree_reading.h"
#include "platform/file_io.h"
#include "reports/todo_criteria.h"
#include "reports/todo_lists.h"
#include "reports/todo_output.h"
#include "store/gedcom_writer.h"
#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::reports {
namespace {

using platform::Answer;
using testing::TestTree;
using Lines = std::vector<std::string>;

// 1 Tom Smith and 2 Ann Jones are the parents of 3 Jim Smith (born 12 Mar 1850 in York) and 4
// Sue (only her mother is known: family 2). 3 married 5 Eve Smithers; their child is 6. 7 Bob
// Blacksmith was born 11 Mar 1850 in New York and cites source 1. 8 has no name or dates.
// clang-format off
const Lines kTree = {
    "0 @I000001@ INDI", "1 NAME Tom /Smith/", "1 SEX M", "1 BIRT", "2 DATE 1 JAN 1860",
        "2 PLAC Leeds", "1 DEAT", "2 DATE 1900", "1 FAMS @F000001@", "1 CHAN", "2 DATE 5 MAY 2001",
    "0 @I000002@ INDI", "1 NAME Ann /Jones/", "1 SEX F", "1 FAMS @F000001@", "1 FAMS @F000002@",
    "0 @I000003@ INDI", "1 NAME Jim /Smith/", "1 SEX M", "1 BIRT", "2 DATE 12 MAR 1850",
        "2 PLAC York", "1 FAMC @F000001@", "1 FAMS @F000003@", "1 CHAN", "2 DATE 6 MAY 2001",
    "0 @I000004@ INDI", "1 NAME Sue /Jones/", "1 SEX F", "1 FAMC @F000002@",
    "0 @I000005@ INDI", "1 NAME Eve /Smithers/", "1 SEX F", "1 DEAT", "2 PLAC Hull",
        "1 FAMS @F000003@",
    "0 @I000006@ INDI", "1 NAME Kid /Smith/", "1 SEX M", "1 FAMC @F000003@",
    "0 @I000007@ INDI", "1 NAME Bob /Blacksmith/", "1 SEX M", "1 BIRT", "2 DATE 11 MAR 1850",
        "2 PLAC New York", "1 SOUR @S000001@",
    "0 @I000008@ INDI", "1 SEX U",
    "0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@",
    "0 @F000002@ FAM", "1 WIFE @I000002@", "1 CHIL @I000004@",
    "0 @F000003@ FAM", "1 HUSB @I000003@", "1 WIFE @I000005@", "1 CHIL @I000006@",
    "0 @S000001@ SOUR", "1 TITL Parish register",
};
// clang-format on

class ToDoTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::LoadOwnTree(t_, kTree); }

  std::vector<int> Build(int list, const ToDoFields& fields, ToDoBuild build = ToDoBuild::kCreate) {
    BuildToDoList(t_.store, list, build, fields);
    return ListMembers(t_.store, list);
  }
  store::IndividualRecord& Record(int n) { return *t_.store.individual(n); }

  TestTree t_;
};

// Members come in search-list order: 8 (no name) first, then by surname and given names.
TEST_F(ToDoTest, EveryCriterionListsItsPeople) {
  struct Case {
    const char* name;
    int list;
    std::function<void(ToDoFields&)> set;
    std::vector<int> members;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"no parents", kNoParentsList, [](auto&) {}, {8, 7, 2, 1, 5}},
      {"one or no parent", kNoParentsList, [](auto& f) { f.one_or_no_parent = true; },
       {8, 7, 2, 4, 1, 5}},
      {"no birth date", kMissingInfoList, [](auto& f) { f.missing.birth_date = true; },
       {8, 2, 4, 6, 5}},
      {"no death date", kMissingInfoList, [](auto& f) { f.missing.death_date = true; },
       {8, 7, 2, 4, 3, 6, 5}},
      {"unknown given name", kMissingInfoList, [](auto& f) { f.missing.given_name = true; }, {8}},
      {"no death place", kMissingInfoList, [](auto& f) { f.missing.death_place = true; },
       {8, 7, 2, 4, 3, 6, 1}},
      {"no surname", kMissingInfoList, [](auto& f) { f.missing.last_and_title = true; }, {8}},
      {"born in a range, both ends included", kBirthDateList,
       [](auto& f) { f.birth = {"12 MAR 1850", "1 JAN 1860"}; }, {3, 1}},
      {"changed in a range", kModifiedDateList,
       [](auto& f) { f.modified = {"6 MAY 2001", "31 DEC 2001"}; }, {3}},
      {"died in a range", kDeathDateList, [](auto& f) { f.death = {"1800", "1900"}; }, {1}},
      {"ancestors", kAncestorsList, [](auto& f) { f.ancestors_of = 6; }, {2, 3, 6, 1, 5}},
      {"descendants", kDescendantsList, [](auto& f) { f.descendants_of = 2; }, {2, 4, 3, 6}},
      {"surname smi", kSurnameList, [](auto& f) { f.surname = " smi "; }, {7, 3, 6, 1, 5}},
      {"birth place", kBirthPlaceList, [](auto& f) { f.birth_place = "YORK"; }, {7, 3}},
      {"no birth place given", kBirthPlaceList, [](auto&) {}, {}},
      {"death place", kDeathPlaceList, [](auto& f) { f.death_place = "hull"; }, {5}},
      {"source", kSourceList, [](auto& f) { f.source = 1; }, {7}},
  };
  // clang-format on
  for (const Case& c : cases) {
    ToDoFields fields;
    c.set(fields);
    EXPECT_EQ(Build(c.list, fields), c.members) << c.name;
    EXPECT_EQ(CountsText(CountList(t_.store, c.list)),
              "0 of " + std::to_string(c.members.size()) + " checked")
        << c.name;
  }
}

TEST_F(ToDoTest, CreateAndUpdateAskFirstAndUpdateKeepsTicks) {
  ToDoFields fields;
  fields.surname = "jones";
  EXPECT_EQ(Build(kSurnameList, fields), (std::vector<int>{2, 4}));
  EXPECT_EQ(t_.ui.records().back().caption, "Confirm - Create New List");
  EXPECT_EQ(t_.ui.records().back().text,
            "This will also remove the old list.\n\nDo you want to proceed?");
  EXPECT_TRUE(t_.store.tree_modified());
  ASSERT_TRUE(SetListTicked(t_.store, kSurnameList, 4, true));

  // Update adds the Smiths (and Blacksmith, Smithers) and keeps Sue's tick.
  fields.surname = "smith";
  const ToDoBuildResult update = BuildToDoList(t_.store, kSurnameList, ToDoBuild::kUpdate, fields);
  EXPECT_EQ(t_.ui.records().back().caption, "Confirm - Update Current List");
  EXPECT_EQ(update.added, 5);
  EXPECT_EQ(CountsText(update.counts), "1 of 7 checked");
  EXPECT_TRUE(IsListTicked(Record(4), kSurnameList));

  // No to the question changes nothing.
  t_.ui.QueueAnswer(Answer::kNo);
  EXPECT_FALSE(BuildToDoList(t_.store, kSurnameList, ToDoBuild::kCreate, {}).built);
  EXPECT_EQ(CountsText(CountList(t_.store, kSurnameList)), "1 of 7 checked");

  // Create starts afresh: Sue's tick goes with the old list.
  EXPECT_EQ(Build(kSurnameList, fields), (std::vector<int>{7, 3, 6, 1, 5}));
  EXPECT_EQ(CountsText(CountList(t_.store, kSurnameList)), "0 of 5 checked");
  // Other lists' bits in the same byte are left alone.
  EXPECT_TRUE(IsOffList(Record(4), kSurnameList));
}

TEST_F(ToDoTest, DateRangesRefuseAFromDateAfterTheToDate) {
  ToDoFields fields;
  fields.birth = {"12 MAR 1850", "11 MAR 1850"};
  t_.store.set_tree_modified(false);
  EXPECT_FALSE(BuildToDoList(t_.store, kBirthDateList, ToDoBuild::kCreate, fields).built);
  ASSERT_EQ(t_.ui.records().size(), 1u);
  EXPECT_EQ(t_.ui.records()[0].caption, " *** Invalid Dates ***");
  EXPECT_EQ(t_.ui.records()[0].text, "\"From Date\" must be earlier than \"Until Date\"");
  EXPECT_FALSE(t_.store.tree_modified());
}

TEST_F(ToDoTest, TheToDoBoxAndListZeroAreOne) {
  // Ticking the person page's box puts the person on the list, ticked, with a description.
  EXPECT_TRUE(SetMyToDoBox(t_.store, 3, true));
  EXPECT_EQ(ListMembers(t_.store, kMyToDoList), (std::vector<int>{3}));
  EXPECT_EQ(ToDoText(t_.store, 3), "Enter Description Here");
  EXPECT_EQ(CountsText(CountList(t_.store, kMyToDoList)), "1 of 1 checked");
  // Unticking in the list clears the box; ticking again sets it.
  EXPECT_TRUE(SetListTicked(t_.store, kMyToDoList, 3, false));
  EXPECT_FALSE(MyToDoBoxChecked(t_.store, 3));
  EXPECT_TRUE(SetListTicked(t_.store, kMyToDoList, 3, true));
  EXPECT_TRUE(MyToDoBoxChecked(t_.store, 3));
  // Clearing the box keeps the person on the list.
  EXPECT_TRUE(SetMyToDoBox(t_.store, 3, false));
  EXPECT_EQ(CountsText(CountList(t_.store, kMyToDoList)), "0 of 1 checked");

  // Add; a member is not added twice; a non-member cannot be ticked.
  EXPECT_TRUE(AddToMyToDoList(t_.store, 7));
  EXPECT_FALSE(AddToMyToDoList(t_.store, 7));
  EXPECT_FALSE(SetListTicked(t_.store, kMyToDoList, 5, true));
  SetToDoText(t_.store, 7, "Find the will");

  // Remove asks; No keeps the person, Yes takes them off but keeps what was written.
  t_.ui.QueueAnswer(Answer::kNo);
  EXPECT_FALSE(RemoveFromMyToDoList(t_.store, 7));
  EXPECT_TRUE(RemoveFromMyToDoList(t_.store, 7));
  EXPECT_EQ(t_.ui.records().back().caption, "Confirm");
  EXPECT_EQ(t_.ui.records().back().text,
            "Remove: Bob Blacksmith (7) from this list?\r\nThe person is not removed from the "
            "family tree.");
  EXPECT_EQ(ListMembers(t_.store, kMyToDoList), (std::vector<int>{3}));
  EXPECT_TRUE(AddToMyToDoList(t_.store, 7));
  EXPECT_EQ(ToDoText(t_.store, 7), "Find the will");
}

TEST_F(ToDoTest, ListBitsAndDescriptionsRoundTripThroughTheTreeFile) {
  // Each person gets a different pattern over all twelve lists.
  for (int n = 1; n <= 8; ++n) {
    for (int list = 0; list < kToDoListCount; ++list) {
      SetListBits(Record(n), list, (n + list) % 3 != 0, (n * list) % 4 == 1);
    }
  }
  SetToDoText(t_.store, 2, "Look for the marriage");
  testing::TempDir dir;
  platform::LocalFileSystem file_system;
  ASSERT_TRUE(
      store::WriteTree(t_.store, dir.File("out.ged"), store::WriteMode::kNormal, file_system).ok());
  TestTree back;
  ASSERT_EQ(core::ReadTree(back.store, dir.File("out.ged"), false).outcome,
            store::ReadOutcome::kRead);
  for (int n = 1; n <= 8; ++n) {
    for (int list = 0; list < kToDoListCount; ++list) {
      EXPECT_EQ(IsListMember(*back.store.individual(n), list), IsListMember(Record(n), list))
          << n << " " << list;
      EXPECT_EQ(IsListTicked(*back.store.individual(n), list), IsListTicked(Record(n), list))
          << n << " " << list;
    }
  }
  EXPECT_EQ(ToDoText(back.store, 2), "Look for the marriage");
}

TEST_F(ToDoTest, SavedLinesFileNameAndMemo) {
  ToDoFields fields;
  fields.surname = "jones";
  Build(kSurnameList, fields);
  SetListTicked(t_.store, kSurnameList, 4, true);
  EXPECT_EQ(
      ToDoListLines(t_.store, kSurnameList),
      (Lines{"To Do: Surname", "", "  Jones, Ann (2)", "* Jones, Sue (4)", "", "1 of 2 checked"}));
  SetMyToDoBox(t_.store, 6, true);
  EXPECT_EQ(ToDoListLines(t_.store, kMyToDoList),
            (Lines{"To Do: My To Do List", "", "* Smith, Kid (6)", "      Enter Description Here",
                   "", "1 of 1 checked"}));
  EXPECT_EQ(ToDoFileName(kMyToDoList, 7), "ToDo_My To Do List_7.txt");
  EXPECT_EQ(ToDoSaveQuestionStart(kSurnameList, "ToDo_Surname_7.txt"),
            "This creates a To Do list file in the \"My Files\" directory\nfor the:   Surname list "
            "\n\nNew file name:  ToDo_Surname_7.txt");
  EXPECT_EQ(ToDoPrintHeading(kDeathPlaceList), "To Do: Death Place");

  testing::TempDir dir;
  platform::LocalFileSystem file_system;
  std::string path;
  ASSERT_TRUE(EnsureToDoMemo(file_system, dir.path(), &path).ok());
  EXPECT_EQ(path, dir.File("ToDoMemo.rtf"));
  EXPECT_EQ(testing::ReadFileBytes(path).rfind("{\\rtf1", 0), 0u);
  // What the user wrote in the memo is never written over.
  testing::WriteFileBytes(path, "{\\rtf1 notes}");
  ASSERT_TRUE(EnsureToDoMemo(file_system, dir.path(), &path).ok());
  EXPECT_EQ(testing::ReadFileBytes(path), "{\\rtf1 notes}");
  testing::TempDir other;
  testing::FaultyFileSystem full(0);
  const Status failed = EnsureToDoMemo(full, other.path(), &path);
  EXPECT_FALSE(failed.ok());
  EXPECT_NE(failed.message().find("ToDoMemo.rtf"), std::string::npos);
}

TEST(ToDoFields, StoredValuesRoundTrip) {
  ToDoFields fields;
  fields.one_or_no_parent = true;
  fields.missing.given_name = true;
  fields.missing.death_date = true;
  fields.modified = {"1 JAN 2001", "2002"};
  fields.ancestors_of = 12;
  fields.birth = {"1800", "1850"};
  fields.death = {"", "1900"};
  fields.surname = "smi";
  fields.descendants_of = 3;
  fields.birth_place = "York";
  fields.death_place = "Hull";
  fields.source = 4;
  const ToDoStoredValues values = ToDoFieldsToStored(fields);
  EXPECT_EQ(values[0], "1");
  EXPECT_EQ(values[3], "1");  // key 303, the given-name box
  EXPECT_EQ(values[6], "1");  // key 306, the death-date box
  EXPECT_EQ(values[9], "12");
  EXPECT_EQ(values[18], "4");
  EXPECT_EQ(ToDoFieldsToStored(ToDoFieldsFromStored(values)), values);
  // Values another version wrote badly read as nothing chosen.
  ToDoStoredValues odd = values;
  odd[9] = "x";
  odd[15] = "-3";
  EXPECT_EQ(ToDoFieldsFromStored(odd).ancestors_of, 0);
  EXPECT_EQ(ToDoFieldsFromStored(odd).descendants_of, 0);
}

}  // namespace
}  // namespace kinloom::reports
