// The window of a Vika project: the project view in the project
// framework's splitter. (The family's tool bar comes with the tool bars of
// the frames.)
#pragma once

#include "framework/Framework.h"
#include "app/project/ChildFrame.h"

class CVikaChildFrame : public CChildFrame
{
    DECLARE_DYNCREATE(CVikaChildFrame)

public:
    CVikaChildFrame() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
