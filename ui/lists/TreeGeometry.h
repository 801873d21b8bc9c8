// Where the parts of a tree row's first column go: the indentation, the
// state image, the image, the label, the connecting lines and the expand
// button. Pure arithmetic on the row's metrics, so that the window only
// draws what this computes; text sizes come from an ITreeTextMeasure.
#pragma once

#include "framework/Types.h"

#include <vector>

class ITreeTextMeasure {
 public:
  virtual ~ITreeTextMeasure() = default;
  // One line, tabs expanded: width and height.
  virtual SIZE MeasureLine(LPCTSTR text, int length) = 0;
  // Word-wrapped into width: the wrapped block's width and height.
  virtual SIZE MeasureWrapped(LPCTSTR text, int length, int width) = 0;
};

// What a row's first column is laid out from.
struct TreeRowInput {
  int left = 0;  // the column's left edge, horizontal scrolling applied
  int top = 0;
  int height = 0;  // the height the list engine passes in
  int depth = 1;   // top-level items 1
  int indent = 20;
  BOOL linesAtRoot = FALSE;  // TVS_LINESATROOT with buttons or lines
  BOOL hasStateImage = FALSE;
  SIZE stateImage = {0, 0};
  BOOL hasImage = FALSE;
  SIZE image = {0, 0};
  int hScroll = 0;  // horizontal scroll offset, pixels
  int vScroll = 0;  // vertical scroll offset, pixels
};

struct TreeRowLayout {
  int indentWidth = 0;
  RECT stateIcon = {0, 0, 0, 0};  // empty without a state image
  RECT icon = {0, 0, 0, 0};       // empty without an image
  RECT label = {0, 0, 0, 0};
  int rowHeight = 0;
};

// A line of the tree's connecting lines: horizontal when y1 == y2.
struct TreeLine {
  int x1, y1, x2, y2;
  bool operator==(const TreeLine& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
};

// What the lines of one row depend on besides its layout.
struct TreeRowLinks {
  BOOL firstRow = FALSE;
  BOOL expandedWithChildren = FALSE;
  // From the item upward to its top-level ancestor: whether the node of
  // that level has a next sibling.
  std::vector<bool> nextSiblingByLevel;
};

class TreeRowGeometry {
 public:
  static constexpr int kLabelGap = 6;
  static constexpr int kNoImageConnector = 8;
  static constexpr int kOneColumnWidth = 10000;

  static int IndentWidth(int depth, int indent, BOOL linesAtRoot);
  // The label's size: without wrap the text up to its first line feed on
  // one line, one pixel added above and below; with wrap the whole text
  // wrapped into width, two pixels added below. A wrapped text holding the
  // marker "\{HI}" is a lead on one line and, right of it, the text after
  // the marker wrapped into the rest of the width.
  static SIZE MeasureLabel(ITreeTextMeasure& measure, LPCTSTR text, BOOL bWrap, int width);
  // The lead before the marker and the text after it; FALSE without one.
  static BOOL SplitAtMarker(LPCTSTR text, int* pLeadLength, LPCTSTR* pRest);
  static TreeRowLayout Layout(const TreeRowInput& in, ITreeTextMeasure& measure, LPCTSTR text, BOOL bWrap,
                              int availableWidth);

  // The connector column and the middle of the row's image (or label),
  // moved onto the dot pattern of the dotted lines.
  static POINT Connector(const TreeRowInput& in, const TreeRowLayout& layout);
  static std::vector<TreeLine> Lines(const TreeRowInput& in, const TreeRowLayout& layout, const TreeRowLinks& links);
  // The expand button; *pHalf gets half its size.
  static RECT ButtonRect(const TreeRowInput& in, const TreeRowLayout& layout, int* pHalf = nullptr);
  // The minus, and with bCollapsed the plus bar, inside a button.
  static std::vector<TreeLine> ButtonMarks(const RECT& button, int hScroll, BOOL bCollapsed);
};
