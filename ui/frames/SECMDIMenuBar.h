// The menu bar of an MDI frame: while the active child is maximised, its
// icon is the first button (dropping the child's system menu) and its
// minimise, restore and close buttons are the last. Both buttons belong to
// the bar: they are taken out of the button array before the array is
// emptied, saved or reset, and put back at the ends afterwards.
#pragma once

#include "ui/frames/SECMenuBar.h"

#include <memory>

class SECBtnCaption;
class SECCapMenuBtn;

class SECMDIMenuBar : public SECMenuBar
{
    DECLARE_DYNAMIC(SECMDIMenuBar)

public:
    SECMDIMenuBar();
    ~SECMDIMenuBar() override;

    // Shows the buttons for a maximised active child with a system menu,
    // hides them otherwise or with bHide; TRUE when anything changed (the
    // caller re-lays out the frame).
    virtual BOOL UpdateMDIButtons(BOOL bHide);
    virtual void SetMenuMaskMDI(DWORD mask);

    BOOL SetButtons(const UINT* pIDs, int nCount) override;
    void RemoveAllButtons() override;
    void ResetMenuButtons(BOOL bNoRecalc) override;
    BOOL FilterMenuModeMouse(UINT message) override;
    BOOL DropButton(CRect rcDrop, SECStdBtn* pButton, BOOL bCopy, BOOL bNoRecalc) override;
    void OnGetExtendedBarInfo(SECControlBarInfo* pInfo) override;
    void OnSetExtendedBarInfo(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    // The icon button asks for the active child's system menu.
    void DropChildSystemMenu(SECCapMenuBtn* pButton);

    SECBtnCaption* GetCaptionButton() const { return m_pCaption; }
    SECCapMenuBtn* GetIconButton() const { return m_pIcon; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint pt);
    DECLARE_MESSAGE_MAP()

private:
    void TakeOutEmbedded();
    void PutBackEmbedded();
    void InitEmbedded(SECStdBtn* pButton);
    void KeepEmbeddedAtEnds();

    // The embedded buttons; held here while out of the array.
    SECBtnCaption* m_pCaption;
    SECCapMenuBtn* m_pIcon;
    std::unique_ptr<SECBtnGeometry> m_heldCaption;
    std::unique_ptr<SECBtnGeometry> m_heldIcon;
    // When the press being handled began; 0 outside the press handler.
    DWORD m_dwPressTick = 0;
};
