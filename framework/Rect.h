// CRect: a RECT with the usual arithmetic. Right and bottom are exclusive:
// PtInRect excludes them and an empty rectangle has no width or height.
#pragma once

#include "framework/Point.h"

class CRect : public RECT {
public:
  CRect() { SetRectEmpty(); }
  CRect(int l, int t, int r, int b) { SetRect(l, t, r, b); }
  CRect(const RECT& srcRect) { CopyRect(&srcRect); }
  CRect(LPCRECT lpSrcRect) {
    if (lpSrcRect != NULL)
      CopyRect(lpSrcRect);
    else
      SetRectEmpty();
  }
  CRect(POINT point, SIZE size) { SetRect(point.x, point.y, point.x + size.cx, point.y + size.cy); }
  CRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
  const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
  const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }

  // Empty: no area (width or height zero or negative). Null: all zero.
  BOOL IsRectEmpty() const { return left >= right || top >= bottom; }
  BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
  BOOL PtInRect(POINT point) const {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
  }

  void SetRect(int x1, int y1, int x2, int y2) {
    left = x1;
    top = y1;
    right = x2;
    bottom = y2;
  }
  void SetRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void CopyRect(LPCRECT lpSrcRect) { SetRect(lpSrcRect->left, lpSrcRect->top, lpSrcRect->right, lpSrcRect->bottom); }
  BOOL EqualRect(LPCRECT lpRect) const {
    return left == lpRect->left && top == lpRect->top && right == lpRect->right && bottom == lpRect->bottom;
  }

  void InflateRect(int x, int y) { InflateRect(x, y, x, y); }
  void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
  void InflateRect(LPCRECT lpRect) { InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  void InflateRect(int l, int t, int r, int b) {
    left -= l;
    top -= t;
    right += r;
    bottom += b;
  }
  void DeflateRect(int x, int y) { InflateRect(-x, -y); }
  void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
  void DeflateRect(LPCRECT lpRect) { InflateRect(-lpRect->left, -lpRect->top, -lpRect->right, -lpRect->bottom); }
  void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

  void OffsetRect(int x, int y) {
    left += x;
    right += x;
    top += y;
    bottom += y;
  }
  void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
  void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
  void MoveToX(int x) {
    right += x - left;
    left = x;
  }
  void MoveToY(int y) {
    bottom += y - top;
    top = y;
  }
  void MoveToXY(int x, int y) {
    MoveToX(x);
    MoveToY(y);
  }
  void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }

  // Swaps the edges where needed so that left <= right and top <= bottom.
  void NormalizeRect() {
    if (left > right) {
      LONG n = left;
      left = right;
      right = n;
    }
    if (top > bottom) {
      LONG n = top;
      top = bottom;
      bottom = n;
    }
  }

  // Both as the operating system does it: the intersection of two
  // rectangles that do not overlap is set empty (all zero) and FALSE
  // returned; the union ignores empty rectangles.
  BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) {
    CRect result(lpRect1->left > lpRect2->left ? lpRect1->left : lpRect2->left,
                 lpRect1->top > lpRect2->top ? lpRect1->top : lpRect2->top,
                 lpRect1->right < lpRect2->right ? lpRect1->right : lpRect2->right,
                 lpRect1->bottom < lpRect2->bottom ? lpRect1->bottom : lpRect2->bottom);
    if (result.IsRectEmpty() || CRect(lpRect1).IsRectEmpty() || CRect(lpRect2).IsRectEmpty()) {
      SetRectEmpty();
      return FALSE;
    }
    *this = result;
    return TRUE;
  }
  BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) {
    CRect rect1(lpRect1);
    CRect rect2(lpRect2);
    if (rect1.IsRectEmpty()) {
      if (rect2.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
      }
      *this = rect2;
      return TRUE;
    }
    if (rect2.IsRectEmpty()) {
      *this = rect1;
      return TRUE;
    }
    SetRect(rect1.left < rect2.left ? rect1.left : rect2.left, rect1.top < rect2.top ? rect1.top : rect2.top,
            rect1.right > rect2.right ? rect1.right : rect2.right,
            rect1.bottom > rect2.bottom ? rect1.bottom : rect2.bottom);
    return TRUE;
  }
  BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2);

  CRect& operator=(const RECT& srcRect) {
    CopyRect(&srcRect);
    return *this;
  }
  bool operator==(const RECT& rect) const { return EqualRect(&rect) != FALSE; }
  bool operator!=(const RECT& rect) const { return !EqualRect(&rect); }
  void operator+=(POINT point) { OffsetRect(point); }
  void operator+=(SIZE size) { OffsetRect(size); }
  void operator+=(LPCRECT lpRect) { InflateRect(lpRect); }
  void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
  void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
  void operator-=(LPCRECT lpRect) { DeflateRect(lpRect); }
  void operator&=(const RECT& rect) { IntersectRect(this, &rect); }
  void operator|=(const RECT& rect) { UnionRect(this, &rect); }

  CRect operator+(POINT point) const {
    CRect rect(*this);
    rect.OffsetRect(point);
    return rect;
  }
  CRect operator-(POINT point) const {
    CRect rect(*this);
    rect.OffsetRect(-point.x, -point.y);
    return rect;
  }
  CRect operator+(SIZE size) const {
    CRect rect(*this);
    rect.OffsetRect(size);
    return rect;
  }
  CRect operator-(SIZE size) const {
    CRect rect(*this);
    rect.OffsetRect(-size.cx, -size.cy);
    return rect;
  }
  CRect operator+(LPCRECT lpRect) const {
    CRect rect(*this);
    rect.InflateRect(lpRect);
    return rect;
  }
  CRect operator-(LPCRECT lpRect) const {
    CRect rect(*this);
    rect.DeflateRect(lpRect);
    return rect;
  }
  CRect operator&(const RECT& rect2) const {
    CRect rect;
    rect.IntersectRect(this, &rect2);
    return rect;
  }
  CRect operator|(const RECT& rect2) const {
    CRect rect;
    rect.UnionRect(this, &rect2);
    return rect;
  }
};

// What stays of rect 1 after taking rect 2 away, when that is a rectangle.
inline BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) {
  CRect rect1(lpRectSrc1);
  CRect inter;
  if (!inter.IntersectRect(lpRectSrc1, lpRectSrc2)) {
    *this = rect1;
    return !rect1.IsRectEmpty();
  }
  if (inter.left <= rect1.left && inter.right >= rect1.right) {
    if (inter.top <= rect1.top)
      rect1.top = inter.bottom;
    else if (inter.bottom >= rect1.bottom)
      rect1.bottom = inter.top;
  } else if (inter.top <= rect1.top && inter.bottom >= rect1.bottom) {
    if (inter.left <= rect1.left)
      rect1.left = inter.right;
    else if (inter.right >= rect1.right)
      rect1.right = inter.left;
  }
  *this = rect1;
  if (IsRectEmpty()) {
    SetRectEmpty();
    return FALSE;
  }
  return TRUE;
}
