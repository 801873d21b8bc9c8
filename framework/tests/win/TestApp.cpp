#include "framework/tests/win/TestApp.h"

std::vector<std::string> g_routeLog;
CTestApp theApp;

// Documents -------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CNoteDoc, CDocument)

BEGIN_MESSAGE_MAP(CNoteDoc, CDocument)
    ON_COMMAND(ID_TEST_DOCCMD, OnDocCommand)
    ON_UPDATE_COMMAND_UI(ID_TEST_DOCCMD, OnUpdateDocCommand)
    ON_COMMAND(ID_TEST_SHARED, OnShared)
END_MESSAGE_MAP()

bool CNoteDoc::s_bFailNew = false;

BOOL CNoteDoc::OnNewDocument()
{
    if (s_bFailNew || !CDocument::OnNewDocument())
        return FALSE;
    m_lines = { "first line", "second line" };
    return TRUE;
}

void CNoteDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (DWORD)m_lines.size();
        for (const CString& line : m_lines) {
            ar << line;
            if (m_bFailStoring)
                AfxThrowArchiveException(CArchiveException::genericException, GetPathName());
        }
    } else {
        DWORD nCount = 0;
        ar >> nCount;
        m_lines.assign(nCount, CString());
        for (CString& line : m_lines)
            ar >> line;
    }
}

// Views -------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CNoteView, CScrollView)

BEGIN_MESSAGE_MAP(CNoteView, CScrollView)
    ON_COMMAND(ID_TEST_VIEWCMD, OnViewCommand)
    ON_COMMAND(ID_TEST_SHARED, OnShared)
END_MESSAGE_MAP()

void CNoteView::OnInitialUpdate()
{
    ++m_nInitialUpdates;
    SetScrollSizes(MM_TEXT, CSize(1600, 1200), CSize(200, 200), CSize(20, 20));
    CScrollView::OnInitialUpdate();
}

void CNoteView::OnDraw(CDC* pDC)
{
    CNoteDoc* pDoc = GetDocument();
    if (pDoc == nullptr)
        return;
    CRect rect(10, 10, 400, 10);
    CFont font;
    font.CreatePointFont(100, "Arial", pDC);
    CFont* pOld = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 128));
    for (const CString& line : pDoc->m_lines) {
        pDC->TextOut(10, rect.bottom, line);
        rect.bottom += 20;
    }
    CPen pen(PS_SOLID, 2, RGB(200, 40, 40));
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(10, rect.bottom + 10);
    pDC->LineTo(300, rect.bottom + 10);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOld);
}

// Frames ------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CNoteFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CNoteFrame, CMDIChildWnd)
    ON_COMMAND(ID_TEST_FRAMECMD, OnFrameCommand)
END_MESSAGE_MAP()

BOOL CNoteFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return m_wndSplitter.Create(this, 2, 2, CSize(10, 10), pContext);
}

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

// Application -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_TEST_APPCMD, OnAppCommand)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
END_MESSAGE_MAP()

CTestApp::CTestApp()
{
    // Settings of our own, never the real program's.
    SetRegistryKey("G7K Framework Tests");
}

BOOL CTestApp::OnIdle(LONG lCount)
{
    if (m_bRecordIdle)
        m_idleCounts.push_back(lCount);
    return CWinApp::OnIdle(lCount);
}

// Helpers -----------------------------------------------------------------------

namespace {
MessageBoxRecorder* g_pRecorder = nullptr;

int RecordMessageBox(HWND, LPCTSTR lpszText, LPCTSTR, UINT)
{
    if (g_pRecorder == nullptr)
        return IDOK;
    g_pRecorder->texts.push_back(lpszText);
    if (g_pRecorder->answers.empty())
        return IDOK;
    int nAnswer = g_pRecorder->answers.front();
    g_pRecorder->answers.erase(g_pRecorder->answers.begin());
    return nAnswer;
}
} // namespace

MessageBoxRecorder::MessageBoxRecorder()
{
    g_pRecorder = this;
    AfxSetMessageBoxHook(RecordMessageBox);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    // Boxes outside a recorder are answered OK without showing: a test must
    // never wait for a person.
    g_pRecorder = nullptr;
}

void PumpMessages()
{
    MSG msg;
    for (int i = 0; i < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT)
            continue;
        if (!theApp.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

CMultiDocTemplate* NoteTemplate()
{
    static CMultiDocTemplate* pTemplate = nullptr;
    if (pTemplate == nullptr) {
        pTemplate = new CMultiDocTemplate(IDR_NOTETYPE, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CNoteFrame),
                                          RUNTIME_CLASS(CNoteView));
        theApp.AddDocTemplate(pTemplate);
    }
    return pTemplate;
}

CMainFrame* MainFrame()
{
    // The frame deletes itself when its window goes, and then the application
    // forgets it as its main window.
    auto* pFrame = dynamic_cast<CMainFrame*>(theApp.m_pMainWnd);
    if (pFrame == nullptr) {
        AfxSetMessageBoxHook(RecordMessageBox);
        pFrame = new CMainFrame;
        if (!pFrame->LoadFrame(IDR_MAINFRAME))
            return nullptr;
        theApp.m_pMainWnd = pFrame;
        pFrame->SetWindowPos(nullptr, 0, 0, 900, 650, SWP_NOZORDER);
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        PumpMessages();
    }
    return pFrame;
}
