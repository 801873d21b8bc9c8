// A window plug-in: it borrows a host window's handle so that its own message
// and command maps run for the host's messages. It never creates or destroys
// a window.
#pragma once

#include "framework/Framework.h"
#include "mvc/MvcRouting.h"

class SECWndPlugIn : public CWnd {
  DECLARE_DYNCREATE(SECWndPlugIn)

 public:
  SECWndPlugIn() = default;
  ~SECWndPlugIn() override;

  // Called by a handler that consumed the message, whatever its result.
  virtual void SetHandled(LRESULT result) { m_state.SetHandled(result); }
  virtual BOOL PlugInTo(CWnd* host);
  virtual void UnPlug();
  virtual BOOL IsPlugged() const { return m_bAttached; }

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Lets the host's default procedure run for the current message.
  void CallDefault(BOOL bCall = TRUE) { m_state.SetCallDefault(bCall); }

  MvcHandledState m_state;
  BOOL m_bAttached = FALSE;
};
