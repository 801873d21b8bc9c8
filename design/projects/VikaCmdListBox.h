// The command list of the Vika protocol editor: a row is edited in the Vika
// command dialog with the protocol's channel count and electrode limit.
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
