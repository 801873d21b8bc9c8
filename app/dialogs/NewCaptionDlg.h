// "New Caption": a short name (at most 8 characters) that the caller makes a
// file name of, so it must be one.
#pragma once

#include "framework/Framework.h"
#include "res/SharedDialogsRes.h"

class CNewCaptionDlg : public CDialog
{
public:
    enum { IDD = IDD_NEW_CAPTION };
    static constexpr int MAX_CAPTION = 8;

    // The title becomes the window's caption.
    explicit CNewCaptionDlg(const CString& strTitle, CWnd* pParent = nullptr);

    const CString& GetCaption() const { return m_strCaption; }

    CString m_strCaption;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    CString m_strTitle;

    DECLARE_MESSAGE_MAP()
};
