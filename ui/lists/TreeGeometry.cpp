#include "ui/lists/TreeGeometry.h"

#include <algorithm>
#include <cstring>

namespace {

RECT MakeRect(int left, int top, int width, int height) {
  return RECT{left, top, left + width, top + height};
}

bool IsOdd(int value) {
  return (value & 1) != 0;
}

int Middle(const RECT& rect) {
  return rect.top + (rect.bottom - rect.top) / 2;
}

}  // namespace

int TreeRowGeometry::IndentWidth(int depth, int indent, BOOL linesAtRoot) {
  return (depth - 1) * indent + (linesAtRoot ? indent : 0);
}

BOOL TreeRowGeometry::SplitAtMarker(LPCTSTR text, int* pLeadLength, LPCTSTR* pRest) {
  static const char kMarker[] = "\\{HI}";
  const char* marker = std::strstr(text, kMarker);
  if (marker == nullptr)
    return FALSE;
  *pLeadLength = static_cast<int>(marker - text);
  *pRest = marker + sizeof kMarker - 1;
  return TRUE;
}

SIZE TreeRowGeometry::MeasureLabel(ITreeTextMeasure& measure, LPCTSTR text, BOOL bWrap, int width) {
  const int length = static_cast<int>(std::strlen(text));
  int leadLength = 0;
  LPCTSTR rest = nullptr;
  if (bWrap && SplitAtMarker(text, &leadLength, &rest)) {
    SIZE lead = measure.MeasureLine(text, leadLength);
    SIZE after = measure.MeasureWrapped(rest, static_cast<int>(std::strlen(rest)), std::max<int>(width - lead.cx, 1));
    return SIZE{lead.cx + after.cx, std::max(lead.cy, after.cy) + 2};
  }
  if (bWrap) {
    SIZE size = measure.MeasureWrapped(text, length, width);
    size.cy += 2;
    return size;
  }
  const char* lineFeed = std::strchr(text, '\n');
  SIZE size = measure.MeasureLine(text, lineFeed != nullptr ? static_cast<int>(lineFeed - text) : length);
  size.cy += 2;
  return size;
}

TreeRowLayout TreeRowGeometry::Layout(const TreeRowInput& in, ITreeTextMeasure& measure, LPCTSTR text, BOOL bWrap,
                                      int availableWidth) {
  TreeRowLayout out;
  out.indentWidth = IndentWidth(in.depth, in.indent, in.linesAtRoot);
  int x = in.left + out.indentWidth;
  int height = std::max(in.height, 0);
  if (in.hasStateImage) {
    out.stateIcon = MakeRect(x, in.top, in.stateImage.cx, in.stateImage.cy);
    x += in.stateImage.cx;
    height = std::max<int>(height, in.stateImage.cy);
  }
  if (in.hasImage) {
    out.icon = MakeRect(x, in.top, in.image.cx, in.image.cy);
    x += in.image.cx;
    height = std::max<int>(height, in.image.cy);
  }
  x += kLabelGap;
  SIZE label = MeasureLabel(measure, text, bWrap, availableWidth);
  height = std::max<int>(height, label.cy);
  height += height & 1;
  out.rowHeight = height;
  // Images and a lower label sit in the middle of the row.
  auto centre = [&](RECT& r) {
    const int shift = (height - (r.bottom - r.top)) / 2;
    r.top += shift;
    r.bottom += shift;
  };
  out.label = MakeRect(x, in.top, label.cx, label.cy);
  centre(out.label);
  if (in.hasStateImage)
    centre(out.stateIcon);
  if (in.hasImage)
    centre(out.icon);
  return out;
}

POINT TreeRowGeometry::Connector(const TreeRowInput& in, const TreeRowLayout& layout) {
  int x = in.left + in.indent * (in.depth - 2) + (in.hasImage ? in.image.cx / 2 : kNoImageConnector);
  if (in.linesAtRoot)
    x += in.indent;
  int y = in.hasImage ? Middle(layout.icon) : Middle(layout.label);
  if (IsOdd(y - in.vScroll))
    ++y;
  if (IsOdd(x + in.hScroll))
    ++x;
  return POINT{x, y};
}

std::vector<TreeLine> TreeRowGeometry::Lines(const TreeRowInput& in, const TreeRowLayout& layout,
                                             const TreeRowLinks& links) {
  std::vector<TreeLine> lines;
  const POINT c = Connector(in, layout);
  const int bottom = in.top + layout.rowHeight;
  if (in.linesAtRoot || in.depth >= 2) {
    int end = in.hasStateImage ? layout.stateIcon.left : in.hasImage ? layout.icon.left : layout.label.left;
    lines.push_back({c.x, c.y, end - 1, c.y});
  }
  if (!links.firstRow)
    lines.push_back({c.x, in.top, c.x, c.y});
  if (links.expandedWithChildren) {
    int below = c.y + (in.hasImage ? in.image.cy / 2 : 0);
    lines.push_back({c.x + in.indent, below, c.x + in.indent, bottom});
  }
  int x = c.x;
  for (size_t level = 0; level < links.nextSiblingByLevel.size(); ++level, x -= in.indent) {
    if (!links.nextSiblingByLevel[level])
      continue;
    lines.push_back({x, level == 0 ? c.y : in.top, x, bottom});
  }
  return lines;
}

RECT TreeRowGeometry::ButtonRect(const TreeRowInput& in, const TreeRowLayout& layout, int* pHalf) {
  int size = 8;
  if (in.hasImage)
    size = std::min(static_cast<int>(in.image.cy * 0.6060606060606061), 15);
  const POINT c = Connector(in, layout);
  const int half = size / 2;
  // An even size gets one more pixel so that the button has a centre pixel.
  const int grow = IsOdd(size) ? 0 : 1;
  if (pHalf != nullptr)
    *pHalf = half;
  return RECT{c.x - half, c.y - half, c.x - half + size + grow, c.y - half + size + grow};
}

std::vector<TreeLine> TreeRowGeometry::ButtonMarks(const RECT& button, int hScroll, BOOL bCollapsed) {
  const int h = (button.right - button.left) / 3;
  int cx = (button.left + button.right) / 2;
  if (IsOdd(cx + hScroll))
    --cx;
  const int cy = (button.top + button.bottom) / 2;
  std::vector<TreeLine> marks{{cx - h + 1, cy, cx + h, cy}};
  if (bCollapsed)
    marks.push_back({cx, cy - h + 1, cx, cy + h});
  return marks;
}
