// SECListBaseC: row geometry, measuring, painting and scrolling. Only the
// rows from the top index down to the area's bottom are measured and drawn;
// heights are cached per row until a column width or the wrap style changes.
#include "ui/lists/ListBaseC.h"

#include "ui/lists/ListEdit.h"
#include "ui/lists/ListGeometry.h"
#include "ui/lists/ListTip.h"

#include <algorithm>
#include <cstring>

namespace {

const UINT kMeasureFlags = DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK | DT_EXPANDTABS;
const UINT kDrawFlags = DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER;
const int kLineStep = 15;

UINT AlignFlags(int fmt) {
  switch (fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return 0;
  }
}

// The text up to its first line feed (labels that do not wrap).
int FirstLineLength(LPCTSTR text) {
  const char* end = std::strchr(text, '\n');
  return end != nullptr ? static_cast<int>(end - text) : static_cast<int>(std::strlen(text));
}

// Paints into a bitmap and copies it to the target when it goes, so that a
// repaint never flickers. Throws CResourceException when it cannot be made.
class SECListMemDC : public CDC {
 public:
  SECListMemDC(CDC* pTarget, const CRect& rect) : m_pTarget(pTarget), m_rect(rect) {
    if (pTarget == nullptr || pTarget->m_hDC == nullptr || !CreateCompatibleDC(pTarget) ||
        !m_bitmap.CreateCompatibleBitmap(pTarget, rect.Width(), rect.Height()))
      AfxThrowResourceException();
    m_pSelect = std::make_unique<CSelectObjectScope>(m_hDC, m_bitmap.m_hObject);
    ::SetWindowOrgEx(m_hDC, rect.left, rect.top, nullptr);
  }
  ~SECListMemDC() override {
    ::SetWindowOrgEx(m_hDC, 0, 0, nullptr);
    ::BitBlt(m_pTarget->m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, 0, 0, SRCCOPY);
    m_pSelect.reset();
  }

 private:
  CDC* m_pTarget;
  CRect m_rect;
  CBitmap m_bitmap;
  std::unique_ptr<CSelectObjectScope> m_pSelect;
};

}  // namespace

// Row geometry ------------------------------------------------------------

int SECListBaseC::GetRowPitch(int nItem) {
  SECListItem* pItem = GetItemAt(nItem);
  if (pItem == nullptr)
    return 0;
  if (pItem->m_bNeedsMeasure || pItem->m_nHeight < 0)
    MeasureItem(nItem);
  return GetRowSpacing() + std::max(pItem->m_nHeight, 1);
}

namespace {

CListRowGeometry RowsOf(SECListBaseC& list) {
  return CListRowGeometry(list.GetItemCount(), [&list](int i) {
    SECListItem* pItem = list.GetItemAt(i);
    if (pItem != nullptr && (pItem->m_bNeedsMeasure || pItem->m_nHeight < 0))
      list.MeasureItem(i);
    return list.GetRowSpacing() + (pItem != nullptr ? std::max(pItem->m_nHeight, 1) : 0);
  });
}

int AreaHeight(const SECListBaseC& list) {
  CRect rc;
  list.GetItemAreaRect(&rc);
  return std::max(static_cast<int>(rc.Height()), 0);
}

}  // namespace

int SECListBaseC::GetRowTop(int nItem) {
  return RowsOf(*this).RangeHeight(m_nTopIndex, nItem, FALSE);
}

int SECListBaseC::GetCountPerPage() {
  return RowsOf(*this).CountPerPage(m_nTopIndex, AreaHeight(*this));
}
int SECListBaseC::GetCountAboveTop() {
  return RowsOf(*this).CountAboveTop(m_nTopIndex, AreaHeight(*this));
}
int SECListBaseC::GetLastPageTop() {
  return RowsOf(*this).LastPageTop(AreaHeight(*this));
}
int SECListBaseC::GetLastVisibleIndex() {
  return RowsOf(*this).LastVisibleIndex(m_nTopIndex, AreaHeight(*this));
}
int SECListBaseC::GetFirstHiddenIndex() {
  return RowsOf(*this).FirstHiddenIndex(m_nTopIndex, AreaHeight(*this));
}
int SECListBaseC::GetPageUpIndex() {
  return RowsOf(*this).PageUpIndex(m_nTopIndex, AreaHeight(*this));
}

// Counted from the top row: a walk from row 0 would cost the row count.
int SECListBaseC::ItemFromPoint(CPoint point) {
  CRect area;
  GetItemAreaRect(&area);
  int nRow = RowsOf(*this).RowAtY(m_nTopIndex, point.y - area.top);
  return nRow < 0 ? GetItemCount() : nRow;
}

int SECListBaseC::IndexFromPoint(CPoint point) {
  int nItem = ItemFromPoint(point);
  return nItem < GetItemCount() ? nItem : -1;
}

void SECListBaseC::SetItemHeight(int nItem, int nHeight) {
  if (SECListItem* pItem = GetItemAt(nItem))
    pItem->m_nHeight = nHeight;
}

int SECListBaseC::GetRangeHeight(int nFrom, int nTo, BOOL bInclusive) {
  return RowsOf(*this).RangeHeight(nFrom, nTo, bInclusive);
}

int SECListBaseC::CountRowsInHeight(int nHeight, int nFrom, BOOL bDown) {
  return RowsOf(*this).CountRowsInHeight(nHeight, nFrom, bDown);
}

void SECListBaseC::RecalcLayout() {
  if (m_hWnd == nullptr)
    return;
  UpdateScrollBars();
}

void SECListBaseC::InvalidateItemHeight(int nItem) {
  if (SECListItem* pItem = GetItemAt(nItem)) {
    pItem->m_nHeight = -1;
    pItem->m_bNeedsMeasure = TRUE;
  }
}

void SECListBaseC::InvalidateAllHeights() {
  if (!IsLabelWrap())
    return;
  for (int i = 0; i < GetItemCount(); ++i)
    InvalidateItemHeight(i);
}

void SECListBaseC::GetViewSize(SIZE* pSize, BOOL bMeasure) {
  pSize->cx = GetContentWidth(bMeasure);
  pSize->cy = GetItemCount();
}

void SECListBaseC::SetTopIndex(int nTop) {
  nTop = std::clamp(nTop, 0, std::max(GetItemCount() - 1, 0));
  if (nTop == m_nTopIndex)
    return;
  m_nTopIndex = nTop;
  if (m_hWnd != nullptr)
    Invalidate(FALSE);
}

// Rectangles --------------------------------------------------------------

void SECListBaseC::GetInsideRect(RECT* pRect) const {
  if (m_hWnd == nullptr) {
    ::SetRectEmpty(pRect);
    return;
  }
  CWnd::GetClientRect(pRect);
}

BOOL SECListBaseC::IsReportWithHeader() const {
  return (m_dwStyle & LVS_TYPEMASK) == LVS_REPORT && HasHeader();
}

void SECListBaseC::GetItemAreaRect(RECT* pRect) const {
  GetInsideRect(pRect);
  if (IsReportWithHeader())
    pRect->top += m_nHeaderHeight;
  if (m_dwScrollFlags & kVertBarShown)
    pRect->right -= ::GetSystemMetrics(SM_CXVSCROLL) - 1;
  if (m_dwScrollFlags & kHorzBarShown)
    pRect->bottom -= ::GetSystemMetrics(SM_CYHSCROLL) - 1;
  pRect->bottom = std::max(pRect->bottom, pRect->top);
  pRect->right = std::max(pRect->right, pRect->left);
}

void SECListBaseC::GetScrollPosition(POINT* pPoint) const {
  pPoint->x = m_nHorzOffset;
  pPoint->y = 0;
}

BOOL SECListBaseC::GetSubItemRect(int nItem, int nColumn, RECT* pRect, int nCode) {
  SECListItem* pItem = GetItemAt(nItem);
  if (pItem == nullptr || nItem < m_nTopIndex || pRect == nullptr)
    return FALSE;
  CRect area;
  GetItemAreaRect(&area);
  int top = area.top + GetRowTop(nItem);
  int bottom = top + GetRowPitch(nItem);
  int left = GetColumnLeft(nColumn);
  int right = GetColumnCount() < 2 ? area.right : left + GetColumnWidth(nColumn);
  int nSubItem = GetColumnSubItem(nColumn);
  CRect cell(left, top, right, bottom);
  if (nCode == 0) {
    *pRect = cell;
    return TRUE;
  }
  if (nCode == 1) {
    if (nSubItem != 0)
      return FALSE;
    *pRect = CRect(pItem->m_rcIcon) + CPoint(left, top);
    return TRUE;
  }
  if (nCode != 2)
    return FALSE;
  if (nSubItem <= 0) {
    *pRect = CRect(pItem->m_rcText) + CPoint(left, top);
    return TRUE;
  }
  SECListSubItem* pSub = pItem->GetSubItem(nSubItem);
  CRect text = pSub != nullptr ? CRect(pSub->m_rcText) : CRect();
  text += CPoint(left, top);
  const SECListColumn* pColumn = GetColumnAt(nColumn);
  if (pColumn != nullptr && (pColumn->fmt & ~LVCFMT_IMAGE_RIGHT) == 3)
    text += CPoint(cell.CenterPoint().x - text.CenterPoint().x, 0);
  *pRect = text;
  return TRUE;
}

// Measuring ----------------------------------------------------------------

CDC* SECListBaseC::CreateDrawDC() {
  return new CClientDC(this);
}

std::unique_ptr<SECListPaintContext> SECListBaseC::CreatePaintContext(CDC* pDC) {
  auto ctx = std::make_unique<SECListPaintContext>(pDC);
  ctx->m_nView = m_dwStyle & LVS_TYPEMASK;
  return ctx;
}

BOOL SECListBaseC::PrepareItemContext(SECListPaintContext& ctx) {
  ctx.m_pItem = GetItemAt(ctx.m_iItem);
  if (ctx.m_pItem == nullptr)
    return FALSE;
  ctx.m_pColumn = GetColumnAt(ctx.m_iColumn);
  ctx.m_iSubItem = ctx.m_pColumn != nullptr ? ctx.m_pColumn->iSubItem : 0;
  ctx.m_pSubItem = ctx.m_pItem->GetSubItem(ctx.m_iSubItem);
  ctx.m_lvi = LVITEM{};
  ctx.m_lvi.mask = LVIF_TEXT | LVIF_STATE | (ctx.m_iSubItem == 0 ? LVIF_IMAGE : 0);
  ctx.m_lvi.iItem = ctx.m_iItem;
  ctx.m_lvi.iSubItem = ctx.m_iSubItem;
  ctx.m_lvi.stateMask = LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED | LVIS_CUT | LVIS_OVERLAYMASK;
  ctx.m_szText[0] = '\0';
  ctx.m_lvi.pszText = ctx.m_szText;
  ctx.m_lvi.cchTextMax = sizeof(ctx.m_szText);
  GetItem(&ctx.m_lvi, TRUE, TRUE);
  if (ctx.m_lvi.pszText != ctx.m_szText && ctx.m_lvi.pszText != nullptr && ctx.m_lvi.pszText != LPSTR_TEXTCALLBACK) {
    std::strncpy(ctx.m_szText, ctx.m_lvi.pszText, kListTextMax);
    ctx.m_szText[kListTextMax] = '\0';
    ctx.m_lvi.pszText = ctx.m_szText;
  }
  if (ctx.m_lvi.pszText == LPSTR_TEXTCALLBACK || ctx.m_lvi.pszText == nullptr) {
    ctx.m_szText[0] = '\0';
    ctx.m_lvi.pszText = ctx.m_szText;
  }
  if (ctx.m_lvi.mask & LVIF_DI_SETITEM) {
    LVITEM store = ctx.m_lvi;
    store.mask = LVIF_TEXT | LVIF_DI_SETITEM;
    SetItem(&store, FALSE);
  }
  LVITEM ex{};
  ex.iItem = ctx.m_iItem;
  SECListStateExChange change;
  ctx.m_dwStateEx = GetItemStateEx(&ex, &change, TRUE) ? change.state : 0;
  ctx.m_crBk = GetItemBkColor(ctx);
  ctx.m_crDCBk = ctx.m_crBk;
  GetItemColors(ctx);
  ctx.m_hFont = GetItemFont(ctx);
  return TRUE;
}

void SECListBaseC::MeasureItem(int nItem, SECListPaintContext* pCtx) {
  if (pCtx != nullptr) {
    pCtx->m_iItem = nItem;
    MeasureItemColumns(*pCtx);
    return;
  }
  if (m_hWnd == nullptr)
    return;
  CClientDC dc(this);
  auto ctx = CreatePaintContext(&dc);
  ctx->m_iItem = nItem;
  MeasureItemColumns(*ctx);
}

void SECListBaseC::MeasureItemColumns(SECListPaintContext& ctx) {
  SECListItem* pItem = GetItemAt(ctx.m_iItem);
  if (pItem == nullptr || !pItem->m_bNeedsMeasure)
    return;
  int nHeight = std::max(pItem->m_nHeight, 0);
  int nColumns = std::max(GetColumnCount(), 1);
  for (int c = 0; c < nColumns; ++c) {
    ctx.m_iColumn = c;
    if (!PrepareItemContext(ctx))
      return;
    int nCell = 0;
    MeasureSubItem(ctx, &nCell);
    nHeight = std::max(nHeight, nCell);
  }
  pItem->m_nHeight = nHeight;
  pItem->m_bNeedsMeasure = FALSE;
  if (ctx.m_iSubItem == 0 || GetColumnCount() < 2)
    m_nContentWidthCache = std::max(m_nContentWidthCache, static_cast<int>(pItem->m_rcText.right) + 5);
}

CRect SECListBaseC::MeasureImage(SECListPaintContext& ctx) {
  CImageList* pList = GetImageList(ctx.m_nView == LVS_ICON ? 0 : 1);
  if (pList == nullptr || pList->GetSafeHandle() == nullptr)
    return CRect();
  int cx = 0;
  int cy = 0;
  ::ImageList_GetIconSize(pList->GetSafeHandle(), &cx, &cy);
  return CRect(2, 2, cx + 2, cy + 2);
}

CSize SECListBaseC::MeasureText(SECListPaintContext& ctx, LPCTSTR lpszText, int nWidth) {
  CDC* pDC = ctx.m_pDC;
  CRect rc(0, 0, std::max(nWidth, 1), 0);
  UINT flags = kMeasureFlags | AlignFlags(ctx.m_pColumn != nullptr ? ctx.m_pColumn->fmt : 0);
  int nLength = static_cast<int>(std::strlen(lpszText));
  if (!IsLabelWrap()) {
    flags = (flags & ~DT_WORDBREAK) | DT_SINGLELINE;
    nLength = FirstLineLength(lpszText);
  }
  HGDIOBJ hOld = ::SelectObject(pDC->m_hDC, ctx.m_hFont != nullptr ? ctx.m_hFont : GetListFont());
  ::DrawTextA(pDC->m_hDC, nLength > 0 ? lpszText : " ", nLength > 0 ? nLength : 1, &rc, flags);
  ::SelectObject(pDC->m_hDC, hOld);
  return CSize(nLength > 0 ? rc.Width() : 0, rc.Height());
}

void SECListBaseC::MeasureSubItem(SECListPaintContext& ctx, int* pHeight) {
  SECListItem* pItem = ctx.m_pItem;
  int nWidth = GetColumnCount() < 2 ? (IsLabelWrap() ? GetColumnWidth(0) : 10000) : GetColumnWidth(ctx.m_iColumn);
  CRect image;
  if (ctx.m_iSubItem == 0) {
    image = MeasureImage(ctx);
    pItem->m_rcIcon = image;
  }
  CSize text = MeasureText(ctx, ctx.m_lvi.pszText, nWidth - 11);
  CRect rcText(6, 2, 6 + text.cx, 2 + text.cy);
  if (ctx.m_iSubItem == 0 && !image.IsRectEmpty()) {
    if (ctx.m_nView == LVS_ICON) {
      rcText = CRect(8, image.bottom + 2, 8 + text.cx, image.bottom + 2 + text.cy);
    } else {
      int top = image.top + (image.Height() - text.cy) / 2;
      rcText = CRect(image.right + 5, top, image.right + 5 + text.cx, top + text.cy);
    }
  }
  if (ctx.m_iSubItem == 0)
    pItem->m_rcText = rcText;
  else if (ctx.m_pSubItem != nullptr)
    ctx.m_pSubItem->m_rcText = rcText;
  if (ctx.m_nView == LVS_ICON)
    *pHeight = image.Height() + text.cy + 5;
  else
    *pHeight = std::max(static_cast<int>(image.bottom), static_cast<int>(rcText.bottom) + 2);
}

// Colours and fonts ----------------------------------------------------------

COLORREF SECListBaseC::GetItemBkColor(SECListPaintContext&) {
  return GetBkColor();
}

COLORREF SECListBaseC::GetIconBkColorFor(SECListPaintContext& ctx) {
  if (!IsWindowEnabled())
    return GetBkColor();
  if ((ctx.m_lvi.state & LVIS_SELECTED) && HasFocus())
    return GetSelIconBkColor();
  return GetIconBkColor();
}

void SECListBaseC::GetItemColors(SECListPaintContext& ctx) {
  BOOL bLabel = ctx.m_iSubItem == 0 || FullRowSelect();
  BOOL bSelected = (ctx.m_lvi.state & LVIS_SELECTED) != 0;
  ctx.m_crText = (ctx.m_dwStateEx & SEC_LVIS_EX_DISABLED) ? GetGrayTextColor() : GetTextColor();
  ctx.m_crTextBk = GetTextBkColor();
  if (m_hWnd != nullptr && !IsWindowEnabled()) {
    ctx.m_crText = GetGrayTextColor();
    ctx.m_crTextBk = ::GetSysColor(COLOR_MENU);
    return;
  }
  if (bSelected && bLabel && (HasFocus() || IsStyleSet(LVS_SHOWSELALWAYS))) {
    if (!HasFocus() && m_nEditingItem < 0) {
      ctx.m_crText = ::GetSysColor(COLOR_MENUTEXT);
      ctx.m_crTextBk = ::GetSysColor(COLOR_MENU);
    } else {
      ctx.m_crText = GetSelTextColor();
      ctx.m_crTextBk = GetSelBkColor();
    }
  }
  if ((ctx.m_lvi.state & LVIS_DROPHILITED) && bLabel) {
    ctx.m_crText = GetSelTextColor();
    ctx.m_crTextBk = GetSelBkColor();
  }
}

HFONT SECListBaseC::GetItemFont(SECListPaintContext&) {
  return GetListFont();
}

COLORREF SECListBaseC::GetGridColor() const {
  return ::GetSysColor(COLOR_BTNSHADOW);
}

// Painting -------------------------------------------------------------------

void SECListBaseC::OnPaint() {
  CPaintDC dc(this);
  OnDraw(&dc);
}

BOOL SECListBaseC::OnEraseBkgnd(CDC*) {
  return TRUE;
}

void SECListBaseC::OnDraw(CDC* pDC) {
  CRect client;
  GetInsideRect(&client);
  CRect area;
  GetItemAreaRect(&area);
  CRect draw(client.left, client.top, (m_dwScrollFlags & kVertBarShown) ? area.right : client.right,
             (m_dwScrollFlags & kHorzBarShown) ? area.bottom : client.bottom);
  std::unique_ptr<SECListMemDC> pMem;
  if (!pDC->IsPrinting() && !IsDragging() && !draw.IsRectEmpty()) {
    try {
      pMem = std::make_unique<SECListMemDC>(pDC, draw);
    } catch (CResourceException* e) {
      e->Delete();
    }
  }
  CDC* pTarget = pMem ? static_cast<CDC*>(pMem.get()) : pDC;
  {
    CSaveDCScope save(*pTarget);
    pTarget->FillSolidRect(&draw, GetBkColor());
    auto ctx = CreatePaintContext(pTarget);
    if (IsReportWithHeader())
      DrawHeader(*ctx);
    pTarget->IntersectClipRect(&area);
    DrawItems(*ctx);
  }
  pMem.reset();
  if ((m_dwScrollFlags & kVertBarShown) && (m_dwScrollFlags & kHorzBarShown))
    pDC->FillSolidRect(CRect(area.right + 1, area.bottom + 1, client.right, client.bottom),
                       ::GetSysColor(COLOR_BTNFACE));
}

void SECListBaseC::DrawItems(SECListPaintContext& ctx) {
  CRect area;
  GetItemAreaRect(&area);
  CRect clip;
  ctx.m_pDC->GetClipBox(&clip);
  int nContent = GetContentWidth(FALSE);
  int y = area.top;
  int nDrawn = 0;
  for (int i = m_nTopIndex; i < GetItemCount() && y < area.bottom; ++i) {
    int nPitch = GetRowPitch(i);
    CRect row(-m_nHorzOffset, y, -m_nHorzOffset + std::max(nContent, static_cast<int>(area.Width())), y + nPitch);
    if (CRect().IntersectRect(&row, &clip) || ctx.m_pDC->IsPrinting()) {
      ctx.m_iItem = i;
      ctx.m_rect = row;
      ctx.m_nRow = nDrawn;
      DrawItem(ctx);
    }
    y += nPitch;
    ++nDrawn;
  }
  if (m_pVertBar && !ctx.m_pDC->IsPrinting() && (m_dwScrollFlags & kVertBarShown)) {
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_PAGE | SIF_POS};
    si.nPage = static_cast<UINT>(std::max(nDrawn, 1));
    si.nPos = m_nTopIndex;
    m_pVertBar->SetScrollInfo(&si, TRUE);
  }
}

void SECListBaseC::DrawItem(SECListPaintContext& ctx) {
  int nItem = ctx.m_iItem;
  if (NeedsDispInfo(nItem))
    InvalidateItemHeight(nItem);
  if (GetItemAt(nItem) != nullptr && GetItemAt(nItem)->m_bNeedsMeasure)
    MeasureItem(nItem, &ctx);
  CRect row = ctx.m_rect;
  CRect area;
  GetItemAreaRect(&area);
  int x = row.left;
  int nColumns = std::max(GetColumnCount(), 1);
  for (int c = 0; c < nColumns; ++c) {
    int nWidth = GetColumnCount() == 0 ? area.Width() : GetColumnWidth(c);
    if (nColumns == 1)
      nWidth = std::max(nWidth, static_cast<int>(GetItemAt(nItem)->m_rcText.right) + 5);
    CRect cell(x, row.top, x + nWidth, row.bottom);
    x += nWidth;
    if (cell.right < area.left || cell.left > area.right || nWidth <= 0)
      continue;
    ctx.m_iItem = nItem;
    ctx.m_iColumn = c;
    if (!PrepareItemContext(ctx))
      return;
    ctx.m_rect = cell;
    DrawSubItem(ctx);
  }
  ctx.m_rect = row;
  if ((m_dwStyle & LVS_TYPEMASK) != LVS_REPORT)
    return;
  if (FullRowSelect() && nItem == GetFocusItem() && HasFocus() && GetColumnCount() > 1) {
    CRect focus(GetColumnLeft(0) + GetItemAt(nItem)->m_rcText.left - 3, row.top, x, row.bottom);
    ctx.m_pDC->DrawFocusRect(&focus);
  }
  if (IsStyleExSet(LVXS_VERTGRID))
    DrawVertGridLines(ctx);
  if (IsStyleExSet(LVXS_HORZGRID))
    DrawHorzGridLine(ctx);
}

void SECListBaseC::DrawSubItem(SECListPaintContext& ctx) {
  ctx.m_pDC->FillSolidRect(&ctx.m_rect, ctx.m_crBk);
  if (ctx.m_iSubItem == 0)
    DrawItemImage(ctx);
  DrawItemText(ctx);
}

void SECListBaseC::DrawItemImage(SECListPaintContext& ctx) {
  CImageList* pList = GetImageList(ctx.m_nView == LVS_ICON ? 0 : 1);
  if (pList == nullptr || pList->GetSafeHandle() == nullptr || ctx.m_lvi.iImage < 0)
    return;
  CRect icon = CRect(ctx.m_pItem->m_rcIcon) + ctx.m_rect.TopLeft();
  ::ImageList_SetBkColor(pList->GetSafeHandle(), GetIconBkColorFor(ctx));
  ::ImageList_Draw(pList->GetSafeHandle(), ctx.m_lvi.iImage, ctx.m_pDC->m_hDC, icon.left, icon.top,
                   ILD_NORMAL | (ctx.m_lvi.state & LVIS_OVERLAYMASK));
}

void SECListBaseC::DrawItemText(SECListPaintContext& ctx) {
  CDC* pDC = ctx.m_pDC;
  CRect text(ctx.m_rect.left + 6, ctx.m_rect.top, ctx.m_rect.right - 5, ctx.m_rect.bottom);
  bool bLabel = ctx.m_iSubItem == 0;
  bool bImage = bLabel && !CRect(ctx.m_pItem->m_rcIcon).IsRectEmpty();
  CRect rcMeasured =
      bLabel ? CRect(ctx.m_pItem->m_rcText) : (ctx.m_pSubItem != nullptr ? CRect(ctx.m_pSubItem->m_rcText) : CRect());
  CRect sel(ctx.m_rect.left, ctx.m_rect.top, ctx.m_rect.left + 6 + rcMeasured.Width() + 2, ctx.m_rect.bottom);
  if (bImage) {
    int left = ctx.m_rect.left + ctx.m_pItem->m_rcIcon.right;
    text.left = left + 4;
    text.top += 3;
    sel.left = left + 2;
    sel.right = std::min(left + 4 + rcMeasured.Width() + 2, static_cast<int>(ctx.m_rect.right));
  }
  BOOL bHighlighted = (ctx.m_lvi.state & (LVIS_SELECTED | LVIS_DROPHILITED)) != 0;
  if (FullRowSelect() && bHighlighted && ctx.m_crTextBk != GetTextBkColor())
    pDC->FillSolidRect(CRect(sel.left, ctx.m_rect.top, ctx.m_rect.right, ctx.m_rect.bottom), ctx.m_crTextBk);
  else if (bLabel && ctx.m_crTextBk != ctx.m_crBk)
    pDC->FillSolidRect(&sel, ctx.m_crTextBk);
  if (ctx.m_iItem == m_nEditingItem && ctx.m_iColumn == m_nCurrentColumn)
    return;
  CSelectObjectScope font(pDC->m_hDC, ctx.m_hFont != nullptr ? ctx.m_hFont : GetListFont());
  pDC->SetTextColor(ctx.m_crText);
  pDC->SetBkColor(ctx.m_crDCBk);
  pDC->SetBkMode(TRANSPARENT);
  UINT flags = kDrawFlags | AlignFlags(ctx.m_pColumn != nullptr ? ctx.m_pColumn->fmt : 0);
  int nLength = static_cast<int>(std::strlen(ctx.m_lvi.pszText));
  if (!IsLabelWrap()) {
    flags |= DT_SINGLELINE | DT_END_ELLIPSIS;
    nLength = FirstLineLength(ctx.m_lvi.pszText);
  }
  pDC->DrawText(ctx.m_lvi.pszText, nLength, &text, flags);
}

void SECListBaseC::DrawHorzGridLine(SECListPaintContext& ctx) {
  ctx.m_pDC->FillSolidRect(ctx.m_rect.left, ctx.m_rect.bottom - 1, ctx.m_rect.Width(), 1, GetGridColor());
}

void SECListBaseC::DrawVertGridLines(SECListPaintContext& ctx) {
  int nColumns = GetColumnCount();
  int nLast = IsStyleExSet(LVXS_FITCOLUMNS) ? nColumns - 1 : nColumns;
  for (int c = 0; c < nLast; ++c)
    ctx.m_pDC->FillSolidRect(GetColumnRight(c) - 1, ctx.m_rect.top, 1, ctx.m_rect.Height(), GetGridColor());
  if (ctx.m_iItem == GetItemCount() - 1)
    ctx.m_pDC->FillSolidRect(ctx.m_rect.left, ctx.m_rect.bottom - 1, ctx.m_rect.Width(), 1, GetGridColor());
}

void SECListBaseC::DrawHeader(SECListPaintContext& ctx) {
  CDC* pDC = ctx.m_pDC;
  CRect client;
  GetInsideRect(&client);
  CRect strip(-m_nHorzOffset, client.top,
              -m_nHorzOffset + std::max(GetContentWidth(FALSE), static_cast<int>(client.Width()) + 1),
              client.top + m_nHeaderHeight);
  CSelectObjectScope font(pDC->m_hDC, GetHeaderFont());
  pDC->FillSolidRect(&strip, ::GetSysColor(COLOR_BTNFACE));
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
  for (int c = 0; c < GetColumnCount(); ++c) {
    CRect button(GetColumnLeft(c), strip.top, GetColumnRight(c), strip.bottom);
    if (button.Width() <= 0)
      continue;
    UINT state = DFCS_BUTTONPUSH | (c == m_nPressedHeader && !m_bHeaderDrag ? DFCS_PUSHED | DFCS_FLAT : 0);
    pDC->DrawFrameControl(&button, DFC_BUTTON, state);
    CRect text(button.left + 6, button.top, button.right - 6, button.bottom);
    if (state & DFCS_PUSHED)
      text.OffsetRect(1, 1);
    const SECListColumn* pColumn = GetColumnAt(c);
    CSize extent = pDC->GetTextExtent(pColumn->heading.c_str(), static_cast<int>(pColumn->heading.size()));
    if (GetImageList(3) != nullptr && pColumn->iImage >= 0 && button.Width() > 22)
      DrawHeaderImage(pDC, c, text, extent.cx);
    UINT flags = DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | AlignFlags(pColumn->fmt);
    if (extent.cx > text.Width())
      flags |= DT_END_ELLIPSIS;
    pDC->DrawText(pColumn->heading.c_str(), static_cast<int>(pColumn->heading.size()), &text, flags);
  }
  CRect rest(GetColumnRight(GetColumnCount() - 1), strip.top, client.right + 2, strip.bottom);
  if (GetColumnCount() > 0 && rest.Width() > 0)
    pDC->DrawFrameControl(&rest, DFC_BUTTON, DFCS_BUTTONPUSH);
}

void SECListBaseC::DrawHeaderButton(int nColumn, BOOL bPressed) {
  if (m_hWnd == nullptr || !IsReportWithHeader())
    return;
  m_nPressedHeader = bPressed ? nColumn : -1;
  CRect client;
  GetInsideRect(&client);
  InvalidateRect(CRect(client.left, client.top, client.right, client.top + m_nHeaderHeight), FALSE);
  UpdateWindow();
}

void SECListBaseC::DrawHeaderImage(CDC* pDC, int nColumn, CRect& rcText, int nTextWidth) {
  CImageList* pList = GetImageList(3);
  const SECListColumn* pColumn = GetColumnAt(nColumn);
  if (pList == nullptr || pColumn == nullptr)
    return;
  int x = rcText.left;
  if ((pColumn->fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER)
    x = rcText.left + (rcText.Width() - nTextWidth - 26) / 2;
  else if ((pColumn->fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT)
    x = rcText.right - nTextWidth - 26;
  if (pColumn->fmt & LVCFMT_IMAGE_RIGHT) {
    x = std::min(x + nTextWidth + 10, static_cast<int>(rcText.right) - 16);
    rcText.right = x - 10;
  } else {
    rcText.left = x + 26;
  }
  ::ImageList_Draw(pList->GetSafeHandle(), pColumn->iImage, pDC->m_hDC, x, rcText.top + (rcText.Height() - 16) / 2,
                   ILD_TRANSPARENT);
}

// The caller owns the image list.
CImageList* SECListBaseC::CreateHeaderDragImage(int nColumn) {
  const SECListColumn* pColumn = GetColumnAt(nColumn);
  if (pColumn == nullptr || m_hWnd == nullptr || GetColumnWidth(nColumn) <= 0)
    return nullptr;
  CRect cell(0, 0, GetColumnWidth(nColumn), m_nHeaderHeight);
  CClientDC screen(this);
  CDC mem;
  CBitmap bitmap;
  if (!mem.CreateCompatibleDC(&screen) || !bitmap.CreateCompatibleBitmap(&screen, cell.Width(), cell.Height()))
    return nullptr;
  {
    CSelectObjectScope selectBitmap(mem, bitmap);
    CSelectObjectScope font(mem.m_hDC, GetHeaderFont());
    mem.FillSolidRect(&cell, RGB(110, 110, 110));
    mem.SetBkMode(TRANSPARENT);
    mem.SetTextColor(RGB(255, 255, 255));
    CRect text(cell.left + 6, cell.top, cell.right - 6, cell.bottom);
    mem.DrawText(pColumn->heading.c_str(), static_cast<int>(pColumn->heading.size()), &text,
                 DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | AlignFlags(pColumn->fmt));
  }
  auto pList = std::make_unique<CImageList>();
  if (!pList->Create(cell.Width(), cell.Height(), ILC_COLOR24 | ILC_MASK, 1, 1) ||
      pList->Add(&bitmap, ::GetSysColor(COLOR_BTNFACE)) < 0)
    return nullptr;
  return pList.release();
}

// Scroll bars ----------------------------------------------------------------

CScrollBar* SECListBaseC::CreateScrollBar(int nBar) {
  auto pBar = std::make_unique<CScrollBar>();
  UINT nID = nBar == SB_HORZ ? kHorzBarId : kVertBarId;
  if (!pBar->Create(WS_CHILD | (nBar == SB_HORZ ? SBS_HORZ : SBS_VERT), CRect(0, 0, 1, 1), this, nID))
    AfxThrowResourceException();
  CScrollBar* pResult = pBar.get();
  (nBar == SB_HORZ ? m_pHorzBar : m_pVertBar) = std::move(pBar);
  return pResult;
}

void SECListBaseC::ShowScrollBar(int nBar, BOOL bShow, SCROLLINFO* pInfo) {
  if (nBar == SB_BOTH) {
    ShowScrollBar(SB_HORZ, bShow, pInfo);
    ShowScrollBar(SB_VERT, bShow, pInfo);
    return;
  }
  if (IsStyleSet(LVS_NOSCROLL))
    bShow = FALSE;
  CScrollBar* pBar = nBar == SB_HORZ ? m_pHorzBar.get() : m_pVertBar.get();
  DWORD dwFlag = nBar == SB_HORZ ? kHorzBarShown : kVertBarShown;
  if (pBar == nullptr)
    return;
  if (pInfo != nullptr)
    pBar->SetScrollInfo(pInfo, FALSE);
  if (((m_dwScrollFlags & dwFlag) != 0) == (bShow != FALSE))
    return;
  m_dwScrollFlags = bShow ? (m_dwScrollFlags | dwFlag) : (m_dwScrollFlags & ~dwFlag);
  pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
  LayoutScrollBars();
  Invalidate(FALSE);
}

void SECListBaseC::LayoutScrollBars() {
  if (!m_pHorzBar || !m_pVertBar)
    return;
  CRect area;
  GetItemAreaRect(&area);
  CRect client;
  GetInsideRect(&client);
  int nHeader = IsReportWithHeader() ? m_nHeaderHeight : 0;
  ::SetWindowPos(m_pHorzBar->m_hWnd, nullptr, area.left, area.bottom, area.Width() + 1,
                 ::GetSystemMetrics(SM_CYHSCROLL), SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowPos(m_pVertBar->m_hWnd, nullptr, area.right, client.top, ::GetSystemMetrics(SM_CXVSCROLL),
                 area.Height() + 1 + nHeader, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SECListBaseC::UpdateScrollBars() {
  if (m_hWnd == nullptr)
    return;
  UpdateVertScrollBar(GetItemCount());
  UpdateHorzScrollBar(GetContentWidth(TRUE));
  UpdateVertScrollBar(GetItemCount());
  LayoutScrollBars();
}

void SECListBaseC::UpdateVertScrollBar(int nCount) {
  CRect before;
  GetItemAreaRect(&before);
  int nHeight = AreaHeight(*this);
  CListRowGeometry rows = RowsOf(*this);
  // Walks only the rows that fit: the last one lies wholly inside the area.
  BOOL bAllFit = m_nTopIndex == 0 && rows.LastVisibleIndex(0, nHeight) >= nCount - 1 &&
                 rows.RangeHeight(0, nCount, FALSE) <= nHeight;
  if (nCount > 0 && !bAllFit) {
    int nLastTop = rows.LastPageTop(nHeight);
    if (m_nTopIndex > nLastTop)
      m_nTopIndex = std::max(nLastTop, 0);
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL};
    si.nMin = 0;
    si.nMax = std::max(nCount - 1, 0);
    si.nPage = static_cast<UINT>(std::max(GetCountPerPage(), 1));
    si.nPos = m_nTopIndex;
    ShowScrollBar(SB_VERT, TRUE, &si);
  } else {
    m_nTopIndex = 0;
    ShowScrollBar(SB_VERT, FALSE);
  }
  CRect after;
  GetItemAreaRect(&after);
  if (after.Width() != before.Width()) {
    FitColumnsIfNeeded();
    Invalidate(FALSE);
  }
}

void SECListBaseC::UpdateHorzScrollBar(int nWidth) {
  CRect area;
  GetItemAreaRect(&area);
  if (nWidth <= area.Width()) {
    m_nHorzOffset = 0;
    ShowScrollBar(SB_HORZ, FALSE);
    return;
  }
  m_nHorzOffset = std::clamp(m_nHorzOffset, 0, nWidth - static_cast<int>(area.Width()));
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS};
  si.nMin = 0;
  si.nMax = nWidth;
  si.nPage = static_cast<UINT>(area.Width());
  si.nPos = m_nHorzOffset;
  ShowScrollBar(SB_HORZ, TRUE, &si);
}

// With one column the widest label measured so far, not a walk of every row.
int SECListBaseC::GetContentWidth(BOOL) {
  CRect area;
  GetItemAreaRect(&area);
  int nWidth = 0;
  if (GetColumnCount() >= 2) {
    for (int c = 0; c < GetColumnCount(); ++c)
      nWidth += GetColumnWidth(c);
  } else {
    nWidth = IsLabelWrap() ? 0 : m_nContentWidthCache;
  }
  if ((m_dwStyle & LVS_TYPEMASK) == LVS_REPORT)
    nWidth = std::max(nWidth, static_cast<int>(area.Width()));
  return nWidth;
}

void SECListBaseC::FitColumnsIfNeeded() {
  if (GetColumnCount() == 1 || IsStyleExSet(LVXS_FITCOLUMNS))
    FitColumns();
}

void SECListBaseC::FitColumns() {
  if (GetColumnCount() == 0)
    return;
  CRect area;
  GetItemAreaRect(&area);
  int nLabel = -1;
  for (int c = 0; c < GetColumnCount(); ++c) {
    if (GetColumnSubItem(c) == 0)
      nLabel = c;
  }
  std::vector<int> widths;
  for (int c = 0; c < GetColumnCount(); ++c)
    widths.push_back(GetColumnWidth(c));
  widths = FitColumnWidths(widths, nLabel, area.Width());
  for (int c = 0; c < GetColumnCount(); ++c) {
    if (widths[c] != GetColumnWidth(c))
      SetColumnWidth(c, widths[c]);
  }
}

// Scrolling ------------------------------------------------------------------

void SECListBaseC::ScrollRows(int nRows, BOOL bToLast) {
  if (bToLast) {
    int nTarget = std::clamp(GetLastVisibleIndex() + nRows, 0, std::max(GetItemCount() - 1, 0));
    CListRowGeometry rows = RowsOf(*this);
    SetTopIndex(rows.TopToShowRange(m_nTopIndex, AreaHeight(*this), nTarget, nTarget));
  } else {
    SetTopIndex(m_nTopIndex + nRows);
  }
  if (m_pVertBar)
    m_pVertBar->SetScrollPos(m_nTopIndex);
}

void SECListBaseC::OnVertThumb(UINT, int nPos) {
  SetTopIndex(nPos);
  UpdateScrollBars();
}

void SECListBaseC::ScrollHorz(int dx) {
  CRect area;
  GetItemAreaRect(&area);
  int nMax = std::max(GetContentWidth(FALSE) - static_cast<int>(area.Width()), 0);
  int nOffset = std::clamp(m_nHorzOffset - dx, 0, nMax);
  if (nOffset == m_nHorzOffset)
    return;
  m_nHorzOffset = nOffset;
  if (m_pHorzBar)
    m_pHorzBar->SetScrollPos(m_nHorzOffset);
  Invalidate(FALSE);
}

BOOL SECListBaseC::EnsureVisible(int nItem, BOOL) {
  if (GetItemAt(nItem) == nullptr)
    return FALSE;
  return EnsureRangeVisible(nItem, nItem);
}

BOOL SECListBaseC::EnsureRangeVisible(int nFirst, int nLast) {
  if (GetItemAt(nFirst) == nullptr || GetItemAt(nLast) == nullptr || nFirst > nLast)
    return FALSE;
  if (m_hWnd == nullptr)
    return TRUE;
  int nTop = RowsOf(*this).TopToShowRange(m_nTopIndex, AreaHeight(*this), nFirst, nLast);
  if (nTop != m_nTopIndex) {
    HideTip();
    SetTopIndex(nTop);
    UpdateScrollBars();
  }
  return TRUE;
}

void SECListBaseC::RedrawItems(int nItem, BOOL bLabelOnly, BOOL bErase, BOOL bToBottom, BOOL bNow) {
  if (m_hWnd == nullptr || nItem < m_nTopIndex || GetItemAt(nItem) == nullptr)
    return;
  CRect area;
  GetItemAreaRect(&area);
  int top = area.top + GetRowTop(nItem);
  if (top >= area.bottom)
    return;
  CRect rc(area.left, top, area.right, bToBottom ? area.bottom : top + GetRowPitch(nItem));
  if (bLabelOnly && !bToBottom && !FullRowSelect()) {
    int nLabel = std::max(m_model.FindColumnOfSubItem(0), 0);
    int left = GetColumnLeft(nLabel);
    rc.left = left + GetItemAt(nItem)->m_rcText.left - 3;
    rc.right = left + GetItemAt(nItem)->m_rcText.right + 3;
  }
  if (bNow)
    RedrawWindow(&rc, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | (bErase ? RDW_ERASE : 0));
  else
    InvalidateRect(&rc, bErase);
}

void SECListBaseC::InvalidateItemRange(int nFirst, int nLast) {
  if (nFirst > nLast)
    std::swap(nFirst, nLast);
  for (int i = std::max(nFirst, m_nTopIndex); i <= nLast && i < GetItemCount(); ++i) {
    if (i > GetFirstHiddenIndex())
      break;
    RedrawItems(i);
  }
}

void SECListBaseC::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  LayoutScrollBars();
  if (GetColumnCount() > 0) {
    FitColumnsIfNeeded();
    RecalcLayout();
  }
  Invalidate(FALSE);
}

void SECListBaseC::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
  EndLabelEdit(TRUE);
  HideTip();
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL};
  if (m_pVertBar)
    m_pVertBar->GetScrollInfo(&si);
  int nPage = std::max(static_cast<int>(si.nPage), 1);
  switch (nSBCode) {
    case SB_LINEUP:
      if (m_nTopIndex > 0)
        ScrollRows(-1);
      break;
    case SB_LINEDOWN:
      if (m_nTopIndex < GetLastPageTop())
        ScrollRows(1);
      break;
    case SB_PAGEUP: ScrollRows(-GetCountAboveTop()); break;
    case SB_PAGEDOWN: SetTopIndex(std::min(m_nTopIndex + nPage, si.nMax - nPage + 1)); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      OnVertThumb(nSBCode, si.nTrackPos != 0 || nSBCode == SB_THUMBTRACK ? si.nTrackPos : static_cast<int>(nPos));
      return;
    case SB_TOP: SetTopIndex(0); break;
    case SB_BOTTOM: SetTopIndex(si.nMax - nPage + 1); break;
    default: return;
  }
  UpdateScrollBars();
}

void SECListBaseC::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
  EndLabelEdit(TRUE);
  HideTip();
  CRect area;
  GetItemAreaRect(&area);
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL};
  if (m_pHorzBar)
    m_pHorzBar->GetScrollInfo(&si);
  switch (nSBCode) {
    case SB_LINELEFT: ScrollHorz(kLineStep); break;
    case SB_LINERIGHT: ScrollHorz(-kLineStep); break;
    case SB_PAGELEFT: ScrollHorz(area.Width()); break;
    case SB_PAGERIGHT: ScrollHorz(-area.Width()); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      ScrollHorz(m_nHorzOffset - (nSBCode == SB_THUMBTRACK ? si.nTrackPos : static_cast<int>(nPos)));
      break;
    case SB_LEFT: ScrollHorz(m_nHorzOffset); break;
    case SB_RIGHT: ScrollHorz(-GetContentWidth(FALSE)); break;
    default: break;
  }
}

BOOL SECListBaseC::OnMouseWheel(UINT, short zDelta, CPoint) {
  HideTip();
  m_nWheelDelta += zDelta;
  int nSteps = m_nWheelDelta / WHEEL_DELTA;
  if (nSteps == 0)
    return TRUE;
  if (m_dwScrollFlags & kVertBarShown) {
    if (nSteps > 0 && m_nTopIndex > 0)
      ScrollRows(-nSteps);
    else if (nSteps < 0 && GetLastVisibleIndex() < GetItemCount() - 1)
      ScrollRows(std::min(-nSteps, std::max(GetLastPageTop() - m_nTopIndex, 0)));
    UpdateScrollBars();
  } else if (m_dwScrollFlags & kHorzBarShown) {
    ScrollHorz(nSteps * kLineStep);
  }
  m_nWheelDelta = 0;
  return TRUE;
}

void SECListBaseC::OnEnable(BOOL bEnable) {
  if (!bEnable)
    HideTip();
  Invalidate(FALSE);
}

void SECListBaseC::OnSysColorChange() {
  LoadColors();
  Invalidate(FALSE);
}
