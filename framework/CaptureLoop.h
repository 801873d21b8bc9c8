// A modal mouse-tracking loop (drags, splitter bars, trackers, help mode).
#pragma once

#include "framework/Types.h"
#include "framework/Geometry.h"

// Captures the mouse for one window and runs its own message loop until the
// drag ends or is cancelled. The loop keeps these rules, so that every drag
// behaves alike: the left button's release ends the drag; Escape, the right
// button and losing the capture (another window took it, or WM_CANCELMODE)
// cancel it; a WM_QUIT cancels and is posted again for the outer loop; other
// messages are dispatched as usual. Points are in the client coordinates of
// the capturing window. The capture is released before OnEnd or OnCancel.
// When the window is destroyed during the loop neither hook runs and Run
// returns false: the caller must then not touch the window's object.
class CCaptureLoop
{
public:
    explicit CCaptureLoop(HWND hWnd) : m_hWnd(hWnd) {}
    virtual ~CCaptureLoop() = default;
    CCaptureLoop(const CCaptureLoop&) = delete;
    CCaptureLoop& operator=(const CCaptureLoop&) = delete;

    // Runs the loop; true when it ended, false when it was cancelled (or the
    // capture could not be taken).
    bool Run();

    // Stop the loop from a hook: End as if the button were released at pt,
    // Cancel as if Escape were pressed.
    void End(CPoint pt);
    void Cancel();

    // With a non-zero interval OnIdle is called again every nMilliseconds
    // while no input arrives (autoscroll); with zero, once each time the
    // queue empties.
    void SetIdleInterval(UINT nMilliseconds) { m_nIdleInterval = nMilliseconds; }

    HWND GetWindow() const { return m_hWnd; }
    CPoint GetLastPoint() const { return m_ptLast; }

protected:
    virtual void OnMove(CPoint) {}
    virtual void OnIdle() {}
    virtual void OnEnd(CPoint) {}
    virtual void OnCancel() {}
    // Sees every message first; returns true when it handled the message
    // (the loop then does nothing more with it).
    virtual bool OnMessage(const MSG&) { return false; }
    // Messages the loop does not handle itself: through the thread's
    // PreTranslateMessage, then translated and dispatched.
    virtual void DispatchOther(MSG& msg);

    // The message's mouse position in the capturing window's client area.
    CPoint ClientPoint(const MSG& msg) const;

private:
    enum class State { idle, running, ended, cancelled };
    bool NextMessage(MSG& msg, bool& bIdle);
    void Handle(MSG& msg);

    HWND m_hWnd;
    State m_state = State::idle;
    UINT m_nIdleInterval = 0;
    CPoint m_ptLast;
};
