// Print preview: the pages the view would print, drawn scaled in a window
// that covers the frame, with Print, Next, Previous and Close.
#pragma once

#include "framework/Wnd.h"

class CView;
class CPrintInfo;

class CPrintPreviewWnd : public CWnd
{
public:
    // Shows the preview for pView and returns when it is closed.
    static void Run(CView* pView);

    // Renders page nPage of pView into an enhanced metafile made for the
    // reference DC hdcRef (a printer, or the screen without one). Exposed
    // for tests; the caller deletes the metafile.
    static HENHMETAFILE RenderPage(CView* pView, CPrintInfo* pInfo, HDC hdcRef, UINT nPage, BOOL* pbMore);

    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override {}

private:
    CPrintPreviewWnd(CView* pView, CPrintInfo* pInfo, HDC hdcRef);
    ~CPrintPreviewWnd() override;
    void ShowPage(UINT nPage);
    void UpdateButtons();

    CView* m_pView;
    CPrintInfo* m_pInfo;
    HDC m_hdcRef;
    UINT m_nPage = 1;
    BOOL m_bMore = FALSE;
    HENHMETAFILE m_hPage = nullptr;
    BOOL m_bPrint = FALSE;
    BOOL m_bDone = FALSE;
    HWND m_hWndButtons[4] = {};
    DECLARE_MESSAGE_MAP()
};
