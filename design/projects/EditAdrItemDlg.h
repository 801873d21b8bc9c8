// Edits one address entry row ("electrode\taddress\tcable-takeout") and
// remembers its relay address, cable and takeout in the profile.
#pragma once

#include "framework/Framework.h"
#include "design/projects/ItemRows.h"

class CEditAdrItemDlg : public CDialog
{
public:
    // layout: default electrode, relay address, cable, takeout, unused,
    // number of cables, number of takeouts.
    CEditAdrItemDlg(CString& strRow, const int* pLayout, CWnd* pParent);

    BOOL OnInitDialog() override;
    static void LoadMembers(AdrItemRow& row);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    CString& m_strRow;
    const int* m_pLayout;
    AdrItemRow m_row;
};
