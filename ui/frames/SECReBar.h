// A rebar: the common control whose bands hold custom toolbars. A toolbar
// in a band keeps the band's minimum size in step with its own layout
// (SECCustomToolBar::UpdateReBarBand).
#pragma once

#include "framework/Framework.h"

class SECReBar : public CWnd
{
    DECLARE_DYNAMIC(SECReBar)

public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // A band holding the bar, sized to the bar's committed layout.
    BOOL AddBar(CWnd* pBar, LPCTSTR pszText = nullptr);
    int GetBandCount() const;
};
