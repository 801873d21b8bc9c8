#include "framework/Framework.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

bool CDialog::LoadTemplate(LPCTSTR lpszTemplateName, bool bHidden, std::vector<BYTE>& copy) const
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    if (hResource == nullptr)
        return false;
    DWORD nSize = ::SizeofResource(hInst, hResource);
    const void* pData = ::LockResource(::LoadResource(hInst, hResource));
    if (pData == nullptr || nSize < sizeof(DLGTEMPLATE))
        return false;
    copy.assign((const BYTE*)pData, (const BYTE*)pData + nSize);
    if (bHidden) {
        // DLGTEMPLATEEX starts with 1, 0xFFFF and keeps its style at offset 12.
        WORD wSig[2];
        memcpy(wSig, copy.data(), sizeof wSig);
        size_t offset = (wSig[0] == 1 && wSig[1] == 0xFFFF) ? 12 : 0;
        DWORD dwStyle;
        memcpy(&dwStyle, copy.data() + offset, sizeof dwStyle);
        dwStyle &= ~WS_VISIBLE;
        memcpy(copy.data() + offset, &dwStyle, sizeof dwStyle);
    }
    return true;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    std::vector<BYTE> copy;
    if (!LoadTemplate(lpszTemplateName, false, copy))
        return FALSE;
    return CreateIndirect((LPCDLGTEMPLATE)copy.data(), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    // Without an owner the window would open behind the main window.
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

HWND CDialog::PreModal()
{
    HWND hWnd = AfxGetSafeHwnd(m_pParentWnd);
    if (hWnd == nullptr)
        hWnd = AfxGetSafeHwnd(AfxGetMainWnd());
    // The owner of a modal dialog is a top-level window.
    while (hWnd != nullptr && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (hWnd != nullptr)
        hWnd = ::GetLastActivePopup(hWnd);
    return hWnd;
}

int CDialog::DoModal()
{
    std::vector<BYTE> copy;
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (m_lpszTemplateName != nullptr) {
        if (!LoadTemplate(m_lpszTemplateName, true, copy))
            return -1;
        lpTemplate = (LPCDLGTEMPLATE)copy.data();
    }
    if (lpTemplate == nullptr)
        return -1;

    HWND hWndOwner = PreModal();
    m_hWndDisabledOwner = nullptr;
    if (hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        m_hWndDisabledOwner = hWndOwner;
    }

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), lpTemplate, hWndOwner, AfxGetDlgProc(), 0);
    if (!AfxUnhookWindowCreate())
        hWnd = nullptr;
    if (hWnd != nullptr && (m_nFlags & WF_CONTINUEMODAL))
        RunModalLoop();
    m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);

    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (m_hWndDisabledOwner != nullptr) {
        ::EnableWindow(m_hWndDisabledOwner, TRUE);
        m_hWndDisabledOwner = nullptr;
    }
    if (hWndOwner != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    return m_nModalResult;
}

BOOL CDialog::HandleInitDialog()
{
    ExecuteDlgInit(m_lpszTemplateName);
    CRect rcBefore;
    GetWindowRect(&rcBefore);
    const BOOL bResult = RunInitDialog();
    CentreUnlessPlaced(rcBefore);
    return bResult;
}

BOOL CDialog::RunInitDialog()
{
    BOOL bResult = TRUE;
    try {
        bResult = OnInitDialog();
    } catch (const CUserException&) {
        EndDialog(-1);
    } catch (const CException& e) {
        e.ReportError(MB_ICONEXCLAMATION);
        EndDialog(-1);
    }
    return bResult;
}

// A top-level dialog that OnInitDialog neither placed nor showed opens in
// the middle of its owner, not where the template's origin happens to be.
void CDialog::CentreUnlessPlaced(const CRect& rcBefore)
{
    if (m_hWnd == nullptr || (GetStyle() & (WS_CHILD | WS_VISIBLE)) != 0)
        return;
    CRect rcAfter;
    GetWindowRect(&rcAfter);
    if (rcAfter.TopLeft() != rcBefore.TopLeft())
        return;
    CenterWindow();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;   // the user was told; the dialog stays
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        // Give the owner back before hiding, so activation returns to it.
        if (m_hWndDisabledOwner != nullptr) {
            ::EnableWindow(m_hWndDisabledOwner, TRUE);
            m_hWndDisabledOwner = nullptr;
        }
        if (m_hWnd != nullptr)
            SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
        EndModalLoop(nResult);
        return;
    }
    if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Menu commands the dialog does not handle may belong to the application.
    if ((nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI) || nID == 0 || nID >= 0xF000 || nID < 0x8000)
        return FALSE;
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
