// CDialogBar: a control bar whose client is a modeless dialog made from a
// template. Its controls' commands go to the owner frame and on to the
// active view; they follow the update handlers at idle time.
#pragma once

#include "framework/ControlBar.h"

class CDialogBar : public CControlBar
{
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar() = default;
    ~CDialogBar() override;

    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
    { return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), nStyle, nID); }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL SetOccDialogInfo(void* pOccDialogInfo) override { m_pOccDialogInfo = pOccDialogInfo; return TRUE; }

    CSize m_sizeDefault;
    void* m_pOccDialogInfo = nullptr;
    LPCTSTR m_lpszTemplateName = nullptr;

    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
