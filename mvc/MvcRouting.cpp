#include "mvc/MvcRouting.h"

BOOL MvcIsControllerMessage(UINT message) {
  if (MvcIsMouseMessage(message))
    return TRUE;
  switch (message) {
    case 0x100:  // key down
    case 0x101:  // key up
    case 0x102:  // char
    case 0x111:  // command
    case 0x020:  // set cursor
    case 0x113:  // timer
    case 0x07B:  // context menu
    case 0x019:  // control colour
      return TRUE;
    default:
      return FALSE;
  }
}

CPoint MvcPointFromLParam(LPARAM lParam) {
  auto x = static_cast<short>(static_cast<unsigned>(lParam) & 0xFFFF);
  auto y = static_cast<short>((static_cast<unsigned>(lParam) >> 16) & 0xFFFF);
  return CPoint(x, y);
}

namespace {

BOOL RouteMadeEvent(const MvcRouteTargets& targets, rw::IEvent* event) {
  if (!event)
    return FALSE;
  BOOL handled = targets.router ? targets.router->RouteEvent(event) : FALSE;
  event->Release();
  return handled;
}

}  // namespace

BOOL MvcRouteMessage(const MvcRouteTargets& targets, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* pResult) {
  if (targets.capture && targets.capture->OnWndMsg(message, wParam, lParam, pResult))
    return TRUE;
  if (!targets.controller)
    return FALSE;
  if (targets.factory && RouteMadeEvent(targets, targets.factory->MakeEvent(message, wParam, lParam)))
    return TRUE;
  if (MvcIsMouseMessage(message) && !targets.bounds.PtInRect(MvcPointFromLParam(lParam)))
    return FALSE;
  return targets.controller->OnWndMsg(message, wParam, lParam, pResult);
}

BOOL MvcRouteCommand(const MvcRouteTargets& targets, UINT id, int code, void* extra,
                     AFX_CMDHANDLERINFO* handlerInfo) {
  if (!targets.controller)
    return FALSE;
  if (targets.factory) {
    rw::IEvent* event = nullptr;
    if (handlerInfo)
      event = targets.factory->MakeCommandEvent(id, 0);
    else if (code != -1)
      event = targets.factory->MakeCommandEvent(id, code);
    if (RouteMadeEvent(targets, event))
      return TRUE;
  }
  return targets.controller->OnCmdMsg(id, code, extra, handlerInfo);
}
