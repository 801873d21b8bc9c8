#include "framework/Framework.h"
#include "framework/HandleMap.h"

#include <list>
#include <unordered_map>
#include <vector>

namespace {

int XFromLParam(LPARAM l) { return (int)(short)LOWORD(l); }
int YFromLParam(LPARAM l) { return (int)(short)HIWORD(l); }
CPoint PointFromLParam(LPARAM l) { return CPoint(XFromLParam(l), YFromLParam(l)); }

std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

CTempHandleMap<HWND, CWnd>& TemporaryMap()
{
    static CTempHandleMap<HWND, CWnd> map;
    return map;
}

// Temporary objects wrap windows nobody owns; they never destroy them.
class CTempWnd : public CWnd
{
public:
    explicit CTempWnd(HWND h) { m_hWnd = h; }
    ~CTempWnd() override { m_hWnd = nullptr; }
};

bool IsCommandSig(int nSig) { return nSig >= AfxSigCmd_v && nSig <= AfxSigNotify_EX; }

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (code != HCBT_CREATEWND || state->m_pWndInit == nullptr)
        return ::CallNextHookEx(state->m_hHookOldCbtFilter, code, wParam, lParam);

    HWND hWnd = (HWND)wParam;
    CWnd* pWndInit = state->m_pWndInit;
    state->m_pWndInit = nullptr;
    pWndInit->Attach(hWnd);
    WNDPROC afxProc = AfxGetAfxWndProc();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)afxProc);
    if (oldProc != afxProc)
        pWndInit->m_pfnSuper = oldProc;
    return ::CallNextHookEx(state->m_hHookOldCbtFilter, code, wParam, lParam);
}

// The child window a reflectable message is about, or null.
HWND ChildOfMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        auto* dis = (LPDRAWITEMSTRUCT)lParam;
        return dis->CtlType == ODT_MENU ? nullptr : dis->hwndItem;
    }
    case WM_MEASUREITEM: {
        auto* mis = (LPMEASUREITEMSTRUCT)lParam;
        return mis->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hWnd, mis->CtlID);
    }
    case WM_COMPAREITEM:
        return ((LPCOMPAREITEMSTRUCT)lParam)->hwndItem;
    case WM_DELETEITEM:
        return ((LPDELETEITEMSTRUCT)lParam)->hwndItem;
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
    case WM_HSCROLL: case WM_VSCROLL:
        return (HWND)lParam;
    default:
        return nullptr;
    }
}

const AFX_MSGMAP_ENTRY* FindWindowEntry(const AFX_MSGMAP* pMap, UINT message)
{
    UINT key = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        key = WM_CTLCOLOR_ANY;
    else if (message >= WM_REFLECT_BASE + WM_CTLCOLORMSGBOX && message <= WM_REFLECT_BASE + WM_CTLCOLORSTATIC)
        key = WM_REFLECT_BASE + WM_CTLCOLOR_ANY;
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (IsCommandSig(e->nSig))
                continue;
            if (e->pRegistered != nullptr ? *e->pRegistered == message : e->nMessage == key)
                return e;
        }
        if (pMap->pfnGetBaseMap == nullptr)
            break;
    }
    return nullptr;
}

template <class F>
F Handler(const AFX_MSGMAP_ENTRY* e) { return reinterpret_cast<F>(e->pfn); }

} // namespace

const TCHAR _afxWnd[] = "AfxWnd42s";
const TCHAR _afxWndFrameOrView[] = "AfxFrameOrView42s";
const TCHAR _afxWndControlBar[] = "AfxControlBar42s";

AFX_THREAD_STATE* AfxGetThreadState()
{
    PermanentMap();   // made first, so it outlives the state's tool-tip window
    static AFX_THREAD_STATE state;
    return &state;
}

CPushRoutingFrame::CPushRoutingFrame(CFrameWnd* pNewFrame)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    m_pOldRoutingFrame = state->m_pRoutingFrame;
    state->m_pRoutingFrame = pNewFrame;
}

CPushRoutingFrame::~CPushRoutingFrame() { AfxGetThreadState()->m_pRoutingFrame = m_pOldRoutingFrame; }

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& temps = TemporaryMap();
    if (CWnd* pWnd = temps.Lookup(hWnd))
        return pWnd;
    return temps.Add(hWnd, std::make_unique<CTempWnd>(hWnd));
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    auto& map = PermanentMap();
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

void PASCAL CWnd::DeleteTempMap() { TemporaryMap().Clear(); }

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    PermanentMap()[hWndNew] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr) {
        auto& map = PermanentMap();
        auto it = map.find(hWnd);
        if (it != map.end() && it->second == this)
            map.erase(it);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    WNDPROC afxProc = AfxGetAfxWndProc();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)afxProc);
    if (oldProc != afxProc)
        *GetSuperWndProcAddr() = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(AfxGetSafeHwnd(pParent), nID);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != nullptr) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
        *lplpfn = nullptr;
    }
    return Detach();
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_pWndInit == pWnd)
        return;
    if (state->m_hHookOldCbtFilter == nullptr)
        state->m_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
    state->m_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_hHookOldCbtFilter != nullptr) {
        ::UnhookWindowsHookEx(state->m_hHookOldCbtFilter);
        state->m_hHookOldCbtFilter = nullptr;
    }
    if (state->m_pWndInit != nullptr) {
        state->m_pWndInit = nullptr;
        return FALSE;   // the hook never saw the window
    }
    return TRUE;
}

WNDPROC AfxGetAfxWndProc() { return &AfxWndProc; }

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK CWnd::AfxWndProcBase(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return AfxWndProc(hWnd, nMsg, wParam, lParam);
}

static void WindowIsGone(CWnd* pWnd, HWND hWnd)
{
    // The object lets go of the handle before PostNcDestroy, which may delete it.
    if (CWnd::FromHandlePermanent(hWnd) != pWnd)
        return;
    WNDPROC* super = &pWnd->m_pfnSuper;
    if (*super != nullptr && (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == AfxGetAfxWndProc())
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)*super);
    pWnd->Detach();
    if (CWinThread* pThread = AfxGetThread()) {
        if (pThread->m_pMainWnd == pWnd) {
            pThread->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
    }
    pWnd->PostNcDestroy();
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    MSG oldState = state->m_lastSentMsg;
    state->m_lastSentMsg.hwnd = hWnd;
    state->m_lastSentMsg.message = nMsg;
    state->m_lastSentMsg.wParam = wParam;
    state->m_lastSentMsg.lParam = lParam;
    ++state->m_nDispatchDepth;

    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (const CUserException&) {
        // already reported
    } catch (const CException& e) {
        e.ReportError(MB_ICONEXCLAMATION);
    }

    --state->m_nDispatchDepth;
    state->m_lastSentMsg = oldState;
    if (nMsg == WM_NCDESTROY)
        WindowIsGone(pWnd, hWnd);
    return lResult;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();   // the window never existed: let self-deleting objects go
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        AfxDeferRegisterClass(AFX_WND_REG);
        cs.lpszClass = _afxWnd;
    }
    return TRUE;
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    bool permanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    if (!permanent && m_hWnd == hWnd)
        m_hWnd = nullptr;   // a borrowed handle: forget it
    return bResult;
}

// Dialog templates ------------------------------------------------------------

static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (auto* pDlg = dynamic_cast<CDialog*>(pWnd))
        return pDlg->HandleInitDialog();
    return TRUE;
}

DLGPROC AfxGetDlgProc() { return &AfxDlgProc; }

BOOL CWnd::CreateDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    if (hResource == nullptr)
        return FALSE;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    auto lpTemplate = (LPCDLGTEMPLATE)::LockResource(hTemplate);
    if (lpTemplate == nullptr || !CreateDlgIndirect(lpTemplate, pParentWnd, hInst))
        return FALSE;
    ExecuteDlgInit(lpszTemplateName);
    return TRUE;
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (hInst == nullptr)
        hInst = AfxGetResourceHandle();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, AfxGetSafeHwnd(pParentWnd), AfxGetDlgProc(), 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == nullptr)
        return TRUE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCE(240));
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCE(240));
    if (hResource == nullptr)
        return TRUE;   // no init data is fine
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    return ExecuteDlgInit(::LockResource(hData));
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    if (lpResource == nullptr)
        return TRUE;
    // Records of { WORD control; WORD message; DWORD length; bytes }, ending
    // with a zero control id. The messages are the old 16-bit numbers.
    auto* p = (const BYTE*)lpResource;
    for (;;) {
        WORD nIDC, nMsg;
        DWORD dwLen;
        memcpy(&nIDC, p, 2);
        if (nIDC == 0)
            break;
        memcpy(&nMsg, p + 2, 2);
        memcpy(&dwLen, p + 4, 4);
        p += 8;
        UINT message = nMsg == 0x0401 ? LB_ADDSTRING : nMsg == 0x0403 ? CB_ADDSTRING : nMsg;
        if (::SendDlgItemMessageA(m_hWnd, nIDC, message, 0, (LPARAM)p) == -1)
            return FALSE;
        p += dwLen;
    }
    return TRUE;
}

BOOL CWnd::SetOccDialogInfo(void*) { return TRUE; }

// Message dispatch -------------------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    pMsg->time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    pMsg->pt.x = (short)LOWORD(pos);
    pMsg->pt.y = (short)HIWORD(pos);
    return pMsg;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult)
            *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        auto* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult)
            *pResult = lResult;
        return TRUE;
    }

    const AFX_MSGMAP_ENTRY* e = FindWindowEntry(GetMessageMap(), message);
    if (e == nullptr) {
        // Owner-draw and colour messages nobody here handles go to the control.
        HWND hChild = ChildOfMessage(m_hWnd, message, wParam, lParam);
        if (hChild != nullptr && hChild != m_hWnd && ReflectLastMsg(hChild, pResult))
            return TRUE;
        return FALSE;
    }

    switch (e->nSig) {
    case AfxSig_l_wl:
        lResult = (this->*Handler<LRESULT (CWnd::*)(WPARAM, LPARAM)>(e))(wParam, lParam);
        break;
    case AfxSig_v_v:
        (this->*Handler<void (CWnd::*)()>(e))();
        break;
    case AfxSig_i_s:
        lResult = (this->*Handler<int (CWnd::*)(LPCREATESTRUCT)>(e))((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_b_s:
        lResult = (this->*Handler<BOOL (CWnd::*)(LPCREATESTRUCT)>(e))((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_v_uii:
        (this->*Handler<void (CWnd::*)(UINT, int, int)>(e))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_ii:
        (this->*Handler<void (CWnd::*)(int, int)>(e))(XFromLParam(lParam), YFromLParam(lParam));
        break;
    case AfxSig_b_D:
        lResult = (this->*Handler<BOOL (CWnd::*)(CDC*)>(e))(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_v_bp:
        (this->*Handler<void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)>(e))((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_l_p:
        lResult = (this->*Handler<LRESULT (CWnd::*)(CPoint)>(e))(PointFromLParam(lParam));
        break;
    case AfxSig_b_b:
        lResult = (this->*Handler<BOOL (CWnd::*)(BOOL)>(e))((BOOL)wParam);
        break;
    case AfxSig_v_up:
        (this->*Handler<void (CWnd::*)(UINT, CPoint)>(e))((UINT)wParam, PointFromLParam(lParam));
        break;
    case AfxSig_v_uWb:
        (this->*Handler<void (CWnd::*)(UINT, CWnd*, BOOL)>(e))(LOWORD(wParam), FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_v_bh:
        (this->*Handler<void (CWnd::*)(BOOL, DWORD)>(e))((BOOL)wParam, (DWORD)lParam);
        break;
    case AfxSig_i_Wuu:
    case AfxSig_b_Wuu:
        lResult = (this->*Handler<int (CWnd::*)(CWnd*, UINT, UINT)>(e))(FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_bWW:
        (this->*Handler<void (CWnd::*)(BOOL, CWnd*, CWnd*)>(e))((HWND)lParam == m_hWnd, FromHandle((HWND)lParam), FromHandle((HWND)wParam));
        break;
    case AfxSig_v_W:
        (this->*Handler<void (CWnd::*)(CWnd*)>(e))(FromHandle(message == WM_CAPTURECHANGED ? (HWND)lParam : (HWND)wParam));
        break;
    case AfxSig_v_b:
        (this->*Handler<void (CWnd::*)(BOOL)>(e))((BOOL)wParam);
        break;
    case AfxSig_v_bu:
        (this->*Handler<void (CWnd::*)(BOOL, UINT)>(e))((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_v_pwp:
        (this->*Handler<void (CWnd::*)(WINDOWPOS*)>(e))((WINDOWPOS*)lParam);
        break;
    case AfxSig_b_uzp:
        lResult = (this->*Handler<BOOL (CWnd::*)(UINT, short, CPoint)>(e))(LOWORD(wParam), (short)HIWORD(wParam), PointFromLParam(lParam));
        break;
    case AfxSig_v_uuu:
        (this->*Handler<void (CWnd::*)(UINT, UINT, UINT)>(e))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_ul:
        (this->*Handler<void (CWnd::*)(UINT, LPARAM)>(e))((UINT)wParam, lParam);
        break;
    case AfxSig_v_t:
        (this->*Handler<void (CWnd::*)(UINT_PTR)>(e))((UINT_PTR)wParam);
        break;
    case AfxSig_v_uuS:
        (this->*Handler<void (CWnd::*)(UINT, UINT, CScrollBar*)>(e))(LOWORD(wParam), HIWORD(wParam),
                                                                     (CScrollBar*)FromHandle((HWND)lParam));
        break;
    case AfxSig_v_Wp:
        (this->*Handler<void (CWnd::*)(CWnd*, CPoint)>(e))(FromHandle((HWND)wParam), PointFromLParam(lParam));
        break;
    case AfxSig_u_v:
        lResult = (this->*Handler<UINT (CWnd::*)()>(e))();
        break;
    case AfxSig_v_us:
        (this->*Handler<void (CWnd::*)(UINT, LPCTSTR)>(e))((UINT)wParam, (LPCTSTR)lParam);
        break;
    case AfxSig_v_Fb:
        (this->*Handler<void (CWnd::*)(CFont*, BOOL)>(e))(CFont::FromHandle((HFONT)wParam), (BOOL)LOWORD(lParam));
        break;
    case AfxSig_v_Mub:
        (this->*Handler<void (CWnd::*)(CMenu*, UINT, BOOL)>(e))(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_uuM:
        (this->*Handler<void (CWnd::*)(UINT, UINT, HMENU)>(e))(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_l_uuM:
        lResult = (this->*Handler<LRESULT (CWnd::*)(UINT, UINT, CMenu*)>(e))(LOWORD(wParam), HIWORD(wParam), CMenu::FromHandle((HMENU)lParam));
        break;
    case AfxSig_v_iMIS:
        (this->*Handler<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(e))((int)wParam, (LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_v_iDIS:
        (this->*Handler<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(e))((int)wParam, (LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_v_uW:
        (this->*Handler<void (CWnd::*)(UINT, CWnd*)>(e))((UINT)wParam, FromHandle((HWND)lParam));
        break;
    case AfxSig_hb_DWu:
        lResult = (LRESULT)(this->*Handler<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(e))(
            CDC::FromHandle((HDC)wParam), FromHandle((HWND)lParam), message - WM_CTLCOLORMSGBOX);
        break;
    case AfxSig_hb_Du: {
        HBRUSH hbr = (this->*Handler<HBRUSH (CWnd::*)(CDC*, UINT)>(e))(CDC::FromHandle((HDC)wParam),
                                                                       message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX);
        if (hbr == nullptr)
            return FALSE;   // the parent colours it
        lResult = (LRESULT)hbr;
        break;
    }
    case AfxSig_v_hd:
        (this->*Handler<void (CWnd::*)(HDROP)>(e))((HDROP)wParam);
        break;
    case AfxSig_v_mmi:
        (this->*Handler<void (CWnd::*)(MINMAXINFO*)>(e))((MINMAXINFO*)lParam);
        break;
    case AfxSig_v_pDIS:
        (this->*Handler<void (CWnd::*)(LPDRAWITEMSTRUCT)>(e))((LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_v_pMIS:
        (this->*Handler<void (CWnd::*)(LPMEASUREITEMSTRUCT)>(e))((LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    default:
        return FALSE;
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        // Menu or accelerator: make sure the command is still enabled.
        struct CTestCmdUI : CCmdUI {
            BOOL m_bEnabled = TRUE;
            void Enable(BOOL bOn) override { m_bEnabled = bOn; m_bEnableChanged = TRUE; }
            void SetCheck(int) override {}
            void SetRadio(BOOL) override {}
            void SetText(LPCTSTR) override {}
        } test;
        test.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &test, nullptr);
        if (!test.m_bEnabled)
            return TRUE;   // disabled: swallow it
        nCode = CN_COMMAND;
    } else {
        if (CToolTipOwner* pTips = AfxGetThreadState()->m_pToolTips.get())
            pTips->ForgetTipped(hWndCtrl);
        LRESULT lResult = 0;
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        if (pChild != nullptr && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)pNMHDR->idFrom;
    int nCode = (int)pNMHDR->code;

    CWnd* pChild = FromHandlePermanent(hWndCtrl);
    if (pChild != nullptr && pChild != this && pChild->OnChildNotify(WM_NOTIFY, pNMHDR->idFrom, lParam, pResult))
        return TRUE;

    AFX_NOTIFY notify = { pResult, pNMHDR };
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        auto* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify = { pResult, pNMHDR };
        return CWnd::OnCmdMsg(0, MAKELONG((int)pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    case WM_HSCROLL: case WM_VSCROLL: case WM_DRAWITEM: case WM_MEASUREITEM: case WM_DELETEITEM:
    case WM_COMPAREITEM: case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    default:
        return FALSE;
    }
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == nullptr)
        return FALSE;
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return pWnd->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

int CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // The child control under the point, named by its id's string.
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hWndChild == nullptr || hWndChild == m_hWnd)
        return -1;
    int nID = ::GetDlgCtrlID(hWndChild);
    if (nID == 0 || nID == -1)
        return -1;
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return nID;
}

CScrollBar* CWnd::GetScrollBarCtrl(int) const { return nullptr; }

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelp(dwData, nCmd);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                           BOOL bOnlyPerm)
{
    // Collect first: handlers may create or destroy children.
    std::vector<HWND> children;
    for (HWND h = ::GetTopWindow(hWnd); h != nullptr; h = ::GetNextWindow(h, GW_HWNDNEXT))
        children.push_back(h);
    for (HWND hChild : children) {
        if (!::IsWindow(hChild))
            continue;
        if (bOnlyPerm) {
            if (CWnd* pWnd = FromHandlePermanent(hChild))
                AfxCallWndProc(pWnd, hChild, message, wParam, lParam);
        } else {
            ::SendMessageA(hChild, message, wParam, lParam);
        }
        if (bDeep && ::IsWindow(hChild) && ::GetTopWindow(hChild) != nullptr)
            SendMessageToDescendants(hChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

// Modal loop -------------------------------------------------------------------

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int)
{
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);   // wake the loop
    }
}

int CWnd::RunModalLoop(DWORD)
{
    bool bIdle = true;
    LONG lIdleCount = 0;
    bool bShown = (GetStyle() & WS_VISIBLE) != 0;
    HWND hWndSelf = m_hWnd;
    // The caller sets WF_CONTINUEMODAL before creating the window, so that an
    // EndModalLoop during creation means no loop at all.
    m_nFlags |= WF_MODALLOOP;
    if (!bShown && ContinueModal()) {
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
    }
    MSG msg;
    while (ContinueModal()) {
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // The owner (a frame with pending layout, say) gets its idle time too.
            HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
            if (hWndOwner != nullptr && lIdleCount == 0)
                ::SendMessageA(hWndOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if (!SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = false;
            if (!ContinueModal())
                break;
        }
        if (!ContinueModal())
            break;
        if (!AfxPumpMessage()) {
            ::PostQuitMessage(0);
            break;
        }
        if (!::IsWindow(hWndSelf))
            break;
        CWinThread* pThread = AfxGetThread();
        MSG current = AfxGetCurrentMessage();
        if (pThread == nullptr || pThread->IsIdleMessage(&current)) {
            bIdle = true;
            lIdleCount = 0;
        }
    }
    if (::IsWindow(hWndSelf))
        m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return 0;
}

// Geometry and family ---------------------------------------------------------

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, (LPPOINT)lpRect, 2);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, (LPPOINT)lpRect, 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    ::MapWindowPoints(m_hWnd, AfxGetSafeHwnd(pwndTo), lpPoint, nCount);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, AfxGetSafeHwnd(pwndTo), (LPPOINT)lpRect, 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, AfxGetSafeHwnd(pWndInsertAfter), x, y, cx, cy, nFlags);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    lpwndpl->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
{
    WINDOWPLACEMENT wp = *lpwndpl;
    wp.length = sizeof(WINDOWPLACEMENT);
    return ::SetWindowPlacement(m_hWnd, &wp);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND hWndCenter = AfxGetSafeHwnd(pAlternateOwner);
    if (hWndCenter == nullptr)
        hWndCenter = (GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    CRect rcDlg;
    GetWindowRect(&rcDlg);
    CRect rcArea, rcCenter;
    if (GetStyle() & WS_CHILD) {
        HWND hParent = ::GetParent(m_hWnd);
        ::GetClientRect(hParent, &rcArea);
        if (hWndCenter != nullptr) {
            ::GetClientRect(hWndCenter, &rcCenter);
            ::MapWindowPoints(hWndCenter, hParent, (LPPOINT)&rcCenter, 2);
        } else {
            rcCenter = rcArea;
        }
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
        if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter))
            ::GetWindowRect(hWndCenter, &rcCenter);
        else
            rcCenter = rcArea;
    }
    int x = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    if (x + rcDlg.Width() > rcArea.right) x = rcArea.right - rcDlg.Width();
    if (x < rcArea.left) x = rcArea.left;
    if (y + rcDlg.Height() > rcArea.bottom) y = rcArea.bottom - rcDlg.Height();
    if (y < rcArea.top) y = rcArea.top;
    SetWindowPos(nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Shared by the style and the extended-style forms: they differ only in the
// window long they change.
static BOOL ModifyWindowLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLongPtrA(hWnd, nIndex);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrA(hWnd, nIndex, (LONG_PTR)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyWindowLong(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyWindowLong(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) { return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags); }
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) { return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags); }

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd != nullptr)
        CWnd::FromHandle(hWnd)->GetWindowText(rString);
    return rString.GetLength();
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::SetParent(CWnd* pWndNewParent) { return FromHandle(::SetParent(m_hWnd, AfxGetSafeHwnd(pWndNewParent))); }

CWnd* CWnd::GetOwner() const { return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent(); }

static HWND ParentOwnerOf(HWND hWnd)
{
    if (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

CWnd* CWnd::GetParentOwner() const { return FromHandle(ParentOwnerOf(m_hWnd)); }

CWnd* CWnd::GetTopLevelParent() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWnd = m_hWnd;
    for (HWND hNext; (hNext = ParentOwnerOf(hWnd)) != nullptr;)
        hWnd = hNext;
    return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWnd = m_hWnd;
    for (HWND hOwner; (hOwner = ::GetWindow(hWnd, GW_OWNER)) != nullptr;)
        hWnd = hOwner;
    return FromHandle(hWnd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        if (auto* pFrame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(hWnd)))
            return pFrame;
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    auto* pFrame = dynamic_cast<CFrameWnd*>(const_cast<CWnd*>(this));
    if (pFrame == nullptr)
        pFrame = GetParentFrame();
    while (pFrame != nullptr) {
        CFrameWnd* pParent = pFrame->GetParentFrame();
        if (pParent == nullptr)
            break;
        pFrame = pParent;
    }
    return pFrame;
}

CWnd* PASCAL CWnd::GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    HWND hWndChild = ::GetDlgItem(hWnd, nID);
    if (hWndChild != nullptr && ::GetTopWindow(hWndChild) == nullptr) {
        CWnd* pWnd = bOnlyPerm ? FromHandlePermanent(hWndChild) : FromHandle(hWndChild);
        if (pWnd != nullptr)
            return pWnd;
    }
    for (hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr; hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hWndChild) == nID) {
            CWnd* pWnd = bOnlyPerm ? FromHandlePermanent(hWndChild) : FromHandle(hWndChild);
            if (pWnd != nullptr)
                return pWnd;
        }
        if (::GetTopWindow(hWndChild) != nullptr) {
            if (CWnd* pWnd = GetDescendantWindow(hWndChild, nID, bOnlyPerm))
                return pWnd;
        }
    }
    return nullptr;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const { return GetDescendantWindow(m_hWnd, nID, bOnlyPerm); }

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, AfxGetSafeHwnd(pWndCtl), bPrevious));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, AfxGetSafeHwnd(pWndCtl), bPrevious));
}

CWnd* PASCAL CWnd::FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
{
    return FromHandle(::FindWindowA(lpszClassName, lpszWindowName));
}

// Painting, fonts, menus ------------------------------------------------------

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate ? (HRGN)prgnUpdate->GetSafeHandle() : nullptr, flags);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0; }

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags)
{
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip,
                            prgnUpdate ? (HRGN)prgnUpdate->GetSafeHandle() : nullptr, lpRectUpdate, flags);
}

CFont* CWnd::GetFont() const { return CFont::FromHandle((HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)); }

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
}

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }

// Scroll bars: a window that has its scroll bars elsewhere (a splitter pane)
// answers GetScrollBarCtrl, and these helpers then act on that control.

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    HWND hWnd = m_hWnd;
    if (nBar != SB_CTL) {
        if (CScrollBar* pBar = GetScrollBarCtrl(nBar)) {
            hWnd = pBar->m_hWnd;
            nBar = SB_CTL;
        }
    }
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    HWND hWnd = m_hWnd;
    if (nBar != SB_CTL) {
        if (CScrollBar* pBar = GetScrollBarCtrl(nBar)) {
            hWnd = pBar->m_hWnd;
            nBar = SB_CTL;
        }
    }
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(hWnd, nBar, lpScrollInfo);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        return ::SetScrollPos(pBar->m_hWnd, SB_CTL, nPos, bRedraw);
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

int CWnd::GetScrollPos(int nBar) const
{
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        return ::GetScrollPos(pBar->m_hWnd, SB_CTL);
    return ::GetScrollPos(m_hWnd, nBar);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        ::SetScrollRange(pBar->m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
    else
        ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        ::GetScrollRange(pBar->m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
    else
        ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}

int CWnd::GetScrollLimit(int nBar)
{
    SCROLLINFO info = {};
    if (!GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE))
        return 0;
    int nLimit = info.nMax;
    if (info.nPage > 1)
        nLimit -= (int)info.nPage - 1;
    return nLimit < info.nMin ? info.nMin : nLimit;
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (lpszCaption == nullptr)
        lpszCaption = AfxGetAppName();
    return AfxShowMessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (bEnable)
        m_nFlags |= WF_TOOLTIPS;
    else
        m_nFlags &= ~WF_TOOLTIPS;
    return TRUE;
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_LBUTTONDOWN && pMsg->message != WM_LBUTTONUP &&
        pMsg->message != WM_RBUTTONDOWN && pMsg->message != WM_MBUTTONDOWN)
        return;
    CToolTipOwner::ForThread().FilterMessage(this, pMsg);
}

// Data exchange -------------------------------------------------------------

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;   // the user was told; focus is on the failing control
    }
    return TRUE;
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr; hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        state.m_nID = ::GetDlgCtrlID(hWndChild);
        if (state.m_nID == 0 || state.m_nID == (UINT)-1 || state.m_nID == 0xFFFF)
            continue;
        state.m_pOther = FromHandle(hWndChild);
        // A control that handles its own update through reflection.
        if (CWnd* pChild = FromHandlePermanent(hWndChild)) {
            if (pChild->CWnd::OnCmdMsg(0, MAKELONG(0xFFFF, WM_COMMAND + WM_REFLECT_BASE), &state, nullptr))
                continue;
        }
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        BOOL bDisable = bDisableIfNoHndler;
        if (bDisable) {
            if ((::SendMessageA(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0) {
                bDisable = FALSE;
            } else {
                UINT nStyle = (UINT)(::GetWindowLongPtrA(hWndChild, GWL_STYLE) & 0x0F);
                if (nStyle == BS_AUTOCHECKBOX || nStyle == BS_AUTO3STATE || nStyle == BS_GROUPBOX ||
                    nStyle == BS_AUTORADIOBUTTON)
                    bDisable = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisable);
    }
}

// Control bar layout ---------------------------------------------------------

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    if (lpLayout != nullptr && lpLayout->hDWP == nullptr)
        return;   // a query moves nothing
    HWND hWndParent = ::GetParent(hWnd);
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, hWndParent, (LPPOINT)&rectOld, 2);
    if (::EqualRect(&rectOld, lpRect))
        return;
    int cx = lpRect->right - lpRect->left;
    int cy = lpRect->bottom - lpRect->top;
    if (lpLayout != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, cx, cy,
                                          SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, cx, cy, SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    bool bQuery = (nFlags & ~reposNoPosLeftOver) == reposQuery;
    layout.hDWP = bQuery ? nullptr : ::BeginDeferWindowPos(8);

    HWND hWndLeftOver = nullptr;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr; hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        UINT nIDC = (UINT)::GetDlgCtrlID(hWndChild);
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast && FromHandlePermanent(hWndChild) != nullptr)
            ::SendMessageA(hWndChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }

    if (bQuery) {
        if (lpRectParam == nullptr)
            return;
        if (bStretch) {
            *lpRectParam = layout.rect;
        } else {
            lpRectParam->left = lpRectParam->top = 0;
            lpRectParam->right = layout.sizeTotal.cx;
            lpRectParam->bottom = layout.sizeTotal.cy;
        }
        return;
    }

    if (nIDLeftOver != 0 && hWndLeftOver != nullptr) {
        if ((nFlags & ~reposNoPosLeftOver) == reposExtra && lpRectParam != nullptr) {
            layout.rect.left += lpRectParam->left;
            layout.rect.top += lpRectParam->top;
            layout.rect.right -= lpRectParam->right;
            layout.rect.bottom -= lpRectParam->bottom;
        }
        if (!(nFlags & reposNoPosLeftOver)) {
            if (CWnd* pLeftOver = FromHandlePermanent(hWndLeftOver))
                pLeftOver->CalcWindowRect(&layout.rect);
            AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
        }
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

// Window classes --------------------------------------------------------------

BOOL AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS existing;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // The name spells out the attributes, so equal arguments give one class.
    static std::list<CString> names;   // a list keeps each name where it is
    CString name;
    name.Format("Afx:%p:%x:%p:%p:%p", (void*)AfxGetInstanceHandle(), nClassStyle, (void*)hCursor,
                (void*)hbrBackground, (void*)hIcon);
    for (const CString& known : names) {
        if (known == name)
            return known;
    }
    names.push_back(name);
    WNDCLASS wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = names.back();
    if (!AfxRegisterClass(&wc)) {
        names.pop_back();
        AfxThrowResourceException();
    }
    return names.back();
}

BOOL AfxDeferRegisterClass(LONG fToRegister)
{
    static LONG registered = 0;
    LONG todo = fToRegister & ~registered;
    if (todo == 0)
        return TRUE;
    WNDCLASS wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    if (todo & AFX_WND_REG) {
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpszClassName = _afxWnd;
        AfxRegisterClass(&wc);
    }
    if (todo & AFX_WNDFRAMEORVIEW_REG) {
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
        wc.lpszClassName = _afxWndFrameOrView;
        AfxRegisterClass(&wc);
        wc.hbrBackground = nullptr;
        wc.hIcon = nullptr;
    }
    if (todo & AFX_WNDCONTROLBAR_REG) {
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = _afxWndControlBar;
        AfxRegisterClass(&wc);
    }
    if (todo & AFX_WNDCOMMCTLS_REG) {
        INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES };
        ::InitCommonControlsEx(&icc);
    }
    registered |= todo;
    return TRUE;
}

// Default handlers --------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return (BOOL)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
void CWnd::OnChildActivate() { Default(); }
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr && ReflectLastMsg(pScrollBar->m_hWnd))
        return;
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr && ReflectLastMsg(pScrollBar->m_hWnd))
        return;
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnSetFont(CFont*, BOOL) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU) {
        HWND hChild = ::GetDlgItem(m_hWnd, lpMeasureItemStruct->CtlID);
        if (hChild != nullptr && ReflectLastMsg(hChild))
            return;
    }
    Default();
}
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()
