#include "mvc/MvcController.h"

namespace {
MvcController* g_pCaptureController = nullptr;
}

MvcController::~MvcController() {
  if (g_pCaptureController == this)
    SetCaptureController(nullptr);
}

BOOL MvcController::Create(CWnd* host, MvcVisualComponent* visual) {
  return Initialize(host, visual);
}

BOOL MvcController::Initialize(CWnd* host, MvcVisualComponent* visual) {
  m_pHostWnd = host;
  SetVisualComponent(visual);
  m_hWnd = nullptr;
  return PlugInTo(host);
}

void MvcController::SetVisualComponent(MvcVisualComponent* visual) {
  MvcController_T<MvcModel, MvcVisualComponent>::SetVisualComponent(visual);
}

BOOL MvcController::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (!MvcIsControllerMessage(message))
    return FALSE;
  return SECWndPlugIn::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL MvcController::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  return SECWndPlugIn::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

MvcController* MvcController::GetCaptureController() { return g_pCaptureController; }

void MvcController::SetCaptureController(MvcController* controller) {
  if (controller == g_pCaptureController)
    return;
  if (g_pCaptureController)
    ::ReleaseCapture();
  if (controller && controller->m_pHostWnd)
    ::SetCapture(controller->m_pHostWnd->GetSafeHwnd());
  g_pCaptureController = controller;
}
