#include "ui/frames/SECWorkbook.h"

#include "framework/GdiScopes.h"

#include <algorithm>

namespace {

constexpr int kIconSize = 16;

HFONT TabFont()
{
    HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    return (HFONT)(hFont != nullptr ? hFont : ::GetStockObject(ANSI_VAR_FONT));
}

} // namespace

IMPLEMENT_DYNCREATE(SECWorkbookClient, CWnd)

BEGIN_MESSAGE_MAP(SECWorkbookClient, CWnd)
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(kWorkbookSheetRenamed, OnSheetRenamed)
END_MESSAGE_MAP()

void SECWorkbookClient::SetMargins(int nLeft, int nTop, int nRight, int nBottom)
{
    if (nLeft == m_nLeftMargin && nTop == m_nTopMargin && nRight == m_nRightMargin && nBottom == m_nBottomMargin)
        return;
    // The layout leaves a window alone that already has the rectangle it
    // is given: the client takes its new margins at once.
    CRect rc;
    if (m_hWnd != nullptr) {
        GetWindowRect(&rc);
        GetParent()->ScreenToClient(&rc);
        rc.InflateRect(m_nLeftMargin, m_nTopMargin, m_nRightMargin, m_nBottomMargin);
    }
    m_nLeftMargin = nLeft;
    m_nTopMargin = nTop;
    m_nRightMargin = nRight;
    m_nBottomMargin = nBottom;
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void SECWorkbookClient::OnWindowPosChanging(WINDOWPOS* pPos)
{
    if (!(pPos->flags & SWP_NOMOVE)) {
        pPos->x += m_nLeftMargin;
        pPos->y += m_nTopMargin;
    }
    if (!(pPos->flags & SWP_NOSIZE)) {
        pPos->cx = std::max(0, pPos->cx - m_nLeftMargin - m_nRightMargin);
        pPos->cy = std::max(0, pPos->cy - m_nTopMargin - m_nBottomMargin);
    }
    CWnd::OnWindowPosChanging(pPos);
}

LRESULT SECWorkbookClient::OnSheetRenamed(WPARAM wParam, LPARAM lParam)
{
    if (wParam != (WPARAM)-1 || lParam != (LPARAM)-1)
        Default();
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(kWorkbookSheetActivated);
    return 0;
}

IMPLEMENT_DYNCREATE(SECWorkbook, SECMDIFrameWnd)

BEGIN_MESSAGE_MAP(SECWorkbook, SECMDIFrameWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(kWorkbookSheetActivated, OnSheetActivated)
END_MESSAGE_MAP()

SECWorkbook::SECWorkbook()
{
    LOGFONTA lf = {};
    ::GetObjectA(TabFont(), sizeof lf, &lf);
    m_font.CreateFontIndirect(&lf);
    m_penHighlight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    m_penBlack.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    m_penFace.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
}

void SECWorkbook::SetShowTabs(BOOL bShow)
{
    m_bShowTabs = bShow;
    if (m_hWnd != nullptr) {
        RecalcLayout();
        Invalidate();
    }
}

CRect SECWorkbook::ClientRectInFrame() const
{
    CRect rc;
    if (m_hWndMDIClient == nullptr)
        return rc;
    ::GetWindowRect(m_hWndMDIClient, &rc);
    ScreenToClient(&rc);
    return rc;
}

BOOL SECWorkbook::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (!SECMDIFrameWnd::OnCreateClient(lpcs, pContext))
        return FALSE;
    return m_hWndMDIClient == nullptr || m_wndClient.SubclassWindow(m_hWndMDIClient);
}

CRect SECWorkbook::GetTabAreaRect()
{
    CRect rc = ClientRectInFrame();
    rc.InflateRect(m_wndClient.m_nLeftMargin, m_wndClient.m_nTopMargin, m_wndClient.m_nRightMargin,
                   m_wndClient.m_nBottomMargin);
    return rc;
}

void SECWorkbook::RecalcLayout(BOOL bNotify)
{
    // The tab row lives in the frame below the client, which keeps it free.
    m_wndClient.SetMargins(0, 0, 0, m_bShowTabs ? WorkbookTabRowHeight(m_metrics) : 0);
    SECMDIFrameWnd::RecalcLayout(bNotify);
    if (m_hWndMDIClient == nullptr)
        return;
    const CRect rc = ClientRectInFrame();
    UpdateTabWidth();
    if (m_bRepaintOnResize && rc != m_rcLastClient)
        Invalidate();
    m_rcLastClient = rc;
}

void SECWorkbook::UpdateTabWidth()
{
    int nVisible = 0;
    for (SECWorksheet* pSheet : m_sheets)
        nVisible += pSheet->m_hWnd != nullptr && pSheet->IsWindowVisible() ? 1 : 0;
    m_metrics.nTabWidth = WorkbookTabWidth(ClientRectInFrame().Width(), nVisible, m_metrics.nLargestTabWidth);
}

BOOL SECWorkbook::CanActivateSheet(SECWorksheet* /*pSheet*/)
{
    return TRUE;
}

void SECWorkbook::AddSheet(SECWorksheet* pSheet)
{
    int nOldWidth = m_metrics.nTabWidth;
    pSheet->m_nIndex = (int)m_sheets.size();
    m_sheets.push_back(pSheet);
    if (m_sheets.size() == 1 && m_hWnd != nullptr)
        EnableToolTips(TRUE);
    UpdateTabWidth();
    if (!m_bShowTabs || m_hWnd == nullptr)
        return;
    if (m_sheets.size() == 1 || nOldWidth != m_metrics.nTabWidth)
        Invalidate();
    else
        InvalidateTab(pSheet);
}

void SECWorkbook::RemoveSheet(SECWorksheet* pSheet)
{
    auto it = std::find(m_sheets.begin(), m_sheets.end(), pSheet);
    if (it == m_sheets.end())
        return;
    it = m_sheets.erase(it);
    for (; it != m_sheets.end(); ++it)
        --(*it)->m_nIndex;
    pSheet->m_nIndex = -1;
    m_nActiveIndex = std::min(m_nActiveIndex, std::max(0, (int)m_sheets.size() - 1));
    UpdateTabWidth();
    if (m_bShowTabs && m_hWnd != nullptr)
        Invalidate();
}

int SECWorkbook::VisiblePosition(SECWorksheet* pSheet) const
{
    int k = 0;
    for (SECWorksheet* p : m_sheets) {
        if (p == pSheet)
            return k;
        k += p->IsWindowVisible() ? 1 : 0;
    }
    return -1;
}

bool SECWorkbook::IsActiveSheet(SECWorksheet* pSheet) const
{
    return pSheet->m_bPressed || MDIGetActive() == pSheet;
}

TabPolygon SECWorkbook::GetTabPolygon(SECWorksheet* pSheet)
{
    CRect rc = ClientRectInFrame();
    return WorkbookTabPolygon(m_metrics, VisiblePosition(pSheet), IsActiveSheet(pSheet), rc.left, rc.bottom + 4);
}

void SECWorkbook::GetTabTextRect(const TabPolygon& points, int nIconWidth, RECT& rect)
{
    rect = WorkbookTabTextRect(points, nIconWidth);
}

CRect SECWorkbook::TabTextRect(SECWorksheet* pSheet)
{
    CRect rect;
    GetTabTextRect(GetTabPolygon(pSheet), GetSheetIcon(pSheet) != nullptr ? kIconSize : 0, rect);
    return rect;
}

CString SECWorkbook::GetSheetText(SECWorksheet* pSheet)
{
    CString strText;
    CDocument* pDoc = pSheet->GetActiveDocument();
    if (pDoc != nullptr)
        strText = pDoc->GetTitle();
    else
        pSheet->GetWindowText(strText);
    return strText;
}

BOOL SECWorkbook::IsTabTextWhole(SECWorksheet* pSheet)
{
    CClientDC dc(this);
    CSelectObjectScope select(dc, m_font);
    CString strText = GetSheetText(pSheet);
    SIZE size = {};
    ::GetTextExtentPoint32A(dc.m_hDC, strText, strText.GetLength(), &size);
    return size.cx <= TabTextRect(pSheet).Width();
}

HICON SECWorkbook::GetSheetIcon(SECWorksheet* pSheet)
{
    return m_bShowIcons ? pSheet->m_hIcon : nullptr;
}

void SECWorkbook::SetSheetIcon(SECWorksheet* pSheet, HICON hIcon, BOOL bRedraw)
{
    pSheet->m_hIcon = hIcon;
    if (bRedraw)
        InvalidateTab(pSheet);
}

void SECWorkbook::InvalidateTab(SECWorksheet* pSheet, BOOL bToRight)
{
    if (!m_bShowTabs || m_hWnd == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rc = ClientRectInFrame();
    CRect rcTab = WorkbookTabInvalidRect(m_metrics, std::max(0, VisiblePosition(pSheet)), rc.left, rc.bottom + 4, bToRight != FALSE,
                                         rcClient.right);
    InvalidateRect(&rcTab);
}

int SECWorkbook::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    auto* pThis = const_cast<SECWorkbook*>(this);
    if (!m_bShowTabs)
        return -1;
    for (SECWorksheet* pSheet : m_sheets) {
        if (!pSheet->IsWindowVisible())
            continue;
        TabPolygon p = pThis->GetTabPolygon(pSheet);
        if (!PointInTab(p, point))
            continue;
        if (pThis->IsTabTextWhole(pSheet))
            return -1;
        if (pTI != nullptr) {
            pTI->hwnd = m_hWnd;
            pTI->uId = (UINT_PTR)(pSheet->m_nIndex + 1);
            pTI->rect = CRect(p[0].x, p[0].y, p[4].x, p[2].y);
            pTI->lpszText = LPSTR_TEXTCALLBACK;
        }
        return pSheet->m_nIndex + 1;
    }
    return -1;
}

BOOL SECWorkbook::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pHeader = (NMHDR*)lParam;
    if (pHeader == nullptr || pHeader->code != TTN_GETDISPINFOA)
        return SECMDIFrameWnd::OnNotify(wParam, lParam, pResult);
    auto* pInfo = (NMTTDISPINFOA*)lParam;
    int nIndex = (int)pHeader->idFrom - 1;
    if ((pInfo->uFlags & TTF_IDISHWND) || nIndex < 0 || nIndex >= (int)m_sheets.size())
        return SECMDIFrameWnd::OnNotify(wParam, lParam, pResult);
    // The text must outlive this call: the tip reads it afterwards.
    m_strTipText = GetSheetText(m_sheets[nIndex]);
    pInfo->lpszText = (LPSTR)m_strTipText.GetString();
    *pResult = 0;
    return TRUE;
}

void SECWorkbook::DrawTab(CDC* pDC, SECWorksheet* pSheet)
{
    TabPolygon p = GetTabPolygon(pSheet);
    CBrush face;
    face.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    {
        CSelectObjectScope brush(*pDC, face);
        CSelectObjectScope pen(*pDC, m_penFace);
        pDC->Polygon(p.data(), (int)p.size());
    }
    {
        CSelectObjectScope pen(*pDC, m_penHighlight);
        pDC->Polyline(&p[0], 3);
    }
    {
        CSelectObjectScope pen(*pDC, m_penShadow);
        pDC->MoveTo(p[2].x, p[2].y - 1);
        pDC->LineTo(p[3].x, p[3].y - 1);
        pDC->LineTo(p[4].x - 1, p[4].y);
        pDC->LineTo(p[5].x - 1, p[5].y);
    }
    CSelectObjectScope pen(*pDC, m_penBlack);
    pDC->Polyline(&p[2], 4);
}

void SECWorkbook::DrawTabContent(CDC* pDC, SECWorksheet* pSheet)
{
    TabPolygon p = GetTabPolygon(pSheet);
    HICON hIcon = GetSheetIcon(pSheet);
    if (hIcon != nullptr)
        pDC->DrawIconEx(p[2].x + 1, p[0].y + 4, hIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    CRect rcText = TabTextRect(pSheet);
    CString strShown = ShortenTabText(GetSheetText(pSheet), [&](const CString& s) {
        SIZE size = {};
        ::GetTextExtentPoint32A(pDC->m_hDC, s, s.GetLength(), &size);
        return size.cx <= rcText.Width();
    });
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    pDC->DrawText(strShown, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void SECWorkbook::DrawTabRowBorder(CDC* pDC)
{
    CRect rc = ClientRectInFrame();
    rc.InflateRect(1, 1);
    {
        CSelectObjectScope pen(*pDC, m_penShadow);
        pDC->MoveTo(rc.left, rc.bottom);
        pDC->LineTo(rc.left, rc.top);
        pDC->LineTo(rc.right, rc.top);
    }
    {
        CSelectObjectScope pen(*pDC, m_penHighlight);
        pDC->LineTo(rc.right, rc.bottom);
        pDC->LineTo(rc.left, rc.bottom);
    }
    CSelectObjectScope pen(*pDC, m_penBlack);
    pDC->MoveTo(rc.left, rc.bottom + 3);
    pDC->LineTo(rc.right + 1, rc.bottom + 3);
}

void SECWorkbook::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bShowTabs || ClientRectInFrame().IsRectEmpty())
        return;
    CSelectObjectScope font(dc, m_font);
    SECWorksheet* pActive = nullptr;
    for (SECWorksheet* pSheet : m_sheets) {
        if (!pSheet->IsWindowVisible())
            continue;
        if (IsActiveSheet(pSheet))
            pActive = pSheet;
        DrawTab(&dc, pSheet);
        DrawTabContent(&dc, pSheet);
    }
    DrawTabRowBorder(&dc);
    if (pActive == nullptr)
        return;
    // Again, so that the active tab lies in front of its neighbours.
    DrawTab(&dc, pActive);
    DrawTabContent(&dc, pActive);
}

BOOL SECWorkbook::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void SECWorkbook::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bShowTabs) {
        SECMDIFrameWnd::OnLButtonDown(nFlags, point);
        return;
    }
    for (SECWorksheet* pSheet : m_sheets) {
        if (!pSheet->IsWindowVisible() || MDIGetActive() == pSheet || !PointInTab(GetTabPolygon(pSheet), point))
            continue;
        if (CanActivateSheet(pSheet)) {
            pSheet->m_bPressed = TRUE;
            UpdateWindow();
            MDIActivate(pSheet);
        }
        return;
    }
}

void SECWorkbook::OnLButtonUp(UINT nFlags, CPoint point)
{
    for (SECWorksheet* pSheet : m_sheets)
        pSheet->m_bPressed = FALSE;
    SECMDIFrameWnd::OnLButtonUp(nFlags, point);
}

LRESULT SECWorkbook::OnSheetActivated(WPARAM, LPARAM)
{
    int nOld = m_nActiveIndex;
    if (nOld >= 0 && nOld < (int)m_sheets.size())
        InvalidateTab(m_sheets[nOld]);
    BOOL bMaximized = FALSE;
    SECWorksheet* pActive = dynamic_cast<SECWorksheet*>(MDIGetActive(&bMaximized));
    if (pActive == nullptr)
        return 0;
    InvalidateTab(pActive);
    m_nActiveIndex = pActive->m_nIndex;
    if (!bMaximized)
        UpdateWindow();
    return 0;
}

IMPLEMENT_DYNCREATE(SECWorksheet, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(SECWorksheet, SECMDIChildWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_MDIACTIVATE()
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

SECWorkbook* SECWorksheet::GetWorkbook() const
{
    return dynamic_cast<SECWorkbook*>(GetMDIFrame());
}

int SECWorksheet::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (SECMDIChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (SECWorkbook* pBook = GetWorkbook())
        pBook->AddSheet(this);
    return 0;
}

void SECWorksheet::OnDestroy()
{
    if (SECWorkbook* pBook = GetWorkbook())
        pBook->RemoveSheet(this);
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
    SECMDIChildWnd::OnDestroy();
}

void SECWorksheet::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    SECMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    SECWorkbook* pBook = GetWorkbook();
    if (pBook == nullptr)
        return;
    pBook->InvalidateTab(this);
    if (bActivate)
        pBook->SendMessage(kWorkbookSheetActivated);
}

void SECWorksheet::OnShowWindow(BOOL bShow, UINT nStatus)
{
    SECMDIChildWnd::OnShowWindow(bShow, nStatus);
    if (SECWorkbook* pBook = GetWorkbook())
        pBook->InvalidateTab(this, TRUE);
}

void SECWorksheet::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    SECMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    if (CWnd* pClient = GetParent())
        pClient->SendMessage(kWorkbookSheetRenamed, (WPARAM)-1, (LPARAM)-1);
}

IMPLEMENT_DYNCREATE(SECControlBarWorksheet, SECWorksheet)

BEGIN_MESSAGE_MAP(SECControlBarWorksheet, SECWorksheet)
    ON_WM_SIZE()
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

BOOL SECControlBarWorksheet::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return SECWorksheet::PreCreateWindow(cs);
}

BOOL SECControlBarWorksheet::OnCreateClient(LPCREATESTRUCT, CCreateContext*)
{
    if (m_pBar->m_hWnd == nullptr && !m_pBar->Create(this, nullptr, WS_CHILD | WS_VISIBLE | 0x1000, 0, kBarID))
        return FALSE;
    if (m_pBar->GetParent() != this)
        m_pBar->SetParent(this);
    CString strTitle;
    m_pBar->GetWindowText(strTitle);
    if (!strTitle.IsEmpty())
        SetWindowText(strTitle);
    HICON hIcon = HostedIcon();
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hIcon);
    m_hIcon = ::CopyIcon(hIcon);
    return TRUE;
}

HICON SECControlBarWorksheet::HostedIcon() const
{
    for (HWND hChild = ::GetWindow(m_pBar->m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        HICON hIcon = (HICON)::SendMessageA(hChild, WM_GETICON, ICON_BIG, 0);
        if (hIcon != nullptr)
            return hIcon;
    }
    return ::LoadIcon(nullptr, IDI_WINLOGO);
}

void SECControlBarWorksheet::OnSize(UINT nType, int cx, int cy)
{
    SECWorksheet::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || m_pBar->m_hWnd == nullptr)
        return;
    // The bar's own borders lie outside the sheet.
    const int cxBorder = ::GetSystemMetrics(SM_CXBORDER);
    const int cyBorder = ::GetSystemMetrics(SM_CYBORDER);
    m_pBar->SetWindowPos(nullptr, -cxBorder, -cyBorder, cx + 2 * cxBorder, cy + 2 * cyBorder,
                         SWP_NOZORDER | SWP_NOACTIVATE);
}

void SECControlBarWorksheet::OnShowWindow(BOOL bShow, UINT nStatus)
{
    SECWorksheet::OnShowWindow(bShow, nStatus);
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->PostMessage(WM_MDIREFRESHMENU);
}
