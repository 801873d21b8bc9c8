#include "framework/Framework.h"
#include "app/dialogs/ChangeGridDlg.h"

BEGIN_MESSAGE_MAP(CChangeGridDlg, CDialog)
END_MESSAGE_MAP()

CChangeGridDlg::CChangeGridDlg(int nX, int nY, CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_nX(nX)
    , m_nY(nY)
{
}

BOOL CChangeGridDlg::OnInitDialog()
{
    for (int nSpin : {IDC_GRID_X_SPIN, IDC_GRID_Y_SPIN}) {
        if (auto* pSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(nSpin)))
            pSpin->SetRange(MIN_SPACING, MAX_SPACING);
    }
    return CDialog::OnInitDialog();
}

void CChangeGridDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_GRID_X, m_nX);
    DDV_MinMaxInt(pDX, m_nX, MIN_SPACING, MAX_SPACING);
    DDX_Text(pDX, IDC_GRID_Y, m_nY);
    DDV_MinMaxInt(pDX, m_nY, MIN_SPACING, MAX_SPACING);
}
