// The three item edit dialogs: one address entry, one Vika command, one
// Polyvect command. Each edits the row text it is given, writes it back on
// OK and remembers its values in the profile (entry "Members").
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

class CEditVikaCommandDlg : public CDialog
{
public:
    CEditVikaCommandDlg(CString& strRow, int nChannels, int nMaxElectrode, int nLine, CWnd* pParent);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    CString& m_strRow;
    int m_nMaxElectrode;
    VikaCommandRow m_row;
};

class CEditPolyvectCommandDlg : public CDialog
{
public:
    CEditPolyvectCommandDlg(CString& strRow, int nLine, CWnd* pParent);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    CString& m_strRow;
    PolyvectCommandRow m_row;
};
