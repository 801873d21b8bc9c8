// CMiniFrameWnd: a frame with a small tool-window caption. Floating bars
// live in its derived CMiniDockFrameWnd.
#pragma once

#include "framework/FrameWnd.h"

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd() = default;

    BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = nullptr, UINT nID = 0);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The border added around a client rectangle for these styles.
    static void CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION, DWORD dwExStyle = 0);

    LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    BOOL OnNcActivate(BOOL bActive);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnSysCommand(UINT nID, LPARAM lParam);

    BOOL IsActiveLook() const { return m_bActive; }

protected:
    // The frame that owns this one, when it is a frame of ours.
    CFrameWnd* GetOwnerFrame() const;
    BOOL m_bActive = FALSE;     // looks active along with its owner
    DWORD m_dwMiniStyle = 0;    // the MFS_ styles given to Create
    DECLARE_MESSAGE_MAP()
};
