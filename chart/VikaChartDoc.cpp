#include "framework/Framework.h"
#include "chart/VikaChartDoc.h"
#include "design/projects/VikaCreateProtocolDlg.h"

IMPLEMENT_DYNCREATE(CVikaChartDoc, CDocument)

BEGIN_MESSAGE_MAP(CVikaChartDoc, CDocument)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
END_MESSAGE_MAP()

CVikaChartDoc::CVikaChartDoc() : m_link(this) { m_model.SetDocument(&m_link); }

CVikaChartDoc::~CVikaChartDoc() { m_model.SetDocument(nullptr); }

BOOL CVikaChartDoc::OnNewDocument() {
  CVikaCreateProtocolDlg dialog(nullptr, nullptr);
  if (dialog.DoModal() != IDOK) return FALSE;
  if (!CDocument::OnNewDocument()) return FALSE;
  CString folder = dialog.GetTargetFolder();
  if (!folder.IsEmpty() && folder.Right(1) != "\\" && folder.Right(1) != "/")
    folder += "\\";
  const CString path = folder + dialog.GetSettings().m_strProtocolId + ".ORG";
  if (!LoadProtocol(path)) return FALSE;
  // The new chart is that protocol: saving and reloading use its path.
  SetPathName(path, FALSE);
  return TRUE;
}

BOOL CVikaChartDoc::LoadProtocol(const CString& path) {
  if (m_model.OpenProtocolFiles(path)) return TRUE;
  AfxMessageBox("The protocol cannot be opened.\n\n" + m_model.GetOpenError(),
                MB_ICONEXCLAMATION);
  return FALSE;
}

BOOL CVikaChartDoc::OnOpenDocument(LPCTSTR lpszPathName) {
  DeleteContents();
  if (!LoadProtocol(lpszPathName)) return FALSE;
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CVikaChartDoc::OnSaveDocument(LPCTSTR lpszPathName) {
  if (!m_model.SaveProtocolFiles(lpszPathName)) {
    CString message;
    message.Format(
        "The protocol \"%s\" could not be saved; the files on disk are "
        "unchanged.",
        lpszPathName);
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CVikaChartDoc::Serialize(CArchive& ar) { m_model.Serialize(ar); }

BOOL CVikaChartDoc::IsModified() {
  return CDocument::IsModified() || m_model.IsModified();
}

void CVikaChartDoc::SetModifiedFlag(BOOL bModified) {
  CDocument::SetModifiedFlag(bModified);
  m_model.SetModified(bModified);
}

void CVikaChartDoc::OnUpdateFileSave(CCmdUI* pCmdUI) {
  pCmdUI->Enable(IsModified());
}
