// Property sheets and their pages. A page is created when it is first shown;
// on OK every created page validates (OnKillActive -> UpdateData) and then
// gets OnOK; on Cancel OnCancel and OnReset.
#pragma once

#include "framework/Dialog.h"

#include <vector>

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    CPropertyPage();

    PROPSHEETPAGEA m_psp;

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual void OnOK() override;
    virtual void OnCancel() override;
    virtual void OnReset();
    virtual BOOL OnApply();
    virtual BOOL OnQueryCancel();
    void SetModified(BOOL bChanged = TRUE);
    CPropertySheet* GetSheet() const { return m_pSheet; }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Keys go on to the sheet, which does the dialog navigation.
    BOOL PreTranslateMessage(MSG* pMsg) override { return CWnd::PreTranslateMessage(pMsg); }

    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption);

    CPropertySheet* m_pSheet = nullptr;
    CString m_strCaption;
    BOOL m_bFirstSetActive = TRUE;   // OnInitDialog has just loaded the controls
};

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    explicit CPropertySheet(LPCTSTR pszCaption = nullptr, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return (int)m_pages.size(); }
    CPropertyPage* GetPage(int nPage) const { return m_pages[nPage]; }
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    // IDOK or IDCANCEL; our own loop, so pre-translation and idle work.
    virtual int DoModal();
    void EndDialog(int nEndID);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    PROPSHEETHEADERA m_psh;
    CWnd* m_pParentWnd;
    CString m_strCaption;
    int m_nModalResult = IDCANCEL;

    static int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM lParam);

protected:
    std::vector<CPropertyPage*> m_pages;
    BOOL m_bApplied = FALSE;
    friend class CPropertyPage;
};
