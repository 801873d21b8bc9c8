// SECListClient: what the list's companion windows (the in-place label
// editor and the item tip) and its paint code may ask of the list. The
// defaults answer 0, -1 or an empty string; SECListBaseC answers for real.
#pragma once

#include "framework/Framework.h"

class SECListClient {
 public:
  virtual ~SECListClient() = default;

  virtual CWnd* GetWnd() { return nullptr; }
  virtual BOOL IsLabelWrap() const { return FALSE; }
  virtual BOOL EndLabelEdit(BOOL bSave) { return FALSE; }
  virtual int GetColumnSubItem(int nColumn) const { return -1; }
  // The horizontal offset in x; y is always 0.
  virtual void GetScrollPosition(POINT* pPoint) const { pPoint->x = pPoint->y = 0; }
  // The item area: the client area less header and scroll bars.
  virtual void GetItemAreaRect(RECT* pRect) const { ::SetRectEmpty(pRect); }
  // Code 0 the cell, 1 the label's icon, 2 the text.
  virtual BOOL GetSubItemRect(int nItem, int nColumn, RECT* pRect, int nCode) { return FALSE; }
  virtual BOOL GetItemText(CString& text, int nItem, int nSubItem) {
    text.Empty();
    return FALSE;
  }
  virtual void ClientToScreen(RECT* pRect) const {}
  virtual void SetCapture(BOOL bCapture) {}
  virtual BOOL IsSelected(int nItem) const { return FALSE; }
  virtual COLORREF GetSelTextColor() const { return 0; }
  virtual COLORREF GetSelBkColor() const { return 0; }
  virtual COLORREF GetTipTextColor() const { return 0; }
  virtual COLORREF GetTipBkColor() const { return 0; }
  virtual HFONT GetListFont() const { return nullptr; }
  // Bit 0x10 of the answer makes the item's tip text bold.
  virtual UINT GetItemTipState(int nItem, UINT nMask) { return 0; }
};
