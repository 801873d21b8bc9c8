#include "framework/Framework.h"
#include "app/UiSeams.h"
#include "app/project/ProgressPane.h"
#include "chart/ChartHost.h"
#include "design/DesignUi.h"

namespace {

// Progress style of the status bar: percent text, the bar driven by us.
constexpr DWORD kProgressStyle = 0x4100;

// Protocol design: stop-icon boxes and the wait cursor. Its numeric progress
// shows in the main status bar until a progress window of its own exists.
class CApplicationDesignUi : public DesignUi
{
public:
    void ShowError(const CString& text) override { AfxMessageBox(text, MB_OK | MB_ICONSTOP); }
    void BeginWaitCursor() override { AfxGetApp()->BeginWaitCursor(); }
    void EndWaitCursor() override { AfxGetApp()->EndWaitCursor(); }

    void BeginProgress(int lower, int upper) override
    {
        m_pPane = g_pMainStatusBar;
        if (m_pPane && !m_pPane->BeginProgress(nullptr, lower, upper, TRUE, kProgressStyle, 10))
            m_pPane = nullptr;
    }
    void SetProgress(int position, const CString&) override
    {
        if (m_pPane)
            m_pPane->SetProgressPos(position);
    }
    void EndProgress() override
    {
        if (m_pPane)
            m_pPane->EndProgress();
        m_pPane = nullptr;
    }

private:
    // The pane the running progress began on, or null.
    CProgressPane* m_pPane = nullptr;
};

// The chart model: the status bar's progress pane when there is one, the
// wait cursor and the application's profile.
class CApplicationChartHost : public IChartHost
{
public:
    BOOL BeginProgress(LPCTSTR text, int lower, int upper, BOOL setPos, DWORD style, int step) override
    {
        return g_pMainStatusBar && g_pMainStatusBar->BeginProgress(text, lower, upper, setPos, style, step);
    }
    void SetProgressPos(int pos) override
    {
        if (g_pMainStatusBar)
            g_pMainStatusBar->SetProgressPos(pos);
    }
    void StepProgress() override
    {
        if (g_pMainStatusBar)
            g_pMainStatusBar->StepProgress();
    }
    void EndProgress() override
    {
        if (g_pMainStatusBar)
            g_pMainStatusBar->EndProgress();
    }

    void BeginWaitCursor() override { AfxGetApp()->BeginWaitCursor(); }
    void EndWaitCursor() override { AfxGetApp()->EndWaitCursor(); }

    BOOL GetProfileString(LPCTSTR section, LPCTSTR key, CString& value) override
    {
        CWinApp* pApp = AfxGetApp();
        if (!pApp)
            return FALSE;
        value = pApp->GetProfileString(section, key, nullptr);
        return TRUE;
    }
    void WriteProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR value) override
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->WriteProfileString(section, key, value);
    }
};

CApplicationDesignUi g_designUi;
CApplicationChartHost g_chartHost;

} // namespace

void InstallUiSeams()
{
    SetDesignUi(&g_designUi);
    SetChartHost(&g_chartHost);
}

void RemoveUiSeams()
{
    SetDesignUi(nullptr);
    SetChartHost(nullptr);
}
