#include "mvc/WndPlugIn.h"

IMPLEMENT_DYNCREATE(SECWndPlugIn, CWnd)

SECWndPlugIn::~SECWndPlugIn() {
  m_hWnd = nullptr;  // borrowed: the host window is not ours to destroy
}

BOOL SECWndPlugIn::PlugInTo(CWnd* host) {
  if (!host)
    return FALSE;
  m_hWnd = host->GetSafeHwnd();
  m_bAttached = TRUE;
  return TRUE;
}

void SECWndPlugIn::UnPlug() {
  m_bAttached = FALSE;
  m_hWnd = nullptr;
}

BOOL SECWndPlugIn::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (!m_bAttached)
    return FALSE;
  return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL SECWndPlugIn::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (!m_bAttached)
    return FALSE;
  m_state.Begin();
  LRESULT result = 0;
  BOOL dispatched = CWnd::OnWndMsg(message, wParam, lParam, &result);
  return m_state.End(dispatched, result, pResult);
}

LRESULT SECWndPlugIn::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_bAttached || !m_state.CallsDefault())
    return 0;
  return CWnd::DefWindowProc(message, wParam, lParam);
}
