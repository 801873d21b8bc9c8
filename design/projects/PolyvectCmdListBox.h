// The command list of the Polyvect protocol editor: a row is edited in the
// Polyvect command dialog.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditor.h"

class CPolyvectCmdListBox : public CProtocolListBoxEditor
{
public:
    CDialog* EditItem(CListBox* pListBox, int nIndex) override;
};
