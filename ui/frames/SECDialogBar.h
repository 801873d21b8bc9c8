// SECDialogBar: a dockable bar (SECControlBar) whose client is a modeless
// dialog made from a template. It remembers the template so that a saved
// layout can make the bar again ("ResourceID").
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECControlBar.h"

class SECDialogBar : public SECControlBar
{
    DECLARE_DYNCREATE(SECDialogBar)
public:
    SECDialogBar() = default;
    ~SECDialogBar() override;

    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, DWORD dwStyle, DWORD dwExStyle, UINT nID)
    {
        return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), dwStyle, dwExStyle, nID);
    }

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void GetExtendedBarInfo(SECControlBarInfo* pInfo) override;
    BOOL SetOccDialogInfo(void* pOccDialogInfo) override
    {
        m_pOccDialogInfo = pOccDialogInfo;
        return TRUE;
    }

    CSize m_sizeDefault{0, 0};
    LPCTSTR m_nTemplateID = nullptr;
    void* m_pOccDialogInfo = nullptr;
    LPCTSTR m_lpszTemplateName = nullptr;

    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
