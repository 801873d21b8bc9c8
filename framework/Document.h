// Documents: the data behind one or more views, with its path, title and
// modified flag, loaded and saved through CArchive.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/String.h"

#include <vector>

class CView;
class CFrameWnd;
class CDocTemplate;
class CArchive;
class CFile;
class CException;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Sets the title and refreshes every frame showing the document.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // Views.
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    virtual void OnChangedViewList();
    void UpdateFrameCounts();

    // Life cycle.
    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Writes to a temporary file beside the target and renames it over the
    // target only when everything was written: a failed save keeps the old
    // file.
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // Asks "Save changes to <title>?" when modified; FALSE when cancelled or
    // when the save failed.
    virtual BOOL SaveModified();
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    // Where Save As starts for a document that has no file yet; empty: the
    // file dialog's own choice (the current directory, which other file
    // dialogs move).
    virtual CString GetNewFileFolder() { return CString(); }
    virtual BOOL DoFileSave();
    virtual HMENU GetDefaultMenu() { return nullptr; }
    virtual HACCEL GetDefaultAccelerator() { return nullptr; }
    virtual void OnIdle() {}

    void Serialize(CArchive& ar) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Standard commands.
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_viewList;
    BOOL m_bModified = FALSE;
    BOOL m_bAutoDelete = TRUE;
    BOOL m_bEmbedded = FALSE;

protected:
    DECLARE_MESSAGE_MAP()
};
