// Edits one geometry file: the set names on the left, the coordinates of
// the chosen set on the right, both editable; one coordinate is edited in
// the coordinate item dialog. Nothing is written before OK or Save As.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditor.h"
#include "design/GeometryFile.h"

class CGeometryFileDlg;

// The set names: adding, renaming and deleting a name keeps the file's sets
// in step; a name that would not read back as a name, or that another set
// has, is refused.
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

// The coordinates of one set, each edited in the coordinate item dialog.
class CCoordinateSetListBoxEditor : public CProtocolListBoxEditor
{
public:
    CDialog* EditItem(CListBox* pListBox, int nIndex) override;
};

class CCoordinateItemDlg : public CDialog
{
public:
    CCoordinateItemDlg(CString& strRow, CWnd* pParent);
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    CString& m_strRow;
    int m_nIndex = 0;
    double m_x = 0, m_y = 0, m_z = 0;
};

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
    void OnSetSelection();
    void OnSaveAs();
    std::vector<CString> ListRows(CListBox* pList) const;

    CString m_strPath;
    BOOL m_bStartEmpty;
    CGeometryFile m_file;
    CCoordinateHeaderListBoxEditor m_lbNames;
    CCoordinateSetListBoxEditor m_lbCoordinates;
    CString m_strShownSet;

    DECLARE_MESSAGE_MAP()
};
