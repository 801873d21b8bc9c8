#include "framework/Framework.h"
#include "ui/frames/SECReBar.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(SECReBar, CWnd)

BOOL SECReBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_COOL_CLASSES;
    ::InitCommonControlsEx(&icc);
    HWND hWnd = ::CreateWindowExA(0, REBARCLASSNAMEA, nullptr, dwStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                                  (HMENU)(UINT_PTR)nID, nullptr, nullptr);
    if (hWnd == nullptr)
        return FALSE;
    REBARINFO info = {};
    info.cbSize = sizeof info;
    ::SendMessageA(hWnd, RB_SETBARINFO, 0, (LPARAM)&info);
    return SubclassWindow(hWnd);
}

BOOL SECReBar::AddBar(CWnd* pBar, LPCTSTR pszText)
{
    CRect rc;
    pBar->GetWindowRect(&rc);
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | (pszText != nullptr ? RBBIM_TEXT : 0);
    band.fStyle = RBBS_CHILDEDGE;
    band.hwndChild = pBar->m_hWnd;
    band.cxMinChild = rc.Width();
    band.cyMinChild = rc.Height();
    band.lpText = const_cast<LPSTR>(pszText);
    return (BOOL)SendMessage(RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band);
}

int SECReBar::GetBandCount() const
{
    return (int)::SendMessageA(m_hWnd, RB_GETBANDCOUNT, 0, 0);
}
