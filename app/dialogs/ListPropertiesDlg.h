// "Options": which columns a project list shows and in which order. It
// works on the caller's table of every column and rewrites the caller's
// column map on OK (only when a column was moved). "&Default" ends it with
// IDC_DEFAULT_COLUMNS so the caller restores its own default columns.
#pragma once

#include "framework/Framework.h"
#include "app/dialogs/ColumnChooser.h"
#include "res/SharedDialogsRes.h"

#include <vector>

class CListPropertiesDlg : public CDialog
{
public:
    enum { IDD = IDD_LIST_PROPERTIES };

    // The table ends at an entry whose column id is 0 or less.
    CListPropertiesDlg(const CColumnProperty* pAllColumns, CColumnMap* pColumnMap, CWnd* pParent = nullptr);

    const CColumnChooser& GetChooser() const { return m_chooser; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAdd();
    void OnRemove();
    void OnDefault();
    void OnAvailableDoubleClick();
    void OnShownDoubleClick();

    void Remove(const std::vector<int>& rows);
    void FillLists();
    CListBox* List(int nId) const { return static_cast<CListBox*>(GetDlgItem(nId)); }
    static std::vector<int> SelectedRows(const CListBox* pList);

    CColumnChooser m_chooser;
    CColumnMap* m_pColumnMap;

    DECLARE_MESSAGE_MAP()
};
