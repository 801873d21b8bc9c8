#include "framework/Framework.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_MESSAGE(LB_ADDSTRING, OnLBAddString)
    ON_MESSAGE(LB_INSERTSTRING, OnLBInsertString)
    ON_MESSAGE(LB_GETITEMDATA, OnLBGetItemData)
    ON_MESSAGE(LB_SETITEMDATA, OnLBSetItemData)
    ON_MESSAGE(LB_SETITEMHEIGHT, OnLBSetItemHeight)
END_MESSAGE_MAP()

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CListBox::Create(dwStyle | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, rect, pParentWnd, nID);
}

BOOL CCheckListBox::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~LBS_OWNERDRAWVARIABLE;
    cs.style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    return CListBox::PreCreateWindow(cs);
}

CCheckListBox::ItemState* CCheckListBox::State(int nIndex) const
{
    auto* self = const_cast<CCheckListBox*>(this);
    LRESULT data = self->CWnd::DefWindowProc(LB_GETITEMDATA, nIndex, 0);
    if (data == LB_ERR)
        return nullptr;
    auto* pState = (ItemState*)data;
    if (pState == nullptr) {
        // An item added before the list was ours.
        pState = new ItemState;
        self->CWnd::DefWindowProc(LB_SETITEMDATA, nIndex, (LPARAM)pState);
    }
    return pState;
}

LRESULT CCheckListBox::OnLBAddString(WPARAM wParam, LPARAM lParam)
{
    LRESULT nIndex = CWnd::DefWindowProc(LB_ADDSTRING, wParam, lParam);
    if (nIndex >= 0)
        CWnd::DefWindowProc(LB_SETITEMDATA, nIndex, (LPARAM) new ItemState);
    return nIndex;
}

LRESULT CCheckListBox::OnLBInsertString(WPARAM wParam, LPARAM lParam)
{
    LRESULT nIndex = CWnd::DefWindowProc(LB_INSERTSTRING, wParam, lParam);
    if (nIndex >= 0)
        CWnd::DefWindowProc(LB_SETITEMDATA, nIndex, (LPARAM) new ItemState);
    return nIndex;
}

LRESULT CCheckListBox::OnLBGetItemData(WPARAM wParam, LPARAM)
{
    ItemState* pState = State((int)wParam);
    return pState == nullptr ? LB_ERR : (LRESULT)pState->dwUserData;
}

LRESULT CCheckListBox::OnLBSetItemData(WPARAM wParam, LPARAM lParam)
{
    ItemState* pState = State((int)wParam);
    if (pState == nullptr)
        return LB_ERR;
    pState->dwUserData = (DWORD_PTR)lParam;
    return 0;
}

void CCheckListBox::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    delete (ItemState*)lpDeleteItemStruct->itemData;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    ItemState* pState = State(nIndex);
    if (pState == nullptr)
        return;
    pState->nCheck = nCheck;
    CRect rect;
    if (GetItemRect(nIndex, &rect) != LB_ERR)
        InvalidateRect(&rect, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    ItemState* pState = State(nIndex);
    return pState != nullptr ? pState->nCheck : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    ItemState* pState = State(nIndex);
    if (pState == nullptr)
        return;
    pState->bEnabled = bEnabled;
    CRect rect;
    if (GetItemRect(nIndex, &rect) != LB_ERR)
        InvalidateRect(&rect, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    ItemState* pState = State(nIndex);
    return pState == nullptr || pState->bEnabled;
}

int CCheckListBox::CheckBoxWidth() const { return ::GetSystemMetrics(SM_CXMENUCHECK); }

void CCheckListBox::ToggleAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount() || !IsEnabled(nIndex))
        return;
    SetCheck(nIndex, GetCheck(nIndex) ? 0 : 1);
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), (LPARAM)m_hWnd);
}

void CCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    BOOL bOutside = TRUE;
    int nIndex = (int)ItemFromPoint(point, bOutside);
    if (!bOutside && point.x < CheckBoxWidth() + 2)
        ToggleAt(nIndex);
    Default();
}

void CCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    BOOL bOutside = TRUE;
    int nIndex = (int)ItemFromPoint(point, bOutside);
    if (!bOutside && point.x < CheckBoxWidth() + 2)
        ToggleAt(nIndex);
    Default();
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE)
        ToggleAt(GetCaretIndex());
    Default();
}

// A smaller height (0 asks for the least) would cut the text and the box.
LRESULT CCheckListBox::OnLBSetItemHeight(WPARAM wParam, LPARAM lParam)
{
    const int nHeight = std::max(MinimumItemHeight(), (int)LOWORD(lParam));
    return CWnd::DefWindowProc(LB_SETITEMHEIGHT, wParam, MAKELPARAM(nHeight, 0));
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = (UINT)MinimumItemHeight();
}

int CCheckListBox::MinimumItemHeight()
{
    CClientDC dc(this);
    CFont* pFont = GetFont();
    CFont* pOld = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    const int cy = tm.tmHeight + tm.tmExternalLeading;
    return std::max(cy, ::GetSystemMetrics(SM_CYMENUCHECK)) + 2;
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect = lpDIS->rcItem;
    if ((int)lpDIS->itemID < 0) {
        if (lpDIS->itemState & ODS_FOCUS)
            pDC->DrawFocusRect(&rect);
        return;
    }
    int nIndex = (int)lpDIS->itemID;
    int cxBox = CheckBoxWidth();
    CRect box(rect.left + 1, rect.top + (rect.Height() - cxBox) / 2, 0, 0);
    box.right = box.left + cxBox;
    box.bottom = box.top + cxBox;
    BOOL bEnabled = IsEnabled(nIndex) && IsWindowEnabled();
    UINT nState = DFCS_BUTTONCHECK | (GetCheck(nIndex) ? DFCS_CHECKED : 0) | (bEnabled ? 0 : DFCS_INACTIVE);

    CRect text = rect;
    text.left = box.right + 3;
    BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_WINDOW));
    pDC->DrawFrameControl(&box, DFC_BUTTON, nState);
    pDC->FillSolidRect(&text, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    COLORREF crText = !bEnabled ? ::GetSysColor(COLOR_GRAYTEXT)
                      : bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : ::GetSysColor(COLOR_WINDOWTEXT);
    COLORREF crOld = pDC->SetTextColor(crText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CString str;
    GetText(nIndex, str);
    CRect textInner = text;
    textInner.left += 1;
    pDC->DrawText(str, &textInner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(crOld);
    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&text);
}
