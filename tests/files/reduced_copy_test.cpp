// A reduced copy of a generated tree holds exactly the people it should, and no source or album
// item that only people left out cite.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "core/tree_reading.h"
#include "files/tree_files.h"
#include "files/tree_workspace.h"
#include "reports/hide_information.h"
#include "reports/split_selection.h"
#include "store/line_search.h"
#include "support/test_support.h"

namespace kinloom::files {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::TestTree;

std::set<int> CitedSources(const store::RecordStore& store) {
  std::set<int> cited;
  auto scan = [&cited](const store::LineNode* line) {
    for (; line != nullptr; line = line->next) {
      std::string_view t = line->text();
      if (t.size() > 10 && t[2] == 'S' && t[7] == '@') cited.insert(store::XrefNumber(t));
    }
  };
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (auto* r = store.individual(n)) scan(r->lines);
  }
  for (int n = 1; n <= store.highest_family(); ++n) {
    if (auto* f = store.family(n)) scan(f->lines);
  }
  return cited;
}

TEST(ReducedCopy, DescendantsWithLivingPeopleHiddenAndOnlyTheirSources) {
  TempDir home, scratch;
  const std::string generated = scratch.File("generated.ged");
  const std::string command = std::string(KINLOOM_GENTREE) + " --individuals 400 --seed 11" +
                              " --format own --out " + generated;
  ASSERT_EQ(std::system(command.c_str()), 0);

  TestTree t;
  platform::LocalFileSystem fs;
  DataFolders folders = DataFoldersAt(home.path(), "");
  ASSERT_TRUE(MakeDataFolders(folders).ok());
  TreeWorkspace work(t.store, folders, fs, CoreTreeReader());
  ASSERT_EQ(core::ReadTree(t.store, generated, false).outcome, store::ReadOutcome::kRead);
  work.session().tree_name = "Gen";

  reports::SplitSelection selection(t.store);
  selection.UnCheckAll();
  selection.MarkDescendants(1, reports::kAllGenerations, false);
  reports::HideInformation hide(t.store);
  hide.Perform(reports::HideColumnChoice::kEverything, reports::HideAction::kHideAllLiving);

  // An album item cited by source 1 and linked only to someone who is left out.
  int left_out = 0;
  for (int n = 1; n <= t.store.highest_individual() && left_out == 0; ++n) {
    auto* r = t.store.individual(n);
    if (r != nullptr && (r->markFlags & store::kMarkSelected) == 0) left_out = n;
  }
  ASSERT_NE(left_out, 0);
  ItemRef item = work.albums().AddItem(0, "left_out.jpg");
  MediaItem fields = *work.albums().item(item);
  fields.source = 1;
  work.albums().EditItem(item, fields);
  work.albums().LinkIndividual(item, left_out);

  const std::string name =
      SaveReducedCopy(work.session(), folders, ReducedCopy::kBoth, work.SaveStepsWired(), t.ui);
  ASSERT_FALSE(name.empty());

  TestTree copy;
  ASSERT_EQ(core::ReadTree(copy.store, TreeFile(folders.gedcom, name, ".ged"), false).outcome,
            store::ReadOutcome::kRead);
  int kept = 0;
  for (int n = 1; n <= t.store.highest_individual(); ++n) {
    auto* r = t.store.individual(n);
    if (r == nullptr) continue;
    bool expected =
        (r->markFlags & store::kMarkSelected) != 0 && (r->hideFlags & store::kHideEverything) == 0;
    EXPECT_EQ(copy.store.individual(n) != nullptr, expected) << n;
    kept += expected ? 1 : 0;
  }
  EXPECT_GT(kept, 0);
  // Every source of the copy is cited by a line of the copy; none is left over.
  const std::set<int> cited = CitedSources(copy.store);
  for (int s = 1; s <= copy.store.highest_source(); ++s) {
    if (copy.store.source(s) != nullptr) {
      EXPECT_TRUE(cited.count(s)) << "source " << s;
    }
  }
  EXPECT_EQ(ReadFileBytes(TreeFile(folders.config, name, ".med")).find("left_out.jpg"),
            std::string::npos);
}

}  // namespace
}  // namespace kinloom::files
