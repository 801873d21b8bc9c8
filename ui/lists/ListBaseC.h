// SECListBaseC: an owner-drawn multi-column list window that imitates the
// list-view control without using it. It keeps its items, sub-items and
// columns in a CListModel, draws everything itself into a memory DC, has
// scroll bars of its own, its own selection, keyboard, mouse and type-ahead,
// column resize and reorder, in-place label editing and tips for clipped
// labels. It speaks LVITEM/LVCOLUMN and LVN_/NM_ notifications at its edges.
//
// Every operation is virtual so that a derived control (the tree) can
// replace any step; derived controls extend this interface, they do not
// rename it. SECListCtrl adds the message map.
//
// Not yet:
// - icon view lays items one per line like the other views.
#pragma once

#include "framework/Framework.h"
#include "ui/lists/ListClient.h"
#include "ui/lists/ListModel.h"
#include "ui/lists/ListTypeAhead.h"

#include <memory>
#include <vector>

class SECListEdit;
class SECListTip;
class SECListBaseC;

// What one drawing or measuring step works on. CreatePaintContext makes one
// per pass; PrepareItemContext fills it for an item (and a column).
class SECListPaintContext {
 public:
  explicit SECListPaintContext(CDC* pDC) : m_pDC(pDC) {}
  virtual ~SECListPaintContext() = default;

  CDC* m_pDC;
  int m_iItem = -1;
  SECListItem* m_pItem = nullptr;
  int m_iColumn = 0;
  SECListColumn* m_pColumn = nullptr;
  int m_iSubItem = 0;
  SECListSubItem* m_pSubItem = nullptr;
  LVITEM m_lvi{};  // text points at m_szText
  char m_szText[kListTextMax + 1] = {};
  CRect m_rect;               // the cell (or row) being drawn
  UINT m_nView = LVS_REPORT;  // style & LVS_TYPEMASK
  HFONT m_hFont = nullptr;
  COLORREF m_crText = 0;
  COLORREF m_crTextBk = 0;
  COLORREF m_crBk = 0;
  COLORREF m_crDCBk = 0;
  int m_nRow = 0;
  DWORD m_dwStateEx = 0;  // SEC_LVIS_EX_ bits a derived control reports
};

class SECListBaseC : public CWnd, public SECListClient {
  DECLARE_DYNCREATE(SECListBaseC)

 public:
  // Timer ids of the list window.
  static constexpr UINT_PTR kEditTimer = 1;
  static constexpr UINT_PTR kAutoScrollTimer = 2;
  static constexpr UINT_PTR kTypeAheadTimer = 3;
  static constexpr UINT kEditDelay = 500;
  // The child ids of the own scroll bars and the in-place editor.
  static constexpr UINT kHorzBarId = 0xEA00;
  static constexpr UINT kVertBarId = 0xEA10;
  static constexpr UINT kEditId = 1;
  // The column-resize cursor resource.
  static constexpr UINT kResizeCursorId = 20692;
  // Scroll-bar flags (GetScrollBarFlags).
  static constexpr DWORD kHorzBarShown = 0x00100000;
  static constexpr DWORD kVertBarShown = 0x00200000;
  // Colour slots (GetColor/SetColor).
  enum Color { kBk, kText, kTextBk, kSelText, kSelBk, kGrayText, kIconBk, kSelIconBk, kTipBk, kTipText, kColorCount };

  SECListBaseC();
  ~SECListBaseC() override;

  // Creation.
  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID, CCreateContext* pContext = nullptr) override;
  virtual BOOL Create(DWORD dwStyle, DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                      CCreateContext* pContext = nullptr);
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                        int nWidth, int nHeight, HWND hWndParent, UINT nID, LPVOID lpParam = nullptr);
  // Takes the dialog child nID as a placeholder and creates the list there.
  virtual BOOL ReplaceControl(UINT nID, CWnd* pParent);
  CScrollBar* GetScrollBarCtrl(int nBar) const override;

  // Colours (no redraw).
  virtual COLORREF GetBkColor() const;
  virtual COLORREF GetTextColor() const { return m_colors[kText]; }
  virtual COLORREF GetTextBkColor() const { return m_colors[kTextBk]; }
  virtual COLORREF GetGrayTextColor() const { return m_colors[kGrayText]; }
  virtual COLORREF GetIconBkColor() const { return m_colors[kIconBk]; }
  virtual COLORREF GetSelIconBkColor() const { return m_colors[kSelIconBk]; }
  virtual HFONT GetHeaderFont() const;
  virtual CWnd* GetNotifyWnd() const { return m_pNotifyWnd; }
  virtual BOOL SetBkColor(COLORREF cr);  // also the text background
  virtual BOOL SetTextColor(COLORREF cr) { return SetColor(kText, cr); }
  virtual BOOL SetTextBkColor(COLORREF cr) { return SetColor(kTextBk, cr); }
  virtual BOOL SetSelTextColor(COLORREF cr) { return SetColor(kSelText, cr); }
  virtual BOOL SetSelBkColor(COLORREF cr) { return SetColor(kSelBk, cr); }
  virtual BOOL SetGrayTextColor(COLORREF cr) { return SetColor(kGrayText, cr); }
  virtual BOOL SetIconBkColor(COLORREF cr) { return SetColor(kIconBk, cr); }
  virtual BOOL SetSelIconBkColor(COLORREF cr) { return SetColor(kSelIconBk, cr); }
  virtual BOOL SetToolTipBkColor(COLORREF cr) { return SetColor(kTipBk, cr); }
  virtual BOOL SetToolTipTextColor(COLORREF cr) { return SetColor(kTipText, cr); }
  // The font is borrowed: the caller keeps it alive while the list uses it.
  virtual void SetListFont(CFont* pFont) { m_pListFont = pFont; }
  virtual void SetHeaderFont(CFont* pFont) { m_pHeaderFont = pFont; }
  virtual void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
  virtual void SetUseSysColors(BOOL b) { m_bTrackSysColors = b; }
  virtual BOOL GetUseSysColors() const { return m_bTrackSysColors; }
  virtual void StartAutoScrollTimer(UINT nMilliseconds);
  virtual void StopAutoScrollTimer();

  // Row geometry and invalidation.
  virtual void RedrawItems(int nItem, BOOL bLabelOnly = FALSE, BOOL bErase = TRUE, BOOL bToBottom = FALSE,
                           BOOL bNow = FALSE);
  virtual void InvalidateItemRange(int nFirst, int nLast);
  virtual int GetTopIndex() const { return m_nTopIndex; }
  virtual int GetCountPerPage();
  virtual int GetCountAboveTop();
  virtual int GetLastPageTop();
  virtual int GetLastVisibleIndex();
  virtual int GetFirstHiddenIndex();
  virtual int GetPageUpIndex();
  virtual int ItemFromPoint(CPoint point);
  virtual int ItemFromPointEx(CPoint point) { return ItemFromPoint(point); }
  virtual int IndexFromPoint(CPoint point);
  virtual void SetItemHeight(int nItem, int nHeight);
  virtual int GetRangeHeight(int nFrom, int nTo, BOOL bInclusive);
  virtual int CountRowsInHeight(int nHeight, int nFrom, BOOL bDown);
  virtual void RecalcLayout();
  virtual void InvalidateItemHeight(int nItem);

  // Columns.
  virtual BOOL DeleteColumn(LPCTSTR lpszHeading);
  virtual BOOL DeleteColumn(int nColumn);
  virtual void DeleteAllColumns();
  virtual int AddColumn(const LVCOLUMN* pColumn, BOOL bRedraw = TRUE);
  virtual int AddColumn(LPCTSTR lpszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1,
                        int nImage = -1);
  virtual int AddColumn(const SECListColumn& column);
  virtual int InsertColumn(int nIndex, const LVCOLUMN* pColumn, BOOL bRedraw = TRUE);
  virtual int InsertColumn(int nIndex, LPCTSTR lpszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                           int nSubItem = -1, int nImage = -1, BOOL bRedraw = TRUE);
  virtual int InsertColumn(int nIndex, const SECListColumn& column, BOOL bRedraw = TRUE);
  virtual BOOL MoveColumn(int nFrom, int nTo, BOOL bRedraw = TRUE);
  virtual BOOL GetColumn(int nColumn, LVCOLUMN* pColumn) const;
  virtual BOOL SetColumn(int nColumn, const LVCOLUMN* pColumn, BOOL bRedraw = TRUE);
  virtual int GetColumnLeft(int nColumn) const;
  virtual int GetColumnRight(int nColumn) const;
  virtual BOOL SetColumnWidth(int nColumn, int nWidth);
  virtual int GetColumnWidth(int nColumn) const;
  virtual BOOL SetColumnFormat(int nColumn, int nFormat);
  virtual int GetColumnFormat(int nColumn) const;
  virtual BOOL SetColumnHeading(int nColumn, LPCTSTR lpszHeading);
  virtual CString GetColumnHeading(int nColumn) const;
  virtual BOOL HasColumn(LPCTSTR lpszHeading) const;
  virtual int GetColumnCount() const { return m_model.GetColumnCount(); }
  virtual BOOL FindColumn(LPCTSTR lpszHeading, int* pIndex, int* pSubItem) const;
  virtual SECListColumn* GetColumnAt(int nColumn) const { return m_model.GetColumn(nColumn); }

  // Items.
  virtual LPARAM GetItemData(const SECListItem* pItem) const;
  virtual int GetItemCount() const { return m_model.GetItemCount(); }
  virtual int GetSubItemCount() const { return m_model.GetSubItemCount(); }
  virtual BOOL SetItem(const LVITEM* pItem, BOOL bRedraw = TRUE);
  virtual BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszText, int nImage, UINT nState, UINT nStateMask,
                       LPARAM lParam);
  virtual BOOL SetItemStateEx(const LVITEM* pItem, const SECListStateExChange* pChange);
  virtual BOOL GetItemStateEx(LVITEM* pItem, SECListStateExChange* pChange, BOOL bNotify = TRUE);
  virtual BOOL GetItem(LVITEM* pItem, BOOL bCopyText = TRUE, BOOL bNotify = TRUE);
  virtual BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  virtual int GetItemText(int nItem, int nSubItem, LPTSTR lpszBuffer, int cchBuffer);
  virtual BOOL DeleteItem(SECListItem* pItem);
  virtual BOOL DeleteItem(int nItem, int nCount = 1);
  virtual BOOL DeleteAllItems();
  virtual int GetSelectedCount() const { return m_model.GetSelectedCount(); }
  virtual BOOL GetLabelColumnRect(int nItem, RECT* pRect, int nCode);
  // Takes ownership of the record.
  virtual int InsertItemAt(int nIndex, SECListItem* pItem);
  // Several records at once (the tree's expansion); ownership moves.
  virtual int InsertItemsAt(int nIndex, std::vector<std::unique_ptr<SECListItem>> items);
  virtual int InsertItem(UINT nMask, int nItem, LPCTSTR lpszText, UINT nState, UINT nStateMask, int nImage,
                         LPARAM lParam);
  virtual int InsertItem(int nItem, LPCTSTR lpszText, int nImage);
  virtual int InsertItem(int nItem, LPCTSTR lpszText);
  virtual int InsertItem(const LVITEM* pItem);
  virtual int InsertItemAfter(const SECListItem* pRecord, LVITEM* pItem);
  virtual int InsertItemBefore(const SECListItem* pRecord, LVITEM* pItem);
  virtual SECListItem* GetItemAt(int nItem) const { return m_model.GetItem(nItem); }

  // Selection primitives.
  virtual void SetFocusItem(int nItem, BOOL bSelect);
  virtual void SetCaretItem(int nItem);
  virtual void DeselectAllExcept(int nItem);
  virtual void SelectRange(int nFirst, int nLast, BOOL bSelect);
  virtual int GetFocusItem() const { return m_model.GetFocus(); }
  virtual void GetViewSize(SIZE* pSize, BOOL bMeasure = TRUE);
  virtual BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  virtual UINT GetItemState(int nItem, UINT nMask);
  virtual BOOL SetItemData(int nItem, LPARAM lParam);
  virtual LPARAM GetItemData(int nItem);
  virtual BOOL SelectItem(int nItem, BOOL bSelect = TRUE);
  virtual BOOL GetStateCallback() const { return m_bStateCallback; }
  virtual void SetStateCallback(BOOL b) { m_bStateCallback = b; }
  virtual BOOL GetStateExCallback() const { return m_bStateExCallback; }
  virtual void SetStateExCallback(BOOL b) { m_bStateExCallback = b; }
  virtual BOOL NeedsDispInfo(int nItem);
  virtual int GetNextItem(int nItem, UINT nFlags) const { return m_model.GetNextItem(nItem, nFlags); }
  virtual void SetDropHilite(int nItem);
  virtual int GetDropHilite() const { return m_model.GetDropHilite(); }

  // Image lists: 0 normal, 1 small, 2 state, 3 header. Borrowed.
  virtual CImageList* GetImageList(int nType) const;
  virtual CImageList* SetImageList(CImageList* pImageList, int nType);
  virtual BOOL CopyImageList(CImageList* pSource, CImageList*& pCopy);

  // Hit testing (SEC_LVHT_ flags); an item, a header column or -1.
  virtual int HitTest(int x, int y, UINT* pFlags, int* pColumn = nullptr);

  // Scrolling.
  virtual void OnVertThumb(UINT nCode, int nPos);
  virtual void ScrollHorz(int dx);
  virtual void ScrollRows(int nRows, BOOL bToLast = FALSE);
  virtual BOOL EnsureVisible(int nItem, BOOL bPartialOK);
  virtual BOOL EnsureRangeVisible(int nFirst, int nLast);

  // In-place label editing.
  virtual SECListEdit* EditLabel(int nItem, int nColumn);
  virtual SECListEdit* GetEditControl() const { return m_pEdit.get(); }
  virtual void CancelEditTimer();

  // Styles.
  virtual BOOL IsStyleSet(DWORD dwMask) const { return (m_dwStyle & dwMask) == dwMask; }
  virtual BOOL IsStyleExSet(DWORD dwMask) const { return (m_dwStyleEx & dwMask) == dwMask; }
  virtual void GetListCtrlStyles(DWORD* pStyle, DWORD* pStyleEx) const;
  virtual BOOL SetListCtrlStyles(DWORD dwStyle, DWORD dwStyleEx, BOOL bRedraw = TRUE);
  virtual DWORD GetListCtrlStyle() const { return m_dwStyle; }
  virtual DWORD GetListCtrlStyleEx() const { return m_dwStyleEx; }
  virtual BOOL SetListCtrlStyle(DWORD dwStyle, BOOL bRedraw = TRUE);
  virtual BOOL SetListCtrlStyleEx(DWORD dwStyleEx, BOOL bRedraw = TRUE);
  virtual BOOL ModifyListCtrlStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
  virtual BOOL ModifyListCtrlStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
  virtual BOOL ModifyListCtrlStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwRemoveEx, DWORD dwAddEx, BOOL bRedraw = TRUE);
  virtual void SetLabelWrap(BOOL bWrap);
  virtual void SetFlyByTips(BOOL bTips);
  virtual void SetMultiSelect(BOOL bMulti);
  virtual BOOL GetFlyByTips() const;
  virtual BOOL HasHeader() const;
  virtual BOOL IsMultiSelect() const { return !IsStyleSet(LVS_SINGLESEL); }
  virtual void ShowHeader(BOOL bShow, BOOL bButtons = TRUE);
  virtual void SetAutoUpdate(BOOL b) { m_bAutoUpdate = b; }
  virtual BOOL GetAutoUpdate() const { return m_bAutoUpdate; }
  // Measures every row again and repaints the list.
  virtual void ReMeasureAndRedraw();

  // Layout and scroll bars.
  virtual void UpdateScrollBars();
  virtual int GetContentWidth(BOOL bMeasure = TRUE);
  virtual int GetScrollRowCount() const { return GetItemCount(); }
  virtual void GetInsideRect(RECT* pRect) const;  // the client rectangle
  virtual CDC* CreateDrawDC();
  virtual void InvalidateAllHeights();
  virtual void FitColumnsIfNeeded();
  virtual CScrollBar* CreateScrollBar(int nBar);
  virtual void ShowScrollBar(int nBar, BOOL bShow, SCROLLINFO* pInfo = nullptr);
  DWORD GetScrollBarFlags() const { return m_dwScrollFlags; }

  // Item records.
  virtual void AddSubItems(SECListItem& item) { m_model.AddSubItems(item); }
  virtual void RemoveSubItems(SECListItem& item) { item.m_subItems.clear(); }
  virtual int InitItemRecord(SECListItem& item);
  virtual std::unique_ptr<SECListItem> CreateItem();

  // Colours, fonts and measuring.
  virtual COLORREF GetItemBkColor(SECListPaintContext& ctx);
  virtual COLORREF GetIconBkColorFor(SECListPaintContext& ctx);
  virtual void GetItemColors(SECListPaintContext& ctx);
  virtual HFONT GetItemFont(SECListPaintContext& ctx);
  virtual COLORREF GetGridColor() const;
  virtual void MeasureItemColumns(SECListPaintContext& ctx);
  virtual void MeasureItem(int nItem, SECListPaintContext* pCtx = nullptr);
  virtual void MeasureSubItem(SECListPaintContext& ctx, int* pHeight);
  virtual CRect MeasureImage(SECListPaintContext& ctx);
  virtual CSize MeasureText(SECListPaintContext& ctx, LPCTSTR lpszText, int nWidth);
  virtual void LayoutScrollBars();
  virtual void FitColumns();
  virtual int GetRowSpacing() const { return 0; }

  // Column resizing (a modal mouse loop); the width change in pixels.
  virtual int TrackColumnResize(int x, int y, int nColumn);

  // Painting.
  virtual void OnDraw(CDC* pDC);
  virtual BOOL PrepareItemContext(SECListPaintContext& ctx);
  virtual std::unique_ptr<SECListPaintContext> CreatePaintContext(CDC* pDC);
  virtual void DrawHeader(SECListPaintContext& ctx);
  virtual void DrawHeaderButton(int nColumn, BOOL bPressed);
  virtual void DrawHeaderImage(CDC* pDC, int nColumn, CRect& rcText, int nTextWidth);
  virtual CImageList* CreateHeaderDragImage(int nColumn);
  virtual void ShowDropMarker(int x, int y, int nColumn);
  virtual void OnColumnMoved(int nFrom, int nTo) {}
  virtual void DrawItems(SECListPaintContext& ctx);
  virtual void DrawItem(SECListPaintContext& ctx);
  virtual void DrawSubItem(SECListPaintContext& ctx);
  virtual void DrawItemImage(SECListPaintContext& ctx);
  virtual void DrawItemText(SECListPaintContext& ctx);
  virtual void DrawHorzGridLine(SECListPaintContext& ctx);
  virtual void DrawVertGridLines(SECListPaintContext& ctx);
  virtual void UpdateVertScrollBar(int nCount);
  virtual void UpdateHorzScrollBar(int nWidth);

  // Key actions: (focus item, current sub-item, shift, ctrl, repeat, flags).
  virtual void OnKeyUp(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags);
  virtual void OnKeyDown(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags);
  virtual void OnKeyF2(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags);
  virtual void OnKeyReturn(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags);
  virtual void OnKeyHome(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags);
  virtual void OnKeyEnd(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags);
  virtual void OnKeyLeft(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) {}
  virtual void OnKeyBack(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) {}
  virtual void OnKeyRight(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) {}
  virtual void OnKeyMultiply(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) {}
  virtual void OnKeyPrior(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags);
  virtual void OnKeyNext(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags);

  // Notifications and hooks.
  virtual LRESULT NotifyParent(int nCode);
  virtual void OnBeginDrag(int nItem, int x, int y) {}
  virtual LRESULT NotifyBeginLabelEdit(int nItem, int nSubItem);
  virtual void OnBeginRDrag(int nItem, int x, int y) {}
  virtual LRESULT NotifyDeleteItem(int nItem);
  // pszText is the edited text; on acceptance the parent's (possibly
  // changed) text is copied back into it (kListTextMax + 1 bytes).
  virtual LRESULT NotifyEndLabelEdit(int nItem, int nSubItem, LPSTR pszText, BOOL bAccept);
  virtual void OnEndLabelEdit(int nItem, int nSubItem) {}
  virtual void OnSelChanged(int nItem, int nOld, BOOL bMouse) {}
  virtual int OnSelChanging(int nItem, int nOld, BOOL bMouse) { return 0; }
  virtual LRESULT NotifyGetDispInfo(LVITEM* pItem);
  virtual void OnSetDispInfo(const LVITEM* pItem) {}
  virtual void OnGetStateExDispInfo(SECListStateExChange* pChange) {}
  virtual LRESULT NotifyInsertItem(int nItem);
  virtual LRESULT NotifyKeyDown(UINT nVKey);
  virtual LRESULT NotifyColumnClick(int nColumn);
  virtual BOOL SelectItemEx(int nItem, UINT nHitFlags, UINT nKeyFlags, BOOL bMouse);
  virtual void OnFocusMoved(int nItem, BOOL bMouse) {}
  virtual CWnd* GetNotifyTarget() const;
  virtual void SplitCreateStyles(CREATESTRUCT& cs);
  virtual BOOL IsClickOnItem(CPoint pt, int nItem, UINT nHitFlags, BOOL* pArm, BOOL* pSelect);

  // SECListClient.
  CWnd* GetWnd() override { return this; }
  BOOL IsLabelWrap() const override { return !IsStyleSet(LVS_NOLABELWRAP); }
  BOOL EndLabelEdit(BOOL bSave) override;
  int GetColumnSubItem(int nColumn) const override;
  void GetScrollPosition(POINT* pPoint) const override;
  void GetItemAreaRect(RECT* pRect) const override;
  BOOL GetSubItemRect(int nItem, int nColumn, RECT* pRect, int nCode) override;
  BOOL GetItemText(CString& text, int nItem, int nSubItem) override;
  void ClientToScreen(RECT* pRect) const override { CWnd::ClientToScreen(pRect); }
  void SetCapture(BOOL bCapture) override;
  BOOL IsSelected(int nItem) const override { return nItem >= 0 && m_model.IsSelected(nItem); }
  COLORREF GetSelTextColor() const override { return m_colors[kSelText]; }
  COLORREF GetSelBkColor() const override { return m_colors[kSelBk]; }
  COLORREF GetTipTextColor() const override { return m_colors[kTipText]; }
  COLORREF GetTipBkColor() const override { return m_colors[kTipBk]; }
  HFONT GetListFont() const override;
  UINT GetItemTipState(int nItem, UINT nMask) override { return 0; }

  // State a derived control reads.
  int GetCurrentColumn() const { return m_nCurrentColumn; }
  int GetEditingItem() const { return m_nEditingItem; }
  int GetHeaderHeight() const { return m_nHeaderHeight; }
  int GetHorzOffset() const { return m_nHorzOffset; }
  SECListTip* GetTip() const { return m_pTip.get(); }
  CListTypeAhead& GetTypeAhead() { return m_typeAhead; }
  CListModel& GetModel() { return m_model; }
  const CListModel& GetModel() const { return m_model; }
  BOOL HasFocus() const { return ::GetFocus() == m_hWnd; }
  BOOL IsDragging() const { return m_bItemDrag || m_bHeaderDrag; }

  // Message handlers (SECListCtrl's message map routes to them).
  afx_msg void OnPaint();
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnCancelMode();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg void OnSysColorChange();
  afx_msg void OnEditKillFocus();
  afx_msg void OnEditUpdate();

 protected:
  BOOL SetColor(Color slot, COLORREF cr);
  void LoadColors();
  void SetTopIndex(int nTop);
  // The rows' pitches, measured on demand.
  int GetRowPitch(int nItem);
  int GetRowTop(int nItem);  // relative to the item area's top; top index 0
  BOOL IsReportWithHeader() const;
  BOOL FullRowSelect() const { return IsStyleExSet(LVXS_FULLROWSELECT); }
  void EndDrags();
  void BeginHeaderDrag(CPoint point);
  void TrackHeaderDrag(CPoint point);
  void EndHeaderDrag();
  void ResizeColumnByDrag(int nColumn, int nDelta);
  void DoAutoScroll();
  void OnTypeAheadTimer();
  void OnEditTimer();
  void UpdateTipFor(CPoint point);
  void HideTip();
  void SelectByKey(int nItem, BOOL bShift, BOOL bCtrl);
  LRESULT SendNotify(NMHDR& hdr, int nCode);
  void ResetMouseState();

  CListModel m_model;
  CListTypeAhead m_typeAhead;
  int m_nTypeAheadPeriod = 250;
  int m_nWheelDelta = 0;
  int m_nTopIndex = 0;
  int m_nHeaderHeight = 20;
  int m_nPressedItem = -1;
  int m_nPendingEditItem = -1;
  int m_nCurrentColumn = 0;
  int m_nEditingItem = -1;
  int m_nLastNotifyResult = 0;
  BOOL m_bStateCallback = FALSE;
  BOOL m_bStateExCallback = FALSE;
  UINT_PTR m_nEditTimer = 0;
  UINT_PTR m_nAutoScrollTimer = 0;
  UINT_PTR m_nTypeAheadTimer = 0;
  DWORD m_dwStyle = 0;
  DWORD m_dwStyleEx = 0;
  DWORD m_dwScrollFlags = 0;
  COLORREF m_colors[kColorCount] = {};
  BOOL m_bOnDivider = FALSE;
  BOOL m_bSelectionVetoed = FALSE;
  BOOL m_bEndingEdit = FALSE;
  BOOL m_bAutoUpdate = FALSE;
  BOOL m_bItemDrag = FALSE;
  BOOL m_bHeaderDrag = FALSE;
  BOOL m_bClickArmed = FALSE;
  BOOL m_bTrackSysColors = FALSE;
  char m_szTextBuffer[kListTextMax + 1] = {};
  CFont* m_pListFont = nullptr;
  CFont* m_pHeaderFont = nullptr;
  CImageList* m_imageLists[4] = {};
  // Copies taken without LVS_SHAREIMAGELISTS; kept until WM_DESTROY, since
  // SetImageList hands the replaced one back to its caller.
  std::vector<std::unique_ptr<CImageList>> m_ownedImageLists;
  std::unique_ptr<CImageList> m_pHeaderDragImage;
  std::unique_ptr<SECListTip> m_pTip;
  int m_nHorzOffset = 0;
  CPoint m_ptMouseDown;
  CString m_strSavedLabel;
  std::unique_ptr<SECListEdit> m_pEdit;
  CWnd* m_pNotifyWnd = nullptr;
  int m_nPressedHeader = -1;
  int m_nHeaderDropTarget = -1;
  HCURSOR m_hResizeCursor = nullptr;
  std::unique_ptr<CScrollBar> m_pHorzBar;
  std::unique_ptr<CScrollBar> m_pVertBar;
  int m_nContentWidthCache = 0;  // widest measured label (single column)
};
