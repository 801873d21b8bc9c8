// The "Toolbars" dialog: shows and hides the frame's toolbars, renames,
// resets or deletes them, makes new ones (SECNewToolBar asks the name) and
// switches ToolTips, CoolLook and LargeButtons. While it is open the
// manager customises: buttons may be dragged between bars. Close keeps
// what was switched; Cancel (Escape) puts the options back. Its
// "C&ustomize..." ends it with 43099: the frame then opens the
// "Customize" sheet (SECToolBarSheet).
#pragma once

#include "framework/Framework.h"
#include "framework/CheckListBox.h"

class SECCustomToolBar;
class SECToolBarManager;

// The toolbar list and options a dialog or a sheet page share.
class SECToolBarsBase
{
public:
    virtual ~SECToolBarsBase() = default;

    void SetManager(SECToolBarManager* pManager);
    void ApplyCurrent();
    void RestoreInitial();
    void SetDialog(CDialog* pDialog) { m_pDialog = pDialog; }
    void AttachList();
    void FillList();
    int IndexFromID(UINT nBarID) const;
    BOOL GetSelectedBar(SECCustomToolBar*& pBar, UINT& nBarID) const;
    void UpdateControls();
    void OnBarNotify(UINT nBarID, int nCode);
    void RenameSelected();
    BOOL NewToolBar();
    void ResetSelected();
    void OnCheckChange();
    void ReadOptions();
    void WriteOptions();

    BOOL m_bToolTips = TRUE, m_bCoolLook = FALSE, m_bLargeButtons = FALSE;
    BOOL m_bInitToolTips = TRUE, m_bInitCoolLook = FALSE, m_bInitLargeButtons = FALSE;
    SECToolBarManager* m_pManager = nullptr;
    CCheckListBox m_list;
    CDialog* m_pDialog = nullptr;
};

// While a customising dialog is open the frame and its floating bars keep
// their active look: the dialog passes its activation on to them and shows
// its own caption active while one of them has the focus.
void SyncCustomizeActivation(SECToolBarManager* pManager, UINT nState, CWnd* pWndOther);
// WM_FLOATSTATUS of such a dialog: follows the activate and deactivate bits.
LRESULT OnCustomizeFloatStatus(CWnd* pDialog, WPARAM wParam);

class SECToolBarsDlg : public CDialog, public SECToolBarsBase
{
public:
    explicit SECToolBarsDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override { EndWith(IDOK); }
    void OnCancel() override { EndWith(IDCANCEL); }

protected:
    void EndWith(int nResult);
    void OnNew();
    void OnCustomize() { EndWith(43099); }
    void OnReset() { ResetSelected(); }
    void OnSelChange() { UpdateControls(); }
    void OnListCheck() { OnCheckChange(); }
    void OnNameKillFocus() { RenameSelected(); }
    void OnOption();
    LRESULT OnBarNotifyMessage(WPARAM wParam, LPARAM lParam);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    LRESULT OnFloatStatus(WPARAM wParam, LPARAM) { return OnCustomizeFloatStatus(this, wParam); }

    DECLARE_MESSAGE_MAP()
};

class SECNewToolBar : public CDialog
{
public:
    explicit SECNewToolBar(CWnd* pParent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strName;

protected:
    void OnNameChange();
    DECLARE_MESSAGE_MAP()
};
