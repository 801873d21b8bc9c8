// The maximised MDI child's minimise, restore and close buttons on the menu
// bar, drawn as the system's caption parts in one button. A press follows
// its part; the release over the same part posts the matching system
// command to the active child. The part arithmetic is MDIButtons'.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/MDIButtons.h"
#include "ui/frames/SECStdBtn.h"

class SECBtnCaption : public SECStdBtn
{
public:
    SECBtnCaption();

    BOOL CanDrag() const override { return FALSE; }
    BOOL OnLButtonDown(CPoint pt) override;
    void OnMouseMove(CPoint pt) override;
    void OnCancelPress() override;
    UINT OnLButtonUp(CPoint pt) override;
    int OnToolHitTest(CPoint pt, TOOLINFO* pTI) const override;
    void AdjustSize() override;
    void Draw(CDC* pDC) override;

    // The part under a point of the toolbar's client area, or kNoPart.
    int PartAt(CPoint pt) const;
    int GetPressedPart() const { return m_nPressedPart; }

    DWORD m_dwChildStyle = kMDIStyleMask;
    int m_cxPart;
    int m_cyPart;

private:
    void SetPressedLook(BOOL bPressed);

    int m_nPressedPart = MDIButtons::kNoPart;
    BOOL m_bDrawnPressed = FALSE;
};

// The active child of the MDI frame the bar docks in; NULL when none.
HWND ActiveMDIChildOf(const CControlBar* pBar);
