// The base document of the conversion, Vika and Polyvect projects: it owns
// its model and saves and loads through it. Made on its own (dynamic
// creation) it is the generic project document of a family not yet built.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolModel.h"

class CProtocolDoc : public CDocument
{
    DECLARE_DYNCREATE(CProtocolDoc)

public:
    CProtocolDoc();
    explicit CProtocolDoc(CProtocolModel* pModel);
    ~CProtocolDoc() override;

    void Serialize(CArchive& ar) override;
    BOOL IsModified() override;
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    BOOL OnNewDocument() override;
    // The project folder of the profile ("Folders"/"WorkingDir").
    CString GetNewFileFolder() override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    // A project file this program cannot read names itself and the reason.
    void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault) override;

    CProtocolModel* GetModel() const { return m_pModel; }

protected:
    CProtocolModel* m_pModel;

    DECLARE_MESSAGE_MAP()
};

// The model of the generic project document: one "Name" column, a record
// for every file name, no file reading.
class CGenericProjectModel : public CProtocolModel
{
public:
    CGenericProjectModel();
    BOOL AddByFileName(LPCTSTR pszName) override;
    CProtocolItem* CreateItem() override;
};
