// The relationship calculator: the naming through direct lines and common ancestries, the
// parent types it follows, the lines of descent, and the printed and saved layouts.
#include "reports/relationship.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/recording_surface.h"
#include "reports/test_tree_builder.h"

namespace kinloom::reports {
namespace {

using testing::TestTreeBuilder;
using Lines = std::vector<std::string>;

using Expected = std::pair<std::string, std::string>;  // the relation each way

void ExpectRelation(const Relationship& r, const Expected& e) {
  EXPECT_EQ(Expected(r.relation1, r.relation2), e) << r.label1 << " / " << r.label2;
}

TEST(GenerationPrefix, OrdinalsAndGreats) {
  // clang-format off
  const std::pair<int, std::string> cases[] = {
      {1, ""}, {-2, "Grand "}, {3, "Great Grand "}, {4, "2nd Great Grand "},
      {5, "3rd Great Grand "}, {6, "4th Great Grand "}, {13, "11th Great Grand "},
      {14, "12th Great Grand "}, {15, "13th Great Grand "}, {23, "21st Great Grand "},
      {24, "22nd Great Grand "}, {113, "111th Great Grand "}};
  // clang-format on
  for (const auto& [n, prefix] : cases) EXPECT_EQ(GenerationPrefix(n), prefix) << n;
}

// A couple (1, 2) at the top of two lines of descent through sons, `a` and `b` generations
// long (a person of unknown sex at the end of each line when asked).
struct TwoLines {
  testing::TestTree tree;
  int person1 = 0;
  int person2 = 0;

  TwoLines(int a, int b, bool half = false) {
    TestTreeBuilder builder;
    const int father = builder.Person("Top /Man/");
    const int mother = builder.Person("Top /Wife/", 'F');
    const int other_mother = half ? builder.Person("Second /Wife/", 'F') : mother;
    person1 = Descend(builder, father, mother, a, "One");
    person2 = Descend(builder, father, other_mother, b, "Two");
    builder.LoadInto(tree);
  }

  static int Descend(TestTreeBuilder& b, int father, int mother, int generations,
                     const std::string& surname) {
    int child = 0;
    for (int g = 1; g <= generations; ++g) {
      child = b.Person("G" + std::to_string(g) + " /" + surname + "/");
      b.Family(father, g == 1 ? mother : 0, {{child}});
      father = child;
    }
    return child;
  }
};

TEST(Relationship, NamesThroughCommonAncestry) {
  struct Case {
    int a, b;
    bool half;
    Expected expected;
  };
  const Case cases[] = {
      {1, 1, false, {"Brother", "Brother"}},
      {1, 1, true, {"Half Brother", "Half Brother"}},
      {2, 2, false, {"First Cousin ", "First Cousin "}},
      {2, 3, false, {"First Cousin Once Removed", "First Cousin Once Removed"}},
      {4, 2, true, {"Half First Cousin Twice Removed", "Half First Cousin Twice Removed"}},
      {3, 3, false, {"Second Cousin ", "Second Cousin "}},
      {11, 11, false, {"Tenth Cousin ", "Tenth Cousin "}},
      {12, 25, false, {"11th Cousin 13 Times Removed", "11th Cousin 13 Times Removed"}},
      {1, 2, false, {"Uncle", "Nephew"}},
      {1, 3, true, {"Half Grand Uncle", "Half Grand Nephew"}},
      {1, 5, true, {"Half 2nd Great Grand Uncle", "Half 2nd Great Grand Nephew"}},
      {4, 1, false, {"Great Grand Nephew", "Great Grand Uncle"}},
  };
  for (const Case& c : cases) {
    TwoLines t(c.a, c.b, c.half);
    ExpectRelation(FindRelationship(t.tree.store, t.person1, t.person2), c.expected);
  }
  TwoLines half(1, 1, true);
  const Relationship r = FindRelationship(half.tree.store, half.person1, half.person2);
  EXPECT_EQ(r.memo, "Top Man (1)") << "only the shared father";
  TwoLines full(1, 2);
  EXPECT_EQ(FindRelationship(full.tree.store, full.person1, full.person2).memo,
            "Top Man (1) and Top Wife (2)");
}

// Father 1 and mother 2 with son 3 and daughter 4; a step-father 5 of the son through a
// second family with the mother; a foster child 6 of the couple; 7 a person of unknown sex
// born to the couple; a line of great-great-grandparents above the son.
class RelationshipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestTreeBuilder b;
    b.Person("Dad /Lee/"), b.Person("Mum /Lee/", 'F'), b.Person("Son /Lee/");
    b.Person("Girl /Lee/", 'F'), b.Person("Step /Dad/"), b.Person("Fos /Ter/", 'F');
    b.Person("Who /Lee/", ' ');
    b.Family(1, 2, {{3}, {4}, {6, "Foster"}, {7}});
    b.Family(5, 2, {{3, "Step Fth"}});
    top_ = b.FatherLine(1, 3, "Old");
    b.LoadInto(tree_);
  }

  Relationship Find(int one, int two) { return FindRelationship(tree_.store, one, two); }

  testing::TestTree tree_;
  int top_ = 0;
};

TEST_F(RelationshipTest, DirectLinesAndSpecialCases) {
  const Relationship son = Find(3, 1);
  ExpectRelation(son, {"Son", "Father"});
  EXPECT_EQ(son.memo, "Dad Lee (1)");
  ASSERT_EQ(son.rows.size(), 1u);
  EXPECT_EQ(son.rows[0].column0, "Son Lee (3)");
  EXPECT_TRUE(son.shown);

  ExpectRelation(Find(4, top_), {"2nd Great Grand Daughter", "2nd Great Grand Father"});
  const Relationship down = Find(top_, 4);
  ExpectRelation(down, {"2nd Great Grand Father", "2nd Great Grand Daughter"});
  ASSERT_EQ(down.rows.size(), 4u);
  EXPECT_EQ(down.rows[0].column0, "Gen2 Old (9)") << "from the child of the ancestor down";
  EXPECT_EQ(down.rows[3].column0, "Girl Lee (4)");
  EXPECT_TRUE(down.rows[3].column1.empty());

  ExpectRelation(Find(3, 4), {"Brother", "Sister"});
  ExpectRelation(Find(7, 1), {"Son", "Father"});  // unknown sex is named as male
  ExpectRelation(Find(7, 4), {"Brother", "Sister"});
  ExpectRelation(Find(3, 2), {"Son", "Mother"});  // the step family reaches the mother
  ExpectRelation(Find(3, 5), {"No Blood Relationship", "No Blood Relationship"});
  ExpectRelation(Find(6, 1), {"No Blood Relationship", "No Blood Relationship"});
  EXPECT_FALSE(Find(6, 1).shown);
  ExpectRelation(Find(6, 4), {"No Blood Relationship", "No Blood Relationship"});
  const Relationship same = Find(3, 3);
  ExpectRelation(same, {"Same Person", "Same Person"});
  EXPECT_FALSE(same.shown);
  ExpectRelation(Find(3, 999), {"No Blood Relationship", "No Blood Relationship"});
}

TEST_F(RelationshipTest, StepFatherIsFollowedWhenPreferred) {
  // With only the step link, the son reaches his mother and not the step-father.
  testing::TestTree tree;
  TestTreeBuilder b;
  b.Person("Step /Dad/"), b.Person("Mum /Lee/", 'F'), b.Person("Son /Lee/");
  b.Person("Half /Dad/", 'F');
  b.Family(1, 2, {{3, "Step Fth"}, {4}});
  b.LoadInto(tree);
  ExpectRelation(FindRelationship(tree.store, 3, 2), {"Son", "Mother"});
  ExpectRelation(FindRelationship(tree.store, 3, 1),
                 {"No Blood Relationship", "No Blood Relationship"});
  const Relationship half = FindRelationship(tree.store, 3, 4);
  ExpectRelation(half, {"Half Brother", "Half Sister"});
  EXPECT_EQ(half.memo, "Mum Lee (2)");
}

TEST(RelationshipOutput, SavedTextLayout) {
  TwoLines t(1, 2);
  const TextReport report = RelationshipText(FindRelationship(t.tree.store, t.person1, t.person2));
  const std::string memo = "Top Man (1) and Top Wife (2)";
  const std::string dashes(100, '-');
  EXPECT_EQ(report.lines,
            (Lines{"Relationship Between:", "G1 One (3)  (Uncle)", "G2 Two (5)  (Nephew)", "",
                   std::string((100 - memo.size()) / 2, ' ') + memo, dashes,
                   "G1 One (3)" + std::string(40, ' ') + "G1 Two (4)",
                   std::string(50, ' ') + "G2 Two (5)", std::string(50, ' '), std::string(50, ' '),
                   std::string(50, ' '), dashes}));
  EXPECT_FALSE(report.end_last_line);
}

TEST(RelationshipOutput, PrintedLayoutContinuesOnNewPages) {
  TwoLines t(80, 80);
  const Relationship r = FindRelationship(t.tree.store, t.person1, t.person2);
  EXPECT_EQ(r.relation1, "79th Cousin ");
  RecordingSurface surface;
  const int sheets = PrintPages(RelationshipJob(r), surface, {}, "today");
  EXPECT_EQ(sheets, 2);
  const std::vector<std::string> first = surface.Texts(1);
  ASSERT_GE(first.size(), 8u);
  EXPECT_EQ(first[0], "Relationship Between:");
  EXPECT_EQ(first[3], "(79th Cousin )");
  EXPECT_EQ(first[5], r.memo);
  EXPECT_EQ(surface.Texts(2)[0], "Relationship Continued Between:");
  EXPECT_EQ(surface.Texts(2)[1], r.name1 + "  and  " + r.name2);
  EXPECT_LE(surface.LowestMark(), surface.PageHeight());
}

}  // namespace
}  // namespace kinloom::reports
