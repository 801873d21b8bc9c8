// A view made of a dialog template: the controls live in the view window,
// data exchange and control notifications work as in a dialog.
#pragma once

#include "framework/ScrollView.h"

class CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT nIDTemplate);
    explicit CFormView(LPCTSTR lpszTemplateName);

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, CCreateContext* pContext = nullptr) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSetFocus(CWnd* pOldWnd);

    LPCTSTR m_lpszTemplateName;

protected:
    HWND m_hWndFocus = nullptr;   // the control to give the focus back to
    DECLARE_MESSAGE_MAP()
};
