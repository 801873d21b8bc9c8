#include "framework/Framework.h"
#include "design/projects/CoordinateHeaderListBoxEditor.h"
#include "design/projects/CoordinateEditing.h"
#include "design/projects/GeometryFileDlg.h"

namespace {

void Refuse(const CString& strProblem)
{
    AfxMessageBox(strProblem, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

void CCoordinateHeaderListBoxEditor::OnItemAdded(int nIndex, CString strText)
{
    SECListBoxEditor::OnItemAdded(nIndex, strText);
    strText.Trim();
    if (strText.IsEmpty())
        return;
    const CString strProblem = SetNameProblem(m_dialog.GetFile(), strText);
    if (!strProblem.IsEmpty()) {
        GetRows()->DeleteString(nIndex);
        EnsureTrailingRow();
        Refuse(strProblem);
        return;
    }
    m_dialog.StoreCurrentSet();
    m_dialog.GetFile().AddSet(strText);
    m_dialog.ShowCurrentSet();
}

void CCoordinateHeaderListBoxEditor::OnItemRenamed(int nIndex, CString strOld, CString strNew)
{
    SECListBoxEditor::OnItemRenamed(nIndex, strOld, strNew);
    strNew.Trim();
    if (strOld == strNew)
        return;
    const CString strProblem = SetNameProblem(m_dialog.GetFile(), strNew, strOld);
    if (!strProblem.IsEmpty()) {
        GetRows()->InsertString(nIndex, strOld);
        GetRows()->DeleteString(nIndex + 1);
        Refuse(strProblem);
        return;
    }
    m_dialog.StoreCurrentSet();
    RenameSet(m_dialog.GetFile(), strOld, strNew);
    m_dialog.ShowCurrentSet();
}

BOOL CCoordinateHeaderListBoxEditor::OnDeleteItem(int nIndex, CString strText)
{
    if (!SECListBoxEditor::OnDeleteItem(nIndex, strText))
        return FALSE;
    RemoveSet(m_dialog.GetFile(), strText);
    // The coordinates of the removed set are no longer shown.
    m_dialog.ShowCurrentSet();
    return TRUE;
}
