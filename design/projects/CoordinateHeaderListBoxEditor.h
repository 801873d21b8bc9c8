// The set names: adding, renaming and deleting a name keeps the file's sets
// in step; a name that would not read back as a name, or that another set
// has, is refused.
#pragma once

#include "framework/Framework.h"
#include "mvc/controls/ListBoxEditor.h"

class CGeometryFileDlg;

class CCoordinateHeaderListBoxEditor : public SECListBoxEditor
{
public:
    explicit CCoordinateHeaderListBoxEditor(CGeometryFileDlg& dialog) : m_dialog(dialog) {}

    void OnItemAdded(int nIndex, CString strText) override;
    void OnItemRenamed(int nIndex, CString strOld, CString strNew) override;
    BOOL OnDeleteItem(int nIndex, CString strText) override;

private:
    CGeometryFileDlg& m_dialog;
};
