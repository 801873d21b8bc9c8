// The editable lists of the design dialogs whose rows are edited in the
// item dialogs: Vika commands, Polyvect commands and address entries.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditor.h"

class CVikaCmdListBox : public CProtocolListBoxEditor
{
public:
    CDialog* EditItem(CListBox* pListBox, int nIndex) override;

    int m_nChannels = 1;
    int m_nMaxElectrode = 999;
};

class CPolyvectCmdListBox : public CProtocolListBoxEditor
{
public:
    CDialog* EditItem(CListBox* pListBox, int nIndex) override;
};

class CVikaAdrListBox : public CProtocolListBoxEditor
{
public:
    CDialog* EditItem(CListBox* pListBox, int nIndex) override;

    int m_nCables = 0;
    int m_nTakeouts = 0;

private:
    int m_layout[7] = {};
};

// The row's text, or empty for the new-item row.
CString RowText(CListBox* pListBox, int nIndex);
