// Views: windows that show a document, take part in command routing
// (view -> document -> template) and print.
#pragma once

#include "framework/Wnd.h"

class CDocument;
class CPrintInfo;
class CFrameWnd;
struct CCreateContext;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, CCreateContext* pContext = nullptr) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    CScrollBar* GetScrollBarCtrl(int nBar) const override;

    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    virtual BOOL IsSelected(const CObject* pDocItem) const { return FALSE; }

    // Printing.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CView* pView);
    // The print dialog (or, with m_bDirect, the default printer); FALSE when
    // cancelled or there is no printer.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    // The page loop of a print job on a DC the caller has set up.
    BOOL PrintPages(CDC* pDC, CPrintInfo* pInfo);

    // Handlers.
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT OnInitialUpdateMsg(WPARAM, LPARAM);
    void OnFilePrint();
    void OnFilePrintPreview();

    CDocument* m_pDocument = nullptr;

protected:
    friend class CDocument;
    DECLARE_MESSAGE_MAP()
};
