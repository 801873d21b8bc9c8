// Which window messages reach a controller, and in what order a viewport
// offers them.
#pragma once

#include "framework/Portable.h"
#include "mvc/Interfaces.h"

// Mouse, key, command, cursor, timer, context-menu and control-colour
// messages; every other message is left to the host window.
BOOL MvcIsControllerMessage(UINT message);
inline bool MvcIsMouseMessage(UINT message) { return message >= 0x200 && message <= 0x20A; }
// Client coordinates of a mouse message, read as signed values (left of or
// above the window they are negative).
CPoint MvcPointFromLParam(LPARAM lParam);

// The per-message state of a window plug-in: a handler says it consumed the
// message with SetHandled, whatever result value it gives.
class MvcHandledState {
 public:
  void Begin() {
    m_dwFlags = 0;
    m_dwDefFlags = 0;
    m_bHandled = FALSE;
    m_lResult = 0;
  }
  void SetHandled(LRESULT result) {
    m_bHandled = TRUE;
    m_lResult = result;
  }
  // Combines the message map's answer with SetHandled; TRUE when handled.
  BOOL End(BOOL bDispatched, LRESULT dispatchResult, LRESULT* pResult) {
    if (m_bHandled) {
      m_bHandled = FALSE;
      if (pResult)
        *pResult = m_lResult;
      return TRUE;
    }
    if (bDispatched && pResult)
      *pResult = dispatchResult;
    return bDispatched;
  }
  void SetCallDefault(BOOL bCall) { m_dwDefFlags = bCall ? 1 : 0; }
  BOOL CallsDefault() const { return m_dwDefFlags != 0; }

 private:
  DWORD m_dwFlags = 0;
  DWORD m_dwDefFlags = 0;
  BOOL m_bHandled = FALSE;
  LRESULT m_lResult = 0;
};

// What one viewport offers a message to, in routing order.
struct MvcRouteTargets {
  IMvcMsgHandler* capture = nullptr;     // the capture controller, if any
  IMvcMsgHandler* controller = nullptr;  // the viewport's controller
  rw::IEventFactory* factory = nullptr;  // makes event objects, if any
  rw::IEventRouter* router = nullptr;    // routes those events
  CRect bounds;                          // the viewport's device bounds
};

// Capture controller first, then an event from the factory, then (for mouse
// messages inside the bounds only) the controller. TRUE when handled.
BOOL MvcRouteMessage(const MvcRouteTargets& targets, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* pResult);
// A command: an event from the factory first, then the controller.
BOOL MvcRouteCommand(const MvcRouteTargets& targets, UINT id, int code, void* extra,
                     AFX_CMDHANDLERINFO* handlerInfo);
