// CPoint, CSize and CRect together, and CAxis for layout written once for
// both orientations.
#pragma once

#include "framework/Point.h"
#include "framework/Size.h"
#include "framework/Rect.h"

// One orientation of a layout. The major coordinate runs along the axis
// (x when horizontal, y when vertical), the minor one across it; code that
// lays out rows, columns or bars reads and builds its geometry through an
// axis so that the horizontal and vertical cases share one body.
class CAxis {
public:
  static CAxis Horizontal() { return CAxis(false); }
  static CAxis Vertical() { return CAxis(true); }

  bool IsVertical() const { return m_bVertical; }
  CAxis Across() const { return CAxis(!m_bVertical); }

  int Major(POINT pt) const { return m_bVertical ? pt.y : pt.x; }
  int Minor(POINT pt) const { return m_bVertical ? pt.x : pt.y; }
  int Major(SIZE size) const { return m_bVertical ? size.cy : size.cx; }
  int Minor(SIZE size) const { return m_bVertical ? size.cx : size.cy; }

  // Where a rect starts and ends, and its extent, along and across the axis.
  int MajorStart(const RECT& rc) const { return m_bVertical ? rc.top : rc.left; }
  int MajorEnd(const RECT& rc) const { return m_bVertical ? rc.bottom : rc.right; }
  int MinorStart(const RECT& rc) const { return m_bVertical ? rc.left : rc.top; }
  int MinorEnd(const RECT& rc) const { return m_bVertical ? rc.right : rc.bottom; }
  int MajorExtent(const RECT& rc) const { return MajorEnd(rc) - MajorStart(rc); }
  int MinorExtent(const RECT& rc) const { return MinorEnd(rc) - MinorStart(rc); }

  CPoint MakePoint(int nMajor, int nMinor) const {
    return m_bVertical ? CPoint(nMinor, nMajor) : CPoint(nMajor, nMinor);
  }
  CSize MakeSize(int nMajor, int nMinor) const {
    return m_bVertical ? CSize(nMinor, nMajor) : CSize(nMajor, nMinor);
  }
  CRect MakeRect(int nMajorStart, int nMinorStart, int nMajorEnd, int nMinorEnd) const {
    return m_bVertical ? CRect(nMinorStart, nMajorStart, nMinorEnd, nMajorEnd)
                       : CRect(nMajorStart, nMinorStart, nMajorEnd, nMinorEnd);
  }

  // Between layout space (major as x, minor as y) and the window: the
  // identity when horizontal, x and y swapped when vertical. Its own inverse.
  CRect Transpose(const RECT& rc) const { return m_bVertical ? TransposeRect(rc) : CRect(rc); }
  CPoint Transpose(POINT pt) const { return m_bVertical ? CPoint(pt.y, pt.x) : CPoint(pt); }
  static CRect TransposeRect(const RECT& rc) { return CRect(rc.top, rc.left, rc.bottom, rc.right); }

private:
  explicit CAxis(bool bVertical) : m_bVertical(bVertical) {}
  bool m_bVertical;
};
