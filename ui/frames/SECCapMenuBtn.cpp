#include "framework/Framework.h"
#include "ui/frames/SECCapMenuBtn.h"

#include "ui/frames/SECMDIMenuBar.h"

void SECCapMenuBtn::AdjustSize()
{
    m_cx = 16;
    m_cy = 16;
    if (m_pToolBar != nullptr)
        m_pToolBar->m_nMaxBtnWidth = std::max(m_pToolBar->m_nMaxBtnWidth, m_cx);
}

void SECCapMenuBtn::DrawImage(SECBtnDrawData& dd, const CRect&)
{
    if (m_hIcon != nullptr)
        ::DrawIconEx(dd.m_faceDC.m_hDC, m_x, m_y, m_hIcon, 16, 16, 0, nullptr, DI_NORMAL);
}

void SECCapMenuBtn::DropMenu()
{
    auto* pBar = dynamic_cast<SECMDIMenuBar*>(m_pToolBar);
    if (pBar != nullptr)
        pBar->DropChildSystemMenu(this);
    else
        SECTBMenuBtn::DropMenu();
}
