#include "framework/Framework.h"
#include "ui/frames/SECToolBarsDlg.h"
#include "ui/frames/SECMenuBar.h"
#include "res/ToolBarsRes.h"
#include "ui/frames/SECCustomToolBar.h"
#include "ui/frames/SECToolBarManager.h"

namespace {

constexpr int kMaxNameLength = 128;
const UINT s_nBarNotify = SECToolBarManager::GetBarNotifyMessage();

} // namespace

// SECToolBarsBase --------------------------------------------------------------

void SECToolBarsBase::SetManager(SECToolBarManager* pManager)
{
    m_pManager = pManager;
    m_bToolTips = m_bInitToolTips = pManager->GetToolTips();
    m_bCoolLook = m_bInitCoolLook = pManager->GetCoolLook();
    m_bLargeButtons = m_bInitLargeButtons = pManager->GetLargeButtons();
}

void SECToolBarsBase::ApplyCurrent()
{
    m_pManager->EnableToolTips(m_bToolTips);
    m_pManager->EnableCoolLook(m_bCoolLook, 0x300);
    m_pManager->SetLargeButtons(m_bLargeButtons);
}

void SECToolBarsBase::RestoreInitial()
{
    m_bToolTips = m_bInitToolTips;
    m_bCoolLook = m_bInitCoolLook;
    m_bLargeButtons = m_bInitLargeButtons;
    ApplyCurrent();
}

void SECToolBarsBase::AttachList()
{
    m_list.SubclassDlgItem(IDC_SEC_TOOLBAR_LIST, m_pDialog);
    m_list.SendMessage(LB_SETITEMHEIGHT, 0, 0);
}

void SECToolBarsBase::FillList()
{
    m_list.ResetContent();
    for (SECCustomToolBar* pBar : m_pManager->GetToolBars()) {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        const int nItem = m_list.AddString(strTitle);
        m_list.SetItemData(nItem, (DWORD_PTR)pBar->GetDlgCtrlID());
        m_list.SetCheck(nItem, pBar->IsWindowVisible() ? 1 : 0);
    }
    m_list.SetCurSel(0);
    UpdateControls();
}

int SECToolBarsBase::IndexFromID(UINT nBarID) const
{
    for (int i = 0; i < m_list.GetCount(); ++i)
        if ((UINT)m_list.GetItemData(i) == nBarID)
            return i;
    return -1;
}

BOOL SECToolBarsBase::GetSelectedBar(SECCustomToolBar*& pBar, UINT& nBarID) const
{
    const int nSel = m_list.GetCurSel();
    if (nSel < 0)
        return FALSE;
    nBarID = (UINT)m_list.GetItemData(nSel);
    pBar = m_pManager->ToolBarFromID(nBarID);
    return pBar != nullptr;
}

void SECToolBarsBase::UpdateControls()
{
    SECCustomToolBar* pBar = nullptr;
    UINT nBarID = 0;
    CString strTitle;
    const BOOL bSelected = GetSelectedBar(pBar, nBarID);
    if (bSelected)
        pBar->GetWindowText(strTitle);
    CWnd* pName = m_pDialog->GetDlgItem(IDC_SEC_TOOLBAR_NAME);
    pName->SetWindowText(strTitle);
    pName->SendMessage(EM_SETMODIFY, FALSE, 0);
    const BOOL bUser = bSelected && IsUserToolBarID(nBarID);
    CString strReset;
    strReset.LoadString(bUser ? IDS_SEC_DELETE : IDS_SEC_RESET);
    m_pDialog->GetDlgItem(IDC_SEC_RESET)->SetWindowText(strReset);
    pName->EnableWindow(bUser);
    m_pDialog->GetDlgItem(IDC_SEC_TOOLBAR_NAME_LBL)->EnableWindow(bUser);
}

void SECToolBarsBase::OnBarNotify(UINT nBarID, int nCode)
{
    const int nIndex = IndexFromID(nBarID);
    switch (nCode) {
    case 0:
    case 1:
        if (nIndex >= 0)
            m_list.SetCheck(nIndex, nCode == 0 ? 1 : 0);
        break;
    case 2: {
        SECCustomToolBar* pBar = m_pManager->ToolBarFromID(nBarID);
        if (pBar == nullptr || nIndex >= 0)
            break;
        int nAt = 0;
        while (nAt < m_list.GetCount() && (UINT)m_list.GetItemData(nAt) < nBarID)
            ++nAt;
        CString strTitle;
        pBar->GetWindowText(strTitle);
        nAt = m_list.InsertString(nAt, strTitle);
        m_list.SetItemData(nAt, nBarID);
        m_list.SetCheck(nAt, 1);
        break;
    }
    case 3: {
        if (nIndex < 0)
            break;
        const BOOL bWasSelected = m_list.GetCurSel() == nIndex;
        m_list.DeleteString(nIndex);
        if (bWasSelected) {
            m_list.SetCurSel(nIndex < m_list.GetCount() ? nIndex : m_list.GetCount() - 1);
            UpdateControls();
        }
        break;
    }
    default:
        break;
    }
}

void SECToolBarsBase::RenameSelected()
{
    CWnd* pName = m_pDialog->GetDlgItem(IDC_SEC_TOOLBAR_NAME);
    if (!pName->IsWindowEnabled() || !pName->SendMessage(EM_GETMODIFY, 0, 0))
        return;
    SECCustomToolBar* pBar = nullptr;
    UINT nBarID = 0;
    if (!GetSelectedBar(pBar, nBarID))
        return;
    CString strName;
    pName->GetWindowText(strName);
    if (strName.GetLength() > kMaxNameLength) {
        strName = strName.Left(kMaxNameLength);
        pName->SetWindowText(strName);
    }
    pBar->SetWindowText(strName);
    if (pBar->IsFloating() && pBar->GetParentFrame() != nullptr)
        pBar->GetParentFrame()->SetWindowText(strName);
    const int nSel = m_list.GetCurSel();
    const int nCheck = m_list.GetCheck(nSel);
    m_list.DeleteString(nSel);
    m_list.InsertString(nSel, strName);
    m_list.SetItemData(nSel, nBarID);
    m_list.SetCheck(nSel, nCheck);
    m_list.SetCurSel(nSel);
    pName->SendMessage(EM_SETMODIFY, FALSE, 0);
}

BOOL SECToolBarsBase::NewToolBar()
{
    m_pManager->EndCustomize();
    SECNewToolBar dlg(m_pDialog);
    const int nResult = (int)dlg.DoModal();
    m_pManager->BeginCustomize();
    if (nResult != IDOK)
        return FALSE;
    SECCustomToolBar* pBar = m_pManager->CreateUserToolBar(dlg.m_strName);
    CFrameWnd* pFrame = m_pManager->GetFrameWnd();
    if (pBar == nullptr) {
        // Every user toolbar id is taken, or the window could not be made.
        AfxMessageBox("No more toolbars can be created.", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    CPoint pt;
    if (CControlBar* pTop = pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)) {
        CRect rc;
        pTop->GetWindowRect(&rc);
        pt = CPoint(rc.left + 5, rc.bottom + 5);
    } else {
        CRect rc;
        pFrame->GetClientRect(&rc);
        pFrame->ClientToScreen(&rc);
        pt = CPoint(rc.right + 5, rc.bottom + 5);
    }
    pFrame->FloatControlBar(pBar, pt, CBRS_ALIGN_TOP);
    return TRUE;
}

void SECToolBarsBase::ResetSelected()
{
    SECCustomToolBar* pBar = nullptr;
    UINT nBarID = 0;
    if (!GetSelectedBar(pBar, nBarID))
        return;
    if (IsUserToolBarID(nBarID)) {
        pBar->DestroyWindow();
        m_pManager->GetFrameWnd()->RecalcLayout();
        return;
    }
    if (auto* pMenuBar = dynamic_cast<SECMenuBar*>(pBar)) {
        pMenuBar->ResetMenuButtons(FALSE);
        return;
    }
    UINT nCount = 0;
    const UINT* pIDs = nullptr;
    if (!m_pManager->GetDefaultButtons(nBarID, nCount, pIDs))
        return;
    pBar->SetButtons(pIDs, (int)nCount);
    if (CFrameWnd* pFrame = pBar->GetParentFrame())
        pFrame->RecalcLayout();
    m_pManager->GetFrameWnd()->RecalcLayout();
    pBar->Invalidate(TRUE);
}

void SECToolBarsBase::OnCheckChange()
{
    const int nSel = m_list.GetCurSel();
    if (nSel < 0)
        return;
    const UINT nBarID = (UINT)m_list.GetItemData(nSel);
    if (nBarID == kMenuBarID) {
        m_list.SetCheck(nSel, 1);
        return;
    }
    if (SECCustomToolBar* pBar = m_pManager->ToolBarFromID(nBarID)) {
        m_pManager->GetFrameWnd()->ShowControlBar(pBar, m_list.GetCheck(nSel) != 0, FALSE);
        m_pManager->GetFrameWnd()->RecalcLayout();
    }
}

void SECToolBarsBase::ReadOptions()
{
    m_bToolTips = m_pDialog->IsDlgButtonChecked(IDC_SEC_TOOLTIPS) != 0;
    m_bCoolLook = m_pDialog->IsDlgButtonChecked(IDC_SEC_COOLLOOK) != 0;
    m_bLargeButtons = m_pDialog->IsDlgButtonChecked(IDC_SEC_LARGE_BUTTONS) != 0;
}

void SECToolBarsBase::WriteOptions()
{
    m_pDialog->CheckDlgButton(IDC_SEC_TOOLTIPS, m_bToolTips);
    m_pDialog->CheckDlgButton(IDC_SEC_COOLLOOK, m_bCoolLook);
    m_pDialog->CheckDlgButton(IDC_SEC_LARGE_BUTTONS, m_bLargeButtons);
}

// SECToolBarsDlg -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SECToolBarsDlg, CDialog)
    ON_BN_CLICKED(IDC_SEC_NEW, OnNew)
    ON_BN_CLICKED(IDC_SEC_CUSTOMIZE, OnCustomize)
    ON_BN_CLICKED(IDC_SEC_RESET, OnReset)
    ON_BN_CLICKED(IDC_SEC_TOOLTIPS, OnOption)
    ON_BN_CLICKED(IDC_SEC_COOLLOOK, OnOption)
    ON_BN_CLICKED(IDC_SEC_LARGE_BUTTONS, OnOption)
    ON_LBN_SELCHANGE(IDC_SEC_TOOLBAR_LIST, OnSelChange)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_SEC_TOOLBAR_LIST, OnListCheck)
    ON_EN_KILLFOCUS(IDC_SEC_TOOLBAR_NAME, OnNameKillFocus)
    ON_REGISTERED_MESSAGE(s_nBarNotify, OnBarNotifyMessage)
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

void SyncCustomizeActivation(SECToolBarManager* pManager, UINT nState, CWnd* pWndOther)
{
    CFrameWnd* pFrame = pManager != nullptr ? pManager->GetFrameWnd() : nullptr;
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return;
    const HWND hOther = pWndOther != nullptr ? pWndOther->m_hWnd : nullptr;
    const bool bToFrameFamily =
        hOther != nullptr && (hOther == pFrame->m_hWnd || ::GetWindow(hOther, GW_OWNER) == pFrame->m_hWnd);
    // Only the floating bars follow the dialog: the disabled frame drops its
    // stay-active flag while customising, so its caption shows the truth.
    const bool bDeactivate = nState == WA_INACTIVE && !bToFrameFamily;
    pFrame->NotifyFloatingWindows(bDeactivate ? FS_DEACTIVATE : FS_ACTIVATE);
}

LRESULT OnCustomizeFloatStatus(CWnd* pDialog, WPARAM wParam)
{
    if (wParam & FS_ACTIVATE)
        pDialog->SendMessage(WM_NCACTIVATE, TRUE);
    else if ((wParam & FS_DEACTIVATE) && ::GetActiveWindow() != pDialog->m_hWnd)
        pDialog->SendMessage(WM_NCACTIVATE, FALSE);
    return TRUE;
}

void SECToolBarsDlg::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CDialog::OnActivate(nState, pWndOther, bMinimized);
    SyncCustomizeActivation(m_pManager, nState, pWndOther);
}

SECToolBarsDlg::SECToolBarsDlg(CWnd* pParent) : CDialog(IDD_SEC_TOOLBARS, pParent) { SetDialog(this); }

BOOL SECToolBarsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AttachList();
    CenterWindow();
    FillList();
    WriteOptions();
    m_pManager->BeginCustomize();
    m_pManager->SetCustomizeMode(TRUE);
    m_pManager->SetCustomizeDlg(this);
    m_pManager->AddNotifyWnd(this);
    return TRUE;
}

void SECToolBarsDlg::OnOption()
{
    ReadOptions();
    ApplyCurrent();
}

void SECToolBarsDlg::OnNew()
{
    if (NewToolBar())
        EndWith(43099);
}

// Every way out leaves customising; Cancel also puts the options back.
void SECToolBarsDlg::EndWith(int nResult)
{
    RenameSelected();
    m_pManager->EndCustomize();
    m_pManager->SetCustomizeMode(FALSE);
    m_pManager->RemoveNotifyWnd(this);
    m_pManager->SetCustomizeDlg(nullptr);
    if (nResult == IDCANCEL) {
        RestoreInitial();
    } else {
        ReadOptions();
        ApplyCurrent();
    }
    EndDialog(nResult);
}

LRESULT SECToolBarsDlg::OnBarNotifyMessage(WPARAM wParam, LPARAM lParam)
{
    OnBarNotify((UINT)wParam, (int)lParam);
    return 0;
}

// SECNewToolBar --------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SECNewToolBar, CDialog)
    ON_CONTROL(EN_CHANGE, IDC_SEC_NEW_NAME, OnNameChange)
END_MESSAGE_MAP()

SECNewToolBar::SECNewToolBar(CWnd* pParent) : CDialog(IDD_SEC_NEW_TOOLBAR, pParent) {}

BOOL SECNewToolBar::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_SEC_NEW_NAME, m_strName);
    GetDlgItem(IDOK)->EnableWindow(!m_strName.IsEmpty());
    return TRUE;
}

void SECNewToolBar::OnNameChange()
{
    CString strName;
    GetDlgItemText(IDC_SEC_NEW_NAME, strName);
    if (strName.GetLength() > kMaxNameLength) {
        strName = strName.Left(kMaxNameLength);
        SetDlgItemText(IDC_SEC_NEW_NAME, strName);
    }
    GetDlgItem(IDOK)->EnableWindow(!strName.IsEmpty());
}

void SECNewToolBar::OnOK()
{
    GetDlgItemText(IDC_SEC_NEW_NAME, m_strName);
    if (m_strName.IsEmpty())
        return;
    CDialog::OnOK();
}
