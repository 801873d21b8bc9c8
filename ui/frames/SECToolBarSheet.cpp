#include "framework/Framework.h"
#include "ui/frames/SECToolBarSheet.h"
#include "res/ToolBarsRes.h"
#include "ui/frames/SECMenuBar.h"
#include "ui/frames/SECTBMenuBtn.h"
#include "ui/frames/SECToolBarManager.h"

namespace {

const UINT s_nBarNotify = SECToolBarManager::GetBarNotifyMessage();
const UINT s_nStyleChanging = GetToolBarStyleChangingMessage();

// Palettes take control ids downward from here, one per group.
constexpr UINT kFirstPaletteID = 59567;

// Entering and leaving customise mode for an active sheet page.
void BeginSheetCustomize(SECToolBarManager* pManager, CWnd* pSheet)
{
    pManager->SetCustomizeMode(TRUE);
    pManager->BeginCustomize();
    pManager->SetCustomizeDlg(pSheet);
}

void EndSheetCustomize(SECToolBarManager* pManager, CWnd* pSheet)
{
    pManager->SetCustomizeMode(FALSE);
    pManager->EndCustomize();
    // The sheet's own window sits above the frame: it must stay usable.
    if (pSheet != nullptr && pSheet->m_hWnd != nullptr)
        pSheet->EnableWindow(TRUE);
}

CWnd* SheetOf(CPropertyPage* pPage) { return pPage->m_hWnd != nullptr ? pPage->GetParent() : nullptr; }

} // namespace

UINT GetToolBarStyleChangingMessage()
{
    static const UINT s_nMessage = ::RegisterWindowMessageA("WM_TOOLBARSTYLECHANGING");
    return s_nMessage;
}

// SECCustomizeToolBar ------------------------------------------------------------

void SECCustomizeToolBar::LayoutToRect(LPCRECT lpRect)
{
    m_nMRUWidth = lpRect->right - lpRect->left;
    CalcLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    // Above the "Buttons" box, which clips itself against it.
    SetWindowPos(&CWnd::wndTop, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                 lpRect->bottom - lpRect->top, SWP_NOACTIVATE);
    Invalidate(TRUE);
}

// SECTBBtnGroup ---------------------------------------------------------------------

BOOL SECTBBtnGroup::Create(CWnd* pParent, SECToolBarManager* pManager, UINT nID)
{
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BORDER_3D | CBRS_SIZE_DYNAMIC | CBRS_FLOATING;
    DWORD dwExStyle = 0;
    if (pManager != nullptr) {
        dwStyle |= (pManager->GetFlyBy() ? CBRS_FLYBY : 0) | (pManager->GetToolTips() ? CBRS_TOOLTIPS : 0);
        dwExStyle = pManager->GetCoolLook() ? 0x300 : 0;
        m_palette.SetManager(pManager);
        m_palette.SetBmpMgr(pManager->GetBmpMgr());
        m_palette.m_pBtnMap = pManager->GetButtonMap();
        m_palette.m_pSecondBtnMap = pManager->GetSecondButtonMap();
    }
    if (!m_palette.CreateEx(dwExStyle, pParent, dwStyle, nID))
        return FALSE;
    if (pManager != nullptr) {
        m_palette.SetOwner(pManager->GetFrameWnd());
        pManager->ApplyImageSize(&m_palette);
    }
    m_palette.SetCustomizeMode(TRUE);
    return m_palette.SetButtons(m_pBtnIDs, (int)m_nBtnCount) && m_nBtnCount > 0;
}

void SECTBBtnGroup::SetGroupRect(LPCRECT lpRect) { m_palette.LayoutToRect(lpRect); }

// SECMenuBtnGroup -------------------------------------------------------------------

namespace {

// The manager's button-map entry of a command, first map first.
const SECBtnMapEntry* FindMapEntry(const SECToolBarManager* pManager, UINT nID)
{
    if (pManager == nullptr)
        return nullptr;
    for (const SECBtnMapEntry* pMap : {pManager->GetButtonMap(), pManager->GetSecondButtonMap()})
        for (const SECBtnMapEntry* p = pMap; p != nullptr && p->pClass != nullptr; ++p)
            if (p->nID == nID)
                return p;
    return nullptr;
}

bool IsTextMenuEntry(const SECBtnMapEntry* pEntry)
{
    return pEntry != nullptr && pEntry->pClass == &SECTBMenuBtn::classSECTBMenuBtn;
}

} // namespace

BOOL SECMenuBtnGroup::Create(CWnd* pParent, SECToolBarManager* pManager, UINT nID)
{
    const DWORD dwStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
    if (!m_list.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", "", dwStyle, CRect(0, 0, 0, 0), pParent, nID))
        return FALSE;
    m_list.SendMessage(WM_SETFONT, pParent->SendMessage(WM_GETFONT), FALSE);
    m_list.m_pManager = pManager;
    m_list.m_pPage = dynamic_cast<SECToolBarCmdPage*>(pParent);
    for (UINT i = 0; i < m_nBtnCount && m_pBtnIDs != nullptr; ++i) {
        const SECBtnMapEntry* pEntry = FindMapEntry(pManager, m_pBtnIDs[i]);
        if (!IsTextMenuEntry(pEntry) || pEntry->params[2] == 0)
            continue;
        const CString strCaption = CString((LPCTSTR)pEntry->params[2]).Left(255);
        const int nItem = m_list.AddString(CaptionWithoutAmpersand(strCaption));
        if (nItem >= 0)
            m_list.SetItemData(nItem, m_pBtnIDs[i]);
    }
    return TRUE;
}

void SECMenuBtnGroup::SetGroupRect(LPCRECT lpRect)
{
    CRect rc(lpRect);
    rc.OffsetRect(0, 2);
    m_list.MoveWindow(&rc);
}

BEGIN_MESSAGE_MAP(SECMenuListBox, CListBox)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void SECMenuListBox::OnLButtonDown(UINT, CPoint pt)
{
    SetFocus();
    BOOL bOutside = TRUE;
    const UINT nItem = ItemFromPoint(pt, bOutside);
    if (bOutside || (int)nItem >= GetCount())
        return;
    SetCurSel((int)nItem);
    if (m_pManager == nullptr)
        return;
    const UINT nID = (UINT)GetItemData((int)nItem);
    if (m_pPage != nullptr)
        m_pPage->SetDescription((int)nID);
    // A stand-in for the drag; the drop makes the real text button.
    SECStdBtn button;
    button.m_nID = nID;
    button.m_x = pt.x;
    button.m_y = pt.y;
    button.m_cx = 23;
    button.m_cy = 22;
    PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x - 1, pt.y - 1));
    SECToolBarManager::DragButton(m_pManager, &button, -1, pt, nullptr, this, TRUE);
}

// SECToolBarsPage -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SECToolBarsPage, CPropertyPage)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_SEC_NEW, OnNew)
    ON_BN_CLICKED(IDC_SEC_RESET, OnResetBar)
    ON_BN_CLICKED(IDC_SEC_TOOLTIPS, OnToolTips)
    ON_BN_CLICKED(IDC_SEC_COOLLOOK, OnCoolLook)
    ON_BN_CLICKED(IDC_SEC_LARGE_BUTTONS, OnLargeButtons)
    ON_LBN_SELCHANGE(IDC_SEC_TOOLBAR_LIST, OnSelChange)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_SEC_TOOLBAR_LIST, OnListCheck)
    ON_EN_KILLFOCUS(IDC_SEC_TOOLBAR_NAME, OnNameKillFocus)
    ON_REGISTERED_MESSAGE(s_nBarNotify, OnBarNotifyMessage)
END_MESSAGE_MAP()

SECToolBarsPage::SECToolBarsPage() : CPropertyPage(IDD_SEC_TOOLBARS_PAGE) { SetDialog(this); }

BOOL SECToolBarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    AttachList();
    FillList();
    WriteOptions();
    m_pManager->AddNotifyWnd(this);
    return TRUE;
}

BOOL SECToolBarsPage::OnSetActive()
{
    BeginSheetCustomize(m_pManager, SheetOf(this));
    return CPropertyPage::OnSetActive();
}

BOOL SECToolBarsPage::OnKillActive()
{
    RenameSelected();
    EndSheetCustomize(m_pManager, SheetOf(this));
    return CPropertyPage::OnKillActive();
}

void SECToolBarsPage::OnReset()
{
    EndSheetCustomize(m_pManager, nullptr);
    m_pManager->SetCustomizeDlg(nullptr);
}

void SECToolBarsPage::OnToolTips()
{
    ReadOptions();
    ApplyCurrent();
}

// The other pages lay their palettes out again for the new look.
void SECToolBarsPage::OnStyleOption(WPARAM nChange)
{
    ReadOptions();
    ApplyCurrent();
    CWnd* pSheet = GetParent();
    for (HWND hPage = ::GetWindow(pSheet->m_hWnd, GW_CHILD); hPage != nullptr; hPage = ::GetWindow(hPage, GW_HWNDNEXT))
        if (hPage != m_hWnd && dynamic_cast<CPropertyPage*>(CWnd::FromHandlePermanent(hPage)) != nullptr)
            ::SendMessageA(hPage, s_nStyleChanging, nChange, 0);
}

void SECToolBarsPage::OnDestroy()
{
    m_pManager->RemoveNotifyWnd(this);
    m_pManager->SetCustomizeDlg(nullptr);
    CPropertyPage::OnDestroy();
}

LRESULT SECToolBarsPage::OnBarNotifyMessage(WPARAM wParam, LPARAM lParam)
{
    OnBarNotify((UINT)wParam, (int)lParam);
    return 0;
}

// SECToolBarCmdPage -------------------------------------------------------------

BEGIN_MESSAGE_MAP(SECToolBarCmdPage, CPropertyPage)
    ON_WM_DESTROY()
    ON_LBN_SELCHANGE(IDC_SEC_CATEGORIES, OnCategoryChange)
    ON_REGISTERED_MESSAGE(s_nBarNotify, OnBarNotifyMessage)
    ON_REGISTERED_MESSAGE(s_nStyleChanging, OnStyleChanging)
END_MESSAGE_MAP()

SECToolBarCmdPage::SECToolBarCmdPage() : CPropertyPage(IDD_SEC_COMMANDS_PAGE) {}

SECToolBarCmdPage::SECToolBarCmdPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage(nIDTemplate, nIDCaption) {}

void SECToolBarCmdPage::DefineBtnGroup(LPCTSTR lpszTitle, UINT nBtnCount, const UINT* lpBtnIDs)
{
    m_groups.push_back(std::make_unique<SECTBBtnGroup>(lpszTitle, nBtnCount, lpBtnIDs));
}

// The buttons of the menu bar of the manager's frame that the menu shown
// has and that are text menu buttons.
void SECToolBarCmdPage::DefineMenuBarGroup(LPCTSTR lpszTitle)
{
    if (m_pManager == nullptr)
        return;
    SECMenuBar* pMenuBar = nullptr;
    for (SECCustomToolBar* pBar : m_pManager->GetToolBars())
        if ((pMenuBar = dynamic_cast<SECMenuBar*>(pBar)) != nullptr)
            break;
    if (pMenuBar == nullptr)
        return;
    const DWORD dwMask = pMenuBar->GetMenuMask();
    std::vector<UINT> ids;
    for (int i = 0; i < pMenuBar->GetButtonCount(); ++i) {
        const UINT nID = pMenuBar->GetItemID(i);
        const SECBtnMapEntry* pEntry = FindMapEntry(m_pManager, nID);
        if (IsTextMenuEntry(pEntry) && ((DWORD)pEntry->params[3] & dwMask) != 0)
            ids.push_back(nID);
    }
    m_menuIds.push_back(std::move(ids));
    DefineMenuGroup(lpszTitle, (UINT)m_menuIds.back().size(), m_menuIds.back().data());
}

void SECToolBarCmdPage::DefineMenuGroup(LPCTSTR lpszTitle, UINT nCount, const UINT* lpIDs)
{
    m_groups.push_back(std::make_unique<SECMenuBtnGroup>(lpszTitle, nCount, lpIDs));
}

// The "Buttons" box less its frame and caption, in the page's dialog units.
CRect SECToolBarCmdPage::PaletteArea()
{
    CRect rc;
    GetDlgItem(IDC_SEC_BUTTONS_GROUP)->GetWindowRect(&rc);
    ScreenToClient(&rc);
    CRect rcUnits(0, 0, 3, 8);
    ::MapDialogRect(m_hWnd, &rcUnits);
    rc.DeflateRect(rcUnits.right, rcUnits.bottom);
    return rc;
}

BOOL SECToolBarCmdPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (m_pManager != nullptr)
        m_pManager->AddNotifyWnd(this);
    const CRect rcArea = PaletteArea();
    CListBox* pCategories = static_cast<CListBox*>(GetDlgItem(IDC_SEC_CATEGORIES));
    UINT nID = kFirstPaletteID;
    for (size_t i = 0; i < m_groups.size(); ++i, --nID) {
        SECBtnGroup* pGroup = m_groups[i].get();
        if (!pGroup->Create(this, m_pManager, nID))
            return FALSE;
        pGroup->SetGroupRect(rcArea);   // a menu list sits two pixels lower
        pGroup->GetWnd()->ShowWindow(i == 0 ? SW_SHOW : SW_HIDE);
        ::SendMessageA(pCategories->m_hWnd, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)pGroup->m_strTitle);
    }
    ::SendMessageA(pCategories->m_hWnd, LB_SETCURSEL, 0, 0);
    m_nActiveGroup = m_groups.empty() ? -1 : 0;
    return TRUE;
}

void SECToolBarCmdPage::ShowGroup(int nIndex)
{
    if (m_nActiveGroup >= 0 && m_nActiveGroup < (int)m_groups.size())
        m_groups[m_nActiveGroup]->Activate(FALSE);
    m_nActiveGroup = nIndex;
    for (int i = 0; i < (int)m_groups.size(); ++i) {
        if (i == nIndex)
            m_groups[i]->Activate(TRUE);
        m_groups[i]->GetWnd()->ShowWindow(i == nIndex ? SW_SHOW : SW_HIDE);
    }
    SetDescription(-1);
}

void SECToolBarCmdPage::OnCategoryChange()
{
    ShowGroup((int)GetDlgItem(IDC_SEC_CATEGORIES)->SendMessage(LB_GETCURSEL, 0, 0));
}

BOOL SECToolBarCmdPage::OnSetActive()
{
    BeginSheetCustomize(m_pManager, SheetOf(this));
    if (m_nActiveGroup >= 0)
        m_groups[m_nActiveGroup]->Activate(TRUE);
    return CPropertyPage::OnSetActive();
}

BOOL SECToolBarCmdPage::OnKillActive()
{
    EndSheetCustomize(m_pManager, SheetOf(this));
    if (m_nActiveGroup >= 0)
        m_groups[m_nActiveGroup]->Activate(FALSE);
    return CPropertyPage::OnKillActive();
}

void SECToolBarCmdPage::OnReset()
{
    EndSheetCustomize(m_pManager, nullptr);
    m_pManager->SetCustomizeDlg(nullptr);
}

SECCustomToolBar* SECToolBarCmdPage::FindBar(UINT nBarID)
{
    if (m_pManager != nullptr)
        if (SECCustomToolBar* pBar = m_pManager->ToolBarFromID(nBarID))
            return pBar;
    for (const auto& pGroup : m_groups)
        if (auto* pGroupBar = dynamic_cast<SECCustomToolBar*>(pGroup->GetWnd()))
            if (pGroupBar->m_hWnd != nullptr && (UINT)pGroupBar->GetDlgCtrlID() == nBarID)
                return pGroupBar;
    return nullptr;
}

// The command's prompt: its string up to the first newline.
void SECToolBarCmdPage::SetDescription(int nID)
{
    CString strText;
    if (nID > 0 && strText.LoadString((UINT)nID)) {
        const int nNewLine = strText.Find('\n');
        if (nNewLine >= 0)
            strText = strText.Left(nNewLine);
    } else {
        strText.Empty();
    }
    SetDlgItemText(IDC_SEC_DESCRIPTION, strText);
}

LRESULT SECToolBarCmdPage::OnBarNotifyMessage(WPARAM wParam, LPARAM lParam)
{
    if ((int)lParam != 4)
        return 0;
    if (SECCustomToolBar* pBar = FindBar((UINT)wParam)) {
        const int nSel = pBar->GetSelectedIndex();
        SetDescription(nSel >= 0 ? (int)pBar->GetItemID(nSel) : -1);
    }
    return 0;
}

LRESULT SECToolBarCmdPage::OnStyleChanging(WPARAM wParam, LPARAM)
{
    for (const auto& pGroup : m_groups) {
        auto* pPalette = dynamic_cast<SECCustomizeToolBar*>(pGroup->GetWnd());
        if (pPalette == nullptr || pPalette->m_hWnd == nullptr)
            continue;
        if (wParam == 1 && m_pManager != nullptr)
            m_pManager->ApplyImageSize(pPalette);
        else if (wParam == 2 && m_pManager != nullptr)
            pPalette->m_dwExStyle = m_pManager->GetCoolLook() ? (pPalette->m_dwExStyle | 0x300)
                                                              : (pPalette->m_dwExStyle & ~0x300);
        CRect rc;
        pPalette->GetWindowRect(&rc);
        ScreenToClient(&rc);
        pPalette->LayoutToRect(rc);
    }
    return 0;
}

void SECToolBarCmdPage::OnDestroy()
{
    if (m_pManager != nullptr) {
        m_pManager->RemoveNotifyWnd(this);
        m_pManager->SetCustomizeDlg(nullptr);
    }
    for (const auto& pGroup : m_groups)
        if (pGroup->GetWnd()->m_hWnd != nullptr)
            pGroup->GetWnd()->DestroyWindow();
    CPropertyPage::OnDestroy();
}

// SECToolBarSheet ------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SECToolBarSheet, CPropertySheet)
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

SECToolBarSheet::SECToolBarSheet(SECToolBarManager* pManager, CWnd* pParent)
    : CPropertySheet(IDS_SEC_CUSTOMIZE, pParent), m_cmdPage(IDD_SEC_COMMANDS_PAGE, IDS_SEC_COMMANDS),
      m_pManager(pManager)
{
    m_toolBarsPage.SetManager(pManager);
    m_cmdPage.SetManager(pManager);
    AddPage(&m_toolBarsPage);
    AddPage(&m_cmdPage);
}

void SECToolBarSheet::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CPropertySheet::OnActivate(nState, pWndOther, bMinimized);
    SyncCustomizeActivation(m_pManager, nState, pWndOther);
}
