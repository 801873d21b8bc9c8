// SECToolBarManager: the toolbars of one frame. It holds the frame's
// default toolbar definitions and makes those bars when no saved layout
// holds any, keeps the frame-wide options (ToolTips, CoolLook,
// LargeButtons), shares one image manager and button map with every custom
// toolbar of the frame, makes user toolbars, tells the dock state how to
// save and re-make toolbars and the menu bar, and carries the customise
// mode in which buttons are dragged between bars. The frame's menu bar
// object, which the application makes, gets its window, buttons and dock
// place from the manager.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECControlBarManager.h"
#include "ui/frames/SECStdBtn.h"
#include "ui/frames/ToolBarOptions.h"

#include <algorithm>
#include <memory>
#include <vector>

class SECBmpMgr;
class SECCustomToolBar;
class SECPersistentTreeNode;

constexpr UINT kCustomToolBarTypeID = 14946;
constexpr UINT kMenuBarTypeID = 14947;
// Strings of the toolbars.
#define IDS_SEC_TOOLBAR_TITLE 20674   // "ToolBar%d"

class SECMenuBar;
// Where the command being sent came from: the screen rectangle of the
// clicked button while its command runs. Shared by the manager and whoever
// acquired it, so a handler may keep it beyond the click.
struct SECCommandSource
{
    CRect rect;
    BOOL bActive = FALSE;
};

class SECToolBarManager : public CObject, public SECControlBarManager
{
public:
    SECToolBarManager(CFrameWnd* pFrameWnd, CWnd* pOwner = nullptr);
    ~SECToolBarManager() override;
    SECToolBarManager(const SECToolBarManager&) = delete;
    SECToolBarManager& operator=(const SECToolBarManager&) = delete;

    CFrameWnd* GetFrameWnd() const { return m_pFrameWnd; }

    void DefineDefaultToolBar(UINT nID, LPCTSTR lpszTitle, UINT nBtnCount, const UINT* lpBtnIDs, DWORD dwAlignment,
                              UINT nDockBarID, UINT nDockNextToID = 0, BOOL bDocked = TRUE, BOOL bVisible = TRUE);
    BOOL LoadToolBarResource(UINT nIDToolBar, UINT nIDLargeToolBar = 0);
    void SetButtonMap(const SECBtnMapEntry* pMap) { m_pBtnMap = pMap; }
    const SECBtnMapEntry* GetButtonMap() const { return m_pBtnMap; }
    const SECBtnMapEntry* GetSecondButtonMap() const { return m_pSecondBtnMap; }
    // The menu bar's map of its buttons (the menu bar keeps it).
    void SetSecondButtonMap(const SECBtnMapEntry* pMap) { m_pSecondBtnMap = pMap; }
    // The frame's menu bar (else a menu bar among its bars), or NULL.
    SECMenuBar* GetMenuBar() const;
    // Builds the frame's menu bar from the menus; FALSE without a menu bar
    // or when no menu yields a popup.
    BOOL SetMenuInfo(const std::vector<UINT>& menuIds);
    // Replaces the menu bar's {menu resource id, mask} pairs.
    BOOL SetMenuMasks(const std::vector<std::pair<UINT, DWORD>>& masks);
    // The command ids of the menu bar's buttons (copied).
    void SetMenuBarButtons(int nCount, const UINT* pIDs) { m_menuBarButtons.assign(pIDs, pIDs + std::max(nCount, 0)); }
    void GetMenuBarButtons(int& nCount, const UINT*& pIDs) const
    {
        nCount = (int)m_menuBarButtons.size();
        pIDs = m_menuBarButtons.data();
    }
    BOOL GetDefaultButtons(UINT nID, UINT& nCount, const UINT*& pIDs) const;
    BOOL NoOpTrue() { return TRUE; }

    void EnableToolTips(BOOL bEnable);
    void EnableCoolLook(BOOL bEnable, DWORD dwExStyleBits = 0x300);
    void SetLargeButtons(BOOL bLarge);
    BOOL GetToolTips() const { return m_options.bToolTips; }
    BOOL GetFlyBy() const { return m_bFlyBy; }
    BOOL GetCoolLook() const { return m_options.bCoolLook; }
    BOOL GetLargeButtons() const { return m_options.bLargeButtons; }

    // The profile section "<name>-ToolBarManager".
    void LoadState(LPCTSTR lpszProfileName);
    void SaveState(LPCTSTR lpszProfileName) const;
    // The settings node "ToolBarMgr" under the parent.
    BOOL LoadState(SECPersistentTreeNode* pParent);
    BOOL SaveState(SECPersistentTreeNode* pParent) const;

    virtual SECCustomToolBar* ToolBarFromRect(LPCRECT lpRect);
    virtual SECCustomToolBar* ToolBarFromID(UINT nID);
    virtual void ResetToDefaults();
    virtual void ApplyLargeButtons();
    virtual void ApplyToAllBars();

    // A new floating-ready bar with the first free user id; NULL when the
    // ids ran out or the bar could not be made.
    SECCustomToolBar* CreateUserToolBar(LPCTSTR lpszTitle = nullptr);
    // The "Toolbars" dialog over the frame; its result (43099: open the
    // "Customize" sheet).
    int ExecViewToolBarsDlg();
    void ApplyImageSize(SECCustomToolBar* pBar);

    void BeginCustomize();
    void EndCustomize();
    BOOL IsCustomizing() const { return m_bFrameDisabled; }
    void SetCustomizeMode(BOOL bCustomize);
    BOOL IsCustomizeMode() const { return m_bCustomize; }
    void SetCustomizeDlg(CWnd* pWnd) { m_pCustomizeDlg = pWnd; }
    void GetCustomizeDlgRect(LPRECT lpRect) const;
    SECCustomToolBar* GetSelectingBar() const { return m_pSelectingBar; }
    void SetSelectingBar(SECCustomToolBar* pBar) { m_pSelectingBar = pBar; }

    void AddNotifyWnd(CWnd* pWnd);
    void RemoveNotifyWnd(CWnd* pWnd);
    void NotifyBarEvent(UINT nBarID, int nCode);
    void BroadcastButtonChange(UINT nID, int nCode, const DWORD* pData);
    std::shared_ptr<SECCommandSource> AcquireCommandSource() { return m_pCommandSource; }
    void SetCommandSource(SECCommandSource& source, BOOL bActive, LPCRECT lpRect);
    void ReleaseCommandSource(std::shared_ptr<SECCommandSource>& pSource) { pSource.reset(); }
    void SetCommandSource(LPCRECT lpRect, BOOL bActive) { SetCommandSource(*m_pCommandSource, bActive, lpRect); }
    BOOL IsCommandSourceActive(CRect* pRect = nullptr) const;
    void ModifyBarStyleAll(BOOL bSet, DWORD dwBits);
    void ModifyExStyleAll(BOOL bSet, DWORD dwBits);
    SECBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }
    // The drawing scratch the buttons of all its toolbars share.
    SECBtnDrawData& GetDrawData();
    // Every custom toolbar of the frame, in the frame's bar order.
    std::vector<SECCustomToolBar*> GetToolBars() const;

    // SECControlBarManager.
    SECControlBarInfoEx* CreateBarInfoEx(SECControlBarInfo* pInfo) override;
    CControlBar* CreateBar(SECControlBarInfo* pInfo, CFrameWnd* pFrame) override;
    UINT GetBarTypeID(CControlBar* pBar) override;

    // Drags a button while customising; FALSE when the source
    // bar destroyed itself or the drop failed.
    static BOOL DragButton(SECToolBarManager* pManager, SECStdBtn* pButton, int nIndex, CPoint pt,
                           SECCustomToolBar* pSource, CWnd* pTrackWnd, BOOL bCopy);
    static SECCustomToolBar* ToolBarAtPoint(CPoint ptScreen);
    static void CreateToolBarFromDrop(CPoint ptScreen, UINT nID, SECToolBarManager* pManager, BOOL bNoSelect);

    static UINT GetBarNotifyMessage();

private:
    DWORD BarStyle() const;
    DWORD BarExStyle() const;
    SECCustomToolBar* NewToolBar(UINT nID, LPCTSTR lpszTitle);
    // The menu-bar object of a SECMDIFrameWnd or SECFrameWnd, or NULL.
    SECMenuBar* FrameMenuBar() const;
    // NULL without a menu-bar object or when its window exists already.
    SECMenuBar* CreateMenuBarWindow(UINT nID, LPCTSTR lpszTitle);
    void ResetMenuBar();

    CFrameWnd* m_pFrameWnd;
    CWnd* m_pOwner;
    std::vector<HWND> m_disabledWnds;
    std::vector<SECDefaultToolBar> m_defaults;
    std::vector<CWnd*> m_notifyWnds;
    CWnd* m_pCustomizeDlg = nullptr;
    BOOL m_bFrameDisabled = FALSE;
    BOOL m_bCustomize = FALSE;
    ToolBarOptions m_options;
    BOOL m_bFlyBy = TRUE;
    const SECBtnMapEntry* m_pBtnMap = nullptr;
    const SECBtnMapEntry* m_pSecondBtnMap = nullptr;
    std::vector<UINT> m_menuBarButtons;
    SECCustomToolBar* m_pSelectingBar = nullptr;
    std::shared_ptr<SECCommandSource> m_pCommandSource = std::make_shared<SECCommandSource>();
    SECBmpMgr* m_pBmpMgr;
    std::unique_ptr<SECBtnDrawData> m_pDrawData;
};
