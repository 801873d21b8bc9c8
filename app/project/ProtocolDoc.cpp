#include "framework/Framework.h"
#include "app/project/ProtocolDoc.h"
#include "app/project/FolderSettings.h"
#include "app/project/ProjectFileReader.h"
#include "framework/HostServices.h"
#include "framework/OsFile.h"
#include "app/project/ProtocolItem.h"
#include "app/project/ProtocolListCtrl.h"

IMPLEMENT_DYNCREATE(CProtocolDoc, CDocument)

BEGIN_MESSAGE_MAP(CProtocolDoc, CDocument)
END_MESSAGE_MAP()

CProtocolDoc::CProtocolDoc()
    : m_pModel(new CGenericProjectModel)
{
}

CProtocolDoc::CProtocolDoc(CProtocolModel* pModel)
    : m_pModel(pModel ? pModel : new CGenericProjectModel)
{
}

CProtocolDoc::~CProtocolDoc()
{
    delete m_pModel;
}

void CProtocolDoc::Serialize(CArchive& ar)
{
    m_pModel->Serialize(ar);
}

BOOL CProtocolDoc::IsModified()
{
    return CDocument::IsModified() || m_pModel->IsModified();
}

void CProtocolDoc::SetModifiedFlag(BOOL bModified)
{
    CDocument::SetModifiedFlag(bModified);
}

BOOL CProtocolDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

CString CProtocolDoc::GetNewFileFolder()
{
    const CString strFolder =
        CFolderSettings::Read(GetHostServices().Profile(), CFolderSettings::Key(CFolderSettings::WorkingDir),
                              CFolderSettings::Default(CFolderSettings::WorkingDir));
    DWORD dwAttributes = 0;
    const DWORD dwDirectory = 0x10;  // CFile::directory
    const bool bFolder = OsFile::GetAttributes(strFolder, dwAttributes) && (dwAttributes & dwDirectory);
    return bFolder ? strFolder : CString();
}

BOOL CProtocolDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    const BOOL bSaved = CDocument::OnSaveDocument(lpszPathName);
    m_pModel->SetModifiedFlag(!bSaved);
    return bSaved;
}

void CProtocolDoc::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    auto* pProjectError = dynamic_cast<CProjectFileException*>(e);
    if (bSaving || !pProjectError) {
        CDocument::ReportSaveLoadException(lpszPathName, e, bSaving, nIDPDefault);
        return;
    }
    CString strMessage;
    strMessage.Format("The project %s cannot be opened.\n\n%s", lpszPathName ? lpszPathName : "",
                      static_cast<LPCTSTR>(pProjectError->GetReason()));
    AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
}

namespace {

// Shows the record's name in the first column.
class CGenericProjectItem : public CProtocolItem
{
public:
    void OnUpdate(rw::ISubject*, rw::Hint) override
    {
        if (m_pOwner && m_pSubject && m_pOwner->GetSafeHwnd())
            m_pOwner->SetItemText(m_nRow, 0, m_pSubject->GetName());
    }
};

} // namespace

CGenericProjectModel::CGenericProjectModel()
{
    CColumnProperty name(0, LVCFMT_LEFT, 0, FALSE, "Name", "File name");
    m_columns.SetAt(0, name);
}

BOOL CGenericProjectModel::AddByFileName(LPCTSTR pszName)
{
    return AddNamedRecord(pszName);
}

CProtocolItem* CGenericProjectModel::CreateItem()
{
    return new CGenericProjectItem;
}
