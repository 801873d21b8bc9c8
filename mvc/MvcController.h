// A controller: a window plug-in on the host view whose message and command
// maps turn the view's input into actions on a model and a viewport.
#pragma once

#include "mvc/MvcController_T.h"
#include "mvc/MvcModel.h"
#include "mvc/MvcVisualComponent.h"
#include "mvc/WndPlugIn.h"

class MvcController : public SECWndPlugIn,
                      public MvcController_T<MvcModel, MvcVisualComponent>,
                      public IMvcMsgHandler {
 public:
  MvcController() = default;
  ~MvcController() override;

  virtual BOOL Create(CWnd* host, MvcVisualComponent* visual);
  virtual BOOL Initialize(CWnd* host, MvcVisualComponent* visual);
  void SetVisualComponent(MvcVisualComponent* visual) override;
  CWnd* GetHostWnd() const { return m_pHostWnd; }

  // Only input messages reach the message map; the rest stay with the host.
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // The one controller that holds the mouse while it drags, or null.
  static MvcController* GetCaptureController();
  static void SetCaptureController(MvcController* controller);

 protected:
  CWnd* m_pHostWnd = nullptr;
};
