#include "framework/Framework.h"
#include "framework/FileReplacement.h"
#include "framework/PathNames.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // Views still attached lose their document.
    for (CView* pView : m_viewList)
        pView->m_pDocument = nullptr;
    m_viewList.clear();
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle != nullptr ? lpszTitle : "";
    UpdateFrameCounts();
}

static CString FileTitleOf(LPCTSTR lpszPathName)
{
    char title[MAX_PATH] = {};
    if (::GetFileTitleA(lpszPathName, title, MAX_PATH) == 0)
        return title;
    return FileNamePart(lpszPathName);
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    // A result that does not fit leaves the buffer unfilled: keep the name.
    char full[MAX_PATH];
    DWORD nFull = ::GetFullPathNameA(lpszPathName, MAX_PATH, full, nullptr);
    if (nFull > 0 && nFull < MAX_PATH)
        m_strPathName = full;
    else
        m_strPathName = lpszPathName;
    SetTitle(FileTitleOf(m_strPathName));
    if (bAddToMRU) {
        if (CWinApp* pApp = AfxGetApp())
            pApp->AddToRecentFileList(m_strPathName);
    }
}

BOOL CDocument::IsModified() { return m_bModified; }

void CDocument::SetModifiedFlag(BOOL bModified) { m_bModified = bModified; }

void CDocument::AddView(CView* pView)
{
    if (std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end())
        return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (it == m_viewList.end())
        return;
    m_viewList.erase(it);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

// POSITION over the view list: the index plus one.
POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.empty() ? nullptr : reinterpret_cast<POSITION>((UINT_PTR)1);
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    size_t nIndex = (size_t)reinterpret_cast<UINT_PTR>(rPosition) - 1;
    CView* pView = nIndex < m_viewList.size() ? m_viewList[nIndex] : nullptr;
    rPosition = nIndex + 1 < m_viewList.size() ? reinterpret_cast<POSITION>((UINT_PTR)(nIndex + 2)) : nullptr;
    return pView;
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    std::vector<CView*> views = m_viewList;
    for (CView* pView : views) {
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    // The last view gone: the document goes too.
    if (m_viewList.empty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    // Number the frames showing this document (":1", ":2", ...) when there are several.
    std::vector<CFrameWnd*> frames;
    for (CView* pView : m_viewList) {
        if (pView->m_hWnd == nullptr || !::IsWindowVisible(pView->m_hWnd))
            continue;
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    }
    int nFrame = 1;
    for (CFrameWnd* pFrame : frames)
        pFrame->m_nWindow = frames.size() == 1 ? 0 : nFrame++;
    for (CFrameWnd* pFrame : frames)
        pFrame->OnUpdateFrameTitle(TRUE);
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::Serialize(CArchive&) {}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFile file;
    CFileException fe;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, 0);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE);   // dirty while half loaded
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        CWaitCursor wait;
        Serialize(ar);
        ar.Close();
        file.Close();
    } catch (CException& e) {
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(lpszPathName, &e, FALSE, 0);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    // Write beside the target, then replace it: a failure anywhere keeps the
    // old file as it was.
    // A name too long for the buffer is kept whole, never cut to another name.
    CString full = lpszPathName;
    char absolute[MAX_PATH];
    DWORD nFull = ::GetFullPathNameA(lpszPathName, MAX_PATH, absolute, nullptr);
    if (nFull > 0 && nFull < MAX_PATH)
        full = absolute;
    CFileReplacement replacement;
    OsFile::Error error;
    if (!replacement.Add(full, error)) {
        CFileException fe;
        fe.m_cause = CFileException::accessDenied;
        fe.m_lOsError = error.osError;
        fe.m_strFileName = full;
        ReportSaveLoadException(full, &fe, TRUE, 0);
        return FALSE;
    }

    CFile file;
    CFileException fe;
    if (!file.Open(replacement.GetTempPath(0), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe)) {
        fe.m_strFileName = full;
        ReportSaveLoadException(full, &fe, TRUE, 0);
        return FALSE;
    }
    try {
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        CWaitCursor wait;
        Serialize(ar);
        ar.Close();
        file.Close();
    } catch (CException& e) {
        file.Abort();
        ReportSaveLoadException(full, &e, TRUE, 0);
        return FALSE;
    }
    if (!replacement.Commit(error)) {
        CFileException rename;
        rename.m_cause = error.osError == ERROR_ACCESS_DENIED ? CFileException::accessDenied : CFileException::genericException;
        rename.m_lOsError = error.osError;
        rename.m_strFileName = full;
        ReportSaveLoadException(full, &rename, TRUE, 0);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT)
{
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return;   // already reported
    CString message;
    if (e != nullptr)
        message = e->GetErrorMessage();
    if (message.IsEmpty()) {
        message.Format(bSaving ? "Failed to save document %s." : "Failed to open document %s.",
                       lpszPathName != nullptr ? lpszPathName : "");
    }
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}

void CDocument::OnCloseDocument()
{
    // Destroying the frames removes the views; keep this object alive meanwhile.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CView* pView = m_viewList.front();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr) {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        } else {
            pView->DestroyWindow();
        }
        if (!m_viewList.empty() && m_viewList.front() == pView)
            RemoveView(pView);   // a view that would not go
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Another frame still shows the document: nothing to ask.
    for (CView* pView : m_viewList) {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : FileTitleOf(m_strPathName);
    if (name.IsEmpty())
        name = "Untitled";
    CString prompt;
    prompt.Format("Save changes to %s?", (LPCTSTR)name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    case IDNO:
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    DWORD dwAttrib = ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty() || (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return DoSave(nullptr);   // ask for a name
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString newName = lpszPathName != nullptr ? lpszPathName : "";
    if (newName.IsEmpty()) {
        newName = m_strPathName;
        if (bReplace && newName.IsEmpty()) {
            newName = m_strTitle;
            // Make a file name of the title: no characters a path may not hold.
            for (int i = 0; i < newName.GetLength(); ++i) {
                if (strchr(" #%;/\\:*?\"<>|", newName[i]) != nullptr) {
                    newName = newName.Left(i);
                    break;
                }
            }
            CString ext;
            if (m_pDocTemplate != nullptr && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt) &&
                !ext.IsEmpty())
                newName += ext;
            // A name with a folder makes the dialog start there.
            const CString folder = GetNewFileFolder();
            if (!folder.IsEmpty())
                newName = WithTrailingBackslash(folder) + newName;
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp == nullptr ||
            !pApp->DoPromptFileName(newName, 0, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
            return FALSE;
    }
    if (!OnSaveDocument(newName))
        return FALSE;
    if (bReplace)
        SetPathName(newName);
    return TRUE;
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Then the template.
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
