// A window plug-in that draws the host frame's popup menus itself: the
// command's toolbar image at the left of each item, the text in the menu
// font, the accelerator right-aligned, and checked, selected, disabled and
// default items in the toolbar buttons' style. Plain string items become
// owner-drawn when their popup opens and are turned back into strings when
// the plug-in goes.
// Images come from a bitmap manager: one of its own until the frame hands
// it its toolbar manager's, so that a command shows its toolbar image.
// Not yet: the library's own check-mark and radio-dot bitmaps.
#pragma once

#include "mvc/WndPlugIn.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

class SECBmpMgr;

class SECBmpMenuItemInfo : public CObject
{
public:
    UINT m_nID = 0;
    CString m_strText;       // as before the item became owner-drawn
    char m_chMnemonic = 0;
};

class SECBmpMenuPlugIn : public SECWndPlugIn
{
public:
    SECBmpMenuPlugIn();
    ~SECBmpMenuPlugIn() override;

    // Takes a reference to the manager and lets go of the one before.
    void SetBitmapManager(SECBmpMgr* pBmpMgr);
    SECBmpMgr* GetBitmapManager() const { return m_pBmpMgr; }
    // Turns the popup's plain string items into owner-drawn ones.
    void PrepareMenu(HMENU hMenu, BOOL bSysMenu);
    // Forgets menus and items that no longer exist.
    virtual void PurgeMenus();
    // Every recorded item back to a plain string.
    void RestoreMenus();
    BOOL IsOwnItem(HMENU hMenu, UINT_PTR itemData) const;

    // TRUE only for the messages a handler consumed; the host handles the rest.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void SetHandled(LRESULT result) override;

protected:
    virtual void CreateMenuFont();
    virtual void CreateDefaultItemFont();
    // A mask of the image at xSrc in the source: white where the image shows
    // the face or highlight colour, black elsewhere. FALSE when it cannot be made.
    virtual BOOL CreateMonoMask(CDC* pSrcDC, CDC* pMaskDC, CBitmap& mask, HGDIOBJ& hOldBitmap, int cx, int cy,
                                int xSrc);
    // The dither over the image's background.
    virtual void DrawCheckedImage(CDC& dc, int x, int y, int cx, int cy, CDC* pSrcDC, int xSrc);
    // The image embossed in highlight and shadow.
    virtual void DrawDisabledImage(CDC& dc, int x, int y, int cx, int cy, CDC* pSrcDC, int xSrc);
    virtual void DrawItemImage(LPDRAWITEMSTRUCT lpDis, CDC& dc, CRect& rect, HBITMAP hImage, int nIndex, CSize image);

    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    DECLARE_MESSAGE_MAP()

private:
    using ItemList = std::vector<std::unique_ptr<SECBmpMenuItemInfo>>;
    SECBmpMenuItemInfo* FindInfo(UINT_PTR itemData) const;
    CSize ImageSize() const;
    void DrawItemText(LPDRAWITEMSTRUCT lpDis, CDC& dc, const CRect& rcText, const SECBmpMenuItemInfo& info);

    std::map<HMENU, ItemList> m_menus;
    std::set<UINT> m_foreign;
    SECBmpMgr* m_pBmpMgr = nullptr;
    CBrush m_patternBrush;
    CFont m_menuFont;
    CFont m_defaultFont;
    BOOL m_bConsumed = FALSE;
};
