#include "framework/Framework.h"
#include "framework/ToolTipOwner.h"

#include <vector>

CToolTipOwner::CToolTipOwner() = default;
CToolTipOwner::~CToolTipOwner() = default;

CToolTipOwner& CToolTipOwner::ForThread()
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_pToolTips == nullptr)
        state->m_pToolTips = std::make_unique<CToolTipOwner>();
    return *state->m_pToolTips;
}

CToolTipCtrl* CToolTipOwner::GetControl()
{
    if (m_pTip != nullptr && ::IsWindow(m_pTip->m_hWnd))
        return m_pTip.get();
    // None yet, or destroyed from outside: a fresh one knows no tools.
    m_pTip.reset();
    m_hWndLastTipped = nullptr;
    m_nLastHit = -1;
    auto pTip = std::make_unique<CToolTipCtrl>();
    if (!pTip->Create(nullptr, TTS_ALWAYSTIP))
        return nullptr;
    m_pTip = std::move(pTip);
    return m_pTip.get();
}

static TOOLINFO ToolInfo(HWND hWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti = {};
    ti.cbSize = sizeof ti;
    ti.hwnd = hWnd;
    ti.uId = nIDTool;
    return ti;
}

BOOL CToolTipOwner::AddTool(HWND hWnd, UINT_PTR nIDTool, LPCTSTR lpszText, LPCRECT lpRect)
{
    CToolTipCtrl* pTip = GetControl();
    if (pTip == nullptr || !::IsWindow(hWnd))
        return FALSE;
    TOOLINFO ti = ToolInfo(hWnd, nIDTool);
    pTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ti);
    ti.uFlags = TTF_SUBCLASS;
    if (lpRect != nullptr)
        ti.rect = *lpRect;
    else
        ::GetClientRect(hWnd, &ti.rect);
    ti.lpszText = (LPSTR)lpszText;
    if (!pTip->SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti))
        return FALSE;
    pTip->Activate(TRUE);
    return TRUE;
}

void CToolTipOwner::SetToolRect(HWND hWnd, UINT_PTR nIDTool, const RECT& rect)
{
    if (m_pTip == nullptr || !::IsWindow(m_pTip->m_hWnd))
        return;
    TOOLINFO ti = ToolInfo(hWnd, nIDTool);
    ti.rect = rect;
    m_pTip->SendMessage(TTM_NEWTOOLRECTA, 0, (LPARAM)&ti);
}

void CToolTipOwner::RemoveTool(HWND hWnd, UINT_PTR nIDTool)
{
    if (m_pTip == nullptr || !::IsWindow(m_pTip->m_hWnd))
        return;
    TOOLINFO ti = ToolInfo(hWnd, nIDTool);
    m_pTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ti);
}

void CToolTipOwner::RemoveTools(HWND hWnd)
{
    if (m_pTip == nullptr || !::IsWindow(m_pTip->m_hWnd))
        return;
    // Collected first: deleting while enumerating would skip tools.
    std::vector<TOOLINFO> doomed;
    TOOLINFO ti = {};
    ti.cbSize = sizeof ti;
    for (UINT i = 0; m_pTip->SendMessage(TTM_ENUMTOOLSA, i, (LPARAM)&ti); ++i) {
        if (ti.hwnd == hWnd)
            doomed.push_back(ti);
    }
    for (TOOLINFO& tool : doomed)
        m_pTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&tool);
    if (m_hWndLastTipped == hWnd)
        ForgetTipped(hWnd);
}

int CToolTipOwner::GetToolCount() const
{
    return m_pTip != nullptr && ::IsWindow(m_pTip->m_hWnd) ? m_pTip->GetToolCount() : 0;
}

void CToolTipOwner::RelayEvent(MSG* pMsg)
{
    if (CToolTipCtrl* pTip = GetControl())
        pTip->RelayEvent(pMsg);
}

void CToolTipOwner::ForgetTipped(HWND hWnd)
{
    if (m_hWndLastTipped == hWnd)
        m_hWndLastTipped = nullptr;
}

void CToolTipOwner::DeleteLastHit()
{
    if (m_hWndLastTipped != nullptr)
        m_pTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&m_tiLast);
}

void CToolTipOwner::FilterMessage(CWnd* pWnd, MSG* pMsg)
{
    CToolTipCtrl* pTip = GetControl();
    if (pTip == nullptr)
        return;
    CPoint point = pMsg->pt;
    pWnd->ScreenToClient(&point);
    TOOLINFO ti = {};
    ti.cbSize = sizeof(TOOLINFO);
    int nHit = pWnd->OnToolHitTest(point, &ti);
    if (nHit == -1) {
        // Nothing to show here; other tools of the control keep theirs.
        DeleteLastHit();
        m_hWndLastTipped = nullptr;
        m_nLastHit = -1;
        return;
    }
    if (m_hWndLastTipped != ti.hwnd || nHit != m_nLastHit) {
        DeleteLastHit();
        ti.hinst = AfxGetResourceHandle();
        pTip->SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
        m_tiLast = ti;
        m_nLastHit = nHit;
        m_hWndLastTipped = ti.hwnd;
    }
    pTip->Activate(TRUE);
    pTip->RelayEvent(pMsg);
}
