#include "ui/lists/SubItemTextStorage.h"
#include "ui/lists/TreeNode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// a(a1(a11), a2), b
struct Shape : ::testing::Test {
  Shape() {
    for (auto [node, parent] : {std::pair{&a, &root}, {&b, &root}, {&a1, &a}, {&a2, &a}, {&a11, &a1}}) {
      node->SetText(Name(node));
      EXPECT_TRUE(LinkChild(parent, node, kLinkLast));
    }
  }
  ~Shape() override {
    // The stack nodes are not the tree's to delete.
    for (_Node* node : {&a11, &a2, &a1, &b, &a})
      Unlink(node);
  }
  const char* Name(_Node* node) {
    return node == &a ? "a" : node == &b ? "b" : node == &a1 ? "a1" : node == &a2 ? "a2" : "a11";
  }
  std::string Order(SECTreeNode* (*step)(SECTreeNode*), SECTreeNode* from) {
    std::string text;
    for (SECTreeNode* p = step(from); p != nullptr && p != &root; p = step(p))
      text += static_cast<_Node*>(p)->GetText() + std::string(" ");
    return text;
  }
  std::string Children(SECTreeNode* parent) {
    std::string text;
    for (SECTreeNode* p = parent->m_pFirstChild; p != nullptr; p = p->m_pNext)
      text += static_cast<_Node*>(p)->GetText() + std::string(" ");
    return text;
  }
  _Node root, a, b, a1, a2, a11;
};

TEST_F(Shape, WalksVisitTheTreeDepthFirstBothWays) {
  EXPECT_EQ("a a1 a11 a2 b ", Order(GetNextPreorder, &root));
  EXPECT_EQ("a2 a11 a1 a ", Order(GetPrevPreorder, &b));
  EXPECT_EQ(nullptr, GetNextPreorder(&b));
  EXPECT_EQ(&a, GetPrevPreorder(&a1));
  EXPECT_EQ(&a11, GetFirstLeaf(&root));
  EXPECT_EQ(nullptr, GetFirstLeaf(&b));
  EXPECT_EQ(&b, GetLastDescendant(&root));
  EXPECT_EQ(&a2, GetLastDescendant(&a));
  EXPECT_EQ(&b, GetLastDescendant(&b));
  EXPECT_EQ(&a2, GetLastChild(&a));
  EXPECT_EQ(3, GetDepth(&a11));
  EXPECT_EQ(1, GetDepth(&b));
  EXPECT_TRUE(IsDescendant(&a, &a11));
  EXPECT_FALSE(IsDescendant(&a, &a));
  EXPECT_FALSE(IsDescendant(&a1, &a2));
}

TEST_F(Shape, LinkingFirstAfterAChildOrNowhere) {
  _Node first, after, stranger;
  first.SetText("f");
  after.SetText("x");
  EXPECT_TRUE(LinkChild(&a, &first, kLinkFirst));
  EXPECT_TRUE(LinkChild(&a, &after, &a1));
  EXPECT_EQ("f a1 x a2 ", Children(&a));
  // A child of another parent is no place to link after.
  EXPECT_FALSE(LinkChild(&a, &stranger, &a11));
  EXPECT_EQ(nullptr, stranger.m_pParent);
  EXPECT_EQ("f a1 x a2 ", Children(&a));
  Unlink(&first);
  Unlink(&after);
  EXPECT_EQ("a1 a2 ", Children(&a));
  EXPECT_EQ(&a2, GetLastChild(&a));
}

TEST_F(Shape, MoveBeforeSwapsWithThePreviousSibling) {
  MoveBefore(&a2);
  EXPECT_EQ("a2 a1 ", Children(&a));
  EXPECT_EQ(&a1, GetLastChild(&a));
  MoveBefore(&a2);  // already first: nothing changes
  EXPECT_EQ("a2 a1 ", Children(&a));
  MoveBefore(&a1);
  EXPECT_EQ("a1 a2 ", Children(&a));
}

TEST(TreeNode, DeletingANodeDeletesItsDeepBranchWithoutRecursing) {
  auto* top = new _Node;
  SECTreeNode* parent = top;
  for (int i = 0; i < 200000; ++i) {
    auto* child = new _Node;
    child->SetText("x");
    LinkChild(parent, child, kLinkLast);
    parent = child;
  }
  delete top;  // ASan reports a leak or a stack overflow if this goes wrong
}

TEST(TreeNode, ANewNodeHasNoImageAndNoText) {
  _Node node;
  EXPECT_EQ(TREE_NO_IMAGE, node.m_item.iImage);
  EXPECT_EQ(TREE_NO_IMAGE, node.m_item.iSelectedImage);
  EXPECT_EQ(node.GetHandle(), node.m_item.hItem);
  EXPECT_STREQ("", node.GetText());
  node.SetText(LPSTR_TEXTCALLBACK);
  EXPECT_TRUE(node.IsTextCallback());
  EXPECT_STREQ("", node.GetText());
}

TEST(SubItemTextStorage, ColumnsAreKeptPerItemAndRead) {
  SECSubItemTextStorage storage;
  HTREEITEM item = reinterpret_cast<HTREEITEM>(0x1000);
  char buffer[8];
  EXPECT_FALSE(storage.GetSubItemText(item, 1, buffer, sizeof buffer));
  EXPECT_STREQ("", buffer);
  EXPECT_TRUE(storage.SetSubItemText(item, 5, "five"));
  for (int col = 1; col <= 4; ++col) {
    EXPECT_TRUE(storage.GetSubItemText(item, col, buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
  }
  EXPECT_TRUE(storage.GetSubItemText(item, 5, buffer, sizeof buffer));
  EXPECT_STREQ("five", buffer);
  EXPECT_FALSE(storage.GetSubItemText(item, 6, buffer, sizeof buffer));
  EXPECT_FALSE(storage.GetSubItemText(item, 0, buffer, sizeof buffer));
  storage.SetSubItemText(item, 1, "a long text");
  storage.GetSubItemText(item, 1, buffer, sizeof buffer);
  EXPECT_STREQ("a long ", buffer);  // cut to the buffer
  storage.RemoveItem(item);
  EXPECT_FALSE(storage.GetSubItemText(item, 5, buffer, sizeof buffer));
  EXPECT_EQ(0, storage.GetItemCount());
}

TEST(SubItemTextStorage, MovingAColumnShiftsTheOthersAndStaysInBounds) {
  struct Case {
    int from, to;
    const char* expected;  // columns 1..4 after the move
    BOOL result;
  } cases[] = {
      {1, 3, "b c a -", TRUE}, {3, 1, "c a b -", TRUE},  {2, 2, "a b c -", TRUE},
      {5, 1, "- a b c", TRUE},  // beyond the texts: an empty column moves
      {1, 5, "b c - -", TRUE}, {0, 2, "a b c -", FALSE}, {2, -1, "a b c -", FALSE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
    SECSubItemTextStorage storage;
    HTREEITEM item = reinterpret_cast<HTREEITEM>(0x1000);
    storage.SetSubItemText(item, 1, "a");
    storage.SetSubItemText(item, 2, "b");
    storage.SetSubItemText(item, 3, "c");
    EXPECT_EQ(c.result, storage.MoveSubItemText(item, c.from, c.to));
    std::string texts;
    for (int col = 1; col <= 4; ++col) {
      char buffer[8];
      storage.GetSubItemText(item, col, buffer, sizeof buffer);
      texts += (texts.empty() ? "" : " ") + std::string(*buffer ? buffer : "-");
    }
    EXPECT_EQ(c.expected, texts);
  }
  SECSubItemTextStorage empty;
  EXPECT_FALSE(empty.MoveSubItemText(reinterpret_cast<HTREEITEM>(0x2000), 1, 2));
}

}  // namespace
