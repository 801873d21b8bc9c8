// Fills the address file editor's entry list from its layout header and a
// choice of active cables, overlap and cable joints.
#pragma once

#include "framework/Framework.h"
#include "framework/CheckListBox.h"
#include "design/AddressFormat.h"

class CVikaCreateAdrMapDlg : public CDialog
{
public:
    CVikaCreateAdrMapDlg(const AddressHeader& layout, CListBox* pEntries, BOOL bHasEntries, CWnd* pParent);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void Generate();

    AddressHeader m_layout;
    CListBox* m_pEntries;
    BOOL m_bHasEntries;
    int m_nOverlap = 1;
    int m_bCableJoints = 0;
    CCheckListBox m_lbCables;
};
