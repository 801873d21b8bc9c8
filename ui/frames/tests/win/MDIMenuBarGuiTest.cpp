// The MDI menu bar in real windows: a maximised child's icon first and its
// caption buttons last, the caption parts restoring and closing the child,
// the icon dropping the child's system menu, full width, and a floating
// menu bar without its close box.
#include "framework/Framework.h"
#include "framework/tests/win/PngWriter.h"
#include "ui/frames/SECBtnCaption.h"
#include "ui/frames/SECCapMenuBtn.h"
#include "ui/frames/SECMDIMenuBar.h"
#include "ui/frames/SECMenuBarFeature.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT kMainMenu = 7001;

void Pump(DWORD dwMillis = 100)
{
    const DWORD dwEnd = ::GetTickCount() + dwMillis;
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    } while ((LONG)(::GetTickCount() - dwEnd) < 0);
}

void SendMouse(DWORD dwFlags, CPoint pt)
{
    ::SetCursorPos(pt.x, pt.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = pt.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = pt.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
}

void Click(CPoint pt)
{
    SendMouse(0, pt);
    Pump(50);
    SendMouse(MOUSEEVENTF_LEFTDOWN, pt);
    Pump(50);
    SendMouse(MOUSEEVENTF_LEFTUP, pt);
    Pump(200);
}

void PressKeyLater(WORD vk, DWORD dwDelay)
{
    std::thread([vk, dwDelay] {
        ::Sleep(dwDelay);
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
        inputs[0].ki.wVk = inputs[1].ki.wVk = vk;
        inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, inputs, sizeof(INPUT));
    }).detach();
}

class CMDIMenuFrame : public CMDIFrameWnd
{
public:
    SECMDIMenuBar m_bar;
    SECMenuBarFeature m_feature{*this};
    std::vector<HMENU> m_popups;

    BOOL Make()
    {
        m_bAutoMenuEnable = FALSE;
        if (!Create(nullptr, "MDI menu bar", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, CRect(40, 40, 640, 400)))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        if (!m_bar.Create(this, "Menu", WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, 0, 0xE807))
            return FALSE;
        if (!m_bar.SetMenuInfo({kMainMenu}))
            return FALSE;
        m_feature.SetMenuBar(&m_bar);
        m_feature.SwapMenu(kMainMenu);
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_bar);
        RecalcLayout();
        ::SetForegroundWindow(m_hWnd);
        Pump();
        return TRUE;
    }
    ~CMDIMenuFrame() override
    {
        if (m_hMain != nullptr)
            ::DestroyMenu(m_hMain);
    }
    CMDIChildWnd* NewChild()
    {
        auto* pChild = new CMDIChildWnd;   // deletes itself with its window
        if (!pChild->Create(nullptr, "Survey line 14", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, rectDefault, this))
            return nullptr;
        pChild->SendMessage(WM_SETICON, ICON_BIG, (LPARAM)::LoadIconA(nullptr, IDI_APPLICATION));
        Pump();
        return pChild;
    }
    // What the MDI frame does when a child is maximised, restored or goes.
    BOOL Refresh()
    {
        const BOOL bChanged = m_bar.UpdateMDIButtons(FALSE);
        if (bChanged)
            RecalcLayout();
        Pump();
        return bChanged;
    }
    // The screen point of a place in a bar button.
    CPoint ScreenPoint(const SECStdBtn* pButton, CPoint ptOffset)
    {
        CPoint pt(pButton->m_x + ptOffset.x, pButton->m_y + ptOffset.y);
        m_bar.ClientToScreen(&pt);
        return pt;
    }
    CPoint PartPoint(int nPart)
    {
        const SECBtnCaption* pCaption = m_bar.GetCaptionButton();
        const CRect rc = MDIButtons::PartRect(nPart, CPoint(0, 0), pCaption->m_cxPart, pCaption->m_cyPart);
        return ScreenPoint(pCaption, rc.CenterPoint());
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = 0;
        if (m_feature.OnFrameMessage(message, wParam, lParam, lResult))
            return lResult;
        if (message == SECMenuBarMessages::GetMenuMessage()) {
            if (m_hMain == nullptr)
                m_hMain = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kMainMenu));
            return (LRESULT)::GetSubMenu(m_hMain, (int)lParam);
        }
        if (message == WM_INITMENUPOPUP)
            m_popups.push_back((HMENU)wParam);
        if (message == WM_SYSCOMMAND)
            m_frameSysCommands.push_back((UINT)(wParam & 0xFFF0));
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        return m_feature.PreTranslateMessage(pMsg) || CMDIFrameWnd::PreTranslateMessage(pMsg);
    }
    void PostNcDestroy() override {}

    std::vector<UINT> m_frameSysCommands;

private:
    HMENU m_hMain = nullptr;
};

bool IsHidden(const SECStdBtn* pButton) { return (pButton->m_nStyle & TBBS_HIDDEN_BIT) != 0; }

} // namespace

TEST(MDIMenuBarGui, MaximisedChildGetsIconAndCaptionButtons)
{
    CMDIMenuFrame frame;
    ASSERT_TRUE(frame.Make());
    SECMDIMenuBar& bar = frame.m_bar;
    ASSERT_EQ(5, bar.GetButtonCount()) << "icon, three menus, caption";
    EXPECT_EQ(bar.GetIconButton(), bar.GetButton(0));
    EXPECT_EQ(bar.GetCaptionButton(), bar.GetButton(4));
    EXPECT_TRUE(IsHidden(bar.GetButton(0)) && IsHidden(bar.GetButton(4))) << "no child yet";
    EXPECT_FALSE(frame.Refresh());

    CMDIChildWnd* pChild = frame.NewChild();
    ASSERT_NE(nullptr, pChild);
    const HWND hChild = pChild->m_hWnd;
    EXPECT_FALSE(frame.Refresh()) << "not maximised";
    frame.MDIMaximize(pChild);
    ASSERT_TRUE(::IsZoomed(hChild));
    EXPECT_TRUE(frame.Refresh());
    EXPECT_FALSE(frame.Refresh()) << "nothing changed";
    EXPECT_FALSE(IsHidden(bar.GetButton(0)));
    EXPECT_FALSE(IsHidden(bar.GetButton(4)));
    EXPECT_NE(nullptr, bar.GetIconButton()->m_hIcon);
    EXPECT_EQ(CSize(16, 16), CSize(bar.GetIconButton()->m_cx, bar.GetIconButton()->m_cy));
    EXPECT_EQ(-1, bar.FindMnemonic('X')) << "the embedded buttons have no mnemonic";
    CRect rcBar;
    bar.GetClientRect(&rcBar);
    const CRect rcCaption = bar.GetCaptionButton()->GetRect();
    EXPECT_LE(rcCaption.right, rcBar.right - 2);
    EXPECT_GT(rcCaption.left, bar.GetButton(3)->GetRect().right) << "at the far end of the stretched bar";
    EXPECT_TRUE(WriteWindowPng(frame.m_hWnd, "ui_frames_mdi_menubar.png"));

    // The restore part restores the child; the buttons go.
    Click(frame.PartPoint(MDIButtons::kRestore));
    EXPECT_FALSE(::IsZoomed(hChild));
    EXPECT_TRUE(frame.Refresh());
    EXPECT_TRUE(IsHidden(bar.GetButton(0)) && IsHidden(bar.GetButton(4)));
    EXPECT_FALSE(frame.Refresh());

    // Asked to hide while maximised.
    frame.MDIMaximize(pChild);
    EXPECT_TRUE(frame.Refresh());
    EXPECT_TRUE(bar.UpdateMDIButtons(TRUE));
    EXPECT_FALSE(bar.UpdateMDIButtons(TRUE));
    EXPECT_TRUE(frame.Refresh());

    // Copies of Edit dropped on the icon and on the caption button: the
    // embedded buttons stay at the ends.
    const UINT nEdit = bar.GetItemID(2);
    bar.DropButton(bar.GetIconButton()->GetRect(), bar.GetButton(2), TRUE, FALSE);
    bar.DropButton(bar.GetCaptionButton()->GetRect(), bar.GetButton(bar.CommandToIndex(nEdit)), TRUE, FALSE);
    ASSERT_EQ(7, bar.GetButtonCount());
    EXPECT_EQ(bar.GetIconButton(), bar.GetButton(0));
    EXPECT_EQ(bar.GetCaptionButton(), bar.GetButton(6));
    int nEdits = 0;
    for (int i = 0; i < bar.GetButtonCount(); ++i)
        nEdits += bar.GetItemID(i) == nEdit ? 1 : 0;
    EXPECT_EQ(3, nEdits);
    bar.ResetMenuButtons(FALSE);
    ASSERT_EQ(5, bar.GetButtonCount()) << "reset: the table's buttons and the embedded ones";
    EXPECT_EQ(bar.GetIconButton(), bar.GetButton(0));
    EXPECT_EQ(bar.GetCaptionButton(), bar.GetButton(4));
    EXPECT_FALSE(IsHidden(bar.GetButton(4))) << "still maximised";

    // Pressed on restore, released on close: nothing happens.
    auto clientPoint = [&](int nPart) {
        CPoint pt = frame.PartPoint(nPart);
        bar.ScreenToClient(&pt);
        return MAKELPARAM(pt.x, pt.y);
    };
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(MDIButtons::kRestore));
    EXPECT_EQ(MDIButtons::kRestore, bar.GetCaptionButton()->GetPressedPart());
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, clientPoint(MDIButtons::kClose));
    bar.SendMessage(WM_LBUTTONUP, 0, clientPoint(MDIButtons::kClose));
    Pump();
    EXPECT_EQ(MDIButtons::kNoPart, bar.GetCaptionButton()->GetPressedPart());
    EXPECT_TRUE(::IsZoomed(hChild));

    // The close part closes the child, not the frame.
    Click(frame.PartPoint(MDIButtons::kClose));
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_TRUE(::IsWindow(frame.m_hWnd));
    EXPECT_TRUE(frame.Refresh());
    EXPECT_TRUE(IsHidden(bar.GetButton(0)) && IsHidden(bar.GetButton(4)));
    frame.DestroyWindow();
}

TEST(MDIMenuBarGui, IconDropsTheChildsSystemMenu)
{
    CMDIMenuFrame frame;
    ASSERT_TRUE(frame.Make());
    CMDIChildWnd* pChild = frame.NewChild();
    ASSERT_NE(nullptr, pChild);
    const HWND hChild = pChild->m_hWnd;
    frame.MDIMaximize(pChild);
    ASSERT_TRUE(frame.Refresh());
    HMENU hSysMenu = ::GetSystemMenu(hChild, FALSE);

    // Escape closes it again and nothing is chosen.
    PressKeyLater(VK_ESCAPE, 500);
    Click(frame.ScreenPoint(frame.m_bar.GetIconButton(), CPoint(8, 8)));
    Pump(300);
    ASSERT_FALSE(frame.m_popups.empty());
    EXPECT_EQ(hSysMenu, frame.m_popups.front()) << "the child's system menu";
    EXPECT_NE((UINT)-1, ::GetMenuDefaultItem(hSysMenu, FALSE, 0));
    EXPECT_TRUE(::IsWindow(hChild));

    // Its Close goes to the child: the frame stays.
    frame.m_popups.clear();
    PressKeyLater('C', 500);
    Click(frame.ScreenPoint(frame.m_bar.GetIconButton(), CPoint(8, 8)));
    Pump(300);
    EXPECT_EQ(1u, frame.m_popups.size());
    EXPECT_FALSE(::IsWindow(hChild)) << "its Close, by its mnemonic";
    EXPECT_TRUE(::IsWindow(frame.m_hWnd));
    EXPECT_TRUE(frame.m_frameSysCommands.empty());

    // A double-click on the icon runs the default item: close.
    pChild = frame.NewChild();
    ASSERT_NE(nullptr, pChild);
    const HWND hSecond = pChild->m_hWnd;
    frame.MDIMaximize(pChild);
    frame.Refresh();
    const CPoint ptIcon(frame.m_bar.GetIconButton()->m_x + 8, frame.m_bar.GetIconButton()->m_y + 8);
    frame.m_bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptIcon.x, ptIcon.y));
    Pump(200);
    EXPECT_FALSE(::IsWindow(hSecond));
    frame.DestroyWindow();
}

TEST(MDIMenuBarGui, FloatingMenuBarHasNoCloseBoxAndFullWidthSpansTheDesktop)
{
    CMDIMenuFrame frame;
    ASSERT_TRUE(frame.Make());
    SECMDIMenuBar& bar = frame.m_bar;
    CRect rcFrame;
    frame.GetWindowRect(&rcFrame);
    frame.FloatControlBar(&bar, CPoint(rcFrame.left + 80, rcFrame.top + 160));
    Pump(200);
    CFrameWnd* pMini = bar.GetParentFrame();
    ASSERT_NE(nullptr, pMini);
    ASSERT_NE(&frame, pMini);
    EXPECT_FALSE(pMini->GetStyle() & WS_SYSMENU) << "no close box";
    pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(200);
    EXPECT_TRUE(WriteWindowPng(pMini->m_hWnd, "ui_frames_mdi_menubar_floating.png"));

    CMDIChildWnd* pChild = frame.NewChild();
    ASSERT_NE(nullptr, pChild);
    frame.MDIMaximize(pChild);
    frame.Refresh();
    bar.m_bFullWidth = TRUE;
    CRect rcDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
    const CSize size = bar.CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    EXPECT_GE(size.cx, rcDesktop.Width());
    CRect rcCaption = bar.GetCaptionButton()->GetRect();
    bar.ClientToScreen(&rcCaption);
    EXPECT_EQ(rcDesktop.right - 2, rcCaption.right) << "ends 2 pixels before the desktop's edge";
    frame.DestroyWindow();
}
