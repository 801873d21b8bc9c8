// "Status": a small modeless window whose read-only text a long operation
// appends its progress lines to. The wait cursor shows while it lives. The
// text has no length limit: a long log keeps growing and its last line stays
// in view.
#pragma once

#include "framework/Framework.h"
#include "framework/HostServices.h"
#include "res/SharedDialogsRes.h"

class CStatusMessage : public CDialog
{
public:
    enum { IDD = IDD_STATUS_MESSAGE };

    explicit CStatusMessage(CWnd* pParent = nullptr);
    ~CStatusMessage() override;

    // Creates the window from its template; the caller shows it.
    BOOL Create();
    using CDialog::Create;

    // The caller brings its own line breaks.
    void AppendText(const CString& strText);
    void SetText(const CString& strText);
    const CString& GetText() const { return m_strText; }

protected:
    BOOL OnInitDialog() override;
    // The operation closes the window, not Enter or Escape.
    void OnOK() override {}
    void OnCancel() override {}
    CEdit* GetEdit() const;
    void ScrollToEnd();

    CString m_strText;
    WaitCursorScope m_waitCursor;

    DECLARE_MESSAGE_MAP()
};
