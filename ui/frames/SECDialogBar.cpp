#include "framework/Framework.h"
#include "ui/frames/SECDialogBar.h"
#include "ui/frames/SECControlBarInfo.h"

IMPLEMENT_DYNCREATE(SECDialogBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECDialogBar, SECControlBar)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

SECDialogBar::~SECDialogBar() { DestroyWindow(); }

BOOL SECDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_dwExStyle = dwExStyle;
    CREATESTRUCT cs = {};
    cs.lpszClass = _afxWndControlBar;
    cs.style = dwStyle | WS_CHILD;
    cs.hMenu = (HMENU)(UINT_PTR)nID;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hwndParent = pParentWnd->GetSafeHwnd();
    AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG);
    if (!PreCreateWindow(cs))
        return FALSE;

    m_nTemplateID = lpszTemplateName;
    m_lpszTemplateName = lpszTemplateName;
    AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG);
    const BOOL bCreated = CreateDlg(lpszTemplateName, pParentWnd);
    m_lpszTemplateName = nullptr;
    if (!bCreated)
        return FALSE;

    SetDlgCtrlID((int)nID);
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    ModifyStyle(WS_CAPTION | WS_POPUP, WS_CLIPSIBLINGS | WS_CHILD);
    if (!ExecuteDlgInit(lpszTemplateName))
        return FALSE;
    if (m_dwExStyle & EXSTYLE_SCALE_CHILDREN)
        RecordChildRects();
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                     ((dwStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    m_szFloat = m_szHorz = m_szVert = m_sizeDefault;
    return TRUE;
}

void SECDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void SECDialogBar::GetExtendedBarInfo(SECControlBarInfo* pInfo)
{
    pInfo->m_nResourceID = (UINT)(UINT_PTR)m_nTemplateID;
    SECControlBar::GetExtendedBarInfo(pInfo);
}

LRESULT SECDialogBar::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    return TRUE;
}
