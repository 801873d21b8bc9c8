// A dialog that runs a test script from inside its own modal loop, and a
// recorder that answers message boxes instead of a person.
#pragma once

#include "framework/Framework.h"

#include <functional>
#include <string>
#include <vector>

const UINT WM_RUNSCRIPT = WM_APP + 20;

template <class TDialog>
class CScripted : public TDialog
{
public:
    using TDialog::TDialog;

    std::function<void(CScripted&)> m_script;

    BOOL OnInitDialog() override
    {
        const BOOL bResult = TDialog::OnInitDialog();
        this->PostMessage(WM_RUNSCRIPT);
        return bResult;
    }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message != WM_RUNSCRIPT)
            return TDialog::OnWndMsg(message, wParam, lParam, pResult);
        if (m_script)
            m_script(*this);
        // A script that forgot to end the dialog must not hang the test.
        if (this->ContinueModal())
            this->EndDialog(-2);
        return TRUE;
    }

    void Click(int nId) { this->SendMessage(WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)this->GetDlgItem(nId)->GetSafeHwnd()); }
    void Notify(int nId, int nCode) { this->SendMessage(WM_COMMAND, MAKEWPARAM(nId, nCode), (LPARAM)this->GetDlgItem(nId)->GetSafeHwnd()); }
    CString Text(int nId) const
    {
        CString strText;
        this->GetDlgItemText(nId, strText);
        return strText;
    }
    CString Caption() const
    {
        CString strText;
        this->GetWindowText(strText);
        return strText;
    }
    CListBox& ListBox(int nId) const { return *static_cast<CListBox*>(this->GetDlgItem(nId)); }
    std::vector<CString> Rows(int nId) const
    {
        std::vector<CString> rows;
        CListBox& list = ListBox(nId);
        for (int i = 0; i < list.GetCount(); ++i) {
            CString strRow;
            list.GetText(i, strRow);
            rows.push_back(strRow);
        }
        return rows;
    }
};

// Records every message box (text and caption) and answers IDOK.
class CMessageBoxRecorder
{
public:
    CMessageBoxRecorder() { m_pfnPrevious = AfxSetMessageBoxHook(Record); s_pActive = this; }
    ~CMessageBoxRecorder()
    {
        AfxSetMessageBoxHook(m_pfnPrevious);
        s_pActive = nullptr;
    }
    CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
    CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

    std::vector<std::string> texts;
    std::vector<std::string> captions;

private:
    static int Record(HWND, LPCTSTR pszText, LPCTSTR pszCaption, UINT)
    {
        if (s_pActive) {
            s_pActive->texts.push_back(pszText ? pszText : "");
            s_pActive->captions.push_back(pszCaption ? pszCaption : "");
        }
        return IDOK;
    }
    static inline CMessageBoxRecorder* s_pActive = nullptr;
    AFX_MESSAGEBOX_HOOK m_pfnPrevious = nullptr;
};
