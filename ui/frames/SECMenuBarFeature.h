// Makes the menu bar behave like the system's: Alt and F10-style access,
// mnemonics, left and right from one popup to the next, Escape, clicks
// elsewhere ending the menu, and the frame's system menu. While a popup is
// tracked, thread hooks see the keys and mouse moves the frame's own
// message loop does not. One menu bar tracks at a time (UI thread only).
// The frame offers it every message before translation (PreTranslateMessage)
// and its window messages first (OnFrameMessage).
// Not yet: the bitmap popups.
#pragma once

#include "ui/frames/MenuDropRequest.h"

#include "framework/Framework.h"

class SECMenuBar;

class SECMenuBarMessages
{
public:
    explicit SECMenuBarMessages(CFrameWnd& frame);
    virtual ~SECMenuBarMessages();

    void SetMenuBar(SECMenuBar* pBar);
    SECMenuBar* GetMenuBar() const { return m_pBar; }

    virtual void PostMenuProd(BOOL bNext);
    virtual void CancelMenu();
    virtual BOOL SwapMenu(UINT nIDResource);
    virtual void OnDownKey();
    virtual void OnHookMouseMove(POINT ptScreen);
    virtual void OnAltDown();
    // A click on the frame's icon while its system menu is up: the menu
    // closes, and a double-click runs the menu's default command. FALSE for
    // a click elsewhere.
    virtual BOOL OnSysMenuClick(MSG* pMsg);
    virtual CFrameWnd* GetFrameWnd() const { return &m_frame; }
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // The frame's WM_MENUSELECT, "WM_SEC_MENUPROD", WM_INITMENUPOPUP,
    // WM_SYSCOMMAND and WM_NCACTIVATE; TRUE when handled.
    BOOL OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

    // The bar asks for a popup.
    void DropDown(const MenuDropRequest& request);

    static UINT GetMenuMessage();
    static UINT GetMenuProdMessage();

protected:
    virtual void TrackButtonMenu(HMENU hMenu, const MenuDropRequest& request);
    virtual void TrackSystemMenu(HMENU hMenu);
    virtual void HookMsgFilter(BOOL bOn);
    virtual void HookKeyboardAndMouse(BOOL bOn);
    virtual void OnMenuProd();
    virtual void OnInitMenuPopup();
    virtual BOOL OnSysCommand(UINT nID);
    virtual void OnNcActivate(BOOL bActive);

private:
    HMENU PopupFor(const MenuDropRequest& request, bool& bSystemMenu);
    BOOL PressMnemonic(char ch);
    void DropSystemMenu();
    bool ViewClaimsMnemonic(char ch);
    void OnMenuModeChanged(BOOL bEnter);

    static LRESULT CALLBACK MsgFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseHook(int nCode, WPARAM wParam, LPARAM lParam);

    CFrameWnd& m_frame;
    SECMenuBar* m_pBar = nullptr;
    BOOL m_bOpenedByKeyboard = FALSE;
    BOOL m_bProdCancelled = FALSE;
    BOOL m_bProdNext = FALSE;
    BOOL m_bAltInMenuMode = FALSE;
};

// The plug-in a frame with a menu bar attaches to itself.
class SECMenuBarFeature : public SECMenuBarMessages
{
public:
    using SECMenuBarMessages::SECMenuBarMessages;
};
