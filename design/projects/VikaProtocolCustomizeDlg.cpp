#include "framework/Framework.h"
#include "design/projects/VikaProtocolCustomizeDlg.h"
#include "design/VikaProtocolSkipList.h"
#include "framework/HostServices.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CVikaProtocolCustomizeDlg, CDialog)
    ON_BN_CLICKED(IDC_SPACING_SET_ALL, OnSetAll)
    ON_BN_CLICKED(IDC_SPACING_CLEAR_ALL, OnClearAll)
    ON_BN_CLICKED(IDC_UNCHECK_DUPLICATES, OnUncheckDuplicates)
END_MESSAGE_MAP()

CVikaProtocolCustomizeDlg::CVikaProtocolCustomizeDlg(CVikaProtocolSkipList* pSkipList,
                                                     const SpacingRange& range, const CString& strRowFormat,
                                                     const CString& strTitle, int nArrayCode, CWnd* pParent)
    : CDialog(IDD_VIKA_CUSTOMIZE, pParent), m_pSkipList(pSkipList), m_range(range),
      m_strRowFormat(strRowFormat), m_strTitle(strTitle), m_nArrayCode(nArrayCode)
{
}

BOOL CVikaProtocolCustomizeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strTitle.IsEmpty())
        SetWindowText(m_strTitle);
    m_lbPairs.SubclassDlgItem(IDC_SPACING_PAIRS, this);
    {
        WaitCursorScope wait;
        CVikaProtocolSkipList empty;
        ListSpacingChoices(m_nArrayCode, m_range, m_strRowFormat, m_pSkipList ? *m_pSkipList : empty,
                           m_choices);
    }
    for (const SpacingChoice& choice : m_choices)
        m_lbPairs.SetCheck(m_lbPairs.AddString(choice.strText), choice.bChecked ? 1 : 0);
    m_lbPairs.SetTopIndex(0);
    return TRUE;
}

void CVikaProtocolCustomizeDlg::CheckAll(int nCheck)
{
    for (int i = 0; i < m_lbPairs.GetCount(); ++i)
        m_lbPairs.SetCheck(i, nCheck);
}

void CVikaProtocolCustomizeDlg::OnUncheckDuplicates()
{
    for (int i = 0; i < m_lbPairs.GetCount() && i < static_cast<int>(m_choices.size()); ++i)
        if (m_choices[i].strText.Find('*') >= 0)
            m_lbPairs.SetCheck(i, 0);
}

void CVikaProtocolCustomizeDlg::OnOK()
{
    for (int i = 0; i < m_lbPairs.GetCount() && i < static_cast<int>(m_choices.size()); ++i)
        m_choices[i].bChecked = m_lbPairs.GetCheck(i) == 1;
    if (m_pSkipList)
        StoreSpacingChoices(m_choices, *m_pSkipList);
    EndDialog(IDOK);
}
