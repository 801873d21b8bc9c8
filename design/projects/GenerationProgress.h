// A modeless progress window with Cancel for the protocol generator: while
// it lives it is the host's progress display, and it keeps the program's
// windows answering by passing waiting messages on now and then.
#pragma once

#include "framework/Framework.h"
#include "framework/HostServices.h"

class CGenerationProgress : public IHostServices
{
public:
    explicit CGenerationProgress(CWnd* pOwner);
    ~CGenerationProgress() override;
    CGenerationProgress(const CGenerationProgress&) = delete;
    CGenerationProgress& operator=(const CGenerationProgress&) = delete;

    // Whether Cancel was pressed; passes waiting messages on first.
    bool IsCancelled();
    HWND GetWindow() const { return m_hWnd; }

    void ReportError(LPCTSTR pszText, HostIcon icon) override { m_previous.ReportError(pszText, icon); }
    BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, int nStep) override;
    void SetProgressPos(int nPos) override;
    void SetProgressText(LPCTSTR pszText) override;
    void StepProgress() override {}
    void EndProgress() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    CProfileStore& Profile() override { return m_previous.Profile(); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void PumpMessages(bool bForce);

    IHostServices& m_previous;
    HWND m_hWnd = nullptr;
    HWND m_hOwner = nullptr;
    BOOL m_bOwnerWasEnabled = FALSE;
    bool m_bCancelled = false;
    DWORD m_dwLastPump = 0;
    CString m_strPendingText;
    IHostServices* m_pInstalledBefore = nullptr;
};
