// What the printed forms read from the tree: events with their details, notes and citations,
// the family group sheet, the pedigree numbering and the source list.
#include "reports/forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/test_tree_builder.h"

namespace kinloom::reports {
namespace {

using Strings = std::vector<std::string>;

// 1 and 2 marry (family 1) with a birth son 3 and an adopted daughter 4; 3 marries 5
// (family 2) and has 6. Source 1 is cited by the father's birth (with a page) and by the
// family.
class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::TestTreeBuilder b;
    b.Person(
        "John /Lee/", 'M',
        {"1 BIRT", "2 DATE 1 JAN 1850", "2 PLAC Leeds", "2 SOUR @S000001@", "3 PAGE p. 4",
         "2 NOTE Born at home", "3 CONT in the snow", "1 OCCU Smith", "2 DATE 1880", "1 EVEN",
         "2 TYPE Military service", "2 DATE 1870", "1 NOTE Tall", "2 CONC er", "1 SOUR @S000002@"});
    b.Person("Mary /Ash/", 'F', {"1 BAPM", "2 DATE 1852", "1 BURI", "2 PLAC York"});
    b.Person("Tom /Lee/", 'M', {"1 BIRT", "2 DATE 1875"});
    b.Person("Ann /Lee/", 'F');
    b.Person("Eva /Oak/", 'F');
    b.Person("Kit /Lee/", ' ');
    b.Family(1, 2, {{3}, {4, "Adopted"}});
    b.Family(3, 5, {{6}});
    lines_ = b.Lines();
    for (size_t i = 0; i < lines_.size(); ++i) {
      if (lines_[i] == "1 WIFE @I000002@") {
        lines_.insert(lines_.begin() + static_cast<long>(i) + 1,
                      {"1 MARR", "2 DATE 1874", "2 PLAC Hull", "1 SOUR @S000001@"});
        break;
      }
    }
    lines_.insert(lines_.end(), {"0 @S000001@ SOUR", "1 TITL Parish book", "1 AUTH Vicar",
                                 "0 @S000002@ SOUR", "1 TITL Census"});
    testing::LoadOwnTree(tree_, lines_);
  }

  testing::TestTree tree_;
  Strings lines_;
};

TEST_F(FormsTest, PersonEventsNotesAndCitations) {
  const FormPerson p = ReadFormPerson(tree_.store, 1);
  EXPECT_EQ(p.label, "John Lee (1)");
  EXPECT_EQ(p.sex, 'M');
  ASSERT_EQ(p.events.size(), 3u);
  EXPECT_EQ(p.events[0].name, "Birth");
  EXPECT_EQ(p.events[0].when.date, "1 JAN 1850");
  EXPECT_EQ(p.events[0].when.place, "Leeds");
  EXPECT_EQ(p.events[0].notes, Strings{"Born at home\nin the snow"});
  EXPECT_EQ(p.events[0].citations, Strings{"Parish book (1), p. 4"});
  EXPECT_EQ(p.events[1].name, "Occupation");
  EXPECT_EQ(p.events[1].value, "Smith");
  EXPECT_EQ(p.events[2].name, "Military service") << "a custom event is named by its type";
  EXPECT_EQ(p.notes, Strings{"Taller"});
  EXPECT_EQ(p.citations, Strings{"Census (2)"});
  const FormPerson mary = ReadFormPerson(tree_.store, 2);
  EXPECT_EQ(mary.birth.date, "1852") << "the baptism stands in for the birth";
  EXPECT_EQ(mary.death.place, "York");
  EXPECT_EQ(ReadFormPerson(tree_.store, 3).father, "John Lee (1)");
  EXPECT_EQ(ReadFormPerson(tree_.store, 99).individual, 0);
}

TEST_F(FormsTest, FamilyGroupSheet) {
  const FamilyGroupSheet sheet = ReadFamilyGroupSheet(tree_.store, 1);
  EXPECT_EQ(sheet.husband.label, "John Lee (1)");
  EXPECT_EQ(sheet.wife.label, "Mary Ash (2)");
  ASSERT_EQ(sheet.events.size(), 1u);
  EXPECT_EQ(sheet.events[0].name, "Marriage");
  EXPECT_EQ(sheet.events[0].when.place, "Hull");
  EXPECT_EQ(sheet.citations, Strings{"Parish book (1)"});
  ASSERT_EQ(sheet.children.size(), 2u);
  EXPECT_EQ(sheet.children[0].person.label, "Tom Lee (3)");
  EXPECT_EQ(sheet.children[0].parent_type, "");
  EXPECT_EQ(sheet.children[0].spouse, "Eva Oak (5)");
  EXPECT_EQ(sheet.children[1].parent_type, "Adopted");
  EXPECT_EQ(ReadFamilyGroupSheet(tree_.store, 9).family, 0);
}

TEST_F(FormsTest, PedigreeNumbering) {
  const PedigreeChart chart = ReadPedigreeChart(tree_.store, 6);
  Strings names;
  for (int n = 1; n <= 7; ++n) names.push_back(chart.boxes[static_cast<size_t>(n)].name);
  EXPECT_EQ(names, (Strings{"Kit Lee (6)", "Tom Lee (3)", "Eva Oak (5)", "John Lee (1)",
                            "Mary Ash (2)", "", ""}));
  EXPECT_EQ(chart.boxes[4].marriage.date, "1874") << "the couple's marriage in the father's box";
  EXPECT_EQ(chart.boxes[8].individual, 0);
  // A person in the last generation whose line goes on.
  const PedigreeChart deep = ReadPedigreeChart(tree_.store, 3);
  EXPECT_EQ(deep.boxes[2].name, "John Lee (1)");
  EXPECT_FALSE(deep.boxes[2].has_parents) << "only boxes 8 to 15 point beyond the chart";
}

TEST_F(FormsTest, PersonDetailsAndSourceList) {
  const PersonDetails details = ReadPersonDetails(tree_.store, 1);
  ASSERT_EQ(details.families.size(), 1u);
  EXPECT_EQ(details.families[0].spouse, "Mary Ash (2)");
  EXPECT_EQ(details.families[0].children, (Strings{"Tom Lee (3)", "Ann Lee (4)"}));
  const std::vector<SourceListEntry> sources = ReadSourceList(tree_.store);
  ASSERT_EQ(sources.size(), 2u);
  EXPECT_EQ(sources[0].label, "Parish book (1)");
  EXPECT_EQ(sources[0].author, "Vicar");
  EXPECT_EQ(sources[0].cited_by,
            (Strings{"John Lee (1): Birth, p. 4", "Family of John Lee  and  Mary Ash  (1)"}));
  EXPECT_EQ(sources[1].cited_by, Strings{"John Lee (1)"});
}

}  // namespace
}  // namespace kinloom::reports
