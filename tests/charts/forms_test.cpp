// The printed forms laid out on the recording surface: everything on the paper, the pedigree's
// fifteen numbered boxes on one landscape page, the blank sheet, and long contents flowing
// over pages.
#include "charts/forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/recording_surface.h"
#include "reports/test_tree_builder.h"

namespace kinloom::charts {
namespace {

using reports::RecordingSurface;

constexpr char kDate[] = "6 December 2026";

bool Has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::vector<std::string> AllTexts(const RecordingSurface& surface) {
  std::vector<std::string> texts;
  for (int sheet = 1; sheet <= surface.sheets(); ++sheet) {
    for (const std::string& text : surface.Texts(sheet)) texts.push_back(text);
  }
  return texts;
}

// Prints a job on the recorder (in its orientation) and checks that everything is on the paper.
RecordingSurface Printed(const reports::ReportJob& job) {
  RecordingSurface surface(job.landscape);
  RecordingSurface counter(job.landscape);
  const int pages = reports::CountPages(job, counter, kDate);
  EXPECT_EQ(reports::PrintPages(job, surface, {}, kDate), pages) << job.document_name;
  EXPECT_LE(surface.LowestMark(), surface.PageHeight()) << job.document_name;
  EXPECT_LE(surface.RightmostText(), surface.PageWidth()) << job.document_name;
  return surface;
}

// A couple (1, 2) with `children` children; the father's note is `note`; source 1 is cited by
// every child's birth.
void BigFamily(testing::TestTree& tree, int children, const std::string& note) {
  testing::TestTreeBuilder b;
  b.Person("Father /Long/", 'M', {"1 BIRT", "2 DATE 1800", "1 NOTE " + note});
  b.Person("Mother /Long/", 'F');
  std::vector<testing::TestTreeBuilder::Child> kids;
  for (int i = 0; i < children; ++i) {
    kids.push_back({b.Person("Child" + std::to_string(i) + " /Long/", 'F',
                             {"1 BIRT", "2 DATE 1830", "2 PLAC Somewhere", "2 SOUR @S000001@"})});
  }
  b.Family(1, 2, kids);
  std::vector<std::string> lines = b.Lines();
  lines.insert(lines.end(), {"0 @S000001@ SOUR", "1 TITL Register"});
  testing::LoadOwnTree(tree, lines);
}

TEST(Forms, FamilyGroupSheetFlowsOverPages) {
  testing::TestTree tree;
  BigFamily(tree, 30, "Short note");
  const RecordingSurface surface = Printed(FamilyGroupSheetJob(tree.store, 1));
  EXPECT_GE(surface.sheets(), 3);
  const std::vector<std::string> texts = AllTexts(surface);
  for (const char* text :
       {"Father Long (1)", "Child29 Long (32)", "1.  Register (1)", "Husband: Short note"}) {
    EXPECT_TRUE(Has(texts, text)) << text;
  }
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Somewhere [1]"), 30)
      << "every birth carries the number of its source";
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Family Group Sheet"), surface.sheets())
      << "every page has the heading";
}

TEST(Forms, BlankSheetAndPedigree) {
  const RecordingSurface blank = Printed(BlankFamilyGroupSheetJob());
  const std::vector<std::string> texts = AllTexts(blank);
  for (const char* text : {"Husband", "Wife", "Marriage", "Children", "Child 6", "Notes"}) {
    EXPECT_TRUE(Has(texts, text)) << text;
  }
  testing::TestTree tree;
  BigFamily(tree, 2, "x");
  const reports::ReportJob job = PedigreeChartJob(tree.store, 3);
  EXPECT_TRUE(job.landscape);
  const RecordingSurface pedigree = Printed(job);
  EXPECT_EQ(pedigree.sheets(), 1);
  const std::vector<std::string> boxes = pedigree.Texts(1);
  for (int n = 1; n <= 15; ++n) EXPECT_TRUE(Has(boxes, std::to_string(n))) << n;
  for (const char* text : {"Child0 Long (3)", "Father Long (1)", "b. 1800"}) {
    EXPECT_TRUE(Has(boxes, text)) << text;
  }
}

TEST(Forms, LongNotesAndCitationListsGoOnOverPages) {
  testing::TestTree tree;
  std::string note;
  for (int i = 0; i < 600; ++i) note += "word" + std::to_string(i) + " ";
  BigFamily(tree, 200, note);
  EXPECT_GE(Printed(PersonDetailsJob(tree.store, 1)).sheets(), 2);
  const RecordingSurface sources = Printed(SourceListJob(tree.store));
  EXPECT_GE(sources.sheets(), 2) << "200 citations do not fit one page";
  EXPECT_TRUE(Has(AllTexts(sources), "Child199 Long (202): Birth"));
}

}  // namespace
}  // namespace kinloom::charts
