// The maximised MDI child's icon on the menu bar: 16 x 16, it drops the
// child's system menu down through the bar.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECTBMenuBtn.h"

class SECCapMenuBtn : public SECTBMenuBtn
{
public:
    SECCapMenuBtn() { m_nType = kBtnNavigable; }

    BOOL CanDrag() const override { return FALSE; }
    void AdjustSize() override;
    void DropMenu() override;

    HICON m_hIcon = nullptr;   // the child's, not owned

protected:
    void DrawImage(SECBtnDrawData& dd, const CRect& rcFace) override;
};
