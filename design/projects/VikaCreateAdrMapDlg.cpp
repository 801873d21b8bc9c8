#include "framework/Framework.h"
#include "design/projects/VikaCreateAdrMapDlg.h"
#include "design/projects/AddressMapCreation.h"
#include "res/resource.h"

CVikaCreateAdrMapDlg::CVikaCreateAdrMapDlg(const AddressHeader& layout, CListBox* pEntries, BOOL bHasEntries,
                                           CWnd* pParent)
    : CDialog(IDD_VIKA_CREATE_ADR_MAP, pParent), m_layout(layout), m_pEntries(pEntries),
      m_bHasEntries(bHasEntries)
{
}

BOOL CVikaCreateAdrMapDlg::OnInitDialog()
{
    m_lbCables.SubclassDlgItem(IDC_ACTIVE_CABLES, this);
    for (UINT nCable = 1; nCable <= m_layout.m_nCables; ++nCable) {
        CString strRow;
        strRow.Format("Cable #%u", nCable);
        m_lbCables.SetCheck(m_lbCables.AddString(strRow), 1);
    }
    m_lbCables.SetTopIndex(0);
    const BOOL bYRoll = m_layout.m_bYRoll;
    m_nOverlap = bYRoll ? 0 : 1;
    m_bCableJoints = !bYRoll && m_layout.m_nFactor > 1 ? 1 : 0;
    CDialog::OnInitDialog();
    GetDlgItem(IDC_OVERLAP)->EnableWindow(!bYRoll);
    GetDlgItem(IDC_CABLE_JOINTS)->EnableWindow(!bYRoll);
    return TRUE;
}

void CVikaCreateAdrMapDlg::DoDataExchange(CDataExchange* pDX)
{
    int nRadio = m_nOverlap;
    DDX_Radio(pDX, IDC_NO_OVERLAP, nRadio);
    m_nOverlap = nRadio;
    DDX_Check(pDX, IDC_CABLE_JOINTS, m_bCableJoints);
}

void CVikaCreateAdrMapDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_bHasEntries && AfxMessageBox("Current address map will be overwritten. Continue?",
                                       MB_YESNO | MB_ICONQUESTION) != IDYES) {
        EndDialog(IDOK);
        return;
    }
    Generate();
    EndDialog(IDOK);
}

void CVikaCreateAdrMapDlg::Generate()
{
    AddressMapChoice choice;
    for (int i = 0; i < m_lbCables.GetCount(); ++i)
        choice.activeCables.push_back(m_lbCables.GetCheck(i) == 1);
    choice.bOverlap = m_nOverlap == 1;
    choice.bCableJoints = m_bCableJoints != 0;
    const std::vector<CString> rows = GenerateAddressEntries(m_layout, choice);
    if (!m_pEntries)
        return;
    m_pEntries->ResetContent();
    for (const CString& strRow : rows)
        m_pEntries->AddString(strRow);
    const std::vector<int> duplicates = DuplicateRelayAddresses(rows);
    if (duplicates.empty())
        return;
    // Cable joints skip relays on the middle cables; a layout that needs
    // more relays than the selector has reaches some twice.
    CString strList;
    for (size_t i = 0; i < duplicates.size() && i < 20; ++i)
        strList.AppendFormat(i ? ", %d" : "%d", duplicates[i]);
    AfxMessageBox("More than one electrode uses the relay address(es) " + strList +
                      ". Please check the cables and the cable joints.",
                  MB_OK | MB_ICONEXCLAMATION);
}
