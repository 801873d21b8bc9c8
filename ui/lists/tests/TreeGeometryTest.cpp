#include "ui/lists/TreeGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 7 pixels a character, 13 a line.
class FakeMeasure : public ITreeTextMeasure {
 public:
  SIZE MeasureLine(LPCTSTR text, int length) override {
    lastLine = std::string(text, length);
    return SIZE{7 * length, 13};
  }
  SIZE MeasureWrapped(LPCTSTR text, int length, int width) override {
    int perLine = width / 7 > 0 ? width / 7 : 1;
    int lines = (length + perLine - 1) / perLine;
    return SIZE{7 * (length < perLine ? length : perLine), 13 * (lines > 0 ? lines : 1)};
  }
  std::string lastLine;
};

TreeRowInput Row(int depth, bool image, bool state, bool atRoot) {
  TreeRowInput in;
  in.left = 0;
  in.top = 40;
  in.height = 14;
  in.depth = depth;
  in.indent = 20;
  in.linesAtRoot = atRoot;
  in.hasImage = image;
  in.image = SIZE{16, 16};
  in.hasStateImage = state;
  in.stateImage = SIZE{16, 16};
  return in;
}

TEST(TreeGeometry, ColumnPartsFollowTheIndentation) {
  struct Case {
    int depth;
    bool image, state, atRoot;
    int indent, stateLeft, iconLeft, labelLeft, height;
  } cases[] = {
      {1, false, false, false, 0, 0, 0, 6, 16},
      {1, false, false, true, 20, 0, 0, 26, 16},
      {3, true, false, false, 40, 0, 40, 62, 16},
      {2, true, true, true, 40, 40, 56, 78, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "depth " << c.depth << " image " << c.image << " state " << c.state);
    FakeMeasure measure;
    TreeRowLayout layout = TreeRowGeometry::Layout(Row(c.depth, c.image, c.state, c.atRoot), measure, "abc", FALSE,
                                                   TreeRowGeometry::kOneColumnWidth);
    EXPECT_EQ(c.indent, layout.indentWidth);
    if (c.state)
      EXPECT_EQ(c.stateLeft, layout.stateIcon.left);
    if (c.image)
      EXPECT_EQ(c.iconLeft, layout.icon.left);
    EXPECT_EQ(c.labelLeft, layout.label.left);
    EXPECT_EQ(21, layout.label.right - layout.label.left);
    EXPECT_EQ(c.height, layout.rowHeight);
  }
}

TEST(TreeGeometry, LabelsAreMeasuredToTheFirstLineFeedOrWrapped) {
  FakeMeasure measure;
  SIZE one = TreeRowGeometry::MeasureLabel(measure, "first\nsecond", FALSE, 10000);
  EXPECT_EQ("first", measure.lastLine);
  EXPECT_EQ(35, one.cx);
  EXPECT_EQ(15, one.cy);
  SIZE wrapped = TreeRowGeometry::MeasureLabel(measure, "0123456789", TRUE, 35);
  EXPECT_EQ(28, wrapped.cy);  // two lines and two pixels below
  // A lead before the marker stays on one line; the rest wraps beside it.
  SIZE split = TreeRowGeometry::MeasureLabel(measure, "Lead:\\{HI}0123456789", TRUE, 70);
  EXPECT_EQ(35 + 35, split.cx);  // five characters of lead, five per line after it
  EXPECT_EQ(28, split.cy);
  EXPECT_EQ("Lead:", measure.lastLine);
  // A wrapped label taller than the images makes the row, rounded up to even.
  TreeRowLayout layout = TreeRowGeometry::Layout(Row(1, true, false, false), measure, "0123456789", TRUE, 35);
  EXPECT_EQ(28, layout.rowHeight);
  EXPECT_EQ(46, layout.icon.top);  // the image sits in the middle
}

TEST(TreeGeometry, ButtonsAreNinePixelsWithAndWithoutImages) {
  FakeMeasure measure;
  for (bool image : {true, false}) {
    TreeRowInput in = Row(2, image, false, false);
    TreeRowLayout layout = TreeRowGeometry::Layout(in, measure, "abc", FALSE, 10000);
    int half = 0;
    RECT button = TreeRowGeometry::ButtonRect(in, layout, &half);
    EXPECT_EQ(9, button.right - button.left);
    EXPECT_EQ(9, button.bottom - button.top);
    EXPECT_EQ(4, half);
    POINT c = TreeRowGeometry::Connector(in, layout);
    EXPECT_EQ(c.x, (button.left + button.right) / 2);
  }
  TreeRowInput big = Row(2, true, false, false);
  big.image = SIZE{32, 32};
  TreeRowLayout layout = TreeRowGeometry::Layout(big, measure, "abc", FALSE, 10000);
  RECT button = TreeRowGeometry::ButtonRect(big, layout);
  EXPECT_EQ(15, button.right - button.left);  // 32 * 0.606 is 19, at most 15
}

TEST(TreeGeometry, ATopLevelItemWithoutLinesAtRootHasItsButtonOutOfSight) {
  FakeMeasure measure;
  TreeRowInput in = Row(1, true, false, false);
  TreeRowLayout layout = TreeRowGeometry::Layout(in, measure, "abc", FALSE, 10000);
  EXPECT_LT(TreeRowGeometry::ButtonRect(in, layout).right, 0);
  TreeRowLinks links;
  links.firstRow = TRUE;
  links.nextSiblingByLevel = {false};
  EXPECT_TRUE(TreeRowGeometry::Lines(in, layout, links).empty());
}

TEST(TreeGeometry, LinesJoinParentsSiblingsAndChildren) {
  FakeMeasure measure;
  TreeRowInput in = Row(3, true, false, false);
  TreeRowLayout layout = TreeRowGeometry::Layout(in, measure, "abc", FALSE, 10000);
  TreeRowLinks links;
  links.expandedWithChildren = TRUE;
  links.nextSiblingByLevel = {true, false, true};
  // Connector: 0 + 20 * 1 + 8 = 28; middle of the image: 48.
  std::vector<TreeLine> expected = {
      {28, 48, 39, 48},    // to the image
      {28, 40, 28, 48},    // from the row above
      {48, 56, 48, 56},    // down to the first child, below the image
      {28, 48, 28, 56},    // on to the next sibling
      {-12, 40, -12, 56},  // the grandparent's next sibling
  };
  EXPECT_EQ(expected, TreeRowGeometry::Lines(in, layout, links));
}

TEST(TreeGeometry, DotsStayInPlaceWhenScrolledByOnePixel) {
  FakeMeasure measure;
  for (int scroll : {0, 1, 2, 3}) {
    TreeRowInput in = Row(2, false, false, true);
    in.left = -scroll;
    in.hScroll = scroll;
    TreeRowLayout layout = TreeRowGeometry::Layout(in, measure, "abc", FALSE, 10000);
    POINT c = TreeRowGeometry::Connector(in, layout);
    SCOPED_TRACE(scroll);
    EXPECT_EQ(0, (c.x + scroll) & 1);  // on the dot pattern of the content
    EXPECT_EQ(28, c.x + scroll);
  }
}

TEST(TreeGeometry, ButtonMarksAreAMinusAndForACollapsedItemAPlus) {
  RECT button = {10, 20, 19, 29};
  std::vector<TreeLine> expanded = TreeRowGeometry::ButtonMarks(button, 0, FALSE);
  ASSERT_EQ(1u, expanded.size());
  EXPECT_EQ((TreeLine{12, 24, 17, 24}), expanded[0]);
  std::vector<TreeLine> collapsed = TreeRowGeometry::ButtonMarks(button, 0, TRUE);
  ASSERT_EQ(2u, collapsed.size());
  EXPECT_EQ((TreeLine{14, 22, 14, 27}), collapsed[1]);
}

}  // namespace
