#include "ui/lists/ListTip.h"

#include "ui/lists/ListClient.h"
#include "ui/lists/ListTypes.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(SECListTip, CWnd)
ON_WM_PAINT()
ON_WM_DESTROY()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

const UINT kTipClassStyle = CS_SAVEBITS | CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
const UINT kTipTextFlags = DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;

}  // namespace

BOOL SECListTip::CreateTipWindow() {
  if (m_hWnd != nullptr)
    return TRUE;
  CWnd* pList = m_pOwner->GetWnd();
  LPCTSTR cls = AfxRegisterWndClass(kTipClassStyle, ::LoadCursor(nullptr, IDC_ARROW));
  return CreateEx(0, cls, "", WS_POPUP | WS_BORDER, 0, 0, 1, 1, AfxGetSafeHwnd(pList), nullptr);
}

BOOL SECListTip::IsClipped(const CRect& rcText, const CRect& rcCell, const CRect& rcArea) const {
  int limit = std::min(static_cast<int>(rcArea.Width()), static_cast<int>(rcCell.right) - 5);
  return limit < rcText.right || (rcArea.left > rcText.left && rcArea.left < rcText.right);
}

BOOL SECListTip::Show(UINT nHitFlags, int nItem, int nColumn, int, int) {
  if (!CreateTipWindow())
    return FALSE;
  int nSubItem = nColumn >= 0 ? m_pOwner->GetColumnSubItem(nColumn) : -1;
  CRect area;
  m_pOwner->GetItemAreaRect(&area);
  BOOL bOnText = (nHitFlags & SEC_LVHT_ONITEMLABEL) || ((nHitFlags & SEC_LVHT_ONROW) && nSubItem >= 1);
  CRect rcText;
  CRect rcCell;
  if (!bOnText || nItem < 0 || nSubItem < 0 || ::GetActiveWindow() == nullptr ||
      !m_pOwner->GetSubItemRect(nItem, nColumn, &rcText, 2) || !m_pOwner->GetSubItemRect(nItem, nColumn, &rcCell, 0) ||
      !IsClipped(rcText, rcCell, area)) {
    Hide();
    return FALSE;
  }
  if (nItem == m_nItem && nSubItem == m_nSubItem && IsShown())
    return TRUE;
  Hide();
  rcText.InflateRect(2, 0, 2, 2);
  CString text;
  m_pOwner->GetItemText(text, nItem, nSubItem);
  if (text.IsEmpty())
    return FALSE;
  m_nItem = nItem;
  m_nSubItem = nSubItem;
  m_rect = rcText;
  m_strText = text;
  CRect screen = rcText;
  m_pOwner->ClientToScreen(&screen);
  int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
  if (screen.right + 2 > cxScreen)
    screen.OffsetRect(cxScreen - screen.right - 2, 0);
  if (screen.left < 1)
    screen.OffsetRect(1 - screen.left, 0);
  SetWindowPos(nullptr, screen.left - 1, screen.top, screen.Width() + 3, screen.Height(),
               SWP_NOACTIVATE | SWP_NOZORDER);
  ShowWindow(SW_SHOWNOACTIVATE);
  SetTimer(kTimerId, kTimerPeriod);
  UpdateWindow();
  return TRUE;
}

void SECListTip::Hide() {
  if (IsShown()) {
    ShowWindow(SW_HIDE);
    CWnd* pList = m_pOwner->GetWnd();
    if (pList != nullptr && pList->m_hWnd != nullptr)
      pList->RedrawWindow(&m_rect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
    KillTimer(kTimerId);
  }
  m_nItem = m_nSubItem = -1;
  m_rect.SetRectEmpty();
}

void SECListTip::Refresh() {
  if (IsShown())
    RedrawWindow();
}

void SECListTip::OnPaint() {
  CPaintDC dc(this);
  CRect rc;
  GetClientRect(&rc);
  BOOL bSelected = m_pOwner->IsSelected(m_nItem);
  dc.FillSolidRect(&rc, bSelected ? m_pOwner->GetSelBkColor() : m_pOwner->GetTipBkColor());
  dc.SetTextColor(bSelected ? m_pOwner->GetSelTextColor() : m_pOwner->GetTipTextColor());
  dc.SetBkMode(TRANSPARENT);
  HFONT hFont = m_pOwner->GetListFont();
  CFont bold;
  if (m_pOwner->GetItemTipState(m_nItem, 0x18) & 0x10) {
    LOGFONT lf{};
    ::GetObjectA(hFont, sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    if (bold.CreateFontIndirect(&lf))
      hFont = static_cast<HFONT>(bold.m_hObject);
  }
  CSelectObjectScope font(dc.m_hDC, hFont);
  rc.left += 2;
  dc.DrawText(m_strText, &rc, kTipTextFlags);
}

void SECListTip::OnDestroy() {
  CWnd::OnDestroy();
  m_nItem = -1;
}

void SECListTip::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kTimerId)
    return;
  CWnd* pList = m_pOwner->GetWnd();
  CPoint pt;
  ::GetCursorPos(&pt);
  CRect rc;
  if (pList != nullptr && pList->m_hWnd != nullptr) {
    pList->GetClientRect(&rc);
    pList->ClientToScreen(&rc);
  }
  if (!rc.PtInRect(pt))
    Hide();
}

// A click on the tip is a click on the list at that point.
void SECListTip::ForwardToList(MSG* pMsg) {
  CWnd* pList = m_pOwner->GetWnd();
  if (pList == nullptr || pList->m_hWnd == nullptr)
    return;
  UINT message = pMsg->message;
  WPARAM wParam = pMsg->wParam;
  CPoint pt(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
  if (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) {
    message += WM_MOUSEMOVE - WM_NCMOUSEMOVE;
    wParam = message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON;
  } else {
    ClientToScreen(&pt);
  }
  pList->ScreenToClient(&pt);
  pList->SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
}

BOOL SECListTip::PreTranslateMessage(MSG* pMsg) {
  BOOL bClient = pMsg->message >= WM_LBUTTONDOWN && pMsg->message <= WM_MBUTTONDBLCLK;
  BOOL bNonClient = pMsg->message >= WM_NCLBUTTONDOWN && pMsg->message <= WM_NCMBUTTONDBLCLK;
  if (pMsg->hwnd != m_hWnd || !(bClient || bNonClient))
    return CWnd::PreTranslateMessage(pMsg);
  ForwardToList(pMsg);
  return TRUE;
}
