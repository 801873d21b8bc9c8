// The window of a Polyvect project: the project view in the project
// framework's splitter. (The family's tool bar comes with the tool bars of
// the frames.)
#pragma once

#include "framework/Framework.h"
#include "app/project/ChildFrame.h"

class CPolyvectChildFrame : public CChildFrame
{
    DECLARE_DYNCREATE(CPolyvectChildFrame)

public:
    CPolyvectChildFrame() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
