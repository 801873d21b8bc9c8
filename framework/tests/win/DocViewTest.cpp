// The test application's MDI frame and note documents: new, edit, save,
// close, reopen; command routing; menus and accelerators; the dynamic
// splitter; and a screenshot of the frame for a person to look at.
#include "framework/tests/win/TestApp.h"
#include "framework/tests/win/PngWriter.h"

#include <shlobj.h>

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

std::string ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int CountChildFrames()
{
    int n = 0;
    for (HWND h = ::GetTopWindow(MainFrame()->m_hWndMDIClient); h != nullptr; h = ::GetNextWindow(h, GW_HWNDNEXT))
        ++n;
    return n;
}

CNoteFrame* FrameOf(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != nullptr ? dynamic_cast<CNoteFrame*>(pDoc->GetNextView(pos)->GetParentFrame()) : nullptr;
}

class DocView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(MainFrame(), nullptr);
        NoteTemplate();
        g_routeLog.clear();
        char dir[MAX_PATH];
        ::GetCurrentDirectoryA(MAX_PATH, dir);
        m_path = CString(dir) + "\\test.note";
        ::DeleteFileA(m_path);
    }
    void TearDown() override
    {
        MessageBoxRecorder quiet;
        quiet.answers = { IDNO, IDNO, IDNO, IDNO };
        theApp.CloseAllDocuments(FALSE);
        PumpMessages();
        ::DeleteFileA(m_path);
    }
    CNoteDoc* NewDoc()
    {
        auto* pDoc = (CNoteDoc*)NoteTemplate()->OpenDocumentFile(nullptr);
        PumpMessages();
        return pDoc;
    }
    CString m_path;
};

TEST_F(DocView, NewEditSaveCloseReopen)
{
    theApp.LoadStdProfileSettings(4);
    CNoteDoc* pDoc = NewDoc();
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(pDoc->GetTitle().Left(4), "Note");
    EXPECT_EQ(CountChildFrames(), 1);
    CNoteFrame* pFrame = FrameOf(pDoc);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(pFrame->m_hMenuShared, NoteTemplate()->m_hMenuShared);
    EXPECT_EQ(::GetMenu(MainFrame()->m_hWnd), NoteTemplate()->m_hMenuShared);

    pDoc->m_lines.push_back("third line");
    pDoc->SetModifiedFlag();
    ASSERT_TRUE(pDoc->DoSave(m_path));
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(pDoc->GetTitle(), "test.note");
    CString frameTitle;
    pFrame->GetWindowText(frameTitle);
    EXPECT_EQ(frameTitle, "test.note");

    pDoc->OnCloseDocument();
    PumpMessages();
    EXPECT_EQ(CountChildFrames(), 0);
    EXPECT_EQ(::GetMenu(MainFrame()->m_hWnd), MainFrame()->m_hMenuDefault);

    auto* pReopened = (CNoteDoc*)theApp.OpenDocumentFile(m_path);
    ASSERT_NE(pReopened, nullptr);
    EXPECT_EQ(pReopened->m_lines, (std::vector<CString>{ "first line", "second line", "third line" }));
    EXPECT_FALSE(pReopened->IsModified());
    EXPECT_EQ(theApp.OpenDocumentFile(m_path), pReopened);   // already open: the same document
    EXPECT_EQ((*theApp.m_pRecentFileList)[0].CompareNoCase(m_path), 0);
}

TEST_F(DocView, FailedSaveKeepsTheOldFile)
{
    CNoteDoc* pDoc = NewDoc();
    ASSERT_TRUE(pDoc->DoSave(m_path));
    std::string before = ReadFile(m_path);
    ASSERT_FALSE(before.empty());

    MessageBoxRecorder boxes;
    pDoc->m_lines.assign(50, "a much longer replacement line");
    pDoc->m_bFailStoring = true;
    pDoc->SetModifiedFlag();
    EXPECT_FALSE(pDoc->DoSave(m_path));
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_EQ(ReadFile(m_path), before);
    // No temporary file is left beside it.
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(CString(m_path.Left(m_path.ReverseFind('\\'))) + "\\~*.g7k-tmp", &fd);
    EXPECT_EQ(hFind, INVALID_HANDLE_VALUE);
    if (hFind != INVALID_HANDLE_VALUE)
        ::FindClose(hFind);
}

TEST_F(DocView, MissingFileIsReportedAndOpensNothing)
{
    MessageBoxRecorder boxes;
    EXPECT_EQ(theApp.OpenDocumentFile(m_path), nullptr);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].find("was not found"), std::string::npos);
    EXPECT_EQ(CountChildFrames(), 0);
}

TEST_F(DocView, RefusedNewDocumentLeavesNoWindow)
{
    CNoteDoc::s_bFailNew = true;
    EXPECT_EQ(NoteTemplate()->OpenDocumentFile(nullptr), nullptr);
    CNoteDoc::s_bFailNew = false;
    PumpMessages();
    EXPECT_EQ(CountChildFrames(), 0);
    EXPECT_EQ(NoteTemplate()->GetFirstDocPosition(), nullptr);
}

TEST_F(DocView, ClosingAModifiedDocumentAsksFirst)
{
    CNoteDoc* pDoc = NewDoc();
    pDoc->SetModifiedFlag();
    CNoteFrame* pFrame = FrameOf(pDoc);
    std::string prompt = "Save changes to " + std::string(pDoc->GetTitle()) + "?";
    {
        MessageBoxRecorder boxes;
        boxes.answers = { IDCANCEL };
        pFrame->SendMessage(WM_CLOSE);
        EXPECT_EQ(boxes.texts, (std::vector<std::string>{ prompt }));
        EXPECT_EQ(CountChildFrames(), 1);
    }
    {
        MessageBoxRecorder boxes;
        boxes.answers = { IDNO };
        pFrame->SendMessage(WM_CLOSE);
        PumpMessages();
        EXPECT_EQ(CountChildFrames(), 0);
        EXPECT_EQ(NoteTemplate()->GetFirstDocPosition(), nullptr);
    }
}

TEST_F(DocView, MenuCommandsRouteViewDocumentFrameApplication)
{
    NewDoc();
    struct Case { UINT nID; const char* handler; } cases[] = {
        { ID_TEST_VIEWCMD, "view" }, { ID_TEST_DOCCMD, "doc" }, { ID_TEST_FRAMECMD, "frame" },
        { ID_TEST_APPCMD, "app" }, { ID_TEST_SHARED, "view-shared" },
    };
    for (const Case& c : cases) {
        g_routeLog.clear();
        CNoteDoc* pDoc = (CNoteDoc*)MainFrame()->GetActiveFrame()->GetActiveDocument();
        pDoc->SetModifiedFlag();   // the document command is enabled only then
        MainFrame()->SendMessage(WM_COMMAND, c.nID);
        EXPECT_EQ(g_routeLog, (std::vector<std::string>{ c.handler })) << c.nID;
    }
}

TEST_F(DocView, AcceleratorsOfTheTemplateReachTheView)
{
    CNoteDoc* pDoc = NewDoc();
    CView* pView = MainFrame()->GetActiveFrame()->GetActiveView();
    ASSERT_NE(pView, nullptr);
    pDoc->SetModifiedFlag();
    for (UINT vk : { VK_F7, VK_F8 }) {
        pView->PostMessage(WM_KEYDOWN, vk, 0x00010001);
        PumpMessages();
    }
    EXPECT_EQ(g_routeLog, (std::vector<std::string>{ "view", "doc" }));
}

TEST_F(DocView, PopupMenuItemsFollowTheirHandlers)
{
    CNoteDoc* pDoc = NewDoc();
    HMENU hTest = ::GetSubMenu(NoteTemplate()->m_hMenuShared, 1);
    auto grayed = [&](UINT nID) { return (::GetMenuState(hTest, nID, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    pDoc->SetModifiedFlag(FALSE);
    MainFrame()->SendMessage(WM_INITMENUPOPUP, (WPARAM)hTest, MAKELPARAM(1, FALSE));
    EXPECT_FALSE(grayed(ID_TEST_VIEWCMD));
    EXPECT_TRUE(grayed(ID_TEST_DOCCMD));     // its update handler: not modified
    EXPECT_TRUE(grayed(ID_TEST_NOHANDLER));  // nobody handles it
    pDoc->SetModifiedFlag(TRUE);
    MainFrame()->SendMessage(WM_INITMENUPOPUP, (WPARAM)hTest, MAKELPARAM(1, FALSE));
    EXPECT_FALSE(grayed(ID_TEST_DOCCMD));
}

// Drags from one client point to another of the splitter, as the mouse would.
void Drag(CSplitterWnd& splitter, CPoint from, CPoint to)
{
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    PumpMessages();
}

TEST_F(DocView, DynamicSplitterSplitsIntoFourViewsAndMergesBack)
{
    CNoteDoc* pDoc = NewDoc();
    CNoteFrame* pFrame = FrameOf(pDoc);
    pFrame->MDIMaximize();
    PumpMessages();
    CSplitterWnd& splitter = pFrame->m_wndSplitter;
    ASSERT_EQ(splitter.GetRowCount(), 1);
    CRect client;
    splitter.GetClientRect(&client);
    int cxBar = ::GetSystemMetrics(SM_CXVSCROLL), cyBar = ::GetSystemMetrics(SM_CYHSCROLL);

    // The split boxes sit at the top of the vertical bar and the left of the horizontal one.
    Drag(splitter, CPoint(client.right - cxBar / 2, 2), CPoint(client.right / 2, client.bottom / 2));
    Drag(splitter, CPoint(2, client.bottom - cyBar / 2), CPoint(client.right / 2, client.bottom / 2));
    ASSERT_EQ(splitter.GetRowCount(), 2);
    ASSERT_EQ(splitter.GetColumnCount(), 2);
    EXPECT_EQ(pDoc->m_viewList.size(), 4u);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            auto* pView = dynamic_cast<CNoteView*>(splitter.GetPane(row, col));
            ASSERT_NE(pView, nullptr);
            EXPECT_EQ(pView->GetDocument(), pDoc);
            EXPECT_EQ(pView->m_nInitialUpdates, 1);
        }
    }

    // The panes of a row share its vertical bar and scroll together.
    auto* pTopLeft = (CNoteView*)splitter.GetPane(0, 0);
    auto* pTopRight = (CNoteView*)splitter.GetPane(0, 1);
    auto* pBottomLeft = (CNoteView*)splitter.GetPane(1, 0);
    CScrollBar* pRowBar = pTopLeft->GetScrollBarCtrl(SB_VERT);
    ASSERT_NE(pRowBar, nullptr);
    EXPECT_EQ(pTopRight->GetScrollBarCtrl(SB_VERT), pRowBar);
    splitter.SendMessage(WM_VSCROLL, SB_LINEDOWN, (LPARAM)pRowBar->m_hWnd);
    EXPECT_EQ(pTopLeft->GetDeviceScrollPosition().y, 20);
    EXPECT_EQ(pTopRight->GetDeviceScrollPosition().y, 20);
    EXPECT_EQ(pBottomLeft->GetDeviceScrollPosition().y, 0);

    // Clicking a pane makes it the frame's active view.
    pBottomLeft->SendMessage(WM_MOUSEACTIVATE, (WPARAM)pFrame->m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(pFrame->GetActiveView(), pBottomLeft);

    // Dragging the row bar onto the top edge merges the rows again.
    int rowCur = 0, rowMin = 0;
    splitter.GetRowInfo(0, rowCur, rowMin);
    Drag(splitter, CPoint(10, rowCur + 3), CPoint(10, 0));
    EXPECT_EQ(splitter.GetRowCount(), 1);
    EXPECT_EQ(pDoc->m_viewList.size(), 2u);
    EXPECT_NE(pFrame->GetActiveView(), nullptr);
}

TEST_F(DocView, ScreenshotOfTheFrameWithAChild)
{
    CNoteDoc* pDoc = NewDoc();
    pDoc->m_lines.push_back("A note document in its MDI child frame");
    pDoc->UpdateAllViews(nullptr);
    CNoteFrame* pFrame = FrameOf(pDoc);
    pFrame->MoveWindow(20, 20, 600, 380);
    FrameOf(NewDoc())->MoveWindow(200, 150, 500, 300);
    MainFrame()->SetForegroundWindow();
    MainFrame()->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    PumpMessages();
    ::Sleep(200);
    PumpMessages();
    EXPECT_TRUE(WriteWindowPng(MainFrame()->m_hWnd, "framework_mdi.png"));
}

} // namespace

namespace {

class CTestForm : public CFormView
{
    DECLARE_DYNCREATE(CTestForm)
public:
    CTestForm() : CFormView(IDD_FORM) {}
    CString m_strName = "form text";
    int m_nCount = 3;
    int m_nChanges = 0;
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
    }
    void OnNameChange() { ++m_nChanges; }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestForm, CFormView)

BEGIN_MESSAGE_MAP(CTestForm, CFormView)
    ON_EN_CHANGE(IDC_NAME, OnNameChange)
END_MESSAGE_MAP()

TEST_F(DocView, FormViewShowsItsTemplateAndExchangesData)
{
    auto* pDoc = (CNoteDoc*)RUNTIME_CLASS(CNoteDoc)->CreateObject();
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestForm);
    context.m_pCurrentDoc = pDoc;
    auto* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Form", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, nullptr, 0, &context));
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    PumpMessages();

    auto* pForm = dynamic_cast<CTestForm*>(pFrame->GetActiveView());
    ASSERT_NE(pForm, nullptr);
    EXPECT_EQ(pForm->GetDocument(), pDoc);
    CString text;
    pForm->GetDlgItemText(IDC_NAME, text);
    EXPECT_EQ(text, "form text");
    pForm->m_nChanges = 0;
    pForm->SetDlgItemText(IDC_NAME, "typed");
    EXPECT_EQ(pForm->m_nChanges, 1);   // the control's notification reached the form's map
    pForm->SetDlgItemText(IDC_COUNT, "12");
    EXPECT_TRUE(pForm->UpdateData(TRUE));
    EXPECT_EQ(pForm->m_strName, "typed");
    EXPECT_EQ(pForm->m_nCount, 12);
    CSize total = pForm->GetTotalSize();
    EXPECT_GT(total.cx, 0);
    pFrame->DestroyWindow();   // the last view goes, and the document with it
    PumpMessages();
}

} // namespace

namespace {

TEST_F(DocView, ClosingTheMainWindowAsksForEveryDocumentThenEndsTheLoop)
{
    CNoteDoc* pFirst = NewDoc();
    CNoteDoc* pSecond = NewDoc();
    pFirst->SetModifiedFlag();
    pSecond->SetModifiedFlag();
    CMainFrame* pMain = MainFrame();
    {
        MessageBoxRecorder boxes;
        boxes.answers = { IDNO, IDCANCEL };   // the second refuses: nothing closes
        pMain->SendMessage(WM_CLOSE);
        EXPECT_EQ(boxes.texts.size(), 2u);
        EXPECT_EQ(theApp.m_pMainWnd, pMain);
        EXPECT_EQ(CountChildFrames(), 2);
    }
    {
        MessageBoxRecorder boxes;
        boxes.answers = { IDNO, IDNO };
        pMain->SendMessage(WM_CLOSE);
        EXPECT_EQ(theApp.m_pMainWnd, nullptr);   // gone, and the loop was told to quit
        MSG msg;
        EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }
    EXPECT_EQ(NoteTemplate()->GetFirstDocPosition(), nullptr);
}

} // namespace

namespace {

VOID CALLBACK PickSecondType(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    HWND hDlg = ::FindWindowA(nullptr, "New");
    if (hDlg == nullptr)
        return;
    ::KillTimer(nullptr, idEvent);
    ::SendDlgItemMessageA(hDlg, 100, LB_SETCURSEL, 1, 0);
    ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
}

TEST(DocManager, NewAsksForTheDocumentTypeWhenThereAreSeveral)
{
    CDocManager manager;
    auto* pFirst = new CMultiDocTemplate(IDR_NOTETYPE, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CNoteFrame),
                                         RUNTIME_CLASS(CNoteView));
    auto* pSecond = new CMultiDocTemplate(IDR_NOTETYPE, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CNoteFrame),
                                          RUNTIME_CLASS(CNoteView));
    manager.AddDocTemplate(pFirst);
    EXPECT_EQ(manager.ChooseTemplateForNew(), pFirst);   // one: no question
    manager.AddDocTemplate(pSecond);
    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, PickSecondType);
    EXPECT_EQ(manager.ChooseTemplateForNew(), pSecond);
    ::KillTimer(nullptr, timer);

    CString name, filter;
    EXPECT_TRUE(pFirst->GetDocString(name, CDocTemplate::fileNewName));
    EXPECT_EQ(name, "Note Document");
    EXPECT_EQ(AfxFilterForTemplate(pFirst), "Note Files (*.note)|*.note|");
    CDocument* pMatch = nullptr;
    EXPECT_EQ(pFirst->MatchDocType("C:\\x\\a.NOTE", pMatch), CDocTemplate::yesAttemptNative);
    EXPECT_EQ(pFirst->MatchDocType("C:\\x.y\\a", pMatch), CDocTemplate::yesAttemptForeign);
}

} // namespace

namespace {

HDROP MakeDrop(const CString& path)
{
    size_t cb = sizeof(DROPFILES) + path.GetLength() + 2;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
    auto* pDrop = (DROPFILES*)::GlobalLock(hGlobal);
    pDrop->pFiles = sizeof(DROPFILES);
    memcpy((char*)pDrop + sizeof(DROPFILES), (LPCTSTR)path, path.GetLength());
    ::GlobalUnlock(hGlobal);
    return (HDROP)hGlobal;
}

TEST_F(DocView, DroppedFilesAreOpened)
{
    CNoteDoc* pDoc = NewDoc();
    pDoc->m_lines = { "dropped" };
    ASSERT_TRUE(pDoc->DoSave(m_path));
    pDoc->OnCloseDocument();
    PumpMessages();

    MainFrame()->SendMessage(WM_DROPFILES, (WPARAM)MakeDrop(m_path));
    PumpMessages();
    POSITION pos = NoteTemplate()->GetFirstDocPosition();
    ASSERT_NE(pos, nullptr);
    auto* pOpened = (CNoteDoc*)NoteTemplate()->GetNextDoc(pos);
    EXPECT_EQ(pOpened->m_lines, (std::vector<CString>{ "dropped" }));
}

} // namespace
