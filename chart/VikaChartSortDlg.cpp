#include "framework/Framework.h"
#include "chart/VikaChartSortDlg.h"
#include "chart/ChartCommands.h"
#include "res/ChartRes.h"

#include <cstdio>

namespace {

const char kSection[] = "VikaChartModel";
const char kKey[] = "Sort Data";
const char* const kKeyNames[9] = {"(none)",
                                  "C1",
                                  "C2",
                                  "P1",
                                  "P2",
                                  "Midpoint",
                                  "Depth",
                                  "'a'=Electrode spacing",
                                  "'n'=Spacing multiplier"};
const int kKeyBoxes[3] = {IDC_SORT_KEY1, IDC_SORT_KEY2, IDC_SORT_KEY3};
const int kDirectionRadios[3] = {IDC_SORT_DIR1, IDC_SORT_DIR2, IDC_SORT_DIR3};

}  // namespace

CVikaChartSortDlg::CVikaChartSortDlg(CWnd* pParent)
    : CDialog(IDD_CHART_SORT, pParent) {}

void CVikaChartSortDlg::LoadSettings() {
  CWinApp* pApp = AfxGetApp();
  if (!pApp) return;
  const CString text = pApp->GetProfileString(kSection, kKey, "0,0,0,0,0,0");
  int v[7] = {0, 0, 0, 0, 0, 0, m_bEnabledFirst};
  std::sscanf(text, "%d,%d,%d,%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3], &v[4],
              &v[5], &v[6]);
  for (int i = 0; i < 3; ++i) {
    m_nKey[i] = v[2 * i] >= 0 && v[2 * i] < 9 ? v[2 * i] : 0;
    m_nDirection[i] = v[2 * i + 1] ? 1 : 0;
  }
  m_bEnabledFirst = v[6] ? 1 : 0;
}

void CVikaChartSortDlg::SaveSettings() {
  CWinApp* pApp = AfxGetApp();
  if (!pApp) return;
  CString text;
  text.Format("%d,%d,%d,%d,%d,%d,%d", m_nKey[0], m_nDirection[0], m_nKey[1],
              m_nDirection[1], m_nKey[2], m_nDirection[2], m_bEnabledFirst);
  pApp->WriteProfileString(kSection, kKey, text);
}

BOOL CVikaChartSortDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  LoadSettings();
  for (int box : kKeyBoxes) {
    for (const char* name : kKeyNames)
      SendDlgItemMessage(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  UpdateData(FALSE);
  return TRUE;
}

void CVikaChartSortDlg::DoDataExchange(CDataExchange* pDX) {
  for (int i = 0; i < 3; ++i) {
    DDX_CBIndex(pDX, kKeyBoxes[i], m_nKey[i]);
    DDX_Radio(pDX, kDirectionRadios[i], m_nDirection[i]);
  }
  DDX_Check(pDX, IDC_SORT_ENABLED_FIRST, m_bEnabledFirst);
}

void CVikaChartSortDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  SaveSettings();
  CDialog::OnOK();
}

SortSpec* CVikaChartSortDlg::GetSortSpec() {
  m_spec = ChartCommands::MakeSortSpec(m_nKey, m_nDirection);
  return &m_spec;
}
