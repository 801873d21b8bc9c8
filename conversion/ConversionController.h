// The commands of a data conversion project's window: add, remove and
// rename data files, select all, convert (F8), view the project's logs and
// choose the list's columns. It sees the view's commands first.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolController.h"
#include "conversion/ConversionModel.h"

class CConversionViewport;
class CConversionDoc;

class CConversionController : public CProtocolController
{
public:
    CConversionController() = default;
    ~CConversionController() override = default;

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual BOOL HasSelection();

    CConversionViewport* GetConversionViewport() const;
    CConversionModel* GetConversionModel() const;
    CConversionDoc* GetConversionDocument() const;

    void OnAddFiles();
    void OnRemoveFiles();
    void OnRenameFile();
    void OnSelectAll();
    void OnConvert();
    void OnViewLogFile();
    void OnOptions();

protected:
    void OnUpdateAddFiles(CCmdUI* pCmdUI);
    void OnUpdateRemoveFiles(CCmdUI* pCmdUI);
    void OnUpdateRenameFile(CCmdUI* pCmdUI);
    void OnUpdateSelectAll(CCmdUI* pCmdUI);
    void OnUpdateConvert(CCmdUI* pCmdUI);
    void OnUpdateViewLogFile(CCmdUI* pCmdUI);
    void OnUpdateOptions(CCmdUI* pCmdUI);

    int SelectedCount();
    // The project's path cut before its extension; empty for a new project.
    CString ProjectStem() const;
    bool HasProjectLogs() const;
    int Message(LPCTSTR pszText, LPCTSTR pszCaption, UINT nType);

    DECLARE_MESSAGE_MAP()
};
