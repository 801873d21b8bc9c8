// SECDockBar: the library's dock bar along each frame edge and inside each
// floating frame. Each bar of a row takes a share of the row's length
// (SECControlBar::m_fPctWidth); 6-pixel splitters between the bars of a row
// and between rows are dragged to resize them; one bar can be expanded over
// its row or the row's shares evened out. Bars enter and leave through the
// array rules of SECDockBarArray (placeholders keep a left bar's place) and
// the share and splitter arithmetic of SECDockRows.
//
// Not yet: the one-pixel start offsets of the first row and of flat custom
// toolbars, and EXSTYLE_STRETCH bars that reach across a vertical dock bar
// (both come with the custom toolbars); the drag outline is the framework's.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECDockBarArray.h"
#include "ui/frames/SECDockRows.h"

#include <memory>
#include <vector>

class SECControlBar;

class SECDockBar : public CDockBar
{
    DECLARE_DYNAMIC(SECDockBar)
public:
    // A splitter between two bars of a row (kind bar) or between rows.
    class Splitter : public CObject
    {
    public:
        enum Kind { betweenBars, betweenRows };
        virtual void Draw(CDC* pDC);
        int m_nAxis = 1;      // 1: the splitter moves horizontally
        int m_nKind = betweenBars;
        CRect m_rect;
        int m_nRow = 0;       // array index of the bar before it (bars) or the row's first entry (rows)
        BOOL m_bUsed = FALSE;
        int m_nMin = 0, m_nMax = 0;
        BOOL m_bDrawing = FALSE, m_bFinished = FALSE;
    };
    // The thin edge drawn next to the frame's client area.
    class ClientEdge : public CObject
    {
    public:
        ClientEdge(int nKind, const RECT& rect) : m_nKind(nKind), m_rect(rect) {}
        virtual void Draw(CDC* pDC);
        int m_nKind;          // 0 horizontal, 1 vertical
        CRect m_rect;
        BOOL m_bUsed = FALSE;
    };

    explicit SECDockBar(CWnd* pMDIChild = nullptr);
    ~SECDockBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle, UINT nID);

    // Rows and shares.
    virtual BOOL IsBarExpanded(CControlBar* pBar);
    virtual BOOL IsBarAloneInRow(CControlBar* pBar);
    virtual void GetRowBars(CPtrList& list, CControlBar* pBar);
    virtual void ExpandBar(CControlBar* pBar, int nMode);
    virtual void NormalizeRowShares(int nRowStart, CControlBar* pNewBar, int* pnShared = nullptr,
                                    int* pnFixed = nullptr);
    virtual void UpdateMinShare();
    virtual void RememberBarFromFloat(CControlBar* pBar) { m_pBarFromFloat = pBar; }
    virtual void RedrawListedBars();

    // Placing bars.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr) override;
    virtual void DockControlBarAt(CControlBar* pBar, const SECDockPos* pPos);
    virtual void DockControlBarAt(CControlBar* pBar, int nCol, int nRow);
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0) override;
    BOOL GetBarPosition(CControlBar* pBar, int* pnRow, int* pnCol, int* pnThickness);
    // The outline of pBar dropped here while dragged (client coordinates).
    virtual CRect CalcInsertRect(CControlBar* pBar, const CRect& rectDrag, CPoint pt, int* pnLastRow,
                                 CRect* pLastRect, CPoint* pLastPt);

    // Splitters and client edges.
    virtual int TrackSplitter(Splitter* pSplitter, CPoint pt);
    virtual void GetSplitterLimits(Splitter* pSplitter);
    virtual void AddSplitter(int nKind, int nAxis, const CRect& rect, int nRow);
    virtual void AddClientEdge(int nKind, int left, int top, int right, int bottom);
    // Every custom toolbar in pBar's row goes on the redraw list.
    virtual void ListRowToolBarsForRedraw(CControlBar* pBar);
    virtual void ApplySplitterMove(Splitter* pSplitter, int nDelta);
    int GetSplitterCount() const { return (int)m_arrSplitters.size(); }
    Splitter* GetSplitter(int i) const { return m_arrSplitters[(size_t)i].get(); }
    Splitter* SplitterAt(CPoint pt) const;
    // A real layout marks every splitter and client edge unused, takes back
    // those it places and deletes the rest.
    void MarkClientEdgesUnused();
    void DeleteUnusedClientEdges();
    void DeleteClientEdges();
    void MarkSplittersUnused();
    void DeleteUnusedSplitters();
    void DeleteSplitters();

    // Moves a window during a layout: nothing for a query or when it is
    // already there; deferred with a layout record, else at once.
    static void RepositionWindowEx(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect, UINT nExtraFlags);

    // The redraw list: bars repainted with their frames after the layout,
    // each once.
    void AddRedrawBar(CControlBar* pBar);
    void AddRedrawBarAt(int nPos);
    // The docked bars a change at nPos moves: those after it in a top or
    // left dock bar, those before it in a bottom or right one.
    void AddRedrawBarsFrom(int nPos);

    // The framework's protocol.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnMouseMove(UINT nFlags, CPoint pt);
    void OnLButtonDown(UINT nFlags, CPoint pt);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnDestroy();

    CPtrArray m_arrRedrawBars;              // CControlBar*, redrawn after the next paint
    CWnd* m_pMDIChild;                      // the MDI child window this dock bar floats in
    CControlBar* m_pBarFromFloat = nullptr; // normalised into its row at the next layout
    BOOL m_bRedrawPending = FALSE;
    BOOL m_bQuietLayout = FALSE;
    float m_fMinShare = SECDockRows::kDefaultMinShare;
    DWORD m_dwDockExStyle = 0;

protected:
    SECDockBarArray Array();
    BOOL IsVertical() const { return (m_dwStyle & CBRS_ORIENT_VERT) != 0 && !m_bFloating; }
    // The mode bits with which a bar of this dock bar is asked for its size.
    DWORD RowMode(CControlBar* pBar) const;
    int RowLength() const;
    void LayoutRow(int nStart, int nEnd, int& nAcross, int nLength, bool bQuery, CSize& sizeUsed);
    void ListRedraw(const std::vector<void*>& bars);

    std::vector<std::unique_ptr<Splitter>> m_arrSplitters;
    std::vector<std::unique_ptr<ClientEdge>> m_arrClientEdges;

    DECLARE_MESSAGE_MAP()
};
