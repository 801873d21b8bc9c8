// A viewport: a logical part bound to a host window, a model and a
// controller. It is the first stop for the host window's messages.
#pragma once

#include "mvc/MvcController.h"
#include "mvc/MvcViewport_T.h"

class MvcViewport : public MvcViewport_T<MvcLogicalPart, MvcModel, MvcController>, public IMvcMsgHandler {
 public:
  explicit MvcViewport(MvcVisualPart* parent = nullptr);

  virtual BOOL Create(CWnd* host, MvcVisualPart* parent);
  using MvcVisualPart::Create;
  virtual CWnd* GetWnd() const { return m_pWnd; }
  // The device point lies in the viewport's logical bounds.
  virtual BOOL HitTest(const CPoint& point);
  virtual BOOL GetUpdateRect(LPRECT rect, BOOL bErase = FALSE);
  virtual void LPtoDP(LPSIZE size);
  virtual void LPtoDP(LPRECT rect);
  virtual void LPtoDP(LPPOINT points, int count = 1);
  virtual void DPtoLP(LPSIZE size);
  virtual void DPtoLP(LPRECT rect);
  virtual void DPtoLP(LPPOINT points, int count = 1);
  virtual rw::IEventFactory* GetEventFactory() { return nullptr; }

  void Draw(CDC*) override {}
  void InvalidateRect(const CRect& rect, BOOL bErase = TRUE, BOOL bUpdateNow = FALSE) override;
  BOOL OnCreate() override;
  CSize GetLogicalSize() const override;

  // Capture controller, then controller, in the fixed routing order.
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

 protected:
  MvcRouteTargets RouteTargets();

  CWnd* m_pWnd = nullptr;
};
