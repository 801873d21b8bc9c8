// The application: brings the program up in one fixed order, keeps the
// document templates and the splash window.
#pragma once

#include "framework/Framework.h"
#include "app/ApplicationHostServices.h"
#include "app/SplashWindow.h"

class CMainFrame;

// Indices of the template table (not the order of registration).
enum G7KTemplate { TEMPLATE_CONVERSION = 0, TEMPLATE_VIKA = 1, TEMPLATE_CHART = 2, TEMPLATE_POLYVECT = 3,
                   TEMPLATE_COUNT = 4 };

// The text of a string resource; empty when there is none.
CString LoadResString(UINT nId);

class CG7KWinApp : public CWinApp
{
public:
    CG7KWinApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CMultiDocTemplate* GetTemplate(G7KTemplate nIndex) const { return m_pTemplates[nIndex]; }
    CSplashWindow& GetSplashWindow() { return m_splash; }
    // The clock of the splash's five seconds (GetTickCount unless a test sets one).
    void SetTickSource(DWORD (*pfnTickCount)()) { m_pfnTickCount = pfnTickCount; }

    // The registry key under which all profile data lives.
    static constexpr const char* REGISTRY_KEY = "Norvik Instrument AB";

protected:
    // Tests use a key and a frame of their own.
    virtual LPCTSTR GetRegistryKeyName() const { return REGISTRY_KEY; }
    virtual CMainFrame* CreateMainFrame();
    // The main frame loaded from its resource, or null when it cannot be.
    CMainFrame* LoadMainFrame();

    // Shows the splash window and starts its five seconds.
    void ShowSplash();
    void OnAppAbout();

    CSplashWindow m_splash;
    CApplicationHostServices m_hostServices;
    DWORD m_dwStartTick = 0;
    DWORD (*m_pfnTickCount)() = &::GetTickCount;
    BOOL m_bSplashRaised = FALSE;
    CMultiDocTemplate* m_pTemplates[TEMPLATE_COUNT] = {};

    DECLARE_MESSAGE_MAP()
};

CG7KWinApp* GetG7KApp();
