#include "framework/Framework.h"
#include "chart/VikaChartItemStateDlg.h"
#include "chart/VikaChartModel.h"
#include "res/ChartRes.h"

#include <cstdio>

namespace {

const char kSection[] = "VikaChartModel";
const char kKey[] = "Change Item State";

}  // namespace

CVikaChartItemStateDlg::CVikaChartItemStateDlg(const CString& title,
                                               CVikaChartModel* pModel,
                                               CVikaChartItem* pItem,
                                               CWnd* pParent)
    : CDialog(IDD_CHART_ITEM_STATE, pParent),
      m_strTitle(title),
      m_pItem(pItem),
      m_pModel(pModel) {
  LoadSettings();
}

void CVikaChartItemStateDlg::LoadSettings() {
  CWinApp* pApp = AfxGetApp();
  if (!pApp) return;
  const CString text = pApp->GetProfileString(kSection, kKey, "0,1,1,1,0");
  int v[5] = {0, 1, 1, 1, 0};
  std::sscanf(text, "%d,%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3], &v[4]);
  m_nDirection = v[0] ? 1 : 0;
  m_bDWN = v[1] ? 1 : 0;
  m_bORG = v[2] ? 1 : 0;
  m_bUP = v[3] ? 1 : 0;
  m_nSkip = v[4] >= 0 && v[4] <= 10 ? v[4] : 0;
}

void CVikaChartItemStateDlg::SaveSettings() {
  CWinApp* pApp = AfxGetApp();
  if (!pApp) return;
  CString text;
  text.Format("%d,%d,%d,%d,%d", m_nDirection, m_bDWN, m_bORG, m_bUP, m_nSkip);
  pApp->WriteProfileString(kSection, kKey, text);
}

BOOL CVikaChartItemStateDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(m_strTitle);
  SendDlgItemMessage(IDC_STATE_SPIN, UDM_SETRANGE32, 0, 10);
  if (m_pItem && m_pModel) {
    const double s = m_pModel->GetProperties().m_dTakeoutSeparation;
    CString text;
    text.Format("Depth (%.2f m)", m_pItem->GetDepth() * s);
    SetDlgItemText(IDC_STATE_DEPTH, text);
    text.Format("Midpoint (%.2f m)",
                m_pItem->GetX() * s + m_pModel->GetProperties().m_dOrgPosition);
    SetDlgItemText(IDC_STATE_MIDPOINT, text);
  }
  UpdateData(FALSE);
  return TRUE;
}

int CVikaChartItemStateDlg::DoModal() {
  const int result = CDialog::DoModal();
  if (result == IDOK) SaveSettings();
  return result;
}

void CVikaChartItemStateDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Radio(pDX, IDC_STATE_DEPTH, m_nDirection);
  DDX_Check(pDX, IDC_STATE_DWN, m_bDWN);
  DDX_Check(pDX, IDC_STATE_ORG, m_bORG);
  DDX_Check(pDX, IDC_STATE_UP, m_bUP);
  DDX_Text(pDX, IDC_STATE_SKIP, m_nSkip);
  DDV_MinMaxInt(pDX, m_nSkip, 0, 10);
}
