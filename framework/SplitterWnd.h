// A window split into panes (views) by movable bars. A static splitter has a
// fixed grid; a dynamic one starts with one pane and the user splits it (at
// most 2 x 2) from the split boxes on its shared scroll bars, making new
// views of the same class on the same document.
#pragma once

#include "framework/Wnd.h"
#include "framework/Geometry.h"

#include <vector>

struct CCreateContext;

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    BOOL Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* pContext,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT,
                UINT nID = AFX_IDW_PANE_FIRST);
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetMaxRowCount() const { return m_nMaxRows; }
    int GetMaxColumnCount() const { return m_nMaxCols; }
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    CWnd* GetPane(int row, int col) const;
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    virtual CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr);
    virtual void SetActivePane(int row, int col, CWnd* pWnd = nullptr);
    virtual void RecalcLayout();

    // Dynamic splitting; the position is where the new bar goes (client
    // coordinates). Deleting merges the row/column into its neighbour.
    virtual BOOL SplitRow(int cyBefore);
    virtual BOOL SplitColumn(int cxBefore);
    virtual void DeleteRow(int rowDelete);
    virtual void DeleteColumn(int colDelete);
    virtual void DeleteView(int row, int col);

    // The shared scroll bar of a pane (what the pane's GetScrollBarCtrl answers).
    CScrollBar* GetScrollBarOfPane(const CWnd* pPane, int nBar) const;

    // Mouse tracking of bars and split boxes.
    enum HitTestValue { noHit = 0, vSplitterBox = 1, hSplitterBox = 2, bothSplitterBox = 3,
                        vSplitterBar1 = 101, hSplitterBar1 = 201, splitterIntersection1 = 301 };
    int HitTest(CPoint pt) const;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint pt);
    void OnLButtonDblClk(UINT nFlags, CPoint pt);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnCancelMode();
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    int m_cxSplitter = 7;   // bar widths
    int m_cySplitter = 7;
    int m_cxSplitterGap = 7;
    int m_cySplitterGap = 7;
    int m_cxBorder = 2;
    int m_cyBorder = 2;

protected:
    struct CRowColInfo
    {
        int nMinSize = 0;
        int nIdealSize = 0;
        int nCurSize = 0;
    };
    // The rows (laid out along the vertical axis) or the columns (along the
    // horizontal one), so that one body serves both.
    struct CLine
    {
        std::vector<CRowColInfo>& info;
        int& nCount;
        int nMax;
        int nGap;            // between two panes
        BOOL bScrollBars;
        DWORD dwBarStyle;
        UINT nFirstBarID;
    };
    CLine LineAlong(CAxis axis);
    int LineStart(CAxis axis, int nIndex) const;   // where row/column nIndex starts
    BOOL SplitLine(CAxis axis, int nBefore);
    void DestroyScrollBar(UINT nID);

    BOOL CreateCommon(CWnd* pParentWnd, SIZE sizeMin, DWORD dwStyle, UINT nID);
    BOOL CreateScrollBarCtrl(DWORD dwStyle, UINT nID);
    CScrollBar* ScrollBar(UINT nID) const;
    void LayoutRowCol(std::vector<CRowColInfo>& info, int nMax, int nSize, int nSizeSplitter);
    void RenumberPanes();
    CRect InsideRect() const;
    CRect SplitBoxRect(bool bVertical) const;
    void StartTracking(int ht, CPoint pt);
    void MoveTracker(CPoint pt);
    void StopTracking(BOOL bAccept);
    void ApplyBarTracker(CAxis axis, int nBar);
    void DrawTracker(const CRect& rect);
    CRect TrackerRectAt(CPoint pt) const;
    CCreateContext* MakeContextFromPane(CCreateContext& context);

    int m_nMaxRows = 1, m_nMaxCols = 1;
    int m_nRows = 0, m_nCols = 0;
    BOOL m_bHasHScroll = FALSE, m_bHasVScroll = FALSE;
    BOOL m_bDynamic = FALSE;
    CRuntimeClass* m_pDynamicViewClass = nullptr;
    std::vector<CRowColInfo> m_pRowInfo;
    std::vector<CRowColInfo> m_pColInfo;
    std::vector<CScrollBar*> m_scrollBars;

    // Tracking state.
    BOOL m_bTracking = FALSE;
    int m_htTrack = noHit;
    CRect m_rectTracker;
    CPoint m_ptTrackOffset;

    friend class CSplitterTrackLoop;
    DECLARE_MESSAGE_MAP()
};
