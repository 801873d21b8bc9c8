// What the portable cores need from the program that runs them: error
// messages, the progress display, the wait cursor and the settings store.
// The cores talk only to the installed host, so they run headless; a silent
// host is installed from the start and the application installs the real one.
#pragma once

#include "framework/ProfileStore.h"

// Progress style of every long loop: percent text, the bar driven by us.
constexpr DWORD kPercentProgressStyle = 0x4100;

// The icon of an error message.
enum class HostIcon { Stop, Exclamation, Information };

class IHostServices
{
public:
    virtual ~IHostServices() = default;

    // A message box with an OK button.
    virtual void ReportError(LPCTSTR pszText, HostIcon icon) = 0;

    // One progress display at a time: begun with a caption (or none) and a
    // range, moved by position or step, ended. FALSE when nothing shows it.
    virtual BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, int nStep) = 0;
    virtual void SetProgressPos(int nPos) = 0;
    // The line under the bar of a progress window that has one.
    virtual void SetProgressText(LPCTSTR pszText) = 0;
    virtual void StepProgress() = 0;
    virtual void EndProgress() = 0;
    // Whether the user asked the running loop to stop (Escape); a loop that
    // asks stops where its data stays whole.
    virtual BOOL IsProgressCancelled() { return FALSE; }

    // Nested: the cursor comes back after the last End.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    virtual CProfileStore& Profile() = 0;
};

// Shows nothing and keeps no settings, unless given a store to keep them
// in. Tests derive from it to record what a core shows.
class CSilentHostServices : public IHostServices
{
public:
    explicit CSilentHostServices(CProfileStore* pProfile = nullptr) : m_pProfile(pProfile) {}

    void ReportError(LPCTSTR, HostIcon) override {}
    BOOL BeginProgress(LPCTSTR, int, int, int) override { return FALSE; }
    void SetProgressPos(int) override {}
    void SetProgressText(LPCTSTR) override {}
    void StepProgress() override {}
    void EndProgress() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    CProfileStore& Profile() override { return m_pProfile ? *m_pProfile : m_nullProfile; }

private:
    CProfileStore* m_pProfile;
    CNullProfileStore m_nullProfile;
};

// The host in use; the silent one until another is installed.
IHostServices& GetHostServices();
// Installs a host (not owned); null puts the silent one back. Returns the
// host installed before (null for the silent one).
IHostServices* InstallHostServices(IHostServices* pHost);

// A host installed for the lifetime of a scope, the previous one after.
class CHostServicesScope
{
public:
    explicit CHostServicesScope(IHostServices& host) : m_pPrevious(InstallHostServices(&host)) {}
    ~CHostServicesScope() { InstallHostServices(m_pPrevious); }
    CHostServicesScope(const CHostServicesScope&) = delete;
    CHostServicesScope& operator=(const CHostServicesScope&) = delete;

private:
    IHostServices* m_pPrevious;
};

// The progress display for the lifetime of a scope: it ends however the
// loop ends.
class ProgressScope
{
public:
    ProgressScope(LPCTSTR pszText, int nLower, int nUpper, int nStep = 1)
    {
        GetHostServices().BeginProgress(pszText, nLower, nUpper, nStep);
    }
    ~ProgressScope() { GetHostServices().EndProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void SetPos(int nPos) { GetHostServices().SetProgressPos(nPos); }
    void SetText(LPCTSTR pszText) { GetHostServices().SetProgressText(pszText); }
    void Step() { GetHostServices().StepProgress(); }
    BOOL IsCancelled() const { return GetHostServices().IsProgressCancelled(); }
};

// The wait cursor for the lifetime of a scope.
class WaitCursorScope
{
public:
    WaitCursorScope() { GetHostServices().BeginWaitCursor(); }
    ~WaitCursorScope() { GetHostServices().EndWaitCursor(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};

// The progress part of a status bar, which the application's host shows
// long loops on. The arguments are the status bar's own.
class IProgressPane
{
public:
    virtual ~IProgressPane() = default;
    virtual BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, BOOL bSetPos, DWORD dwStyle, int nStep) = 0;
    virtual void SetProgressPos(int nPos) = 0;
    virtual void StepProgress() = 0;
    virtual void EndProgress() = 0;
};
