// SECDockState: the layout of all bars of a frame, captured from the
// frame, kept in the profile ("<name>-Summary", "<name>-Bar<n>"), in a
// settings node ("DockState" with "Bar-<n>" children) or in an archive,
// and applied back: bars the frame lacks are made by the control-bar
// manager or from their class name (which must name a control bar), and a
// record whose bar cannot be had is dropped. A layout saved on another
// screen, or naming bars that are gone, still gives a usable window: bars
// that would lie off the screen are put back on it.
#pragma once

#include "framework/DockState.h"
#include "ui/frames/SECControlBarInfo.h"

#include <vector>

class CControlBar;
class CFrameWnd;
class SECMDIFrameWnd;

class SECDockState : public CDockState
{
    DECLARE_DYNAMIC(SECDockState)
public:
    explicit SECDockState(SECControlBarManager* pManager = nullptr);

    // Tree form: the child "DockState" of the node.
    virtual BOOL SaveState(SECPersistentTreeNode* pNode);
    virtual BOOL LoadState(SECPersistentTreeNode* pNode);
    using CDockState::LoadState;
    using CDockState::SaveState;

    // Capture and apply: the window side.
    virtual void GetDockState(CFrameWnd* pFrame);
    virtual void SetDockState(CFrameWnd* pFrame);
    virtual SECControlBarInfo* CreateBarInfo(SECControlBarManager* pManager);
    virtual void CreateBars(CFrameWnd* pFrame, BOOL bMDIFrame);
    virtual void ApplyFloating();
    virtual void RestoreMDIChildPlacements(CFrameWnd* pFrame);
    // Bars saved floating in the main window float there again.
    void MoveFloatingToMDIChildren(SECMDIFrameWnd* pFrame);
    virtual CControlBar* CreateBarFromClass(const CString& strClassName, CFrameWnd* pFrame, SECControlBarInfo* pInfo);
    // A class of that exact name that makes objects and is a control bar.
    virtual CRuntimeClass* FindBarClass(const CString& strClassName);

    // Before saving: a hidden bar's id stays only in its own dock bar's
    // list, each list keeps one of each id and ends in one 0.
    void CleanUpBarIds();

    SECControlBarInfo* GetInfo(int i) const { return static_cast<SECControlBarInfo*>(GetAt(i)); }

    SECControlBarManager* m_pManager;
    std::vector<CControlBar*>* m_pCreatedBars = nullptr;

protected:
    CControlBarInfo* NewBarInfo() override { return CreateBarInfo(m_pManager); }
};
