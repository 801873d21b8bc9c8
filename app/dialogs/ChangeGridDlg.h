// "Change Grid": the chart's grid spacing in pixels, 5 to 100 each way.
#pragma once

#include "framework/Framework.h"
#include "res/SharedDialogsRes.h"

class CChangeGridDlg : public CDialog
{
public:
    enum { IDD = IDD_CHANGE_GRID };
    static constexpr int MIN_SPACING = 5;
    static constexpr int MAX_SPACING = 100;

    CChangeGridDlg(int nX, int nY, CWnd* pParent = nullptr);

    int m_nX;
    int m_nY;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
