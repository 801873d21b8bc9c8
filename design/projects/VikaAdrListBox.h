// The entry list of the address file dialog: a row is edited in the address
// entry dialog within the layout's cables and takeouts.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditor.h"

class CVikaAdrListBox : public CProtocolListBoxEditor
{
public:
    CDialog* EditItem(CListBox* pListBox, int nIndex) override;

    int m_nCables = 0;
    int m_nTakeouts = 0;

private:
    int m_layout[7] = {};
};
