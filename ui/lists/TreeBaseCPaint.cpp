// The tree's first column: measured by TreeRowGeometry, drawn here.
#include "ui/lists/TreeBaseC.h"

#include "framework/GdiScopes.h"

#include <algorithm>
#include <cstring>

namespace {

const UINT kLabelMeasure = DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE;
const UINT kWrapMeasure = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
const UINT kLabelDraw = DT_END_ELLIPSIS | DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;
const UINT kWrapDraw = DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER;

// Created once, kept for the process's life.
CPen& ShadowPen() {
  static CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
  return pen;
}

CPen& TextPen() {
  static CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOWTEXT));
  return pen;
}

// One bold font for every tree, made again only when the list font changes;
// it is never selected into a DC when replaced, as drawing selects it
// through scopes that put the old font back.
class BoldFont {
 public:
  HFONT For(HFONT hBase) {
    LOGFONTA lf{};
    if (::GetObjectA(hBase, sizeof lf, &lf) == 0)
      return hBase;
    lf.lfWeight = FW_BOLD;
    if (m_font.GetSafeHandle() != nullptr && std::memcmp(&lf, &m_from, sizeof lf) == 0)
      return m_font;
    m_font.DeleteObject();
    m_from = lf;
    m_font.CreateFontIndirect(&lf);
    return m_font.GetSafeHandle() != nullptr ? static_cast<HFONT>(m_font) : hBase;
  }

 private:
  CFont m_font;
  LOGFONTA m_from{};
};

class DcMeasure : public ITreeTextMeasure {
 public:
  DcMeasure(CDC& dc, HFONT hFont) : m_dc(dc), m_font(dc, hFont) {}
  SIZE MeasureLine(LPCTSTR text, int length) override {
    CRect rect(0, 0, 0, 0);
    m_dc.DrawText(length > 0 ? text : " ", length > 0 ? length : 1, &rect, kLabelMeasure);
    CSize tabbed = length > 0 ? m_dc.GetTabbedTextExtent(text, length, 0, nullptr) : CSize(0, 0);
    return SIZE{length > 0 ? std::max<LONG>(rect.Width(), tabbed.cx) : 0, rect.Height()};
  }
  SIZE MeasureWrapped(LPCTSTR text, int length, int width) override {
    CRect rect(0, 0, std::max(width, 1), 0);
    m_dc.DrawText(length > 0 ? text : " ", length > 0 ? length : 1, &rect, kWrapMeasure);
    return SIZE{rect.Width(), rect.Height()};
  }

 private:
  CDC& m_dc;
  CSelectObjectScope m_font;
};

SIZE IconSize(CImageList* pList) {
  int cx = 0;
  int cy = 0;
  if (pList != nullptr && pList->GetSafeHandle() != nullptr)
    ::ImageList_GetIconSize(pList->GetSafeHandle(), &cx, &cy);
  return SIZE{cx, cy};
}

RECT Moved(const RECT& r, int dx, int dy) {
  return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace

std::unique_ptr<SECListPaintContext> SECTreeBaseC::CreatePaintContext(CDC* pDC) {
  auto ctx = std::make_unique<SECTreePaintContext>(pDC);
  ctx->m_nView = m_dwStyle & LVS_TYPEMASK;
  return ctx;
}

BOOL SECTreeBaseC::PrepareItemContext(SECListPaintContext& ctx) {
  if (!SECListCtrl::PrepareItemContext(ctx))
    return FALSE;
  auto& tree = static_cast<SECTreePaintContext&>(ctx);
  tree.m_pNode = NodeOfRow(ctx.m_iItem);
  if (tree.m_pNode == nullptr)
    return FALSE;
  tree.m_tvi = tree.m_pNode->m_item;
  tree.m_tvi.pszText = ctx.m_szText;
  tree.m_stateEx.state = ctx.m_dwStateEx;
  return TRUE;
}

HFONT SECTreeBaseC::GetItemFont(SECListPaintContext& ctx) {
  HFONT hBase = SECListCtrl::GetItemFont(ctx);
  _Node* node = NodeOfRow(ctx.m_iItem);
  if (node == nullptr || !(node->m_item.state & TVIS_BOLD))
    return hBase;
  static BoldFont bold;
  return bold.For(hBase);
}

TreeRowInput SECTreeBaseC::RowInput(_Node* pNode, BOOL bSelected, int left, int top, int height) {
  TreeRowInput in;
  in.left = left;
  in.top = top;
  in.height = height;
  in.depth = GetDepth(pNode);
  in.indent = GetIndent();
  in.linesAtRoot = LinesAtRoot();
  in.hScroll = GetHorzOffset();
  CImageList* pState = GetImageList(TVSIL_STATE);
  in.hasStateImage =
      pState != nullptr && pState->GetSafeHandle() != nullptr && (pNode->m_item.state & TVIS_STATEIMAGEMASK) != 0;
  in.stateImage = IconSize(pState);
  CImageList* pNormal = GetImageList(TVSIL_NORMAL);
  const int image = bSelected ? pNode->m_item.iSelectedImage : pNode->m_item.iImage;
  in.hasImage = pNormal != nullptr && pNormal->GetSafeHandle() != nullptr && image != TREE_NO_IMAGE;
  in.image = IconSize(pNormal);
  return in;
}

TreeRowLayout SECTreeBaseC::StoredLayout(const SECListItem& row, int left, int top, int height) const {
  TreeRowLayout layout;
  layout.stateIcon = Moved(row.m_rcStateIcon, left, top);
  layout.icon = Moved(row.m_rcIcon, left, top);
  layout.label = Moved(row.m_rcText, left, top);
  layout.rowHeight = height;
  return layout;
}

void SECTreeBaseC::MeasureSubItem(SECListPaintContext& ctx, int* pHeight) {
  if (ctx.m_iSubItem != 0) {
    SECListCtrl::MeasureSubItem(ctx, pHeight);
    return;
  }
  _Node* node = NodeOfRow(ctx.m_iItem);
  if (node == nullptr || ctx.m_pDC == nullptr)
    return;
  const BOOL bSelected = (ctx.m_lvi.state & LVIS_SELECTED) != 0;
  TreeRowInput in = RowInput(node, bSelected, 0, 0, *pHeight);
  int width = GetColumnWidth(ctx.m_iColumn) - 5;
  if (GetColumnCount() < 2) {
    CRect client;
    GetInsideRect(&client);
    width = IsLabelWrap() ? client.Width() - 5 : TreeRowGeometry::kOneColumnWidth;
  }
  DcMeasure measure(*ctx.m_pDC, ctx.m_hFont != nullptr ? ctx.m_hFont : GetListFont());
  TreeRowLayout layout = TreeRowGeometry::Layout(in, measure, ctx.m_lvi.pszText, IsLabelWrap(), width);
  ctx.m_pItem->m_rcStateIcon = layout.stateIcon;
  ctx.m_pItem->m_rcIcon = layout.icon;
  ctx.m_pItem->m_rcText = layout.label;
  *pHeight = layout.rowHeight;
}

int SECTreeBaseC::GetButtonRect(RECT* pRect, int nRow, _Node* pNode) {
  SECListItem* row = GetItemAt(nRow);
  if (row == nullptr || pNode == nullptr || pRect == nullptr)
    return 0;
  CRect area;
  GetItemAreaRect(&area);
  const int top = area.top + GetRowTop(nRow);
  const int height = GetRowPitch(nRow);
  const int left = GetColumnLeft(0);
  TreeRowInput in = RowInput(pNode, IsSelected(nRow), left, top, height);
  int half = 0;
  *pRect = TreeRowGeometry::ButtonRect(in, StoredLayout(*row, left, top, height), &half);
  return half;
}

void SECTreeBaseC::DrawSubItem(SECListPaintContext& ctx) {
  if (ctx.m_iSubItem != 0) {
    SECListCtrl::DrawSubItem(ctx);
    return;
  }
  auto& tree = static_cast<SECTreePaintContext&>(ctx);
  _Node* node = tree.m_pNode;
  CDC* pDC = ctx.m_pDC;
  pDC->FillSolidRect(&ctx.m_rect, ctx.m_crBk);
  if (node == nullptr)
    return;
  const BOOL bSelected = (ctx.m_lvi.state & LVIS_SELECTED) != 0;
  TreeRowInput in = RowInput(node, bSelected, ctx.m_rect.left, ctx.m_rect.top, ctx.m_rect.Height());
  TreeRowLayout layout = StoredLayout(*ctx.m_pItem, ctx.m_rect.left, ctx.m_rect.top, ctx.m_rect.Height());
  if (in.hasStateImage) {
    ::ImageList_Draw(GetImageList(TVSIL_STATE)->GetSafeHandle(), (node->m_item.state & TVIS_STATEIMAGEMASK) >> 12,
                     pDC->m_hDC, layout.stateIcon.left, layout.stateIcon.top, ILD_NORMAL);
  }
  if (in.hasImage) {
    HIMAGELIST hList = GetImageList(TVSIL_NORMAL)->GetSafeHandle();
    ::ImageList_SetBkColor(hList, GetIconBkColorFor(ctx));
    const int image = bSelected ? node->m_item.iSelectedImage : node->m_item.iImage;
    ::ImageList_Draw(hList, image, pDC->m_hDC, layout.icon.left, layout.icon.top,
                     ILD_NORMAL | (node->m_item.state & TVIS_OVERLAYMASK));
  }
  if (m_dwTreeStyle & TVS_HASLINES)
    DrawLines(tree, in, layout);
  if (m_dwTreeStyle & TVS_HASBUTTONS)
    DrawButton(tree, in, layout);
  CRect label(layout.label);
  label.right = std::min(label.right, ctx.m_rect.right);
  if (ctx.m_crTextBk != ctx.m_crBk)
    pDC->FillSolidRect(CRect(label.left - 2, label.top, label.right + 2, label.bottom), ctx.m_crTextBk);
  if (ctx.m_iItem != GetEditingItem())
    DrawLabel(ctx, label);
  if (ctx.m_iItem == GetFocusItem() && HasFocus() && GetEditingItem() < 0) {
    CRect focus(label.left - 2, label.top, label.right + 2, label.bottom);
    pDC->DrawFocusRect(&focus);
  }
}

void SECTreeBaseC::DrawLabel(SECListPaintContext& ctx, const CRect& label) {
  CDC* pDC = ctx.m_pDC;
  CSelectObjectScope font(*pDC, ctx.m_hFont != nullptr ? ctx.m_hFont : GetListFont());
  pDC->SetTextColor(ctx.m_crText);
  pDC->SetBkMode(TRANSPARENT);
  LPCTSTR text = ctx.m_lvi.pszText;
  if (!IsLabelWrap()) {
    const char* lineFeed = std::strchr(text, '\n');
    const int length = lineFeed != nullptr ? static_cast<int>(lineFeed - text) : static_cast<int>(std::strlen(text));
    CRect rect(label);
    pDC->DrawText(text, length, &rect, kLabelDraw);
    return;
  }
  int leadLength = 0;
  LPCTSTR rest = nullptr;
  CRect rect(label);
  if (TreeRowGeometry::SplitAtMarker(text, &leadLength, &rest)) {
    // The lead on one line, the rest wrapped to its right.
    CRect lead(label);
    pDC->DrawText(text, leadLength, &lead, DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE);
    rect.left += leadLength > 0 ? pDC->GetTabbedTextExtent(text, leadLength, 0, nullptr).cx : 0;
    text = rest;
  }
  pDC->DrawText(text, static_cast<int>(std::strlen(text)), &rect, kWrapDraw);
}

void SECTreeBaseC::DrawLines(SECTreePaintContext& ctx, const TreeRowInput& in, const TreeRowLayout& layout) {
  _Node* node = ctx.m_pNode;
  TreeRowLinks links;
  links.firstRow = ctx.m_iItem == 0;
  links.expandedWithChildren = node->IsExpanded() && (node->FirstChild() != nullptr || node->m_item.cChildren > 0);
  for (_Node* p = node; p != nullptr && p != m_pLogic->GetRoot(); p = p->Parent())
    links.nextSiblingByLevel.push_back(p->Next() != nullptr);
  for (const TreeLine& line : TreeRowGeometry::Lines(in, layout, links)) {
    if (line.y1 == line.y2)
      DrawHorzLine(ctx.m_pDC, line.x1, line.x2, line.y1);
    else
      DrawVertLine(ctx.m_pDC, line.x1, line.y1, line.y2);
  }
}

void SECTreeBaseC::DrawHorzLine(CDC* pDC, int x1, int x2, int y) {
  if (x2 < x1)
    return;
  if (pDC->IsPrinting()) {
    CSelectObjectScope pen(*pDC, ShadowPen());
    pDC->MoveTo(x1, y);
    pDC->LineTo(x2 + 1, y);
    return;
  }
  // Dots on even content columns, so that scrolling does not make them crawl.
  if ((x1 + GetHorzOffset()) & 1)
    --x1;
  const COLORREF dot = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF gap = GetBkColor();
  for (int x = x1; x <= x2; x += 2) {
    pDC->SetPixel(x, y, dot);
    if (x + 1 <= x2)
      pDC->SetPixel(x + 1, y, gap);
  }
}

void SECTreeBaseC::DrawVertLine(CDC* pDC, int x, int y1, int y2) {
  if (y2 < y1)
    return;
  if (pDC->IsPrinting()) {
    CSelectObjectScope pen(*pDC, ShadowPen());
    pDC->MoveTo(x, y1);
    pDC->LineTo(x, y2);
    return;
  }
  if (y1 & 1)
    --y1;
  const COLORREF dot = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF gap = GetBkColor();
  for (int y = y1; y < y2; y += 2) {
    pDC->SetPixel(x, y, dot);
    if (y + 1 < y2)
      pDC->SetPixel(x, y + 1, gap);
  }
}

void SECTreeBaseC::DrawButton(SECTreePaintContext& ctx, const TreeRowInput& in, const TreeRowLayout& layout) {
  _Node* node = ctx.m_pNode;
  if (node->FirstChild() == nullptr && node->m_item.cChildren <= 0)
    return;
  CDC* pDC = ctx.m_pDC;
  RECT button = TreeRowGeometry::ButtonRect(in, layout);
  {
    CSelectObjectScope pen(*pDC, ShadowPen());
    CBrush fill(IsWindowEnabled() ? RGB(255, 255, 255) : GetBkColor());
    CSelectObjectScope brush(*pDC, fill);
    pDC->Rectangle(&button);
  }
  CSelectObjectScope pen(*pDC, TextPen());
  for (const TreeLine& mark : TreeRowGeometry::ButtonMarks(button, GetHorzOffset(), !node->IsExpanded())) {
    pDC->MoveTo(mark.x1, mark.y1);
    pDC->LineTo(mark.x2 + (mark.y1 == mark.y2 ? 1 : 0), mark.y2 + (mark.x1 == mark.x2 ? 1 : 0));
  }
}

// Drag images ------------------------------------------------------------------

HBITMAP SECTreeBaseC::CreateLabelBitmap(CDC* pDC, LPCTSTR lpszText) {
  CRect rect(0, 0, 0, 0);
  pDC->DrawText(lpszText, -1, &rect, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  rect.right = std::max<LONG>(rect.right, 1);
  rect.bottom = std::max<LONG>(rect.bottom, 1);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(pDC->m_hDC, rect.Width(), rect.Height());
  if (hBitmap == nullptr)
    return nullptr;
  CDC memory;
  memory.CreateCompatibleDC(pDC);
  CSelectObjectScope bitmap(memory, hBitmap);
  CSelectObjectScope font(memory, ::GetCurrentObject(pDC->m_hDC, OBJ_FONT));
  memory.FillSolidRect(&rect, GetBkColor());
  memory.SetTextColor(GetTextColor());
  memory.SetBkMode(TRANSPARENT);
  memory.DrawText(lpszText, -1, &rect, DT_NOPREFIX | DT_EXPANDTABS);
  return hBitmap;
}

std::unique_ptr<CImageList> SECTreeBaseC::CreateLabelImageList(CDC* pDC, LPCTSTR lpszText) {
  CBitmap bitmap;
  if (!bitmap.Attach(CreateLabelBitmap(pDC, lpszText)))
    return nullptr;
  BITMAP info{};
  bitmap.GetBitmap(&info);
  auto list = std::make_unique<CImageList>();
  if (!list->Create(info.bmWidth, info.bmHeight, ILC_MASK | ILC_COLOR24, 1, 1))
    return nullptr;
  list->Add(&bitmap, CLR_DEFAULT);
  return list;
}

std::unique_ptr<CImageList> SECTreeBaseC::CreateIconImageList(CImageList* pList, int nImage) {
  if (pList == nullptr || pList->GetSafeHandle() == nullptr)
    return nullptr;
  HICON hIcon = ::ImageList_GetIcon(pList->GetSafeHandle(), nImage, ILD_NORMAL);
  if (hIcon == nullptr)
    return nullptr;
  SIZE size = IconSize(pList);
  auto list = std::make_unique<CImageList>();
  BOOL bMade = list->Create(size.cx, size.cy, ILC_MASK | ILC_COLOR24, 1, 1) && list->Add(hIcon) >= 0;
  ::DestroyIcon(hIcon);
  return bMade ? std::move(list) : nullptr;
}

std::unique_ptr<CImageList> SECTreeBaseC::MergeImageLists(CImageList* pFirst, CImageList* pSecond) {
  if (pFirst == nullptr || pSecond == nullptr || pFirst->GetSafeHandle() == nullptr ||
      pSecond->GetSafeHandle() == nullptr)
    return nullptr;
  const int dx = IconSize(pFirst).cx + TreeRowGeometry::kLabelGap;
  HIMAGELIST hMerged = ::ImageList_Merge(pFirst->GetSafeHandle(), 0, pSecond->GetSafeHandle(), 0, dx, 0);
  if (hMerged == nullptr)
    return nullptr;
  auto list = std::make_unique<CImageList>();
  list->Attach(hMerged);
  return list;
}

std::unique_ptr<CImageList> SECTreeBaseC::CreateDragImage(HTREEITEM hItem) {
  _Node* node = m_pLogic->Node(hItem);
  if (node == nullptr || m_hWnd == nullptr)
    return nullptr;
  CClientDC dc(this);
  CSelectObjectScope font(dc, GetListFont());
  CString text = GetItemText(hItem);
  std::unique_ptr<CImageList> label = CreateLabelImageList(&dc, text);
  CImageList* pImages = GetImageList(TVSIL_NORMAL);
  if (label == nullptr || pImages == nullptr || node->m_item.iImage == TREE_NO_IMAGE)
    return label;
  std::unique_ptr<CImageList> icon = CreateIconImageList(pImages, node->m_item.iImage);
  if (icon == nullptr)
    return label;
  return MergeImageLists(icon.get(), label.get());
}

CPoint SECTreeBaseC::GetSelectedDragRects(std::vector<std::pair<HTREEITEM, CRect>>* pRects) {
  pRects->clear();
  CRect all;
  for (int row : GetModel().GetSelection()) {
    CRect label;
    if (!GetSubItemRect(row, 0, &label, 2))
      continue;
    pRects->emplace_back(NodeOfRow(row)->GetHandle(), label);
    all = pRects->size() == 1 ? label : (all | label);
  }
  for (auto& item : *pRects)
    item.second.OffsetRect(-all.left, -all.top);
  return all.TopLeft();
}

void SECTreeBaseC::DrawSelectedDragImages(CDC* pDC, CPoint offset) {
  std::vector<std::pair<HTREEITEM, CRect>> rects;
  GetSelectedDragRects(&rects);
  for (const auto& item : rects) {
    std::unique_ptr<CImageList> image = CreateDragImage(item.first);
    if (image != nullptr)
      ::ImageList_Draw(image->GetSafeHandle(), 0, pDC->m_hDC, item.second.left + offset.x, item.second.top + offset.y,
                       ILD_NORMAL);
  }
}
