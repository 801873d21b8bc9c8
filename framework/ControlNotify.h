// Notifications from a control to its parent.
#pragma once

#include "framework/Types.h"

// A parent's handler may destroy the control that notified it (closing the
// dialog, rebuilding a list). These send the notification and then report
// whether the control still exists, so the sender knows whether it may
// touch its own members again: on false it must return at once.

// Sends WM_NOTIFY with nCode to hCtrl's parent; fills hdr's sender fields
// (window, id, code). pResult, when given, receives the parent's answer.
bool SendNotifyToParent(HWND hCtrl, NMHDR& hdr, UINT nCode, LRESULT* pResult = nullptr);
// The same for a notification that is only a code.
bool SendNotifyToParent(HWND hCtrl, UINT nCode, LRESULT* pResult = nullptr);
// Sends WM_COMMAND with nCode (BN_CLICKED, LBN_SELCHANGE...) to the parent.
bool SendCommandToParent(HWND hCtrl, UINT nCode);
