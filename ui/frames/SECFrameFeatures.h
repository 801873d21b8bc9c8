// What the library's MDI and SDI frames share beyond docking: the gradient
// caption, the menu plug-in (the menu bar's tracking, or the bitmap menus),
// the command plug-in that sees commands first, the menu-bar menu, the
// objects the frame owns, and the guards while the toolbar manager
// customises. Each frame owns one and offers it its messages first
// (BeforeMessage), then runs its own handling and AfterMessage.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECGradientCaption.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

class SECBmpMenuPlugIn;
class SECControlBarManager;
class SECDockBar;
struct SECDockPos;
class SECMenuBar;
class SECMenuBarFeature;
class SECToolBarManager;
class SECWndPlugIn;

// The size a bar docks with: its share of the dock row and its length.
struct SECDockSize
{
    float fPctWidth = 1.0f;
    int nLength = 0;
};

// A menu the frame loaded itself and destroys when it goes.
struct MenuDestroyer
{
    void operator()(HMENU hMenu) const { ::DestroyMenu(hMenu); }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

// What the features ask of their frame.
class ISECFrameHost : public ICaptionFonts
{
public:
    // The menu of a resource id the frame knows (NULL when it knows none).
    virtual HMENU GetMenuForResource(UINT nIDResource) = 0;
};

// The client pane's rectangle in the frame's client coordinates: the room
// the bars left after a layout (empty without a pane).
CRect PaneRect(CFrameWnd& frame);

class SECFrameFeatures
{
public:
    SECFrameFeatures(CFrameWnd& frame, ISECFrameHost& host);
    ~SECFrameFeatures();
    SECFrameFeatures(const SECFrameFeatures&) = delete;
    SECFrameFeatures& operator=(const SECFrameFeatures&) = delete;

    SECGradientCaption& Caption() { return m_caption; }

    // The manager of the frame's bars; not owned.
    void SetControlBarManager(SECControlBarManager* pManager) { m_pManager = pManager; }
    SECControlBarManager* GetControlBarManager() const { return m_pManager; }
    // TRUE while the toolbar manager's "Customize" sheet runs.
    BOOL IsCustomizing() const;

    // The menu bar (not owned) and the bitmap-menus wish; both are read when
    // the frame is created.
    void SetMenuBar(SECMenuBar* pBar) { m_pMenuBar = pBar; }
    SECMenuBar* GetMenuBar() const { return m_pMenuBar; }
    void EnableBmpMenus(BOOL bEnable) { m_bBmpMenus = bEnable; }
    BOOL IsBmpMenus() const { return m_bBmpMenus; }

    // With a menu bar its tracking plug-in, with bitmap menus the bitmap
    // plug-in (drawing the toolbar manager's images); none otherwise.
    void CreateMenuPlugIn();
    void DeleteMenuPlugIn();
    SECMenuBarFeature* GetMenuBarFeature() const { return m_pMenuBarFeature.get(); }
    SECBmpMenuPlugIn* GetBmpMenuPlugIn() const { return m_pBmpMenus.get(); }
    BOOL SwapMenu(UINT nIDResource);

    // The frame's own menu resource, loaded for the menu bar.
    BOOL LoadMenuBarMenu(UINT nIDResource);
    HMENU GetMenuBarMenu() const { return m_menuBarMenu.get(); }
    UINT GetOwnMenuKey() const { return m_nOwnMenuKey; }

    // A plug-in of class pClass plugged into the frame; NULL when the class
    // makes no window plug-in or it cannot be plugged in.
    SECWndPlugIn* CreateCommandPlugIn(CRuntimeClass* pClass);
    SECWndPlugIn* GetCommandPlugIn() const { return m_pCommandPlugIn.get(); }
    BOOL OnCmdMsgPlugIn(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // A dock bar made by create() along each side dwDockStyle asks for and
    // the frame lacks; dwDockBarOption is the dock bars' extended style.
    void CreateDockBars(DWORD dwDockStyle, DWORD dwDockBarOption, const std::function<CDockBar*()>& create);
    // Docks pBar at pos of the dock bar nDockBarID (else the first its
    // style allows), sized with the layout mode modeFor gives for that dock
    // bar; FALSE when there is no such library dock bar.
    BOOL DockControlBarEx(CControlBar* pBar, UINT nDockBarID, const SECDockPos& pos, const SECDockSize& size,
                          const std::function<DWORD(SECDockBar&)>& modeFor);
    // The bar layout of the profile sections "<name>-Summary" and
    // "<name>-Bar<n>".
    void LoadBarState(LPCTSTR pszSection);
    void SaveBarState(LPCTSTR pszSection) const;
    // A floating frame's place kept on the screen.
    static CPoint ClampFloatPoint(CPoint point);
    // While customising, a dialog's idle time (nWhy MSGF_DIALOGBOX) lays out
    // what waits at once.
    void OnEnterIdleLayout(UINT nWhy);

    // Deleted with the frame.
    void AddOwnedObject(std::unique_ptr<CObject> pObject) { m_owned.push_back(std::move(pObject)); }

    // TRUE when the message is dealt with (lResult is its answer).
    BOOL PreTranslateMessage(MSG* pMsg);
    BOOL BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // "WM_SECGETMENU": wParam the resource id, lParam the popup's index.
    static UINT GetMenuMessage();

private:
    SECToolBarManager* ToolBarManager() const;
    void RefreshToolBarImages();

    CFrameWnd& m_frame;
    ISECFrameHost& m_host;
    SECGradientCaption m_caption;
    SECControlBarManager* m_pManager = nullptr;
    SECMenuBar* m_pMenuBar = nullptr;
    BOOL m_bBmpMenus = FALSE;
    std::unique_ptr<SECMenuBarFeature> m_pMenuBarFeature;
    std::unique_ptr<SECBmpMenuPlugIn> m_pBmpMenus;
    OwnedMenu m_menuBarMenu;
    UINT m_nOwnMenuKey = 0;
    std::unique_ptr<SECWndPlugIn> m_pCommandPlugIn;
    std::vector<std::unique_ptr<CObject>> m_owned;
};
