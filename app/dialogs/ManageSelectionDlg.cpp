#include "framework/Framework.h"
#include "app/dialogs/ManageSelectionDlg.h"
#include "app/project/ProtocolModel.h"
#include "app/project/ProtocolViewport.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CManageSelectionDlg, CDialog)
    ON_BN_CLICKED(IDC_ADD_PROTOCOL, OnAdd)
    ON_BN_CLICKED(IDC_ADD_ALL_PROTOCOLS, OnAddAll)
    ON_BN_CLICKED(IDC_REMOVE_PROTOCOL, OnRemove)
    ON_BN_CLICKED(IDC_REMOVE_ALL_PROTOCOLS, OnRemoveAll)
    ON_LBN_DBLCLK(IDC_AVAILABLE_PROTOCOLS, OnAvailableDoubleClick)
    ON_LBN_DBLCLK(IDC_SELECTED_PROTOCOLS, OnSelectedDoubleClick)
END_MESSAGE_MAP()

CManageSelectionDlg::CManageSelectionDlg(CProtocolModel* pModel, CProtocolViewport* pViewport,
                                         const CString& strExtension, CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_pModel(pModel)
    , m_pViewport(pViewport)
    , m_strExtension(strExtension)
    , m_selection([this] {
        if (!m_pModel)
            return std::vector<CString>();
        return CProtocolSelection::FilesMatching(
            CProtocolSelection::ScanPattern(m_pModel->GetSourceFolder(), m_strExtension))();
    })
{
}

BOOL CManageSelectionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    std::vector<CString> names;
    if (m_pModel) {
        CProtocolInfoList& infos = m_pModel->GetInfoList();
        for (POSITION pos = infos.GetHeadPosition(); pos != nullptr;)
            names.push_back(infos.GetNext(pos)->GetName());
    }
    m_selection.SetSelected(names);
    RefillAvailable();
    return TRUE;
}

void CManageSelectionDlg::RefillAvailable()
{
    m_selection.RefillAvailable();
    FillLists();
}

void CManageSelectionDlg::FillLists()
{
    const struct {
        int nId;
        const std::vector<CString>& names;
    } lists[] = {{IDC_AVAILABLE_PROTOCOLS, m_selection.Available()},
                 {IDC_SELECTED_PROTOCOLS, m_selection.Selected()}};
    for (const auto& list : lists) {
        CListBox* pList = List(list.nId);
        if (!pList)
            continue;
        pList->SetRedraw(FALSE);
        pList->ResetContent();
        for (const CString& strName : list.names)
            pList->AddString(strName);
        pList->SetRedraw(TRUE);
        pList->Invalidate();
    }
}

std::vector<int> CManageSelectionDlg::SelectedRows(int nId) const
{
    std::vector<int> rows;
    const CListBox* pList = List(nId);
    const int nCount = pList ? pList->GetSelCount() : 0;
    if (nCount <= 0)
        return rows;
    rows.resize(nCount);
    rows.resize(std::max(0, pList->GetSelItems(nCount, rows.data())));
    return rows;
}

void CManageSelectionDlg::OnAdd()
{
    m_selection.Add(SelectedRows(IDC_AVAILABLE_PROTOCOLS));
    FillLists();
}

void CManageSelectionDlg::OnAddAll()
{
    m_selection.AddAll();
    FillLists();
}

void CManageSelectionDlg::OnRemove()
{
    m_selection.Remove(SelectedRows(IDC_SELECTED_PROTOCOLS));
    FillLists();
}

void CManageSelectionDlg::OnRemoveAll()
{
    m_selection.RemoveAll();
    FillLists();
}

void CManageSelectionDlg::OnAvailableDoubleClick()
{
    const int nRow = List(IDC_AVAILABLE_PROTOCOLS)->GetCaretIndex();
    if (nRow < 0)
        return;
    m_selection.Add({nRow});
    FillLists();
}

void CManageSelectionDlg::OnSelectedDoubleClick()
{
    const int nRow = List(IDC_SELECTED_PROTOCOLS)->GetCaretIndex();
    if (nRow < 0)
        return;
    m_selection.Remove({nRow});
    FillLists();
}

void CManageSelectionDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // The records change from here on, so the dialog ends with IDOK even
    // when a file cannot be read: the caller then shows what was added.
    struct EndWithOk
    {
        CDialog& dialog;
        ~EndWithOk() { dialog.EndDialog(IDOK); }
    } endWithOk{*this};
    if (m_pViewport)
        m_pViewport->ClearList();
    if (m_pModel)
        m_selection.ApplyTo(*m_pModel);
}
