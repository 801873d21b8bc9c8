// Chooses the spacing pairs (a, n) the generator runs: the unchecked ones
// go into the skip list. Pairs whose pseudo-depth nearly repeats an earlier
// one are marked "*".
#pragma once

#include "framework/Framework.h"
#include "framework/CheckListBox.h"
#include "design/projects/SpacingChoices.h"

class CVikaProtocolSkipList;

class CVikaProtocolCustomizeDlg : public CDialog
{
public:
    CVikaProtocolCustomizeDlg(CVikaProtocolSkipList* pSkipList, const SpacingRange& range,
                              const CString& strRowFormat, const CString& strTitle, int nArrayCode,
                              CWnd* pParent);

    BOOL OnInitDialog() override;
    CCheckListBox& GetList() { return m_lbPairs; }

protected:
    void OnOK() override;
    void OnSetAll() { CheckAll(1); }
    void OnClearAll() { CheckAll(0); }
    void OnUncheckDuplicates();
    void CheckAll(int nCheck);

    CVikaProtocolSkipList* m_pSkipList;
    SpacingRange m_range;
    CString m_strRowFormat;
    CString m_strTitle;
    int m_nArrayCode;
    std::vector<SpacingChoice> m_choices;
    CCheckListBox m_lbPairs;

    DECLARE_MESSAGE_MAP()
};
