// "Select Options": a list of check boxes over the caller's array of
// flags. OK writes each row's state back into the array; Cancel leaves it.
#pragma once

#include "framework/Framework.h"
#include "res/SharedDialogsRes.h"

class CCheckListDlg : public CDialog
{
public:
    enum { IDD = IDD_CHECK_LIST };

    // The arrays have nCount entries and stay the caller's. An empty OK
    // text keeps the button's own caption.
    CCheckListDlg(UINT nCount, BOOL* pChecks, const CString* pTexts, const CString& strPrompt,
                  const CString& strOkText, CWnd* pParent = nullptr);

    CCheckListBox& GetList() { return m_list; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnSetAll();
    void OnClearAll();
    void CheckAll(int nCheck);

    UINT m_nCount;
    BOOL* m_pChecks;
    const CString* m_pTexts;
    CString m_strPrompt;
    CString m_strOkText;
    CCheckListBox m_list;

    DECLARE_MESSAGE_MAP()
};
