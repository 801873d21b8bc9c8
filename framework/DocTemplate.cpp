#include "framework/Framework.h"
#include "framework/DialogTemplate.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)
IMPLEMENT_DYNAMIC(CDocManager, CObject)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const
{
    return AfxExtractSubString(rString, m_strDocStrings, (int)index);
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = nullptr; }

static bool SamePath(const CString& a, LPCTSTR b)
{
    char fullA[MAX_PATH], fullB[MAX_PATH];
    if (!::GetFullPathNameA(a, MAX_PATH, fullA, nullptr) || !::GetFullPathNameA(b, MAX_PATH, fullB, nullptr))
        return lstrcmpiA(a, b) == 0;
    return lstrcmpiA(fullA, fullB) == 0;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = nullptr;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->GetPathName().IsEmpty() && SamePath(pDoc->GetPathName(), lpszPathName)) {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    // The extension: ".ext" or ".a;.b".
    CString strFilterExt;
    LPCTSTR lpszDot = strrchr(lpszPathName, '.');
    if (lpszDot != nullptr && strpbrk(lpszDot, "\\/") == nullptr && GetDocString(strFilterExt, filterExt) &&
        !strFilterExt.IsEmpty()) {
        CString ext;
        for (int i = 0; AfxExtractSubString(ext, strFilterExt, i, ';'); ++i) {
            ext.TrimLeft();
            ext.TrimRight();
            if (ext.GetLength() > 0 && ext[0] == '*')
                ext = ext.Mid(1);
            if (lstrcmpiA(lpszDot, ext) == 0)
                return yesAttemptNative;
        }
    }
    return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == nullptr)
        return nullptr;
    CObject* pObject = m_pDocClass->CreateObject();
    auto* pDocument = dynamic_cast<CDocument*>(pObject);
    if (pDocument == nullptr) {
        delete pObject;
        return nullptr;
    }
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (m_pFrameClass == nullptr)
        return nullptr;
    CObject* pObject = m_pFrameClass->CreateObject();
    auto* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (pFrame == nullptr) {
        delete pObject;
        return nullptr;
    }
    // A frame that fails to load has deleted itself.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    std::vector<CDocument*> docs;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
        docs.push_back(GetNextDoc(pos));
    for (CDocument* pDoc : docs)
        pDoc->OnCloseDocument();
}

// Multiple documents ------------------------------------------------------------

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
    LoadTemplate();
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    for (CDocument* pDoc : m_docList)
        pDoc->m_pDocTemplate = nullptr;   // outlived by its documents: let go
    m_docList.clear();
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    if (m_nIDResource == 0)
        return;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_hMenuShared == nullptr)
        m_hMenuShared = ::LoadMenuA(hInst, MAKEINTRESOURCE(m_nIDResource));
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCE(m_nIDResource));
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.empty() ? nullptr : reinterpret_cast<POSITION>((UINT_PTR)1);
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    size_t nIndex = (size_t)reinterpret_cast<UINT_PTR>(rPos) - 1;
    CDocument* pDoc = nIndex < m_docList.size() ? m_docList[nIndex] : nullptr;
    rPos = nIndex + 1 < m_docList.size() ? reinterpret_cast<POSITION>((UINT_PTR)(nIndex + 2)) : nullptr;
    return pDoc;
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    if (std::find(m_docList.begin(), m_docList.end(), pDoc) == m_docList.end())
        m_docList.push_back(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    m_docList.erase(std::remove(m_docList.begin(), m_docList.end(), pDoc), m_docList.end());
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strDocName;
    if (GetDocString(strDocName, docName) && !strDocName.IsEmpty()) {
        CString number;
        number.Format("%d", m_nUntitledCount + 1);
        strDocName += number;
    } else {
        strDocName = "Untitled";
    }
    pDocument->SetTitle(strDocName);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = CreateNewDocument();
    if (pDocument == nullptr) {
        AfxMessageBox("Failed to create empty document.", MB_ICONEXCLAMATION);
        return nullptr;
    }
    // The document must survive a frame that fails.
    BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr) {
        AfxMessageBox("Failed to create empty document.", MB_ICONEXCLAMATION);
        delete pDocument;
        return nullptr;
    }

    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible)
            pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument()) {
            // The user was told; the frame and with it the document go.
            pFrame->DestroyWindow();
            return nullptr;
        }
        m_nUntitledCount++;
    } else {
        CWaitCursor wait;
        if (!pDocument->OnOpenDocument(lpszPathName)) {
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

// Document manager ---------------------------------------------------------------

CDocManager::~CDocManager()
{
    for (CDocTemplate* pTemplate : m_templateList)
        delete pTemplate;
    m_templateList.clear();
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    pTemplate->LoadTemplate();
    m_templateList.push_back(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const
{
    return m_templateList.empty() ? nullptr : reinterpret_cast<POSITION>((UINT_PTR)1);
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const
{
    size_t nIndex = (size_t)reinterpret_cast<UINT_PTR>(pos) - 1;
    CDocTemplate* pTemplate = nIndex < m_templateList.size() ? m_templateList[nIndex] : nullptr;
    pos = nIndex + 1 < m_templateList.size() ? reinterpret_cast<POSITION>((UINT_PTR)(nIndex + 2)) : nullptr;
    return pTemplate;
}

int CDocManager::GetDocumentCount()
{
    int nCount = 0;
    for (CDocTemplate* pTemplate : m_templateList) {
        POSITION pos = pTemplate->GetFirstDocPosition();
        while (pos != nullptr) {
            pTemplate->GetNextDoc(pos);
            ++nCount;
        }
    }
    return nCount;
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return nullptr;
    char szPath[MAX_PATH];
    if (::GetFullPathNameA(lpszFileName, MAX_PATH, szPath, nullptr) == 0)
        lstrcpynA(szPath, lpszFileName, MAX_PATH);

    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocTemplate* pBestTemplate = nullptr;
    CDocument* pOpenDocument = nullptr;
    for (CDocTemplate* pTemplate : m_templateList) {
        CDocument* pDoc = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(szPath, pDoc);
        if (match > bestMatch) {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
        if (match == CDocTemplate::yesAlreadyOpen) {
            pOpenDocument = pDoc;
            break;
        }
    }
    if (pOpenDocument != nullptr) {
        POSITION pos = pOpenDocument->GetFirstViewPosition();
        if (pos != nullptr) {
            CView* pView = pOpenDocument->GetNextView(pos);
            if (CFrameWnd* pFrame = pView->GetParentFrame())
                pFrame->ActivateFrame();
        }
        return pOpenDocument;
    }
    if (pBestTemplate == nullptr) {
        AfxMessageBox("Failed to open document.", MB_ICONEXCLAMATION);
        return nullptr;
    }
    return pBestTemplate->OpenDocumentFile(szPath);
}

BOOL CDocManager::SaveAllModified()
{
    for (CDocTemplate* pTemplate : m_templateList) {
        if (!pTemplate->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    for (CDocTemplate* pTemplate : m_templateList)
        pTemplate->CloseAllDocuments(bEndSession);
}

CString AfxFilterForTemplate(CDocTemplate* pTemplate, CString* pstrDefaultExt)
{
    CString name, exts;
    if (!pTemplate->GetDocString(name, CDocTemplate::filterName) || name.IsEmpty() ||
        !pTemplate->GetDocString(exts, CDocTemplate::filterExt) || exts.IsEmpty())
        return "";
    CString patterns, ext;
    for (int i = 0; AfxExtractSubString(ext, exts, i, ';'); ++i) {
        ext.TrimLeft();
            ext.TrimRight();
        if (ext.IsEmpty())
            continue;
        if (pstrDefaultExt != nullptr && pstrDefaultExt->IsEmpty())
            *pstrDefaultExt = ext[0] == '.' ? ext.Mid(1) : ext;
        if (!patterns.IsEmpty())
            patterns += ";";
        patterns += ext[0] == '*' ? ext : "*" + ext;
    }
    return name + "|" + patterns + "|";
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                   CDocTemplate* pTemplate)
{
    CString filter, defaultExt;
    if (pTemplate != nullptr) {
        filter = AfxFilterForTemplate(pTemplate, &defaultExt);
    } else {
        for (CDocTemplate* pEach : m_templateList)
            filter += AfxFilterForTemplate(pEach, defaultExt.IsEmpty() ? &defaultExt : nullptr);
    }
    filter += "All Files (*.*)|*.*||";

    CFileDialog dlg(bOpenFileDialog, defaultExt.IsEmpty() ? nullptr : (LPCTSTR)defaultExt, fileName,
                    lFlags | OFN_HIDEREADONLY | (bOpenFileDialog ? 0 : OFN_OVERWRITEPROMPT), filter);
    CString title;
    if (nIDSTitle != 0)
        title.LoadString(nIDSTitle);
    if (title.IsEmpty())
        title = bOpenFileDialog ? "Open" : "Save As";
    dlg.m_ofn.lpstrTitle = title;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    fileName = dlg.GetPathName();
    return TRUE;
}

namespace {

// "New": which kind of document.
class CNewTypeDlg : public CDialog
{
public:
    explicit CNewTypeDlg(const std::vector<CDocTemplate*>& templates) : m_templates(templates) {}

    CDocTemplate* m_pSelected = nullptr;

    int Run()
    {
        CDialogTemplateBuilder builder("New", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 180, 90);
        builder.AddItem(0x0082, "&New", 0xFFFF, SS_LEFT, 7, 7, 100, 8);
        builder.AddItem(0x0083, "", 100, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 7, 18, 110, 65);
        builder.AddItem(0x0080, "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 124, 18, 50, 14);
        builder.AddItem(0x0080, "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 124, 36, 50, 14);
        InitModalIndirect(builder.Get());
        return DoModal();
    }

    BOOL OnInitDialog() override
    {
        CListBox* pList = (CListBox*)GetDlgItem(100);
        for (CDocTemplate* pTemplate : m_templates) {
            CString name;
            if (pTemplate->GetDocString(name, CDocTemplate::fileNewName) && !name.IsEmpty()) {
                int i = pList->AddString(name);
                pList->SetItemDataPtr(i, pTemplate);
            }
        }
        pList->SetCurSel(0);
        return CDialog::OnInitDialog();
    }

    void OnOK() override
    {
        CListBox* pList = (CListBox*)GetDlgItem(100);
        int i = pList->GetCurSel();
        if (i == LB_ERR)
            return;
        m_pSelected = (CDocTemplate*)pList->GetItemDataPtr(i);
        EndDialog(IDOK);
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == 100 && HIWORD(wParam) == LBN_DBLCLK) {
            OnOK();
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }

private:
    std::vector<CDocTemplate*> m_templates;
};

} // namespace

CDocTemplate* CDocManager::ChooseTemplateForNew()
{
    if (m_templateList.size() == 1)
        return m_templateList.front();
    CNewTypeDlg dlg(m_templateList);
    if (dlg.Run() != IDOK)
        return nullptr;
    return dlg.m_pSelected;
}

void CDocManager::OnFileNew()
{
    if (m_templateList.empty()) {
        AfxMessageBox("No document types are registered.", MB_ICONEXCLAMATION);
        return;
    }
    CDocTemplate* pTemplate = ChooseTemplateForNew();
    if (pTemplate != nullptr)
        pTemplate->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen()
{
    CString newName;
    if (!DoPromptFileName(newName, 0, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr))
        return;
    if (CWinApp* pApp = AfxGetApp())
        pApp->OpenDocumentFile(newName);
}
