// Dialogs from resource templates, modal (our own loop, so messages still
// pass the pre-translate chain and idle processing runs) or modeless.
#pragma once

#include "framework/Wnd.h"

#include <vector>

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless. A null parent means the main window, which owns it and so
    // keeps it above itself.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Modal from a template in memory.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog with its owner disabled; a null parent means the main
    // window. Returns IDOK, IDCANCEL or what EndDialog was given, -1 when the
    // dialog could not be created.
    virtual int DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Hides the dialog at once; DoModal returns when the running handler has.
    void EndDialog(int nResult);

    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl) { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)AfxGetSafeHwnd(pWndCtrl), 1L); }
    void SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Called by the dialog procedure at WM_INITDIALOG: the template's init
    // data, then OnInitDialog; a top-level dialog it left in place is then
    // centred on its owner.
    BOOL HandleInitDialog();

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;

protected:
    // A copy of the template resource; modal dialogs get WS_VISIBLE removed so
    // they show only once OnInitDialog is through (and not at all when it
    // ended the dialog).
    bool LoadTemplate(LPCTSTR lpszTemplateName, bool bHidden, std::vector<BYTE>& copy) const;
    HWND PreModal();

private:
    BOOL RunInitDialog();
    void CentreUnlessPlaced(const CRect& rcBefore);
    HWND m_hWndDisabledOwner = nullptr;
    DECLARE_MESSAGE_MAP()
};

// The dialog procedure of windows made from templates.
DLGPROC AfxGetDlgProc();
