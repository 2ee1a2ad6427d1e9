#include "store/line_node.h"

#include <gtest/gtest.h>

#include <string>

namespace kinloom::store {
namespace {

TEST(LineArena, LinesKeepTheirTextAcrossManyBlocks) {
  LineArena arena;
  LineNode* first = nullptr;
  LineNode* last = nullptr;
  for (int i = 0; i < 200000; ++i) {
    LineNode* node = arena.NewNode("2 DATE " + std::to_string(i), nullptr);
    (last ? last->next : first) = node;
    last = node;
  }
  int i = 0;
  for (LineNode* n = first; n != nullptr; n = n->next, ++i) {
    ASSERT_EQ(n->text(), "2 DATE " + std::to_string(i));
  }
  EXPECT_EQ(i, 200000);
}

TEST(LineArena, SetTextReusesOrReplacesTheBufferHugeTextsFitAndFreedNodesAreReused) {
  LineArena arena;
  LineNode* node = arena.NewNode("1 NAME John /Smith/", nullptr);
  const char* before = node->c_str();
  arena.SetText(node, "1 NAME Jo /Smith/");
  EXPECT_EQ(node->c_str(), before);
  EXPECT_EQ(node->text(), "1 NAME Jo /Smith/");
  arena.SetText(node, node->text().substr(0, 6));  // a prefix of its own text
  EXPECT_EQ(node->text(), "1 NAME");
  arena.SetText(node, "1 NAME Johannes Sebastian /Smith/");
  EXPECT_EQ(node->text(), "1 NAME Johannes Sebastian /Smith/");

  const std::string huge(3 << 20, 'x');
  LineNode* big = arena.NewNode(huge, nullptr);
  EXPECT_EQ(big->size(), huge.size());
  LineNode* a = arena.NewNode("a", nullptr);
  arena.FreeNode(a);
  LineNode* b = arena.NewNode("b", big);
  EXPECT_EQ(a, b);
  EXPECT_EQ(b->text(), "b");
  EXPECT_EQ(b->next, big);
}

}  // namespace
}  // namespace kinloom::store
