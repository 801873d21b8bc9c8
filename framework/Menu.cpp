#include "framework/Framework.h"
#include "framework/HandleMap.h"

namespace {

class CTempMenu : public CMenu
{
public:
    explicit CTempMenu(HMENU h) { m_hMenu = h; }
    ~CTempMenu() override { m_hMenu = nullptr; }
};

CTempHandleMap<HMENU, CMenu>& TempMap()
{
    static CTempHandleMap<HMENU, CMenu> map;
    return map;
}

} // namespace

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::~CMenu() { DestroyMenu(); }

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    auto& map = TempMap();
    if (CMenu* p = map.Lookup(hMenu))
        return p;
    return map.Add(hMenu, std::make_unique<CTempMenu>(hMenu));
}

void PASCAL CMenu::DeleteTempMap() { TempMap().Clear(); }

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0) {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBufferSetLength(nLen), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, AfxGetSafeHwnd(pWnd), lpRect);
}
