// "Manage Items Dialog": which protocol files of the project's source
// folder belong to the project. OK rebuilds the project's records from the
// right-hand list; Cancel changes nothing.
#pragma once

#include "framework/Framework.h"
#include "app/dialogs/ProtocolSelection.h"
#include "res/SharedDialogsRes.h"

#include <vector>

class CProtocolModel;
class CProtocolViewport;

class CManageSelectionDlg : public CDialog
{
public:
    enum { IDD = IDD_MANAGE_SELECTION };

    // The extension of the family's protocol files, with its dot (".ORG").
    CManageSelectionDlg(CProtocolModel* pModel, CProtocolViewport* pViewport, const CString& strExtension,
                        CWnd* pParent = nullptr);

    // Rescans the source folder for the files the project does not hold.
    virtual void RefillAvailable();

    const CProtocolSelection& GetSelection() const { return m_selection; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAdd();
    void OnAddAll();
    void OnRemove();
    void OnRemoveAll();
    void OnAvailableDoubleClick();
    void OnSelectedDoubleClick();

    void FillLists();
    CListBox* List(int nId) const { return static_cast<CListBox*>(GetDlgItem(nId)); }
    std::vector<int> SelectedRows(int nId) const;

    CProtocolModel* m_pModel;
    CProtocolViewport* m_pViewport;
    CString m_strExtension;
    CProtocolSelection m_selection;

    DECLARE_MESSAGE_MAP()
};
