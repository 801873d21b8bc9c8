// SECTreeBaseC: the tree view built on the owner-drawn list engine. Every
// item is a node (TreeLogic keeps them and their rules); the list keeps one
// row per visible node, in depth-first order, so that painting, scrolling,
// selection, keys, tips and in-place editing are the list engine's. The
// tree draws the first column itself (indentation, lines, button, state
// image, image and label) and speaks TVITEM, TVGN_ and TVN_ at its edges.
// SECTreeCtrl adds the message map.
//
// Not yet:
// - MoveItem rebuilds the rows without the collapse and expand notices a
//   rebuild by collapsing and expanding would send.
#pragma once

#include "ui/lists/ListCtrl.h"
#include "ui/lists/TreeGeometry.h"
#include "ui/lists/TreeLogic.h"

#include <memory>

// What one column-0 drawing step works on.
class SECTreePaintContext : public SECListPaintContext {
 public:
  explicit SECTreePaintContext(CDC* pDC) : SECListPaintContext(pDC) {}

  _Node* m_pNode = nullptr;
  TVITEM m_tvi{};
  SECListStateExChange m_stateEx;
};

class SECTreeBaseC : public SECListCtrl {
  DECLARE_DYNCREATE(SECTreeBaseC)

 public:
  // The tree's extended style bits.
  static constexpr DWORD kMultiSelect = 0x00100000;
  static constexpr DWORD kLabelWrap = 0x00200000;
  static constexpr DWORD kHeader = 0x00400000;
  static constexpr DWORD kFlyByTips = 0x00800000;
  static constexpr DWORD kAnimate = 0x01000000;
  static constexpr DWORD kHoverExpand = 0x02000000;
  static constexpr DWORD kHeaderButtons = 0x04000000;
  static constexpr DWORD kColumnReorder = 0x08000000;
  // The tree style bits it keeps, and those taken from a window style.
  static constexpr DWORD kTreeStyleBits = 0x417;
  static constexpr DWORD kCreateStyleBits = 0x43F;
  static constexpr DWORD kCreateStyleExBits = 0x03F00000;
  // The hover-expand timer: the list engine's timers are 1 to 3.
  static constexpr UINT_PTR kHoverExpandTimer = 4;
  // The longest label the tree copies (its buffers are one longer).
  static constexpr int kTextMax = 2047;

  SECTreeBaseC();
  ~SECTreeBaseC() override;

  // Creation.
  using SECListBaseC::Create;
  BOOL Create(DWORD dwStyle, DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
              CCreateContext* pContext = nullptr) override;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
  // Creates the tree in place of the dialog's control nID (its style,
  // extended style, rectangle, id and place in the tab order).
  BOOL ReplaceDlgItem(UINT nID, CWnd* pParent);

  // Items.
  HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct);
  HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState, UINT nStateMask,
                       LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
  HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
  HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                       HTREEITEM hInsertAfter = TVI_LAST);
  BOOL InsertItems(LPTVINSERTSTRUCT* ppItems, HTREEITEM hParent, int nCount, BOOL bRedraw = TRUE);
  virtual BOOL DeleteItem(HTREEITEM hItem);
  BOOL DeleteAllItems() override;
  HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const { return m_pLogic->GetNextItem(hItem, nCode); }
  HTREEITEM GetRootItem(HTREEITEM hItem = nullptr) const { return m_pLogic->GetRootItem(hItem); }
  HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
  HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
  HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
  BOOL GetItem(TVITEM* pItem);
  BOOL SetItem(TVITEM* pItem);
  BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
               UINT nStateMask, LPARAM lParam);
  BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
  BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
  BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
  BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage);
  UINT GetItemState(HTREEITEM hItem, UINT nStateMask);
  DWORD_PTR GetItemData(HTREEITEM hItem);
  CString GetItemText(HTREEITEM hItem, int nCol = 0);
  virtual BOOL SetItemText(HTREEITEM hItem, int nCol, LPCTSTR lpszText);
  BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszText);
  BOOL ItemHasChildren(HTREEITEM hItem) const { return m_pLogic->ItemHasChildren(hItem); }
  virtual BOOL Expand(HTREEITEM hItem, UINT nCode, BOOL bRedraw = TRUE, BOOL bForce = FALSE);
  void ExpandBranch(HTREEITEM hItem, BOOL bRedraw = TRUE);
  void CollapseBranch(HTREEITEM hItem, BOOL bRedraw = TRUE);
  BOOL Select(HTREEITEM hItem, UINT nCode);
  BOOL SelectItem(HTREEITEM hItem);
  BOOL SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
  BOOL SelectSetFirstVisible(HTREEITEM hItem) { return Select(hItem, TVGN_FIRSTVISIBLE); }
  HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
  // Expands the collapsed ancestors; with bWithChildren the rows from the
  // parent's down to the item's are brought into view together.
  BOOL EnsureVisible(HTREEITEM hItem, BOOL bWithChildren = FALSE);
  HTREEITEM HitTest(TVHITTESTINFO* pInfo);
  HTREEITEM HitTest(CPoint point, UINT* pFlags = nullptr);
  BOOL DisableItem(HTREEITEM hItem, BOOL bDisable);
  // The node's own disabled (0x100) and hidden (0x200) flags under the
  // change's mask; a hidden item and its branch lose their rows.
  virtual BOOL SetItemStateEx(TVITEM* pItem, SECListStateExChange* pChange);
  BOOL IsItemDisabled(HTREEITEM hItem) const { return m_pLogic->IsItemDisabled(hItem); }
  BOOL IsItemHidden(HTREEITEM hItem) const { return m_pLogic->IsItemHidden(hItem); }
  int GetCount(HTREEITEM hItem = nullptr, BOOL bRecursive = FALSE, BOOL bExpandedOnly = FALSE) const {
    return m_pLogic->GetCount(hItem, bRecursive, bExpandedOnly);
  }
  int GetIndent() const { return m_pLogic->GetIndent(); }
  void SetIndent(int nIndent) { m_pLogic->SetIndent(nIndent); }
  BOOL MoveItem(HTREEITEM hItem, HTREEITEM hNewParent, BOOL bRedraw = TRUE, HTREEITEM hInsertAfter = TVI_LAST);
  BOOL SortChildren(HTREEITEM hParent, BOOL bRecursive = FALSE, BOOL bAscending = TRUE);
  BOOL SortChildrenCB(LPTVSORTCB pSort, BOOL bRecursive = FALSE);
  SECListEdit* EditLabel(HTREEITEM hItem);
  // Ends the label edit; afterwards the notify target gets the registered
  // message SECTreeEndLabelEditMessage() for a label of the first column.
  BOOL EndLabelEdit(BOOL bSave) override;

  // Sub-item (column) texts kept per item, rows or not.
  virtual void EnableSubItemTextStorage(BOOL bEnable) { m_pLogic->EnableSubItemTextStorage(bEnable); }
  virtual BOOL HasSubItemTextStorage() const { return m_pLogic->HasSubItemTextStorage(); }
  // The import dialog's name for switching the storage on.
  void StoreSubItemText(BOOL bStore) { EnableSubItemTextStorage(bStore); }

  // Styles.
  virtual void GetStyles(DWORD* pStyle, DWORD* pStyleEx) const;
  virtual void SetStyles(DWORD dwStyle, DWORD dwStyleEx, BOOL bRedraw = TRUE);
  virtual DWORD GetTreeStyle() const;
  virtual DWORD GetTreeStyleEx() const { return m_dwTreeStyleEx; }
  virtual void SetTreeStyle(DWORD dwStyle, BOOL bRedraw = TRUE);
  virtual void SetTreeStyleEx(DWORD dwStyleEx, BOOL bRedraw = TRUE);
  virtual void ModifyTreeStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
  virtual void ModifyTreeStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
  virtual void ModifyStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwRemoveEx, DWORD dwAddEx, BOOL bRedraw = TRUE);
  void SetLabelWrap(BOOL bWrap) override;
  void SetFlyByTips(BOOL bTips) override;
  void SetMultiSelect(BOOL bMulti) override;
  void ShowHeader(BOOL bShow, BOOL bButtons = TRUE) override;
  CImageList* SetImageList(CImageList* pImageList, int nType) override;

  virtual void RedrawItem(HTREEITEM hItem);

  // Drag images; each result belongs to the caller.
  virtual std::unique_ptr<CImageList> CreateDragImage(HTREEITEM hItem);
  virtual HBITMAP CreateLabelBitmap(CDC* pDC, LPCTSTR lpszText);
  virtual std::unique_ptr<CImageList> CreateLabelImageList(CDC* pDC, LPCTSTR lpszText);
  virtual std::unique_ptr<CImageList> CreateIconImageList(CImageList* pList, int nImage);
  virtual std::unique_ptr<CImageList> MergeImageLists(CImageList* pFirst, CImageList* pSecond);
  // Dragging several selected items: their label rectangles (indentation
  // included) relative to the top-left corner of their union, which is
  // returned; and their drag images drawn there, moved by offset.
  CPoint GetSelectedDragRects(std::vector<std::pair<HTREEITEM, CRect>>* pRects);
  void DrawSelectedDragImages(CDC* pDC, CPoint offset);
  // Half the size of the item's button and its rectangle in the row.
  virtual int GetButtonRect(RECT* pRect, int nRow, _Node* pNode);

  TreeLogic& GetLogic() { return *m_pLogic; }

  // Message handlers (SECTreeCtrl's message map routes to them).
  afx_msg void OnDestroy();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

 protected:
  // Notifications to the owner.
  virtual LRESULT SendGetDispInfo(TVITEM* pItem);
  virtual void SendItemExpanded(HTREEITEM hItem, UINT nAction);
  virtual LRESULT SendItemExpanding(HTREEITEM hItem, UINT nAction);
  virtual void SendSetDispInfo(TVITEM* pItem);
  LRESULT SendSelChange(int nCode, _Node* pOld, _Node* pNew, int nAction);
  void OnNodeDeleted(_Node* pNode);

  // The list engine's steps the tree replaces.
  void SplitCreateStyles(CREATESTRUCT& cs) override;
  BOOL GetItem(LVITEM* pItem, BOOL bCopyText = TRUE, BOOL bNotify = TRUE) override;
  BOOL SetItem(const LVITEM* pItem, BOOL bRedraw = TRUE) override;
  BOOL GetRowLabel(_Node* pNode, LVITEM* pItem, BOOL bCopyText, BOOL bNotify);
  void PutText(LVITEM* pItem, LPCTSTR pszText, BOOL bCopyText);
  BOOL GetItemStateEx(LVITEM* pItem, SECListStateExChange* pChange, BOOL bNotify = TRUE) override;
  BOOL NeedsDispInfo(int nItem) override;
  LRESULT NotifyGetDispInfo(LVITEM* pItem) override;
  LRESULT NotifyDeleteItem(int nItem) override;
  LRESULT NotifyBeginLabelEdit(int nItem, int nSubItem) override;
  LRESULT NotifyEndLabelEdit(int nItem, int nSubItem, LPSTR pszText, BOOL bAccept) override;
  LRESULT NotifyKeyDown(UINT nVKey) override;
  int OnSelChanging(int nItem, int nOld, BOOL bMouse) override;
  void OnSelChanged(int nItem, int nOld, BOOL bMouse) override;
  void OnBeginDrag(int nItem, int x, int y) override;
  void OnBeginRDrag(int nItem, int x, int y) override;
  void OnColumnMoved(int nFrom, int nTo) override;
  void OnKeyReturn(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) override;
  void OnKeyLeft(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) override;
  void OnKeyBack(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) override;
  void OnKeyRight(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) override;
  void OnKeyMultiply(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) override;

  // Drawing of the first column (TreeBaseCPaint.cpp).
  std::unique_ptr<SECListPaintContext> CreatePaintContext(CDC* pDC) override;
  BOOL PrepareItemContext(SECListPaintContext& ctx) override;
  void MeasureSubItem(SECListPaintContext& ctx, int* pHeight) override;
  void DrawSubItem(SECListPaintContext& ctx) override;
  HFONT GetItemFont(SECListPaintContext& ctx) override;
  void DrawLabel(SECListPaintContext& ctx, const CRect& label);
  virtual void DrawLines(SECTreePaintContext& ctx, const TreeRowInput& in, const TreeRowLayout& layout);
  virtual void DrawButton(SECTreePaintContext& ctx, const TreeRowInput& in, const TreeRowLayout& layout);
  virtual void DrawHorzLine(CDC* pDC, int x1, int x2, int y);
  virtual void DrawVertLine(CDC* pDC, int x, int y1, int y2);

  _Node* NodeOfRow(int nRow) const;
  int RowOfItem(HTREEITEM hItem) const;
  // The row's first-column metrics: depth, indent, images.
  TreeRowInput RowInput(_Node* pNode, BOOL bSelected, int left, int top, int height);
  TreeRowLayout StoredLayout(const SECListItem& row, int left, int top, int height) const;
  BOOL LinesAtRoot() const;
  void AfterChange(BOOL bRedraw);
  BOOL CaretTo(_Node* pNode, int nAction);
  void ApplyTreeStyleEx();

 private:
  class Logic;
  class Rows;

  std::unique_ptr<Rows> m_pRows;
  std::unique_ptr<TreeLogic> m_pLogic;  // a Logic: the rules with their notifications
  DWORD m_dwTreeStyle = 0;
  DWORD m_dwTreeStyleEx = 0;
  UINT_PTR m_nHoverTimer = 0;
  UINT m_nHoverDelay = 1000;
  int m_nAnimationStep = 5;
  int m_nAnimationCount = 0;
  BOOL m_bScrollOnExpand = TRUE;
};

// The registered message the tree sends its notify target after a label
// edit ended: wParam the control id, lParam the item.
UINT SECTreeEndLabelEditMessage();
