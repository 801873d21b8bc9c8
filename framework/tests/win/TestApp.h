// The framework's test application: one multi-document template whose
// document holds a few strings, shown by a scroll view in a 2 x 2 dynamic
// splitter inside an MDI child frame.
#pragma once

#include "framework/Framework.h"
#include "framework/tests/win/TestResource.h"

#include <string>
#include <vector>

// Which handlers ran, in order.
extern std::vector<std::string> g_routeLog;

class CNoteDoc : public CDocument
{
    DECLARE_DYNCREATE(CNoteDoc)
public:
    std::vector<CString> m_lines;
    static bool s_bFailNew;    // OnNewDocument refuses
    bool m_bFailStoring = false;   // Serialize throws half-way through a save

    BOOL OnNewDocument() override;
    void DeleteContents() override { m_lines.clear(); }
    void Serialize(CArchive& ar) override;

    void OnDocCommand() { g_routeLog.push_back("doc"); }
    void OnShared() { g_routeLog.push_back("doc-shared"); }
    void OnUpdateDocCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(IsModified()); }
    DECLARE_MESSAGE_MAP()
};

class CNoteView : public CScrollView
{
    DECLARE_DYNCREATE(CNoteView)
public:
    CNoteDoc* GetDocument() const { return (CNoteDoc*)m_pDocument; }
    int m_nInitialUpdates = 0;

    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

    void OnViewCommand() { g_routeLog.push_back("view"); }
    void OnShared() { g_routeLog.push_back("view-shared"); }
    DECLARE_MESSAGE_MAP()
};

class CNoteFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CNoteFrame)
public:
    CSplitterWnd m_wndSplitter;

    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnFrameCommand() { g_routeLog.push_back("frame"); }
    DECLARE_MESSAGE_MAP()
};

class CMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
};

class CTestApp : public CWinApp
{
public:
    CTestApp();
    // Idle counts seen, for the message loop test.
    std::vector<LONG> m_idleCounts;
    bool m_bRecordIdle = false;

    BOOL OnIdle(LONG lCount) override;
    void OnAppCommand() { g_routeLog.push_back("app"); }
    DECLARE_MESSAGE_MAP()
};

extern CTestApp theApp;

// Answers message boxes in tests: each box is recorded and answered with
// the next queued answer (IDOK when none is queued).
struct MessageBoxRecorder
{
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    std::vector<std::string> texts;
    std::vector<int> answers;
};

// Dispatches every waiting message (WM_QUIT is dropped).
void PumpMessages();

// The template of the note documents (added once).
CMultiDocTemplate* NoteTemplate();

// The main frame, created on first use.
CMainFrame* MainFrame();
