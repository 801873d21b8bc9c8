// The caption-less modeless progress window of long generator runs: one
// progress bar with a custom text instead of the percentage.
#pragma once

#include "framework/Framework.h"
#include "mvc/controls/ProgressCtrl.h"
#include "res/SharedDialogsRes.h"

class CNumericProgressDlg : public CDialog
{
public:
    enum { IDD = IDD_NUMERIC_PROGRESS };

    explicit CNumericProgressDlg(CWnd* pParent = nullptr);
    ~CNumericProgressDlg() override;

    // Creates the window from its template; the caller shows it.
    BOOL Create();
    using CDialog::Create;

    void SetRange(int nLower, int nUpper) { m_progress.SetRange(nLower, nUpper); }
    // A non-empty text becomes the bar's text; the bar is repainted at once.
    void SetPos(int nPos, const CString& strText);
    void Reset() { m_progress.Reset(); }
    void SetText(const CString& strText) { m_progress.SetText(strText); }
    void SetStep(int nStep) { m_progress.SetStep(nStep); }
    void StepIt() { m_progress.StepIt(TRUE); }

    SECProgressCtrl& GetProgressCtrl() { return m_progress; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    SECProgressCtrl m_progress;

    DECLARE_MESSAGE_MAP()
};
