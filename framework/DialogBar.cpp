#include "framework/Framework.h"
#include "framework/DialogBar.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BEGIN_MESSAGE_MAP(CDialogBar, CControlBar)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CDialogBar::~CDialogBar() { DestroyWindow(); }

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    m_dwStyle = nStyle & CBRS_ALL;
    CREATESTRUCT cs = {};
    cs.lpszClass = _afxWndControlBar;
    cs.style = (DWORD)nStyle | WS_CHILD;
    cs.hMenu = (HMENU)(UINT_PTR)nID;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hwndParent = pParentWnd->GetSafeHwnd();
    AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG);
    if (!PreCreateWindow(cs))
        return FALSE;

    m_lpszTemplateName = lpszTemplateName;
    AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG);
    BOOL bCreated = CreateDlg(lpszTemplateName, pParentWnd);
    m_lpszTemplateName = nullptr;
    if (!bCreated)
        return FALSE;

    SetDlgCtrlID((int)nID);
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    // A bar, not a dialog: no caption, and its siblings clip it.
    ModifyStyle(WS_CAPTION | WS_POPUP, WS_CLIPSIBLINGS | WS_CHILD);
    if (!ExecuteDlgInit(lpszTemplateName))
        return FALSE;
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                     ((nStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return TRUE;
}

// The template's size; stretched across the frame when asked.
CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
    return m_sizeDefault;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

LRESULT CDialogBar::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    return TRUE;
}
