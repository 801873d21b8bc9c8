// A list box of check boxes (owner-drawn, with strings). A click on the box
// toggles it and tells the parent with CLBN_CHKCHANGE.
#pragma once

#include "framework/Controls.h"

class CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    LRESULT OnLBAddString(WPARAM wParam, LPARAM lParam);
    LRESULT OnLBInsertString(WPARAM wParam, LPARAM lParam);
    LRESULT OnLBGetItemData(WPARAM wParam, LPARAM lParam);
    LRESULT OnLBSetItemData(WPARAM wParam, LPARAM lParam);
    LRESULT OnLBSetItemHeight(WPARAM wParam, LPARAM lParam);

protected:
    // Each item's data holds the check state; the caller's item data is kept
    // alongside.
    struct ItemState
    {
        int nCheck = 0;
        BOOL bEnabled = TRUE;
        DWORD_PTR dwUserData = 0;
    };
    ItemState* State(int nIndex) const;
    void ToggleAt(int nIndex);
    int CheckBoxWidth() const;
    // A line of the list's font or the check box, whichever is higher.
    int MinimumItemHeight();
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override;
    DECLARE_MESSAGE_MAP()
};
