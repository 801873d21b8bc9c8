// SECListTip: a popup over a cell whose text is clipped, showing the whole
// text under the mouse (fly-by tips). Mouse input over the tip goes to the
// list, so a click on a tip is a click on the list. Timer 0xF001 hides the
// tip once the cursor has left the list.
#pragma once

#include "framework/Framework.h"

class SECListClient;

class SECListTip : public CWnd {
 public:
  static constexpr UINT_PTR kTimerId = 0xF001;
  static constexpr UINT kTimerPeriod = 500;

  explicit SECListTip(SECListClient* pOwner) : m_pOwner(pOwner) {}

  // Shows or moves the tip for the cell under the mouse, or hides it.
  BOOL Show(UINT nHitFlags, int nItem, int nColumn, int x, int y);
  void Hide();
  void Refresh();
  void SetText(LPCTSTR lpszText) { m_strText = lpszText; }
  BOOL IsShown() const { return m_hWnd != nullptr && IsWindowVisible(); }
  int GetItem() const { return m_nItem; }
  int GetSubItem() const { return m_nSubItem; }
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  afx_msg void OnPaint();
  afx_msg void OnDestroy();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  DECLARE_MESSAGE_MAP()

 private:
  BOOL CreateTipWindow();
  BOOL IsClipped(const CRect& rcText, const CRect& rcCell, const CRect& rcArea) const;
  void ForwardToList(MSG* pMsg);

  int m_nItem = -1;
  int m_nSubItem = -1;
  SECListClient* m_pOwner;
  CString m_strText;
  CRect m_rect;  // in the list's client coordinates
};
