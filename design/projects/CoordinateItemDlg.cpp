#include "framework/Framework.h"
#include "design/projects/CoordinateItemDlg.h"
#include "design/projects/CoordinateEditing.h"
#include "res/resource.h"

CCoordinateItemDlg::CCoordinateItemDlg(CString& strRow, CWnd* pParent)
    : CDialog(IDD_COORDINATE_ITEM, pParent), m_strRow(strRow)
{
    CoordinateRow row;
    if (row.Parse(strRow)) {
        m_nIndex = row.nIndex;
        m_x = row.x;
        m_y = row.y;
        m_z = row.z;
    }
}

BOOL CCoordinateItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString strCaption;
    strCaption.Format("Coordinate #%d", m_nIndex);
    SetWindowText(strCaption);
    return TRUE;
}

void CCoordinateItemDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_COORD_X, m_x);
    DDX_Text(pDX, IDC_COORD_Y, m_y);
    DDX_Text(pDX, IDC_COORD_Z, m_z);
}

void CCoordinateItemDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CoordinateRow row;
    row.nIndex = m_nIndex;
    row.x = m_x;
    row.y = m_y;
    row.z = m_z;
    m_strRow = row.Format();
    EndDialog(IDOK);
}
