// The coordinates of one set, each edited in the coordinate item dialog.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditor.h"

class CCoordinateSetListBoxEditor : public CProtocolListBoxEditor
{
public:
    CDialog* EditItem(CListBox* pListBox, int nIndex) override;
};
