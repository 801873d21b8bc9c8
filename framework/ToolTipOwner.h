// The thread's tool tips.
#pragma once

#include "framework/Controls.h"

#include <memory>

// One tool-tip window serves every window of a thread: the windows that
// hit-test their tools as the mouse moves (CWnd::EnableToolTips) and the
// controls that register fixed tools (header buttons of a list, toolbar
// buttons). The owner lives in the thread state; it creates the window on
// first use, again if something destroyed it, and destroys it at the end.
// The window has no owner window, so closing a dialog that used it does not
// take the tips of other windows with it.
class CToolTipOwner
{
public:
    CToolTipOwner();
    ~CToolTipOwner();
    CToolTipOwner(const CToolTipOwner&) = delete;
    CToolTipOwner& operator=(const CToolTipOwner&) = delete;

    // The calling thread's owner.
    static CToolTipOwner& ForThread();

    // A tool: nIDTool names a rect of hWnd's client area (all of it when
    // lpRect is null) that shows lpszText (copied; LPSTR_TEXTCALLBACK asks
    // hWnd with TTN_GETDISPINFO). The tip watches hWnd's mouse messages
    // itself. Adding an existing tool again replaces it.
    BOOL AddTool(HWND hWnd, UINT_PTR nIDTool, LPCTSTR lpszText, LPCRECT lpRect = nullptr);
    void SetToolRect(HWND hWnd, UINT_PTR nIDTool, const RECT& rect);
    void RemoveTool(HWND hWnd, UINT_PTR nIDTool);
    // Every tool of hWnd (call before the window goes).
    void RemoveTools(HWND hWnd);
    int GetToolCount() const;

    // For windows that do not let the tip watch them: hands on a mouse message.
    void RelayEvent(MSG* pMsg);
    // The hit-test relay of CWnd::FilterToolTipMessage: shows the tool that
    // pWnd's OnToolHitTest reports under the mouse, one at a time.
    void FilterMessage(CWnd* pWnd, MSG* pMsg);
    // Forgets that hWnd's tool is the one shown, so it is added afresh.
    void ForgetTipped(HWND hWnd);

    // The tool-tip window, created when needed; null when it cannot be made.
    CToolTipCtrl* GetControl();

private:
    void DeleteLastHit();

    std::unique_ptr<CToolTipCtrl> m_pTip;
    // The tool the hit-test relay shows: its window, hit code and info.
    HWND m_hWndLastTipped = nullptr;
    int m_nLastHit = -1;
    TOOLINFO m_tiLast = {};
};
