// Edits one geometry file: the set names on the left, the coordinates of
// the chosen set on the right, both editable; one coordinate is edited in
// the coordinate item dialog. Nothing is written before OK or Save As.
#pragma once

#include "framework/Framework.h"
#include "design/projects/CoordinateHeaderListBoxEditor.h"
#include "design/projects/CoordinateSetListBoxEditor.h"
#include "design/GeometryFile.h"

class CGeometryFileDlg : public CDialog
{
public:
    // bStartEmpty: a new file in place of an existing one, which is
    // replaced only when the new one is saved.
    CGeometryFileDlg(const CString& strPath, CWnd* pParent, BOOL bStartEmpty = FALSE);

    BOOL OnInitDialog() override;
    const CString& GetPath() const { return m_strPath; }
    CGeometryFile& GetFile() { return m_file; }

    // The current set is stored from its list and the one chosen is shown.
    void ShowCurrentSet();
    void UpdateLabel();
    void StoreCurrentSet();
    BOOL WriteFile();

protected:
    void OnOK() override;
    // The file's sets; FALSE when it cannot be read and the user would not
    // start an empty file in its place.
    BOOL ReadOrStartEmpty();
    void OnSetSelection();
    void OnSaveAs();

    CString m_strPath;
    BOOL m_bStartEmpty;
    CGeometryFile m_file;
    CCoordinateHeaderListBoxEditor m_lbNames;
    CCoordinateSetListBoxEditor m_lbCoordinates;
    CString m_strShownSet;

    DECLARE_MESSAGE_MAP()
};
